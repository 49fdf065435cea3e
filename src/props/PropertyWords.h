#pragma once
// Korean property names and value words that the property layer itself answers (the window
// rows and the namespaces); item tables keep their own words.
#include <string_view>

namespace qav::words {

inline constexpr std::string_view kPropName = "이름";
inline constexpr std::string_view kPropCaption = "제목";
inline constexpr std::string_view kPropIcon = "아이콘";
inline constexpr std::string_view kPropSystemButton = "시스템버튼";
inline constexpr std::string_view kPropMinButton = "최소버튼";
inline constexpr std::string_view kPropMaxButton = "최대버튼";
inline constexpr std::string_view kPropBorder = "창상태";
inline constexpr std::string_view kPropCursor = "커서";
inline constexpr std::string_view kPropColour = "바탕색";
inline constexpr std::string_view kPropStayOnTop = "항상위";
inline constexpr std::string_view kPropAutoScale = "자동크기조정";

inline constexpr std::string_view kBorderNone = "없음";
inline constexpr std::string_view kBorderSingle = "크기고정";
inline constexpr std::string_view kBorderSizeable = "크기조절";

// What a window answers for its icon: it keeps no record of the file.
inline constexpr std::string_view kIconAnswer = "TIcon";

// Check-box group rows.
inline constexpr std::string_view kPropGroup = "그룹번호";
inline constexpr std::string_view kPropOnly = "유일";
inline constexpr std::string_view kPropChecked = "표시";

// Alarm rows.
inline constexpr std::string_view kPropAlarmRepeat = "작동간격";
inline constexpr std::string_view kPropAlarmDate = "작동날짜";
inline constexpr std::string_view kPropAlarmTime = "작동시간";
inline constexpr std::string_view kAlarmDaily = "매일";

// The sound item's one row.
inline constexpr std::string_view kPropFileName = "파일이름";

}  // namespace qav::words
