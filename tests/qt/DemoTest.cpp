// The bundled demo application, packed as it ships and played by the real player: what its
// user sees and does, from start-up to a second start that finds the saved members.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/player/Player.h"
#include "items/controls/RunTimer.h"
#include "items/graphic/NewProgress.h"
#include "qt/AboutWindow.h"
#include "qt/Dialogs.h"
#include "qt/PageView.h"
#include "qt/TimerDrivers.h"
#include "runtime/Hub.h"
#include "runtime/ProjectLoader.h"
#include "stream/RecordJson.h"
#include "stream/RecordWriter.h"
#include "support/ProjectBuilder.h"

using namespace qav;

namespace {

using Texts = std::vector<std::string>;

const QColor kNavy(0, 0, 128), kTeal(0, 128, 128), kWhite(255, 255, 255), kBlack(0, 0, 0),
    kSilver(192, 192, 192);

// A pixel's colour by name ("#rrggbb"), which failure messages show.
std::string colourAt(const QImage& img, int x, int y) {
  return img.pixelColor(x, y).name().toStdString();
}
std::string name(const QColor& c) {
  return c.name().toStdString();
}

// The demo project as a program file: the player's room filled with zeros, the project's
// records at the payload offset.
std::string packDemo(const std::string& dir) {
  std::ifstream in(QAV_SOURCE_DIR "/examples/demo.json", std::ios::binary);
  std::ostringstream json;
  json << in.rdbuf();
  const std::string path = dir + "/demo";
  std::ofstream out(path, std::ios::binary);
  out << std::string(kPayloadOffset, '\0') << writeRecords(recordsFromJsonText(json.str()));
  return path;
}

// While it lives, every modal dialog that comes up is noted (its text, or its caption) and
// handed to act; one that act leaves open is closed. Owned by the test, so that nothing of it
// outlives the test when an expected dialog never comes.
class Dialogs {
 public:
  explicit Dialogs(std::function<void(QWidget*)> act = {}) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w || !w->isVisible()) return;
      auto* text = w->findChild<QLabel*>(QStringLiteral("text"));
      seen.push_back((text ? text->text() : w->windowTitle()).toStdString());
      if (act_) act_(w);
      if (w->isVisible()) w->close();
    });
    timer_.start(5);
  }
  // Presses the button of that name on every dialog.
  static std::function<void(QWidget*)> press(const char* button) {
    return [button](QWidget* w) {
      if (auto* b = w->findChild<QPushButton*>(QString::fromLatin1(button))) b->click();
    };
  }
  Texts seen;

 private:
  std::function<void(QWidget*)> act_;
  QTimer timer_;
};

// Korean text arrives as the input method's committed syllables.
void typeKorean(QWidget* field, const QString& text) {
  for (const QChar c : text) {
    QInputMethodEvent commit;
    commit.setCommitString(QString(c));
    QApplication::sendEvent(field, &commit);
  }
}

bool hasColourIn(const QImage& img, const QRect& r, const QColor& c) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (img.pixelColor(x, y) == c) return true;
  return false;
}

struct PlayedDemo : ::testing::Test {
  qav::testing::TempDir dir;
  std::string program;
  std::unique_ptr<qt::Player> player;
  int ended = -1;

  void SetUp() override { program = packDemo(dir.path()); }

  // Starts the program; true when it came up without showing any message.
  bool start() {
    player = std::make_unique<qt::Player>(program);
    player->platform().setQuitAction([this](int code) { ended = code; });
    Dialogs dialogs;
    const bool loaded = player->load();
    // The test ticks the demo's timer itself: a real tick would land at any moment.
    auto* driver = qobject_cast<qt::TimerDriver*>(player->platform().itemDriver(*model("Tick")));
    EXPECT_NE(driver, nullptr);
    if (driver) driver->detach();
    // The start window becomes active and runs its activation script.
    QApplication::processEvents();
    EXPECT_EQ(dialogs.seen, Texts{});
    return loaded && dialogs.seen.empty();
  }

