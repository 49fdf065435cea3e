#include "app/player/Player.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <thread>
#if QAV_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "lang/Texts.h"
#include "qt/Mapping.h"
#include "runtime/Hub.h"
#include "runtime/InputPath.h"

namespace qav::qt {

namespace {
// A main window narrower or lower than this was never given a size.
constexpr int kMinUsableSide = 40;
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
  if (!hub_->FormCreate(programFile_)) return false;
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
  if (set("QT_QPA_PLATFORM")) {
    const std::string qpa = std::getenv("QT_QPA_PLATFORM");
    if (qpa.rfind("xcb", 0) == 0) return set("DISPLAY");
    if (qpa.rfind("wayland", 0) == 0) return set("WAYLAND_DISPLAY");
    return true;
  }
  return set("DISPLAY") || set("WAYLAND_DISPLAY");
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
#if QAV_HAVE_FONTCONFIG
  // The font configuration is read (a few milliseconds of parsing) while the application
  // connects to the display; the first window's texts need it.
  std::thread fontConfiguration([] { FcInit(); });
#endif
  QApplication app(argc, argv);
#if QAV_HAVE_FONTCONFIG
  fontConfiguration.join();
#endif
  // The application's name only: a display name would be appended to every window caption,
  // and windows must show exactly the captions the project gives them.
  QApplication::setApplicationName(qs(msg::kAppTitle));
  Player player(programFile ? *programFile : QCoreApplication::applicationFilePath().toStdString());
  if (prepare) prepare(player.hub());
  if (!player.load()) return player.platform().exitCode();
  return player.run();
}

}  // namespace qav::qt
