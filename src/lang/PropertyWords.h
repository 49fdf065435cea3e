#pragma once
// Value words that the property layer itself answers for windows and alarms (property names
// are in lang/Texts.h). They are the choice words of the tables, named for their use
// here.
#include <string_view>

#include "lang/Texts.h"

namespace qav::words {

// Border styles of a window.
inline constexpr std::string_view kBorderNone = kNone;
inline constexpr std::string_view kBorderSingle = kFixedSize;
inline constexpr std::string_view kBorderSizeable = kSizeable;

// What a window answers for its icon: it keeps no record of the file.
inline constexpr std::string_view kIconAnswer = "TIcon";

// The alarm's repetition word for every day.
inline constexpr std::string_view kAlarmDaily = kDaily;

}  // namespace qav::words
