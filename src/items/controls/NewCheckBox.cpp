#include "items/controls/NewCheckBox.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {
namespace {

constexpr int32_t kBoxWidth = 100, kBoxHeight = 25;

const PropTable<TNewCheckBox>& table() {
  using T = TNewCheckBox;
  static const PropTable<T> t{
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
  return t;
}

}  // namespace

TNewCheckBox::TNewCheckBox() : RecordControl("TNewCheckBox", {3}, 3) {
  setBounds(0, 0, kBoxWidth, kBoxHeight);
}

const PropertyTable* TNewCheckBox::propertyTable() const {
  return &table();
}

void TNewCheckBox::setCaption(std::string c) {
  caption_ = std::move(c);
  notify(Attr::Caption);
}

void TNewCheckBox::writeChecks(bool v) {
  checks_ = v;
  if (checked_ == v) return;
  setChecked(v);
  fire();
}

void TNewCheckBox::setChecked(bool v) {
  if (checked_ == v) return;
  checked_ = v;
  notify(Attr::Checked);
}

void TNewCheckBox::userClick() {
  setChecked(!checked_);
  fire();
}

void TNewCheckBox::setSide(BoxSide s) {
  side_ = s;
  notify(Attr::Style);
}

TNewRadioButton::TNewRadioButton() : RecordControl("TNewRadioButton", {3}, 3) {
  setBounds(0, 0, kBoxWidth, kBoxHeight);
}

void TNewRadioButton::setCaption(std::string c) {
  caption_ = std::move(c);
  notify(Attr::Caption);
}

void TNewRadioButton::setChecked(bool v) {
  if (checked_ == v) return;
  checked_ = v;
  notify(Attr::Checked);
}

void TNewRadioButton::userClick() {
  setChecked(true);
  fire();
}

}  // namespace qav
