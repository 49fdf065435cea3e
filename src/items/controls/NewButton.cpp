#include "items/controls/NewButton.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {
namespace {

const PropTable<TNewButton>& table() {
  using T = TNewButton;
  static const PropTable<T> t{
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
  return t;
}

}  // namespace

TNewButton::TNewButton() : RecordControl("TNewButton", {2}, 2) {}

const PropertyTable* TNewButton::propertyTable() const {
  return &table();
}

void TNewButton::setCaption(std::string c) {
  caption_ = std::move(c);
  notify(Attr::Caption);
}
void TNewButton::setGlyph(Picture p) {
  glyph_ = std::move(p);
  notify(Attr::Picture);
}
void TNewButton::setNumGlyphs(int32_t n) {
  numGlyphs_ = n;
  notify(Attr::Picture);
}
void TNewButton::setLayout(GlyphLayout l) {
  layout_ = l;
  notify(Attr::Style);
}
void TNewButton::setSpacing(int32_t v) {
  spacing_ = v;
  notify(Attr::Style);
}
void TNewButton::setMargin(int32_t v) {
  margin_ = v;
  notify(Attr::Style);
}

}  // namespace qav
