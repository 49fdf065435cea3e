#pragma once
// The readable form of the settings record's tables, for the JSON form of a project. In place
// of its 1,159 "Data_Backup.Strings" lines, the settings record (TMainData) may give
//   "Data_Backup": {"options": {"5": true}, "registers": {"3": "..."}, "system": {"1": "..."},
//                   "tables": [{"name": "회원", "fields": ["이름", "전화"]}, null, ...]}
// Options are numbered 1-100 (true writes the line "Y", false or absent "N"), registers 1-100
// and system values 1-50 (absent: empty). Tables are numbered by their place in the array,
// 9 at most (null or absent: unused); fields by their place, 100 at most (an empty text leaves
// a field unused). Table and field names are refused when the player would not read them as
// written: more than 20 bytes in code page 949, or blanks around them.
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace qav {

// The 1,159 lines of a readable form. Throws RecordJsonError naming the member
// (property "Data_Backup/tables/2/name") and the problem.
std::vector<std::string> settingsLines(const nlohmann::ordered_json& readable);

// The readable form of the lines when settingsLines gives exactly these lines back (1,159
// lines, options written "Y" or "N", names as the player reads them); nothing otherwise.
std::optional<nlohmann::ordered_json> readableSettings(const std::vector<std::string>& lines);

// In a project document: every settings record's readable "Data_Backup" becomes its
// "Data_Backup.Strings" lines, in the same place among the properties. Throws RecordJsonError
// naming the record. Anything not shaped like a document is left for the record reader.
void expandReadableSettings(nlohmann::ordered_json& document);

// The reverse: every settings record whose lines have a readable form gets it, in place.
void condenseSettings(nlohmann::ordered_json& document);

}  // namespace qav
