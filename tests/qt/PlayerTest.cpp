#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "Support.h"
#include "app/player/Player.h"
#include "qt/AboutWindow.h"
#include "runtime/Hub.h"
#include "support/ProjectBuilder.h"

// The project is appended at byte offset 1,000,000 of a copy of the player: the player itself,
// stripped as it ships, must end before that offset.
TEST(PlayerProgram, StrippedPlayerEndsBeforeThePayloadOffset) {
  const QString player = QStringLiteral(QAV_BINARY_DIR "/qavplayer");
  ASSERT_TRUE(QFileInfo(player).isExecutable()) << player.toStdString();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString stripped = dir.filePath(QStringLiteral("qavplayer"));
  ASSERT_EQ(QProcess::execute(QStringLiteral("strip"), {QStringLiteral("-o"), stripped, player}),
            0);
  const qint64 size = QFileInfo(stripped).size();
  EXPECT_GT(size, 0);
  EXPECT_LE(size, 1000000);
}

namespace {

using namespace qav;
using namespace qav::testing;

struct PlayedProject : ::testing::Test {
  TempDir dir;
  ProjectBuilder project;

  void SetUp() override {
    project.window("PanelStart", 50, 40, 320, 200);
    project.item("TNewLabel", "LabelTitle", "PanelStart",
                 {Text("Caption", "처음"), Int("Left", 10), Int("Top", 10), Int("Width", 100),
                  Int("Height", 16), Bool("EnabledCheck", true), Bool("VisibleCheck", true)});
    project.item("TNewButton", "ButtnGo", "PanelStart",
                 {Text("Caption", "바꾸기"), Int("Left", 10), Int("Top", 40), Int("Width", 75),
                  Int("Height", 25), Bool("EnabledCheck", true), Bool("VisibleCheck", true),
                  LinesOf("Ivent2", {"정의 Title:제목 = 42"})});
  }
};

}  // namespace

TEST_F(PlayedProject, WidgetsShowTheProjectAndRunItsScripts) {
  qt::Player player(project.writeProgram(dir.path()));
  int ended = -1;
  player.platform().setQuitAction([&](int code) { ended = code; });
  ASSERT_TRUE(player.load());
  qt::MainWindowView* main = player.platform().mainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(main->clientArea()->size(), QSize(320, 200));
  EXPECT_EQ(main->menuEntry(QStringLiteral("N2"))->text(), QString::fromUtf8("회원관리..."));

  auto* titleModel = dynamic_cast<ItemModel*>(player.hub().FindControl("Title"));
  auto* goModel = dynamic_cast<ItemModel*>(player.hub().FindControl("Go"));
  ASSERT_TRUE(titleModel && goModel);
  auto* title = qobject_cast<QLabel*>(player.platform().itemView(*titleModel));
  auto* go = qobject_cast<QPushButton*>(player.platform().itemView(*goModel));
  ASSERT_TRUE(title && go);
  EXPECT_EQ(title->parentWidget(), main->clientArea());
  EXPECT_EQ(title->text(), QString::fromUtf8("처음"));
  EXPECT_EQ(go->geometry(), QRect(10, 40, 75, 25));

  // A click runs the button's script, which changes the label on the screen.
  go->click();
  EXPECT_EQ(title->text(), QStringLiteral("42"));

  // The information window shows the project's settings.
  QString about;
  qavtest::whenModal([&](QWidget* w) {
    about = player.platform().aboutWindow()->textBox()->toPlainText();
    w->close();
  });
  main->menuEntry(QStringLiteral("N2"))->trigger();
  EXPECT_TRUE(about.startsWith(QString::fromUtf8("프로그램  :  회원관리"))) << about.toStdString();

  // Saving the data writes the data file beside the program and says so.
  QString said;
  qavtest::whenModal([&](QWidget* w) {
    said = w->findChild<QLabel*>(QStringLiteral("text"))->text();
    w->findChild<QPushButton*>(QStringLiteral("Ok"))->click();
  });
  main->menuEntry(QStringLiteral("N7"))->trigger();
  EXPECT_EQ(said, QString::fromUtf8("현재의 데이타를 저장하였습니다."));
  EXPECT_TRUE(QFileInfo(QString::fromStdString(dir.path() + "/member.dat")).isFile());

  // Quitting asks first.
  qavtest::pressWhenModal(QStringLiteral("No"));
  main->menuEntry(QStringLiteral("N4"))->trigger();
  EXPECT_EQ(ended, -1);
  qavtest::pressWhenModal(QStringLiteral("Yes"));
  main->close();
  EXPECT_EQ(ended, 0);
}

