#pragma once
// What `qav pack` and `qav check` tell an author about a project: the problems that stop the
// player's load (refusals), found with the loader's own checks, and what loads but is almost
// surely a mistake (warnings). Each finding names the record (its place from 0, class and
// stream name), the JSON path of what is wrong and the problem in plain words.
#include <string>
#include <vector>

#include "stream/Record.h"

namespace qav::tool {

struct Finding {
  bool refusal = false;
  std::size_t record = 0;
  std::string className, name;
  std::string path;  // JSON pointer into the project form, "/records/4/properties/Caption"
  std::string problem;
  // "record 4 (TNewButton Btn01Greet) at /records/4/properties/Captoin: problem"
  std::string line() const;
};

// Each record's class and each property's name and kind of value against the class registry,
// as the record reader checks them; every property is reported on its own.
std::vector<Finding> checkRecordForms(const std::vector<Record>& records);

// The load of the records as the player makes it: the names, the settings record first, the
// start window, then a trial load of the payload (stopping at the first failure, as the
// player does). programPath places the trial program (icons are looked for beside it).
std::vector<Finding> checkLoad(const std::vector<Record>& records, const std::string& payload,
                               const std::string& programPath);

// What loads but is almost surely a mistake.
std::vector<Finding> checkWarnings(const std::vector<Record>& records);

// Prints each finding on standard error, "qav COMMAND: [warning: ]FILE: line"; 1 when one of
// them is a refusal, else 0.
int reportFindings(const char* command, const std::string& file,
                   const std::vector<Finding>& findings);

}  // namespace qav::tool
