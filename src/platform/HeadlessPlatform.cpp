#include "platform/HeadlessPlatform.h"

#include <chrono>
#include <ctime>

#include "base/Text.h"
#include "items/WindowModel.h"

namespace qav {
namespace {
constexpr Button kOrder[] = {kYes, kNo, kOk, kCancel, kAbort, kRetry, kIgnore, kAll};
constexpr std::string_view kTextAnswer = "text:";
}  // namespace

const char* dialogKindWord(DialogKind kind) {
  switch (kind) {
    case DialogKind::Warning:
      return "warning";
    case DialogKind::Error:
      return "error";
    case DialogKind::Message:
      return "message";
    case DialogKind::Information:
      return "information";
  }
  return "message";
}

HeadlessPlatform::HeadlessPlatform() = default;

void HeadlessPlatform::record(nlohmann::json entry) {
  log_.push_back(entry);
  if (listener_) listener_(log_.back());
}

std::optional<std::string> HeadlessPlatform::nextAnswer() {
  if (answers_.empty()) return std::nullopt;
  std::string a = std::move(answers_.front());
  answers_.pop_front();
  return a;
}

Button HeadlessPlatform::messageBox(DialogKind kind, std::string_view caption,
                                    std::string_view text, Buttons buttons) {
  return answerBox(kind, caption, text, buttons, kNoButton);
}

Button HeadlessPlatform::messageBoxWithDefault(DialogKind kind, std::string_view caption,
                                               std::string_view text, Buttons buttons,
                                               Button defaultButton) {
  return answerBox(kind, caption, text, buttons, defaultButton);
}

Button HeadlessPlatform::answerBox(DialogKind kind, std::string_view caption, std::string_view text,
                                   Buttons buttons, Button defaultButton) {
  nlohmann::json shown = nlohmann::json::array();
  Button fallback = (buttons & defaultButton) ? defaultButton : kNoButton, chosen = kNoButton;
  for (Button b : kOrder) {
    if (!(buttons & b)) continue;
    shown.push_back(buttonWord(b));
    if (fallback == kNoButton) fallback = b;
  }
  if (auto a = nextAnswer()) {
    for (Button b : kOrder)
      if ((buttons & b) && text::equalsIgnoreAsciiCase(*a, buttonWord(b))) chosen = b;
  }
  if (chosen == kNoButton) chosen = fallback;
  record({{"dialog", dialogKindWord(kind)},
          {"caption", std::string(caption)},
          {"text", std::string(text)},
          {"buttons", shown},
          {"answer",
           chosen == kNoButton ? nlohmann::json(nullptr) : nlohmann::json(buttonWord(chosen))}});
  return chosen;
}

std::optional<std::string> HeadlessPlatform::inputBox(std::string_view caption,
                                                      std::string_view prompt,
                                                      std::string_view initial) {
  (void)initial;
  std::optional<std::string> entered;
  if (auto a = nextAnswer(); a && a->compare(0, kTextAnswer.size(), kTextAnswer) == 0)
    entered = a->substr(kTextAnswer.size());
  record({{"dialog", "input"},
          {"caption", std::string(caption)},
          {"text", std::string(prompt)},
          {"buttons", {"Ok", "Cancel"}},
          {"answer", entered ? nlohmann::json(*entered) : nlohmann::json(nullptr)}});
  return entered;
}

void HeadlessPlatform::showWindow(WindowModel& window) {
  record({{"window", window.name()}, {"action", "show"}});
  window.setVisible(true);
  windowShown(window);
}

void HeadlessPlatform::showWindowModal(WindowModel& window) {
  record({{"window", window.name()}, {"action", "show-modal"}});
  window.setVisible(true);
  modal_.insert(&window);
  windowShown(window);
  // The wait: keep performing user events until the window is closed; with none left, the
  // window is closed so the wait ends.
  while (modal_.count(&window) && !quit_) {
    if (!pump_ || !pump_()) {
      if (modal_.count(&window)) closeWindow(window);
    }
  }
  modal_.erase(&window);
}

void HeadlessPlatform::putAway(WindowModel& window, const char* action, bool endsWait) {
  record({{"window", window.name()}, {"action", action}});
  window.setVisible(false);
  if (endsWait) modal_.erase(&window);
  windowGone(window);
}

void HeadlessPlatform::hideWindow(WindowModel& window) {
  putAway(window, "hide", false);
}

void HeadlessPlatform::closeWindow(WindowModel& window) {
  putAway(window, "close", true);
}

void HeadlessPlatform::quit(int exitCode) {
  if (quit_) return;
  quit_ = exitCode;
  record({{"exit", exitCode}});
}

text::DateTime HeadlessPlatform::now() {
  if (clock_) return *clock_;
  auto tp = std::chrono::system_clock::now();
  std::time_t t = std::chrono::system_clock::to_time_t(tp);
  std::tm tm{};
  localtime_r(&t, &tm);
  text::DateTime d;
  d.year = tm.tm_year + 1900;
  d.month = tm.tm_mon + 1;
  d.day = tm.tm_mday;
  d.hour = tm.tm_hour;
  d.minute = tm.tm_min;
  d.second = tm.tm_sec;
  d.msec = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(tp.time_since_epoch()).count() % 1000);
  return d;
}

bool HeadlessPlatform::playSound(const ItemModel& player, const std::string& path,
                                 std::string& error) {
  (void)player;
  if (!readable(path)) {
    error = cannotOpen(path);
    return false;
  }
  record({{"sound", path}});
  return true;
}

}  // namespace qav
