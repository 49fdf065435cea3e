// `qav dump`: the records of a program file or data file as one JSON document.
#include <cstdio>
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

constexpr const char* kUsage = "qav dump [--offset N] [--raw] [--readable] FILE";

int usage(const std::string& problem) {
  return usageError("dump", kUsage, problem);
}

int fail(const std::string& problem) {
  return failure("dump", problem);
}

int dump(const std::vector<std::string>& args) {
  std::size_t offset = kPayloadOffset;
  bool raw = false, readable = false;
  std::string path;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--offset") {
      if (i + 1 >= args.size() || !parseByteCount(args[i + 1], offset, kMaxFileBytes))
        return usage("--offset needs a byte count of at most " + std::to_string(kMaxFileBytes));
      ++i;
    } else if (args[i] == "--raw") {
      raw = true;
    } else if (args[i] == "--readable") {
      readable = true;
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      return usage("unknown option " + args[i]);
    } else if (path.empty()) {
      path = args[i];
    } else {
      return usage("more than one FILE");
    }
  }
  if (path.empty()) return usage("no FILE given");

  std::string bytes, error;
  if (!readWholeFile(path, bytes, error)) return fail(error);
  if (bytes.size() < offset)
    return fail(path + " has " + std::to_string(bytes.size()) + " bytes, fewer than the offset " +
                std::to_string(offset) + ": it carries no records");

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
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0)
      return fail("cannot write the output");
  } catch (const std::exception& e) {
    return fail(path + ": " + e.what());
  }
  return 0;
}

const Registrar registrar(Command{
    "dump", kUsage,
    "Writes every record from offset N (default 1000000; 0 for a data file) to standard\n"
    "      output as JSON. Records are checked against the registered classes unless --raw.\n"
    "      --readable writes the settings' \"Data_Backup\" lines in their readable form when\n"
    "      qav pack would write them back the same (otherwise they stay lines).",
    dump});

}  // namespace
}  // namespace qav::tool
