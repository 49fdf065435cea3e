// Statements on the lines of memos and the entries of list and combo boxes: "문자열모두삭제",
// "문자열추가", "문자열삭제", "문자열검색", "문자열줄수", and "현재아이템", which also reads the
// active page of a page control. Positions that scripts see count from 1.
#include "items/controls/LineList.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "lang/Texts.h"
#include "lang/Vocabulary.h"
#include "script/Interpreter.h"
#include "script/ItemKinds.h"
#include "script/StatementSupport.h"

namespace qav::script {
namespace {

constexpr int kFoundRegister = 3;
constexpr int kCountRegister = 4;
constexpr int kIndexRegister = 6;
constexpr int kTextRegister = 7;
// The key of the line's item reference, apart from the keys of its tokens' references.
constexpr int kItemRefKey = 4 * kMaxTokens;

std::string wordRef(const Tokens& t, int n, int) {
  return t[n] + ':';
}

// The component that token 2 names. A line that fills a list runs many times in one run: the
// lookup by name is kept with the line for the run, as components stay put while a script
// runs.
Component* namedItem(Interpreter& in) {
  // A reference whose qualifier is the whole name: made once for the line when the name is a
  // word that stands for itself (noted once for the line).
  std::vector<int>& notes = in.lineNotes();
  if (notes.empty()) notes.push_back(literalWord(in.tokens()[2]));
  if (notes[0]) return in.lineRef(kItemRefKey, wordRef, 2).component;
  std::string ref = in.tokenMaths(2);
  ref += ':';
  return in.lineRef(kItemRefKey, ref).component;
}

// The memo, list box or combo box that token 2 names; reports and gives null otherwise.
LineList* lineItem(Interpreter& in) {
  LineList* lines = lineListOf(namedItem(in));
  if (!lines) in.Error(msg::kNotLineItem);
  return lines;
}

void clearLines(Interpreter& in) {
  if (LineList* lines = lineItem(in)) lines->clearLines();
}

void addLine(Interpreter& in) {
  if (LineList* lines = lineItem(in)) lines->addLine(wordsFrom(in, 3));
}

// A position outside the lines is reported as a script error, so the user learns that the
// script deleted nothing, and may stop the run there.
void deleteLine(Interpreter& in) {
  std::string position = in.tokenMaths(3);
  if (!IsNumber(position)) return in.Error(msg::kDeleteLineNotNumber);
  LineList* lines = lineItem(in);
  if (!lines) return;
  int n = TextToNumber(text::trim(position));
  if (n < 1 || n > lines->lineCount() || !lines->deleteLine(n - 1))
    return in.Error(msg::kNoSuchLine);
}

void findLine(Interpreter& in) {
  LineList* lines = lineItem(in);
  if (!lines) return;
  int found = lines->findLine(wordsFrom(in, 3));
  setRegister(in, kFoundRegister, text::decimal(found < 0 ? 0 : found + 1));
}

void countLines(Interpreter& in) {
  if (LineList* lines = lineItem(in))
    setRegister(in, kCountRegister, text::decimal(lines->lineCount()));
}

// The page control counts its visible pages from 0, the lists count from 1. A page control
// without pages gives -1 and the empty caption, a list with nothing selected 0 and the empty
// text: the script can test for both, and nothing is stopped.
void currentEntry(Interpreter& in) {
  Component* c = namedItem(in);
  int index = 0;
  std::string entry;
  if (auto* page = dynamic_cast<TRunPage*>(c)) {
    index = page->activeIndex();
    if (const PageTab* tab = page->activeTab())
      entry = tab->caption;
    else
      index = -1;
  } else if (auto* list = dynamic_cast<TRunListBox*>(c)) {
    index = list->itemIndex() + 1;
    entry = list->selectedText().value_or("");
  } else if (auto* combo = dynamic_cast<TRunComboBox*>(c)) {
    index = combo->itemIndex() + 1;
    entry = combo->selectedText().value_or("");
  } else {
    return in.Error(msg::kNotCurrentItem);
  }
  setRegister(in, kIndexRegister, text::decimal(index));
  setRegister(in, kTextRegister, entry);
}

}  // namespace

std::span<const StatementEntry> listStatements() {
  static constexpr StatementEntry kTable[] = {
      {msg::kClearLines, clearLines}, {msg::kAddLine, addLine},
      {msg::kDeleteLine, deleteLine}, {msg::kFindLine, findLine},
      {msg::kCountLines, countLines}, {msg::kCurrentItem, currentEntry}};
  return kTable;
}

}  // namespace qav::script
