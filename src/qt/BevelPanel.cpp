#include "qt/BevelPanel.h"

#include <QPainter>

namespace qav::qt {

namespace {

// Draws width nested rectangles' edges inside r and returns the rectangle left inside them.
QRect frame3D(QPainter& p, QRect r, Bevel bevel, int width, const QPalette& pal) {
  if (bevel == Bevel::None) return r;
  const QColor light = pal.color(QPalette::Light);
  const QColor dark = pal.color(QPalette::Dark);
  const QColor topLeft = bevel == Bevel::Raised ? light : dark;
  const QColor bottomRight = bevel == Bevel::Raised ? dark : light;
  for (int i = 0; i < width && r.width() > 1 && r.height() > 1; ++i) {
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(bottomRight);
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    r.adjust(1, 1, -1, -1);
  }
  return r;
}

}  // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) {
  background_ = palette().color(QPalette::Button);
  captionColour_ = palette().color(QPalette::ButtonText);
}

void BevelPanel::setBevels(Bevel outer, Bevel inner, int width) {
  outer_ = outer;
  inner_ = inner;
  bevelWidth_ = std::max(0, width);
  update();
}

void BevelPanel::setBackground(const QColor& c) {
  background_ = c;
  update();
}

void BevelPanel::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void BevelPanel::setCaptionColour(const QColor& c) {
  captionColour_ = c;
  update();
}

int BevelPanel::frameWidth() const {
  return ((outer_ != Bevel::None) + (inner_ != Bevel::None)) * bevelWidth_;
}

void BevelPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background_);
  QRect r = frame3D(p, rect(), outer_, bevelWidth_, palette());
  r = frame3D(p, r, inner_, bevelWidth_, palette());
  if (!caption_.isEmpty()) {
    p.setPen(captionColour_);
    p.setFont(font());
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, caption_);
  }
}

}  // namespace qav::qt
