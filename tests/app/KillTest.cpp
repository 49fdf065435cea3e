// A program that saves its data file after every added row (option 5), killed with SIGKILL at
// seeded random moments of its saving: whatever data file it leaves behind reads back whole and
// holds the first rows of the run, in order.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "stream/RecordReader.h"
#include "support/ProjectBuilder.h"

extern char** environ;

namespace qav::testing {
namespace {

constexpr int kRows = 20;
constexpr int kKills = 50;

std::string row(int n) {
  return std::to_string(n) + std::string(100, '\x01');
}

// Plays the program's adding button; with killAt > 0 the run is killed at once when the
// directory has seen that many file events (creations, writes, renames). The events seen.
int playAndKill(const std::string& program, const std::string& dir, int killAt) {
  int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (watch < 0 || ::inotify_add_watch(watch, dir.c_str(),
                                       IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO) < 0)
    return -1;
  std::string qav = std::string(QAV_BINARY_DIR) + "/qav";
  std::vector<std::string> args{qav, "run", "--headless", "--event", "click:Add", program};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  int seen = 0;
  if (::posix_spawn(&pid, qav.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    bool running = true;
    while (running) {
      pollfd p{watch, POLLIN, 0};
      ::poll(&p, 1, 20);
      alignas(inotify_event) char buf[4096];
      for (ssize_t n; (n = ::read(watch, buf, sizeof buf)) > 0;) {
        for (char* at = buf; at < buf + n;) {
          auto* e = reinterpret_cast<inotify_event*>(at);
          at += sizeof(inotify_event) + e->len;
          if (++seen == killAt) ::kill(pid, SIGKILL);
        }
      }
      running = ::waitpid(pid, nullptr, WNOHANG) == 0;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  ::close(watch);
  return seen;
}

// The rows of the data file's table 1, or an explanation of why it does not read whole.
std::vector<std::string> rowsOf(const std::string& path, std::string& problem) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  try {
    RecordReader reader(bytes);
    Record r = reader.read();
    if (!reader.atEnd()) problem = "bytes after the record";
    const Value* lines = r.find("Data_Backup.Strings");
    if (!lines) {
      problem = "no rows";
      return {};
    }
    std::vector<std::string> rows;
    const std::size_t n = std::stoul(lines->list.at(0).text);
    for (std::size_t i = 1; i <= n; ++i) rows.push_back(lines->list.at(i).text);
    if (lines->list.size() != n + 9) problem = "the tables after the first are not all there";
    return rows;
  } catch (const std::exception& e) {
    problem = e.what();
    return {};
  }
}

TEST(KillDuringSaves, EveryDataFileLeftBehindReadsWholeWithTheFirstRows) {
  TempDir dir;
  ProjectBuilder project;
  project.options[5] = true;
  project.dataFile = "rows.dat";
  project.tableNames[1] = "기록";
  project.fieldNames[1][1] = "값";
  project.window("PanelStart", 0, 0, 300, 200);
  project.item(
      "TNewButton", "ButtnAdd", "PanelStart",
      {Bool("VisibleCheck", true), Bool("EnabledCheck", true),
       LinesOf("Ivent2", {"선언 i", "반복 i = 1 ~ " + std::to_string(kRows), "데이타제작 기록",
                          "정의 데이타:값 = :i", "데이타추가", "반복끝"})});
  const std::string program = project.writeProgram(dir.path());
  const std::string data = dir.path() + "/rows.dat";

  // A whole run, to learn how many file events its saves make.
  const int events = playAndKill(program, dir.path(), 0);
  std::string problem;
  ASSERT_EQ(rowsOf(data, problem).size(), static_cast<std::size_t>(kRows)) << problem;

  std::mt19937 rng(20261208);
  std::uniform_int_distribution<int> moment(1, events);
  int killedWithAFile = 0;
  for (int k = 0; k < kKills; ++k) {
    std::filesystem::remove(data);
    const int killAt = moment(rng);
    playAndKill(program, dir.path(), killAt);
    if (!std::filesystem::exists(data)) continue;
    ++killedWithAFile;
    std::string why;
    const auto rows = rowsOf(data, why);
    ASSERT_EQ(why, "") << "killed at file event " << killAt;
    ASSERT_GE(rows.size(), 1u);
    for (std::size_t i = 0; i < rows.size(); ++i)
      ASSERT_EQ(rows[i], row(static_cast<int>(i) + 1)) << "killed at file event " << killAt;
  }
  // Most moments fall after the first save.
  EXPECT_GT(killedWithAFile, kKills / 2);
}

}  // namespace
}  // namespace qav::testing
