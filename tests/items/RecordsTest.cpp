// Drawn items as their project records describe them.
#include <gtest/gtest.h>

#include "items/graphic/Box.h"
#include "items/graphic/Line.h"
#include "items/graphic/NewProgress.h"
#include "items/graphic/NewWatch.h"
#include "stream/Record.h"

namespace qav {
namespace {

Record record(std::string className, std::vector<Property> properties) {
  Record r;
  r.className = std::move(className);
  r.name = "Item_Thing1";
  r.properties = std::move(properties);
  return r;
}

Property integer(std::string name, int32_t v) {
  return {std::move(name), Value::makeInteger(v)};
}
Property ident(std::string name, std::string v) {
  return {std::move(name), Value::makeIdent(std::move(v))};
}
Property boolean(std::string name, bool v) {
  return {std::move(name), Value::makeBool(v)};
}

TEST(DrawnRecords, BoxTakesItsStoredLookInStoredOrder) {
  Record r = record("TBox", {integer("Left", 10),
                             integer("Top", 20),
                             integer("Width", 100),
                             integer("Height", 50),
                             ident("Color", "clRed"),
                             {"Font.Name", Value::makeText("굴림")},
                             integer("Angle", 30),
                             ident("ShapeType", "msTriangle"),
                             ident("BorderColor", "clNavy"),
                             {"ParentName", Value::makeText("Panel_Main1")},
                             boolean("EnabledCheck", false),
                             boolean("VisibleCheck", true),
                             {"Ivent2.Strings", Value::makeLines({"메세지 안녕", "종료"})},
                             integer("Borders", 3)});
  auto box = TBox::fromRecord(r);
  EXPECT_EQ(box->name(), "Item_Thing1");
  EXPECT_EQ(box->left(), 10);
  EXPECT_EQ(box->top(), 20);
  EXPECT_EQ(box->width(), 100);
  EXPECT_EQ(box->shapeW(), 99);  // the constructor's one-pixel shadow stays
  EXPECT_EQ(box->shapeH(), 49);
  EXPECT_EQ(box->colour(), 0x000000FFu);
  EXPECT_EQ(box->font().colour, 0x000000FFu);
  EXPECT_EQ(box->font().name, "굴림");
  EXPECT_EQ(box->shapeType(), ShapeType::msTriangle);
  EXPECT_EQ(box->angle(), 30);  // the angle comes before the figure: not snapped
  EXPECT_EQ(box->borderColour(), 0x00800000u);
  EXPECT_EQ(box->borderWidth(), 3);
  EXPECT_TRUE(box->border());
  EXPECT_EQ(box->parentName(), "Panel_Main1");
  EXPECT_FALSE(box->enabledCheck());
  EXPECT_TRUE(box->visibleCheck());
  EXPECT_EQ(box->ivent2(), (std::vector<std::string>{"메세지 안녕", "종료"}));
  EXPECT_TRUE(box->fit());
  EXPECT_TRUE(box->filled());

  // A stored shadow width of 0 takes the shadow away and the box follows its figure.
  r.properties.push_back(integer("Shadows", 0));
  box = TBox::fromRecord(r);
  EXPECT_FALSE(box->shadow());
  EXPECT_EQ(box->width(), 99);
  EXPECT_EQ(box->height(), 49);

  Record grid = record("TBox", {integer("Width", 100), ident("RepeatMode", "rpHoriz"),
                                integer("XSpacing", 15), ident("ShapeType", "msBogus")});
  box = TBox::fromRecord(grid);
  EXPECT_EQ(box->grid().columns, 7);
  EXPECT_EQ(box->shapeType(), ShapeType::msRectangle);
}

TEST(DrawnRecords, LineShapeAndStyle) {
  auto line = TLine::fromRecord(record("TLine", {integer("Width", 200), integer("Height", 2)}));
  EXPECT_EQ(line->shape(), BevelShape::bsTopLine);
  EXPECT_EQ(line->style(), BevelStyle::bsLowered);
  EXPECT_EQ(line->width(), 200);
  line =
      TLine::fromRecord(record("TLine", {ident("Shape", "bsBottomLine"), ident("Style", "bsRaised"),
                                         boolean("VisibleCheck", true)}));
  EXPECT_EQ(line->shape(), BevelShape::bsBottomLine);
  EXPECT_EQ(line->style(), BevelStyle::bsRaised);
  EXPECT_TRUE(line->visibleCheck());
  line->applyDesignFlags();
  EXPECT_TRUE(line->visible());
  line = TLine::fromRecord(record("TLine", {ident("Shape", "bsFrame")}));
  EXPECT_EQ(line->shape(), BevelShape::bsFrame);
}

TEST(DrawnRecords, ClockOffsetsAndLook) {
  auto clock = TNewWatch::fromRecord(
      record("TNewWatch", {integer("DifHour", 14), integer("DifMinute", -75),
                           boolean("SecArrow", false), ident("ClkFaceColor", "clWhite"),
                           integer("ClkArrowColor", 255), boolean("EnabledCheck", true)}));
  EXPECT_EQ(clock->difHour(), 2);
  EXPECT_EQ(clock->difMinute(), -15);
  EXPECT_FALSE(clock->secArrow());
  EXPECT_EQ(clock->faceColour(), 0x00FFFFFFu);
  EXPECT_EQ(clock->arrowColour(), 0x000000FFu);
  EXPECT_EQ(clock->width(), 66);
  EXPECT_TRUE(clock->enabledCheck());
}

TEST(DrawnRecords, GaugeRangeIsLoadedWithoutTheRangeCheck) {
  auto gauge = TNewProgress::fromRecord(record(
      "TNewProgress", {integer("MinValue", 200), integer("MaxValue", 300), integer("Progress", 250),
                       ident("Kind", "gkPie"), ident("BorderStyle", "bsNone"),
                       ident("BackColor", "clYellow"), boolean("ShowText", false)}));
  EXPECT_EQ(gauge->minValue(), 200);
  EXPECT_EQ(gauge->maxValue(), 300);
  EXPECT_EQ(gauge->progress(), 250);
  EXPECT_EQ(gauge->percent(), 50);
  EXPECT_EQ(gauge->kind(), GaugeKind::gkPie);
  EXPECT_FALSE(gauge->border());
  EXPECT_EQ(gauge->backColour(), 0x0000FFFFu);
  EXPECT_FALSE(gauge->showText());
  EXPECT_EQ(gauge->width(), 153);
  // After loading, scripts are held to the range again.
  EXPECT_THROW(gauge->SetItemProperty("최소값", "301"), ItemError);

  // A damaged record with an inverted range loads and paints without failing.
  gauge = TNewProgress::fromRecord(
      record("TNewProgress",
             {integer("MinValue", 300), integer("MaxValue", 200), integer("Progress", 5)}));
  EXPECT_EQ(gauge->progress(), 300);
  EXPECT_NO_THROW(gauge->paint());
  gauge->setProgress(1000);
  EXPECT_EQ(gauge->progress(), 200);
}

}  // namespace
}  // namespace qav
