// The authors' tools as an author meets them: a new project that packs and plays, the
// readable settings form through pack and dump, and references that match the player.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>
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

// The project `qav new` writes (records: 0 settings, 1 window Main, 2 label Ask, 3 edit Name,
// 4 button Greet), with a table 회원 (이름) declared.
class Checks : public Authoring {
 protected:
  Json fresh() {
    if (!fs::exists(file("base.json"))) {
      EXPECT_EQ(run({"new", file("base.json")}).exitCode, 0);
    }
    Json doc = Json::parse(slurp(file("base.json")));
    doc["records"][0]["properties"]["Data_Backup"]["tables"] =
        Json::parse(R"([{"name": "회원", "fields": ["이름"]}])");
    return doc;
  }
  Result pack(const Json& doc, const std::string& name) {
    spit(file(name + ".json"), doc.dump());
    return run({"pack", file(name + ".json"), "-o", file(name)});
  }
};

TEST_F(Checks, PackRefusesWhatThePlayerWouldNotLoadAndWarnsOfLikelyMistakes) {
  Result clean = pack(fresh(), "clean");
  EXPECT_EQ(clean.exitCode, 0);
  EXPECT_EQ(clean.err, "");
  auto greet = [](Json& d) -> Json& { return d["records"][4]["properties"]; };
  auto script = [&](std::vector<std::string> lines) {
    return [lines](Json& d) { d["records"][4]["properties"]["Ivent2.Strings"] = lines; };
  };
  struct Case {
    std::function<void(Json&)> change;
    int exitCode;
    std::vector<std::string> said;  // parts of the one line expected on standard error
  };
  const Case cases[] = {
      {[&](Json& d) { greet(d)["Captoin"] = "인사"; },
       1,
       {"record 4 (TNewButton Btn01Greet) at /records/4/properties/Captoin: "}},
      {[&](Json& d) { greet(d)["Left"] = "80"; }, 1, {"at /records/4/properties/Left: "}},
      {[](Json& d) { d["records"][2]["class"] = "TNewLable"; },
       1,
       {"at /records/2/class: the player knows no class \"TNewLable\""}},
      {[](Json& d) { std::swap(d["records"][0], d["records"][1]); },
       1,
       {"record 0 (TNewPanel Frm01Main) at /records/0: the project's first record is of class "
        "TNewPanel, not the settings record TMainData"}},
      {[](Json& d) { d["records"][2]["name"] = "Lbl01Name"; },
       1,
       {"record 3 (TNewEdit Edt01Name) at /records/3: \"Name\" is already used by Lbl01Name"}},
      {[](Json& d) { d["records"][4]["name"] = "Btn01Main"; },
       0,
       {"warning: ", "record 4 (TNewButton Btn01Main) at /records/4/name: ",
        "scripts naming \"Main\" reach the main window"}},
      {[](Json& d) { d["records"][2]["name"] = "Lbl01"; },
       1,
       {"record 2 (TNewLabel Lbl01) at /records/2: the name is empty"}},
      {[](Json& d) { d["records"][4]["name"] = "Btn01n4"; },
       1,
       {"\"n4\" is a name the program itself uses"}},
      {[](Json& d) { d["records"][0]["properties"]["Pages_Name.Strings"][0] = "Frm09Gone"; },
       1,
       {"at /records/0/properties/Pages_Name.Strings/0: the start window \"Gone\" has no window"}},
      {script({"메시지 hi"}),
       0,
       {"warning: ", "/records/4/properties/Ivent2.Strings/0: line 1: \"메시지\" is no statement",
        "did you mean \"메세지\"?"}},
      {script({"// 인사하기", "창보이기 Sceond"}),
       0,
       {"Ivent2.Strings/1: line 2: \"창보이기\" names \"Sceond\", but no window or item"}},
      {script({"정의 Nmae:문자열 = 1"}), 0, {"\"Nmae:문자열\" refers to \"Nmae\", but no window"}},
      {[](Json& d) { d["records"][3]["properties"]["ParentName"] = "Frm09Gone"; },
       0,
       {"at /records/3/properties/ParentName: the item is on no window"}},
      {[&](Json& d) { greet(d).erase("VisibleCheck"); },
       0,
       {"/records/4/properties/VisibleCheck: VisibleCheck is missing, so the item starts hidden"}},
      {[&](Json& d) { greet(d).erase("EnabledCheck"); },
       0,
       {"EnabledCheck is missing, so the item starts disabled"}},
      {script({"데이타갯수 회윈"}), 0, {"names table \"회윈\", which the settings do not declare"}},
      {script({"데이타검색 회원 전화 1"}), 0, {"field \"전화\" is not declared in table \"회원\""}},
      {script({"정의 데이타:전화 = 1"}), 0, {"field \"전화\" is declared in no table"}},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(n);
    Json doc = fresh();
    c.change(doc);
    const std::string name = "case" + std::to_string(n++);
    Result r = pack(doc, name);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.err.rfind("qav pack: ", 0), 0u) << r.err;
    for (const std::string& part : c.said) EXPECT_NE(r.err.find(part), std::string::npos) << r.err;
    EXPECT_EQ(fs::exists(file(name)), c.exitCode == 0);
  }
}