  qt::MainWindowView* main() const { return player->platform().mainWindow(); }

  // Items, their widgets and windows by run-time name; a name the demo lacks fails the test.
  ItemModel* model(const char* name) const {
    if (auto* m = dynamic_cast<ItemModel*>(player->hub().FindControl(name))) return m;
    throw std::runtime_error(std::string("the demo has no item ") + name);
  }
  template <class W>
  W* view(const char* name) const {
    if (auto* w = qobject_cast<W*>(player->platform().itemView(*model(name)))) return w;
    throw std::runtime_error(std::string("no widget of that kind shows ") + name);
  }
  QWidget* window(const char* name) const {
    if (auto* w = dynamic_cast<WindowModel*>(player->hub().FindControl(name)))
      return player->platform().windowView(*w);
    throw std::runtime_error(std::string("the demo has no window ") + name);
  }
  Texts members() const {
    Texts names;
    auto* list = view<QListWidget>("Members");
    for (int i = 0; i < list->count(); ++i) names.push_back(list->item(i)->text().toStdString());
    return names;
  }
  // Types a member's name and age and presses "추가".
  void addMember(const QString& name, const QString& age) {
    typeKorean(view<QLineEdit>("MemberName"), name);
    QTest::keyClicks(view<QLineEdit>("MemberAge"), age);
    QTest::mouseClick(view<QPushButton>("Add"), Qt::LeftButton);
  }

  void TearDown() override {
    if (player) player->platform().releaseViews();
    player.reset();
  }
};

}  // namespace

TEST_F(PlayedDemo, StartsWithItsMainWindowAndMenus) {
  ASSERT_TRUE(start());
  ASSERT_NE(main(), nullptr);
  EXPECT_TRUE(main()->isVisible());
  EXPECT_EQ(main()->windowTitle().toStdString(), "QAV 회원 관리");
  // The design panel, 640 by 360, under the player's menu bar.
  EXPECT_EQ(main()->clientArea()->size(), QSize(640, 360));
  EXPECT_GE(main()->clientArea()->y(), main()->menuBar()->geometry().bottom());
  const auto menus = main()->menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text().toStdString(), "메뉴");
  EXPECT_EQ(menus[1]->text().toStdString(), "데이타");
  EXPECT_EQ(main()->menuEntry(QStringLiteral("N2"))->text().toStdString(), "QAV 회원 관리...");

  // Items sit where they were designed; the other windows wait hidden.
  auto* add = view<QPushButton>("Add");
  EXPECT_EQ(add->parentWidget(), main()->clientArea());
  EXPECT_EQ(add->geometry(), QRect(240, 46, 88, 26));
  EXPECT_EQ(add->text().toStdString(), "추가");
  EXPECT_FALSE(window("Second")->isVisible());
  EXPECT_EQ(view<QLabel>("Count")->text().toStdString(), "회원 0명");
  EXPECT_EQ(members(), Texts{});
  // The start window's script shows the date and time before the timer's first tick.
  EXPECT_TRUE(
      QDateTime::fromString(view<QLabel>("Clock")->text(), QStringLiteral("yyyy-MM-dd HH:mm:ss"))
          .isValid())
      << view<QLabel>("Clock")->text().toStdString();
  // The page control shows its first tab's window in its page area.
  auto* pages = view<qt::PageView>("Info");
  EXPECT_EQ(pages->tabBar()->count(), 2);
  EXPECT_EQ(window("PageA")->parentWidget(), pages->pageArea());
  EXPECT_TRUE(window("PageA")->isVisible());
  EXPECT_FALSE(window("PageB")->isVisible());
}

