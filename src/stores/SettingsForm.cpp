#include "stores/SettingsForm.h"

#include <nlohmann/json.hpp>

#include "base/Cp949.h"
#include "stores/MainData.h"
#include "stream/RecordJson.h"

namespace qav {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kReadableName = "Data_Backup";
constexpr const char* kLinesName = "Data_Backup.Strings";
constexpr const char* kOptionOn = "Y";
constexpr const char* kOptionOff = "N";

// Reads a readable form, naming the member being read in its messages.
class Reader {
 public:
  explicit Reader(std::string where) : where_(std::move(where)) {}

  std::vector<std::string> lines(const Json& j) {
    if (!j.is_object())
      fail("", "must be an object with \"options\", \"registers\", \"system\" and \"tables\"");
    std::vector<std::string> out;
    out.reserve(MainData::kBackupLines);
    std::vector<const Json*> options(MainData::kOptions), registers(MainData::kRegisters),
        system(MainData::kSystemValues);
    const Json* tables = nullptr;
    std::vector<std::string> seen;
    for (const auto& [key, member] : j.items()) {
      for (const std::string& k : seen)
        if (k == key) fail(key, "is given twice");
      seen.push_back(key);
      if (key == "options") {
        numbered(key, member, options);
      } else if (key == "registers") {
        numbered(key, member, registers);
      } else if (key == "system") {
        numbered(key, member, system);
      } else if (key == "tables") {
        tables = &member;
      } else {
        fail(key, "is not one of \"options\", \"registers\", \"system\", \"tables\"");
      }
    }
    for (std::size_t n = 0; n < options.size(); ++n) {
      const Json* v = options[n];
      if (v && !v->is_boolean()) fail("options/" + std::to_string(n + 1), "must be true or false");
      out.push_back(v && v->get<bool>() ? kOptionOn : kOptionOff);
    }
    texts("registers", registers, out);
    texts("system", system, out);
    tableLines(tables, out);
    return out;
  }

 private:
  [[noreturn]] void fail(const std::string& path, const std::string& problem) const {
    std::string name = kReadableName;
    if (!path.empty()) name += "/" + path;
    throw RecordJsonError(where_ + "property \"" + name + "\": " + problem);
  }

  // An object keyed by the numbers 1 to slots.size(), each given once.
  void numbered(const std::string& key, const Json& j, std::vector<const Json*>& slots) const {
    const std::string range = "1 to " + std::to_string(slots.size());
    if (!j.is_object()) fail(key, "must be an object keyed by the numbers " + range);
    for (const auto& [number, value] : j.items()) {
      std::size_t n = 0;
      bool plain = !number.empty() && number.size() <= 3 && number[0] != '0';
      for (char c : number) {
        if (c < '0' || c > '9') plain = false;
        n = n * 10 + static_cast<std::size_t>(c - '0');
      }
      if (!plain || n > slots.size()) fail(key + "/" + number, "is not a number from " + range);
      if (slots[n - 1]) fail(key + "/" + number, "is given twice");
      slots[n - 1] = &value;
    }
  }

  void texts(const std::string& key, const std::vector<const Json*>& slots,
             std::vector<std::string>& out) const {
    for (std::size_t n = 0; n < slots.size(); ++n) {
      const std::string path = key + "/" + std::to_string(n + 1);
      if (!slots[n]) {
        out.emplace_back();
        continue;
      }
      if (!slots[n]->is_string()) fail(path, "must be a string");
      out.push_back(encodable(path, slots[n]->get<std::string>()));
    }
  }

  std::string encodable(const std::string& path, std::string s) const {
    if (text::decodeCp949(text::encodeCp949(s)) != s)
      fail(path, "\"" + s + "\" has a character without a code page 949 form");
    return s;
  }

