#pragma once
// Details of the binary record layout shared by the reader, the writer and the JSON form.
#include <array>
#include <cstddef>
#include <cstdint>

namespace qav {

// Deepest nesting of lists, collections and child records that is read or written. Deeper
// input is refused, so no file can exhaust the stack.
inline constexpr std::size_t kMaxNesting = 64;

// The 80-bit x87 extended float of tag 5 (64-bit mantissa with explicit integer bit, 15-bit
// exponent biased by 16383, sign), little-endian.
double extendedToDouble(const std::array<uint8_t, 10>& raw);
// The nearest extended float; exact, since every double is one.
std::array<uint8_t, 10> doubleToExtended(double d);

}  // namespace qav
