#include "app/qav/Reference.h"

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <utility>

#include <nlohmann/json.hpp>

#include "app/qav/CompactJson.h"
#include "lang/Texts.h"
#include "lang/Vocabulary.h"
#include "platform/HeadlessPlatform.h"
#include "props/Schema.h"
#include "props/SchemaRows.h"
#include "runtime/ComponentList.h"
#include "runtime/Hub.h"
#include "script/StatementForms.h"
#include "stores/MainData.h"
#include "stream/ClassRegistry.h"
#include "stream/Record.h"

namespace qav::tool {
namespace {

using Json = nlohmann::ordered_json;

// ---- the kinds of items, found by loading one record of each class ----

constexpr const char* kStartWindow = "Frm01Start";
constexpr const char* kOtherWindow = "Frm02Other";
constexpr const char* kSlotMark = "slot ";

// What runs the bound script of each run-time class. The dispatch decides which slot runs;
// this only words the user action for authors.
const std::map<std::string_view, std::string_view>& actions() {
  static const std::map<std::string_view, std::string_view> a = {
      {cls::kMain, "the window becomes the active window"},
      {cls::kForm, "the window becomes the active window"},
      {cls::kLabel, "a click"},
      {cls::kButton, "a click"},
      {cls::kEdit, "the user changes the text"},
      {cls::kMemo, "the user changes the text"},
      {cls::kListBox, "a click"},
      {cls::kComboBox, "the user picks an entry or changes the text"},
      {cls::kCheckBox, "a click (after the group's rule)"},
      {cls::kRadioButton, "a click"},
      {cls::kTimer, "every tick of its interval"},
      {cls::kAlarm, "its date and time (or its time every day)"},
      {cls::kPage, "the user picks another page"},
  };
  return a;
}

std::vector<int> carriedSlots(const ClassInfo& info) {
  std::vector<int> slots;
  for (int n = 1; n <= 5; ++n)
    if (info.find("Ivent" + std::to_string(n) + ".Strings")) slots.push_back(n);
  return slots;
}

// A record of the class carrying a mark in every slot, and what placing it needs.
Record probeRecord(const ClassInfo& info, const std::string& name, const std::string& parent) {
  Record r;
  r.className = info.name;
  r.name = name;
  for (int n : carriedSlots(info))
    r.properties.push_back({"Ivent" + std::to_string(n) + ".Strings",
                            Value::makeLines({kSlotMark + std::to_string(n)})});
  if (info.find("ParentName")) r.properties.push_back({"ParentName", Value::makeText(parent)});
  for (const char* lines : {"Backup_Names.Strings", "Backup_Value.Strings"})
    if (info.find(lines))
      r.properties.push_back({lines, Value::makeLines(std::vector<std::string>(100))});
  return r;
}

int markedSlot(Hub& hub, Component& c) {
  std::vector<std::string> script = hub.dispatch().EventScript(c);
  const std::string mark = kSlotMark;
  if (script.size() == 1 && script[0].rfind(mark, 0) == 0)
    return std::stoi(script[0].substr(mark.size()));
  return 0;
}

ItemKind describe(Hub& hub, const ClassInfo& info, Component* placed) {
  ItemKind k;
  k.recordClass = info.name;
  k.baseKind = info.baseKind;
  k.slots = carriedSlots(info);
  if (!placed) return k;
  k.runtimeClass = placed->className();
  k.scriptSlot = markedSlot(hub, *placed);
  if (k.scriptSlot) {
    auto it = actions().find(k.runtimeClass);
    // A kind that runs a script must say when: the reference would be wrong without it.
    if (it == actions().end())
      throw std::logic_error("no action is worded for the scripts of " + k.runtimeClass);
    k.action = it->second;
  }
  return k;
}

}  // namespace

std::vector<ItemKind> itemKinds() {
  HeadlessPlatform platform;
  Hub hub(platform);
  hub.setSettings(std::make_unique<MainData>());
  hub.setStartWindowName(kStartWindow);
  const ClassRegistry& registry = ClassRegistry::instance();
  const ClassInfo* panel = registry.find(cls::kPanel);
  hub.instantiation().CreateWindowRecord(probeRecord(*panel, kStartWindow, ""));
  hub.instantiation().CreateWindowRecord(probeRecord(*panel, kOtherWindow, ""));

  std::vector<ItemKind> kinds;
  // Windows: the first window of a project is the main window, every other a plain one.
  kinds.push_back(describe(hub, *panel, hub.FindControl(CutName(kStartWindow))));
  kinds.push_back(describe(hub, *panel, hub.FindControl(CutName(kOtherWindow))));
  int n = 0;
  for (const ClassInfo& info : registry.classes()) {
    if (info.name == cls::kPanel) continue;
    const std::string name = "Kind" + std::string(1, static_cast<char>('A' + n / 26)) +
                             static_cast<char>('a' + n % 26) + "Probe";
    ++n;
    const std::size_t before = hub.componentList().size();
    hub.instantiation().PlaceItemRecord(probeRecord(info, name, kOtherWindow));
    // The placed window or item carries the run-time name; a record never placed keeps its
    // stream name.
    Component* placed = nullptr;
    const auto& list = hub.componentList();
    for (std::size_t i = before; i < list.size(); ++i)
      if (list[i]->name() == CutName(name)) placed = list[i];
    kinds.push_back(describe(hub, info, placed));
  }
  return kinds;
}

namespace {

// ---- Markdown ----

// A table cell: pipes and line breaks would end the cell.
std::string cell(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '|')
      out += "\\|";
    else if (c == '\r' || c == '\n')
      out += ' ';
    else
      out += c;
  }
  return out;
}

