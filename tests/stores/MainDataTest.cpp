#include <gtest/gtest.h>

#include "base/Cp949.h"
#include "stores/MainData.h"
#include "stream/LoadError.h"
#include "support/RecordHelpers.h"

namespace qav {
namespace {

using testing::makeRecord;
using testing::prop;

// Backup lines in the stored order: 100 options, 100 registers, 50 system values, then the
// nine schemas of 101 entries each.
std::vector<std::string> backupLines() {
  std::vector<std::string> lines;
  for (int i = 1; i <= 100; ++i) lines.push_back(i % 2 ? "Y" : "N");
  for (int i = 1; i <= 100; ++i) lines.push_back("reg" + std::to_string(i));
  for (int i = 1; i <= 50; ++i) lines.push_back("sys" + std::to_string(i));
  for (int t = 1; t <= 9; ++t)
    for (int e = 0; e <= 100; ++e)
      lines.push_back("t" + std::to_string(t) + "e" + std::to_string(e));
  return lines;
}

Record settingsRecord(const std::vector<std::string>& lines) {
  return makeRecord(
      "TMainData", "MainData1",
      {prop("Pages_Name.Strings", Value::makeLines({"FormMain", "FormTwo"})),
       prop("Data_Backup.Strings", Value::makeLines(lines)),
       prop("ProgramName", Value::makeText("주소록")), prop("ProgramVer", Value::makeText("1.0")),
       prop("DataFile", Value::makeText("data\\book.dat"))});
}

TEST(MainData, BackupLinesFillTheFourTablesInOrder) {
  auto lines = backupLines();
  lines[1] = "y";
  lines[2] = "Y ";
  lines[3] = "yes";
  lines[4] = "Y";
  lines[99] = "";
  lines[110] = "  레지스터 11  ";
  MainData m = MainData::fromRecord(settingsRecord(lines));

  EXPECT_TRUE(m.option(1));
  EXPECT_FALSE(m.option(2));  // "y"
  EXPECT_FALSE(m.option(3));  // "Y "
  EXPECT_FALSE(m.option(4));  // "yes"
  EXPECT_TRUE(m.option(5));
  EXPECT_FALSE(m.option(100));
  EXPECT_EQ(m.registerValue(1), "reg1");
  EXPECT_EQ(m.registerValue(11), "  레지스터 11  ");  // as it stands
  EXPECT_EQ(m.registerValue(100), "reg100");
  EXPECT_EQ(m.systemValue(1), "sys1");
  EXPECT_EQ(m.systemValue(50), "sys50");
  EXPECT_EQ(m.schemaEntry(1, 0), "t1e0");
  EXPECT_EQ(m.schemaEntry(1, 100), "t1e100");
  EXPECT_EQ(m.schemaEntry(2, 0), "t2e0");
  EXPECT_EQ(m.schemaEntry(9, 100), "t9e100");

  EXPECT_EQ(m.startWindowName(), "FormMain");
  EXPECT_EQ(m.ProgramName, "주소록");
  EXPECT_EQ(m.ProgramVer, "1.0");
  EXPECT_EQ(m.ProgramMaker, "");
  EXPECT_EQ(m.DataFile, "data\\book.dat");
  EXPECT_EQ(m.Data_Backup.size(), 1159u);
}

TEST(MainData, SchemaEntriesAreCutAtTwentyBytesThenTrimmed) {
  auto lines = backupLines();
  const std::size_t t1 = 250;
  lines[t1 + 0] = "abcdefghijklmnopqrstuvwxy";     // 25 bytes
  lines[t1 + 1] = "  가나다라";                    // blanks, four syllables
  lines[t1 + 2] = std::string(19, ' ') + "가";     // syllable straddles the cut
  lines[t1 + 3] = "가나다라마바사아자차카";        // 11 syllables, 22 bytes
  lines[t1 + 4] = std::string(18, ' ') + "가   ";  // trailing blanks after the cut
  lines[t1 + 5] = "\t이름\r";
  lines[250 + 101 * 8 + 100] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";  // the very last line
  MainData m = MainData::fromRecord(settingsRecord(lines));
  EXPECT_EQ(m.schemaEntry(1, 0), "abcdefghijklmnopqrst");
  EXPECT_EQ(m.schemaEntry(1, 1), "가나다라");
  // Only the lead byte of the syllable remains; it survives as its raw byte.
  EXPECT_EQ(m.schemaEntry(1, 2), text::decodeCp949("\xB0"));
  EXPECT_EQ(text::encodeCp949(m.schemaEntry(1, 2)), "\xB0");
  EXPECT_EQ(m.schemaEntry(1, 3), "가나다라마바사아자차");
  EXPECT_EQ(m.schemaEntry(1, 4), "가");
  EXPECT_EQ(m.schemaEntry(1, 5), "이름");
  EXPECT_EQ(m.schemaEntry(9, 100), "ABCDEFGHIJKLMNOPQRST");
}

TEST(MainData, ShortOrForeignRecordsAreLoadFailures) {
  auto lines = backupLines();
  lines.pop_back();  // 1,158 lines
  try {
    MainData::fromRecord(settingsRecord(lines));
    FAIL() << "1,158 lines accepted";
  } catch (const LoadError& e) {
    EXPECT_NE(std::string(e.what()).find("1158"), std::string::npos) << e.what();
  }
  EXPECT_THROW(MainData::fromRecord(makeRecord("TMainData", "MainData1")), LoadError);
  Record label = makeRecord("TNewLabel", "Label1");
  try {
    MainData::fromRecord(label);
    FAIL() << "a label accepted as settings";
  } catch (const LoadError& e) {
    EXPECT_NE(std::string(e.what()).find("TNewLabel"), std::string::npos) << e.what();
  }
  // Lines beyond the 1,159 are carried and ignored.
  lines = backupLines();
  lines.push_back("extra");
  EXPECT_EQ(MainData::fromRecord(settingsRecord(lines)).schemaEntry(9, 100), "t9e100");
}

}  // namespace
}  // namespace qav
