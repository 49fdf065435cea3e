#include "items/graphic/Line.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {
namespace {

const PropTable<TLine>& table() {
  using T = TLine;
  static const PropTable<T> t{
      rows::designExists<T>(),
      rows::geometry<T>(),
      rows::cursorRow<T>(),
      // The four rules scripts can name; the box and frame outlines have no word.
      rows::choice<T, BevelShape>(prop::kDirection,
                                  {{words::kUp, BevelShape::bsTopLine},
                                   {words::kDown, BevelShape::bsBottomLine},
                                   {words::kLeft, BevelShape::bsLeftLine},
                                   {words::kRight, BevelShape::bsRightLine}},
                                  &T::shape, &T::setShape),
      rows::choice<T, BevelStyle>(
          prop::kStyle,
          {{words::kLowered, BevelStyle::bsLowered}, {words::kRaised, BevelStyle::bsRaised}},
          &T::style, &T::setStyle),
      rows::hint<T>(),
  };
  return t;
}

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

const PropertyTable* TLine::propertyTable() const {
  return &table();
}

}  // namespace qav
