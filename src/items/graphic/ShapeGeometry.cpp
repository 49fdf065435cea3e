#include "items/graphic/ShapeGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "items/graphic/Rounding.h"

namespace qav::graphic {
namespace {

int32_t snap45(int32_t a) {
  int32_t q = a / 45, r = a % 45;
  if (r > 22) ++q;
  if (r < -22) --q;
  int32_t s = q * 45;
  // The snap can reach -180 from -179..-158; keep the stored angle in -179..180.
  return s == -180 ? 180 : s;
}

struct Pass {
  int32_t x, y;
  uint32_t pen;
  int32_t penWidth;
  uint32_t fill;
  bool shadow;
};

std::vector<Point> trianglePoints(int32_t angle, int32_t x, int32_t y, int32_t W, int32_t H) {
  const int32_t w = W / 2, h = H / 2;
  const int32_t W2 = clamp64(2 * int64_t{w}), H2 = clamp64(2 * int64_t{h});
  const Point tl{x, y}, tr{add(x, W2), y}, bl{x, add(y, H2)}, br{add(x, W2), add(y, H2)};
  std::vector<Point> p;
  switch (angle) {
    case 0:
      p = {tl, {add(x, W2), add(y, h)}, bl};
      break;
    case 45:
      p = {tl, tr, br};
      break;
    case 90:
      p = {{add(x, w), y}, br, bl};
      break;
    case 135:
      p = {tl, tr, bl};
      break;
    case 180:
      p = {{x, add(y, h)}, tr, br};
      break;
    case -45:
      p = {tr, br, bl};
      break;
    case -90:
      p = {tl, tr, {add(x, w), add(y, H2)}};
      break;
    case -135:
      p = {tl, bl, br};
      break;
    default:
      return {};
  }
  p.push_back(p.front());
  return p;
}

std::vector<Point> lineSegment(int32_t angle, int32_t x, int32_t y, int32_t W, int32_t H) {
  const int32_t w = W / 2, h = H / 2;
  switch (std::abs(angle) % 180) {
    case 0:
      return {{x, add(y, h)}, {add(x, W), add(y, h)}};
    case 45:
      return {{x, add(y, H)}, {add(x, W), y}};
    case 90:
      return {{add(x, w), y}, {add(x, w), add(y, H)}};
    case 135:
      return {{x, y}, {add(x, W), add(y, H)}};
    default:
      return {};
  }
}

void addFigure(const ShapeStyle& s, const Pass& pass, std::vector<ShapeOp>& ops) {
  const int32_t x = pass.x, y = pass.y, W = s.shapeW, H = s.shapeH;
  ShapeOp op;
  op.pen = pass.pen;
  op.penWidth = pass.penWidth;
  const Rect box{x, y, add(x, W), add(y, H)};
  switch (s.type) {
    case ShapeType::msRectangle:
      if (s.filled) {
        op.kind = ShapeOp::Kind::Rectangle;
        op.rect = box;
        op.brush = pass.fill;
      } else {
        op.kind = ShapeOp::Kind::Polyline;
        op.points = {{x, y}, {box.right, y}, {box.right, box.bottom}, {x, box.bottom}, {x, y}};
      }
      break;
    case ShapeType::msRoundRect:
      // Always filled; its shadow is outlined with a one-pixel pen.
      op.kind = ShapeOp::Kind::RoundRect;
      op.rect = box;
      op.corner = {W / 2, H / 2};
      op.brush = pass.fill;
      if (pass.shadow) op.penWidth = 1;
      break;
    case ShapeType::msDiamond: {
      const int32_t w = W / 2, h = H / 2;
      const Point top{add(x, w), y};
      op.points = {top,
                   {add(x, 2 * int64_t{w}), add(y, h)},
                   {add(x, w), add(y, 2 * int64_t{h})},
                   {x, add(y, h)},
                   top};
      op.kind = s.filled ? ShapeOp::Kind::Polygon : ShapeOp::Kind::Polyline;
      if (s.filled) op.brush = pass.fill;
      break;
    }
    case ShapeType::msEllipse:
      op.rect = box;
      op.kind = s.filled ? ShapeOp::Kind::Ellipse : ShapeOp::Kind::EllipseOutline;
      if (s.filled) op.brush = pass.fill;
      break;
    case ShapeType::msTriangle:
      op.points =
          trianglePoints(snap45(normaliseAngle(s.angle, ShapeType::msRectangle)), x, y, W, H);
      if (op.points.empty()) return;
      op.kind = s.filled ? ShapeOp::Kind::Polygon : ShapeOp::Kind::Polyline;
      if (s.filled) op.brush = pass.fill;
      break;
    case ShapeType::msLine:
      // Drawn in the fill colour (the shadow colour in the shadow pass), never the border colour.
      op.kind = ShapeOp::Kind::Line;
      op.points = lineSegment(snap45(normaliseAngle(s.angle, ShapeType::msRectangle)), x, y, W, H);
      op.pen = pass.shadow ? s.shadowColour : s.colour;
      if (op.points.empty()) return;
      break;
    case ShapeType::msText: {
      const Point d = textOffsets(s.angle, s.textWidth, s.textHeight);
      op.kind = ShapeOp::Kind::Text;
      op.at = {add(add(x, W / 2), -int64_t{d.x}), add(add(y, H / 2), d.y)};
      op.escapement = clamp64(int64_t{s.angle} * 10);
      op.pen = pass.shadow ? s.shadowColour : s.colour;
      break;
    }
  }
  ops.push_back(std::move(op));
}

}  // namespace

int32_t normaliseAngle(int32_t requested, ShapeType type) {
  int32_t a = requested % 360;
  if (a == -180) a = 180;
  if (a > 180) a -= 360;
  if (a < -180) a += 360;
  if (type == ShapeType::msTriangle || type == ShapeType::msLine) a = snap45(a);
  return a;
}

ShapeGrid shapeGrid(RepeatMode mode, int32_t width, int32_t height, int32_t xSpacing,
                    int32_t ySpacing, int32_t xMargin, int32_t yMargin) {
  ShapeGrid g;
  g.xSpacing = xSpacing;
  g.ySpacing = ySpacing;
  g.xMargin = xMargin;
  g.yMargin = yMargin;
  const bool horiz = mode == RepeatMode::rpHoriz || mode == RepeatMode::rpBoth;
  const bool vert = mode == RepeatMode::rpVert || mode == RepeatMode::rpBoth;
  int64_t columns = 1, rows = 1;
  if (horiz && xSpacing > 0) columns = int64_t{width} / xSpacing + 1;
  if (vert && ySpacing > 0) rows = int64_t{height} / ySpacing + 1;
  columns = std::clamp<int64_t>(columns, 0, kMaxFigures);
  rows = std::clamp<int64_t>(rows, 0, kMaxFigures);
  if (columns > 0 && rows > kMaxFigures / columns) rows = kMaxFigures / columns;
  g.columns = static_cast<int32_t>(columns);
  g.rows = static_cast<int32_t>(rows);
  return g;
}

Point textOffsets(int32_t angle, int32_t textWidth, int32_t textHeight) {
  const double r = angle * kPi / 180;
  const double tw = std::abs(static_cast<double>(textWidth)),
               th = std::abs(static_cast<double>(textHeight));
  return {roundEven(std::cos(r) * tw / 2 + std::sin(r) * th / 2),
          roundEven(std::sin(r) * tw / 2 - std::cos(r) * th / 2)};
}

std::vector<ShapeOp> figureOps(const ShapeStyle& s, Point origin) {
  std::vector<ShapeOp> ops;
  if (s.shadow)
    addFigure(s,
              {add(origin.x, s.shadowX), add(origin.y, s.shadowY), s.shadowColour, s.borderWidth,
               s.shadowColour, true},
              ops);
  addFigure(
      s, {origin.x, origin.y, s.border ? s.borderColour : s.colour, s.borderWidth, s.colour, false},
      ops);
  return ops;
}

}  // namespace qav::graphic
