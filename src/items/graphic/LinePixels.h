#pragma once
// The pixels of a one-pixel pen stroke, the way the drawn items expect their lines: the stroke
// starts at its first point and stops one pixel short of its end point, so strokes that meet
// end to start never draw a pixel twice and a closed outline has every corner exactly once.
#include <vector>

#include "items/graphic/Geometry.h"

namespace qav::graphic {

// The pixels from `from` towards `to` (the end point excluded) that lie inside `clip` (right
// and bottom exclusive), in drawing order. A stroke of zero length draws nothing. The work is
// bounded by the size of `clip`, however far apart the points are.
//
// Along the longer axis every step draws one pixel; on the shorter axis the pixel nearest to the
// ideal line is taken, and a position exactly half-way stays on the start's side.
std::vector<Point> linePixels(Point from, Point to, const Rect& clip);

}  // namespace qav::graphic
