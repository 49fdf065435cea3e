#include "items/graphic/MultiShape.h"

#include "items/graphic/Rounding.h"

namespace qav {

using graphic::add;
using graphic::clamp64;

TMultiShape::TMultiShape(std::string className) : DrawnItem(std::move(className)) {
  setParentColour(false);
  setColour(0x00800000);
  setBounds(0, 0, 30, 30);
}

void TMultiShape::setAngle(int32_t v) {
  if (v == look_.angle) return;
  look_.angle = graphic::normaliseAngle(v, look_.type);
  notify(Attr::Paint);
}

void TMultiShape::setRepeatMode(RepeatMode m) {
  if (m == repeatMode_) return;
  repeatMode_ = m;
  const bool wasFitting = fit_;
  fit_ = m == RepeatMode::rpNone;
  if (fit_ && !wasFitting) {
    // Switching fitting on takes the figure from the item, without the shadow.
    look_.shapeW = add(width(), -2 * int64_t{xMargin_});
    look_.shapeH = add(height(), -2 * int64_t{yMargin_});
  }
  notify(Attr::Paint);
}

void TMultiShape::fitItemToFigure() {
  if (!fit_) return;
  const int64_t w = 2 * int64_t{xMargin_} + look_.shapeW + (look_.shadow ? look_.shadowX : 0);
  const int64_t h = 2 * int64_t{yMargin_} + look_.shapeH + (look_.shadow ? look_.shadowY : 0);
  setBounds(left(), top(), clamp64(w), clamp64(h));
}

void TMultiShape::setColour(uint32_t c) {
  if (c == colour() && c == font().colour) return;
  if (c != colour()) ItemModel::setColour(c);
  if (font().colour != c) {
    // The font follows the colour; that is no font of the item's own, so the parent-font
    // switch stays as it is.
    Font f = font();
    f.colour = c;
    const bool inherit = parentFont();
    ItemModel::setFont(f);
    if (inherit) ItemModel::setParentFont(true);
  }
  notify(Attr::Paint);
}

void TMultiShape::setFont(const Font& f) {
  if (f == font() && f.colour == colour()) return;
  ItemModel::setFont(f);
  if (colour() != f.colour) ItemModel::setColour(f.colour);
  notify(Attr::Paint);
}

void TMultiShape::setBounds(int32_t l, int32_t t, int32_t w, int32_t h) {
  if (l == left() && t == top() && w == width() && h == height()) return;
  ItemModel::setBounds(l, t, w, h);
  if (fit_) {
    look_.shapeW = add(w, -2 * int64_t{xMargin_} - (look_.shadow ? look_.shadowX : 0));
    look_.shapeH = add(h, -2 * int64_t{yMargin_} - (look_.shadow ? look_.shadowY : 0));
  }
  notify(Attr::Paint);
}

graphic::ShapeStyle TMultiShape::style() const {
  graphic::ShapeStyle s = look_;
  s.colour = colour();
  return s;
}

graphic::ShapeGrid TMultiShape::grid() const {
  return graphic::shapeGrid(repeatMode_, width(), height(), xSpacing_, ySpacing_, xMargin_,
                            yMargin_);
}

}  // namespace qav
