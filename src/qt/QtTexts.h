#pragma once
// Texts the player's own windows show: menus, the close confirmation, the information window.
#include <string_view>

namespace qav::qt::texts {

inline constexpr std::string_view kAppTitle = "QAV Maker";

// Main menu.
inline constexpr std::string_view kMenuMain = "메뉴";
inline constexpr std::string_view kMenuSplash = "Qav Maker...";
inline constexpr std::string_view kMenuProgram = "프로그램...";
inline constexpr std::string_view kMenuQuit = "종료";
inline constexpr std::string_view kMenuData = "데이타";
inline constexpr std::string_view kMenuDataLoad = "데이타 불러오기";
inline constexpr std::string_view kMenuDataSave = "데이타 저장하기";

inline constexpr std::string_view kQuitQuestion = "정말로 종료하시겠습니까?";

// Information window.
inline constexpr std::string_view kAboutCaption = "프로그램 정보";
inline constexpr std::string_view kAboutBanner = "QAV Maker 제작 프로그램";
inline constexpr std::string_view kAboutOk = "확인";

// Where the splash sound lives, under the program's directory.
inline constexpr std::string_view kSplashSound = "Sound\\Title.Wav";

}  // namespace qav::qt::texts
