// The data menu of a program played by `qav run --headless`, with the data file it keeps next
// to the program.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include <nlohmann/json.hpp>

#include "stream/RecordReader.h"
#include "support/ProjectBuilder.h"

namespace qav::testing {
namespace {

// Plays the program with the events; the JSON lines it printed.
std::vector<nlohmann::json> play(const std::string& program, const std::vector<std::string>& events,
                                 int& status) {
  std::string cmd = std::string(QAV_BINARY_DIR) + "/qav run --headless";
  for (const auto& e : events) cmd += " --event '" + e + "'";
  cmd += " '" + program + "' 2>/dev/null";
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  char buf[4096];
  while (std::size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
  status = WEXITSTATUS(pclose(p));
  std::vector<nlohmann::json> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
  return lines;
}

TEST(DataMenuRun, SaveWritesTheDataFileAndLoadBringsItBack) {
  TempDir dir;
  ProjectBuilder project;
  project.tableNames[1] = "회원";
  project.fieldNames[1][1] = "이름";
  project.window("PanelStart", 0, 0, 300, 200);
  // Buttons a user can click: shown and enabled.
  const Property visible = Bool("VisibleCheck", true), enabled = Bool("EnabledCheck", true);
  project.item("TNewButton", "ButtnAdd", "PanelStart",
               {visible, enabled,
                LinesOf("Ivent2", {"데이타제작 회원", "정의 데이타:이름 = 홍", "데이타추가"})});
  project.item("TNewButton", "ButtnCount", "PanelStart",
               {visible, enabled, LinesOf("Ivent2", {"데이타갯수 회원"})});
  std::string program = project.writeProgram(dir.path());

  int status = -1;
  auto lines = play(program,
                    {"click:Add", "menu:N7", "click:Add", "click:Count", "print:레지스터:5",
                     "menu:N6", "click:Count", "print:레지스터:5"},
                    status);
  EXPECT_EQ(status, 0);
  std::vector<nlohmann::json> shown;
  for (const auto& l : lines)
    if (l.contains("dialog") || l.contains("print")) shown.push_back(l);
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0]["text"], "현재의 데이타를 저장하였습니다.");
  EXPECT_EQ(shown[0]["dialog"], "message");
  EXPECT_EQ(shown[1]["value"], "2");
  EXPECT_EQ(shown[2]["text"], "데이타를 불러들었습니다. 새 데이타가 적용됩니다.");
  EXPECT_EQ(shown[3]["value"], "1");

  // The file holds the row saved by the menu, not the one appended after it.
  std::string bytes;
  std::ifstream in(dir.path() + "/member.dat", std::ios::binary);
  bytes.assign(std::istreambuf_iterator<char>(in), {});
  Record r = RecordReader(bytes).read();
  const Value* data = r.find("Data_Backup.Strings");
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(data->list.size(), 10u);
  EXPECT_EQ(data->list[0].text, "1");
  EXPECT_EQ(data->list[1].text, "홍" + std::string(100, '\x01'));
}

}  // namespace
}  // namespace qav::testing
