#pragma once
// Views of the label, the bitmap button, the image, the check box and the radio button.
#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "items/controls/NewButton.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/NewImage.h"
#include "items/controls/NewLabel.h"
#include "qt/ItemView.h"

namespace qav::qt {

class LabelView : public QLabel, public ItemView {
  Q_OBJECT
 public:
  LabelView(TNewLabel& model, QWidget* parent);

 protected:
  void refresh(Attr what) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TNewLabel& label_;
};

// Where the glyph and the caption of a button go inside its face.
struct GlyphPlacement {
  QRect glyph, caption;
};
GlyphPlacement placeGlyph(QRect face, QSize glyph, QSize caption, GlyphLayout layout, int margin,
                          int spacing);

// The image of a glyph strip for a button state: 0 up, 1 disabled, 2 pressed; the lower-left
// pixel's colour is transparent.
QPixmap glyphImage(const QPixmap& strip, int numGlyphs, int state);

class ButtonView : public QPushButton, public ItemView {
  Q_OBJECT
 public:
  ButtonView(TNewButton& model, QWidget* parent);

 protected:
  void refresh(Attr what) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TNewButton& button_;
  QPixmap strip_;
};

class ImageView : public QWidget, public ItemView {
  Q_OBJECT
 public:
  ImageView(TNewImage& model, QWidget* parent);
  const QPixmap& picture() const { return picture_; }

 protected:
  void refresh(Attr what) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TNewImage& image_;
  QPixmap picture_;
};

class CheckBoxView : public QCheckBox, public ItemView {
  Q_OBJECT
 public:
  CheckBoxView(TNewCheckBox& model, QWidget* parent);

 protected:
  void refresh(Attr what) override;
  // A click is the model's business: it toggles the mark and reports the click.
  void nextCheckState() override;
  // With the box on the right the caption still starts at the left edge.
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  TNewCheckBox& box_;
};

class RadioButtonView : public QRadioButton, public ItemView {
  Q_OBJECT
 public:
  RadioButtonView(TNewRadioButton& model, QWidget* parent);

 protected:
  void refresh(Attr what) override;
  void nextCheckState() override;

 private:
  TNewRadioButton& radio_;
};

}  // namespace qav::qt
