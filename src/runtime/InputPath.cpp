#include "runtime/InputPath.h"

#include "items/WindowModel.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/NewEdit.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "runtime/Hub.h"

namespace qav {
namespace {

bool isClass(const Component& c, std::string_view name) {
  return c.className() == name;
}

// Items a click reaches: everything placed on a window that shows something.
bool clickable(const Component& c) {
  return c.isItem() && !c.isWindow() && !isClass(c, cls::kTimer) && !isClass(c, cls::kAlarm) &&
         !isClass(c, cls::kSound) && !isClass(c, cls::kData);
}

bool focusable(const Component& c) {
  return takesKeyboardFocus(c);
}

void appendUtf8(std::string& s, char32_t c) {
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | c >> 6);
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | c >> 12);
    s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | c >> 18);
    s += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Backspace at the end of the text: the last character goes (a line break CR LF as one).
std::string withoutLastChar(std::string s) {
  if (s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0) return s.erase(s.size() - 2);
  while (!s.empty()) {
    const auto c = static_cast<unsigned char>(s.back());
    s.pop_back();
    if ((c & 0xC0) != 0x80) break;  // the lead byte ends the character
  }
  return s;
}

// The text after one key typed at its end: Backspace deletes, Enter breaks the line where
// there are lines, anything else is appended.
std::string typed(std::string text, char32_t key, bool multiLine) {
  if (key == kKeyBackspace) return withoutLastChar(std::move(text));
  if (key == kKeyEnter || key == kKeyLineFeed) {
    if (multiLine) text += "\r\n";
    return text;
  }
  appendUtf8(text, key);
  return text;
}

}  // namespace

std::string InputPath::eventText(const Component& sender) {
  const char* kind = "click";
  if (sender.isWindow())
    kind = "activate";
  else if (isClass(sender, cls::kTimer) || isClass(sender, cls::kAlarm))
    kind = "tick";
  else if (isClass(sender, cls::kPage))
    kind = "page";
  else if (isClass(sender, cls::kListBox) || isClass(sender, cls::kComboBox))
    kind = "select";
  else if (isClass(sender, cls::kEdit) || isClass(sender, cls::kMemo))
    kind = "type";
  return std::string(kind) + ":" + sender.name();
}

Refusal InputPath::itemRules(const ItemModel& item) const {
  const WindowModel* w = item.parentWindow();
  if (!w || !w->visible()) return Refusal::NoWindow;
  if (!item.visible()) return Refusal::Hidden;
  if (!item.enabled()) return Refusal::Disabled;
  return Refusal::None;
}

Refusal InputPath::check(const UserAction& a) const {
  using K = UserActionKind;
  // The menu bar and the close request belong to the main window itself.
  if (a.kind == K::Menu) {
    const std::string& e = a.entry;
    return e == "QavMaker1" || e == "N2" || e == "N4" || e == "N6" || e == "N7" ? Refusal::None
                                                                                : Refusal::Unsuited;
  }
  Component* c = a.target;
  if (!c) return Refusal::Unsuited;
  if (a.kind == K::Activate || a.kind == K::Close) {
    if (!c->isWindow()) return Refusal::Unsuited;
    auto* w = static_cast<WindowModel*>(c);
    if (a.kind == K::Close && w->isMain()) return Refusal::None;
    return w->visible() ? Refusal::None : Refusal::NoWindow;
  }
  if (!clickable(*c)) return Refusal::Unsuited;
  auto& item = static_cast<ItemModel&>(*c);
  switch (a.kind) {
    case K::Click:
      break;
    case K::Select: {
      int n = -1;
      if (auto* list = dynamic_cast<TRunListBox*>(c)) n = static_cast<int>(list->items().size());
      if (auto* combo = dynamic_cast<TRunComboBox*>(c)) n = static_cast<int>(combo->items().size());
      if (a.index < 0 || a.index >= n) return Refusal::Unsuited;
      break;
    }
    case K::Page: {
      auto* page = dynamic_cast<TRunPage*>(c);
      if (!page || a.index < 0 || a.index >= static_cast<int>(page->tabs().size()))
        return Refusal::Unsuited;
      break;
    }
    case K::Type: {
      auto* edit = dynamic_cast<TNewEdit*>(c);
      auto* memo = dynamic_cast<TNewMemo*>(c);
      auto* combo = dynamic_cast<TRunComboBox*>(c);
      if (!edit && !memo && !combo) return Refusal::Unsuited;
      if (Refusal r = itemRules(item); r != Refusal::None) return r;
      const bool readOnly = edit   ? edit->readOnly()
                            : memo ? memo->readOnly()
                                   : combo->style() != ComboStyle::DropDown;
      return readOnly ? Refusal::ReadOnly : Refusal::None;
    }
    default:
      return Refusal::Unsuited;
  }
  return itemRules(item);
}

