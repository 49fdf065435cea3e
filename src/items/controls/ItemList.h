#pragma once
// The items of a list box or combo box, optionally kept in sorted order.
//
// Sorting compares like a sorted list control of the toolkit the projects were made for:
// ASCII letters without regard to case (both lowered, so punctuation sorts before letters),
// everything else by code point, which puts Hangul syllables in dictionary order. Items that
// compare equal keep the order they came in; a new item goes after its equals.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qav {

// < 0, 0, > 0 as a sorts before, with or after b.
int compareItems(std::string_view a, std::string_view b);

class ItemList {
 public:
  const std::vector<std::string>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  std::optional<std::string> at(int index) const;
  // The first item equal to the text with ASCII letters compared case-blind, or -1.
  int find(std::string_view text) const;

  bool sorted() const { return sorted_; }
  // Turning sorting on sorts at once. Returns the new order: entry i is the old index of the
  // item now at i (the identity when nothing moved or sorting was turned off).
  std::vector<int> setSorted(bool v);

  // Adds an item (at its sorted place when sorted, else last); returns its index.
  int add(std::string&& item);
  // Replaces the items, as adding them one by one would place them.
  void assign(const std::vector<std::string>& items);
  bool erase(int index);
  void clear() { items_.clear(); }

 private:
  std::vector<std::string> items_;
  bool sorted_ = false;
};

}  // namespace qav
