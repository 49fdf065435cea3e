#include "props/SchemaRows.h"

#include "base/Text.h"
#include "props/Schema.h"

namespace qav {

SchemaRowParts schemaRowParts(std::string_view row) {
  SchemaRowParts parts;
  parts.code = std::string(row.substr(0, 3));
  parts.name = SchemaEntryName(row);
  std::size_t colon = row.find(':', parts.code.size());
  if (colon == std::string_view::npos) return parts;
  std::string_view rest = row.substr(colon + 1);
  if (parts.code.size() == 3 && parts.code[2] == 'C') {
    std::size_t end = rest.find(':');
    std::string_view list = rest.substr(0, end);
    for (std::size_t start = 0;;) {
      std::size_t comma = list.find(',', start);
      parts.choices.push_back(text::trimmed(list.substr(start, comma - start)));
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  parts.help = std::string(rest);
  return parts;
}

}  // namespace qav
