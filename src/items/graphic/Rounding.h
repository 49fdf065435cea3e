#pragma once
// Rounding of the drawing formulas. Trigonometry in floating point misses exact values by a
// hair (28 x sin 30 degrees comes out as 13.999...); values within a small distance of a whole
// or half number are taken as that number first, so symmetric figures stay symmetric and the
// result does not depend on the machine's floating-point width.
#include <cmath>
#include <cstdint>
#include <limits>

namespace qav::graphic {

inline double settle(double v) {
  const double halves = std::nearbyint(v * 2);
  return std::fabs(v * 2 - halves) < 1e-9 ? halves / 2 : v;
}

// Coordinates come from project files; sums are kept inside 32 bits instead of overflowing.
inline int32_t clamp64(int64_t v) {
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(v);
}
inline int32_t add(int32_t a, int64_t b) {
  return clamp64(int64_t{a} + b);
}

inline int32_t clampToInt(double v) {
  constexpr double lo = std::numeric_limits<int32_t>::min();
  constexpr double hi = std::numeric_limits<int32_t>::max();
  if (!(v >= lo)) return std::numeric_limits<int32_t>::min();  // also NaN
  if (v > hi) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(v);
}

// Toward zero.
inline int32_t truncate(double v) {
  return clampToInt(std::trunc(settle(v)));
}

// To the nearest whole number, halves to the even neighbour.
inline int32_t roundEven(double v) {
  double s = settle(v);
  double r = std::round(s);
  if (std::fabs(s - std::trunc(s)) == 0.5) r = 2 * std::round(s / 2);
  return clampToInt(r);
}

inline constexpr double kPi = 3.14159265358979323846;

}  // namespace qav::graphic
