#pragma once
// A schema row taken apart for authors' references: its code, property name, choices and
// help text (the row format: code, name, ":", for choice rows the choices separated by ","
// and a second ":", then the help text).
#include <string>
#include <string_view>
#include <vector>

namespace qav {

struct SchemaRowParts {
  std::string code;  // the three code letters; the third is the kind of value
  std::string name;
  std::vector<std::string> choices;  // trimmed; empty unless the kind is "C"
  std::string help;
};

SchemaRowParts schemaRowParts(std::string_view row);

}  // namespace qav
