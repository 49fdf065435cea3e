// The readable form of the settings' tables: what it expands to is what the loader reads, it
// stands only for lines it gives back exactly, and its mistakes are named.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "stores/MainData.h"
#include "stores/SettingsForm.h"
#include "stream/RecordJson.h"
#include "support/RecordHelpers.h"

namespace qav {
namespace {

using Json = nlohmann::ordered_json;

const Json kReadable = Json::parse(R"({
  "options": {"1": true, "5": true, "100": false},
  "registers": {"3": "세번째", "100": "last"},
  "system": {"50": " 빈칸도 그대로 "},
  "tables": [{"name": "회원", "fields": ["이름", "", "전화"]},
             null,
             {"name": "열글자짜리테이블이름", "fields": ["abcdefghijklmnopqrst"]}]})");

MainData loaded(const std::vector<std::string>& lines) {
  return MainData::fromRecord(
      testing::makeRecord("TMainData", "Main0Settings",
                          {testing::prop("Data_Backup.Strings", Value::makeLines(lines))}));
}

TEST(SettingsForm, TheLinesAreWhatTheLoaderReadsAsTheFormSays) {
  const std::vector<std::string> lines = settingsLines(kReadable);
  ASSERT_EQ(lines.size(), 1159u);
  EXPECT_EQ(lines[0], "Y");
  EXPECT_EQ(lines[1], "N");
  MainData m = loaded(lines);
  for (int n = 1; n <= 100; ++n) EXPECT_EQ(m.option(n), n == 1 || n == 5) << n;
  EXPECT_EQ(m.registerValue(3), "세번째");
  EXPECT_EQ(m.registerValue(100), "last");
  EXPECT_EQ(m.registerValue(1), "");
  EXPECT_EQ(m.systemValue(50), " 빈칸도 그대로 ");
  EXPECT_EQ(m.schemaEntry(1, 0), "회원");
  EXPECT_EQ(m.schemaEntry(1, 1), "이름");
  EXPECT_EQ(m.schemaEntry(1, 2), "");
  EXPECT_EQ(m.schemaEntry(1, 3), "전화");
  EXPECT_EQ(m.schemaEntry(2, 0), "");
  EXPECT_EQ(m.schemaEntry(3, 0), "열글자짜리테이블이름");
  EXPECT_EQ(m.schemaEntry(3, 1), "abcdefghijklmnopqrst");
  EXPECT_EQ(m.schemaEntry(9, 100), "");

  // Read back, the lines give the same form, without what only restated the defaults.
  auto back = readableSettings(lines);
  ASSERT_TRUE(back);
  EXPECT_EQ((*back)["options"], Json::parse(R"({"1": true, "5": true})"));
  EXPECT_EQ((*back)["registers"], kReadable["registers"]);
  EXPECT_EQ((*back)["tables"], kReadable["tables"]);
  EXPECT_EQ(settingsLines(*back), lines);
  EXPECT_EQ(readableSettings(settingsLines(Json::object())),
            Json::parse(R"({"options": {}, "registers": {}, "system": {}, "tables": []})"));
}

TEST(SettingsForm, LinesThatTheFormWouldNotWriteBackHaveNone) {
  const std::vector<std::string> canonical = settingsLines(kReadable);
  struct Case {
    const char* what;
    std::size_t line;
    std::string text;
  };
  const Case cases[] = {
      {"an option line other than Y or N", 3, ""},
      {"an option line in small letters", 4, "y"},
      {"a table name the loader cuts", 250, "스물한바이트가넘는테이블x"},
      {"a field name with a blank the loader removes", 251, " 이름"},
      {"a field name the loader cuts", 252, "123456789012345678901234"},
  };
  for (const Case& c : cases) {
    auto lines = canonical;
    lines[c.line] = c.text;
    EXPECT_FALSE(readableSettings(lines)) << c.what;
  }
  auto shorter = canonical;
  shorter.pop_back();
  EXPECT_FALSE(readableSettings(shorter));
  auto longer = canonical;
  longer.push_back("");
  EXPECT_FALSE(readableSettings(longer));
}

TEST(SettingsForm, MistakesInTheFormAreNamed) {
  const std::pair<const char*, const char*> cases[] = {
      {R"({"optoins": {}})", R"("Data_Backup/optoins": is not one of)"},
      {R"({"options": {"101": true}})",
       R"("Data_Backup/options/101": is not a number from 1 to 100)"},
      {R"({"options": {"05": true}})", R"("Data_Backup/options/05": is not a number)"},
      {R"({"options": {"5": "Y"}})", R"("Data_Backup/options/5": must be true or false)"},
      {R"({"options": {"5": true, "5": false}})", R"("Data_Backup/options/5": is given twice)"},
      {R"({"system": {"51": "x"}})", R"("Data_Backup/system/51": is not a number from 1 to 50)"},
      {R"({"registers": {"1": 7}})", R"("Data_Backup/registers/1": must be a string)"},
      {R"({"registers": {"1": "😀"}})", "has a character without a code page 949 form"},
      {R"({"tables": [null, null, null, null, null, null, null, null, null, null]})",
       "has 10 tables; there are 9 at most"},
      {R"({"tables": [{"name": "아주아주긴테이블이름입니다"}]})",
       R"("Data_Backup/tables/1/name": "아주아주긴테이블이름입니다" has 26 bytes)"},
      {R"({"tables": [{"name": "회원", "fields": ["이름 "]}]})",
       R"("Data_Backup/tables/1/fields/1": "이름 " begins or ends with a blank)"},
      {R"({"tables": [{"name": "회원", "feilds": []}]})", R"("Data_Backup/tables/1/feilds")"},
      {R"({"tables": {"name": "회원"}})", R"("Data_Backup/tables": must be an array)"},
      {R"([])", R"(property "Data_Backup": must be an object)"},
  };
  for (const auto& [form, expected] : cases) {
    try {
      settingsLines(jsonFromText(form));
      ADD_FAILURE() << form << " was taken";
    } catch (const RecordJsonError& e) {
      EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
    }
  }
  std::string fields = R"({"tables": [{"fields": [)";
  for (int i = 0; i < 101; ++i) fields += i ? ",\"f\"" : "\"f\"";
  EXPECT_THROW(settingsLines(jsonFromText(fields + "]}]}")), RecordJsonError);
}

TEST(SettingsForm, ADocumentChangesFormInPlaceAndBack) {
  Json doc = jsonFromText(R"({"records": [
    {"class": "TMainData", "name": "Main0Settings", "properties": {
      "Pages_Name.Strings": ["Frm01Main"], "Data_Backup": {"options": {"2": true}},
      "DataFile": "a.dat"}},
    {"class": "TNewLabel", "name": "Lbl01A", "properties": {"Data_Backup": 1}}]})");
  expandReadableSettings(doc);
  const Json& props = doc["records"][0]["properties"];
  std::vector<std::string> keys;
  for (const auto& [key, value] : props.items()) keys.push_back(key);
  EXPECT_EQ(keys,
            (std::vector<std::string>{"Pages_Name.Strings", "Data_Backup.Strings", "DataFile"}));
  EXPECT_EQ(props["Data_Backup.Strings"].size(), 1159u);
  EXPECT_EQ(props["Data_Backup.Strings"][1], "Y");
  // Another class's property of that name is the record reader's to judge.
  EXPECT_EQ(doc["records"][1]["properties"]["Data_Backup"], 1);

  condenseSettings(doc);
  EXPECT_EQ(doc["records"][0]["properties"].begin().key(), "Pages_Name.Strings");
  EXPECT_EQ(doc["records"][0]["properties"]["Data_Backup"]["options"],
            Json::parse(R"({"2": true})"));

  // A line kept with a chosen tag keeps the lines.
  Json raw =
      jsonFromText(R"({"records": [{"class": "TMainData", "name": "M", "properties": {}}]})");
  Json lines = Json(settingsLines(Json::object()));
  lines[0] = Json{{"long", "N"}};
  raw["records"][0]["properties"]["Data_Backup.Strings"] = lines;
  Json before = raw;
  condenseSettings(raw);
  EXPECT_EQ(raw, before);

  // Both forms at once, or the readable form twice, are refused with the record named.
  for (const char* props : {R"("Data_Backup": {}, "Data_Backup.Strings": [])",
                            R"("Data_Backup": {}, "Data_Backup": {})"}) {
    Json both = jsonFromText(std::string(R"({"records": [{"class": "TMainData", "name": "Main0S",
      "properties": {)") + props +
                             "}}]}");
    try {
      expandReadableSettings(both);
      ADD_FAILURE() << props;
    } catch (const RecordJsonError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("record 1 (\"Main0S\"), ", 0), 0u) << e.what();
    }
  }
}

}  // namespace
}  // namespace qav
