// Building the control models from project records: what each class takes from its record
// when the record becomes the live item, or when a run-time object is made from it.
#include <initializer_list>

#include "items/controls/MediaPlayer.h"
#include "items/controls/NewButton.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/NewEdit.h"
#include "items/controls/NewImage.h"
#include "items/controls/NewLabel.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunAlarm.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "items/controls/RunTimer.h"
#include "stream/RecordProps.h"

namespace qav {
namespace {

// The class has the property at all (so its constructor value, or the record's, applies).
bool known(const RecordProps& rp, std::string_view name) {
  return rp.classInfo().find(name) != nullptr;
}

// An enumeration by its stored ordinal; an ordinal outside the values gives the fallback.
template <class E>
E ordinalAs(const RecordProps& rp, std::string_view name, std::initializer_list<E> values,
            E fallback) {
  if (!known(rp, name)) return fallback;
  const int32_t n = rp.ordinal(name);
  if (n < 0 || n >= static_cast<int32_t>(values.size())) return fallback;
  return values.begin()[n];
}

void loadBounds(ItemModel& m, const RecordProps& rp) {
  m.setBounds(rp.integer("Left"), rp.integer("Top"), rp.integer("Width"), rp.integer("Height"));
}

void loadCursor(ItemModel& m, const RecordProps& rp) {
  if (known(rp, "Cursor")) m.setCursor(static_cast<int16_t>(rp.integer("Cursor")));
}

void loadFont(ItemModel& m, const RecordProps& rp) {
  if (known(rp, "Font.Name")) m.setFont(rp.font(m.font()));
  if (known(rp, "ParentFont")) m.setParentFont(rp.boolean("ParentFont"));
}

void loadColour(ItemModel& m, const RecordProps& rp) {
  if (known(rp, "Color")) m.setColour(static_cast<uint32_t>(rp.integer("Color")));
}

// The base control properties that a record-and-live item keeps as they were designed.
void loadBase(ItemModel& m, const RecordProps& rp) {
  loadBounds(m, rp);
  loadCursor(m, rp);
  m.setHint(rp.text("Hint"));
  if (known(rp, "ShowHint")) m.setShowHint(rp.boolean("ShowHint"));
  loadFont(m, rp);
  loadColour(m, rp);
  // After the colour, which clears the switch.
  if (known(rp, "ParentColor")) m.setParentColour(rp.boolean("ParentColor"));
  if (known(rp, "TabStop")) m.setTabStop(rp.boolean("TabStop"));
  if (known(rp, "TabOrder")) m.setTabOrder(rp.integer("TabOrder"));
}

// Live flags of a run-time object from the design record's flags.
void loadLiveFlags(ItemModel& m, const RecordProps& rp) {
  m.setEnabled(rp.boolean("EnabledCheck"));
  m.setVisible(rp.boolean("VisibleCheck"));
}

// What a list box or combo box takes from its design record first: flags, bounds, the items,
// cursor, font, colour and the sorting.
template <class List>
void loadList(List& list, const RecordProps& rp) {
  loadLiveFlags(list, rp);
  loadBounds(list, rp);
  list.setItems(rp.lines("BackupString"));
  loadCursor(list, rp);
  loadFont(list, rp);
  loadColour(list, rp);
  list.setSorted(rp.boolean("Sorted"));
}

// The first character of a one-character text property; 0 for none.
char32_t firstChar(const std::string& s) {
  if (s.empty()) return 0;
  const auto c = static_cast<unsigned char>(s[0]);
  if (c < 0x80) return c;
  int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
  char32_t cp = c & (0x3F >> (len - 1));
  for (int i = 1; i < len && i < static_cast<int>(s.size()); ++i)
    cp = cp << 6 | (static_cast<unsigned char>(s[static_cast<std::size_t>(i)]) & 0x3F);
  return cp;
}

}  // namespace

void ControlModel::copySlots(const RecordProps& rp) {
  for (int n = 1; n <= kSlotCount; ++n)
    if (carriesSlot(n)) setIvent(n, rp.lines("Ivent" + std::to_string(n)));
}

void RecordControl::loadControlRecord(const RecordProps& rp) {
  loadBase(*this, rp);
  setEnabledCheck(rp.boolean("EnabledCheck"));
  setVisibleCheck(rp.boolean("VisibleCheck"));
  setReadCheck(rp.boolean("ReadCheck"));
  setParentName(rp.text("ParentName"));
  copySlots(rp);
}

void CaptionControl::loadCaptionRecord(const RecordProps& rp) {
  loadControlRecord(rp);
  caption_ = rp.text("Caption");
}

void CheckControl::loadCheckRecord(const RecordProps& rp) {
  loadCaptionRecord(rp);
  checks_ = rp.boolean("Checks");
  checked_ = rp.boolean("Checked");
}

void InputControl::loadInputRecord(const RecordProps& rp) {
  loadControlRecord(rp);
  maxLength_ = rp.integer("MaxLength");
  if (known(rp, "BorderStyle")) border_ = rp.ordinal("BorderStyle") == 1;
  using I = ImeMode;
  imeMode_ = ordinalAs(rp, "ImeMode",
                       {I::Disable, I::Close, I::Open, I::DontCare, I::SAlpha, I::Alpha, I::Hira,
                        I::SKata, I::Kata, I::Chinese, I::SHanguel, I::Hanguel},
                       I::DontCare);
  readOnly_ = rp.boolean("ReadOnly");
}

TNewLabel::TNewLabel(const Record& record) : TNewLabel() {
  const RecordProps rp(record);
  loadCaptionRecord(rp);
  alignment_ =
      ordinalAs(rp, "Alignment", {HAlign::Left, HAlign::Right, HAlign::Centre}, alignment_);
  layout_ = ordinalAs(rp, "Layout", {VAlign::Top, VAlign::Centre, VAlign::Bottom}, layout_);
  if (known(rp, "AutoSize")) autoSize_ = rp.boolean("AutoSize");
  transparent_ = rp.boolean("Transparent");
  wordWrap_ = rp.boolean("WordWrap");
}

TNewButton::TNewButton(const Record& record) : TNewButton() {
  const RecordProps rp(record);
  loadCaptionRecord(rp);
  glyph_ = rp.picture("Glyph.Data");
  if (known(rp, "NumGlyphs")) numGlyphs_ = rp.integer("NumGlyphs");
  using L = GlyphLayout;
  layout_ = ordinalAs(rp, "Layout", {L::Left, L::Right, L::Top, L::Bottom}, layout_);
  if (known(rp, "Spacing")) spacing_ = rp.integer("Spacing");
  if (known(rp, "Margin")) margin_ = rp.integer("Margin");
}

TNewImage::TNewImage(const Record& record) : TNewImage() {
  const RecordProps rp(record);
  loadControlRecord(rp);
  picture_ = rp.picture("Picture.Data");
  autoSize_ = rp.boolean("AutoSize");
  stretch_ = rp.boolean("Stretch");
  center_ = rp.boolean("Center");
  transparent_ = rp.boolean("Transparent");
}

TNewEdit::TNewEdit(const Record& record) : TNewEdit() {
  const RecordProps rp(record);
  loadInputRecord(rp);
  inputStyle_ = ordinalAs(rp, "InputStyle", {InputStyle::Number, InputStyle::Alpha}, inputStyle_);
  minValue_ = rp.integer("MinValue");
  maxValue_ = rp.integer("MaxValue");
  charCase_ =
      ordinalAs(rp, "CharCase", {CharCase::Normal, CharCase::Upper, CharCase::Lower}, charCase_);
  passwordChar_ = firstChar(rp.text("PasswordChar"));
  backupText_ = rp.text("BackupText");
  // The field starts with its backup text; nothing is bound yet, so nothing is reported.
  setText(backupText_);
}

TNewMemo::TNewMemo(const Record& record) : TNewMemo() {
  const RecordProps rp(record);
  loadInputRecord(rp);
  maxLine_ = rp.integer("MaxLine");
  using S = ScrollBars;
  scrollBars_ =
      ordinalAs(rp, "ScrollBars", {S::None, S::Horizontal, S::Vertical, S::Both}, scrollBars_);
  if (known(rp, "WordWrap")) wordWrap_ = rp.boolean("WordWrap");
  backupString_ = rp.lines("BackupString");
  setLines(backupString_);
}

TNewCheckBox::TNewCheckBox(const Record& record) : TNewCheckBox() {
  const RecordProps rp(record);
  loadCheckRecord(rp);
  only_ = rp.boolean("Only");
  group_ = rp.integer("Group");
  // taLeftJustify puts the caption left, so the box right of it.
  side_ = ordinalAs(rp, "Alignment", {BoxSide::Right, BoxSide::Left}, side_);
}

TNewRadioButton::TNewRadioButton(const Record& record) : TNewRadioButton() {
  const RecordProps rp(record);
  loadCheckRecord(rp);
  groupIndex_ = rp.integer("GroupIndex");
}

TRunListBox::TRunListBox(const Record& record) : TRunListBox() {
  const RecordProps rp(record);
  loadList(*this, rp);
  border_ = rp.ordinal("BorderStyle") == 1;
  multiSelect_ = rp.boolean("MultiSelect");
  setHint(rp.text("Hint"));
  copySlots(rp);
}

TRunComboBox::TRunComboBox(const Record& record) : TRunComboBox() {
  const RecordProps rp(record);
  loadList(*this, rp);
  if (rp.boolean("Input")) {
    setStyle(ComboStyle::DropDown);
    setText(rp.text("Text"));
  } else {
    setStyle(ComboStyle::DropDownList);
    selectText(rp.text("Text"));
  }
  setHint(rp.text("Hint"));
  copySlots(rp);
}
TRunTimer::TRunTimer(const Record& record) : TRunTimer() {
  const RecordProps rp(record);
  setEnabled(rp.boolean("EnabledCheck"));
  setInterval(rp.integer("Inteval"));
  copySlots(rp);
}

TRunAlarm::TRunAlarm(const Record& record) : TRunAlarm() {
  const RecordProps rp(record);
  setEnabled(rp.boolean("EnabledCheck"));
  repeat_ = ordinalAs(rp, "Inteval", {AlarmRepeat::Custom, AlarmRepeat::Day}, AlarmRepeat::Custom);
  date_ = rp.dateTime("Date");
  time_ = rp.dateTime("Time");
  copySlots(rp);
}

TRunPage::TRunPage(const Record& record) : TRunPage() {
  const RecordProps rp(record);
  loadLiveFlags(*this, rp);
  loadBounds(*this, rp);
  loadFont(*this, rp);
  loadCursor(*this, rp);
  multiLine_ = rp.boolean("MultiLine");
  position_ = ordinalAs(rp, "Position", {TabPosition::Top, TabPosition::Bottom}, TabPosition::Top);
  setHint(rp.text("Hint"));
  buildTabs(rp.lines("PageName"), rp.lines("PageWindow"));
  copySlots(rp);
}

TMediaPlayer::TMediaPlayer(const Record& record) : TMediaPlayer() {
  const RecordProps rp(record);
  fileName_ = rp.text("FileName");
}

}  // namespace qav
