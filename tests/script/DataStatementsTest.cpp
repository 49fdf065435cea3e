// The data-table statements on the hub's row store and data file, and the data menu.
#include <gtest/gtest.h>

#include "items/controls/NewMemo.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "lang/Texts.h"
#include "stream/RecordReader.h"
#include "support/ProjectBuilder.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

// A row of the store from its first values; the rest of the 100 fields are empty.
std::string row(std::vector<std::string> values) {
  values.resize(100);
  std::string r;
  for (const auto& v : values) r += v + '\x01';
  return r;
}

class Data : public ScriptTest {
 protected:
  Data() {
    MainData& s = *hub.settings();
    s.setSchemaEntry(1, 0, "회원");
    s.setSchemaEntry(1, 1, "이름");
    s.setSchemaEntry(1, 2, "전화");
    s.setSchemaEntry(1, 100, "비고");
    s.setSchemaEntry(2, 0, "중복");
    s.setSchemaEntry(2, 1, "값");
    s.setSchemaEntry(4, 0, "중복");
    s.setSchemaEntry(4, 1, "값");
    s.setSchemaEntry(4, 2, "값");
    hub.setDataPath(path);
  }

  RowList& rows(int t) { return hub.DataBox().rowList(t); }
  std::string reg(int n) { return hub.settings()->registerValue(n); }
  // The lines of the data file's Data_Backup list, read back with the record reader.
  std::vector<std::string> fileLines() {
    std::string bytes;
    if (!platform.readFile(path, bytes)) return {"<no file>"};
    Record r = RecordReader(bytes).read();
    EXPECT_EQ(r.className, "TDataQueue");
    EXPECT_EQ(r.name, "DataBox");
    std::vector<std::string> out;
    if (const Value* v = r.find("Data_Backup.Strings"))
      for (const Value& line : v->list) out.push_back(line.text);
    return out;
  }

  TempDir dir;
  std::string path = dir.path() + "/data.dat";
};

TEST_F(Data, NewRecordAndAppendStoreOneRowOfAHundredFields) {
  run({"데이타제작 회원", "정의 데이타:이름 = 홍 ~ 길동", "데이타추가"});
  ASSERT_EQ(rows(1).size(), 1u);
  const std::string& r = rows(1)[0];
  EXPECT_EQ(r, row({"홍길동"}));
  EXPECT_EQ(std::count(r.begin(), r.end(), '\x01'), 100);
  EXPECT_EQ(r.back(), '\x01');

  // The record stays as it was: appending again stores a copy, in a later event too.
  run({"정의 데이타:비고 = 끝", "데이타추가"});
  ASSERT_EQ(rows(1).size(), 2u);
  std::vector<std::string> second(100);
  second[0] = "홍길동";
  second[99] = "끝";
  EXPECT_EQ(rows(1)[1], row(second));

  // Of two tables with the same name the last counts.
  run({"데이타제작 중복", "정의 데이타:값 = x", "데이타추가"});
  EXPECT_TRUE(rows(2).empty());
  ASSERT_EQ(rows(4).size(), 1u);
  EXPECT_EQ(rows(4)[0], row({"x", "x"}));  // a write reaches every field of that name
  EXPECT_TRUE(errors().empty());
}

TEST_F(Data, RecordsNeedAKnownTable) {
  // Right after start there is no record: nothing to append, change or delete.
  run({"데이타추가", "데이타수정", "데이타삭제", "데이타제작 손님", "데이타제작", "데이타추가"});
  EXPECT_EQ(
      errors(),
      (std::vector<std::string>{
          "데이타 배열 이름이 잘못되었습니다.", "데이타 큐에 들어있는 자료가 바르지 않습니다.",
          "데이타 큐에 들어있는 자료가 바르지 않습니다.", "데이타 배열 이름이 잘못되었습니다.",
          "데이타 배열 이름이 잘못되었습니다.", "데이타 배열 이름이 잘못되었습니다."}));
  for (int t = 1; t <= 9; ++t) EXPECT_TRUE(rows(t).empty());
}

