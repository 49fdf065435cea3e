#include <gtest/gtest.h>

#include "props/Reference.h"
#include "script/Tokenizer.h"

namespace qav::script {
namespace {

TEST(Tokenizer, LinesCutAtBlanksWithTabsKeptInsideTokens) {
  Tokens t;
  t.parse("정의  a   =  1");
  ASSERT_EQ(t.count(), 4);
  EXPECT_EQ(t[1], "정의");
  EXPECT_EQ(t[2], "a");
  EXPECT_EQ(t[3], "=");
  EXPECT_EQ(t[4], "1");
  EXPECT_EQ(t[5], "");

  t.parse("메세지 가\t나");
  ASSERT_EQ(t.count(), 2);
  EXPECT_EQ(t[2], "가\t나");

  t.parse("   ");
  EXPECT_EQ(t.count(), 0);
  EXPECT_EQ(t[1], "");

  // Leading and trailing control characters are trimmed before cutting.
  t.parse("\t 메세지 안녕 \r\n");
  EXPECT_EQ(t.count(), 2);
  EXPECT_EQ(t.join(2, 9), "안녕");
  EXPECT_FALSE(t.overflowed());
}

TEST(Tokenizer, TooManyTokensAreCutAtTheCapacity) {
  std::string line = "메세지";
  for (int i = 0; i < 1500; ++i) line += " x";
  Tokens t;
  t.parse(line);
  EXPECT_EQ(t.count(), kMaxTokens);
  EXPECT_TRUE(t.overflowed());
  t.parse("종료");
  EXPECT_EQ(t.count(), 1);
  EXPECT_FALSE(t.overflowed());
  EXPECT_EQ(t[2], "");
}

TEST(Tokenizer, NumbersArePlainDecimal32BitIntegers) {
  EXPECT_TRUE(IsNumber("12"));
  EXPECT_TRUE(IsNumber(" 12 "));
  EXPECT_TRUE(IsNumber("-7"));
  EXPECT_TRUE(IsNumber("0"));
  EXPECT_TRUE(IsNumber("-2147483648"));
  EXPECT_TRUE(IsNumber("2147483647"));
  EXPECT_FALSE(IsNumber("2147483648"));
  EXPECT_FALSE(IsNumber("007"));
  EXPECT_FALSE(IsNumber("+1"));
  EXPECT_FALSE(IsNumber("-0"));
  EXPECT_FALSE(IsNumber("1 2"));
  EXPECT_FALSE(IsNumber("12a"));
  EXPECT_FALSE(IsNumber("$1F"));
  EXPECT_FALSE(IsNumber(""));
  EXPECT_FALSE(IsNumber("-"));
}

TEST(Tokenizer, ReferencesSplitAtTheirLastColon) {
  EXPECT_EQ(LastPos(":", "ab:cd:e"), 6u);
  EXPECT_EQ(LastPos(":", "abc"), 0u);
  Reference r = splitReference("창1:목록:제목");
  EXPECT_EQ(r.qualifier, "창1:목록");
  EXPECT_EQ(r.name, "제목");
  r = splitReference(":a");
  EXPECT_TRUE(r.hasColon);
  EXPECT_EQ(r.qualifier, "");
  EXPECT_EQ(r.name, "a");
  r = splitReference("word");
  EXPECT_FALSE(r.hasColon);
  EXPECT_EQ(r.name, "word");
  // Property names count at most 1000 characters.
  std::string longName(1500, 'n');
  EXPECT_EQ(splitReference("x:" + longName).name.size(), 1000u);
}

TEST(Tokenizer, TextBecomingListLinesDropsItsCarriageReturnsAndLineFeeds) {
  EXPECT_EQ(ConvertLineBreaks("가\r\n나\n다\r", LineBreaks::ToLines), "가나다");
}

TEST(Tokenizer, ListTextsConvertBetweenOneLineAndLines) {
  EXPECT_EQ(ConvertLineBreaks("가|나", LineBreaks::ToLines), "가\r나");
  EXPECT_EQ(ConvertLineBreaks("가\r\n나\r\n", LineBreaks::ToOneLine), "가|나|");
  EXPECT_EQ(ConvertLineBreaks("a|b\r\n", LineBreaks::ToOneLine), "ab|");
  EXPECT_EQ(ConvertLineBreaks(" \r\n ", LineBreaks::ToOneLine), "");
  EXPECT_EQ(ConvertLineBreaks("   ", LineBreaks::ToLines), "");
}

}  // namespace
}  // namespace qav::script
