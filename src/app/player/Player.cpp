#include "app/player/Player.h"

#include <QApplication>

#include "lang/Messages.h"
#include "lang/WindowTexts.h"
#include "qt/Mapping.h"
#include "runtime/Hub.h"

namespace qav::qt {

Player::Player(const std::string& programFile)
    : programFile_(programFile), hub_(std::make_unique<Hub>(platform_)) {
  platform_.setProgramPath(programFile_);
  connectShell(platform_, *hub_);
}

void connectShell(QtPlatform& platform, Hub& hub) {
  platform.setShellCommands({[&hub](std::string_view entry) { return hub.MenuCommand(entry); },
                             [&hub] { return hub.CloseQuery(); },
                             [&hub] { return hub.aboutLines(); }});
}

Player::~Player() {
  // The views go before the models they mirror.
  platform_.releaseViews();
  hub_.reset();
}

bool Player::load() {
  if (!hub_->FormCreate(programFile_)) return false;
  if (MainWindowView* main = platform_.mainWindow())
    main->setProgramEntryCaption(hub_->programInfoCaption());
  platform_.showWindow(hub_->mainWindow());
  return true;
}

int Player::run() {
  const int code = QApplication::exec();
  return platform_.quitRequested() ? platform_.exitCode() : code;
}

int runPlayerApplication(char* programName, const std::optional<std::string>& programFile,
                         const std::function<void(Hub&)>& prepare) {
  int argc = 1;
  char* argv[] = {programName, nullptr};
  QApplication app(argc, argv);
  // The application's name only: a display name would be appended to every window caption,
  // and windows must show exactly the captions the project gives them.
  QApplication::setApplicationName(qs(msg::kAppTitle));
  Player player(programFile ? *programFile : QCoreApplication::applicationFilePath().toStdString());
  if (prepare) prepare(player.hub());
  if (!player.load()) return player.platform().exitCode();
  return player.run();
}

}  // namespace qav::qt
