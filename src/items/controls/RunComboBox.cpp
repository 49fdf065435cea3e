#include "items/controls/RunComboBox.h"

#include "items/CommonRows.h"

namespace qav {
namespace {

const PropTable<TRunComboBox>& table() {
  using T = TRunComboBox;
  static const PropTable<T> t{
      rows::livePlaced<T>(),
      rows::colourRow<T>(),
      // "True" takes the text field away: the row reads the opposite of direct input.
      rows::truth<T>(
          prop::kEditable, [](const T& m) { return m.style() == ComboStyle::DropDownList; },
          [](T& m, bool v) { m.setStyle(v ? ComboStyle::DropDownList : ComboStyle::DropDown); }),
      rows::truth<T>(prop::kSorted, &T::sorted, &T::setSorted),
      rows::parents<T>(),
      rows::tabsAndHint<T>(),
  };
  return t;
}

}  // namespace

TRunComboBox::TRunComboBox() : ControlModel("TRunComboBox", {3}, 3) {}

const PropertyTable* TRunComboBox::propertyTable() const {
  return &table();
}

void TRunComboBox::setItems(const Lines& items) {
  list_.clear();
  for (const auto& item : items) list_.add(item);
  itemIndex_ = -1;
  if (style_ == ComboStyle::DropDownList) text_.clear();
  notify(Attr::Lines);
}

void TRunComboBox::clearLines() {
  list_.clear();
  itemIndex_ = -1;
  text_.clear();
  notify(Attr::Lines);
}

void TRunComboBox::addLine(std::string line) {
  const int at = list_.add(std::move(line));
  if (itemIndex_ >= at) ++itemIndex_;
  notify(Attr::Lines);
}

bool TRunComboBox::deleteLine(int index) {
  if (!list_.erase(index)) return false;
  if (itemIndex_ == index) {
    itemIndex_ = -1;
    if (style_ == ComboStyle::DropDownList) text_.clear();
  } else if (itemIndex_ > index) {
    --itemIndex_;
  }
  notify(Attr::Lines);
  return true;
}

void TRunComboBox::setText(std::string_view t) {
  if (style_ == ComboStyle::DropDownList) {
    selectText(t);
    return;
  }
  text_ = std::string(t);
  notify(Attr::Text);
}

void TRunComboBox::setItemIndex(int index) {
  if (index < 0 || index >= list_.count()) index = -1;
  itemIndex_ = index;
  if (index >= 0)
    text_ = *list_.at(index);
  else if (style_ == ComboStyle::DropDownList)
    text_.clear();
  notify(Attr::Selection);
}

void TRunComboBox::selectText(std::string_view t) {
  setItemIndex(list_.find(t));
}

bool TRunComboBox::userSelect(int index) {
  if (index < 0 || index >= list_.count()) return false;
  setItemIndex(index);
  fire();
  return true;
}

bool TRunComboBox::userEdited(std::string_view t) {
  if (style_ != ComboStyle::DropDown || t == text_) return false;
  text_ = std::string(t);
  itemIndex_ = -1;
  notify(Attr::Text);
  fire();
  return true;
}

void TRunComboBox::setStyle(ComboStyle s) {
  style_ = s;
  if (s == ComboStyle::DropDownList) {
    auto chosen = list_.at(itemIndex_);
    text_ = chosen ? *chosen : std::string();
  }
  notify(Attr::Style);
}

void TRunComboBox::setSorted(bool v) {
  const std::vector<int> order = list_.setSorted(v);
  for (std::size_t i = 0; i < order.size(); ++i)
    if (order[i] == itemIndex_) {
      itemIndex_ = static_cast<int>(i);
      break;
    }
  notify(Attr::Lines);
}

}  // namespace qav
