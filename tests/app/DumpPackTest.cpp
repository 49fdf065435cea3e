// `qav dump` and `qav pack` driven as processes, as a user runs them.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kQav = std::string(QAV_BINARY_DIR) + "/qav";

struct Result {
  int exitCode = -1;
  std::string out, err;
};

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void spit(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

class DumpPack : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "qav-tool-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path file(const std::string& name) const { return dir_ / name; }

  // Runs the program with the arguments; standard output and error go to files.
  Result run(std::vector<std::string> args, const std::string& program = kQav) {
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    fs::path out = file("stdout"), err = file("stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid;
    Result r;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
      int status = 0;
      ::waitpid(pid, &status, 0);
      r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    r.out = slurp(out);
    r.err = slurp(err);
    return r;
  }

  fs::path dir_;
};

// One line on standard error, naming what is wrong.
void expectOneLineError(const Result& r, const std::string& part) {
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(part), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_TRUE(r.out.empty()) << r.out;
}

const std::string kProject = R"({"records": [
  {"class": "TMainData", "name": "MainData",
   "properties": {"Pages_Name.Strings": ["Frm01Main"], "ProgramName": "주소록",
                  "DataFile": "Data.dat"}},
  {"class": "TNewPanel", "name": "Frm01Main",
   "properties": {"Left": 100, "Top": {"int16": 80}, "Title": "주소록",
                  "Color": {"ident": "clBtnFace"}, "Font.Style": {"set": ["fsBold"]}}},
  {"class": "TNewLabel", "name": "Lbl01Label1",
   "properties": {"Left": 10, "Caption": "안녕", "ParentName": "Frm01Main",
                  "Ivent2.Strings": ["메세지 안녕"]}}]})";

TEST_F(DumpPack, AProgramFileRoundTripsByteForByte) {
  spit(file("project.json"), kProject);
  std::string player =
      "\x7F"
      "ELF fake player";
  spit(file("player"), player);
  Result packed =
      run({"pack", file("project.json"), "-o", file("app"), "--player", file("player")});
  ASSERT_EQ(packed.exitCode, 0) << packed.err;
  std::string app = slurp(file("app"));
  ASSERT_GT(app.size(), 1000000u);
  EXPECT_EQ(app.substr(0, player.size()), player);
  EXPECT_EQ(app.substr(player.size(), 1000000 - player.size()),
            std::string(1000000 - player.size(), '\0'));
  EXPECT_EQ(app.substr(1000000, 4), "TPF0");
  EXPECT_EQ(fs::status(file("app")).permissions() & fs::perms::all,
            fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                fs::perms::others_read | fs::perms::others_exec);

  Result dumped = run({"dump", file("app")});
  ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
  auto json = nlohmann::ordered_json::parse(dumped.out);
  EXPECT_EQ(json["records"].size(), 3u);
  EXPECT_EQ(json["records"][2]["properties"]["Caption"], "안녕");
  EXPECT_EQ(json["records"][1]["properties"]["Left"], 100);
  EXPECT_EQ(json["records"][1]["properties"]["Top"], nlohmann::ordered_json({{"int16", 80}}));
  spit(file("p.json"), dumped.out);
  ASSERT_EQ(run({"pack", file("p.json"), "-o", file("app2"), "--player", file("player")}).exitCode,
            0);
  EXPECT_EQ(slurp(file("app2")), app);
}

TEST_F(DumpPack, ADataFileRoundTripsAtOffsetZero) {
  spit(file("data.json"), R"({"records": [{"class": "TDataQueue", "name": "DataBox",
    "properties": {"Data_Backup.Strings": ["1", "홍길동\u0001서울\u0001", "0", "0", "0", "0",
                   "0", "0", "0", "0"], "Left": 8, "Top": 184}}]})");
  ASSERT_EQ(run({"pack", file("data.json"), "-o", file("Data.dat"), "--offset", "0"}).exitCode, 0);
  std::string data = slurp(file("Data.dat"));
  EXPECT_EQ(data.substr(0, 15), "TPF0\x0ATDataQueue");
  EXPECT_EQ((fs::status(file("Data.dat")).permissions() & fs::perms::owner_exec), fs::perms::none);
  Result dumped = run({"dump", "--offset", "0", file("Data.dat")});
  ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
  spit(file("d.json"), dumped.out);
  ASSERT_EQ(run({"pack", file("d.json"), "-o", file("Data2.dat"), "--offset", "0"}).exitCode, 0);
  EXPECT_EQ(slurp(file("Data2.dat")), data);
}

