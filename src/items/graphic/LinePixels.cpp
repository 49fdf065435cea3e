#include "items/graphic/LinePixels.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace qav::graphic {
namespace {

// Products of two 33-bit distances need more than 64 bits.
__extension__ typedef __int128 Wide;

// floor(a / b) for b > 0.
Wide floorDiv(Wide a, Wide b) {
  Wide q = a / b;
  if ((a % b != 0) && (a < 0)) --q;
  return q;
}

// ceil(a / b) for b > 0.
Wide ceilDiv(Wide a, Wide b) {
  return -floorDiv(-a, b);
}

}  // namespace

std::vector<Point> linePixels(Point from, Point to, const Rect& clip) {
  std::vector<Point> out;
  const int64_t dx = int64_t{to.x} - from.x, dy = int64_t{to.y} - from.y;
  if ((dx == 0 && dy == 0) || clip.right <= clip.left || clip.bottom <= clip.top) return out;

  // Work along the major axis: step i (0 <= i < n) is one pixel; the minor offset is the
  // ideal offset i * minor / n rounded to the nearest whole, halves toward the start.
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
  const int64_t n = std::llabs(major), m = std::llabs(minor);
  const int64_t sMajor = major > 0 ? 1 : -1, sMinor = minor >= 0 ? 1 : -1;
  const int64_t major0 = xMajor ? from.x : from.y, minor0 = xMajor ? from.y : from.x;
  const int64_t lo = xMajor ? clip.left : clip.top, hi = xMajor ? clip.right : clip.bottom;
  const int64_t minorLo = xMajor ? clip.top : clip.left;
  const int64_t minorHi = xMajor ? clip.bottom : clip.right;

  // Steps whose major coordinate major0 + sMajor * i lies in [lo, hi).
  int64_t first = 0, last = n - 1;
  if (sMajor > 0) {
    first = std::max(first, lo - major0);
    last = std::min(last, hi - 1 - major0);
  } else {
    first = std::max(first, major0 - (hi - 1));
    last = std::min(last, major0 - lo);
  }
  if (first > last) return out;
  out.reserve(static_cast<std::size_t>(std::min<int64_t>(last - first + 1, 1 << 16)));
  for (int64_t i = first; i <= last; ++i) {
    // Nearest whole to i*m/n with halves rounded down: ceil((2*i*m - n) / (2*n)).
    const auto off = static_cast<int64_t>(ceilDiv(2 * Wide{i} * m - n, 2 * Wide{n}));
    const int64_t a = major0 + sMajor * i, b = minor0 + sMinor * off;
    if (b < minorLo || b >= minorHi) continue;
    const auto px = static_cast<int32_t>(xMajor ? a : b), py = static_cast<int32_t>(xMajor ? b : a);
    out.push_back({px, py});
  }
  return out;
}

}  // namespace qav::graphic
