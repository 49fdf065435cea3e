#include <gtest/gtest.h>

#include "items/controls/NewButton.h"
#include "items/controls/NewEdit.h"
#include "items/controls/NewImage.h"
#include "items/controls/NewLabel.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "lang/Texts.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

class Assign : public ScriptTest {
 protected:
  Assign()
      : edit(addNamed<TNewEdit>("Edit1")),
        list(addNamed<TRunListBox>("List1")),
        memo(addNamed<TNewMemo>("Memo1")),
        image(addNamed<TNewImage>("Image1")),
        glyphButton(addNamed<TNewButton>("Btn")),
        label(addNamed<TNewLabel>("Label1")) {}
  std::string read(std::string_view ref) { return Propertys(hub, ref); }
  TNewEdit& edit;
  TRunListBox& list;
  TNewMemo& memo;
  TNewImage& image;
  TNewButton& glyphButton;
  TNewLabel& label;
};

TEST_F(Assign, TextsAndNumbersGoThroughExpressions) {
  run({"선언 a b", "정의 a = 1 + 2", "정의 b = 가 + 나", "정의 Edit1:문자열 = :a ~ 번"});
  EXPECT_EQ(var("a"), "3");
  EXPECT_EQ(var("b"), "가나");
  EXPECT_EQ(read("Edit1:문자열"), "3번");
  // A bare target is a variable; an undeclared one is silently lost.
  run({"선언 a", "정의 a = 5", "정의 zz = 1"});
  EXPECT_EQ(var("a"), "5");
  EXPECT_TRUE(errors().empty());
  // A line without a source assigns the empty text.
  run({"선언 a", "정의 a = 1", "정의 a"});
  EXPECT_EQ(var("a"), "");
}

TEST_F(Assign, ListsMoveBetweenItemsAndOneLineTexts) {
  run({"선언 s", "정의 s = 가|나", "정의 List1:아이템 = :s"});
  EXPECT_EQ(list.items(), (std::vector<std::string>{"가", "나"}));
  run({"선언 s", "정의 s = List1:아이템"});
  EXPECT_EQ(var("s"), "가|나|");
  run({"정의 Memo1:문자열 = List1:아이템"});
  EXPECT_EQ(memo.lines(), list.items());
  list.setItems({"바뀜"});
  EXPECT_EQ(memo.lines(), (std::vector<std::string>{"가", "나"}));  // a copy, not shared
  EXPECT_TRUE(errors().empty());
}

TEST_F(Assign, ChoicesAreCheckedAgainstTheSchema) {
  run({"정의 Edit1:접근 = 거짓"});
  EXPECT_EQ(read("Edit1:접근"), "거짓");
  run({"정의 Edit1:접근 = 아마"});
  EXPECT_EQ(read("Edit1:접근"), "거짓");
  EXPECT_TRUE(errors().empty());
  run({"정의 Edit1:접근 =  참 "});  // values compare trimmed
  EXPECT_EQ(read("Edit1:접근"), "참");
  hub.settings()->setOption(1, true);
  run({"정의 Edit1:접근 = 아마"});
  EXPECT_EQ(errors().back(), "Edit1:접근항목에 지정할 수 없는 값입니다.");
  // A choice read into a variable can be compared and assigned as text.
  run({"선언 c", "정의 c = Edit1:접근"});
  EXPECT_EQ(var("c"), "참");
}

TEST_F(Assign, PicturesAndFontsMoveWhole) {
  image.setPicture(Picture{"TBitmap", "BM-bytes"});
  run({"정의 Btn:그림 = Image1:그림"});
  EXPECT_EQ(glyphButton.glyph(), image.picture());
  Font f;
  f.name = "바탕";
  f.height = -20;
  f.bold = true;
  edit.setFont(f);
  run({"정의 Label1:글자모양 = Edit1:글자모양"});
  EXPECT_EQ(label.font(), f);
  // Windows give and take fonts the same way.
  WindowModel& w = addWindow("Win1");
  run({"정의 Win1:글자모양 = Label1:글자모양"});
  EXPECT_EQ(w.font(), f);
  Font g = f;
  g.name = "돋움";
  hub.mainWindow().setFont(g);
  run({"정의 Edit1:글자모양 = Main:글자모양"});
  EXPECT_EQ(edit.font(), g);
  EXPECT_TRUE(errors().empty());
}