TEST_F(Data, SearchSelectsTheLastMatchForChangeAndDelete) {
  rows(1) = {row({"홍", "1"}), row({"김", "2"}), row({"홍", "3"}), row({"이", "4"})};
  run({"데이타검색 회원 이름 홍", "정의 데이타:전화 = 데이타:전화 ~ 번", "데이타수정"});
  EXPECT_EQ(rows(1)[0], row({"홍", "1"}));
  EXPECT_EQ(rows(1)[2], row({"홍", "3번"}));
  EXPECT_EQ(hub.currentRecord().row, 2);

  // The record lives on to the next event.
  run({"데이타삭제"});
  EXPECT_EQ(rows(1),
            (std::vector<std::string>{row({"홍", "1"}), row({"김", "2"}), row({"이", "4"})}));
  EXPECT_EQ(hub.currentRecord().table, 0);
  EXPECT_EQ(hub.currentRecord().row, -1);
  EXPECT_EQ(hub.currentRecord().values[1], "3번");  // names and values stay

  // A second delete does nothing; so does a change after a search without a match, which
  // leaves the record cleared.
  run({"데이타삭제", "데이타검색 회원 이름 박", "데이타수정", "데이타삭제"});
  EXPECT_EQ(rows(1).size(), 3u);
  EXPECT_EQ(hub.currentRecord().values[1], "");
  EXPECT_TRUE(errors().empty());
  run({"데이타추가"});
  EXPECT_EQ(errors(), std::vector<std::string>{"데이타 배열 이름이 잘못되었습니다."});

  // The value is one evaluated token; table and field are taken as written.
  run({"선언 v", "정의 v = 김", "데이타검색 회원 이름 :v", "데이타검색 회원 성명 김",
       "데이타검색 :t 이름 김", "데이타검색 회원"});
  EXPECT_EQ(hub.currentRecord().row, 1);
  EXPECT_EQ(hub.currentRecord().tableName, "회원");
  auto e = errors();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[1], "데이타 항목을 찾을 수 없습니다.");
  EXPECT_EQ(e[2], "데이타 배열 이름이 잘못되었습니다.");
  EXPECT_EQ(e[3], "데이타 항목을 찾을 수 없습니다.");

  // Of two fields with the same name the last is searched.
  rows(4) = {row({"a", "b"})};
  run({"데이타검색 중복 값 b"});
  EXPECT_EQ(hub.currentRecord().row, 0);
  EXPECT_EQ(hub.currentRecord().table, 4);
  run({"데이타검색 중복 값 a"});
  EXPECT_EQ(hub.currentRecord().row, -1);
}

TEST_F(Data, ChangingARowThatIsGoneReportsTheStore) {
  rows(1) = {row({"홍"}), row({"김"})};
  run({"데이타검색 회원 이름 김"});
  rows(1).pop_back();  // another event, or a load, removed it
  run({"데이타수정", "데이타삭제"});
  EXPECT_EQ(errors(), std::vector<std::string>(2, "데이타 큐에 들어있는 자료가 바르지 않습니다."));
  EXPECT_EQ(rows(1), std::vector<std::string>{row({"홍"})});
}

TEST_F(Data, StoredRowsWithTooManyOrTooFewFieldsKeepAHundred) {
  std::string wide = row({"홍", "1"}) + "넘침\x01더\x01";
  rows(1) = {wide,
             "김\x01"
             "2"};
  run({"데이타검색 회원 이름 홍", "데이타수정", "데이타검색 회원 전화 2", "데이타수정"});
  EXPECT_EQ(rows(1)[0], row({"홍", "1"}));
  EXPECT_EQ(rows(1)[1], row({"김", "2"}));
  EXPECT_TRUE(errors().empty());

  // The last field is found whatever the lengths of the values before it.
  rows(1).clear();
  for (int n = 0; n < 40; ++n) {
    std::vector<std::string> v(100);
    for (int f = 0; f < 99; ++f)
      v[static_cast<std::size_t>(f)] = std::string((n * (f + 1)) % 9, 'a' + f % 26);
    v[99] = "끝" + std::to_string(n);
    rows(1).push_back(row(v));
  }
  for (int n = 0; n < 40; ++n) {
    run({"데이타검색 회원 비고 끝" + std::to_string(n)});
    EXPECT_EQ(hub.currentRecord().row, n);
    EXPECT_EQ(hub.currentRecord().values[98], std::string((n * 99) % 9, 'a' + 98 % 26));
  }
  run({"데이타검색 회원 비고 끝"});
  EXPECT_EQ(hub.currentRecord().row, -1);
}

