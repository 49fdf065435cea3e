#pragma once
// The real platform: Qt dialogs, window views, the wall clock, sound and the program's path.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Platform.h"
#include "qt/MainWindowView.h"

namespace qav::qt {

class SoundPlayer;
class TitleWindow;
class WindowView;

class QtPlatform : public Platform {
 public:
  // Needs a QApplication. Closing the last window does not end the program: only quit() does.
  QtPlatform();
  ~QtPlatform() override;

  Button messageBox(DialogKind kind, std::string_view caption, std::string_view text,
                    Buttons buttons) override;
  std::optional<std::string> inputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view initial) override;

  void createWindowView(WindowModel& window) override;
  void createItemView(ItemModel& item) override;

  void showWindow(WindowModel& window) override;
  void showWindowModal(WindowModel& window) override;
  void hideWindow(WindowModel& window) override;
  void closeWindow(WindowModel& window) override;
  void quit(int exitCode) override;

  text::DateTime now() override;
  bool playSound(const ItemModel& player, const std::string& path, std::string& error) override;
  std::string programPath() override;
  // The file whose appended project is played (default: the running executable).
  void setProgramPath(std::string path) { programPath_ = std::move(path); }

  // What quit() does after recording the request: by default it leaves every running event
  // loop once the current event is done, and no modal loop runs after that.
  void setQuitAction(std::function<void(int)> action) { quitAction_ = std::move(action); }
  // Whether quit() was asked for, and with which code (it may come before the event loop runs).
  bool quitRequested() const override { return quitRequested_; }
  int exitCode() const { return exitCode_; }

  // The main window's view, once the main window model has been given a view.
  MainWindowView* mainWindow() const { return main_; }
  // The splash and information windows (views of the "TTitle" and "TAbout" windows).
  TitleWindow* titleWindow();
  AboutWindow* aboutWindow();
  // What the main window's menu and closing do: the runtime's menu decides, this side only
  // shows. Unset parts do nothing (an unset close query lets the window close).
  void setShellCommands(ShellCommands commands);
  // The top-level or embedded widget of a window, made on first use. A plain window's view,
  // and the views of the items on it, are made when the window is first shown or its widgets
  // are asked for: a window that is never shown costs nothing at start-up.
  QWidget* windowView(WindowModel& window);
  // The widget that shows an item, or null; on a window whose view is not made yet, the
  // window's view is made first.
  QWidget* itemView(const ItemModel& item);
  // The timer behind a timer or alarm item, or null.
  QObject* itemDriver(const ItemModel& item) const;
  // Records the widget that shows an item (its lifetime stays with its parent widget).
  void addItemView(const ItemModel& item, QWidget* view);
  // Where the items of a window are placed.
  QWidget* clientAreaOf(WindowModel& window);

  // Destroys every view; the models stay. Call before the models are destroyed.
  void releaseViews();

 private:
  class PendingView;

  QWidget* builtItemView(const ItemModel& item) const;
  QWidget* pageAreaOf(ItemModel* page) const;
  // Whether the window's view waits for its first showing (plain windows other than the main
  // window) and has not been made yet.
  bool viewWaits(const WindowModel& window) const;

  QPointer<MainWindowView> main_;
  QPointer<TitleWindow> title_;
  QPointer<AboutWindow> about_;
  ShellCommands shell_;
  std::unordered_map<const WindowModel*, QPointer<WindowView>> windows_;
  std::unordered_map<const ItemModel*, QPointer<QWidget>> items_;
  // The items whose views wait for their window's view, in the order they were placed.
  std::unordered_map<const WindowModel*, std::vector<std::unique_ptr<PendingView>>> pending_;
  // Timers and alarms: no widget, a QTimer each.
  QObject driverHome_;
  std::unordered_map<const ItemModel*, QPointer<QObject>> drivers_;
  // One player per sound item, so that one sound does not stop another.
  std::unordered_map<const ItemModel*, std::unique_ptr<SoundPlayer>> sounds_;
  std::string programPath_;
  std::function<void(int)> quitAction_;
  bool quitRequested_ = false;
  int exitCode_ = 0;
};

}  // namespace qav::qt
