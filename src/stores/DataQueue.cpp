#include "stores/DataQueue.h"

namespace qav {

void RowList::set(std::size_t i, std::string row) {
  rows_[i] = std::move(row);
  if (i < spans_.size()) spans_[i] = {};
}

void RowList::erase(std::size_t i) {
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(i));
  if (i < spans_.size()) spans_.erase(spans_.begin() + static_cast<std::ptrdiff_t>(i));
}

void RowList::resize(std::size_t n) {
  rows_.resize(n);
  if (spans_.size() > n) spans_.resize(n);
}

void RowList::setSpan(std::size_t i, Span s) {
  if (spans_.size() <= i) spans_.resize(rows_.size());
  spans_[i] = s;
}

}  // namespace qav
