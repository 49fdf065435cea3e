#include "items/graphic/Box.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {

TBox::TBox() : TMultiShape("TBox") {
  setRepeatMode(RepeatMode::rpNone);
  setColour(0x00C0C0C0);
  setBorder(true);
  setBorderColour(0x00FFFFFF);
  setShadow(true);
  setShadowX(1);
  setShadowY(1);
  setHeight(65);
  setWidth(65);
}

void TBox::setBorders(int32_t n) {
  if (n < 0) return;
  borders_ = n;
  setBorderWidth(n);
  setBorder(n > 0);
}

void TBox::setShadows(int32_t n) {
  if (n < 0) return;
  shadows_ = n;
  setShadowX(n);
  setShadowY(n);
  setShadow(n > 0);
}

const PropertyTable* TBox::propertyTable() const {
  using T = TBox;
  static const PropTable<T> table{
      rows::designPlaced<T>(),
      rows::number<T>(prop::kAngle, &T::angle, &T::setAngle),
      rows::truth<T>(prop::kFilled, &T::filled, &T::setFilled),
      rows::colour<T>(prop::kColour, &T::colour, &T::setColour),
      rows::colour<T>(prop::kBorderColour, &T::borderColour, &T::setBorderColour),
      rows::number<T>(prop::kBorderWidth, &T::borders, &T::setBorders),
      rows::colour<T>(prop::kShadowColour, &T::shadowColour, &T::setShadowColour),
      rows::number<T>(prop::kShadowWidth, &T::shadows, &T::setShadows),
      // The figures scripts can name; the line and text figures have no word.
      rows::choice<T, ShapeType>(prop::kStyle,
                                 {{words::kDiamond, ShapeType::msDiamond},
                                  {words::kCircle, ShapeType::msEllipse},
                                  {words::kRectangle, ShapeType::msRectangle},
                                  {words::kRoundRect, ShapeType::msRoundRect},
                                  {words::kTriangle, ShapeType::msTriangle}},
                                 &T::shapeType, &T::setShapeType),
      rows::hint<T>(),
  };
  return &table;
}

}  // namespace qav
