#pragma once
// A failure while loading a project: shown once to the user with its own text; the rest of
// the load is skipped and the program runs with what was built.
#include <stdexcept>
#include <string>

namespace qav {

class LoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qav
