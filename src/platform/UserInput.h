#pragma once
// What a user can do to the running program, as one value: click an item, pick an entry of a
// list, type a character, switch a tab, activate or close a window, pick a menu entry. Every
// front end hands these to the one UserInput of the runtime, which applies the rules a real
// control applies (visible, enabled, on a shown window, writable) before anything happens,
// so that the display and a headless run behave the same.
#include <string>

namespace qav {

class Component;
class WindowModel;

enum class UserActionKind { Click, Select, Type, Page, Activate, Close, Menu };

struct UserAction {
  UserAction() = default;
  UserAction(UserActionKind k, Component* t = nullptr, int i = 0, char32_t c = 0)
      : kind(k), target(t), index(i), key(c) {}

  UserActionKind kind = UserActionKind::Click;
  // The item or window acted on; null for a menu entry.
  Component* target = nullptr;
  // Select and Page: the entry or tab, counting from 0.
  int index = 0;
  // Type: one character; Backspace is 8, Enter 13.
  char32_t key = 0;
  // Menu: the entry's name (QavMaker1, N2, N4, N6, N7).
  std::string entry;
};

// Why the rules turned an action down.
enum class Refusal {
  None,      // allowed
  Hidden,    // the item is not visible
  Disabled,  // the item is not enabled
  ReadOnly,  // typing into a read-only field, or into a combo box without a text field
  NoWindow,  // the item's window (or the window itself) is not shown
  Unsuited,  // the target takes no such action (a click on a timer, a tab beyond the last)
};

// Whether an item of this kind takes the keyboard focus: text fields, lists, buttons, check
// boxes, radio buttons and page controls do; labels, images and drawn items never do.
bool takesKeyboardFocus(const Component& item);

// "hidden", "disabled", "read-only", "no-window", "unsuited"; "" for None.
const char* refusalWord(Refusal r);

class UserInput {
 public:
  virtual ~UserInput() = default;
  // Whether the action is allowed now; nothing happens.
  virtual Refusal check(const UserAction& action) const = 0;
  // Applies the rules and, when they allow it, performs the action: focus, key filters and the
  // event dispatch. Returns why it was refused, or None.
  virtual Refusal perform(const UserAction& action) = 0;

  // Told by the platform: a window appeared (it becomes the active window) or went away (the
  // main window becomes active again).
  virtual void windowShown(WindowModel& window) = 0;
  virtual void windowGone(WindowModel& window) = 0;
};

}  // namespace qav
