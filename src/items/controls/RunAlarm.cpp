#include "items/controls/RunAlarm.h"

#include "items/PropTable.h"
#include "lang/Texts.h"

namespace qav {
namespace {

int64_t dayOf(const text::DateTime& t) {
  return text::dayNumber(t.year, t.month, t.day);
}

}  // namespace

const PropertyTable* TRunAlarm::propertyTable() const {
  using T = TRunAlarm;
  static const PropTable<T> table{
      rows::truth<T>(prop::kRunning, &T::enabled, &T::setEnabled),
      rows::choice<T, AlarmRepeat>(
          prop::kInterval,
          {{words::kOnDate, AlarmRepeat::Custom}, {words::kDaily, AlarmRepeat::Day}}, &T::repeat,
          &T::setRepeat),
      rows::text<T>(prop::kAlarmDate, &T::dateText, &T::setDateText),
      rows::text<T>(prop::kAlarmTime, &T::timeText, &T::setTimeText),
  };
  return &table;
}

std::string TRunAlarm::dateText() const {
  return text::formatDate(text::fromSerial(date_));
}

void TRunAlarm::setDateText(std::string_view s) {
  auto d = text::parseDate(s);
  if (!d) throw ItemError("'" + std::string(s) + "' is not a valid date");
  date_ = static_cast<double>(dayOf(*d));
}

std::string TRunAlarm::timeText() const {
  return text::formatTime(text::fromSerial(time_));
}

void TRunAlarm::setTimeText(std::string_view s) {
  auto t = text::parseTime(s);
  if (!t) throw ItemError("'" + std::string(s) + "' is not a valid time");
  text::DateTime timeOfDay;  // on day 0, so the serial is the fraction alone
  timeOfDay.hour = t->hour;
  timeOfDay.minute = t->minute;
  timeOfDay.second = t->second;
  time_ = text::toSerial(timeOfDay);
}

bool TRunAlarm::due(const text::DateTime& now) const {
  const text::DateTime at = text::fromSerial(time_);
  if (now.hour != at.hour || now.minute != at.minute || now.second != at.second) return false;
  if (repeat_ == AlarmRepeat::Day) return true;
  // The stored date's day, whatever time of day the stored value also carries.
  return dayOf(now) == dayOf(text::fromSerial(date_));
}

bool TRunAlarm::check(const text::DateTime& now) {
  if (!enabled() || !due(now)) return false;
  const int64_t second = dayOf(now) * 86400 + now.hour * 3600 + now.minute * 60 + now.second;
  if (second == lastFired_) return false;
  lastFired_ = second;
  fire();
  return true;
}

}  // namespace qav
