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

namespace {

// The length of the well-formed UTF-8 sequence at s[i] and its code point; 0 when malformed.
std::size_t utf8At(std::string_view s, std::size_t i, char32_t& cp) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char c = b(0);
  std::size_t n = c < 0x80             ? 1
                  : (c & 0xE0) == 0xC0 ? 2
                  : (c & 0xF0) == 0xE0 ? 3
                  : (c & 0xF8) == 0xF0 ? 4
                                       : 0;
  if (n == 0 || i + n > s.size()) return 0;
  cp = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(k) & 0xC0) != 0x80) return 0;
    cp = cp << 6 | (b(k) & 0x3F);
  }
  static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

bool actsInsteadOfShowing(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x200E || cp == 0x200F ||
         (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

}  // namespace

std::string printable(std::string_view s) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    char32_t cp = 0;
    const std::size_t n = utf8At(s, i, cp);
    if (n == 0) {
      const auto c = static_cast<unsigned char>(s[i++]);
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
      continue;
    }
    if (!actsInsteadOfShowing(cp)) {
      out.append(s.substr(i, n));
    } else if (cp < 0x100) {
      out += "\\x";
      out += kHex[cp >> 4];
      out += kHex[cp & 15];
    } else {
      out += "\\u{";
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(cp >> shift) & 15];
      out += '}';
    }
    i += n;
  }
  return out;
}

}  // namespace qav::text
