#pragma once
// The run-time alarm built from an alarm design record: while running it looks at the clock
// once a second and runs its Ivent5 script when the time of day matches its time, every day
// or on its one date.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/DateTime.h"
#include "items/controls/ControlModel.h"

namespace qav {

enum class AlarmRepeat { Custom, Day };  // one date (aaCustom) or every day (aaDay)

class TRunAlarm : public TimedControl {
 public:
  static constexpr int32_t kCheckInterval = 1000;  // milliseconds between clock checks

  TRunAlarm() : TimedControl("TRunAlarm") {}
  // Copies what instantiation takes from a TNewAlarm record.
  explicit TRunAlarm(const Record& record);

  bool shouldTick() const { return enabled(); }

  AlarmRepeat repeat() const { return repeat_; }
  void setRepeat(AlarmRepeat r) { repeat_ = r; }
  // Day numbers as stored in projects (days since 30 December 1899; time as the fraction).
  double date() const { return date_; }
  void setDate(double d) { date_ = d; }
  double time() const { return time_; }
  void setTime(double t) { time_ = t; }

  // yyyy-MM-dd and HH:mm:ss. The setters throw ItemError("'<text>' is not a valid date") or
  // ("... time") for a text that is none, and keep the stored value then.
  std::string dateText() const;
  void setDateText(std::string_view s);
  std::string timeText() const;
  void setTimeText(std::string_view s);

  // Whether the moment is the alarm's: the time of day equals the alarm time to the second,
  // and for a one-date alarm the day is the stored date's day.
  bool due(const text::DateTime& now) const;
  // One clock check: when running and due, reports the alarm, at most once per alarm second.
  // Returns whether it reported.
  bool check(const text::DateTime& now);

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  AlarmRepeat repeat_ = AlarmRepeat::Custom;
  double date_ = 0, time_ = 0;
  int64_t lastFired_ = INT64_MIN;  // the second (day * 86400 + second of day) last reported
};

}  // namespace qav
