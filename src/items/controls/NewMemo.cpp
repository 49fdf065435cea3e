#include "items/controls/NewMemo.h"

#include "base/Text.h"
#include "items/CommonRows.h"
#include "items/controls/EditText.h"
#include "lang/Texts.h"

namespace qav {
namespace {

const PropTable<TNewMemo>& table() {
  using T = TNewMemo;
  static const PropTable<T> t{
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
      rows::choice<T, ImeMode>(prop::kImeMode,
                               {{words::kImeCurrent, ImeMode::DontCare},
                                {words::kImeAlpha, ImeMode::SAlpha},
                                {words::kImeHangul, ImeMode::Hanguel}},
                               &T::imeMode, &T::setImeMode),
      rows::designReadOnly<T>(),
      rows::truth<T>(prop::kWordWrap, &T::wordWrap, &T::setWordWrap),
      rows::parents<T>(),
      rows::tabsAndHint<T>(),
  };
  return t;
}

}  // namespace

TNewMemo::TNewMemo() : RecordControl("TNewMemo", {3, 4}, 3) {
  setCursor(-2);
}

const PropertyTable* TNewMemo::propertyTable() const {
  return &table();
}

void TNewMemo::applyDesignFlags() {
  RecordControl::applyDesignFlags();
  setReadOnly(readCheck());
}

Lines TNewMemo::lines() const {
  return text::splitLines(text_);
}

void TNewMemo::store(std::string t) {
  if (t == text_) return;
  text_ = std::move(t);
  notify(Attr::Lines);
  fire();
}

void TNewMemo::setLines(const Lines& l) {
  store(text::joinLines(l));
}

void TNewMemo::userEdited(std::string_view t) {
  std::string n = crlfBreaks(t);
  if (maxLength_ > 0) n = limitBytes(n, static_cast<std::size_t>(maxLength_));
  store(std::move(n));
}

bool TNewMemo::acceptKey(char32_t key) const {
  if (maxLine_ > 0 && (key == kKeyEnter || key == kKeyLineFeed)) return lineCount() + 1 <= maxLine_;
  return true;
}

void TNewMemo::clearLines() {
  store(std::string());
}

void TNewMemo::addLine(std::string line) {
  Lines l = lines();
  l.push_back(std::move(line));
  setLines(l);
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

void TNewMemo::setMaxLength(int32_t v) {
  maxLength_ = v;
  notify(Attr::Style);
}
void TNewMemo::setBorder(bool single) {
  border_ = single;
  notify(Attr::Style);
}
void TNewMemo::setScrollBars(ScrollBars s) {
  scrollBars_ = s;
  notify(Attr::Style);
}
void TNewMemo::setImeMode(ImeMode m) {
  imeMode_ = m;
  notify(Attr::Style);
}
void TNewMemo::setReadOnly(bool v) {
  readOnly_ = v;
  notify(Attr::ReadOnly);
}
void TNewMemo::setWordWrap(bool v) {
  wordWrap_ = v;
  notify(Attr::Style);
}

}  // namespace qav
