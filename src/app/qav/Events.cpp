#include "app/qav/Events.h"

#include <iostream>

#include "base/DateTime.h"
#include "base/Text.h"
#include "items/controls/RunAlarm.h"
#include "items/controls/RunTimer.h"
#include "platform/HeadlessPlatform.h"
#include "props/PropertyAccess.h"
#include "runtime/Hub.h"
#include "runtime/InputPath.h"

namespace qav::tool {

std::optional<Event> parseEvent(const std::string& text, std::string& why) {
  auto colon = text.find(':');
  if (colon == std::string::npos) {
    why = "event \"" + text + "\" has no kind (expected KIND:...)";
    return std::nullopt;
  }
  Event e{text, text.substr(0, colon), text.substr(colon + 1), ""};
  auto splitLast = [&](bool numeric) {
    auto c = e.name.rfind(':');
    if (c == std::string::npos) return false;
    e.arg = e.name.substr(c + 1);
    e.name.resize(c);
    if (numeric) {
      if (e.arg.empty() || e.arg.find_first_not_of("0123456789") != std::string::npos) return false;
      if (e.arg.size() > 9 || std::stoi(e.arg) < 1) return false;
    }
    return true;
  };
  auto splitFirst = [&] {
    auto c = e.name.find(':');
    if (c == std::string::npos) return false;
    e.arg = e.name.substr(c + 1);
    e.name.resize(c);
    return true;
  };
  bool ok = true;
  if (e.kind == "select" || e.kind == "page")
    ok = splitLast(true);
  else if (e.kind == "type")
    ok = splitFirst();
  else if (e.kind == "clock") {
    std::string s = e.name;
    auto sp = s.find(' ');
    ok = sp != std::string::npos && text::parseDate(s.substr(0, sp)) &&
         text::parseTime(s.substr(sp + 1));
  } else if (e.kind != "click" && e.kind != "activate" && e.kind != "tick" && e.kind != "close" &&
             e.kind != "menu" && e.kind != "print") {
    why = "unknown event kind \"" + e.kind + "\" in \"" + text + "\"";
    return std::nullopt;
  }
  if (!ok || (e.name.empty() && e.kind != "print")) {
    why = "malformed event \"" + text + "\"";
    return std::nullopt;
  }
  return e;
}

std::u32string typedKeys(const std::string& s) {
  std::u32string keys;
  for (std::size_t i = 0; i < s.size();) {
    if (s.compare(i, 2, "\\n") == 0 || s.compare(i, 2, "\\b") == 0) {
      keys += s[i + 1] == 'n' ? U'\r' : U'\b';
      i += 2;
      continue;
    }
    auto c = static_cast<unsigned char>(s[i++]);
    char32_t cp = c;
    if (c >= 0x80) {
      int len = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
      cp = c & (0x3F >> len);
      for (int k = 0; k < len && i < s.size(); ++k)
        cp = cp << 6 | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    keys += cp;
  }
  return keys;
}

EventPlayer::EventPlayer(std::deque<Event> events, HeadlessPlatform& recorder, Hub& hub)
    : hub_(hub), recorder_(recorder), events_(std::move(events)) {}

bool EventPlayer::performNext() {
  if (events_.empty() || failed_ || recorder_.quitRequested()) return false;
  Event e = std::move(events_.front());
  events_.pop_front();
  const Event* outer = current_;
  Component* outerTarget = currentTarget_;
  current_ = &e;
  perform(e);
  current_ = outer;
  currentTarget_ = outerTarget;
  return !failed_;
}

void EventPlayer::fail(const std::string& why) {
  std::cerr << "qav run: " << text::printable(why) << "\n";
  failed_ = true;
}

void EventPlayer::reportDrop(const std::string& sourceName) {
  Component* source = hub_.FindControl(sourceName);
  std::string shown = source ? InputPath::eventText(*source) : sourceName;
  if (current_ && source && source == currentTarget_) shown = current_->text;
  recorder_.record({{"dropped", shown}});
}

void EventPlayer::perform(const Event& e) {
  if (e.kind == "clock") {
    auto sp = e.name.find(' ');
    text::DateTime t = *text::parseDate(e.name.substr(0, sp));
    auto tm = *text::parseTime(e.name.substr(sp + 1));
    t.hour = tm.hour, t.minute = tm.minute, t.second = tm.second;
    recorder_.setClock(t);
    return;
  }
  if (e.kind == "print") {
    recorder_.record({{"print", e.name}, {"value", Propertys(hub_, e.name)}});
    return;
  }
  UserAction action;
  if (e.kind == "menu") {
    action.kind = UserActionKind::Menu;
    action.entry = e.name;
  } else {
    Component* c = hub_.FindControl(e.name);
    if (!c && e.name == hub_.menu().splashWindow().name()) c = &hub_.menu().splashWindow();
    if (!c && e.name == hub_.menu().aboutWindow().name()) c = &hub_.menu().aboutWindow();
    if (!c) return fail("no window or item named \"" + e.name + "\" (event " + e.kind + ")");
    currentTarget_ = c;
    action.target = c;
    if (e.kind == "tick") {
      if (auto* timer = dynamic_cast<TRunTimer*>(c)) return timer->tick();
      if (auto* alarm = dynamic_cast<TRunAlarm*>(c)) return hub_.OnAlarm(*alarm);
      return fail("\"" + e.name + "\" is no timer or alarm");
    }
    if (e.kind == "click") action.kind = UserActionKind::Click;
    if (e.kind == "activate") action.kind = UserActionKind::Activate;
    if (e.kind == "close") action.kind = UserActionKind::Close;
    if (e.kind == "select") action.kind = UserActionKind::Select;
    if (e.kind == "page") action.kind = UserActionKind::Page;
    if (e.kind == "type") action.kind = UserActionKind::Type;
    if (!e.arg.empty() && e.kind != "type") action.index = std::stoi(e.arg) - 1;
  }
  const std::u32string keys = e.kind == "type" ? typedKeys(e.arg) : std::u32string(1, U'\0');
  for (char32_t key : keys) {
    action.key = key;
    const Refusal r = hub_.input().check(action);
    if (r == Refusal::Unsuited)
      return fail("\"" + e.name + "\" cannot take the event \"" + e.text + "\"");
    if (r != Refusal::None) {
      recorder_.record({{"refused", e.text}, {"why", refusalWord(r)}});
      return;
    }
    deliver(e, action);
    if (failed_ || recorder_.quitRequested()) return;
  }
}

}  // namespace qav::tool
