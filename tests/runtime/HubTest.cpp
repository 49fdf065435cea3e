#include <gtest/gtest.h>

#include "items/Ivent.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/RunAlarm.h"
#include "props/PropertyAccess.h"
#include "runtime/ComponentList.h"
#include "stream/LoadError.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

TEST(Names, CutNameDropsTheFiveCharacterPrefix) {
  EXPECT_EQ(CutName("LabelLabel1"), "Label1");
  EXPECT_EQ(CutName("PanelAbcdefg"), "Abcdefg");  // 12 characters give the last 7
  EXPECT_EQ(CutName("Panel"), "");
  EXPECT_EQ(CutName("Pan"), "");
  std::string long120 = "Xxxxx" + std::string(115, 'a');
  EXPECT_EQ(CutName(long120), std::string(100, 'a'));
}

TEST(Names, NamesAreUniqueIdentifiersWithoutRegardToCase) {
  ComponentList list;
  auto make = [](std::string name) {
    auto c = std::make_unique<TIvent>();
    c->setName(std::move(name));
    return c;
  };
  list.addNamed(make("Edit1"));
  EXPECT_THROW(list.addNamed(make("")), LoadError);  // an empty name is no identifier
  EXPECT_THROW(list.addNamed(make("EDIT1")), LoadError);
  EXPECT_THROW(list.addNamed(make("1abc")), LoadError);
  EXPECT_THROW(list.addNamed(make("가나")), LoadError);
  EXPECT_THROW(list.addNamed(make("a-b")), LoadError);
  try {
    list.addNamed(make("edit1"));
    FAIL();
  } catch (const LoadError& e) {
    EXPECT_NE(std::string(e.what()).find("edit1"), std::string::npos);
  }
  Component& c = list.addNamed(make("_x9"));
  list.rename(c, "_X9");  // a component may keep its own name in another case
  EXPECT_THROW(list.rename(c, "Edit1"), LoadError);
  EXPECT_EQ(list.find("_x9"), &c);
  EXPECT_EQ(list.size(), 2u);
}

TEST(Names, LookupFindsTheLastMatchWhateverTheCase) {
  ComponentList list;
  auto& a = list.add(std::make_unique<TIvent>());
  list.rename(a, "abc");
  auto upper = std::make_unique<TIvent>();
  upper->setName("ABC");
  auto& b = list.add(std::move(upper));  // the unchecked form lets names differ only by case
  list.add(std::make_unique<TIvent>());
  EXPECT_EQ(list.find("Abc"), &b);
  EXPECT_EQ(list.find("abc"), &b);
  EXPECT_EQ(list.find("abd"), nullptr);
  list.rename(b, "Other");
  EXPECT_EQ(list.find("ABC"), &a);
  EXPECT_EQ(list.find("other"), &b);
}

using Hub = ScriptTest;

TEST_F(Hub, MainWindowNameTakesPrecedence) {
  hub.mainWindow().setName("Start");
  auto& item = add<FakeItem>("TNewLabel", "start");
  EXPECT_EQ(hub.FindControl("START"), &hub.mainWindow());
  EXPECT_EQ(hub.FindControl("button1"), button);
  hub.mainWindow().setName("Main2");
  EXPECT_EQ(hub.FindControl("START"), &item);
  EXPECT_EQ(hub.FindControl("nothing"), nullptr);
}

// An edit field whose text writes raise its change event, as a live field does.
class RaisingEdit : public FakeItem {
 public:
  explicit RaisingEdit(std::string name = "Edit2")
      : FakeItem("TNewEdit", std::move(name), {"문자열"}) {}
  void setOwnProperty(std::string_view n, std::string_view v) override {
    FakeItem::setOwnProperty(n, v);
    fire();
  }
};

