// The list statements on memos, list boxes and combo boxes, and the selected entry of lists
// and page controls.
#include <gtest/gtest.h>

#include "items/controls/NewMemo.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

class Lists : public ScriptTest {
 protected:
  Lists()
      : memo(addNamed<TNewMemo>("메모1")),
        list(addNamed<TRunListBox>("목록1")),
        combo(addNamed<TRunComboBox>("콤보1")),
        page(addNamed<TRunPage>("페이지1")) {}
  std::string reg(int n) { return hub.settings()->registerValue(n); }
  Lines linesOf(const std::string& name) {
    if (name == "메모1") return memo.lines();
    if (name == "목록1") return list.items();
    return combo.items();
  }
  TNewMemo& memo;
  TRunListBox& list;
  TRunComboBox& combo;
  TRunPage& page;
};

TEST_F(Lists, MemoListAndComboTakeTheSameLineStatements) {
  for (std::string name : {"메모1", "목록1", "콤보1"}) {
    SCOPED_TRACE(name);
    run({"문자열추가 " + name + " 지울것", "문자열모두삭제 " + name, "문자열추가 " + name + " a",
         "문자열추가 " + name + " b", "문자열추가 " + name + " c", "문자열검색 " + name + " B"});
    EXPECT_EQ(linesOf(name), (Lines{"a", "b", "c"}));
    EXPECT_EQ(reg(3), "2");

    run({"선언 n", "정의 n = 1", "문자열삭제 " + name + " :n", "문자열줄수 " + name});
    EXPECT_EQ(linesOf(name), (Lines{"b", "c"}));
    EXPECT_EQ(reg(4), "2");

    // The new line is every word from the third on, evaluated; a search that finds
    // nothing leaves 0.
    run({"문자열추가 " + name + "   가  나 ~ 다 ", "문자열검색 " + name + " 가 나다",
         "문자열검색 " + name + " a"});
    EXPECT_EQ(linesOf(name), (Lines{"b", "c", "가 나다"}));
    EXPECT_EQ(reg(3), "0");
    run({"문자열검색 " + name + " 가 나다"});
    EXPECT_EQ(reg(3), "3");
  }
  EXPECT_TRUE(errors().empty());
}

// A line that runs again naming another item reaches that item.
TEST_F(Lists, ALineReachesWhicheverItemItNamesEachTime) {
  auto& second = addNamed<TRunListBox>("목록2");
  run({"선언 i k 이름", "반복 i = 1 to 4", "정의 k = :i % 2 + 1", "정의 이름 = 목록 ~ :k",
       "문자열추가 :이름 줄 ~ :i", "반복끝"});
  EXPECT_EQ(second.items(), (Lines{"줄1", "줄3"}));
  EXPECT_EQ(list.items(), (Lines{"줄2", "줄4"}));
  EXPECT_TRUE(errors().empty());
}

TEST_F(Lists, DeletingNeedsANumberAndALineThatExists) {
  list.setItems({"a", "b", "c"});
  run({"문자열삭제 목록1 첫째", "문자열삭제 목록1 0", "문자열삭제 목록1 4", "문자열삭제 목록1 -1",
       "문자열삭제 Button1 x", "문자열삭제 Button1 1", "문자열삭제 목록1 3"});
  EXPECT_EQ(
      errors(),
      (std::vector<std::string>{
          "삭제 라인은 숫자로 정의되어야 합니다.", "삭제할 라인이 존재하지 않습니다.",
          "삭제할 라인이 존재하지 않습니다.", "삭제할 라인이 존재하지 않습니다.",
          "삭제 라인은 숫자로 정의되어야 합니다.", "문자열 처리가 가능한 아이템이 아닙니다."}));
  EXPECT_EQ(list.items(), (Lines{"a", "b"}));
  EXPECT_FALSE(hub.ScriptRunning());

  // Cancel on the report ends the run there, and the next event runs normally.
  platform.queueAnswer("Cancel");
  run({"문자열삭제 목록1 9", "문자열추가 목록1 안됨"});
  EXPECT_EQ(list.items(), (Lines{"a", "b"}));
  run({"문자열추가 목록1 됨"});
  EXPECT_EQ(list.items(), (Lines{"a", "b", "됨"}));
}

TEST_F(Lists, OtherItemsAreNoLineItems) {
  hub.settings()->setRegister(4, "전");
  run({"문자열추가 Button1 x", "문자열모두삭제 없는것", "문자열검색 Main a", "문자열줄수 페이지1",
       "문자열추가"});
  EXPECT_EQ(errors(), std::vector<std::string>(5, "문자열 처리가 가능한 아이템이 아닙니다."));
  EXPECT_EQ(reg(4), "전");
}

TEST_F(Lists, CurrentEntryOfListsCountsFromOneAndOfPagesFromZero) {
  list.setItems({"a", "b", "c"});
  combo.setItems({"하나", "둘"});
  run({"현재아이템 목록1"});
  EXPECT_EQ(reg(6), "0");
  EXPECT_EQ(reg(7), "");
  list.setItemIndex(1);
  run({"현재아이템 목록1"});
  EXPECT_EQ(reg(6), "2");
  EXPECT_EQ(reg(7), "b");

  combo.setItemIndex(0);
  run({"현재아이템 콤보1"});
  EXPECT_EQ(reg(6), "1");
  EXPECT_EQ(reg(7), "하나");
  combo.setItemIndex(-1);
  run({"현재아이템 콤보1"});
  EXPECT_EQ(reg(6), "0");
  EXPECT_EQ(reg(7), "");

  // A page control without pages has no active page.
  run({"현재아이템 페이지1"});
  EXPECT_EQ(reg(6), "-1");
  EXPECT_EQ(reg(7), "");
  page.buildTabs({"기본", "[None]", "상세"}, {"창1", "", "창2"});
  page.setActiveIndex(1);
  run({"현재아이템 페이지1"});
  EXPECT_EQ(reg(6), "1");
  EXPECT_EQ(reg(7), "상세");
  EXPECT_TRUE(errors().empty());

  run({"현재아이템 메모1", "현재아이템 Button1", "현재아이템 없는것"});
  EXPECT_EQ(errors(),
            std::vector<std::string>(3, "현재 아이템 조회 처리가 가능한 아이템이 아닙니다."));
  EXPECT_EQ(reg(7), "상세");
}

}  // namespace
}  // namespace qav::testing
