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
  // The UTF-8 form of each pair, for decoding without per-character work: up to three bytes
  // in the low 24 bits (first byte lowest), the byte count in the top 8; 0 = none.
  std::array<uint32_t, 128 * 256> pairUtf8{};

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
        const int index = (lead - 0x80) * 256 + trail;
        pair[index] = cp;
        reverse[cp] = static_cast<uint16_t>(lead << 8 | trail);
        pairUtf8[index] = cp < 0x800 ? (2u << 24 | (0x80 | (cp & 0x3F)) << 8 | (0xC0 | cp >> 6))
                                     : (3u << 24 | (0x80 | (cp & 0x3F)) << 16 |
                                        (0x80 | (cp >> 6 & 0x3F)) << 8 | (0xE0 | cp >> 12));
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

// Collects output in a small buffer so that the common cases need no per-byte string growth.
class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}
  ~Writer() { flush(); }
  void room(std::size_t n) {
    if (used_ + n > sizeof buf_) flush();
  }
  void put(char c) { buf_[used_++] = c; }
  void run(std::string_view s) {
    flush();
    out_.append(s);
  }
  void flush() {
    out_.append(buf_, used_);
    used_ = 0;
  }

 private:
  std::string& out_;
  char buf_[1024];
  std::size_t used_ = 0;
};

// Length of the run of ASCII bytes starting at i.
std::size_t asciiRun(std::string_view s, std::size_t i) {
  std::size_t j = i;
  while (j < s.size() && static_cast<unsigned char>(s[j]) < 0x80) ++j;
  return j - i;
}

// Writes the UTF-8 form of one code point.
void putUtf8(Writer& w, char32_t cp) {
  w.room(4);
  if (cp < 0x80) {
    w.put(static_cast<char>(cp));
  } else if (cp < 0x800) {
    w.put(static_cast<char>(0xC0 | cp >> 6));
    w.put(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    w.put(static_cast<char>(0xE0 | cp >> 12));
    w.put(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
    w.put(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    w.put(static_cast<char>(0xF0 | cp >> 18));
    w.put(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
    w.put(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
    w.put(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Writes the CP949 bytes of one code point.
void putCp949(Writer& w, const Tables& t, char32_t cp) {
  w.room(2);
  if (cp < 0x80) {
    w.put(static_cast<char>(cp));
  } else if (cp >= kRawByteBase && cp <= kRawByteBase + 0xFF) {
    w.put(static_cast<char>(cp - kRawByteBase));
  } else if (cp <= 0xFFFF && t.reverse[cp] != 0) {
    uint16_t v = t.reverse[cp];
    w.put(static_cast<char>(v >> 8));
    w.put(static_cast<char>(v & 0xFF));
  } else {
    w.put('?');
  }
}

}  // namespace

void appendDecodedCp949(std::string& out, std::string_view bytes) {
  const Tables& t = tables();
  Writer w(out);
  for (std::size_t i = 0; i < bytes.size();) {
    if (std::size_t n = asciiRun(bytes, i); n > 0) {
      if (n >= 16) {
        w.run(bytes.substr(i, n));
      } else {
        w.room(n);
        for (std::size_t k = 0; k < n; ++k) w.put(bytes[i + k]);
      }
      i += n;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (i + 1 < bytes.size()) {
      uint32_t u = t.pairUtf8[(c - 0x80) * 256 + static_cast<unsigned char>(bytes[i + 1])];
      if (u != 0) {
        w.room(3);
        const unsigned count = u >> 24;
        for (unsigned k = 0; k < count; ++k) w.put(static_cast<char>(u >> (8 * k) & 0xFF));
        i += 2;
        continue;
      }
    }
    putUtf8(w, kRawByteBase + c);
    ++i;
  }
}

std::string decodeCp949(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  appendDecodedCp949(out, bytes);
  return out;
}

void appendCp949(std::string& out, std::string_view utf8) {
  const Tables& t = tables();
  Writer w(out);
  for (std::size_t i = 0; i < utf8.size();) {
    if (std::size_t n = asciiRun(utf8, i); n > 0) {
      if (n >= 16) {
        w.run(utf8.substr(i, n));
      } else {
        w.room(n);
        for (std::size_t k = 0; k < n; ++k) w.put(utf8[i + k]);
      }
      i += n;
      continue;
    }
    putCp949(w, t, nextCodePoint(utf8, i));
  }
}

std::string encodeCp949(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  appendCp949(out, utf8);
  return out;
}

std::size_t cp949Size(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = nextCodePoint(utf8, i);
    n += (cp < 0x80 || (cp >= kRawByteBase && cp <= kRawByteBase + 0xFF)) ? 1
         : (cp <= 0xFFFF && tables().reverse[cp] != 0)                    ? 2
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
