#include "script/ItemKinds.h"

#include "items/controls/NewButton.h"
#include "items/controls/NewImage.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "lang/Texts.h"

namespace qav::script {

bool carriesFont(const Component& c) {
  const auto& n = c.className();
  return c.isWindow() || n == cls::kLabel || n == cls::kButton || n == cls::kEdit ||
         n == cls::kMemo || n == cls::kListBox || n == cls::kComboBox || n == cls::kCheckBox ||
         n == cls::kPage || n == cls::kProgress;
}

bool getPicture(const ItemModel& item, Picture& out) {
  if (auto* b = dynamic_cast<const TNewButton*>(&item)) {
    out = b->glyph();
    return true;
  }
  if (auto* i = dynamic_cast<const TNewImage*>(&item)) {
    out = i->picture();
    return true;
  }
  return false;
}

bool setPicture(ItemModel& item, const Picture& p) {
  if (auto* b = dynamic_cast<TNewButton*>(&item)) {
    b->setGlyph(p);
    return true;
  }
  if (auto* i = dynamic_cast<TNewImage*>(&item)) {
    i->setPicture(p);
    return true;
  }
  return false;
}

bool getLines(const ItemModel& item, std::vector<std::string>& out) {
  if (auto* m = dynamic_cast<const TNewMemo*>(&item)) {
    out = m->lines();
    return true;
  }
  if (auto* l = dynamic_cast<const TRunListBox*>(&item)) {
    out = l->items();
    return true;
  }
  if (auto* c = dynamic_cast<const TRunComboBox*>(&item)) {
    out = c->items();
    return true;
  }
  return false;
}

bool setLines(ItemModel& item, const std::vector<std::string>& lines) {
  if (auto* m = dynamic_cast<TNewMemo*>(&item)) {
    m->setLines(lines);
    return true;
  }
  if (auto* l = dynamic_cast<TRunListBox*>(&item)) {
    l->setItems(lines);
    return true;
  }
  if (auto* c = dynamic_cast<TRunComboBox*>(&item)) {
    c->setItems(lines);
    return true;
  }
  return false;
}

LineList* lineListOf(Component* c) {
  return c ? c->lineList() : nullptr;
}

}  // namespace qav::script
