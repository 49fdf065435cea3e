#include "stream/RecordJson.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "stream/RecordReader.h"
#include "stream/RecordWriter.h"
#include "stream/StreamFormat.h"

namespace qav {
namespace {

using Json = nlohmann::ordered_json;

std::vector<Record> readAll(const std::string& bytes) {
  std::vector<Record> out;
  RecordReader reader(bytes);
  while (!reader.atEnd()) out.push_back(reader.read());
  return out;
}

// bytes -> JSON text -> records -> bytes.
std::string throughJson(const std::string& bytes) {
  return writeRecords(recordsFromJsonText(recordsToJsonText(readAll(bytes))));
}

std::string jsonError(const std::string& text) {
  try {
    writeRecords(recordsFromJsonText(text));
  } catch (const std::exception& e) {
    return e.what();
  }
  return "accepted";
}

TEST(RecordJson, TheDocumentedFormReadsAsRecordsAndComesBack) {
  const std::string text = R"({"records": [{"class": "TNewLabel", "name": "Lbl01Label1",
    "properties": {"Left": 10, "Caption": "안녕", "Ivent2.Strings": ["메세지 안녕"],
                   "Color": {"ident": "clBtnFace"}, "Font.Style": {"set": ["fsBold"]}}}]})";
  std::vector<Record> records = recordsFromJsonText(text);
  ASSERT_EQ(records.size(), 1u);
  const Record& r = records[0];
  EXPECT_EQ(r.className, "TNewLabel");
  EXPECT_EQ(r.name, "Lbl01Label1");
  ASSERT_EQ(r.properties.size(), 5u);
  EXPECT_EQ(r.properties[0].name, "Left");
  EXPECT_EQ(r.properties[4].name, "Font.Style");  // stream order is the JSON order
  EXPECT_EQ(r.find("Left")->tag, Tag::Int8);
  EXPECT_EQ(r.find("Caption")->tag, Tag::String);
  EXPECT_EQ(r.find("Ivent2.Strings")->list.at(0).text, "메세지 안녕");
  EXPECT_EQ(r.find("Color")->tag, Tag::Ident);
  EXPECT_EQ(r.find("Font.Style")->set, std::vector<std::string>{"fsBold"});
  EXPECT_EQ(recordsToJson(records), Json::parse(text));
  EXPECT_EQ(readAll(writeRecords(records)).at(0).find("Caption")->text, "안녕");
}

TEST(RecordJson, TagsThatAreNotTheDefaultChoiceAreSpelledOut) {
  Record r;
  r.className = "TX";
  r.name = "X";
  Value v = Value::makeInteger(5);
  v.tag = Tag::Int16;
  r.set("Small16", v);
  r.set("Big", Value::makeInteger(300));
  v.tag = Tag::Int32;
  v.integer = -2;
  r.set("Small32", v);
  Value longText = Value::makeText("짧은");
  longText.tag = Tag::LString;
  r.set("LongShort", longText);
  r.set("LongLong", Value::makeText(std::string(256, 'z')));
  r.set("Date", Value::makeExtended(45000.25));
  Json j = recordToJson(r)["properties"];
  EXPECT_EQ(j["Small16"], Json::parse(R"({"int16": 5})"));
  EXPECT_EQ(j["Big"], 300);
  EXPECT_EQ(j["Small32"], Json::parse(R"({"int32": -2})"));
  EXPECT_EQ(j["LongShort"], Json::parse(R"({"long": "짧은"})"));
  EXPECT_EQ(j["LongLong"], std::string(256, 'z'));
  EXPECT_EQ(j["Date"], Json::parse(R"({"extended": 45000.25})"));  // no raw bytes needed

  std::string bytes = writeRecords({r});
  EXPECT_EQ(throughJson(bytes), bytes);
  EXPECT_EQ(writeRecords({recordFromJson(recordToJson(r))}), bytes);
}

TEST(RecordJson, EveryKindOfValueSurvivesTheRoundTrip) {
  const std::string text = R"({"records": [
    {"class": "TNewPanel", "name": "Frm01Main", "flags": 2, "position": {"int16": 3},
     "properties": {
       "Left": -129, "Tag": {"int8": -1}, "Caption": "창", "Hint": {"long": "a"},
       "Visible": true, "Enabled": false, "Cursor": {"ident": "crHandPoint"},
       "Lines.Strings": ["", "둘", ["nested", 1, {"nil": true}]],
       "Font.Style": {"set": []}, "Picture.Data": {"binary": "AAEC/w=="},
       "Date": {"extended": 0.1, "raw": "CDCCCCCCCCCCCCCCFB3F"},
       "Inf": {"extended": null, "raw": "0000000000000080FF7F"},
       "Columns": {"collection": [{"index": {"int16": 1}, "properties": {"Width": 64}},
                                  {"properties": {}}, {"index": 2}]},
       "Left": 11},
     "children": [{"class": "TMenuItem", "name": "", "properties": {"Caption": "파일"}}]},
    {"class": "TDataQueue", "name": "DataBox", "properties": {}}]})";
  std::string bytes = writeRecords(recordsFromJsonText(text));
  std::vector<Record> records = readAll(bytes);
  ASSERT_EQ(records.size(), 2u);
  const Record& r = records[0];
  EXPECT_EQ(r.flags, 2);
  EXPECT_EQ(r.position->tag, Tag::Int16);
  EXPECT_EQ(r.find("Tag")->integer, -1);
  EXPECT_EQ(r.find("Hint")->tag, Tag::LString);
  EXPECT_EQ(r.find("Picture.Data")->text, std::string("\0\1\2\xFF", 4));
  EXPECT_EQ(r.find("Lines.Strings")->list[2].list[2].tag, Tag::Nil);
  const std::array<uint8_t, 10> tenth{0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F};
  EXPECT_EQ(r.find("Date")->raw, tenth);
  EXPECT_DOUBLE_EQ(r.find("Date")->extended, 0.1);
  EXPECT_TRUE(std::isinf(r.find("Inf")->extended));
  EXPECT_EQ(r.find("Columns")->items.size(), 3u);
  EXPECT_EQ(r.find("Columns")->items[0].index->tag, Tag::Int16);
  // A repeated property name stays repeated, in its place.
  ASSERT_EQ(r.properties.size(), 14u);
  EXPECT_EQ(r.properties[0].value.integer, -129);
  EXPECT_EQ(r.properties[13].value.integer, 11);
  EXPECT_EQ(r.children.at(0).find("Caption")->text, "파일");

  EXPECT_EQ(throughJson(bytes), bytes);
  // The dumped text itself is stable.
  std::string dumped = recordsToJsonText(records);
  EXPECT_EQ(recordsToJsonText(recordsFromJsonText(dumped)), dumped);
  EXPECT_NE(dumped.find("\"raw\": \"CDCCCCCCCCCCCCCCFB3F\""), std::string::npos);
}

