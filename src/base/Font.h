#pragma once
// A font as records and scripts describe it. The Qt view maps it to an installed font.
#include <cstdint>
#include <string>

namespace qav {

inline constexpr int32_t kDefaultCharset = 1;    // DEFAULT_CHARSET
inline constexpr int32_t kHangeulCharset = 129;  // HANGEUL_CHARSET

struct Font {
  std::string name = "MS Sans Serif";
  int32_t height = -11;  // negative: character height in pixels
  int32_t charset = kDefaultCharset;
  uint32_t colour = 0x80000008;  // clWindowText
  bool bold = false, italic = false, underline = false, strikeOut = false;
  bool operator==(const Font&) const = default;
};

}  // namespace qav