  // A table or field name, as the player will read it.
  std::string schemaName(const std::string& path, const Json& j) const {
    if (!j.is_string()) fail(path, "must be a string");
    std::string s = encodable(path, j.get<std::string>());
    if (MainData::schemaEntry(s) == s) return s;
    std::size_t bytes = text::cp949Size(s);
    if (bytes > 20)
      fail(path, "\"" + s + "\" has " + std::to_string(bytes) +
                     " bytes in code page 949; the player keeps 20 (10 Korean letters)");
    fail(path, "\"" + s + "\" begins or ends with a blank, which the player removes");
  }

  void tableLines(const Json* tables, std::vector<std::string>& out) const {
    if (tables && !tables->is_array())
      fail("tables", "must be an array of tables ({\"name\": ..., \"fields\": [...]} or null)");
    std::size_t count = tables ? tables->size() : 0;
    if (count > static_cast<std::size_t>(MainData::kTables))
      fail("tables", "has " + std::to_string(count) + " tables; there are " +
                         std::to_string(MainData::kTables) + " at most");
    for (std::size_t t = 0; t < static_cast<std::size_t>(MainData::kTables); ++t) {
      std::vector<std::string> entries(MainData::kFields + 1);
      if (t < count) table("tables/" + std::to_string(t + 1), (*tables)[t], entries);
      for (auto& e : entries) out.push_back(std::move(e));
    }
  }

  void table(const std::string& path, const Json& j, std::vector<std::string>& entries) const {
    if (j.is_null()) return;
    if (!j.is_object()) fail(path, "must be {\"name\": ..., \"fields\": [...]} or null");
    bool named = false, fielded = false;
    for (const auto& [key, member] : j.items()) {
      const std::string at = path + "/" + key;
      if (key == "name") {
        if (named) fail(at, "is given twice");
        named = true;
        entries[0] = schemaName(at, member);
      } else if (key == "fields") {
        if (fielded) fail(at, "is given twice");
        fielded = true;
        if (!member.is_array()) fail(at, "must be an array of field names");
        if (member.size() > static_cast<std::size_t>(MainData::kFields))
          fail(at, "has " + std::to_string(member.size()) + " fields; a table has " +
                       std::to_string(MainData::kFields) + " at most");
        for (std::size_t f = 0; f < member.size(); ++f)
          entries[f + 1] = schemaName(at + "/" + std::to_string(f + 1), member[f]);
      } else {
        fail(at, "is not one of \"name\", \"fields\"");
      }
    }
  }

  std::string where_;
};

// "record 3 (\"Main0Settings\"), " for messages, as the record reader names records.
std::string recordPlace(std::size_t index, const Json& record) {
  std::string where = "record " + std::to_string(index + 1);
  auto name = record.find("name");
  if (name != record.end() && name->is_string()) where += " (\"" + name->get<std::string>() + "\")";
  return where + ", ";
}

// The properties object of each settings record of a document, with the record's index.
template <class Fn>
void forEachSettingsRecord(Json& document, Fn fn) {
  if (!document.is_object()) return;
  auto records = document.find("records");
  if (records == document.end() || !records->is_array()) return;
  for (std::size_t i = 0; i < records->size(); ++i) {
    Json& record = (*records)[i];
    if (!record.is_object()) continue;
    auto cls = record.find("class");
    auto props = record.find("properties");
    if (cls == record.end() || *cls != "TMainData" || props == record.end() || !props->is_object())
      continue;
    fn(i, record, props->get_ref<Json::object_t&>());
  }
}

// Puts the member at index `at` under a new name and value, keeping its place (member names
// are constant in place, so the members are laid out anew).
void replaceMember(Json::object_t& members, std::size_t at, const std::string& key, Json value) {
  Json::object_t out;
  for (std::size_t i = 0; i < members.size(); ++i) {
    auto& m = members.begin()[static_cast<std::ptrdiff_t>(i)];
    if (i == at)
      out.push_back({key, std::move(value)});
    else
      out.push_back({m.first, std::move(m.second)});
  }
  members = std::move(out);
}

}  // namespace

std::vector<std::string> settingsLines(const Json& readable) {
  return Reader("").lines(readable);
}

