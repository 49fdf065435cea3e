#pragma once
// Conversions from the codes that records and scripts use (fonts, colour codes, cursor codes,
// picture bytes) to what Qt draws with.
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <optional>
#include <string_view>

class QWidget;

#include "base/Font.h"
#include "base/Picture.h"

namespace qav {
class WindowModel;
}

namespace qav::qt {

inline QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The installed family that stands in for a font name of the record (Korean Windows names map
// to the Nanum families; names that cannot show Hangul map to a sans-serif that can).
QString fontFamilyFor(std::string_view name);

// The record's font as a QFont: family, pixel height, bold, italic, underline, strike-out.
QFont toQFont(const Font& font);

// A Korean Windows font by name, character height in pixels and weight, as a QFont.
QFont koreanFont(std::string_view name, int pixels, bool bold = false);

// The font of the player's own texts (menus, message boxes, hints): 굴림 at 9 points, as Korean
// Windows shows them.
QFont uiFont();

// Resolves a colour code: 0x00BBGGRR, or 0x800000nn for system colour nn taken from the palette.
QColor toQColor(uint32_t code, const QPalette& palette);

// The Qt shape of a cursor code; nothing for the control's default cursor (0 and unknown codes).
std::optional<Qt::CursorShape> toCursorShape(int16_t code);

// Decodes the bytes of a picture (BMP, ICO, PNG, ...); a null pixmap when they decode to nothing.
QPixmap toPixmap(const Picture& picture);
QIcon toIcon(const Picture& picture);

// A rectangle of a model's bounds that Qt can hold: coordinates within a range where no
// arithmetic overflows, sizes not negative and at most maxSide (windows get a backing store of
// their size, so theirs is kept to what memory can take).
inline constexpr int kMaxItemSide = 1 << 20;
inline constexpr int kMaxWindowSide = 8192;
QRect boundedRect(int32_t left, int32_t top, int32_t width, int32_t height, int maxSide);
// A window's rectangle with no side longer than the screen's available area (each window has a
// backing store of its size); unchanged when there is no screen to measure.
QRect fitToScreen(const QRect& window, const QRect& available);
// The available area of the widget's screen, or of the primary screen; empty without one.
QRect availableArea(const QWidget* widget);

// How much a window with automatic scaling ("AutoSize") and its items grow: the screen's
// logical resolution against the 96 dots per inch the project was designed at; 1 for a
// window without it (or no window).
double autoScaleOf(const WindowModel* window);
// A length or rectangle of the design multiplied by the factor.
int scaledLength(int length, double factor);
QRect scaledRect(const QRect& r, double factor, bool withPosition);

// Text of the core (carriage returns as line breaks) for a plain-text Qt label.
QString toDisplayText(std::string_view text);

}  // namespace qav::qt
