#pragma once
// The only door from the core to the outside world: dialogs, windows and modal waits, views,
// the wall clock, sound, the program's own path, and files. QtPlatform is the real one;
// HeadlessPlatform answers from queues and records what would have been shown.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/DateTime.h"
#include "base/Picture.h"
#include "platform/UserInput.h"

namespace qav {

class ItemModel;
class WindowModel;

enum class DialogKind { Warning, Error, Message, Information };

// Buttons of a message box; a set is a bitwise or. The order Yes, No, Ok, Cancel, Abort,
// Retry, Ignore, All is the order in which every box shows them.
enum Button : unsigned {
  kNoButton = 0,
  kYes = 1u << 0,
  kNo = 1u << 1,
  kOk = 1u << 2,
  kCancel = 1u << 3,
  kAbort = 1u << 4,
  kRetry = 1u << 5,
  kIgnore = 1u << 6,
  kAll = 1u << 7,
};
using Buttons = unsigned;

// No data file or picture is larger; bigger files are refused before they are read.
inline constexpr std::size_t kMaxFileBytes = std::size_t{512} << 20;

// The button's word ("Yes", "No", "Ok", "Cancel", "Abort", "Retry", "Ignore", "All"), or "".
const char* buttonWord(Button b);

class Platform {
 public:
  virtual ~Platform() = default;

  // Modal message box; returns the button chosen, kNoButton when closed without one.
  virtual Button messageBox(DialogKind kind, std::string_view caption, std::string_view text,
                            Buttons buttons) = 0;
  // The same with a default button: the one Enter chooses on a display, and the answer of a
  // run that has nobody to ask (a headless run with no answers left).
  virtual Button messageBoxWithDefault(DialogKind kind, std::string_view caption,
                                       std::string_view text, Buttons buttons,
                                       Button defaultButton) {
    (void)defaultButton;
    return messageBox(kind, caption, text, buttons);
  }
  // Modal input box; the text entered, or nothing when cancelled.
  virtual std::optional<std::string> inputBox(std::string_view caption, std::string_view prompt,
                                              std::string_view initial) = 0;

  // Views: called once per window and per placed item after the model is configured. A
  // platform may make a view later, when it is first needed.
  virtual void createWindowView(WindowModel& window) { (void)window; }
  virtual void createItemView(ItemModel& item) { (void)item; }

  // Windows. showWindowModal returns when the window has been closed; a window already on
  // screen becomes modal as well.
  virtual void showWindow(WindowModel& window) = 0;
  virtual void showWindowModal(WindowModel& window) = 0;
  virtual void hideWindow(WindowModel& window) = 0;
  virtual void closeWindow(WindowModel& window) = 0;
  // Ends the program after the current event with this exit code.
  virtual void quit(int exitCode) = 0;
  // Whether quit() was asked for.
  virtual bool quitRequested() const { return false; }

  // The runtime's user-input path: the views and runners hand every user action to it, and
  // the platform tells it when windows appear and go away. Null until the runtime sets it.
  void setUserInput(UserInput* input) { input_ = input; }
  UserInput* userInput() const { return input_; }

  // The local wall clock.
  virtual text::DateTime now() = 0;

  // Starts playing a sound file on the sound item's own player, without waiting for its end.
  // A file that cannot be opened is refused with a reason naming it; an absent audio device
  // only means silence.
  virtual bool playSound(const ItemModel& player, const std::string& path, std::string& error) = 0;
  // The reason given for a file that cannot be opened.
  static std::string cannotOpen(const std::string& path);
  // Whether the path names a regular file that can be opened for reading.
  static bool readable(const std::string& path);

  // The program file being played (the project is appended to it).
  virtual std::string programPath() = 0;

  // Files. The defaults work on the local file system.
  // Reads a whole regular file of at most kMaxFileBytes. Anything else (a folder, a device, a
  // pipe, a larger file) is refused without waiting on it; with a signature, a file that is
  // not empty and does not start with it is refused before the rest is read.
  virtual bool readFile(const std::string& path, std::string& bytes,
                        std::string_view signature = {});
  // Writes a whole file so that it is either completely the new content or still the old one:
  // a temporary file in the same directory, flushed, then renamed over the target. A new file
  // gets 0666 less the umask; a replaced one keeps its permission bits (not set-id) and its
  // owner, and is not replaced when its owner cannot be kept. When no temporary file can be
  // made beside it, an existing file is rewritten in place, its previous bytes written back
  // if that fails.
  virtual bool writeFileAtomic(const std::string& path, std::string_view bytes, std::string& error);
  // Whether anything (even a dangling link) exists under the name.
  virtual bool exists(const std::string& path);
  // Renames a file, replacing what has the new name.
  virtual bool renameFile(const std::string& from, const std::string& to);
  // The path with every symbolic link and "." or ".." resolved; for a name that does not exist,
  // its resolved folder followed by the name; "" when the folder does not exist either.
  virtual std::string realPath(const std::string& path);
  // Loads a picture file; nothing, with a reason, when it cannot be read or is no picture.
  virtual std::optional<Picture> loadPicture(const std::string& path, std::string& error);
  // The file a Windows-style name means (backslashes, any letter case), relative names taken
  // from the program's directory.
  virtual std::string resolvePath(const std::string& name);
  // The same with relative names taken from the given directory.
  std::string resolveIn(const std::string& directory, const std::string& name);

 protected:
  // For the implementations: pass window changes on to the user-input path.
  void windowShown(WindowModel& window) {
    if (input_) input_->windowShown(window);
  }
  void windowGone(WindowModel& window) {
    if (input_) input_->windowGone(window);
  }

 private:
  UserInput* input_ = nullptr;
};

}  // namespace qav
