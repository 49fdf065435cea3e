#include "props/PropertyAccess.h"

#include <array>
#include <utility>

#include "base/Text.h"
#include "items/ItemModel.h"
#include "items/WindowModel.h"
#include "lang/PropertyWords.h"
#include "lang/Texts.h"
#include "lang/Vocabulary.h"
#include "platform/Platform.h"
#include "props/Reference.h"
#include "stores/DataRecord.h"
#include "stores/MainData.h"
#include "stores/VariableTable.h"

namespace qav {
namespace {

// Classes whose own table answers, in the order the property layer asks them. Exactly one
// class can match, so the order only documents the family.
constexpr std::array<std::string_view, 16> kTableClasses = {
    cls::kLabel, cls::kLine,    cls::kBox,      cls::kButton,   cls::kImage, cls::kEdit,
    cls::kMemo,  cls::kListBox, cls::kComboBox, cls::kCheckBox, cls::kTimer, cls::kAlarm,
    cls::kPage,  cls::kSound,   cls::kProgress, cls::kData,
};

// The window state words and the border styles they stand for; other styles have no word.
constexpr std::pair<std::string_view, BorderStyle> kWindowStates[] = {
    {words::kBorderNone, BorderStyle::None},
    {words::kBorderSingle, BorderStyle::Single},
    {words::kBorderSizeable, BorderStyle::Sizeable},
};

void readWindow(const WindowModel& w, std::string_view name, std::string& result) {
  if (name == prop::kCaption) {
    result = w.caption();
  } else if (name == prop::kIcon) {
    result = words::kIconAnswer;
  } else if (name == prop::kSystemButton || name == prop::kMinButton || name == prop::kMaxButton ||
             name == prop::kStayOnTop || name == prop::kAutoScale) {
    result = msg::kErrorValue;
  } else if (name == prop::kWindowState) {
    for (const auto& [word, style] : kWindowStates)
      if (style == w.borderStyle()) result = word;
  } else if (name == prop::kCursor) {
    CursorToWord(w.cursor(), result);
  } else if (name == prop::kColour) {
    ColourToWord(w.colour(), result);
  }
}

void writeWindow(PropertyContext& ctx, WindowModel& w, std::string_view name,
                 std::string_view value) {
  if (name == prop::kCaption) {
    w.setCaption(std::string(value));
  } else if (name == prop::kIcon) {
    std::string error;
    auto pic = ctx.platform().loadPicture(std::string(value), error);
    if (!pic) throw ItemError(error);
    w.setIcon(std::move(*pic));
  } else if (name == prop::kWindowState) {
    for (const auto& [word, style] : kWindowStates)
      if (value == word) w.setBorderStyle(style);
  } else if (name == prop::kCursor) {
    w.setCursor(WordToCursor(value));
  } else if (name == prop::kColour) {
    w.setColour(WordToColour(value));
  }
}

}  // namespace

bool hasPropertyTable(std::string_view className) {
  for (auto c : kTableClasses)
    if (c == className) return true;
  return false;
}

std::string Propertys(PropertyContext& ctx, std::string_view ref) {
  if (text::trim(ref).empty()) return std::string(ref);
  Reference r = splitReference(ref);
  return readReference(ctx, ref, r, ctx.FindControl(r.qualifier));
}

std::string readReference(PropertyContext& ctx, std::string_view ref, const Reference& r,
                          Component* c) {
  if (!c && r.qualifier.empty()) {  // a script variable, the commonest reference
    const std::string* v = ctx.variables().find(r.name);
    return v ? *v : std::string(ref);
  }
  std::string result(ref);

  if (r.qualifier == msg::kDataQualifier) {
    result.clear();
    const script::DataRecord& rec = ctx.currentRecord();
    for (int i = 0; i < script::kRecordFields; ++i)
      if (rec.names[static_cast<std::size_t>(i)] == r.name)
        result = rec.values[static_cast<std::size_t>(i)];
    return result;
  }
  if (r.qualifier == msg::kSystemQualifier || r.qualifier == msg::kRegisterQualifier) {
    result.clear();
    bool system = r.qualifier == msg::kSystemQualifier;
    int n = TextToNumber(r.name);
    if (n < 1 || n > (system ? 50 : 10)) return result;
    if (MainData* s = ctx.settings()) result = system ? s->systemValue(n) : s->registerValue(n);
  }

  if (c) {
    if (r.name == prop::kName) result.assign(r.qualifier);
    if (c->isWindow()) readWindow(static_cast<const WindowModel&>(*c), r.name, result);
    if (c->isItem() && hasPropertyTable(c->className()))
      static_cast<const ItemModel&>(*c).GetItemProperty(r.name, result);
  }

  if (r.qualifier.empty())
    if (const std::string* v = ctx.variables().find(r.name)) result = *v;
  return result;
}

void PropertySet(PropertyContext& ctx, std::string_view ref, std::string_view value) {
  if (text::trim(ref).empty()) return;
  Reference r = splitReference(ref);
  writeReference(ctx, r, ctx.FindControl(r.qualifier), value);
}

void writeReference(PropertyContext& ctx, const Reference& r, Component* c,
                    std::string_view value) {
  if (r.qualifier == msg::kDataQualifier) {
    script::DataRecord& rec = ctx.currentRecord();
    for (int i = 0; i < script::kRecordFields; ++i)
      if (rec.names[static_cast<std::size_t>(i)] == r.name)
        rec.values[static_cast<std::size_t>(i)].assign(value);
  }
  if (r.qualifier == msg::kSystemQualifier) {
    int n = TextToNumber(r.name);
    if (n >= 1 && n <= 50)
      if (MainData* s = ctx.settings()) s->setSystemValue(n, std::string(value));
  }
  if (r.qualifier == msg::kRegisterWriteQualifier) {
    int n = TextToNumber(r.name);
    if (n >= 1 && n <= 10)
      if (MainData* s = ctx.settings()) s->setRegister(n, std::string(value));
  }

  if (c) {
    if (c->isWindow()) writeWindow(ctx, static_cast<WindowModel&>(*c), r.name, value);
    if (c->isItem() && hasPropertyTable(c->className()))
      static_cast<ItemModel&>(*c).SetItemProperty(r.name, value);
  }

  if (r.qualifier.empty()) ctx.variables().assign(r.name, value);
}

}  // namespace qav
