#include <gtest/gtest.h>

#include "items/controls/NewMemo.h"
#include "items/controls/RunComboBox.h"
#include "props/PropertyAccess.h"
#include "support/ProjectBuilder.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

class DataTables : public ScriptTest {
 protected:
  DataTables() {
    MainData& s = *hub.settings();
    s.setSchemaEntry(2, 0, "회원");
    s.setSchemaEntry(2, 1, "이름");
    s.setSchemaEntry(2, 2, "나이");
    s.setSchemaEntry(2, 3, "주소");
    hub.setDataPath(dir.path() + "/data.dat");
  }
  std::vector<std::string>& rows() { return hub.DataBox().rowList(2); }
  static std::string row(std::vector<std::string> values) {
    values.resize(100);
    std::string r;
    for (auto& v : values) r += v + '\x01';
    return r;
  }
  TempDir dir;
};

TEST_F(DataTables, RecordsAreMadeFoundChangedAndRemoved) {
  run({"데이타제작 회원", "정의 데이타:이름 = 홍", "데이타추가", "정의 데이타:나이 = 30",
       "데이타추가"});
  ASSERT_EQ(rows().size(), 2u);
  EXPECT_EQ(rows()[0], row({"홍"}));
  EXPECT_EQ(rows()[1], row({"홍", "30"}));
  EXPECT_EQ(std::count(rows()[0].begin(), rows()[0].end(), '\x01'), 100);

  // The last match stays in the record buffer, which outlives the run.
  run({"데이타검색 회원 이름 홍"});
  EXPECT_EQ(hub.currentRecord().row, 1);
  EXPECT_EQ(Propertys(hub, "데이타:나이"), "30");
  run({"정의 데이타:주소 = 서울", "데이타수정"});
  EXPECT_EQ(rows()[1], row({"홍", "30", "서울"}));
  run({"데이타삭제", "데이타삭제"});  // the second does nothing
  EXPECT_EQ(rows(), std::vector<std::string>{row({"홍"})});
  EXPECT_EQ(hub.currentRecord().row, -1);

  run({"데이타검색 회원 이름 없음", "데이타수정"});  // no match: nothing, and no report
  EXPECT_EQ(rows().size(), 1u);
  run({"데이타갯수 회원"});
  EXPECT_EQ(Propertys(hub, "레지스터:5"), "1");
  EXPECT_TRUE(errors().empty());

  run({"데이타제작 손님", "데이타검색 회원 별명 x", "데이타갯수 없음"});
  auto e = errors();
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[0], "데이타 배열 이름이 잘못되었습니다.");
  EXPECT_EQ(e[1], "데이타 항목을 찾을 수 없습니다.");
  EXPECT_EQ(e[2], "데이타 배열 이름이 잘못되었습니다.");
  EXPECT_EQ(Propertys(hub, "레지스터:5"), "1");
}

TEST_F(DataTables, AChangeRightAfterStartIsReported) {
  run({"데이타수정", "데이타추가"});
  auto e = errors();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0], "데이타 큐에 들어있는 자료가 바르지 않습니다.");
  EXPECT_EQ(e[1], "데이타 배열 이름이 잘못되었습니다.");
}

TEST_F(DataTables, ListsFillFromOneField) {
  rows() = {row({""}), row({"가"}), row({""}), row({"나"})};
  auto& memo = addNamed<TNewMemo>("Memo1");
  auto& combo = addNamed<TRunComboBox>("Combo1");
  run({"데이타목록 회원 이름 Memo1", "데이타목록 회원 이름 Combo1",
       "데이타목록 회원 이름 Button1"});
  EXPECT_EQ(memo.lines(), (std::vector<std::string>{"가", "", "나"}));
  EXPECT_EQ(combo.items(), memo.lines());
  EXPECT_EQ(errors(), std::vector<std::string>{"문자열 처리가 가능한 아이템이 아닙니다."});
}

TEST_F(DataTables, TheDataFileIsSavedAndLoaded) {
  run({"데이타제작 회원", "정의 데이타:이름 = 김", "데이타추가", "저장하기"});
  rows().clear();
  run({"불러오기"});
  EXPECT_EQ(rows(), std::vector<std::string>{row({"김"})});
  // With option 5 every change is written at once.
  hub.settings()->setOption(5, true);
  run({"데이타추가"});
  rows().clear();
  run({"불러오기"});
  EXPECT_EQ(rows().size(), 2u);
  // A file that cannot be written is a script error, not a silent loss.
  hub.setDataPath(dir.path() + "/missing/dir/data.dat");
  run({"저장하기"});
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_FALSE(hub.ScriptRunning());
}

}  // namespace
}  // namespace qav::testing
