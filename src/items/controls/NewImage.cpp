#include "items/controls/NewImage.h"

#include "items/CommonRows.h"

namespace qav {
namespace {

const PropTable<TNewImage>& table() {
  using T = TNewImage;
  static const PropTable<T> t{
      rows::designPlaced<T>(),
      rows::truth<T>(prop::kAutoSize, &T::autoSize, &T::setAutoSize),
      rows::truth<T>(prop::kStretch, &T::stretch, &T::setStretch),
      rows::truth<T>(prop::kCentre, &T::center, &T::setCenter),
      rows::truth<T>(prop::kTransparent, &T::transparent, &T::setTransparent),
      rows::hint<T>(),
  };
  return t;
}

}  // namespace

TNewImage::TNewImage() : RecordControl("TNewImage", {}, 0) {}

const PropertyTable* TNewImage::propertyTable() const {
  return &table();
}

void TNewImage::setPicture(Picture p) {
  picture_ = std::move(p);
  notify(Attr::Picture);
}
void TNewImage::setAutoSize(bool v) {
  autoSize_ = v;
  notify(Attr::Bounds);
}
void TNewImage::setStretch(bool v) {
  stretch_ = v;
  notify(Attr::Picture);
}
void TNewImage::setCenter(bool v) {
  center_ = v;
  notify(Attr::Picture);
}
void TNewImage::setTransparent(bool v) {
  transparent_ = v;
  notify(Attr::Picture);
}

}  // namespace qav
