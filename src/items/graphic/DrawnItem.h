#pragma once
// What every drawn item shares: the design flags and the window it is placed on, and the click
// made of a left press and release inside the item. Their Korean property tables are PropTables.
#include <cstdint>
#include <string>

#include "items/DesignFlags.h"
#include "items/ItemModel.h"

namespace qav {

enum class MouseButton { Left, Right, Middle };

class DrawnItem : public ItemModel, public DesignFlags {
 public:
  explicit DrawnItem(std::string className) : ItemModel(std::move(className)), DesignFlags(false) {}

  // The drawn items take their visibility from the design; the gauge and the clock also
  // their accessibility.
  void applyDesignFlags() override { setVisible(visibleCheck()); }

 protected:
  void showEnabled(bool v) override { setEnabled(v); }
  void showVisible(bool v) override { setVisible(v); }

 public:
  // Pointer input from the view, in the item's coordinates. A left release inside the item
  // after a left press on it is a click and reaches the bound handler.
  void mouseDown(MouseButton button, int32_t x, int32_t y);
  void mouseUp(MouseButton button, int32_t x, int32_t y);

 private:
  bool leftPressed_ = false;
};

}  // namespace qav
