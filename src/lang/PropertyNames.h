#pragma once
// Korean property names as scripts write them, each defined once: the schema tables and the
// item property tables compare against these.
#include <string_view>

namespace qav::prop {

// Shared by most items.
inline constexpr std::string_view kName = "이름";
inline constexpr std::string_view kCaption = "제목";
inline constexpr std::string_view kAccess = "접근";
inline constexpr std::string_view kExists = "존재";
inline constexpr std::string_view kLeft = "가로좌표";
inline constexpr std::string_view kTop = "세로좌표";
inline constexpr std::string_view kWidth = "가로크기";
inline constexpr std::string_view kHeight = "세로크기";
inline constexpr std::string_view kCursor = "커서";
inline constexpr std::string_view kFont = "글자모양";
inline constexpr std::string_view kColour = "바탕색";
inline constexpr std::string_view kParentColour = "부모바탕색";
inline constexpr std::string_view kParentFont = "부모글자모양";
inline constexpr std::string_view kTransparent = "투명바탕색";
inline constexpr std::string_view kTabStop = "탭여부";
inline constexpr std::string_view kTabOrder = "탭순서";
inline constexpr std::string_view kHint = "풍선도움말";
inline constexpr std::string_view kStyle = "스타일";
inline constexpr std::string_view kDirection = "방향";
inline constexpr std::string_view kBorder = "테두리";
inline constexpr std::string_view kReadOnly = "읽기전용";
inline constexpr std::string_view kMinValue = "최소값";
inline constexpr std::string_view kMaxValue = "최대값";

// Windows.
inline constexpr std::string_view kIcon = "아이콘";
inline constexpr std::string_view kSystemButton = "시스템버튼";
inline constexpr std::string_view kMinButton = "최소버튼";
inline constexpr std::string_view kMaxButton = "최대버튼";
inline constexpr std::string_view kWindowState = "창상태";
inline constexpr std::string_view kWindowSize = "창크기";
inline constexpr std::string_view kStayOnTop = "항상위";
inline constexpr std::string_view kAutoScale = "자동크기조정";

// Labels, images, buttons.
inline constexpr std::string_view kHorizontalAlign = "가로정렬";
inline constexpr std::string_view kVerticalAlign = "세로정렬";
inline constexpr std::string_view kAutoSize = "자동크기";
inline constexpr std::string_view kStretch = "자동맞춤";
inline constexpr std::string_view kCentre = "가운데";
inline constexpr std::string_view kPicture = "그림";
inline constexpr std::string_view kPictureLayout = "그림위치";
inline constexpr std::string_view kPictureMargin = "그림여백";

// Lists, memos, edit fields.
inline constexpr std::string_view kItems = "아이템";
inline constexpr std::string_view kEditable = "직접입력";
inline constexpr std::string_view kSorted = "내용정렬";
inline constexpr std::string_view kText = "문자열";
inline constexpr std::string_view kMaxBytes = "최대바이트";
inline constexpr std::string_view kMaxLines = "최대줄";
inline constexpr std::string_view kScrollBars = "스크롤";
inline constexpr std::string_view kWordWrap = "자동넘김";
inline constexpr std::string_view kInputStyle = "입력형태";
inline constexpr std::string_view kMaxLength = "최대길이";
inline constexpr std::string_view kCharCase = "문자정렬";
inline constexpr std::string_view kPassword = "입력숨김";

// Check boxes.
inline constexpr std::string_view kChecked = "표시";
inline constexpr std::string_view kOnly = "유일";
inline constexpr std::string_view kGroup = "그룹번호";

// Timers and alarms.
inline constexpr std::string_view kRunning = "작동";
inline constexpr std::string_view kInterval = "작동간격";
inline constexpr std::string_view kAlarmDate = "작동날짜";
inline constexpr std::string_view kAlarmTime = "작동시간";

// Clocks, pages, data items, sounds.
inline constexpr std::string_view kHandColour = "바늘색";
inline constexpr std::string_view kSecondHand = "초침";
inline constexpr std::string_view kActiveWindow = "활동윈도우";
inline constexpr std::string_view kMultiLine = "다중페이지";
inline constexpr std::string_view kTabPosition = "페이지위치";
inline constexpr std::string_view kPages = "페이지";
inline constexpr std::string_view kData = "데이타";
inline constexpr std::string_view kFileName = "파일이름";

// Boxes.
inline constexpr std::string_view kAngle = "회전";
inline constexpr std::string_view kFilled = "바탕";
inline constexpr std::string_view kBorderColour = "선색";
inline constexpr std::string_view kBorderWidth = "선두께";
inline constexpr std::string_view kShadowColour = "그림자색";
inline constexpr std::string_view kShadowWidth = "그림자두께";

// Gauges.
inline constexpr std::string_view kBarColour = "그래프색";
inline constexpr std::string_view kShowText = "텍스트";
inline constexpr std::string_view kProgress = "현재값";

// Further rows of the control tables.
inline constexpr std::string_view kMultiSelect = "복수선택";
inline constexpr std::string_view kImeMode = "초기상태";

}  // namespace qav::prop
