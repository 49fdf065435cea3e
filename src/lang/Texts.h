#pragma once
// The program's fixed texts, each defined once: class names, property names, value words,
// messages and the texts of the player's own windows. The conversions between values and
// words are in lang/Vocabulary.h.
#include <string_view>

// Run-time and record class names that the hub, the dispatch and the interpreter test.
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

// Korean property names as scripts write them: the schema tables and the item property
// tables compare against these.
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

// Korean value words of the property tables and scripts.
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

// Every text the interpreter shows or compares.
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

// One text may grow to this many bytes; a script that makes a longer one gets this error.
inline constexpr std::string_view kTextTooLong = "문자열이 너무 깁니다. (최대 64MB)";
// Memory ran out while a script ran: the event ends.
inline constexpr std::string_view kOutOfMemory = "메모리가 부족해서 이벤트를 중단합니다.";

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
// The data file. A name that would leave the program's folder or name the program itself is
// refused: nothing is loaded and a save says why (the stored name follows these texts).
inline constexpr std::string_view kDataFileNoName =
    "데이타 파일 이름이 비어 있어서 데이타를 저장할 수 없습니다.";
inline constexpr std::string_view kDataFileOutside =
    "데이타 파일은 프로그램이 있는 폴더 안에만 둘 수 있어서 데이타를 저장할 수 없습니다: ";
inline constexpr std::string_view kDataFileIsProgram =
    "데이타 파일 이름이 프로그램 파일 자신을 가리켜서 데이타를 저장할 수 없습니다: ";
inline constexpr std::string_view kDataFileLinkOutside =
    "데이타 파일이 프로그램 폴더 밖을 가리키는 링크여서 데이타를 저장할 수 없습니다: ";
// A save after a program file that could not be read: there is no data file to write.
inline constexpr std::string_view kNoDataFile =
    "프로그램 파일을 읽지 못해서 데이타 파일이 정해지지 않았습니다. 데이타를 저장할 수 없습니다.";
// A data file that exists but cannot be read: the tables start empty and the file is kept
// as "<data file>.bak" before the first save replaces it. The file's path goes between.
inline constexpr std::string_view kDataFileUnreadable = "데이타 파일을 읽을 수 없습니다: ";
inline constexpr std::string_view kDataFileUnreadableKept =
    "\r데이타가 비어 있는 상태로 시작합니다. 처음 저장할 때 원래 파일은 다음 이름으로 "
    "보관됩니다: ";
inline constexpr std::string_view kBackupSuffix = ".bak";
inline constexpr std::string_view kBackupFailed =
    "읽을 수 없었던 데이타 파일을 보관하지 못해서 데이타를 저장하지 않았습니다: ";
// The saved file would no longer belong to the user who owns the data file.
inline constexpr std::string_view kOwnerNotKept =
    "데이타 파일의 소유자를 그대로 둘 수 없어서 데이타를 저장하지 않았습니다: ";
// Load failures, shown once when a program cannot be read. A record is named by its stream
// name and class ("Lbl01 (TNewLabel) 레코드: "), then what is wrong.
inline constexpr std::string_view kLoadHeading =
    "프로그램을 읽는 중에 문제가 있어서 읽기를 멈췄습니다.\r";
inline constexpr std::string_view kRecordWord = " 레코드: ";
inline constexpr std::string_view kNameNotIdentifier =
    "은(는) 이름으로 쓸 수 없습니다. 이름은 영문자, 숫자, 밑줄(_)로 짓고 숫자로 시작하지 "
    "않아야 합니다.";
inline constexpr std::string_view kNameCutEmpty =
    "이름이 다섯 글자 이하여서, 앞의 다섯 글자를 떼면 실행할 때 쓸 이름이 남지 않습니다.";
inline constexpr std::string_view kNameReserved =
    "은(는) 프로그램이 스스로 쓰는 이름이어서 쓸 수 없습니다.";
inline constexpr std::string_view kNameTakenBy = "은(는) 이미 ";
inline constexpr std::string_view kNameTakenTail =
    " 레코드가 쓰고 있는 이름입니다. 이름은 영문 대소문자를 가리지 않고 모두 달라야 합니다.";
inline constexpr std::string_view kNoStartWindow =
    "Pages_Name에 시작 창의 이름이 없습니다. 첫 줄에 시작 창의 이름이 있어야 합니다.";
inline constexpr std::string_view kProgramUnreadable = "프로그램 파일을 열 수 없습니다: ";
inline constexpr std::string_view kStreamCutShort =
    "프로그램에 담긴 프로젝트 자료가 중간에 끊겨 있습니다.";
