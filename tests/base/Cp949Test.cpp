#include "base/Cp949.h"

#include <gtest/gtest.h>

#include <string>

namespace qav::text {
namespace {

std::string bytes(std::initializer_list<int> list) {
  std::string s;
  for (int b : list) s += static_cast<char>(b);
  return s;
}

// The UTF-8 form of a code point in the raw-byte range.
std::string rawByte(int b) {
  char32_t cp = kRawByteBase + static_cast<char32_t>(b);
  return bytes({0xF0 | static_cast<int>(cp >> 18), 0x80 | static_cast<int>(cp >> 12 & 0x3F),
                0x80 | static_cast<int>(cp >> 6 & 0x3F), 0x80 | static_cast<int>(cp & 0x3F)});
}

// Every file text must survive a read and a write, whatever bytes it holds.
TEST(Cp949, EveryOneAndTwoByteSequenceSurvivesDecodeAndEncode) {
  int failures = 0;
  for (int a = 0; a < 256; ++a) {
    std::string one = bytes({a});
    std::string decoded = decodeCp949(one);
    if (encodeCp949(decoded) != one || cp949Size(decoded) != 1) ++failures;
    for (int b = 0; b < 256; ++b) {
      std::string two = bytes({a, b});
      decoded = decodeCp949(two);
      if (encodeCp949(decoded) != two || cp949Size(decoded) != 2) {
        if (++failures < 5) ADD_FAILURE() << "bytes " << std::hex << a << " " << b;
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(Cp949, KnownCharactersMapBothWays) {
  const std::string ga = "가", ttom = "똠", hih = "힣";
  EXPECT_EQ(encodeCp949(ga), bytes({0xB0, 0xA1}));
  EXPECT_EQ(encodeCp949(ttom), bytes({0x8C, 0x63}));  // extended range, outside KS X 1001
  EXPECT_EQ(encodeCp949(hih), bytes({0xC6, 0x52}));
  EXPECT_EQ(decodeCp949(bytes({0xB0, 0xA1})), ga);
  EXPECT_EQ(decodeCp949(bytes({0x8C, 0x63})), ttom);
  EXPECT_EQ(decodeCp949(bytes({0xC6, 0x52})), hih);
  EXPECT_EQ(decodeCp949("Left 10"), "Left 10");
  EXPECT_EQ(encodeCp949("메세지 안녕"),
            bytes({0xB8, 0xDE, 0xBC, 0xBC, 0xC1, 0xF6, 0x20, 0xBE, 0xC8, 0xB3, 0xE7}));
  EXPECT_EQ(cp949Size("가A힣"), 5u);
}

TEST(Cp949, CharactersWithoutACp949FormBecomeQuestionMarks) {
  EXPECT_EQ(encodeCp949("a😀b"), "a?b");
  EXPECT_EQ(encodeCp949("Ā"), "?");  // U+0100
  EXPECT_EQ(cp949Size("😀"), 1u);
  // Malformed UTF-8 is not passed through as bytes either.
  EXPECT_EQ(encodeCp949(bytes({0xE0, 0x41})), "?A");
  // Overlong forms and surrogates are malformed too: no hidden NUL or "A" may come out.
  EXPECT_EQ(encodeCp949(bytes({0xC0, 0x80})), "??");
  EXPECT_EQ(encodeCp949(bytes({0xC1, 0x81})), "??");
  EXPECT_EQ(encodeCp949(bytes({0xED, 0xA0, 0x80})), "???");
  EXPECT_EQ(cp949Size(bytes({0xC0, 0x80})), 2u);
}

TEST(Cp949, BytesThatDoNotDecodeCarryThroughThePrivateRange) {
  // A lone lead byte at the end, a lead byte before an invalid trail, bytes never valid.
  EXPECT_EQ(decodeCp949(bytes({0x41, 0xB0})), "A" + rawByte(0xB0));
  EXPECT_EQ(decodeCp949(bytes({0xB0, 0x20})), rawByte(0xB0) + " ");
  EXPECT_EQ(decodeCp949(bytes({0xFF, 0x80})), rawByte(0xFF) + rawByte(0x80));
  EXPECT_EQ(encodeCp949(rawByte(0xB0) + " "), bytes({0xB0, 0x20}));
  EXPECT_EQ(cp949Size(rawByte(0xFF)), 1u);
  std::string mixed = bytes({0xB0, 0xA1, 0xFF, 0x00, 0xC6, 0x52, 0xC6});
  EXPECT_EQ(encodeCp949(decodeCp949(mixed)), mixed);
}

TEST(Cp949, CutKeepsOnlyTheLeadByteOfAStraddlingCharacter) {
  const std::string text = "가나다";  // B0 A1, B3 AA, B4 D9
  EXPECT_EQ(cutCp949(text, 0), "");
  EXPECT_EQ(cutCp949(text, 2), "가");
  EXPECT_EQ(cutCp949(text, 3), "가" + rawByte(0xB3));
  EXPECT_EQ(cutCp949(text, 4), "가나");
  EXPECT_EQ(cutCp949(text, 100), text);
  EXPECT_EQ(cutCp949("abc", 2), "ab");
  // 19 blanks and a syllable cut at 20 bytes: only the syllable's lead byte is left.
  std::string cut = cutCp949(std::string(19, ' ') + "가", 20);
  EXPECT_EQ(encodeCp949(cut), std::string(19, ' ') + bytes({0xB0}));
}

}  // namespace
}  // namespace qav::text
