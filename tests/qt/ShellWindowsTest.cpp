#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "Support.h"
#include "app/player/Player.h"
#include "qt/AboutWindow.h"
#include "qt/BevelPanel.h"
#include "qt/ItemView.h"
#include "qt/QtPlatform.h"
#include "qt/SoundPlayer.h"
#include "qt/TitleWindow.h"
#include "runtime/Hub.h"

using namespace qav;
using namespace qav::qt;
using qavtest::whenModal;

TEST(InformationWindow, ShowsTheProgramLinesRebuiltOnEveryActivation) {
  std::vector<std::string> lines{"프로그램  :  주소록", "제 작 자  :  홍길동", "버    젼  :  1.0"};
  AboutWindow about([&] { return lines; });
  QString shown;
  whenModal([&](QWidget* w) {
    shown = static_cast<AboutWindow*>(w)->textBox()->toPlainText();
    static_cast<AboutWindow*>(w)->okButton()->click();
  });
  about.exec();
  EXPECT_EQ(shown, QString::fromUtf8("프로그램  :  주소록\n제 작 자  :  홍길동\n버    젼  :  1.0"));
  EXPECT_FALSE(about.isVisible());

  lines = {"프로그램  :  일정"};
  whenModal([&](QWidget* w) {
    shown = static_cast<AboutWindow*>(w)->textBox()->toPlainText();
    w->close();
  });
  about.exec();
  EXPECT_EQ(shown, QString::fromUtf8("프로그램  :  일정"));
  EXPECT_EQ(about.windowTitle(), QString::fromUtf8("프로그램 정보"));
}

TEST(InformationWindow, LayoutAndLook) {
  AboutWindow about([] { return std::vector<std::string>{"프로그램  :  P", "제 작 자  :  M"}; });
  about.show();
  // The client area of a 375 by 185 dialog window.
  EXPECT_EQ(about.size(), QSize(375 - 8, 185 - 27));
  EXPECT_EQ(about.banner()->geometry(), QRect(8, 8, 353, 33));
  EXPECT_EQ(about.textBox()->geometry(), QRect(24, 56, 321, 57));
  EXPECT_EQ(about.okButton()->geometry(), QRect(286, 128, 75, 25));
  EXPECT_EQ(about.okButton()->text(), QString::fromUtf8("확인"));
  EXPECT_EQ(about.banner()->caption(), QString::fromUtf8("QAV Maker 제작 프로그램"));
  EXPECT_EQ(about.font().pixelSize(), 12);
  EXPECT_EQ(about.banner()->font().pixelSize(), 19);
  EXPECT_TRUE(about.banner()->font().bold());
  EXPECT_EQ(about.textBox()->font().pixelSize(), 15);
  EXPECT_TRUE(about.textBox()->isReadOnly());

  const QImage shot = about.grab().toImage();
  if (qEnvironmentVariableIsSet("QAV_SHOTS"))
    shot.save(qEnvironmentVariable("QAV_SHOTS") + "/about.png");
  // The banner is teal inside its bevel, with a dark top edge (lowered) and white caption text.
  EXPECT_EQ(shot.pixelColor(8 + 3, 8 + 3), QColor(0, 128, 128));
  EXPECT_EQ(shot.pixelColor(8 + 350, 8 + 30), QColor(0, 128, 128));
  EXPECT_EQ(shot.pixel(8 + 10, 8), about.palette().color(QPalette::Dark).rgb());
  int white = 0, teal = 0;
  for (int y = 9; y < 8 + 32; ++y)
    for (int x = 9; x < 8 + 352; ++x) {
      const QColor c = shot.pixelColor(x, y);
      if (c == QColor(Qt::white)) ++white;
      if (c == QColor(0, 128, 128)) ++teal;
    }
  // Bold 19-pixel text of 17 characters leaves a good number of white pixels; most stays teal.
  EXPECT_GT(white, 400);
  EXPECT_GT(teal, white * 3);
  // The text box: a silver button face and white text on it.
  EXPECT_EQ(shot.pixelColor(24 + 318, 56 + 54), QColor(192, 192, 192));
  bool whiteText = false;
  for (int y = 56; y < 56 + 20 && !whiteText; ++y)
    for (int x = 24; x < 24 + 100 && !whiteText; ++x)
      whiteText = shot.pixelColor(x, y) == QColor(Qt::white);
  EXPECT_TRUE(whiteText);
  about.close();
}

