#include "items/controls/NewLabel.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {

const PropertyTable* TNewLabel::propertyTable() const {
  using T = TNewLabel;
  static const PropTable<T> table{
      rows::text<T>(prop::kCaption, &T::caption, &T::setCaption),
      rows::designFlags<T>(),
      rows::geometry<T>(),
      rows::choice<T, HAlign>(prop::kHorizontalAlign,
                              {{words::kAlignLeft, HAlign::Left},
                               {words::kAlignRight, HAlign::Right},
                               {words::kAlignCentre, HAlign::Centre}},
                              &T::alignment, &T::setAlignment),
      rows::choice<T, VAlign>(prop::kVerticalAlign,
                              {{words::kAlignTop, VAlign::Top},
                               {words::kAlignBottom, VAlign::Bottom},
                               {words::kAlignCentre, VAlign::Centre}},
                              &T::layout, &T::setLayout),
      rows::truth<T>(prop::kAutoSize, &T::autoSize, &T::setAutoSize),
      rows::cursorRow<T>(),
      rows::colourRow<T>(),
      rows::parents<T>(),
      rows::truth<T>(prop::kTransparent, &T::transparent, &T::setTransparent),
      rows::hint<T>(),
  };
  return &table;
}

}  // namespace qav
