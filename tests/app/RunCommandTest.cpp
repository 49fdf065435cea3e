#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "stream/RecordJson.h"
#include "support/ProjectBuilder.h"

namespace qav::testing {
namespace {

struct Result {
  int status = -1;
  std::vector<nlohmann::json> lines;
  std::string err;
};

class RunCommand : public ::testing::Test {
 protected:
  // Packs the project with `qav pack` and plays it with `qav run --headless`.
  std::string pack() {
    std::string json = dir.path() + "/project.json";
    std::ofstream(json) << recordsToJsonText([&] {
      std::vector<Record> all{project.settingsRecord()};
      for (auto& r : project.records()) all.push_back(r);
      return all;
    }());
    std::ofstream(dir.path() + "/player") << "player";
    std::string program = dir.path() + "/app";
    std::string cmd = std::string(QAV_BINARY_DIR) + "/qav pack '" + json + "' -o '" + program +
                      "' --player '" + dir.path() + "/player'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    return program;
  }
  Result run(const std::vector<std::string>& args) {
    std::string cmd = std::string(QAV_BINARY_DIR) + "/qav run --headless";
    for (const auto& a : args) cmd += " '" + a + "'";
    cmd += " 2>'" + dir.path() + "/stderr'";
    Result r;
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    r.status = WEXITSTATUS(pclose(p));
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
      r.lines.push_back(nlohmann::json::parse(line));
    std::ifstream e(dir.path() + "/stderr");
    std::getline(e, r.err, '\0');
    return r;
  }

  TempDir dir;
  ProjectBuilder project;
};

TEST_F(RunCommand, PlaysAProgramFromEventsAndAnswers) {
  project.window("PanelStart", 0, 0, 300, 200, {LinesOf("Ivent1", {"메세지 어서 오세요"})});
  project.window("PanelAsk", 0, 0, 100, 100);
  // Items a user can reach: shown and enabled.
  const Property shown = Bool("VisibleCheck", true), enabled = Bool("EnabledCheck", true);
  project.item("TNewButton", "ButtnGo", "PanelStart",
               {shown, enabled,
                LinesOf("Ivent2", {"입력 이름?", "정의 Name:문자열 = 레지스터:1",
                                   "정의 Note:문자열 = 메모", "창보이기 Ask Y", "메세지 돌아옴"})});
  project.item("TNewEdit", "EdittName", "PanelStart",
               {shown, enabled, LinesOf("Ivent3", {"정의 *레지스터:9 = Name:문자열"})});
  // A field without a change script: the script's write to it drops nothing worth a line.
  project.item("TNewEdit", "EdittNote", "PanelStart", {shown, enabled});
  std::string app = pack();
  // Answers go to the dialogs in the order they appear, one each.
  Result r = run({"--answer", "ok",
                  "--answer", "text:홍길동",
                  "--answer", "Ok",
                  "--answer", "No",
                  "--answer", "Yes",
                  "--event",  "click:Go",
                  "--event",  "click:Go",
                  "--event",  "close:Ask",
                  "--event",  "type:Name:ab",
                  "--event",  "print:레지스터:9",
                  "--event",  "close:Start",
                  "--event",  "menu:N4",
                  "--event",  "print:Name:문자열",
                  app});
  EXPECT_EQ(r.status, 0) << r.err;
  std::vector<nlohmann::json> want = {
      {{"window", "Start"}, {"action", "show"}},
      {{"dialog", "message"},
       {"caption", "QAV Maker"},
       {"text", "어서 오세요"},
       {"buttons", {"Ok"}},
       {"answer", "Ok"}},
      {{"dialog", "input"},
       {"caption", "입력창"},
       {"text", "이름?"},
       {"buttons", {"Ok", "Cancel"}},
       {"answer", "홍길동"}},
      // The script's own write to the field raises its change event, which is dropped.
      {{"dropped", "type:Name"}},
      {{"window", "Ask"}, {"action", "show-modal"}},
      // While the script waits, the second click is dropped and the close ends the wait.
      {{"dropped", "click:Go"}},
      {{"window", "Ask"}, {"action", "close"}},
      // The start window is active again while the script still runs: that is dropped.
      {{"dropped", "activate:Start"}},
      {{"dialog", "message"},
       {"caption", "QAV Maker"},
       {"text", "돌아옴"},
       {"buttons", {"Ok"}},
       {"answer", "Ok"}},
      {{"print", "레지스터:9"}, {"value", "홍길동ab"}},
      {{"dialog", "warning"},
       {"caption", "Warning"},
       {"text", "정말로 종료하시겠습니까?"},
       {"buttons", {"Yes", "No"}},
       {"answer", "No"}},
      // Answered No, the question gives the focus back to the start window: it is activated.
      {{"dialog", "message"},
       {"caption", "QAV Maker"},
       {"text", "어서 오세요"},
       {"buttons", {"Ok"}},
       {"answer", "Ok"}},
      {{"dialog", "warning"},
       {"caption", "Warning"},
       {"text", "정말로 종료하시겠습니까?"},
       {"buttons", {"Yes", "No"}},
       {"answer", "Yes"}},
      {{"exit", 0}},
  };
  std::string got;
  for (const auto& l : r.lines) got += l.dump() + "\n";
  ASSERT_EQ(r.lines.size(), want.size()) << got;
  for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(r.lines[i], want[i]) << "line " << i;
}

TEST_F(RunCommand, BadEventsAndNamesEndWithAMessage) {
  project.window("PanelStart", 0, 0, 300, 200);
  std::string app = pack();
  Result r = run({"--event", "wiggle:Start", app});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("unknown event kind \"wiggle\""), std::string::npos);
  EXPECT_TRUE(r.lines.empty());
  r = run({"--event", "click:Nobody", app});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Nobody"), std::string::npos);
  r = run({"--event", "select:Start:x", app});
  EXPECT_EQ(r.status, 2);
  // A modal wait still open after the last event is ended by closing the window; a program
  // file too short for a project warns and ends with 0.
  std::ofstream(dir.path() + "/short") << "tiny";
  r = run({dir.path() + "/short"});
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(r.lines.size(), 2u);
  EXPECT_EQ(r.lines[0]["dialog"], "warning");
  EXPECT_EQ(r.lines[1], (nlohmann::json{{"exit", 0}}));
}

}  // namespace
}  // namespace qav::testing
