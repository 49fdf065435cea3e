#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "stream/RecordReader.h"
#include "stream/RecordWriter.h"
#include "stream/StreamFormat.h"

namespace qav {
namespace {

std::string hex(const std::string& spaced) {
  std::string out;
  for (std::size_t i = 0; i < spaced.size();) {
    if (spaced[i] == ' ') {
      ++i;
      continue;
    }
    out += static_cast<char>(std::stoi(spaced.substr(i, 2), nullptr, 16));
    i += 2;
  }
  return out;
}

std::string shortText(const std::string& s) {
  return static_cast<char>(s.size()) + s;
}

Value ofTag(Tag tag) {
  Value v;
  v.tag = tag;
  return v;
}

Record readOne(const std::string& bytes, const RecordChecker* checker = nullptr) {
  RecordReader reader(bytes, 0, checker);
  Record r = reader.read();
  EXPECT_TRUE(reader.atEnd());
  return r;
}

// The opening bytes of a splash window record, closed by the two end bytes.
const std::string kTitle =
    hex("54 50 46 30 06 54 54 69 74 6C 65 05 54 69 74 6C 65 04 4C 65 66 74 03 EF 00 03 54 6F 70 03 "
        "8A 00 0B 42 6F 72 64 65 72 53 74 79 6C 65 07 06 62 73 4E 6F 6E 65 00 00");

TEST(RecordStream, ReadsTheSplashWindowRecordAndWritesItBack) {
  Record r = readOne(kTitle);
  EXPECT_EQ(r.className, "TTitle");
  EXPECT_EQ(r.name, "Title");
  EXPECT_FALSE(r.flags.has_value());
  ASSERT_EQ(r.properties.size(), 3u);
  EXPECT_EQ(r.properties[0].name, "Left");
  EXPECT_EQ(r.properties[0].value.tag, Tag::Int16);
  EXPECT_EQ(r.properties[0].value.integer, 239);
  EXPECT_EQ(r.find("Top")->integer, 138);
  EXPECT_EQ(r.find("Top")->tag, Tag::Int16);
  EXPECT_EQ(r.find("BorderStyle")->tag, Tag::Ident);
  EXPECT_EQ(r.find("BorderStyle")->text, "bsNone");
  EXPECT_TRUE(r.children.empty());
  EXPECT_EQ(writeRecords({r}), kTitle);
}

TEST(RecordStream, RecordsFollowOneAnotherWithoutGaps) {
  Record second;
  second.className = "TNewLabel";
  second.name = "Lbl01Label1";
  second.set("Caption", Value::makeText("안녕"));
  std::string bytes = kTitle + writeRecords({second});

  RecordReader reader(bytes);
  EXPECT_EQ(reader.read().name, "Title");
  EXPECT_EQ(reader.position(), kTitle.size());
  EXPECT_FALSE(reader.atEnd());
  Record r = reader.read();
  EXPECT_EQ(r.name, "Lbl01Label1");
  EXPECT_EQ(r.find("Caption")->text, "안녕");
  EXPECT_TRUE(reader.atEnd());

  // Starting at an offset, as for a program file.
  std::string padded = std::string(1000, '\0') + bytes;
  RecordReader atOffset(padded, 1000);
  EXPECT_EQ(atOffset.read().className, "TTitle");
  EXPECT_EQ(atOffset.read().className, "TNewLabel");
  EXPECT_TRUE(atOffset.atEnd());
}

TEST(RecordStream, IntegersReadTheSameWhateverTheirTagAndKeepIt) {
  const std::string head = "TPF0" + shortText("TX") + shortText("X") + shortText("N");
  for (const std::string& value : {hex("02 FB"), hex("03 FB FF"), hex("04 FB FF FF FF")}) {
    Record r = readOne(head + value + hex("00 00"));
    EXPECT_EQ(r.find("N")->integer, -5);
    EXPECT_EQ(writeRecords({r}), head + value + hex("00 00")) << "the read tag is kept";
  }
  // Writers choose the smallest tag.
  Record r;
  r.className = "TX";
  r.name = "X";
  r.set("A", Value::makeInteger(-1));
  r.set("B", Value::makeInteger(128));
  r.set("C", Value::makeInteger(-32769));
  r.set("D", Value::makeInteger(INT32_MIN));
  EXPECT_EQ(writeRecords({r}), "TPF0" + shortText("TX") + shortText("X") + shortText("A") +
                                   hex("02 FF") + shortText("B") + hex("03 80 00") +
                                   shortText("C") + hex("04 FF 7F FF FF") + shortText("D") +
                                   hex("04 00 00 00 80 00 00"));
  EXPECT_EQ(readOne(writeRecords({r})).find("D")->integer, INT32_MIN);
}

TEST(RecordStream, AnIntegerBeyondTheRangeOfTheTagItCarriesIsRefusedRatherThanCut) {
  Record r;
  r.className = "TX";
  r.name = "X";
  const std::tuple<Tag, int32_t, bool> carried[] = {
      {Tag::Int8, -129, false},  {Tag::Int8, -128, true},     {Tag::Int8, 127, true},
      {Tag::Int8, 128, false},   {Tag::Int16, -32769, false}, {Tag::Int16, -32768, true},
      {Tag::Int16, 32767, true}, {Tag::Int16, 32768, false}};
  for (const auto& [tag, n, fits] : carried) {
    Value v;
    v.tag = tag;
    v.integer = n;
    r.set("E", v);
    if (fits)
      EXPECT_EQ(readOne(writeRecords({r})).find("E")->integer, n) << n;
    else
      EXPECT_THROW(writeRecords({r}), std::invalid_argument) << n;
  }
}

TEST(RecordStream, TheSmallestIntegerTagReachesTheEndsOfItsRange) {
  const std::pair<int32_t, Tag> cases[] = {
      {-129, Tag::Int16},   {-128, Tag::Int8},    {127, Tag::Int8},    {128, Tag::Int16},
      {-32769, Tag::Int32}, {-32768, Tag::Int16}, {32767, Tag::Int16}, {32768, Tag::Int32}};
  for (const auto& [n, tag] : cases) EXPECT_EQ(Value::makeInteger(n).tag, tag) << n;
}

TEST(RecordStream, TextsKeepTheirBytesAndChooseTheirTagByCp949Length) {
  Record r;
  r.className = "TNewMemo";
  r.name = "Memo1";
  r.set("Short", Value::makeText(std::string(255, 'a')));
  r.set("Long", Value::makeText(std::string(300, 'b')));
  r.set("Korean", Value::makeText("안녕"));
  std::string syllables;
  for (int i = 0; i < 128; ++i) syllables += "가";  // 256 bytes in CP949, 384 in UTF-8
  r.set("KoreanLong", Value::makeText(syllables));
  EXPECT_EQ(r.find("Short")->tag, Tag::String);
  EXPECT_EQ(r.find("Long")->tag, Tag::LString);
  EXPECT_EQ(r.find("KoreanLong")->tag, Tag::LString);
  std::string bytes = writeRecords({r});
  EXPECT_NE(bytes.find(shortText("Long") + hex("0C 2C 01 00 00") + std::string(300, 'b')),
            std::string::npos);
  EXPECT_NE(bytes.find(shortText("Korean") + hex("06 04 BE C8 B3 E7")), std::string::npos);
  EXPECT_NE(bytes.find(shortText("KoreanLong") + hex("0C 00 01 00 00 B0 A1")), std::string::npos);

  Record back = readOne(bytes);
  EXPECT_EQ(back.find("Long")->text, std::string(300, 'b'));
  EXPECT_EQ(back.find("Korean")->text, "안녕");
  EXPECT_EQ(back.find("KoreanLong")->text, r.find("KoreanLong")->text);

  // Bytes that are not CP949, in texts and in names, survive a read and a write.
  std::string odd = "TPF0" + shortText("TX") + shortText("N\xFF") + shortText("T") +
                    hex("06 03 B0 FF 80") + hex("00 00");
  EXPECT_EQ(writeRecords({readOne(odd)}), odd);

  // A text with a character that has no CP949 form cannot be written faithfully.
  r.set("Emoji", Value::makeText("😀"));
  EXPECT_THROW(writeRecords({r}), std::invalid_argument);
}

TEST(RecordStream, APrefixWithAPositionReadsLikeTheRecordWithout) {
  std::string prefixed = "TPF0" + hex("F2 02 07") + kTitle.substr(4);
  Record r = readOne(prefixed);
  Record plain = readOne(kTitle);
  EXPECT_EQ(r.flags, 2);
  ASSERT_TRUE(r.position.has_value());
  EXPECT_EQ(r.position->integer, 7);
  EXPECT_EQ(r.className, plain.className);
  EXPECT_EQ(r.name, plain.name);
  EXPECT_EQ(r.properties.size(), plain.properties.size());
  EXPECT_EQ(writeRecords({r}), prefixed);

  std::string inherited = "TPF0" + hex("F1") + kTitle.substr(4);
  EXPECT_EQ(readOne(inherited).flags, 1);
  EXPECT_FALSE(readOne(inherited).position.has_value());
  EXPECT_EQ(writeRecords({readOne(inherited)}), inherited);
}

// A record with every kind of value, children and collections.
Record everyKind() {
  Record r;
  r.className = "TNewPanel";
  r.name = "Frm01Main";
  r.set("Lines.Strings", Value::makeLines({"첫 줄", "", std::string(300, 'x')}));
  Value nested;
  nested.tag = Tag::List;
  nested.list = {Value::makeInteger(1), Value::makeLines({"a"}), Value::makeBool(true)};
  r.set("Nested", nested);
  r.set("Date", Value::makeExtended(36526.5));
  r.set("Flag", Value::makeBool(false));
  r.set("Picture.Data", Value::makeBinary(std::string("\x07TBitmap\0\0\xFF", 11)));
  Value set;
  set.tag = Tag::Set;
  set.set = {"fsBold", "fsItalic"};
  r.set("Font.Style", set);
  r.set("EmptySet", ofTag(Tag::Set));
  Value nil;
  nil.tag = Tag::Nil;
  r.set("PopupMenu", nil);
  Value coll;
  coll.tag = Tag::Collection;
  coll.items.push_back(CollectionItem{Value::makeInteger(300), {{"Width", Value::makeInteger(5)}}});
  coll.items.push_back(CollectionItem{std::nullopt, {}});
  r.set("Columns", coll);
  Record child;
  child.className = "TMenuItem";
  child.name = "Item1";
  child.flags = 4;
  child.set("Caption", Value::makeText("파일"));
  r.children.push_back(child);
  return r;
}

TEST(RecordStream, EveryKindOfValueSurvivesAWriteAndARead) {
  Record r = everyKind();
  std::string bytes = writeRecords({r});
  Record back = readOne(bytes);
  EXPECT_EQ(writeRecords({back}), bytes);

  EXPECT_EQ(back.find("Lines.Strings")->list.size(), 3u);
  EXPECT_EQ(back.find("Lines.Strings")->list[0].text, "첫 줄");
  EXPECT_EQ(back.find("Lines.Strings")->list[2].tag, Tag::LString);
  EXPECT_EQ(back.find("Nested")->list[1].list[0].text, "a");
  EXPECT_EQ(back.find("Nested")->list[2].tag, Tag::True);
  EXPECT_DOUBLE_EQ(back.find("Date")->extended, 36526.5);
  EXPECT_EQ(back.find("Flag")->tag, Tag::False);
  EXPECT_EQ(back.find("Picture.Data")->text, std::string("\x07TBitmap\0\0\xFF", 11));
  EXPECT_EQ(back.find("Font.Style")->set, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_TRUE(back.find("EmptySet")->set.empty());
  EXPECT_EQ(back.find("PopupMenu")->tag, Tag::Nil);
  const Value& coll = *back.find("Columns");
  ASSERT_EQ(coll.items.size(), 2u);
  EXPECT_EQ(coll.items[0].index->integer, 300);
  EXPECT_EQ(coll.items[0].properties[0].value.integer, 5);
  EXPECT_FALSE(coll.items[1].index.has_value());
  ASSERT_EQ(back.children.size(), 1u);
  EXPECT_EQ(back.children[0].name, "Item1");
  EXPECT_EQ(back.children[0].flags, 4);
  EXPECT_EQ(back.children[0].find("Caption")->text, "파일");
  // The record ends after the children's end byte and its own.
  EXPECT_EQ(bytes.substr(bytes.size() - 3), hex("00 00 00"));
}

TEST(RecordStream, ExtendedFloatsConvertAndKeepTheirExactBytes) {
  const std::string head = "TPF0" + shortText("TX") + shortText("X") + shortText("F") + hex("05");
  const std::string tail = hex("00 00");
  // 45000.25 is exact in both forms.
  std::string exact = hex("00 00 00 00 00 40 C8 AF 0E 40");
  EXPECT_DOUBLE_EQ(readOne(head + exact + tail).find("F")->extended, 45000.25);
  Record made;
  made.className = "TX";
  made.name = "X";
  made.set("F", Value::makeExtended(45000.25));
  EXPECT_EQ(writeRecords({made}), head + exact + tail);

  // 0.1 has more mantissa bits than a double: the value rounds, the bytes are kept.
  std::string tenth = hex("CD CC CC CC CC CC CC CC FB 3F");
  Record r = readOne(head + tenth + tail);
  EXPECT_DOUBLE_EQ(r.find("F")->extended, 0.1);
  EXPECT_EQ(writeRecords({r}), head + tenth + tail);
  Value v = *r.find("F");
  v.raw.reset();
  r.set("F", v);
  EXPECT_NE(writeRecords({r}), head + tenth + tail);
  EXPECT_DOUBLE_EQ(readOne(writeRecords({r})).find("F")->extended, 0.1);

  // Sign, zero, infinity, a denormal double and an extended too large for a double.
  for (double d : {-2.5, 0.0, -0.0, std::numeric_limits<double>::infinity(), 5e-324, 1e300})
    EXPECT_EQ(extendedToDouble(doubleToExtended(d)), d);
  EXPECT_TRUE(std::signbit(extendedToDouble(doubleToExtended(-0.0))));
  EXPECT_TRUE(std::isnan(extendedToDouble(doubleToExtended(std::nan("")))));
  EXPECT_TRUE(
      std::isinf(extendedToDouble(std::array<uint8_t, 10>{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F})));
}

struct Malformed {
  std::string bytes;
  std::size_t offset;
  std::string problem;  // a part of the message
};

TEST(RecordStream, MalformedRecordsAreRefusedWithTheirOffset) {
  const std::string head = "TPF0" + shortText("TX") + shortText("X");  // 9 bytes
  const std::vector<Malformed> cases = {
      {"", 0, "end of data"},
      {"TPF", 0, "signature"},
      {"TPF1" + kTitle.substr(4), 0, "bad signature"},
      {"TPF0" + hex("00 00 00"), 4, "empty class name"},
      {"TPF0" + hex("09") + "TNew", 5, "class name"},
      {head, 9, "property list"},
      {head + shortText("A") + hex("0F"), 11, "unknown value tag 15"},
      {head + shortText("A") + hex("00 00 00"), 11, "null tag"},
      {head + shortText("A") + hex("03 01"), 12, "16-bit integer"},
      {head + shortText("A") + hex("05 00 00"), 12, "extended float"},
      {head + shortText("A") + hex("06 05 41"), 13, "text"},
      {head + shortText("A") + hex("0C FF FF FF FF 41 42"), 16, "long text"},
      {head + shortText("A") + hex("0A 00 00 00 80"), 16, "binary data"},
      {head + shortText("A") + hex("01 02 01"), 14, "list"},
      {head + shortText("A") + hex("0B 06 66 73 42 6F 6C 64"), 19, "set"},
      {head + shortText("A") + hex("0E 02 01 06"), 14, "list tag (found tag 6)"},
      {head + shortText("A") + hex("0E 01 00"), 14, "collection"},
      {head + hex("00"), 10, "children"},
      {head + hex("00 01"), 11, "class name"},
      {"TPF0" + hex("F2 06 01 41") + shortText("TX") + shortText("X") + hex("00 00"), 5,
       "position is not an integer"},
  };
  for (const Malformed& c : cases) {
    try {
      RecordReader reader(c.bytes);
      reader.read();
      ADD_FAILURE() << "accepted: " << c.problem;
    } catch (const StreamError& e) {
      EXPECT_EQ(e.offset(), c.offset) << e.what();
      EXPECT_NE(e.problem().find(c.problem), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("at byte offset " + std::to_string(c.offset)),
                std::string::npos);
    }
  }
}

TEST(RecordStream, NestingIsBoundedOnReadAndWrite) {
  const std::string head = "TPF0" + shortText("TX") + shortText("X") + shortText("A");
  auto lists = [&](std::size_t depth) {
    return head + std::string(depth, '\x01') + std::string(depth, '\0') + hex("00 00");
  };
  EXPECT_NO_THROW(readOne(lists(kMaxNesting)));
  EXPECT_THROW(readOne(lists(kMaxNesting + 1)), StreamError);
  // Far deeper input is refused before it can use up the stack.
  EXPECT_THROW(readOne(lists(1000000)), StreamError);
  std::string collections = head;
  for (int i = 0; i < 100000; ++i) collections += hex("0E 01") + shortText("B");
  EXPECT_THROW(readOne(collections), StreamError);
  std::string children = "TPF0";
  for (int i = 0; i < 100000; ++i) children += shortText("TX") + shortText("X") + hex("00");
  EXPECT_THROW(readOne(children), StreamError);

  // The writer never writes what the reader would refuse.
  Record r = readOne(lists(kMaxNesting));
  EXPECT_EQ(writeRecords({r}), lists(kMaxNesting));
  Value* v = &r.properties[0].value;
  while (!v->list.empty()) v = &v->list[0];
  v->list.push_back(ofTag(Tag::List));
  EXPECT_THROW(writeRecords({r}), std::invalid_argument);
}

// Refuses class "TBad" and property "Bad"; counts the checks it made.
class TestChecker : public RecordChecker {
 public:
  mutable int classes = 0, properties = 0;
  std::optional<std::string> checkClass(std::string_view cls) const override {
    ++classes;
    if (cls == "TBad") return "unknown class TBad";
    return std::nullopt;
  }
  std::optional<std::string> checkProperty(std::string_view, std::string_view name,
                                           const Value&) const override {
    ++properties;
    if (name == "Bad") return "no such property";
    return std::nullopt;
  }
};

TEST(RecordStream, ACheckerRefusesClassesAndPropertiesAtTheirOffsets) {
  TestChecker checker;
  Record ok = readOne(kTitle, &checker);
  EXPECT_EQ(ok.properties.size(), 3u);
  EXPECT_EQ(checker.classes, 1);
  EXPECT_EQ(checker.properties, 3);

  std::string badClass = "TPF0" + shortText("TBad") + shortText("X") + hex("00 00");
  try {
    readOne(badClass, &checker);
    ADD_FAILURE() << "unknown class accepted";
  } catch (const StreamError& e) {
    EXPECT_EQ(e.offset(), 4u);
    EXPECT_EQ(e.problem(), "unknown class TBad");
  }
  std::string badProperty = "TPF0" + shortText("TX") + shortText("X") + shortText("Left") +
                            hex("02 01") + shortText("Bad") + hex("02 01 00 00");
  try {
    readOne(badProperty, &checker);
    ADD_FAILURE() << "unknown property accepted";
  } catch (const StreamError& e) {
    EXPECT_EQ(e.offset(), 16u);
    EXPECT_NE(e.problem().find("\"Bad\": no such property"), std::string::npos);
  }
  // Without a checker both read.
  EXPECT_EQ(readOne(badClass).className, "TBad");
  EXPECT_EQ(readOne(badProperty).properties.size(), 2u);
}

}  // namespace
}  // namespace qav