std::string code(std::string_view text) {
  return text.empty() ? std::string() : "`" + cell(text) + "`";
}

std::string row(const std::vector<std::string>& cells) {
  std::string out = "|";
  for (const std::string& c : cells) out += " " + c + " |";
  return out + "\n";
}

std::string header(const std::vector<std::string>& names) {
  std::string out = row(names) + "|";
  for (std::size_t i = 0; i < names.size(); ++i) out += "---|";
  return out + "\n";
}

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : separator) + p;
  return out;
}

std::string hex(uint32_t v, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*X", digits, v);
  return buf;
}

const char* kindOfLetter(char letter) {
  switch (letter) {
    case 'S':
      return "text";
    case 'C':
      return "choice";
    case 'F':
      return "font";
    case 'I':
      return "picture";
    case 'T':
      return "lines";
    case 'X':
      return "fixed";
  }
  return "text";
}

std::string statementsSection() {
  std::string md =
      "## Statements\n\n"
      "A script is a list of lines, one statement per line, chosen by the line's first word. "
      "A line whose first word is no keyword does nothing, so any such line is a comment. "
      "Words are separated by blanks; words in capitals below stand for what you write. "
      "Operands are expressions (see Operands) unless said otherwise; table and field names "
      "of the data statements are taken as written.\n\n";
  md += header({"Keyword", "Operands", "Example", "What it does"});
  for (const auto& f : script::statementForms())
    md += row({code(f.keyword), code(f.operands), code(f.example), cell(f.meaning)});
  md +=
      "\n### Script errors\n\n"
      "A statement that cannot be carried out shows one of these messages, naming the item "
      "whose script runs and the line; the script then goes on with the next line (the "
      "settings' options 2 to 4 change this).\n\n";
  md += header({"Keyword", "Messages"});
  for (const auto& f : script::statementForms()) {
    if (f.messages.empty()) continue;
    std::vector<std::string> quoted;
    for (const std::string& m : f.messages) quoted.push_back(cell(m));
    md += row({code(f.keyword), joined(quoted, "<br>")});
  }
  std::vector<std::string> general;
  for (const std::string& m : script::generalMessages()) general.push_back(cell(m));
  md += row({"any", joined(general, "<br>")});
  return md;
}

std::string operandsSection() {
  std::string md =
      "## Operands\n\n"
      "Every value is a text; arithmetic is on whole numbers (32 bits) when both sides are "
      "numbers. An operand that contains `:` is a reference and gives the value it names; a "
      "reference to nothing gives its own text.\n\n";
  md += header({"Written", "Meaning"});
  for (const auto& f : script::operandForms()) md += row({code(f.form), cell(f.meaning)});
  md += "\n### Registers written by statements\n\n";
  md += header({"Register", "Written by"});
  std::map<int, std::vector<std::string>> writers;
  for (const auto& f : script::statementForms())
    for (int r : f.registers) writers[r].push_back(code(f.keyword));
  for (const auto& [r, who] : writers)
    md += row(
        {code(std::string(msg::kRegisterQualifier) + ":" + std::to_string(r)), joined(who, ", ")});
  return md;
}

