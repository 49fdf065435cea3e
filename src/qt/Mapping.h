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

#include "base/Font.h"
#include "base/Picture.h"

namespace qav::qt {

inline QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The installed family that stands in for a font name of the record (Korean Windows names map
// to the Nanum families; names that cannot show Hangul map to a sans-serif that can).
QString fontFamilyFor(std::string_view name);

// The record's font as a QFont: family, pixel height, bold, italic, underline, strike-out.
QFont toQFont(const Font& font);

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

// Text of the core (carriage returns as line breaks) for a plain-text Qt label.
QString toDisplayText(std::string_view text);

}  // namespace qav::qt
