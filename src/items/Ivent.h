#pragma once
// The event holder of a window: a non-visual component named "Ivent_" + the window's name
// that keeps a copy of the window's activation script, so that the dispatch finds it by name.
#include <string>
#include <vector>

#include "items/Component.h"

namespace qav {

class TIvent : public Component {
 public:
  TIvent() : Component("TIvent") {}
  const std::vector<std::string>& data() const { return data_; }
  // Copies the lines; the holder never shares the caller's list.
  void setData(const std::vector<std::string>& lines) { data_ = lines; }

 private:
  std::vector<std::string> data_;
};

}  // namespace qav
