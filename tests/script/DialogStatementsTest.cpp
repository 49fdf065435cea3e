// Dialogs, windows and sounds driven by scripts on the headless platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "items/controls/MediaPlayer.h"
#include "support/ProjectBuilder.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

class Dialogs : public ScriptTest {
 protected:
  std::string reg(int n) { return hub.settings()->registerValue(n); }
  // The dialogs shown, in order, without the error reports.
  std::vector<nlohmann::json> dialogs() const {
    std::vector<nlohmann::json> out;
    for (const auto& e : platform.log())
      if (e.contains("dialog") && e["dialog"] != "error") out.push_back(e);
    return out;
  }
  std::vector<nlohmann::json> windowActions() const {
    std::vector<nlohmann::json> out;
    for (const auto& e : platform.log())
      if (e.contains("window")) out.push_back(e);
    return out;
  }
};

TEST_F(Dialogs, InputBoxFillsRegisterOneOrEmptiesItOnCancel) {
  platform.queueAnswer("text:홍길동");
  run({"선언 p", "정의 p = 이름", "입력 :p ~ 을 입력하세요"});
  auto d = dialogs();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0]["dialog"], "input");
  EXPECT_EQ(d[0]["caption"], "입력창");
  EXPECT_EQ(d[0]["text"], "이름을 입력하세요");
  EXPECT_EQ(reg(1), "홍길동");

  platform.queueAnswer("Cancel");
  run({"입력 이름을 입력하세요"});
  EXPECT_EQ(reg(1), "");
  EXPECT_TRUE(errors().empty());
}

TEST_F(Dialogs, MessageShowsTheEvaluatedWordsWithOk) {
  run({"메세지 가 ~ #13 ~ 나", "메세지   안녕   하세요  "});
  auto d = dialogs();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0]["dialog"], "message");
  EXPECT_EQ(d[0]["caption"], "QAV Maker");
  EXPECT_EQ(d[0]["text"], "가\r나");
  EXPECT_EQ(d[0]["buttons"], nlohmann::json({"Ok"}));
  EXPECT_EQ(d[1]["text"], "안녕 하세요");
}

TEST_F(Dialogs, MessageButtonsShowsTheChosenButtonsAndKeepsTheAnswer) {
  platform.queueAnswer("Cancel");
  run({"메세지버튼 저장할까요? - yes no cancel"});
  auto d = dialogs();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0]["dialog"], "information");
  EXPECT_EQ(d[0]["text"], "저장할까요?");
  EXPECT_EQ(d[0]["buttons"], nlohmann::json({"Yes", "No", "Cancel"}));
  EXPECT_EQ(reg(2), "Cancel");

  // The toolkit's order, whatever the script's; letter case does not matter; the message
  // is every word before the "-", evaluated.
  platform.queueAnswer("ok");
  run({"메세지버튼 계속 ~ 할까요? - CANCEL Ok", "메세지버튼 a - b - Retry ALL abort Ignore YES"});
  d = dialogs();
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[1]["text"], "계속할까요?");
  EXPECT_EQ(d[1]["buttons"], nlohmann::json({"Ok", "Cancel"}));
  EXPECT_EQ(d[2]["text"], "a-b");
  EXPECT_EQ(d[2]["buttons"], nlohmann::json({"Yes", "Abort", "Retry", "Ignore", "All"}));
  EXPECT_EQ(reg(2), "Yes");  // no answer left: the first button

  // Without a "-" every word is a candidate button and the message is empty.
  run({"메세지버튼 No 무엇"});
  d = dialogs();
  ASSERT_EQ(d.size(), 4u);
  EXPECT_EQ(d[3]["text"], "");
  EXPECT_EQ(d[3]["buttons"], nlohmann::json({"No"}));
  EXPECT_EQ(reg(2), "No");
  EXPECT_TRUE(errors().empty());
}

TEST_F(Dialogs, MessageButtonsWithoutButtonsOrMessageReports) {
  hub.settings()->setRegister(2, "before");
  run({"메세지버튼 - ok", "메세지버튼 계속? - 확인", "메세지버튼", "메세지버튼 계속? -"});
  EXPECT_EQ(errors(), (std::vector<std::string>{
                          "출력할 메세지가 없습니다.", "지정한 버튼이 하나도 없습니다.",
                          "지정한 버튼이 하나도 없습니다.", "지정한 버튼이 하나도 없습니다."}));
  EXPECT_TRUE(dialogs().empty());
  EXPECT_EQ(reg(2), "before");
}

