// Timers, alarms, page controls and the sound item's media player.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ItemTestUtil.h"
#include "items/controls/MediaPlayer.h"
#include "items/controls/RunAlarm.h"
#include "items/controls/RunPage.h"
#include "items/controls/RunTimer.h"

namespace qav {
namespace {

using test::Fired;
using test::get;
using test::kPreset;

text::DateTime at(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
  text::DateTime t;
  t.year = y, t.month = mo, t.day = d, t.hour = h, t.minute = mi, t.second = s, t.msec = ms;
  return t;
}

TEST(Timer, RunningAndIntervalDecideTheTicks) {
  TRunTimer timer;
  Fired fired(timer);
  timer.SetItemProperty("작동간격", "500");
  EXPECT_EQ(timer.interval(), 500);
  EXPECT_EQ(get(timer, "작동간격"), "500");
  EXPECT_EQ(get(timer, "작동"), "참");
  timer.tick();
  EXPECT_EQ(fired.count, 1);

  timer.SetItemProperty("작동간격", "0");
  EXPECT_EQ(get(timer, "작동"), "참");
  EXPECT_FALSE(timer.shouldTick());
  timer.tick();
  EXPECT_EQ(fired.count, 1);

  timer.SetItemProperty("작동간격", "250");
  timer.SetItemProperty("작동", "거짓");
  EXPECT_FALSE(timer.enabled());
  EXPECT_FALSE(timer.shouldTick());
  timer.tick();
  EXPECT_EQ(fired.count, 1);
  timer.SetItemProperty("작동", "참");
  EXPECT_TRUE(timer.shouldTick());
}

TEST(Alarm, DateAndTimeRowsReadAndRefuse) {
  TRunAlarm alarm;
  alarm.SetItemProperty("작동날짜", "2024-02-29");
  EXPECT_EQ(get(alarm, "작동날짜"), "2024-02-29");
  EXPECT_EQ(alarm.date(), static_cast<double>(text::dayNumber(2024, 2, 29)));
  alarm.SetItemProperty("작동시간", "9:05:07");
  EXPECT_EQ(get(alarm, "작동시간"), "09:05:07");

  try {
    alarm.SetItemProperty("작동날짜", "2023-02-29");
    FAIL() << "no error for a day that does not exist";
  } catch (const ItemError& e) {
    EXPECT_STREQ(e.what(), "'2023-02-29' is not a valid date");
  }
  EXPECT_EQ(get(alarm, "작동날짜"), "2024-02-29");
  try {
    alarm.SetItemProperty("작동시간", "25:00:00");
    FAIL() << "no error for an hour past 23";
  } catch (const ItemError& e) {
    EXPECT_STREQ(e.what(), "'25:00:00' is not a valid time");
  }
  EXPECT_THROW(alarm.SetItemProperty("작동시간", "내일"), ItemError);
  EXPECT_EQ(get(alarm, "작동시간"), "09:05:07");

  EXPECT_EQ(get(alarm, "작동간격"), "특정일");
  alarm.SetItemProperty("작동간격", "매일");
  EXPECT_EQ(alarm.repeat(), AlarmRepeat::Day);
  alarm.SetItemProperty("작동간격", "없음");
  EXPECT_EQ(get(alarm, "작동간격"), "매일");
  alarm.SetItemProperty("작동간격", "특정일");
  EXPECT_EQ(alarm.repeat(), AlarmRepeat::Custom);
}

TEST(Alarm, FiresOnItsSecondOnceDailyOrOnItsDate) {
  TRunAlarm alarm;
  Fired fired(alarm);
  alarm.setDateText("2025-03-14");
  alarm.setTimeText("09:30:00");

  EXPECT_FALSE(alarm.due(at(2025, 3, 14, 9, 29, 59, 999)));
  EXPECT_TRUE(alarm.due(at(2025, 3, 14, 9, 30, 0, 0)));
  EXPECT_TRUE(alarm.due(at(2025, 3, 14, 9, 30, 0, 999)));
  EXPECT_FALSE(alarm.due(at(2025, 3, 14, 9, 30, 1)));
  EXPECT_FALSE(alarm.due(at(2025, 3, 15, 9, 30, 0)));

  EXPECT_TRUE(alarm.check(at(2025, 3, 14, 9, 30, 0, 100)));
  EXPECT_FALSE(alarm.check(at(2025, 3, 14, 9, 30, 0, 900)));  // same second again
  EXPECT_EQ(fired.count, 1);
  EXPECT_FALSE(alarm.check(at(2025, 3, 15, 9, 30, 0)));

  alarm.SetItemProperty("작동간격", "매일");
  EXPECT_TRUE(alarm.check(at(2025, 3, 15, 9, 30, 0)));
  EXPECT_TRUE(alarm.check(at(2031, 12, 1, 9, 30, 0)));
  EXPECT_EQ(fired.count, 3);

  alarm.SetItemProperty("작동", "거짓");
  EXPECT_FALSE(alarm.shouldTick());
  EXPECT_FALSE(alarm.check(at(2031, 12, 2, 9, 30, 0)));
  EXPECT_EQ(fired.count, 3);

  // A stored date that also carries a time of day still names its day.
  alarm.SetItemProperty("작동", "참");
  alarm.SetItemProperty("작동간격", "특정일");
  alarm.setDate(text::dayNumber(2025, 3, 20) + 0.75);
  EXPECT_TRUE(alarm.due(at(2025, 3, 20, 9, 30, 0)));
}

TEST(Page, TabsFromPageLinesSkippingNone) {
  TRunPage page;
  page.setName("P");
  page.buildTabs({"A", "[None]", "B", "C"}, {"win1", "win2", "win3"});
  ASSERT_EQ(page.tabs().size(), 3u);
  EXPECT_EQ(page.tabName(0), "P_1");
  EXPECT_EQ(page.tabName(1), "P_2");
  EXPECT_EQ(page.tabs()[0].caption, "A");
  EXPECT_EQ(page.tabs()[1].caption, "B");
  EXPECT_EQ(page.tabs()[1].window, "win3");
  EXPECT_EQ(page.tabs()[2].window, "");  // no line for it
  EXPECT_EQ(page.tabName(7), "");
  EXPECT_EQ(page.activeIndex(), 0);

  page.chooseActiveTab("없는페이지");
  EXPECT_EQ(page.activeIndex(), 0);
  page.buildTabs({"A", "B", "A"}, {});
  page.chooseActiveTab("A");
  EXPECT_EQ(page.activeIndex(), 2);  // the last equal caption wins
  page.chooseActiveTab("B");
  EXPECT_EQ(page.activeTab()->caption, "B");

  page.buildTabs({"[None]"}, {"w"});
  EXPECT_TRUE(page.tabs().empty());
  EXPECT_EQ(page.activeIndex(), -1);
  EXPECT_EQ(page.activeTab(), nullptr);
  page.chooseActiveTab("[None]");
  EXPECT_FALSE(page.userSelectTab(0));
}

TEST(Page, UserTabChangeRunsBeforeAndAfterHandlers) {
  TRunPage page;
  page.buildTabs({"one", "two"}, {"w1", "w2"});
  std::vector<std::string> calls;
  page.setChangeHandlers([&](TRunPage& p) { calls.push_back("before " + p.activeTab()->window); },
                         [&](TRunPage& p) { calls.push_back("after " + p.activeTab()->window); });
  EXPECT_TRUE(page.userSelectTab(1));
  EXPECT_EQ(calls, (std::vector<std::string>{"before w1", "after w2"}));
  EXPECT_FALSE(page.userSelectTab(1));
  EXPECT_FALSE(page.userSelectTab(2));
  EXPECT_EQ(calls.size(), 2u);
  page.setActiveIndex(0);  // a program change calls no handler
  EXPECT_EQ(calls.size(), 2u);
}

TEST(Page, TableRows) {
  TRunPage page;
  EXPECT_EQ(get(page, "페이지위치"), "상단");
  EXPECT_EQ(page.sheetTop(), TRunPage::kSheetTopTabsAbove);
  page.SetItemProperty("페이지위치", "하단");
  EXPECT_EQ(page.tabPosition(), TabPosition::Bottom);
  EXPECT_EQ(get(page, "페이지위치"), "하단");
  EXPECT_EQ(page.sheetTop(), TRunPage::kSheetTopTabsBelow);
  page.SetItemProperty("페이지위치", "위쪽");
  EXPECT_EQ(page.tabPosition(), TabPosition::Bottom);
  page.SetItemProperty("다중페이지", "참");
  EXPECT_TRUE(page.multiLine());
  EXPECT_EQ(get(page, "다중페이지"), "참");
  page.SetItemProperty("부모바탕색", "참");
  EXPECT_EQ(get(page, "부모바탕색"), kPreset);
}

TEST(MediaPlayer, FileNameRowAndInvisibility) {
  TMediaPlayer player;
  EXPECT_FALSE(player.visible());
  EXPECT_EQ(player.className(), "TMediaPlayer");
  player.SetItemProperty("파일이름", "Sound\\종.wav");
  EXPECT_EQ(player.fileName(), "Sound\\종.wav");
  EXPECT_EQ(get(player, "파일이름"), "Sound\\종.wav");
  player.SetItemProperty("파일이름 ", "x");
  EXPECT_EQ(player.fileName(), "Sound\\종.wav");
}

}  // namespace
}  // namespace qav
