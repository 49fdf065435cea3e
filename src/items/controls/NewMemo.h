#pragma once
// The memo: multi-line text input with a limit on the lines the user makes with Enter. Its
// text is held with CR LF line breaks; a change of the text, typed or written, runs its
// Ivent3 script; Ivent4 is only carried.
#include <cstdint>
#include <string>
#include <string_view>

#include "items/controls/InputControl.h"
#include "items/controls/LineList.h"

namespace qav {

enum class ScrollBars { None, Horizontal, Vertical, Both };  // stored ordinals ssNone ... ssBoth

class TNewMemo : public InputControl, public LineList {
 public:
  TNewMemo() : InputControl("TNewMemo") {}
  explicit TNewMemo(const Record& record);

  const std::string& text() const { return text_; }
  // While the view is told of a change of the text (Attr::Lines): the length the text had
  // when the change only appended to it, else npos. A view follows a script adding lines one
  // at a time without taking the whole text again each time.
  std::size_t appendedFrom() const { return appendedFrom_; }
  // The lines; a line break at the very end starts no further line.
  Lines lines() const;
  void setLines(const Lines& lines);
  // The user changed the text: line breaks made CR LF, the byte limit applied; fires when
  // the text changed.
  void userEdited(std::string_view t);
  // Whether a typed character may reach the text (Enter and line feed past the line limit
  // are dropped).
  bool acceptKey(char32_t key) const;

  const Lines& backupString() const { return backupString_; }
  void setBackupString(const Lines& l) { backupString_ = l; }

  // LineList: the list statements' operations on the lines; each change fires.
  LineList* lineList() override { return this; }
  void clearLines() override;
  void addLine(std::string line) override;
  bool deleteLine(int index) override;
  int findLine(std::string_view text) const override;
  int lineCount() const override;
  std::optional<std::string> lineAt(int index) const override;

  // Largest number of lines the user may make with Enter; 0 or less is no limit.
  int32_t maxLine() const { return maxLine_; }
  void setMaxLine(int32_t v) { maxLine_ = v; }
  ScrollBars scrollBars() const { return scrollBars_; }
  void setScrollBars(ScrollBars s) { assign(scrollBars_, s, Attr::Style); }
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool v) { assign(wordWrap_, v, Attr::Style); }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  // Stores, notifies and fires when different; joined tells that the text is its lines each
  // followed by CR LF (false when unknown).
  void store(std::string t, bool joined);

  std::string text_;
  // The text is exactly its lines joined, each followed by CR LF: a line is added by
  // appending it.
  bool joined_ = true;
  std::size_t appendedFrom_ = std::string::npos;
  Lines backupString_;
  int32_t maxLine_ = 0;
  bool wordWrap_ = true;
  ScrollBars scrollBars_ = ScrollBars::None;
};

}  // namespace qav
