#include "qt/TimerDrivers.h"

namespace qav::qt {

TimerDriver::TimerDriver(TRunTimer& model, QObject* parent) : QObject(parent), model_(model) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (!detached_) model_.tick();
  });
  model_.setObserver(this);
  modelChanged(Attr::All);
}

TimerDriver::~TimerDriver() {
  detach();
}

void TimerDriver::detach() {
  if (detached_) return;
  detached_ = true;
  timer_.stop();
  if (model_.observer() == this) model_.setObserver(nullptr);
}

// Every change of the running state or the interval starts the countdown again.
void TimerDriver::modelChanged(Attr what) {
  if (detached_ || (what != Attr::Timer && what != Attr::Enabled && what != Attr::All)) return;
  if (model_.shouldTick())
    timer_.start(model_.interval());
  else
    timer_.stop();
}

AlarmDriver::AlarmDriver(TRunAlarm& model, std::function<text::DateTime()> clock, QObject* parent)
    : QObject(parent), model_(model), clock_(std::move(clock)) {
  timer_.setInterval(TRunAlarm::kCheckInterval);
  connect(&timer_, &QTimer::timeout, this, &AlarmDriver::checkNow);
  model_.setObserver(this);
  modelChanged(Attr::All);
}

AlarmDriver::~AlarmDriver() {
  detach();
}

void AlarmDriver::checkNow() {
  if (!detached_ && clock_) model_.check(clock_());
}

void AlarmDriver::detach() {
  if (detached_) return;
  detached_ = true;
  timer_.stop();
  if (model_.observer() == this) model_.setObserver(nullptr);
}

void AlarmDriver::modelChanged(Attr what) {
  if (detached_ || (what != Attr::Timer && what != Attr::Enabled && what != Attr::All)) return;
  if (model_.shouldTick())
    timer_.start();
  else
    timer_.stop();
}

}  // namespace qav::qt
