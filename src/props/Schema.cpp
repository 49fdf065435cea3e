#include "props/Schema.h"

#include <array>
#include <unordered_map>

#include "base/Cp949.h"
#include "base/Text.h"
#include "lang/Texts.h"

namespace qav {
namespace {

using Words = std::vector<std::string_view>;

// One row as the tables below define it: code, property name, choices (none for rows that are
// not closed choices) and help text (empty: the shared help text of the property name).
struct RowDef {
  std::string_view code;
  std::string_view name;
  Words choices = {};
  std::string_view help = {};
};

struct TableDef {
  std::string_view name;
  std::vector<RowDef> rows;
};

const Words& truthWords() {
  static const Words w{words::kTrue, words::kFalse};
  return w;
}

const Words& colourWords() {
  static const Words w{
      words::kBlack,      words::kBlue,         words::kGreen,        words::kSky,
      words::kRed,        words::kPurple,       words::kYellow,       words::kSilver,
      words::kGrey,       words::kBrightBlue,   words::kBrightGreen,  words::kBrightSky,
      words::kBrightRed,  words::kBrightPurple, words::kBrightYellow, words::kWhite,
      words::kButtonFace, words::kWindowColour,
  };
  return w;
}

const Words& cursorWords() {
  static const Words w{
      words::kCursorDefault,  words::kCursorArrow,    words::kCursorInput,     words::kCursorWait,
      words::kCursorAppStart, words::kCursorNo,       words::kCursorCross,     words::kCursorHand,
      words::kCursorHelp,     words::kCursorDrag,     words::kCursorMultiDrag, words::kCursorNoDrop,
      words::kCursorHSplit,   words::kCursorVSplit,   words::kCursorSizeWE,    words::kCursorSizeNS,
      words::kCursorSizeNWSE, words::kCursorSizeNESW,
  };
  return w;
}

// Help texts shared by every table that carries the property under the same meaning.
struct Help {
  std::string_view name;
  std::string_view text;
};
constexpr std::array kSharedHelp = {
    Help{prop::kName, "현재 아이템의 고유 이름을 입력합니다."},
    Help{prop::kCaption, "아이템에 나타날 제목을 입력합니다."},
    Help{prop::kAccess, "아이템에 접근이 가능한지 설정합니다."},
    Help{prop::kExists, "아이템이 화면에 나타날지 설정합니다."},
    Help{prop::kLeft, "아이템의 가로 위치를 설정합니다."},
    Help{prop::kTop, "아이템의 세로 위치를 설정합니다."},
    Help{prop::kWidth, "아이템의 가로 크기를 설정합니다."},
    Help{prop::kHeight, "아이템의 세로 크기를 설정합니다."},
    Help{prop::kCursor, "마우스가 아이템 위에 있을때 나타날 커서 모양을 선택합니다."},
    Help{prop::kFont, "폰트, 문자의 색상등을 선택합니다."},
    Help{prop::kColour, "아이템의 바탕색을 선택합니다."},
    Help{prop::kParentColour, "아이템이 놓인 창의 바탕색을 따를지 설정합니다."},
    Help{prop::kParentFont, "아이템이 놓인 창의 글자모양을 따를지 설정합니다."},
    Help{prop::kTransparent, "아이템의 바탕을 투명하게 할지 설정합니다."},
    Help{prop::kTabStop, "탭 키로 아이템에 이동할 수 있는지 설정합니다."},
    Help{prop::kTabOrder, "탭 키로 이동할 때의 순서를 설정합니다."},
    Help{prop::kHint, "마우스가 아이템 위에 일시동안 올려질때 나타날 간단한 도움말을 입력합니다."},
    Help{prop::kBorder, "아이템의 테두리를 나타낼지 설정합니다."},
    Help{prop::kReadOnly, "문자열을 읽기만 하고 고칠 수 없게 할지 설정합니다."},
    Help{prop::kHorizontalAlign, "제목의 가로 정렬 방식을 선택합니다."},
    Help{prop::kVerticalAlign, "제목의 세로 정렬 방식을 선택합니다."},
    Help{prop::kAutoSize, "내용에 맞게 아이템의 크기를 자동으로 조정할지 설정합니다."},
    Help{prop::kPicture, "아이템에 나타날 그림을 선택합니다."},
    Help{prop::kPictureLayout, "제목에 대한 그림의 위치를 선택합니다."},
    Help{prop::kPictureMargin, "그림과 제목 사이의 간격을 설정합니다."},
    Help{prop::kItems, "목록에 나타날 아이템들을 입력합니다."},
    Help{prop::kEditable, "목록에 없는 내용을 직접 입력할 수 있는지 설정합니다."},
    Help{prop::kSorted, "아이템들을 가나다순으로 정렬할지 설정합니다."},
    Help{prop::kText, "아이템에 입력된 문자열을 설정합니다."},
    Help{prop::kMaxBytes, "입력할 수 있는 최대 바이트 수를 설정합니다."},
    Help{prop::kMaxLines, "입력할 수 있는 최대 줄 수를 설정합니다."},
    Help{prop::kScrollBars, "스크롤바의 형태를 선택합니다."},
    Help{prop::kWordWrap, "줄 끝에서 자동으로 다음 줄로 넘길지 설정합니다."},
    Help{prop::kInputStyle, "입력할 수 있는 문자의 종류를 선택합니다."},
    Help{prop::kMinValue, "입력할 수 있는 최소값을 설정합니다."},
    Help{prop::kMaxValue, "입력할 수 있는 최대값을 설정합니다."},
    Help{prop::kMaxLength, "입력할 수 있는 최대 길이를 설정합니다."},
    Help{prop::kCharCase, "입력된 영문자의 대소문자 변환 방식을 선택합니다."},
    Help{prop::kPassword, "입력된 문자를 감추어 나타낼지 설정합니다."},
    Help{prop::kStretch, "그림을 아이템 크기에 맞추어 늘이거나 줄일지 설정합니다."},
    Help{prop::kCentre, "그림을 아이템의 가운데에 나타낼지 설정합니다."},
    Help{prop::kChecked, "아이템의 선택 표시 여부를 설정합니다."},
    Help{prop::kOnly, "같은 그룹에서 하나만 선택되게 할지 설정합니다."},
    Help{prop::kGroup, "아이템이 속할 그룹의 번호를 설정합니다."},
    Help{prop::kDirection, "제목에 대한 선택 상자의 위치를 선택합니다."},
    Help{prop::kRunning, "아이템을 작동시킬지 설정합니다."},
    Help{prop::kInterval, "아이템의 작동 간격을 설정합니다. (단위 0.001초)"},
    Help{prop::kAlarmDate, "알람이 울릴 날짜를 입력합니다."},
    Help{prop::kAlarmTime, "알람이 울릴 시간을 입력합니다."},
    Help{prop::kHandColour, "시계 바늘의 색을 선택합니다."},
    Help{prop::kSecondHand, "초침을 나타낼지 설정합니다."},
    Help{prop::kActiveWindow, "처음에 나타날 페이지를 설정합니다."},
    Help{prop::kMultiLine, "페이지 탭을 여러 줄로 나타낼지 설정합니다."},
    Help{prop::kTabPosition, "페이지 탭의 위치를 선택합니다."},
    Help{prop::kPages, "페이지의 이름과 그 안에 나타날 창들을 설정합니다."},
    Help{prop::kData, "데이타 아이템의 이름과 값들을 설정합니다."},
    Help{prop::kFileName, "재생할 소리 파일의 이름을 입력합니다."},
    Help{prop::kAngle, "도형의 회전 각도를 선택합니다."},
    Help{prop::kFilled, "도형의 안쪽을 칠할지 설정합니다."},
    Help{prop::kBorderColour, "도형의 테두리 선 색을 선택합니다."},
    Help{prop::kBorderWidth, "도형의 테두리 선 두께를 설정합니다."},
    Help{prop::kShadowColour, "도형의 그림자 색을 선택합니다."},
    Help{prop::kShadowWidth, "도형의 그림자 두께를 설정합니다."},
    Help{prop::kBarColour, "그래프가 채워지는 부분의 색을 선택합니다."},
    Help{prop::kShowText, "진행 정도를 글자로 나타낼지 설정합니다."},
    Help{prop::kProgress, "그래프의 현재값을 설정합니다."},
};

std::string_view sharedHelp(std::string_view name) {
  for (const auto& h : kSharedHelp)
    if (h.name == name) return h.text;
  return {};
}

// The window rows, shared by every run-time window and the main window.
std::vector<RowDef> windowRows() {
  const Words& truth = truthWords();
  return {
      {"EXX", prop::kName, {}, "현재 창의 고유 이름을 입력합니다."},
      {"EOS", prop::kCaption, {}, "창의 제목 표시줄에 나타날 제목을 입력합니다."},
      {"NXX", prop::kIcon, {}, "창의 아이콘으로 쓸 파일을 지정합니다."},
      {"COC", prop::kSystemButton, truth, "창의 시스템 메뉴 버튼을 나타낼지 설정합니다."},
      {"COC", prop::kMinButton, truth, "창의 최소화 버튼을 나타낼지 설정합니다."},
      {"COC", prop::kMaxButton, truth, "창의 최대화 버튼을 나타낼지 설정합니다."},
      {"COC",
       prop::kWindowState,
       {words::kNone, words::kFixedSize, words::kSizeable},
       "창의 테두리 형태를 선택합니다."},
      {"ZXX", prop::kWindowSize, {}, "창의 크기를 나타냅니다."},
      {"COC", prop::kCursor, cursorWords(),
       "마우스가 창 위에 있을때 나타날 커서 모양을 선택합니다."},
      {"OOF", prop::kFont},
      {"COC", prop::kColour, colourWords(), "창의 바탕색을 선택합니다."},
      {"COC", prop::kStayOnTop, truth, "창을 항상 다른 창들 위에 나타낼지 설정합니다."},
      {"COC", prop::kAutoScale, truth, "화면에 맞게 창의 크기를 자동으로 조정할지 설정합니다."},
  };
}

// One part of an item table: a row, or a group of rows several tables share.
struct Part {
  Part(std::string_view code, std::string_view name, Words choices = {}, std::string_view help = {})
      : rows{{code, name, std::move(choices), help}} {}
  Part(std::vector<RowDef> group) : rows(std::move(group)) {}
  std::vector<RowDef> rows;
};

// An item's table: the name row, then the parts in order.
TableDef itemTable(std::string_view name, std::initializer_list<Part> parts) {
  TableDef t{name, {{"EXX", prop::kName}}};
  for (const Part& p : parts) t.rows.insert(t.rows.end(), p.rows.begin(), p.rows.end());
  return t;
}

std::vector<RowDef> geometry() {
  return {{"EOS", prop::kLeft}, {"EOS", prop::kTop}, {"EOS", prop::kWidth}, {"EOS", prop::kHeight}};
}
// Existence, the geometry and the cursor: how a drawn item's table starts.
std::vector<RowDef> drawn() {
  std::vector<RowDef> rows = geometry();
  rows.insert(rows.begin(), RowDef{"COC", prop::kExists, truthWords()});
  rows.push_back(RowDef{"COC", prop::kCursor, cursorWords()});
  return rows;
}
// Access first: how a placed control's table starts.
std::vector<RowDef> placed() {
  std::vector<RowDef> rows = drawn();
  rows.insert(rows.begin(), RowDef{"COC", prop::kAccess, truthWords()});
  return rows;
}
std::vector<RowDef> fontAndColour() {
  return {{"OOF", prop::kFont}, {"COC", prop::kColour, colourWords()}};
}
std::vector<RowDef> parents() {
  return {{"COC", prop::kParentColour, truthWords()}, {"COC", prop::kParentFont, truthWords()}};
}
// Tab stop, tab order and the hint: how a focusable control's table ends.
std::vector<RowDef> tabsAndHint() {
  return {{"COC", prop::kTabStop, truthWords()}, {"EOS", prop::kTabOrder}, {"EOS", prop::kHint}};
}

std::vector<TableDef> tableDefs() {
  const Words& truth = truthWords();
  const Words& colour = colourWords();
  const Words directions{words::kUp, words::kDown, words::kLeft, words::kRight};
  return {
      {"Hint_Form", windowRows()},
      itemTable("Hint_NewLabel",
                {
                    {"EOS", prop::kCaption},
                    {"COC", prop::kAccess, truth},
                    {"COC", prop::kExists, truth},
                    geometry(),
                    {"COC",
                     prop::kHorizontalAlign,
                     {words::kAlignLeft, words::kAlignRight, words::kAlignCentre}},
                    {"COC",
                     prop::kVerticalAlign,
                     {words::kAlignTop, words::kAlignBottom, words::kAlignCentre}},
                    {"COC", prop::kAutoSize, truth},
                    {"COC", prop::kCursor, cursorWords()},
                    fontAndColour(),
                    parents(),
                    {"COC", prop::kTransparent, truth},
                    {"EOS", prop::kHint},
                }),
      itemTable(
          "Hint_Line",
          {
              drawn(),
              {"COC", prop::kDirection, directions, "선이 그려질 아이템의 가장자리를 선택합니다."},
              {"COC", prop::kStyle, {words::kLowered, words::kRaised}, "선의 모양을 선택합니다."},
              {"EOS", prop::kHint},
          }),
      itemTable("Hint_Box",
                {
                    drawn(),
                    {"COC", prop::kAngle, {"0", "45", "90", "135", "180", "-45", "-90", "-135"}},
                    {"COC", prop::kFilled, truth},
                    {"COC", prop::kColour, colour, "도형의 안쪽 색을 선택합니다."},
                    {"COC", prop::kBorderColour, colour},
                    {"EOS", prop::kBorderWidth},
                    {"COC", prop::kShadowColour, colour},
                    {"EOS", prop::kShadowWidth},
                    {"COC",
                     prop::kStyle,
                     {words::kDiamond, words::kCircle, words::kRectangle, words::kRoundRect,
                      words::kTriangle},
                     "도형의 모양을 선택합니다."},
                    {"EOS", prop::kHint},
                }),
      itemTable("Hint_NewButton",
                {
                    {"EOS", prop::kCaption},
                    placed(),
                    {"OOF", prop::kFont},
                    {"IOI", prop::kPicture},
                    {"COC", prop::kPictureLayout, directions},
                    {"EOS", prop::kPictureMargin},
                    {"COC", prop::kParentFont, truth},
                    tabsAndHint(),
                }),
      itemTable("Hint_RunComboBox",
                {
                    placed(),
                    {"SOT", prop::kItems},
                    fontAndColour(),
                    {"COC", prop::kEditable, truth},
                    {"COC", prop::kSorted, truth},
                    parents(),
                    tabsAndHint(),
                }),
      itemTable("Hint_RunListBox",
                {
                    placed(),
                    {"SOT", prop::kItems},
                    fontAndColour(),
                    {"COC", prop::kBorder, truth},
                    {"COC", prop::kSorted, truth},
                    parents(),
                    tabsAndHint(),
                }),
      itemTable("Hint_NewMemo",
                {
                    placed(),
                    {"SOT", prop::kText, {}, "메모에 입력된 여러 줄의 문자열을 설정합니다."},
                    fontAndColour(),
                    {"EOS", prop::kMaxBytes},
                    {"EOS", prop::kMaxLines},
                    {"COC", prop::kBorder, truth},
                    {"COC",
                     prop::kScrollBars,
                     {words::kNone, words::kScrollVertical, words::kScrollHorizontal,
                      words::kScrollBoth}},
                    {"COC", prop::kReadOnly, truth},
                    {"COC", prop::kWordWrap, truth},
                    parents(),
                    tabsAndHint(),
                }),
      itemTable(
          "Hint_NewEdit",
          {
              placed(),
              {"EOS", prop::kText},
              fontAndColour(),
              {"COC", prop::kInputStyle, {words::kInputNumber, words::kInputText}},
              {"EOS", prop::kMinValue},
              {"EOS", prop::kMaxValue},
              {"EOS", prop::kMaxLength},
              {"COC", prop::kCharCase, {words::kCaseNormal, words::kCaseLower, words::kCaseUpper}},
              {"COC", prop::kBorder, truth},
              {"COC", prop::kPassword, truth},
              {"COC", prop::kReadOnly, truth},
              parents(),
              tabsAndHint(),
          }),
      itemTable("Hint_NewImage",
                {
                    placed(),
                    {"COC", prop::kAutoSize, truth,
                     "그림에 맞게 아이템의 크기를 자동으로 조정할지 설정합니다."},
                    {"COC", prop::kStretch, truth},
                    {"COC", prop::kCentre, truth},
                    {"AOI", prop::kPicture},
                    {"COC", prop::kTransparent, truth},
                    {"EOS", prop::kHint},
                }),
      itemTable("Hint_NewCheckBox",
                {
                    {"EOS", prop::kCaption},
                    placed(),
                    fontAndColour(),
                    {"COC", prop::kChecked, truth},
                    {"COC", prop::kOnly, truth},
                    {"EOS", prop::kGroup},
                    {"COC", prop::kDirection, {words::kLeft, words::kRight}},
                    parents(),
                    tabsAndHint(),
                }),
      itemTable("Hint_RunTimer",
                {
                    {"COC", prop::kRunning, truth},
                    {"EOS", prop::kInterval},
                }),
      itemTable("Hint_RunAlarm",
                {
                    {"COC", prop::kRunning, truth},
                    {"YOS", prop::kAlarmDate},
                    {"GOS", prop::kAlarmTime},
                    {"COC",
                     prop::kInterval,
                     {words::kOnDate, words::kDaily},
                     "알람이 특정일에만 울릴지 매일 울릴지 선택합니다."},
                }),
      itemTable("Hint_RunWatch",
                {
                    drawn(),
                    {"COC", prop::kHandColour, colour},
                    {"COC", prop::kColour, colour, "시계 바탕의 색을 선택합니다."},
                    {"COC", prop::kSecondHand, truth},
                    {"EOS", prop::kHint},
                }),
      itemTable("Hint_NewPage",
                {
                    {"COC", prop::kAccess, truth},
                    {"EOS", prop::kLeft},
                    {"EOS", prop::kTop},
                    {"COC", prop::kCursor, cursorWords()},
                    {"OOF", prop::kFont},
                    {"ROS", prop::kActiveWindow},
                    {"COC", prop::kMultiLine, truth},
                    {"COC", prop::kTabPosition, {words::kTabsTop, words::kTabsBottom}},
                    {"PXX", prop::kPages},
                    {"COC", prop::kParentFont, truth},
                    tabsAndHint(),
                }),
      itemTable("Hint_NewData", {{"TXX", prop::kData}}),
      itemTable("Hint_NewSound", {{"WOS", prop::kFileName}}),
      itemTable(
          "Hint_NewProgress",
          {
              placed(),
              {"OOF", prop::kFont},
              {"COC", prop::kColour, colour, "그래프가 채워지지 않은 부분의 색을 선택합니다."},
              {"COC", prop::kBarColour, colour},
              {"COC",
               prop::kStyle,
               {words::kHorizontalBar, words::kVerticalBar, words::kCircle},
               "그래프의 모양을 선택합니다."},
              {"COC", prop::kShowText, truth},
              {"EOS", prop::kMinValue, {}, "그래프의 최소값을 설정합니다."},
              {"EOS", prop::kMaxValue, {}, "그래프의 최대값을 설정합니다."},
              {"EOS", prop::kProgress},
              parents(),
              {"EOS", prop::kHint},
          }),
      {"Hint_Main", windowRows()},
  };
}
std::string rowText(const RowDef& def) {
  std::string row;
  row.append(def.code).append(def.name).push_back(':');
  if (!def.choices.empty()) {
    for (std::size_t i = 0; i < def.choices.size(); ++i) {
      if (i > 0) row.push_back(',');
      row.append(def.choices[i]);
    }
    row.push_back(':');
  }
  row.append(def.help.empty() ? sharedHelp(def.name) : def.help);
  return row;
}

struct Catalogue {
  std::vector<SchemaTable> tables;
  std::vector<const SchemaTable*> order;
  // Keyed by table name, and by the class name without its first letter ("NewEdit").
  std::unordered_map<std::string_view, const SchemaTable*> byName, byClassTail;

