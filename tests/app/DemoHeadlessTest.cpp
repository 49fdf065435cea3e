// The bundled demo packed with `qav pack` and played with `qav run --headless`, as a user's
// session: what it prints, and the data file it leaves behind.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::string kQav = std::string(QAV_BINARY_DIR) + "/qav";
const std::string kDemo = std::string(QAV_SOURCE_DIR) + "/examples/demo.json";
#ifdef QAV_SANITIZED
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

Lines splitLines(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A data-table row as stored: the values, then empty fields up to 100, each followed by \x01.
std::string row(const Lines& values) {
  std::string r;
  for (const std::string& v : values) r += v + '\x01';
  return r + std::string(100 - values.size(), '\x01');
}

class DemoHeadless : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "qav-demo-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
    // The player beside qav goes in front of the project, as `make demo` does it.
    std::vector<std::string> pack{"pack", kDemo, "-o", program()};
    if (kSanitized) {  // whose player is larger than the payload offset: a stub stands in
      std::ofstream(dir_ / "stub-player").flush();
      pack.insert(pack.end(), {"--player", (dir_ / "stub-player").string()});
    }
    ASSERT_EQ(qav(pack), 0) << err_;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string program() const { return (dir_ / "demo").string(); }
  fs::path dataFile() const { return dir_ / "demo.dat"; }

  // Runs qav with the arguments; its standard output is kept in out_, its error in err_.
  int qav(std::vector<std::string> args) {
    args.insert(args.begin(), kQav);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid;
    int code = -1;
    if (posix_spawn(&pid, kQav.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
      int status = 0;
      ::waitpid(pid, &status, 0);
      code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    out_ = slurp(out);
    err_ = slurp(err);
    return code;
  }

  // Plays the demo with these events and answers; the printed lines.
  Lines play(const Lines& events, const Lines& answers) {
    std::vector<std::string> args{"run", "--headless"};
    for (const auto& e : events) args.insert(args.end(), {"--event", e});
    for (const auto& a : answers) args.insert(args.end(), {"--answer", a});
    args.push_back(program());
    EXPECT_EQ(qav(args), 0) << err_;
    return splitLines(out_);
  }

  // The lines of the data file's one record, read back with `qav dump`.
  Lines storedLines() {
    EXPECT_EQ(qav({"dump", "--offset", "0", dataFile().string()}), 0) << err_;
    const auto json = nlohmann::ordered_json::parse(out_, nullptr, false);
    if (json.is_discarded() || json["records"].size() != 1) return {"(not one record)"};
    const auto& record = json["records"][0];
    EXPECT_EQ(record["class"], "TDataQueue");
    return record["properties"]["Data_Backup.Strings"].get<Lines>();
  }

  fs::path dir_;
  std::string out_, err_;
};

}  // namespace

TEST_F(DemoHeadless, AMemberRegisterSessionShowsAndSavesWhatTheUserDid) {
  const Lines printed =
      play({"clock:2024-03-15 10:20:30",
            // Two members; letters typed into the numeric age field are dropped.
            "type:MemberName:홍길동", "type:MemberAge:3x5", "click:Add", "type:MemberName:김철수",
            "type:MemberAge:42", "click:Add", "print:Count:제목",
            // The list is sorted: entry 2 is 홍길동, whose row fills the fields.
            "select:Members:2", "print:MemberName:문자열", "print:MemberAge:문자열",
            "print:Joined:제목", "click:Greet",
            // The second window sums 1 to 10.
            "click:OpenSecond", "click:Sum", "print:SumResult:제목", "click:Close",
            // Two seconds of the timer: the clock label and the gauge move.
            "tick:Tick", "tick:Tick", "print:Clock:제목", "print:Progress:현재값",
            // The second tab, and a background colour picked there.
            "page:Info:2", "print:Joined:제목", "select:Colour:3", "print:Main:바탕색",
            "click:Save", "close:Main"},
           {"text:영희", "Ok", "Ok", "Yes"});
  const Lines expected{
      R"({"action":"show","window":"PageA"})",
      R"({"action":"show","window":"Main"})",
      R"({"print":"Count:제목","value":"회원 2명"})",
      R"({"print":"MemberName:문자열","value":"홍길동"})",
      R"({"print":"MemberAge:문자열","value":"35"})",
      R"({"print":"Joined:제목","value":"가입일: 2024-03-15"})",
      R"({"answer":"영희","buttons":["Ok","Cancel"],"caption":"입력창","dialog":"input","text":"이름이 무엇인가요?"})",
      R"({"answer":"Ok","buttons":["Ok"],"caption":"QAV Maker","dialog":"message","text":"안녕하세요, 영희님!"})",
      R"({"action":"show","window":"Second"})",
      R"({"print":"SumResult:제목","value":"1부터 10까지의 합: 55"})",
      R"({"action":"hide","window":"Second"})",
      // The main window is active again while the closing script still runs.
      R"({"dropped":"activate:Main"})",
      R"({"print":"Clock:제목","value":"2024-03-15 10:20:30"})",
      R"({"print":"Progress:현재값","value":"10"})",
      R"({"action":"hide","window":"PageA"})",
      R"({"action":"show","window":"PageB"})",
      R"({"print":"Joined:제목","value":"탭: 설정"})",
      R"({"print":"Main:바탕색","value":"은색"})",
      R"({"answer":"Ok","buttons":["Ok"],"caption":"QAV Maker","dialog":"message","text":"회원 자료를 저장했습니다."})",
      R"({"answer":"Yes","buttons":["Yes","No"],"caption":"Warning","dialog":"warning","text":"정말로 종료하시겠습니까?"})",
      R"({"exit":0})",
  };
  EXPECT_EQ(printed, expected);

  // The data file holds table 1 with both rows in the order they were added (each of 100
  // fields ended by \x01), then eight empty tables.
  const Lines stored = storedLines();
  const Lines rows{row({"홍길동", "35", "2024-03-15"}), row({"김철수", "42", "2024-03-15"})};
  EXPECT_EQ(stored, (Lines{"2", rows[0], rows[1], "0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST_F(DemoHeadless, StoredMembersAreListedAndOneIsDeletedOnTheNextStart) {
  // A data file as a previous run left it: three members, table 2 holding a stray row.
  nlohmann::ordered_json data = {
      {"records",
       {{{"class", "TDataQueue"},
         {"name", "DataBox"},
         {"properties",
          {{"Data_Backup.Strings",
            {"3", row({"박민수", "27", "2024-01-02"}), row({"김철수", "42", "2024-01-03"}),
             row({"이영희", "31", "2024-01-04"}), "1", row({"x"}), "0", "0", "0", "0", "0", "0",
             "0"}},
           {"Left", 8},
           {"Top", 184}}}}}}};
  std::ofstream(dir_ / "data.json") << data.dump();
  ASSERT_EQ(
      qav({"pack", (dir_ / "data.json").string(), "-o", dataFile().string(), "--offset", "0"}), 0)
      << err_;

  const Lines printed =
      play({"print:Count:제목",
            // The start window's script lists the names sorted: 김철수, 박민수, 이영희.
            "select:Members:2", "print:MemberAge:문자열", "click:Delete", "print:Count:제목",
            "print:MemberName:문자열",
            // Answering No keeps the member.
            "select:Members:1", "click:Delete", "print:Count:제목", "menu:N7", "close:Main"},
           {"Yes", "No", "Ok", "Yes"});
  const Lines expected{
      R"({"action":"show","window":"PageA"})",
      R"({"action":"show","window":"Main"})",
      R"({"print":"Count:제목","value":"회원 3명"})",
      R"({"print":"MemberAge:문자열","value":"27"})",
      R"({"answer":"Yes","buttons":["Yes","No"],"caption":"Information","dialog":"information","text":"박민수님을 삭제할까요?"})",
      R"({"print":"Count:제목","value":"회원 2명"})",
      R"({"print":"MemberName:문자열","value":""})",
      R"({"answer":"No","buttons":["Yes","No"],"caption":"Information","dialog":"information","text":"김철수님을 삭제할까요?"})",
      R"({"print":"Count:제목","value":"회원 2명"})",
      R"({"answer":"Ok","buttons":["Ok"],"caption":"QAV Maker","dialog":"message","text":"현재의 데이타를 저장하였습니다."})",
      R"({"answer":"Yes","buttons":["Yes","No"],"caption":"Warning","dialog":"warning","text":"정말로 종료하시겠습니까?"})",
      R"({"exit":0})",
  };
  EXPECT_EQ(printed, expected);
  // Saved through the data menu: the two members left, the other table untouched.
  EXPECT_EQ(storedLines(),
            (Lines{"2", row({"김철수", "42", "2024-01-03"}), row({"이영희", "31", "2024-01-04"}),
                   "1", row({"x"}), "0", "0", "0", "0", "0", "0", "0"}));
}
