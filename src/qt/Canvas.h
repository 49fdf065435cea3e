#pragma once
// Drawing primitives with the pixel conventions the drawn items are designed for, on top of a
// QPainter with antialiasing off: filled rectangles cover left..right-1 and top..bottom-1; a
// figure's outline (rectangle, ellipse, rounded rectangle, pie) runs along the inside of its
// bounding rectangle; a one-pixel stroke leaves out its end point. Pens wider than one pixel
// are centred on the outline with round ends and joins.
#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <optional>
#include <vector>

#include "items/graphic/Geometry.h"

namespace qav::qt {

class Canvas {
 public:
  // `clip` is the part of the device that needs painting, in the painter's coordinates; one-pixel
  // strokes are only walked inside it. System colours come from `palette`.
  Canvas(QPainter& painter, const QRect& clip, const QPalette& palette);

  QPainter& painter() { return painter_; }
  QColor colour(uint32_t code) const;

  void fill(const graphic::Rect& r, const QColor& c);
  // A stroke from `a` towards `b`; with width 1 (or less) the end point is not drawn.
  void line(graphic::Point a, graphic::Point b, const QColor& c, int width = 1);
  // One-pixel strokes in their own colour codes.
  void strokes(const std::vector<graphic::Segment>& segments);

  void rectangle(const graphic::Rect& r, const QColor& pen, int width,
                 const std::optional<QColor>& brush);
  // Corners are quarters of an ellipse `corner.x` wide and `corner.y` high.
  void roundRect(const graphic::Rect& r, graphic::Point corner, const QColor& pen, int width,
                 const std::optional<QColor>& brush);
  // The ellipse inscribed in r; without a brush only its whole outline.
  void ellipse(const graphic::Rect& r, const QColor& pen, int width,
               const std::optional<QColor>& brush);
  // A closed figure through the points, filled (odd-even) and outlined.
  void polygon(const std::vector<graphic::Point>& points, const QColor& pen, int width,
               const QColor& brush);
  // Strokes joining the points in turn; the last point itself is not drawn with a thin pen.
  void polyline(const std::vector<graphic::Point>& points, const QColor& pen, int width);
  // The wedge of the ellipse inscribed in r that starts at the radial through `from` and turns
  // `sweep` degrees clockwise (counter-clockwise when negative), ending on the radial through
  // `to`; one-pixel outline.
  void pie(const graphic::Rect& r, graphic::Point from, graphic::Point to, double sweep,
           const QColor& pen, const QColor& brush);

  // Pen widths from project files are bounded so a wild value cannot stall the painter.
  static int boundedWidth(int32_t width);

 private:
  void setPen(const QColor& c, int width);

  QPainter& painter_;
  QRect clip_;
  QPalette palette_;
};

// The part of the item that can be seen at all: its rectangle within its parent's.
QRect visibleArea(const QWidget& widget);

}  // namespace qav::qt
