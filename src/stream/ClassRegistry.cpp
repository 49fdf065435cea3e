#include "stream/ClassRegistry.h"

#include <array>
#include <initializer_list>

#include "base/Text.h"

namespace qav {
namespace {

// ---------------------------------------------------------------------------------------------
// Named constants of the stream. Identifiers are matched without regard to letter case, so a
// project that spells one in another case still loads.

struct NamedValue {
  std::string_view ident;
  int32_t value;
};

constexpr std::array<NamedValue, 43> kColourConstants = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", static_cast<int32_t>(0x80000000u)},
    {"clBackground", static_cast<int32_t>(0x80000001u)},
    {"clActiveCaption", static_cast<int32_t>(0x80000002u)},
    {"clInactiveCaption", static_cast<int32_t>(0x80000003u)},
    {"clMenu", static_cast<int32_t>(0x80000004u)},
    {"clWindow", static_cast<int32_t>(0x80000005u)},
    {"clWindowFrame", static_cast<int32_t>(0x80000006u)},
    {"clMenuText", static_cast<int32_t>(0x80000007u)},
    {"clWindowText", static_cast<int32_t>(0x80000008u)},
    {"clCaptionText", static_cast<int32_t>(0x80000009u)},
    {"clActiveBorder", static_cast<int32_t>(0x8000000Au)},
    {"clInactiveBorder", static_cast<int32_t>(0x8000000Bu)},
    {"clAppWorkSpace", static_cast<int32_t>(0x8000000Cu)},
    {"clHighlight", static_cast<int32_t>(0x8000000Du)},
    {"clHighlightText", static_cast<int32_t>(0x8000000Eu)},
    {"clBtnFace", static_cast<int32_t>(0x8000000Fu)},
    {"clBtnShadow", static_cast<int32_t>(0x80000010u)},
    {"clGrayText", static_cast<int32_t>(0x80000011u)},
    {"clBtnText", static_cast<int32_t>(0x80000012u)},
    {"clInactiveCaptionText", static_cast<int32_t>(0x80000013u)},
    {"clBtnHighlight", static_cast<int32_t>(0x80000014u)},
    {"cl3DDkShadow", static_cast<int32_t>(0x80000015u)},
    {"cl3DLight", static_cast<int32_t>(0x80000016u)},
    {"clInfoText", static_cast<int32_t>(0x80000017u)},
    {"clInfoBk", static_cast<int32_t>(0x80000018u)},
}};

constexpr std::array<NamedValue, 23> kCursorConstants = {{
    {"crDefault", 0},     {"crNone", -1},       {"crArrow", -2},    {"crCross", -3},
    {"crIBeam", -4},      {"crSize", -5},       {"crSizeNESW", -6}, {"crSizeNS", -7},
    {"crSizeNWSE", -8},   {"crSizeWE", -9},     {"crUpArrow", -10}, {"crHourGlass", -11},
    {"crDrag", -12},      {"crNoDrop", -13},    {"crHSplit", -14},  {"crVSplit", -15},
    {"crMultiDrag", -16}, {"crSQLWait", -17},   {"crNo", -18},      {"crAppStart", -19},
    {"crHelp", -20},      {"crHandPoint", -21}, {"crSizeAll", -22},
}};

constexpr std::array<NamedValue, 19> kCharsetConstants = {{
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
}};

template <std::size_t N>
std::vector<std::string_view> names(const std::array<NamedValue, N>& table) {
  std::vector<std::string_view> out;
  for (const auto& e : table) out.push_back(e.ident);
  return out;
}

