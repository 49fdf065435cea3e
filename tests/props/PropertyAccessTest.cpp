#include <gtest/gtest.h>

#include "items/controls/MediaPlayer.h"
#include "props/PropertyAccess.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

class PropertyAccess : public ScriptTest {
 protected:
  std::string get(std::string_view ref) { return Propertys(hub, ref); }
  void set(std::string_view ref, std::string_view v) { PropertySet(hub, ref, v); }
};

TEST_F(PropertyAccess, UnknownReferencesReadAsThemselves) {
  EXPECT_EQ(get("안녕"), "안녕");
  EXPECT_EQ(get(":없음"), ":없음");
  EXPECT_EQ(get("없는아이템:제목"), "없는아이템:제목");
  EXPECT_EQ(get("Button1:없는속성"), "Button1:없는속성");
  EXPECT_EQ(get("   "), "   ");
  EXPECT_EQ(get("a:b:c"), "a:b:c");
  button->values["제목"] = "확인";
  EXPECT_EQ(get("button1:제목"), "확인");
  // "이름" answers the qualifier as written.
  EXPECT_EQ(get("BUTTON1:이름"), "BUTTON1");
  EXPECT_EQ(get("Button1:제목 "), "Button1:제목 ");
}

TEST_F(PropertyAccess, NamespacesReadEmptyOutsideTheirRanges) {
  hub.settings()->setSystemValue(1, "s1");
  hub.settings()->setSystemValue(50, "s50");
  hub.settings()->setRegister(10, "r10");
  hub.settings()->setRegister(11, "r11");
  EXPECT_EQ(get("시스템:1"), "s1");
  EXPECT_EQ(get("시스템:50"), "s50");
  EXPECT_EQ(get("시스템:0"), "");
  EXPECT_EQ(get("시스템:51"), "");
  EXPECT_EQ(get("시스템:x"), "");
  EXPECT_EQ(get("레지스터:10"), "r10");
  EXPECT_EQ(get("레지스터:11"), "");
  EXPECT_EQ(get("데이타:이름"), "");

  set("레지스터:3", "무시");
  EXPECT_EQ(get("레지스터:3"), "");
  set("*레지스터:3", "셋");
  EXPECT_EQ(get("레지스터:3"), "셋");
  set("*레지스터:11", "x");
  EXPECT_EQ(hub.settings()->registerValue(11), "r11");
  set("시스템:50", "새값");
  set("시스템:51", "x");
  set("시스템:0", "x");
  EXPECT_EQ(get("시스템:50"), "새값");
}

TEST_F(PropertyAccess, DataRecordFieldsAndVariables) {
  auto& rec = hub.currentRecord();
  rec.names[0] = "이름";
  rec.names[4] = "이름";
  rec.names[1] = "나이";
  set("데이타:이름", "홍");
  EXPECT_EQ(rec.values[0], "홍");
  EXPECT_EQ(rec.values[4], "홍");
  rec.values[4] = "길동";
  EXPECT_EQ(get("데이타:이름"), "길동");  // the later slot wins
  EXPECT_EQ(get("데이타:주소"), "");

  hub.variables().declare("a");
  hub.variables().declare("a");
  set(":a", "1");
  EXPECT_EQ(get(":a"), "1");
  EXPECT_EQ(get("a"), "1");
  set("nobody", "x");
  EXPECT_EQ(get("nobody"), "nobody");
}

TEST_F(PropertyAccess, WindowRows) {
  auto& w = addWindow("Win1");
  w.setCaption("제목1");
  w.setBorderStyle(BorderStyle::Single);
  w.setColour(0x00FF0000);
  EXPECT_EQ(get("win1:이름"), "win1");
  EXPECT_EQ(get("Win1:제목"), "제목1");
  EXPECT_EQ(get("Win1:아이콘"), "TIcon");
  EXPECT_EQ(get("Win1:최소버튼"), "#Error");
  EXPECT_EQ(get("Win1:항상위"), "#Error");
  EXPECT_EQ(get("Win1:창상태"), "크기고정");
  EXPECT_EQ(get("Win1:바탕색"), "밝은파랑");
  w.setColour(0x00123456);
  EXPECT_EQ(get("Win1:바탕색"), "Win1:바탕색");
  w.setBorderStyle(BorderStyle::Dialog);
  EXPECT_EQ(get("Win1:창상태"), "Win1:창상태");

  set("Win1:창상태", "크기조절");
  EXPECT_EQ(w.borderStyle(), BorderStyle::Sizeable);
  set("Win1:창상태", "아무거나");
  EXPECT_EQ(w.borderStyle(), BorderStyle::Sizeable);
  set("Win1:바탕색", "보라색");
  EXPECT_EQ(w.colour(), 0x00FFFFFFu);
  set("Win1:커서", "손가락");
  EXPECT_EQ(get("Win1:커서"), "손가락");
  set("Win1:커서", "없는모양");
  EXPECT_EQ(w.cursor(), 0);
  set("Win1:이름", "Other");
  EXPECT_EQ(w.name(), "Win1");
  set("Win1:제목", "새 제목");
  EXPECT_EQ(w.caption(), "새 제목");
  EXPECT_THROW(set("Win1:아이콘", "/nonexistent.ico"), ItemError);
}

TEST_F(PropertyAccess, OnlyItemsWithTablesAreAsked) {
  auto& radio = add<FakeItem>("TNewRadioButton", "Radio1", std::set<std::string>{"표시"});
  radio.values["표시"] = "참";
  EXPECT_EQ(get("Radio1:표시"), "Radio1:표시");
  EXPECT_EQ(get("Radio1:이름"), "Radio1");
  set("Radio1:표시", "거짓");
  EXPECT_EQ(radio.writes, 0);
  auto& sound = addNamed<TMediaPlayer>("Sound1");
  set("Sound1:파일이름", "a.wav");
  EXPECT_EQ(sound.fileName(), "a.wav");
  EXPECT_EQ(get("Sound1:파일이름"), "a.wav");
}

}  // namespace
}  // namespace qav::testing
