#pragma once
// What the list box and the combo box share: the items, kept in sorted order on request, and
// the current item, which follows its item as items come, go and are sorted. The list
// statements work on the items through LineList; indexes count from 0.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "items/controls/ControlModel.h"
#include "items/controls/ItemList.h"
#include "items/controls/LineList.h"

namespace qav {

class ListControl : public ControlModel, public LineList {
 public:
  explicit ListControl(std::string className) : ControlModel(std::move(className), {3}, 3) {}

  const std::vector<std::string>& items() const { return list_.items(); }

  // What the change the view is being told of (Attr::Lines) did to the items: one item added
  // or removed at index, or anything else, after which the items are to be read again. A view
  // follows a script adding lines one at a time without rebuilding its whole list each time.
  struct ItemsChange {
    enum Kind : unsigned char { Reset, Added, Removed } kind = Reset;
    int index = 0;
  };
  const ItemsChange& itemsChange() const { return change_; }

  LineList* lineList() override { return this; }
  int findLine(std::string_view text) const override { return list_.find(text); }
  int lineCount() const override { return list_.count(); }
  std::optional<std::string> lineAt(int index) const override { return list_.at(index); }

  // The current item, -1 for none.
  int itemIndex() const { return itemIndex_; }
  std::optional<std::string> selectedText() const { return list_.at(itemIndex_); }
  bool sorted() const { return list_.sorted(); }

 protected:
  bool inList(int index) const { return index >= 0 && index < list_.count(); }
  // Replaces the items; no item is current.
  void replaceItems(const Lines& items);
  // Adds an item at its place; returns its index.
  int insertItem(std::string&& line);
  // Removes an item; the current item is cleared with it. False for an index outside.
  bool eraseItem(int index);
  // Turns sorting on or off; returns the new order (entry i is the old index of item i).
  std::vector<int> sortItems(bool v);
  // Tells the view of the change the items went through since the last call.
  void notifyItems();

  ItemList list_;
  int itemIndex_ = -1;

 private:
  ItemsChange change_;
};

}  // namespace qav
