#pragma once
// Views of the drawn items: the box (multi-shape), the line, the clock and the gauge. They are
// windowless in spirit: no background of their own (except the opaque gauge), no keyboard
// focus, kept beneath the windowed controls of their window, and a left press and release
// inside one is a click reported to its model.
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "base/DateTime.h"
#include "items/graphic/Clock.h"
#include "items/graphic/Line.h"
#include "items/graphic/MultiShape.h"
#include "items/graphic/NewProgress.h"
#include "qt/ItemView.h"

namespace qav::qt {

class QtPlatform;

// Dynamic property that marks a view as windowless; windowless views stay beneath every sibling
// that is not, in the order they were made.
inline constexpr char kWindowlessProperty[] = "qavWindowless";

class DrawnView : public QWidget, public ItemView {
  Q_OBJECT
 public:
  DrawnView(DrawnItem& model, QWidget* parent);

 protected:
  // Drawn items repaint on any change; derived views add what they cache.
  void refresh(Attr what) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  // The palette or the style changed: system colours may have too.
  virtual void coloursChanged() { update(); }

 private:
  DrawnItem& drawn_;
};

class ShapeView : public DrawnView {
  Q_OBJECT
 public:
  ShapeView(TMultiShape& model, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TMultiShape& shape_;
};

class LineView : public DrawnView {
  Q_OBJECT
 public:
  LineView(TLine& model, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TLine& line_;
};

// The clock keeps its face in an image, composes face and hands in a second image on every
// redraw and puts that on screen in one operation. Its own one-second timer drives the model's
// tick; the hands are recomposed only when the tick says so.
class ClockView : public DrawnView {
  Q_OBJECT
 public:
  using Clock = std::function<text::DateTime()>;
  ClockView(TClock& model, QWidget* parent, Clock now);

  QTimer& timer() { return timer_; }
  // One timer tick, as the timer delivers it.
  void tick();
  // How often the hands were composed since the view was made.
  int compositions() const { return compositions_; }

 protected:
  void refresh(Attr what) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void coloursChanged() override;

 private:
  void buildFace();
  void composeHands(const text::DateTime& now);

  TClock& clock_;
  Clock now_;
  QTimer timer_;
  QRect area_;           // the part of the clock the images cover
  QImage face_, frame_;  // the face alone; face and hands
  bool fullPaint_ = true;
  int32_t composedDifHour_ = 0, composedDifMinute_ = 0;
  int compositions_ = 0;
};

// The gauge paints its whole rectangle from an off-screen image; the percentage is combined
// into it by exclusive-or, so it shows inverted over whatever lies beneath.
class GaugeView : public DrawnView {
  Q_OBJECT
 public:
  GaugeView(TGauge& model, QWidget* parent);

  // The gauge's picture of the part `area` of the item (item coordinates).
  QImage render(const QRect& area) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TGauge& gauge_;
};

}  // namespace qav::qt
