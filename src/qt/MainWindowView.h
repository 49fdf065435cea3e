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

  // A menu entry by its name (QavMaker1, N2, N3, N4, N6, N7). Makes the menus if the window
  // has not been shown yet.
  QAction* menuEntry(const QString& name);
  // The menu bar is made once the window is on the screen: making one loads the style's
  // images, which need not delay the window. Until then a blank bar of the menu bar's height
  // keeps its place. Showing the window makes it; so does asking for an entry.
  void makeMenus();
  void setVisible(bool visible) override;

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
  // The height of the menu bar: the bar's own once it is made, else the one it will have.
  int menuHeight() const;
  void applyFrame() override;
  void applyBounds() override;
  void reportBounds() override;
  void hiddenByProgram() override { emit closed(); }

  ShellCommands commands_;
  QString programEntryCaption_;
  QWidget* menuSpace_ = nullptr;  // keeps the menu bar's place until it is made
};

// The height a menu bar with these top-level captions takes, worked out as the bar itself
// does from the style and its font, without making one.
int menuBarHeight(const QWidget& bar, const QStringList& captions);

}  // namespace qav::qt
