// Building the drawn items from their project records. Properties are applied in the order the
// record stores them, through the same setters scripts use, so that fitting and coupling rules
// work out as they did when the item was designed. A property the record does not carry keeps
// the value the item's constructor gave it.
#include <initializer_list>
#include <optional>
#include <string_view>
#include <type_traits>

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

// A property the record carries, given to the item's setter as the setter takes it: a truth
// value, or an integer (a number, colour or cursor).
template <class Base, class V>
void apply(const RecordProps& p, std::string_view name, std::type_identity_t<Base>& item,
           void (Base::*set)(V)) {
  if (!p.has(name)) return;
  if constexpr (std::is_same_v<V, bool>)
    (item.*set)(p.boolean(name));
  else
    (item.*set)(static_cast<V>(p.integer(name)));
}

bool hasFont(const RecordProps& p) {
  for (std::string_view n :
       {"Font.Charset", "Font.Color", "Font.Height", "Font.Name", "Font.Style"})
    if (p.has(n)) return true;
  return false;
}

// A drawn item from its record: bounds, cursor and hint, which every visual item's record
// starts with; then what the item's own part applies; then the design flags and window name,
// which every one of the player's own drawn items ends with.
template <class Item, class Own>
std::unique_ptr<Item> build(const Record& record, Own&& own) {
  const RecordProps p(record);
  auto made = std::make_unique<Item>();
  Item& item = *made;
  apply(p, "Left", item, &ItemModel::setLeft);
  apply(p, "Top", item, &ItemModel::setTop);
  apply(p, "Width", item, &ItemModel::setWidth);
  apply(p, "Height", item, &ItemModel::setHeight);
  apply(p, "Cursor", item, &ItemModel::setCursor);
  if (p.has("Hint")) item.setHint(p.text("Hint"));
  apply(p, "ShowHint", item, &ItemModel::setShowHint);
  own(p, item);
  if (p.has("ParentName")) item.setParentName(p.text("ParentName"));
  apply(p, "EnabledCheck", item, &DesignFlags::setEnabledCheck);
  apply(p, "VisibleCheck", item, &DesignFlags::setVisibleCheck);
  item.setName(record.name);
  return made;
}

}  // namespace

std::unique_ptr<TBox> TBox::fromRecord(const Record& record) {
  return build<TBox>(record, [](const RecordProps& p, TBox& box) {
    using B = TBox;
    apply(p, "Color", box, &B::setColour);
    if (hasFont(p)) box.setFont(p.font(box.font()));
    apply(p, "ParentColor", box, &B::setParentColour);
    apply(p, "ParentFont", box, &B::setParentFont);
    if (p.has("Text")) box.setText(p.text("Text"));
    apply(p, "Angle", box, &B::setAngle);
    apply(p, "Filled", box, &B::setFilled);
    if (auto m = identIndex(p, "RepeatMode", {"rpNone", "rpVert", "rpHoriz", "rpBoth"}))
      box.setRepeatMode(static_cast<RepeatMode>(*m));
    if (auto t = identIndex(p, "ShapeType",
                            {"msRectangle", "msRoundRect", "msDiamond", "msEllipse", "msTriangle",
                             "msLine", "msText"}))
      box.setShapeType(static_cast<ShapeType>(*t));
    apply(p, "ShapeH", box, &B::setShapeH);
    apply(p, "ShapeW", box, &B::setShapeW);
    apply(p, "XSpacing", box, &B::setXSpacing);
    apply(p, "YSpacing", box, &B::setYSpacing);
    apply(p, "XMargin", box, &B::setXMargin);
    apply(p, "YMargin", box, &B::setYMargin);
    apply(p, "Border", box, &B::setBorder);
    apply(p, "BorderColor", box, &B::setBorderColour);
    apply(p, "BorderWidth", box, &B::setBorderWidth);
    apply(p, "Shadow", box, &B::setShadow);
    apply(p, "ShadowColor", box, &B::setShadowColour);
    apply(p, "ShadowX", box, &B::setShadowX);
    apply(p, "ShadowY", box, &B::setShadowY);
    if (p.has("Ivent2.Strings")) box.setIvent2(p.lines("Ivent2"));
    apply(p, "Borders", box, &B::setBorders);
    apply(p, "Shadows", box, &B::setShadows);
  });
}

std::unique_ptr<TLine> TLine::fromRecord(const Record& record) {
  return build<TLine>(record, [](const RecordProps& p, TLine& line) {
    if (auto s = identIndex(
            p, "Shape",
            {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine"}))
      line.setShape(static_cast<BevelShape>(*s));
    if (auto s = identIndex(p, "Style", {"bsLowered", "bsRaised"}))
      line.setStyle(static_cast<BevelStyle>(*s));
  });
}

std::unique_ptr<TNewWatch> TNewWatch::fromRecord(const Record& record) {
  return build<TNewWatch>(record, [](const RecordProps& p, TNewWatch& clock) {
    using C = TNewWatch;
    apply(p, "ClkArrowColor", clock, &C::setArrowColour);
    apply(p, "ClkFaceColor", clock, &C::setFaceColour);
    apply(p, "DifHour", clock, &C::setDifHour);
    apply(p, "DifMinute", clock, &C::setDifMinute);
    apply(p, "SecArrow", clock, &C::setSecArrow);
  });
}

std::unique_ptr<TNewProgress> TNewProgress::fromRecord(const Record& record) {
  return build<TNewProgress>(record, [](const RecordProps& p, TNewProgress& gauge) {
    using G = TNewProgress;
    // The record may carry the minimum first: no range check until the values are in.
    gauge.setLoading(true);
    apply(p, "Color", gauge, &G::setColour);
    if (auto k = identIndex(p, "Kind",
                            {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie", "gkNeedle"}))
      gauge.setKind(static_cast<GaugeKind>(*k));
    apply(p, "ShowText", gauge, &G::setShowText);
    if (hasFont(p)) gauge.setFont(p.font(gauge.font()));
    if (auto s = identIndex(p, "BorderStyle", {"bsNone", "bsSingle"})) gauge.setBorder(*s == 1);
    apply(p, "ForeColor", gauge, &G::setForeColour);
    apply(p, "BackColor", gauge, &G::setBackColour);
    apply(p, "MinValue", gauge, &G::setMinValue);
    apply(p, "MaxValue", gauge, &G::setMaxValue);
    apply(p, "ParentColor", gauge, &G::setParentColour);
    apply(p, "ParentFont", gauge, &G::setParentFont);
    apply(p, "Progress", gauge, &G::setProgress);
    gauge.setLoading(false);
  });
}

}  // namespace qav
