#include "items/graphic/Box.h"

#include <array>

#include "lang/Words.h"

namespace qav {
namespace {

struct ShapeWord {
  std::string_view word;
  ShapeType type;
};
// The figures scripts can name; the line and text figures have no word.
constexpr std::array<ShapeWord, 5> kShapeWords = {{
    {words::kDiamond, ShapeType::msDiamond},
    {words::kCircle, ShapeType::msEllipse},
    {words::kRectangle, ShapeType::msRectangle},
    {words::kRoundRect, ShapeType::msRoundRect},
    {words::kTriangle, ShapeType::msTriangle},
}};

}  // namespace

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

const std::vector<DrawnItem::Row<TBox>>& TBox::rows() {
  using R = Row<TBox>;
  static const std::vector<R> table = {
      accessRow<TBox>(),
      existsRow<TBox>(),
      leftRow<TBox>(),
      topRow<TBox>(),
      widthRow<TBox>(),
      heightRow<TBox>(),
      cursorRow<TBox>(),
      {prop::kAngle, [](TBox& b, std::string_view v) { b.setAngle(TextToNumber(v)); },
       [](const TBox& b, std::string& r) { r = text::decimal(b.angle()); }},
      {prop::kFilled, [](TBox& b, std::string_view v) { b.setFilled(WordToTruth(v)); },
       [](const TBox& b, std::string& r) { r = TruthToWord(b.filled()); }},
      {prop::kColour, [](TBox& b, std::string_view v) { b.setColour(WordToColour(v)); },
       [](const TBox& b, std::string& r) { ColourToWord(b.colour(), r); }},
      {prop::kBorderColour, [](TBox& b, std::string_view v) { b.setBorderColour(WordToColour(v)); },
       [](const TBox& b, std::string& r) { ColourToWord(b.borderColour(), r); }},
      {prop::kBorderWidth, [](TBox& b, std::string_view v) { b.setBorders(TextToNumber(v)); },
       [](const TBox& b, std::string& r) { r = text::decimal(b.borders()); }},
      {prop::kShadowColour, [](TBox& b, std::string_view v) { b.setShadowColour(WordToColour(v)); },
       [](const TBox& b, std::string& r) { ColourToWord(b.shadowColour(), r); }},
      {prop::kShadowWidth, [](TBox& b, std::string_view v) { b.setShadows(TextToNumber(v)); },
       [](const TBox& b, std::string& r) { r = text::decimal(b.shadows()); }},
      {prop::kStyle,
       [](TBox& b, std::string_view v) {
         for (const ShapeWord& w : kShapeWords)
           if (w.word == v) b.setShapeType(w.type);
       },
       [](const TBox& b, std::string& r) {
         for (const ShapeWord& w : kShapeWords)
           if (w.type == b.shapeType()) r = w.word;
       }},
      hintRow<TBox>(),
  };
  return table;
}

void TBox::SetItemProperty(std::string_view name, std::string_view value) {
  setByRows<TBox>(rows(), *this, name, value);
}

void TBox::GetItemProperty(std::string_view name, std::string& result) const {
  getByRows<TBox>(rows(), *this, name, result);
}

}  // namespace qav
