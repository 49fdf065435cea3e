#pragma once
// The runtime hub: the main window's non-visual half. It owns the main window's model, the
// flat component list, the settings store, the data-table store, the shared script state of
// the event dispatch, and composes the interpreter. Loading, instantiation, dispatch and the
// interpreter live in their own files; this class ties them together.
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
#include "script/Interpreter.h"
#include "stores/DataQueue.h"
#include "stores/MainData.h"

namespace qav {

class InputPath;
class Platform;
class TRunPage;
struct Record;

class TMain : public script::ScriptHost {
 public:
  explicit TMain(Platform& platform);
  ~TMain() override;
  TMain(const TMain&) = delete;
  TMain& operator=(const TMain&) = delete;

  // --- Hub state -----------------------------------------------------------------------
  WindowModel& mainWindow() override { return *main_; }
  ComponentList& components() { return list_; }
  MainData* settings() override { return settings_.get(); }
  void setSettings(std::unique_ptr<MainData> s) { settings_ = std::move(s); }
  // The data-table store. Loading the data file replaces the object: reach it through here.
  DataQueue& DataBox() override { return *dataBox_; }
  void loadData() override;
  // The same, telling what it found (the data menu says so).
  DataFileState loadDataFile();
  bool saveData(std::string& error) override;
  std::unique_ptr<DataQueue>& dataBoxSlot() { return dataBox_; }
  std::vector<std::string>& ScriptList() override { return scriptList_; }
  const std::string& EventSourceName() const override { return eventSource_; }
  bool ScriptRunning() const { return scriptRunning_; }
  void setScriptRunning(bool running) override { scriptRunning_ = running; }
  script::Interpreter& interpreter() { return *interpreter_; }
  Platform& platform() override { return platform_; }
  // The one path of user input (also the platform's UserInput while the hub lives).
  InputPath& input() { return *input_; }

  // The caption of the program-information menu entry: the program's name and "...".
  const std::string& programInfoCaption() const { return programInfoCaption_; }
  void setProgramInfoCaption(std::string c) { programInfoCaption_ = std::move(c); }
  // The data file: the program's directory followed by the settings' DataFile; empty when
  // the program has no settings or DataFile was refused (the reason is what a save reports).
  const std::string& DataPath() const { return dataPath_; }
  void setDataPath(std::string p) { dataPath_ = std::move(p); }
  const std::string& dataRefusal() const { return dataRefusal_; }
  const std::string& StartWindowName() const { return startWindowName_; }
  void setStartWindowName(std::string n) { startWindowName_ = std::move(n); }

  // --- Lookup --------------------------------------------------------------------------
  // By run-time name without regard to ASCII case; the main window's own name first, then
  // the last matching component of the list.
  Component* FindControl(std::string_view name) override;
  const std::vector<Component*>& componentList() const override { return list_.items(); }

  script::VariableTable& variables() override { return interpreter_->variables(); }
  script::DataRecord& currentRecord() override { return interpreter_->currentRecord(); }

  // --- Loading and instantiation -------------------------------------------------------
  // The whole load of the program file, before anything is shown: the settings record, the
  // windows, the items, the program-information caption and the data file. A failure is
  // shown once with its own text and the program runs with what was built; a file too short
  // to carry a project shows the damaged-program warning and ends the program (false).
  bool FormCreate(const std::string& programPath);
  // The settings, windows and items of a payload (the project's records), built into this
  // hub. Throws LoadError at the first failure, keeping what was built; the authoring tools
  // make a trial load with it.
  void LoadPayload(std::string_view payload);
  // The window a record belongs on: its ParentName for item classes that carry one, else "".
  static std::string EventCreate(const Record& record);
  // Turns a window record (window == null) or an item record into what scripts address.
  // Throws LoadError.
  void CreateComponent(Component& loaded, const Record& record, WindowModel* window);
  // The placement step: parent window, run-time name, designed bounds.
  void Setting(ItemModel& control, const Record& record, WindowModel& window);
  // Places an item record read in the second pass (the loader's item hand-over).
  void PlaceItemRecord(Record record);
  // Makes a window from a window record read in the first pass.
  void CreateWindowRecord(Record record);

  // --- The main window's menu and closing ------------------------------------------------
  // Asks "정말로 종료하시겠습니까?" (Yes/No); Yes ends the program. True when it ends.
  bool CloseQuery();
  // A menu entry by name: QavMaker1 (splash), N2 (program information), N4 (quit), N6 (load
  // data), N7 (save data). False for a name that is no entry.
  bool MenuCommand(std::string_view entry);
  // The splash and program-information windows (not in the component list).
  WindowModel& splashWindow() { return *splash_; }
  WindowModel& aboutWindow() { return *about_; }
  // The three lines the information window shows, from the settings.
  std::vector<std::string> aboutLines() const;

  // --- Event dispatch ------------------------------------------------------------------
  // The universal event handler: drops the event while a script runs, otherwise picks the
  // sender's script and runs it.
  void IventClick(Component& sender);
  bool SelectEvent(Component& sender) override;
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
  Platform& platform_;
  std::unique_ptr<WindowModel> main_;
  std::unique_ptr<WindowModel> splash_;
  std::unique_ptr<WindowModel> about_;
  ComponentList list_;
  std::unique_ptr<MainData> settings_;
  std::unique_ptr<DataQueue> dataBox_;
  std::vector<std::string> scriptList_;
  std::string eventSource_;
  bool scriptRunning_ = false;
  std::string programInfoCaption_;
  std::string dataPath_;
  std::string dataRefusal_;
  // The data file was there but could not be read: it is kept as "<file>.bak" before the
  // first save replaces it.
  bool keepUnreadableData_ = false;
  std::string programPath_;
  std::string startWindowName_;
  std::function<void(const std::string&)> dropListener_;
  std::unique_ptr<script::Interpreter> interpreter_;
  std::unique_ptr<InputPath> input_;
};

}  // namespace qav
