#pragma once
// The property schema tables: one table per kind of window or item, each row
// code + property name + ":" + choices + ":" + help text. The player reads the kind letter
// (third code letter) and the choices from them.
#include <string>
#include <string_view>
#include <vector>

namespace qav {

class SchemaTable;

// The 19 tables in the order the program carries them.
const std::vector<const SchemaTable*>& schemaTables();
// The table named "Hint_" + the run-time class name without its first letter, or null.
const SchemaTable* schemaTable(std::string_view tableName);
const SchemaTable* schemaForClass(std::string_view runtimeClassName);

// The property name of a schema row: bytes from position 4 up to the first ":" at or after it.
std::string SchemaEntryName(std::string_view row);

class SchemaTable {
 public:
  SchemaTable(std::string name, std::vector<std::string> rows);
  const std::string& name() const { return name_; }
  const std::vector<std::string>& rows() const { return rows_; }

  // Kind letter of the first row whose property name equals the name exactly; 'S' otherwise.
  char typeLetter(std::string_view property) const;
  // Choice scan over every row whose property name matches: true when one of the choices,
  // trimmed, equals the value, trimmed.
  bool hasChoice(std::string_view property, std::string_view value) const;

 private:
  std::string name_;
  std::vector<std::string> rows_;
  // (implementation may add lookup indexes here)
};

// The choice scan of one row.
bool rowHasChoice(std::string_view row, std::string_view value);

}  // namespace qav
