#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include "qt/Canvas.h"
#include "qt/DrawnViews.h"

namespace qav::qt {

ClockView::ClockView(TClock& model, QWidget* parent, Clock now)
    : DrawnView(model, parent), clock_(model), now_(std::move(now)) {
  timer_.setInterval(1000);
  // A second's resolution is all the clock shows; a coarse timer lets the system batch wake-ups.
  timer_.setTimerType(Qt::CoarseTimer);
  connect(&timer_, &QTimer::timeout, this, &ClockView::tick);
  refreshAll();
}

void ClockView::refresh(Attr what) {
  switch (what) {
    case Attr::Enabled:
      break;
    case Attr::Paint:
      // A new hour or minute offset only moves the hands; anything else repaints the face.
      if (clock_.difHour() != composedDifHour_ || clock_.difMinute() != composedDifMinute_) {
        if (!fullPaint_ && !frame_.isNull()) {
          composeHands(now_());
          update(area_);
        }
        return;
      }
      fullPaint_ = true;
      update();
      return;
    default:
      fullPaint_ = true;
      update();
      break;
  }
  // A disabled clock ignores its timer, so it need not run at all.
  if (clock_.enabled()) {
    if (!timer_.isActive()) timer_.start();
  } else {
    timer_.stop();
  }
}

void ClockView::coloursChanged() {
  fullPaint_ = true;
  update();
}

void ClockView::showEvent(QShowEvent* event) {
  fullPaint_ = true;
  DrawnView::showEvent(event);
}

void ClockView::tick() {
  if (detached()) return;
  const text::DateTime now = now_();
  if (!clock_.tick(now)) return;
  // Nothing to compose while the clock cannot be seen; the next paint draws it whole.
  if (!isVisible()) fullPaint_ = true;
  if (fullPaint_ || frame_.isNull()) return;
  composeHands(now);
  update(area_);
}

void ClockView::buildFace() {
  area_ = visibleArea(*this);
  if (area_.isEmpty()) {
    face_ = QImage();
    return;
  }
  face_ = QImage(area_.size(), QImage::Format_RGB32);
  QPainter p(&face_);
  p.translate(-area_.topLeft());
  Canvas canvas(p, area_, QApplication::palette());
  const graphic::ClockFace face = clock_.face();
  canvas.fill({0, 0, clock_.width(), clock_.height()}, canvas.colour(clock_.faceColour()));
  canvas.strokes(face.markFrames);
}

void ClockView::composeHands(const text::DateTime& now) {
  composedDifHour_ = clock_.difHour();
  composedDifMinute_ = clock_.difMinute();
  ++compositions_;
  if (face_.isNull()) {
    frame_ = QImage();
    return;
  }
  frame_ = face_.copy();
  QPainter p(&frame_);
  p.translate(-area_.topLeft());
  Canvas canvas(p, area_, QApplication::palette());
  const QColor pen = canvas.colour(clock_.arrowColour());
  for (const graphic::ClockHand& hand : clock_.hands(now))
    canvas.line(hand.from, hand.to, pen, hand.penWidth);
}

void ClockView::paintEvent(QPaintEvent* event) {
  (void)event;
  if (detached()) return;
  if (fullPaint_ || visibleArea(*this) != area_) {
    // A whole paint: the face afresh, then the hands; the next tick counts from here.
    buildFace();
    clock_.painted();
    composeHands(now_());
    fullPaint_ = false;
  }
  if (frame_.isNull()) return;
  QPainter p(this);
  p.drawImage(area_.topLeft(), frame_);
}

}  // namespace qav::qt
