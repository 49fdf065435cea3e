#include "runtime/LoadCheck.h"

#include <algorithm>
#include <utility>

#include "base/Text.h"
#include "items/controls/RunPage.h"
#include "lang/Texts.h"
#include "props/Schema.h"
#include "runtime/ComponentList.h"
#include "runtime/Instantiate.h"
#include "stores/MainData.h"
#include "stream/ClassRegistry.h"
#include "stream/LoadError.h"
#include "stream/RecordProps.h"

namespace qav {
namespace {

std::string quoted(std::string_view name) {
  return "\"" + std::string(name) + "\"";
}

// "Lbl01 (TNewLabel)": how both texts name a record.
std::string recordOf(std::string_view name, std::string_view className) {
  return std::string(name) + " (" + std::string(className) + ")";
}

[[noreturn]] void refuse(std::string_view name, std::string_view className, std::string_view korean,
                         const std::string& english) {
  throw LoadError::ofRecord(name, className, korean, english);
}

// Classes whose placed record takes its run-time name itself.
bool renamedInPlace(std::string_view c) {
  return c == cls::kLabel || c == cls::kButton || c == cls::kCheckBox || c == cls::kEdit ||
         c == cls::kMemo || c == cls::kImage || c == cls::kLine || c == cls::kBox ||
         c == cls::kProgress || c == cls::kData;
}

// Classes whose placed record is copied into a run-time object of its run-time name.
bool copiedToObject(std::string_view c) {
  return c == cls::kListBoxRecord || c == cls::kComboBoxRecord || c == cls::kTimerRecord ||
         c == cls::kAlarmRecord || c == cls::kSoundRecord || c == cls::kPageRecord;
}

// Radio buttons and clocks keep their stream name when their run-time name cannot be had:
// projects were built for a player that left them unnamed.
bool keepsStreamNameOnConflict(std::string_view c) {
  return c == cls::kRadioButton || c == cls::kWatch;
}

// What a property of the kind takes, in the author's terms.
std::string kindWords(const PropInfo& p) {
  auto list = [](std::string_view head, const auto& names) {
    std::string out(head);
    for (std::size_t i = 0; i < names.size(); ++i) out += (i ? ", " : "") + std::string(names[i]);
    return out;
  };
  if (p.kind == PropKind::Enum) return list(msg::kKindOneOf, p.idents);
  if (p.kind == PropKind::Set) return list(msg::kKindSetOf, p.idents);
  static constexpr std::pair<PropKind, std::string_view> kWords[] = {
      {PropKind::Integer, msg::kKindInteger},
      {PropKind::Boolean, msg::kKindBoolean},
      {PropKind::Text, msg::kKindText},
      {PropKind::Lines, msg::kKindLines},
      {PropKind::DateTime, msg::kKindDateTime},
      {PropKind::Float, msg::kKindFloat},
      {PropKind::Colour, msg::kKindColour},
      {PropKind::Cursor, msg::kKindCursor},
      {PropKind::Charset, msg::kKindCharset},
      {PropKind::Binary, msg::kKindBinary},
      {PropKind::ComponentRef, msg::kKindReference},
      {PropKind::Collection, msg::kKindCollection}};
  for (const auto& [kind, words] : kWords)
    if (kind == p.kind) return std::string(words);
  return {};
}

bool isHandlerName(std::string_view name) {
  return name.size() > 2 && name[0] == 'O' && name[1] == 'n' && name[2] >= 'A' && name[2] <= 'Z';
}

// What is wrong at the place, in the author's terms.
std::string faultWords(const StreamPlace& at) {
  const std::string property = std::string(msg::kPropertyWord) + quoted(at.property);
  switch (at.fault) {
    case StreamFault::CutShort:
      if (at.property.empty()) return std::string(msg::kStreamCutShort);
      return property + std::string(msg::kValueCutShort);
    case StreamFault::Structure:
      return std::string(msg::kStreamMalformed);
    case StreamFault::Class:
      return std::string(msg::kUnknownClass);
    case StreamFault::Property: {
      const ClassInfo* cls = ClassRegistry::instance().find(at.className);
      if (const PropInfo* p = cls ? cls->find(at.property) : nullptr)
        return property + std::string(msg::kWrongValue) + kindWords(*p) +
               std::string(msg::kWrongValueTail);
      return property +
             std::string(isHandlerName(at.property) ? msg::kHandlerGiven : msg::kUnknownProperty);
    }
  }
  return {};
}

}  // namespace

LoadError loadFailure(const StreamError& e) {
  const StreamPlace& at = e.place();
  const std::string korean = faultWords(at);
  if (at.className.empty()) return LoadError(korean, e.what());
  if (at.record.empty())  // read no further than its class
    return LoadError(at.className + std::string(msg::kRecordWord) + korean, e.what());
  return LoadError(recordOf(at.record, at.className) + std::string(msg::kRecordWord) + korean,
                   e.what());
}

const std::vector<std::string>& reservedNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n = {"N1", "N2", "N3", "N4", "N5", "N6", "N7", "QavMaker1", "DataBox"};
    for (const SchemaTable* t : schemaTables()) n.push_back(t->name());
    return n;
  }();
  return names;
}

