// The gauge item: range, clamping, percentage and its property table.
#include <gtest/gtest.h>

#include "Recorder.h"
#include "items/graphic/NewProgress.h"

namespace qav {
namespace {

std::string read(const TNewProgress& g, std::string_view name) {
  std::string r = "게이지1:" + std::string(name);
  g.GetItemProperty(name, r);
  return r;
}

std::string failureOf(TNewProgress& g, std::string_view name, std::string_view value) {
  try {
    g.SetItemProperty(name, value);
  } catch (const ItemError& e) {
    return e.what();
  }
  return "no failure";
}

TEST(Gauge, NewGaugeIsAFramedHorizontalBar) {
  TNewProgress g;
  EXPECT_EQ(g.className(), "TNewProgress");
  EXPECT_EQ(g.width(), 153);
  EXPECT_EQ(g.height(), 33);
  EXPECT_EQ(g.kind(), GaugeKind::gkHorizontalBar);
  EXPECT_EQ(read(g, "최소값"), "0");
  EXPECT_EQ(read(g, "최대값"), "100");
  EXPECT_EQ(read(g, "텍스트"), "참");
  EXPECT_EQ(read(g, "부모바탕색"), "참");
  g.SetItemProperty("현재값", "50");
  graphic::GaugePaint p = g.paint();
  EXPECT_EQ(p.paintRect, (graphic::Rect{1, 1, 152, 32}));
  EXPECT_EQ(p.ops.back().rect, (graphic::Rect{1, 1, 76, 32}));
}

TEST(Gauge, RangeFailuresAndTheValueFollowingTheRange) {
  TNewProgress g;
  EXPECT_EQ(failureOf(g, "최소값", "200"), "Value must be between -2147483647 and 99");
  EXPECT_EQ(read(g, "최소값"), "0");
  EXPECT_EQ(failureOf(g, "최대값", "-1"), "Value must be between 1 and 2147483647");
  EXPECT_EQ(read(g, "최대값"), "100");

  g.SetItemProperty("현재값", "150");
  EXPECT_EQ(read(g, "현재값"), "100");
  g.SetItemProperty("현재값", "-5");
  EXPECT_EQ(read(g, "현재값"), "0");

  g.SetItemProperty("최대값", "300");
  g.SetItemProperty("최소값", "200");
  EXPECT_EQ(read(g, "현재값"), "200");
  g.SetItemProperty("현재값", "290");
  g.SetItemProperty("최대값", "250");
  EXPECT_EQ(read(g, "현재값"), "250");
  EXPECT_EQ(failureOf(g, "최대값", "199"), "Value must be between 201 and 2147483647");

  // An empty range is no failure and shows 0 percent.
  g.SetItemProperty("최대값", "200");
  EXPECT_EQ(g.percent(), 0);
  EXPECT_EQ(g.paint().ops.size(), 1u);

  // While a record is loaded the check is skipped.
  TNewProgress loading;
  loading.setLoading(true);
  loading.setMinValue(200);
  loading.setMaxValue(300);
  loading.setLoading(false);
  EXPECT_EQ(loading.minValue(), 200);
  EXPECT_EQ(loading.progress(), 200);
}

TEST(Gauge, ValueChangesRepaintOnlyWhenThePercentageMoves) {
  TNewProgress g;
  g.setMaxValue(1000);
  g.setProgress(100);
  testing::Recorder rec;
  rec.watch(g);
  g.SetItemProperty("현재값", "105");
  EXPECT_EQ(g.progress(), 105);
  EXPECT_EQ(g.percent(), 10);
  EXPECT_EQ(rec.count(Attr::Paint), 0);
  g.SetItemProperty("현재값", "110");
  EXPECT_EQ(rec.count(Attr::Paint), 1);
  g.SetItemProperty("현재값", "110");
  g.SetItemProperty("스타일", "가로막대");
  EXPECT_EQ(rec.count(Attr::Paint), 1);
}

TEST(Gauge, KindsAndColours) {
  TNewProgress g;
  g.SetItemProperty("스타일", "세로막대");
  EXPECT_EQ(read(g, "스타일"), "세로막대");
  g.SetItemProperty("스타일", "원");
  EXPECT_EQ(g.kind(), GaugeKind::gkPie);
  EXPECT_EQ(read(g, "스타일"), "원");
  g.SetItemProperty("스타일", "바늘");
  EXPECT_EQ(g.kind(), GaugeKind::gkPie);
  g.setKind(GaugeKind::gkNeedle);
  EXPECT_EQ(read(g, "스타일"), "게이지1:스타일");
  g.setKind(GaugeKind::gkText);
  EXPECT_EQ(read(g, "스타일"), "게이지1:스타일");

  // The background colour of the table is the unfilled part, not the colour around the pie.
  g.SetItemProperty("바탕색", "노랑");
  EXPECT_EQ(g.backColour(), 0x00008080u);
  EXPECT_EQ(g.colour(), 0x80000005u);
  EXPECT_EQ(read(g, "바탕색"), "노랑");
  g.SetItemProperty("그래프색", "밝은파랑");
  EXPECT_EQ(g.foreColour(), 0x00FF0000u);
  EXPECT_EQ(read(g, "그래프색"), "밝은파랑");
  g.setForeColour(0x00010203);
  EXPECT_EQ(read(g, "그래프색"), "게이지1:그래프색");

  g.SetItemProperty("텍스트", "거짓");
  EXPECT_FALSE(g.showText());
  g.SetItemProperty("부모바탕색", "거짓");
  g.SetItemProperty("부모글자모양", "거짓");
  EXPECT_EQ(read(g, "부모바탕색"), "거짓");
  EXPECT_EQ(read(g, "부모글자모양"), "거짓");
}

TEST(Gauge, DesignFlagsAndCommonRows) {
  TNewProgress g;
  g.SetItemProperty("접근", "거짓");
  g.SetItemProperty("존재", "참");
  EXPECT_FALSE(g.enabled());
  EXPECT_EQ(read(g, "접근"), "거짓");
  g.applyDesignFlags();
  EXPECT_TRUE(g.visible());
  g.SetItemProperty("가로크기", "200");
  g.SetItemProperty("커서", "대기중");
  g.SetItemProperty("풍선도움말", "진행");
  EXPECT_EQ(read(g, "가로크기"), "200");
  EXPECT_EQ(read(g, "커서"), "대기중");
  EXPECT_EQ(read(g, "풍선도움말"), "진행");
  EXPECT_EQ(read(g, "탭순서"), "게이지1:탭순서");
}

}  // namespace
}  // namespace qav