// A hidden window's views are made when they are needed; a script that reads the size of an
// auto-size label on it still reads the size the label has on the screen.
TEST_F(PlayedProject, ScriptReadsTheMeasuredSizeOfALabelOnAHiddenWindow) {
  project.window("PanelSecond", 0, 0, 200, 100);
  project.item("TNewLabel", "LabelHidden", "PanelSecond",
               {Text("Caption", "보이지 않는 창의 글"), Int("Left", 5), Int("Top", 5),
                Int("Width", 10), Int("Height", 10), Bool("AutoSize", true),
                Bool("EnabledCheck", true), Bool("VisibleCheck", true)});
  project.item("TNewButton", "ButtnRead", "PanelStart",
               {Text("Caption", "읽기"), Int("Left", 100), Int("Top", 40), Int("Width", 75),
                Int("Height", 25), Bool("EnabledCheck", true), Bool("VisibleCheck", true),
                LinesOf("Ivent2", {"정의 Title:제목 = Hidden:가로크기",
                                   "정의 Read:제목 = Hidden:세로크기"})});
  qt::Player player(project.writeProgram(dir.path()));
  ASSERT_TRUE(player.load());
  auto named = [](const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String(name)) return true;
    return false;
  };
  EXPECT_FALSE(named("Second"));

  auto* readModel = dynamic_cast<ItemModel*>(player.hub().FindControl("Read"));
  auto* titleModel = dynamic_cast<ItemModel*>(player.hub().FindControl("Title"));
  ASSERT_TRUE(readModel && titleModel);
  auto* read = qobject_cast<QPushButton*>(player.platform().itemView(*readModel));
  read->click();
  EXPECT_TRUE(named("Second"));
  auto* hidden = dynamic_cast<ItemModel*>(player.hub().FindControl("Hidden"));
  auto* label = qobject_cast<QLabel*>(player.platform().itemView(*hidden));
  ASSERT_NE(label, nullptr);
  const QRect text =
      QFontMetrics(label->font()).boundingRect(QRect(0, 0, 100000, 100000), 0, label->text());
  EXPECT_GT(text.width(), 10);
  EXPECT_EQ(qobject_cast<QLabel*>(player.platform().itemView(*titleModel))->text(),
            QString::number(text.width()));
  EXPECT_EQ(read->text(), QString::number(text.height()));
}

// The window a page control shows is placed inside it from the start: no window but the main
// window appears on the screen at start-up, not even for a moment.
TEST_F(PlayedProject, OnlyTheMainWindowAppearsAtStartUp) {
  project.window("PanelPage", 0, 0, 200, 100);
  project.item(
      "TNewPage", "PagesBook", "PanelStart",
      {LinesOf("PageName", {"첫째"}), LinesOf("PageWindow", {"Page"}), Text("ActivePage", "첫째"),
       Int("Left", 100), Int("Top", 80), Bool("EnabledCheck", true), Bool("VisibleCheck", true)});
  struct TopLevelShows : QObject {
    QStringList names;
    bool eventFilter(QObject* o, QEvent* e) override {
      auto* w = qobject_cast<QWidget*>(o);
      if (e->type() == QEvent::Show && w && w->isWindow()) names << w->objectName();
      return false;
    }
  } shows;
  qApp->installEventFilter(&shows);
  qt::Player player(project.writeProgram(dir.path()));
  ASSERT_TRUE(player.load());
  qApp->removeEventFilter(&shows);
  EXPECT_EQ(shows.names, QStringList{QStringLiteral("Main")});
  auto* page = dynamic_cast<WindowModel*>(player.hub().FindControl("Page"));
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(player.platform().windowView(*page)->isVisible());
}

// A packed program plays the project appended to its own file: a timer's script saves the data
// file, which appears beside the program.
TEST_F(PlayedProject, APackedProgramPlaysTheProjectAppendedToItself) {
#ifdef QAV_STAND_IN_PLAYER
  GTEST_SKIP() << "this build's qavplayer is a stand-in that plays nothing";
#endif
  project.item("TNewTimer", "TimerSave", "PanelStart",
               {Int("Inteval", 10), Bool("EnabledCheck", true), LinesOf("Ivent5", {"저장하기"})});
  std::ifstream player(QAV_BINARY_DIR "/qavplayer", std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(player), {}};
  bytes.resize(kPayloadOffset, '\0');
  QFile packed(QString::fromStdString(dir.path() + "/packed"));
  ASSERT_TRUE(packed.open(QIODevice::WriteOnly));
  packed.write(QByteArray::fromStdString(bytes + project.payload()));
  packed.close();
  packed.setPermissions(packed.permissions() | QFileDevice::ExeOwner);

  QProcess run;
  run.start(packed.fileName());
  const QString data = QString::fromStdString(dir.path() + "/member.dat");
  for (int i = 0; i < 400 && !QFileInfo::exists(data) && run.state() != QProcess::NotRunning; ++i)
    run.waitForFinished(50);
  EXPECT_TRUE(QFileInfo::exists(data));
  run.kill();
  run.waitForFinished();
}

TEST_F(PlayedProject, AFileTooShortForAProjectWarnsAndEnds) {
  const std::string path = dir.path() + "/short";
  std::ofstream(path, std::ios::binary) << std::string(999999, '\0');
  qt::Player player(path);
  int ended = -1;
  player.platform().setQuitAction([&](int code) { ended = code; });
  QString warning;
  qavtest::whenModal([&](QWidget* w) {
    warning = w->findChild<QLabel*>(QStringLiteral("text"))->text();
    w->findChild<QPushButton*>(QStringLiteral("Ok"))->click();
  });
  EXPECT_FALSE(player.load());
  EXPECT_TRUE(
      warning.startsWith(QString::fromUtf8("QAV Maker 기본 테이블 데이타 자료가 손상되었습니다.")));
  // The program ends with code 0 and no window has been shown.
  EXPECT_EQ(ended, 0);
  EXPECT_EQ(player.platform().exitCode(), 0);
  EXPECT_FALSE(player.platform().mainWindow() && player.platform().mainWindow()->isVisible());
}
