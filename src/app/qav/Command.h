#pragma once
// Sub-commands of the `qav` tool register themselves here.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
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

// How a sub-command speaks of a mistake in its command line or of a failure.
struct Reporter {
  const char* name;   // "dump"
  const char* usage;  // the usage line of the command

  // A mistake in the command line: "qav NAME: problem" and the usage on standard error; exit
  // code 2.
  int usageError(const std::string& problem) const;
  // A failure: one line "qav NAME: problem" on standard error; exit code 1. The problem often
  // quotes a file's content: nothing in it may act on the terminal.
  int failure(const std::string& problem) const;
};

// An option of a sub-command: a switch, or with `take` one whose value is the next argument.
struct Option {
  std::string_view name;
  bool* given = nullptr;  // made true when the option is given
  // Takes the value; false refuses it.
  std::function<bool(const std::string& value)> take = {};
  std::string refused = {};  // the problem when the value is missing or refused
};

// An option whose value is stored as given.
Option valueOption(std::string_view name, std::string& value, std::string refused);

// The byte offset of the records, a decimal count of at most the largest file the tools read.
Option offsetOption(std::size_t& offset);

// Reads a command line by the options. Anything else is the one operand, named operandName in
// the problems ("no FILE given", "more than one FILE"); a command without an operand passes
// null. Returns the problem to report as a usage error, or an empty text.
std::string readArguments(const std::vector<std::string>& args, const std::vector<Option>& options,
                          std::string* operand, std::string_view operandName = {});

// Writes the text to standard output; false when it could not be written whole.
bool writeOutput(std::string_view text);

}  // namespace qav::tool
