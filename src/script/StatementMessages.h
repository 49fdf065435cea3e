#pragma once
// Keywords, words and messages of the dialog, window, list, sound and data statements and of
// the data menu, each defined once.
#include <string_view>

namespace qav::msg {

// Statement keywords.
inline constexpr std::string_view kPlay = "작동";
inline constexpr std::string_view kInput = "입력";
inline constexpr std::string_view kMessage = "메세지";
inline constexpr std::string_view kMessageButtons = "메세지버튼";
inline constexpr std::string_view kShowWindow = "창보이기";
inline constexpr std::string_view kHideWindow = "창감추기";
inline constexpr std::string_view kClearLines = "문자열모두삭제";
inline constexpr std::string_view kAddLine = "문자열추가";
inline constexpr std::string_view kDeleteLine = "문자열삭제";
inline constexpr std::string_view kFindLine = "문자열검색";
inline constexpr std::string_view kCountLines = "문자열줄수";
inline constexpr std::string_view kCurrentEntry = "현재아이템";
inline constexpr std::string_view kNewRecord = "데이타제작";
inline constexpr std::string_view kAppendRecord = "데이타추가";
inline constexpr std::string_view kFindRecord = "데이타검색";
inline constexpr std::string_view kUpdateRecord = "데이타수정";
inline constexpr std::string_view kDeleteRecord = "데이타삭제";
inline constexpr std::string_view kCountRecords = "데이타갯수";
inline constexpr std::string_view kListRecords = "데이타목록";
inline constexpr std::string_view kLoadData = "불러오기";
inline constexpr std::string_view kSaveData = "저장하기";

// The separator of "메세지버튼" between the message and the button words, and the word that
// asks "창보이기" for a modal display (compared with its letters raised).
inline constexpr std::string_view kButtonSeparator = "-";
inline constexpr std::string_view kModalWord = "Y";

// Script errors.
inline constexpr std::string_view kNotPlayable = "작동을 시킬 수 있는 아이템이 아닙니다.";
inline constexpr std::string_view kNoFileName = "파일이름이 지정되지 않았습니다.";
inline constexpr std::string_view kNoButtons = "지정한 버튼이 하나도 없습니다.";
inline constexpr std::string_view kNoMessage = "출력할 메세지가 없습니다.";
inline constexpr std::string_view kNotAWindow = "화면 아이템이 아닙니다.";
inline constexpr std::string_view kNotALineItem = "문자열 처리가 가능한 아이템이 아닙니다.";
inline constexpr std::string_view kLineNotNumber = "삭제 라인은 숫자로 정의되어야 합니다.";
inline constexpr std::string_view kNoCurrentEntry =
    "현재 아이템 조회 처리가 가능한 아이템이 아닙니다.";
// A line position that is not among the lines of the item.
inline constexpr std::string_view kNoSuchLine = "삭제할 라인이 존재하지 않습니다.";
inline constexpr std::string_view kBadTableName = "데이타 배열 이름이 잘못되었습니다.";
inline constexpr std::string_view kNoSuchField = "데이타 항목을 찾을 수 없습니다.";
inline constexpr std::string_view kBadQueueData = "데이타 큐에 들어있는 자료가 바르지 않습니다.";

// The data menu.
inline constexpr std::string_view kDataLoaded = "데이타를 불러들었습니다. 새 데이타가 적용됩니다.";
inline constexpr std::string_view kDataSaved = "현재의 데이타를 저장하였습니다.";

}  // namespace qav::msg
