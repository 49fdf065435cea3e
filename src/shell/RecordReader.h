#pragma once
// Reads binary component records, one after another, from a byte buffer.
#include <cstddef>
#include <string_view>

#include "shell/Record.h"

namespace qav {

class ClassRegistry;

class RecordReader {
 public:
  // With a registry, every record is checked against it while it is read: unknown class,
  // unknown or event property, wrong tag, unknown identifier.
  explicit RecordReader(std::string_view bytes, std::size_t offset = 0,
                        const ClassRegistry* registry = nullptr);

  bool atEnd() const { return pos_ >= bytes_.size(); }
  std::size_t position() const { return pos_; }
  void seek(std::size_t offset) { pos_ = offset; }

  // Reads the record at the current position and moves past it. Throws StreamError naming
  // the problem and its byte offset; the position is then unspecified.
  Record read();

 private:
  std::string_view bytes_;
  std::size_t pos_;
  const ClassRegistry* registry_;
};

}  // namespace qav
