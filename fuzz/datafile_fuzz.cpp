// Arbitrary bytes as a project's data file: the hub loads it at start-up, a script runs every
// data statement over the rows it found, and the tables are saved and loaded back. What was
// saved must load back as exactly the same rows, table by table.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../tests/support/ProjectBuilder.h"
#include "FuzzSupport.h"
#include "base/Cp949.h"

namespace {

using namespace qav;
using namespace qav::testing;

constexpr long kLineBudget = 5000;
const char* const kProgram = fuzz::MemoryPlatform::kProgram;
const char* const kDataPath = "/fuzz/table.dat";

using Tables = std::array<std::vector<std::string>, DataQueue::kTables>;

// The rows as the file holds them (code page 949). Compared in that form: a script may join a
// stray byte of a broken character to the next character, which the file then holds as one.
Tables tablesOf(DataQueue& box) {
  Tables t;
  for (int i = 1; i <= DataQueue::kTables; ++i)
    for (const std::string& row : box.rowList(i))
      t[static_cast<std::size_t>(i - 1)].push_back(text::encodeCp949(row));
  return t;
}

// The first field of a table's first row: a value that a search will find.
std::string firstField(DataQueue& box, int table) {
  const auto& rows = box.rowList(table);
  if (rows.empty()) return "없음";
  std::string f = rows.front().substr(0, rows.front().find(DataQueue::kFieldEnd));
  for (char& c : f)
    if (static_cast<unsigned char>(c) <= ' ') c = '_';
  return f.empty() ? "#0" : f;
}

std::string buildPayload() {
  ProjectBuilder b;
  b.dataFile = "table.dat";
  b.tableNames[1] = "회원";
  b.fieldNames[1][1] = "이름";
  b.fieldNames[1][2] = "나이";
  b.fieldNames[1][100] = "비고";
  b.tableNames[2] = "상품";
  b.fieldNames[2][1] = "코드";
  b.tableNames[9] = "기록";
  b.fieldNames[9][1] = "값";
  b.window("Frm01Main", 0, 0, 400, 300);
  b.item("TNewListBox", "Lst01Names", "Frm01Main", {Int("Width", 100)});
  b.item("TNewComboBox", "Cmb01Codes", "Frm01Main", {});
  return b.payload();
}

// Says which table differs and how, before the harness stops.
void reportDifference(const Tables& before, const Tables& after) {
  auto show = [](const std::string& row) {
    std::string out;
    for (unsigned char c : row) {
      if (c < 0x20 || c == 0x7F) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\x%02X", c);
        out += buf;
      } else {
        out += static_cast<char>(c);
      }
    }
    return out;
  };
  for (std::size_t t = 0; t < before.size(); ++t) {
    if (before[t] == after[t]) continue;
    std::fprintf(stderr, "table %zu: %zu rows before, %zu after\n", t + 1, before[t].size(),
                 after[t].size());
    for (std::size_t i = 0; i < std::max(before[t].size(), after[t].size()); ++i) {
      std::fprintf(stderr, " before %s\n after  %s\n",
                   i < before[t].size() ? show(before[t][i]).c_str() : "-",
                   i < after[t].size() ? show(after[t][i]).c_str() : "-");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string payload = buildPayload();
  fuzz::MemoryPlatform platform;
  platform.setClock(fuzz::fixedClock());
  fuzz::TraceAtEnd traceAtEnd{platform};
  platform.setProgram(payload);
  platform.files[kDataPath] = std::string(reinterpret_cast<const char*>(data), size);

  Hub hub(platform);
  fuzz::LineBudget budget(kLineBudget);
  budget.attach(hub);
  if (!hub.FormCreate(kProgram)) return 0;

  // What was loaded survives a save and a load unchanged.
  const Tables loaded = tablesOf(hub.DataBox());
  std::string error;
  if (!hub.saveData(error)) return 0;  // too large for the in-memory disk
  hub.loadData();
  if (tablesOf(hub.DataBox()) != loaded) {
    reportDifference(loaded, tablesOf(hub.DataBox()));
    std::fprintf(stderr, "the data file's rows changed on a save and load\n");
    std::abort();
  }

  // Every data statement over the rows found.
  const std::string name = firstField(hub.DataBox(), 1), code = firstField(hub.DataBox(), 2),
                    note = firstField(hub.DataBox(), 9);
  hub.ScriptList() = {
      "데이타갯수 회원",
      "데이타목록 회원 이름 Names",
      "데이타목록 상품 코드 Codes",
      "데이타검색 회원 이름 " + name,
      "정의 데이타:나이 = 데이타:나이 ~ 1",
      "정의 데이타:비고 = 데이타:이름",
      "데이타수정",
      "데이타검색 상품 코드 " + code,
      "데이타삭제",
      "데이타검색 기록 값 " + note,
      "정의 Names:문자열 = 데이타:값",
      "데이타수정",
      "데이타제작 회원",
      "정의 데이타:이름 = " + name,
      "데이타추가",
      "데이타제작 기록",
      "정의 데이타:값 = Names:아이템",
      "데이타추가",
      "데이타갯수 기록",
  };
  hub.interpreter().IventRun();

  const Tables changed = tablesOf(hub.DataBox());
  if (!hub.saveData(error)) return 0;
  hub.loadData();
  if (tablesOf(hub.DataBox()) != changed) {
    reportDifference(changed, tablesOf(hub.DataBox()));
    std::fprintf(stderr, "rows changed by statements do not survive a save and load\n");
    std::abort();
  }
  return 0;
}
