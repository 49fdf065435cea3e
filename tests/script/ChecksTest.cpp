// The kinds of operands and the choices of choice properties, as conditions and assignments
// see them: from the schema table of each run-time class, reached through the item's name.
#include <gtest/gtest.h>

#include "items/controls/MediaPlayer.h"
#include "items/controls/NewButton.h"
#include "items/controls/NewEdit.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

class Checks : public ScriptTest {
 protected:
  Checks() {
    addNamed<TNewEdit>("Edit1");
    addNamed<TNewButton>("Btn");
    addNamed<TRunListBox>("List1");
    addNamed<TNewMemo>("Memo1");
    addNamed<TRunPage>("Page1");
    addNamed<TMediaPlayer>("Sound1");
    addWindow("Win1");
  }
  char kind(std::string_view ref) { return hub.interpreter().TypeCheck(ref); }
  bool choice(std::string_view ref, std::string_view v) {
    return hub.interpreter().ListCheck(ref, v);
  }
};

TEST_F(Checks, OperandKindsComeFromTheSchemaOfTheItemsRunTimeClass) {
  // Words, numbers, variables and the three namespaces are plain text.
  for (std::string_view ref : {":a", "123", "데이타:이름", "시스템:1", "레지스터:1",
                               "없는아이템:제목", "Edit1", "Edit1:없는속성", "Edit1:접근 "})
    EXPECT_EQ(kind(ref), 'S') << ref;
  EXPECT_EQ(kind("Edit1:접근"), 'C');
  EXPECT_EQ(kind("EDIT1:글자모양"), 'F');  // the item is found whatever the letter case
  EXPECT_EQ(kind("Btn:그림"), 'I');
  EXPECT_EQ(kind("List1:아이템"), 'T');
  EXPECT_EQ(kind("Memo1:문자열"), 'T');
  EXPECT_EQ(kind("Edit1:문자열"), 'S');
  EXPECT_EQ(kind("Edit1:이름"), 'X');
  // Windows and the main window have their tables.
  EXPECT_EQ(kind("Win1:글자모양"), 'F');
  EXPECT_EQ(kind("Win1:창상태"), 'C');
  EXPECT_EQ(kind("Main:창크기"), 'X');
  // A page control and a sound player are run-time classes without a table of their own:
  // every property of theirs is plain text.
  EXPECT_EQ(kind("Page1:글자모양"), 'S');
  EXPECT_EQ(kind("Page1:이름"), 'S');
  EXPECT_EQ(kind("Sound1:이름"), 'S');
}

TEST_F(Checks, ChoicesAreTheWordsOfThePropertysSchemaRow) {
  EXPECT_TRUE(choice("Edit1:접근", "거짓"));
  EXPECT_TRUE(choice("edit1:접근", " 참\t"));  // blanks around the value do not count
  EXPECT_FALSE(choice("Edit1:접근", "아니오"));
  EXPECT_FALSE(choice("Edit1:접근", "참 거짓"));
  EXPECT_FALSE(choice("Edit1:접근", "참,거짓"));
  EXPECT_TRUE(choice("Win1:창상태", "크기조절"));
  EXPECT_FALSE(choice("Win1:창상태", "크기"));
  // No item, no variable and no listed property give no choice.
  EXPECT_FALSE(choice("없는아이템:접근", "참"));
  EXPECT_FALSE(choice(":접근", "참"));
  EXPECT_FALSE(choice("Edit1:없는속성", "참"));
  EXPECT_FALSE(choice("Page1:접근", "참"));
}

}  // namespace
}  // namespace qav::testing
