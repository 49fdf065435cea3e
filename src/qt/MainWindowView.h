#pragma once
// The main window: the project's start window with the player's own menu bar, the close
// confirmation, and the splash and information windows it opens.
#include <QMainWindow>
#include <functional>
#include <string_view>

#include "qt/AboutWindow.h"
#include "qt/Dialogs.h"
#include "qt/WindowMirror.h"

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

class MainWindowView : public QMainWindow, public WindowMirror {
  Q_OBJECT
 public:
  explicit MainWindowView(WindowModel& model);

  // A menu entry by its name (QavMaker1, N2, N3, N4, N6, N7).
  QAction* menuEntry(const QString& name) const;

  void setCommands(ShellCommands commands);
  const ShellCommands& commands() const { return commands_; }
  // The caption of the information entry (the program's name followed by "...").
  void setProgramEntryCaption(const std::string& caption);

  // The model's bounds are the designed panel of the start window: the client area below the
  // menu bar shows it at its designed place and size, the frame and menu bar go around it.

 signals:
  void closed();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildMenus();
  void applyFrame() override;
  void applyBounds() override;
  void reportBounds() override;
  void hiddenByProgram() override { emit closed(); }

  ShellCommands commands_;
};

}  // namespace qav::qt
