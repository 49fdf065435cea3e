// The twin test: each scenario is played by `qav run --headless` and by `qav run` on the
// (offscreen) display, where the events go through the real widgets. Both must print the same
// lines, the trace of every script line included, and the lines must show what the scenario is
// about.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/ToolFixture.h"
#include "corpus/Fixture.h"

namespace qav::testing {
namespace {

using Lines = std::vector<std::string>;

struct Scenario {
  const char* title;
  std::vector<std::pair<std::string, Lines>> scripts;  // item or window name, its script
  Lines answers, events;
  Lines mustShow;  // texts that some output line contains
};

const std::vector<Scenario> kScenarios = {
    {"every dialog kind",
     {{"Run",
       {"입력 이름?", "메세지 레지스터:1", "메세지버튼 저장? - yes no cancel", "메세지 레지스터:2",
        "창보이기 Nobody"}}},
     {"text:홍길동", "Ok", "No", "Ok", "Ok", "No"},
     {"click:Run", "close:Main"},
     {R"({"line":1,"text":"입력 이름?","trace":"Run"})", R"("dialog":"input")",
      R"("text":"홍길동")", R"("answer":"No","buttons":["Yes","No","Cancel"])",
      R"("dialog":"error")", R"("answer":"No","buttons":["Yes","No"])"}},
    {"typing through the key filters, Backspace and Enter",
     {{"Run",
       {"정의 Edit:입력형태 = 숫자", "정의 Edit:최대값 = 100", "정의 Edit:문자열 = 1",
        "정의 Memo:최대줄 = 2", "정의 Combo:직접입력 = 거짓"}},
      {"Memo", {"문자열줄수 Memo", "메세지 lines ~ 레지스터:4"}},
      {"Combo", {"메세지 typed"}}},
     {},
     {"click:Run", "type:Edit:0a05\\b0-", "print:Edit:문자열", "type:Memo:ab\\b\\nc",
      "type:Combo:가\\b"},
     {R"("value":"100")", "lines3", "typed"}},
    {"refused actions",
     {{"Run",
       {"정의 Other:접근 = 거짓", "정의 Third:존재 = 거짓", "정의 Edit:읽기전용 = 참",
        "정의 Check1:접근 = 거짓"}},
      {"Other", {"메세지 other"}}},
     {},
     {"click:Run", "click:Other", "click:Third", "type:Edit:x", "click:Check1", "click:Close",
      "select:Combo:1", "activate:Second"},
     {R"("why":"disabled")", R"("why":"hidden")", R"("why":"read-only")", R"("why":"no-window")",
      R"({"refused":"click:Close","why":"no-window"})"}},
    {"dropped events and activation after a window is shown by a script",
     {{"Run", {"창보이기 Second Y", "메세지 back"}},
      {"Second", {"메세지 second active"}},
      {"Close", {"창감추기 Second"}}},
     {},
     {"click:Run", "click:Run", "click:Close", "close:Second", "click:Other"},
     {R"({"dropped":"activate:Second"})", R"({"dropped":"click:Run"})",
      R"({"dropped":"click:Close"})", "back"}},
    {"activation after the data menu's messages",
     {{"Main", {"메세지 main active"}}},
     {},
     {"menu:N7", "menu:N6", "menu:N2", "activate:Main"},
     {"main active", R"("window":"About")"}},
    {"tabs and list clicks (the same entry twice)",
     {{"Pages", {"현재아이템 Pages", "메세지 tab ~ 레지스터:7"}},
      {"List", {"현재아이템 List", "메세지 list ~ 레지스터:7"}},
      {"Combo", {"현재아이템 Combo", "메세지 combo ~ 레지스터:7"}}},
     {},
     {"page:Pages:2", "page:Pages:1", "select:List:2", "select:List:2", "select:Combo:3"},
     {"tab소개", "list배", "combo다"}},
    {"check boxes, radio buttons, timers and alarms",
     {{"Check1", {"메세지 one ~ Check1:표시"}},
      {"Check3", {"메세지 three"}},
      {"Radio", {"메세지 radio"}},
      {"Timer", {"메세지 tick ~ 시스템:시간"}}},
     {},
     {"click:Check1", "click:Check3", "click:Radio", "clock:2024-03-15 10:20:30", "tick:Timer",
      "tick:Alarm", "click:Label", "click:Image"},
     {"one참", "three", "radio", "tick"}},
    {"lines added by a script, then picked; the items of a window shown for the first time",
     {{"Run",
       {"문자열추가 List 넷째", "문자열추가 Memo 끝줄", "문자열줄수 Memo",
        "메세지 memo ~ 레지스터:4", "창보이기 Second"}},
      {"List", {"현재아이템 List", "메세지 list ~ 레지스터:7"}},
      {"Close", {"메세지 closing", "창감추기 Second"}}},
     {},
     {"click:Run", "select:List:4", "click:Close", "click:Close"},
     {"memo3", "list넷째", "closing", R"({"refused":"click:Close","why":"no-window"})"}},
};

class Twin : public qavtest::ToolTest {
 protected:
  static void SetUpTestSuite() { setenv("QT_QPA_PLATFORM", "offscreen", 1); }
};

TEST_F(Twin, BothFrontEndsPrintTheSameLines) {
  for (const Scenario& s : kScenarios) {
    SCOPED_TRACE(s.title);
    ProjectBuilder project = corpusProject();
    for (const auto& [name, lines] : s.scripts) ASSERT_TRUE(attachScript(project, name, lines));
    const std::string program = project.writeProgram(dir_.string());
    std::vector<std::string> args{"run", "--trace"};
    for (const auto& a : s.answers) args.insert(args.end(), {"--answer", a});
    for (const auto& e : s.events) args.insert(args.end(), {"--event", e});
    args.push_back(program);
    const qavtest::Result display = run(args);
    args.insert(args.begin() + 1, "--headless");
    const qavtest::Result headless = run(args);
    EXPECT_EQ(headless.exitCode, 0) << headless.err;
    EXPECT_EQ(display.exitCode, 0) << display.err;
    EXPECT_EQ(display.out, headless.out);
    for (const std::string& text : s.mustShow)
      EXPECT_NE(headless.out.find(text), std::string::npos) << text << "\n" << headless.out;
  }
}

}  // namespace
}  // namespace qav::testing
