#include "qt/ControlViews.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "qt/Mapping.h"

namespace qav::qt {

// --- Label ---------------------------------------------------------------------------------

LabelView::LabelView(TNewLabel& model, QWidget* parent)
    : QLabel(parent), ItemView(model, this, QPalette::Window), label_(model) {
  setTextFormat(Qt::PlainText);
  refreshAll();
}

void LabelView::refresh(Attr what) {
  (void)what;
  setText(withoutAccelerators(label_.caption()));
  Qt::Alignment a = label_.alignment() == HAlign::Left    ? Qt::AlignLeft
                    : label_.alignment() == HAlign::Right ? Qt::AlignRight
                                                          : Qt::AlignHCenter;
  a |= label_.layout() == VAlign::Top      ? Qt::AlignTop
       : label_.layout() == VAlign::Bottom ? Qt::AlignBottom
                                           : Qt::AlignVCenter;
  setAlignment(a);
  setWordWrap(label_.wordWrap());
  setAutoFillBackground(!label_.transparent());
  if (label_.autoSize()) {
    // The label takes the size of its text; with word wrap only its height follows.
    const QFontMetrics fm(font());
    int w = label_.width(), h = label_.height();
    if (label_.wordWrap()) {
      h = fm.boundingRect(QRect(0, 0, std::max(1, w), 100000), Qt::TextWordWrap, text()).height();
    } else {
      const QRect r =
          fm.boundingRect(QRect(0, 0, 100000, 100000), 0, text().isEmpty() ? " " : text());
      w = text().isEmpty() ? 0 : r.width();
      h = r.height();
    }
    if (w != label_.width() || h != label_.height())
      label_.setBounds(label_.left(), label_.top(), w, h);
  }
}

void LabelView::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      !detached())
    deliverInput({UserActionKind::Click, &label_}, [this] { label_.userClick(); });
}

// --- Button --------------------------------------------------------------------------------

GlyphPlacement placeGlyph(QRect face, QSize glyph, QSize caption, GlyphLayout layout, int margin,
                          int spacing) {
  const bool horizontal = layout == GlyphLayout::Left || layout == GlyphLayout::Right;
  const int avail = horizontal ? face.width() : face.height();
  const int g = horizontal ? glyph.width() : glyph.height();
  const int t = horizontal ? caption.width() : caption.height();
  if (g == 0 || t == 0) spacing = 0;
  if (margin < 0) {
    if (spacing < 0) {
      spacing = (avail - g - t) / 3;
      margin = spacing;
    } else {
      margin = (avail - g - spacing - t) / 2;
    }
  } else if (spacing < 0) {
    spacing = (avail - margin - g - t) / 2;
  }
  // Along the layout axis: the glyph at the margin from its side, the caption after the spacing.
  int gAt = 0, tAt = 0;
  if (layout == GlyphLayout::Left || layout == GlyphLayout::Top) {
    gAt = margin;
    tAt = margin + g + spacing;
  } else {
    gAt = avail - margin - g;
    tAt = gAt - spacing - t;
  }
  // Across it, both centred.
  GlyphPlacement p;
  if (horizontal) {
    p.glyph = QRect(face.left() + gAt, face.top() + (face.height() - glyph.height()) / 2,
                    glyph.width(), glyph.height());
    p.caption = QRect(face.left() + tAt, face.top() + (face.height() - caption.height()) / 2,
                      caption.width(), caption.height());
  } else {
    p.glyph = QRect(face.left() + (face.width() - glyph.width()) / 2, face.top() + gAt,
                    glyph.width(), glyph.height());
    p.caption = QRect(face.left() + (face.width() - caption.width()) / 2, face.top() + tAt,
                      caption.width(), caption.height());
  }
  return p;
}

QPixmap glyphImage(const QPixmap& strip, int numGlyphs, int state) {
  if (strip.isNull()) return {};
  const int n = std::clamp(numGlyphs, 1, 4);
  const int w = strip.width() / n;
  if (w <= 0) return {};
  const int index = state < n ? state : 0;
  QPixmap image = strip.copy(index * w, 0, w, strip.height());
  const QImage img = image.toImage();
  if (!img.hasAlphaChannel()) {
    const QColor transparent = img.pixelColor(0, img.height() - 1);
    image.setMask(QBitmap::fromImage(img.createMaskFromColor(transparent.rgb(), Qt::MaskInColor)));
  }
  return image;
}

ButtonView::ButtonView(TNewButton& model, QWidget* parent)
    : QPushButton(parent), ItemView(model, this, QPalette::Button), button_(model) {
  connect(this, &QPushButton::clicked, this, [this] {
    if (!detached())
      deliverInput({UserActionKind::Click, &button_}, [this] { button_.userClick(); });
  });
  refreshAll();
}

