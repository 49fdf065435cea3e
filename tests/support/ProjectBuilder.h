#pragma once
// Builds program files for tests: the settings record, window records and item records
// written with the record writer, appended at the payload offset of a padded file.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "runtime/ProjectLoader.h"
#include "stream/Record.h"
#include "stream/RecordWriter.h"

namespace qav::testing {

inline Property P(std::string name, Value v) {
  return Property{std::move(name), std::move(v)};
}
inline Property Int(std::string name, int32_t v) {
  return P(std::move(name), Value::makeInteger(v));
}
inline Property Bool(std::string name, bool v) {
  return P(std::move(name), Value::makeBool(v));
}
inline Property Text(std::string name, std::string v) {
  return P(std::move(name), Value::makeText(std::move(v)));
}
inline Property LinesOf(std::string name, std::vector<std::string> v) {
  return P(std::move(name) + ".Strings", Value::makeLines(v));
}

class ProjectBuilder {
 public:
  // The settings record; the start window is the first window's stream name.
  std::string programName = "회원관리";
  std::string dataFile = "member.dat";
  std::vector<bool> options = std::vector<bool>(101, false);           // 1-based
  std::vector<std::string> tableNames = std::vector<std::string>(10);  // 1-based
  std::vector<std::vector<std::string>> fieldNames =
      std::vector<std::vector<std::string>>(10, std::vector<std::string>(101));

  Record& window(std::string streamName, int l, int t, int w, int h,
                 std::vector<Property> extra = {}) {
    Record r;
    r.className = "TNewPanel";
    r.name = std::move(streamName);
    r.properties = {Int("Left", l), Int("Top", t), Int("Width", w), Int("Height", h)};
    for (auto& p : extra) r.properties.push_back(std::move(p));
    if (startWindow_.empty()) startWindow_ = r.name;
    records_.push_back(std::move(r));
    return records_.back();
  }

  Record& item(std::string className, std::string streamName, std::string parent,
               std::vector<Property> extra = {}) {
    Record r;
    r.className = std::move(className);
    r.name = std::move(streamName);
    if (!parent.empty()) r.properties.push_back(Text("ParentName", std::move(parent)));
    for (auto& p : extra) r.properties.push_back(std::move(p));
    records_.push_back(std::move(r));
    return records_.back();
  }

  Record settingsRecord() const {
    std::vector<std::string> backup;
    for (int i = 1; i <= 100; ++i)
      backup.push_back(options[static_cast<std::size_t>(i)] ? "Y" : "N");
    for (int i = 1; i <= 100; ++i) backup.push_back("reg" + std::to_string(i));
    for (int i = 1; i <= 50; ++i) backup.push_back("sys" + std::to_string(i));
    for (int t = 1; t <= 9; ++t) {
      backup.push_back(tableNames[static_cast<std::size_t>(t)]);
      for (int f = 1; f <= 100; ++f)
        backup.push_back(fieldNames[static_cast<std::size_t>(t)][static_cast<std::size_t>(f)]);
    }
    Record s;
    s.className = "TMainData";
    s.name = "MainData1";
    s.properties = {LinesOf("Pages_Name", {startWindow_.empty() ? "PanelNone" : startWindow_}),
                    Text("ProgramName", programName), Text("DataFile", dataFile),
                    LinesOf("Data_Backup", backup)};
    return s;
  }

  std::string payload() const {
    std::vector<Record> all{settingsRecord()};
    all.insert(all.end(), records_.begin(), records_.end());
    return writeRecords(all);
  }

  // Writes the program file into dir and returns its path.
  std::string writeProgram(const std::string& dir, const std::string& name = "program") const {
    std::string path = dir + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out << std::string(kPayloadOffset, '\0') << payload();
    return path;
  }

  std::vector<Record>& records() { return records_; }

 private:
  std::string startWindow_;
  std::vector<Record> records_;
};

// A fresh directory for one test's files, removed afterwards.
class TempDir {
 public:
  TempDir() {
    char tmpl[] = "/tmp/qavtestXXXXXX";
    path_ = mkdtemp(tmpl);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace qav::testing
