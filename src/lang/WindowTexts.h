#pragma once
// Texts of the player's own windows (menus, the information window) that the hub does not
// show itself; the others are in lang/Messages.h.
#include <string_view>

namespace qav::texts {

// Main menu.
inline constexpr std::string_view kMenuMain = "메뉴";
inline constexpr std::string_view kMenuSplash = "Qav Maker...";
inline constexpr std::string_view kMenuProgram = "프로그램...";
inline constexpr std::string_view kMenuQuit = "종료";
inline constexpr std::string_view kMenuData = "데이타";
inline constexpr std::string_view kMenuDataLoad = "데이타 불러오기";
inline constexpr std::string_view kMenuDataSave = "데이타 저장하기";

// Information window.
inline constexpr std::string_view kAboutBanner = "QAV Maker 제작 프로그램";
inline constexpr std::string_view kAboutOk = "확인";

// Where the splash sound lives, under the program's directory.
inline constexpr std::string_view kSplashSound = "Sound\\Title.Wav";

}  // namespace qav::texts
