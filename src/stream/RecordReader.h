#pragma once
// Reads binary component records, one after another, from a byte buffer.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "stream/Record.h"

namespace qav {

// Checks records against the classes they name while they are read (the class registry).
class RecordChecker {
 public:
  virtual ~RecordChecker() = default;
  // Why the class cannot be read (unknown class), or nothing.
  virtual std::optional<std::string> checkClass(std::string_view className) const = 0;
  // Why the property does not suit the class, or nothing.
  virtual std::optional<std::string> checkProperty(std::string_view className,
                                                   std::string_view propertyName,
                                                   const Value& value) const = 0;
  // What can be told before the value is read, from its tag alone: why the property does not
  // suit the class (unknown property, a tag of the wrong kind), or nothing. textsOnly is set
  // when the value is a list whose elements must all be texts, so that a wrong element stops
  // the reading at once instead of after the whole list was built.
  virtual std::optional<std::string> checkTag(std::string_view className,
                                              std::string_view propertyName, Tag tag,
                                              bool& textsOnly) const {
    (void)className, (void)propertyName, (void)tag;
    textsOnly = false;
    return std::nullopt;
  }
};

class RecordReader {
 public:
  // With a checker, every record is checked while it is read: unknown class, unknown or
  // event property, wrong tag, unknown identifier.
  explicit RecordReader(std::string_view bytes, std::size_t offset = 0,
                        const RecordChecker* checker = nullptr);

  bool atEnd() const { return pos_ >= bytes_.size(); }
  std::size_t position() const { return pos_; }
  void seek(std::size_t offset) { pos_ = offset; }

  // Reads the record at the current position and moves past it. Throws StreamError naming
  // the problem and its byte offset; the position is then unspecified.
  Record read();

  // Makes read() check, but not keep, the elements of the text list that the top record's
  // property of this name holds, where the checker holds that property to texts: the value read is
  // an empty list, and listStart() tells where the elements of the last such list begin, so that a
  // caller walks them itself (TextListCursor) without a parsed element per line.
  void passOverTextList(std::string_view propertyName) { passOver_ = propertyName; }
  std::optional<std::size_t> listStart() const { return listStart_; }

 private:
  std::string_view bytes_;
  std::size_t pos_;
  const RecordChecker* checker_;
  std::string_view passOver_;
  std::optional<std::size_t> listStart_;
};

// Walks the elements of a text list that a RecordReader has checked: each element's CP949
// bytes in turn, until the list's end.
class TextListCursor {
 public:
  TextListCursor(std::string_view bytes, std::size_t start) : bytes_(bytes), pos_(start) {}
  // The next element's bytes, or nothing at the end of the list (or of malformed data).
  std::optional<std::string_view> next();
  // The most elements that can follow: each takes at least two bytes.
  std::size_t mostLeft() const { return pos_ < bytes_.size() ? (bytes_.size() - pos_) / 2 : 0; }

 private:
  std::string_view bytes_;
  std::size_t pos_;
};

}  // namespace qav
