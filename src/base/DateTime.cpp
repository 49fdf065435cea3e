#include "base/DateTime.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "base/Text.h"

namespace qav::text {
namespace {

// Days from 1970-01-01 of a civil date (proleptic Gregorian).
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void civilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2));
}

const int64_t kEpochOffset = daysFromCivil(1899, 12, 30);

bool isLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}
int daysInMonth(int y, int m) {
  static const int d[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && isLeap(y) ? 29 : d[m - 1];
}

// Reads 1..maxDigits decimal digits at s[i]; advances i.
std::optional<int> readNumber(std::string_view s, std::size_t& i, std::size_t maxDigits) {
  std::size_t start = i;
  int v = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < maxDigits)
    v = v * 10 + (s[i++] - '0');
  if (i == start) return std::nullopt;
  return v;
}

// Up to three numbers of at most the given digits, separated by sep, with nothing around them
// but blanks. Fields after the first `required` may be missing (they read as 0).
std::optional<std::array<int, 3>> readFields(std::string_view s, char sep,
                                             std::array<std::size_t, 3> digits, int required) {
  s = trim(s);
  std::array<int, 3> v{};
  std::size_t i = 0;
  for (int f = 0; f < 3; ++f) {
    if (f > 0) {
      if (i == s.size() && f >= required) break;
      if (i >= s.size() || s[i++] != sep) return std::nullopt;
    }
    const auto n = readNumber(s, i, digits[static_cast<std::size_t>(f)]);
    if (!n) return std::nullopt;
    v[static_cast<std::size_t>(f)] = *n;
  }
  if (i != s.size()) return std::nullopt;
  return v;
}

}  // namespace

int64_t dayNumber(int year, int month, int day) {
  return daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
         kEpochOffset;
}

void dateOfDay(int64_t days, int& year, int& month, int& day) {
  civilFromDays(days + kEpochOffset, year, month, day);
}

double toSerial(const DateTime& t) {
  double days = static_cast<double>(dayNumber(t.year, t.month, t.day));
  double frac = (t.hour * 3600000.0 + t.minute * 60000.0 + t.second * 1000.0 + t.msec) / 86400000.0;
  // Before the epoch the fraction counts away from zero, as in the stored format.
  return days < 0 ? days - frac : days + frac;
}

DateTime fromSerial(double serial) {
  DateTime t;
  if (!std::isfinite(serial) || std::fabs(serial) > 3e6) serial = 0;
  double whole = std::trunc(serial);
  double frac = std::fabs(serial - whole);
  dateOfDay(static_cast<int64_t>(whole), t.year, t.month, t.day);
  int64_t ms = std::llround(frac * 86400000.0);
  if (ms >= 86400000) ms = 86399999;
  t.hour = static_cast<int>(ms / 3600000);
  t.minute = static_cast<int>(ms / 60000 % 60);
  t.second = static_cast<int>(ms / 1000 % 60);
  t.msec = static_cast<int>(ms % 1000);
  return t;
}

std::string formatDate(const DateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.year, t.month, t.day);
  return buf;
}

std::string formatTime(const DateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return buf;
}

std::optional<DateTime> parseDate(std::string_view s) {
  const auto f = readFields(s, '-', {4, 2, 2}, 3);
  if (!f) return std::nullopt;
  const auto [y, m, d] = *f;
  if (y < 1 || m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m)) return std::nullopt;
  DateTime t;
  t.year = y;
  t.month = m;
  t.day = d;
  return t;
}

std::optional<DateTime> parseTime(std::string_view s) {
  const auto f = readFields(s, ':', {2, 2, 2}, 2);
  if (!f) return std::nullopt;
  const auto [h, mi, sec] = *f;
  if (h > 23 || mi > 59 || sec > 59) return std::nullopt;
  DateTime t;
  t.hour = h;
  t.minute = mi;
  t.second = sec;
  return t;
}

}  // namespace qav::text
