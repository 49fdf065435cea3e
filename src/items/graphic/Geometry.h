#pragma once
// Plain geometry shared by the drawn items: what the painting algorithms compute before they
// draw. Coordinates are pixels in the item's own space (0, 0 is its top-left corner).
#include <cstdint>
#include <vector>

namespace qav::graphic {

struct Point {
  int32_t x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// A rectangle as the canvas primitives take it: left and top inclusive, right and bottom
// exclusive (a filled rectangle covers left..right-1 and top..bottom-1).
struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t width() const { return right - left; }
  int32_t height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

// A one-pixel pen stroke from `from` towards `to`; the end point itself is not drawn.
struct Segment {
  Point from, to;
  uint32_t colour = 0;
  bool operator==(const Segment&) const = default;
};

// System colours the drawn items use for their raised and lowered edges.
inline constexpr uint32_t kButtonShadow = 0x80000010;
inline constexpr uint32_t kButtonHighlight = 0x80000014;

// A one-pixel 3-D frame along the inside of the corners (left, top) and (right, bottom), both
// inclusive: the left column and top row in `first`, then the right column and bottom row in
// `second`, which therefore also owns the top-right and bottom-left corner pixels.
std::vector<Segment> frame3D(int32_t left, int32_t top, int32_t right, int32_t bottom,
                             uint32_t first, uint32_t second);

}  // namespace qav::graphic
