#pragma once
// Helpers for the item-model tests: reading a property with a preset result, and counting
// reported events.
#include <string>
#include <string_view>

#include "items/ItemModel.h"

namespace qav::test {

inline constexpr std::string_view kPreset = "<preset>";

inline std::string get(const ItemModel& item, std::string_view name,
                       std::string_view preset = kPreset) {
  std::string result(preset);
  item.GetItemProperty(name, result);
  return result;
}

// Counts what an item reports to its bound handler.
struct Fired {
  int count = 0;
  explicit Fired(ItemModel& item) {
    item.setHandler([this](ItemModel&) { ++count; });
  }
};

}  // namespace qav::test