TEST_F(PlayedDemo, TypingAndAddingShowsTheMemberInTheList) {
  ASSERT_TRUE(start());
  addMember(QString::fromUtf8("홍길동"), QStringLiteral("4x2y"));
  EXPECT_EQ(members(), Texts{"홍길동"});
  EXPECT_EQ(view<QLabel>("Count")->text().toStdString(), "회원 1명");
  // The script cleared both fields for the next member.
  EXPECT_TRUE(view<QLineEdit>("MemberName")->text().isEmpty());
  EXPECT_TRUE(view<QLineEdit>("MemberAge")->text().isEmpty());

  addMember(QString::fromUtf8("김철수"), QStringLiteral("35"));
  // The list is sorted; picking a member fills the fields from the stored row.
  EXPECT_EQ(members(), (Texts{"김철수", "홍길동"}));
  EXPECT_EQ(view<QLabel>("Count")->text().toStdString(), "회원 2명");
  auto* list = view<QListWidget>("Members");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(view<QLineEdit>("MemberName")->text().toStdString(), "홍길동");
  // Only the digits of "4x2y" reached the numeric field.
  EXPECT_EQ(view<QLineEdit>("MemberAge")->text().toStdString(), "42");
  EXPECT_TRUE(view<QLabel>("Joined")->text().startsWith(QString::fromUtf8("가입일: ")));

  // An empty name is refused with a message.
  view<QLineEdit>("MemberName")->selectAll();
  QTest::keyClick(view<QLineEdit>("MemberName"), Qt::Key_Backspace);
  Dialogs dialogs(Dialogs::press("Ok"));
  QTest::mouseClick(view<QPushButton>("Add"), Qt::LeftButton);
  EXPECT_EQ(dialogs.seen, Texts{"이름을 입력하세요."});
  EXPECT_EQ(members().size(), 2);
}

