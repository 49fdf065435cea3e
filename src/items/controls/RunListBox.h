#pragma once
// The run-time list box built from a list design record. A user's click on an item runs its
// Ivent3 script; the list statements work on its items through LineList.
#include <optional>
#include <string>
#include <vector>

#include "items/controls/ControlModel.h"
#include "items/controls/ItemList.h"
#include "items/controls/LineList.h"

namespace qav {

class TRunListBox : public ControlModel, public LineList {
 public:
  TRunListBox();
  // Copies what instantiation takes from a TNewListBox record.
  explicit TRunListBox(const Record& record);

  const std::vector<std::string>& items() const { return list_.items(); }
  void setItems(const Lines& items);

  // LineList. Indexes count from 0.
  void clearLines() override;
  void addLine(std::string line) override;
  bool deleteLine(int index) override;
  int findLine(std::string_view text) const override { return list_.find(text); }
  int lineCount() const override { return list_.count(); }
  std::optional<std::string> lineAt(int index) const override { return list_.at(index); }

  // The current item, -1 for none.
  int itemIndex() const { return itemIndex_; }
  std::optional<std::string> selectedText() const { return list_.at(itemIndex_); }
  // A program selection: reports nothing. Out of range (or -1) clears the selection.
  void setItemIndex(int index);
  bool isSelected(int index) const;
  // The user clicked an item; with extend (multi-select only) the item's selection toggles
  // and the others stay. Reports the click. An index outside the list does nothing.
  bool userSelect(int index, bool extend = false);

  bool sorted() const { return list_.sorted(); }
  // True sorts the items at once and keeps them sorted; the selection follows its items.
  void setSorted(bool v);
  bool multiSelect() const { return multiSelect_; }
  void setMultiSelect(bool v);
  bool border() const { return border_; }
  void setBorder(bool single);

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  ItemList list_;
  std::vector<char> selected_;  // one flag per item
  int itemIndex_ = -1;
  bool multiSelect_ = false, border_ = true;
};

}  // namespace qav
