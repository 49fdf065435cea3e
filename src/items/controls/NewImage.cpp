#include "items/controls/NewImage.h"

#include "items/CommonRows.h"

namespace qav {

const PropertyTable* TNewImage::propertyTable() const {
  using T = TNewImage;
  static const PropTable<T> table{
      rows::designPlaced<T>(),
      rows::truth<T>(prop::kAutoSize, &T::autoSize, &T::setAutoSize),
      rows::truth<T>(prop::kStretch, &T::stretch, &T::setStretch),
      rows::truth<T>(prop::kCentre, &T::center, &T::setCenter),
      rows::truth<T>(prop::kTransparent, &T::transparent, &T::setTransparent),
      rows::hint<T>(),
  };
  return &table;
}

}  // namespace qav
