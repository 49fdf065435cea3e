#include <gtest/gtest.h>

#include <utility>

#include "items/controls/NewLabel.h"
#include "lang/Texts.h"
#include "script/Interpreter.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

using Flow = ScriptTest;

TEST_F(Flow, DeclarationsLastOneRunAndReportDuplicates) {
  run({"선언 a b a", "정의 a = 1"});
  EXPECT_EQ(hub.variables().count(), 2);
  EXPECT_EQ(var("a"), "1");
  EXPECT_EQ(var("b"), "");
  EXPECT_EQ(errors(), std::vector<std::string>{"이미 선언되어 있는 변수 입니다."});
  // The next run starts with no variables: the reference reads as itself.
  run({"선언 c", "정의 c = :a"});
  EXPECT_EQ(var("c"), ":a");
  EXPECT_EQ(var("a"), "<undeclared>");
  run({"선언", "선언 :a"});
  EXPECT_EQ(hub.variables().count(), 1);
  EXPECT_EQ(hub.variables().at(1).name, ":a");
}

TEST_F(Flow, ConditionsChooseBranches) {
  run({"선언 a r", "정의 a = 1", "비교 :a = 1 이면", "정의 r = 참쪽", "비교가틀리면",
       "정의 r = 거짓쪽", "비교끝"});
  EXPECT_EQ(var("r"), "참쪽");
  run({"선언 a r", "정의 a = 2", "비교 :a = 1 이면", "정의 r = 참쪽", "비교가틀리면",
       "정의 r = 거짓쪽", "비교끝"});
  EXPECT_EQ(var("r"), "거짓쪽");
  // Chains go strictly left to right: (false or true) and false.
  run({"선언 a b r", "정의 a = 1", "정의 b = 5", "정의 r = 아니오",
       "비교 :a = 2 이거나 :b > 3 이고 :b < 5 이면", "정의 r = 예", "비교끝"});
  EXPECT_EQ(var("r"), "아니오");
  run({"선언 a b r", "정의 a = 1", "정의 b = 5", "정의 r = 아니오",
       "비교 :a = 2 이거나 :b >= 5 이면", "정의 r = 예", "비교끝"});
  EXPECT_EQ(var("r"), "예");
  // A condition run again reads its operators and connectors as it did the first time.
  run({"선언 b r", "반복 b = 1 to 4", "비교 :b > 1 이고 :b < 3 이거나 :b = 4 이면",
       "정의 r = :r ~ :b", "비교끝", "반복끝"});
  EXPECT_EQ(var("r"), "24");
  // Texts compare trimmed; a right operand of several words is one expression.
  run({"선언 s r", "정의 s = 안녕 하세요", "비교 s = 안녕 하세요 이면", "정의 r = 같음", "비교끝"});
  EXPECT_EQ(var("r"), "같음");
  // The left operand is always a reference.
  run({"선언 a r", "정의 a = 1", "정의 r = 아니오", "비교 1 = :a 이면", "정의 r = 예", "비교끝"});
  EXPECT_EQ(var("r"), "아니오");
  EXPECT_TRUE(errors().empty());
}

TEST_F(Flow, EveryComparisonSpellingHoldsOnItsSideOfTheBoundary) {
  // Whether 4, 5 and 6 compare true with 5.
  const struct {
    const char* op;
    const char* holds;
  } cases[] = {{"=", "FTF"},  {"<>", "TFT"}, {"><", "TFT"}, {">", "FFT"}, {"<", "TFF"},
               {">=", "FTT"}, {"=>", "FTT"}, {"<=", "TTF"}, {"=<", "TTF"}};
  for (const auto& c : cases) {
    std::string holds;
    for (const char* a : {"4", "5", "6"}) {
      run({"선언 a r", std::string("정의 a = ") + a, "정의 r = F",
           std::string("비교 :a ") + c.op + " 5 이면", "정의 r = T", "비교끝"});
      holds += var("r");
    }
    EXPECT_EQ(holds, c.holds) << c.op;
  }
  EXPECT_TRUE(errors().empty());
}