template <std::size_t N>
std::optional<int32_t> lookup(const std::array<NamedValue, N>& table, std::string_view ident) {
  for (const auto& e : table)
    if (text::equalsIgnoreAsciiCase(e.ident, ident)) return e.value;
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// Identifier sets of the enumeration and set properties, in ordinal order.

using Idents = std::vector<std::string>;

const Idents kAlign = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"};
const Idents kAlignment = {"taLeftJustify", "taRightJustify", "taCenter"};
const Idents kLeftRight = {"taLeftJustify", "taRightJustify"};
const Idents kAnchors = {"akLeft", "akTop", "akRight", "akBottom"};
const Idents kBiDiMode = {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                          "bdRightToLeftReadingOnly"};
const Idents kDragKind = {"dkDrag", "dkDock"};
const Idents kDragMode = {"dmManual", "dmAutomatic"};
const Idents kTextLayout = {"tlTop", "tlCenter", "tlBottom"};
const Idents kBevelCut = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
const Idents kBorderStyle = {"bsNone", "bsSingle"};
const Idents kCharCase = {"ecNormal", "ecUpperCase", "ecLowerCase"};
const Idents kImeMode = {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha",   "imAlpha",
                         "imHira",    "imSKata", "imKata", "imChinese",  "imSHanguel", "imHanguel"};
const Idents kScrollStyle = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
const Idents kBitBtnKind = {"bkCustom", "bkOK",    "bkCancel", "bkHelp",   "bkYes", "bkNo",
                            "bkClose",  "bkAbort", "bkRetry",  "bkIgnore", "bkAll"};
const Idents kButtonLayout = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
const Idents kButtonStyle = {"bsAutoDetect", "bsWin31", "bsNew"};
const Idents kCheckState = {"cbUnchecked", "cbChecked", "cbGrayed"};
const Idents kBevelShape = {"bsBox",      "bsFrame",     "bsTopLine", "bsBottomLine",
                            "bsLeftLine", "bsRightLine", "bsSpacer"};
const Idents kBevelStyle = {"bsLowered", "bsRaised"};
const Idents kGaugeKind = {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie", "gkNeedle"};
const Idents kFontStyle = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const Idents kFontPitch = {"fpDefault", "fpVariable", "fpFixed"};
const Idents kRepeatMode = {"rpNone", "rpVert", "rpHoriz", "rpBoth"};
const Idents kShapeType = {"msRectangle", "msRoundRect", "msDiamond", "msEllipse",
                           "msTriangle",  "msLine",      "msText"};
const Idents kInputStyle = {"isNumber", "isAlpha"};
const Idents kAlarmInterval = {"aiCustom", "aiDay"};
const Idents kTabPosition = {"ppTop", "ppBottom"};

const Idents kNone = {};

// ---------------------------------------------------------------------------------------------
// Table rows. A row names a property, its kind, its identifier set and, optionally, the value
// the object has when it is created.

struct Init {
  enum Kind { None, Int, Bool, Ident, Members } kind = None;
  int64_t number = 0;
  const char* ident = nullptr;
  std::vector<std::string> members;
};

Init I(int64_t n) {
  return Init{Init::Int, n, nullptr, {}};
}
Init B(bool b) {
  return Init{Init::Bool, b ? 1 : 0, nullptr, {}};
}
Init E(const char* ident) {
  return Init{Init::Ident, 0, ident, {}};
}
Init S(std::initializer_list<std::string> members) {
  return Init{Init::Members, 0, nullptr, members};
}

struct Row {
  const char* name;
  PropKind kind;
  const Idents* idents = &kNone;
  Init init = {};
};

using K = PropKind;
using Rows = std::vector<Row>;

std::optional<Value> toValue(const Init& init) {
  switch (init.kind) {
    case Init::None:
      return std::nullopt;
    case Init::Int:
      return Value::makeInteger(static_cast<int32_t>(static_cast<uint32_t>(init.number)));
    case Init::Bool:
      return Value::makeBool(init.number != 0);
    case Init::Ident:
      return Value::makeIdent(init.ident);
    case Init::Members: {
      Value v;
      v.tag = Tag::Set;
      v.set = init.members;
      return v;
    }
  }
  return std::nullopt;
}

Rows concat(std::initializer_list<Rows> parts) {
  Rows all;
  for (const auto& p : parts)
    for (const auto& r : p) all.push_back(r);
  return all;
}

// Properties every object may carry, and every visual object.
Rows objectRows() {
  return {{"Tag", K::Integer}};
}
Rows nonVisualRows() {
  return {{"Left", K::Integer}, {"Top", K::Integer}};
}
Rows visualRows() {
  return {{"Left", K::Integer},
          {"Top", K::Integer},
          {"Width", K::Integer},
          {"Height", K::Integer},
          {"Cursor", K::Cursor, &kNone, I(0)},
          {"Hint", K::Text}};
}

// The stored font, written as its parts.
Rows fontRows() {
  return {{"Font.Charset", K::Charset},         {"Font.Color", K::Colour},
          {"Font.Height", K::Integer},          {"Font.Name", K::Text},
          {"Font.Pitch", K::Enum, &kFontPitch}, {"Font.Size", K::Integer},
          {"Font.Style", K::Set, &kFontStyle}};
}

Rows constraintRows() {
  return {{"Constraints.MaxHeight", K::Integer},
          {"Constraints.MaxWidth", K::Integer},
          {"Constraints.MinHeight", K::Integer},
          {"Constraints.MinWidth", K::Integer}};
}

// What every control of the toolkit publishes and starts with.
Rows controlRows() {
  return concat({{{"Align", K::Enum, &kAlign},
                  {"Anchors", K::Set, &kAnchors, S({"akLeft", "akTop"})},
                  {"ParentShowHint", K::Boolean, &kNone, B(true)},
                  {"ShowHint", K::Boolean},
                  {"Enabled", K::Boolean, &kNone, B(true)},
                  {"Visible", K::Boolean, &kNone, B(true)},
                  {"DragCursor", K::Cursor, &kNone, I(-12)},
                  {"DragKind", K::Enum, &kDragKind},
                  {"DragMode", K::Enum, &kDragMode},
                  {"PopupMenu", K::ComponentRef}},
                 constraintRows()});
}

// Font and colour, for the kinds that publish them.
Rows fontOnlyRows() {
  return concat({{{"ParentFont", K::Boolean, &kNone, B(true)}}, fontRows()});
}
Rows appearanceRows() {
  return concat(
      {{{"Color", K::Colour, &kNone, I(0x80000005)}, {"ParentColor", K::Boolean, &kNone, B(true)}},
       fontOnlyRows()});
}
Rows bidiRows() {
  return {{"BiDiMode", K::Enum, &kBiDiMode}, {"ParentBiDiMode", K::Boolean, &kNone, B(true)}};
}

// What every windowed control adds.
Rows windowedRows() {
  return {{"Ctl3D", K::Boolean, &kNone, B(true)},
          {"ParentCtl3D", K::Boolean, &kNone, B(true)},
          {"TabOrder", K::Integer},
          {"TabStop", K::Boolean},
          {"HelpContext", K::Integer}};
}

// The base widget kinds: everything the builder may write for an object of that kind besides
// the visual and object rows.
Rows labelKind() {
  return concat({controlRows(),
                 appearanceRows(),
                 bidiRows(),
                 {{"Width", K::Integer, &kNone, I(65)},
                  {"Height", K::Integer, &kNone, I(17)},
                  {"Alignment", K::Enum, &kAlignment},
                  {"AutoSize", K::Boolean, &kNone, B(true)},
                  {"Caption", K::Text},
                  {"FocusControl", K::ComponentRef},
                  {"ShowAccelChar", K::Boolean, &kNone, B(true)},
                  {"Transparent", K::Boolean},
                  {"Layout", K::Enum, &kTextLayout},
                  {"WordWrap", K::Boolean}}});
}

Rows panelKind() {
  return concat({controlRows(),
                 appearanceRows(),
                 bidiRows(),
                 windowedRows(),
                 {{"Width", K::Integer, &kNone, I(185)},
                  {"Height", K::Integer, &kNone, I(41)},
                  {"Alignment", K::Enum, &kAlignment, E("taCenter")},
                  {"AutoSize", K::Boolean},
                  {"BevelInner", K::Enum, &kBevelCut, E("bvNone")},
                  {"BevelOuter", K::Enum, &kBevelCut, E("bvRaised")},
                  {"BevelWidth", K::Integer, &kNone, I(1)},
                  {"BorderWidth", K::Integer},
                  {"BorderStyle", K::Enum, &kBorderStyle, E("bsNone")},
                  {"Caption", K::Text},
                  {"Color", K::Colour, &kNone, I(0x8000000F)},
                  {"ParentColor", K::Boolean, &kNone, B(false)},
                  {"DockSite", K::Boolean},
                  {"FullRepaint", K::Boolean, &kNone, B(true)},
                  {"Locked", K::Boolean},
                  {"UseDockManager", K::Boolean, &kNone, B(true)}}});
}

Rows editRowsCommon() {
  return concat({controlRows(),
                 appearanceRows(),
                 bidiRows(),
                 windowedRows(),
                 {{"Width", K::Integer, &kNone, I(121)},
                  {"Height", K::Integer, &kNone, I(25)},
                  {"AutoSelect", K::Boolean, &kNone, B(true)},
                  {"AutoSize", K::Boolean, &kNone, B(true)},
                  {"BorderStyle", K::Enum, &kBorderStyle, E("bsSingle")},
                  {"CharCase", K::Enum, &kCharCase},
                  {"Color", K::Colour, &kNone, I(0x80000005)},
                  {"ParentColor", K::Boolean, &kNone, B(false)},
                  {"ImeMode", K::Enum, &kImeMode, E("imDontCare")},
                  {"ImeName", K::Text},
                  {"MaxLength", K::Integer},
                  {"PasswordChar", K::Text},
                  {"ReadOnly", K::Boolean},
                  {"TabStop", K::Boolean, &kNone, B(true)},
                  {"Text", K::Text}}});
}

Rows maskedEditKind() {
  return concat({editRowsCommon(), {{"EditMask", K::Text}}});
}

Rows editKind() {
  return concat({editRowsCommon(),
                 {{"HideSelection", K::Boolean, &kNone, B(true)}, {"OEMConvert", K::Boolean}}});
}

Rows memoKind() {
  return concat({controlRows(),
                 appearanceRows(),
                 bidiRows(),
                 windowedRows(),
                 {{"Width", K::Integer, &kNone, I(185)},
                  {"Height", K::Integer, &kNone, I(89)},
                  {"Alignment", K::Enum, &kAlignment},
                  {"BorderStyle", K::Enum, &kBorderStyle, E("bsSingle")},
                  {"Color", K::Colour, &kNone, I(0x80000005)},
                  {"ParentColor", K::Boolean, &kNone, B(false)},
                  {"HideSelection", K::Boolean, &kNone, B(true)},
                  {"ImeMode", K::Enum, &kImeMode, E("imDontCare")},
                  {"ImeName", K::Text},
                  {"Lines.Strings", K::Lines},
                  {"MaxLength", K::Integer},
                  {"OEMConvert", K::Boolean},
                  {"ReadOnly", K::Boolean},
                  {"ScrollBars", K::Enum, &kScrollStyle},
                  {"TabStop", K::Boolean, &kNone, B(true)},
                  {"WantReturns", K::Boolean, &kNone, B(true)},
                  {"WantTabs", K::Boolean},
                  {"WordWrap", K::Boolean, &kNone, B(true)}}});
}

Rows imageKind() {
  return concat({controlRows(),
                 {{"Width", K::Integer, &kNone, I(105)},
                  {"Height", K::Integer, &kNone, I(105)},
                  {"AutoSize", K::Boolean},
                  {"Center", K::Boolean},
                  {"IncrementalDisplay", K::Boolean},
                  {"Picture.Data", K::Binary},
                  {"Stretch", K::Boolean},
                  {"Transparent", K::Boolean}}});
}

Rows bitmapButtonKind() {
  return concat({controlRows(),
                 fontOnlyRows(),
                 bidiRows(),
                 windowedRows(),
                 {{"Width", K::Integer, &kNone, I(75)},
                  {"Height", K::Integer, &kNone, I(25)},
                  {"Action", K::ComponentRef},
                  {"Cancel", K::Boolean},
                  {"Caption", K::Text},
                  {"Default", K::Boolean},
                  {"Glyph.Data", K::Binary},
                  {"Kind", K::Enum, &kBitBtnKind},
                  {"Layout", K::Enum, &kButtonLayout},
                  {"Margin", K::Integer, &kNone, I(-1)},
                  {"ModalResult", K::Integer},
                  {"NumGlyphs", K::Integer, &kNone, I(1)},
                  {"Style", K::Enum, &kButtonStyle},
                  {"Spacing", K::Integer, &kNone, I(4)},
                  {"TabStop", K::Boolean, &kNone, B(true)}}});
}

Rows radioButtonKind() {
  return concat({controlRows(),
                 appearanceRows(),
                 bidiRows(),
                 windowedRows(),
                 {{"Width", K::Integer, &kNone, I(113)},
                  {"Height", K::Integer, &kNone, I(17)},
                  {"Action", K::ComponentRef},
                  {"Alignment", K::Enum, &kLeftRight, E("taRightJustify")},
                  {"Caption", K::Text},
                  {"Checked", K::Boolean}}});
}

Rows checkBoxKind() {
  return concat({radioButtonKind(),
                 {{"Width", K::Integer, &kNone, I(97)},
                  {"AllowGrayed", K::Boolean},
                  {"State", K::Enum, &kCheckState},
                  {"TabStop", K::Boolean, &kNone, B(true)}}});
}

Rows speedButtonKind() {
  return concat({controlRows(),
                 fontOnlyRows(),
                 bidiRows(),
                 {{"Width", K::Integer, &kNone, I(23)},
                  {"Height", K::Integer, &kNone, I(22)},
                  {"Action", K::ComponentRef},
                  {"AllowAllUp", K::Boolean},
                  {"GroupIndex", K::Integer},
                  {"Down", K::Boolean},
                  {"Caption", K::Text},
                  {"Flat", K::Boolean},
                  {"Glyph.Data", K::Binary},
                  {"Layout", K::Enum, &kButtonLayout},
                  {"Margin", K::Integer, &kNone, I(-1)},
                  {"NumGlyphs", K::Integer, &kNone, I(1)},
                  {"Spacing", K::Integer, &kNone, I(4)},
                  {"Transparent", K::Boolean, &kNone, B(true)}}});
}

Rows bevelKind() {
  return {{"Width", K::Integer, &kNone, I(50)},
          {"Height", K::Integer, &kNone, I(50)},
          {"Align", K::Enum, &kAlign},
          {"Anchors", K::Set, &kAnchors, S({"akLeft", "akTop"})},
          {"ParentShowHint", K::Boolean, &kNone, B(true)},
          {"Shape", K::Enum, &kBevelShape},
          {"ShowHint", K::Boolean},
          {"Style", K::Enum, &kBevelStyle},
          {"Visible", K::Boolean, &kNone, B(true)},
          {"Constraints.MaxHeight", K::Integer},
          {"Constraints.MaxWidth", K::Integer},
          {"Constraints.MinHeight", K::Integer},
          {"Constraints.MinWidth", K::Integer}};
}

Rows gaugeKind() {
  return concat({controlRows(),
                 appearanceRows(),
                 {{"Width", K::Integer, &kNone, I(100)},
                  {"Height", K::Integer, &kNone, I(100)},
                  {"Kind", K::Enum, &kGaugeKind, E("gkHorizontalBar")},
                  {"ShowText", K::Boolean, &kNone, B(true)},
                  {"BorderStyle", K::Enum, &kBorderStyle, E("bsSingle")},
                  {"ForeColor", K::Colour, &kNone, I(0)},
                  {"BackColor", K::Colour, &kNone, I(0xFFFFFF)},
                  {"MinValue", K::Integer, &kNone, I(0)},
                  {"MaxValue", K::Integer, &kNone, I(100)},
                  {"Progress", K::Integer}}});
}

Rows clockKind() {
  return concat({controlRows(),
                 {{"Width", K::Integer, &kNone, I(66)},
                  {"Height", K::Integer, &kNone, I(66)},
                  {"ClkArrowColor", K::Colour, &kNone, I(0)},
                  {"ClkFaceColor", K::Colour, &kNone, I(0x8000000F)},
                  {"DifHour", K::Integer},
                  {"DifMinute", K::Integer},
                  {"SecArrow", K::Boolean, &kNone, B(true)}}});
}

Rows multiShapeKind() {
  return concat({controlRows(),
                 appearanceRows(),
                 {{"Width", K::Integer, &kNone, I(30)},
                  {"Height", K::Integer, &kNone, I(30)},
                  {"Color", K::Colour, &kNone, I(0x00800000)},
                  {"ParentColor", K::Boolean, &kNone, B(false)},
                  {"Text", K::Text},
                  {"Angle", K::Integer, &kNone, I(0)},
                  {"Filled", K::Boolean, &kNone, B(true)},
                  {"RepeatMode", K::Enum, &kRepeatMode, E("rpBoth")},
                  {"ShapeType", K::Enum, &kShapeType, E("msRectangle")},
                  {"ShapeH", K::Integer, &kNone, I(10)},
                  {"ShapeW", K::Integer, &kNone, I(10)},
                  {"XSpacing", K::Integer, &kNone, I(20)},
                  {"YSpacing", K::Integer, &kNone, I(20)},
                  {"XMargin", K::Integer, &kNone, I(0)},
                  {"YMargin", K::Integer, &kNone, I(0)},
                  {"Border", K::Boolean, &kNone, B(false)},
                  {"BorderColor", K::Colour, &kNone, I(0)},
                  {"BorderWidth", K::Integer, &kNone, I(1)},
                  {"Shadow", K::Boolean, &kNone, B(false)},
                  {"ShadowColor", K::Colour, &kNone, I(0x808080)},
                  {"ShadowX", K::Integer, &kNone, I(2)},
                  {"ShadowY", K::Integer, &kNone, I(2)}}});
}

Rows paintBoxKind() {
  return concat({controlRows(),
                 appearanceRows(),
                 {{"Width", K::Integer, &kNone, I(105)}, {"Height", K::Integer, &kNone, I(105)}}});
}

// Rows shared by the player's own item records.
Row parentName() {
  return {"ParentName", K::Text};
}
Row flag(const char* name) {
  return {name, K::Boolean};
}
Row lines(const char* name) {
  return {name, K::Lines};
}
Rows designFlags() {
  return {flag("EnabledCheck"), flag("VisibleCheck")};
}
Rows size(int w, int h) {
  return {{"Width", K::Integer, &kNone, I(w)}, {"Height", K::Integer, &kNone, I(h)}};
}
Rows arrowCursor() {
  return {{"Cursor", K::Cursor, &kNone, I(-2)}};
}

struct ClassDef {
  const char* name;
  const char* baseKind;  // "" for plain components
  Rows baseRows;
  Rows ownRows;  // own properties and constructor values; a row replaces a base row of its name
};

std::vector<ClassDef> classDefs() {
  const Rows dialogBox = concat({{parentName(),
                                  {"Title", K::Text},
                                  {"Start_Ext", K::Text},
                                  {"Default_Ext", K::Text},
                                  lines("Ext.Strings")},
                                 size(33, 33)});
  return {
      {"TMainData",
       "",
       {},
       {lines("Pages_Name.Strings"),
        lines("Pages_Caption.Strings"),
        lines("Data_Backup.Strings"),
        {"ProgramName", K::Text},
        {"ProgramMaker", K::Text},
        {"ProgramVer", K::Text},
        {"DataFile", K::Text}}},
      {"TDataQueue", "", {}, {lines("Data_Backup.Strings")}},
      {"TNewPanel",
       "panel",
       panelKind(),
       {{"SystemButton", K::Boolean, &kNone, B(true)},
        {"MinButton", K::Boolean, &kNone, B(true)},
        {"MaxButton", K::Boolean, &kNone, B(true)},
        flag("HelpButton"),
        flag("AlwaysOnTop"),
        flag("AutoSize"),
        flag("Center"),
        {"WindowState", K::Integer, &kNone, I(2)},
        {"WindowX", K::Integer},
        {"WindowY", K::Integer},
        {"WindowWidth", K::Integer},
        {"WindowHeight", K::Integer},
        {"Cursor", K::Cursor, &kNone, I(0)},
        lines("Menu.Strings"),
        lines("PopMenu.Strings"),
        {"Title", K::Text},
        {"Icon", K::Text},
        parentName(),
        lines("Ivent1.Strings")}},
      {"TNewLabel", "label", labelKind(),
       concat({{parentName(), lines("Ivent2.Strings")}, designFlags()})},
      {"TLine",
       "bevel line",
       bevelKind(),
       {parentName(), flag("VisibleCheck"), {"Shape", K::Enum, &kBevelShape, E("bsTopLine")}}},
      {"TBox", "multi-shape", multiShapeKind(),
       concat({{parentName(),
                lines("Ivent2.Strings"),
                {"Borders", K::Integer},
                {"Shadows", K::Integer},
                {"RepeatMode", K::Enum, &kRepeatMode, E("rpNone")},
                {"Color", K::Colour, &kNone, I(0xC0C0C0)},
                {"Border", K::Boolean, &kNone, B(true)},
                {"BorderColor", K::Colour, &kNone, I(0xFFFFFF)},
                {"Shadow", K::Boolean, &kNone, B(true)},
                {"ShadowX", K::Integer, &kNone, I(1)},
                {"ShadowY", K::Integer, &kNone, I(1)},
                {"ShapeW", K::Integer, &kNone, I(64)},
                {"ShapeH", K::Integer, &kNone, I(64)}},
               designFlags(),
               size(65, 65)})},
      {"TNewButton", "bitmap button", bitmapButtonKind(),
       concat({{parentName(), lines("Ivent2.Strings")}, designFlags()})},
      {"TPaintBox", "paint box", paintBoxKind(), {}},
      {"TNewImage", "image", imageKind(), concat({{parentName()}, designFlags()})},
      {"TNewEdit", "masked edit", maskedEditKind(),
       concat({{parentName(),
                {"InputStyle", K::Enum, &kInputStyle, E("isAlpha")},
                {"BackupText", K::Text},
                {"MaxValue", K::Integer},
                {"MinValue", K::Integer},
                flag("ReadCheck"),
                lines("Ivent3.Strings"),
                lines("Ivent4.Strings")},
               designFlags(),
               arrowCursor()})},
      {"TNewMemo", "memo", memoKind(),
       concat({{parentName(),
                {"MaxLine", K::Integer},
                lines("BackupString.Strings"),
                flag("ReadCheck"),
                lines("Ivent3.Strings"),
                lines("Ivent4.Strings")},
               designFlags(),
               arrowCursor()})},
      {"TNewListBox", "memo", memoKind(),
       concat({{parentName(),
                {"MaxLine", K::Integer},
                lines("Items.Strings"),
                lines("BackupString.Strings"),
                flag("Sorted"),
                flag("MultiSelect"),
                lines("Ivent3.Strings"),
                {"ScrollBars", K::Enum, &kScrollStyle, E("ssVertical")},
                {"ReadOnly", K::Boolean, &kNone, B(true)},
                {"Width", K::Integer, &kNone, I(113)}},
               designFlags(),
               arrowCursor()})},
      {"TNewComboBox", "edit", editKind(),
       concat({{parentName(),
                lines("Items.Strings"),
                lines("BackupString.Strings"),
                flag("Sorted"),
                flag("Input"),
                lines("Ivent3.Strings"),
                {"ReadOnly", K::Boolean, &kNone, B(true)}},
               designFlags(),
               arrowCursor(),
               size(120, 21)})},
      {"TNewCheckBox", "check box", checkBoxKind(),
       concat({{parentName(),
                flag("Checks"),
                flag("Only"),
                {"Group", K::Integer},
                lines("Ivent3.Strings")},
               designFlags(),
               size(100, 25)})},
      {"TNewRadioButton", "radio button", radioButtonKind(),
       concat({{parentName(), {"GroupIndex", K::Integer}, flag("Checks"), lines("Ivent3.Strings")},
               designFlags(),
               size(100, 25)})},
      {"TNewTimer", "speed button", speedButtonKind(),
       concat({{parentName(),
                {"Inteval", K::Integer, &kNone, I(0)},
                {"On", K::Boolean, &kNone, B(false)},
                lines("Ivent5.Strings")},
               designFlags(),
               size(33, 33)})},
      {"TNewAlarm", "speed button", speedButtonKind(),
       concat({{parentName(),
                {"On", K::Boolean, &kNone, B(false)},
                {"Date", K::DateTime},
                {"Time", K::DateTime},
                {"Inteval", K::Enum, &kAlarmInterval, E("aiCustom")},
                lines("Ivent5.Strings")},
               designFlags(),
               size(33, 33)})},
      {"TNewWatch", "clock", clockKind(), concat({{parentName()}, designFlags()})},
      {"TNewPage", "image", imageKind(),
       concat({{parentName(),
                {"ActivePage", K::Text},
                {"Position", K::Enum, &kTabPosition, E("ppTop")},
                lines("PageName.Strings"),
                lines("PageWindow.Strings"),
                flag("TabStop"),
                flag("MultiLine"),
                {"TabOrder", K::Integer},
                lines("Ivent3.Strings")},
               fontOnlyRows(),
               designFlags()})},
      {"TNewSound", "speed button", speedButtonKind(),
       concat({{parentName(), {"FileName", K::Text}}, designFlags(), size(33, 33)})},
      {"TNewProgress", "gauge", gaugeKind(),
       concat({{parentName(), {"Kind", K::Enum, &kGaugeKind, E("gkHorizontalBar")}},
               designFlags(),
               size(153, 33)})},
      {"TNewLoadBox", "speed button", speedButtonKind(), dialogBox},
      {"TNewSaveBox", "speed button", speedButtonKind(), dialogBox},
      {"TNewData", "speed button", speedButtonKind(),
       concat({{parentName(),
                {"MaxLine", K::Integer},
                lines("Backup_Names.Strings"),
                lines("Backup_Value.Strings")},
               size(33, 33)})},
  };
}

// Adds the row, or replaces the row of the same name (a later table refines an earlier one).
void put(std::vector<PropInfo>& props, const Row& row) {
  PropInfo info{row.name, row.kind, *row.idents, toValue(row.init)};
  for (auto& p : props)
    if (p.name == info.name) {
      p = std::move(info);
      return;
    }
  props.push_back(std::move(info));
}

std::optional<std::size_t> identIndex(const std::vector<std::string>& idents,
                                      std::string_view ident) {
  for (std::size_t i = 0; i < idents.size(); ++i)
    if (text::equalsIgnoreAsciiCase(idents[i], ident)) return i;
  return std::nullopt;
}

bool isEventName(std::string_view name) {
  return name.size() > 2 && name[0] == 'O' && name[1] == 'n' && name[2] >= 'A' && name[2] <= 'Z';
}

}  // namespace

std::optional<int32_t> colourConstant(std::string_view ident) {
  return lookup(kColourConstants, ident);
}
std::optional<int32_t> cursorConstant(std::string_view ident) {
  return lookup(kCursorConstants, ident);
}
std::optional<int32_t> charsetConstant(std::string_view ident) {
  return lookup(kCharsetConstants, ident);
}
std::vector<std::string_view> colourConstantNames() {
  return names(kColourConstants);
}
std::vector<std::string_view> cursorConstantNames() {
  return names(kCursorConstants);
}
std::vector<std::string_view> charsetConstantNames() {
  return names(kCharsetConstants);
}

const PropInfo* ClassInfo::find(std::string_view streamName) const {
  for (const auto& p : properties)
    if (p.name == streamName) return &p;
  return nullptr;
}

ClassRegistry::ClassRegistry() {
  for (const auto& def : classDefs()) {
    ClassInfo cls;
    cls.name = def.name;
    cls.baseKind = def.baseKind;
    for (const auto& r : objectRows()) put(cls.properties, r);
    for (const auto& r : cls.baseKind.empty() ? nonVisualRows() : visualRows())
      put(cls.properties, r);
    for (const auto& r : def.baseRows) put(cls.properties, r);
    for (const auto& r : def.ownRows) put(cls.properties, r);
    classes_.push_back(std::move(cls));
  }
}

const ClassRegistry& ClassRegistry::instance() {
  static const ClassRegistry registry;
  return registry;
}

const ClassInfo* ClassRegistry::find(std::string_view className) const {
  for (const auto& c : classes_)
    if (c.name == className) return &c;
  return nullptr;
}

std::optional<std::string> ClassRegistry::checkClass(std::string_view className) const {
  if (find(className)) return std::nullopt;
  return "unknown class " + std::string(className);
}

std::optional<std::string> ClassRegistry::checkProperty(std::string_view className,
                                                        std::string_view name,
                                                        const Value& v) const {
  const ClassInfo* cls = find(className);
  if (!cls) return "unknown class " + std::string(className);
  return checkProperty(*cls, name, v);
}

std::optional<std::string> ClassRegistry::checkTag(std::string_view className,
                                                   std::string_view name, Tag tag,
                                                   bool& textsOnly) const {
  textsOnly = false;
  const ClassInfo* cls = find(className);
  if (!cls) return "unknown class " + std::string(className);
  const PropInfo* p = cls->find(name);
  textsOnly = p && p->kind == PropKind::Lines;
  // Containers are what can cost more than their bytes: an empty one of the same tag tells
  // whether the property takes them at all. Everything else is checked once it is read.
  Value probe;
  probe.tag = tag;
  if (!p || tag == Tag::List || tag == Tag::Set || tag == Tag::Collection)
    return checkProperty(*cls, name, probe);
  return std::nullopt;
}

std::optional<std::string> ClassRegistry::checkProperty(const ClassInfo& cls, std::string_view name,
                                                        const Value& v) const {
  const std::string of = std::string(name) + " of class " + cls.name;
  const PropInfo* p = cls.find(name);
  if (!p) {
    if (isEventName(name)) return "event property " + of + " carries a handler";
    return "unknown property " + of;
  }
  const std::string wrongTag = "value of the wrong kind for property " + of;
  auto constant =
      [&](std::optional<int32_t> (*table)(std::string_view)) -> std::optional<std::string> {
    if (v.isInteger()) return std::nullopt;
    if (v.tag != Tag::Ident) return wrongTag;
    if (!table(v.text)) return "unknown identifier " + v.text + " for property " + of;
    return std::nullopt;
  };
  switch (p->kind) {
    case PropKind::Integer:
      if (!v.isInteger()) return wrongTag;
      break;
    case PropKind::Boolean:
      if (!v.isBool()) return wrongTag;
      break;
    case PropKind::Text:
      if (!v.isText()) return wrongTag;
      break;
    case PropKind::Lines:
      if (v.tag != Tag::List) return wrongTag;
      for (const auto& line : v.list)
        if (!line.isText()) return wrongTag;
      break;
    case PropKind::Enum:
      if (v.tag != Tag::Ident) return wrongTag;
      if (!identIndex(p->idents, v.text))
        return "unknown identifier " + v.text + " for property " + of;
      break;
    case PropKind::Set:
      if (v.tag != Tag::Set) return wrongTag;
      for (const auto& m : v.set)
        if (!identIndex(p->idents, m)) return "unknown identifier " + m + " for property " + of;
      break;
    case PropKind::DateTime:
    case PropKind::Float:
      // Whole numbers may be written as integers.
      if (v.tag != Tag::Extended && !v.isInteger()) return wrongTag;
      break;
    case PropKind::Colour:
      return constant(colourConstant);
    case PropKind::Cursor:
      return constant(cursorConstant);
    case PropKind::Charset:
      return constant(charsetConstant);
    case PropKind::Binary:
      if (v.tag != Tag::Binary) return wrongTag;
      break;
    case PropKind::ComponentRef:
      if (v.tag != Tag::Ident && v.tag != Tag::Nil) return wrongTag;
      break;
    case PropKind::Collection:
      if (v.tag != Tag::Collection) return wrongTag;
      break;
  }
  return std::nullopt;
}

}  // namespace qav
