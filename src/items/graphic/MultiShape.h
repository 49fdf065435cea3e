#pragma once
// The multi-shape: one figure, or a grid of repeated copies of it, with outline, shadow and
// rotation. While the fit flag is on (no repetition) the figure fills the item and the item
// follows the figure.
#include <cstdint>
#include <string>

#include "items/graphic/DrawnItem.h"
#include "items/graphic/ShapeGeometry.h"

namespace qav {

using graphic::RepeatMode;
using graphic::ShapeType;

class TMultiShape : public DrawnItem {
 public:
  explicit TMultiShape(std::string className = "TMultiShape");

  const std::string& text() const { return look_.text; }
  int32_t angle() const { return look_.angle; }
  bool filled() const { return look_.filled; }
  RepeatMode repeatMode() const { return repeatMode_; }
  ShapeType shapeType() const { return look_.type; }
  int32_t shapeW() const { return look_.shapeW; }
  int32_t shapeH() const { return look_.shapeH; }
  int32_t xSpacing() const { return xSpacing_; }
  int32_t ySpacing() const { return ySpacing_; }
  int32_t xMargin() const { return xMargin_; }
  int32_t yMargin() const { return yMargin_; }
  bool border() const { return look_.border; }
  uint32_t borderColour() const { return look_.borderColour; }
  int32_t borderWidth() const { return look_.borderWidth; }
  bool shadow() const { return look_.shadow; }
  uint32_t shadowColour() const { return look_.shadowColour; }
  int32_t shadowX() const { return look_.shadowX; }
  int32_t shadowY() const { return look_.shadowY; }
  bool fit() const { return fit_; }

  // Each setter stores only a different value, keeps the fit rules and asks for a repaint.
  void setText(std::string t) { change(look_.text, std::move(t), Attr::Paint); }
  void setAngle(int32_t v);  // normalised into -179..180, snapped for triangles and lines
  void setFilled(bool v) { change(look_.filled, v, Attr::Paint); }
  void setRepeatMode(RepeatMode m);
  void setShapeType(ShapeType t) { change(look_.type, t, Attr::Paint); }
  void setShapeW(int32_t v) { changeFigure(look_.shapeW, v); }
  void setShapeH(int32_t v) { changeFigure(look_.shapeH, v); }
  void setXSpacing(int32_t v) { change(xSpacing_, v, Attr::Paint); }
  void setYSpacing(int32_t v) { change(ySpacing_, v, Attr::Paint); }
  void setXMargin(int32_t v) { changeFigure(xMargin_, v); }
  void setYMargin(int32_t v) { changeFigure(yMargin_, v); }
  void setBorder(bool v) { change(look_.border, v, Attr::Paint); }
  void setBorderColour(uint32_t c) { change(look_.borderColour, c, Attr::Paint); }
  void setBorderWidth(int32_t v) { change(look_.borderWidth, v, Attr::Paint); }
  void setShadow(bool v) { changeFigure(look_.shadow, v); }
  void setShadowColour(uint32_t c) { change(look_.shadowColour, c, Attr::Paint); }
  void setShadowX(int32_t v) { changeFigure(look_.shadowX, v); }
  void setShadowY(int32_t v) { changeFigure(look_.shadowY, v); }

  // The fill colour and the font colour follow each other.
  void setColour(uint32_t c) override;
  void setFont(const Font& f) override;
  void setBounds(int32_t l, int32_t t, int32_t w, int32_t h) override;

  // What the painter draws: the figure's look (text extent still to be measured) and where
  // the figures go.
  graphic::ShapeStyle style() const;
  graphic::ShapeGrid grid() const;

 private:
  // Item size from the figure, while fitting.
  void fitItemToFigure();
  // Stores a different value of what the figure's extent depends on, fits the item to the
  // figure and asks for a repaint.
  template <class T>
  void changeFigure(T& field, T value) {
    if (field == value) return;
    field = value;
    fitItemToFigure();
    notify(Attr::Paint);
  }

  // The figure's look; its colour is the item's.
  graphic::ShapeStyle look_;
  RepeatMode repeatMode_ = RepeatMode::rpBoth;
  int32_t xSpacing_ = 20, ySpacing_ = 20, xMargin_ = 0, yMargin_ = 0;
  bool fit_ = false;
};

}  // namespace qav
