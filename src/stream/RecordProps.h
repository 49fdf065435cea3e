#pragma once
// Typed access to a record's properties over its class's constructor values: what a model
// reads when it is built from a record. A property the record does not carry has the value
// the registry gives the class's constructor (zero, false, empty unless stated otherwise).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Font.h"
#include "base/Picture.h"
#include "stream/ClassRegistry.h"
#include "stream/Record.h"

namespace qav {

class RecordProps {
 public:
  // The record's class must be registered (records are checked when read).
  explicit RecordProps(const Record& record);

  const Record& record() const { return record_; }
  const ClassInfo& classInfo() const { return *class_; }

  bool has(std::string_view streamName) const;  // the record itself carries it

  int32_t integer(std::string_view name) const;  // integers, colours, cursors, charsets
  bool boolean(std::string_view name) const;
  std::string text(std::string_view name) const;
  std::vector<std::string> lines(std::string_view name) const;  // "Ivent3" reads "Ivent3.Strings"
  std::string ident(std::string_view name) const;               // enumeration identifier
  int32_t ordinal(std::string_view name) const;                 // enumeration ordinal
  std::vector<std::string> set(std::string_view name) const;
  double dateTime(std::string_view name) const;
  std::string binary(std::string_view name) const;

  // "Font.*" over the given starting font (the class's constructor font by default).
  Font font(const Font& base = Font()) const;
  // "Picture.Data" (kind short text, then the picture), "Glyph.Data" or "Icon.Data".
  Picture picture(std::string_view name = "Picture.Data") const;

 private:
  const Value* value(std::string_view name) const;  // record value, else constructor value
  const Record& record_;
  const ClassInfo* class_;
};

}  // namespace qav
