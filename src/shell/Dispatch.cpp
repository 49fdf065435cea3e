// Event dispatch: every bound user action and timer tick ends in IventClick, which picks the
// sender's script by its class and runs it, unless a script is already running.
#include "items/ItemModel.h"
#include "items/WindowModel.h"
#include "platform/Platform.h"
#include "props/PropertyWords.h"
#include "script/Messages.h"
#include "shell/ClassNames.h"
#include "shell/Ivent.h"
#include "shell/TMain.h"
#include "text/DateTime.h"

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
    if (sender.isItem()) scriptList_ = static_cast<ItemModel&>(sender).eventSlot(n);
  };
  if (c == cls::kLabel || c == cls::kButton) {
    slot(2);
  } else if (sender.isWindow()) {
    Component* holder = FindControl(std::string(msg::kEventHolderPrefix) + sender.name());
    if (holder && holder->className() == cls::kIvent)
      scriptList_ = static_cast<TIvent*>(holder)->Data;
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
  text::DateTime now = platform_.now();
  std::string timeText, dateText, repeat;
  alarm.GetItemProperty(words::kPropAlarmTime, timeText);
  auto at = text::parseTime(timeText);
  if (!at || at->hour != now.hour || at->minute != now.minute || at->second != now.second) return;
  int64_t today = text::dayNumber(now.year, now.month, now.day);
  int64_t second = today * 86400 + now.hour * 3600 + now.minute * 60 + now.second;
  // At most once per alarm second, however the ticks jitter.
  auto [it, fresh] = alarmFired_.try_emplace(&alarm, second);
  if (!fresh) {
    if (it->second == second) return;
    it->second = second;
  }
  alarm.GetItemProperty(words::kPropAlarmRepeat, repeat);
  if (repeat != words::kAlarmDaily) {
    alarm.GetItemProperty(words::kPropAlarmDate, dateText);
    auto on = text::parseDate(dateText);
    if (!on || text::dayNumber(on->year, on->month, on->day) != today) return;
  }
  IventClick(alarm);
}

}  // namespace qav
