#include "items/controls/NewButton.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {

const PropertyTable* TNewButton::propertyTable() const {
  using T = TNewButton;
  static const PropTable<T> table{
      rows::text<T>(prop::kCaption, &T::caption, &T::setCaption),
      rows::designPlaced<T>(),
      rows::colourRow<T>(),
      rows::choice<T, GlyphLayout>(prop::kPictureLayout,
                                   {{words::kUp, GlyphLayout::Top},
                                    {words::kDown, GlyphLayout::Bottom},
                                    {words::kLeft, GlyphLayout::Left},
                                    {words::kRight, GlyphLayout::Right}},
                                   &T::layout, &T::setLayout),
      rows::number<T>(prop::kPictureMargin, &T::spacing, &T::setSpacing),
      rows::parentFont<T>(),
      rows::tabsAndHint<T>(),
  };
  return &table;
}

}  // namespace qav
