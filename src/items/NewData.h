#pragma once
// The named-value item: a small dictionary of 100 slots, each a name and a value, filled from
// its record once and afterwards changed only in its values. Scripts reach a slot as
// item name, colon, slot name.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "items/ItemModel.h"
#include "stream/Record.h"

namespace qav {

class TNewData : public ItemModel {
 public:
  static constexpr int kSlots = 100;

  // Built from a TNewData record, named with the record's stream name. The slots stay empty
  // until the item is placed (unpackSlots): a record never placed has no slots.
  explicit TNewData(const Record& record);
  // Fills slot i with line i of Backup_Names and of Backup_Value. Throws LoadError when either
  // holds fewer than 100 lines.
  void unpackSlots();

  int32_t MaxLine = 0;
  std::string ParentName;
  std::vector<std::string> Backup_Names, Backup_Value;

  // Numbered slots 1-100; callers check the range.
  const std::string& valueName(int i) const { return names_[i - 1]; }
  void setValueName(int i, std::string name) { names_[i - 1] = std::move(name); }
  const std::string& value(int i) const { return values_[i - 1]; }
  void setValue(int i, std::string v) { values_[i - 1] = std::move(v); }

  // Every slot whose name equals the property name (both trimmed of surrounding blanks):
  // a write stores into each of them, a read gives the last one's value.
  void setOwnProperty(std::string_view name, std::string_view value) override;
  void getOwnProperty(std::string_view name, std::string& result) const override;

 private:
  std::array<std::string, kSlots> names_;
  std::array<std::string, kSlots> values_;
};

}  // namespace qav
