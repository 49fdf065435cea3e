#pragma once
// The real timers behind timer and alarm items: QTimers on the user-interface thread that
// hand every tick to the model, which decides whether it is reported.
#include <QObject>
#include <QTimer>
#include <functional>

#include "base/DateTime.h"
#include "items/controls/RunAlarm.h"
#include "items/controls/RunTimer.h"

namespace qav::qt {

// What both drivers share: the timer runs while the model says it should tick, and the driver
// lets go of the model when either of them goes.
class TickDriver : public ModelObserver {
 public:
  ~TickDriver() override;
  // Every change of the running state or the interval starts the countdown again.
  void modelChanged(Attr what) override;
  void modelGone() override {
    detached_ = true;
    timer_.stop();
  }
  void detach();
  const QTimer& timer() const { return timer_; }

 protected:
  explicit TickDriver(ItemModel& model) : item_(model) {}
  virtual bool shouldTick() const = 0;
  virtual int tickInterval() const = 0;

  QTimer timer_;
  bool detached_ = false;

 private:
  ItemModel& item_;
};

class TimerDriver : public QObject, public TickDriver {
  Q_OBJECT
 public:
  explicit TimerDriver(TRunTimer& model, QObject* parent = nullptr);

 private:
  bool shouldTick() const override { return model_.shouldTick(); }
  int tickInterval() const override { return model_.interval(); }

  TRunTimer& model_;
};

class AlarmDriver : public QObject, public TickDriver {
  Q_OBJECT
 public:
  AlarmDriver(TRunAlarm& model, std::function<text::DateTime()> clock, QObject* parent = nullptr);
  // One look at the clock, as the timer does once a second.
  void checkNow();

 private:
  bool shouldTick() const override { return model_.shouldTick(); }
  int tickInterval() const override { return TRunAlarm::kCheckInterval; }

  TRunAlarm& model_;
  std::function<text::DateTime()> clock_;
};

}  // namespace qav::qt
