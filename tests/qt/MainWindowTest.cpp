#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "Support.h"
#include "app/player/Player.h"
#include "qt/AboutWindow.h"
#include "qt/Dialogs.h"
#include "qt/QtPlatform.h"
#include "qt/TitleWindow.h"
#include "runtime/Hub.h"

using namespace qav;
using qavtest::pressWhenModal;
using qavtest::whenModal;

namespace {

struct MainFixture : ::testing::Test {
  qt::QtPlatform platform;
  WindowModel model{"TMain"};
  qt::MainWindowView* view = nullptr;

  void SetUp() override {
    model.setName("Main");
    model.setCaption("주 화면");
    // A designed window at 100, 50, 400 by 300.
    model.setBounds(100, 50, 400, 300);
    platform.createWindowView(model);
    view = platform.mainWindow();
    platform.showWindow(model);
  }
  void TearDown() override { platform.releaseViews(); }
};

}  // namespace

TEST_F(MainFixture, MenusCarryTheirCaptionsAndShortcuts) {
  ASSERT_NE(view, nullptr);
  const auto menus = view->menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), QString::fromUtf8("메뉴"));
  EXPECT_EQ(menus[1]->text(), QString::fromUtf8("데이타"));

  auto entry = [&](const char* name) { return view->menuEntry(QString::fromLatin1(name)); };
  EXPECT_EQ(entry("QavMaker1")->text(), QStringLiteral("Qav Maker..."));
  EXPECT_EQ(entry("QavMaker1")->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(entry("N2")->text(), QString::fromUtf8("프로그램..."));
  EXPECT_EQ(entry("N2")->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_TRUE(entry("N3")->isSeparator());
  EXPECT_EQ(entry("N4")->text(), QString::fromUtf8("종료"));
  EXPECT_EQ(entry("N4")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
  EXPECT_EQ(entry("N6")->text(), QString::fromUtf8("데이타 불러오기"));
  EXPECT_EQ(entry("N7")->text(), QString::fromUtf8("데이타 저장하기"));
  const auto first = menus[0]->menu()->actions();
  ASSERT_EQ(first.size(), 4);
  EXPECT_EQ(first[0], entry("QavMaker1"));
  EXPECT_EQ(first[3], entry("N4"));

  // At load the information entry takes the program's name; an ampersand is shown as written.
  view->setProgramEntryCaption("주소록 & 일정...");
  EXPECT_EQ(entry("N2")->text(), QString::fromUtf8("주소록 && 일정..."));

  // Every entry goes to the shell by its name; the data entries only exist there.
  std::vector<std::string> asked;
  platform.setShellCommands({[&](std::string_view e) {
                               asked.emplace_back(e);
                               return true;
                             },
                             {},
                             {}});
  for (const char* name : {"QavMaker1", "N2", "N4", "N6", "N7"}) entry(name)->trigger();
  EXPECT_EQ(asked, (std::vector<std::string>{"QavMaker1", "N2", "N4", "N6", "N7"}));
}

TEST_F(MainFixture, ClientAreaShowsTheDesignPanelAtItsPlace) {
  EXPECT_EQ(view->windowTitle(), QString::fromUtf8("주 화면"));
  QWidget* client = view->clientArea();
  EXPECT_EQ(client->size(), QSize(400, 300));
  EXPECT_EQ(client->mapToGlobal(QPoint(0, 0)), QPoint(100, 50));
  EXPECT_EQ(platform.clientAreaOf(model), client);
  if (qEnvironmentVariableIsSet("QAV_SHOTS"))
    view->grab().save(qEnvironmentVariable("QAV_SHOTS") + "/main.png");

  // A script moving or resizing the main window moves the panel with it.
  model.setBounds(200, 100, 500, 200);
  EXPECT_EQ(client->size(), QSize(500, 200));
  EXPECT_EQ(client->mapToGlobal(QPoint(0, 0)), QPoint(200, 100));
}

// The menu bar is made once the window is shown; until then a blank bar keeps its place at
// the height the menu bar then takes, so the client area does not move.
TEST(MainWindow, MenuBarMadeOnShowingTakesThePlaceKeptForIt) {
  WindowModel model{"TMain"};
  model.setBounds(100, 50, 400, 300);
  qt::MainWindowView view(model);
  ASSERT_EQ(qobject_cast<QMenuBar*>(view.menuWidget()), nullptr);
  const int kept = view.menuWidget()->height();
  view.show();
  ASSERT_NE(qobject_cast<QMenuBar*>(view.menuWidget()), nullptr);
  EXPECT_EQ(view.menuBar()->sizeHint().height(), kept);
  EXPECT_EQ(view.clientArea()->mapToGlobal(QPoint(0, 0)), QPoint(100, 50));
  EXPECT_EQ(view.menuBar()->actions().size(), 2);
}

TEST_F(MainFixture, ClosingAsksAndOnlyYesEnds) {
  // The question is the hub's menu's; this side only shows it.
  Hub hub(platform);
  qt::connectShell(platform, hub);
  int endedWith = -1;
  platform.setQuitAction([&](int code) { endedWith = code; });
  QString question;
  whenModal([&](QWidget* box) {
    question = box->findChild<QLabel*>(QStringLiteral("text"))->text();
    box->findChild<QPushButton*>(QStringLiteral("No"))->click();
  });
  view->menuEntry(QStringLiteral("N4"))->trigger();
  EXPECT_EQ(question, QString::fromUtf8("정말로 종료하시겠습니까?"));
  EXPECT_TRUE(view->isVisible());
  EXPECT_FALSE(platform.quitRequested());

  // The window's close button asks the same; closing the box without an answer keeps it.
  whenModal([](QWidget* box) { box->close(); });
  view->close();
  EXPECT_TRUE(view->isVisible());
  EXPECT_FALSE(platform.quitRequested());

  pressWhenModal(QStringLiteral("Yes"));
  view->close();
  EXPECT_FALSE(view->isVisible());
  EXPECT_TRUE(platform.quitRequested());
  EXPECT_EQ(platform.exitCode(), 0);
  EXPECT_EQ(endedWith, 0);
}

TEST_F(MainFixture, TheShellDecidesOnClosingAndFillsTheInformationWindow) {
  int asked = 0;
  bool allow = false;
  platform.setShellCommands({{},
                             [&] {
                               ++asked;
                               return allow;
                             },
                             [] {
                               return std::vector<std::string>{"줄 하나", "줄 둘"};
                             }});
  view->close();
  EXPECT_TRUE(view->isVisible());
  allow = true;
  view->close();
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(asked, 2);

  // The information window is the view of the "TAbout" window, shown modally.
  WindowModel about("TAbout");
  QString shown;
  whenModal([&](QWidget* w) {
    shown = platform.aboutWindow()->textBox()->toPlainText();
    w->close();
  });
  platform.showWindowModal(about);
  EXPECT_EQ(shown, QString::fromUtf8("줄 하나\n줄 둘"));
  EXPECT_FALSE(about.visible());
}

TEST_F(MainFixture, ActivationGoesToTheBoundActionWithoutARuntime) {
  // Which activations run a script is the runtime's decision (its input path keeps the active
  // window); a window shown without one reports every activation.
  int fired = 0;
  model.setHandler([&](ItemModel&) { ++fired; });
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(view, &activate);
  EXPECT_EQ(fired, 1);
}
