#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QFontInfo>
#include <QImage>

#include <QTextDocument>

#include "qt/ItemView.h"
#include "qt/Mapping.h"

using namespace qav;
using namespace qav::qt;

namespace {

Font font(const char* name, int32_t height) {
  Font f;
  f.name = name;
  f.height = height;
  return f;
}

std::string encoded(const QImage& img, const char* format) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, format);
  return bytes.toStdString();
}

TEST(WindowMapping, AWindowIsNeverLargerThanTheScreenShowsIt) {
  const QRect screen(0, 30, 1024, 738);
  EXPECT_EQ(fitToScreen(QRect(5, 6, 300, 200), screen), QRect(5, 6, 300, 200));
  EXPECT_EQ(fitToScreen(QRect(5, 6, 8192, 8192), screen), QRect(5, 6, 1024, 738));
  EXPECT_EQ(fitToScreen(QRect(-50, 900, 2000, 100), screen), QRect(-50, 900, 1024, 100));
  EXPECT_EQ(fitToScreen(QRect(5, 6, 8192, 8192), QRect()), QRect(5, 6, 8192, 8192));
}

TEST(HintMapping, HintsShowAsPlainTextWhateverMarkupTheyHold) {
  EXPECT_EQ(hintText("눌러|긴 설명"), QString::fromUtf8("눌러"));
  for (const std::string hint : {"<b>굵게</b>", "<img src=\"file:///etc/passwd\">", "a < b"}) {
    QTextDocument shown;
    shown.setHtml(hintText(hint + "|long"));
    const QString t = hintText(hint + "|long");
    EXPECT_EQ(Qt::mightBeRichText(t) ? shown.toPlainText() : t, QString::fromStdString(hint));
  }
}

}  // namespace

TEST(FontMapping, KoreanWindowsFontsBecomeInstalledHangulFonts) {
  EXPECT_EQ(QFontInfo(toQFont(font("굴림", -12))).family(), QStringLiteral("NanumGothic"));
  EXPECT_EQ(QFontInfo(toQFont(font("굴림체", -12))).family(), QStringLiteral("NanumGothicCoding"));
  EXPECT_EQ(QFontInfo(toQFont(font("돋움체", -12))).family(), QStringLiteral("NanumGothicCoding"));
  EXPECT_EQ(QFontInfo(toQFont(font("바탕", -12))).family(), QStringLiteral("NanumMyeongjo"));
  EXPECT_EQ(QFontInfo(toQFont(font("궁서", -12))).family(), QStringLiteral("NanumMyeongjo"));
  // Latin names of Windows fonts and names nobody has installed show Hangul too.
  EXPECT_EQ(QFontInfo(toQFont(font("MS Sans Serif", -11))).family(), QStringLiteral("NanumGothic"));
  EXPECT_EQ(QFontInfo(toQFont(font("No Such Font", -11))).family(), QStringLiteral("NanumGothic"));
}

TEST(FontMapping, HeightAndStyleFollowTheRecord) {
  Font f = font("굴림", -16);
  f.bold = true;
  f.underline = true;
  QFont q = toQFont(f);
  EXPECT_EQ(q.pixelSize(), 16);
  EXPECT_TRUE(q.bold());
  EXPECT_TRUE(q.underline());
  EXPECT_FALSE(q.italic());
  EXPECT_FALSE(q.strikeOut());
  f.bold = f.underline = false;
  f.italic = f.strikeOut = true;
  q = toQFont(f);
  EXPECT_FALSE(q.bold());
  EXPECT_TRUE(q.italic());
  EXPECT_TRUE(q.strikeOut());
  // A positive height is the cell height, taller than the characters; zero is the default size;
  // absurd heights are bounded.
  EXPECT_LT(toQFont(font("굴림", 24)).pixelSize(), 24);
  EXPECT_GT(toQFont(font("굴림", 24)).pixelSize(), 16);
  EXPECT_EQ(toQFont(font("굴림", 0)).pixelSize(), 11);
  EXPECT_LE(toQFont(font("굴림", INT32_MIN)).pixelSize(), 1000);
  EXPECT_LE(toQFont(font("굴림", INT32_MAX)).pixelSize(), 1000);
}

