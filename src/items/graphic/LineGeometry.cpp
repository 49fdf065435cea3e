#include "items/graphic/LineGeometry.h"

#include "items/graphic/Rounding.h"

namespace qav::graphic {

std::vector<Segment> bevelStrokes(BevelShape shape, BevelStyle style, int32_t width,
                                  int32_t height) {
  const uint32_t c1 = style == BevelStyle::bsLowered ? kButtonShadow : kButtonHighlight;
  const uint32_t c2 = style == BevelStyle::bsLowered ? kButtonHighlight : kButtonShadow;
  const int32_t W = width, H = height;
  const int32_t W1 = add(W, -1), W2 = add(W, -2), H1 = add(H, -1), H2 = add(H, -2);
  switch (shape) {
    case BevelShape::bsTopLine:
      return {{{0, 0}, {W, 0}, c1}, {{0, 1}, {W, 1}, c2}};
    case BevelShape::bsBottomLine:
      return {{{0, H2}, {W, H2}, c1}, {{0, H1}, {W, H1}, c2}};
    case BevelShape::bsLeftLine:
      return {{{0, 0}, {0, H}, c1}, {{1, 0}, {1, H}, c2}};
    case BevelShape::bsRightLine:
      return {{{W2, 0}, {W2, H}, c1}, {{W1, 0}, {W1, H}, c2}};
    case BevelShape::bsBox:
      return frame3D(0, 0, W1, H1, c1, c2);
    case BevelShape::bsFrame: {
      std::vector<Segment> s = frame3D(1, 1, W1, H1, c2, c2);
      for (const Segment& seg : frame3D(0, 0, W2, H2, c1, c1)) s.push_back(seg);
      return s;
    }
  }
  return {};
}

}  // namespace qav::graphic