inline constexpr std::string_view kStreamMalformed =
    "프로그램에 담긴 프로젝트 자료의 형식이 올바르지 않습니다.";
inline constexpr std::string_view kUnknownClass = "알 수 없는 종류의 레코드입니다.";
inline constexpr std::string_view kPropertyWord = "속성 ";
inline constexpr std::string_view kUnknownProperty = "은(는) 이 종류에 없는 속성입니다.";
inline constexpr std::string_view kHandlerGiven =
    "에 이벤트 처리기가 지정되어 있습니다. 이 속성에는 아무것도 지정할 수 없습니다.";
inline constexpr std::string_view kWrongValue = "의 값이 올바르지 않습니다. 이 속성에는 ";
inline constexpr std::string_view kWrongValueTail = "이(가) 들어가야 합니다.";
inline constexpr std::string_view kValueCutShort = "의 값을 읽다가 자료가 끊겼습니다.";
// What a property of each kind takes, in the author's terms.
inline constexpr std::string_view kKindInteger = "정수";
inline constexpr std::string_view kKindBoolean = "참/거짓 값(True 또는 False)";
inline constexpr std::string_view kKindText = "글자";
inline constexpr std::string_view kKindLines = "여러 줄의 글자";
inline constexpr std::string_view kKindOneOf = "다음 값 가운데 하나: ";
inline constexpr std::string_view kKindSetOf = "다음 값들의 묶음: ";
inline constexpr std::string_view kKindDateTime = "날짜와 시각";
inline constexpr std::string_view kKindFloat = "숫자";
inline constexpr std::string_view kKindColour = "색(clRed 같은 색 이름이나 정수)";
inline constexpr std::string_view kKindCursor = "마우스 모양(crArrow 같은 이름이나 정수)";
inline constexpr std::string_view kKindCharset = "문자 집합(HANGEUL_CHARSET 같은 이름이나 정수)";
inline constexpr std::string_view kKindBinary = "그림 같은 이진 자료";
inline constexpr std::string_view kKindReference = "다른 아이템의 이름";
inline constexpr std::string_view kKindCollection = "항목 모음";
inline constexpr std::string_view kFirstNotSettings =
    "프로그램의 첫 레코드는 설정 레코드(TMainData)여야 합니다.";
inline constexpr std::string_view kSettingsShort =
    "Data_Backup에 설정 표가 1159줄 있어야 하는데 모자랍니다. 있는 줄 수: ";
inline constexpr std::string_view kValueListsShort =
    "Backup_Names와 Backup_Value에는 100줄씩 있어야 하는데 모자랍니다.";
inline constexpr std::string_view kIconUnreadable = "창의 아이콘 파일을 읽을 수 없습니다: ";
// File errors a user sees (a data file that cannot be saved, a picture that cannot be read):
// the text, then the file's name, then why.
inline constexpr std::string_view kCannotCreateFile = "파일을 만들 수 없습니다: ";
inline constexpr std::string_view kCannotWriteFile = "파일에 쓸 수 없습니다: ";
inline constexpr std::string_view kCannotOpenFile = "파일을 열 수 없습니다: ";
inline constexpr std::string_view kNotAPicture = "그림 파일이 아니거나 손상되었습니다: ";
inline constexpr std::string_view kNoSuchFolder = "폴더나 파일이 없습니다";
inline constexpr std::string_view kNoPermission = "권한이 없습니다";
inline constexpr std::string_view kDiskFull = "디스크 공간이 모자랍니다";
inline constexpr std::string_view kReadOnlyDisk = "읽기 전용 디스크입니다";
inline constexpr std::string_view kIsFolder = "같은 이름의 폴더가 있습니다";
// The data menu after a program that could not be read, and a load that found no file.
inline constexpr std::string_view kDataNotLoadedNoProgram =
    "프로그램 파일을 읽지 못해서 데이타 파일이 정해지지 않았습니다. 데이타를 불러오지 "
    "않았습니다.";
inline constexpr std::string_view kDataFileMissing =
    "데이타 파일이 없어서 불러온 데이타가 없습니다: ";
inline constexpr std::string_view kDataNotLoadedUnreadable =
    "데이타 파일을 읽을 수 없어서 데이타를 불러오지 않았습니다.";
inline constexpr std::string_view kAboutCaption = "프로그램 정보";
inline constexpr std::string_view kAboutProgram = "프로그램  :  ";
inline constexpr std::string_view kAboutMaker = "제 작 자  :  ";
inline constexpr std::string_view kAboutVersion = "버    젼  :  ";
inline constexpr std::string_view kEllipsis = "...";

}  // namespace qav::msg

// Texts of the player's own windows (menus, the information window) that the hub does not
// show itself.
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
