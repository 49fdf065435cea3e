#include "script/StatementForms.h"

#include "lang/Texts.h"

namespace qav::script {
namespace {

std::string s(std::string_view text) {
  return std::string(text);
}

std::vector<StatementForm> makeForms() {
  using namespace msg;
  const std::string loopVariableMissing = s(kLoopVarPrefix) + "\"VAR\"" + s(kLoopVarSuffix);
  return {
      {kDeclare,
       "NAME ...",
       "선언 이름 나이",
       "Declares script variables, each empty at first. A variable lives until the event's "
       "script ends; scripts read and write it as `:NAME`.",
       {},
       {s(kAlreadyDeclared), s(kTooManyVariables)}},
      {kDefine,
       "TARGET = VALUE",
       "정의 라벨1:제목 = 안녕 ~ #32 ~ :이름",
       "Assigns the value of an expression. A target without `:` is a variable. Fonts, pictures "
       "and lists of lines move between items that have them; a choice property takes only its "
       "choice words.",
       {},
       {s(kNotAssignable), s(kNoArithmetic), s(kNoFinalValue), s(kTypeMismatch),
        "TARGET" + s(kNotAChoice) + " (only with option 1)"}},
      {kIf,
       "LEFT OP RIGHT [이거나|이고 LEFT OP RIGHT]... 이면",
       "비교 :나이 >= 20 이고 :이름 <> #0 이면",
       "Opens a block: the lines up to `비교가틀리면` or `비교끝` run when the condition holds. "
       "LEFT is one token (a bare word is a variable); OP is one of = <> >< > < >= => <= =<; "
       "the comparisons are joined left to right without precedence.",
       {},
       {s(kCannotCompareType), s(kBadOperator), s(kMagnitudeNeedsNumber), s(kBadCondition),
        s(kTooManyBlocks)}},
      {kElse, "", "비교가틀리면", "Switches the innermost block to its other branch.", {}, {}},
      {kEndIf, "", "비교끝", "Closes the innermost block.", {}, {}},
      {kLoop,
       "VAR = START to TARGET",
       "반복 i = 1 to 10",
       "Opens a loop: the declared variable VAR counts from START to TARGET (numbers), one up or "
       "down, both included; the body runs at least once. The words in the places of `=` and "
       "`to` are not read.",
       {},
       {s(kStartNotNumber), s(kTargetNotNumber), loopVariableMissing, s(kTooManyLoops)}},
      {kEndLoop,
       "",
       "반복끝",
       "Steps the innermost loop's variable and goes back to the line after `반복` until the "
       "variable passes the target.",
       {},
       {s(kNoOpenLoop)}},
      {kLabel,
       "LABEL",
       "위치 다시",
       "Marks this line with a label (the first line of a label counts).",
       {},
       {s(kTooManyLabels)}},
      {kGoto,
       "LABEL",
       "이동 다시",
       "Goes on after the line of a label that this run has already passed.",
       {},
       {s(kNoLabel)}},
      {kRunEvent,
       "ITEM",
       "이벤트실행 버튼2",
       "Runs ITEM's event script (a window's activation script) in place of this script: the "
       "lines after this one do not run.",
       {},
       {s(kNoEventItem), s(kTooManyEventRuns)}},
      {kEnd, "", "종료", "Ends the script.", {}, {}},
      {kInput,
       "PROMPT",
       "입력 이름이 무엇인가요?",
       "Asks for a text in an input box; register 1 receives it (empty when cancelled).",
       {1},
       {}},
      {kMessage,
       "TEXT",
       "메세지 안녕하세요, ~ #32 ~ 레지스터:1 ~ 님!",
       "Shows the text in a message box with an OK button.",
       {},
       {}},
      {kMessageButtons,
       "TEXT - BUTTON ...",
       "메세지버튼 저장할까요? - yes no cancel",
       "Shows the text with the chosen buttons (yes, no, ok, cancel, abort, retry, ignore, all; "
       "any letter case); register 2 receives the button chosen (`Yes`, `No`, `Ok`, `Cancel`, "
       "`Abort`, `Retry`, `Ignore`, `All`).",
       {2},
       {s(kNoButtons), s(kNoMessage)}},
      {kShowWindow,
       "WINDOW [Y]",
       "창보이기 설정 Y",
       "Shows a window; with `Y` modally: the script waits until the window is closed, and the "
       "window's items run no scripts meanwhile.",
       {},
       {s(kNotWindow)}},
      {kHideWindow,
       "WINDOW",
       "창감추기 설정",
       "Hides a window, or closes it when it was shown with `Y`.",
       {},
       {s(kNotWindow)}},
      {kPlay,
       "SOUND",
       "작동 소리1",
       "Starts playing the file of a sound item; the script goes on at once.",
       {},
       {s(kNotPlayable), s(kNoFileName)}},
      {kClearLines,
       "ITEM",
       "문자열모두삭제 목록1",
       "Removes every line of a memo, list box or combo box.",
       {},
       {s(kNotLineItem)}},
      {kAddLine,
       "ITEM TEXT",
       "문자열추가 목록1 :이름",
       "Appends the text as a new last line.",
       {},
       {s(kNotLineItem)}},
      {kDeleteLine,
       "ITEM N",
       "문자열삭제 목록1 2",
       "Deletes line N (from 1).",
       {},
       {s(kDeleteLineNotNumber), s(kNotLineItem), s(kNoSuchLine)}},
      {kFindLine,
       "ITEM TEXT",
       "문자열검색 목록1 홍길동",
       "Register 3 receives the place (from 1) of the first line equal to the text, Latin "
       "letters compared in any case; 0 when there is none.",
       {3},
       {s(kNotLineItem)}},
      {kCountLines,
       "ITEM",
       "문자열줄수 메모1",
       "Register 4 receives the number of lines.",
       {4},
       {s(kNotLineItem)}},
      {kCurrentItem,
       "ITEM",
       "현재아이템 목록1",
       "For a list or combo box, register 6 receives the place of the selected entry (from 1; "
       "0 for none) and register 7 its text; for a page control, register 6 receives the "
       "active page (from 0) and register 7 its caption.",
       {6, 7},
       {s(kNotCurrentItem)}},
      {kDataNew,
       "TABLE",
       "데이타제작 회원",
       "Starts a new record of the table in the record buffer; give its fields with "
       "`정의 데이타:FIELD = VALUE`.",
       {},
       {s(kBadTable)}},
      {kDataAdd,
       "",
       "데이타추가",
       "Appends the record buffer to its table as a new row.",
       {},
       {s(kBadTable)}},
      {kDataFind,
       "TABLE FIELD VALUE",
       "데이타검색 회원 이름 :이름",
       "Loads the last row whose field equals the value into the record buffer (cleared when no "
       "row matches); scripts read its fields as `데이타:FIELD`.",
       {},
       {s(kBadTable), s(kNoField)}},
      {kDataUpdate,
       "",
       "데이타수정",
       "Stores the record buffer back into the row it was found in; does nothing when no row "
       "was found.",
       {},
       {s(kBadQueue)}},
      {kDataDelete,
       "",
       "데이타삭제",
       "Deletes the row that the record buffer was found in.",
       {},
       {s(kBadQueue)}},
      {kDataCount,
       "TABLE",
       "데이타갯수 회원",
       "Register 5 receives the table's number of rows.",
       {5},
       {s(kBadTable)}},
      {kDataList,
       "TABLE FIELD ITEM",
       "데이타목록 회원 이름 목록1",
       "Fills a memo, list box or combo box with the field of every row.",
       {},
       {s(kBadTable), s(kNoField), s(kNotLineItem)}},
      {kDataLoad, "", "불러오기", "Reads every table again from the data file.", {}, {}},
      {kDataSave,
       "",
       "저장하기",
       "Writes every table to the data file; when it cannot, the message says why.",
       {},
       {}},
  };
}

}  // namespace

const std::vector<StatementForm>& statementForms() {
  static const std::vector<StatementForm> forms = makeForms();
  return forms;
}

const std::vector<std::string>& generalMessages() {
  static const std::vector<std::string> messages = {s(msg::kTooManyTokens), s(msg::kTextTooLong),
                                                    s(msg::kOutOfMemory)};
  return messages;
}

const std::vector<OperandForm>& operandForms() {
  using namespace msg;
  static const std::vector<OperandForm> forms = {
      {":NAME", "a script variable"},
      {"ITEM:PROPERTY",
       "a property of a window or item, by its run-time name (the stream name without its "
       "first five characters; Latin letters in any case)"},
      {s(kDataQualifier) + ":FIELD", "a field of the record buffer of the data statements"},
      {s(kSystemQualifier) + ":N", "system value N (1 to 50), read and written"},
      {s(kRegisterQualifier) + ":N", "register N (1 to 10), read"},
      {s(kRegisterWriteQualifier) + ":N", "register N (1 to 10), written"},
      {s(kEmptyOperand), "the empty text"},
      {s(kSpaceOperand), "one space"},
      {s(kReturnOperand), "a line break"},
      {s(kDateOperand), "today's date, yyyy-MM-dd"},
      {s(kTimeOperand), "the time, HH:mm:ss"},
      {s(kErrorValue), "what an expression gives that cannot be worked out"},
      {"+ - * / %",
       "arithmetic on whole numbers; when either side is not a number, + joins the texts"},
      {"~", "joins two texts (also numbers: 1 ~ 2 is 12)"},
      {"( )", "groups; + and - bind weaker than * / % ~"},
      {s(kAnd) + " " + s(kOr), "join two comparisons of `비교`: and, or"},
      {s(kThen), "ends the condition of `비교`"},
  };
  return forms;
}

}  // namespace qav::script
