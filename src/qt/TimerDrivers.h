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

class TimerDriver : public QObject, public ModelObserver {
  Q_OBJECT
 public:
  explicit TimerDriver(TRunTimer& model, QObject* parent = nullptr);
  ~TimerDriver() override;
  void modelChanged(Attr what) override;
  void modelGone() override {
    detached_ = true;
    timer_.stop();
  }
  void detach();
  const QTimer& timer() const { return timer_; }

 private:
  TRunTimer& model_;
  QTimer timer_;
  bool detached_ = false;
};

class AlarmDriver : public QObject, public ModelObserver {
  Q_OBJECT
 public:
  AlarmDriver(TRunAlarm& model, std::function<text::DateTime()> clock, QObject* parent = nullptr);
  ~AlarmDriver() override;
  void modelChanged(Attr what) override;
  void modelGone() override {
    detached_ = true;
    timer_.stop();
  }
  // One look at the clock, as the timer does once a second.
  void checkNow();
  void detach();
  const QTimer& timer() const { return timer_; }

 private:
  TRunAlarm& model_;
  std::function<text::DateTime()> clock_;
  QTimer timer_;
  bool detached_ = false;
};

}  // namespace qav::qt
