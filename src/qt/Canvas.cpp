#include "qt/Canvas.h"

#include <QPainterPath>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "items/graphic/LinePixels.h"
#include "qt/Mapping.h"

namespace qav::qt {

using graphic::Point;
using graphic::Rect;

namespace {

QPoint qp(Point p) {
  return {p.x, p.y};
}

// The rectangle as the toolkit's outline path: one pixel short on the right and bottom, so
// that a one-pixel outline lies inside the figure's rectangle.
QRectF outlinePath(const Rect& r) {
  return QRectF(r.left, r.top, static_cast<double>(r.right) - r.left - 1,
                static_cast<double>(r.bottom) - r.top - 1);
}

Rect normalised(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

// The angle, in degrees counter-clockwise from three o'clock, at which the radial through p
// meets the ellipse inscribed in the path rectangle.
double radialAngle(const QRectF& e, Point p) {
  const double rx = e.width() / 2, ry = e.height() / 2;
  const double dx = p.x - e.center().x(), dy = e.center().y() - p.y;
  const double a = std::atan2(ry > 0 ? dy / ry : dy, rx > 0 ? dx / rx : dx);
  return a * 180 / std::numbers::pi;
}

}  // namespace

Canvas::Canvas(QPainter& painter, const QRect& clip, const QPalette& palette)
    : painter_(painter), clip_(clip), palette_(palette) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
}

QColor Canvas::colour(uint32_t code) const {
  return toQColor(code, palette_);
}

int Canvas::boundedWidth(int32_t width) {
  return std::clamp(width, 1, 1024);
}

void Canvas::setPen(const QColor& c, int width) {
  QPen pen(c);
  if (width <= 1) {
    pen.setWidth(1);
    pen.setCosmetic(true);
  } else {
    pen.setWidth(width);
  }
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
}

void Canvas::fill(const Rect& r, const QColor& c) {
  // An inverted rectangle fills nothing (unlike the figures, which are normalised).
  if (r.right <= r.left || r.bottom <= r.top) return;
  const QRect q = QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)) & clip_;
  if (!q.isEmpty()) painter_.fillRect(q, c);
}

void Canvas::line(Point a, Point b, const QColor& c, int width) {
  if (width > 1) {
    setPen(c, width);
    painter_.drawLine(qp(a), qp(b));
    return;
  }
  const Rect clip{clip_.left(), clip_.top(), clip_.right() + 1, clip_.bottom() + 1};
  const std::vector<Point> pixels = graphic::linePixels(a, b, clip);
  // Neighbouring pixels on one row or one column go out as one rectangle.
  std::size_t i = 0;
  while (i < pixels.size()) {
    std::size_t j = i + 1;
    int dx = 0, dy = 0;
    if (j < pixels.size()) {
      dx = pixels[j].x - pixels[i].x;
      dy = pixels[j].y - pixels[i].y;
    }
    const bool run = (std::abs(dx) == 1 && dy == 0) || (dx == 0 && std::abs(dy) == 1);
    if (run)
      while (j < pixels.size() && pixels[j].x - pixels[j - 1].x == dx &&
             pixels[j].y - pixels[j - 1].y == dy)
        ++j;
    const Point p = pixels[i], q = pixels[j - 1];
    painter_.fillRect(QRect(QPoint(std::min(p.x, q.x), std::min(p.y, q.y)),
                            QPoint(std::max(p.x, q.x), std::max(p.y, q.y))),
                      c);
    i = j;
  }
}

void Canvas::strokes(const std::vector<graphic::Segment>& segments) {
  for (const graphic::Segment& s : segments) line(s.from, s.to, colour(s.colour));
}

void Canvas::rectangle(const Rect& r, const QColor& pen, int width,
                       const std::optional<QColor>& brush) {
  const Rect n = normalised(r);
  if (n.right == n.left || n.bottom == n.top) return;
  if (width > 1) {
    setPen(pen, width);
    painter_.setBrush(brush ? QBrush(*brush) : QBrush());
    painter_.drawRect(outlinePath(n));
    return;
  }
  if (brush) fill(n, *brush);
  fill({n.left, n.top, n.right, n.top + 1}, pen);
  fill({n.left, n.bottom - 1, n.right, n.bottom}, pen);
  fill({n.left, n.top, n.left + 1, n.bottom}, pen);
  fill({n.right - 1, n.top, n.right, n.bottom}, pen);
}

void Canvas::roundRect(const Rect& r, Point corner, const QColor& pen, int width,
                       const std::optional<QColor>& brush) {
  const Rect n = normalised(r);
  if (n.right == n.left || n.bottom == n.top) return;
  setPen(pen, width);
  painter_.setBrush(brush ? QBrush(*brush) : QBrush());
  painter_.drawRoundedRect(outlinePath(n), std::abs(corner.x) / 2.0, std::abs(corner.y) / 2.0,
                           Qt::AbsoluteSize);
}

void Canvas::ellipse(const Rect& r, const QColor& pen, int width,
                     const std::optional<QColor>& brush) {
  const Rect n = normalised(r);
  if (n.right == n.left || n.bottom == n.top) return;
  setPen(pen, width);
  painter_.setBrush(brush ? QBrush(*brush) : QBrush());
  painter_.drawEllipse(outlinePath(n));
}

void Canvas::polygon(const std::vector<Point>& points, const QColor& pen, int width,
                     const QColor& brush) {
  if (points.empty()) return;
  QPolygon poly;
  for (const Point& p : points) poly << qp(p);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(brush);
  painter_.drawPolygon(poly, Qt::OddEvenFill);
  std::vector<Point> closed = points;
  if (!(closed.front() == closed.back())) closed.push_back(closed.front());
  polyline(closed, pen, width);
}

void Canvas::polyline(const std::vector<Point>& points, const QColor& pen, int width) {
  if (points.size() < 2) return;
  if (width > 1) {
    QPolygon poly;
    for (const Point& p : points) poly << qp(p);
    setPen(pen, width);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(poly);
    return;
  }
  for (std::size_t i = 1; i < points.size(); ++i) line(points[i - 1], points[i], pen);
}

void Canvas::pie(const Rect& r, Point from, Point to, double sweep, const QColor& pen,
                 const QColor& brush) {
  const Rect n = normalised(r);
  if (n.right == n.left || n.bottom == n.top) return;
  const QRectF e = outlinePath(n);
  const double start = radialAngle(e, from), end = radialAngle(e, to);
  // The turn from the start radial to the end radial in the direction of the sweep; radials
  // that coincide make a full ellipse for a sweep of half a turn or more, else a bare radial.
  double turn = sweep >= 0 ? start - end : end - start;
  turn = std::fmod(turn + 720.0, 360.0);
  if (turn < 1e-9 || turn > 360 - 1e-9) turn = std::abs(sweep) >= 180 ? 360 : 0;
  const double span = sweep >= 0 ? -turn : turn;
  setPen(pen, 1);
  painter_.setBrush(brush);
  painter_.drawPie(e, static_cast<int>(std::lround(start * 16)),
                   static_cast<int>(std::lround(span * 16)));
}

QRect visibleArea(const QWidget& widget) {
  const QWidget* parent = widget.parentWidget();
  if (!parent) return widget.rect();
  return widget.rect() & QRect(-widget.pos(), parent->size());
}

}  // namespace qav::qt
