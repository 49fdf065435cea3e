// Statements that talk to the user, open and close windows and play sounds: "입력",
// "메세지", "메세지버튼", "창보이기", "창감추기", "작동".
#include <array>
#include <utility>

#include "items/WindowModel.h"
#include "items/controls/MediaPlayer.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "script/Interpreter.h"
#include "script/StatementSupport.h"

namespace qav::script {
namespace {

// Registers the statements write their answers to.
constexpr int kInputRegister = 1;
constexpr int kButtonRegister = 2;

// The button words of "메세지버튼", compared with the token's letters lowered.
constexpr std::array<std::pair<std::string_view, Button>, 8> kButtonWords = {{
    {"yes", kYes},
    {"no", kNo},
    {"ok", kOk},
    {"cancel", kCancel},
    {"abort", kAbort},
    {"retry", kRetry},
    {"ignore", kIgnore},
    {"all", kAll},
}};

void input(Interpreter& in) {
  std::string prompt = wordsFrom(in, 2);
  auto entered = in.host().platform().inputBox(msg::kInputCaption, prompt, "");
  in.userAnswered();
  setRegister(in, kInputRegister, entered ? *entered : std::string());
}

void message(Interpreter& in) {
  in.host().platform().messageBox(DialogKind::Message, msg::kAppTitle, wordsFrom(in, 2), kOk);
  in.userAnswered();
}

void messageButtons(Interpreter& in) {
  const Tokens& t = in.tokens();
  // Walk back from the last token; the "-" ends the button words.
  Buttons buttons = kNoButton;
  int separator = 0;
  for (int i = t.count(); i >= 2; --i) {
    if (t[i] == msg::kButtonSeparator) {
      separator = i;
      break;
    }
    std::string word = text::lowerAscii(t[i]);
    for (const auto& [w, b] : kButtonWords)
      if (word == w) buttons |= b;
  }
  if (buttons == kNoButton) return in.Error(msg::kNoButtons);
  if (separator == 2) return in.Error(msg::kNoMessage);
  // Without a "-" every token was a candidate button word, and there is no message.
  std::string shown = separator > 2 ? in.Maths(text::trim(t.join(2, separator - 1))) : "";
  Button chosen = in.host().platform().messageBox(DialogKind::Information, msg::kInformationCaption,
                                                  shown, buttons);
  in.userAnswered();
  setRegister(in, kButtonRegister, buttonWord(chosen));
}

WindowModel* windowOperand(Interpreter& in) {
  Component* c = itemOperand(in, 2);
  return c && c->isWindow() ? static_cast<WindowModel*>(c) : nullptr;
}

// With "Y" the script waits until the window is closed. A window that is already visible is
// made modal all the same: the script asked to wait for it, so it waits.
void showWindow(Interpreter& in) {
  WindowModel* w = windowOperand(in);
  if (!w) return in.Error(msg::kNotWindow);
  bool modal = text::upperAscii(in.tokens()[3]) == msg::kModalWord;
  w->setModalMark(modal);
  if (modal) {
    in.host().platform().showWindowModal(*w);
    in.userAnswered();
  } else {
    in.host().platform().showWindow(*w);
  }
}

// A window shown modally is closed, which ends the wait of the script that showed it.
void hideWindow(Interpreter& in) {
  WindowModel* w = windowOperand(in);
  if (!w) return in.Error(msg::kNotWindow);
  if (w->modalMark())
    in.host().platform().closeWindow(*w);
  else
    in.host().platform().hideWindow(*w);
}

// Starts the sound and goes on at once; the platform picks the player for the file's kind.
void play(Interpreter& in) {
  auto* player = dynamic_cast<TMediaPlayer*>(itemOperand(in, 2));
  if (!player) return in.Error(msg::kNotPlayable);
  if (player->fileName().empty()) return in.Error(msg::kNoFileName);
  Platform& p = in.host().platform();
  std::string error;
  // The message names the file as the author wrote it, as a picture's does.
  if (!p.playSound(*player, p.resolvePath(player->fileName()), error))
    return in.Error(Platform::cannotOpen(player->fileName()));
}

}  // namespace

std::span<const StatementEntry> dialogStatements() {
  static constexpr StatementEntry kTable[] = {{msg::kInput, input},
                                              {msg::kMessage, message},
                                              {msg::kMessageButtons, messageButtons},
                                              {msg::kShowWindow, showWindow},
                                              {msg::kHideWindow, hideWindow},
                                              {msg::kPlay, play}};
  return kTable;
}

}  // namespace qav::script
