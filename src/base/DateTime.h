#pragma once
// Calendar date and time of day, and the day-number form stored in project records
// (days since 30 December 1899 in the integer part, the time of day as the fraction).
// Dates are written yyyy-MM-dd and times HH:mm:ss everywhere the player shows or reads them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qav::text {

struct DateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, msec = 0;
  bool operator==(const DateTime&) const = default;
};

// Whole days since 30 December 1899 (negative before it).
int64_t dayNumber(int year, int month, int day);
// The date of a day number.
void dateOfDay(int64_t days, int& year, int& month, int& day);

double toSerial(const DateTime& t);
DateTime fromSerial(double serial);

std::string formatDate(const DateTime& t);  // yyyy-MM-dd
std::string formatTime(const DateTime& t);  // HH:mm:ss

// Strict readers of the two formats (single-digit month, day and hour parts are accepted,
// as a user would type them). They give nothing for any text that is no valid date or time.
std::optional<DateTime> parseDate(std::string_view s);
std::optional<DateTime> parseTime(std::string_view s);

}  // namespace qav::text
