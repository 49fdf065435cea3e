#include "base/Text.h"

namespace qav::text {

std::string_view trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

std::string trimmed(std::string_view s) {
  return std::string(trim(s));
}

std::string upperAscii(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = upperAsciiChar(c);
  return r;
}

std::string lowerAscii(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return r;
}

bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (upperAsciiChar(a[i]) != upperAsciiChar(b[i])) return false;
  return true;
}

std::string decimal(int64_t n) {
  return std::to_string(n);
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string r;
  for (const auto& l : lines) {
    r += l;
    r += "\r\n";
  }
  return r;
}

}  // namespace qav::text