TEST(RecordJson, BytesThatAreNotCp949SurviveAsPrivateCodePoints) {
  std::string odd = std::string("TPF0\x02TX\x02N\xFF\x01T\x06\x03\xB0\xFF\x80", 17) +
                    std::string("\x01S\x0B\x01\xFE\x00\x00\x00", 8);
  EXPECT_EQ(throughJson(odd), odd);
  Json j = recordsToJson(readAll(odd));
  // U+10FFFF is the byte FF.
  EXPECT_EQ(j["records"][0]["name"], "N\xF4\x8F\xBF\xBF");
}

TEST(RecordJson, InvalidFormsNameTheRecordAndProperty) {
  auto doc = [](const std::string& properties) {
    return R"({"records": [{"class": "TNewLabel", "name": "Lbl01A", "properties": {"Left": 1},
               "children": []}, {"class": "TNewEdit", "name": "Edt01B", "properties": )" +
           properties + "}]}";
  };
  struct Case {
    std::string properties, message;
  };
  const std::vector<Case> cases = {
      {R"({"Width": {"int8": 300}})", "300 does not fit \"int8\""},
      {R"({"Width": 2147483648})", "does not fit a 32-bit integer"},
      {R"({"Width": 1.5})", "{\"extended\": 1.5}"},
      {R"({"Width": null})", "null is not a value"},
      {R"({"Width": {"color": 1}})", "unknown value form"},
      {R"({"Width": {"binary": "AAE"}})", "not valid base64"},
      {R"({"Width": {"extended": 1, "raw": "00"}})", "20 hex digits"},
      {R"({"Width": {"nil": false}})", "\"nil\" must be true"},
      {R"({"Width": {"set": [""]}})", "set member is empty"},
      {R"({"Width": "😀"})", "without a CP949 form"},
      {R"({"Width": {"ident": ")" + std::string(256, 'a') + R"("}})", "at most 255"},
      {R"({"Width": {"long": 5}})", "\"long\" must be a string"},
      {R"([1])", "\"properties\" must be an object"},
  };
  for (const Case& c : cases) {
    std::string message = jsonError(doc(c.properties));
    EXPECT_NE(message.find("record 2"), std::string::npos) << message;
    EXPECT_NE(message.find("Edt01B"), std::string::npos) << message;
    if (c.properties[0] == '{') {
      EXPECT_NE(message.find("\"Width\""), std::string::npos) << message;
    }
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
  }
  EXPECT_NE(jsonError(R"({"records": [{"name": "A", "properties": {}}]})").find("no \"class\""),
            std::string::npos);
  EXPECT_NE(jsonError(R"({"records": [{"class": "T", "name": "A", "colour": 1}]})")
                .find("unknown member \"colour\""),
            std::string::npos);
  EXPECT_NE(jsonError(R"({"records": [{"class": "T", "name": "A", "flags": 16}]})").find("flags"),
            std::string::npos);
  EXPECT_NE(jsonError(R"({"records": [{"class": "T", "name": "A", "position": 1}]})")
                .find("position without flag 2"),
            std::string::npos);
  EXPECT_NE(jsonError(R"({"records": [)").find("invalid JSON"), std::string::npos);
  EXPECT_NE(jsonError(R"({"record": []})").find("\"records\" array"), std::string::npos);
}

TEST(RecordJson, DeepJsonIsRefusedLikeDeepStreams) {
  auto nested = [](std::size_t depth) {
    return R"({"records": [{"class": "T", "name": "A", "properties": {"L": )" +
           std::string(depth, '[') + std::string(depth, ']') + "}}]}";
  };
  std::string ok = writeRecords(recordsFromJsonText(nested(kMaxNesting)));
  EXPECT_NO_THROW(readAll(ok));
  EXPECT_NE(jsonError(nested(kMaxNesting + 1)).find("nesting deeper"), std::string::npos);
  EXPECT_NE(jsonError(nested(200000)).find("nesting deeper"), std::string::npos);
}

}  // namespace
}  // namespace qav