TEST_F(Dialogs, ShowWindowWaitsForAModalWindowAndDropsItsEvents) {
  WindowModel& w = addWindow("창2");
  auto& other = add<FakeItem>("TNewButton", "확인버튼", std::set<std::string>{"제목"});
  other.setParentWindow(&w);
  other.setEventSlot(2, {"정의 Button1:제목 = 눌림"});
  std::vector<std::string> seen, dropped;
  hub.setDropListener([&](const std::string& n) { dropped.push_back(n); });
  int step = 0;
  platform.setEventPump([&] {
    // While the window waits the calling script has not gone on, and the window's own
    // items cannot run their scripts.
    seen.push_back(button->values["제목"]);
    if (step++ == 0) {
      hub.IventClick(other);
      return true;
    }
    platform.closeWindow(w);
    return true;
  });
  run({"정의 Button1:제목 = 전", "창보이기 창2 y", "정의 Button1:제목 = Button1:제목 ~ 후"});
  EXPECT_EQ(seen, (std::vector<std::string>{"전", "전"}));
  EXPECT_EQ(dropped, std::vector<std::string>{"확인버튼"});
  EXPECT_EQ(button->values["제목"], "전후");
  EXPECT_TRUE(w.modalMark());
  EXPECT_FALSE(w.visible());
  EXPECT_FALSE(hub.ScriptRunning());

  // The modal mark decides how the window goes away: closed after a modal display...
  platform.setEventPump(nullptr);
  run({"창보이기 창2 Y"});
  run({"창감추기 창2"});
  auto a = windowActions();
  ASSERT_GE(a.size(), 3u);
  EXPECT_EQ(a[a.size() - 3]["action"], "show-modal");
  EXPECT_EQ(a.back()["action"], "close");

  // ...hidden after a plain one, and the script goes on at once.
  run({"창보이기 창2", "정의 Button1:제목 = 보임"});
  EXPECT_TRUE(w.visible());
  EXPECT_FALSE(w.modalMark());
  EXPECT_EQ(button->values["제목"], "보임");
  run({"창감추기 창2"});
  a = windowActions();
  EXPECT_EQ(a[a.size() - 2]["action"], "show");
  EXPECT_EQ(a.back()["action"], "hide");
  EXPECT_FALSE(w.visible());

  // A window already on screen still becomes modal when the script asks to wait for it.
  run({"창보이기 창2", "창보이기 창2 Y"});
  a = windowActions();
  EXPECT_EQ(a[a.size() - 2]["action"], "show-modal");
  EXPECT_EQ(a.back()["action"], "close");
  EXPECT_TRUE(w.modalMark());
  EXPECT_TRUE(errors().empty());
}

TEST_F(Dialogs, WindowStatementsAcceptOnlyWindows) {
  addWindow("창2");
  run({"선언 n", "정의 n = 창 ~ 2", "창보이기 :n", "창감추기 CHANGE", "창보이기 Button1",
       "창감추기 Button1", "창보이기 main"});
  EXPECT_EQ(errors(),
            (std::vector<std::string>{"화면 아이템이 아닙니다.", "화면 아이템이 아닙니다.",
                                      "화면 아이템이 아닙니다."}));
  auto a = windowActions();
  ASSERT_EQ(a.size(), 2u);
  EXPECT_EQ(a[0]["window"], "창2");
  EXPECT_EQ(a[1]["window"], "Main");
}

TEST_F(Dialogs, PlayStartsTheSoundItemsFileAndGoesOn) {
  // The file beside the program; a file that cannot be opened is a script error naming it.
  TempDir dir;
  std::filesystem::create_directory(dir.path() + "/Sound");
  std::ofstream(dir.path() + "/Sound/Ding.wav") << "RIFF";
  platform.setProgramPath(dir.path() + "/program");
  auto& sound = addNamed<TMediaPlayer>("소리1");
  sound.setFileName("Sound\\Ding.wav");
  addNamed<TMediaPlayer>("소리2");
  addNamed<TMediaPlayer>("소리3").setFileName("없는.wav");
  run({"작동 소리1", "작동 소리2", "작동 Button1", "작동 없는것", "작동 소리3",
       "정의 Button1:제목 = 끝"});
  EXPECT_EQ(errors(),
            (std::vector<std::string>{"파일이름이 지정되지 않았습니다.",
                                      "작동을 시킬 수 있는 아이템이 아닙니다.",
                                      "작동을 시킬 수 있는 아이템이 아닙니다.",
                                      "파일을 열 수 없습니다: " + dir.path() + "/없는.wav"}));
  std::vector<std::string> sounds;
  for (const auto& e : platform.log())
    if (e.contains("sound")) sounds.push_back(e["sound"]);
  ASSERT_EQ(sounds.size(), 1u);
  EXPECT_NE(sounds[0].find("Sound/Ding.wav"), std::string::npos);
  EXPECT_EQ(button->values["제목"], "끝");
}

}  // namespace
}  // namespace qav::testing
