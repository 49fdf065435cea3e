#include "items/controls/RunListBox.h"

#include "items/CommonRows.h"

namespace qav {

const PropertyTable* TRunListBox::propertyTable() const {
  using T = TRunListBox;
  static const PropTable<T> table{
      rows::livePlaced<T>(),
      rows::colourRow<T>(),
      rows::truth<T>(prop::kBorder, &T::border, &T::setBorder),
      rows::truth<T>(prop::kMultiSelect, &T::multiSelect, &T::setMultiSelect),
      rows::truth<T>(prop::kSorted, &T::sorted, &T::setSorted),
      rows::parents<T>(),
      rows::tabsAndHint<T>(),
  };
  return &table;
}

void TRunListBox::setItems(const Lines& items) {
  replaceItems(items);
  selected_.assign(items.size(), 0);
  notifyItems();
}

void TRunListBox::addLine(std::string line) {
  const int at = insertItem(std::move(line));
  selected_.insert(selected_.begin() + at, 0);
  notifyItems();
}

bool TRunListBox::deleteLine(int index) {
  if (!eraseItem(index)) return false;
  selected_.erase(selected_.begin() + index);
  notifyItems();
  return true;
}

void TRunListBox::setItemIndex(int index) {
  if (!inList(index)) index = -1;
  itemIndex_ = index;
  if (!multiSelect_) {
    selected_.assign(selected_.size(), 0);
    if (index >= 0) selected_[static_cast<std::size_t>(index)] = 1;
  }
  notify(Attr::Selection);
}

bool TRunListBox::isSelected(int index) const {
  return inList(index) && selected_[static_cast<std::size_t>(index)] != 0;
}

bool TRunListBox::userSelect(int index, bool extend) {
  if (!inList(index)) return false;
  const auto i = static_cast<std::size_t>(index);
  if (multiSelect_ && extend) {
    selected_[i] = selected_[i] ? 0 : 1;
  } else {
    selected_.assign(selected_.size(), 0);
    selected_[i] = 1;
  }
  itemIndex_ = index;
  notify(Attr::Selection);
  fire();
  return true;
}

void TRunListBox::setSorted(bool v) {
  const std::vector<int> order = sortItems(v);
  std::vector<char> flags(order.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    flags[i] = selected_[static_cast<std::size_t>(order[i])];
  selected_ = std::move(flags);
  notifyItems();
}

void TRunListBox::setMultiSelect(bool v) {
  multiSelect_ = v;
  if (!v) {
    selected_.assign(selected_.size(), 0);
    if (itemIndex_ >= 0) selected_[static_cast<std::size_t>(itemIndex_)] = 1;
  }
  notify(Attr::Style);
}

}  // namespace qav
