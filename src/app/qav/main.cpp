// `qav`: the command-line tool of the player (dump, pack and play program files).
#include <cstdio>
#include <string>
#include <vector>

#include "app/qav/Command.h"

namespace qav::tool {
std::vector<Command>& commands() {
  static std::vector<Command> table;
  return table;
}
}  // namespace qav::tool

namespace {

void printHelp() {
  std::printf(
      "qav - tool of the QAV Maker player\n\n"
      "A QAV program file is the player program padded to 1,000,000 bytes, followed by the\n"
      "project's binary records. A data file is one record of class TDataQueue.\n\n"
      "Commands:\n");
  for (const auto& c : qav::tool::commands())
    std::printf("  %s\n      %s\n", c.usage.c_str(), c.summary.c_str());
  std::printf("\n  qav --help\n      this text\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    printHelp();
    return args.empty() ? 2 : 0;
  }
  for (const auto& c : qav::tool::commands())
    if (c.name == args[0]) return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
  std::fprintf(stderr, "qav: unknown command \"%s\" (see qav --help)\n", args[0].c_str());
  return 2;
}
