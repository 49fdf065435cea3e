#include "items/PropTable.h"

namespace qav {

RowIndex::~RowIndex() = default;

void RowIndex::build(const void* rows, std::size_t count, NameOf nameOf) {
  std::size_t size = 8;
  while (size < 2 * count) size *= 2;
  slots_.assign(size, Slot{});
  next_.assign(count, kNone);
  std::vector<int> last(size, kNone);  // the last row seen of each slot's name
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view name = nameOf(rows, i);
    const std::size_t s = find(name);
    if (slots_[s].first == kNone)
      slots_[s] = {name, static_cast<int>(i)};
    else
      next_[static_cast<std::size_t>(last[s])] = static_cast<int>(i);
    last[s] = static_cast<int>(i);
  }
}

// The slot holding `name`, or the empty slot where it would go.
std::size_t RowIndex::find(std::string_view name) const {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (const char c : name) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  const std::size_t mask = slots_.size() - 1;
  std::size_t s = h & mask;
  while (slots_[s].first != kNone && slots_[s].name != name) s = (s + 1) & mask;
  return s;
}

}  // namespace qav
