#include <gtest/gtest.h>

#include "lang/Texts.h"
#include "script/Expression.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

class Maths : public ScriptTest {
 protected:
  std::string eval(std::string_view e) { return hub.interpreter().Maths(e); }
};

TEST_F(Maths, ArithmeticFollowsTheSplitRules) {
  EXPECT_EQ(eval("1 + 2 * 3"), "7");
  EXPECT_EQ(eval("(1 + 2) * 3"), "9");
  EXPECT_EQ(eval("(1 + 2)"), "3");
  EXPECT_EQ(eval("((1 + 2))"), "(1 + 2)");
  EXPECT_EQ(eval("10 - 3 - 2"), "5");
  EXPECT_EQ(eval("8 / 4 / 2"), "4");
  EXPECT_EQ(eval("2 * 3 * 4"), "24");
  EXPECT_EQ(eval("2 - 5"), "-3");
  EXPECT_EQ(eval("7 / 2"), "3");
  EXPECT_EQ(eval("7 % 3"), "1");
  EXPECT_EQ(eval("-5"), "-5");
  EXPECT_EQ(eval("-7 / 2"), "-7 / 2");
  EXPECT_EQ(eval("3 * -5"), "#Error-5");
  EXPECT_EQ(eval("2147483647 + 1"), "-2147483648");
  EXPECT_EQ(eval("65536 * 65536"), "0");
}

TEST_F(Maths, DivisionFaultsGiveTheErrorValue) {
  EXPECT_EQ(eval("5 / 0"), "#Error");
  EXPECT_EQ(eval("5 % 0"), "#Error");
  EXPECT_EQ(eval("(1 + 2"), "#Error");
  EXPECT_EQ(eval("3 *"), "#Error");
  EXPECT_EQ(eval("#Error"), "#Error");
  EXPECT_EQ(eval("#Error + 1"), "#Error1");
  // The one overflowing division gives a number, not a failure.
  run({"선언 m", "정의 m = 0 - 2147483647 - 1"});
  EXPECT_EQ(var("m"), "-2147483648");
  run({"선언 m q r", "정의 m = 0 - 2147483647 - 1", "정의 q = :m / -1"});
  EXPECT_EQ(var("q"), "#Error-1");  // a negative literal splits at its sign
  run({"선언 m n q r", "정의 m = 0 - 2147483647 - 1", "정의 n = 0 - 1", "정의 q = :m / :n",
       "정의 r = :m % :n"});
  EXPECT_EQ(var("q"), "-2147483648");
  EXPECT_EQ(var("r"), "0");
}

TEST_F(Maths, TextsJoinWhenNotBothNumbers) {
  EXPECT_EQ(eval("가 - 나"), "가-나");
  EXPECT_EQ(eval("007 + 1"), "0071");
  EXPECT_EQ(eval("안녕 ~ 하세요"), "안녕하세요");
  EXPECT_EQ(eval("안녕 + 하세요"), "안녕하세요");
  EXPECT_EQ(eval("1 ~ 2"), "12");
  EXPECT_EQ(eval("a + 1"), "a1");
  EXPECT_EQ(eval("가 ~ #32 ~ 나"), "가 나");
  EXPECT_EQ(eval("#32"), " ");
  EXPECT_EQ(eval("#0"), "");
  EXPECT_EQ(eval("가 ~ #13 ~ 나"), "가\r나");
}

TEST_F(Maths, DateAndTimeComeFromThePlatformClock) {
  EXPECT_EQ(eval("#date"), "2024-03-05");
  EXPECT_EQ(eval("#DATE"), "2024-03-05");
  EXPECT_EQ(eval("#Time"), "09:30:00");
  platform.setClock({1999, 12, 31, 23, 59, 58, 0});
  EXPECT_EQ(eval("#TIME ~ #32 ~ #DATE"), "23:59:58 1999-12-31");
}

