#include "lang/Vocabulary.h"

#include <array>

#include "lang/Texts.h"

namespace qav {
namespace {

constexpr std::array<ColourWord, 18> kColours = {{
    {words::kBlack, 0x00000000},
    {words::kBlue, 0x00800000},
    {words::kGreen, 0x00008000},
    {words::kSky, 0x00808000},
    {words::kRed, 0x00000080},
    {words::kPurple, 0x00800080},
    {words::kYellow, 0x00008080},
    {words::kSilver, 0x00C0C0C0},
    {words::kGrey, 0x00808080},
    {words::kBrightBlue, 0x00FF0000},
    {words::kBrightGreen, 0x0000FF00},
    {words::kBrightSky, 0x00FFFF00},
    {words::kBrightRed, 0x000000FF},
    {words::kBrightPurple, 0x00FF00FF},
    {words::kBrightYellow, 0x0000FFFF},
    {words::kWhite, 0x00FFFFFF},
    {words::kButtonFace, 0x8000000F},
    {words::kWindowColour, 0x80000005},
}};

constexpr std::array<CursorWord, 18> kCursors = {{
    {words::kCursorDefault, 0},
    {words::kCursorArrow, -2},
    {words::kCursorInput, -4},
    {words::kCursorWait, -11},
    {words::kCursorAppStart, -19},
    {words::kCursorNo, -18},
    {words::kCursorCross, -3},
    {words::kCursorHand, -21},
    {words::kCursorHelp, -20},
    {words::kCursorDrag, -12},
    {words::kCursorMultiDrag, -16},
    {words::kCursorNoDrop, -13},
    {words::kCursorHSplit, -14},
    {words::kCursorVSplit, -15},
    {words::kCursorSizeWE, -9},
    {words::kCursorSizeNS, -7},
    {words::kCursorSizeNWSE, -8},
    {words::kCursorSizeNESW, -6},
}};

// The first entry of the vocabulary whose field holds the value; null when none does.
template <class Entry, std::size_t N, class Field, class Value>
const Entry* entryOf(const std::array<Entry, N>& table, Field Entry::*field, const Value& value) {
  for (const Entry& e : table)
    if (e.*field == value) return &e;
  return nullptr;
}

}  // namespace

std::span<const ColourWord> colourVocabulary() {
  return kColours;
}

std::span<const CursorWord> cursorVocabulary() {
  return kCursors;
}

bool WordToTruth(std::string_view word) {
  return word == words::kTrue;
}

std::string TruthToWord(bool value) {
  return std::string(value ? words::kTrue : words::kFalse);
}

int32_t TextToNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false, signSeen = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    signSeen = true;
    ++i;
  }
  bool hex = false;
  if (!signSeen && i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  }
  // Accumulate in 32 bits with wrap-around: numbers that do not fit give some number, never
  // an error.
  uint32_t value = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    uint32_t digit;
    if (c >= '0' && c <= '9')
      digit = static_cast<uint32_t>(c - '0');
    else if (hex && c >= 'A' && c <= 'F')
      digit = static_cast<uint32_t>(c - 'A' + 10);
    else if (hex && c >= 'a' && c <= 'f')
      digit = static_cast<uint32_t>(c - 'a' + 10);
    else
      return static_cast<int32_t>(value);  // stops without applying the sign
    value = value * (hex ? 16u : 10u) + digit;
  }
  return static_cast<int32_t>(negative ? 0u - value : value);
}

uint32_t WordToColour(std::string_view word) {
  const ColourWord* c = entryOf(kColours, &ColourWord::word, word);
  return c ? c->code : 0x00FFFFFF;
}

void ColourToWord(uint32_t code, std::string& result) {
  if (const ColourWord* c = entryOf(kColours, &ColourWord::code, code)) result = c->word;
}

int16_t WordToCursor(std::string_view word) {
  const CursorWord* c = entryOf(kCursors, &CursorWord::word, word);
  return c ? c->code : 0;
}

void CursorToWord(int16_t code, std::string& result) {
  if (const CursorWord* c = entryOf(kCursors, &CursorWord::code, code)) result = c->word;
}

}  // namespace qav