TEST(ColourMapping, PlainColoursAreBlueGreenRedAndSystemColoursComeFromThePalette) {
  const QPalette pal = QApplication::palette();
  EXPECT_EQ(toQColor(0x00FF0000, pal), QColor(0, 0, 255));
  EXPECT_EQ(toQColor(0x00800000, pal), QColor(0, 0, 128));
  EXPECT_EQ(toQColor(0x000000FF, pal), QColor(255, 0, 0));
  EXPECT_EQ(toQColor(0x00808000, pal), QColor(0, 128, 128));
  EXPECT_EQ(toQColor(0x00C0C0C0, pal), QColor(192, 192, 192));

  QPalette custom;
  custom.setColor(QPalette::Button, QColor(1, 2, 3));
  custom.setColor(QPalette::Base, QColor(4, 5, 6));
  custom.setColor(QPalette::Text, QColor(7, 8, 9));
  custom.setColor(QPalette::ButtonText, QColor(10, 11, 12));
  custom.setColor(QPalette::Highlight, QColor(13, 14, 15));
  custom.setColor(QPalette::HighlightedText, QColor(16, 17, 18));
  custom.setColor(QPalette::Dark, QColor(19, 20, 21));
  custom.setColor(QPalette::Light, QColor(22, 23, 24));
  EXPECT_EQ(toQColor(0x8000000F, custom), QColor(1, 2, 3));     // button face
  EXPECT_EQ(toQColor(0x80000005, custom), QColor(4, 5, 6));     // window background
  EXPECT_EQ(toQColor(0x80000008, custom), QColor(7, 8, 9));     // window text
  EXPECT_EQ(toQColor(0x80000012, custom), QColor(10, 11, 12));  // button text
  EXPECT_EQ(toQColor(0x8000000D, custom), QColor(13, 14, 15));  // highlight
  EXPECT_EQ(toQColor(0x8000000E, custom), QColor(16, 17, 18));  // highlighted text
  EXPECT_EQ(toQColor(0x80000010, custom), QColor(19, 20, 21));  // button shadow
  EXPECT_EQ(toQColor(0x80000014, custom), QColor(22, 23, 24));  // button highlight
  // Unknown system numbers still give a colour of the theme.
  EXPECT_TRUE(toQColor(0x800000FE, custom).isValid());
}

TEST(CursorMapping, CodesNameTheStandardShapes) {
  EXPECT_EQ(toCursorShape(0), std::nullopt);
  EXPECT_EQ(toCursorShape(7), std::nullopt);
  EXPECT_EQ(toCursorShape(-22), std::nullopt);
  EXPECT_EQ(toCursorShape(-2), Qt::ArrowCursor);
  EXPECT_EQ(toCursorShape(-3), Qt::CrossCursor);
  EXPECT_EQ(toCursorShape(-4), Qt::IBeamCursor);
  EXPECT_EQ(toCursorShape(-6), Qt::SizeBDiagCursor);
  EXPECT_EQ(toCursorShape(-7), Qt::SizeVerCursor);
  EXPECT_EQ(toCursorShape(-8), Qt::SizeFDiagCursor);
  EXPECT_EQ(toCursorShape(-9), Qt::SizeHorCursor);
  EXPECT_EQ(toCursorShape(-11), Qt::WaitCursor);
  EXPECT_EQ(toCursorShape(-13), Qt::ForbiddenCursor);
  EXPECT_EQ(toCursorShape(-14), Qt::SplitHCursor);
  EXPECT_EQ(toCursorShape(-15), Qt::SplitVCursor);
  EXPECT_EQ(toCursorShape(-19), Qt::BusyCursor);
  EXPECT_EQ(toCursorShape(-20), Qt::WhatsThisCursor);
  EXPECT_EQ(toCursorShape(-21), Qt::PointingHandCursor);
}

TEST(PictureMapping, BitmapsAndIconsDecodeAndGarbageGivesNothing) {
  QImage img(5, 3, QImage::Format_RGB888);
  img.fill(QColor(255, 0, 0));
  QPixmap bmp = toPixmap(Picture{"TBitmap", encoded(img, "BMP")});
  ASSERT_FALSE(bmp.isNull());
  EXPECT_EQ(bmp.size(), QSize(5, 3));
  EXPECT_EQ(bmp.toImage().pixelColor(2, 1), QColor(255, 0, 0));

  QImage icon(16, 16, QImage::Format_ARGB32);
  icon.fill(QColor(0, 0, 255));
  EXPECT_FALSE(toIcon(Picture{"TIcon", encoded(icon, "ICO")}).isNull());

  EXPECT_TRUE(toPixmap(Picture{"TBitmap", "BM not really a bitmap"}).isNull());
  EXPECT_TRUE(toPixmap(Picture{}).isNull());
  EXPECT_TRUE(toIcon(Picture{"TIcon", std::string("\0\0\1\0\1", 5)}).isNull());
}
