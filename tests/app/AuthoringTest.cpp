// The authors' tools as an author meets them: a new project that packs and plays, the
// readable settings form through pack and dump, and references that match the player.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "app/ToolFixture.h"

namespace {

using namespace qavtest;
using Json = nlohmann::ordered_json;
using Authoring = ToolTest;

std::vector<Json> jsonLines(const std::string& text) {
  std::vector<Json> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(Json::parse(line));
  return lines;
}

TEST_F(Authoring, ANewProjectPacksAndPlays) {
  Result made = run({"new", file("hello.json"), "--title", "인사"});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  EXPECT_NE(made.out.find("qav pack"), std::string::npos) << made.out;
  std::vector<std::string> pack{"pack", file("hello.json"), "-o", file("hello")};
  for (const std::string& a : defaultPlayer()) pack.push_back(a);
  Result packed = run(pack);
  ASSERT_EQ(packed.exitCode, 0) << packed.err;

  Result played = run({"run", "--headless", "--event", "type:Name:길동", "--event", "click:Greet",
                       "--event", "print:Greet:제목", "--event", "close:Main", "--answer", "Ok",
                       "--answer", "Yes", file("hello")});
  EXPECT_EQ(played.exitCode, 0) << played.err;
  const std::vector<Json> lines = jsonLines(played.out);
  ASSERT_EQ(lines.size(), 5u) << played.out;
  EXPECT_EQ(lines[0], Json::parse(R"({"action": "show", "window": "Main"})"));
  EXPECT_EQ(lines[1]["text"], "안녕하세요, 길동님!");
  EXPECT_EQ(lines[2], Json::parse(R"({"print": "Greet:제목", "value": "인사"})"));
  EXPECT_EQ(lines[3]["text"], "정말로 종료하시겠습니까?");
  EXPECT_EQ(lines[4], Json::parse(R"({"exit": 0})"));

  // Without --title the file's name is the title; an existing file is never overwritten.
  ASSERT_EQ(run({"new", file("회원.json")}).exitCode, 0);
  Json member = Json::parse(slurp(file("회원.json")));
  EXPECT_EQ(member["records"][0]["properties"]["ProgramName"], "회원");
  EXPECT_EQ(member["records"][0]["properties"]["DataFile"], "회원.dat");
  EXPECT_EQ(member["records"][1]["properties"]["Title"], "회원");
  const std::string before = slurp(file("hello.json"));
  Result again = run({"new", file("hello.json")});
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_NE(again.err.find("does not overwrite"), std::string::npos) << again.err;
  EXPECT_EQ(slurp(file("hello.json")), before);
}

TEST_F(Authoring, TheReadableSettingsFormRoundTripsEveryFile) {
  spit(file("player"), "player");
  // The demo's lines are canonical: they come back readable, and pack to the same bytes.
  ASSERT_EQ(run({"pack", std::string(QAV_SOURCE_DIR) + "/examples/demo.json", "-o", file("demo"),
                 "--player", file("player")})
                .exitCode,
            0);
  Result dumped = run({"dump", "--readable", file("demo")});
  ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
  Json doc = Json::parse(dumped.out);
  const Json& settings = doc["records"][0]["properties"];
  EXPECT_FALSE(settings.contains("Data_Backup.Strings"));
  EXPECT_EQ(settings["Data_Backup"]["tables"],
            Json::parse(R"([{"name": "회원", "fields": ["이름", "나이", "가입일"]}])"));
  spit(file("demo.json"), dumped.out);
  ASSERT_EQ(
      run({"pack", file("demo.json"), "-o", file("demo2"), "--player", file("player")}).exitCode,
      0);
  EXPECT_EQ(slurp(file("demo2")), slurp(file("demo")));

  // Lines that the readable form would not give back (empty option lines) stay lines.
  Json raw = Json::parse(R"({"records": [{"class": "TMainData", "name": "Main0Settings",
    "properties": {"Pages_Name.Strings": ["Frm01Main"]}}]})");
  raw["records"][0]["properties"]["Data_Backup.Strings"] = std::vector<std::string>(1159);
  spit(file("raw.json"), raw.dump());
  ASSERT_EQ(run({"pack", file("raw.json"), "-o", file("raw"), "--offset", "0"}).exitCode, 0);
  Result kept = run({"dump", "--readable", "--offset", "0", file("raw")});
  ASSERT_EQ(kept.exitCode, 0) << kept.err;
  EXPECT_EQ(Json::parse(kept.out)["records"][0]["properties"]["Data_Backup.Strings"].size(), 1159u);
  spit(file("raw2.json"), kept.out);
  ASSERT_EQ(run({"pack", file("raw2.json"), "-o", file("raw2"), "--offset", "0"}).exitCode, 0);
  EXPECT_EQ(slurp(file("raw2")), slurp(file("raw")));

  // A mistake in the readable form is refused before anything is written, naming the record.
  spit(file("bad.json"), R"({"records": [{"class": "TMainData", "name": "Main0Settings",
    "properties": {"Data_Backup": {"options": {"101": true}}}}]})");
  Result bad = run({"pack", file("bad.json"), "-o", file("bad"), "--offset", "0"});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.err.find(R"(record 1 ("Main0Settings"), property "Data_Backup/options/101")"),
            std::string::npos)
      << bad.err;
  EXPECT_FALSE(fs::exists(file("bad")));
}

TEST_F(Authoring, TheCommittedReferencesAreWhatQavDocWrites) {
  const std::pair<std::vector<std::string>, const char*> docs[] = {
      {{"doc"}, "docs/reference.md"}, {{"doc", "--schema"}, "docs/project.schema.json"}};
  for (const auto& [args, path] : docs) {
    Result r = run(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::string command = "build/qav";
    for (const std::string& a : args) command += " " + a;
    EXPECT_TRUE(r.out == slurp(std::string(QAV_SOURCE_DIR) + "/" + path))
        << path << " is not what qav doc writes; run: " << command << " -o " << path;
  }
  Result help = run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* part :
       {"qav new FILE.json [--title T]", "qav doc [--schema] [-o FILE]", "\"Data_Backup\": {"})
    EXPECT_NE(help.out.find(part), std::string::npos) << part;
}

}  // namespace
