#include "items/graphic/DrawnItem.h"

namespace qav {

void DrawnItem::mouseDown(MouseButton button, int32_t x, int32_t y) {
  if (button == MouseButton::Left) leftPressed_ = x >= 0 && y >= 0 && x < width() && y < height();
}

void DrawnItem::mouseUp(MouseButton button, int32_t x, int32_t y) {
  if (button != MouseButton::Left) return;
  const bool click = leftPressed_ && x >= 0 && y >= 0 && x < width() && y < height();
  leftPressed_ = false;
  if (click) fire();
}

}  // namespace qav
