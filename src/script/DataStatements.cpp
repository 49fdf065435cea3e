// The data-table statements: "데이타제작", "데이타추가", "데이타검색", "데이타수정",
// "데이타삭제", "데이타갯수", "데이타목록", "불러오기", "저장하기". They work on the record
// buffer (which outlives runs) and on the hub's row store, always reached through the hub
// because loading the data file replaces the store object.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "items/ItemModel.h"
#include "lang/Texts.h"
#include "script/Interpreter.h"
#include "script/ItemKinds.h"
#include "script/StatementSupport.h"
#include "stores/DataQueue.h"
#include "stores/MainData.h"

namespace qav::script {
namespace {

constexpr int kCountRegister = 5;
// The project option that saves the data file after every change of rows.
constexpr int kAutoSaveOption = 5;
constexpr char kFieldEnd = DataQueue::kFieldEnd;

static_assert(kRecordFields == DataQueue::kFieldsPerRow && kRecordFields == MainData::kFields);

// The table of that name, 1 to 9, the last equal one counting; 0 when there is none. An
// empty name names no table: unused tables have empty names, and a record that was never
// started (or was cleared) must not reach them.
int findTable(const MainData* settings, std::string_view name) {
  if (!settings || name.empty()) return 0;
  int found = 0;
  for (int t = 1; t <= MainData::kTables; ++t)
    if (settings->schemaEntry(t, 0) == name) found = t;
  return found;
}

// The field of that name in the table, 1 to 100, the last equal one counting; 0 when there is
// none. An empty name names no field, for the same reason as above.
int findField(const MainData& settings, int table, std::string_view name) {
  if (name.empty()) return 0;
  int found = 0;
  for (int f = 1; f <= MainData::kFields; ++f)
    if (settings.schemaEntry(table, f) == name) found = f;
  return found;
}

// The position just after the n-th separator of a row, or npos when it has fewer. Searches
// and listings scan every row of a table, so the separators are counted sixty-four bytes at a
// time where the processor allows (summed without a population count, which the baseline
// processor lacks), then sixteen, then eight, then one.
std::size_t afterSeparators(std::string_view row, int n) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL * static_cast<unsigned char>(kFieldEnd);
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  const char* p = row.data();
  std::size_t i = 0;
  if (n <= 0) return 0;
#if defined(__SSE2__)
  const __m128i separator = _mm_set1_epi8(kFieldEnd);
  const __m128i zero = _mm_setzero_si128();
  // One in each byte that holds a separator.
  auto marks = [&](std::size_t at) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
    return _mm_sub_epi8(zero, _mm_cmpeq_epi8(v, separator));
  };
  auto sum = [&](__m128i v) {
    const __m128i s = _mm_sad_epu8(v, zero);
    return _mm_cvtsi128_si32(s) + _mm_extract_epi16(s, 4);
  };
  while (i + 64 <= row.size()) {
    const int c = sum(_mm_add_epi8(_mm_add_epi8(marks(i), marks(i + 16)),
                                   _mm_add_epi8(marks(i + 32), marks(i + 48))));
    if (c >= n) break;  // the n-th separator is in these sixty-four bytes
    n -= c;
    i += 64;
  }
  while (i + 16 <= row.size()) {
    const int c = sum(marks(i));
    if (c >= n) break;
    n -= c;
    i += 16;
  }
#endif
  while (i + 8 <= row.size()) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    const uint64_t x = w ^ kOnes;                                // separators become zero bytes
    const uint64_t zero = ~(((x & kLow7) + kLow7) | x | kLow7);  // 0x80 in each zero byte
    const int c = std::popcount(zero);
    if (c >= n) break;  // the n-th separator is in this word
    n -= c;
    i += 8;
  }
  for (; i < row.size(); ++i)
    if (p[i] == kFieldEnd && --n == 0) return i + 1;
  return std::string_view::npos;
}

