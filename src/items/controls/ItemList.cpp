#include "items/controls/ItemList.h"

#include <algorithm>
#include <numeric>

#include "base/Text.h"

namespace qav {
namespace {

unsigned char folded(char c) {
  if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return static_cast<unsigned char>(c);
}

}  // namespace

int compareItems(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    // UTF-8 byte order is code point order.
    const unsigned char x = folded(a[i]), y = folded(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::optional<std::string> ItemList::at(int index) const {
  if (index < 0 || index >= count()) return std::nullopt;
  return items_[static_cast<std::size_t>(index)];
}

int ItemList::find(std::string_view text) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (text::equalsIgnoreAsciiCase(items_[i], text)) return static_cast<int>(i);
  return -1;
}

std::vector<int> ItemList::setSorted(bool v) {
  sorted_ = v;
  std::vector<int> order(items_.size());
  std::iota(order.begin(), order.end(), 0);
  if (!v) return order;
  std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
    return compareItems(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]) <
           0;
  });
  std::vector<std::string> sortedItems;
  sortedItems.reserve(items_.size());
  for (int i : order) sortedItems.push_back(std::move(items_[static_cast<std::size_t>(i)]));
  items_ = std::move(sortedItems);
  return order;
}

int ItemList::add(std::string&& item) {
  auto pos = items_.end();
  if (sorted_)
    pos = std::upper_bound(
        items_.begin(), items_.end(), item,
        [](const std::string& a, const std::string& b) { return compareItems(a, b) < 0; });
  pos = items_.insert(pos, std::move(item));
  return static_cast<int>(pos - items_.begin());
}

void ItemList::assign(const std::vector<std::string>& items) {
  items_ = items;
  // A stable sort keeps equal items in the order they came, as each new one goes after its
  // equals; one sort instead of an insertion in the middle for each item.
  if (sorted_)
    std::stable_sort(items_.begin(), items_.end(), [](const std::string& a, const std::string& b) {
      return compareItems(a, b) < 0;
    });
}

bool ItemList::erase(int index) {
  if (index < 0 || index >= count()) return false;
  items_.erase(items_.begin() + index);
  return true;
}

}  // namespace qav
