// The edit field and the memo: key filters, case, byte limits, the text row and firing.
#include <gtest/gtest.h>

#include "ItemTestUtil.h"
#include "items/controls/NewEdit.h"
#include "items/controls/NewMemo.h"

namespace qav {
namespace {

using test::Fired;
using test::get;
using test::kPreset;

// Types a key the way a view does: through the filter, then appended.
void type(TNewEdit& edit, char32_t key) {
  if (edit.acceptKey(key)) edit.userEdited(edit.text() + static_cast<char>(key));
}

TEST(EditKeyFilter, NumericFieldHonoursMaximumButNeverMinimum) {
  TNewEdit edit;
  edit.SetItemProperty("입력형태", "숫자");
  edit.SetItemProperty("최대값", "100");
  edit.SetItemProperty("최소값", "10");
  edit.SetItemProperty("문자열", "10");
  EXPECT_TRUE(edit.acceptKey(U'0'));
  type(edit, U'0');
  EXPECT_EQ(edit.text(), "100");
  EXPECT_FALSE(edit.acceptKey(U'0'));  // 1000 > 100
  EXPECT_FALSE(edit.acceptKey(U'a'));
  EXPECT_FALSE(edit.acceptKey(U'-'));
  EXPECT_FALSE(edit.acceptKey(U' '));
  EXPECT_FALSE(edit.acceptKey(U'가'));
  EXPECT_TRUE(edit.acceptKey(kKeyBackspace));
  EXPECT_TRUE(edit.acceptKey(kKeyEnter));

  // The minimum is not checked while typing.
  edit.SetItemProperty("문자열", "");
  EXPECT_TRUE(edit.acceptKey(U'5'));

  // A text already above the maximum blocks digits and Enter, but Backspace still lets the
  // user correct it.
  edit.SetItemProperty("문자열", "500");
  for (char32_t k : {U'0', U'1', kKeyEnter}) EXPECT_FALSE(edit.acceptKey(k));
  EXPECT_TRUE(edit.acceptKey(kKeyBackspace));

  // Maximum 0: no limit at all.
  edit.SetItemProperty("최대값", "0");
  for (int i = 0; i < 12; ++i) type(edit, U'9');
  EXPECT_EQ(edit.text(), "500999999999999");
  EXPECT_FALSE(edit.acceptKey(U'-'));

  // Letter mode lets every key through.
  edit.SetItemProperty("입력형태", "문자");
  edit.SetItemProperty("최대값", "1");
  EXPECT_TRUE(edit.acceptKey(U'a'));
  EXPECT_TRUE(edit.acceptKey(U'-'));
}

TEST(EditKeyFilter, TheTrueValueIsComparedWithALargeMaximum) {
  // Typing 42949672960 into a field whose maximum is 1,000,000,000: the tenth digit already
  // passes the maximum, whatever a 32-bit reading would make of it.
  TNewEdit edit;
  edit.SetItemProperty("입력형태", "숫자");
  edit.SetItemProperty("최대값", "1000000000");
  for (char c : std::string("42949672960")) type(edit, static_cast<char32_t>(c));
  EXPECT_EQ(edit.text(), "429496729");
  edit.SetItemProperty("최대값", "2147483647");
  edit.SetItemProperty("문자열", "214748364");
  EXPECT_TRUE(edit.acceptKey(U'7'));
  EXPECT_FALSE(edit.acceptKey(U'8'));
  edit.SetItemProperty("문자열", "$7FFFFFFF");  // hexadecimal written by a script
  EXPECT_FALSE(edit.acceptKey(U'0'));
}

TEST(EditTable, InputStyleAndOtherChoiceRows) {
  TNewEdit edit;
  EXPECT_EQ(get(edit, "입력형태"), "문자");
  edit.SetItemProperty("입력형태", "숫자");
  EXPECT_EQ(get(edit, "입력형태"), "숫자");  // the doubled row does not undo itself
  edit.SetItemProperty("입력형태", "정수");
  EXPECT_EQ(edit.inputStyle(), InputStyle::Number);

  EXPECT_EQ(get(edit, "문자정렬"), "정렬안함");
  edit.SetItemProperty("문자정렬", "대문자");
  EXPECT_EQ(edit.charCase(), CharCase::Upper);
  edit.SetItemProperty("문자정렬", "소문자");
  EXPECT_EQ(get(edit, "문자정렬"), "소문자");
  edit.SetItemProperty("문자정렬", "대문자 ");
  EXPECT_EQ(edit.charCase(), CharCase::Lower);

  EXPECT_EQ(get(edit, "초기상태"), "현재");
  edit.SetItemProperty("초기상태", "한글");
  EXPECT_EQ(edit.imeMode(), ImeMode::Hanguel);
  edit.SetItemProperty("초기상태", "영문");
  EXPECT_EQ(get(edit, "초기상태"), "영문");
  edit.setImeMode(ImeMode::Hira);
  EXPECT_EQ(get(edit, "초기상태"), kPreset);

  edit.SetItemProperty("입력숨김", "참");
  EXPECT_EQ(edit.passwordChar(), U'*');
  EXPECT_EQ(get(edit, "입력숨김"), "참");
  edit.setPasswordChar(U'#');
  EXPECT_EQ(get(edit, "입력숨김"), "거짓");
  edit.SetItemProperty("입력숨김", "거짓");
  EXPECT_EQ(edit.passwordChar(), 0u);

  EXPECT_EQ(get(edit, "테두리"), "참");
  edit.SetItemProperty("테두리", "거짓");
  EXPECT_FALSE(edit.border());
  EXPECT_EQ(get(edit, "테두리"), "거짓");

  edit.SetItemProperty("최소값", "-5");
  edit.SetItemProperty("최대길이", "8");
  EXPECT_EQ(get(edit, "최소값"), "-5");
  EXPECT_EQ(get(edit, "최대길이"), "8");
  EXPECT_EQ(get(edit, "커서"), "화살표");  // constructed with the arrow cursor
}

TEST(EditText, WrittenTextIsHeldAsTheFieldHoldsItAndBackedUp) {
  TNewEdit edit;
  edit.SetItemProperty("문자정렬", "대문자");
  edit.SetItemProperty("최대길이", "7");
  // "ab가나c" is 2 + 2 + 2 + 1 bytes in code page 949: all of it fits in 7.
  edit.SetItemProperty("문자열", "ab가나c");
  EXPECT_EQ(get(edit, "문자열"), "AB가나C");
  EXPECT_EQ(edit.backupText(), "AB가나C");
  // A double-byte character that would straddle the limit is dropped whole.
  edit.SetItemProperty("문자열", "abcd가나");
  EXPECT_EQ(edit.text(), "ABCD가");
  EXPECT_EQ(edit.backupText(), edit.text());
  // Typing is held to the same rules.
  edit.userEdited("xyzxyzxyz");
  EXPECT_EQ(edit.text(), "XYZXYZX");
  EXPECT_EQ(edit.backupText(), "ABCD가");  // only the script write backs up

  // Changing the case converts what the field holds.
  edit.SetItemProperty("문자정렬", "소문자");
  EXPECT_EQ(edit.text(), "xyzxyzx");
}

TEST(EditText, ChangesOfTheTextAreReportedOnlyWhenItChanged) {
  TNewEdit edit;
  Fired fired(edit);
  edit.SetItemProperty("문자열", "가");
  EXPECT_EQ(fired.count, 1);
  edit.SetItemProperty("문자열", "가");
  EXPECT_EQ(fired.count, 1);
  edit.userEdited("가나");
  EXPECT_EQ(fired.count, 2);
  edit.SetItemProperty("문자정렬", "대문자");  // nothing to convert
  EXPECT_EQ(fired.count, 2);
  edit.SetItemProperty("최대값", "3");  // no effect on the text
  EXPECT_EQ(fired.count, 2);
  // A detached handler keeps writes from reporting.
  edit.setHandler(nullptr);
  edit.SetItemProperty("문자열", "다");
  EXPECT_EQ(edit.text(), "다");
}

TEST(MemoKeyFilter, LineLimitStopsEnterOnly) {
  TNewMemo memo;
  memo.SetItemProperty("최대줄", "3");
  memo.setLines({"a", "b", "c"});
  EXPECT_EQ(memo.lineCount(), 3);
  EXPECT_FALSE(memo.acceptKey(kKeyEnter));
  EXPECT_FALSE(memo.acceptKey(kKeyLineFeed));
  EXPECT_TRUE(memo.acceptKey(U'x'));
  EXPECT_TRUE(memo.acceptKey(kKeyBackspace));
  memo.setLines({"a", "b"});
  EXPECT_TRUE(memo.acceptKey(kKeyEnter));
  // Lines made otherwise are not limited.
  memo.addLine("c");
  memo.addLine("d");
  EXPECT_EQ(memo.lineCount(), 4);
  memo.SetItemProperty("최대줄", "0");
  EXPECT_TRUE(memo.acceptKey(kKeyEnter));
  memo.SetItemProperty("최대줄", "-2");
  EXPECT_TRUE(memo.acceptKey(kKeyEnter));
}

TEST(MemoText, UserTextLinesAndByteLimit) {
  TNewMemo memo;
  Fired fired(memo);
  memo.userEdited("one\ntwo\rthree");
  EXPECT_EQ(memo.text(), "one\r\ntwo\r\nthree");
  EXPECT_EQ(memo.lines(), (Lines{"one", "two", "three"}));
  EXPECT_EQ(fired.count, 1);
  memo.userEdited("one\r\ntwo\r\nthree");
  EXPECT_EQ(fired.count, 1);

  memo.SetItemProperty("최대바이트", "5");
  EXPECT_EQ(get(memo, "최대바이트"), "5");
  memo.userEdited("ab\ncd");
  EXPECT_EQ(memo.text(), "ab\r\nc");  // the line break counts two bytes
  memo.userEdited("abcd\nx");
  EXPECT_EQ(memo.text(), "abcd");  // never half a line break
  memo.userEdited("가나다");
  EXPECT_EQ(memo.text(), "가나");
}

TEST(MemoLines, ListStatementsWorkOnLinesAndReportChanges) {
  TNewMemo memo;
  Fired fired(memo);
  memo.addLine("Apple");
  memo.addLine("배");
  memo.addLine("apple");
  EXPECT_EQ(memo.lines(), (Lines{"Apple", "배", "apple"}));
  EXPECT_EQ(memo.findLine("APPLE"), 0);
  EXPECT_EQ(memo.findLine("배"), 1);
  EXPECT_EQ(memo.findLine("배 "), -1);
  EXPECT_EQ(memo.lineAt(2), "apple");
  EXPECT_FALSE(memo.lineAt(3).has_value());
  EXPECT_FALSE(memo.lineAt(-1).has_value());
  EXPECT_FALSE(memo.deleteLine(3));
  EXPECT_FALSE(memo.deleteLine(-1));
  EXPECT_TRUE(memo.deleteLine(0));
  EXPECT_EQ(memo.lines(), (Lines{"배", "apple"}));
  const int before = fired.count;
  memo.clearLines();
  EXPECT_EQ(memo.lineCount(), 0);
  EXPECT_EQ(fired.count, before + 1);
}

// An added line goes after the last line, each line then followed by CR LF, whatever breaks the
// text had: typed, set as lines, or brought by an added line.
TEST(MemoLines, AddedLineFollowsTheLastLine) {
  const struct {
    const char* typed;  // the user's text, or null for the lines
    Lines lines, added;
    const char* text;
  } cases[] = {
      {nullptr, {}, {"a"}, "a\r\n"},
      {"a\nb", {}, {"c"}, "a\r\nb\r\nc\r\n"},
      {"a\r\n\r\n", {}, {"c"}, "a\r\n\r\nc\r\n"},
      {nullptr, {"x\ny"}, {"z"}, "x\r\ny\r\nz\r\n"},
      {nullptr, {"a"}, {"b\rc", "d"}, "a\r\nb\r\nc\r\nd\r\n"},
  };
  for (const auto& c : cases) {
    TNewMemo memo;
    Fired fired(memo);
    if (c.typed)
      memo.userEdited(c.typed);
    else
      memo.setLines(c.lines);
    const int before = fired.count;
    for (const auto& line : c.added) memo.addLine(line);
    EXPECT_EQ(memo.text(), c.text) << c.text;
    EXPECT_EQ(fired.count, before + static_cast<int>(c.added.size()));
  }
}

TEST(MemoTable, ChoiceAndSwitchRows) {
  TNewMemo memo;
  EXPECT_EQ(get(memo, "스크롤"), "없음");
  for (const char* word : {"상하 스크롤", "좌우 스크롤", "공용 스크롤", "없음"}) {
    memo.SetItemProperty("스크롤", word);
    EXPECT_EQ(get(memo, "스크롤"), word);
  }
  memo.SetItemProperty("스크롤", "상하스크롤");
  EXPECT_EQ(memo.scrollBars(), ScrollBars::None);
  memo.SetItemProperty("스크롤", "상하 스크롤");
  EXPECT_EQ(memo.scrollBars(), ScrollBars::Vertical);

  EXPECT_EQ(get(memo, "자동넘김"), "참");
  memo.SetItemProperty("자동넘김", "거짓");
  EXPECT_FALSE(memo.wordWrap());
  memo.SetItemProperty("초기상태", "한글");
  EXPECT_EQ(get(memo, "초기상태"), "한글");
  memo.SetItemProperty("읽기전용", "참");
  EXPECT_EQ(get(memo, "읽기전용"), "참");
  EXPECT_TRUE(memo.readOnly());
  // The memo has no rows for its text, case or input form.
  for (const char* name : {"문자열", "문자정렬", "입력형태", "최대길이"}) {
    memo.SetItemProperty(name, "숫자");
    EXPECT_EQ(get(memo, name), kPreset) << name;
  }
}

}  // namespace
}  // namespace qav
