// `qav run --headless --random-events`: 20,000 random user actions on the bundled demo and on a
// project with every kind of item and every group of statements end normally, and the same
// seed plays the same run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolFixture.h"
#include "support/EveryKindProject.h"

namespace qavtest {
namespace {

using qav::testing::everyKindProject;

class Explorer : public ToolTest {
 protected:
  // Plays the program twice with the same seed: both runs end with 0 and print the same.
  void exploreTwice(const std::string& program, const std::string& seed) {
    const std::vector<std::string> args{"run", "--headless", "--random-events", "20000", "--seed",
                                        seed,  program};
    const Result first = run(args);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.err, "");
    EXPECT_NE(first.out.find("\"dialog\":"), std::string::npos) << "no dialog in 20,000 events";
    fs::remove(file("data.dat"));
    fs::remove(file("demo.dat"));
    const Result second = run(args);
    EXPECT_EQ(second.exitCode, 0) << second.err;
    EXPECT_TRUE(second.out == first.out) << "the same seed played a different run";
  }
};

TEST_F(Explorer, TheDemoTakesTwentyThousandRandomActions) {
  spit(file("empty"), "");  // what stands before the project does not matter here
  ASSERT_EQ(run({"pack", std::string(QAV_SOURCE_DIR) + "/examples/demo.json", "-o", file("demo"),
                 "--player", file("empty")})
                .exitCode,
            0);
  exploreTwice(file("demo"), "11");
}

TEST_F(Explorer, EveryKindOfItemAndStatementTakesTwentyThousandRandomActions) {
  const std::vector<std::vector<std::string>> scripts{
      // Dialogs, windows, lists, sound, data tables, assignment and flow.
      {"선언 a i",
       "정의 a = 1 + 2 * 3",
       "반복 i = 1 ~ 3",
       "정의 a = :a ~ :i",
       "반복끝",
       "비교 :i > 2 이고 :a <> x 이면",
       "메세지 :a",
       "비교가틀리면",
       "메세지버튼 :a - yes no cancel",
       "비교끝",
       "입력 이름?",
       "창보이기 Second Y",
       "창감추기 Second",
       "문자열추가 Names 하나",
       "문자열삭제 Names 1",
       "문자열검색 Colour 노랑",
       "문자열줄수 Note",
       "작동 Beep",
       "데이타제작 회원",
       "정의 데이타:이름 = 레지스터:1",
       "데이타추가",
       "데이타검색 회원 이름 홍",
       "데이타수정",
       "데이타목록 회원 이름 Names",
       "데이타갯수 회원",
       "저장하기",
       "불러오기",
       "정의 Bar:현재값 = :a",
       "정의 Badge:모양 = 원",
       "정의 Dial:시간차 = 3"},
      {"현재아이템 Names", "데이타검색 회원 이름 레지스터:7", "데이타삭제",
       "정의 Name:문자열 = 데이타:이름", "이벤트실행 Other"},
      {"정의 Tick:작동 = 거짓", "창보이기 Second"},
  };
  everyKindProject(scripts, "data.dat").writeProgram(dir_.string(), "every");
  exploreTwice(file("every"), "5");
}

}  // namespace
}  // namespace qavtest
