#pragma once
// The property schema tables: one table per kind of window or item, each row
// code + property name + ":" + choices + ":" + help text. The player reads the kind letter
// (third code letter) and the choices from them.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
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
  // Every row that carries one property name; the first one gives the kind letter.
  struct NameRows {
    char letter = 'S';
    std::vector<std::size_t> rows;
  };
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };

  std::string name_;
  std::vector<std::string> rows_;
  std::unordered_map<std::string, NameRows, NameHash, std::equal_to<>> byName_;
};

// The choice scan of one row.
bool rowHasChoice(std::string_view row, std::string_view value);

}  // namespace qav