TEST_F(Flow, BlocksInsideSkippedBranchesKeepTheirOwnBranches) {
  // Each branch appends its mark to r.
  const std::vector<std::string> nested = {
      "비교 :a = 1 이면", "비교 :b = 1 이면", "정의 r = :r ~ IT", "비교가틀리면",
      "정의 r = :r ~ IE", "비교끝",           "비교가틀리면",     "정의 r = :r ~ OE",
      "비교 :b = 1 이면", "정의 r = :r ~ BT", "비교가틀리면",     "정의 r = :r ~ BE",
      "비교끝",           "비교끝",           "정의 r = :r ~ Z"};
  const struct {
    const char *a, *b, *marks;
  } cases[] = {{"0", "0", "OEBEZ"}, {"0", "1", "OEBTZ"}, {"1", "0", "IEZ"}, {"1", "1", "ITZ"}};
  for (const auto& c : cases) {
    std::vector<std::string> script = {"선언 a b r", std::string("정의 a = ") + c.a,
                                       std::string("정의 b = ") + c.b};
    script.insert(script.end(), nested.begin(), nested.end());
    run(script);
    EXPECT_EQ(var("r"), c.marks) << c.a << c.b;
  }
}

TEST_F(Flow, MalformedConditionsReportAndOpenNoBlock) {
  run({"선언 a r", "정의 a = 1", "비교 :a > x 이면", "정의 r = 둘다", "비교끝"});
  EXPECT_EQ(var("r"), "둘다");
  // The failed condition opened no block: its "비교가틀리면" and "비교끝" act on the enclosing
  // one, whose other branch then runs.
  run({"선언 a r s", "정의 a = 1", "비교 :a = 1 이면", "비교 :a > x 이면", "정의 r = 안쪽",
       "비교가틀리면", "정의 r = 건너뜀", "비교끝", "정의 s = 바깥끝 뒤", "비교끝"});
  EXPECT_EQ(var("r"), "안쪽");
  EXPECT_EQ(var("s"), "바깥끝 뒤");
  run({"선언 a b", "비교 :a = 1 이고 :b ~ 2 이면", "비교 :a = 1", "비교 Edit1:접근 = 참 이면"});
  auto e = errors();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0], "숫자형의 데이타만 크기 비교 부등호를 사용할 수 있습니다.");
  EXPECT_EQ(e[1], e[0]);
  EXPECT_EQ(e[2], "비교 부등호가 정확하지 않습니다.");
  EXPECT_EQ(e[3], "비교 문법이 정확하지 않습니다.");
  // While Edit1 does not exist its property is plain text; once it does, a choice property
  // cannot be compared.
  add<FakeItem>("TNewEdit", "Edit1", std::set<std::string>{"접근"});
  run({"비교 Edit1:접근 = 참 이면"});
  EXPECT_EQ(errors().back(), "비교할 수 없는 타입의 변수 입니다.");
}

