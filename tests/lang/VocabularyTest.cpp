// The value words of scripts and property tables, and the lenient number conversion. The
// colour and cursor codes are also stored in project files, so a wrong pair is a file fault.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lang/Vocabulary.h"

namespace qav {
namespace {

TEST(TruthWords, OnlyTheExactTrueWordIsTrue) {
  EXPECT_TRUE(WordToTruth("참"));
  EXPECT_FALSE(WordToTruth("거짓"));
  EXPECT_FALSE(WordToTruth(""));
  EXPECT_FALSE(WordToTruth(" 참"));
  EXPECT_FALSE(WordToTruth("참 "));
  EXPECT_FALSE(WordToTruth("true"));
  EXPECT_FALSE(WordToTruth("1"));
  EXPECT_EQ(TruthToWord(true), "참");
  EXPECT_EQ(TruthToWord(false), "거짓");
}

const std::vector<std::pair<std::string, uint32_t>> kColourPairs = {
    {"검정", 0x00000000},     {"파랑", 0x00800000},       {"녹색", 0x00008000},
    {"하늘", 0x00808000},     {"빨강", 0x00000080},       {"보라", 0x00800080},
    {"노랑", 0x00008080},     {"은색", 0x00C0C0C0},       {"회색", 0x00808080},
    {"밝은파랑", 0x00FF0000}, {"밝은녹색", 0x0000FF00},   {"밝은하늘", 0x00FFFF00},
    {"밝은빨강", 0x000000FF}, {"밝은보라", 0x00FF00FF},   {"밝은노랑", 0x0000FFFF},
    {"흰색", 0x00FFFFFF},     {"기본바탕색", 0x8000000F}, {"기본윈도우색", 0x80000005},
};

TEST(ColourWords, EveryWordConvertsBothWays) {
  for (const auto& [word, code] : kColourPairs) {
    EXPECT_EQ(WordToColour(word), code) << word;
    std::string result = "unchanged";
    ColourToWord(code, result);
    EXPECT_EQ(result, word) << std::hex << code;
  }
}

TEST(ColourWords, UnknownWordsAreWhiteAndUnknownCodesLeaveTheResult) {
  EXPECT_EQ(WordToColour("빨강 "), 0x00FFFFFFu);
  EXPECT_EQ(WordToColour(" 빨강"), 0x00FFFFFFu);
  EXPECT_EQ(WordToColour(""), 0x00FFFFFFu);
  EXPECT_EQ(WordToColour("red"), 0x00FFFFFFu);
  EXPECT_EQ(WordToColour("밝은"), 0x00FFFFFFu);

  for (uint32_t code : {0x00123456u, 0x80000008u, 0x1FFFFFFFu, 0x00FF0001u}) {
    std::string result = "창1:바탕색";
    ColourToWord(code, result);
    EXPECT_EQ(result, "창1:바탕색") << std::hex << code;
  }
}

const std::vector<std::pair<std::string, int16_t>> kCursorPairs = {
    {"기본", 0},         {"화살표", -2},     {"입력", -4},        {"대기중", -11},
    {"실행대기중", -19}, {"금지", -18},      {"십자가", -3},      {"손가락", -21},
    {"도움말", -20},     {"드래그", -12},    {"멀티드래그", -16}, {"드래그금지", -13},
    {"가로조정", -14},   {"세로조정", -15},  {"좌우조정", -9},    {"상하조정", -7},
    {"좌횡단조정", -8},  {"우횡단조정", -6},
};

TEST(CursorWords, EveryWordConvertsBothWays) {
  for (const auto& [word, code] : kCursorPairs) {
    EXPECT_EQ(WordToCursor(word), code) << word;
    std::string result = "unchanged";
    CursorToWord(code, result);
    EXPECT_EQ(result, word) << code;
  }
}

TEST(CursorWords, UnknownWordsAreTheDefaultAndUnknownCodesLeaveTheResult) {
  EXPECT_EQ(WordToCursor(""), 0);
  EXPECT_EQ(WordToCursor("손가락 "), 0);
  EXPECT_EQ(WordToCursor("crHandPoint"), 0);
  for (int16_t code :
       {int16_t{-1}, int16_t{-5}, int16_t{-10}, int16_t{-17}, int16_t{1}, int16_t{-22}}) {
    std::string result = "버튼1:커서";
    CursorToWord(code, result);
    EXPECT_EQ(result, "버튼1:커서") << code;
  }
}

TEST(TextToNumber, PlainAndSignedDecimals) {
  EXPECT_EQ(TextToNumber("0"), 0);
  EXPECT_EQ(TextToNumber("42"), 42);
  EXPECT_EQ(TextToNumber("  42"), 42);
  EXPECT_EQ(TextToNumber("-7"), -7);
  EXPECT_EQ(TextToNumber("+15"), 15);
  EXPECT_EQ(TextToNumber("007"), 7);
  EXPECT_EQ(TextToNumber("2147483647"), 2147483647);
  EXPECT_EQ(TextToNumber("-2147483648"), INT32_MIN);
}

TEST(TextToNumber, StopsAtTheFirstForeignCharacterWithoutTheSign) {
  EXPECT_EQ(TextToNumber("12abc"), 12);
  EXPECT_EQ(TextToNumber("abc"), 0);
  EXPECT_EQ(TextToNumber("-7 "), 7);
  EXPECT_EQ(TextToNumber("4 2"), 4);
  EXPECT_EQ(TextToNumber("-12x"), 12);
  EXPECT_EQ(TextToNumber("\t5"), 0);  // only code 32 counts as a leading blank
  EXPECT_EQ(TextToNumber("-"), 0);
  EXPECT_EQ(TextToNumber("+"), 0);
  EXPECT_EQ(TextToNumber(""), 0);
  EXPECT_EQ(TextToNumber("    "), 0);
  EXPECT_EQ(TextToNumber("3.9"), 3);
  EXPECT_EQ(TextToNumber("１２"), 0);  // full-width digits are no digits
}

TEST(TextToNumber, HexadecimalOnlyWithoutSign) {
  EXPECT_EQ(TextToNumber("$1F"), 31);
  EXPECT_EQ(TextToNumber("$1f"), 31);
  EXPECT_EQ(TextToNumber("$FF"), 255);
  EXPECT_EQ(TextToNumber("  $10"), 16);
  EXPECT_EQ(TextToNumber("$"), 0);
  EXPECT_EQ(TextToNumber("$1G"), 1);
  EXPECT_EQ(TextToNumber("-$1F"), 0);
  EXPECT_EQ(TextToNumber("+$1F"), 0);
  EXPECT_EQ(TextToNumber("1F"), 1);
  EXPECT_EQ(TextToNumber("$FFFFFFFF"), -1);
}

TEST(TextToNumber, OutOfRangeTextsGiveSomeNumberWithoutReadingPastTheText) {
  // Only the first bytes of a longer buffer are the text.
  const std::string buffer = "99999999999999999999999999999999999999999999999999";
  EXPECT_EQ(TextToNumber(std::string_view(buffer).substr(0, 3)), 999);
  // Too large numbers wrap around in 32 bits.
  EXPECT_EQ(TextToNumber("2147483648"), INT32_MIN);
  EXPECT_EQ(TextToNumber("4294967297"), 1);
}

}  // namespace
}  // namespace qav
