#pragma once
// Reading a program file's project: the payload from offset 1,000,000, the settings record
// first, then every window record, then every other record, in stream order.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stores/MainData.h"
#include "stream/LoadError.h"
#include "stream/Record.h"

namespace qav {

inline constexpr std::size_t kPayloadOffset = 1000000;

// The warning shown when a program file is too short to carry a project.
extern const char* const kDamagedProgramMessage;

// The bytes of the program file from the payload offset on. Nothing when the file is shorter
// than the offset (tooShort set) or cannot be read (error set). No temporary files are made.
std::optional<std::string> readPayload(const std::string& programPath, bool& tooShort,
                                       std::string& error);

class ProjectSink {
 public:
  virtual ~ProjectSink() = default;
  virtual void settings(std::unique_ptr<MainData> settings) = 0;
  virtual void windowRecord(Record record) = 0;  // window records (TNewPanel), as read
  virtual void itemRecord(Record record) = 0;    // then every other record, in stream order
};

// A payload's records in stream order, up to the first that cannot be read; that failure (a
// LoadError) is kept, to be thrown when the load reaches it.
struct PayloadRecords {
  explicit PayloadRecords(std::string_view payload);
  std::vector<Record> records;
  std::optional<LoadError> failure;
};

// A program file's project read before a hub takes it (the player reads it on a second thread
// while it connects to the display): too short to carry a project, unreadable (error set), or
// its records. Needs nothing but the file.
struct ProgramRead {
  explicit ProgramRead(const std::string& programPath);
  bool tooShort = false;
  std::string error;
  PayloadRecords records;
};

// Hands the records to the sink: the windows as they come, every other record after them.
// Throws LoadError with the failure's own text at the first failure, after everything read
// before it has been handed over. An empty payload hands over nothing.
void loadProject(PayloadRecords&& payload, ProjectSink& sink);
void loadProject(std::string_view payload, ProjectSink& sink);

}  // namespace qav
