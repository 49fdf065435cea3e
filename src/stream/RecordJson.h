#pragma once
// The JSON form of binary records, for inspecting and hand-editing projects and data files:
//   {"records": [{"class": "TNewLabel", "name": "Lbl01Label1", "flags": 2?, "position": 3?,
//                 "properties": {"Left": 10, "Caption": "...", ...}, "children": [...]?}]}
// Properties keep stream order (and repeated names). Values: a JSON integer is an integer of
// the smallest tag, {"int8"|"int16"|"int32": n} one of a chosen tag; a string is a text of
// tag 6, or of tag 12 when its CP949 form is longer than 255 bytes, {"long": "..."} a short
// text of tag 12; true/false; {"ident": "..."}; an array is a list; {"set": [...]};
// {"binary": "BASE64"}; {"extended": x, "raw": "20 hex digits"?}; {"nil": true};
// {"collection": [{"index": n?, "properties": {...}}]}. Converting records to JSON and back
// gives the same records, tags and raw float bytes included.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "stream/Record.h"

namespace qav {

// JSON that is not a valid record form; the message names the record and property.
class RecordJsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

nlohmann::ordered_json recordToJson(const Record& record);
nlohmann::ordered_json recordsToJson(const std::vector<Record>& records);

Record recordFromJson(const nlohmann::ordered_json& json);
std::vector<Record> recordsFromJson(const nlohmann::ordered_json& document);

// The document as indented text ending in a newline.
std::string recordsToJsonText(const std::vector<Record>& records);
// Parses a document; repeated member names are kept in order rather than merged.
std::vector<Record> recordsFromJsonText(std::string_view text);
// The JSON of a text as recordsFromJsonText reads it: repeated member names kept, nesting
// bounded. Throws RecordJsonError for text that is not JSON.
nlohmann::ordered_json jsonFromText(std::string_view text);

}  // namespace qav
