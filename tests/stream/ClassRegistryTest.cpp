#include <gtest/gtest.h>

#include "stream/ClassRegistry.h"
#include "stream/LoadError.h"
#include "stream/RecordProps.h"
#include "support/RecordHelpers.h"

namespace qav {
namespace {

using testing::makeRecord;
using testing::prop;

const ClassRegistry& reg() {
  return ClassRegistry::instance();
}

bool accepts(std::string_view cls, std::string_view name, const Value& v) {
  return !reg().checkProperty(cls, name, v).has_value();
}

Value ident(std::string s) {
  return Value::makeIdent(std::move(s));
}
Value set(std::vector<std::string> members) {
  Value v;
  v.tag = Tag::Set;
  v.set = std::move(members);
  return v;
}
Value tagged(Tag t) {
  Value v;
  v.tag = t;
  return v;
}
Value integer(Tag t, int32_t n) {
  Value v;
  v.tag = t;
  v.integer = n;
  return v;
}

TEST(ClassRegistry, OnlyTheStreamedClassesAreKnown) {
  for (const char* name : {"TNewPanel",    "TNewLabel",       "TLine",       "TBox",
                           "TNewButton",   "TMainData",       "TPaintBox",   "TNewImage",
                           "TNewEdit",     "TNewMemo",        "TNewListBox", "TNewComboBox",
                           "TNewCheckBox", "TNewRadioButton", "TNewTimer",   "TNewAlarm",
                           "TDataQueue",   "TNewWatch",       "TNewPage",    "TNewSound",
                           "TNewProgress", "TNewLoadBox",     "TNewSaveBox", "TNewData"})
    EXPECT_FALSE(reg().checkClass(name).has_value()) << name;
  for (const char* name : {"TForm", "TRunListBox", "TTitle", "tnewlabel", ""}) {
    auto why = reg().checkClass(name);
    ASSERT_TRUE(why.has_value()) << name;
    EXPECT_EQ(*why, "unknown class " + std::string(name));
  }
  // A property of an unknown class is refused for the class, not the property.
  EXPECT_EQ(reg().checkProperty("TForm", "Left", Value::makeInteger(1)), "unknown class TForm");
}

TEST(ClassRegistry, EventAndUnknownPropertiesAreRefusedButOwnOnNamesAreNot) {
  auto why = reg().checkProperty("TNewLabel", "OnClick", ident("LabelClick"));
  ASSERT_TRUE(why.has_value());
  EXPECT_EQ(why->rfind("event property OnClick of class TNewLabel", 0), 0u) << *why;

  EXPECT_EQ(reg().checkProperty("TNewLabel", "Colour", Value::makeInteger(1)),
            "unknown property Colour of class TNewLabel");
  // Own properties whose names begin with "On" are ordinary properties.
  EXPECT_TRUE(accepts("TNewAlarm", "On", Value::makeBool(true)));
  EXPECT_TRUE(accepts("TNewCheckBox", "Only", Value::makeBool(true)));
  // Lists are known by their stream names only.
  EXPECT_TRUE(accepts("TNewEdit", "Ivent3.Strings", Value::makeLines({"a"})));
  EXPECT_FALSE(accepts("TNewEdit", "Ivent3", Value::makeLines({"a"})));
  // Event slots belong to their classes only.
  EXPECT_FALSE(accepts("TNewLabel", "Ivent3.Strings", Value::makeLines({"a"})));
  EXPECT_TRUE(accepts("TNewPanel", "Ivent1.Strings", Value::makeLines({"a"})));
}

TEST(ClassRegistry, RecordsMayCarryAnyPropertyOfTheirBaseKind) {
  struct Case {
    const char* cls;
    const char* name;
    Value v;
  };
  // One property per base kind that the item's own table does not name.
  const std::vector<Case> accepted = {
      {"TNewLabel", "Layout", ident("tlCenter")},
      {"TNewLabel", "Constraints.MaxWidth", Value::makeInteger(300)},
      {"TNewLabel", "Anchors", set({"akLeft", "akBottom"})},
      {"TNewPanel", "BevelOuter", ident("bvLowered")},
      {"TNewEdit", "ImeMode", ident("imSHanguel")},
      {"TNewEdit", "EditMask", Value::makeText("999")},
      {"TNewComboBox", "HideSelection", Value::makeBool(false)},
      {"TNewMemo", "ScrollBars", ident("ssBoth")},
      {"TNewButton", "Kind", ident("bkOK")},
      {"TNewButton", "Glyph.Data", Value::makeBinary("x")},
      {"TNewImage", "Picture.Data", Value::makeBinary("x")},
      {"TNewCheckBox", "State", ident("cbGrayed")},
      {"TNewTimer", "Flat", Value::makeBool(true)},
      {"TLine", "Style", ident("bsRaised")},
      {"TNewProgress", "Kind", ident("gkNeedle")},
      {"TNewWatch", "DifHour", Value::makeInteger(-3)},
      {"TBox", "ShapeType", ident("msTriangle")},
      {"TNewPage", "Font.Style", set({"fsBold", "fsUnderline"})},
      {"TMainData", "Left", Value::makeInteger(8)},
      {"TDataQueue", "Tag", Value::makeInteger(184)},
  };
  for (const auto& c : accepted)
    EXPECT_EQ(reg().checkProperty(c.cls, c.name, c.v), std::nullopt) << c.cls << "." << c.name;

  // What a kind does not publish is refused.
  const std::vector<Case> refused = {
      {"TNewComboBox", "EditMask", Value::makeText("9")},    // plain edit, not masked
      {"TNewEdit", "HideSelection", Value::makeBool(true)},  // masked edit has none
      {"TNewRadioButton", "State", ident("cbChecked")},
      {"TNewImage", "Caption", Value::makeText("x")},
      {"TLine", "Color", Value::makeInteger(0)},
      {"TMainData", "Width", Value::makeInteger(8)},
  };
  for (const auto& c : refused)
    EXPECT_NE(reg().checkProperty(c.cls, c.name, c.v), std::nullopt) << c.cls << "." << c.name;
}

TEST(ClassRegistry, ValuesMustSuitThePropertyKind) {
  // Integers: any integer tag, nothing else.
  for (Tag t : {Tag::Int8, Tag::Int16, Tag::Int32})
    EXPECT_TRUE(accepts("TNewLabel", "Left", integer(t, 5)));
  EXPECT_EQ(reg().checkProperty("TNewLabel", "Left", Value::makeText("5")),
            "value of the wrong kind for property Left of class TNewLabel");
  EXPECT_FALSE(accepts("TNewLabel", "Left", ident("clRed")));
  // Yes/no, texts and lists.
  EXPECT_FALSE(accepts("TNewLabel", "EnabledCheck", Value::makeInteger(1)));
  EXPECT_FALSE(accepts("TNewLabel", "Caption", ident("x")));
  Value mixed = Value::makeLines({"a"});
  mixed.list.push_back(Value::makeInteger(3));
  EXPECT_FALSE(accepts("TNewLabel", "Ivent2.Strings", mixed));
  EXPECT_TRUE(accepts("TNewLabel", "Ivent2.Strings", Value::makeLines({})));
  // Enumerations: only identifiers, only their own (ordinal set of the kind that owns it).
  EXPECT_TRUE(accepts("TNewEdit", "InputStyle", ident("isNumber")));
  auto why = reg().checkProperty("TNewEdit", "InputStyle", ident("isDigits"));
  EXPECT_EQ(why, "unknown identifier isDigits for property InputStyle of class TNewEdit");
  EXPECT_FALSE(accepts("TNewEdit", "InputStyle", Value::makeInteger(0)));
  EXPECT_FALSE(accepts("TNewLabel", "Layout", ident("blGlyphTop")));  // the button's layout
  EXPECT_FALSE(accepts("TNewButton", "Layout", ident("tlCenter")));   // the label's layout
  EXPECT_FALSE(accepts("TLine", "Shape", ident("stCircle")));
  // Sets: members among the identifiers.
  EXPECT_FALSE(accepts("TNewLabel", "Font.Style", set({"fsBold", "fsShadow"})));
  // Colours, cursors and character sets: integers or their own named constants.
  EXPECT_TRUE(accepts("TNewLabel", "Color", ident("clBtnFace")));
  EXPECT_TRUE(accepts("TNewLabel", "Color", integer(Tag::Int32, 0x00C0C0C0)));
  EXPECT_FALSE(accepts("TNewLabel", "Color", ident("crArrow")));
  EXPECT_TRUE(accepts("TNewLabel", "Cursor", ident("crHandPoint")));
  EXPECT_FALSE(accepts("TNewLabel", "Cursor", ident("clRed")));
  EXPECT_TRUE(accepts("TNewLabel", "Font.Charset", ident("HANGEUL_CHARSET")));
  EXPECT_FALSE(accepts("TNewLabel", "Font.Charset", ident("KOREAN_CHARSET")));
  // Dates, pictures and references.
  EXPECT_TRUE(accepts("TNewAlarm", "Time", integer(Tag::Int8, 0)));
  EXPECT_FALSE(accepts("TNewAlarm", "Time", Value::makeText("12:00")));
  EXPECT_FALSE(accepts("TNewImage", "Picture.Data", Value::makeText("x")));
  EXPECT_TRUE(accepts("TNewLabel", "PopupMenu", tagged(Tag::Nil)));
  EXPECT_FALSE(accepts("TNewLabel", "PopupMenu", Value::makeText("Menu1")));
}

TEST(ClassRegistry, NamedConstantsHaveTheirStreamValues) {
  EXPECT_EQ(colourConstant("clBtnFace"), static_cast<int32_t>(0x8000000F));
  EXPECT_EQ(colourConstant("clRed"), 0x0000FF);
  EXPECT_EQ(colourConstant("clNone"), 0x1FFFFFFF);
  EXPECT_EQ(colourConstant("clInfoBk"), static_cast<int32_t>(0x80000018));
  EXPECT_EQ(colourConstant("CLWHITE"), 0xFFFFFF);  // identifiers ignore letter case
  EXPECT_EQ(colourConstant("clOrange"), std::nullopt);

  EXPECT_EQ(cursorConstant("crDefault"), 0);
  EXPECT_EQ(cursorConstant("crArrow"), -2);
  EXPECT_EQ(cursorConstant("crHandPoint"), -21);
  EXPECT_EQ(cursorConstant("clRed"), std::nullopt);

  EXPECT_EQ(charsetConstant("DEFAULT_CHARSET"), 1);
  EXPECT_EQ(charsetConstant("HANGEUL_CHARSET"), 129);
  EXPECT_EQ(charsetConstant("JOHAB_CHARSET"), 130);
  EXPECT_EQ(charsetConstant("OEM_CHARSET"), 255);
  EXPECT_EQ(charsetConstant("KOREAN_CHARSET"), std::nullopt);
}

TEST(RecordProps, ColoursReadAsCodesWhetherNamedOrNumbered) {
  Record named = makeRecord("TNewLabel", "Label1", {prop("Color", ident("clBtnFace"))});
  EXPECT_EQ(static_cast<uint32_t>(RecordProps(named).integer("Color")), 0x8000000Fu);
  Record red = makeRecord("TNewLabel", "Label1", {prop("Color", Value::makeInteger(255))});
  EXPECT_EQ(RecordProps(red).integer("Color"), 0x0000FF);  // low byte red
  Record cursor = makeRecord("TNewLabel", "Label1", {prop("Cursor", ident("crIBeam"))});
  EXPECT_EQ(RecordProps(cursor).integer("Cursor"), -4);
  Record shape = makeRecord("TLine", "Line1", {prop("Shape", ident("bsLeftLine"))});
  EXPECT_EQ(RecordProps(shape).integer("Shape"), 4);  // enumeration ordinal
  EXPECT_EQ(RecordProps(shape).ident("Shape"), "bsLeftLine");
}

TEST(RecordProps, AbsentPropertiesHaveTheConstructorValues) {
  Record box = makeRecord("TBox", "Box1");
  RecordProps b(box);
  EXPECT_FALSE(b.has("Width"));
  EXPECT_EQ(b.integer("Width"), 65);
  EXPECT_EQ(b.integer("Height"), 65);
  EXPECT_EQ(b.integer("Color"), 0xC0C0C0);
  EXPECT_TRUE(b.boolean("Border"));
  EXPECT_EQ(b.integer("BorderColor"), 0xFFFFFF);
  EXPECT_TRUE(b.boolean("Shadow"));
  EXPECT_EQ(b.integer("ShadowX"), 1);
  EXPECT_EQ(b.integer("ShadowY"), 1);
  EXPECT_EQ(b.ident("RepeatMode"), "rpNone");
  EXPECT_FALSE(b.boolean("EnabledCheck"));  // always written; false when missing
  EXPECT_TRUE(b.boolean("Visible"));

  Record line = makeRecord("TLine", "Line1");
  EXPECT_EQ(RecordProps(line).ident("Shape"), "bsTopLine");
  EXPECT_EQ(RecordProps(line).ordinal("Style"), 0);  // bsLowered

  Record watch = makeRecord("TNewWatch", "Watch1");
  EXPECT_EQ(RecordProps(watch).integer("Width"), 66);
  EXPECT_EQ(static_cast<uint32_t>(RecordProps(watch).integer("ClkFaceColor")), 0x8000000Fu);
  EXPECT_TRUE(RecordProps(watch).boolean("SecArrow"));

  Record gauge = makeRecord("TNewProgress", "Gauge1");
  RecordProps g(gauge);
  EXPECT_EQ(g.integer("Width"), 153);
  EXPECT_EQ(g.integer("Height"), 33);
  EXPECT_EQ(g.ident("Kind"), "gkHorizontalBar");
  EXPECT_EQ(g.integer("MaxValue"), 100);
  EXPECT_EQ(g.integer("BackColor"), 0xFFFFFF);
  EXPECT_TRUE(g.boolean("ShowText"));

  Record panel = makeRecord("TNewPanel", "Form1");
  RecordProps p(panel);
  EXPECT_TRUE(p.boolean("SystemButton") && p.boolean("MinButton") && p.boolean("MaxButton"));
  EXPECT_FALSE(p.boolean("HelpButton"));
  EXPECT_EQ(p.integer("WindowState"), 2);

  Record edit = makeRecord("TNewEdit", "Edit1");
  EXPECT_EQ(RecordProps(edit).ident("InputStyle"), "isAlpha");
  EXPECT_EQ(RecordProps(edit).integer("Cursor"), -2);
  Record list = makeRecord("TNewListBox", "List1");
  EXPECT_EQ(RecordProps(list).integer("Width"), 113);
  EXPECT_EQ(RecordProps(list).ident("BorderStyle"), "bsSingle");
  Record combo = makeRecord("TNewComboBox", "Combo1");
  EXPECT_EQ(RecordProps(combo).integer("Width"), 120);
  EXPECT_EQ(RecordProps(combo).integer("Height"), 21);
  for (const char* cls : {"TNewCheckBox", "TNewRadioButton"}) {
    Record r = makeRecord(cls, "X1");
    EXPECT_EQ(RecordProps(r).integer("Width"), 100) << cls;
    EXPECT_EQ(RecordProps(r).integer("Height"), 25) << cls;
  }
  for (const char* cls :
       {"TNewTimer", "TNewAlarm", "TNewData", "TNewSound", "TNewLoadBox", "TNewSaveBox"}) {
    Record r = makeRecord(cls, "X1");
    EXPECT_EQ(RecordProps(r).integer("Width"), 33) << cls;
    EXPECT_EQ(RecordProps(r).integer("Height"), 33) << cls;
  }
  Record label = makeRecord("TNewLabel", "Label1");
  EXPECT_TRUE(RecordProps(label).boolean("Enabled"));
  EXPECT_TRUE(RecordProps(label).boolean("ParentFont"));
  EXPECT_TRUE(RecordProps(label).boolean("ParentShowHint"));
  EXPECT_EQ(RecordProps(label).integer("Cursor"), 0);
}

TEST(RecordProps, TypedAccessToListsFontsSetsAndDates) {
  Record r = makeRecord(
      "TNewPage", "Page1",
      {prop("Ivent3.Strings", Value::makeLines({"첫 줄", "second"})),
       prop("Font.Name", Value::makeText("굴림")), prop("Font.Height", Value::makeInteger(-12)),
       prop("Font.Charset", ident("HANGEUL_CHARSET")), prop("Font.Color", ident("clRed")),
       prop("Font.Style", set({"fsBold", "fsStrikeOut"})), prop("Anchors", set({"akTop"}))});
  RecordProps p(r);
  EXPECT_EQ(p.lines("Ivent3"), (std::vector<std::string>{"첫 줄", "second"}));
  EXPECT_EQ(p.lines("Ivent3.Strings"), p.lines("Ivent3"));
  EXPECT_TRUE(p.lines("PageName").empty());

  Font base;
  base.italic = true;
  Font f = p.font(base);
  EXPECT_EQ(f.name, "굴림");
  EXPECT_EQ(f.height, -12);
  EXPECT_EQ(f.charset, 129);
  EXPECT_EQ(f.colour, 0x0000FFu);
  EXPECT_TRUE(f.bold && f.strikeOut);
  EXPECT_FALSE(f.italic || f.underline);  // the stored style replaces the whole style
  // Without Font.* the base font stays.
  Record plain = makeRecord("TNewPage", "Page2");
  EXPECT_EQ(RecordProps(plain).font(base), base);

  EXPECT_EQ(p.set("Anchors"), (std::vector<std::string>{"akTop"}));
  EXPECT_EQ(RecordProps(plain).set("Anchors"), (std::vector<std::string>{"akLeft", "akTop"}));

  Record alarm = makeRecord("TNewAlarm", "Alarm1",
                            {prop("Date", Value::makeExtended(45292.5)),
                             prop("Time", Value::makeInteger(0)), prop("Inteval", ident("aiDay"))});
  EXPECT_DOUBLE_EQ(RecordProps(alarm).dateTime("Date"), 45292.5);
  EXPECT_DOUBLE_EQ(RecordProps(alarm).dateTime("Time"), 0.0);
  EXPECT_EQ(RecordProps(alarm).ordinal("Inteval"), 1);

  EXPECT_THROW(RecordProps(makeRecord("TForm", "F")), LoadError);
}

std::string le32(uint32_t n) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(n >> (8 * i) & 0xFF);
  return s;
}

Picture pictureOf(const char* cls, const char* name, std::string blob) {
  Record r = makeRecord(cls, "X1", {prop(name, Value::makeBinary(std::move(blob)))});
  return RecordProps(r).picture(name);
}

TEST(RecordProps, PicturesAreTakenFromTheirBlobsAndMalformedOnesAreEmpty) {
  const std::string bmp = "BM" + std::string(60, 'x');
  const std::string bitmapBlob = "\x07TBitmap" + le32(static_cast<uint32_t>(bmp.size())) + bmp;
  EXPECT_EQ(pictureOf("TNewImage", "Picture.Data", bitmapBlob), (Picture{"TBitmap", bmp}));
  // Bytes after the stated length are not part of the bitmap.
  EXPECT_EQ(pictureOf("TNewImage", "Picture.Data", bitmapBlob + "tail").bytes, bmp);
  const std::string ico = std::string("\0\0\1\0", 4) + "icon";
  EXPECT_EQ(pictureOf("TNewImage", "Picture.Data", "\x05TIcon" + ico), (Picture{"TIcon", ico}));
  EXPECT_EQ(pictureOf("TNewButton", "Glyph.Data", le32(static_cast<uint32_t>(bmp.size())) + bmp),
            (Picture{"TBitmap", bmp}));
  EXPECT_EQ(pictureOf("TNewData", "Glyph.Data", le32(3) + "BMx"), (Picture{"TBitmap", "BMx"}));
  Record icon = makeRecord("TNewPanel", "Form1", {});
  EXPECT_TRUE(RecordProps(icon).picture("Icon.Data").empty());
  EXPECT_TRUE(RecordProps(icon).picture().empty());

  // Every cut of a valid blob, and lengths that point past the end, give an empty picture.
  for (std::size_t n = 0; n < bitmapBlob.size(); ++n)
    EXPECT_TRUE(pictureOf("TNewImage", "Picture.Data", bitmapBlob.substr(0, n)).empty()) << n;
  EXPECT_TRUE(
      pictureOf("TNewImage", "Picture.Data", "\x07TBitmap" + le32(0xFFFFFFFF) + "BM").empty());
  EXPECT_TRUE(pictureOf("TNewImage", "Picture.Data", "\xFFTBitmap").empty());
  EXPECT_TRUE(pictureOf("TNewImage", "Picture.Data", "\x05TIcon").empty());
  EXPECT_TRUE(pictureOf("TNewButton", "Glyph.Data", le32(100) + "BM").empty());
  EXPECT_TRUE(pictureOf("TNewButton", "Glyph.Data", "BM").empty());
}

}  // namespace
}  // namespace qav
