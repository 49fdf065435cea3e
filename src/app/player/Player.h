#pragma once
// Plays the project appended to a program file: the runtime hub loads it into models, the Qt
// platform shows them, and the event loop runs until the program ends.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "qt/QtPlatform.h"

namespace qav {
class Hub;
struct ProgramRead;
}  // namespace qav

namespace qav::qt {

class Player {
 public:
  // Needs a QApplication. The data file is looked for beside programFile.
  explicit Player(const std::string& programFile);
  const std::string& programFile() const { return programFile_; }
  ~Player();

  // Loads the project and shows the main window. False when the file carries no project: the
  // warning has been shown and the program is to end.
  bool load();
  // The same with the program file read beforehand.
  bool load(ProgramRead&& read);
  // Runs the event loop until the program ends; the exit code.
  int run();

  QtPlatform& platform() { return platform_; }
  Hub& hub() { return *hub_; }

 private:
  std::string programFile_;
  QtPlatform platform_;
  std::unique_ptr<Hub> hub_;
};

// Hands the main window's menu entries, its close request and the information window's lines
// to the hub: menu entries and the close request go through its input path, like any user
// action; the Qt side only shows what the hub decides.
void connectShell(QtPlatform& platform, Hub& hub);
// After the load: the information entry named after the program, the main window at a usable
// size (400 by 300 when no start window gave it one) and shown.
void showMainWindow(Hub& hub, QtPlatform& platform);

// Whether a display can be had: a platform named in QT_QPA_PLATFORM, or an X or Wayland
// display. Without one Qt would abort.
bool displayAvailable();
inline constexpr const char* kNoDisplayMessage =
    "qav: there is no display to play on (DISPLAY and WAYLAND_DISPLAY are not set); play "
    "without one with `qav run --headless FILE`, or set QT_QPA_PLATFORM=offscreen";

// Makes the application (titled "QAV Maker"; no argument but the program's name reaches Qt)
// and plays programFile, or the running program's own file when none is given.
// prepare, when given, sees the hub before the project is loaded.
int runPlayerApplication(char* programName, const std::optional<std::string>& programFile,
                         const std::function<void(Hub&)>& prepare = {});

}  // namespace qav::qt
