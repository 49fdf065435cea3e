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

// Script errors of fixed capacities (a script that outgrows the interpreter's tables).
inline constexpr std::string_view kTooManyTokens = "한 줄의 낱말이 너무 많습니다. (최대 1000개)";
inline constexpr std::string_view kTooManyVariables = "변수를 더 선언할 수 없습니다. (최대 100개)";
inline constexpr std::string_view kTooManyBlocks = "비교문을 더 겹쳐 쓸 수 없습니다. (최대 100개)";
inline constexpr std::string_view kTooManyLoops = "반복문을 더 겹쳐 쓸 수 없습니다. (최대 100개)";
inline constexpr std::string_view kTooManyLabels = "위치를 더 지정할 수 없습니다. (최대 100개)";
inline constexpr std::string_view kTooManyEventRuns =
    "이벤트실행이 너무 많이 이어져서 이벤트를 중단합니다. (최대 100번)";

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
inline constexpr std::string_view kEllipsis = "...";

}  // namespace qav::msg
