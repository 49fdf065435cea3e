#include "qt/Mapping.h"

#include "items/WindowModel.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace qav::qt {

namespace {

constexpr const char* kSans = "NanumGothic";
constexpr const char* kMono = "NanumGothicCoding";
constexpr const char* kSerif = "NanumMyeongjo";

struct FontAlias {
  std::string_view name;
  const char* family;
};

// The fonts of Korean Windows that projects name, in both their Korean and Latin spellings.
constexpr std::array<FontAlias, 14> kAliases{{
    {"굴림", kSans},
    {"굴림체", kMono},
    {"돋움", kSans},
    {"돋움체", kMono},
    {"바탕", kSerif},
    {"바탕체", kSerif},
    {"궁서", kSerif},
    {"Gulim", kSans},
    {"GulimChe", kMono},
    {"Dotum", kSans},
    {"DotumChe", kMono},
    {"Batang", kSerif},
    {"BatangChe", kSerif},
    {"Gungsuh", kSerif},
}};

// Character height of a Windows font for a positive (cell) height: the cell includes the
// internal leading, about a sixth of it.
int pixelHeight(int32_t height) {
  if (height < 0) return height == INT32_MIN ? 1000 : std::min(-height, 1000);
  if (height == 0) return 11;
  // Bounded before scaling: a project may give any 32-bit height.
  return std::clamp(std::min(height, 1200) * 5 / 6, 1, 1000);
}

}  // namespace

QString fontFamilyFor(std::string_view name) {
  for (const auto& a : kAliases)
    if (a.name == name) return QString::fromLatin1(a.family);
  QString family = qs(name);
  if (!family.isEmpty() && QFontDatabase::hasFamily(family) &&
      QFontDatabase::writingSystems(family).contains(QFontDatabase::Korean))
    return family;
  return QString::fromLatin1(kSans);
}

QFont toQFont(const Font& font) {
  QFont f;
  QString family = fontFamilyFor(font.name);
  // The Nanum sans-serif stays behind any family as the fallback for Hangul.
  QStringList families{family};
  if (family != QLatin1String(kSans)) families << QString::fromLatin1(kSans);
  f.setFamilies(families);
  f.setStyleHint(family == QLatin1String(kSerif) ? QFont::Serif : QFont::SansSerif);
  f.setPixelSize(pixelHeight(font.height));
  // Each font's own hinting, as Windows draws it (the Nanum fonts carry hinting made for it);
  // it also spares the automatic hinter's analysis of each face.
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikeOut);
  return f;
}

QFont koreanFont(std::string_view name, int pixels, bool bold) {
  Font f;
  f.name = std::string(name);
  f.height = -pixels;
  f.charset = kHangeulCharset;
  f.bold = bold;
  return toQFont(f);
}

QFont uiFont() {
  return koreanFont("굴림", 12);
}

namespace {

using R = QPalette::ColorRole;

// The palette colour that stands for a Windows system colour, by its number.
struct SystemColour {
  R role;
  QPalette::ColorGroup group = QPalette::Active;
};
constexpr SystemColour kSystemColours[] = {
    {R::Midlight},                        // 0 scroll bar
    {R::Window},                          // 1 desktop: a fixed colour
    {R::Highlight},                       // 2 active caption
    {R::Mid},                             // 3 inactive caption
    {R::Window},                          // 4 menu
    {R::Base},                            // 5 window background
    {R::Shadow},                          // 6 window frame
    {R::WindowText},                      // 7 menu text
    {R::Text},                            // 8 window text
    {R::HighlightedText},                 // 9 caption text
    {R::Window},                          // 10 active border
    {R::Window},                          // 11 inactive border
    {R::Mid},                             // 12 application workspace
    {R::Highlight},                       // 13 highlight
    {R::HighlightedText},                 // 14 highlighted text
    {R::Button},                          // 15 button face
    {R::Dark},                            // 16 button shadow
    {R::Text, QPalette::Disabled},        // 17 grey text
    {R::ButtonText},                      // 18 button text
    {R::WindowText, QPalette::Disabled},  // 19 inactive caption text
    {R::Light},                           // 20 button highlight
    {R::Shadow},                          // 21 3-D dark shadow
    {R::Midlight},                        // 22 3-D light
    {R::ToolTipText},                     // 23 hint text
    {R::ToolTipBase},                     // 24 hint background
    {R::Window},                          // 25 not in use
    {R::Link},                            // 26 hot-tracked item
    {R::Highlight},                       // 27 active caption gradient
    {R::Mid},                             // 28 inactive caption gradient
    {R::Highlight},                       // 29 menu highlight
    {R::Window},                          // 30 menu bar
};

// The cursor shapes of the cursor codes that have one.
constexpr std::pair<int16_t, Qt::CursorShape> kCursorShapes[] = {
    {-1, Qt::BlankCursor},      {-2, Qt::ArrowCursor},      {-3, Qt::CrossCursor},
    {-4, Qt::IBeamCursor},      {-5, Qt::SizeAllCursor},    {-6, Qt::SizeBDiagCursor},
    {-7, Qt::SizeVerCursor},    {-8, Qt::SizeFDiagCursor},  {-9, Qt::SizeHorCursor},
    {-10, Qt::UpArrowCursor},   {-11, Qt::WaitCursor},      {-12, Qt::DragMoveCursor},
    {-13, Qt::ForbiddenCursor}, {-14, Qt::SplitHCursor},    {-15, Qt::SplitVCursor},
    {-16, Qt::DragCopyCursor},  {-17, Qt::WaitCursor},      {-18, Qt::ForbiddenCursor},
    {-19, Qt::BusyCursor},      {-20, Qt::WhatsThisCursor}, {-21, Qt::PointingHandCursor},
};

}  // namespace