// A link to the heading of a property table (headings are found by their lower-case name).
std::string link(const std::string& table) {
  std::string anchor;
  for (char c : table) anchor += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return "[" + table + "](#" + anchor + ")";
}

std::string slotName(int n) {
  return "Ivent" + std::to_string(n);
}

std::string kindsSection(const std::vector<ItemKind>& kinds) {
  std::string md =
      "## Kinds of windows and items\n\n"
      "Each record of the project has a class. The player turns a window or item record into "
      "a run-time window or item (records of some classes are never placed); scripts address "
      "it by its run-time name: the record's name without its first five characters "
      "(`Btn01Greet` is `Greet`). Run-time names must differ from each other, windows "
      "included, without regard to Latin letter case. Its event script is the slot that the "
      "action runs; other slots are stored and run by nothing.\n\n";
  md += header({"Record class", "Stream kind", "Run-time class", "Property words", "Event script",
                "Runs on", "Slots carried"});
  for (const ItemKind& k : kinds) {
    const SchemaTable* table = k.runtimeClass.empty() ? nullptr : schemaForClass(k.runtimeClass);
    std::vector<std::string> slots;
    for (int n : k.slots) slots.push_back(slotName(n));
    md += row({code(k.recordClass), k.baseKind.empty() ? "—" : k.baseKind,
               k.runtimeClass.empty() ? "not placed" : code(k.runtimeClass),
               table                    ? link(table->name())
               : k.runtimeClass.empty() ? "—"
                                        : "none: every word is text",
               k.scriptSlot ? code(slotName(k.scriptSlot)) : "—", k.action.empty() ? "—" : k.action,
               slots.empty() ? "—" : joined(slots, ", ")});
  }
  md +=
      "\nA window's script (`Ivent1`) runs when the window becomes active; the first window "
      "of the settings' `Pages_Name` is the main window. An item shows and takes input only "
      "when its record has `VisibleCheck` and `EnabledCheck` true.\n";
  return md;
}

std::string propertiesSection(const std::vector<ItemKind>& kinds) {
  std::string md =
      "## Property words\n\n"
      "Scripts read and write properties as `ITEM:WORD`. The kind says how a value is "
      "assigned: text (any text or number), choice (one of the choices; another value is "
      "ignored, or reported with option 1), font (from another item's `글자모양`), picture "
      "(from another item's `그림`, or a file name), lines (from another item's lines, or a "
      "text whose lines are separated by `|`), fixed (read only). A word that an item does not "
      "have reads as the reference itself and is ignored when written.\n";
  std::map<std::string, std::set<std::string>> users;  // table -> run-time classes
  for (const ItemKind& k : kinds)
    if (const SchemaTable* t = k.runtimeClass.empty() ? nullptr : schemaForClass(k.runtimeClass))
      users[t->name()].insert(k.runtimeClass);
  for (const SchemaTable* table : schemaTables()) {
    md += "\n### " + table->name() + "\n\n";
    const auto& u = users[table->name()];
    if (u.empty()) {
      md += "The designer's table: no kind of item finds it when the program runs.\n\n";
    } else {
      std::vector<std::string> names;
      for (const std::string& c : u) names.push_back(code(c));
      md += "Used by " + joined(names, ", ") + ".\n\n";
    }
    md += header({"Word", "Kind", "Choices", "Meaning"});
    for (const std::string& r : table->rows()) {
      SchemaRowParts p = schemaRowParts(r);
      std::vector<std::string> choices;
      for (const std::string& c : p.choices) choices.push_back(cell(c));
      md += row({code(p.name), kindOfLetter(table->typeLetter(p.name)), joined(choices, ", "),
                 cell(p.help)});
    }
  }
  return md;
}

