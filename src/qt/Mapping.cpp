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
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikeOut);
  return f;
}

QColor toQColor(uint32_t code, const QPalette& palette) {
  if ((code & 0xFF000000u) == 0x80000000u) {
    using R = QPalette::ColorRole;
    auto c = [&](R role, QPalette::ColorGroup g = QPalette::Active) {
      return palette.color(g, role);
    };
    // Windows system colour numbers.
    switch (code & 0xFFu) {
      case 0:
        return c(R::Midlight);  // scroll bar
      case 1:
        return QColor(0, 128, 128);  // desktop
      case 2:
        return c(R::Highlight);  // active caption
      case 3:
        return c(R::Mid);  // inactive caption
      case 4:
        return c(R::Window);  // menu
      case 5:
        return c(R::Base);  // window background
      case 6:
        return c(R::Shadow);  // window frame
      case 7:
        return c(R::WindowText);  // menu text
      case 8:
        return c(R::Text);  // window text
      case 9:
        return c(R::HighlightedText);  // caption text
      case 10:
        return c(R::Window);  // active border
      case 11:
        return c(R::Window);  // inactive border
      case 12:
        return c(R::Mid);  // application workspace
      case 13:
        return c(R::Highlight);  // highlight
      case 14:
        return c(R::HighlightedText);  // highlighted text
      case 15:
        return c(R::Button);  // button face
      case 16:
        return c(R::Dark);  // button shadow
      case 17:
        return c(R::Text, QPalette::Disabled);  // grey text
      case 18:
        return c(R::ButtonText);  // button text
      case 19:
        return c(R::WindowText, QPalette::Disabled);  // inactive caption text
      case 20:
        return c(R::Light);  // button highlight
      case 21:
        return c(R::Shadow);  // 3-D dark shadow
      case 22:
        return c(R::Midlight);  // 3-D light
      case 23:
        return c(R::ToolTipText);  // hint text
      case 24:
        return c(R::ToolTipBase);  // hint background
      case 26:
        return c(R::Link);  // hot-tracked item
      case 27:
        return c(R::Highlight);  // active caption gradient
      case 28:
        return c(R::Mid);  // inactive caption gradient
      case 29:
        return c(R::Highlight);  // menu highlight
      case 30:
        return c(R::Window);  // menu bar
      default:
        return c(R::Window);
    }
  }
  return QColor(static_cast<int>(code & 0xFF), static_cast<int>((code >> 8) & 0xFF),
                static_cast<int>((code >> 16) & 0xFF));
}

std::optional<Qt::CursorShape> toCursorShape(int16_t code) {
  switch (code) {
    case -1:
      return Qt::BlankCursor;
    case -2:
      return Qt::ArrowCursor;
    case -3:
      return Qt::CrossCursor;
    case -4:
      return Qt::IBeamCursor;
    case -5:
      return Qt::SizeAllCursor;
    case -6:
      return Qt::SizeBDiagCursor;
    case -7:
      return Qt::SizeVerCursor;
    case -8:
      return Qt::SizeFDiagCursor;
    case -9:
      return Qt::SizeHorCursor;
    case -10:
      return Qt::UpArrowCursor;
    case -11:
      return Qt::WaitCursor;
    case -12:
      return Qt::DragMoveCursor;
    case -13:
      return Qt::ForbiddenCursor;
    case -14:
      return Qt::SplitHCursor;
    case -15:
      return Qt::SplitVCursor;
    case -16:
      return Qt::DragCopyCursor;
    case -17:
      return Qt::WaitCursor;
    case -18:
      return Qt::ForbiddenCursor;
    case -19:
      return Qt::BusyCursor;
    case -20:
      return Qt::WhatsThisCursor;
    case -21:
      return Qt::PointingHandCursor;
    default:
      return std::nullopt;
  }
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
