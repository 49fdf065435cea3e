#include <gtest/gtest.h>

#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

class ErrorReport : public ScriptTest {
 protected:
  void options(bool o2, bool o3, bool o4) {
    hub.settings()->setOption(2, o2);
    hub.settings()->setOption(3, o3);
    hub.settings()->setOption(4, o4);
  }
  // Five lines, the second one faulty; the last line records how far the run went.
  void runFaulty() {
    run({"선언 a", "이동 없음", "정의 a = 3", "정의 a = :a + 1", "정의 a = :a + 1"});
  }
};

TEST_F(ErrorReport, WithoutOptionsTheUserChoosesToContinueOrStop) {
  platform.queueAnswer("Cancel");
  runFaulty();
  EXPECT_EQ(var("a"), "");
  ASSERT_EQ(platform.log().size(), 1u);
  const auto& box = platform.log()[0];
  EXPECT_EQ(box["dialog"], "error");
  EXPECT_EQ(box["buttons"], nlohmann::json({"Ok", "Cancel"}));
  EXPECT_EQ(
      box["text"],
      "QAV Maker 일반적인 실행 오류가 일어났습니다.\r[Ok]를 눌러 이벤트 실행을 계속 하거나, "
      "[Cancel]로 이벤트를 중단할 수 있습니다.\r\rButton1의 이벤트 2번째 줄\r\r  이동 없음\r\r"
      "이동할 위치가 지정되어 있지 않습니다.");
  EXPECT_FALSE(hub.ScriptRunning());

  platform.queueAnswer("Ok");
  runFaulty();
  EXPECT_EQ(var("a"), "5");
}

TEST_F(ErrorReport, OptionTwoReportsWithOkAndGoesOn) {
  options(true, false, false);
  run({"선언 i", "반복 i = 1 to 3", "이동 없음", "반복끝"});
  ASSERT_EQ(platform.log().size(), 3u);  // one report per pass
  EXPECT_EQ(platform.log()[0]["buttons"], nlohmann::json({"Ok"}));
  std::string text = platform.log()[0]["text"];
  EXPECT_EQ(text.rfind("QAV Maker 일반적인 실행 오류가 일어났습니다. [Ok]를 누르시면 이벤트 실행을 "
                       "계속 합니다.\rButton1의 이벤트 3번째 줄",
                       0),
            0u);
  EXPECT_EQ(var("i"), "4");
}

TEST_F(ErrorReport, OptionThreeIsSilentAndOptionFourStopsSilently) {
  options(false, true, false);
  runFaulty();
  EXPECT_EQ(var("a"), "5");
  EXPECT_TRUE(platform.log().empty());

  options(true, true, true);  // four wins over two and three
  runFaulty();
  EXPECT_EQ(var("a"), "");
  EXPECT_TRUE(platform.log().empty());
  EXPECT_FALSE(hub.ScriptRunning());

  // A declaration line still declares its remaining names before the run ends.
  run({"선언 a a b", "선언 c"});
  EXPECT_EQ(hub.variables().count(), 2);
}

TEST_F(ErrorReport, ReportOfAStartedEventNamesTheStartedItem) {
  auto& other = add<FakeItem>("TNewLabel", "Label7");
  other.setEventSlot(2, {"", "이동 없음"});
  run({"이벤트실행 Label7"});
  ASSERT_EQ(errorTexts().size(), 1u);
  EXPECT_NE(errorTexts()[0].find("Label7의 이벤트 2번째 줄\r\r  이동 없음"), std::string::npos);
}

}  // namespace
}  // namespace qav::testing
