// `qav dump`: the records of a program file or data file as one JSON document.
#include <exception>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/qav/Command.h"
#include "app/qav/CompactJson.h"
#include "app/qav/Files.h"
#include "base/Text.h"
#include "platform/Platform.h"
#include "runtime/ProjectLoader.h"
#include "stores/SettingsForm.h"
#include "stream/ClassRegistry.h"
#include "stream/RecordJson.h"
#include "stream/RecordReader.h"

namespace qav::tool {
namespace {

constexpr Reporter kReport{"dump", "qav dump [--offset N] [--raw] [--readable] FILE"};

int dump(const std::vector<std::string>& args) {
  std::size_t offset = kPayloadOffset;
  bool raw = false, readable = false;
  std::string path;
  const std::string problem = readArguments(
      args, {offsetOption(offset), {"--raw", &raw}, {"--readable", &readable}}, &path, "FILE");
  if (!problem.empty()) return kReport.usageError(problem);

  std::string bytes, error;
  if (!readWholeFile(path, bytes, error)) return kReport.failure(error);
  if (bytes.size() < offset)
    return kReport.failure(path + " has " + std::to_string(bytes.size()) +
                           " bytes, fewer than the offset " + std::to_string(offset) +
                           ": it carries no records");

  std::vector<Record> records;
  try {
    RecordReader reader(bytes, offset, raw ? nullptr : &ClassRegistry::instance());
    while (!reader.atEnd()) records.push_back(reader.read());
    std::string json;
    if (readable) {
      nlohmann::ordered_json document = recordsToJson(records);
      condenseSettings(document);
      json = compactJson(document);
    } else {
      json = recordsToJsonText(records);
    }
    if (!writeOutput(json)) return kReport.failure("cannot write the output");
  } catch (const std::exception& e) {
    return kReport.failure(path + ": " + e.what());
  }
  return 0;
}

const Registrar registrar(Command{
    kReport.name, kReport.usage,
    "Writes every record from offset N (default 1000000; 0 for a data file) to standard\n"
    "      output as JSON. Records are checked against the registered classes unless --raw.\n"
    "      --readable writes the settings' \"Data_Backup\" lines in their readable form when\n"
    "      qav pack would write them back the same (otherwise they stay lines).",
    dump});

}  // namespace
}  // namespace qav::tool
