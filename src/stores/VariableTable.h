#pragma once
// The script variables of a run: a fixed-size table read and written by the property layer
// as well as by statements.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Text.h"

namespace qav::script {

inline constexpr int kMaxVariables = 100;

struct Variable {
  std::string name;
  // The value read as a number, worked out by the interpreter on its first read after a text
  // is written: Yes when the text is exactly the plain decimal form of `number`. A number
  // written as one (Only) gets its text when something first reads the text.
  enum class Number : unsigned char { Unknown, Yes, No, Only };
  mutable Number numberState = Number::Unknown;
  int32_t number = 0;

  const std::string& text() const {
    if (numberState == Number::Only) {
      value.assign(text::Decimal(number).view());
      numberState = Number::Yes;
    }
    return value;
  }
  // The text, for appending to; the number is worked out again.
  std::string& textToChange() {
    text();
    numberState = Number::Unknown;
    return value;
  }
  void setText(std::string_view text) {
    value.assign(text);
    numberState = Number::Unknown;
  }
  void setText(std::string&& text) {
    value = std::move(text);
    numberState = Number::Unknown;
  }
  void setNumber(int32_t n) {
    number = n;
    numberState = Number::Only;
  }

 private:
  mutable std::string value;
};

// Variables 1..count() of a run; names compared byte for byte.
class VariableTable {
 public:
  int count() const { return count_; }
  void clear() {
    count_ = 0;
    ++names_;
  }
  // Changes whenever the names change (a declaration, a clearing), never back to an earlier
  // value in practice: a value found by name holds while this stays the same.
  unsigned names() const { return names_; }
  bool full() const { return count_ >= kMaxVariables; }
  // Appends a variable with the empty value; false when the table is full.
  bool declare(std::string_view name);
  bool declared(std::string_view name) const;
  // The value of the last variable of that name, or null.
  const std::string* find(std::string_view name) const;
  // The one variable of that name; null when there is none or more than one.
  Variable* only(std::string_view name);
  // Sets every variable of that name; false when there is none.
  bool assign(std::string_view name, std::string_view value);
  const Variable& at(int n) const { return vars_[static_cast<std::size_t>(n - 1)]; }

 private:
  std::array<Variable, kMaxVariables> vars_;
  int count_ = 0;
  unsigned names_ = 1;
};

}  // namespace qav::script
