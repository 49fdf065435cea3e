#pragma once
// A record that was read but never placed: kept in the main window's list under its stream
// name, so that scripts and the loader still see it.
#include "items/Component.h"
#include "stream/Record.h"

namespace qav {

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
