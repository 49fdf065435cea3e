// Label, button, image and check-box tables, and the check box's stored state versus its mark.
#include <gtest/gtest.h>

#include "ItemTestUtil.h"
#include "items/controls/NewButton.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/NewImage.h"
#include "items/controls/NewLabel.h"

namespace qav {
namespace {

using test::Fired;
using test::get;
using test::kPreset;

TEST(LabelTable, CaptionAlignmentAndSwitches) {
  TNewLabel label;
  label.SetItemProperty("제목", "안녕 하세요");
  EXPECT_EQ(label.caption(), "안녕 하세요");
  EXPECT_EQ(get(label, "제목"), "안녕 하세요");

  EXPECT_EQ(get(label, "가로정렬"), "좌측 정렬");
  EXPECT_EQ(get(label, "세로정렬"), "위측 정렬");
  label.SetItemProperty("가로정렬", "중앙 정렬");
  EXPECT_EQ(label.alignment(), HAlign::Centre);
  EXPECT_EQ(label.layout(), VAlign::Top);
  label.SetItemProperty("세로정렬", "좌측 정렬");  // no word of this row
  EXPECT_EQ(label.layout(), VAlign::Top);
  label.SetItemProperty("세로정렬", "아래측 정렬");
  EXPECT_EQ(get(label, "세로정렬"), "아래측 정렬");
  label.SetItemProperty("세로정렬", "중앙 정렬");
  EXPECT_EQ(label.layout(), VAlign::Centre);
  EXPECT_EQ(label.alignment(), HAlign::Centre);
  label.SetItemProperty("가로정렬", "우측 정렬");
  EXPECT_EQ(get(label, "가로정렬"), "우측 정렬");
  label.SetItemProperty("가로정렬", "위측 정렬");
  EXPECT_EQ(label.alignment(), HAlign::Right);

  EXPECT_EQ(get(label, "자동크기"), "참");
  label.SetItemProperty("자동크기", "거짓");
  EXPECT_FALSE(label.autoSize());
  label.SetItemProperty("투명바탕색", "참");
  EXPECT_TRUE(label.transparent());
  label.SetItemProperty("바탕색", "노랑");
  EXPECT_EQ(label.colour(), 0x00008080u);

  // Rows the label does not have.
  for (const char* name : {"탭순서", "탭여부", "그림위치", "표시"}) {
    label.SetItemProperty(name, "1");
    EXPECT_EQ(get(label, name), kPreset) << name;
  }
  EXPECT_EQ(label.tabOrder(), 0);

  Fired fired(label);
  label.userClick();
  EXPECT_EQ(fired.count, 1);
}

TEST(ButtonTable, GlyphPlaceSpacingAndMissingRows) {
  TNewButton button;
  button.SetItemProperty("제목", "확인");
  EXPECT_EQ(get(button, "제목"), "확인");
  EXPECT_EQ(get(button, "그림위치"), "왼쪽");
  button.SetItemProperty("그림위치", "위쪽");
  EXPECT_EQ(get(button, "그림위치"), "위쪽");
  EXPECT_EQ(button.layout(), GlyphLayout::Top);
  button.SetItemProperty("그림위치", "가운데");
  EXPECT_EQ(button.layout(), GlyphLayout::Top);
  button.SetItemProperty("그림위치", "오른쪽");
  EXPECT_EQ(button.layout(), GlyphLayout::Right);
  button.SetItemProperty("그림위치", "아래쪽");
  EXPECT_EQ(get(button, "그림위치"), "아래쪽");

  EXPECT_EQ(get(button, "그림여백"), "4");
  button.SetItemProperty("그림여백", "12");
  EXPECT_EQ(button.spacing(), 12);
  EXPECT_EQ(button.margin(), -1);

  button.SetItemProperty("부모바탕색", "참");
  EXPECT_EQ(get(button, "부모바탕색"), kPreset);
  EXPECT_FALSE(button.parentColour());
  button.SetItemProperty("탭순서", "3");
  EXPECT_EQ(button.tabOrder(), 3);

  Fired fired(button);
  button.SetItemProperty("제목", "취소");
  EXPECT_EQ(fired.count, 0);
  button.userClick();
  EXPECT_EQ(fired.count, 1);
}

TEST(ImageTable, PictureSwitchesAndNoColour) {
  TNewImage image;
  image.SetItemProperty("바탕색", "빨강");
  EXPECT_EQ(get(image, "바탕색"), kPreset);
  EXPECT_EQ(image.colour(), TNewImage().colour());
  for (const char* name : {"자동크기", "자동맞춤", "가운데", "투명바탕색"}) {
    EXPECT_EQ(get(image, name), "거짓") << name;
    image.SetItemProperty(name, "참");
    EXPECT_EQ(get(image, name), "참") << name;
  }
  EXPECT_TRUE(image.autoSize());
  EXPECT_TRUE(image.stretch());
  EXPECT_TRUE(image.center());
  EXPECT_TRUE(image.transparent());
  image.SetItemProperty("그림", "a.bmp");
  EXPECT_EQ(get(image, "그림"), kPreset);
  EXPECT_TRUE(image.picture().empty());
}

TEST(CheckBox, StoredChecksAndLiveMark) {
  TNewCheckBox box;
  Fired fired(box);
  EXPECT_EQ(box.width(), 100);
  EXPECT_EQ(box.height(), 25);
  EXPECT_EQ(get(box, "표시"), "거짓");

  box.SetItemProperty("표시", "참");
  EXPECT_TRUE(box.checks());
  EXPECT_TRUE(box.checked());
  EXPECT_EQ(fired.count, 1);  // the mark changed: reported like a click
  box.SetItemProperty("표시", "참");
  EXPECT_EQ(fired.count, 1);  // unchanged mark: nothing reported

  // A user's click toggles the mark only; "표시" still reads the stored state.
  box.userClick();
  EXPECT_FALSE(box.checked());
  EXPECT_EQ(get(box, "표시"), "참");
  EXPECT_EQ(fired.count, 2);

  // Writing the stored value again sets the mark back, and that is a change.
  box.SetItemProperty("표시", "참");
  EXPECT_TRUE(box.checked());
  EXPECT_EQ(fired.count, 3);

  // With the handler detached (as the group rule does) writes report nothing.
  box.setHandler(nullptr);
  box.SetItemProperty("표시", "거짓");
  EXPECT_FALSE(box.checked());
  EXPECT_FALSE(box.checks());
}

TEST(CheckBox, SideUniqueAndGroupRows) {
  TNewCheckBox box;
  EXPECT_EQ(get(box, "방향"), "왼쪽");
  box.SetItemProperty("방향", "오른쪽");
  EXPECT_EQ(box.side(), BoxSide::Right);
  EXPECT_EQ(get(box, "방향"), "오른쪽");
  box.SetItemProperty("방향", "위쪽");
  EXPECT_EQ(box.side(), BoxSide::Right);

  box.SetItemProperty("유일", "참");
  EXPECT_TRUE(box.only());
  EXPECT_EQ(get(box, "유일"), "참");
  box.SetItemProperty("그룹번호", "2");
  EXPECT_EQ(box.group(), 2);
  EXPECT_EQ(get(box, "그룹번호"), "2");
  box.SetItemProperty("제목", "동의");
  EXPECT_EQ(get(box, "제목"), "동의");
}

TEST(RadioButton, ClickMarksAndReportsWithoutATable) {
  TNewRadioButton radio;
  Fired fired(radio);
  radio.SetItemProperty("표시", "참");
  EXPECT_FALSE(radio.checked());
  EXPECT_EQ(get(radio, "표시"), kPreset);
  radio.userClick();
  radio.userClick();
  EXPECT_TRUE(radio.checked());
  EXPECT_EQ(fired.count, 2);
  radio.setIvent(3, {"메세지 라디오"});
  EXPECT_EQ(radio.boundScript(), Lines{"메세지 라디오"});
}

}  // namespace
}  // namespace qav
