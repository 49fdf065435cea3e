#include "app/qav/ProjectCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <exception>
#include <map>
#include <optional>
#include <set>

#include "base/Cp949.h"
#include "base/Text.h"
#include "platform/HeadlessPlatform.h"
#include "props/Schema.h"
#include "runtime/ComponentList.h"
#include "runtime/Hub.h"
#include "runtime/LoadCheck.h"
#include "script/StatementForms.h"
#include "script/Tokenizer.h"
#include "stores/MainData.h"
#include "stream/ClassRegistry.h"
#include "stream/LoadError.h"

namespace qav::tool {

std::string Finding::line() const {
  if (path.empty()) return "the project: " + problem;
  std::string where = "record " + std::to_string(record);
  if (!className.empty()) where += " (" + className + " " + name + ")";
  return where + " at " + path + ": " + problem;
}

namespace {

std::string recordPath(std::size_t i) {
  return "/records/" + std::to_string(i);
}

std::string propertyPath(std::size_t i, std::string_view property) {
  return recordPath(i) + "/properties/" + std::string(property);
}

Finding finding(bool refusal, const std::vector<Record>& records, std::size_t i, std::string path,
                std::string problem) {
  return Finding{refusal,           i, records[i].className, records[i].name, std::move(path),
                 std::move(problem)};
}

std::string inQuotes(std::string_view s) {
  return "\"" + std::string(s) + "\"";
}

}  // namespace

// --- Refusals ----------------------------------------------------------------------------

std::vector<Finding> checkRecordForms(const std::vector<Record>& records) {
  const ClassRegistry& registry = ClassRegistry::instance();
  std::vector<Finding> out;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const Record& r = records[i];
    const ClassInfo* cls = registry.find(r.className);
    if (!cls) {
      out.push_back(finding(true, records, i, recordPath(i) + "/class",
                            "the player knows no class " + inQuotes(r.className)));
      continue;
    }
    for (const Property& p : r.properties)
      if (auto why = registry.checkProperty(*cls, p.name, p.value))
        out.push_back(finding(true, records, i, propertyPath(i, p.name), *why));
  }
  return out;
}

namespace {

// The record a load failure names ("record NAME (CLASS): ..." or a quoted stream name), or
// nothing.
std::optional<std::size_t> recordNamedIn(const std::vector<Record>& records,
                                         const std::string& message) {
  std::optional<std::size_t> best;
  std::size_t bestAt = std::string::npos;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string& n = records[i].name;
    if (n.empty()) continue;
    for (std::size_t at = message.find(n); at != std::string::npos; at = message.find(n, at + 1)) {
      auto wordChar = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
      };
      bool whole = (at == 0 || !wordChar(message[at - 1])) &&
                   (at + n.size() >= message.size() || !wordChar(message[at + n.size()]));
      if (whole &&
          (at < bestAt || (at == bestAt && best && n.size() > records[*best].name.size()))) {
        best = i;
        bestAt = at;
      }
    }
  }
  return best;
}

}  // namespace

std::vector<Finding> checkLoad(const std::vector<Record>& records, const std::string& payload,
                               const std::string& programPath) {
  std::vector<Finding> out;
  // The record a failure names, without the failure's own naming of it.
  auto report = [&](std::string problem) {
    auto i = recordNamedIn(records, problem);
    if (!i) return out.push_back(Finding{true, 0, "", "", "", problem});
    const std::string prefix = "record " + records[*i].name + " (" + records[*i].className + "): ";
    if (problem.rfind(prefix, 0) == 0) problem.erase(0, prefix.size());
    out.push_back(finding(true, records, *i, recordPath(*i), problem));
  };
  if (records.empty()) {
    report("there are no records; the first record must be the settings record TMainData");
    return out;
  }
  try {
    LoadCheck::checkRecords(records);  // the settings first, the names
  } catch (const std::exception& e) {
    report(e.what());
    return out;
  }
  // The start window: the main window is configured by the window record it names.
  const std::string start = CutName(MainData::fromRecord(records[0]).startWindowName());
  if (std::none_of(records.begin(), records.end(), [&](const Record& r) {
        return r.className == "TNewPanel" && CutName(r.name) == start;
      })) {
    out.push_back(finding(true, records, 0, propertyPath(0, "Pages_Name.Strings") + "/0",
                          "the start window " + inQuotes(start) +
                              " has no window record, so the main window would be empty"));
    return out;
  }
  HeadlessPlatform platform;  // shows nothing
  platform.setProgramPath(programPath);
  Hub hub(platform);
  try {
    hub.LoadPayload(payload);
  } catch (const std::exception& e) {
    report(e.what());
  }
  return out;
}

