#include "app/qav/Command.h"

#include <algorithm>
#include <cstdio>

#include "app/qav/Files.h"
#include "base/Text.h"
#include "platform/Platform.h"

namespace qav::tool {

int Reporter::usageError(const std::string& problem) const {
  std::fprintf(stderr, "qav %s: %s\nusage: %s\n", name, problem.c_str(), usage);
  return 2;
}

int Reporter::failure(const std::string& problem) const {
  std::fprintf(stderr, "qav %s: %s\n", name, text::printable(problem).c_str());
  return 1;
}

Option valueOption(std::string_view name, std::string& value, std::string refused) {
  return Option{name, nullptr,
                [&value](const std::string& v) {
                  value = v;
                  return true;
                },
                std::move(refused)};
}

Option offsetOption(std::size_t& offset) {
  return Option{
      "--offset", nullptr,
      [&offset](const std::string& value) { return parseByteCount(value, offset, kMaxFileBytes); },
      "--offset needs a byte count of at most " + std::to_string(kMaxFileBytes)};
}

std::string readArguments(const std::vector<std::string>& args, const std::vector<Option>& options,
                          std::string* operand, std::string_view operandName) {
  const std::string operandText(operandName);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto option =
        std::find_if(options.begin(), options.end(), [&a](const Option& o) { return o.name == a; });
    if (option != options.end()) {
      if (option->take) {
        if (i + 1 >= args.size() || !option->take(args[i + 1])) return option->refused;
        ++i;
      }
      if (option->given) *option->given = true;
    } else if (!operand) {
      return "unknown argument " + a;
    } else if (a.size() > 1 && a[0] == '-') {
      return "unknown option " + a;
    } else if (operand->empty()) {
      *operand = a;
    } else {
      return "more than one " + operandText;
    }
  }
  if (operand && operand->empty()) return "no " + operandText + " given";
  return {};
}

bool writeOutput(std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
         std::fflush(stdout) == 0;
}

}  // namespace qav::tool