LoadCheck::LoadCheck() {
  for (const std::string& r : reservedNames()) taken_.emplace(text::upperAscii(r), std::string());
}

bool LoadCheck::allowed(const std::string& name, const Item& record, bool quiet) const {
  auto no = [&](std::string_view korean, const std::string& english) {
    if (!quiet) refuse(record.name, record.className, korean, english);
    return false;
  };
  if (!isIdentifier(name)) {
    if (quiet) return false;
    identifier(name, record);
  }
  auto it = taken_.find(text::upperAscii(name));
  if (it == taken_.end()) return true;
  if (it->second.empty())
    return no(quoted(name) + std::string(msg::kNameReserved),
              quoted(name) + " is a name the program itself uses");
  return no(
      quoted(name) + std::string(msg::kNameTakenBy) + it->second + std::string(msg::kNameTakenTail),
      quoted(name) + " is already used by " + it->second);
}

void LoadCheck::identifier(const std::string& name, const Item& record) {
  if (name.empty())
    refuse(record.name, record.className, msg::kNameCutEmpty,
           "the name is empty (nothing follows the 5-character prefix)");
  if (!isIdentifier(name))
    refuse(record.name, record.className, quoted(name) + std::string(msg::kNameNotIdentifier),
           quoted(name) + " is not an identifier");
}

void LoadCheck::take(const std::string& name, const Item& record) {
  allowed(name, record);
  taken_.emplace(text::upperAscii(name), recordOf(record.name, record.className));
}

void LoadCheck::record(const Record& record) {
  Item item{record.className, record.name, Instantiation::EventCreate(record)};
  identifier(record.name, item);
  if (!haveSettings_) {
    haveSettings_ = true;
    const MainData settings = MainData::fromRecord(record);  // the settings record first
    const std::string start = CutName(settings.startWindowName());
    if (start.empty())
      refuse(record.name, record.className, msg::kNoStartWindow,
             "Pages_Name names no start window");
    startWindow_ = start;
  }
  if (record.className == cls::kPanel) {
    // The window record is listed under its stream name, then the window under its
    // run-time name (the main window outside the list) with its event holder.
    take(record.name, item);
    const std::string name = CutName(record.name);
    if (name == startWindow_) {
      identifier(name, item);  // the main window's name is outside the list
    } else {
      take(name, item);
      windows_.push_back(name);
    }
    take(std::string(msg::kEventHolderPrefix) + name, item);
    return;
  }
  if (record.className == cls::kPageRecord) {
    RecordProps props(record);
    for (const std::string& line : props.lines("PageName"))
      if (line != TRunPage::kNoPage) ++item.tabs;
  }
  items_.push_back(std::move(item));
}

void LoadCheck::finish() {
  for (const Item& item : items_) {
    take(item.name, item);
    if (item.parent.empty()) continue;
    const std::string window = CutName(item.parent);
    if (window != startWindow_ &&
        std::find(windows_.begin(), windows_.end(), window) == windows_.end())
      continue;  // its window is nowhere: it stays unplaced under its stream name
    const std::string name = CutName(item.name);
    const std::string& c = item.className;
    if (renamedInPlace(c) || keepsStreamNameOnConflict(c)) {
      auto own = taken_.find(text::upperAscii(item.name));
      std::string owner = std::move(own->second);
      taken_.erase(own);
      if (keepsStreamNameOnConflict(c) && !allowed(name, item, true)) {
        taken_.emplace(text::upperAscii(item.name), std::move(owner));
        continue;
      }
      take(name, item);
    } else if (copiedToObject(c)) {
      take(name, item);
      for (std::size_t i = 1; i <= item.tabs; ++i) take(name + "_" + std::to_string(i), item);
    }
  }
  items_.clear();
}

void LoadCheck::checkRecords(const std::vector<Record>& records) {
  LoadCheck check;
  for (const Record& r : records) check.record(r);
  check.finish();
}

}  // namespace qav
