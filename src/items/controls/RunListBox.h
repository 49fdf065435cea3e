#pragma once
// The run-time list box built from a list design record. A user's click on an item runs its
// Ivent3 script; the list statements work on its items through LineList.
#include <string>
#include <vector>

#include "items/controls/ListControl.h"

namespace qav {

class TRunListBox : public ListControl {
 public:
  TRunListBox() : ListControl("TRunListBox") {}
  // Copies what instantiation takes from a TNewListBox record.
  explicit TRunListBox(const Record& record);

  void setItems(const Lines& items);

  // LineList.
  void clearLines() override { setItems({}); }
  void addLine(std::string line) override;
  bool deleteLine(int index) override;

  // A program selection: reports nothing. Out of range (or -1) clears the selection.
  void setItemIndex(int index);
  bool isSelected(int index) const;
  // The user clicked an item; with extend (multi-select only) the item's selection toggles
  // and the others stay. Reports the click. An index outside the list does nothing.
  bool userSelect(int index, bool extend = false);

  // True sorts the items at once and keeps them sorted; the selection follows its items.
  void setSorted(bool v);
  bool multiSelect() const { return multiSelect_; }
  void setMultiSelect(bool v);
  bool border() const { return border_; }
  void setBorder(bool single) { assign(border_, single, Attr::Style); }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  std::vector<char> selected_;  // one flag per item
  bool multiSelect_ = false, border_ = true;
};

}  // namespace qav