std::optional<Json> readableSettings(const std::vector<std::string>& lines) {
  if (lines.size() != static_cast<std::size_t>(MainData::kBackupLines)) return std::nullopt;
  std::size_t k = 0;
  Json options = Json::object(), registers = Json::object(), system = Json::object();
  for (int n = 1; n <= MainData::kOptions; ++n, ++k) {
    if (lines[k] == kOptionOn)
      options[std::to_string(n)] = true;
    else if (lines[k] != kOptionOff)
      return std::nullopt;
  }
  for (int n = 1; n <= MainData::kRegisters; ++n, ++k)
    if (!lines[k].empty()) registers[std::to_string(n)] = lines[k];
  for (int n = 1; n <= MainData::kSystemValues; ++n, ++k)
    if (!lines[k].empty()) system[std::to_string(n)] = lines[k];
  Json tables = Json::array();
  std::size_t used = 0;  // tables up to the last one in use
  for (int t = 1; t <= MainData::kTables; ++t) {
    const std::string& name = lines[k];
    std::size_t last = 0;  // the last field in use
    for (std::size_t f = 1; f <= static_cast<std::size_t>(MainData::kFields); ++f)
      if (!lines[k + f].empty()) last = f;
    if (name.empty() && last == 0) {
      tables.push_back(nullptr);
    } else {
      Json fields = Json::array();
      for (std::size_t f = 1; f <= last; ++f) fields.push_back(lines[k + f]);
      tables.push_back(Json{{"name", name}, {"fields", std::move(fields)}});
      used = static_cast<std::size_t>(t);
    }
    k += MainData::kFields + 1;
  }
  tables.erase(tables.begin() + static_cast<std::ptrdiff_t>(used), tables.end());
  Json readable = {{"options", std::move(options)},
                   {"registers", std::move(registers)},
                   {"system", std::move(system)},
                   {"tables", std::move(tables)}};
  // Only a form that gives these very lines back stands for them.
  try {
    if (settingsLines(readable) != lines) return std::nullopt;
  } catch (const RecordJsonError&) {
    return std::nullopt;
  }
  return readable;
}

void expandReadableSettings(Json& document) {
  forEachSettingsRecord(document, [](std::size_t i, const Json& record, Json::object_t& props) {
    std::optional<std::size_t> readable;
    bool lines = false;
    for (std::size_t k = 0; k < props.size(); ++k) {
      const std::string& key = props.begin()[static_cast<std::ptrdiff_t>(k)].first;
      if (key == kLinesName) lines = true;
      if (key != kReadableName) continue;
      if (readable)
        throw RecordJsonError(recordPlace(i, record) + "property \"" + kReadableName +
                              "\" is given twice");
      readable = k;
    }
    if (!readable) return;
    if (lines)
      throw RecordJsonError(recordPlace(i, record) + "gives its tables twice: as \"" +
                            kReadableName + "\" and as \"" + kLinesName + "\"");
    const Json& form = props.begin()[static_cast<std::ptrdiff_t>(*readable)].second;
    Json array = Json::array();
    for (auto& line : Reader(recordPlace(i, record)).lines(form)) array.push_back(std::move(line));
    replaceMember(props, *readable, kLinesName, std::move(array));
  });
}

void condenseSettings(Json& document) {
  forEachSettingsRecord(document, [](std::size_t, const Json&, Json::object_t& props) {
    std::optional<std::size_t> found;
    for (std::size_t k = 0; k < props.size(); ++k) {
      if (props.begin()[static_cast<std::ptrdiff_t>(k)].first != kLinesName) continue;
      if (found) return;  // given twice: only the raw form says which is which
      found = k;
    }
    if (!found) return;
    const Json& raw = props.begin()[static_cast<std::ptrdiff_t>(*found)].second;
    if (!raw.is_array()) return;
    std::vector<std::string> lines;
    for (const Json& line : raw) {
      if (!line.is_string()) return;  // a line with a chosen tag keeps its raw form
      lines.push_back(line.get<std::string>());
    }
    if (auto readable = readableSettings(lines))
      replaceMember(props, *found, kReadableName, std::move(*readable));
  });
}

}  // namespace qav
