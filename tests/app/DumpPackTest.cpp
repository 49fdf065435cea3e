// `qav dump` and `qav pack` driven as processes, as a user runs them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "app/ToolFixture.h"

namespace {

using namespace qavtest;
using DumpPack = ToolTest;

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
                  "DataFile": "Data.dat", "Data_Backup": {}}},
  {"class": "TNewPanel", "name": "Frm01Main",
   "properties": {"Left": 100, "Top": {"int16": 80}, "Title": "주소록",
                  "Color": {"ident": "clBtnFace"}, "Font.Style": {"set": ["fsBold"]}}},
  {"class": "TNewLabel", "name": "Lbl01Label1",
   "properties": {"Left": 10, "Caption": "안녕", "ParentName": "Frm01Main",
                  "VisibleCheck": true, "EnabledCheck": true,
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
  // pack --raw writes what the player would refuse, for trying the tools on it.
  expectOneLineError(run({"pack", file("title.json"), "-o", file("title"), "--offset", "0"}),
                     "at /records/0/class: the player knows no class \"TTitle\"");
  ASSERT_EQ(
      run({"pack", "--raw", file("title.json"), "-o", file("title"), "--offset", "0"}).exitCode, 0);
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
  EXPECT_NE(help.out.find("qav dump [--offset N] [--raw] [--readable] FILE"), std::string::npos);
  EXPECT_NE(help.out.find("qav pack PROJECT.json -o OUT [--player FILE] [--offset N] [--raw]"),
            std::string::npos);
}

TEST_F(DumpPack, CommandLineMistakesNameTheProblemAndTheUsage) {
  struct Case {
    std::vector<std::string> args;
    std::string problem;
  };
  const Case cases[] = {
      {{"doc", "x"}, "qav doc: unknown argument x"},
      {{"doc", "--schema", "-o"}, "qav doc: -o needs a file name"},
      {{"dump"}, "qav dump: no FILE given"},
      {{"dump", "--raw", "--bogus", "f"}, "qav dump: unknown option --bogus"},
      {{"dump", "a", "--readable", "b"}, "qav dump: more than one FILE"},
      {{"dump", "f", "--offset"}, "qav dump: --offset needs a byte count of at most"},
      {{"pack", "-o", "out"}, "qav pack: no PROJECT.json given"},
      {{"pack", "p.json", "--raw"}, "qav pack: no output file given (-o OUT)"},
      {{"pack", "p.json", "-o"}, "qav pack: -o needs a file name"},
      {{"pack", "p.json", "-o", "out", "--player"}, "qav pack: --player needs a file name"},
      {{"pack", "a.json", "-o", "--raw", "b.json"}, "qav pack: more than one PROJECT.json"},
      {{"new"}, "qav new: no FILE.json given"},
      {{"new", "a.json", "--title"}, "qav new: --title needs a text"},
      {{"new", "a.json", "--title", "T", "-"}, "qav new: more than one FILE.json"},
      {{"check", "--offset", "5", "f"}, "qav check: --offset takes 0 (a data file)"},
      {{"check", "-x"}, "qav check: unknown option -x"},
  };
  for (const Case& c : cases) {
    const Result r = run(c.args);
    EXPECT_EQ(r.exitCode, 2) << c.problem;
    EXPECT_EQ(r.err.rfind(c.problem, 0), 0u) << r.err;
    EXPECT_NE(r.err.find("\nusage: qav " + c.args[0]), std::string::npos) << r.err;
  }
}

TEST_F(DumpPack, HostileInputGivesBoundedEscapedMessages) {
  // A class name carrying terminal escapes is quoted with them written out.
  spit(file("escape.dat"),
       "TPF0" + std::string("\x09\x1B]0;pwn\x07X") + std::string("\x01Y\0\0", 4));
  Result r = run({"dump", "--offset", "0", file("escape.dat")});
  expectOneLineError(r, "unknown class \\x1B]0;pwn\\x07X");
  EXPECT_EQ(r.err.find('\x1B'), std::string::npos);
  // JSON nested far deeper than any record, and offsets no player file can have.
  spit(file("deep.json"), R"({"records": [{"class": "TNewLabel", "name": "Lbl01A",
    "properties": {"Left": {"int8": )" +
                              std::string(100000, '[') + std::string(100000, ']') + "}}}]}");
  expectOneLineError(run({"pack", file("deep.json"), "-o", file("out"), "--offset", "0"}),
                     "nesting deeper");
  spit(file("ok.json"), kProject);
  spit(file("player"), "player");
  for (const char* tool : {"pack", "dump"}) {
    std::vector<std::string> args = {tool, file("ok.json"), "--offset", "99999999999999"};
    if (std::string(tool) == "pack")
      args.insert(args.end(), {"-o", file("out"), "--player", file("player")});
    Result big = run(args);
    EXPECT_EQ(big.exitCode, 2) << tool << big.err;
    EXPECT_NE(big.err.find("at most"), std::string::npos) << big.err;
  }
  EXPECT_FALSE(fs::exists(file("out")));
}

}  // namespace
