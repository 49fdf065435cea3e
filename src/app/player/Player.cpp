#include "app/player/Player.h"

#include <QApplication>
#include <QThread>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <thread>

#ifdef __linux__
#include <sys/resource.h>
#endif
#if QAV_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#if QAV_HAVE_QTDBUS
#include <QDBusConnection>
#endif

#include "lang/Texts.h"
#include "qt/Mapping.h"
#include "runtime/Hub.h"
#include "runtime/InputPath.h"
#include "runtime/ProjectLoader.h"

namespace qav::qt {

namespace {
// A main window narrower or lower than this was never given a size.
constexpr int kMinUsableSide = 40;

// The platform plugin named in QT_QPA_PLATFORM, or "" when Qt is left to choose.
std::string_view chosenPlatform() {
  const char* qpa = std::getenv("QT_QPA_PLATFORM");
  return qpa ? qpa : "";
}

// The running program's file, named as QCoreApplication::applicationFilePath() names it, but
// known before the application is made; "" when the system does not tell.
std::string ownProgramFile() {
  char path[PATH_MAX];
  return ::realpath("/proc/self/exe", path) ? path : "";
}
}  // namespace

Player::Player(const std::string& programFile)
    : programFile_(programFile), hub_(std::make_unique<Hub>(platform_)) {
  platform_.setProgramPath(programFile_);
  connectShell(platform_, *hub_);
}

Player::~Player() {
  // The views go before the models they mirror.
  platform_.releaseViews();
  hub_.reset();
}

bool Player::load() {
  return load(ProgramRead(programFile_));
}

bool Player::load(ProgramRead&& read) {
  if (!hub_->FormCreate(programFile_, std::move(read))) return false;
  showMainWindow(*hub_, platform_);
  return true;
}

void connectShell(QtPlatform& platform, Hub& hub) {
  // The menu and the close box are user input like any other: through the input path.
  platform.setShellCommands({[&hub](std::string_view entry) {
                               UserAction a{UserActionKind::Menu};
                               a.entry = std::string(entry);
                               return hub.input().perform(a) != Refusal::Unsuited;
                             },
                             [&hub, &platform] {
                               hub.input().perform({UserActionKind::Close, &hub.mainWindow()});
                               return platform.quitRequested();
                             },
                             [&hub] { return hub.aboutLines(); }});
}

void showMainWindow(Hub& hub, QtPlatform& platform) {
  if (MainWindowView* main = platform.mainWindow())
    main->setProgramEntryCaption(hub.programInfoCaption());
  // A load that failed before the start window configured the main window leaves it without
  // a size: it still has to be a window the user can see, read and close.
  WindowModel& w = hub.mainWindow();
  constexpr int kFallbackWidth = 400, kFallbackHeight = 300;
  if (w.width() < kMinUsableSide || w.height() < kMinUsableSide) {
    w.setBounds(w.left(), w.top(), kFallbackWidth, kFallbackHeight);
    w.setCentred(true);
  }
  platform.showWindow(w);
}

bool displayAvailable() {
  auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
  };
  const std::string_view qpa = chosenPlatform();
  if (qpa.starts_with("xcb")) return set("DISPLAY");
  if (qpa.starts_with("wayland")) return set("WAYLAND_DISPLAY");
  return !qpa.empty() || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

int Player::run() {
  const int code = QApplication::exec();
  return platform_.quitRequested() ? platform_.exitCode() : code;
}

int runPlayerApplication(char* programName, const std::optional<std::string>& programFile,
                         const std::function<void(Hub&)>& prepare) {
  if (!displayAvailable()) {
    std::fprintf(stderr, "%s\n", kNoDisplayMessage);
    return 1;
  }
  int argc = 1;
  char* argv[] = {programName, nullptr};
  std::string file = programFile ? *programFile : ownProgramFile();
  std::optional<ProgramRead> read;
  // While the application connects to the display, where the main thread mostly waits on the
  // server, a second thread does what needs no application: it opens the session bus, which
  // the accessibility bridge asks for (and waits on) when the first widget shows a text on X
  // or Wayland; it reads the font configuration, which the first texts need; and it reads the
  // project's records.
  // Qt takes the first thread that uses it for the main thread: this one, before the next.
  (void)QThread::currentThread();
  std::thread ahead([&] {
#if QAV_HAVE_QTDBUS
    const std::string_view qpa = chosenPlatform();
    if (qpa.empty() || qpa.starts_with("xcb") || qpa.starts_with("wayland"))
      (void)QDBusConnection::sessionBus();
#endif
#ifdef __linux__
    // What follows gives way to the main thread and the display server, which the start waits
    // on. On Linux a priority is the calling thread's own; it is set after the bus is opened, so
    // that the bus's own thread, and a bus started for the session, do not inherit it.
    (void)::setpriority(PRIO_PROCESS, 0, 10);
#endif
#if QAV_HAVE_FONTCONFIG
    FcInit();
#endif
    if (!file.empty()) read.emplace(file);
  });
  QApplication app(argc, argv);
  // The application's name only: a display name would be appended to every window caption,
  // and windows must show exactly the captions the project gives them.
  QApplication::setApplicationName(qs(msg::kAppTitle));
  const bool named = !file.empty();
  Player player(named ? file : QCoreApplication::applicationFilePath().toStdString());
  if (prepare) prepare(player.hub());
  ahead.join();  // as late as can be: the player is made while the second thread works
  if (!named) read.emplace(player.programFile());
  if (!player.load(std::move(*read))) return player.platform().exitCode();
  return player.run();
}

}  // namespace qav::qt
