// Statements that talk to the user, open and close windows, work on the lines of memos,
// list boxes and combo boxes, and play sound items. Results go to registers 1 to 7.
#include "items/WindowModel.h"
#include "items/controls/EditText.h"
#include "items/controls/MediaPlayer.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "platform/Platform.h"
#include "props/IniUnit.h"
#include "script/Interpreter.h"
#include "script/ItemKinds.h"
#include "script/Messages.h"
#include "text/Text.h"

namespace qav::script {
namespace {

void setRegister(Interpreter& in, int n, std::string_view value) {
  PropertySet(in.host(), std::string(msg::kRegisterWriteQualifier) + ":" + std::to_string(n),
              value);
}

// The item named by token 2, evaluated.
Component* itemOf(Interpreter& in) {
  return in.host().FindControl(in.Maths(in.tokens()[2]));
}

std::string words(Interpreter& in, int from) {
  return in.Maths(text::trim(in.tokens().joinFrom(from)));
}

void play(Interpreter& in) {
  auto* player = dynamic_cast<TMediaPlayer*>(itemOf(in));
  if (!player) return in.Error(msg::kNotPlayable);
  if (player->fileName().empty()) return in.Error(msg::kNoFileName);
  Platform& p = in.host().platform();
  p.playSound(p.resolvePath(player->fileName()));
}

void input(Interpreter& in) {
  auto entered = in.host().platform().inputBox(msg::kInputCaption, words(in, 2), "");
  setRegister(in, 1, entered.value_or(std::string()));
}

void message(Interpreter& in) {
  in.host().platform().messageBox(DialogKind::Message, msg::kAppTitle, words(in, 2), kOk);
}

void messageButtons(Interpreter& in) {
  static constexpr Button kAll[] = {kYes, kNo, kOk, kCancel, kAbort, kRetry, kIgnore, qav::kAll};
  const Tokens& t = in.tokens();
  Buttons set = kNoButton;
  int dash = 0;
  for (int i = t.count(); i >= 2; --i) {
    if (t[i] == "-") {
      dash = i;
      break;
    }
    std::string lower = text::lowerAscii(t[i]);
    for (Button b : kAll)
      if (lower == text::lowerAscii(buttonWord(b))) set |= b;
  }
  if (set == kNoButton) return in.Error(msg::kNoButtons);
  if (dash == 2) return in.Error(msg::kNoMessage);
  std::string text = dash > 2 ? in.Maths(text::trim(t.join(2, dash - 1))) : std::string();
  Button chosen =
      in.host().platform().messageBox(DialogKind::Information, msg::kAppTitle, text, set);
  setRegister(in, 2, buttonWord(chosen));
}

WindowModel* windowOf(Interpreter& in) {
  Component* c = itemOf(in);
  return (c && c->isWindow()) ? static_cast<WindowModel*>(c) : nullptr;
}

void showWindow(Interpreter& in) {
  WindowModel* w = windowOf(in);
  if (!w) return in.Error(msg::kNotWindow);
  Platform& p = in.host().platform();
  if (text::upperAscii(in.tokens()[3]) == "Y") {
    if (w->visible()) throw ItemError(std::string(msg::kVisibleWindowModal));
    w->setModalMark(true);
    p.showWindowModal(*w);  // the script waits here until the window is closed
  } else {
    w->setModalMark(false);
    p.showWindow(*w);
  }
}

void hideWindow(Interpreter& in) {
  WindowModel* w = windowOf(in);
  if (!w) return in.Error(msg::kNotWindow);
  if (w->modalMark())
    in.host().platform().closeWindow(*w);
  else
    in.host().platform().hideWindow(*w);
}

void clearLines(Interpreter& in) {
  LineList* l = lineListOf(itemOf(in));
  if (!l) return in.Error(msg::kNotLineItem);
  l->clearLines();
}

void addLine(Interpreter& in) {
  LineList* l = lineListOf(itemOf(in));
  if (!l) return in.Error(msg::kNotLineItem);
  l->addLine(words(in, 3));
}

void deleteLine(Interpreter& in) {
  std::string n = in.Maths(in.tokens()[3]);
  if (!IsNumber(n)) return in.Error(msg::kDeleteLineNotNumber);
  LineList* l = lineListOf(itemOf(in));
  if (!l) return in.Error(msg::kNotLineItem);
  int32_t pos = TextToNumber(text::trim(n));
  if (pos < 1 || !l->deleteLine(pos - 1))
    throw ItemError(std::string(msg::kListIndexOutOfBounds) + " (" + std::to_string(pos) + ")");
}

void findLine(Interpreter& in) {
  LineList* l = lineListOf(itemOf(in));
  if (!l) return in.Error(msg::kNotLineItem);
  setRegister(in, 3, std::to_string(l->findLine(words(in, 3)) + 1));
}

void countLines(Interpreter& in) {
  LineList* l = lineListOf(itemOf(in));
  if (!l) return in.Error(msg::kNotLineItem);
  setRegister(in, 4, std::to_string(l->lineCount()));
}

void currentItem(Interpreter& in) {
  Component* c = itemOf(in);
  if (auto* page = dynamic_cast<TRunPage*>(c)) {
    const PageTab* tab = page->activeTab();
    setRegister(in, 6, std::to_string(page->activeIndex()));
    setRegister(in, 7, tab ? tab->caption : std::string());
    return;
  }
  int index = -1;
  std::optional<std::string> selected;
  if (auto* list = dynamic_cast<TRunListBox*>(c)) {
    index = list->itemIndex();
    selected = list->selectedText();
  } else if (auto* combo = dynamic_cast<TRunComboBox*>(c)) {
    index = combo->itemIndex();
    selected = combo->selectedText();
  } else {
    return in.Error(msg::kNotCurrentItem);
  }
  // Nothing selected: position 0 and the empty text.
  setRegister(in, 6, std::to_string(index < 0 ? 0 : index + 1));
  setRegister(in, 7, selected.value_or(std::string()));
}

}  // namespace

void registerDialogStatements(Interpreter& in) {
  in.registerStatement(msg::kPlay, play);
  in.registerStatement(msg::kInput, input);
  in.registerStatement(msg::kMessage, message);
  in.registerStatement(msg::kMessageButtons, messageButtons);
  in.registerStatement(msg::kShowWindow, showWindow);
  in.registerStatement(msg::kHideWindow, hideWindow);
  in.registerStatement(msg::kClearLines, clearLines);
  in.registerStatement(msg::kAddLine, addLine);
  in.registerStatement(msg::kDeleteLine, deleteLine);
  in.registerStatement(msg::kFindLine, findLine);
  in.registerStatement(msg::kCountLines, countLines);
  in.registerStatement(msg::kCurrentItem, currentItem);
}

}  // namespace qav::script
