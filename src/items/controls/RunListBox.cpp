#include "items/controls/RunListBox.h"

#include "items/CommonRows.h"

namespace qav {
namespace {

const PropTable<TRunListBox>& table() {
  using T = TRunListBox;
  static const PropTable<T> t{
      rows::livePlaced<T>(),
      rows::colourRow<T>(),
      rows::truth<T>(prop::kBorder, &T::border, &T::setBorder),
      rows::truth<T>(prop::kMultiSelect, &T::multiSelect, &T::setMultiSelect),
      rows::truth<T>(prop::kSorted, &T::sorted, &T::setSorted),
      rows::parents<T>(),
      rows::tabsAndHint<T>(),
  };
  return t;
}

}  // namespace

TRunListBox::TRunListBox() : ControlModel("TRunListBox", {3}, 3) {}

const PropertyTable* TRunListBox::propertyTable() const {
  return &table();
}

void TRunListBox::setItems(const Lines& items) {
  list_.clear();
  for (const auto& item : items) list_.add(item);
  selected_.assign(items.size(), 0);
  itemIndex_ = -1;
  notify(Attr::Lines);
}

void TRunListBox::clearLines() {
  setItems({});
}

void TRunListBox::addLine(std::string line) {
  const int at = list_.add(std::move(line));
  selected_.insert(selected_.begin() + at, 0);
  if (itemIndex_ >= at) ++itemIndex_;
  notify(Attr::Lines);
}

bool TRunListBox::deleteLine(int index) {
  if (!list_.erase(index)) return false;
  selected_.erase(selected_.begin() + index);
  if (itemIndex_ == index)
    itemIndex_ = -1;
  else if (itemIndex_ > index)
    --itemIndex_;
  notify(Attr::Lines);
  return true;
}

void TRunListBox::setItemIndex(int index) {
  if (index < 0 || index >= list_.count()) index = -1;
  itemIndex_ = index;
  if (!multiSelect_) {
    selected_.assign(selected_.size(), 0);
    if (index >= 0) selected_[static_cast<std::size_t>(index)] = 1;
  }
  notify(Attr::Selection);
}

bool TRunListBox::isSelected(int index) const {
  return index >= 0 && index < list_.count() && selected_[static_cast<std::size_t>(index)] != 0;
}

bool TRunListBox::userSelect(int index, bool extend) {
  if (index < 0 || index >= list_.count()) return false;
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
  const std::vector<int> order = list_.setSorted(v);
  std::vector<char> flags(order.size());
  int current = -1;
  for (std::size_t i = 0; i < order.size(); ++i) {
    flags[i] = selected_[static_cast<std::size_t>(order[i])];
    if (order[i] == itemIndex_) current = static_cast<int>(i);
  }
  selected_ = std::move(flags);
  itemIndex_ = current;
  notify(Attr::Lines);
}

void TRunListBox::setMultiSelect(bool v) {
  multiSelect_ = v;
  if (!v) {
    selected_.assign(selected_.size(), 0);
    if (itemIndex_ >= 0) selected_[static_cast<std::size_t>(itemIndex_)] = 1;
  }
  notify(Attr::Style);
}

void TRunListBox::setBorder(bool single) {
  border_ = single;
  notify(Attr::Style);
}

}  // namespace qav
