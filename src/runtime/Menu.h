#pragma once
// The player's own menu on the main window and the closing of the main window: the runtime
// decides what each entry does; a front end only shows it.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "items/WindowModel.h"

namespace qav {

class Hub;

class ShellMenu {
 public:
  explicit ShellMenu(Hub& hub);

  // Asks "정말로 종료하시겠습니까?" (Yes/No); Yes ends the program. True when it ends.
  bool CloseQuery();
  // A menu entry by name: QavMaker1 (splash), N2 (program information), N4 (quit), N6 (load
  // data), N7 (save data). False for a name that is no entry.
  bool MenuCommand(std::string_view entry);
  // The splash and program-information windows (not in the component list).
  WindowModel& splashWindow() { return splash_; }
  WindowModel& aboutWindow() { return about_; }
  // The three lines the information window shows, from the settings.
  std::vector<std::string> aboutLines() const;
  // The caption of the program-information entry: the program's name and "...".
  const std::string& programInfoCaption() const { return programInfoCaption_; }
  void setProgramInfoCaption(std::string c) { programInfoCaption_ = std::move(c); }

 private:
  Hub& hub_;
  WindowModel splash_{"TTitle"};
  WindowModel about_{"TAbout"};
  std::string programInfoCaption_;
};

}  // namespace qav