std::string wordsSection() {
  std::string md = "## Value words\n\n### Truth\n\n";
  md += header({"Word", "Value"});
  md += row({code(words::kTrue), "true"});
  md += row({code(words::kFalse), "false (any other text is false too)"});
  md += "\n### Colours\n\nA text that is no colour word gives white.\n\n";
  md += header({"Word", "Colour code", "Red, green, blue"});
  for (const ColourWord& c : colourVocabulary()) {
    std::string rgb = c.code & 0x80000000u ? "system colour " + std::to_string(c.code & 0xFFFF)
                                           : std::to_string(c.code & 0xFF) + ", " +
                                                 std::to_string(c.code >> 8 & 0xFF) + ", " +
                                                 std::to_string(c.code >> 16 & 0xFF);
    md += row({code(c.word), code(hex(c.code, 8)), rgb});
  }
  md += "\n### Cursors\n\nA text that is no cursor word gives the default cursor.\n\n";
  md += header({"Word", "Cursor code"});
  for (const CursorWord& c : cursorVocabulary()) md += row({code(c.word), std::to_string(c.code)});
  return md;
}

std::string settingsSection() {
  std::string md =
      "## Settings\n\n"
      "The first record of a project is the settings record (`TMainData`). Besides "
      "`Pages_Name` (the windows' record names; the first is the main window), `ProgramName`, "
      "`ProgramMaker`, `ProgramVer` and `DataFile` (the data file, beside the program), it "
      "holds four tables as " +
      std::to_string(MainData::kBackupLines) +
      " lines of `Data_Backup`. In the JSON form they may be given readably instead; "
      "`qav pack` writes the lines and `qav dump --readable` reads them back:\n\n"
      "```json\n"
      "\"Data_Backup\": {\"options\": {\"5\": true},\n"
      "                \"registers\": {\"1\": \"first register\"},\n"
      "                \"system\": {\"1\": \"a system value\"},\n"
      "                \"tables\": [{\"name\": \"회원\", \"fields\": [\"이름\", \"전화\"]}]}\n"
      "```\n\n";
  md += header({"Member", "Numbers", "Meaning"});
  md += row({"`options`", "1 to " + std::to_string(MainData::kOptions),
             "`true` turns an option on; absent ones are off"});
  md += row({"`registers`", "1 to " + std::to_string(MainData::kRegisters),
             "texts scripts read as `레지스터:N` (1 to 10); absent ones are empty"});
  md += row({"`system`", "1 to " + std::to_string(MainData::kSystemValues),
             "texts scripts read and write as `시스템:N`; absent ones are empty"});
  md += row({"`tables`", "1 to " + std::to_string(MainData::kTables) + " by place",
             "data tables: a name and up to " + std::to_string(MainData::kFields) +
                 " field names (at most 20 bytes each, 10 Korean letters; no blanks around); "
                 "`null` leaves a table unused"});
  md += "\n### Options\n\n";
  md += header({"Option", "When on"});
  md += row({"1",
             "assigning a value that is not among a choice property's choices is a script "
             "error"});
  md += row({"2", "script errors show an OK button only, and the script goes on"});
  md += row({"3", "script errors are not shown, and the script goes on"});
  md += row({"4", "a script error silently ends the script (before 2 and 3)"});
  md += row({"5", "the data file is saved after every statement that changes rows"});
  md += "\nOptions 6 to " + std::to_string(MainData::kOptions) + " have no role.\n";
  return md;
}

// ---- JSON Schema ----

Json ref(const std::string& name) {
  return Json{{"$ref", "#/definitions/" + name}};
}

Json identOf(const std::vector<std::string_view>& names) {
  Json e = Json::array();
  for (std::string_view n : names) e.push_back(n);
  return Json{{"type", "object"},
              {"required", Json::array({"ident"})},
              {"additionalProperties", false},
              {"properties", {{"ident", {{"enum", std::move(e)}}}}}};
}

Json identIn(const std::vector<std::string>& names) {
  return identOf(std::vector<std::string_view>(names.begin(), names.end()));
}

