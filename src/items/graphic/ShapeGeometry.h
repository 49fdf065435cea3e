#pragma once
// Geometry of the multi-shape: angle normalisation, the repetition grid and the drawing
// operations of one figure (shadow pass, then main pass), so that a painter only draws.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "items/graphic/Geometry.h"

namespace qav::graphic {

enum class ShapeType { msRectangle, msRoundRect, msDiamond, msEllipse, msTriangle, msLine, msText };
enum class RepeatMode { rpNone, rpVert, rpHoriz, rpBoth };

// The stored angle for a requested one: remainder of 360 keeping the sign, -180 taken as 180,
// folded into -179..180, and for triangles and lines snapped to the nearest multiple of 45.
int32_t normaliseAngle(int32_t requested, ShapeType type);

// Rows and columns of repeated figures. Spacings of 0 or less disable repetition in that
// direction; a grid never holds more than kMaxFigures figures.
inline constexpr int64_t kMaxFigures = 100000;
struct ShapeGrid {
  int32_t columns = 1, rows = 1;
  int32_t xSpacing = 0, ySpacing = 0, xMargin = 0, yMargin = 0;
  // Top-left corner of the figure in column c and row r (both from 0).
  Point origin(int32_t c, int32_t r) const {
    return {static_cast<int32_t>(int64_t{c} * xSpacing + xMargin),
            static_cast<int32_t>(int64_t{r} * ySpacing + yMargin)};
  }
  int64_t count() const { return columns > 0 && rows > 0 ? int64_t{columns} * rows : 0; }
};
ShapeGrid shapeGrid(RepeatMode mode, int32_t width, int32_t height, int32_t xSpacing,
                    int32_t ySpacing, int32_t xMargin, int32_t yMargin);

// Everything a figure's look depends on.
struct ShapeStyle {
  ShapeType type = ShapeType::msRectangle;
  int32_t angle = 0;
  bool filled = true;
  int32_t shapeW = 10, shapeH = 10;
  uint32_t colour = 0x00800000;
  bool border = false;
  uint32_t borderColour = 0;
  int32_t borderWidth = 1;
  bool shadow = false;
  uint32_t shadowColour = 0x00808080;
  int32_t shadowX = 2, shadowY = 2;
  // Text figure: the text and its extent measured with the rotated font.
  std::string text;
  int32_t textWidth = 0, textHeight = 0;
};

// One drawing call of a figure.
struct ShapeOp {
  enum class Kind {
    Rectangle,       // rect, filled with the brush, outlined with the pen
    RoundRect,       // rect with corner ellipse `corner` (width, height), filled and outlined
    Ellipse,         // ellipse in rect, filled and outlined
    EllipseOutline,  // the whole outline of the ellipse in rect, nothing filled
    Polygon,         // points (closed: the first point repeated last), filled and outlined
    Polyline,        // points joined by pen strokes, nothing filled
    Line,            // points[0] to points[1]
    Text,            // text at `at` with the rotated font, transparent background, pen colour
  };
  Kind kind = Kind::Rectangle;
  Rect rect;
  Point corner;
  std::vector<Point> points;
  Point at;
  int32_t escapement = 0;  // text figure: the font's rotation in tenths of a degree
  uint32_t pen = 0;
  int32_t penWidth = 1;
  std::optional<uint32_t> brush;  // none: nothing is filled
  bool operator==(const ShapeOp&) const = default;
};

// The text figure's offsets: the text is drawn at (centre x - dx, centre y + dy) so that the
// rotated text is centred on the figure's centre.
Point textOffsets(int32_t angle, int32_t textWidth, int32_t textHeight);

// The drawing calls of one figure with its top-left corner at `origin`: the shadow pass (when
// the shadow is on) followed by the main pass.
std::vector<ShapeOp> figureOps(const ShapeStyle& style, Point origin);

}  // namespace qav::graphic
