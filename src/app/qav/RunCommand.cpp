// `qav run --headless`: plays a program file without a display. Dialogs are answered from the
// command line, user actions come from --event, and everything the program shows is printed
// as one JSON object per line.
#include <cstdio>
#include <deque>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/qav/Command.h"
#include "base/DateTime.h"
#include "base/Text.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/NewEdit.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunAlarm.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "items/controls/RunTimer.h"
#include "platform/HeadlessPlatform.h"
#include "props/PropertyAccess.h"
#include "runtime/Hub.h"
#ifdef QAV_HAVE_QT
#include "app/player/Player.h"
#endif

namespace qav::tool {
namespace {

constexpr const char* kUsage = "qav run [--trace] [--headless [--event E]... [--answer A]...] FILE";

struct Event {
  std::string kind;  // click, select, type, activate, page, tick, clock, close, menu, print
  std::string name;
  std::string arg;
};

// Splits "kind:rest" and checks the form of each kind; a one-line reason when malformed.
std::optional<Event> parseEvent(const std::string& text, std::string& why) {
  auto colon = text.find(':');
  if (colon == std::string::npos) {
    why = "event \"" + text + "\" has no kind (expected KIND:...)";
    return std::nullopt;
  }
  Event e{text.substr(0, colon), text.substr(colon + 1), ""};
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

// Decodes one UTF-8 character at i (advancing i).
char32_t nextChar(const std::string& s, std::size_t& i) {
  auto c = static_cast<unsigned char>(s[i++]);
  if (c < 0x80) return c;
  int len = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
  char32_t cp = c & (0x3F >> len);
  for (int k = 0; k < len && i < s.size(); ++k)
    cp = cp << 6 | (static_cast<unsigned char>(s[i++]) & 0x3F);
  return cp;
}

class Runner {
 public:
  Runner(std::deque<Event> events, HeadlessPlatform& platform, Hub& hub)
      : events_(std::move(events)), platform_(platform), hub_(hub) {}

  // Performs the next event; false when none is left or the run must stop.
  bool performNext() {
    if (events_.empty() || failed_ || platform_.quitRequested()) return false;
    Event e = std::move(events_.front());
    events_.pop_front();
    perform(e);
    return !failed_;
  }
  bool failed() const { return failed_; }

 private:
  void fail(const std::string& why) {
    std::cerr << "qav run: " << text::printable(why) << "\n";
    failed_ = true;
  }

  Component* named(const Event& e) {
    Component* c = hub_.FindControl(e.name);
    if (!c && e.name == hub_.menu().splashWindow().name()) c = &hub_.menu().splashWindow();
    if (!c && e.name == hub_.menu().aboutWindow().name()) c = &hub_.menu().aboutWindow();
    if (!c) fail("no window or item named \"" + e.name + "\" (event " + e.kind + ")");
    return c;
  }

  void perform(const Event& e) {
    if (e.kind == "clock") {
      auto sp = e.name.find(' ');
      text::DateTime t = *text::parseDate(e.name.substr(0, sp));
      auto tm = *text::parseTime(e.name.substr(sp + 1));
      t.hour = tm.hour, t.minute = tm.minute, t.second = tm.second;
      platform_.setClock(t);
      return;
    }
    if (e.kind == "print") {
      platform_.record({{"print", e.name}, {"value", Propertys(hub_, e.name)}});
      return;
    }
    if (e.kind == "menu") {
      if (!hub_.MenuCommand(e.name)) fail("no menu entry \"" + e.name + "\"");
      return;
    }
    Component* c = named(e);
    if (!c) return;
    auto* item = c->isItem() ? static_cast<ItemModel*>(c) : nullptr;
    if (e.kind == "click") {
      if (auto* box = dynamic_cast<TNewCheckBox*>(c))
        box->userClick();
      else if (auto* radio = dynamic_cast<TNewRadioButton*>(c))
        radio->userClick();
      else if (item && !c->isWindow())
        item->fire();
      else
        fail("\"" + e.name + "\" cannot be clicked");
    } else if (e.kind == "activate") {
      if (!c->isWindow()) return fail("\"" + e.name + "\" is no window");
      item->fire();
    } else if (e.kind == "select") {
      int index = std::stoi(e.arg) - 1;
      if (auto* list = dynamic_cast<TRunListBox*>(c)) {
        if (index >= static_cast<int>(list->items().size()))
          return fail("no entry " + e.arg + " in " + e.name);
        list->userSelect(index);
      } else if (auto* combo = dynamic_cast<TRunComboBox*>(c)) {
        if (index >= static_cast<int>(combo->items().size()))
          return fail("no entry " + e.arg + " in " + e.name);
        combo->userSelect(index);
      } else {
        fail("\"" + e.name + "\" is no list or combo box");
      }
    } else if (e.kind == "type") {
      type(c, e);
    } else if (e.kind == "page") {
      auto* page = dynamic_cast<TRunPage*>(c);
      if (!page) return fail("\"" + e.name + "\" is no page control");
      int index = std::stoi(e.arg) - 1;
      if (index >= static_cast<int>(page->tabs().size()))
        return fail("no tab " + e.arg + " in " + e.name);
      page->userSelectTab(index);
    } else if (e.kind == "tick") {
      if (auto* timer = dynamic_cast<TRunTimer*>(c))
        timer->tick();
      else if (auto* alarm = dynamic_cast<TRunAlarm*>(c))
        hub_.OnAlarm(*alarm);
      else
        fail("\"" + e.name + "\" is no timer or alarm");
    } else if (e.kind == "close") {
      if (!c->isWindow()) return fail("\"" + e.name + "\" is no window");
      auto& w = static_cast<WindowModel&>(*c);
      if (w.isMain())
        hub_.CloseQuery();
      else
        platform_.closeWindow(w);
    }
  }

  // Types the text one character at a time through the field's key filter; "\n" is Enter.
  void type(Component* c, const Event& e) {
    auto* edit = dynamic_cast<TNewEdit*>(c);
    auto* memo = dynamic_cast<TNewMemo*>(c);
    auto* combo = dynamic_cast<TRunComboBox*>(c);
    if (!edit && !memo && !combo) return fail("\"" + e.name + "\" takes no typing");
    std::string current = edit ? edit->text() : memo ? memo->text() : combo->text();
    const std::string& s = e.arg;
    for (std::size_t i = 0; i < s.size();) {
      std::size_t start = i;
      char32_t key;
      if (s.compare(i, 2, "\\n") == 0) {
        key = U'\r';
        i += 2;
      } else {
        key = nextChar(s, i);
      }
      if (edit && !edit->acceptKey(key)) continue;
      if (memo && !memo->acceptKey(key)) continue;
      if (key == U'\r') {
        if (!memo) continue;  // Enter adds nothing to a one-line field
        current += "\r\n";
      } else {
        current += s.substr(start, i - start);
      }
      if (edit) edit->userEdited(current);
      if (memo) memo->userEdited(current);
      if (combo) combo->userEdited(current);
      current = edit ? edit->text() : memo ? memo->text() : combo->text();
    }
  }

  std::deque<Event> events_;
  HeadlessPlatform& platform_;
  Hub& hub_;
  bool failed_ = false;
};

// One JSON object on its own line of standard output, at once, so that lines from the
// program and from the trace keep their order.
void printLine(const nlohmann::json& j) {
  std::cout << j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n"
            << std::flush;
}

// Prints a line of the trace before each script line runs.
void traceTo(Hub& hub) {
  hub.interpreter().setTrace([](const std::string& source, int line, const std::string& text) {
    printLine({{"trace", source}, {"line", line}, {"text", text}});
  });
}

int run(const std::vector<std::string>& args) {
  bool headless = false, trace = false;
  std::deque<Event> events;
  std::vector<std::string> answers;
  std::string file;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--headless") {
      headless = true;
    } else if (a == "--trace") {
      trace = true;
    } else if ((a == "--event" || a == "--answer") && i + 1 < args.size()) {
      if (a == "--answer") {
        answers.push_back(args[++i]);
        continue;
      }
      std::string why;
      auto e = parseEvent(args[++i], why);
      if (!e) {
        std::cerr << "qav run: " << why << "\n";
        return 2;
      }
      events.push_back(std::move(*e));
    } else if (!a.empty() && a[0] != '-' && file.empty()) {
      file = a;
    } else {
      std::cerr << "qav run: unexpected argument \"" << a << "\"\nusage: " << kUsage << "\n";
      return 2;
    }
  }
  if (file.empty()) {
    std::cerr << "usage: " << kUsage << "\n";
    return 2;
  }
#ifdef QAV_HAVE_QT
  // Without --headless: the real player on the display, with the data file beside FILE.
  if (!headless) {
    if (!events.empty() || !answers.empty()) {
      std::cerr << "qav run: --event and --answer need --headless\n";
      return 2;
    }
    static char name[] = "qav";
    return qt::runPlayerApplication(name, file, [trace](Hub& hub) {
      if (trace) traceTo(hub);
    });
  }
#else
  if (!headless) {
    std::cerr << "usage: " << kUsage << "\n";
    return 2;
  }
#endif

