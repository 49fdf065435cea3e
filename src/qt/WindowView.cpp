#include "qt/WindowView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QWindow>

#include "qt/Dialogs.h"
#include "qt/ItemView.h"
#include "qt/Mapping.h"

namespace qav::qt {

namespace {

// The top-left corner that centres a window of the given size on the screen.
QPoint centredOn(const QWidget* w, QSize size) {
  const QRect area = availableArea(w);
  if (area.isEmpty()) return {0, 0};
  return area.center() - QPoint(size.width() / 2, size.height() / 2);
}

}  // namespace

WindowView::WindowView(WindowModel& model, PageAreaLookup pageAreas)
    : QWidget(nullptr, Qt::Window),
      WindowMirror(model, this, this),
      pageAreas_(std::move(pageAreas)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setObjectName(qs(model.name()));
  model_.setObserver(this);
  applyAll();
}

// Top-level, or inside the page area of the page control that hosts the window.
void WindowView::applyFrame() {
  QWidget* area = (model_.pageHost() && pageAreas_) ? pageAreas_(model_.pageHost()) : nullptr;
  // A page control on this very window (or inside it) cannot hold it: the window stays apart.
  if (area && (area == this || isAncestorOf(area))) area = nullptr;
  const bool wasVisible = isVisible();
  const bool leavesPage = embeddedIn_ && !area;
  if (area) {
    if (embeddedIn_ != area || parentWidget() != area) {
      setParent(area, Qt::Widget);
      embeddedIn_ = area;
    }
  } else {
    Qt::WindowFlags flags = windowFlagsFor(model_);
    if (embeddedIn_ || parentWidget() || windowFlags() != flags) {
      setParent(nullptr, flags);
      embeddedIn_ = nullptr;
    }
  }
  // Changing the parent or the flags hides a widget; the model decides whether it is shown.
  // A window taken out of a page stays hidden until it is shown on its own.
  if (wasVisible != isVisible() && !leavesPage) setVisible(model_.visible());
}

void WindowView::applyBounds() {
  const QRect bounds = fitToScreen(
      scaledRect(
          boundedRect(model_.left(), model_.top(), model_.width(), model_.height(), kMaxWindowSide),
          autoScaleOf(&model_), false),
      availableArea(this));
  if (embeddedIn_) {
    setGeometry(QRect(QPoint(0, 0), bounds.size()));
    return;
  }
  // The designed rectangle is the window's outer bounds: the client area is what the frame
  // leaves inside it. A centred window is centred when it first appears; later moves by
  // scripts are kept.
  const QMargins frame = frameMargins();
  const QSize size = bounds.size().shrunkBy(frame).expandedTo(QSize(0, 0));
  const QPoint at =
      model_.centred() && !shownOnce_ ? centredOn(this, bounds.size()) : bounds.topLeft();
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  resize(size);
  move(at);
  if (fixedBorder(model_.borderStyle())) setFixedSize(size);
}

void WindowView::modelChanged(Attr what) {
  WindowMirror::modelChanged(what);
  // Changing the parent or the flags hides a widget; the model decides whether it is shown.
  if (!detached_ && (what == Attr::Style || what == Attr::Parent) && isVisible())
    setVisible(model_.visible());
}

bool WindowView::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  afterEvent(*event);
  return handled;
}

void WindowView::closeEvent(QCloseEvent* event) {
  // A plain window is hidden when closed; it can be shown again. The user's close goes
  // through the runtime, which closes the window through the platform.
  if (!closingByProgram_ && !detached_) {
    inUserClose_ = true;
    closeAccepted_ = false;
    deliverInput({UserActionKind::Close, &model_}, [this] { closeAccepted_ = true; });
    inUserClose_ = false;
    if (!closeAccepted_) {
      event->ignore();
      return;
    }
  }
  event->accept();
  if (!detached_) model_.setVisible(false);
}

void WindowView::closeByProgram() {
  // Asked while the user's close is being decided: that close goes ahead.
  if (inUserClose_) {
    closeAccepted_ = true;
    return;
  }
  closingByProgram_ = true;
  close();
  closingByProgram_ = false;
}

void WindowView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  orderTabs(this);
  if (!shownOnce_ && !embeddedIn_ && model_.centred()) {
    applying_ = true;
    move(centredOn(this, size()));
    applying_ = false;
  }
  // The frame is known once the window is on screen: the outer bounds are kept.
  if (!shownOnce_ && !embeddedIn_ && frameMargins() != shownMargins_) {
    shownMargins_ = frameMargins();
    applying_ = true;
    applyBounds();
    applying_ = false;
  }
  shownOnce_ = true;
}

QMargins WindowView::frameMargins() const {
  const QWindow* handle = windowHandle();
  return handle ? handle->frameMargins() : QMargins();
}

void WindowView::reportBounds() {
  if (applying_ || detached_ || embeddedIn_) return;
  const QRect g = frameGeometry();
  const double scale = autoScaleOf(&model_);
  reporting_ = true;
  model_.setBounds(g.x(), g.y(), scaledLength(g.width(), 1.0 / scale),
                   scaledLength(g.height(), 1.0 / scale));
  reporting_ = false;
}

}  // namespace qav::qt
