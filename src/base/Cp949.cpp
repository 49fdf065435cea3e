#include "base/Cp949.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

namespace qav::text {
namespace {

// The pair table made at build time (tools/cp949_table.cpp): for lead bytes 0x81-0xFE and
// trail bytes 0x41-0xFE, the code point of the pair or 0. It holds only pairs that convert to
// one code point and back to the very same two bytes, which keeps the codec a bijection.
constexpr int kTrails = 0xFE - 0x41 + 1;
constexpr uint16_t kPairs[] = {
#include <cp949_pairs.inc>
};
static_assert(sizeof kPairs / sizeof kPairs[0] == (0xFE - 0x81 + 1) * kTrails);

// Decode and encode tables, spread out from the pair table once.
struct Tables {
  std::vector<uint16_t> reverse;  // BMP code point -> lead << 8 | trail, 0 = none
  // The UTF-8 form of each pair, for decoding without per-character work: up to three bytes
  // in the low 24 bits (first byte lowest), the byte count in the top 8; 0 = none.
  std::array<uint32_t, 128 * 256> pairUtf8{};

  Tables() : reverse(0x10000, 0) {
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = 0x41; trail <= 0xFE; ++trail) {
        const char32_t cp = kPairs[(lead - 0x81) * kTrails + (trail - 0x41)];
        if (cp == 0) continue;
        const int index = (lead - 0x80) * 256 + trail;
        reverse[cp] = static_cast<uint16_t>(lead << 8 | trail);
        pairUtf8[index] = cp < 0x800 ? (2u << 24 | (0x80 | (cp & 0x3F)) << 8 | (0xC0 | cp >> 6))
                                     : (3u << 24 | (0x80 | (cp & 0x3F)) << 16 |
                                        (0x80 | (cp >> 6 & 0x3F)) << 8 | (0xE0 | cp >> 12));
      }
    }
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

// Both directions pass ASCII through unchanged, and most texts are mostly ASCII: the length
// of the run of ASCII bytes at p (at most n), looked at eight bytes at a time.
std::size_t asciiRun(const unsigned char* p, std::size_t n) {
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    if (w & 0x8080808080808080ULL) break;
  }
  while (i < n && p[i] < 0x80) ++i;
  return i;
}

// Encoding writes through a pointer into room made ahead in the string, in chunks so that the
// slack stays small; the string is cut back to what was written.
constexpr std::size_t kChunk = 4096;

char* putUtf8(char* o, char32_t cp) {
  if (cp < 0x80) {
    *o++ = static_cast<char>(cp);
  } else if (cp < 0x800) {
    *o++ = static_cast<char>(0xC0 | cp >> 6);
    *o++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *o++ = static_cast<char>(0xE0 | cp >> 12);
    *o++ = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    *o++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *o++ = static_cast<char>(0xF0 | cp >> 18);
    *o++ = static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    *o++ = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    *o++ = static_cast<char>(0x80 | (cp & 0x3F));
  }
  return o;
}

char* putCp949(char* o, const Tables& t, char32_t cp) {
  if (cp < 0x80) {
    *o++ = static_cast<char>(cp);
  } else if (cp >= kRawByteBase && cp <= kRawByteBase + 0xFF) {
    *o++ = static_cast<char>(cp - kRawByteBase);
  } else if (cp <= 0xFFFF && t.reverse[cp] != 0) {
    uint16_t v = t.reverse[cp];
    *o++ = static_cast<char>(v >> 8);
    *o++ = static_cast<char>(v & 0xFF);
  } else {
    *o++ = '?';
  }
  return o;
}

}  // namespace

// The exact size of the UTF-8 form, so that decoded texts are made at their final size.
std::size_t decodedSize(std::string_view bytes) {
  const Tables& t = tables();
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t size = 0;
  for (std::size_t i = 0; i < n;) {
    const unsigned char c = in[i];
    if (c < 0x80) {
      const std::size_t run = asciiRun(in + i, n - i);
      size += run;
      i += run;
    } else if (uint32_t u = i + 1 < n ? t.pairUtf8[(c - 0x80) * 256 + in[i + 1]] : 0; u != 0) {
      size += u >> 24;
      i += 2;
    } else {
      size += 4;  // a raw byte's private code point
      ++i;
    }
  }
  return size;
}