TEST_F(Checks, CheckTellsWhetherThePlayerWouldLoadAFile) {
  ASSERT_EQ(pack(fresh(), "app").exitCode, 0);
  Result good = run({"check", file("app")});
  EXPECT_EQ(good.exitCode, 0) << good.err;
  EXPECT_EQ(good.err, "");
  // The last record cut short: the player stops there.
  std::string bytes = slurp(file("app"));
  spit(file("cut"), bytes.substr(0, bytes.size() - 3));
  Result cut = run({"check", file("cut")});
  EXPECT_EQ(cut.exitCode, 1);
  EXPECT_NE(cut.err.find("qav check: " + file("cut").string() + ": record 4 "), std::string::npos)
      << cut.err;

  Json data = {{"records",
                {{{"class", "TDataQueue"},
                  {"name", "DataBox"},
                  {"properties", {{"Data_Backup.Strings", std::vector<std::string>(9, "0")}}}}}}};
  spit(file("data.json"), data.dump());
  ASSERT_EQ(run({"pack", file("data.json"), "-o", file("app.dat"), "--offset", "0"}).exitCode, 0);
  EXPECT_EQ(run({"check", "--offset", "0", file("app.dat")}).exitCode, 0);
  spit(file("bad.dat"), "TPF0\x0aTDataQueue");
  Result bad = run({"check", "--offset", "0", file("bad.dat")});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.err.find("record 0"), std::string::npos) << bad.err;
}

TEST_F(Checks, TraceShowsEachLineThatRunsAmongWhatTheProgramShows) {
  Json doc = fresh();
  doc["records"][4]["properties"]["Ivent2.Strings"] = {"선언 a", "비교 :a = x 이면",
                                                       "메세지 건너뜀", "비교끝", "메세지 끝"};
  ASSERT_EQ(pack(doc, "app").exitCode, 0);
  Result r = run({"run", "--headless", "--trace", "--event", "click:Greet", file("app")});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  auto trace = [](int line, const char* text) {
    return Json{{"line", line}, {"text", text}, {"trace", "Greet"}};  // printed in this order
  };
  const std::vector<Json> lines = jsonLines(r.out);
  ASSERT_EQ(lines.size(), 7u) << r.out;
  EXPECT_EQ(lines[1], trace(1, "선언 a"));
  EXPECT_EQ(lines[2], trace(2, "비교 :a = x 이면"));
  EXPECT_EQ(lines[3], trace(4, "비교끝"));
  EXPECT_EQ(lines[4], trace(5, "메세지 끝"));
  EXPECT_EQ(lines[5]["text"], "끝");
}

// The example written with the authors' guide alone: it packs without a warning, keeps a
// running total in a second table, and finds its rows again on the next start.
TEST_F(Authoring, TheLedgerExamplePacksCleanlyAndKeepsItsTotal) {
  Result packed =
      run({"pack", std::string(QAV_SOURCE_DIR) + "/examples/ledger.json", "-o", file("ledger")});
  ASSERT_EQ(packed.exitCode, 0) << packed.err;
  EXPECT_EQ(packed.err, "");
  auto play = [&](std::vector<std::string> events) {
    std::vector<std::string> args = {"run", "--headless"};
    for (const std::string& e : events) args.insert(args.end(), {"--event", e});
    args.insert(args.end(), {"--answer", "Yes", file("ledger")});
    Result r = run(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::vector<Json> printed;
    for (const Json& line : jsonLines(r.out))
      if (line.contains("print")) printed.push_back(line["value"]);
    return printed;
  };
  EXPECT_EQ(play({"clock:2024-05-01 12:00:00", "type:What:점심", "type:Amount:8000", "click:Add",
                  "type:What:책", "type:Amount:12000", "click:Add", "select:Entries:1",
                  "print:Detail:제목", "print:Total:제목"}),
            (std::vector<Json>{"2024-05-01 8000원", "합계: 20000원"}));
  // The next start lists the saved rows; deleting one takes its amount off the total.
  EXPECT_EQ(play({"print:Total:제목", "select:Entries:2", "click:Delete", "print:Total:제목"}),
            (std::vector<Json>{"합계: 20000원", "합계: 8000원"}));
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
