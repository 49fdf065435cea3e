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

 private:
  std::string_view bytes_;
  std::size_t pos_;
  const RecordChecker* checker_;
};

}  // namespace qav
