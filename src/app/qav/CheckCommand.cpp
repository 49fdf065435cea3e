// `qav check`: whether the player would load a program file (or a data file), with the
// warnings of `qav pack` about what loads but is almost surely a mistake.
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/qav/Command.h"
#include "app/qav/Files.h"
#include "app/qav/ProjectCheck.h"
#include "base/Text.h"
#include "platform/HeadlessPlatform.h"
#include "runtime/DataFile.h"
#include "runtime/ProjectLoader.h"
#include "stream/ClassRegistry.h"
#include "stream/RecordReader.h"

namespace qav::tool {
namespace {

constexpr Reporter kReport{"check", "qav check [--offset 0] FILE"};

// The records from the offset on, as the player reads them; a malformed record ends the
// reading and becomes a refusal naming its place and byte offset.
std::vector<Record> readRecords(const std::string& bytes, std::size_t offset,
                                std::vector<Finding>& findings) {
  std::vector<Record> records;
  RecordReader reader(bytes, offset, &ClassRegistry::instance());
  try {
    while (!reader.atEnd()) records.push_back(reader.read());
  } catch (const std::exception& e) {
    findings.push_back(Finding{true, records.size(), "", "",
                               "/records/" + std::to_string(records.size()), e.what()});
  }
  return records;
}

int checkDataFile(const std::string& path, const std::string& bytes) {
  std::vector<Finding> findings;
  readRecords(bytes, 0, findings);
  if (findings.empty()) {
    HeadlessPlatform platform;
    auto box = std::make_unique<DataQueue>();
    if (DataLoad(box, path, platform) == DataFileState::Unreadable)
      findings.push_back(Finding{true, 0, "", "", "",
                                 "the player reads no data tables from it (it must be one "
                                 "TDataQueue record whose lines give each table's rows)"});
  }
  return reportFindings("check", path, findings);
}

int check(const std::vector<std::string>& args) {
  std::size_t offset = kPayloadOffset;
  std::string path;
  const Option dataFileOption{"--offset", nullptr,
                              [&offset](const std::string& value) {
                                if (value != "0" && value != "1000000") return false;
                                offset = value == "0" ? 0 : kPayloadOffset;
                                return true;
                              },
                              "--offset takes 0 (a data file)"};
  const std::string problem = readArguments(args, {dataFileOption}, &path, "FILE");
  if (!problem.empty()) return kReport.usageError(problem);
  std::string bytes, error;
  if (!readWholeFile(path, bytes, error)) return kReport.failure(error);
  if (offset == 0) return checkDataFile(path, bytes);
  if (bytes.size() < offset)
    return kReport.failure(path + " has " + std::to_string(bytes.size()) +
                           " bytes, fewer than 1000000: the player would show that it is "
                           "damaged and end");

  std::vector<Finding> findings;
  std::vector<Record> records = readRecords(bytes, offset, findings);
  if (findings.empty()) findings = checkLoad(records, bytes.substr(offset), path);
  if (findings.empty()) findings = checkWarnings(records);
  return reportFindings("check", path, findings);
}

const Registrar registrar(Command{
    kReport.name, kReport.usage,
    "Checks FILE as the player loads it: exit 0 when it would load (warnings, as qav pack\n"
    "      gives them, on standard error), exit 1 with one line per problem when it would not.\n"
    "      --offset 0 checks a data file instead.",
    check});

}  // namespace
}  // namespace qav::tool
