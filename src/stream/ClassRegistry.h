#pragma once
// The registry of every class a project stream or data file may contain: for each class its
// stored properties (its own and its base kind's), their kinds, enumeration identifiers and
// constructor values. Records are checked against it when they are read.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stream/Record.h"
#include "stream/RecordReader.h"

namespace qav {

enum class PropKind {
  Integer,       // tags 2-4
  Boolean,       // tags 8, 9
  Text,          // tags 6, 12
  Lines,         // "X.Strings": tag 1 with texts
  Enum,          // tag 7 among idents (ordinal = position in idents)
  Set,           // tag 11 with members among idents
  DateTime,      // tag 5
  Float,         // tag 5 (other floating-point properties)
  Colour,        // tags 2-4, or tag 7 with a colour constant
  Cursor,        // tags 2-4, or tag 7 with a cursor constant
  Charset,       // tags 2-4, or tag 7 with a character-set constant
  Binary,        // tag 10 ("Picture.Data", "Glyph.Data", "Icon.Data")
  ComponentRef,  // tag 7 naming another component, or tag 13 (nil)
  Collection,    // tag 14
};

struct PropInfo {
  std::string name;  // the stream name ("Ivent3.Strings", "Font.Name", "Left")
  PropKind kind = PropKind::Integer;
  std::vector<std::string> idents;  // Enum values in ordinal order, or Set members
  std::optional<Value> ctorValue;   // the object's value when created; none: zero/false/empty
};

struct ClassInfo {
  std::string name;
  std::string baseKind;  // "label", "panel", "edit", ... or "" for plain components
  std::vector<PropInfo> properties;
  const PropInfo* find(std::string_view streamName) const;
};

class ClassRegistry : public RecordChecker {
 public:
  static const ClassRegistry& instance();

  const ClassInfo* find(std::string_view className) const;
  // Every registered class, in registration order.
  const std::vector<ClassInfo>& classes() const { return classes_; }

  // Why a property does not suit the class: unknown property, event property ("On..."), a tag
  // that does not suit the kind, an identifier not among the values. Nothing when it suits.
  std::optional<std::string> checkProperty(const ClassInfo& cls, std::string_view name,
                                           const Value& v) const;

  // RecordChecker
  std::optional<std::string> checkClass(std::string_view className) const override;
  std::optional<std::string> checkProperty(std::string_view className, std::string_view name,
                                           const Value& v) const override;
  std::optional<std::string> checkTag(std::string_view className, std::string_view name, Tag tag,
                                      bool& textsOnly) const override;

 private:
  ClassRegistry();
  std::vector<ClassInfo> classes_;
};

// Named constants of the stream.
std::optional<int32_t> colourConstant(std::string_view ident);
std::optional<int32_t> cursorConstant(std::string_view ident);
std::optional<int32_t> charsetConstant(std::string_view ident);
// Their identifiers, in table order.
std::vector<std::string_view> colourConstantNames();
std::vector<std::string_view> cursorConstantNames();
std::vector<std::string_view> charsetConstantNames();

}  // namespace qav
