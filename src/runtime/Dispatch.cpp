// Event dispatch: every bound user action and timer tick ends in IventClick, which picks the
// sender's script by its class and runs it, unless a script is already running.
#include "runtime/Dispatch.h"
#include "base/Text.h"
#include "items/ItemKind.h"
#include "items/ItemModel.h"
#include "items/Ivent.h"
#include "items/WindowModel.h"
#include "items/controls/ControlModel.h"
#include "items/controls/RunAlarm.h"
#include "items/controls/RunPage.h"
#include "items/graphic/Rounding.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "runtime/Hub.h"

namespace qav {

void EventDispatch::reset() {
  scriptRunning_ = false;
  scriptList_.clear();
}

void EventDispatch::bind(ItemModel& item) {
  item.setHandler([this](ItemModel& sender) { IventClick(sender); });
}

std::vector<std::string> EventDispatch::EventScript(Component& sender) {
  if (sender.isWindow()) {
    Component* holder = hub_.FindControl(std::string(msg::kEventHolderPrefix) + sender.name());
    if (holder && holder->className() == cls::kIvent) return static_cast<TIvent*>(holder)->data();
    return {};
  }
  const int slot = eventSlot(sender.className());
  auto* control = slot ? dynamic_cast<ControlModel*>(&sender) : nullptr;
  return control ? control->ivent(slot) : std::vector<std::string>();
}

namespace {
// Whether showing window w in the page area of page would put w inside itself: the page sits
// on w, or on a window that is (through further pages) shown inside w.
bool containsPage(const WindowModel& w, const ItemModel& page) {
  const WindowModel* host = page.parentWindow();
  for (int guard = 0; host && guard < 10000; ++guard) {
    if (host == &w) return true;
    const ItemModel* outer = host->pageHost();
    host = outer ? outer->parentWindow() : nullptr;
  }
  return host != nullptr;
}

// Whether a script would do anything at all: it has a line that is not blank.
bool hasStatements(const std::vector<std::string>& script) {
  for (const std::string& line : script)
    if (!text::trim(line).empty()) return true;
  return false;
}
}  // namespace

bool EventDispatch::SelectEvent(Component& sender) {
  if (scriptRunning_) {
    // Only a drop that cost a script is worth telling: an edit field without a change script,
    // written by the running script, loses nothing.
    if (dropListener_ && hasStatements(EventScript(sender))) dropListener_(sender.name());
    return false;
  }
  scriptList_.clear();
  if (sender.className() == cls::kCheckBox)
    hub_.interpreter().CheckBox_GroupCheck(static_cast<ItemModel&>(sender));
  scriptList_ = EventScript(sender);
  eventSource_ = sender.name();
  return true;
}

void EventDispatch::IventClick(Component& sender) {
  // The event loop never sees an exception: a failing check-box write or dialog ends here.
  try {
    if (!SelectEvent(sender)) return;
    hub_.interpreter().IventRun();
  } catch (...) {
    scriptRunning_ = false;
  }
}

void EventDispatch::OnAlarm(ItemModel& alarm) {
  // The alarm decides whether this tick is its moment (once per alarm second, on its date or
  // daily) and then reports itself to its bound handler, IventClick.
  if (auto* a = dynamic_cast<TRunAlarm*>(&alarm)) a->check(hub_.platform().now());
}

WindowModel* EventDispatch::activeTabWindow(TRunPage& page) {
  const PageTab* tab = page.activeTab();
  if (!tab) return nullptr;
  Component* found = hub_.FindControl(tab->window);
  return isPlainWindow(found) ? static_cast<WindowModel*>(found) : nullptr;
}

void EventDispatch::embedActivePage(TRunPage& page) {
  WindowModel* w = activeTabWindow(page);
  if (!w || containsPage(*w, page)) return;  // a window is never shown inside itself
  w->setBorderStyle(BorderStyle::None);
  w->setStayOnTop(true);
  w->setPageHost(&page);
  w->setBounds(graphic::add(page.left(), page.sheetLeft()),
               graphic::add(page.top(), page.sheetTop()), w->width(), w->height());
  hub_.platform().showWindow(*w);
}

void EventDispatch::PageChangeBefore(TRunPage& page) {
  WindowModel* w = activeTabWindow(page);
  if (!w) return;
  w->setBorderStyle(BorderStyle::Single);
  w->setStayOnTop(false);
  w->setPageHost(nullptr);
  hub_.platform().hideWindow(*w);
}

void EventDispatch::PageChangeAfter(TRunPage& page) {
  if (!activeTabWindow(page)) return;
  embedActivePage(page);
  IventClick(page);
}

}  // namespace qav
