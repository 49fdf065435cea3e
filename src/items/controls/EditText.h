#pragma once
// Text rules shared by the edit field, the memo and the lists: character case, the byte limit
// counted in the code-page-949 form, and the line-break form.
#include <cstddef>
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

}  // namespace qav