TEST(SplashWindow, ShapeAndPicture) {
  QtPlatform platform;
  TitleWindow title(platform);
  EXPECT_EQ(title.size(), QSize(328, 247));
  EXPECT_TRUE(title.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(title.picture()->size(), QSize(320, 240));
  const QImage card = TitleWindow::titlePicture();
  EXPECT_EQ(card.size(), QSize(320, 240));
  EXPECT_EQ(card.format(), QImage::Format_RGB888);
  // The picture sits inside both bevels and within the window.
  const QRect inWindow(title.picture()->mapTo(&title, QPoint(0, 0)), title.picture()->size());
  EXPECT_TRUE(QRect(2, 2, 324, 243).contains(inWindow));
  EXPECT_FALSE(title.timer().isActive());
  if (qEnvironmentVariableIsSet("QAV_SHOTS"))
    title.grab().save(qEnvironmentVariable("QAV_SHOTS") + "/splash.png");
}

TEST(SplashWindow, ClosesOnAKeyOrAClickBeforeItsTimer) {
  QtPlatform platform;
  TitleWindow title(platform);
  bool timerRan = false;
  whenModal([&](QWidget* w) {
    timerRan = static_cast<TitleWindow*>(w)->timer().isActive();
    QTest::keyClick(w, Qt::Key_A);
  });
  title.exec();
  EXPECT_TRUE(timerRan);
  EXPECT_FALSE(title.isVisible());
  EXPECT_FALSE(title.timer().isActive());

  timerRan = false;
  whenModal([&](QWidget* w) {
    auto* t = static_cast<TitleWindow*>(w);
    timerRan = t->timer().isActive();
    QTest::mouseClick(t->picture(), Qt::LeftButton);
  });
  title.exec();
  EXPECT_TRUE(timerRan);
  EXPECT_FALSE(title.isVisible());
  EXPECT_FALSE(title.timer().isActive());

  // In a scripted run only the events close it: its timer never starts.
  setScriptedInput(true);
  timerRan = true;
  whenModal([&](QWidget* w) {
    timerRan = static_cast<TitleWindow*>(w)->timer().isActive();
    QTest::keyClick(w, Qt::Key_A);
  });
  title.exec();
  setScriptedInput(false);
  EXPECT_FALSE(timerRan);
  EXPECT_FALSE(title.isVisible());
}

TEST(SplashWindow, ClosesWhenItsTimerRunsOut) {
  QtPlatform platform;
  TitleWindow title(platform);
  int interval = 0;
  // Shorten the wait instead of sleeping through it.
  whenModal([&](QWidget* w) {
    auto& timer = const_cast<QTimer&>(static_cast<TitleWindow*>(w)->timer());
    interval = timer.interval();
    timer.start(1);
  });
  title.exec();
  EXPECT_EQ(interval, 3500);
  EXPECT_FALSE(title.isVisible());
}

TEST(SplashWindow, MenuEntryOpensItAndAMissingSoundIsSilent) {
  QtPlatform platform;
  platform.setProgramPath("/nonexistent/dir/program");
  Hub hub(platform);
  connectShell(platform, hub);
  platform.createWindowView(hub.mainWindow());
  bool shown = false;
  whenModal([&](QWidget* w) {
    shown = qobject_cast<TitleWindow*>(w) != nullptr;
    QTest::keyClick(w, Qt::Key_Space);
  });
  platform.mainWindow()->menuEntry(QStringLiteral("QavMaker1"))->trigger();
  EXPECT_TRUE(shown);
  platform.releaseViews();
}

// The player opens the media library only for the first sound: every entry point it calls
// must be found there by name, or all sounds would be silence.
TEST(SoundPlayer, FindsTheMediaLibraryWhenASoundFirstPlays) {
  EXPECT_TRUE(SoundPlayer::mediaAvailable());
  SoundPlayer sound;
  EXPECT_FALSE(sound.play(QStringLiteral("/nonexistent/sound.wav")));
  EXPECT_FALSE(sound.playing());
}
