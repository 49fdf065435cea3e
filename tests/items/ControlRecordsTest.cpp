// Control items as their project records describe them: what a stored project's edit fields,
// captions, lists, timers and pages look like when the player first shows them.
#include <gtest/gtest.h>

#include <array>

#include "ItemTestUtil.h"
#include "items/controls/MediaPlayer.h"
#include "items/controls/NewButton.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/NewEdit.h"
#include "items/controls/NewImage.h"
#include "items/controls/NewLabel.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunAlarm.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "items/controls/RunTimer.h"
#include "stream/Record.h"

namespace qav {
namespace {

using test::get;

Record record(std::string className, std::vector<Property> properties) {
  Record r;
  r.className = std::move(className);
  r.name = "Item_Thing1";
  r.properties = std::move(properties);
  return r;
}

Property integer(std::string name, int32_t v) {
  return {std::move(name), Value::makeInteger(v)};
}
Property ident(std::string name, std::string v) {
  return {std::move(name), Value::makeIdent(std::move(v))};
}
Property boolean(std::string name, bool v) {
  return {std::move(name), Value::makeBool(v)};
}
Property text(std::string name, std::string v) {
  return {std::move(name), Value::makeText(std::move(v))};
}
Property lines(std::string name, std::vector<std::string> v) {
  return {std::move(name) + ".Strings", Value::makeLines(v)};
}

TEST(ControlRecords, EditFieldsAndMemosStartAsDesigned) {
  TNewEdit edit(record(
      "TNewEdit",
      {integer("Left", 10), integer("Top", 20), integer("Width", 90), integer("Height", 21),
       text("Text", "the base text"), ident("CharCase", "ecUpperCase"), integer("MaxLength", 5),
       text("PasswordChar", "*"), ident("BorderStyle", "bsNone"), ident("InputStyle", "isNumber"),
       text("BackupText", "abcdefg"), integer("MaxValue", 99), integer("MinValue", 5),
       boolean("ReadCheck", true), boolean("EnabledCheck", false), boolean("VisibleCheck", true),
       lines("Ivent3", {"바뀜"}), lines("Ivent4", {"보관"})}));
  // The field shows its backup text, as the field holds it: case and byte limit applied.
  EXPECT_EQ(edit.text(), "ABCDE");
  EXPECT_EQ((std::array{edit.left(), edit.top(), edit.width(), edit.height()}),
            (std::array{10, 20, 90, 21}));
  EXPECT_EQ(get(edit, "입력형태"), "숫자");
  EXPECT_EQ(get(edit, "최대값"), "99");
  EXPECT_EQ(get(edit, "최소값"), "5");
  EXPECT_EQ(get(edit, "최대길이"), "5");
  EXPECT_EQ(get(edit, "문자정렬"), "대문자");
  EXPECT_EQ(get(edit, "입력숨김"), "참");
  EXPECT_EQ(get(edit, "테두리"), "거짓");
  EXPECT_EQ(get(edit, "커서"), "화살표");  // no stored cursor: the arrow the field is made with
  EXPECT_EQ(get(edit, "읽기전용"), "참");
  EXPECT_EQ(get(edit, "접근"), "거짓");
  EXPECT_EQ(edit.ivent(3), Lines{"바뀜"});
  EXPECT_EQ(edit.ivent(4), Lines{"보관"});
  // The live state takes the design flags when the field is placed.
  edit.applyDesignFlags();
  EXPECT_FALSE(edit.enabled());
  EXPECT_TRUE(edit.visible());
  EXPECT_TRUE(edit.readOnly());
  EXPECT_FALSE(edit.acceptKey(U'a'));  // numeric from the start

  TNewMemo memo(
      record("TNewMemo",
             {ident("ScrollBars", "ssBoth"), boolean("WordWrap", false), integer("MaxLength", 40),
              integer("MaxLine", 2), lines("BackupString", {"첫째 줄", "둘째 줄"}),
              lines("Lines", {"the base lines"}), ident("Cursor", "crIBeam"),
              boolean("EnabledCheck", true), boolean("VisibleCheck", false)}));
  EXPECT_EQ(memo.lines(), (Lines{"첫째 줄", "둘째 줄"}));
  EXPECT_EQ(get(memo, "스크롤"), "공용 스크롤");
  EXPECT_EQ(get(memo, "자동넘김"), "거짓");
  EXPECT_EQ(get(memo, "최대바이트"), "40");
  EXPECT_EQ(get(memo, "최대줄"), "2");
  EXPECT_EQ(get(memo, "커서"), "입력");
  EXPECT_FALSE(memo.acceptKey(kKeyEnter));  // two lines of two already
  memo.applyDesignFlags();
  EXPECT_FALSE(memo.visible());
  EXPECT_FALSE(memo.readOnly());

  // Without stored switches the memo wraps words, has a border and no scroll bars.
  TNewMemo plain(record("TNewMemo", {}));
  EXPECT_EQ(get(plain, "자동넘김"), "참");
  EXPECT_EQ(get(plain, "테두리"), "참");
  EXPECT_EQ(get(plain, "스크롤"), "없음");
  EXPECT_EQ(get(plain, "커서"), "화살표");
}

TEST(ControlRecords, CaptionsButtonsImagesAndCheckBoxesKeepTheirLook) {
  TNewLabel label(record("TNewLabel", {text("Caption", "이름:"), ident("Alignment", "taCenter"),
                                       ident("Layout", "tlBottom"), boolean("AutoSize", false),
                                       boolean("Transparent", true), ident("Color", "clYellow"),
                                       text("Hint", "도움"), lines("Ivent2", {"누름"})}));
  EXPECT_EQ(get(label, "제목"), "이름:");
  EXPECT_EQ(get(label, "가로정렬"), "중앙 정렬");
  EXPECT_EQ(get(label, "세로정렬"), "아래측 정렬");
  EXPECT_EQ(get(label, "자동크기"), "거짓");
  EXPECT_EQ(get(label, "투명바탕색"), "참");
  EXPECT_EQ(get(label, "바탕색"), "밝은노랑");
  EXPECT_EQ(get(label, "풍선도움말"), "도움");
  EXPECT_EQ(label.boundScript(), Lines{"누름"});
  // A label record without AutoSize sizes itself to its caption, as labels are made.
  EXPECT_EQ(get(TNewLabel(record("TNewLabel", {})), "자동크기"), "참");

  TNewButton button(record("TNewButton", {text("Caption", "확인"), ident("Layout", "blGlyphTop"),
                                          integer("Spacing", 7), boolean("ParentFont", false)}));
  EXPECT_EQ(get(button, "제목"), "확인");
  EXPECT_EQ(get(button, "그림위치"), "위쪽");
  EXPECT_EQ(get(button, "그림여백"), "7");
  EXPECT_EQ(get(button, "부모글자모양"), "거짓");
  TNewButton plainButton(record("TNewButton", {}));
  EXPECT_EQ(get(plainButton, "그림위치"), "왼쪽");
  EXPECT_EQ(get(plainButton, "그림여백"), "4");

  TNewImage image(record("TNewImage", {boolean("Stretch", true), boolean("Center", true)}));
  EXPECT_EQ(get(image, "자동맞춤"), "참");
  EXPECT_EQ(get(image, "가운데"), "참");
  EXPECT_EQ(get(image, "자동크기"), "거짓");

  // The box sits right of its caption when the caption is left-justified.
  TNewCheckBox box(
      record("TNewCheckBox", {text("Caption", "동의"), boolean("Checks", true),
                              boolean("Checked", true), boolean("Only", true), integer("Group", 2),
                              ident("Alignment", "taLeftJustify"), lines("Ivent3", {"확인"})}));
  EXPECT_EQ(get(box, "제목"), "동의");
  EXPECT_EQ(get(box, "표시"), "참");
  EXPECT_TRUE(box.checked());
  EXPECT_EQ(get(box, "유일"), "참");
  EXPECT_EQ(get(box, "그룹번호"), "2");
  EXPECT_EQ(get(box, "방향"), "오른쪽");
  EXPECT_EQ(box.boundScript(), Lines{"확인"});
  TNewCheckBox plainBox(record("TNewCheckBox", {}));
  EXPECT_EQ(get(plainBox, "방향"), "왼쪽");
  EXPECT_EQ(get(plainBox, "표시"), "거짓");
  EXPECT_EQ((std::array{plainBox.width(), plainBox.height()}), (std::array{100, 25}));
}

TEST(ControlRecords, ListsAndCombosBecomeRunTimeControls) {
  TRunListBox list(record(
      "TNewListBox",
      {integer("Left", 4), integer("Top", 8), integer("Height", 60),
       lines("BackupString", {"배", "apple", "Banana"}), lines("Items", {"the design items"}),
       boolean("Sorted", true), boolean("MultiSelect", true), ident("BorderStyle", "bsNone"),
       ident("Color", "clAqua"), ident("Cursor", "crHandPoint"), text("Hint", "고르세요"),
       integer("MaxLine", 1), boolean("EnabledCheck", false), boolean("VisibleCheck", true),
       lines("Ivent3", {"골랐음"})}));
  EXPECT_EQ(list.items(), (Lines{"apple", "Banana", "배"}));  // sorted at once
  EXPECT_EQ((std::array{list.left(), list.top(), list.width(), list.height()}),
            (std::array{4, 8, 113, 60}));
  EXPECT_FALSE(list.enabled());
  EXPECT_TRUE(list.visible());
  EXPECT_EQ(get(list, "접근"), "거짓");
  EXPECT_EQ(get(list, "테두리"), "거짓");
  EXPECT_EQ(get(list, "복수선택"), "참");
  EXPECT_EQ(get(list, "내용정렬"), "참");
  EXPECT_EQ(get(list, "바탕색"), "밝은하늘");
  EXPECT_EQ(get(list, "커서"), "손가락");
  EXPECT_EQ(get(list, "풍선도움말"), "고르세요");
  EXPECT_EQ(list.boundScript(), Lines{"골랐음"});
  // The design record's line limit does not reach the list; a list adds items freely.
  list.addLine("cherry");
  EXPECT_EQ(list.lineCount(), 4);
  EXPECT_EQ(get(TRunListBox(record("TNewListBox", {})), "테두리"), "참");

  // Direct input: the stored text stands in the text field even when it is no item.
  TRunComboBox typed(
      record("TNewComboBox", {lines("BackupString", {"하나", "둘"}), boolean("Input", true),
                              text("Text", "셋"), boolean("EnabledCheck", true)}));
  EXPECT_EQ(typed.text(), "셋");
  EXPECT_EQ(typed.itemIndex(), -1);
  EXPECT_EQ(get(typed, "직접입력"), "거짓");
  EXPECT_TRUE(typed.enabled());

  // A choice list selects the first item equal to the stored text, letter case aside.
  TRunComboBox chosen(record(
      "TNewComboBox", {lines("BackupString", {"Red", "green", "GREEN"}), boolean("Input", false),
                       text("Text", "GREEN"), boolean("Sorted", false), lines("Ivent3", {"x"})}));
  EXPECT_EQ(chosen.itemIndex(), 1);
  EXPECT_EQ(chosen.text(), "green");
  EXPECT_EQ(get(chosen, "직접입력"), "참");
  EXPECT_FALSE(chosen.enabled());  // EnabledCheck not stored: false
  EXPECT_EQ(chosen.boundScript(), Lines{"x"});
  EXPECT_EQ((std::array{chosen.width(), chosen.height()}), (std::array{120, 21}));
}

TEST(ControlRecords, TimersAlarmsPagesAndSoundsTakeTheirSettings) {
  // The timer runs by its EnabledCheck; its stored On switch is not used.
  TRunTimer timer(record("TNewTimer", {integer("Inteval", 250), boolean("On", false),
                                       boolean("EnabledCheck", true), lines("Ivent5", {"똑딱"})}));
  EXPECT_EQ(get(timer, "작동"), "참");
  EXPECT_EQ(get(timer, "작동간격"), "250");
  EXPECT_TRUE(timer.shouldTick());
  EXPECT_EQ(timer.boundScript(), Lines{"똑딱"});
  TRunTimer idle(record("TNewTimer", {boolean("On", true)}));
  EXPECT_FALSE(idle.shouldTick());
  EXPECT_EQ(get(idle, "작동간격"), "0");

  TRunAlarm alarm(record(
      "TNewAlarm", {ident("Inteval", "aiDay"),
                    {"Date", Value::makeExtended(static_cast<double>(text::dayNumber(2025, 5, 1)))},
                    {"Time", Value::makeExtended(0.5)},
                    boolean("EnabledCheck", true)}));
  EXPECT_EQ(get(alarm, "작동간격"), "매일");
  EXPECT_EQ(get(alarm, "작동날짜"), "2025-05-01");
  EXPECT_EQ(get(alarm, "작동시간"), "12:00:00");
  EXPECT_TRUE(alarm.shouldTick());
  EXPECT_EQ(get(TRunAlarm(record("TNewAlarm", {})), "작동간격"), "특정일");

  TRunPage page(record(
      "TNewPage",
      {lines("PageName", {"기본", "[None]", "추가"}),
       lines("PageWindow", {"WinA", "WinSkipped", "WinB"}), text("ActivePage", "없는 페이지"),
       ident("Position", "ppBottom"), boolean("MultiLine", true), boolean("EnabledCheck", true),
       boolean("VisibleCheck", true), lines("Ivent3", {"넘김"})}));
  ASSERT_EQ(page.tabs().size(), 2u);
  EXPECT_EQ(page.tabs()[1].window, "WinB");
  EXPECT_EQ(page.activeIndex(), 0);  // no caption matches: the first tab
  EXPECT_EQ(get(page, "페이지위치"), "하단");
  EXPECT_EQ(get(page, "다중페이지"), "참");
  EXPECT_EQ(page.boundScript(), Lines{"넘김"});

  TMediaPlayer sound(record("TNewSound", {text("FileName", "벨.wav")}));
  EXPECT_EQ(get(sound, "파일이름"), "벨.wav");
  EXPECT_FALSE(sound.visible());
}

}  // namespace
}  // namespace qav
