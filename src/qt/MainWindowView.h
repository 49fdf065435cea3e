#pragma once
// The main window: the project's start window with the player's own menu bar, the close
// confirmation, and the splash and information windows it opens.
#include <QMainWindow>
#include <functional>
#include <string_view>

#include "items/ItemModel.h"
#include "items/WindowModel.h"
#include "qt/AboutWindow.h"
#include "qt/Dialogs.h"

class QAction;

namespace qav::qt {

// What the main window asks of the rest of the program.
struct ShellCommands {
  // Carries out a menu entry by its name (QavMaker1, N2, N4, N6, N7).
  std::function<bool(std::string_view entry)> menuCommand;
  // Asks whether the program may end, and ends it on yes; true when the window may close.
  std::function<bool()> closeQuery;
  // The lines of the information window.
  AboutLines aboutLines;
};

class MainWindowView : public QMainWindow, public ModelObserver {
  Q_OBJECT
 public:
  explicit MainWindowView(WindowModel& model);
  ~MainWindowView() override;

  WindowModel& model() const { return model_; }
  QWidget* clientArea() const { return client_; }
  // A menu entry by its name (QavMaker1, N2, N3, N4, N6, N7).
  QAction* menuEntry(const QString& name) const;

  void setCommands(ShellCommands commands);
  const ShellCommands& commands() const { return commands_; }
  // The caption of the information entry (the program's name followed by "...").
  void setProgramEntryCaption(const std::string& caption);

  // The model's bounds are the designed panel of the start window: the client area below the
  // menu bar shows it at its designed place and size, the frame and menu bar go around it.

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
  ShellCommands commands_;
  QWidget* client_;
  bool applying_ = false, reporting_ = false, detached_ = false, shownOnce_ = false;
};

}  // namespace qav::qt