TEST_F(PlayedDemo, TabMovesAmongFieldsAndOnlyAUsersPickRunsTheListScript) {
  ASSERT_TRUE(start());
  addMember(QString::fromUtf8("홍길동"), QStringLiteral("42"));
  // Click the name, type, Tab, type: labels never take the focus, so nothing typed is lost.
  auto* name = view<QLineEdit>("MemberName");
  auto* age = view<QLineEdit>("MemberAge");
  QTest::mouseClick(name, Qt::LeftButton);
  QTest::keyClicks(QApplication::focusWidget(), "Zed");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClicks(QApplication::focusWidget(), "12");
  EXPECT_EQ(name->text().toStdString(), "Zed");
  EXPECT_EQ(age->text().toStdString(), "12");
  EXPECT_EQ(view<QLabel>("NameLabel")->focusPolicy(), Qt::NoFocus);
  // Tabbing into the list picks nothing: what the user typed stays.
  auto* list = view<QListWidget>("Members");
  list->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(name->text().toStdString(), "Zed");
  // A click on an entry runs the script, the selected entry included.
  const QPoint first = list->visualItemRect(list->item(0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
  EXPECT_EQ(name->text().toStdString(), "홍길동");
  name->setText(QStringLiteral("x"));
  emit name->textEdited(QStringLiteral("x"));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
  EXPECT_EQ(name->text().toStdString(), "홍길동");
}

TEST_F(PlayedDemo, EventsDuringADialogAreLost) {
  ASSERT_TRUE(start());
  typeKorean(view<QLineEdit>("MemberName"), QString::fromUtf8("박민수"));
  auto* tick = dynamic_cast<TRunTimer*>(model("Tick"));
  auto* gauge = dynamic_cast<TGauge*>(model("Progress"));
  ASSERT_TRUE(tick && gauge);

  // "인사" asks for a name; while its box is open, "추가" is pressed and the timer ticks.
  bool asked = false;
  {
    Dialogs dialogs([&](QWidget* box) {
      asked = box->findChild<QLabel*>(QStringLiteral("prompt")) != nullptr;
      view<QPushButton>("Add")->click();
      tick->tick();
      if (auto* cancel = box->findChild<QPushButton*>(QStringLiteral("Cancel"))) cancel->click();
    });
    QTest::mouseClick(view<QPushButton>("Greet"), Qt::LeftButton);
    QApplication::processEvents();
    // Only the input box came up: the pressed button's script would have said something.
    EXPECT_EQ(dialogs.seen.size(), 1);
  }
  EXPECT_TRUE(asked);
  // Neither ran, then or later.
  EXPECT_EQ(members(), Texts{});
  EXPECT_EQ(view<QLineEdit>("MemberName")->text().toStdString(), "박민수");
  EXPECT_EQ(gauge->progress(), 0);  // every tick adds 5

  // Once the greeting is over, the same press adds the member and a tick moves the gauge.
  view<QPushButton>("Add")->click();
  EXPECT_EQ(members(), Texts{"박민수"});
  tick->tick();
  EXPECT_EQ(gauge->progress(), 5);
}

TEST_F(PlayedDemo, PagesAndTheSecondWindowWork) {
  ASSERT_TRUE(start());
  // On the first tab the two check boxes are one choice.
  auto* male = view<QCheckBox>("Male");
  auto* female = view<QCheckBox>("Female");
  // A check box takes clicks on its box and caption, at its left.
  const QPoint box(6, male->height() / 2);
  QTest::mouseClick(male, Qt::LeftButton, {}, box);
  EXPECT_TRUE(male->isChecked());
  QTest::mouseClick(female, Qt::LeftButton, {}, box);
  EXPECT_TRUE(female->isChecked());
  EXPECT_FALSE(male->isChecked());

  auto* pages = view<qt::PageView>("Info");
  QTabBar* tabs = pages->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(tabs->currentIndex(), 1);
  QWidget* pageB = window("PageB");
  EXPECT_EQ(pageB->parentWidget(), pages->pageArea());
  EXPECT_TRUE(pageB->isVisible());
  EXPECT_EQ(pageB->size(), QSize(272, 130));
  EXPECT_FALSE(window("PageA")->isVisible());
  auto* colour = view<QComboBox>("Colour");
  auto* note = view<QPlainTextEdit>("Note");
  EXPECT_TRUE(colour->isVisible());
  EXPECT_TRUE(note->isVisible());
  EXPECT_EQ(colour->currentText().toStdString(), "기본바탕색");
  EXPECT_TRUE(note->toPlainText().startsWith(QString::fromUtf8("메모는 네 줄까지")));
  // The tab's script names the tab it came to.
  EXPECT_EQ(view<QLabel>("Joined")->text().toStdString(), "탭: 설정");

  // Picking "은색" paints the main window silver, the labels on it included.
  QTest::keyClick(colour, Qt::Key_Down);
  QTest::keyClick(colour, Qt::Key_Down);
  EXPECT_EQ(colour->currentText().toStdString(), "은색");
  const QImage shot = main()->clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(colourAt(shot, 8, 340), name(kSilver));  // the window
  // The labels size themselves to their text: their top row is background.
  EXPECT_EQ(colourAt(shot, 16 + 1, 256), name(kSilver));       // "회원 0명"
  EXPECT_EQ(colourAt(shot, 16 + 1, 12), name(kSilver));        // the title
  EXPECT_NE(colourAt(shot, 64 + 80, 48 + 10), name(kSilver));  // the name field keeps its own

  // Back to the first tab: its window returns, the second leaves.
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
  EXPECT_TRUE(window("PageA")->isVisible());
  EXPECT_FALSE(pageB->isVisible());

  // The second window sums up to the number in its field and hides on "닫기".
  QTest::mouseClick(view<QPushButton>("OpenSecond"), Qt::LeftButton);
  QWidget* second = window("Second");
  ASSERT_TRUE(second->isVisible());
  EXPECT_TRUE(second->isWindow());
  EXPECT_EQ(second->windowTitle().toStdString(), "합계 계산");
  EXPECT_EQ(view<QLineEdit>("Upto")->text().toStdString(), "10");
  QTest::mouseClick(view<QPushButton>("Sum"), Qt::LeftButton);
  EXPECT_EQ(view<QLabel>("SumResult")->text().toStdString(), "1부터 10까지의 합: 55");
  QTest::mouseClick(view<QPushButton>("Close"), Qt::LeftButton);
  EXPECT_FALSE(second->isVisible());
}

TEST_F(PlayedDemo, SavedMembersComeBackOnTheNextStart) {
  ASSERT_TRUE(start());
  addMember(QString::fromUtf8("홍길동"), QStringLiteral("42"));
  {
    Dialogs dialogs(Dialogs::press("Ok"));
    QTest::mouseClick(view<QPushButton>("Save"), Qt::LeftButton);
    EXPECT_EQ(dialogs.seen, Texts{"회원 자료를 저장했습니다."});
  }
  const QString data = QString::fromStdString(dir.path() + "/demo.dat");
  ASSERT_TRUE(QFileInfo(data).isFile());

  // The user comes back to the main window and quits with Alt+X, confirming; the next start
  // lists the member again.
  main()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
  {
    Dialogs dialogs(Dialogs::press("Yes"));
    QTest::keyClick(main(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(dialogs.seen, Texts{"정말로 종료하시겠습니까?"});
  }
  EXPECT_EQ(ended, 0);
  player->platform().releaseViews();
  player.reset();
  ASSERT_TRUE(start());
  EXPECT_EQ(members(), Texts{"홍길동"});
  EXPECT_EQ(view<QLabel>("Count")->text().toStdString(), "회원 1명");
}

TEST_F(PlayedDemo, LooksAsDesigned) {
  ASSERT_TRUE(start());
  const QImage shot = main()->clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  // The title in navy bold, the badge filled teal, the gauge framed in black and empty (white).
  EXPECT_TRUE(hasColourIn(shot, QRect(16, 12, 320, 22), kNavy));
  EXPECT_FALSE(hasColourIn(shot, QRect(16, 52, 40, 16), kNavy));  // the field labels are not
  EXPECT_EQ(colourAt(shot, 344 + 32, 226 + 32), name(kTeal));
  EXPECT_EQ(colourAt(shot, 500, 244), name(kBlack));
  EXPECT_EQ(colourAt(shot, 624, 271), name(kBlack));
  EXPECT_EQ(colourAt(shot, 502, 246), name(kWhite));
  EXPECT_EQ(colourAt(shot, 622, 269), name(kWhite));

  // The information window: the teal banner with its white caption, and the program's lines.
  QImage about;
  QString lines;
  {
    Dialogs dialogs([&](QWidget* w) {
      about = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
      lines = player->platform().aboutWindow()->textBox()->toPlainText();
    });
    main()->menuEntry(QStringLiteral("N2"))->trigger();
    EXPECT_EQ(dialogs.seen, Texts{"프로그램 정보"});
  }
  ASSERT_FALSE(about.isNull());
  EXPECT_EQ(colourAt(about, 8 + 4, 8 + 16), name(kTeal));
  EXPECT_EQ(colourAt(about, 8 + 348, 8 + 16), name(kTeal));
  EXPECT_TRUE(hasColourIn(about, QRect(10, 10, 349, 29), kWhite));
  EXPECT_EQ(lines.toStdString(),
            "프로그램  :  QAV 회원 관리\n제 작 자  :  QAV 팀\n버    젼  :  1.0");
  // QAV_DEMO_SHOTS names a directory that keeps both pictures, for a look by eye.
  const QByteArray shots = qgetenv("QAV_DEMO_SHOTS");
  if (!shots.isEmpty()) {
    shot.save(QString::fromLocal8Bit(shots) + QStringLiteral("/main.png"));
    about.save(QString::fromLocal8Bit(shots) + QStringLiteral("/about.png"));
  }
}

TEST(PlayerStart, AProgramWithoutAProjectStillShowsAUsableMainWindow) {
  // A program file of exactly the payload offset carries an empty project: nothing configures
  // the main window, which must still be a window the user can see and close.
  qav::testing::TempDir dir;
  const std::string program = dir.path() + "/empty";
  std::ofstream(program, std::ios::binary) << std::string(kPayloadOffset, '\0');
  qt::Player player(program);
  ASSERT_TRUE(player.load());
  qt::MainWindowView* main = player.platform().mainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(main->clientArea()->size(), QSize(400, 300));
  EXPECT_GE(main->y(), 0);
  player.platform().releaseViews();
}
