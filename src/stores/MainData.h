#pragma once
// The project settings store (TMainData): the first record of every project, unpacked into
// numbered tables: 100 run options, 100 registers, 50 system values and 9 table schemas.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "stream/Record.h"

namespace qav {

class MainData {
 public:
  static constexpr int kOptions = 100;
  static constexpr int kRegisters = 100;
  static constexpr int kSystemValues = 50;
  static constexpr int kTables = 9;
  static constexpr int kFields = 100;        // field names 1..100; entry 0 is the table's name
  static constexpr int kBackupLines = 1159;  // lines of Data_Backup the unpacking consumes

  // Builds the store from a TMainData record and unpacks Data_Backup. Throws LoadError when
  // the record is not a TMainData or carries fewer than 1,159 backup lines.
  static MainData fromRecord(const Record& record);
  // What the store keeps of a table-schema line: its first 20 code page 949 bytes, then
  // without surrounding characters of code 32 or below.
  static std::string schemaEntry(std::string_view line);

  std::vector<std::string> Pages_Name, Pages_Caption, Data_Backup;
  std::string ProgramName, ProgramMaker, ProgramVer, DataFile;

  // Line 1 of Pages_Name, or empty.
  std::string startWindowName() const;

  // Numbered accessors; callers check the ranges (options 1-100, registers 1-100,
  // system values 1-50, tables 1-9 with entries 0-100).
  bool option(int n) const { return options_[n - 1]; }
  void setOption(int n, bool v) { options_[n - 1] = v; }
  const std::string& registerValue(int n) const { return registers_[n - 1]; }
  void setRegister(int n, std::string v) { registers_[n - 1] = std::move(v); }
  const std::string& systemValue(int n) const { return systemValues_[n - 1]; }
  void setSystemValue(int n, std::string v) { systemValues_[n - 1] = std::move(v); }
  const std::string& schemaEntry(int table, int entry) const { return schemas_[table - 1][entry]; }
  void setSchemaEntry(int table, int entry, std::string v) {
    schemas_[table - 1][entry] = std::move(v);
  }

 private:
  std::array<bool, kOptions> options_{};
  std::array<std::string, kRegisters> registers_;
  std::array<std::string, kSystemValues> systemValues_;
  std::array<std::array<std::string, kFields + 1>, kTables> schemas_;
};

}  // namespace qav