TEST_F(DumpPack, TheOffsetBoundaryIsExact) {
  spit(file("short"), std::string(999999, '\0'));
  expectOneLineError(run({"dump", file("short")}), "999999 bytes, fewer than the offset 1000000");
  spit(file("empty-payload"), std::string(1000000, '\0'));
  Result r = run({"dump", file("empty-payload")});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "{\n  \"records\": []\n}\n");
  // A player of exactly the offset fits; one byte more does not.
  spit(file("project.json"), kProject);
  spit(file("full"), std::string(1000000, 'p'));
  EXPECT_EQ(run({"pack", file("project.json"), "-o", file("a"), "--player", file("full")}).exitCode,
            0);
  EXPECT_EQ(slurp(file("a")).substr(999999, 5), "pTPF0");
  spit(file("big"), std::string(1000001, 'p'));
  expectOneLineError(run({"pack", file("project.json"), "-o", file("b"), "--player", file("big")}),
                     "1000001 bytes, more than the offset 1000000");
  EXPECT_FALSE(fs::exists(file("b")));
}

TEST_F(DumpPack, UnregisteredOrBrokenRecordsAreRefusedUnlessRaw) {
  spit(file("title.json"), R"({"records": [{"class": "TTitle", "name": "Title",
    "properties": {"Left": 239, "Top": 138, "BorderStyle": {"ident": "bsNone"}}}]})");
  ASSERT_EQ(run({"pack", file("title.json"), "-o", file("title"), "--offset", "0"}).exitCode, 0);
  expectOneLineError(run({"dump", "--offset", "0", file("title")}), "TTitle");
  Result raw = run({"dump", "--raw", "--offset", "0", file("title")});
  EXPECT_EQ(raw.exitCode, 0) << raw.err;
  auto json = nlohmann::ordered_json::parse(raw.out);
  EXPECT_EQ(json["records"][0]["class"], "TTitle");
  EXPECT_EQ(json["records"][0]["properties"]["BorderStyle"]["ident"], "bsNone");

  // A cut record is refused even raw, with its offset in the file.
  std::string bytes = slurp(file("title"));
  spit(file("cut"), std::string(1000000, '\0') + bytes.substr(0, bytes.size() - 1));
  expectOneLineError(run({"dump", "--raw", file("cut")}),
                     "at byte offset " + std::to_string(1000000 + bytes.size() - 1));
}

TEST_F(DumpPack, MistakesGiveClearMessagesAndExitCodes) {
  spit(file("bad.json"), R"({"records": [{"class": "TNewLabel", "name": "Lbl01A",
    "properties": {"Caption": "😀"}}]})");
  spit(file("player"), "player");
  expectOneLineError(run({"pack", file("bad.json"), "-o", file("out"), "--player", file("player")}),
                     "record 1 (\"Lbl01A\"), property \"Caption\"");
  EXPECT_FALSE(fs::exists(file("out")));
  spit(file("broken.json"), "{\"records\": [");
  expectOneLineError(run({"pack", file("broken.json"), "-o", file("out"), "--offset", "0"}),
                     "invalid JSON");
  expectOneLineError(run({"dump", file("missing")}), "cannot open");

  // Without --player, the player beside the program is used; a copy of the tool standing
  // alone has none.
  fs::copy_file(kQav, file("qav"));
  fs::permissions(file("qav"), fs::perms::owner_all);
  spit(file("ok.json"), kProject);
  expectOneLineError(run({"pack", file("ok.json"), "-o", file("out")}, file("qav")),
                     "--player FILE");

  EXPECT_EQ(run({"dump"}).exitCode, 2);
  EXPECT_EQ(run({"dump", "--offset", "x", file("ok.json")}).exitCode, 2);
  EXPECT_EQ(run({"pack", file("ok.json")}).exitCode, 2);
  EXPECT_EQ(
      run({"pack", file("ok.json"), "-o", file("o"), "--offset", "0", "--player", "p"}).exitCode,
      2);
  Result help = run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("qav dump [--offset N] [--raw] FILE"), std::string::npos);
  EXPECT_NE(help.out.find("qav pack PROJECT.json -o OUT [--player FILE] [--offset N]"),
            std::string::npos);
}

}  // namespace
