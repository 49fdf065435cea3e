#include "script/Tokenizer.h"

#include <cstdint>

#include "base/Text.h"
#include "lang/Vocabulary.h"

namespace qav::script {

void Tokens::clear() {
  slots_.clear();
  count_ = 0;
  overflow_ = false;
}

void Tokens::parse(std::string_view line) {
  clear();
  line = text::trim(line);
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    if (i >= line.size()) break;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    if (count_ == kMaxTokens) {
      overflow_ = true;
      break;
    }
    slots_.emplace_back(line.substr(start, i - start));
    ++count_;
  }
}

std::string Tokens::join(int first, int last) const {
  if (first < 1) first = 1;
  if (last > count_) last = count_;
  std::string out;
  for (int n = first; n <= last; ++n) {
    if (n > first) out += ' ';
    out += slots_[static_cast<std::size_t>(n - 1)];
  }
  return out;
}

bool IsNumber(std::string_view s, int32_t* value) {
  s = text::trim(s);
  if (s.empty() || s.size() > 11) return false;
  std::size_t i = 0;
  if (s[0] == '-') {
    if (s.size() == 1) return false;
    i = 1;
  }
  if (s[i] == '0' && (s.size() > i + 1 || i == 1)) return false;  // leading zero, or "-0"
  int64_t n = 0;
  for (std::size_t k = i; k < s.size(); ++k) {
    if (s[k] < '0' || s[k] > '9') return false;
    n = n * 10 + (s[k] - '0');
  }
  // The text must survive the 32-bit conversion unchanged: no leading zero (above) and a value
  // within the 32-bit range.
  if (i == 1 ? n > int64_t{1} << 31 : n >= int64_t{1} << 31) return false;
  if (value) *value = static_cast<int32_t>(i == 1 ? -n : n);
  return true;
}

std::size_t LastPos(std::string_view pattern, std::string_view text) {
  if (pattern.empty()) return text.empty() ? 0 : text.size();
  std::size_t p = text.rfind(pattern);
  return p == std::string_view::npos ? 0 : p + 1;
}

std::string ConvertLineBreaks(std::string_view text, LineBreaks direction) {
  if (text::trim(text).empty()) return {};
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (direction == LineBreaks::ToLines) {
      if (c == '|')
        out += '\r';
      else if (c != '\r' && c != '\n')
        out += c;
    } else {
      if (c == '\r')
        out += '|';
      else if (c != '\n' && c != '|')
        out += c;
    }
  }
  return out;
}

}  // namespace qav::script