TEST_F(Maths, ReferencesAreReadButWordsStandForThemselves) {
  run({"선언 a b", "정의 a = 2", "정의 b = :a + 1"});
  EXPECT_EQ(var("b"), "3");
  button->values["제목"] = "확인";
  EXPECT_EQ(eval("Button1:제목 ~ !"), "확인!");
  EXPECT_EQ(eval("없는아이템:제목"), "없는아이템:제목");
  EXPECT_EQ(eval("Button1:없는속성"), "Button1:없는속성");
  // A picture reference is not read as text.
  EXPECT_EQ(eval("Button1:그림"), "Button1:그림");
  // A variable holding a remainder expression's pieces is read through again.
  run({"선언 a b c", "정의 a = -7", "정의 b = :a / 2", "정의 c = :a % 3"});
  EXPECT_EQ(var("b"), "-3");
  EXPECT_EQ(var("c"), "-1");
}

TEST_F(Maths, LongChainsEvaluateAndOnlyDeepParenthesesGiveTheErrorValue) {
  auto repeat = [](std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
  };
  // Bare nesting: one evaluation removes one pair, the rest stands for itself.
  std::string parens = repeat("(", 100000) + "1" + repeat(")", 100000);
  EXPECT_TRUE(eval(parens) == parens.substr(1, parens.size() - 2));
  // Chains of any length, with no nesting bound of their own.
  const struct {
    std::string expression, value;
  } chains[] = {
      {"1" + repeat("+1", 100000), "100001"},
      {"100000" + repeat(" - 1", 100000), "0"},
      {"1" + repeat("*1", 100000), "1"},
      {"1" + repeat("~0", 1000), "1" + repeat("0", 1000)},
      {"가" + repeat(" + 가", 401), repeat("가", 402)},
      {"1" + repeat("+2*3", 1000), "6001"},
      {"2 - 5 + 10 - 3 - 2", "2"},
      {"81 / 9 / 3 * 1", "27"},  // 81 / (9 / (3 * 1)), grouped from the right
      {"-7 / 2 + 1", "-7 / 21"},
      {"1 + 2 * ", "1#Error"},
      {"1 + + 2", "#Error2"},
      {"2 * 3 * ", "2*#Error"},
      {"가 ~ 2 * ~ 3", "가2*~ 3"},
  };
  for (const auto& c : chains)
    EXPECT_TRUE(eval(c.expression) == c.value) << c.expression.substr(0, 40);
  // Parentheses nest up to the bound; beyond it the whole expression is the error value.
  auto nested = [&](int n) { return repeat("(1+", n) + "1" + repeat(")", n); };
  EXPECT_EQ(eval(nested(script::kMaxParenthesisNesting)),
            std::to_string(script::kMaxParenthesisNesting + 1));
  // A script line beyond it reports nothing and leaves the run in order.
  run({"선언 a", "정의 a = " + nested(script::kMaxParenthesisNesting + 1)});
  EXPECT_EQ(var("a"), "#Error");
  EXPECT_TRUE(errors().empty());
  EXPECT_FALSE(hub.ScriptRunning());
}

