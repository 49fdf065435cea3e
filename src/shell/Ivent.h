#pragma once
// Small non-visual components of the main window's list: the event holder of a window
// ("Ivent_" + window name, holding the window's activation script) and a record that was
// read but never placed, kept under its stream name.
#include <string>
#include <vector>

#include "items/Component.h"
#include "shell/Record.h"

namespace qav {

class TIvent : public Component {
 public:
  TIvent() : Component("TIvent") {}
  std::vector<std::string> Data;
};

class RecordComponent : public Component {
 public:
  explicit RecordComponent(Record r) : Component(r.className), record_(std::move(r)) {
    setName(record_.name);
  }
  const Record& record() const { return record_; }

 private:
  Record record_;
};

}  // namespace qav