// The value of field f (1 to 100) of a row: the text between the (f-1)th and the f-th
// separator; empty when the row has fewer fields.
std::string_view fieldOf(std::string_view row, int f) {
  std::size_t start = afterSeparators(row, f - 1);
  if (start == std::string_view::npos) return {};
  std::size_t end = row.find(kFieldEnd, start);
  return row.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// Asks for a row's bytes ahead of its scan: rows lie apart in memory, and a scan of a large
// table waits on memory more than it counts.
void prefetch(const std::string& row) {
  for (std::size_t at = 0; at < row.size(); at += 64) __builtin_prefetch(row.data() + at);
}

// Splits a stored row into the 100 values. Every separator moves to the next field; a row
// with more than 100 fields (extra separators, or a value that itself held the separator)
// keeps its first 100 and the surplus is dropped, so nothing lands outside the record.
void splitRow(std::string_view row, DataRecord& record) {
  std::size_t start = 0;
  for (std::string& value : record.values) {
    std::size_t end = row.find(kFieldEnd, start);
    if (end == std::string_view::npos) {
      value.assign(row.substr(std::min(start, row.size())));
      start = row.size() + 1;
    } else {
      value.assign(row.substr(start, end - start));
      start = end + 1;
    }
  }
}

// The row text of the record: every value followed by the separator.
std::string buildRow(const DataRecord& record) {
  std::size_t size = record.values.size();
  for (const std::string& v : record.values) size += v.size();
  std::string row;
  row.reserve(size);
  for (const std::string& v : record.values) {
    row += v;
    row += kFieldEnd;
  }
  return row;
}

void copyFieldNames(const MainData& settings, int table, DataRecord& record) {
  for (int f = 1; f <= kRecordFields; ++f)
    record.names[static_cast<std::size_t>(f - 1)] = settings.schemaEntry(table, f);
}

// Empty name, no table, no row, every name and value empty.
void clearRecord(DataRecord& record) {
  record.tableName.clear();
  record.table = 0;
  record.row = -1;
  for (std::string& n : record.names) n.clear();
  for (std::string& v : record.values) v.clear();
}

DataQueue& store(Interpreter& in) {
  return in.host().DataBox();
}

// A failed save is shown as a script error with its reason, never passed over.
void save(Interpreter& in) {
  std::string error;
  if (!in.host().saveData(error)) in.Error(error);
}

// With the option on, every change of rows is saved at once.
void autoSave(Interpreter& in) {
  const MainData* s = in.host().settings();
  if (s && s->option(kAutoSaveOption)) save(in);
}

// Whether the record points at a stored row. False, silently, for a record that is not stored
// (row -1); false with the store message when the record points outside the tables.
bool storedRow(Interpreter& in) {
  DataRecord& r = in.currentRecord();
  if (r.row == -1) return false;
  if (r.table < 1 || r.table > DataQueue::kTables || r.row < 0 ||
      store(in).rowList(r.table).size() < static_cast<std::size_t>(r.row) + 1) {
    in.Error(msg::kBadQueue);
    return false;
  }
  return true;
}

void newRecord(Interpreter& in) {
  const std::string& name = in.tokens()[2];
  const MainData* s = in.host().settings();
  int t = findTable(s, name);
  if (!t) return in.Error(msg::kBadTable);
  DataRecord& r = in.currentRecord();
  r.tableName = name;
  r.table = t;
  r.row = -1;
  copyFieldNames(*s, t, r);
  for (std::string& v : r.values) v.clear();
}

void appendRecord(Interpreter& in) {
  DataRecord& r = in.currentRecord();
  int t = findTable(in.host().settings(), r.tableName);
  if (!t) return in.Error(msg::kBadTable);
  if (r.table >= 1 && r.table <= DataQueue::kTables) t = r.table;
  store(in).rowList(t).push_back(buildRow(r));
  autoSave(in);
}

// The table that token 2 names and its field that token 3 names; false, after the report,
// when either is missing.
bool tableAndField(Interpreter& in, int& t, int& f) {
  const Tokens& tk = in.tokens();
  const MainData* s = in.host().settings();
  t = findTable(s, tk[2]);
  if (!t) {
    in.Error(msg::kBadTable);
    return false;
  }
  f = findField(*s, t, tk[3]);
  if (!f) in.Error(msg::kNoField);
  return f != 0;
}

void findRecord(Interpreter& in) {
  int t = 0, f = 0;
  if (!tableAndField(in, t, f)) return;
  const Tokens& tk = in.tokens();
  const MainData* s = in.host().settings();
  std::string value = in.tokenMaths(4);
  DataRecord& r = in.currentRecord();
  clearRecord(r);
  // The last match is the one that stays, so the rows are looked at from the last one back
  // and the first match found ends the search.
  const RowList& rows = store(in).rowList(t);
  int match = -1;
  for (std::size_t i = rows.size(); i-- > 0;) {
    if (i > 0) prefetch(rows[i - 1]);
    if (fieldOf(rows[i], f) == value) {
      match = static_cast<int>(i);
      break;
    }
  }
  if (match < 0) return;
  r.tableName = tk[2];
  r.table = t;
  r.row = match;
  copyFieldNames(*s, t, r);
  splitRow(rows[static_cast<std::size_t>(match)], r);
}

void updateRecord(Interpreter& in) {
  if (!storedRow(in)) return;
  const DataRecord& r = in.currentRecord();
  store(in).rowList(r.table).set(static_cast<std::size_t>(r.row), buildRow(r));
  autoSave(in);
}

void deleteRecord(Interpreter& in) {
  if (!storedRow(in)) return;
  DataRecord& r = in.currentRecord();
  store(in).rowList(r.table).erase(static_cast<std::size_t>(r.row));
  r.tableName.clear();
  r.table = 0;
  r.row = -1;
  autoSave(in);
}

void countRecords(Interpreter& in) {
  int t = findTable(in.host().settings(), in.tokens()[2]);
  if (!t) return in.Error(msg::kBadTable);
  setRegister(in, kCountRegister, text::decimal(static_cast<int64_t>(store(in).rowList(t).size())));
}

// One line per row from the first non-empty value on; the lines replace those of the item.
void listRecords(Interpreter& in) {
  int t = 0, f = 0;
  if (!tableAndField(in, t, f)) return;
  Component* c = itemOperand(in, 4);
  if (!lineListOf(c)) return in.Error(msg::kNotLineItem);
  std::string joined;
  const RowList& rows = store(in).rowList(t);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i + 1 < rows.size()) prefetch(rows[i + 1]);
    if (!joined.empty()) joined += '\r';
    joined += fieldOf(rows[i], f);
  }
  setLines(static_cast<ItemModel&>(*c), text::splitLines(joined));
}

void load(Interpreter& in) {
  in.host().loadData();
}

}  // namespace

std::span<const StatementEntry> dataStatements() {
  static constexpr StatementEntry kTable[] = {{msg::kDataNew, newRecord},
                                              {msg::kDataAdd, appendRecord},
                                              {msg::kDataFind, findRecord},
                                              {msg::kDataUpdate, updateRecord},
                                              {msg::kDataDelete, deleteRecord},
                                              {msg::kDataCount, countRecords},
                                              {msg::kDataList, listRecords},
                                              {msg::kDataLoad, load},
                                              {msg::kDataSave, save}};
  return kTable;
}

}  // namespace qav::script
