#pragma once
// The run-time timer built from a timer design record: it ticks every interval while running,
// and each tick runs its Ivent5 script. The view keeps the real timer and asks shouldTick().
#include <cstdint>

#include "items/controls/ControlModel.h"

namespace qav {

class TRunTimer : public TimedControl {
 public:
  static constexpr int32_t kDefaultInterval = 1000;

  TRunTimer() : TimedControl("TRunTimer") {}
  // Copies what instantiation takes from a TNewTimer record.
  explicit TRunTimer(const Record& record);

  int32_t interval() const { return interval_; }
  void setInterval(int32_t ms) { assign(interval_, ms, Attr::Timer); }
  // No ticks while stopped or while the interval is 0 or less.
  bool shouldTick() const { return enabled() && interval_ > 0; }
  // One tick of the real timer: reports it when the timer should tick.
  void tick();

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  int32_t interval_ = kDefaultInterval;
};

}  // namespace qav
