#pragma once
// Reading a program file's project: the payload from offset 1,000,000, the settings record
// first, then every window record, then every other record, in stream order.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "stores/MainData.h"
#include "stream/Record.h"

namespace qav {

class Platform;

inline constexpr std::size_t kPayloadOffset = 1000000;

// The warning shown when a program file is too short to carry a project.
extern const char* const kDamagedProgramMessage;

// The bytes of the program file from the payload offset on. Nothing when the file is shorter
// than the offset (tooShort set) or cannot be read (error set). No temporary files are made.
std::optional<std::string> readPayload(Platform& platform, const std::string& programPath,
                                       bool& tooShort, std::string& error);

class ProjectSink {
 public:
  virtual ~ProjectSink() = default;
  virtual void settings(std::unique_ptr<MainData> settings) = 0;
  virtual void windowRecord(Record record) = 0;  // window records (TNewPanel), as read
  virtual void itemRecord(Record record) = 0;    // then every other record, in stream order
};

// Reads the payload once, handing records to the sink: the windows as they are read, the
// other records after them. Throws
// LoadError with the failure's own text at the first failure, after everything read before
// it has been handed over. An empty payload hands over nothing.
void loadProject(std::string_view payload, ProjectSink& sink);

}  // namespace qav
