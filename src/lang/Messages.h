#pragma once
// Every text the interpreter shows or compares, defined once.
#include <string_view>

namespace qav::msg {

// Statement keywords.
inline constexpr std::string_view kDeclare = "선언";
inline constexpr std::string_view kDefine = "정의";
inline constexpr std::string_view kIf = "비교";
inline constexpr std::string_view kElse = "비교가틀리면";
inline constexpr std::string_view kEndIf = "비교끝";
inline constexpr std::string_view kLoop = "반복";
inline constexpr std::string_view kEndLoop = "반복끝";
inline constexpr std::string_view kLabel = "위치";
inline constexpr std::string_view kGoto = "이동";
inline constexpr std::string_view kRunEvent = "이벤트실행";
inline constexpr std::string_view kEnd = "종료";

// Condition connectors.
inline constexpr std::string_view kOr = "이거나";
inline constexpr std::string_view kAnd = "이고";
inline constexpr std::string_view kThen = "이면";

// Reference namespaces.
inline constexpr std::string_view kDataQualifier = "데이타";
inline constexpr std::string_view kSystemQualifier = "시스템";
inline constexpr std::string_view kRegisterQualifier = "레지스터";
inline constexpr std::string_view kRegisterWriteQualifier = "*레지스터";

// Special operands and the error value of expressions.
inline constexpr std::string_view kErrorValue = "#Error";
inline constexpr std::string_view kEmptyOperand = "#0";
inline constexpr std::string_view kSpaceOperand = "#32";
inline constexpr std::string_view kReturnOperand = "#13";
inline constexpr std::string_view kDateOperand = "#DATE";
inline constexpr std::string_view kTimeOperand = "#TIME";

// Script errors: declarations and control flow.
inline constexpr std::string_view kAlreadyDeclared = "이미 선언되어 있는 변수 입니다.";
inline constexpr std::string_view kCannotCompareType = "비교할 수 없는 타입의 변수 입니다.";
inline constexpr std::string_view kBadOperator = "비교 부등호가 정확하지 않습니다.";
inline constexpr std::string_view kMagnitudeNeedsNumber =
    "숫자형의 데이타만 크기 비교 부등호를 사용할 수 있습니다.";
inline constexpr std::string_view kBadCondition = "비교 문법이 정확하지 않습니다.";
inline constexpr std::string_view kStartNotNumber = "기준 변수는 숫자로 정의되어야 합니다.";
inline constexpr std::string_view kTargetNotNumber = "목표 변수는 숫자로 정의되어야 합니다.";
inline constexpr std::string_view kLoopVarPrefix = "메모리에서 ";
inline constexpr std::string_view kLoopVarSuffix = " 라는 변수를 찾을 수 없습니다.";
inline constexpr std::string_view kNoOpenLoop = "반복을 끝낼 반복문이 존재하지 않습니다.";
inline constexpr std::string_view kNoLabel = "이동할 위치가 지정되어 있지 않습니다.";
inline constexpr std::string_view kNoEventItem = "이벤트를 실행할 아이템이 존재하지 않습니다.";

// Script errors: assignment.
inline constexpr std::string_view kNotAssignable = "대입할 수 없는 타입의 변수입니다.";
inline constexpr std::string_view kNoArithmetic = "연산을 할 수 없는 타입의 변수입니다.";
inline constexpr std::string_view kNoFinalValue =
    "대입할 변수의 최종값이 메모리에 올라와 있지 않습니다.";
inline constexpr std::string_view kTypeMismatch = "대입할 변수의 타입이 일치하지 않습니다.";
inline constexpr std::string_view kNotAChoice = "항목에 지정할 수 없는 값입니다.";

// Keywords and script errors of the dialog, window, list and sound statements.
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
inline constexpr std::string_view kCurrentItem = "현재아이템";
inline constexpr std::string_view kNotPlayable = "작동을 시킬 수 있는 아이템이 아닙니다.";
inline constexpr std::string_view kNoFileName = "파일이름이 지정되지 않았습니다.";
inline constexpr std::string_view kNoButtons = "지정한 버튼이 하나도 없습니다.";
inline constexpr std::string_view kNoMessage = "출력할 메세지가 없습니다.";
inline constexpr std::string_view kNotWindow = "화면 아이템이 아닙니다.";
inline constexpr std::string_view kNotLineItem = "문자열 처리가 가능한 아이템이 아닙니다.";
inline constexpr std::string_view kDeleteLineNotNumber = "삭제 라인은 숫자로 정의되어야 합니다.";
inline constexpr std::string_view kNotCurrentItem =
    "현재 아이템 조회 처리가 가능한 아이템이 아닙니다.";
// A line position that is not among the lines of the item.
inline constexpr std::string_view kNoSuchLine = "삭제할 라인이 존재하지 않습니다.";
// The word between the message and the button words of "메세지버튼", and the word that asks
// "창보이기" for a modal display (compared with its letters raised).
inline constexpr std::string_view kButtonSeparator = "-";
inline constexpr std::string_view kModalWord = "Y";

// Keywords and script errors of the data-table statements.
inline constexpr std::string_view kDataNew = "데이타제작";
inline constexpr std::string_view kDataAdd = "데이타추가";
inline constexpr std::string_view kDataFind = "데이타검색";
inline constexpr std::string_view kDataUpdate = "데이타수정";
inline constexpr std::string_view kDataDelete = "데이타삭제";
inline constexpr std::string_view kDataCount = "데이타갯수";
inline constexpr std::string_view kDataList = "데이타목록";
inline constexpr std::string_view kDataLoad = "불러오기";
inline constexpr std::string_view kDataSave = "저장하기";
inline constexpr std::string_view kBadTable = "데이타 배열 이름이 잘못되었습니다.";
inline constexpr std::string_view kNoField = "데이타 항목을 찾을 수 없습니다.";
inline constexpr std::string_view kBadQueue = "데이타 큐에 들어있는 자료가 바르지 않습니다.";

// Script errors of fixed capacities (a script that outgrows the interpreter's tables).
inline constexpr std::string_view kTooManyTokens = "한 줄의 낱말이 너무 많습니다. (최대 1000개)";
inline constexpr std::string_view kTooManyVariables = "변수를 더 선언할 수 없습니다. (최대 100개)";
inline constexpr std::string_view kTooManyBlocks = "비교문을 더 겹쳐 쓸 수 없습니다. (최대 100개)";
inline constexpr std::string_view kTooManyLoops = "반복문을 더 겹쳐 쓸 수 없습니다. (최대 100개)";
inline constexpr std::string_view kTooManyLabels = "위치를 더 지정할 수 없습니다. (최대 100개)";
inline constexpr std::string_view kTooManyEventRuns =
    "이벤트실행이 너무 많이 이어져서 이벤트를 중단합니다. (최대 100번)";

// Asked after every so many lines of one event, so a script that never ends can be stopped.
inline constexpr std::string_view kLongRunQuestion =
    "스크립트가 오래 실행되고 있습니다. 계속 실행하시겠습니까?";

// The error report.
inline constexpr std::string_view kErrorHeadingContinue =
    "QAV Maker 일반적인 실행 오류가 일어났습니다. [Ok]를 누르시면 이벤트 실행을 계속 합니다.\r";
inline constexpr std::string_view kErrorHeadingChoose =
    "QAV Maker 일반적인 실행 오류가 일어났습니다.\r[Ok]를 눌러 이벤트 실행을 계속 하거나, "
    "[Cancel]로 이벤트를 중단할 수 있습니다.\r\r";
inline constexpr std::string_view kErrorOfEvent = "의 이벤트 ";
inline constexpr std::string_view kErrorLineSuffix = "번째 줄";

// Dialog captions.
inline constexpr std::string_view kAppTitle = "QAV Maker";
inline constexpr std::string_view kErrorCaption = "Error";
inline constexpr std::string_view kWarningCaption = "Warning";
inline constexpr std::string_view kInformationCaption = "Information";
inline constexpr std::string_view kInputCaption = "입력창";

// The main window.
inline constexpr std::string_view kQuitQuestion = "정말로 종료하시겠습니까?";
inline constexpr std::string_view kEventHolderPrefix = "Ivent_";
inline constexpr std::string_view kNoTab = "[None]";
inline constexpr std::string_view kProgramInfoDesign = "프로그램...";
inline constexpr std::string_view kDataLoaded = "데이타를 불러들었습니다. 새 데이타가 적용됩니다.";
inline constexpr std::string_view kDataSaved = "현재의 데이타를 저장하였습니다.";
inline constexpr std::string_view kAboutCaption = "프로그램 정보";
inline constexpr std::string_view kAboutProgram = "프로그램  :  ";
inline constexpr std::string_view kAboutMaker = "제 작 자  :  ";
inline constexpr std::string_view kAboutVersion = "버    젼  :  ";
inline constexpr std::string_view kEllipsis = "...";

}  // namespace qav::msg
