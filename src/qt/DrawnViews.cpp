#include "qt/DrawnViews.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "qt/Canvas.h"
#include "qt/QtPlatform.h"

namespace qav::qt {

namespace {

std::optional<MouseButton> buttonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

}  // namespace

DrawnView::DrawnView(DrawnItem& model, QWidget* parent)
    : QWidget(parent), ItemView(model, this, QPalette::Window), drawn_(model) {
  setProperty(kWindowlessProperty, true);
  setFocusPolicy(Qt::NoFocus);
  // Beneath the first windowed sibling: above the drawn items made before, below every control.
  if (parent) {
    for (QObject* o : parent->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (!w || w == this || w->isWindow() || w->property(kWindowlessProperty).toBool()) continue;
      stackUnder(w);
      break;
    }
  }
}

void DrawnView::refresh(Attr what) {
  if (what == Attr::Style || what == Attr::All) setFocusPolicy(Qt::NoFocus);
  update();
}

void DrawnView::mousePressEvent(QMouseEvent* event) {
  if (auto b = buttonOf(event->button()); b && !detached()) {
    const QPoint p = event->position().toPoint();
    drawn_.mouseDown(*b, p.x(), p.y());
  }
  event->accept();
}

void DrawnView::mouseReleaseEvent(QMouseEvent* event) {
  if (auto b = buttonOf(event->button()); b && !detached()) {
    const QPoint p = event->position().toPoint();
    drawn_.mouseUp(*b, p.x(), p.y());
  }
  event->accept();
}

void DrawnView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
    coloursChanged();
  QWidget::changeEvent(event);
}

LineView::LineView(TLine& model, QWidget* parent) : DrawnView(model, parent), line_(model) {
  refreshAll();
}

void LineView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  Canvas canvas(p, event->rect(), QApplication::palette());
  canvas.strokes(line_.strokes());
}

}  // namespace qav::qt