Json propertySchema(const PropInfo& p) {
  if (p.kind == PropKind::Boolean) return Json{{"type", "boolean"}};
  if (p.kind == PropKind::Enum) return identIn(p.idents);
  if (p.kind == PropKind::Set) {
    Json members = Json::array();
    for (const auto& m : p.idents) members.push_back(m);
    return Json{
        {"type", "object"},
        {"required", Json::array({"set"})},
        {"additionalProperties", false},
        {"properties", {{"set", {{"type", "array"}, {"items", {{"enum", std::move(members)}}}}}}}};
  }
  // The other kinds refer to the schema's definitions.
  static constexpr std::pair<PropKind, const char*> kDefinitions[] = {
      {PropKind::Integer, "integer"},      {PropKind::Text, "text"},
      {PropKind::Lines, "lines"},          {PropKind::DateTime, "extended"},
      {PropKind::Float, "extended"},       {PropKind::Colour, "colour"},
      {PropKind::Cursor, "cursor"},        {PropKind::Charset, "charset"},
      {PropKind::Binary, "binary"},        {PropKind::ComponentRef, "component"},
      {PropKind::Collection, "collection"}};
  for (const auto& [kind, definition] : kDefinitions)
    if (kind == p.kind) return ref(definition);
  return Json::object();
}

Json readableSettingsSchema() {
  auto numbered = [](int count, Json value) {
    Json numbers = Json::array();
    for (int n = 1; n <= count; ++n) numbers.push_back(std::to_string(n));
    return Json{{"type", "object"},
                {"propertyNames", {{"enum", std::move(numbers)}}},
                {"additionalProperties", std::move(value)}};
  };
  Json name = {{"type", "string"}, {"maxLength", 20}};
  Json table = {
      {"type", "object"},
      {"additionalProperties", false},
      {"properties",
       {{"name", name},
        {"fields", {{"type", "array"}, {"maxItems", MainData::kFields}, {"items", name}}}}}};
  return Json{{"description", "The settings' tables in readable form; qav pack writes the lines."},
              {"type", "object"},
              {"additionalProperties", false},
              {"properties",
               {{"options", numbered(MainData::kOptions, Json{{"type", "boolean"}})},
                {"registers", numbered(MainData::kRegisters, Json{{"type", "string"}})},
                {"system", numbered(MainData::kSystemValues, Json{{"type", "string"}})},
                {"tables",
                 {{"type", "array"},
                  {"maxItems", MainData::kTables},
                  {"items", {{"anyOf", Json::array({Json{{"type", "null"}}, table})}}}}}}}};
}

Json classSchema(const ClassInfo& info, const std::vector<ItemKind>& kinds) {
  std::map<int, std::string> scriptOf;  // slot -> what runs it
  for (const ItemKind& k : kinds)
    if (k.recordClass == info.name && k.scriptSlot)
      scriptOf[k.scriptSlot] = "Script run on " + k.action + ", one statement per line.";
  Json props = Json::object();
  for (const PropInfo& p : info.properties) {
    Json s = propertySchema(p);
    for (const auto& [slot, text] : scriptOf)
      if (p.name == slotName(slot) + ".Strings")
        s = Json{{"allOf", Json::array({s})}, {"description", text}};
    props[p.name] = std::move(s);
  }
  Json schema = {{"type", "object"}, {"additionalProperties", false}};
  if (info.name == cls::kMainData) {
    props["Data_Backup"] = readableSettingsSchema();
    schema["not"] = {{"required", Json::array({"Data_Backup", "Data_Backup.Strings"})}};
  }
  schema["properties"] = std::move(props);
  return schema;
}

}  // namespace

std::string referenceMarkdown() {
  const std::vector<ItemKind> kinds = itemKinds();
  std::string md =
      "# Reference for application authors\n\n"
      "Made by `qav doc` from the player's own tables; do not edit it by hand (after a change "
      "of the player, run `qav doc -o docs/reference.md`). The JSON Schema of the project form "
      "is `docs/project.schema.json` (`qav doc --schema`).\n\n"
      "Contents: [Statements](#statements), [Operands](#operands), "
      "[Kinds of windows and items](#kinds-of-windows-and-items), "
      "[Property words](#property-words), [Value words](#value-words), "
      "[Settings](#settings).\n\n";
  md += statementsSection() + "\n";
  md += operandsSection() + "\n";
  md += kindsSection(kinds) + "\n";
  md += propertiesSection(kinds) + "\n";
  md += wordsSection() + "\n";
  md += settingsSection();
  return md;
}

