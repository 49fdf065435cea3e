#pragma once
// The runtime hub: the main window's non-visual half. It owns the main window's model, the
// flat component list, the settings store and the interpreter, and composes the units that do
// the work: the loader and instantiation (Instantiation), the event dispatch (EventDispatch),
// the player's menu (ShellMenu) and the data tables with their file (DataFiles). The methods
// below that belong to a unit hand the call to it.
//
// A player uses it so: construct it on its Platform, call FormCreate(program path) (which
// creates the views of every window and item through the platform, the main window's last),
// show the main window, and route user input to the models, which report bound actions to
// IventClick. Alarm ticks go to OnAlarm, the main window's close request to CloseQuery, the
// menu entries to MenuCommand; the splash ("TTitle") and information ("TAbout") windows are
// shown modally through the platform like any other window.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "items/WindowModel.h"
#include "runtime/ComponentList.h"
#include "runtime/DataFile.h"
#include "runtime/Dispatch.h"
#include "runtime/Instantiate.h"
#include "runtime/Menu.h"
#include "script/Interpreter.h"
#include "stores/DataQueue.h"
#include "stores/MainData.h"

namespace qav {

class InputPath;
class Platform;
struct ProgramRead;

class Hub : public script::ScriptHost {
 public:
  explicit Hub(Platform& platform);
  ~Hub() override;
  Hub(const Hub&) = delete;
  Hub& operator=(const Hub&) = delete;

  // --- The units -------------------------------------------------------------------------
  EventDispatch& dispatch() { return dispatch_; }
  Instantiation& instantiation() { return instantiation_; }
  ShellMenu& menu() { return menu_; }
  DataFiles& data() { return data_; }
  script::Interpreter& interpreter() { return *interpreter_; }
  // The one path of user input (also the platform's UserInput while the hub lives).
  InputPath& input() { return *input_; }

  // --- Hub state -----------------------------------------------------------------------
  WindowModel& mainWindow() override { return *main_; }
  ComponentList& components() { return list_; }
  MainData* settings() override { return settings_.get(); }
  void setSettings(std::unique_ptr<MainData> s) { settings_ = std::move(s); }
  Platform& platform() override { return platform_; }
  const std::string& StartWindowName() const { return startWindowName_; }
  void setStartWindowName(std::string n) { startWindowName_ = std::move(n); }

  // By run-time name without regard to ASCII case; the main window's own name first, then
  // the last matching component of the list.
  Component* FindControl(std::string_view name) override;
  const std::vector<Component*>& componentList() const override { return list_.items(); }
  script::VariableTable& variables() override { return interpreter_->variables(); }
  script::DataRecord& currentRecord() override { return interpreter_->currentRecord(); }

  // The whole load of the program file, before anything is shown: the settings record, the
  // windows, the items, the program-information caption and the data file. A failure is
  // shown once with its own text and the program runs with what was built; a file too short
  // to carry a project shows the damaged-program warning and ends the program (false).
  bool FormCreate(const std::string& programPath);
  // The same with the program file read beforehand.
  bool FormCreate(const std::string& programPath, ProgramRead&& read);
  // The settings, windows and items of a payload (the project's records), built into this
  // hub. Throws LoadError at the first failure, keeping what was built; the authoring tools
  // make a trial load with it.
  void LoadPayload(std::string_view payload);

  // --- Handed to the units ---------------------------------------------------------------
  DataQueue& DataBox() override { return data_.box(); }
  void loadData() override { (void)data_.load(); }
  bool saveData(std::string& error) override { return data_.save(error); }
  const std::string& DataPath() const { return data_.path(); }
  void setDataPath(std::string p) { data_.setPath(std::move(p)); }
  const std::string& dataRefusal() const { return data_.refusal(); }

  std::vector<std::string>& ScriptList() override { return dispatch_.ScriptList(); }
  const std::string& EventSourceName() const override { return dispatch_.EventSourceName(); }
  bool ScriptRunning() const { return dispatch_.ScriptRunning(); }
  void setScriptRunning(bool running) override { dispatch_.setScriptRunning(running); }
  bool SelectEvent(Component& sender) override { return dispatch_.SelectEvent(sender); }
  void IventClick(Component& sender) { dispatch_.IventClick(sender); }
  void OnAlarm(ItemModel& alarm) { dispatch_.OnAlarm(alarm); }
  void bind(ItemModel& item) { dispatch_.bind(item); }
  void setDropListener(std::function<void(const std::string&)> l) {
    dispatch_.setDropListener(std::move(l));
  }

  bool CloseQuery() { return menu_.CloseQuery(); }
  bool MenuCommand(std::string_view entry) { return menu_.MenuCommand(entry); }
  std::vector<std::string> aboutLines() const { return menu_.aboutLines(); }
  const std::string& programInfoCaption() const { return menu_.programInfoCaption(); }

 private:
  Platform& platform_;
  std::unique_ptr<WindowModel> main_;
  ComponentList list_;
  std::unique_ptr<MainData> settings_;
  std::string startWindowName_;
  DataFiles data_;
  EventDispatch dispatch_{*this};
  Instantiation instantiation_{*this};
  ShellMenu menu_{*this};
  std::unique_ptr<script::Interpreter> interpreter_;
  std::unique_ptr<InputPath> input_;
};

}  // namespace qav
