// Event dispatch: every bound user action and timer tick ends in IventClick, which picks the
// sender's script by its class and runs it, unless a script is already running.
#include "base/Text.h"
#include "items/ItemModel.h"
#include "items/Ivent.h"
#include "items/WindowModel.h"
#include "items/controls/ControlModel.h"
#include "items/controls/RunAlarm.h"
#include "lang/ClassNames.h"
#include "lang/Messages.h"
#include "platform/Platform.h"
#include "runtime/TMain.h"

namespace qav {

void TMain::bind(ItemModel& item) {
  item.setHandler([this](ItemModel& sender) { IventClick(sender); });
}

std::vector<std::string> TMain::EventScript(Component& sender) {
  const std::string& c = sender.className();
  auto slot = [&](int n) {
    auto* control = dynamic_cast<ControlModel*>(&sender);
    return control ? control->ivent(n) : std::vector<std::string>();
  };
  if (c == cls::kLabel || c == cls::kButton) return slot(2);
  if (sender.isWindow()) {
    Component* holder = FindControl(std::string(msg::kEventHolderPrefix) + sender.name());
    if (holder && holder->className() == cls::kIvent) return static_cast<TIvent*>(holder)->data();
    return {};
  }
  if (c == cls::kEdit || c == cls::kMemo || c == cls::kListBox || c == cls::kComboBox ||
      c == cls::kCheckBox || c == cls::kRadioButton || c == cls::kPage)
    return slot(3);
  if (c == cls::kTimer || c == cls::kAlarm) return slot(5);
  return {};
}

namespace {
// Whether a script would do anything at all: it has a line that is not blank.
bool hasStatements(const std::vector<std::string>& script) {
  for (const std::string& line : script)
    if (!text::trim(line).empty()) return true;
  return false;
}
}  // namespace

bool TMain::SelectEvent(Component& sender) {
  if (scriptRunning_) {
    // Only a drop that cost a script is worth telling: an edit field without a change script,
    // written by the running script, loses nothing.
    if (dropListener_ && hasStatements(EventScript(sender))) dropListener_(sender.name());
    return false;
  }
  scriptList_.clear();
  if (sender.className() == cls::kCheckBox)
    interpreter_->CheckBox_GroupCheck(static_cast<ItemModel&>(sender));
  scriptList_ = EventScript(sender);
  eventSource_ = sender.name();
  return true;
}

void TMain::IventClick(Component& sender) {
  // The event loop never sees an exception: a failing check-box write or dialog ends here.
  try {
    if (!SelectEvent(sender)) return;
    interpreter_->IventRun();
  } catch (...) {
    scriptRunning_ = false;
  }
}

void TMain::OnAlarm(ItemModel& alarm) {
  // The alarm decides whether this tick is its moment (once per alarm second, on its date or
  // daily) and then reports itself to its bound handler, IventClick.
  if (auto* a = dynamic_cast<TRunAlarm*>(&alarm)) a->check(platform_.now());
}

}  // namespace qav