TEST_F(Data, CountAndListReadWholeTables) {
  rows(1) = {row({""}), row({"가"}), row({""}), row({"나"}), row({""})};
  hub.settings()->setRegister(5, "전");
  run({"데이타갯수 손님"});
  EXPECT_EQ(reg(5), "전");
  EXPECT_EQ(errors(), std::vector<std::string>{"데이타 배열 이름이 잘못되었습니다."});
  run({"데이타갯수 회원"});
  EXPECT_EQ(reg(5), "5");

  auto& list = addNamed<TRunListBox>("목록1");
  auto& combo = addNamed<TRunComboBox>("콤보1");
  auto& memo = addNamed<TNewMemo>("메모1");
  list.setItems({"옛것"});
  run({"선언 i", "정의 i = 목록 ~ 1", "데이타목록 회원 이름 :i", "데이타목록 회원 이름 콤보1",
       "데이타목록 회원 이름 메모1"});
  EXPECT_EQ(list.items(), (Lines{"가", "", "나"}));
  EXPECT_EQ(combo.items(), (Lines{"가", "", "나"}));
  EXPECT_EQ(memo.lines(), (Lines{"가", "", "나"}));

  run({"데이타목록 회원 이름 Button1", "데이타목록 회원 주소 목록1", "데이타목록 손님 이름 목록1"});
  auto e = errors();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[1], "문자열 처리가 가능한 아이템이 아닙니다.");
  EXPECT_EQ(e[2], "데이타 항목을 찾을 수 없습니다.");
  EXPECT_EQ(e[3], "데이타 배열 이름이 잘못되었습니다.");
  EXPECT_EQ(list.items(), (Lines{"가", "", "나"}));
}

TEST_F(Data, SaveWritesEveryTableAndLoadBringsItBack) {
  rows(1) = {row({"홍", "1"}), row({"김", "2"})};
  rows(3) = {row({std::string(300, 'x')})};
  run({"저장하기"});
  EXPECT_EQ(fileLines(),
            (std::vector<std::string>{"2", row({"홍", "1"}), row({"김", "2"}), "0", "1",
                                      row({std::string(300, 'x')}), "0", "0", "0", "0", "0", "0"}));

  // Loading replaces the store; later statements work on the loaded rows.
  DataQueue* before = &hub.DataBox();
  rows(1).clear();
  run({"데이타검색 회원 이름 김", "불러오기", "데이타제작 회원", "정의 데이타:이름 = 박",
       "데이타추가", "데이타갯수 회원"});
  EXPECT_NE(&hub.DataBox(), before);
  EXPECT_EQ(rows(1).size(), 3u);
  EXPECT_EQ(rows(3).size(), 1u);
  EXPECT_EQ(reg(5), "3");
  EXPECT_TRUE(errors().empty());
}

TEST_F(Data, AutoSaveOptionSavesEveryChangeAndReportsFailures) {
  hub.settings()->setOption(5, true);
  run({"데이타제작 회원", "정의 데이타:이름 = 홍", "데이타추가"});
  EXPECT_EQ(fileLines(),
            (std::vector<std::string>{"1", row({"홍"}), "0", "0", "0", "0", "0", "0", "0", "0"}));
  run({"데이타검색 회원 이름 홍", "정의 데이타:전화 = 9", "데이타수정"});
  EXPECT_EQ(fileLines()[1], row({"홍", "9"}));
  run({"데이타검색 회원 이름 홍", "데이타삭제"});
  EXPECT_EQ(fileLines()[0], "0");

  // Without the option a change stays in memory.
  hub.settings()->setOption(5, false);
  run({"데이타제작 회원", "데이타추가"});
  EXPECT_EQ(fileLines()[0], "0");

  // A save that fails is reported with its reason, whether asked for or automatic.
  hub.settings()->setOption(5, true);
  hub.setDataPath(dir.path() + "/no_such_directory/data.dat");
  run({"데이타추가", "저장하기"});
  auto e = errors();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_NE(e[0].find("no_such_directory/data.dat"), std::string::npos);
  EXPECT_EQ(e[0], e[1]);
  EXPECT_EQ(rows(1).size(), 2u);  // the row is kept in memory
  EXPECT_FALSE(hub.ScriptRunning());
}

TEST_F(Data, DataMenuShowsWhyASaveFailed) {
  rows(2) = {row({"a"})};
  hub.setDataPath(dir.path() + "/no_such_directory/data.dat");
  hub.MenuCommand("N7");
  hub.MenuCommand("N6");  // a missing file empties the tables, and the message says so
  EXPECT_TRUE(rows(2).empty());
  const auto& log = platform.log();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0]["dialog"], "error");
  EXPECT_NE(log[0]["text"].get<std::string>().find("no_such_directory"), std::string::npos);
  EXPECT_EQ(log[1]["text"],
            std::string(msg::kDataFileMissing) + dir.path() + "/no_such_directory/data.dat");
}

}  // namespace
}  // namespace qav::testing
