#pragma once
// The run-time combo box built from a combo design record: a drop-down list, with a text field
// for direct input (DropDown) or choice only (DropDownList). A user's choice or typing runs
// its Ivent3 script; the list statements work on its items through LineList.
#include <string>
#include <string_view>
#include <vector>

#include "items/controls/ListControl.h"

namespace qav {

enum class ComboStyle { DropDown, DropDownList };

class TRunComboBox : public ListControl {
 public:
  TRunComboBox() : ListControl("TRunComboBox") {}
  // Copies what instantiation takes from a TNewComboBox record.
  explicit TRunComboBox(const Record& record);

  void setItems(const Lines& items);

  // LineList. Clearing also empties the text.
  void clearLines() override;
  void addLine(std::string line) override;
  bool deleteLine(int index) override;

  // The text shown: the typed text, or the chosen item.
  const std::string& text() const { return text_; }
  // A program write; in the list style it selects the first item equal to the text
  // (case-blind), or nothing. Reports nothing.
  void setText(std::string_view t);
  // A program selection; -1 or out of range clears it. Reports nothing.
  void setItemIndex(int index);
  // Selects the first item equal to the text without regard to ASCII case, or nothing.
  void selectText(std::string_view t) { setItemIndex(list_.find(t)); }

  // The user chose an item from the list; reports the change. Out of range does nothing.
  bool userSelect(int index);
  // The user typed in the text field (DropDown only): the typed text is no choice from the
  // list, so the selection clears. Reports the change when the text changed.
  bool userEdited(std::string_view t);

  ComboStyle style() const { return style_; }
  // The list style shows only the chosen item's text.
  void setStyle(ComboStyle s);
  void setSorted(bool v) {
    sortItems(v);
    notifyItems();
  }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  std::string text_;
  ComboStyle style_ = ComboStyle::DropDown;
};

}  // namespace qav
