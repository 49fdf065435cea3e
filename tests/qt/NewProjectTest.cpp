// The project that `qav new` writes, packed and played on a display: its items are there to
// see and use, and its button greets with what was typed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "Support.h"
#include "app/player/Player.h"
#include "runtime/Hub.h"
#include "support/ProjectBuilder.h"

using namespace qav;

namespace {

const std::string kQav = std::string(QAV_BINARY_DIR) + "/qav";

// `qav new` then `qav pack`: the program file, the built player in front of the project.
std::string newProgram(const std::string& dir) {
  const std::string json = dir + "/hello.json", program = dir + "/hello";
  const std::string command = kQav + " new '" + json + "' >/dev/null && " + kQav + " pack '" +
                              json + "' -o '" + program + "'";
  return std::system(command.c_str()) == 0 ? program : std::string();
}

}  // namespace

TEST(NewProject, ShowsItsItemsAndGreetsOnADisplay) {
  qav::testing::TempDir dir;
  const std::string program = newProgram(dir.path());
  ASSERT_FALSE(program.empty());

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

TEST(NewProject, QavRunTracesOnTheDisplayAsWell) {
  qav::testing::TempDir dir;
  const std::string program = newProgram(dir.path());
  ASSERT_FALSE(program.empty());
  const std::string out = dir.path() + "/out";
  const std::string command = kQav + " run --trace --event type:Name:Kim --event click:Greet " +
                              "--answer Ok '" + program + "' >'" + out + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::ifstream in(out);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  auto at = [&](const std::string& part) {
    return std::find_if(lines.begin(), lines.end(),
                        [&](const std::string& l) { return l.find(part) != std::string::npos; }) -
           lines.begin();
  };
  const auto traced =
      at(R"({"line":1,"text":"메세지 안녕하세요, ~ #32 ~ Name:문자열 ~ 님!","trace":"Greet"})");
  const auto said = at("안녕하세요, Kim님!");
  EXPECT_LT(traced, said);
  EXPECT_LT(said, static_cast<std::ptrdiff_t>(lines.size()));
}
