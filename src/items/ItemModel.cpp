#include "items/ItemModel.h"

namespace qav {

void ItemModel::setBounds(int32_t l, int32_t t, int32_t w, int32_t h) {
  if (l == left_ && t == top_ && w == width_ && h == height_) return;
  left_ = l;
  top_ = t;
  width_ = w;
  height_ = h;
  notify(Attr::Bounds);
}

}  // namespace qav
