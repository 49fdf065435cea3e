#pragma once
// Cutting script lines into tokens, and the small text helpers of the interpreter.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qav::script {

inline constexpr int kMaxTokens = 1000;

// The tokens of the line last parsed. Slot 1 is the keyword; slots above count() are empty.
class Tokens {
 public:
  // Cuts a line at blanks (runs of blanks count as one; tabs stay inside tokens) after
  // removing leading and trailing characters with codes 0 to 32. Tokens past the capacity
  // are dropped and overflowed() tells so.
  void parse(std::string_view line);
  void clear();

  int count() const { return count_; }
  bool overflowed() const { return overflow_; }
  // Token n (1-based); the empty text outside 1..count().
  const std::string& operator[](int n) const {
    return (n >= 1 && n <= count_) ? slots_[static_cast<std::size_t>(n - 1)] : empty();
  }
  // Tokens first..last joined with one blank (last clipped to count()).
  std::string join(int first, int last) const;
  std::string joinFrom(int first) const { return join(first, count_); }

 private:
  static const std::string& empty() {
    static const std::string none;
    return none;
  }

  std::vector<std::string> slots_;  // the tokens, count_ of them
  int count_ = 0;
  bool overflow_ = false;
};

// Is the text, without surrounding blanks, the plain decimal form of a 32-bit integer.
// With value, also gives the number when the answer is yes.
bool IsNumber(std::string_view text, int32_t* value = nullptr);

// 1-based position of the last occurrence of pattern in text, 0 when none.
std::size_t LastPos(std::string_view pattern, std::string_view text);

enum class LineBreaks { ToLines, ToOneLine };
// Between the one-line form of a list ("|" separates lines) and the multi-line form.
std::string ConvertLineBreaks(std::string_view text, LineBreaks direction);

}  // namespace qav::script
