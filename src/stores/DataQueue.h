#pragma once
// The row store of the data tables (TDataQueue, the main window's DataBox): row lists 1 to 9
// hold the rows of data tables 1 to 9 (list 10 exists and is unused). A row is the values of
// the table's 100 fields, each followed by the character with code 1.
#include <array>
#include <string>
#include <vector>

namespace qav {

class DataQueue {
 public:
  static constexpr int kLists = 10;
  static constexpr int kTables = 9;
  static constexpr int kFieldsPerRow = 100;
  static constexpr char kFieldEnd = '\x01';

  std::vector<std::string>& rowList(int t) { return lists_[t - 1]; }
  const std::vector<std::string>& rowList(int t) const { return lists_[t - 1]; }

  // The flattened form of lists 1-9, used only when reading or writing the data file.
  std::vector<std::string> Data_Backup;

 private:
  std::array<std::vector<std::string>, kLists> lists_;
};

}  // namespace qav
