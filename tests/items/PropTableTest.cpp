// The property table finds, for a name, every row of that name in table order and no other.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "items/ItemModel.h"
#include "items/PropTable.h"

namespace qav {
namespace {

struct Probe : ItemModel {
  Probe() : ItemModel("probe") {}
  std::string written;  // the numbers of the rows whose write ran, in order
};

// Rows 0..24: duplicates of one name (one of them write-only), a read-only row, a name written
// again at the end, and twenty fillers so that names share hash slots.
PropTable<Probe> makeTable() {
  static const std::array<std::string, 25> names = [] {
    std::array<std::string, 25> n;
    const char* fixed[] = {"제목", "가로", "제목", "세로", "제목"};
    for (int i = 0; i < 25; ++i) n[i] = i < 5 ? fixed[i] : "f" + std::to_string(i);
    n[24] = "가로";
    return n;
  }();
  PropTable<Probe>::Rows rows;
  for (int i = 0; i < 25; ++i) {
    const std::string mark = std::to_string(i) + ";";
    PropTable<Probe>::Row row{names[i], [mark](Probe& p, std::string_view) { p.written += mark; },
                              [mark](const Probe&, std::string& r) { r += mark; }};
    if (i == 2) row.read = nullptr;
    if (i == 3) row.write = nullptr;
    rows.push_back(row);
  }
  return PropTable<Probe>(rows);
}

TEST(PropTable, EveryRowOfANameInTableOrderAndNoOther) {
  const PropTable<Probe> table = makeTable();
  struct Case {
    const char* name;
    const char* read;     // appended to "=" by the reads
    const char* written;  // rows whose write ran
  };
  const Case cases[] = {
      {"제목", "=0;4;", "0;2;4;"},
      {"가로", "=1;24;", "1;24;"},
      {"세로", "=3;", ""},
      {"f17", "=17;", "17;"},
      {"없음", "=", ""},
      {"제", "=", ""},
      {"", "=", ""},
  };
  for (const Case& c : cases) {
    std::string result = "=";
    Probe probe;
    table.get(probe, c.name, result);
    table.set(probe, c.name, "x");
    EXPECT_EQ(result, c.read) << c.name;
    EXPECT_EQ(probe.written, c.written) << c.name;
    EXPECT_EQ(table.has(c.name), std::string(c.read) != "=") << c.name;
  }
  for (int i = 5; i < 24; ++i) {
    std::string result;
    Probe probe;
    table.get(probe, "f" + std::to_string(i), result);
    EXPECT_EQ(result, std::to_string(i) + ";");
  }
}

}  // namespace
}  // namespace qav
