#pragma once
// The project every corpus case plays in: a main window with an item of every kind, a second
// window, a page window, and two data tables. Run-time names are the stream names without
// their five-letter prefix: Run, Other, Third, Label, Edit, Memo, List, Combo, Check1..3,
// Radio, Image, Pages, Timer, Alarm, Watch, Gauge, Box, Line, Sound, Values, Load, Save on
// Main; Close and Note on Second; Intro on PageA.
#include <string>
#include <vector>

#include "support/ProjectBuilder.h"

namespace qav::testing {

inline ProjectBuilder corpusProject() {
  ProjectBuilder p;
  p.programName = "코퍼스";
  p.dataFile = "corpus.dat";
  p.tableNames[1] = "회원";
  p.fieldNames[1][1] = "이름";
  p.fieldNames[1][2] = "나이";
  p.fieldNames[1][3] = "주소";
  p.tableNames[2] = "상품";
  p.fieldNames[2][1] = "코드";
  p.fieldNames[2][2] = "이름";
  p.fieldNames[2][3] = "값";

  auto at = [](int l, int t, int w, int h) {
    return std::vector<Property>{Int("Left", l),
                                 Int("Top", t),
                                 Int("Width", w),
                                 Int("Height", h),
                                 Bool("EnabledCheck", true),
                                 Bool("VisibleCheck", true)};
  };
  auto with = [](std::vector<Property> base, std::vector<Property> more) {
    for (auto& m : more) base.push_back(std::move(m));
    return base;
  };
  p.window("Frm01Main", 100, 80, 640, 400, {Text("Title", "주 창")});
  p.window("Frm02Second", 200, 160, 300, 170, {Text("Title", "둘째 창")});
  p.window("Frm03PageA", 0, 0, 270, 130, {Text("Title", "쪽")});
  const std::string main = "Frm01Main";
  p.item("TNewButton", "Btn01Run", main, with(at(8, 8, 80, 24), {Text("Caption", "실행")}));
  p.item("TNewButton", "Btn02Other", main, with(at(96, 8, 80, 24), {Text("Caption", "다른")}));
  p.item("TNewButton", "Btn03Third", main, with(at(184, 8, 80, 24), {Text("Caption", "셋째")}));
  p.item("TNewLabel", "Lbl01Label", main, with(at(8, 40, 100, 16), {Text("Caption", "라벨")}));
  p.item("TNewEdit", "Edt01Edit", main, with(at(8, 60, 100, 21), {Text("BackupText", "편집")}));
  p.item("TNewMemo", "Mem01Memo", main,
         with(at(8, 90, 150, 60), {LinesOf("BackupString", {"첫줄", "둘째줄"})}));
  p.item("TNewListBox", "Lst01List", main,
         with(at(170, 40, 120, 100), {LinesOf("BackupString", {"사과", "배", "Cherry"})}));
  p.item("TNewComboBox", "Cmb01Combo", main,
         with(at(300, 40, 120, 21),
              {LinesOf("BackupString", {"가", "나", "다"}), Text("Text", "나")}));
  p.item("TNewCheckBox", "Chk01Check1", main,
         with(at(8, 160, 90, 20), {Text("Caption", "하나"), Bool("Only", true), Int("Group", 1)}));
  p.item("TNewCheckBox", "Chk02Check2", main,
         with(at(100, 160, 90, 20), {Text("Caption", "둘"), Bool("Only", true), Int("Group", 1)}));
  p.item("TNewCheckBox", "Chk03Check3", main,
         with(at(200, 160, 90, 20), {Text("Caption", "셋"), Int("Group", 1)}));
  p.item("TNewRadioButton", "Rad01Radio", main, with(at(300, 160, 90, 20), {}));
  p.item("TNewImage", "Img01Image", main, at(400, 160, 40, 40));
  p.item("TNewPage", "Pag01Pages", main,
         with(at(300, 200, 280, 150),
              {LinesOf("PageName", {"소개", "빈쪽"}), LinesOf("PageWindow", {"PageA", ""}),
               Text("ActivePage", "소개")}));
  p.item("TNewTimer", "Tmr01Timer", main, with(at(0, 0, 33, 33), {Int("Inteval", 1000)}));
  p.item("TNewAlarm", "Alm01Alarm", main, at(40, 0, 33, 33));
  p.item("TNewWatch", "Wat01Watch", main, at(8, 200, 70, 70));
  p.item("TNewProgress", "Prg01Gauge", main, at(90, 200, 120, 28));
  p.item("TBox", "Box01Box", main, at(90, 240, 60, 60));
  p.item("TLine", "Lin01Line", main,
         {Int("Left", 160), Int("Top", 240), Int("Width", 100), Int("Height", 4),
          Bool("VisibleCheck", true)});
  p.item("TNewSound", "Snd01Sound", main, with(at(80, 0, 33, 33), {Text("FileName", "")}));
  std::vector<std::string> names(100), values(100);
  names[0] = "색", values[0] = "빨강";
  names[1] = "수", values[1] = "7";
  names[2] = "색", values[2] = "파랑";
  p.item("TNewData", "Dat01Values", main,
         {LinesOf("Backup_Names", names), LinesOf("Backup_Value", values)});
  p.item("TNewLoadBox", "Lod01Load", main, {Text("Title", "열기")});
  p.item("TNewSaveBox", "Sav01Save", main, {Text("Title", "저장")});
  p.item("TNewButton", "Btn04Close", "Frm02Second",
         with(at(8, 8, 80, 24), {Text("Caption", "닫기")}));
  p.item("TNewLabel", "Lbl02Note", "Frm02Second", with(at(8, 40, 200, 16), {Text("Caption", "")}));
  p.item("TNewLabel", "Lbl03Intro", "Frm03PageA",
         with(at(8, 8, 200, 16), {Text("Caption", "소개 글")}));
  return p;
}

// Gives the item or window with this run-time name the script in the event slot its kind
// runs; false when there is no such record.
inline bool attachScript(ProjectBuilder& p, const std::string& name,
                         const std::vector<std::string>& lines) {
  for (Record& r : p.records()) {
    if (r.name.size() <= 5 || r.name.substr(5) != name) continue;
    const std::string& c = r.className;
    int slot = 3;
    if (c == "TNewPanel") slot = 1;
    if (c == "TNewButton" || c == "TNewLabel" || c == "TBox") slot = 2;
    if (c == "TNewTimer" || c == "TNewAlarm") slot = 5;
    r.properties.push_back(LinesOf("Ivent" + std::to_string(slot), lines));
    return true;
  }
  return false;
}

}  // namespace qav::testing
