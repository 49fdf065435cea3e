#include "items/controls/NewLabel.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {
namespace {

const PropTable<TNewLabel>& table() {
  using T = TNewLabel;
  static const PropTable<T> t{
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
  return t;
}

}  // namespace

TNewLabel::TNewLabel() : RecordControl("TNewLabel", {2}, 2) {}

const PropertyTable* TNewLabel::propertyTable() const {
  return &table();
}

void TNewLabel::setCaption(std::string c) {
  caption_ = std::move(c);
  notify(Attr::Caption);
}
void TNewLabel::setAlignment(HAlign a) {
  alignment_ = a;
  notify(Attr::Style);
}
void TNewLabel::setLayout(VAlign l) {
  layout_ = l;
  notify(Attr::Style);
}
void TNewLabel::setAutoSize(bool v) {
  autoSize_ = v;
  notify(Attr::Bounds);
}
void TNewLabel::setTransparent(bool v) {
  transparent_ = v;
  notify(Attr::Colour);
}
void TNewLabel::setWordWrap(bool v) {
  wordWrap_ = v;
  notify(Attr::Style);
}

}  // namespace qav
