#pragma once
// Sub-commands of the `qav` tool register themselves here.
#include <functional>
#include <string>
#include <vector>

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

}  // namespace qav::tool
