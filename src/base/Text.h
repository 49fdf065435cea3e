#pragma once
// Small text helpers shared by the whole player. All texts are UTF-8.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qav::text {

// Removes leading and trailing characters with codes 0 to 32 (blanks, tabs, line breaks).
std::string_view trim(std::string_view s);
std::string trimmed(std::string_view s);

// Upper- or lower-cases the ASCII letters a-z / A-Z only; every other byte stays.
std::string upperAscii(std::string_view s);
std::string lowerAscii(std::string_view s);
bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);

// Plain decimal: leading "-" for negatives, no "+", no leading zeros, no grouping.
std::string decimal(int64_t n);
// The same form of a 32-bit number, held in place: for the hot paths that must not allocate.
class Decimal {
 public:
  explicit Decimal(int32_t n)
      : size_(static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, n).ptr -
                                       digits_)) {}
  std::string_view view() const { return {digits_, size_}; }

 private:
  char digits_[12];
  std::size_t size_;
};

// Splits a list text at carriage return, line feed or the pair (a trailing line break closes
// the last line without starting another), the way list controls take a whole text.
std::vector<std::string> splitLines(std::string_view text);
// Joins lines, each followed by carriage return and line feed, the way list controls give
// their whole text.
std::string joinLines(const std::vector<std::string>& lines);

// The text with every character that a terminal or a dialog would act on instead of showing
// written as an escape: control characters (C0, DEL, C1) and direction overrides as "\xNN" or
// "\u{NNNN}", bytes that are no UTF-8 as "\xNN". For quoting file content in messages.
std::string printable(std::string_view s);

// Upper-case conversion of the ASCII letters, for case-blind name keys.
inline char upperAsciiChar(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

}  // namespace qav::text
