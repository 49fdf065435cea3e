#pragma once
// JSON text for people to read: indented, with every value that fits on its line kept on one
// line.
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace qav::tool {

// The text, ending in a newline.
std::string compactJson(const nlohmann::ordered_json& json);

}  // namespace qav::tool
