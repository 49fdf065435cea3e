// The box item: its fitting figure, its widths as single numbers and its property table.
#include <gtest/gtest.h>

#include "Recorder.h"
#include "items/graphic/Box.h"

namespace qav {
namespace {

std::string read(const TBox& b, std::string_view name) {
  std::string r = "상자1:" + std::string(name);
  b.GetItemProperty(name, r);
  return r;
}

TEST(Box, NewBoxHasAFittedFigureWithAOnePixelShadow) {
  TBox b;
  EXPECT_EQ(b.className(), "TBox");
  EXPECT_EQ(b.width(), 65);
  EXPECT_EQ(b.height(), 65);
  EXPECT_EQ(b.shapeW(), 64);
  EXPECT_EQ(b.shapeH(), 64);
  EXPECT_TRUE(b.fit());
  EXPECT_TRUE(b.shadow());
  EXPECT_EQ(b.shadowX(), 1);
  EXPECT_EQ(b.colour(), 0x00C0C0C0u);
  EXPECT_EQ(b.font().colour, 0x00C0C0C0u);
  EXPECT_TRUE(b.border());
  EXPECT_EQ(b.borderColour(), 0x00FFFFFFu);
  EXPECT_EQ(b.shapeType(), ShapeType::msRectangle);
  EXPECT_EQ(b.grid().count(), 1);
}

TEST(Box, ShadowWidthGrowsAndShrinksTheBoxKeepingTheFigure) {
  TBox b;
  b.SetItemProperty("그림자두께", "5");
  EXPECT_EQ(b.width(), 69);
  EXPECT_EQ(b.height(), 69);
  EXPECT_EQ(b.shapeW(), 64);
  EXPECT_EQ(b.shapeH(), 64);
  EXPECT_EQ(read(b, "그림자두께"), "5");
  EXPECT_EQ(b.shadowY(), 5);

  b.SetItemProperty("그림자두께", "-1");
  EXPECT_EQ(b.width(), 69);
  EXPECT_EQ(read(b, "그림자두께"), "5");

  b.SetItemProperty("그림자두께", "0");
  EXPECT_FALSE(b.shadow());
  EXPECT_EQ(b.width(), 64);
  EXPECT_EQ(b.height(), 64);
  EXPECT_EQ(b.shapeW(), 64);

  // Resizing the box refits the figure, minus the shadow when there is one.
  b.SetItemProperty("그림자두께", "2");
  b.SetItemProperty("가로크기", "100");
  b.SetItemProperty("세로크기", "40");
  EXPECT_EQ(b.shapeW(), 98);
  EXPECT_EQ(b.shapeH(), 38);
  EXPECT_EQ(read(b, "가로크기"), "100");
}

TEST(Box, OutlineWidth) {
  TBox b;
  b.SetItemProperty("선두께", "3");
  EXPECT_EQ(b.borderWidth(), 3);
  EXPECT_TRUE(b.border());
  EXPECT_EQ(read(b, "선두께"), "3");
  EXPECT_EQ(graphic::figureOps(b.style(), {0, 0}).back().pen, 0x00FFFFFFu);

  b.SetItemProperty("선두께", "-1");
  EXPECT_EQ(b.borderWidth(), 3);

  // 0 turns the outline colour off: the outline is drawn in the fill colour.
  b.SetItemProperty("선두께", "0");
  EXPECT_FALSE(b.border());
  EXPECT_EQ(read(b, "선두께"), "0");
  EXPECT_EQ(graphic::figureOps(b.style(), {0, 0}).back().pen, 0x00C0C0C0u);
}

TEST(Box, RotationIsStoredNormalised) {
  TBox b;
  const std::pair<const char*, const char*> cases[] = {
      {"270", "-90"}, {"-270", "90"}, {"540", "180"}, {"-180", "180"}, {"30", "30"}};
  for (const auto& [in, out] : cases) {
    b.SetItemProperty("회전", in);
    EXPECT_EQ(read(b, "회전"), out) << in;
  }
  // Writing the stored value again changes nothing, not even the snapping.
  b.SetItemProperty("스타일", "삼각형");
  b.SetItemProperty("회전", "30");
  EXPECT_EQ(read(b, "회전"), "30");

  TBox t;
  t.SetItemProperty("스타일", "삼각형");
  t.SetItemProperty("회전", "30");
  EXPECT_EQ(read(t, "회전"), "45");
  t.SetItemProperty("회전", "20");
  EXPECT_EQ(read(t, "회전"), "0");
  // Changing the figure later does not snap a stored angle again.
  b.SetItemProperty("스타일", "사각형");
  b.SetItemProperty("회전", "100");
  b.SetItemProperty("스타일", "삼각형");
  EXPECT_EQ(read(b, "회전"), "100");
}

TEST(Box, FigureWords) {
  TBox b;
  const std::pair<const char*, ShapeType> words[] = {{"마름모", ShapeType::msDiamond},
                                                     {"원", ShapeType::msEllipse},
                                                     {"둥근사각형", ShapeType::msRoundRect},
                                                     {"삼각형", ShapeType::msTriangle},
                                                     {"사각형", ShapeType::msRectangle}};
  for (const auto& [word, type] : words) {
    b.SetItemProperty("스타일", word);
    EXPECT_EQ(b.shapeType(), type) << word;
    EXPECT_EQ(read(b, "스타일"), word);
  }
  b.SetItemProperty("스타일", "별");
  b.SetItemProperty("스타일", "원 ");
  EXPECT_EQ(b.shapeType(), ShapeType::msRectangle);
  // The line and text figures have no word: the caller's text stays.
  b.setShapeType(ShapeType::msLine);
  EXPECT_EQ(read(b, "스타일"), "상자1:스타일");
  b.setShapeType(ShapeType::msText);
  EXPECT_EQ(read(b, "스타일"), "상자1:스타일");
}

TEST(Box, ColoursAndTheFontColourFollowEachOther) {
  TBox b;
  b.SetItemProperty("바탕색", "밝은빨강");
  EXPECT_EQ(b.colour(), 0x000000FFu);
  EXPECT_EQ(b.font().colour, 0x000000FFu);
  EXPECT_EQ(read(b, "바탕색"), "밝은빨강");
  b.SetItemProperty("바탕색", "빨강 ");
  EXPECT_EQ(b.colour(), 0x00FFFFFFu);  // no colour word: white
  // The font following the colour is no font of the box's own: it still takes the window's.
  EXPECT_TRUE(b.parentFont());

  Font f = b.font();
  f.colour = 0x00008000;
  b.setFont(f);
  EXPECT_EQ(b.colour(), 0x00008000u);
  EXPECT_FALSE(b.parentFont());
  EXPECT_EQ(read(b, "바탕색"), "녹색");

  b.setColour(0x00123456);  // a mixed colour from a project file has no word
  EXPECT_EQ(read(b, "바탕색"), "상자1:바탕색");

  b.SetItemProperty("선색", "파랑");
  EXPECT_EQ(b.borderColour(), 0x00800000u);
  EXPECT_EQ(read(b, "선색"), "파랑");
  b.SetItemProperty("그림자색", "기본바탕색");
  EXPECT_EQ(b.shadowColour(), 0x8000000Fu);
  EXPECT_EQ(read(b, "그림자색"), "기본바탕색");
  b.SetItemProperty("바탕", "거짓");
  EXPECT_FALSE(b.filled());
  EXPECT_EQ(read(b, "바탕"), "거짓");
}

TEST(Box, CommonRowsAndUnknownNames) {
  TBox b;
  b.SetItemProperty("가로좌표", "12abc");
  b.SetItemProperty("세로좌표", "-7");
  EXPECT_EQ(b.left(), 12);
  EXPECT_EQ(b.top(), -7);
  EXPECT_EQ(read(b, "세로좌표"), "-7");
  b.SetItemProperty("커서", "손가락");
  EXPECT_EQ(b.cursor(), -21);
  EXPECT_EQ(read(b, "커서"), "손가락");
  b.SetItemProperty("풍선도움말", "눌러 보세요");
  EXPECT_EQ(read(b, "풍선도움말"), "눌러 보세요");

  // The design flags are stored and read back; the live state follows them at once.
  b.SetItemProperty("존재", "거짓");
  b.SetItemProperty("접근", "참");
  EXPECT_EQ(read(b, "존재"), "거짓");
  EXPECT_EQ(read(b, "접근"), "참");
  EXPECT_FALSE(b.visible());
  b.SetItemProperty("존재", "참");
  EXPECT_TRUE(b.visible());

  b.SetItemProperty("가로좌표 ", "99");
  b.SetItemProperty("탭순서", "3");
  b.SetItemProperty("제목", "x");
  EXPECT_EQ(b.left(), 12);
  EXPECT_EQ(read(b, "탭순서"), "상자1:탭순서");
  EXPECT_EQ(read(b, "이름"), "상자1:이름");
}

TEST(Box, RepaintsOnlyOnChange) {
  TBox b;
  testing::Recorder rec;
  rec.watch(b);
  b.SetItemProperty("바탕", "참");
  b.SetItemProperty("선색", "흰색");
  b.SetItemProperty("회전", "0");
  b.SetItemProperty("바탕색", "은색");
  b.setFont(b.font());
  EXPECT_TRUE(rec.seen.empty());
  b.SetItemProperty("선색", "검정");
  EXPECT_EQ(rec.count(Attr::Paint), 1);
  rec.clear();
  b.SetItemProperty("회전", "45");
  EXPECT_EQ(rec.count(Attr::Paint), 1);
}

TEST(Box, RepetitionSwitchesFittingOffAndOn) {
  TBox b;
  b.setXMargin(3);  // fitting: the item grows by the margins
  EXPECT_EQ(b.width(), 71);
  EXPECT_EQ(b.shapeW(), 64);
  b.setRepeatMode(RepeatMode::rpHoriz);
  EXPECT_FALSE(b.fit());
  b.setWidth(100);
  EXPECT_EQ(b.shapeW(), 64);
  b.setXSpacing(20);
  EXPECT_EQ(b.grid().columns, 6);
  // Fitting again takes the figure from the item, without the shadow correction.
  b.setRepeatMode(RepeatMode::rpNone);
  EXPECT_EQ(b.shapeW(), 94);
  EXPECT_EQ(b.shapeH(), 65);
}

TEST(Box, LeftClickInsideReachesTheHandler) {
  TBox b;
  int clicks = 0;
  b.setHandler([&](ItemModel& sender) {
    EXPECT_EQ(&sender, &b);
    ++clicks;
  });
  b.mouseDown(MouseButton::Left, 10, 10);
  b.mouseUp(MouseButton::Left, 60, 5);
  EXPECT_EQ(clicks, 1);
  b.mouseDown(MouseButton::Left, 10, 10);
  b.mouseUp(MouseButton::Left, 65, 5);  // released outside
  b.mouseDown(MouseButton::Right, 10, 10);
  b.mouseUp(MouseButton::Right, 10, 10);
  b.mouseUp(MouseButton::Left, 10, 10);  // no press before it
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace qav
