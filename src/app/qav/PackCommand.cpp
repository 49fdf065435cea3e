// `qav pack`: builds a program file (the player padded to the offset, then the records) or a
// data file (records alone) from the JSON form of records.
#include <sys/stat.h>

#include <exception>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/qav/Command.h"
#include "app/qav/Files.h"
#include "app/qav/ProjectCheck.h"
#include "base/Text.h"
#include "platform/Platform.h"
#include "runtime/ProjectLoader.h"
#include "stores/SettingsForm.h"
#include "stream/RecordJson.h"
#include "stream/RecordWriter.h"

namespace qav::tool {
namespace {

constexpr Reporter kReport{"pack",
                           "qav pack PROJECT.json -o OUT [--player FILE] [--offset N] [--raw]"};

int pack(const std::vector<std::string>& args) {
  std::size_t offset = kPayloadOffset;
  std::string input, output, player;
  bool playerGiven = false, raw = false;
  Option playerOption = valueOption("--player", player, "--player needs a file name");
  playerOption.given = &playerGiven;
  const std::string problem = readArguments(args,
                                            {offsetOption(offset),
                                             valueOption("-o", output, "-o needs a file name"),
                                             {"--raw", &raw},
                                             std::move(playerOption)},
                                            &input, "PROJECT.json");
  if (!problem.empty()) return kReport.usageError(problem);
  if (output.empty()) return kReport.usageError("no output file given (-o OUT)");
  if (offset == 0 && playerGiven)
    return kReport.usageError("--offset 0 writes the records alone; --player does not go with it");

  std::string jsonText, error;
  if (!readWholeFile(input, jsonText, error)) return kReport.failure(error);
  std::string out;
  if (offset > 0) {
    if (!playerGiven) {
      player = selfDirectory() + "qavplayer";
      struct stat st {};
      if (::stat(player.c_str(), &st) != 0)
        return kReport.failure("no player program beside qav (" + player +
                               " does not exist); name one with --player FILE");
    }
    if (!readWholeFile(player, out, error)) return kReport.failure(error);
    if (out.size() > offset)
      return kReport.failure("the player " + player + " has " + std::to_string(out.size()) +
                             " bytes, more than the offset " + std::to_string(offset));
    out.resize(offset, '\0');
  }
  std::string records;
  std::vector<Finding> findings;
  try {
    nlohmann::ordered_json document = jsonFromText(jsonText);
    expandReadableSettings(document);
    std::vector<Record> parsed = recordsFromJson(document);
    records = writeRecords(parsed);
    // Nothing is written that the player would refuse to load.
    if (!raw) findings = checkRecordForms(parsed);
    if (!raw && findings.empty() && offset > 0) findings = checkLoad(parsed, records, output);
    if (!raw && findings.empty() && offset > 0) findings = checkWarnings(parsed);
  } catch (const std::exception& e) {
    return kReport.failure(input + ": " + e.what());
  }
  if (reportFindings("pack", input, findings) != 0) return 1;

  out += records;
  if (!writeWholeFile(output, out, offset > 0 ? 0755 : 0644, error)) return kReport.failure(error);
  return 0;
}

const Registrar registrar(Command{
    kReport.name, kReport.usage,
    "Writes OUT: the player (default: qavplayer beside qav) padded with zero bytes to\n"
    "      offset N (default 1000000), then the records of PROJECT.json. --offset 0 writes\n"
    "      the records alone (a data file). The settings may give \"Data_Backup\" in its\n"
    "      readable form, which is written as the lines the player reads. Nothing is written\n"
    "      when the player would refuse the project: one line per problem names the record,\n"
    "      its JSON path and the problem (exit 1). Warnings name what loads but is almost\n"
    "      surely a mistake (unknown statements, names of nothing, items on no window or\n"
    "      hidden for want of VisibleCheck/EnabledCheck, undeclared tables and fields).\n"
    "      --raw writes the records as given, unchecked (to try the tools on damaged files).",
    pack});

}  // namespace
}  // namespace qav::tool
