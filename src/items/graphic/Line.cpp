#include "items/graphic/Line.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {

const PropertyTable* TLine::propertyTable() const {
  using T = TLine;
  static const PropTable<T> table{
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
  return &table;
}

std::vector<graphic::Segment> TLine::strokes() const {
  return graphic::bevelStrokes(shape_, style_, width(), height());
}

}  // namespace qav
