#pragma once
// Run-time and record class names that the hub, the dispatch and the interpreter test.
#include <string_view>

namespace qav::cls {

inline constexpr std::string_view kMain = "TMain";
inline constexpr std::string_view kForm = "TForm";
inline constexpr std::string_view kIvent = "TIvent";

inline constexpr std::string_view kMainData = "TMainData";
inline constexpr std::string_view kDataQueue = "TDataQueue";
inline constexpr std::string_view kPanel = "TNewPanel";

inline constexpr std::string_view kLabel = "TNewLabel";
inline constexpr std::string_view kLine = "TLine";
inline constexpr std::string_view kBox = "TBox";
inline constexpr std::string_view kButton = "TNewButton";
inline constexpr std::string_view kImage = "TNewImage";
inline constexpr std::string_view kEdit = "TNewEdit";
inline constexpr std::string_view kMemo = "TNewMemo";
inline constexpr std::string_view kListBoxRecord = "TNewListBox";
inline constexpr std::string_view kListBox = "TRunListBox";
inline constexpr std::string_view kComboBoxRecord = "TNewComboBox";
inline constexpr std::string_view kComboBox = "TRunComboBox";
inline constexpr std::string_view kCheckBox = "TNewCheckBox";
inline constexpr std::string_view kRadioButton = "TNewRadioButton";
inline constexpr std::string_view kTimerRecord = "TNewTimer";
inline constexpr std::string_view kTimer = "TRunTimer";
inline constexpr std::string_view kAlarmRecord = "TNewAlarm";
inline constexpr std::string_view kAlarm = "TRunAlarm";
inline constexpr std::string_view kPageRecord = "TNewPage";
inline constexpr std::string_view kPage = "TRunPage";
inline constexpr std::string_view kTab = "TTabSheet";
inline constexpr std::string_view kSoundRecord = "TNewSound";
inline constexpr std::string_view kSound = "TMediaPlayer";  // the player a sound record becomes
inline constexpr std::string_view kProgress = "TNewProgress";
inline constexpr std::string_view kWatch = "TNewWatch";
inline constexpr std::string_view kData = "TNewData";
inline constexpr std::string_view kLoadBox = "TNewLoadBox";
inline constexpr std::string_view kSaveBox = "TNewSaveBox";

}  // namespace qav::cls
