#include <gtest/gtest.h>

#include "items/NewData.h"
#include "stream/LoadError.h"
#include "support/RecordHelpers.h"

namespace qav {
namespace {

using testing::makeRecord;
using testing::prop;

Record dataRecord(std::vector<std::string> names, std::vector<std::string> values) {
  return makeRecord(
      "TNewData", "DataBName1",
      {prop("Left", Value::makeInteger(40)), prop("Top", Value::makeInteger(50)),
       prop("MaxLine", Value::makeInteger(100)), prop("ParentName", Value::makeText("FormMain")),
       prop("Backup_Names.Strings", Value::makeLines(names)),
       prop("Backup_Value.Strings", Value::makeLines(values))});
}

TEST(TNewData, SlotsAreFoundByTrimmedNameAndTheLastOneWins) {
  std::vector<std::string> names(100), values(100);
  for (int i = 0; i < 100; ++i) values[i] = "v" + std::to_string(i + 1);
  names[2] = "색상";
  names[6] = " 색상  ";  // the same name once trimmed
  names[9] = "크기";
  TNewData d(dataRecord(names, values));
  EXPECT_EQ(d.className(), "TNewData");
  EXPECT_EQ(d.name(), "DataBName1");
  EXPECT_EQ(d.ParentName, "FormMain");
  EXPECT_EQ(d.MaxLine, 100);
  EXPECT_EQ(d.left(), 40);
  EXPECT_EQ(d.width(), 33);
  EXPECT_EQ(d.valueName(3), "");  // the slots are filled when the item is placed
  d.unpackSlots();
  EXPECT_EQ(d.valueName(3), "색상");
  EXPECT_EQ(d.value(7), "v7");

  std::string result = "kept";
  d.GetItemProperty("색상", result);
  EXPECT_EQ(result, "v7");  // slot 7 comes after slot 3
  d.GetItemProperty("  크기 ", result);
  EXPECT_EQ(result, "v10");
  result = "kept";
  d.GetItemProperty("없는이름", result);
  EXPECT_EQ(result, "kept");

  d.SetItemProperty("색상", "파랑");
  EXPECT_EQ(d.value(3), "파랑");
  EXPECT_EQ(d.value(7), "파랑");
  EXPECT_EQ(d.value(10), "v10");
  d.SetItemProperty("없는이름", "x");  // stores nothing anywhere
  for (int i = 1; i <= 100; ++i) {
    if (i != 3 && i != 7) {
      EXPECT_EQ(d.value(i), "v" + std::to_string(i));
    }
  }
  d.setValue(10, "직접");
  d.GetItemProperty("크기", result);
  EXPECT_EQ(result, "직접");
}

TEST(TNewData, RecordsWithoutAHundredNamesAndValuesFailToLoad) {
  std::vector<std::string> full(100, "x"), short99(99, "x");
  EXPECT_THROW(TNewData(dataRecord(short99, full)).unpackSlots(), LoadError);
  EXPECT_THROW(TNewData(dataRecord(full, short99)).unpackSlots(), LoadError);
  EXPECT_THROW(TNewData(dataRecord({}, {})).unpackSlots(), LoadError);
  // More than 100 lines: the first 100 are the slots.
  std::vector<std::string> many(120, "n");
  many[99] = "last";
  many[100] = "ignored";
  TNewData d(dataRecord(many, many));
  d.unpackSlots();
  EXPECT_EQ(d.valueName(100), "last");
}

}  // namespace
}  // namespace qav
