// The error report and the type and list checks of the interpreter.
#include "base/Text.h"
#include "items/ItemModel.h"
#include "items/WindowModel.h"
#include "items/controls/NewCheckBox.h"
#include "lang/PropertyWords.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "props/Reference.h"
#include "props/Schema.h"
#include "script/Interpreter.h"
#include "stores/MainData.h"

namespace qav::script {

// --- Error report ----------------------------------------------------------------------

void Interpreter::Error(std::string_view message) {
  MainData* s = host_.settings();
  bool opt2 = s && s->option(2), opt3 = s && s->option(3), opt4 = s && s->option(4);
  if (opt4) abort_ = true;
  if (opt3 || opt4) return;
  std::string textOut(opt2 ? msg::kErrorHeadingContinue : msg::kErrorHeadingChoose);
  textOut += host_.EventSourceName();
  textOut += msg::kErrorOfEvent;
  textOut += text::decimal(currentLine_ + 1);
  textOut += msg::kErrorLineSuffix;
  textOut += "\r\r  ";
  const auto& lines = host_.ScriptList();
  if (currentLine_ >= 0 && static_cast<std::size_t>(currentLine_) < lines.size())
    textOut += text::trim(lines[static_cast<std::size_t>(currentLine_)]);
  textOut += "\r\r";
  textOut += message;
  if (opt2) {
    host_.platform().messageBox(DialogKind::Error, msg::kErrorCaption, textOut, kOk);
    userAnswered();
    return;
  }
  Button b =
      host_.platform().messageBox(DialogKind::Error, msg::kErrorCaption, textOut, kOk | kCancel);
  userAnswered();
  if (b == kCancel) abort_ = true;
}

// --- Type and list checks --------------------------------------------------------------

char Interpreter::TypeCheck(std::string_view ref) {
  if (ref.find(':') == std::string_view::npos) return 'S';
  CachedRef r{splitReference(ref)};
  refresh(r);
  return r.letter;
}

bool Interpreter::ListCheck(std::string_view ref, std::string_view value) {
  Reference r = splitReference(ref);
  if (r.qualifier.empty()) return false;
  Component* c = host_.FindControl(r.qualifier);
  const SchemaTable* table = c ? schemaForClass(c->className()) : nullptr;
  return table && table->hasChoice(r.name, value);
}

// The group rule visits every exclusive check box of the same group on the clicked box's
// own window: a group never reaches across windows, and a box on no window has no group.
void Interpreter::CheckBox_GroupCheck(ItemModel& clicked) {
  auto* box = dynamic_cast<TNewCheckBox*>(&clicked);
  if (!box) return;
  auto setChecked = [](TNewCheckBox& b, bool on) {
    EventHandler saved = b.handler();
    b.setHandler(nullptr);  // the write must not raise the box's own event
    struct Restore {
      ItemModel& b;
      EventHandler& h;
      ~Restore() { b.setHandler(std::move(h)); }
    } restore{b, saved};
    b.SetItemProperty(prop::kChecked, on ? words::kTrue : words::kFalse);
  };
  if (WindowModel* window = box->parentWindow()) {
    for (Component* c : host_.componentList()) {
      auto* other = dynamic_cast<TNewCheckBox*>(c);
      if (!other || other == box || other->parentWindow() != window) continue;
      if (other->only() && other->group() == box->group()) setChecked(*other, false);
    }
  }
  if (box->only()) setChecked(*box, true);
}

}  // namespace qav::script