TEST_F(Hub, EventsArrivingWhileAScriptRunsAreDropped) {
  std::vector<std::string> dropped;
  hub.setDropListener([&](const std::string& n) { dropped.push_back(n); });
  auto& raising = add<RaisingEdit>();
  hub.bind(raising);
  raising.setEventSlot(3, {"선언 z", "정의 z = 돌았음"});
  run({"선언 a", "정의 Edit2:문자열 = 새글", "정의 a = 끝"});
  EXPECT_EQ(raising.values["문자열"], "새글");
  EXPECT_EQ(var("a"), "끝");
  EXPECT_EQ(var("z"), "<undeclared>");
  EXPECT_EQ(dropped, std::vector<std::string>{"Edit2"});
  EXPECT_EQ(hub.EventSourceName(), "Button1");
  // A field whose change script is missing or blank is dropped just the same, but as it
  // would have run nothing, nobody is told.
  auto& silent = add<RaisingEdit>("Edit3");
  hub.bind(silent);
  silent.setEventSlot(3, {"", "  "});
  run({"정의 Edit3:문자열 = 조용", "정의 Edit2:문자열 = 또"});
  EXPECT_EQ(silent.values["문자열"], "조용");
  EXPECT_EQ(dropped, (std::vector<std::string>{"Edit2", "Edit2"}));
  // Outside a run the same event runs, and its script sees its own name.
  raising.fire();
  EXPECT_EQ(var("z"), "돌았음");
  EXPECT_EQ(hub.EventSourceName(), "Edit2");
}

// A platform on which the user goes on clicking while a message box waits for an answer.
class BusyUserPlatform : public HeadlessPlatform {
 public:
  Button messageBox(DialogKind kind, std::string_view caption, std::string_view text,
                    Buttons buttons) override {
    if (whileShown) whileShown();
    return HeadlessPlatform::messageBox(kind, caption, text, buttons);
  }
  std::function<void()> whileShown;
};

TEST(Dispatch, ClicksWhileATimersMessageWaitsAreLostForGood) {
  BusyUserPlatform platform;
  qav::Hub hub{platform};
  hub.setSettings(std::make_unique<MainData>());
  auto add = [&](std::string cls, std::string name) -> FakeItem& {
    auto p = std::make_unique<FakeItem>(std::move(cls), std::move(name));
    FakeItem& ref = *p;
    hub.components().add(std::move(p));
    hub.bind(ref);
    return ref;
  };
  FakeItem& timer = add("TRunTimer", "Timer1");
  FakeItem& button = add("TNewButton", "Button1");
  timer.setEventSlot(5, {"메세지 알림", "정의 *레지스터:1 = :없음 ~ 타이머"});
  button.setEventSlot(2, {"정의 *레지스터:2 = 버튼"});
  platform.whileShown = [&] {
    button.fire();
    timer.fire();  // a tick of the timer itself is lost as well
  };
  timer.fire();
  EXPECT_EQ(hub.settings()->registerValue(1), ":없음타이머");
  EXPECT_EQ(hub.settings()->registerValue(2), "");
  EXPECT_FALSE(hub.ScriptRunning());
  // Nothing was kept to be replayed; a later click runs normally.
  platform.whileShown = nullptr;
  button.fire();
  EXPECT_EQ(hub.settings()->registerValue(2), "버튼");
  EXPECT_EQ(hub.EventSourceName(), "Button1");
}

TEST_F(Hub, ScriptsArePickedByTheSendersClass) {
  auto& timer = add<FakeItem>("TRunTimer", "Timer1");
  timer.setEventSlot(5, {"선언 t", "정의 t = 틱"});
  timer.setEventSlot(3, {"선언 t", "정의 t = 틀림"});
  hub.IventClick(timer);
  EXPECT_EQ(var("t"), "틱");
  EXPECT_EQ(hub.EventSourceName(), "Timer1");

  auto& w = addWindow("Win2");
  auto holder = std::make_unique<TIvent>();
  holder->setName("Ivent_Win2");
  holder->setData({"선언 w", "정의 w = 활성"});
  hub.components().add(std::move(holder));
  hub.IventClick(w);
  EXPECT_EQ(var("w"), "활성");

  // A class without a script row runs nothing and reports nothing.
  auto& box = add<FakeItem>("TBox", "Box1");
  box.setEventSlot(2, {"선언 b"});
  hub.IventClick(box);
  EXPECT_EQ(hub.variables().count(), 0);
  EXPECT_EQ(hub.EventSourceName(), "Box1");
  EXPECT_TRUE(platform.log().empty());
}