TEST_F(Flow, LoopsCountInclusivelyInEitherDirection) {
  run({"선언 i n", "정의 n = 0", "반복 i 부터 1 까지 3", "정의 n = :n + 1", "반복끝"});
  EXPECT_EQ(var("n"), "3");
  EXPECT_EQ(var("i"), "4");
  run({"선언 i s", "반복 :i = 3 to 1", "정의 s = :s ~ :i", "반복끝"});
  EXPECT_EQ(var("s"), "321");
  EXPECT_EQ(var("i"), "0");
  run({"선언 i n", "정의 n = 0", "반복 i 부터 5 까지 5", "정의 n = :n + 1", "반복끝"});
  EXPECT_EQ(var("n"), "1");
  // The body may move the variable on; the end of the loop reads it back.
  run({"선언 i n", "정의 n = 0", "반복 i = 1 to 10", "정의 i = :i + 1", "정의 n = :n + 1",
       "반복끝"});
  EXPECT_EQ(var("n"), "5");
  EXPECT_EQ(var("i"), "11");
  // Nested loops.
  run({"선언 i j n", "정의 n = 0", "반복 i = 1 to 3", "반복 j = 1 to 4", "정의 n = :n + 1",
       "반복끝", "반복끝"});
  EXPECT_EQ(var("n"), "12");
  EXPECT_TRUE(errors().empty());
  run({"선언 i", "반복 i = x to 3", "반복 i = 1 to y", "반복 k = 1 to 2", "반복끝"});
  auto e = errors();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0], "기준 변수는 숫자로 정의되어야 합니다.");
  EXPECT_EQ(e[1], "목표 변수는 숫자로 정의되어야 합니다.");
  EXPECT_EQ(e[2], "메모리에서 \"k\" 라는 변수를 찾을 수 없습니다.");
  EXPECT_EQ(e[3], "반복을 끝낼 반복문이 존재하지 않습니다.");
}

