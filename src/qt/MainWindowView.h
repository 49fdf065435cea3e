#pragma once
// The main window: the project's start window with the player's own menu bar, the close
// confirmation, and the splash and information windows it opens.
#include <QMainWindow>
#include <functional>

#include "items/ItemModel.h"
#include "items/WindowModel.h"
#include "qt/AboutWindow.h"

class QAction;

namespace qav {
class Platform;
}

namespace qav::qt {

class TitleWindow;

// What the main menu asks of the rest of the program.
struct ShellCommands {
  std::function<void()> loadData;            // "데이타 불러오기"
  std::function<void()> saveData;            // "데이타 저장하기"
  std::function<ProgramInfo()> programInfo;  // shown by the information window
};

class MainWindowView : public QMainWindow, public ModelObserver {
  Q_OBJECT
 public:
  // How much larger the window record's rectangle is made for the main window, which carries a
  // caption, a border and a menu bar: Left + 4, Top + 21, Width - 1, Height + 44.
  static constexpr int kAdjustLeft = 4, kAdjustTop = 21, kAdjustWidth = -1, kAdjustHeight = 44;

  MainWindowView(WindowModel& model, Platform& platform);
  ~MainWindowView() override;

  WindowModel& model() const { return model_; }
  QWidget* clientArea() const { return client_; }
  TitleWindow* titleWindow() const { return title_; }
  AboutWindow* aboutWindow() const { return about_; }
  // A menu entry by its name (QavMaker1, N2, N3, N4, N6, N7).
  QAction* menuEntry(const QString& name) const;

  void setCommands(ShellCommands commands);
  // The information entry reads the program's name followed by "...".
  void setProgramName(const std::string& name);

  // The designed rectangle of the start window, which the client area shows.
  static QRect designedRect(const WindowModel& model);

  void modelChanged(Attr what) override;
  void detach();

 signals:
  void closed();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildMenus();
  void applyAll();
  void applyStyle();
  void applyBounds();
  void reportBounds();

  WindowModel& model_;
  Platform& platform_;
  ShellCommands commands_;
  QWidget* client_;
  TitleWindow* title_;
  AboutWindow* about_;
  bool applying_ = false, reporting_ = false, detached_ = false, shownOnce_ = false;
};

}  // namespace qav::qt
