#pragma once
// Geometry of the line item: a two-pixel engraved or embossed rule along one edge, or a box or
// frame outline, as one-pixel strokes in the button shadow and highlight colours.
#include <cstdint>
#include <vector>

#include "items/graphic/Geometry.h"

namespace qav::graphic {

enum class BevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
enum class BevelStyle { bsLowered, bsRaised };

// The strokes of a line item of the given size, in drawing order.
std::vector<Segment> bevelStrokes(BevelShape shape, BevelStyle style, int32_t width,
                                  int32_t height);

}  // namespace qav::graphic
