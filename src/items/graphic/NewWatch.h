#pragma once
// The clock item placed on windows: a clock with the item's design flags and window name.
// It has no Korean property table: scripts only reach its name.
#include <memory>

#include "items/graphic/Clock.h"

namespace qav {

struct Record;

class TNewWatch : public TClock {
 public:
  TNewWatch() : TClock("TNewWatch") {}
  static std::unique_ptr<TNewWatch> fromRecord(const Record& record);

  void applyDesignFlags() override {
    setEnabled(enabledCheck());
    setVisible(visibleCheck());
  }
};

}  // namespace qav