// Copies the ASCII at in[i] (i < end), advancing both positions: eight bytes at once when they
// are all ASCII, else the one byte when it is. False when in[i] is no ASCII byte.
inline bool copyAscii(const unsigned char* in, std::size_t& i, std::size_t end, char*& o) {
  if (i + 8 <= end) {
    uint64_t w;
    std::memcpy(&w, in + i, 8);
    if ((w & 0x8080808080808080ULL) == 0) {
      std::memcpy(o, in + i, 8);
      o += 8;
      i += 8;
      return true;
    }
  }
  if (in[i] >= 0x80) return false;
  *o++ = static_cast<char>(in[i++]);
  return true;
}

// Writes exactly decodedSize(bytes) bytes at o, and may write one byte beyond them (a pair's
// third byte is stored whether it counts or not); returns the end of what counts.
char* decodeInto(char* o, std::string_view bytes) {
  const Tables& t = tables();
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    if (copyAscii(in, i, n, o)) continue;
    const unsigned char c = in[i];
    if (i + 1 < n) {
      const uint32_t u = t.pairUtf8[(c - 0x80) * 256 + in[i + 1]];
      if (u != 0) {
        o[0] = static_cast<char>(u & 0xFF);
        o[1] = static_cast<char>(u >> 8 & 0xFF);
        o[2] = static_cast<char>(u >> 16 & 0xFF);
        o += u >> 24;
        i += 2;
        continue;
      }
    }
    o = putUtf8(o, kRawByteBase + c);
    ++i;
  }
  return o;
}

void appendDecodedCp949(std::string& out, std::string_view bytes) {
  const std::size_t base = out.size();
  const std::size_t size = decodedSize(bytes);
  out.resize(base + size + 1);
  decodeInto(out.data() + base, bytes);
  out.resize(base + size);
}

std::string decodeCp949(std::string_view bytes) {
  // Texts of ordinary length are decoded in one pass into a reused buffer (each byte gives at
  // most four) and copied out at their exact size; long ones are measured first instead, so
  // the buffer stays small.
  constexpr std::size_t kScratchLimit = 1 << 16;
  if (bytes.size() <= kScratchLimit) {
    thread_local std::string scratch(4 * kScratchLimit + 1, '\0');
    char* end = decodeInto(scratch.data(), bytes);
    return std::string(scratch.data(), static_cast<std::size_t>(end - scratch.data()));
  }
  std::string out;
  appendDecodedCp949(out, bytes);
  return out;
}

void appendCp949(std::string& out, std::string_view utf8) {
  const Tables& t = tables();
  const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t n = utf8.size();
  std::size_t i = 0;
  while (i < n) {
    // No character gives more output bytes than its input bytes; one character may run past
    // the chunk by up to three bytes.
    const std::size_t stop = std::min(n, i + kChunk);
    const std::size_t base = out.size();
    out.resize(base + (stop - i) + 4);
    char* const begin = out.data() + base;
    char* o = begin;
    while (i < stop) {
      if (copyAscii(in, i, stop, o)) continue;
      const unsigned char c = in[i];
      // Three-byte characters (all of Hangul) without the general decoder.
      if ((c & 0xF0) == 0xE0 && i + 2 < n && (in[i + 1] & 0xC0) == 0x80 &&
          (in[i + 2] & 0xC0) == 0x80) {
        const char32_t cp = (c & 0x0Fu) << 12 | (in[i + 1] & 0x3Fu) << 6 | (in[i + 2] & 0x3Fu);
        if (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)) {
          const uint16_t v = t.reverse[cp];
          if (v != 0) {
            *o++ = static_cast<char>(v >> 8);
            *o++ = static_cast<char>(v & 0xFF);
          } else {
            *o++ = '?';
          }
          i += 3;
          continue;
        }
      }
      o = putCp949(o, t, nextCodePoint(utf8, i));
    }
    out.resize(base + static_cast<std::size_t>(o - begin));
  }
}

std::string encodeCp949(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + 4);  // the most room the conversion ever makes
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
