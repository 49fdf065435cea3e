#pragma once
// The list operations that the list statements call on memos, list boxes and combo boxes.
#include <optional>
#include <string>
#include <string_view>

namespace qav {

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