// --- Warnings ----------------------------------------------------------------------------

namespace {

constexpr std::string_view kCommentMark = "//";
constexpr std::string_view kDataQualifier = "데이타";

bool isScriptSlot(std::string_view property) {
  return property.size() == 14 && property.substr(0, 5) == "Ivent" &&
         property.substr(6) == ".Strings";
}

// Edit distance between two short texts, counted in code page 949 bytes (a Korean letter is
// two), for suggesting the keyword a misspelt one was meant to be.
std::size_t distance(std::string_view a, std::string_view b) {
  const std::string x = text::encodeCp949(a), y = text::encodeCp949(b);
  std::vector<std::size_t> row(y.size() + 1);
  for (std::size_t j = 0; j <= y.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= x.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= y.size(); ++j) {
      std::size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
      diagonal = up;
    }
  }
  return row[y.size()];
}

// What an operand of a statement names, from the statement's written form.
enum class Role { None, Item, Table, Field };

Role roleOf(std::string_view word) {
  if (word == "ITEM" || word == "WINDOW" || word == "SOUND") return Role::Item;
  if (word == "TABLE") return Role::Table;
  if (word == "FIELD") return Role::Field;
  return Role::None;
}

class ScriptLinter {
 public:
  explicit ScriptLinter(const std::vector<Record>& records) : records_(records) {
    for (const auto& f : script::statementForms()) {
      std::vector<Role> roles;
      script::Tokens words;
      words.parse(f.operands);
      for (int k = 1; k <= words.count(); ++k) roles.push_back(roleOf(words[k]));
      forms_.emplace(std::string(f.keyword), std::move(roles));
    }
    for (const SchemaTable* t : schemaTables())
      for (const std::string& row : t->rows()) propertyWords_.insert(SchemaEntryName(row));
    const ClassRegistry& registry = ClassRegistry::instance();
    for (const Record& r : records) {
      const ClassInfo* cls = registry.find(r.className);
      if (cls && cls->find("ParentName")) names_.insert(text::upperAscii(CutName(r.name)));
    }
    if (!records.empty() && records[0].className == "TMainData") {
      try {
        settings_ = MainData::fromRecord(records[0]);
      } catch (const std::exception&) {
        // settings the loader refuses are a refusal of their own; no table checks then
      }
    }
  }

  void lint(std::size_t record, const Property& slot, std::vector<Finding>& out) {
    for (std::size_t n = 0; n < slot.value.list.size(); ++n) {
      const Value& line = slot.value.list[n];
      if (!line.isText()) continue;
      where_ = Where{record, propertyPath(record, slot.name) + "/" + std::to_string(n), n + 1};
      out_ = &out;
      lintLine(line.text);
    }
  }

 private:
  struct Where {
    std::size_t record = 0;
    std::string path;
    std::size_t line = 0;
  };

  void warn(const std::string& problem) {
    out_->push_back(finding(false, records_, where_.record, where_.path,
                            "line " + std::to_string(where_.line) + ": " + problem));
  }

