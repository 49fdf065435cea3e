// Building the drawn items from their project records. Properties are applied in the order the
// record stores them, through the same setters scripts use, so that fitting and coupling rules
// work out as they did when the item was designed. A property the record does not carry keeps
// the value the item's constructor gave it.
#include <initializer_list>
#include <optional>
#include <string_view>

#include "base/Text.h"
#include "items/graphic/Box.h"
#include "items/graphic/Line.h"
#include "items/graphic/NewProgress.h"
#include "items/graphic/NewWatch.h"
#include "stream/RecordProps.h"

namespace qav {
namespace {

// The position of the record's identifier among the names (identifiers ignore letter case).
std::optional<int> identIndex(const RecordProps& p, std::string_view property,
                              std::initializer_list<std::string_view> names) {
  if (!p.has(property)) return std::nullopt;
  const std::string id = p.ident(property);
  int i = 0;
  for (std::string_view n : names) {
    if (text::equalsIgnoreAsciiCase(n, id)) return i;
    ++i;
  }
  return std::nullopt;
}

void applyInteger(const RecordProps& p, std::string_view name, auto&& set) {
  if (p.has(name)) set(p.integer(name));
}
void applyBool(const RecordProps& p, std::string_view name, auto&& set) {
  if (p.has(name)) set(p.boolean(name));
}

bool hasFont(const RecordProps& p) {
  for (std::string_view n :
       {"Font.Charset", "Font.Color", "Font.Height", "Font.Name", "Font.Style"})
    if (p.has(n)) return true;
  return false;
}

// Bounds, cursor and hint: what every visual item's record starts with.
void applyControl(const RecordProps& p, DrawnItem& item) {
  applyInteger(p, "Left", [&](int32_t v) { item.setLeft(v); });
  applyInteger(p, "Top", [&](int32_t v) { item.setTop(v); });
  applyInteger(p, "Width", [&](int32_t v) { item.setWidth(v); });
  applyInteger(p, "Height", [&](int32_t v) { item.setHeight(v); });
  applyInteger(p, "Cursor", [&](int32_t v) { item.setCursor(static_cast<int16_t>(v)); });
  if (p.has("Hint")) item.setHint(p.text("Hint"));
  applyBool(p, "ShowHint", [&](bool v) { item.setShowHint(v); });
}

// What every one of the player's own drawn items ends with.
void applyDesign(const RecordProps& p, DrawnItem& item) {
  if (p.has("ParentName")) item.setParentName(p.text("ParentName"));
  applyBool(p, "EnabledCheck", [&](bool v) { item.setEnabledCheck(v); });
  applyBool(p, "VisibleCheck", [&](bool v) { item.setVisibleCheck(v); });
}

}  // namespace

std::unique_ptr<TBox> TBox::fromRecord(const Record& record) {
  const RecordProps p(record);
  auto b = std::make_unique<TBox>();
  TBox& box = *b;
  applyControl(p, box);
  applyInteger(p, "Color", [&](int32_t v) { box.setColour(static_cast<uint32_t>(v)); });
  if (hasFont(p)) box.setFont(p.font(box.font()));
  applyBool(p, "ParentColor", [&](bool v) { box.setParentColour(v); });
  applyBool(p, "ParentFont", [&](bool v) { box.setParentFont(v); });
  if (p.has("Text")) box.setText(p.text("Text"));
  applyInteger(p, "Angle", [&](int32_t v) { box.setAngle(v); });
  applyBool(p, "Filled", [&](bool v) { box.setFilled(v); });
  if (auto m = identIndex(p, "RepeatMode", {"rpNone", "rpVert", "rpHoriz", "rpBoth"}))
    box.setRepeatMode(static_cast<RepeatMode>(*m));
  if (auto t = identIndex(p, "ShapeType",
                          {"msRectangle", "msRoundRect", "msDiamond", "msEllipse", "msTriangle",
                           "msLine", "msText"}))
    box.setShapeType(static_cast<ShapeType>(*t));
  applyInteger(p, "ShapeH", [&](int32_t v) { box.setShapeH(v); });
  applyInteger(p, "ShapeW", [&](int32_t v) { box.setShapeW(v); });
  applyInteger(p, "XSpacing", [&](int32_t v) { box.setXSpacing(v); });
  applyInteger(p, "YSpacing", [&](int32_t v) { box.setYSpacing(v); });
  applyInteger(p, "XMargin", [&](int32_t v) { box.setXMargin(v); });
  applyInteger(p, "YMargin", [&](int32_t v) { box.setYMargin(v); });
  applyBool(p, "Border", [&](bool v) { box.setBorder(v); });
  applyInteger(p, "BorderColor", [&](int32_t v) { box.setBorderColour(static_cast<uint32_t>(v)); });
  applyInteger(p, "BorderWidth", [&](int32_t v) { box.setBorderWidth(v); });
  applyBool(p, "Shadow", [&](bool v) { box.setShadow(v); });
  applyInteger(p, "ShadowColor", [&](int32_t v) { box.setShadowColour(static_cast<uint32_t>(v)); });
  applyInteger(p, "ShadowX", [&](int32_t v) { box.setShadowX(v); });
  applyInteger(p, "ShadowY", [&](int32_t v) { box.setShadowY(v); });
  applyDesign(p, box);
  if (p.has("Ivent2.Strings")) box.setIvent2(p.lines("Ivent2"));
  applyInteger(p, "Borders", [&](int32_t v) { box.setBorders(v); });
  applyInteger(p, "Shadows", [&](int32_t v) { box.setShadows(v); });
  box.setName(record.name);
  return b;
}

std::unique_ptr<TLine> TLine::fromRecord(const Record& record) {
  const RecordProps p(record);
  auto l = std::make_unique<TLine>();
  applyControl(p, *l);
  if (auto s = identIndex(
          p, "Shape",
          {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine"}))
    l->setShape(static_cast<BevelShape>(*s));
  if (auto s = identIndex(p, "Style", {"bsLowered", "bsRaised"}))
    l->setStyle(static_cast<BevelStyle>(*s));
  applyDesign(p, *l);
  l->setName(record.name);
  return l;
}

std::unique_ptr<TNewWatch> TNewWatch::fromRecord(const Record& record) {
  const RecordProps p(record);
  auto c = std::make_unique<TNewWatch>();
  applyControl(p, *c);
  applyInteger(p, "ClkArrowColor", [&](int32_t v) { c->setArrowColour(static_cast<uint32_t>(v)); });
  applyInteger(p, "ClkFaceColor", [&](int32_t v) { c->setFaceColour(static_cast<uint32_t>(v)); });
  applyInteger(p, "DifHour", [&](int32_t v) { c->setDifHour(v); });
  applyInteger(p, "DifMinute", [&](int32_t v) { c->setDifMinute(v); });
  applyBool(p, "SecArrow", [&](bool v) { c->setSecArrow(v); });
  applyDesign(p, *c);
  c->setName(record.name);
  return c;
}

std::unique_ptr<TNewProgress> TNewProgress::fromRecord(const Record& record) {
  const RecordProps p(record);
  auto g = std::make_unique<TNewProgress>();
  TNewProgress& gauge = *g;
  gauge.setLoading(true);
  applyControl(p, gauge);
  applyInteger(p, "Color", [&](int32_t v) { gauge.setColour(static_cast<uint32_t>(v)); });
  if (auto k = identIndex(p, "Kind",
                          {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie", "gkNeedle"}))
    gauge.setKind(static_cast<GaugeKind>(*k));
  applyBool(p, "ShowText", [&](bool v) { gauge.setShowText(v); });
  if (hasFont(p)) gauge.setFont(p.font(gauge.font()));
  if (auto s = identIndex(p, "BorderStyle", {"bsNone", "bsSingle"})) gauge.setBorder(*s == 1);
  applyInteger(p, "ForeColor", [&](int32_t v) { gauge.setForeColour(static_cast<uint32_t>(v)); });
  applyInteger(p, "BackColor", [&](int32_t v) { gauge.setBackColour(static_cast<uint32_t>(v)); });
  applyInteger(p, "MinValue", [&](int32_t v) { gauge.setMinValue(v); });
  applyInteger(p, "MaxValue", [&](int32_t v) { gauge.setMaxValue(v); });
  applyBool(p, "ParentColor", [&](bool v) { gauge.setParentColour(v); });
  applyBool(p, "ParentFont", [&](bool v) { gauge.setParentFont(v); });
  applyInteger(p, "Progress", [&](int32_t v) { gauge.setProgress(v); });
  applyDesign(p, gauge);
  gauge.setLoading(false);
  gauge.setName(record.name);
  return g;
}

}  // namespace qav
