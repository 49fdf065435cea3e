#include "items/controls/RunTimer.h"

#include "items/PropTable.h"
#include "lang/Texts.h"

namespace qav {

const PropertyTable* TRunTimer::propertyTable() const {
  using T = TRunTimer;
  static const PropTable<T> table{
      rows::truth<T>(prop::kRunning, &T::enabled, &T::setEnabled),
      rows::number<T>(prop::kInterval, &T::interval, &T::setInterval),
  };
  return &table;
}

void TRunTimer::tick() {
  if (shouldTick()) fire();
}

}  // namespace qav
