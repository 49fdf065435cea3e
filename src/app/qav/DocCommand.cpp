// `qav doc`: writes the authors' reference (Markdown) or the JSON Schema of the project form.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/qav/Command.h"
#include "app/qav/Files.h"
#include "app/qav/Reference.h"
#include "base/Text.h"

namespace qav::tool {
namespace {

constexpr const char* kUsage = "qav doc [--schema] [-o FILE]";

int usage(const std::string& problem) {
  return usageError("doc", kUsage, problem);
}

int fail(const std::string& problem) {
  return failure("doc", problem);
}

int doc(const std::vector<std::string>& args) {
  bool schema = false;
  std::string output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--schema") {
      schema = true;
    } else if (args[i] == "-o") {
      if (i + 1 >= args.size()) return usage("-o needs a file name");
      output = args[++i];
    } else {
      return usage("unknown argument " + args[i]);
    }
  }
  std::string text;
  try {
    text = schema ? projectSchema() : referenceMarkdown();
  } catch (const std::exception& e) {
    return fail(e.what());
  }
  if (output.empty()) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
      return fail("cannot write the output");
    return 0;
  }
  std::string error;
  if (!writeWholeFile(output, text, 0644, error)) return fail(error);
  return 0;
}

const Registrar registrar(Command{
    "doc", kUsage,
    "Writes the reference for application authors as Markdown (statements, operands, kinds\n"
    "      of items and their event scripts, property words, value words, settings), made\n"
    "      from the player's own tables; with --schema the JSON Schema of the project form.\n"
    "      To standard output, or to FILE.",
    doc});

}  // namespace
}  // namespace qav::tool
