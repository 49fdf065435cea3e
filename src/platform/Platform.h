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

  // Views: called once per window and per placed item after the model is configured.
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

  // The local wall clock.
  virtual text::DateTime now() = 0;

  // Starts playing a sound file; a missing file or device is silent.
  virtual void playSound(const std::string& path) = 0;

  // The program file being played (the project is appended to it).
  virtual std::string programPath() = 0;

  // Files. The defaults work on the local file system.
  virtual bool readFile(const std::string& path, std::string& bytes);
  // Writes a whole file so that it is either completely the new content or still the old one:
  // a temporary file in the same directory, flushed, then renamed over the target.
  virtual bool writeFileAtomic(const std::string& path, std::string_view bytes, std::string& error);
  // Loads a picture file; nothing, with a reason, when it cannot be read or is no picture.
  virtual std::optional<Picture> loadPicture(const std::string& path, std::string& error);
  // The file a Windows-style name means (backslashes, any letter case), relative names taken
  // from the program's directory.
  virtual std::string resolvePath(const std::string& name);
};

}  // namespace qav