TEST_F(Assign, PictureFilesThatCannotBeReadAreScriptErrors) {
  run({"선언 a", "정의 Btn:그림 = /nonexistent/그림.bmp", "정의 a = 뒤"});
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_NE(errors()[0].find(msg::kCannotOpenFile), std::string::npos);
  EXPECT_EQ(var("a"), "뒤");
  EXPECT_FALSE(hub.ScriptRunning());
}

TEST_F(Assign, MismatchedKindsAreRefused) {
  run({"선언 a", "정의 a = Btn:그림"});
  EXPECT_EQ(errors().back(), "대입할 변수의 타입이 일치하지 않습니다.");
  run({"정의 Edit1:이름 = 가"});
  EXPECT_EQ(errors().back(), "대입할 변수의 타입이 일치하지 않습니다.");
  run({"선언 a", "정의 a = Edit1:이름"});
  auto e = errors();
  EXPECT_EQ(e[e.size() - 2], "대입할 수 없는 타입의 변수입니다.");
  EXPECT_EQ(e.back(), "대입할 변수의 최종값이 메모리에 올라와 있지 않습니다.");
  // A choice inside a longer expression is reported, and the run goes on with the text.
  run({"선언 a", "정의 a = Edit1:접근 + 1"});
  EXPECT_EQ(errors().back(), "연산을 할 수 없는 타입의 변수입니다.");
  EXPECT_EQ(var("a"), "참1");
  EXPECT_EQ(edit.name(), "Edit1");
}

// A variable given its own text with more joined to it ends as any other target of the same
// expression does, whatever its text reads as (special operands) and however it is joined.
TEST_F(Assign, AVariableJoinedToItselfEndsAsAnyOtherTarget) {
  const std::vector<std::string> starts = {"ab", "#3 ~ 2", "# ~ 0", "#0", "5"};
  const std::vector<std::string> sources = {":s ~ 가 ~ :i",     ":s ~ :s",   ":s ~ #0 ~ #32",
                                            ":s ~ (1 + 2) ~ x", "(:s ~ 나)", ":s ~ #13",
                                            ":s ~ :i + 1"};
  for (const auto& start : starts)
    for (const auto& source : sources) {
      run({"선언 s t i", "정의 i = 7", "정의 s = " + start, "정의 t = " + source,
           "정의 s = " + source});
      EXPECT_EQ(var("s"), var("t")) << start << " / " << source;
    }
  run({"선언 s i", "정의 i = 7", "정의 s = ab", "정의 s = :s ~ 가 ~ :i", "정의 s = :s ~ :s"});
  EXPECT_EQ(var("s"), "ab가7ab가7");
  EXPECT_TRUE(errors().empty());
}

// A line that runs again in a later event finds that event's variables and items, not those
// of the run it last ran in.
TEST_F(Assign, ALineRunAgainSeesTheVariablesAndItemsOfItsOwnRun) {
  run({"선언 a b", "정의 b = x", "정의 a = :b ~ 1 ~ Late:제목"});
  EXPECT_EQ(var("a"), "x1Late:제목");
  addNamed<TNewLabel>("Late").SetItemProperty("제목", "늦음");
  run({"선언 b a", "정의 b = y", "정의 a = :b ~ 1 ~ Late:제목"});
  EXPECT_EQ(var("a"), "y1늦음");
  EXPECT_EQ(var("b"), "y");
}

// An item reference read by a script line, again in a loop, reads what the property layer reads,
// whatever the qualifier and name are.
TEST_F(Assign, ItemReferencesReadAsThePropertyLayerReadsThem) {
  label.SetItemProperty("제목", "라벨");
  addNamed<TNewLabel>("시스템").SetItemProperty("제목", "겹친 이름");
  addNamed<TRunPage>("Page1");
  for (const char* ref : {"Label1:제목", "Label1:없음", "Edit1:문자열", "Btn:제목", "Page1:이름",
                          "Page1:없음", "시스템:제목", "시스템:1", "Nobody:제목"}) {
    const std::size_t errorsBefore = errors().size();
    run({"선언 a i", "반복 i = 1 to 2", std::string("정의 a = :a ~ 1 ~ ") + ref, "반복끝"});
    EXPECT_EQ(var("a"), "1" + read(ref) + "1" + read(ref)) << ref;
    EXPECT_EQ(errors().size(), errorsBefore) << ref;
  }
}

}  // namespace
}  // namespace qav::testing
