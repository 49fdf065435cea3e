#include "items/graphic/Line.h"

#include <array>

#include "lang/Words.h"

namespace qav {
namespace {

struct ShapeWord {
  std::string_view word;
  BevelShape shape;
};
// The four rules scripts can name; the box and frame outlines have no word.
constexpr std::array<ShapeWord, 4> kShapeWords = {{
    {words::kUp, BevelShape::bsTopLine},
    {words::kDown, BevelShape::bsBottomLine},
    {words::kLeft, BevelShape::bsLeftLine},
    {words::kRight, BevelShape::bsRightLine},
}};

}  // namespace

TLine::TLine() : DrawnItem("TLine") {
  setBounds(0, 0, 50, 50);
}

void TLine::setShape(BevelShape s) {
  if (s == shape_) return;
  shape_ = s;
  notify(Attr::Paint);
}

void TLine::setStyle(BevelStyle s) {
  if (s == style_) return;
  style_ = s;
  notify(Attr::Paint);
}

std::vector<graphic::Segment> TLine::strokes() const {
  return graphic::bevelStrokes(shape_, style_, width(), height());
}

const std::vector<DrawnItem::Row<TLine>>& TLine::rows() {
  static const std::vector<Row<TLine>> table = {
      existsRow<TLine>(),
      leftRow<TLine>(),
      topRow<TLine>(),
      widthRow<TLine>(),
      heightRow<TLine>(),
      cursorRow<TLine>(),
      {prop::kDirection,
       [](TLine& l, std::string_view v) {
         for (const ShapeWord& w : kShapeWords)
           if (w.word == v) l.setShape(w.shape);
       },
       [](const TLine& l, std::string& r) {
         for (const ShapeWord& w : kShapeWords)
           if (w.shape == l.shape()) r = w.word;
       }},
      {prop::kStyle,
       [](TLine& l, std::string_view v) {
         if (v == words::kLowered) l.setStyle(BevelStyle::bsLowered);
         if (v == words::kRaised) l.setStyle(BevelStyle::bsRaised);
       },
       [](const TLine& l, std::string& r) {
         r = l.style() == BevelStyle::bsLowered ? words::kLowered : words::kRaised;
       }},
      hintRow<TLine>(),
  };
  return table;
}

void TLine::SetItemProperty(std::string_view name, std::string_view value) {
  setByRows<TLine>(rows(), *this, name, value);
}

void TLine::GetItemProperty(std::string_view name, std::string& result) const {
  getByRows<TLine>(rows(), *this, name, result);
}

}  // namespace qav
