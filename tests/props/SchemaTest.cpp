// The schema tables the interpreter reads kind letters and choices from.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "props/Schema.h"

namespace qav {
namespace {

// The shared choice lists, typed out independently of the word tables.
const std::string kTruth = "참,거짓";
const std::string kColours =
    "검정,파랑,녹색,하늘,빨강,보라,노랑,은색,회색,밝은파랑,밝은녹색,밝은하늘,밝은빨강,밝은보라,"
    "밝은노랑,흰색,기본바탕색,기본윈도우색";
const std::string kCursors =
    "기본,화살표,입력,대기중,실행대기중,금지,십자가,손가락,도움말,드래그,멀티드래그,드래그금지,"
    "가로조정,세로조정,좌우조정,상하조정,좌횡단조정,우횡단조정";

// Expected rows: code and name, then for choice rows ":" and the choices.
std::string C(std::string_view name, const std::string& choices) {
  return "COC" + std::string(name) + ":" + choices;
}

struct Expected {
  std::string table;
  std::vector<std::string> rows;
};

std::vector<std::string> windowRows() {
  return {"EXX이름",
          "EOS제목",
          "NXX아이콘",
          C("시스템버튼", kTruth),
          C("최소버튼", kTruth),
          C("최대버튼", kTruth),
          C("창상태", "없음,크기고정,크기조절"),
          "ZXX창크기",
          C("커서", kCursors),
          "OOF글자모양",
          C("바탕색", kColours),
          C("항상위", kTruth),
          C("자동크기조정", kTruth)};
}

std::vector<Expected> expectedTables() {
  const std::string dirs = "위쪽,아래쪽,왼쪽,오른쪽";
  return {
      {"Hint_Form", windowRows()},
      {"Hint_NewLabel",
       {"EXX이름", "EOS제목", C("접근", kTruth), C("존재", kTruth), "EOS가로좌표", "EOS세로좌표",
        "EOS가로크기", "EOS세로크기", C("가로정렬", "좌측 정렬,우측 정렬,중앙 정렬"),
        C("세로정렬", "위측 정렬,아래측 정렬,중앙 정렬"), C("자동크기", kTruth),
        C("커서", kCursors), "OOF글자모양", C("바탕색", kColours), C("부모바탕색", kTruth),
        C("부모글자모양", kTruth), C("투명바탕색", kTruth), "EOS풍선도움말"}},
      {"Hint_Line",
       {"EXX이름", C("존재", kTruth), "EOS가로좌표", "EOS세로좌표", "EOS가로크기", "EOS세로크기",
        C("커서", kCursors), C("방향", dirs), C("스타일", "오목,볼록"), "EOS풍선도움말"}},
      {"Hint_Box",
       {"EXX이름", C("존재", kTruth), "EOS가로좌표", "EOS세로좌표", "EOS가로크기", "EOS세로크기",
        C("커서", kCursors), C("회전", "0,45,90,135,180,-45,-90,-135"), C("바탕", kTruth),
        C("바탕색", kColours), C("선색", kColours), "EOS선두께", C("그림자색", kColours),
        "EOS그림자두께", C("스타일", "마름모,원,사각형,둥근사각형,삼각형"), "EOS풍선도움말"}},
      {"Hint_NewButton",
       {"EXX이름", "EOS제목", C("접근", kTruth), C("존재", kTruth), "EOS가로좌표", "EOS세로좌표",
        "EOS가로크기", "EOS세로크기", C("커서", kCursors), "OOF글자모양", "IOI그림",
        C("그림위치", dirs), "EOS그림여백", C("부모글자모양", kTruth), C("탭여부", kTruth),
        "EOS탭순서", "EOS풍선도움말"}},
      {"Hint_RunComboBox",
       {"EXX이름", C("접근", kTruth), C("존재", kTruth), "EOS가로좌표", "EOS세로좌표",
        "EOS가로크기", "EOS세로크기", C("커서", kCursors), "SOT아이템", "OOF글자모양",
        C("바탕색", kColours), C("직접입력", kTruth), C("내용정렬", kTruth),
        C("부모바탕색", kTruth), C("부모글자모양", kTruth), C("탭여부", kTruth), "EOS탭순서",
        "EOS풍선도움말"}},
      {"Hint_RunListBox",
       {"EXX이름", C("접근", kTruth), C("존재", kTruth), "EOS가로좌표", "EOS세로좌표",
        "EOS가로크기", "EOS세로크기", C("커서", kCursors), "SOT아이템", "OOF글자모양",
        C("바탕색", kColours), C("테두리", kTruth), C("내용정렬", kTruth), C("부모바탕색", kTruth),
        C("부모글자모양", kTruth), C("탭여부", kTruth), "EOS탭순서", "EOS풍선도움말"}},
      {"Hint_NewMemo",
       {"EXX이름",
        C("접근", kTruth),
        C("존재", kTruth),
        "EOS가로좌표",
        "EOS세로좌표",
        "EOS가로크기",
        "EOS세로크기",
        C("커서", kCursors),
        "SOT문자열",
        "OOF글자모양",
        C("바탕색", kColours),
        "EOS최대바이트",
        "EOS최대줄",
        C("테두리", kTruth),
        C("스크롤", "없음,상하 스크롤,좌우 스크롤,공용 스크롤"),
        C("읽기전용", kTruth),
        C("자동넘김", kTruth),
        C("부모바탕색", kTruth),
        C("부모글자모양", kTruth),
        C("탭여부", kTruth),
        "EOS탭순서",
        "EOS풍선도움말"}},
      {"Hint_NewEdit",
       {"EXX이름",
        C("접근", kTruth),
        C("존재", kTruth),
        "EOS가로좌표",
        "EOS세로좌표",
        "EOS가로크기",
        "EOS세로크기",
        C("커서", kCursors),
        "EOS문자열",
        "OOF글자모양",
        C("바탕색", kColours),
        C("입력형태", "숫자,문자"),
        "EOS최소값",
        "EOS최대값",
        "EOS최대길이",
        C("문자정렬", "정렬안함,소문자,대문자"),
        C("테두리", kTruth),
        C("입력숨김", kTruth),
        C("읽기전용", kTruth),
        C("부모바탕색", kTruth),
        C("부모글자모양", kTruth),
        C("탭여부", kTruth),
        "EOS탭순서",
        "EOS풍선도움말"}},
      {"Hint_NewImage",
       {"EXX이름", C("접근", kTruth), C("존재", kTruth), "EOS가로좌표", "EOS세로좌표",
        "EOS가로크기", "EOS세로크기", C("커서", kCursors), C("자동크기", kTruth),
        C("자동맞춤", kTruth), C("가운데", kTruth), "AOI그림", C("투명바탕색", kTruth),
        "EOS풍선도움말"}},
      {"Hint_NewCheckBox",
       {"EXX이름",
        "EOS제목",
        C("접근", kTruth),
        C("존재", kTruth),
        "EOS가로좌표",
        "EOS세로좌표",
        "EOS가로크기",
        "EOS세로크기",
        C("커서", kCursors),
        "OOF글자모양",
        C("바탕색", kColours),
        C("표시", kTruth),
        C("유일", kTruth),
        "EOS그룹번호",
        C("방향", "왼쪽,오른쪽"),
        C("부모바탕색", kTruth),
        C("부모글자모양", kTruth),
        C("탭여부", kTruth),
        "EOS탭순서",
        "EOS풍선도움말"}},
      {"Hint_RunTimer", {"EXX이름", C("작동", kTruth), "EOS작동간격"}},
      {"Hint_RunAlarm",
       {"EXX이름", C("작동", kTruth), "YOS작동날짜", "GOS작동시간", C("작동간격", "특정일,매일")}},
      {"Hint_RunWatch",
       {"EXX이름", C("존재", kTruth), "EOS가로좌표", "EOS세로좌표", "EOS가로크기", "EOS세로크기",
        C("커서", kCursors), C("바늘색", kColours), C("바탕색", kColours), C("초침", kTruth),
        "EOS풍선도움말"}},
      {"Hint_NewPage",
       {"EXX이름", C("접근", kTruth), "EOS가로좌표", "EOS세로좌표", C("커서", kCursors),
        "OOF글자모양", "ROS활동윈도우", C("다중페이지", kTruth), C("페이지위치", "상단,하단"),
        "PXX페이지", C("부모글자모양", kTruth), C("탭여부", kTruth), "EOS탭순서", "EOS풍선도움말"}},
      {"Hint_NewData", {"EXX이름", "TXX데이타"}},
      {"Hint_NewSound", {"EXX이름", "WOS파일이름"}},
      {"Hint_NewProgress",
       {"EXX이름", C("접근", kTruth), C("존재", kTruth), "EOS가로좌표", "EOS세로좌표",
        "EOS가로크기", "EOS세로크기", C("커서", kCursors), "OOF글자모양", C("바탕색", kColours),
        C("그래프색", kColours), C("스타일", "가로막대,세로막대,원"), C("텍스트", kTruth),
        "EOS최소값", "EOS최대값", "EOS현재값", C("부모바탕색", kTruth), C("부모글자모양", kTruth),
        "EOS풍선도움말"}},
      {"Hint_Main", windowRows()},
  };
}

// The part of a row up to its help text: code, name, and for choice rows the choices.
std::string head(const std::string& row) {
  std::size_t first = row.find(':');
  if (row.size() < 3 || row[2] != 'C') return row.substr(0, first);
  return row.substr(0, row.find(':', first + 1));
}

TEST(SchemaTables, NineteenTablesInOrderWithTheirRows) {
  const std::vector<Expected> expected = expectedTables();
  const auto& tables = schemaTables();
  ASSERT_EQ(tables.size(), expected.size());
  for (std::size_t t = 0; t < tables.size(); ++t) {
    const SchemaTable& table = *tables[t];
    EXPECT_EQ(table.name(), expected[t].table);
    ASSERT_EQ(table.rows().size(), expected[t].rows.size()) << table.name();
    for (std::size_t r = 0; r < table.rows().size(); ++r)
      EXPECT_EQ(head(table.rows()[r]), expected[t].rows[r]) << table.name() << " row " << r;
    EXPECT_EQ(schemaTable(expected[t].table), &table);
  }
  EXPECT_EQ(schemaTable("Hint_Main")->rows(), schemaTable("Hint_Form")->rows());
  EXPECT_EQ(schemaTable("Hint_Nothing"), nullptr);
  EXPECT_EQ(schemaTable("hint_form"), nullptr);
}

TEST(SchemaTables, EveryRowIsWellFormedWithAHelpSentence) {
  for (const SchemaTable* table : schemaTables()) {
    for (const std::string& row : table->rows()) {
      ASSERT_GE(row.size(), 5u) << row;
      for (int i = 0; i < 3; ++i) EXPECT_TRUE(row[i] >= 'A' && row[i] <= 'Z') << row;
      if (row[1] == 'X') {
        EXPECT_EQ(row[2], 'X') << row;
      }
      std::size_t first = row.find(':');
      ASSERT_NE(first, std::string::npos) << row;
      std::size_t helpStart = row[2] == 'C' ? row.find(':', first + 1) : first;
      ASSERT_NE(helpStart, std::string::npos) << row;
      std::string help = row.substr(helpStart + 1);
      EXPECT_GT(help.size(), 6u) << row;
      EXPECT_EQ(help.find(':'), std::string::npos) << row;
      EXPECT_NE(help.find("니다."), std::string::npos) << row;
    }
  }
}

TEST(SchemaTables, HelpTextsThatAreFixed) {
  auto rowOf = [](std::string_view table, std::string_view name) -> std::string {
    for (const std::string& row : schemaTable(table)->rows())
      if (SchemaEntryName(row) == name) return row;
    return {};
  };
  EXPECT_EQ(rowOf("Hint_NewEdit", "접근"), "COC접근:참,거짓:아이템에 접근이 가능한지 설정합니다.");
  EXPECT_EQ(rowOf("Hint_NewLabel", "이름"), "EXX이름:현재 아이템의 고유 이름을 입력합니다.");
  EXPECT_EQ(rowOf("Hint_Form", "이름"), "EXX이름:현재 창의 고유 이름을 입력합니다.");
  EXPECT_EQ(rowOf("Hint_Main", "이름"), "EXX이름:현재 창의 고유 이름을 입력합니다.");
  EXPECT_EQ(rowOf("Hint_Box", "풍선도움말"),
            "EOS풍선도움말:마우스가 아이템 위에 일시동안 올려질때 나타날 간단한 도움말을 "
            "입력합니다.");
  EXPECT_EQ(rowOf("Hint_RunTimer", "작동간격"),
            "EOS작동간격:아이템의 작동 간격을 설정합니다. (단위 0.001초)");
  EXPECT_EQ(rowOf("Hint_NewMemo", "글자모양"), "OOF글자모양:폰트, 문자의 색상등을 선택합니다.");
}

TEST(SchemaTables, ClassesFindTheirTables) {
  EXPECT_EQ(schemaForClass("TNewEdit"), schemaTable("Hint_NewEdit"));
  EXPECT_EQ(schemaForClass("TForm"), schemaTable("Hint_Form"));
  EXPECT_EQ(schemaForClass("TMain"), schemaTable("Hint_Main"));
  EXPECT_EQ(schemaForClass("TRunListBox"), schemaTable("Hint_RunListBox"));
  EXPECT_EQ(schemaForClass("TRunComboBox"), schemaTable("Hint_RunComboBox"));
  EXPECT_EQ(schemaForClass("TBox"), schemaTable("Hint_Box"));
  EXPECT_EQ(schemaForClass("TLine"), schemaTable("Hint_Line"));
  EXPECT_EQ(schemaForClass("TNewProgress"), schemaTable("Hint_NewProgress"));
  EXPECT_EQ(schemaForClass("TNewData"), schemaTable("Hint_NewData"));
  // Kinds whose run-time class has no table: clock, page control, radio button, list record.
  EXPECT_EQ(schemaForClass("TNewWatch"), nullptr);
  EXPECT_EQ(schemaForClass("TRunPage"), nullptr);
  EXPECT_EQ(schemaForClass("TNewRadioButton"), nullptr);
  EXPECT_EQ(schemaForClass("TNewListBox"), nullptr);
  EXPECT_EQ(schemaForClass(""), nullptr);
  EXPECT_EQ(schemaForClass("T"), nullptr);
}

TEST(SchemaTables, KindLetters) {
  const SchemaTable& box = *schemaTable("Hint_Box");
  EXPECT_EQ(box.typeLetter("회전"), 'C');
  EXPECT_EQ(box.typeLetter("이름"), 'X');
  EXPECT_EQ(box.typeLetter("선두께"), 'S');
  EXPECT_EQ(box.typeLetter("접근"), 'S');  // the box table has no such row
  const SchemaTable& edit = *schemaTable("Hint_NewEdit");
  EXPECT_EQ(edit.typeLetter("접근"), 'C');
  EXPECT_EQ(edit.typeLetter("글자모양"), 'F');
  EXPECT_EQ(edit.typeLetter("이름"), 'X');
  EXPECT_EQ(edit.typeLetter("문자열"), 'S');
  EXPECT_EQ(edit.typeLetter("없는속성"), 'S');
  EXPECT_EQ(edit.typeLetter("접근 "), 'S');
  EXPECT_EQ(edit.typeLetter(""), 'S');
  EXPECT_EQ(schemaTable("Hint_NewButton")->typeLetter("그림"), 'I');
  EXPECT_EQ(schemaTable("Hint_NewImage")->typeLetter("그림"), 'I');
  EXPECT_EQ(schemaTable("Hint_RunListBox")->typeLetter("아이템"), 'T');
  EXPECT_EQ(schemaTable("Hint_NewMemo")->typeLetter("문자열"), 'T');
  EXPECT_EQ(schemaTable("Hint_Form")->typeLetter("창크기"), 'X');
  EXPECT_EQ(schemaTable("Hint_NewData")->typeLetter("데이타"), 'X');
  EXPECT_EQ(schemaTable("Hint_NewPage")->typeLetter("페이지"), 'X');

  // The first row with the name decides.
  SchemaTable twice("Hint_Test", {"EOSa:first", "COCa:x,y:second", "SOTb:list"});
  EXPECT_EQ(twice.typeLetter("a"), 'S');
  EXPECT_EQ(twice.typeLetter("b"), 'T');
}

TEST(SchemaTables, ChoiceChecks) {
  const SchemaTable& box = *schemaTable("Hint_Box");
  EXPECT_TRUE(box.hasChoice("회전", " 45 "));
  EXPECT_TRUE(box.hasChoice("회전", "-135"));
  EXPECT_FALSE(box.hasChoice("회전", "30"));
  EXPECT_FALSE(box.hasChoice("회전", "4"));
  EXPECT_TRUE(box.hasChoice("스타일", "둥근사각형"));
  EXPECT_FALSE(box.hasChoice("스타일", "둥근 사각형"));
  EXPECT_FALSE(box.hasChoice("없는속성", "0"));

  const SchemaTable& form = *schemaTable("Hint_Form");
  EXPECT_TRUE(form.hasChoice("창상태", "크기조절"));
  EXPECT_TRUE(form.hasChoice("창상태", "없음"));
  EXPECT_FALSE(form.hasChoice("창상태", "크기"));
  EXPECT_FALSE(form.hasChoice("창상태", "참"));

  const SchemaTable& edit = *schemaTable("Hint_NewEdit");
  EXPECT_TRUE(edit.hasChoice("접근", "거짓"));
  EXPECT_TRUE(edit.hasChoice("접근", "\t참  "));
  EXPECT_FALSE(edit.hasChoice("접근", "아니오"));
  EXPECT_FALSE(edit.hasChoice("접근", "참 거짓"));
  // Inner blanks belong to the choice.
  EXPECT_TRUE(schemaTable("Hint_NewLabel")->hasChoice("가로정렬", " 좌측 정렬"));
  EXPECT_FALSE(schemaTable("Hint_NewLabel")->hasChoice("가로정렬", "좌측정렬"));

  // Any row with the name may match.
  SchemaTable twice("Hint_Test", {"COCa:x,y:first", "COCa:z:second"});
  EXPECT_TRUE(twice.hasChoice("a", "y"));
  EXPECT_TRUE(twice.hasChoice("a", "z"));
  EXPECT_FALSE(twice.hasChoice("a", "first"));
}

TEST(SchemaRows, EntryNameCountsStoredBytes) {
  EXPECT_EQ(SchemaEntryName("COC접근:참,거짓:아이템에 접근이 가능한지 설정합니다."), "접근");
  EXPECT_EQ(SchemaEntryName("EOS가로좌표:help"), "가로좌표");
  EXPECT_EQ(SchemaEntryName("EOS이름"), "이름");
  EXPECT_EQ(SchemaEntryName("EOS:help"), "");
  EXPECT_EQ(SchemaEntryName("EOS"), "");
  EXPECT_EQ(SchemaEntryName("AB"), "");
  EXPECT_EQ(SchemaEntryName(""), "");
  // A Korean character takes two bytes in the stored form.
  EXPECT_EQ(SchemaEntryName("가abc:d"), "bc");
  EXPECT_EQ(SchemaEntryName("가a:b"), "");
  EXPECT_EQ(SchemaEntryName("가"), "");
}

TEST(SchemaRows, ChoiceScanOfOneRow) {
  EXPECT_TRUE(rowHasChoice("COC접근:참,거짓:help", "참"));
  EXPECT_TRUE(rowHasChoice("COC접근:참,거짓:help", "거짓"));
  EXPECT_FALSE(rowHasChoice("COC접근:참,거짓:help", "help"));
  // The unterminated last piece is never compared.
  EXPECT_TRUE(rowHasChoice("COCa:x,y", "x"));
  EXPECT_FALSE(rowHasChoice("COCa:x,y", "y"));
  // A help text right after the name: its pieces that end in "," count.
  EXPECT_TRUE(rowHasChoice("OOF글자모양:폰트, 문자의 색상등을 선택합니다.", "폰트"));
  EXPECT_FALSE(rowHasChoice("OOF글자모양:폰트, 문자의 색상등을 선택합니다.", "문자의"));
  // The search for the first colon starts at the second byte.
  EXPECT_FALSE(rowHasChoice(":a,b", "a"));
  EXPECT_TRUE(rowHasChoice("X:a,b", "a"));
  // Empty pieces match an empty or blank value.
  EXPECT_TRUE(rowHasChoice("COCa:,b:", "  "));
  EXPECT_FALSE(rowHasChoice("COCa:", ""));
  EXPECT_FALSE(rowHasChoice("", ""));
  EXPECT_FALSE(rowHasChoice("COCa", "a"));
}

}  // namespace
}  // namespace qav