std::string projectSchema() {
  const std::vector<ItemKind> kinds = itemKinds();
  const ClassRegistry& registry = ClassRegistry::instance();
  Json classes = Json::array();
  Json cases = Json::array();
  Json definitions = Json::object();
  for (const ClassInfo& info : registry.classes()) {
    classes.push_back(info.name);
    cases.push_back({{"if", {{"properties", {{"class", {{"const", info.name}}}}}}},
                     {"then", {{"properties", {{"properties", ref(info.name)}}}}}});
  }
  definitions["record"] = {
      {"type", "object"},
      {"required", Json::array({"class", "name"})},
      {"additionalProperties", false},
      {"properties",
       {{"class", {{"enum", classes}}},
        {"name",
         {{"description",
           "The record's name. For windows and items, the name scripts use is this name "
           "without its first five characters."},
          {"type", "string"},
          {"pattern", "^[A-Za-z_][A-Za-z0-9_]*$"}}},
        {"flags", {{"type", "integer"}, {"minimum", 0}, {"maximum", 15}}},
        {"position", ref("integer")},
        {"properties", {{"type", "object"}}},
        {"children", {{"type", "array"}, {"items", ref("record")}}}}},
      {"allOf", std::move(cases)}};
  Json int32 = {{"type", "integer"}, {"minimum", INT32_MIN}, {"maximum", INT32_MAX}};
  definitions["integer"] = {
      {"anyOf",
       Json::array({int32,
                    {{"type", "object"},
                     {"minProperties", 1},
                     {"maxProperties", 1},
                     {"additionalProperties", false},
                     {"properties",
                      {{"int8", {{"type", "integer"}, {"minimum", -128}, {"maximum", 127}}},
                       {"int16", {{"type", "integer"}, {"minimum", -32768}, {"maximum", 32767}}},
                       {"int32", int32}}}}})}};
  definitions["text"] = {
      {"anyOf", Json::array({{{"type", "string"}},
                             {{"type", "object"},
                              {"required", Json::array({"long"})},
                              {"additionalProperties", false},
                              {"properties", {{"long", {{"type", "string"}}}}}}})}};
  definitions["lines"] = {{"type", "array"}, {"items", ref("text")}};
  definitions["extended"] = {{"type", "object"},
                             {"required", Json::array({"extended"})},
                             {"additionalProperties", false},
                             {"properties",
                              {{"extended", {{"type", Json::array({"number", "null"})}}},
                               {"raw", {{"type", "string"}, {"pattern", "^[0-9A-Fa-f]{20}$"}}}}}};
  definitions["binary"] = {{"type", "object"},
                           {"required", Json::array({"binary"})},
                           {"additionalProperties", false},
                           {"properties", {{"binary", {{"type", "string"}}}}}};
  definitions["colour"] = {
      {"anyOf", Json::array({ref("integer"), identOf(colourConstantNames())})}};
  definitions["cursor"] = {
      {"anyOf", Json::array({ref("integer"), identOf(cursorConstantNames())})}};
  definitions["charset"] = {
      {"anyOf", Json::array({ref("integer"), identOf(charsetConstantNames())})}};
  definitions["component"] = {
      {"anyOf", Json::array({{{"type", "object"},
                              {"required", Json::array({"ident"})},
                              {"additionalProperties", false},
                              {"properties", {{"ident", {{"type", "string"}}}}}},
                             {{"type", "object"},
                              {"required", Json::array({"nil"})},
                              {"additionalProperties", false},
                              {"properties", {{"nil", {{"const", true}}}}}}})}};
  definitions["collection"] = {
      {"type", "object"},
      {"required", {"collection"}},
      {"additionalProperties", false},
      {"properties",
       {{"collection",
         {{"type", "array"},
          {"items",
           {{"type", "object"},
            {"additionalProperties", false},
            {"properties",
             {{"index", ref("integer")}, {"properties", {{"type", "object"}}}}}}}}}}}};
  for (const ClassInfo& info : registry.classes())
    definitions[info.name] = classSchema(info, kinds);

  Json schema = {
      {"$schema", "http://json-schema.org/draft-07/schema#"},
      {"title", "QAV project"},
      {"description",
       "The JSON form of a project's records, as qav pack reads and qav dump writes it. Made "
       "by qav doc --schema from the player's own tables."},
      {"type", "object"},
      {"required", Json::array({"records"})},
      {"additionalProperties", false},
      {"properties", {{"records", {{"type", "array"}, {"items", ref("record")}}}}},
      {"definitions", std::move(definitions)}};
  return compactJson(schema);
}

}  // namespace qav::tool
