#include <gtest/gtest.h>

#include "items/controls/MediaPlayer.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

class Dialogs : public ScriptTest {
 protected:
  std::string reg(int n) { return hub.settings()->registerValue(n); }
  const nlohmann::json& last() { return platform.log().back(); }
};

TEST_F(Dialogs, MessagesAndInputAnswerThroughRegisters) {
  run({"메세지 가 ~ #13 ~ 나"});
  EXPECT_EQ(last()["dialog"], "message");
  EXPECT_EQ(last()["text"], "가\r나");
  EXPECT_EQ(last()["caption"], "QAV Maker");

  platform.queueAnswer("text:홍길동");
  run({"입력 이름을   입력하세요"});
  EXPECT_EQ(last()["dialog"], "input");
  EXPECT_EQ(last()["caption"], "입력창");
  EXPECT_EQ(last()["text"], "이름을 입력하세요");
  EXPECT_EQ(reg(1), "홍길동");
  platform.queueAnswer("Cancel");
  run({"입력 다시"});
  EXPECT_EQ(reg(1), "");

  platform.queueAnswer("cancel");
  run({"메세지버튼 저장할까요? - yes NO Cancel"});
  EXPECT_EQ(last()["dialog"], "information");
  EXPECT_EQ(last()["buttons"], nlohmann::json({"Yes", "No", "Cancel"}));
  EXPECT_EQ(last()["text"], "저장할까요?");
  EXPECT_EQ(reg(2), "Cancel");
  run({"메세지버튼 계속? - ok cancel"});  // no answer left: the first button
  EXPECT_EQ(reg(2), "Ok");
  run({"메세지버튼 - ok", "메세지버튼 계속? - 확인", "메세지버튼 ok"});
  auto e = errors();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0], "출력할 메세지가 없습니다.");
  EXPECT_EQ(e[1], "지정한 버튼이 하나도 없습니다.");
  EXPECT_EQ(last()["text"], "");  // no "-": every token was a button word, no message
}

TEST_F(Dialogs, ListStatementsWorkOnMemosListsAndCombos) {
  auto& list = addNamed<TRunListBox>("List1");
  list.setItems({"a", "b", "c"});
  run({"문자열검색 List1 B", "문자열삭제 List1 1", "문자열줄수 List1"});
  EXPECT_EQ(reg(3), "2");
  EXPECT_EQ(list.items(), (std::vector<std::string>{"b", "c"}));
  EXPECT_EQ(reg(4), "2");
  run({"현재아이템 List1"});
  EXPECT_EQ(reg(6), "0");
  EXPECT_EQ(reg(7), "");
  list.userSelect(1);
  run({"현재아이템 List1", "문자열검색 List1 없음"});
  EXPECT_EQ(reg(6), "2");
  EXPECT_EQ(reg(7), "c");
  EXPECT_EQ(reg(3), "0");

  auto& memo = addNamed<TNewMemo>("Memo1");
  auto& combo = addNamed<TRunComboBox>("Combo1");
  run({"문자열추가 Memo1 첫 줄", "문자열추가 Combo1 x", "문자열모두삭제 List1"});
  EXPECT_EQ(memo.lines(), std::vector<std::string>{"첫 줄"});
  EXPECT_EQ(combo.items(), std::vector<std::string>{"x"});
  EXPECT_TRUE(list.items().empty());
  EXPECT_TRUE(errors().empty());

  run({"문자열추가 Button1 x", "문자열삭제 List1 x", "현재아이템 Memo1", "문자열삭제 Memo1 5"});
  auto e = errors();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0], "문자열 처리가 가능한 아이템이 아닙니다.");
  EXPECT_EQ(e[1], "삭제 라인은 숫자로 정의되어야 합니다.");
  EXPECT_EQ(e[2], "현재 아이템 조회 처리가 가능한 아이템이 아닙니다.");
  EXPECT_EQ(e[3], "List index out of bounds (5)");
  EXPECT_FALSE(hub.ScriptRunning());
}

TEST_F(Dialogs, WindowsShowHideAndWaitModally) {
  auto& w = addWindow("Win2");
  run({"창보이기 Win2", "창감추기 Win2"});
  ASSERT_EQ(platform.log().size(), 2u);
  EXPECT_EQ(platform.log()[0], (nlohmann::json{{"window", "Win2"}, {"action", "show"}}));
  EXPECT_EQ(platform.log()[1]["action"], "hide");

  // A modal window keeps the script waiting while user events go on; they are dropped.
  std::vector<std::string> dropped;
  hub.setDropListener([&](const std::string& n) { dropped.push_back(n); });
  int pumped = 0;
  platform.setEventPump([&] {
    ++pumped;
    if (pumped == 1) {
      hub.IventClick(*button);  // the user clicks a button meanwhile
      return true;
    }
    platform.closeWindow(w);
    return true;
  });
  run({"선언 a", "창보이기 Win2 y", "정의 a = 돌아옴"});
  EXPECT_EQ(var("a"), "돌아옴");
  EXPECT_EQ(pumped, 2);
  EXPECT_EQ(dropped, std::vector<std::string>{"Button1"});
  EXPECT_TRUE(w.modalMark());
  // Hiding a window shown modally closes it.
  w.setVisible(true);
  run({"창감추기 Win2"});
  EXPECT_EQ(platform.log().back()["action"], "close");
  run({"창보이기 Button1"});
  w.setVisible(true);
  run({"창보이기 Win2 Y"});
  auto e = errors();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0], "화면 아이템이 아닙니다.");
  EXPECT_EQ(e[1], "Cannot make a visible window modal");
}

TEST_F(Dialogs, SoundItemsPlayTheirFile) {
  auto& sound = addNamed<TMediaPlayer>("Sound1");
  run({"작동 Sound1", "작동 Button1"});
  auto e = errors();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0], "파일이름이 지정되지 않았습니다.");
  EXPECT_EQ(e[1], "작동을 시킬 수 있는 아이템이 아닙니다.");
  sound.setFileName("/tmp/없는소리.wav");
  run({"작동 Sound1"});
  EXPECT_EQ(platform.log().back(), (nlohmann::json{{"sound", "/tmp/없는소리.wav"}}));
}

}  // namespace
}  // namespace qav::testing
