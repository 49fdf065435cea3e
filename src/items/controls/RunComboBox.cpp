#include "items/controls/RunComboBox.h"

#include "items/CommonRows.h"

namespace qav {

const PropertyTable* TRunComboBox::propertyTable() const {
  using T = TRunComboBox;
  static const PropTable<T> table{
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
  return &table;
}

void TRunComboBox::setItems(const Lines& items) {
  replaceItems(items);
  if (style_ == ComboStyle::DropDownList) text_.clear();
  notifyItems();
}

void TRunComboBox::clearLines() {
  replaceItems({});
  text_.clear();
  notifyItems();
}

void TRunComboBox::addLine(std::string line) {
  insertItem(std::move(line));
  notifyItems();
}

bool TRunComboBox::deleteLine(int index) {
  const bool current = index == itemIndex_;
  if (!eraseItem(index)) return false;
  if (current && style_ == ComboStyle::DropDownList) text_.clear();
  notifyItems();
  return true;
}

void TRunComboBox::setText(std::string_view t) {
  if (style_ == ComboStyle::DropDownList) {
    selectText(t);
    return;
  }
  assign(text_, t, Attr::Text);
}

void TRunComboBox::setItemIndex(int index) {
  if (!inList(index)) index = -1;
  itemIndex_ = index;
  if (index >= 0)
    text_ = *list_.at(index);
  else if (style_ == ComboStyle::DropDownList)
    text_.clear();
  notify(Attr::Selection);
}

bool TRunComboBox::userSelect(int index) {
  if (!inList(index)) return false;
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
  if (s == ComboStyle::DropDownList) text_ = selectedText().value_or(std::string());
  notify(Attr::Style);
}

}  // namespace qav