TEST_F(Hub, CheckBoxGroupsStayExclusiveOnTheirWindow) {
  auto& w1 = addWindow("W1");
  auto& w2 = addWindow("W2");
  auto box = [&](std::string name, WindowModel* w, int group, bool only) -> TNewCheckBox& {
    auto& b = addNamed<TNewCheckBox>(std::move(name));
    b.setParentWindow(w);
    b.setGroup(group);
    b.setOnly(only);
    b.SetItemProperty("표시", "참");
    return b;
  };
  auto& a = box("A", &w1, 1, true);
  auto& b = box("B", &w1, 1, true);
  auto& plain = box("C", &w1, 1, false);
  auto& otherGroup = box("D", &w1, 2, true);
  auto& otherWindow = box("E", &w2, 1, true);
  int raised = 0;
  for (TNewCheckBox* c : {&a, &b, &plain, &otherGroup, &otherWindow})
    c->setHandler([&](ItemModel&) { ++raised; });
  auto shown = [&](TNewCheckBox& c) { return Propertys(hub, c.name() + ":표시"); };
  plain.setIvent(3, {"선언 c"});
  hub.bind(plain);
  hub.IventClick(plain);
  EXPECT_EQ(shown(a), "거짓");
  EXPECT_EQ(shown(b), "거짓");
  EXPECT_EQ(shown(plain), "참");
  EXPECT_EQ(shown(otherGroup), "참");
  EXPECT_EQ(shown(otherWindow), "참");
  EXPECT_EQ(hub.variables().count(), 1);  // the clicked box's script ran after the rule

  hub.bind(a);
  a.SetItemProperty("표시", "거짓");  // clicking an exclusive box cannot clear it
  b.SetItemProperty("표시", "참");
  raised = 0;
  hub.IventClick(a);
  EXPECT_EQ(shown(a), "참");
  EXPECT_EQ(shown(b), "거짓");
  EXPECT_EQ(raised, 0);  // the rule's own writes raised no events
  // The handlers are attached again afterwards.
  b.fire();
  EXPECT_EQ(raised, 1);
}

TEST_F(Hub, OnlyBoxesMarked유일AreUntickedByTheirGroup) {
  auto& w = addWindow("W");
  auto box = [&](std::string name, bool only) -> TNewCheckBox& {
    auto& b = addNamed<TNewCheckBox>(std::move(name));
    b.setParentWindow(&w);
    b.setGroup(1);
    b.setOnly(only);
    b.SetItemProperty("표시", "참");
    hub.bind(b);
    return b;
  };
  auto& exclusive = box("A", true);
  box("B", false);
  hub.IventClick(exclusive);
  EXPECT_EQ(Propertys(hub, "B:표시"), "참");
}

TEST_F(Hub, AlarmsFireOnceInTheirSecond) {
  auto& alarm = addNamed<TRunAlarm>("Alarm1");
  alarm.SetItemProperty("작동날짜", "2024-03-05");
  alarm.SetItemProperty("작동시간", "09:30:00");
  alarm.setIvent(5, {"선언 n"});
  hub.bind(alarm);
  int runs = 0;
  auto tick = [&](text::DateTime t) {
    platform.setClock(t);
    hub.variables().clear();
    hub.OnAlarm(alarm);
    if (hub.variables().count() == 1) {
      ++runs;
      EXPECT_EQ(hub.EventSourceName(), "Alarm1");
    }
  };
  tick({2024, 3, 5, 9, 29, 59, 900});
  EXPECT_EQ(runs, 0);
  tick({2024, 3, 5, 9, 30, 0, 0});
  EXPECT_EQ(runs, 1);
  tick({2024, 3, 5, 9, 30, 0, 999});  // a second tick in the same second
  EXPECT_EQ(runs, 1);
  tick({2024, 3, 6, 9, 30, 0, 0});  // another day
  EXPECT_EQ(runs, 1);
  alarm.SetItemProperty("작동간격", "매일");
  tick({2024, 3, 7, 9, 30, 0, 10});
  EXPECT_EQ(runs, 2);
  tick({2024, 3, 7, 9, 30, 1, 0});
  EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace qav::testing
