#include "items/controls/ListControl.h"

namespace qav {

void ListControl::replaceItems(const Lines& items) {
  list_.assign(items);
  itemIndex_ = -1;
  change_ = {};
}

int ListControl::insertItem(std::string&& line) {
  const int at = list_.add(std::move(line));
  if (itemIndex_ >= at) ++itemIndex_;
  change_ = {ItemsChange::Added, at};
  return at;
}

bool ListControl::eraseItem(int index) {
  if (!list_.erase(index)) return false;
  change_ = {ItemsChange::Removed, index};
  if (itemIndex_ == index)
    itemIndex_ = -1;
  else if (itemIndex_ > index)
    --itemIndex_;
  return true;
}

std::vector<int> ListControl::sortItems(bool v) {
  std::vector<int> order = list_.setSorted(v);
  change_ = {};
  for (std::size_t i = 0; i < order.size(); ++i)
    if (order[i] == itemIndex_) {
      itemIndex_ = static_cast<int>(i);
      break;
    }
  return order;
}

void ListControl::notifyItems() {
  notify(Attr::Lines);
  // Whatever changes the items next without saying how is a change of them all.
  change_ = {};
}

}  // namespace qav
