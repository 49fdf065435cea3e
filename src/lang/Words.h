#pragma once
// Korean value words of the property tables and scripts, each defined once.
#include <string_view>

namespace qav::words {

// Truth words.
inline constexpr std::string_view kTrue = "참";
inline constexpr std::string_view kFalse = "거짓";

// Colour words, in the order the schema tables offer them.
inline constexpr std::string_view kBlack = "검정";
inline constexpr std::string_view kBlue = "파랑";
inline constexpr std::string_view kGreen = "녹색";
inline constexpr std::string_view kSky = "하늘";
inline constexpr std::string_view kRed = "빨강";
inline constexpr std::string_view kPurple = "보라";
inline constexpr std::string_view kYellow = "노랑";
inline constexpr std::string_view kSilver = "은색";
inline constexpr std::string_view kGrey = "회색";
inline constexpr std::string_view kBrightBlue = "밝은파랑";
inline constexpr std::string_view kBrightGreen = "밝은녹색";
inline constexpr std::string_view kBrightSky = "밝은하늘";
inline constexpr std::string_view kBrightRed = "밝은빨강";
inline constexpr std::string_view kBrightPurple = "밝은보라";
inline constexpr std::string_view kBrightYellow = "밝은노랑";
inline constexpr std::string_view kWhite = "흰색";
inline constexpr std::string_view kButtonFace = "기본바탕색";
inline constexpr std::string_view kWindowColour = "기본윈도우색";

// Cursor words, in the order the schema tables offer them.
inline constexpr std::string_view kCursorDefault = "기본";
inline constexpr std::string_view kCursorArrow = "화살표";
inline constexpr std::string_view kCursorInput = "입력";
inline constexpr std::string_view kCursorWait = "대기중";
inline constexpr std::string_view kCursorAppStart = "실행대기중";
inline constexpr std::string_view kCursorNo = "금지";
inline constexpr std::string_view kCursorCross = "십자가";
inline constexpr std::string_view kCursorHand = "손가락";
inline constexpr std::string_view kCursorHelp = "도움말";
inline constexpr std::string_view kCursorDrag = "드래그";
inline constexpr std::string_view kCursorMultiDrag = "멀티드래그";
inline constexpr std::string_view kCursorNoDrop = "드래그금지";
inline constexpr std::string_view kCursorHSplit = "가로조정";
inline constexpr std::string_view kCursorVSplit = "세로조정";
inline constexpr std::string_view kCursorSizeWE = "좌우조정";
inline constexpr std::string_view kCursorSizeNS = "상하조정";
inline constexpr std::string_view kCursorSizeNWSE = "좌횡단조정";
inline constexpr std::string_view kCursorSizeNESW = "우횡단조정";

// Choice words of the property tables, one constant per word; words that several tables offer
// ("없음", "중앙 정렬", "원", the four directions) are defined once and shared.
inline constexpr std::string_view kNone = "없음";
inline constexpr std::string_view kFixedSize = "크기고정";
inline constexpr std::string_view kSizeable = "크기조절";

inline constexpr std::string_view kAlignLeft = "좌측 정렬";
inline constexpr std::string_view kAlignRight = "우측 정렬";
inline constexpr std::string_view kAlignCentre = "중앙 정렬";
inline constexpr std::string_view kAlignTop = "위측 정렬";
inline constexpr std::string_view kAlignBottom = "아래측 정렬";

inline constexpr std::string_view kUp = "위쪽";
inline constexpr std::string_view kDown = "아래쪽";
inline constexpr std::string_view kLeft = "왼쪽";
inline constexpr std::string_view kRight = "오른쪽";

inline constexpr std::string_view kDiamond = "마름모";
inline constexpr std::string_view kCircle = "원";
inline constexpr std::string_view kRectangle = "사각형";
inline constexpr std::string_view kRoundRect = "둥근사각형";
inline constexpr std::string_view kTriangle = "삼각형";

inline constexpr std::string_view kLowered = "오목";
inline constexpr std::string_view kRaised = "볼록";

inline constexpr std::string_view kScrollVertical = "상하 스크롤";
inline constexpr std::string_view kScrollHorizontal = "좌우 스크롤";
inline constexpr std::string_view kScrollBoth = "공용 스크롤";

inline constexpr std::string_view kInputNumber = "숫자";
inline constexpr std::string_view kInputText = "문자";
inline constexpr std::string_view kCaseNormal = "정렬안함";
inline constexpr std::string_view kCaseLower = "소문자";
inline constexpr std::string_view kCaseUpper = "대문자";

inline constexpr std::string_view kOnDate = "특정일";
inline constexpr std::string_view kDaily = "매일";

inline constexpr std::string_view kTabsTop = "상단";
inline constexpr std::string_view kTabsBottom = "하단";

inline constexpr std::string_view kHorizontalBar = "가로막대";
inline constexpr std::string_view kVerticalBar = "세로막대";

// Input-method modes of edit fields and memos.
inline constexpr std::string_view kImeCurrent = "현재";
inline constexpr std::string_view kImeAlpha = "영문";
inline constexpr std::string_view kImeHangul = "한글";

}  // namespace qav::words
