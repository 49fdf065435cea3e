#include "items/graphic/Geometry.h"

#include "items/graphic/Rounding.h"

namespace qav::graphic {

std::vector<Segment> frame3D(int32_t left, int32_t top, int32_t right, int32_t bottom,
                             uint32_t first, uint32_t second) {
  // Each stroke leaves out its end point; the last one runs one pixel past the left column so
  // that the bottom row is complete.
  return {
      {{left, bottom}, {left, top}, first},
      {{left, top}, {right, top}, first},
      {{right, top}, {right, bottom}, second},
      {{right, bottom}, {add(left, -1), bottom}, second},
  };
}

}  // namespace qav::graphic