// A line run again within one run may take shortcuts worked out on its earlier passes; what it
// gives must still follow every change to what it reads.
TEST_F(Flow, LinesRunAgainFollowChangesToWhatTheyRead) {
  auto& label = addNamed<TNewLabel>("Label1");
  const std::string magnitude(msg::kMagnitudeNeedsNumber);
  const struct {
    std::vector<std::string> lines;
    std::string r;
    std::vector<std::string> errors;
  } cases[] = {
      // A compared variable stops being a number.
      {{"정의 a = 1", "반복 i = 1 to 5", "비교 :i = 4 이면", "정의 a = x", "비교끝",
        "비교 :a > 0 이면", "정의 r = :r ~ :i", "비교끝", "반복끝"},
       "12345",
       {magnitude, magnitude}},
      {{"정의 a = 5", "반복 i = 1 to 4", "비교 :i = 3 이면", "정의 a = 05", "비교끝",
        "비교 :a = 5 이면", "정의 r = :r ~ :i", "비교끝", "반복끝"},
       "12",
       {}},
      // The loop variable is given a text; one loop end serves two loops.
      {{"반복 i = 1 to 5", "정의 r = :r ~ :i", "비교 :i = 3 이면", "정의 i = 04", "비교끝",
        "반복끝"},
       "1235",
       {}},
      {{"정의 j = 0", "반복 i = 1 to 3", "위치 몸", "정의 r = :r ~ :i ~ :j ~ ,", "반복끝",
        "비교 :j > 6 이면", "종료", "비교끝", "반복 j = 5 to 7", "이동 몸"},
       "10,20,30,45,46,47,",
       {}},
      // An item read whose value changes to a special operand; a name no row reads.
      {{"반복 i = 1 to 4", "정의 b = Label1:제목", "정의 r = :r ~ :b ~ ,", "비교 :i = 2 이면",
        "정의 Label1:제목 = # ~ 32", "비교끝", "반복끝"},
       "가,가, , ,",
       {}},
      {{"반복 i = 1 to 3", "정의 b = Label1:없음", "정의 r = :r ~ :b", "반복끝"},
       "Label1:없음Label1:없음Label1:없음",
       {}},
  };
  for (const auto& c : cases) {
    label.SetItemProperty("제목", "가");
    const std::size_t before = errors().size();
    std::vector<std::string> lines{"선언 a b i j r"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    run(lines);
    EXPECT_EQ(var("r"), c.r) << c.lines.back();
    auto e = errors();
    EXPECT_EQ(std::vector<std::string>(e.begin() + static_cast<long>(before), e.end()), c.errors)
        << c.lines.back();
  }
}

TEST_F(Flow, LabelsJumpOnlyToPassedPlaces) {
  run({"선언 n", "정의 n = 0", "위치 다시", "정의 n = :n + 1", "비교 :n < 5 이면", "이동 다시",
       "비교끝"});
  EXPECT_EQ(var("n"), "5");
  EXPECT_TRUE(errors().empty());
  // A label set again keeps the line where it was first set.
  run({"선언 n s", "정의 n = 0", "위치 a", "정의 n = :n + 1", "위치 a", "정의 s = :s ~ x",
       "비교 :n < 3 이면", "이동 a", "비교끝"});
  EXPECT_EQ(var("n"), "3");
  EXPECT_EQ(var("s"), "xxx");
  run({"선언 n", "이동 뒤", "정의 n = 실행됨", "위치 뒤"});
  EXPECT_EQ(errors(), std::vector<std::string>{"이동할 위치가 지정되어 있지 않습니다."});
  EXPECT_EQ(var("n"), "실행됨");
}

TEST_F(Flow, EndAndUnknownKeywords) {
  run({"선언 a", "정의 a = 1", "종료", "정의 a = 2"});
  EXPECT_EQ(var("a"), "1");
  run({"선언 a", "정의a = 1", "졍의 a = 2", "# comment", ""});
  EXPECT_EQ(var("a"), "");
  EXPECT_TRUE(errors().empty());
  EXPECT_FALSE(hub.ScriptRunning());
}

TEST_F(Flow, RunningAnotherEventReplacesTheCaller) {
  auto& other = add<FakeItem>("TNewButton", "Button2");
  other.setEventSlot(2, {"선언 b", "정의 b = 다른", "정의 a = 덮음", "메세지 :b"});
  run({"선언 a", "정의 a = 호출", "이벤트실행 Button2", "정의 a = 이어짐"});
  EXPECT_EQ(hub.EventSourceName(), "Button2");
  EXPECT_EQ(var("b"), "다른");
  EXPECT_EQ(var("a"), "<undeclared>");
  EXPECT_FALSE(hub.ScriptRunning());

  // An item whose kind runs no script: nothing runs, and the caller has ended all the same.
  add<FakeItem>("TBox", "Box1");
  run({"선언 a", "정의 a = 호출", "이벤트실행 box1", "정의 a = 이어짐"});
  EXPECT_EQ(hub.EventSourceName(), "Box1");
  EXPECT_EQ(var("a"), "<undeclared>");
  EXPECT_FALSE(hub.ScriptRunning());
  EXPECT_TRUE(errors().empty());

  run({"이벤트실행 없는버튼", "선언 x"});
  EXPECT_EQ(errors().back(), "이벤트를 실행할 아이템이 존재하지 않습니다.");
  EXPECT_EQ(hub.variables().count(), 1);
}

TEST_F(Flow, EndlessEventChainsStopAtTheBound) {
  auto& loop = add<FakeItem>("TNewButton", "Again");
  loop.setEventSlot(2, {"선언 n", "이벤트실행 Again"});
  platform.queueAnswer("Ok");
  hub.IventClick(loop);
  EXPECT_EQ(errors(), std::vector<std::string>{std::string(msg::kTooManyEventRuns)});
  EXPECT_EQ(hub.interpreter().chainedRuns(), script::kMaxChainedRuns);
  EXPECT_FALSE(hub.ScriptRunning());
}

TEST_F(Flow, ScriptsThatNeverEndAskWhetherToGoOn) {
  hub.interpreter().setLinesBeforeAsking(50);
  auto questions = [&] {
    std::vector<nlohmann::json> out;
    for (const auto& e : platform.log())
      if (e.contains("dialog") && e["dialog"] == "warning") out.push_back(e);
    return out;
  };
  // Lines 4 and 5 repeat for ever; every 50 lines the user is asked. Yes goes on, No ends the
  // run after the line, as "종료" would.
  platform.queueAnswer("Yes");
  platform.queueAnswer("No");
  run({"선언 n", "정의 n = 0", "위치 a", "정의 n = :n + 1", "이동 a", "정의 n = 끝남"});
  auto q = questions();
  ASSERT_EQ(q.size(), 2u);
  EXPECT_EQ(q[0]["text"], "스크립트가 오래 실행되고 있습니다. 계속 실행하시겠습니까?");
  EXPECT_EQ(q[0]["buttons"], nlohmann::json({"Yes", "No"}));
  EXPECT_EQ(var("n"), "49");  // the 100th line was the 49th jump
  EXPECT_FALSE(hub.ScriptRunning());
  EXPECT_TRUE(errors().empty());

  // A long script that does end goes on to its end after a Yes; skipped lines count too.
  platform.queueAnswer("yes");
  run({"선언 i n", "정의 n = 0", "반복 i = 1 to 12", "비교 :i = 0 이면", "정의 n = 틀림", "비교끝",
       "정의 n = :n + 1", "반복끝"});
  EXPECT_EQ(questions().size(), 3u);  // 63 lines: one question
  EXPECT_EQ(var("n"), "12");

  // The count starts again with every event: two short events ask nothing.
  run({"선언 i", "반복 i = 1 to 20", "반복끝"});
  run({"선언 i", "반복 i = 1 to 20", "반복끝"});
  EXPECT_EQ(questions().size(), 3u);

  // With nobody to answer, the question ends the run rather than hang.
  run({"위치 a", "이동 a"});
  q = questions();
  ASSERT_EQ(q.size(), 4u);
  EXPECT_EQ(q.back()["answer"], "No");
  EXPECT_FALSE(hub.ScriptRunning());
}

TEST_F(Flow, CapacitiesAreScriptErrorsNotOverruns) {
  std::string declare = "선언";
  for (int i = 1; i <= 101; ++i) declare += " v" + std::to_string(i);
  run({declare, "정의 v100 = 끝"});
  EXPECT_EQ(hub.variables().count(), script::kMaxVariables);
  EXPECT_EQ(var("v100"), "끝");
  EXPECT_EQ(errors().back(), msg::kTooManyVariables);

  std::vector<std::string> blocks{"선언 a"};
  for (int i = 0; i < 101; ++i) blocks.push_back("비교 a = 0 이거나 a = #0 이면");
  run(blocks);
  EXPECT_EQ(errors().back(), msg::kTooManyBlocks);

  std::vector<std::string> loops{"선언 i"};
  for (int i = 0; i < 101; ++i) loops.push_back("반복 i = 1 to 1");
  run(loops);
  EXPECT_EQ(errors().back(), msg::kTooManyLoops);

  std::vector<std::string> labels;
  for (int i = 0; i < 101; ++i) labels.push_back("위치 L" + std::to_string(i));
  run(labels);
  EXPECT_EQ(errors().back(), msg::kTooManyLabels);

  std::string wide = "선언 a";
  for (int i = 0; i < 1200; ++i) wide += " b";
  run({wide, "선언 z"});
  EXPECT_EQ(errors().back(), msg::kTooManyTokens);
  EXPECT_EQ(hub.variables().count(), 1);  // the oversized line did nothing
  EXPECT_FALSE(hub.ScriptRunning());
}

TEST_F(Flow, FailuresInsideStatementsBecomeScriptErrors) {
  add<FakeItem>("TRunAlarm", "Alarm1");
  run({"선언 a", "정의 Alarm1:실패 = 내일", "정의 a = 계속"});
  EXPECT_EQ(errors(), std::vector<std::string>{"'내일' is not a valid date"});
  EXPECT_EQ(var("a"), "계속");
  EXPECT_FALSE(hub.ScriptRunning());
  // The report names the event's item and the failing line.
  auto texts = errorTexts();
  EXPECT_NE(texts[0].find("Button1의 이벤트 2번째 줄\r\r  정의 Alarm1:실패 = 내일\r\r"),
            std::string::npos);
}

}  // namespace
}  // namespace qav::testing

