#pragma once
// The user events of `qav run --event`, shared by the headless runner and the run on the
// display: parsing "kind:rest", and the steps both front ends take around each event (clock,
// print, timer ticks, the refusals and drops they print).
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "platform/UserInput.h"

namespace qav {
class HeadlessPlatform;
class Hub;
}  // namespace qav

namespace qav::tool {

struct Event {
  std::string text;  // as given on the command line
  std::string kind;  // click, select, type, activate, page, tick, clock, close, menu, print
  std::string name;
  std::string arg;
};

// Splits "kind:rest" and checks the form of each kind; a one-line reason when malformed.
std::optional<Event> parseEvent(const std::string& text, std::string& why);

// The characters of a type: event, "\n" standing for Enter and "\b" for Backspace.
std::u32string typedKeys(const std::string& text);

// Plays a queue of events against a hub. What the user does goes to deliver(); the rest
// (clock, print, tick) is done here the same way for every front end.
class EventPlayer {
 public:
  EventPlayer(std::deque<Event> events, HeadlessPlatform& recorder, Hub& hub);
  virtual ~EventPlayer() = default;

  // Performs the next event; false when none is left or the run must stop.
  bool performNext();
  bool failed() const { return failed_; }
  // Prints dropped events as "the event as given" when the current event's target dropped
  // it, else as the event that would have caused it.
  void reportDrop(const std::string& sourceName);

 protected:
  // Performs a user action the rules allow, as the front end's user would.
  virtual void deliver(const Event& e, const UserAction& action) = 0;
  void fail(const std::string& why);
  Hub& hub_;
  HeadlessPlatform& recorder_;

 private:
  void perform(const Event& e);
  std::deque<Event> events_;
  const Event* current_ = nullptr;
  Component* currentTarget_ = nullptr;
  bool failed_ = false;
};

// `qav run FILE --event ...` on the display: the events performed on the real widgets, the
// dialogs answered from the answers, the same lines printed as the headless run prints.
// With trace, the lines of the trace too.
int runOnDisplay(const std::string& file, std::deque<Event> events,
                 const std::vector<std::string>& answers, bool trace);

// One JSON object on its own line of standard output, at once, so that the lines of both
// front ends keep their order.
void printLine(const nlohmann::json& j);
// Prints {"trace": NAME, "line": N, "text": LINE} before each script line runs.
void traceTo(Hub& hub);

}  // namespace qav::tool