  Catalogue() {
    std::vector<TableDef> defs = tableDefs();
    tables.reserve(defs.size());
    for (const TableDef& def : defs) {
      std::vector<std::string> rows;
      rows.reserve(def.rows.size());
      for (const RowDef& r : def.rows) rows.push_back(rowText(r));
      tables.emplace_back(std::string(def.name), std::move(rows));
    }
    constexpr std::string_view kPrefix = "Hint_";
    for (const SchemaTable& t : tables) {
      order.push_back(&t);
      std::string_view name = t.name();
      byName.emplace(name, &t);
      byClassTail.emplace(name.substr(kPrefix.size()), &t);
    }
  }
};

const Catalogue& catalogue() {
  static const Catalogue c;
  return c;
}

bool asciiCode(std::string_view row) {
  return row.size() >= 3 && static_cast<unsigned char>(row[0]) < 0x80 &&
         static_cast<unsigned char>(row[1]) < 0x80 && static_cast<unsigned char>(row[2]) < 0x80;
}

// The kind letter is the third byte of the row in its stored (code page 949) form.
char thirdByte(std::string_view row) {
  if (asciiCode(row)) return row[2];
  std::string bytes = text::encodeCp949(row);
  return bytes.size() >= 3 ? bytes[2] : 'S';
}

}  // namespace

const std::vector<const SchemaTable*>& schemaTables() {
  return catalogue().order;
}

const SchemaTable* schemaTable(std::string_view tableName) {
  const auto& m = catalogue().byName;
  auto it = m.find(tableName);
  return it == m.end() ? nullptr : it->second;
}

const SchemaTable* schemaForClass(std::string_view runtimeClassName) {
  if (runtimeClassName.empty()) return nullptr;
  const auto& m = catalogue().byClassTail;
  auto it = m.find(runtimeClassName.substr(1));
  return it == m.end() ? nullptr : it->second;
}

std::string SchemaEntryName(std::string_view row) {
  // Positions count bytes of the stored form. With ASCII code letters the UTF-8 form has the
  // same bytes up to position 3, and ":" never occurs inside a multi-byte character.
  if (asciiCode(row)) {
    if (row.size() < 4) return {};
    std::string_view rest = row.substr(3);
    return std::string(rest.substr(0, rest.find(':')));
  }
  std::string bytes = text::encodeCp949(row);
  if (bytes.size() < 4) return {};
  std::string_view rest = std::string_view(bytes).substr(3);
  return text::decodeCp949(rest.substr(0, rest.find(':')));
}

SchemaTable::SchemaTable(std::string name, std::vector<std::string> rows)
    : name_(std::move(name)), rows_(std::move(rows)) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    auto [it, added] = byName_.try_emplace(SchemaEntryName(rows_[i]));
    if (added) it->second.letter = thirdByte(rows_[i]);
    it->second.rows.push_back(i);
  }
}

char SchemaTable::typeLetter(std::string_view property) const {
  auto it = byName_.find(property);
  return it == byName_.end() ? 'S' : it->second.letter;
}

bool SchemaTable::hasChoice(std::string_view property, std::string_view value) const {
  auto it = byName_.find(property);
  if (it == byName_.end()) return false;
  for (std::size_t i : it->second.rows)
    if (rowHasChoice(rows_[i], value)) return true;
  return false;
}

bool rowHasChoice(std::string_view row, std::string_view value) {
  // Scanning the UTF-8 form gives the same pieces as the stored form: "," and ":" are ASCII and
  // never part of a multi-byte character, and blanks are trimmed the same way.
  std::size_t colon = row.size() > 1 ? row.find(':', 1) : std::string_view::npos;
  if (colon == std::string_view::npos) return false;
  const std::string_view wanted = text::trim(value);
  bool match = false;
  std::size_t start = colon + 1;
  for (std::size_t i = start; i < row.size(); ++i) {
    const char c = row[i];
    if (c != ',' && c != ':') continue;
    if (text::trim(row.substr(start, i - start)) == wanted) match = true;
    if (c == ':') break;
    start = i + 1;
  }
  return match;
}

}  // namespace qav
