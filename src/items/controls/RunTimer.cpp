#include "items/controls/RunTimer.h"

#include "items/PropTable.h"
#include "lang/Texts.h"

namespace qav {
namespace {

const PropTable<TRunTimer>& table() {
  using T = TRunTimer;
  static const PropTable<T> t{
      rows::truth<T>(prop::kRunning, &T::enabled, &T::setEnabled),
      rows::number<T>(prop::kInterval, &T::interval, &T::setInterval),
  };
  return t;
}

}  // namespace

TRunTimer::TRunTimer() : ControlModel("TRunTimer", {5}, 5) {}

const PropertyTable* TRunTimer::propertyTable() const {
  return &table();
}

void TRunTimer::setEnabled(bool v) {
  ControlModel::setEnabled(v);
  notify(Attr::Timer);
}

void TRunTimer::setInterval(int32_t ms) {
  interval_ = ms;
  notify(Attr::Timer);
}

void TRunTimer::tick() {
  if (shouldTick()) fire();
}

}  // namespace qav