  HeadlessPlatform platform;
  platform.setProgramPath(file);
  for (auto& a : answers) platform.queueAnswer(a);
  platform.setListener(printLine);
  Hub hub(platform);
  if (trace) traceTo(hub);
  hub.setDropListener([&](const std::string& name) { platform.record({{"dropped", name}}); });
  Runner runner(std::move(events), platform, hub);
  platform.setEventPump([&] { return runner.performNext(); });

  if (!hub.FormCreate(file)) return platform.exitCode();
  platform.showWindow(hub.mainWindow());
  hub.mainWindow().fire();  // the main window becomes active: its activation script runs
  while (!runner.failed() && runner.performNext()) {
  }
  if (runner.failed()) return 2;
  if (!platform.quitRequested()) platform.quit(0);
  return platform.exitCode();
}

const Registrar registrar(Command{
    "run", kUsage,
    "Plays FILE on the display; with --headless, without one: performs the events in order "
    "(click:NAME, select:NAME:N,\n"
    "      type:NAME:TEXT, activate:NAME, page:NAME:N, tick:NAME, clock:YYYY-MM-DD HH:MM:SS,\n"
    "      close:NAME, menu:ENTRY, print:REF), answers dialogs with the --answer words in\n"
    "      order (a button word, text:WORDS, or Cancel) and prints what the program shows as\n"
    "      one JSON object per line. --trace prints {\"trace\": NAME, \"line\": N, \"text\": "
    "LINE}\n"
    "      before each script line runs (NAME the item whose script it is, N from 1).",
    run});

}  // namespace
}  // namespace qav::tool
