// `qav doc`: writes the authors' reference (Markdown) or the JSON Schema of the project form.
#include <exception>
#include <string>
#include <vector>

#include "app/qav/Command.h"
#include "app/qav/Files.h"
#include "app/qav/Reference.h"
#include "base/Text.h"

namespace qav::tool {
namespace {

constexpr Reporter kReport{"doc", "qav doc [--schema] [-o FILE]"};

int doc(const std::vector<std::string>& args) {
  bool schema = false;
  std::string output;
  const std::string problem = readArguments(
      args, {{"--schema", &schema}, valueOption("-o", output, "-o needs a file name")}, nullptr);
  if (!problem.empty()) return kReport.usageError(problem);
  std::string text;
  try {
    text = schema ? projectSchema() : referenceMarkdown();
  } catch (const std::exception& e) {
    return kReport.failure(e.what());
  }
  if (output.empty()) return writeOutput(text) ? 0 : kReport.failure("cannot write the output");
  std::string error;
  if (!writeWholeFile(output, text, 0644, error)) return kReport.failure(error);
  return 0;
}

const Registrar registrar(Command{
    kReport.name, kReport.usage,
    "Writes the reference for application authors as Markdown (statements, operands, kinds\n"
    "      of items and their event scripts, property words, value words, settings), made\n"
    "      from the player's own tables; with --schema the JSON Schema of the project form.\n"
    "      To standard output, or to FILE.",
    doc});

}  // namespace
}  // namespace qav::tool