Refusal InputPath::perform(const UserAction& a) {
  if (Refusal r = check(a); r != Refusal::None) return r;
  using K = UserActionKind;
  switch (a.kind) {
    case K::Menu:
      hub_.MenuCommand(a.entry);
      focusReturns();
      break;
    case K::Activate:
      // A window that is already active cannot become active again.
      if (active_ != a.target) activate(static_cast<WindowModel&>(*a.target));
      break;
    case K::Close: {
      auto& w = static_cast<WindowModel&>(*a.target);
      if (!w.isMain())
        hub_.platform().closeWindow(w);
      else if (!hub_.CloseQuery())
        focusReturns();
      break;
    }
    case K::Click:
      click(static_cast<ItemModel&>(*a.target));
      break;
    case K::Select: {
      auto& item = static_cast<ItemModel&>(*a.target);
      focus(item);
      // A click in a multiple-choice list toggles its entry.
      if (auto* list = dynamic_cast<TRunListBox*>(&item))
        list->userSelect(a.index, list->multiSelect());
      if (auto* combo = dynamic_cast<TRunComboBox*>(&item)) combo->userSelect(a.index);
      break;
    }
    case K::Page: {
      auto& page = static_cast<TRunPage&>(*a.target);
      focus(page);
      page.userSelectTab(a.index);
      break;
    }
    case K::Type:
      type(static_cast<ItemModel&>(*a.target), a.key);
      break;
  }
  return Refusal::None;
}

void InputPath::focus(ItemModel& item) {
  if (focusable(item)) focused_ = &item;
}

void InputPath::click(ItemModel& item) {
  focus(item);
  if (auto* box = dynamic_cast<TNewCheckBox*>(&item)) return box->userClick();
  if (auto* radio = dynamic_cast<TNewRadioButton*>(&item)) {
    // Radio buttons of one window with the same group index are exclusive.
    for (Component* c : hub_.components().items()) {
      auto* other = dynamic_cast<TNewRadioButton*>(c);
      if (other && other != radio && other->parentWindow() == radio->parentWindow() &&
          other->groupIndex() == radio->groupIndex())
        other->setChecked(false);
    }
    return radio->userClick();
  }
  // Text fields, lists and page controls only take the focus from a click on their body;
  // their scripts run on what the user does inside them.
  if (focusable(item) && !isClass(item, cls::kButton)) return;
  item.fire();
}

void InputPath::type(ItemModel& item, char32_t key) {
  focus(item);
  if (auto* edit = dynamic_cast<TNewEdit*>(&item)) {
    if (edit->acceptKey(key)) edit->userEdited(typed(edit->text(), key, false));
  } else if (auto* memo = dynamic_cast<TNewMemo*>(&item)) {
    if (memo->acceptKey(key)) memo->userEdited(typed(memo->text(), key, true));
  } else if (auto* combo = dynamic_cast<TRunComboBox*>(&item)) {
    combo->userEdited(typed(combo->text(), key, false));
  }
}

void InputPath::activate(WindowModel& window) {
  active_ = &window;
  hub_.IventClick(window);
}

void InputPath::focusReturns() {
  if (hub_.platform().quitRequested() || hub_.ScriptRunning() || !active_) return;
  if (active_->visible()) hub_.IventClick(*active_);
}

void InputPath::windowShown(WindowModel& window) {
  // Windows inside a page control are part of their host, and the player's own splash and
  // information windows run no scripts.
  if (window.pageHost() || (!window.isMain() && !isClass(window, cls::kForm))) return;
  if (active_ == &window) return;
  activate(window);
}

void InputPath::windowGone(WindowModel& window) {
  if (focused_ && focused_->parentWindow() == &window) focused_ = nullptr;
  if (active_ != &window) return;
  active_ = nullptr;
  WindowModel& main = hub_.mainWindow();
  if (&main != &window && main.visible()) activate(main);
}

}  // namespace qav