  void lintLine(const std::string& line) {
    tokens_.parse(line);
    if (tokens_.count() == 0) return;
    const std::string& keyword = tokens_[1];
    if (keyword.substr(0, kCommentMark.size()) == kCommentMark) return;
    auto form = forms_.find(keyword);
    if (form == forms_.end()) {
      std::string problem = inQuotes(keyword) + " is no statement, so the line does nothing";
      if (auto near = nearestKeyword(keyword))
        problem += " (did you mean " + inQuotes(*near) + "?)";
      warn(problem + "; start a comment with //");
      return;
    }
    const std::vector<Role>& roles = form->second;
    std::string table;
    for (int k = 2; k <= tokens_.count(); ++k) {
      const std::string& word = tokens_[k];
      const Role role = static_cast<std::size_t>(k - 2) < roles.size()
                            ? roles[static_cast<std::size_t>(k - 2)]
                            : Role::None;
      if (role == Role::Item && isPlainWord(word) && !names_.count(text::upperAscii(word)))
        warn(inQuotes(keyword) + " names " + inQuotes(word) +
             ", but no window or item has that name, so the statement fails when it runs");
      else if (role == Role::Table) {
        table = word;
        if (settings_ && !tableNumber(word))
          warn(inQuotes(keyword) + " names table " + inQuotes(word) +
               ", which the settings do not declare, so it finds nothing");
      } else if (role == Role::Field) {
        checkField(word, table);
      } else {
        checkReference(word);
      }
    }
  }

  static bool isPlainWord(const std::string& w) {
    return !w.empty() && w.find(':') == std::string::npos && w[0] != '#' &&
           w.find_first_of("~+-*/%()") == std::string::npos;
  }

  // A reference ITEM:WORD to an item that does not exist, or a data field no table declares.
  void checkReference(std::string_view word) {
    while (!word.empty() && word.front() == '(') word.remove_prefix(1);
    while (!word.empty() && word.back() == ')') word.remove_suffix(1);
    auto colon = word.rfind(':');
    if (colon == std::string_view::npos || colon == 0) return;
    std::string_view qualifier = word.substr(0, colon), property = word.substr(colon + 1);
    if (qualifier.find(':') != std::string_view::npos) return;
    if (qualifier == kDataQualifier) return checkField(property, "");
    if (!propertyWords_.count(std::string(property))) return;  // a text that holds a colon
    if (!names_.count(text::upperAscii(qualifier)))
      warn(inQuotes(word) + " refers to " + inQuotes(qualifier) +
           ", but no window or item has that name, so it reads as its own text");
  }

  void checkField(std::string_view field, const std::string& table) {
    if (!settings_ || field.empty() || !isPlainWord(std::string(field))) return;
    if (!table.empty()) {
      auto t = tableNumber(table);
      if (t && !hasField(*t, field))
        warn("field " + inQuotes(field) + " is not declared in table " + inQuotes(table) +
             " of the settings, so it finds nothing");
      return;
    }
    for (int t = 1; t <= MainData::kTables; ++t)
      if (hasField(t, field)) return;
    warn("field " + inQuotes(field) + " is declared in no table of the settings");
  }

  std::optional<int> tableNumber(std::string_view name) const {
    for (int t = 1; t <= MainData::kTables; ++t)
      if (!name.empty() && settings_->schemaEntry(t, 0) == name) return t;
    return std::nullopt;
  }

  bool hasField(int table, std::string_view field) const {
    for (int f = 1; f <= MainData::kFields; ++f)
      if (settings_->schemaEntry(table, f) == field) return true;
    return false;
  }

  std::optional<std::string> nearestKeyword(const std::string& word) const {
    std::optional<std::string> best;
    std::size_t bestDistance = 3;  // at most two bytes apart: one Korean letter, or two Latin
    for (const auto& [keyword, roles] : forms_) {
      std::size_t d = distance(word, keyword);
      if (d < bestDistance) {
        bestDistance = d;
        best = keyword;
      }
    }
    return best;
  }

  const std::vector<Record>& records_;
  std::map<std::string, std::vector<Role>> forms_;
  std::set<std::string> propertyWords_;
  std::set<std::string> names_;  // upper-cased run-time names of windows and items
  std::optional<MainData> settings_;
  script::Tokens tokens_;
  Where where_;
  std::vector<Finding>* out_ = nullptr;
};

