// Statements on the data tables: one record buffer (CurrentRecord) is filled, found, stored
// back and removed; whole tables are counted and listed; the data file is loaded and saved.
#include "items/ItemModel.h"
#include "items/controls/EditText.h"
#include "platform/Platform.h"
#include "props/IniUnit.h"
#include "script/Interpreter.h"
#include "script/ItemKinds.h"
#include "script/Messages.h"
#include "shell/DataQueue.h"
#include "shell/MainData.h"
#include "text/Text.h"

namespace qav::script {
namespace {

constexpr char kFieldEnd = DataQueue::kFieldEnd;

// The last table whose name equals the text, 0 for none.
int findTable(Interpreter& in, std::string_view name) {
  MainData* s = in.host().settings();
  int found = 0;
  if (s)
    for (int t = 1; t <= MainData::kTables; ++t)
      if (s->schemaEntry(t, 0) == name) found = t;
  return found;
}

// The last field of the table whose name equals the text, 0 for none.
int findField(Interpreter& in, int table, std::string_view name) {
  MainData* s = in.host().settings();
  int found = 0;
  for (int f = 1; f <= MainData::kFields; ++f)
    if (s->schemaEntry(table, f) == name) found = f;
  return found;
}

// The 100 values of a row; separators past the hundredth field are ignored.
std::array<std::string, kRecordFields> splitRow(std::string_view row) {
  std::array<std::string, kRecordFields> values;
  std::size_t field = 0;
  for (char c : row) {
    if (c == kFieldEnd) {
      if (++field >= values.size()) break;
    } else {
      values[field] += c;
    }
  }
  return values;
}

std::string joinRow(const DataRecord& r) {
  std::string row;
  for (const auto& v : r.values) {
    row += v;
    row += kFieldEnd;
  }
  return row;
}

void loadNames(Interpreter& in, DataRecord& r, int table) {
  for (int f = 1; f <= kRecordFields; ++f)
    r.names[static_cast<std::size_t>(f - 1)] = in.host().settings()->schemaEntry(table, f);
}

// With option 5 every change of rows is saved at once.
void autoSave(Interpreter& in) {
  MainData* s = in.host().settings();
  if (!s || !s->option(5)) return;
  std::string error;
  if (!in.host().saveData(error)) throw ItemError(error);
}

void dataNew(Interpreter& in) {
  const std::string& name = in.tokens()[2];
  int t = findTable(in, name);
  if (!t) return in.Error(msg::kBadTable);
  DataRecord& r = in.currentRecord();
  r.tableName = name;
  r.table = t;
  r.row = -1;
  loadNames(in, r, t);
  r.values.fill(std::string());
}

void dataAdd(Interpreter& in) {
  DataRecord& r = in.currentRecord();
  if (!findTable(in, r.tableName) || r.table < 1 || r.table > DataQueue::kTables)
    return in.Error(msg::kBadTable);
  in.host().DataBox().rowList(r.table).push_back(joinRow(r));
  autoSave(in);
}

void dataFind(Interpreter& in) {
  const Tokens& tk = in.tokens();
  int t = findTable(in, tk[2]);
  if (!t) return in.Error(msg::kBadTable);
  int f = findField(in, t, tk[3]);
  if (!f) return in.Error(msg::kNoField);
  DataRecord& r = in.currentRecord();
  r.tableName.clear();
  r.table = 0;
  r.row = -1;
  r.names.fill(std::string());
  r.values.fill(std::string());
  std::string want = in.Maths(tk[4]);
  const auto& rows = in.host().DataBox().rowList(t);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    auto values = splitRow(rows[i]);
    if (values[static_cast<std::size_t>(f - 1)] != want) continue;
    r.tableName = tk[2];
    r.table = t;
    r.row = static_cast<int>(i);
    loadNames(in, r, t);
    r.values = std::move(values);
  }
}

// The stored row the record points at, or null after reporting why there is none.
std::vector<std::string>* storedRows(Interpreter& in) {
  DataRecord& r = in.currentRecord();
  if (r.table < 1 || r.table > DataQueue::kTables ||
      in.host().DataBox().rowList(r.table).size() < static_cast<std::size_t>(r.row) + 1) {
    in.Error(msg::kBadQueue);
    return nullptr;
  }
  return &in.host().DataBox().rowList(r.table);
}

void dataUpdate(Interpreter& in) {
  DataRecord& r = in.currentRecord();
  if (r.row == -1) return;
  auto* rows = storedRows(in);
  if (!rows) return;
  (*rows)[static_cast<std::size_t>(r.row)] = joinRow(r);
  autoSave(in);
}

void dataDelete(Interpreter& in) {
  DataRecord& r = in.currentRecord();
  if (r.row == -1) return;
  auto* rows = storedRows(in);
  if (!rows) return;
  rows->erase(rows->begin() + r.row);
  r.tableName.clear();
  r.table = 0;
  r.row = -1;
  autoSave(in);
}

void dataCount(Interpreter& in) {
  int t = findTable(in, in.tokens()[2]);
  if (!t) return in.Error(msg::kBadTable);
  PropertySet(in.host(), std::string(msg::kRegisterWriteQualifier) + ":5",
              std::to_string(in.host().DataBox().rowList(t).size()));
}

void dataList(Interpreter& in) {
  const Tokens& tk = in.tokens();
  int t = findTable(in, tk[2]);
  if (!t) return in.Error(msg::kBadTable);
  int f = findField(in, t, tk[3]);
  if (!f) return in.Error(msg::kNoField);
  std::string textOut;
  for (const auto& row : in.host().DataBox().rowList(t)) {
    if (!textOut.empty()) textOut += '\r';
    textOut += splitRow(row)[static_cast<std::size_t>(f - 1)];
  }
  Component* c = in.host().FindControl(in.Maths(tk[4]));
  auto* item = c && c->isItem() ? static_cast<ItemModel*>(c) : nullptr;
  if (!item || !setLines(*item, text::splitLines(textOut))) return in.Error(msg::kNotLineItem);
}

void dataLoad(Interpreter& in) {
  in.host().loadData();
}

void dataSave(Interpreter& in) {
  std::string error;
  if (!in.host().saveData(error)) throw ItemError(error);
}

}  // namespace

void registerDataStatements(Interpreter& in) {
  in.registerStatement(msg::kDataNew, dataNew);
  in.registerStatement(msg::kDataAdd, dataAdd);
  in.registerStatement(msg::kDataFind, dataFind);
  in.registerStatement(msg::kDataUpdate, dataUpdate);
  in.registerStatement(msg::kDataDelete, dataDelete);
  in.registerStatement(msg::kDataCount, dataCount);
  in.registerStatement(msg::kDataList, dataList);
  in.registerStatement(msg::kDataLoad, dataLoad);
  in.registerStatement(msg::kDataSave, dataSave);
}

}  // namespace qav::script
