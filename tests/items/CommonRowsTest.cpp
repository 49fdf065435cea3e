// Which common rows each item table carries, and how they convert.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ItemTestUtil.h"
#include "items/WindowModel.h"
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

namespace qav {
namespace {

using test::get;
using test::kPreset;

struct CommonRow {
  const char* name;
  const char* value;  // differs from every class's default and reads back unchanged
};

// 접근, 존재, geometry, 커서, 바탕색, 부모바탕색, 부모글자모양, 탭여부, 탭순서, 풍선도움말
const std::vector<CommonRow> kRows = {
    {"접근", "거짓"},
    {"존재", "거짓"},
    {"가로좌표", "17"},
    {"세로좌표", "-18"},
    {"가로크기", "19"},
    {"세로크기", "20"},
    {"커서", "손가락"},
    {"바탕색", "보라"},
    {"부모바탕색", "참"},
    {"부모글자모양", "거짓"},
    {"탭여부", "거짓"},
    {"탭순서", "7"},
    {"풍선도움말", "도움말 글"},
};

struct TableCase {
  const char* cls;
  std::function<std::unique_ptr<ItemModel>()> make;
  std::string carried;  // one letter per row of kRows: x carried, . absent
};

const std::vector<TableCase> kTables = {
    {"TNewEdit", [] { return std::make_unique<TNewEdit>(); }, "xxxxxxxxxxxxx"},
    {"TNewMemo", [] { return std::make_unique<TNewMemo>(); }, "xxxxxxxxxxxxx"},
    {"TNewLabel", [] { return std::make_unique<TNewLabel>(); }, "xxxxxxxxxx..x"},
    {"TNewImage", [] { return std::make_unique<TNewImage>(); }, "xxxxxxx.....x"},
    {"TNewButton", [] { return std::make_unique<TNewButton>(); }, "xxxxxxxx.xxxx"},
    {"TNewCheckBox", [] { return std::make_unique<TNewCheckBox>(); }, "xxxxxxxxxxxxx"},
    {"TRunListBox", [] { return std::make_unique<TRunListBox>(); }, "xxxxxxxxxxxxx"},
    {"TRunComboBox", [] { return std::make_unique<TRunComboBox>(); }, "xxxxxxxxxxxxx"},
    {"TRunPage", [] { return std::make_unique<TRunPage>(); }, "xxxxxxxx.xxxx"},
    {"TRunTimer", [] { return std::make_unique<TRunTimer>(); }, "............."},
    {"TRunAlarm", [] { return std::make_unique<TRunAlarm>(); }, "............."},
    {"TMediaPlayer", [] { return std::make_unique<TMediaPlayer>(); }, "............."},
};

TEST(CommonRows, EachTableCarriesExactlyItsCommonRows) {
  for (const auto& tc : kTables) {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
      auto item = tc.make();
      const auto& row = kRows[i];
      const std::string before = get(*item, row.name);
      item->SetItemProperty(row.name, row.value);
      const std::string after = get(*item, row.name);
      if (tc.carried[i] == 'x') {
        EXPECT_EQ(after, row.value) << tc.cls << " should carry " << row.name;
      } else {
        EXPECT_EQ(after, kPreset) << tc.cls << " should not carry " << row.name;
        EXPECT_EQ(before, kPreset) << tc.cls << " should not answer " << row.name;
      }
    }
  }
}

TEST(CommonRows, NamesMatchWholeAndExactly) {
  TNewEdit edit;
  edit.setBounds(5, 6, 7, 8);
  for (const char* name : {"가로좌표 ", " 가로좌표", "가로좌", "가로좌표x", ""}) {
    edit.SetItemProperty(name, "99");
    EXPECT_EQ(get(edit, name), kPreset) << '"' << name << '"';
  }
  EXPECT_EQ(edit.left(), 5);
  EXPECT_EQ(get(edit, "가로좌표"), "5");
  // Values are not trimmed either: only exactly "참" is true.
  edit.SetItemProperty("탭여부", " 참");
  EXPECT_EQ(get(edit, "탭여부"), "거짓");
}

TEST(CommonRows, ConversionsOfGeometryColourCursorAndTabOrder) {
  TNewLabel label;
  label.SetItemProperty("가로좌표", "12abc");
  label.SetItemProperty("세로좌표", "$1F");
  label.SetItemProperty("가로크기", "-7");
  EXPECT_EQ(label.left(), 12);
  EXPECT_EQ(label.top(), 31);
  EXPECT_EQ(label.width(), -7);
  EXPECT_EQ(get(label, "가로크기"), "-7");

  // A word that is no colour gives white; a code without a word leaves the caller's text.
  label.SetItemProperty("바탕색", "보라색");
  EXPECT_EQ(label.colour(), 0x00FFFFFFu);
  EXPECT_EQ(get(label, "바탕색"), "흰색");
  label.setColour(0x00123456);
  EXPECT_EQ(get(label, "바탕색"), kPreset);
  label.SetItemProperty("바탕색", "기본바탕색");
  EXPECT_EQ(label.colour(), 0x8000000Fu);
  EXPECT_FALSE(label.parentColour());

  label.SetItemProperty("커서", "없는커서");
  EXPECT_EQ(label.cursor(), 0);
  EXPECT_EQ(get(label, "커서"), "기본");
  label.setCursor(-1);
  EXPECT_EQ(get(label, "커서"), kPreset);

  // The tab order reads back as a signed 16-bit value.
  TNewEdit edit;
  edit.SetItemProperty("탭순서", "70000");
  EXPECT_EQ(edit.tabOrder(), 70000);
  EXPECT_EQ(get(edit, "탭순서"), "4464");
  edit.SetItemProperty("탭순서", "40000");
  EXPECT_EQ(get(edit, "탭순서"), "-25536");
}

TEST(CommonRows, ScriptWritesOfTheFlagsChangeTheLiveStateOnEveryKind) {
  for (const auto& tc : kTables) {
    if (tc.carried[0] != 'x') continue;
    SCOPED_TRACE(tc.cls);
    auto item = tc.make();
    item->SetItemProperty("접근", "거짓");
    item->SetItemProperty("존재", "거짓");
    EXPECT_EQ(get(*item, "접근"), "거짓");
    EXPECT_FALSE(item->enabled());
    EXPECT_FALSE(item->visible());
    item->SetItemProperty("접근", "참");
    item->SetItemProperty("존재", "참");
    EXPECT_TRUE(item->enabled());
    EXPECT_TRUE(item->visible());
  }
  TNewEdit edit;
  TNewMemo memo;
  edit.SetItemProperty("읽기전용", "참");
  memo.SetItemProperty("읽기전용", "참");
  EXPECT_TRUE(edit.readOnly());
  EXPECT_TRUE(memo.readOnly());
  EXPECT_EQ(get(edit, "읽기전용"), "참");
}

TEST(CommonRows, ParentSwitchesShowTheWindowsColourAndFont) {
  WindowModel window("TForm");
  window.setColour(0x8000000F);
  Font windowFont;
  windowFont.name = "굴림";
  windowFont.height = -12;
  window.setFont(windowFont);

  // A label made as labels are: both switches on. Placed, it shows the window's look.
  TNewLabel label;
  label.setParentColour(true);
  label.setParentWindow(&window);
  EXPECT_EQ(get(label, "부모바탕색"), "참");
  EXPECT_EQ(get(label, "바탕색"), "기본바탕색");
  EXPECT_EQ(label.font(), windowFont);
  window.setColour(0x00FFFFFF);
  EXPECT_EQ(get(label, "바탕색"), "흰색");  // it follows the window while the switch is on

  // Turning a switch off keeps what the label shows; the window no longer reaches it.
  label.SetItemProperty("부모바탕색", "거짓");
  label.SetItemProperty("부모글자모양", "거짓");
  window.setColour(0x8000000F);
  window.setFont(Font());
  EXPECT_EQ(get(label, "바탕색"), "흰색");
  EXPECT_EQ(label.font(), windowFont);

  // A font or colour of the label's own turns the switch off.
  label.SetItemProperty("부모글자모양", "참");
  label.SetItemProperty("부모바탕색", "참");
  EXPECT_EQ(label.font(), Font());
  Font own;
  own.name = "바탕";
  label.setFont(own);
  EXPECT_EQ(get(label, "부모글자모양"), "거짓");
  EXPECT_EQ(label.font(), own);
  label.SetItemProperty("바탕색", "노랑");
  EXPECT_EQ(get(label, "부모바탕색"), "거짓");
  EXPECT_EQ(get(label, "바탕색"), "노랑");
}

TEST(CommonRows, HintWriteKeepsHintDisplayAsItWas) {
  TNewButton button;
  button.SetItemProperty("풍선도움말", "누르세요");
  EXPECT_EQ(button.hint(), "누르세요");
  EXPECT_FALSE(button.showHint());
  button.setShowHint(true);
  button.SetItemProperty("풍선도움말", "");
  EXPECT_TRUE(button.showHint());
  EXPECT_EQ(get(button, "풍선도움말"), "");
}

TEST(EventSlots, SlotsAreCopiesAndOnlyCarriedSlotsExist) {
  TNewEdit edit;
  Lines script = {"메세지 가", "메세지 나"};
  edit.setIvent(3, script);
  script.push_back("메세지 다");
  script[0] = "바뀜";
  ASSERT_EQ(edit.ivent(3).size(), 2u);
  EXPECT_EQ(edit.ivent(3)[0], "메세지 가");
  EXPECT_EQ(edit.boundScript(), edit.ivent(3));

  edit.setIvent(2, {"x"});  // the edit field has no Ivent2
  EXPECT_TRUE(edit.ivent(2).empty());
  EXPECT_TRUE(edit.carriesSlot(4));
  EXPECT_FALSE(edit.carriesSlot(5));
  EXPECT_FALSE(edit.carriesSlot(0));
  EXPECT_TRUE(edit.ivent(99).empty());

  TNewLabel label;
  label.setIvent(2, {"a"});
  EXPECT_EQ(label.boundScript(), Lines{"a"});
  TRunTimer timer;
  timer.setIvent(5, {"t"});
  EXPECT_EQ(timer.boundSlot(), 5);
  EXPECT_EQ(timer.boundScript(), Lines{"t"});
  TNewImage image;
  EXPECT_EQ(image.boundSlot(), 0);
  EXPECT_TRUE(image.boundScript().empty());
}

}  // namespace
}  // namespace qav
