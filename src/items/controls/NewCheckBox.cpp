#include "items/controls/NewCheckBox.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {
namespace {

constexpr int32_t kBoxWidth = 100, kBoxHeight = 25;

}  // namespace

CheckControl::CheckControl(std::string className) : CaptionControl(std::move(className), {3}, 3) {
  setBounds(0, 0, kBoxWidth, kBoxHeight);
}

const PropertyTable* TNewCheckBox::propertyTable() const {
  using T = TNewCheckBox;
  static const PropTable<T> table{
      rows::text<T>(prop::kCaption, &T::caption, &T::setCaption),
      rows::designPlaced<T>(),
      rows::colourRow<T>(),
      rows::truth<T>(prop::kChecked, &T::checks, &T::writeChecks),
      rows::choice<T, BoxSide>(prop::kDirection,
                               {{words::kRight, BoxSide::Right}, {words::kLeft, BoxSide::Left}},
                               &T::side, &T::setSide),
      rows::truth<T>(prop::kOnly, &T::only, &T::setOnly),
      rows::number<T>(prop::kGroup, &T::group, &T::setGroup),
      rows::parents<T>(),
      rows::tabsAndHint<T>(),
  };
  return &table;
}

void TNewCheckBox::writeChecks(bool v) {
  checks_ = v;
  if (checked() == v) return;
  setChecked(v);
  fire();
}

void TNewCheckBox::userClick() {
  setChecked(!checked());
  fire();
}

void TNewRadioButton::userClick() {
  setChecked(true);
  fire();
}

}  // namespace qav
