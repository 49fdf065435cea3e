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

  const std::string& text() const { return text_; }
  int32_t angle() const { return angle_; }
  bool filled() const { return filled_; }
  RepeatMode repeatMode() const { return repeatMode_; }
  ShapeType shapeType() const { return shapeType_; }
  int32_t shapeW() const { return shapeW_; }
  int32_t shapeH() const { return shapeH_; }
  int32_t xSpacing() const { return xSpacing_; }
  int32_t ySpacing() const { return ySpacing_; }
  int32_t xMargin() const { return xMargin_; }
  int32_t yMargin() const { return yMargin_; }
  bool border() const { return border_; }
  uint32_t borderColour() const { return borderColour_; }
  int32_t borderWidth() const { return borderWidth_; }
  bool shadow() const { return shadow_; }
  uint32_t shadowColour() const { return shadowColour_; }
  int32_t shadowX() const { return shadowX_; }
  int32_t shadowY() const { return shadowY_; }
  bool fit() const { return fit_; }

  // Each setter stores only a different value, keeps the fit rules and asks for a repaint.
  void setText(std::string t) { change(text_, std::move(t), Attr::Paint); }
  void setAngle(int32_t v);  // normalised into -179..180, snapped for triangles and lines
  void setFilled(bool v) { change(filled_, v, Attr::Paint); }
  void setRepeatMode(RepeatMode m);
  void setShapeType(ShapeType t) { change(shapeType_, t, Attr::Paint); }
  void setShapeW(int32_t v) { changeFigure(shapeW_, v); }
  void setShapeH(int32_t v) { changeFigure(shapeH_, v); }
  void setXSpacing(int32_t v) { change(xSpacing_, v, Attr::Paint); }
  void setYSpacing(int32_t v) { change(ySpacing_, v, Attr::Paint); }
  void setXMargin(int32_t v) { changeFigure(xMargin_, v); }
  void setYMargin(int32_t v) { changeFigure(yMargin_, v); }
  void setBorder(bool v) { change(border_, v, Attr::Paint); }
  void setBorderColour(uint32_t c) { change(borderColour_, c, Attr::Paint); }
  void setBorderWidth(int32_t v) { change(borderWidth_, v, Attr::Paint); }
  void setShadow(bool v) { changeFigure(shadow_, v); }
  void setShadowColour(uint32_t c) { change(shadowColour_, c, Attr::Paint); }
  void setShadowX(int32_t v) { changeFigure(shadowX_, v); }
  void setShadowY(int32_t v) { changeFigure(shadowY_, v); }

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

  std::string text_;
  int32_t angle_ = 0;
  bool filled_ = true;
  RepeatMode repeatMode_ = RepeatMode::rpBoth;
  ShapeType shapeType_ = ShapeType::msRectangle;
  int32_t shapeW_ = 10, shapeH_ = 10;
  int32_t xSpacing_ = 20, ySpacing_ = 20, xMargin_ = 0, yMargin_ = 0;
  bool border_ = false;
  uint32_t borderColour_ = 0x00000000;
  int32_t borderWidth_ = 1;
  bool shadow_ = false;
  uint32_t shadowColour_ = 0x00808080;
  int32_t shadowX_ = 2, shadowY_ = 2;
  bool fit_ = false;
};

}  // namespace qav