namespace qav::testing {
namespace {

TEST_F(Flow, SlowLinesAskAfterTenSecondsOfRunningWhateverTheirCount) {
  int64_t now = 0;
  hub.interpreter().setClock([&] { return now; });
  hub.interpreter().registerStatement("느림", [&](script::Interpreter&) { now += 3000; });
  auto questions = [&] {
    std::size_t n = 0;
    for (const auto& e : platform.log())
      if (e.contains("dialog") && e["text"] == msg::kLongRunQuestion) ++n;
    return n;
  };
  // Every pass takes three seconds: asked after the fourth, and again four passes later.
  platform.queueAnswer("Yes");
  platform.queueAnswer("No");
  run({"선언 n", "정의 n = 0", "위치 a", "느림", "정의 n = :n + 1", "이동 a"});
  EXPECT_EQ(questions(), 2u);
  EXPECT_EQ(var("n"), "7");

  // Time the user spends answering a dialog is no running time.
  platform.setListener([&](const nlohmann::json& e) {
    if (e.contains("dialog")) now += 60000;
  });
  run({"느림", "메세지 잠깐", "느림", "입력 이름", "창보이기 Button1", "느림"});
  EXPECT_EQ(questions(), 2u);
}

TEST_F(Flow, TheLongRunQuestionComesExactlyAtItsLineAndTimeBounds) {
  // After the third line; "No" ends the run there.
  hub.interpreter().setLinesBeforeAsking(3);
  platform.queueAnswer("No");
  run({"선언 n", "정의 n = 1", "정의 n = 2", "정의 n = 3"});
  EXPECT_EQ(var("n"), "2");
  // When ten seconds have run, not later.
  hub.interpreter().setLinesBeforeAsking(1000);
  int64_t now = 0;
  hub.interpreter().setClock([&] { return now; });
  hub.interpreter().registerStatement("느림", [&](script::Interpreter&) { now += 5000; });
  platform.queueAnswer("No");
  run({"선언 n", "정의 n = 0", "느림", "정의 n = 1", "느림", "정의 n = 2", "느림"});
  EXPECT_EQ(var("n"), "1");
}

TEST_F(Flow, ALoopOfQuickLinesIsAskedWithinAFewHundredLinesOfItsTime) {
  // The clock says ten seconds have run from the first line on: the question comes within
  // the lines between two readings of the clock, and "No" ends the run there.
  int64_t now = 0;
  hub.interpreter().setClock([&] { return std::exchange(now, 10000); });
  platform.queueAnswer("No");
  run({"선언 n", "정의 n = 0", "위치 a", "정의 n = :n + 1", "이동 a"});
  const int n = std::stoi(var("n"));
  EXPECT_GE(n, 1);
  EXPECT_LE(n, script::kQuickLinesPerClockRead / 2);
  EXPECT_FALSE(hub.ScriptRunning());
}

TEST_F(Flow, ATextStopsGrowingAtItsLimitAndRunningOutOfMemoryEndsTheEvent) {
  platform.queueAnswer("Cancel");
  run({"선언 t", "정의 t = x", "위치 a", "정의 t = :t ~ :t", "이동 a"});
  EXPECT_EQ(errors(), std::vector<std::string>{std::string(msg::kTextTooLong)});
  EXPECT_EQ(var("t").size(), script::kMaxTextBytes);
  EXPECT_FALSE(hub.ScriptRunning());

  hub.interpreter().registerStatement("폭발", [](script::Interpreter&) { throw std::bad_alloc(); });
  platform.queueAnswer("Ok");
  run({"선언 n", "폭발", "정의 n = 1", "폭발"});
  EXPECT_EQ(errors().size(), 2u);
  EXPECT_EQ(errors().back(), msg::kOutOfMemory);
  EXPECT_EQ(var("n"), "<undeclared>");
  EXPECT_FALSE(hub.ScriptRunning());
}

}  // namespace
}  // namespace qav::testing
