#pragma once
// A platform without a display: dialogs are answered from a queue, everything that would have
// been shown is recorded (as JSON objects, in order), the clock can be set, and a window
// shown modally stays open while queued user events are performed, until it is closed.
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/Platform.h"

namespace qav {

class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform();

  // Answers, consumed one per dialog: a button word ("Yes", "Ok", ... any letter case),
  // "text:WORDS" for an input box, or "Cancel". With none left a message box is answered
  // with its default button (its first button when it names none) and an input box is
  // cancelled.
  void queueAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
  std::size_t answersLeft() const { return answers_.size(); }

  // Fixes the clock; until then the real local time is used.
  void setClock(const text::DateTime& t) { clock_ = t; }
  void setProgramPath(std::string path) { programPath_ = std::move(path); }

  // Performs the next queued user event while a window waits modally; false when none is left.
  void setEventPump(std::function<bool()> pump) { pump_ = std::move(pump); }

  // Every observable effect, in order; the listener sees each as it happens.
  const std::vector<nlohmann::json>& log() const { return log_; }
  void setListener(std::function<void(const nlohmann::json&)> l) { listener_ = std::move(l); }
  void record(nlohmann::json entry);

  bool quitRequested() const override { return quit_.has_value(); }
  int exitCode() const { return quit_.value_or(0); }
  bool isModalOpen(const WindowModel& w) const { return modal_.count(&w) != 0; }

  // Platform
  Button messageBox(DialogKind kind, std::string_view caption, std::string_view text,
                    Buttons buttons) override;
  Button messageBoxWithDefault(DialogKind kind, std::string_view caption, std::string_view text,
                               Buttons buttons, Button defaultButton) override;
  std::optional<std::string> inputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view initial) override;
  void showWindow(WindowModel& window) override;
  void showWindowModal(WindowModel& window) override;
  void hideWindow(WindowModel& window) override;
  void closeWindow(WindowModel& window) override;
  void quit(int exitCode) override;
  text::DateTime now() override;
  bool playSound(const ItemModel& player, const std::string& path, std::string& error) override;
  std::string programPath() override { return programPath_; }

 private:
  std::optional<std::string> nextAnswer();
  Button answerBox(DialogKind kind, std::string_view caption, std::string_view text,
                   Buttons buttons, Button defaultButton);
  // Hides a window as the action says; a close also ends a modal wait on it.
  void putAway(WindowModel& window, const char* action, bool endsWait);

  std::deque<std::string> answers_;
  std::optional<text::DateTime> clock_;
  std::string programPath_;
  std::function<bool()> pump_;
  std::vector<nlohmann::json> log_;
  std::function<void(const nlohmann::json&)> listener_;
  std::optional<int> quit_;
  std::set<const WindowModel*> modal_;
};

// The word of a dialog kind in the record: "warning", "error", "message", "information".
const char* dialogKindWord(DialogKind kind);

}  // namespace qav
