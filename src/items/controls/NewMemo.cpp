#include "items/controls/NewMemo.h"

#include <algorithm>

#include "base/Text.h"
#include "items/CommonRows.h"
#include "items/controls/EditText.h"
#include "lang/Texts.h"

namespace qav {

const PropertyTable* TNewMemo::propertyTable() const {
  using T = TNewMemo;
  static const PropTable<T> table{
      rows::designPlaced<T>(),
      rows::colourRow<T>(),
      rows::number<T>(prop::kMaxBytes, &T::maxLength, &T::setMaxLength),
      rows::number<T>(prop::kMaxLines, &T::maxLine, &T::setMaxLine),
      rows::truth<T>(prop::kBorder, &T::border, &T::setBorder),
      rows::choice<T, ScrollBars>(prop::kScrollBars,
                                  {{words::kNone, ScrollBars::None},
                                   {words::kScrollVertical, ScrollBars::Vertical},
                                   {words::kScrollHorizontal, ScrollBars::Horizontal},
                                   {words::kScrollBoth, ScrollBars::Both}},
                                  &T::scrollBars, &T::setScrollBars),
      rows::imeMode<T>(),
      rows::designReadOnly<T>(),
      rows::truth<T>(prop::kWordWrap, &T::wordWrap, &T::setWordWrap),
      rows::parents<T>(),
      rows::tabsAndHint<T>(),
  };
  return &table;
}

Lines TNewMemo::lines() const {
  return text::splitLines(text_);
}

namespace {

bool hasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

void TNewMemo::store(std::string t, bool joined) {
  joined_ = joined;
  if (change(text_, std::move(t), Attr::Lines)) fire();
}

void TNewMemo::setLines(const Lines& l) {
  store(text::joinLines(l), std::none_of(l.begin(), l.end(), hasLineBreak));
}

void TNewMemo::userEdited(std::string_view t) {
  std::string n = crlfBreaks(t);
  if (maxLength() > 0) n = limitBytes(n, static_cast<std::size_t>(maxLength()));
  store(std::move(n), false);
}

bool TNewMemo::acceptKey(char32_t key) const {
  if (maxLine_ > 0 && (key == kKeyEnter || key == kKeyLineFeed)) return lineCount() + 1 <= maxLine_;
  return true;
}

void TNewMemo::clearLines() {
  store(std::string(), true);
}

void TNewMemo::addLine(std::string line) {
  if (!joined_) {
    Lines l = lines();
    l.push_back(std::move(line));
    return setLines(l);
  }
  // The text ends with its last line's CR LF: the new line and its own go after it.
  appendedFrom_ = text_.size();
  joined_ = !hasLineBreak(line);
  text_ += line;
  text_ += "\r\n";
  notify(Attr::Lines);
  appendedFrom_ = std::string::npos;
  fire();
}

bool TNewMemo::deleteLine(int index) {
  Lines l = lines();
  if (index < 0 || index >= static_cast<int>(l.size())) return false;
  l.erase(l.begin() + index);
  setLines(l);
  return true;
}

int TNewMemo::findLine(std::string_view t) const {
  const Lines l = lines();
  for (std::size_t i = 0; i < l.size(); ++i)
    if (text::equalsIgnoreAsciiCase(l[i], t)) return static_cast<int>(i);
  return -1;
}

int TNewMemo::lineCount() const {
  return static_cast<int>(lines().size());
}

std::optional<std::string> TNewMemo::lineAt(int index) const {
  Lines l = lines();
  if (index < 0 || index >= static_cast<int>(l.size())) return std::nullopt;
  return l[static_cast<std::size_t>(index)];
}

}  // namespace qav
