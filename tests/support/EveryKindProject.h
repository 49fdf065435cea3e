#pragma once
// A project with one of every kind of window and item, two data tables and a named-value item:
// the given scripts go to a button's click (first), a list's change (second) and a timer's tick
// (third); the other items carry short scripts of their own.
#include <string>
#include <vector>

#include "ProjectBuilder.h"

namespace qav::testing {

inline ProjectBuilder everyKindProject(const std::vector<std::vector<std::string>>& scripts,
                                       const std::string& dataFile) {
  auto script = [&](std::size_t i) {
    return i < scripts.size() ? scripts[i] : std::vector<std::string>{};
  };
  ProjectBuilder b;
  b.dataFile = dataFile;
  b.options[1] = true;
  b.tableNames[1] = "회원";
  b.fieldNames[1][1] = "이름";
  b.fieldNames[1][2] = "나이";
  b.fieldNames[1][3] = "전화";
  b.tableNames[2] = "상품";
  b.fieldNames[2][1] = "코드";
  b.fieldNames[2][2] = "값";
  b.window("Frm01Main", 100, 80, 640, 400, {Text("Title", "주 화면")});
  b.window("Frm02Second", 50, 50, 300, 200, {LinesOf("Ivent1", {"정의 레지스터:3 = 창"})});
  b.window("Frm03PageA", 0, 0, 200, 100);
  b.window("Frm04PageB", 0, 0, 200, 100);
  auto at = [](int l, int t, int w, int h, std::vector<Property> extra, bool flags = true) {
    std::vector<Property> p{Int("Left", l), Int("Top", t), Int("Width", w), Int("Height", h)};
    if (flags) {
      p.push_back(Bool("EnabledCheck", true));
      p.push_back(Bool("VisibleCheck", true));
    }
    for (auto& e : extra) p.push_back(std::move(e));
    return p;
  };
  b.item("TNewButton", "Btn01Run", "Frm01Main",
         at(10, 10, 80, 24, {Text("Caption", "실행"), LinesOf("Ivent2", script(0))}));
  b.item("TNewButton", "Btn02Other", "Frm01Main",
         at(100, 10, 80, 24, {LinesOf("Ivent2", {"정의 Title:제목 = 눌림"})}));
  b.item("TNewLabel", "Lbl01Title", "Frm01Main", at(10, 40, 200, 20, {Text("Caption", "제목")}));
  b.item("TNewEdit", "Edt01Name", "Frm01Main",
         at(10, 70, 120, 21, {Int("MaxLength", 20), LinesOf("Ivent3", {"선언 x"})}));
  b.item("TNewEdit", "Edt02Age", "Frm01Main",
         at(140, 70, 60, 21,
            {P("InputStyle", Value::makeIdent("isNumber")), Int("MaxValue", 200),
             Int("MinValue", 0)}));
  b.item("TNewMemo", "Mem01Note", "Frm01Main",
         at(10, 100, 200, 80, {Int("MaxLine", 5), LinesOf("BackupString", {"첫 줄", "둘"})}));
  b.item("TNewListBox", "Lst01Names", "Frm01Main",
         at(220, 100, 120, 80,
            {LinesOf("BackupString", {"가", "나", "다"}), Bool("Sorted", true),
             LinesOf("Ivent3", script(1))}));
  b.item("TNewComboBox", "Cmb01Colour", "Frm01Main",
         at(350, 100, 120, 21,
            {Text("Text", "흰색"), Bool("Input", true),
             LinesOf("BackupString", {"흰색", "검정", "노랑"})}));
  b.item("TNewCheckBox", "Chk01Male", "Frm03PageA",
         at(8, 8, 80, 20, {Text("Caption", "남"), Bool("Only", true), Int("Group", 1)}));
  b.item("TNewCheckBox", "Chk02Female", "Frm03PageA",
         at(8, 30, 80, 20, {Text("Caption", "여"), Bool("Only", true), Int("Group", 1)}));
  b.item("TNewRadioButton", "Rad01One", "Frm04PageB", at(8, 8, 80, 20, {Int("GroupIndex", 1)}));
  b.item("TNewRadioButton", "Rad02Two", "Frm04PageB", at(8, 30, 80, 20, {Int("GroupIndex", 1)}));
  b.item("TNewPage", "Pag01Info", "Frm01Main",
         at(350, 140, 220, 130,
            {LinesOf("PageName", {"가", "[None]", "나"}),
             LinesOf("PageWindow", {"PageA", "", "PageB"}), Text("ActivePage", "가"),
             LinesOf("Ivent3", {"현재아이템 Info"})}));
  b.item("TNewTimer", "Tmr01Tick", "Frm01Main",
         at(0, 0, 33, 33, {Int("Inteval", 1000), Bool("On", true), LinesOf("Ivent5", script(2))}));
  b.item("TNewAlarm", "Alm01Wake", "Frm01Main",
         at(40, 0, 33, 33, {Bool("On", true), LinesOf("Ivent5", {"작동 Beep"})}));
  b.item("TBox", "Box01Badge", "Frm01Main",
         at(10, 200, 65, 65,
            {P("ShapeType", Value::makeIdent("msEllipse")), Int("Shadows", 2), Int("Borders", 2)}));
  b.item("TLine", "Lin01Rule", "Frm01Main", at(10, 280, 300, 4, {}, false));
  b.item("TNewWatch", "Wat01Dial", "Frm01Main", at(100, 200, 70, 70, {}));
  b.item("TNewProgress", "Prg01Bar", "Frm01Main", at(180, 200, 120, 28, {}));
  b.item("TNewImage", "Img01Logo", "Frm01Main", at(310, 200, 40, 40, {}));
  b.item("TNewSound", "Snd01Beep", "Frm01Main", at(360, 200, 33, 33, {Text("FileName", "a.wav")}));
  std::vector<std::string> names(100), values(100);
  names[0] = "세율", values[0] = "10", names[1] = "이름", values[1] = "홍길동";
  b.item("TNewData", "Dat01Values", "Frm01Main",
         at(400, 200, 33, 33, {LinesOf("Backup_Names", names), LinesOf("Backup_Value", values)},
            false));
  b.item("TNewLoadBox", "Opn01Open", "Frm01Main", at(440, 200, 33, 33, {}, false));
  b.item("TNewSaveBox", "Sav01Save", "Frm01Main", at(480, 200, 33, 33, {}, false));
  b.item("TNewLabel", "Lbl02Caption", "Frm02Second", at(10, 10, 100, 20, {}));
  return b;
}

}  // namespace qav::testing
