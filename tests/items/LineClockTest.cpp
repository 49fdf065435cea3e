// The line item's table and strokes, and the clock's offsets and timer logic.
#include <gtest/gtest.h>

#include "Recorder.h"
#include "items/graphic/Line.h"
#include "items/graphic/NewWatch.h"

namespace qav {
namespace {

std::string read(const ItemModel& item, std::string_view name) {
  std::string r = "참조";
  item.GetItemProperty(name, r);
  return r;
}

TEST(Line, DirectionAndStyleWords) {
  TLine l;
  EXPECT_EQ(l.className(), "TLine");
  EXPECT_EQ(l.width(), 50);
  testing::Recorder rec;
  rec.watch(l);
  EXPECT_EQ(read(l, "방향"), "위쪽");
  EXPECT_EQ(read(l, "스타일"), "오목");
  l.SetItemProperty("방향", "위쪽");
  l.SetItemProperty("스타일", "오목");
  EXPECT_EQ(rec.count(Attr::Paint), 0);

  l.SetItemProperty("방향", "아래쪽");
  EXPECT_EQ(read(l, "방향"), "아래쪽");
  EXPECT_EQ(rec.count(Attr::Paint), 1);
  l.SetItemProperty("방향", "가운데");
  EXPECT_EQ(l.shape(), BevelShape::bsBottomLine);
  l.SetItemProperty("방향", "왼쪽");
  EXPECT_EQ(l.shape(), BevelShape::bsLeftLine);
  l.SetItemProperty("방향", "오른쪽");
  EXPECT_EQ(read(l, "방향"), "오른쪽");

  l.SetItemProperty("스타일", "볼록");
  EXPECT_EQ(read(l, "스타일"), "볼록");
  EXPECT_EQ(l.strokes()[0].colour, graphic::kButtonHighlight);
  EXPECT_EQ(l.strokes()[1].colour, graphic::kButtonShadow);
  l.SetItemProperty("스타일", "평평");
  EXPECT_EQ(l.style(), BevelStyle::bsRaised);

  // Box and frame outlines come only from project files and have no word.
  l.setShape(BevelShape::bsFrame);
  EXPECT_EQ(read(l, "방향"), "참조");
  l.setShape(BevelShape::bsBox);
  EXPECT_EQ(read(l, "방향"), "참조");
}

TEST(Line, TableHasNoAccessRow) {
  TLine l;
  l.SetItemProperty("접근", "참");
  EXPECT_FALSE(l.enabledCheck());
  EXPECT_EQ(read(l, "접근"), "참조");
  l.SetItemProperty("존재", "참");
  EXPECT_EQ(read(l, "존재"), "참");
  l.SetItemProperty("세로크기", "1");
  l.SetItemProperty("가로좌표", "40");
  EXPECT_EQ(read(l, "세로크기"), "1");
  EXPECT_EQ(l.left(), 40);
  l.SetItemProperty("커서", "십자가");
  EXPECT_EQ(read(l, "커서"), "십자가");
  l.SetItemProperty("풍선도움말", "구분선");
  EXPECT_EQ(l.hint(), "구분선");
  l.SetItemProperty("방향", "아래쪽");
  EXPECT_EQ(l.strokes()[0].from.y, -1);  // one pixel high: the first rule lies outside
}

text::DateTime at(int h, int mi, int s) {
  text::DateTime t;
  t.year = 2024;
  t.month = 5;
  t.day = 17;
  t.hour = h;
  t.minute = mi;
  t.second = s;
  return t;
}

TEST(Clock, OffsetsAreKeptAsRemainders) {
  TNewWatch c;
  EXPECT_EQ(c.className(), "TNewWatch");
  EXPECT_EQ(c.width(), 66);
  EXPECT_EQ(c.face().r, 25);
  c.setDifHour(14);
  EXPECT_EQ(c.difHour(), 2);
  c.setDifHour(-13);
  EXPECT_EQ(c.difHour(), -1);
  c.setDifMinute(75);
  EXPECT_EQ(c.difMinute(), 15);
  c.setDifMinute(-75);
  EXPECT_EQ(c.difMinute(), -15);
  c.setDifMinute(0);
  EXPECT_EQ(c.displayed(at(0, 10, 7)), (graphic::ClockTime{23, 10, 7}));
  EXPECT_EQ(c.hands(at(0, 10, 7)).size(), 3u);
  c.setSecArrow(false);
  EXPECT_EQ(c.hands(at(0, 10, 7)).size(), 2u);
}

struct Counts {
  int seconds = 0, minutes = 0, hours = 0;
};

void count(TClock& c, Counts& n) {
  c.setOnSecond([&n] { ++n.seconds; });
  c.setOnMinute([&n] { ++n.minutes; });
  c.setOnHour([&n] { ++n.hours; });
}

TEST(Clock, TicksFireSecondMinuteAndHour) {
  TNewWatch c;
  Counts n;
  count(c, n);
  c.setEnabled(true);
  EXPECT_TRUE(c.tick(at(10, 59, 58)));
  EXPECT_TRUE(c.tick(at(10, 59, 59)));
  EXPECT_EQ(n.seconds, 2);
  EXPECT_EQ(n.minutes, 0);
  EXPECT_TRUE(c.tick(at(11, 0, 0)));
  EXPECT_EQ(n.seconds, 3);
  EXPECT_EQ(n.minutes, 1);
  EXPECT_EQ(n.hours, 1);

  // After a repaint the next tick never counts a wrapped second.
  c.painted();
  c.tick(at(11, 0, 1));
  EXPECT_EQ(n.minutes, 1);

  // A disabled clock ignores its timer.
  c.setEnabled(false);
  EXPECT_FALSE(c.tick(at(11, 1, 0)));
  EXPECT_EQ(n.seconds, 4);
}

TEST(Clock, WithoutSecondHandTheHandsMoveOnlyWithTheMinute) {
  TNewWatch c;
  Counts n;
  count(c, n);
  c.setSecArrow(false);
  EXPECT_FALSE(c.tick(at(8, 15, 58)));
  EXPECT_FALSE(c.tick(at(8, 15, 59)));
  EXPECT_TRUE(c.tick(at(8, 16, 0)));
  EXPECT_FALSE(c.tick(at(8, 16, 1)));
  EXPECT_EQ(n.minutes, 1);
  EXPECT_EQ(n.hours, 0);
}

TEST(Clock, ItemHasNoPropertyTable) {
  TNewWatch c;
  c.SetItemProperty("존재", "거짓");
  c.SetItemProperty("가로좌표", "5");
  EXPECT_EQ(c.left(), 0);
  EXPECT_EQ(read(c, "가로좌표"), "참조");
  EXPECT_EQ(read(c, "초침"), "참조");
  c.setEnabledCheck(false);
  c.setVisibleCheck(true);
  c.applyDesignFlags();
  EXPECT_FALSE(c.enabled());
  EXPECT_TRUE(c.visible());
}

}  // namespace
}  // namespace qav
