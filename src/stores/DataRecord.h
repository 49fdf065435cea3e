#pragma once
// The record buffer of the data statements: one row of a data table by field name, read and
// written by the property layer ("데이타:field") as well as by the data statements.
#include <array>
#include <string>

namespace qav::script {

inline constexpr int kRecordFields = 100;

// The record buffer of the data statements; kept across runs for the life of the program.
struct DataRecord {
  std::string tableName;
  int table = 0;  // 1..9; 0 = none
  int row = 0;    // counting from 0; -1 = a new record not stored yet
  std::array<std::string, kRecordFields> names;
  std::array<std::string, kRecordFields> values;
};

}  // namespace qav::script
