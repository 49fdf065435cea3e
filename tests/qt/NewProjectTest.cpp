// The project that `qav new` writes, packed and played on a display: its items are there to
// see and use, and its button greets with what was typed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <string>
#include <vector>

#include "Support.h"
#include "app/player/Player.h"
#include "runtime/Hub.h"
#include "support/ProjectBuilder.h"

using namespace qav;

TEST(NewProject, ShowsItsItemsAndGreetsOnADisplay) {
  qav::testing::TempDir dir;
  const std::string json = dir.path() + "/hello.json", program = dir.path() + "/hello";
  const std::string qav = std::string(QAV_BINARY_DIR) + "/qav";
  const std::string command = qav + " new '" + json + "' >/dev/null && " + qav + " pack '" + json +
                              "' -o '" + program + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);

  qt::Player player(program);
  player.platform().setQuitAction([](int) {});
  // The trace of a script's lines comes from the interpreter, on a display as well.
  std::vector<std::string> traced;
  player.hub().interpreter().setTrace(
      [&](const std::string& source, int line, const std::string& text) {
        traced.push_back(source + ":" + std::to_string(line) + ":" + text);
      });
  ASSERT_TRUE(player.load());
  auto view = [&](const char* name) {
    auto* model = dynamic_cast<ItemModel*>(player.hub().FindControl(name));
    return model ? player.platform().itemView(*model) : nullptr;
  };
  auto* ask = qobject_cast<QLabel*>(view("Ask"));
  auto* name = qobject_cast<QLineEdit*>(view("Name"));
  auto* greet = qobject_cast<QPushButton*>(view("Greet"));
  ASSERT_TRUE(ask && name && greet);
  for (QWidget* w :
       {static_cast<QWidget*>(ask), static_cast<QWidget*>(name), static_cast<QWidget*>(greet)}) {
    EXPECT_TRUE(w->isVisible()) << w->metaObject()->className();
    EXPECT_TRUE(w->isEnabled()) << w->metaObject()->className();
  }
  EXPECT_EQ(greet->text(), QString::fromUtf8("인사"));

  QTest::keyClicks(name, QStringLiteral("Kim"));
  QString said;
  qavtest::whenModal([&](QWidget* w) {
    said = w->findChild<QLabel*>(QStringLiteral("text"))->text();
    w->close();
  });
  greet->click();
  EXPECT_EQ(said, QString::fromUtf8("안녕하세요, Kim님!"));
  EXPECT_EQ(traced,
            std::vector<std::string>{"Greet:1:메세지 안녕하세요, ~ #32 ~ Name:문자열 ~ 님!"});
}
