#include "app/qav/Explorer.h"

#include "items/WindowModel.h"
#include "items/controls/NewButton.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/NewEdit.h"
#include "items/controls/NewLabel.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "platform/HeadlessPlatform.h"
#include "platform/UserInput.h"
#include "runtime/Hub.h"
#include "runtime/InputPath.h"

namespace qav::tool {
namespace {

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
    return;
  }
  out += static_cast<char>(0xE0 | (cp >> 12));
  out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  out += static_cast<char>(0x80 | (cp & 0x3F));
}

}  // namespace

std::vector<Possible> possibleActions(Hub& hub, const HeadlessPlatform& platform) {
  const WindowModel* modal = nullptr;
  for (WindowModel* w : {&hub.mainWindow(), &hub.menu().splashWindow(), &hub.menu().aboutWindow()})
    if (platform.isModalOpen(*w)) modal = w;
  for (Component* c : hub.componentList())
    if (c->isWindow() && platform.isModalOpen(static_cast<WindowModel&>(*c)))
      modal = static_cast<WindowModel*>(c);
  auto reachable = [&](const WindowModel* w) {
    return w != nullptr && w->visible() && (modal == nullptr || w == modal);
  };
  std::vector<Possible> out;
  if (reachable(&hub.mainWindow())) out.push_back({"activate:" + hub.mainWindow().name()});
  // The splash and information windows that the menu shows, as the user sees them.
  std::vector<Component*> all{&hub.menu().splashWindow(), &hub.menu().aboutWindow()};
  all.insert(all.end(), hub.componentList().begin(), hub.componentList().end());
  for (Component* c : all) {
    const std::string& name = c->name();
    // An event names its target; a name finds the project's own item first, and the splash
    // and information windows when nothing of the project has their name.
    const Component* named = hub.FindControl(name);
    const bool menuWindow = c == all[0] || c == all[1];
    if (named != c && !(menuWindow && named == nullptr)) continue;
    if (c->isWindow()) {
      auto* w = static_cast<WindowModel*>(c);
      if (w->isMain() || !reachable(w)) continue;
      out.push_back({"activate:" + name});
      out.push_back({"close:" + name});
      continue;
    }
    if (!c->isItem()) continue;
    auto* item = static_cast<ItemModel*>(c);
    if (!reachable(item->parentWindow())) continue;
    // The input path's own rules say what a user could do to the item now.
    auto allowed = [&](UserActionKind kind) {
      return hub.input().check(UserAction(kind, c, 0, U'1')) == Refusal::None;
    };
    if (dynamic_cast<TNewLabel*>(c) || dynamic_cast<TNewButton*>(c) ||
        dynamic_cast<TNewCheckBox*>(c) || dynamic_cast<TNewRadioButton*>(c)) {
      if (allowed(UserActionKind::Click)) out.push_back({"click:" + name});
    } else if (auto* list = dynamic_cast<TRunListBox*>(c)) {
      if (allowed(UserActionKind::Select))
        out.push_back({"select:" + name, static_cast<int>(list->items().size())});
    } else if (auto* combo = dynamic_cast<TRunComboBox*>(c)) {
      if (allowed(UserActionKind::Select))
        out.push_back({"select:" + name, static_cast<int>(combo->items().size())});
      if (allowed(UserActionKind::Type)) out.push_back({"type:" + name});
    } else if (auto* page = dynamic_cast<TRunPage*>(c)) {
      if (allowed(UserActionKind::Page))
        out.push_back({"page:" + name, static_cast<int>(page->tabs().size())});
    } else if (dynamic_cast<TNewEdit*>(c) || dynamic_cast<TNewMemo*>(c)) {
      if (allowed(UserActionKind::Type)) out.push_back({"type:" + name});
    }
  }
  if (modal == nullptr)
    for (const char* entry : {"QavMaker1", "N2", "N6", "N7"})
      out.push_back({std::string("menu:") + entry});
  return out;
}

// Hangul syllables, digits, Latin letters, Enter ("\n") and Backspace ("\b").
std::string Explorer::keys() {
  std::string out;
  for (int n = between(1, 6); n > 0; --n) {
    switch (between(0, 5)) {
      case 0:
      case 1:
        appendUtf8(out, static_cast<char32_t>(0xAC00 + between(0, 11171)));
        break;
      case 2:
        out += static_cast<char>('0' + between(0, 9));
        break;
      case 3:
        out += static_cast<char>((between(0, 1) ? 'a' : 'A') + between(0, 25));
        break;
      case 4:
        out += "\\n";
        break;
      default:
        out += "\\b";
        break;
    }
  }
  return out;
}

// Any button word, or a text typed into an input box.
std::string Explorer::answer() {
  static const char* const kWords[] = {"Yes",   "No",    "Ok",     "Cancel",
                                       "Abort", "Retry", "Ignore", "All"};
  const int k = between(0, 9);
  if (k < 8) return kWords[k];
  std::string typed = "text:";
  for (int n = between(0, 4); n > 0; --n)
    appendUtf8(typed, between(0, 1) ? static_cast<char32_t>(0xAC00 + between(0, 11171))
                                    : static_cast<char32_t>('0' + between(0, 9)));
  return typed;
}

std::optional<std::string> Explorer::next(Hub& hub, HeadlessPlatform& platform) {
  if (left_ <= 0) return std::nullopt;
  --left_;
  while (platform.answersLeft() < 4) platform.queueAnswer(answer());
  const std::vector<Possible> possible = possibleActions(hub, platform);
  if (possible.empty()) return std::string();
  const Possible& p =
      possible[static_cast<std::size_t>(between(0, static_cast<int>(possible.size()) - 1))];
  if (p.choices > 0) return p.event + ":" + std::to_string(between(1, p.choices));
  if (p.event.compare(0, 5, "type:") == 0) return p.event + ":" + keys();
  return p.event;
}

}  // namespace qav::tool