TEST_F(Maths, RemainderChainsFinishPromptly) {
  // Each "%" reads its operands through once more; long chains of it, written in a script or
  // typed by the user into a field that a script divides, must not take exponential time.
  auto chain = [](std::string_view operand, std::string_view op, int n) {
    std::string out(operand);
    for (int i = 1; i < n; ++i) out += std::string(op) + std::string(operand);
    return out;
  };
  EXPECT_EQ(eval(chain("x", "%", 60)), chain("x", "%", 60));
  EXPECT_EQ(eval(chain("x", " % ", 60)), chain("x", "%", 60));
  EXPECT_EQ(eval(chain("(x)", "%", 60)), chain("x", "%", 60));
  button->values["제목"] = chain("가", "%", 80);
  EXPECT_EQ(eval("Button1:제목 % 3"), chain("가", "%", 80) + "%3");
  EXPECT_EQ(eval("17 % 5 % 3"), "1");
  // Items whose texts name each other in a ring are read through anew at every step: beyond
  // the step bound the expression is the error value, and the run goes on.
  auto& second = add<FakeItem>("TNewButton", "Button2", std::set<std::string>{"제목"});
  auto& third = add<FakeItem>("TNewButton", "Button3", std::set<std::string>{"제목"});
  button->values["제목"] = "Button2:제목";
  second.values["제목"] = "Button3:제목";
  third.values["제목"] = "Button1:제목";
  run({"선언 r", "정의 r = " + chain("Button1:제목", "%", 60), "정의 Button1:제목 = 끝"});
  EXPECT_EQ(var("r"), "#Error");
  EXPECT_EQ(button->values["제목"], "끝");
  EXPECT_TRUE(errors().empty());
}

