#include <QApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <limits>

#include "qt/Canvas.h"
#include "qt/DrawnViews.h"
#include "qt/Mapping.h"

namespace qav::qt {

using graphic::ShapeOp;

namespace {

// Figures reaching further than this from the item are left out: the toolkit's rasteriser
// works in fixed point and a project file may carry any size.
constexpr int64_t kFar = int64_t{1} << 22;

struct Extent {
  int64_t left = std::numeric_limits<int64_t>::max(), top = left;
  int64_t right = std::numeric_limits<int64_t>::min(), bottom = right;
  void add(int64_t x, int64_t y) {
    left = std::min(left, x), top = std::min(top, y);
    right = std::max(right, x), bottom = std::max(bottom, y);
  }
};

// Where an operation can put pixels, pen included. The text figure reaches at most its
// diagonal from its reference point, whichever way it is turned.
Extent extentOf(const ShapeOp& op, int64_t textReach) {
  Extent e;
  switch (op.kind) {
    case ShapeOp::Kind::Polygon:
    case ShapeOp::Kind::Polyline:
    case ShapeOp::Kind::Line:
      for (const graphic::Point& p : op.points) e.add(p.x, p.y);
      break;
    case ShapeOp::Kind::Text:
      e.add(int64_t{op.at.x} - textReach, int64_t{op.at.y} - textReach);
      e.add(int64_t{op.at.x} + textReach, int64_t{op.at.y} + textReach);
      break;
    default:
      e.add(op.rect.left, op.rect.top);
      e.add(op.rect.right, op.rect.bottom);
      break;
  }
  const int64_t pen = Canvas::boundedWidth(op.penWidth);
  e.left -= pen, e.top -= pen, e.right += pen, e.bottom += pen;
  return e;
}

}  // namespace

ShapeView::ShapeView(TMultiShape& model, QWidget* parent)
    : DrawnView(model, parent), shape_(model) {
  refreshAll();
}

void ShapeView::paintEvent(QPaintEvent* event) {
  const QRect clip = event->rect();
  QPainter p(this);
  Canvas canvas(p, clip, QApplication::palette());

  graphic::ShapeStyle style = shape_.style();
  QFont textFont = font();
  textFont.setStyleStrategy(QFont::NoAntialias);
  const QFontMetrics fm(textFont);
  const QString text = qs(style.text);
  if (style.type == graphic::ShapeType::msText) {
    style.textWidth = fm.horizontalAdvance(text);
    style.textHeight = fm.height();
  }
  const int64_t textReach = int64_t{style.textWidth} + style.textHeight;

  const graphic::ShapeGrid grid = shape_.grid();
  for (int32_t r = 0; r < grid.rows; ++r) {
    for (int32_t c = 0; c < grid.columns; ++c) {
      for (const ShapeOp& op : graphic::figureOps(style, grid.origin(c, r))) {
        const Extent e = extentOf(op, textReach);
        if (e.right < clip.left() || e.bottom < clip.top() || e.left > clip.right() ||
            e.top > clip.bottom())
          continue;
        // One-pixel rectangles and strokes are drawn exactly at any distance; the rest only
        // within reach of the toolkit's rasteriser.
        const bool exact =
            op.kind == ShapeOp::Kind::Line ||
            ((op.kind == ShapeOp::Kind::Rectangle || op.kind == ShapeOp::Kind::Polyline) &&
             op.penWidth <= 1);
        if (!exact && (e.left < -kFar || e.top < -kFar || e.right > kFar || e.bottom > kFar))
          continue;
        const QColor pen = canvas.colour(op.pen);
        const int width = Canvas::boundedWidth(op.penWidth);
        const std::optional<QColor> brush =
            op.brush ? std::optional<QColor>(canvas.colour(*op.brush)) : std::nullopt;
        switch (op.kind) {
          case ShapeOp::Kind::Rectangle:
            canvas.rectangle(op.rect, pen, width, brush);
            break;
          case ShapeOp::Kind::RoundRect:
            canvas.roundRect(op.rect, op.corner, pen, width, brush);
            break;
          case ShapeOp::Kind::Ellipse:
            canvas.ellipse(op.rect, pen, width, brush);
            break;
          case ShapeOp::Kind::EllipseOutline:
            canvas.ellipse(op.rect, pen, width, std::nullopt);
            break;
          case ShapeOp::Kind::Polygon:
            canvas.polygon(op.points, pen, width, brush.value_or(pen));
            break;
          case ShapeOp::Kind::Polyline:
            canvas.polyline(op.points, pen, width);
            break;
          case ShapeOp::Kind::Line:
            if (op.points.size() == 2) canvas.line(op.points[0], op.points[1], pen, width);
            break;
          case ShapeOp::Kind::Text:
            // Rotated about the text's top-left corner, transparent background.
            p.save();
            p.setFont(textFont);
            p.setPen(pen);
            p.translate(op.at.x, op.at.y);
            p.rotate(-op.escapement / 10.0);
            p.drawText(0, fm.ascent(), text);
            p.restore();
            break;
        }
      }
    }
  }
}

}  // namespace qav::qt
