#pragma once
// Text rules shared by the edit field, the memo and the lists: character case, the byte limit
// counted in the code-page-949 form, line-break form, and the list operations that the
// list statements call on memos, list boxes and combo boxes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qav {

enum class CharCase {
  Normal,
  Upper,
  Lower
};  // stored ordinals: ecNormal, ecUpperCase, ecLowerCase

// Applies the character case to the ASCII letters; other characters stay.
std::string applyCharCase(std::string_view text, CharCase c);

// The longest prefix whose code-page-949 form has at most maxBytes bytes; 0 means no limit.
// Cuts only between characters (a double-byte character that does not fit is dropped whole)
// and never between a carriage return and its line feed.
std::string limitBytes(std::string_view text, std::size_t maxBytes);

// Every line break (CR, LF or CR LF) turned into CR LF, the form a multi-line control holds.
std::string crlfBreaks(std::string_view text);

// Item lists as the list statements see them. Indexes count from 0; a call with an index
// outside the list does nothing and reports false or nothing.
class LineList {
 public:
  virtual ~LineList() = default;
  virtual void clearLines() = 0;
  virtual void addLine(std::string line) = 0;
  virtual bool deleteLine(int index) = 0;
  // The first line equal to the text with ASCII letters compared case-blind, or -1.
  virtual int findLine(std::string_view text) const = 0;
  virtual int lineCount() const = 0;
  virtual std::optional<std::string> lineAt(int index) const = 0;
};

}  // namespace qav
