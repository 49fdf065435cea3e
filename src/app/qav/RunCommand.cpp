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

constexpr const char* kUsage = "qav run [--trace] [--headless] [--event E]... [--answer A]... FILE";

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
  // With events: the same run performed on the real widgets, printing the same lines.
  if (!headless) {
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
  platform.setEventPump([&] { return runner.performNext(); });

  if (!hub.FormCreate(file)) return platform.exitCode();
  // The main window appears and becomes active: its activation script runs.
  platform.showWindow(hub.mainWindow());
  while (!runner.failed() && runner.performNext()) {
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
    "      script line runs (NAME the item whose script it is, N from 1).",
    run});

}  // namespace
}  // namespace qav::tool
