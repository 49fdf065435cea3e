#pragma once
// Event dispatch: every bound user action and timer tick ends in IventClick, which picks the
// sender's script by its class and runs it, unless a script is already running. Page controls
// enter through PageChangeAfter, alarm ticks through OnAlarm.
#include <functional>
#include <string>
#include <vector>

namespace qav {

class Component;
class Hub;
class ItemModel;
class TRunPage;
class WindowModel;

class EventDispatch {
 public:
  explicit EventDispatch(Hub& hub) : hub_(hub) {}

  std::vector<std::string>& ScriptList() { return scriptList_; }
  const std::string& EventSourceName() const { return eventSource_; }
  bool ScriptRunning() const { return scriptRunning_; }
  void setScriptRunning(bool running) { scriptRunning_ = running; }
  // Before a load: no script runs and none is waiting.
  void reset();

  // The universal event handler: drops the event while a script runs, otherwise picks the
  // sender's script and runs it.
  void IventClick(Component& sender);
  // The steps before a run: picks the sender's script into ScriptList and sets
  // EventSourceName. False when the event is dropped.
  bool SelectEvent(Component& sender);
  // The script the sender's event runs, picked by the sender's class; empty for a class that
  // runs no script.
  std::vector<std::string> EventScript(Component& sender);
  // Tick of an alarm: fires at most once in the alarm's second, on its date or daily.
  void OnAlarm(ItemModel& alarm);
  // Connects the item's bound action to IventClick.
  void bind(ItemModel& item);
  // Page controls: the window of the tab being left is taken out of the page area; the
  // window of the new tab is embedded and the page control's script runs.
  void PageChangeBefore(TRunPage& page);
  void PageChangeAfter(TRunPage& page);
  // Embeds the window of the page's active tab in its page area, when that is a window.
  void embedActivePage(TRunPage& page);
  // Told of every event dropped because a script was running, when the dropped event would
  // have run a script that is not blank (the source's name).
  void setDropListener(std::function<void(const std::string&)> l) { dropListener_ = std::move(l); }

 private:
  // The window that the page's active tab shows, when that names a plain window.
  WindowModel* activeTabWindow(TRunPage& page);

  Hub& hub_;
  std::vector<std::string> scriptList_;
  std::string eventSource_;
  bool scriptRunning_ = false;
  std::function<void(const std::string&)> dropListener_;
};

}  // namespace qav
