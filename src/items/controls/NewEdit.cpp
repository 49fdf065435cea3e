#include "items/controls/NewEdit.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {
namespace {

constexpr char32_t kPasswordStar = U'*';

// Whether the number a text starts with, read as the lenient number conversion reads it
// (blanks, a sign, "$" for hexadecimal, digits up to the first other character), is above
// the maximum. Its true value counts: no wrap at 32 bits lets a long number through.
bool aboveMaximum(std::string_view text, int64_t maximum) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool signSeen = i < text.size() && (text[i] == '-' || text[i] == '+');
  if (signSeen && text[i++] == '-') return false;
  const bool hex = !signSeen && i < text.size() && text[i] == '$';
  if (hex) ++i;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (hex && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else if (hex && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else
      break;
    value = value * (hex ? 16 : 10) + digit;
    if (value > maximum) return true;
  }
  return false;
}

PropTable<TNewEdit>::Row inputStyleRow() {
  using T = TNewEdit;
  return rows::choice<T, InputStyle>(
      prop::kInputStyle,
      {{words::kInputNumber, InputStyle::Number}, {words::kInputText, InputStyle::Alpha}},
      &T::inputStyle, &T::setInputStyle);
}

}  // namespace

const PropertyTable* TNewEdit::propertyTable() const {
  using T = TNewEdit;
  static const PropTable<T> table{
      rows::designPlaced<T>(),
      rows::text<T>(prop::kText, &T::text, &T::writeText),
      rows::colourRow<T>(),
      inputStyleRow(),
      // The table carries this row twice; the second test repeats the first one's effect.
      inputStyleRow(),
      rows::number<T>(prop::kMinValue, &T::minValue, &T::setMinValue),
      rows::number<T>(prop::kMaxValue, &T::maxValue, &T::setMaxValue),
      rows::number<T>(prop::kMaxLength, &T::maxLength, &T::setMaxLength),
      rows::choice<T, CharCase>(prop::kCharCase,
                                {{words::kCaseNormal, CharCase::Normal},
                                 {words::kCaseLower, CharCase::Lower},
                                 {words::kCaseUpper, CharCase::Upper}},
                                &T::charCase, &T::setCharCase),
      rows::truth<T>(prop::kBorder, &T::border, &T::setBorder),
      rows::imeMode<T>(),
      rows::truth<T>(
          prop::kPassword, [](const T& m) { return m.passwordChar() == kPasswordStar; },
          [](T& m, bool v) { m.setPasswordChar(v ? kPasswordStar : 0); }),
      rows::designReadOnly<T>(),
      rows::parents<T>(),
      rows::tabsAndHint<T>(),
  };
  return &table;
}

std::string TNewEdit::normalised(std::string_view t) const {
  std::string r = applyCharCase(t, charCase_);
  if (maxLength() > 0) r = limitBytes(r, static_cast<std::size_t>(maxLength()));
  return r;
}

void TNewEdit::setText(std::string_view t) {
  if (change(text_, normalised(t), Attr::Text)) fire();
}

void TNewEdit::writeText(std::string_view t) {
  setText(t);
  backupText_ = text_;
}

bool TNewEdit::acceptKey(char32_t key) const {
  if (inputStyle_ != InputStyle::Number) return true;
  const bool digit = key >= U'0' && key <= U'9';
  if (!digit && key != kKeyEnter && key != kKeyBackspace) return false;
  // Backspace always passes: it can only shorten the number, and a user must be able to
  // correct a value above the maximum (one a script wrote, say).
  if (key == kKeyBackspace) return true;
  // The key is taken as appended to the whole text, wherever the caret is; Enter ends the
  // number there, so it is judged by the text before it.
  std::string candidate = text_;
  candidate += static_cast<char>(key);
  return !(maxValue_ > 0 && aboveMaximum(candidate, maxValue_));
}

}  // namespace qav
