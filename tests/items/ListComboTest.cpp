// Run-time list and combo boxes: items, sorting, selection, style and their tables.
#include <gtest/gtest.h>

#include "ItemTestUtil.h"
#include "items/controls/ItemList.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"

namespace qav {
namespace {

using test::Fired;
using test::get;
using test::kPreset;

TEST(ItemSorting, CaseBlindThenCodePointWithStableEquals) {
  EXPECT_EQ(compareItems("apple", "APPLE"), 0);
  EXPECT_LT(compareItems("Apple", "banana"), 0);
  EXPECT_LT(compareItems("_x", "a"), 0);
  EXPECT_LT(compareItems("Z", "가"), 0);
  EXPECT_LT(compareItems("가", "나"), 0);
  EXPECT_LT(compareItems("가", "가나"), 0);
  EXPECT_LT(compareItems("10", "9"), 0);

  ItemList list;
  for (const char* s : {"b", "B", "a", "가", "A"}) list.add(s);
  auto order = list.setSorted(true);
  EXPECT_EQ(list.items(), (Lines{"a", "A", "b", "B", "가"}));
  EXPECT_EQ(order, (std::vector<int>{2, 4, 0, 1, 3}));
  EXPECT_EQ(list.add("b"), 4);  // after its equals
  EXPECT_EQ(list.add("0"), 0);
  // Items given all at once take the places that adding them one by one gives.
  list.assign({"b", "B", "가", "a", "b"});
  EXPECT_EQ(list.items(), (Lines{"a", "b", "B", "b", "가"}));
}

TEST(ListBox, ItemOperationsCountFromZeroAndRefuseOutOfRange) {
  TRunListBox list;
  list.setItems({"a", "b", "c"});
  EXPECT_EQ(list.findLine("B"), 1);
  EXPECT_EQ(list.findLine("d"), -1);
  EXPECT_TRUE(list.deleteLine(0));
  EXPECT_EQ(list.items(), (Lines{"b", "c"}));
  EXPECT_EQ(list.lineCount(), 2);
  EXPECT_FALSE(list.deleteLine(2));
  EXPECT_FALSE(list.deleteLine(-1));
  EXPECT_FALSE(list.lineAt(5).has_value());
  EXPECT_EQ(list.itemIndex(), -1);
  EXPECT_FALSE(list.selectedText().has_value());
  list.clearLines();
  EXPECT_EQ(list.lineCount(), 0);
  EXPECT_FALSE(list.userSelect(0));
}

TEST(ListBox, SortingAtOnceKeepsTheSelectionOnItsItem) {
  TRunListBox list;
  Fired fired(list);
  list.setItems({"다", "b", "A", "c"});
  ASSERT_TRUE(list.userSelect(1));  // "b"
  EXPECT_EQ(fired.count, 1);
  list.SetItemProperty("내용정렬", "참");
  EXPECT_EQ(list.items(), (Lines{"A", "b", "c", "다"}));
  EXPECT_EQ(get(list, "내용정렬"), "참");
  EXPECT_EQ(list.itemIndex(), 1);
  EXPECT_EQ(list.selectedText(), "b");
  EXPECT_TRUE(list.isSelected(1));

  // Kept sorted: new items go to their place, the selection moves with its item.
  list.addLine("a");
  EXPECT_EQ(list.items(), (Lines{"A", "a", "b", "c", "다"}));
  EXPECT_EQ(list.selectedText(), "b");
  list.deleteLine(0);
  EXPECT_EQ(list.selectedText(), "b");
  list.deleteLine(1);
  EXPECT_EQ(list.itemIndex(), -1);

  list.SetItemProperty("내용정렬", "거짓");
  list.addLine("0");
  EXPECT_EQ(list.items().back(), "0");
  EXPECT_EQ(fired.count, 1);  // item operations are no clicks
}

TEST(ListBox, MultiSelectBorderAndMissingRows) {
  TRunListBox list;
  list.setItems({"a", "b", "c"});
  list.SetItemProperty("복수선택", "참");
  EXPECT_EQ(get(list, "복수선택"), "참");
  list.userSelect(0);
  list.userSelect(2, true);
  EXPECT_TRUE(list.isSelected(0));
  EXPECT_TRUE(list.isSelected(2));
  list.userSelect(0, true);
  EXPECT_FALSE(list.isSelected(0));
  list.SetItemProperty("복수선택", "거짓");
  EXPECT_TRUE(list.isSelected(0));  // the current item alone stays selected
  EXPECT_FALSE(list.isSelected(2));

  EXPECT_EQ(get(list, "테두리"), "참");
  list.SetItemProperty("테두리", "거짓");
  EXPECT_FALSE(list.border());
  list.SetItemProperty("최대줄", "1");
  EXPECT_EQ(get(list, "최대줄"), kPreset);
  EXPECT_EQ(get(list, "직접입력"), kPreset);
}

TEST(ComboBox, StyleRowRunsOppositeToDirectInput) {
  TRunComboBox combo;
  combo.setItems({"사과", "Pear"});
  EXPECT_EQ(get(combo, "직접입력"), "거짓");  // text field: direct input allowed
  combo.setText("바나나");
  EXPECT_EQ(combo.text(), "바나나");
  EXPECT_EQ(combo.itemIndex(), -1);

  combo.SetItemProperty("직접입력", "참");
  EXPECT_EQ(combo.style(), ComboStyle::DropDownList);
  EXPECT_EQ(get(combo, "직접입력"), "참");
  EXPECT_EQ(combo.text(), "");  // a list shows only a chosen item
  EXPECT_FALSE(combo.userEdited("typed"));
  EXPECT_EQ(combo.text(), "");

  combo.SetItemProperty("직접입력", "예");
  EXPECT_EQ(combo.style(), ComboStyle::DropDown);
  EXPECT_EQ(get(combo, "직접입력"), "거짓");
  EXPECT_EQ(get(combo, "복수선택"), kPreset);
}

TEST(ComboBox, InitialSelectionAndUserChanges) {
  TRunComboBox combo;
  Fired fired(combo);
  combo.setItems({"Red", "green", "GREEN"});
  combo.setStyle(ComboStyle::DropDownList);
  combo.setText("blue");  // not an item: nothing chosen
  EXPECT_EQ(combo.itemIndex(), -1);
  EXPECT_EQ(combo.text(), "");
  combo.setText("GrEeN");  // first case-blind match
  EXPECT_EQ(combo.itemIndex(), 1);
  EXPECT_EQ(combo.text(), "green");
  EXPECT_EQ(fired.count, 0);

  EXPECT_TRUE(combo.userSelect(0));
  EXPECT_EQ(combo.text(), "Red");
  EXPECT_EQ(fired.count, 1);
  EXPECT_FALSE(combo.userSelect(3));
  EXPECT_EQ(fired.count, 1);

  combo.setStyle(ComboStyle::DropDown);
  EXPECT_EQ(combo.text(), "Red");
  EXPECT_TRUE(combo.userEdited("Re"));
  EXPECT_EQ(combo.itemIndex(), -1);
  EXPECT_EQ(fired.count, 2);
  EXPECT_FALSE(combo.userEdited("Re"));

  combo.setItemIndex(2);
  combo.SetItemProperty("내용정렬", "참");
  EXPECT_EQ(combo.items(), (Lines{"green", "GREEN", "Red"}));
  EXPECT_EQ(combo.selectedText(), "GREEN");
  combo.deleteLine(1);
  EXPECT_EQ(combo.itemIndex(), -1);
  combo.clearLines();
  EXPECT_EQ(combo.text(), "");
  EXPECT_EQ(combo.lineCount(), 0);
}

}  // namespace
}  // namespace qav
