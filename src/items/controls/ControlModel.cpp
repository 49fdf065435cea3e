#include "items/controls/ControlModel.h"

namespace qav {
namespace {
const Lines kNoLines;
}

ControlModel::ControlModel(std::string className, std::initializer_list<int> slots, int boundSlot)
    : ItemModel(std::move(className)), boundSlot_(boundSlot) {
  for (int n : slots)
    if (n >= 1 && n <= kSlotCount) carried_ |= static_cast<uint8_t>(1u << (n - 1));
}

bool ControlModel::carriesSlot(int n) const {
  return n >= 1 && n <= kSlotCount && (carried_ & (1u << (n - 1))) != 0;
}

const Lines& ControlModel::ivent(int n) const {
  return carriesSlot(n) ? slots_[static_cast<std::size_t>(n - 1)] : kNoLines;
}

void ControlModel::setIvent(int n, const Lines& lines) {
  if (carriesSlot(n)) slots_[static_cast<std::size_t>(n - 1)] = lines;
}

void RecordControl::applyDesignFlags() {
  setEnabled(enabledCheck());
  setVisible(visibleCheck());
}

}  // namespace qav
