#pragma once
// Sub-commands of the `qav` tool register themselves here.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/Text.h"

namespace qav::tool {

using CommandFn = std::function<int(const std::vector<std::string>& args)>;

struct Command {
  std::string name;
  std::string usage;    // one line: "qav dump [--offset N] [--raw] FILE"
  std::string summary;  // what it does, a few lines
  CommandFn run;
};

std::vector<Command>& commands();

struct Registrar {
  explicit Registrar(Command c) { commands().push_back(std::move(c)); }
};

// A mistake in the command line: "qav NAME: problem" and the usage on standard error; exit
// code 2.
inline int usageError(const char* name, const char* usage, const std::string& problem) {
  std::fprintf(stderr, "qav %s: %s\nusage: %s\n", name, problem.c_str(), usage);
  return 2;
}

// A failure: one line "qav NAME: problem" on standard error; exit code 1. The problem often
// quotes a file's content: nothing in it may act on the terminal.
inline int failure(const char* name, const std::string& problem) {
  std::fprintf(stderr, "qav %s: %s\n", name, text::printable(problem).c_str());
  return 1;
}

}  // namespace qav::tool
