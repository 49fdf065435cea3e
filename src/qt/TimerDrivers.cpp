#include "qt/TimerDrivers.h"

namespace qav::qt {

TickDriver::~TickDriver() {
  detach();
}

void TickDriver::detach() {
  if (detached_) return;
  detached_ = true;
  timer_.stop();
  if (item_.observer() == this) item_.setObserver(nullptr);
}

void TickDriver::modelChanged(Attr what) {
  if (detached_ || (what != Attr::Timer && what != Attr::Enabled && what != Attr::All)) return;
  if (shouldTick())
    timer_.start(tickInterval());
  else
    timer_.stop();
}

TimerDriver::TimerDriver(TRunTimer& model, QObject* parent)
    : QObject(parent), TickDriver(model), model_(model) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (!detached_) model_.tick();
  });
  model_.setObserver(this);
  modelChanged(Attr::All);
}

AlarmDriver::AlarmDriver(TRunAlarm& model, std::function<text::DateTime()> clock, QObject* parent)
    : QObject(parent), TickDriver(model), model_(model), clock_(std::move(clock)) {
  timer_.setInterval(TRunAlarm::kCheckInterval);
  connect(&timer_, &QTimer::timeout, this, &AlarmDriver::checkNow);
  model_.setObserver(this);
  modelChanged(Attr::All);
}

void AlarmDriver::checkNow() {
  if (!detached_ && clock_) model_.check(clock_());
}

}  // namespace qav::qt
