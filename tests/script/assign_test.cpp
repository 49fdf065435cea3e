#include <gtest/gtest.h>

#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

class Assign : public ScriptTest {
 protected:
  Assign() {
    edit = &add<FakeItem>("TNewEdit", "Edit1",
                          std::set<std::string>{"접근", "문자열", "이름", "읽기전용"});
    list = &add<FakeItem>("TRunListBox", "List1");
    list->carriesLines = true;
    memo = &add<FakeItem>("TNewMemo", "Memo1");
    memo->carriesLines = true;
    image = &add<FakeItem>("TNewImage", "Image1");
    label = &add<FakeItem>("TNewLabel", "Label1");
  }
  FakeItem *edit, *list, *memo, *image, *label;
};

TEST_F(Assign, TextsAndNumbersGoThroughExpressions) {
  run({"선언 a b", "정의 a = 1 + 2", "정의 b = 가 + 나", "정의 Edit1:문자열 = :a ~ 번"});
  EXPECT_EQ(var("a"), "3");
  EXPECT_EQ(var("b"), "가나");
  EXPECT_EQ(edit->values["문자열"], "3번");
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
  EXPECT_EQ(list->lines, (std::vector<std::string>{"가", "나"}));
  run({"선언 s", "정의 s = List1:아이템"});
  EXPECT_EQ(var("s"), "가|나|");
  run({"정의 Memo1:아이템 = List1:아이템"});
  EXPECT_EQ(memo->lines, list->lines);
  list->lines = {"바뀜"};
  EXPECT_EQ(memo->lines, (std::vector<std::string>{"가", "나"}));  // a copy, not shared
  EXPECT_TRUE(errors().empty());
}

TEST_F(Assign, ChoicesAreCheckedAgainstTheSchema) {
  run({"정의 Edit1:접근 = 거짓"});
  EXPECT_EQ(edit->values["접근"], "거짓");
  run({"정의 Edit1:접근 = 아마"});
  EXPECT_EQ(edit->values["접근"], "거짓");
  EXPECT_TRUE(errors().empty());
  run({"정의 Edit1:읽기전용 =  거짓 "});  // choices and values compare trimmed
  EXPECT_EQ(edit->values["읽기전용"], "거짓");
  hub.settings()->setOption(1, true);
  run({"정의 Edit1:접근 = 아마"});
  EXPECT_EQ(errors().back(), "Edit1:접근항목에 지정할 수 없는 값입니다.");
  // A choice read into a variable can be compared and assigned as text.
  run({"선언 c", "정의 c = Edit1:접근"});
  EXPECT_EQ(var("c"), "거짓");
}

TEST_F(Assign, PicturesAndFontsMoveWhole) {
  image->picture = Picture{"TBitmap", "BM-bytes"};
  run({"정의 Button1:그림 = Image1:그림"});
  EXPECT_EQ(button->picture, image->picture);
  Font f;
  f.name = "바탕";
  f.height = -20;
  f.bold = true;
  edit->setFont(f);
  run({"정의 Label1:글자모양 = Edit1:글자모양"});
  EXPECT_EQ(label->font(), f);
  EXPECT_TRUE(errors().empty());
}

TEST_F(Assign, PictureFilesThatCannotBeReadAreScriptErrors) {
  run({"선언 a", "정의 Button1:그림 = /nonexistent/그림.bmp", "정의 a = 뒤"});
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_NE(errors()[0].find("Cannot open file"), std::string::npos);
  EXPECT_EQ(var("a"), "뒤");
  EXPECT_FALSE(hub.ScriptRunning());
}

TEST_F(Assign, MismatchedKindsAreRefused) {
  run({"선언 a", "정의 a = Button1:그림"});
  EXPECT_EQ(errors().back(), "대입할 변수의 타입이 일치하지 않습니다.");
  run({"정의 Edit1:이름 = 가"});
  EXPECT_EQ(errors().back(), "대입할 변수의 타입이 일치하지 않습니다.");
  run({"선언 a", "정의 a = Edit1:이름"});
  auto e = errors();
  EXPECT_EQ(e[e.size() - 2], "대입할 수 없는 타입의 변수입니다.");
  EXPECT_EQ(e.back(), "대입할 변수의 최종값이 메모리에 올라와 있지 않습니다.");
  // A choice inside a longer expression is reported, and the run goes on with the text.
  edit->values["접근"] = "참";
  run({"선언 a", "정의 a = Edit1:접근 + 1"});
  EXPECT_EQ(errors().back(), "연산을 할 수 없는 타입의 변수입니다.");
  EXPECT_EQ(var("a"), "참1");
  EXPECT_EQ(edit->name(), "Edit1");
}

}  // namespace
}  // namespace qav::testing
