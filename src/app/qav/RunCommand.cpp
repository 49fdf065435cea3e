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
#include "app/qav/Events.h"
#include "app/qav/Explorer.h"
#include "platform/HeadlessPlatform.h"
#include "runtime/Hub.h"
#include "runtime/InputPath.h"
#ifdef QAV_HAVE_QT
#include "app/player/Player.h"
#endif

namespace qav::tool {

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

namespace {

constexpr const char* kUsage =
    "qav run [--trace] [--headless] [--event E]... [--answer A]... [--random-events N "
    "[--seed S]] FILE";

// Without a display every user action goes straight to the runtime's input path.
class Runner : public EventPlayer {
 public:
  using EventPlayer::EventPlayer;

 protected:
  void deliver(const Event& e, const UserAction& action) override {
    (void)e;
    hub_.input().perform(action);
  }
};

// A count or a seed: decimal digits, at most 4,294,967,295.
bool parseCount(const std::string& s, long& out) {
  if (s.empty() || s.size() > 10 || s.find_first_not_of("0123456789") != std::string::npos)
    return false;
  out = std::stol(s);
  return out <= 4294967295L;
}

int run(const std::vector<std::string>& args) {
  bool headless = false, trace = false, random = false;
  long randomEvents = 0, seed = 1;
  std::deque<Event> events;
  std::vector<std::string> answers;
  std::string file;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--headless") {
      headless = true;
    } else if (a == "--trace") {
      trace = true;
    } else if (a == "--random-events" || a == "--seed") {
      if (i + 1 >= args.size() || !parseCount(args[i + 1], a == "--seed" ? seed : randomEvents)) {
        std::cerr << "qav run: " << a << " needs a number\nusage: " << kUsage << "\n";
        return 2;
      }
      random = random || a == "--random-events";
      ++i;
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
  // With events: the same run performed on the real widgets, printing the same lines.
  if (!headless) {
    if (random) {
      std::cerr << "qav run: --random-events needs --headless\n";
      return 2;
    }
    if (!events.empty() || !answers.empty()) return runOnDisplay(file, events, answers, trace);
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
  Runner runner(std::move(events), platform, hub);
  hub.setDropListener([&](const std::string& name) { runner.reportDrop(name); });
  // After the given events, the random ones (a fixed clock, so that a seed replays the run).
  // A random event is played like a given one; one that nobody could do now spends its turn,
  // and while a window waits modally it lets the wait end.
  std::optional<Explorer> explorer;
  if (random) {
    platform.setClock({2024, 3, 5, 9, 30, 0, 0});
    explorer.emplace(randomEvents, static_cast<uint32_t>(seed));
  }
  auto next = [&](bool waiting) {
    if (runner.performNext()) return true;
    if (runner.failed() || !explorer || platform.quitRequested()) return false;
    const std::optional<std::string> text = explorer->next(hub, platform);
    if (!text) return false;
    std::string why;
    const std::optional<Event> e = text->empty() ? std::nullopt : parseEvent(*text, why);
    if (!e) return !waiting;
    Runner one({*e}, platform, hub);
    one.performNext();
    return true;
  };
  platform.setEventPump([&] { return next(true); });

  if (!hub.FormCreate(file)) return platform.exitCode();
  // The main window appears and becomes active: its activation script runs.
  platform.showWindow(hub.mainWindow());
  while (!runner.failed() && next(false)) {
  }
  if (runner.failed()) return 2;
  if (!platform.quitRequested()) platform.quit(0);
  return platform.exitCode();
}

const Registrar registrar(Command{
    "run", kUsage,
    "Plays FILE on the display. With --event: performs the events in order on the real\n"
    "      widgets (or, with --headless, without a display) and exits after the last one\n"
    "      (click:NAME, select:NAME:N,\n"
    "      type:NAME:TEXT, activate:NAME, page:NAME:N, tick:NAME, clock:YYYY-MM-DD HH:MM:SS,\n"
    "      close:NAME, menu:ENTRY, print:REF), answers dialogs with the --answer words in\n"
    "      order (a button word, text:WORDS, or Cancel; in TEXT \\n is Enter, \\b Backspace)\n"
    "      and prints what the program shows as one JSON object per line. An action no user\n"
    "      could do (the item hidden, disabled, read-only or on no shown window) prints\n"
    "      {\"refused\": EVENT, \"why\": ...}; timers and clocks move only by tick: and clock:\n"
    "      events. --trace prints {\"trace\": NAME, \"line\": N, \"text\": LINE} before each\n"
    "      script line runs (NAME the item whose script it is, N from 1). --random-events N\n"
    "      then plays N random user actions among those possible at each moment, answering\n"
    "      every dialog at random; the same --seed S (default 1) plays the same run, on a\n"
    "      clock fixed at 2024-03-05 09:30:00.",
    run});

}  // namespace
}  // namespace qav::tool