QColor toQColor(uint32_t code, const QPalette& palette) {
  if ((code & 0xFF000000u) == 0x80000000u) {
    const uint32_t number = code & 0xFFu;
    if (number == 1) return QColor(0, 128, 128);  // desktop
    const SystemColour s =
        number < std::size(kSystemColours) ? kSystemColours[number] : SystemColour{R::Window};
    return palette.color(s.group, s.role);
  }
  return QColor(static_cast<int>(code & 0xFF), static_cast<int>((code >> 8) & 0xFF),
                static_cast<int>((code >> 16) & 0xFF));
}

std::optional<Qt::CursorShape> toCursorShape(int16_t code) {
  for (const auto& [c, shape] : kCursorShapes)
    if (c == code) return shape;
  return std::nullopt;
}

QPixmap toPixmap(const Picture& picture) {
  QPixmap pm;
  if (picture.empty()) return pm;
  const auto* data = reinterpret_cast<const uchar*>(picture.bytes.data());
  const auto size = static_cast<uint>(std::min<std::size_t>(picture.bytes.size(), 0x7FFFFFFF));
  const char* format = picture.kind == "TIcon" ? "ICO" : nullptr;
  if (!pm.loadFromData(data, size, format) && format) pm.loadFromData(data, size);
  return pm;
}

QIcon toIcon(const Picture& picture) {
  QPixmap pm = toPixmap(picture);
  return pm.isNull() ? QIcon() : QIcon(pm);
}

QRect boundedRect(int32_t left, int32_t top, int32_t width, int32_t height, int maxSide) {
  constexpr int32_t kFar = 1 << 24;
  return QRect(std::clamp(left, -kFar, kFar), std::clamp(top, -kFar, kFar),
               std::clamp(width, 0, maxSide), std::clamp(height, 0, maxSide));
}

QRect fitToScreen(const QRect& window, const QRect& available) {
  if (available.isEmpty()) return window;
  return QRect(window.topLeft(), QSize(std::min(window.width(), available.width()),
                                       std::min(window.height(), available.height())));
}

QRect availableArea(const QWidget* widget) {
  const QScreen* screen =
      widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

QString toDisplayText(std::string_view text) {
  QString s = qs(text);
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

double autoScaleOf(const WindowModel* window) {
  if (!window || !window->autoScale()) return 1.0;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  return dpi > 0 ? dpi / 96.0 : 1.0;
}

int scaledLength(int length, double factor) {
  if (factor == 1.0) return length;
  return static_cast<int>(std::clamp(std::lround(length * factor), -(1L << 24), 1L << 24));
}

QRect scaledRect(const QRect& r, double factor, bool withPosition) {
  if (factor == 1.0) return r;
  const QPoint at =
      withPosition ? QPoint(scaledLength(r.x(), factor), scaledLength(r.y(), factor)) : r.topLeft();
  return {at, QSize(scaledLength(r.width(), factor), scaledLength(r.height(), factor))};
}

}  // namespace qav::qt