void ButtonView::refresh(Attr what) {
  if (what == Attr::All || what == Attr::Picture) strip_ = toPixmap(button_.glyph());
  setText(qs(button_.caption()));
  update();
}

void ButtonView::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  option.icon = QIcon();
  p.drawControl(QStyle::CE_PushButtonBevel, option);

  const int state = !isEnabled() ? 1 : isDown() ? 2 : 0;
  const QPixmap glyph = glyphImage(strip_, button_.numGlyphs(), state);
  const QSize captionSize =
      caption.isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, caption);
  QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  if (isDown()) face.translate(1, 1);
  const GlyphPlacement at = placeGlyph(face, glyph.size(), captionSize, button_.layout(),
                                       button_.margin(), button_.spacing());
  if (!glyph.isNull()) p.drawPixmap(at.glyph.topLeft(), glyph);
  if (!caption.isEmpty())
    style()->drawItemText(&p, at.caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), caption, QPalette::ButtonText);
}

// --- Image ---------------------------------------------------------------------------------

ImageView::ImageView(TNewImage& model, QWidget* parent)
    : QWidget(parent), ItemView(model, this, QPalette::Window), image_(model) {
  refreshAll();
}

void ImageView::refresh(Attr what) {
  if (what == Attr::All || what == Attr::Picture) {
    picture_ = toPixmap(image_.picture());
    // A transparent bitmap leaves out the colour of its lower-left pixel.
    if (image_.transparent() && !picture_.isNull() && image_.picture().kind != "TIcon") {
      const QImage img = picture_.toImage();
      if (!img.hasAlphaChannel()) {
        const QRgb key = img.pixel(0, img.height() - 1);
        picture_.setMask(QBitmap::fromImage(img.createMaskFromColor(key, Qt::MaskInColor)));
      }
    }
  }
  if (image_.autoSize() && !picture_.isNull() &&
      (image_.width() != picture_.width() || image_.height() != picture_.height()))
    image_.setBounds(image_.left(), image_.top(), picture_.width(), picture_.height());
  update();
}

void ImageView::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  if (image_.stretch()) {
    p.drawPixmap(rect(), picture_);
  } else if (image_.center()) {
    p.drawPixmap((width() - picture_.width()) / 2, (height() - picture_.height()) / 2, picture_);
  } else {
    p.drawPixmap(0, 0, picture_);
  }
}

// --- Check box and radio button --------------------------------------------------------------

CheckBoxView::CheckBoxView(TNewCheckBox& model, QWidget* parent)
    : QCheckBox(parent), ItemView(model, this, QPalette::Window), box_(model) {
  refreshAll();
}

void CheckBoxView::refresh(Attr what) {
  (void)what;
  setText(qs(box_.caption()));
  setChecked(box_.checked());
  update();
  setAutoFillBackground(!box_.parentColour());
}

void CheckBoxView::paintEvent(QPaintEvent* event) {
  if (box_.side() != BoxSide::Right) return QCheckBox::paintEvent(event);
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  QStyleOptionButton box = option;
  box.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
  box.rect.moveRight(rect().right());
  box.rect.moveTop((height() - box.rect.height()) / 2);
  p.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);
  QStyleOptionButton caption = option;
  const int gap = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
  caption.rect = QRect(0, 0, std::max(0, box.rect.left() - gap), height());
  p.drawControl(QStyle::CE_CheckBoxLabel, caption);
}

bool CheckBoxView::hitButton(const QPoint& pos) const {
  return box_.side() == BoxSide::Right ? rect().contains(pos) : QCheckBox::hitButton(pos);
}

void CheckBoxView::nextCheckState() {
  if (!detached()) deliverInput({UserActionKind::Click, &box_}, [this] { box_.userClick(); });
  setChecked(box_.checked());
}

RadioButtonView::RadioButtonView(TNewRadioButton& model, QWidget* parent)
    : QRadioButton(parent), ItemView(model, this, QPalette::Window), radio_(model) {
  // Groups are the model's rule, not the widget's.
  setAutoExclusive(false);
  refreshAll();
}

void RadioButtonView::refresh(Attr what) {
  (void)what;
  setText(qs(radio_.caption()));
  setChecked(radio_.checked());
  setAutoFillBackground(!radio_.parentColour());
}

void RadioButtonView::nextCheckState() {
  if (!detached()) deliverInput({UserActionKind::Click, &radio_}, [this] { radio_.userClick(); });
  setChecked(radio_.checked());
}

}  // namespace qav::qt
