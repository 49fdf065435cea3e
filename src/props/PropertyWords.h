#pragma once
// Value words that the property layer itself answers for windows and alarms (property names
// are in props/PropertyNames.h).
#include <string_view>

namespace qav::words {

// Border styles of a window.
inline constexpr std::string_view kBorderNone = "없음";
inline constexpr std::string_view kBorderSingle = "크기고정";
inline constexpr std::string_view kBorderSizeable = "크기조절";

// What a window answers for its icon: it keeps no record of the file.
inline constexpr std::string_view kIconAnswer = "TIcon";

// The alarm's repetition word for every day.
inline constexpr std::string_view kAlarmDaily = "매일";

}  // namespace qav::words
