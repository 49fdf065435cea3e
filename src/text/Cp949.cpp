#include "text/Cp949.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

namespace qav::text {
namespace {

// Decode and encode tables, built once from the system's iconv. Only pairs that convert to a
// single code point and convert back to the very same two bytes are accepted, which keeps the
// codec a bijection.
struct Tables {
  std::array<char32_t, 128 * 256> pair{};  // (lead - 0x80) * 256 + trail -> code point, 0 = none
  std::vector<uint16_t> reverse;           // BMP code point -> lead << 8 | trail, 0 = none

  Tables() : reverse(0x10000, 0) {
    iconv_t toU = iconv_open("UTF-32LE", "CP949");
    iconv_t fromU = iconv_open("CP949", "UTF-32LE");
    if (toU == reinterpret_cast<iconv_t>(-1) || fromU == reinterpret_cast<iconv_t>(-1)) return;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = 0x41; trail <= 0xFE; ++trail) {
        char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        unsigned char out[8];
        char* ip = in;
        char* op = reinterpret_cast<char*>(out);
        size_t il = 2, ol = sizeof out;
        iconv(toU, nullptr, nullptr, nullptr, nullptr);
        if (iconv(toU, &ip, &il, &op, &ol) == static_cast<size_t>(-1) || il != 0 ||
            sizeof out - ol != 4)
          continue;
        char32_t cp = out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
        if (cp < 0x80 || cp > 0xFFFF) continue;
        // Round-trip check.
        char back[4];
        ip = reinterpret_cast<char*>(out);
        op = back;
        il = 4;
        ol = sizeof back;
        iconv(fromU, nullptr, nullptr, nullptr, nullptr);
        if (iconv(fromU, &ip, &il, &op, &ol) == static_cast<size_t>(-1) || sizeof back - ol != 2 ||
            static_cast<unsigned char>(back[0]) != lead ||
            static_cast<unsigned char>(back[1]) != trail)
          continue;
        if (reverse[cp] != 0) continue;
        pair[(lead - 0x80) * 256 + trail] = cp;
        reverse[cp] = static_cast<uint16_t>(lead << 8 | trail);
      }
    }
    iconv_close(toU);
    iconv_close(fromU);
  }
};

const Tables& tables() {
  static const Tables t;
  return t;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | cp >> 18);
    out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Reads one code point of UTF-8 at s[i] and advances i. A malformed sequence yields
// 0xFFFFFFFF for its first byte (which then encodes as "?").
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) {
    ++i;
    return c;
  }
  std::size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
  if (extra == 0 || c > 0xF4 || i + extra >= s.size()) {
    ++i;
    return 0xFFFFFFFF;
  }
  char32_t cp = c & (0x3F >> extra);
  for (std::size_t k = 1; k <= extra; ++k) {
    unsigned char d = static_cast<unsigned char>(s[i + k]);
    if ((d & 0xC0) != 0x80) {
      ++i;
      return 0xFFFFFFFF;
    }
    cp = cp << 6 | (d & 0x3F);
  }
  // Overlong forms, surrogates and values beyond U+10FFFF are malformed as well.
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
    ++i;
    return 0xFFFFFFFF;
  }
  i += extra + 1;
  return cp;
}

// Appends the CP949 bytes of one code point.
void appendCp949(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp >= kRawByteBase && cp <= kRawByteBase + 0xFF) {
    out += static_cast<char>(cp - kRawByteBase);
  } else if (cp <= 0xFFFF && tables().reverse[cp] != 0) {
    uint16_t v = tables().reverse[cp];
    out += static_cast<char>(v >> 8);
    out += static_cast<char>(v & 0xFF);
  } else {
    out += '?';
  }
}

}  // namespace

std::string decodeCp949(std::string_view bytes) {
  const Tables& t = tables();
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    if (i + 1 < bytes.size()) {
      char32_t cp = t.pair[(c - 0x80) * 256 + static_cast<unsigned char>(bytes[i + 1])];
      if (cp != 0) {
        appendUtf8(out, cp);
        ++i;
        continue;
      }
    }
    appendUtf8(out, kRawByteBase + c);
  }
  return out;
}

std::string encodeCp949(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = nextCodePoint(utf8, i);
    appendCp949(out, cp);
  }
  return out;
}

std::size_t cp949Size(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = nextCodePoint(utf8, i);
    n += (cp < 0x80 || (cp >= kRawByteBase && cp <= kRawByteBase + 0xFF)) ? 1
         : (cp <= 0xFFFF && tables().reverse[cp] != 0)                     ? 2
                                                                           : 1;
  }
  return n;
}

std::string cutCp949(std::string_view utf8, std::size_t maxBytes) {
  std::string bytes = encodeCp949(utf8);
  if (bytes.size() > maxBytes) bytes.resize(maxBytes);
  return decodeCp949(bytes);
}

}  // namespace qav::text
