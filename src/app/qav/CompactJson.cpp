#include "app/qav/CompactJson.h"

#include <nlohmann/json.hpp>

namespace qav::tool {
namespace {

using Json = nlohmann::ordered_json;

// A value on one line, with a blank after each "," and ":".
std::string flatText(const Json& j) {
  if (!j.is_structured()) return j.dump();
  std::string out = j.is_object() ? "{" : "[";
  for (auto it = j.begin(); it != j.end(); ++it) {
    if (it != j.begin()) out += ", ";
    if (j.is_object()) out += Json(it.key()).dump() + ": ";
    out += flatText(*it);
  }
  return out + (j.is_object() ? "}" : "]");
}

// Indented JSON in which a value that fits on its line stays on one line.
void writeCompact(const Json& j, std::size_t indent, std::size_t used, std::string& out) {
  constexpr std::size_t kWidth = 96;
  std::string flat = flatText(j);
  if (!j.is_structured() || j.empty() || used + flat.size() <= kWidth) {
    out += flat;
    return;
  }
  const bool object = j.is_object();
  out += object ? "{\n" : "[\n";
  const std::string pad(indent + 2, ' ');
  std::size_t n = 0;
  for (auto it = j.begin(); it != j.end(); ++it) {
    std::string line = pad;
    if (object) line += Json(it.key()).dump() + ": ";
    out += line;
    writeCompact(*it, indent + 2, line.size(), out);
    out += ++n < j.size() ? ",\n" : "\n";
  }
  out += std::string(indent, ' ') + (object ? "}" : "]");
}

}  // namespace

std::string compactJson(const Json& json) {
  std::string out;
  writeCompact(json, 0, 0, out);
  return out + "\n";
}

}  // namespace qav::tool
