#pragma once
// The one path of user input into the runtime. Every front end (the Qt views, the headless
// runner, the random-event explorer) hands its actions here; the path applies what a real
// control applies before anything runs (the item visible, enabled and on a shown window, not
// read-only for typing), then the key filters, the keyboard focus and the event dispatch.
// It also keeps which window is active, so that activation scripts run once per activation,
// whoever caused it: the user, a script showing a window, or the focus coming back after a
// dialog of the player.
#include <string>

#include "platform/UserInput.h"

namespace qav {

class ItemModel;
class Hub;

class InputPath : public UserInput {
 public:
  explicit InputPath(Hub& hub) : hub_(hub) {}

  Refusal check(const UserAction& action) const override;
  // Whether the action would be performed now.
  bool allowed(const UserAction& action) const { return check(action) == Refusal::None; }
  Refusal perform(const UserAction& action) override;

  void windowShown(WindowModel& window) override;
  void windowGone(WindowModel& window) override;

  // The item that has the keyboard focus, and the active window; null when none.
  ItemModel* focused() const { return focused_; }
  WindowModel* activeWindow() const { return active_; }

  // The event text that would cause the sender's bound action from the command line
  // ("activate:Main", "click:Run", "select:List", "type:Edit", "page:Pages", "tick:Timer").
  static std::string eventText(const Component& sender);

 private:
  Refusal itemRules(const ItemModel& item) const;
  void click(ItemModel& item);
  void type(ItemModel& item, char32_t key);
  void focus(ItemModel& item);
  // The window becomes the active one and its activation script runs (or is dropped while a
  // script runs).
  void activate(WindowModel& window);
  // After a dialog of the player closed outside any script: the active window has the focus
  // back, and its activation script runs.
  void focusReturns();

  Hub& hub_;
  ItemModel* focused_ = nullptr;
  WindowModel* active_ = nullptr;
};

}  // namespace qav