TEST_F(Maths, NumbersKeptBetweenLinesReadAsTheTextsTheyWere) {
  // Each script leaves in r what a variable that held a number, or a text that reads as one,
  // gives when read again as text or as a number.
  const struct {
    std::vector<std::string> lines;
    std::string r;
  } cases[] = {
      {{"정의 a = #32 ~ 5", "정의 r = :a ~ x"}, " 5x"},
      {{"정의 a = #32 ~ 5", "정의 r = :a + 1"}, "6"},
      {{"정의 a = 2147483647", "정의 b = :a + 1", "정의 r = :b ~ x"}, "-2147483648x"},
      {{"정의 a = 65536", "정의 b = :a * :a - 1", "정의 r = :b ~ :b"}, "-1-1"},
      {{"정의 a = 007", "정의 r = :a + 1"}, "0071"},
      {{"정의 a = -0", "정의 r = :a + 1"}, "-01"},
      {{"정의 a = 10 - 3", "정의 r = :a % 4 ~ :a"}, "7"},
      {{"정의 a = 10", "정의 r = 12 % :a"}, "2"},
      {{"정의 a = 5", "비교 :a = 05 이면", "정의 r = 같음", "비교끝"}, ""},
      {{"정의 a = 2 + 3", "비교 :a = 5 이면", "정의 r = 같음", "비교끝"}, "같음"},
      {{"반복 a = 1 to 3", "반복끝", "정의 r = :a ~ x"}, "4x"},
      {{"반복 a = 3 to 1", "반복끝", "정의 r = :a - 1 ~ x"}, "0-1x"},
      {{"정의 a = 3", "정의 a = :a ~ 0", "정의 r = :a + 1"}, "31"},
      // A line run again keeps its value when its divisor becomes 0 or its variable a text.
      {{"반복 b = 2 to 0", "정의 a = 12 / :b", "정의 r = :r ~ :a ~ ,", "반복끝"}, "6,12,#Error,"},
      {{"정의 a = 1", "반복 b = 1 to 3", "정의 c = :a * 2", "정의 r = :r ~ :c ~ ,",
        "비교 :b = 2 이면", "정의 a = x", "비교끝", "반복끝"},
       "2,2,x*2,"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines{"선언 a b c r"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    run(lines);
    EXPECT_EQ(var("r"), c.r) << c.lines.back();
  }
  EXPECT_TRUE(errors().empty());
}

TEST_F(Maths, OnlyWordsThatEvaluateToThemselvesAreTakenAsLiteral) {
  run({"선언 a", "정의 a = z"});
  for (std::string_view w : {"a", "목록1", "123", "a.b", "가!", "#32", "#DATE", ":a", "(x)", "1+2",
                             "2*3", "10%3", "7/7", "a~b", "x+1"})
    EXPECT_EQ(script::literalWord(w), eval(w) == w) << w;
}

TEST_F(Maths, JoinedTextsRunAgainGiveWhatTheGeneralEvaluationGives) {
  // The joined line runs twice in a loop, the second time as a program of its joins, after
  // the lines `then` have changed the variables. It must give what the general evaluation
  // gives with the final values, or fail as that does (the value of the first run stays).
  // b: 2^25 - 2 bytes; a grows to 2^25 bytes, half the longest text; k: 25.
  const std::vector<std::string> halves = {"정의 a = x", "반복 k = 1 to 24",
                                           "정의 b = :b ~ :b ~ xx", "반복끝"};
  const std::vector<std::string> grow = {"반복 k = 1 to 25", "정의 a = :a ~ :a", "반복끝"};
  const struct {
    std::vector<std::string> setup, then;
    std::string expression;
    bool tooLong = false;
  } cases[] = {
      // Texts that read as special operands.
      {{"정의 a = 가"}, {"정의 a = # ~ 32"}, "가 ~ :a ~ 나"},
      {{"정의 a = # ~ 0"}, {}, ":a ~ 나"},
      {{"정의 a = # ~ 13"}, {}, "가 ~ :a"},
      {{"정의 a = # ~ date"}, {}, "가 ~ :a ~ :a"},
      {{"정의 a = # ~ Error"}, {}, "가 ~ :a"},
      // Numbers, and texts that look like numbers.
      {{"정의 a = 007"}, {}, "x ~ :a ~ 1"},
      {{"정의 a = -5", "정의 b = 0 - 0"}, {}, ":a ~ -0 ~ :b ~ +1"},
      {{"정의 a = + ~ 5"}, {"정의 a = 5"}, ":a ~ 012 ~ :a"},
      {{"정의 a = 2147483647 + 1"}, {}, ":a ~ x"},
      // Empty operands, operands not joined as programs.
      {{"정의 a = 가"}, {}, "나 ~ #0 ~ :b ~ #32 ~ :a ~ #13"},
      {{"정의 a = 가"}, {}, "Button1:제목 ~ :a"},
      {{"정의 a = 가"}, {}, "#Date ~ :a ~ #TIME"},
      {{"정의 a = 가"}, {}, ":a ~ :없음 ~ :a:b"},
      {{"정의 a = 가"}, {}, "(:a ~ 1) ~ 2 ~ (3)"},
      {{"정의 a = 가"}, {}, ":a ~ 1 + 2 ~ 3 * 4"},
      {{"정의 a = 가"}, {}, "가 나"},
      // Up to the longest text and beyond.
      {{"정의 a = x"}, grow, ":a ~ :a"},
      {halves, grow, ":a ~ :b ~ :k"},
      {{"정의 a = x"}, grow, ":a ~ :a ~ x", true},
      {halves, grow, ":a ~ :b ~ :k ~ x", true},
  };
  button->values["제목"] = "#32";
  for (const auto& c : cases) {
    std::vector<std::string> lines{"선언 a b g i k r"};
    lines.insert(lines.end(), c.setup.begin(), c.setup.end());
    lines.insert(lines.end(), {"반복 i = 1 to 2", "정의 r = " + c.expression, "비교 :i = 1 이면",
                               "정의 g = :r"});
    lines.insert(lines.end(), c.then.begin(), c.then.end());
    lines.insert(lines.end(), {"비교끝", "반복끝"});
    const std::size_t before = errors().size();
    run(lines);
    std::string general;
    bool tooLong = false;
    try {
      general = eval(c.expression);
    } catch (const std::length_error&) {
      tooLong = true;
    }
    EXPECT_EQ(tooLong, c.tooLong) << c.expression;
    EXPECT_TRUE(var("r") == (tooLong ? var("g") : general)) << c.expression;
    const std::vector<std::string> all = errors();
    EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<long>(before), all.end()),
              std::vector<std::string>(tooLong ? 1 : 0, std::string(msg::kTextTooLong)))
        << c.expression;
  }
}

}  // namespace
}  // namespace qav::testing
