#include "items/ItemModel.h"

#include "items/PropTable.h"
#include "items/WindowModel.h"

namespace qav {

void ItemModel::SetItemProperty(std::string_view name, std::string_view value) {
  if (const PropertyTable* table = propertyTable())
    table->set(*this, name, value);
  else
    setOwnProperty(name, value);
}

void ItemModel::GetItemProperty(std::string_view name, std::string& result) const {
  if (const PropertyTable* table = propertyTable())
    table->get(*this, name, result);
  else
    getOwnProperty(name, result);
}

void ItemModel::setBounds(int32_t l, int32_t t, int32_t w, int32_t h) {
  if (l == left_ && t == top_ && w == width_ && h == height_) return;
  left_ = l;
  top_ = t;
  width_ = w;
  height_ = h;
  notify(Attr::Bounds);
}

const Font& ItemModel::font() const {
  return parentFont_ && parent_ ? parent_->font() : font_;
}

void ItemModel::setParentFont(bool v) {
  if (!v && parentFont_) font_ = font();
  parentFont_ = v;
  notify(Attr::Font);
}

uint32_t ItemModel::colour() const {
  return parentColour_ && parent_ ? parent_->colour() : colour_;
}

void ItemModel::setParentColour(bool v) {
  if (!v && parentColour_) colour_ = colour();
  parentColour_ = v;
  notify(Attr::Colour);
}

}  // namespace qav
