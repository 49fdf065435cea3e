#pragma once
// The value vocabularies: Korean words for truth values, colours and cursors, and the lenient
// number conversion. Pure functions; words are compared exactly (no trimming, no case folding).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qav {

bool WordToTruth(std::string_view word);
std::string TruthToWord(bool value);
int32_t TextToNumber(std::string_view text);
uint32_t WordToColour(std::string_view word);
// Sets result to the colour's word; a code without a word leaves result as it is.
void ColourToWord(uint32_t code, std::string& result);
int16_t WordToCursor(std::string_view word);
// Sets result to the cursor's word; a code without a word leaves result as it is.
void CursorToWord(int16_t code, std::string& result);

// The colour and cursor words with their codes, in the order the property tables offer them.
struct ColourWord {
  std::string_view word;
  uint32_t code;
};
struct CursorWord {
  std::string_view word;
  int16_t code;
};
std::span<const ColourWord> colourVocabulary();
std::span<const CursorWord> cursorVocabulary();

}  // namespace qav
