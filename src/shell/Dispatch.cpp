// Event dispatch: every bound user action and timer tick ends in IventClick, which picks the
// sender's script by its class and runs it, unless a script is already running.
#include "items/ItemModel.h"
#include "items/WindowModel.h"
#include "items/controls/ControlModel.h"
#include "items/controls/RunAlarm.h"
#include "platform/Platform.h"
#include "script/Messages.h"
#include "shell/ClassNames.h"
#include "shell/Ivent.h"
#include "shell/TMain.h"

namespace qav {

void TMain::bind(ItemModel& item) {
  item.setHandler([this](ItemModel& sender) { IventClick(sender); });
}

bool TMain::SelectEvent(Component& sender) {
  if (scriptRunning_) {
    if (dropListener_) dropListener_(sender.name());
    return false;
  }
  scriptList_.clear();
  const std::string& c = sender.className();
  auto slot = [&](int n) {
    if (auto* control = dynamic_cast<ControlModel*>(&sender)) scriptList_ = control->ivent(n);
  };
  if (c == cls::kLabel || c == cls::kButton) {
    slot(2);
  } else if (sender.isWindow()) {
    Component* holder = FindControl(std::string(msg::kEventHolderPrefix) + sender.name());
    if (holder && holder->className() == cls::kIvent)
      scriptList_ = static_cast<TIvent*>(holder)->data();
  } else if (c == cls::kEdit || c == cls::kMemo || c == cls::kListBox || c == cls::kComboBox ||
             c == cls::kRadioButton || c == cls::kPage) {
    slot(3);
  } else if (c == cls::kCheckBox) {
    interpreter_->CheckBox_GroupCheck(static_cast<ItemModel&>(sender));
    slot(3);
  } else if (c == cls::kTimer || c == cls::kAlarm) {
    slot(5);
  }
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
