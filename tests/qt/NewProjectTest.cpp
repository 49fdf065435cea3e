// The project that `qav new` writes, packed and played on a display: its items are there to
// see and use, and its button greets with what was typed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "Support.h"
#include "app/player/Player.h"
#include "runtime/ProjectLoader.h"
#include "runtime/TMain.h"
#include "stores/SettingsForm.h"
#include "stream/RecordJson.h"
#include "stream/RecordWriter.h"
#include "support/ProjectBuilder.h"

using namespace qav;

TEST(NewProject, ShowsItsItemsAndGreetsOnADisplay) {
  qav::testing::TempDir dir;
  const std::string json = dir.path() + "/hello.json";
  const std::string command = std::string(QAV_BINARY_DIR) + "/qav new '" + json + "' >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::ifstream in(json, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  nlohmann::ordered_json document = jsonFromText(text.str());
  expandReadableSettings(document);
  const std::string program = dir.path() + "/hello";
  std::ofstream(program, std::ios::binary)
      << std::string(kPayloadOffset, '\0') << writeRecords(recordsFromJson(document));

  qt::Player player(program);
  player.platform().setQuitAction([](int) {});
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
}
