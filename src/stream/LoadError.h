#pragma once
// A failure while loading a project: shown once to the user; the rest of the load is skipped
// and the program runs with what was built. It carries two texts: the one the user reads
// (Korean, in the author's terms) and, as what(), the English line for tools.
#include <stdexcept>
#include <string>
#include <string_view>

#include "lang/Texts.h"

namespace qav {

class LoadError : public std::runtime_error {
 public:
  // One text for both readers.
  explicit LoadError(const std::string& text) : std::runtime_error(text), user_(text) {}
  LoadError(std::string forUser, const std::string& forTools)
      : std::runtime_error(forTools), user_(std::move(forUser)) {}
  const std::string& userText() const { return user_; }

  // A failure of one record, named in both texts by its stream name and class.
  static LoadError ofRecord(std::string_view name, std::string_view className,
                            std::string_view forUser, std::string_view forTools) {
    std::string record = std::string(name) + " (" + std::string(className) + ")";
    return LoadError(record + std::string(msg::kRecordWord) + std::string(forUser),
                     "record " + record + ": " + std::string(forTools));
  }

 private:
  std::string user_;
};

}  // namespace qav
