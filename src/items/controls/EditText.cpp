#include "items/controls/EditText.h"

#include <algorithm>

#include "base/Cp949.h"
#include "base/Text.h"

namespace qav {
namespace {

// Length of the UTF-8 sequence that starts with byte c (1 for stray continuation bytes).
std::size_t sequenceLength(unsigned char c) {
  if (c >= 0xF0) return 4;
  if (c >= 0xE0) return 3;
  if (c >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string applyCharCase(std::string_view text, CharCase c) {
  switch (c) {
    case CharCase::Upper:
      return text::upperAscii(text);
    case CharCase::Lower:
      return text::lowerAscii(text);
    case CharCase::Normal:
      break;
  }
  return std::string(text);
}

std::string limitBytes(std::string_view text, std::size_t maxBytes) {
  if (maxBytes == 0) return std::string(text);
  std::size_t used = 0, i = 0;
  while (i < text.size()) {
    std::size_t len =
        std::min(sequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
    std::size_t bytes = text::cp949Size(text.substr(i, len));
    if (used + bytes > maxBytes) break;
    used += bytes;
    i += len;
  }
  if (i > 0 && i < text.size() && text[i - 1] == '\r' && text[i] == '\n') --i;
  return std::string(text.substr(0, i));
}

std::string crlfBreaks(std::string_view text) {
  std::string r;
  r.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      r += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      r += text[i];
    }
  }
  return r;
}

}  // namespace qav
