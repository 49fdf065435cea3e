#include "stream/StreamFormat.h"

#include <cmath>
#include <limits>

namespace qav {

double extendedToDouble(const std::array<uint8_t, 10>& raw) {
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = mantissa << 8 | raw[i];
  int exponent = (raw[9] & 0x7F) << 8 | raw[8];
  bool negative = raw[9] & 0x80;
  double d;
  if (exponent == 0x7FFF) {
    // Infinity when the fraction below the integer bit is zero, otherwise not a number.
    d = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                             : std::numeric_limits<double>::quiet_NaN();
  } else {
    // Denormals use the exponent of the smallest normal number.
    int e = (exponent == 0 ? 1 : exponent) - 16383 - 63;
    d = std::ldexp(static_cast<double>(mantissa), e);
  }
  return negative ? -d : d;
}

std::array<uint8_t, 10> doubleToExtended(double d) {
  std::array<uint8_t, 10> raw{};
  uint64_t mantissa = 0;
  int exponent = 0;
  if (std::isnan(d)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(d)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (d != 0) {
    int e = 0;
    double f = std::frexp(std::fabs(d), &e);  // f in [0.5, 1), 53 significant bits
    mantissa = static_cast<uint64_t>(std::ldexp(f, 64));
    exponent = e - 1 + 16383;
  }
  for (int i = 0; i < 8; ++i) raw[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  raw[8] = static_cast<uint8_t>(exponent & 0xFF);
  raw[9] = static_cast<uint8_t>((exponent >> 8 & 0x7F) | (std::signbit(d) ? 0x80 : 0));
  return raw;
}

}  // namespace qav