// Whether an item of the class starts shown and usable only with its design flags.
struct DesignFlags {
  bool visible = false, enabled = false, runs = false;  // runs: EnabledCheck starts a timer
};

DesignFlags designFlags(std::string_view c) {
  if (c == "TNewTimer" || c == "TNewAlarm") return {false, true, true};
  if (c == "TLine" || c == "TBox" || c == "TNewWatch") return {true, false, false};
  if (c == "TNewSound" || c == "TNewData" || c == "TNewLoadBox" || c == "TNewSaveBox" ||
      c == "TNewPanel" || c == "TMainData" || c == "TDataQueue" || c == "TPaintBox")
    return {};
  return {true, true, false};
}

}  // namespace

std::vector<Finding> checkWarnings(const std::vector<Record>& records) {
  std::vector<Finding> out;
  const ClassRegistry& registry = ClassRegistry::instance();
  std::set<std::string> windows;  // run-time names of the window records
  for (const Record& r : records)
    if (r.className == "TNewPanel") windows.insert(CutName(r.name));
  std::string mainWindow;  // the start window's run-time name
  if (!records.empty() && records[0].className == "TMainData")
    mainWindow = CutName(MainData::fromRecord(records[0]).startWindowName());
  ScriptLinter linter(records);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const Record& r = records[i];
    const ClassInfo* cls = registry.find(r.className);
    if (!cls) continue;
    if (r.className != "TNewPanel" && cls->find("ParentName")) {
      const Value* parent = r.find("ParentName");
      const std::string name = parent && parent->isText() ? parent->text : std::string();
      if (name.empty())
        out.push_back(finding(false, records, i, propertyPath(i, "ParentName"),
                              "the item is on no window (no ParentName), so it is never placed: "
                              "it never shows or runs, and scripts cannot reach it by name"));
      else if (!windows.count(CutName(name)))
        out.push_back(finding(false, records, i, propertyPath(i, "ParentName"),
                              "the item is on no window: ParentName " + inQuotes(name) +
                                  " names no window record, so it is never placed: it never "
                                  "shows or runs, and scripts cannot reach it by name"));
    }
    if (r.className != "TNewPanel" && !mainWindow.empty() &&
        text::equalsIgnoreAsciiCase(CutName(r.name), mainWindow))
      out.push_back(finding(false, records, i, recordPath(i) + "/name",
                            "scripts naming " + inQuotes(mainWindow) +
                                " reach the main window, never this record: give it another "
                                "name"));
    const DesignFlags flags = designFlags(r.className);
    if (flags.visible && cls->find("VisibleCheck") && !r.find("VisibleCheck"))
      out.push_back(finding(false, records, i, propertyPath(i, "VisibleCheck"),
                            "VisibleCheck is missing, so the item starts hidden; give "
                            "\"VisibleCheck\": true to show it"));
    if (flags.enabled && cls->find("EnabledCheck") && !r.find("EnabledCheck"))
      out.push_back(finding(false, records, i, propertyPath(i, "EnabledCheck"),
                            flags.runs ? "EnabledCheck is missing, so it does not run; give "
                                         "\"EnabledCheck\": true to start it"
                                       : "EnabledCheck is missing, so the item starts disabled "
                                         "(it takes no clicks or typing); give \"EnabledCheck\": "
                                         "true"));
    for (const Property& p : r.properties)
      if (isScriptSlot(p.name)) linter.lint(i, p, out);
  }
  return out;
}

int reportFindings(const char* command, const std::string& file,
                   const std::vector<Finding>& findings) {
  bool refused = false;
  for (const Finding& f : findings) {
    refused = refused || f.refusal;
    std::fprintf(stderr, "qav %s: %s%s: %s\n", command,
                 f.refusal ? "" : "warning: ", text::printable(file).c_str(),
                 text::printable(f.line()).c_str());
  }
  return refused ? 1 : 0;
}

}  // namespace qav::tool
