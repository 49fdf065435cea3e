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

}  // namespace qav::words
