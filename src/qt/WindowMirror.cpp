#include "qt/WindowMirror.h"

#include <QApplication>

#include "qt/ItemView.h"
#include "qt/Mapping.h"

namespace qav::qt {

void applyCaption(QWidget* top, const WindowModel& model) {
  top->setWindowTitle(qs(model.caption()));
  top->setWindowIcon(toIcon(model.icon()));
}

void applyClientLook(QWidget* client, const WindowModel& model) {
  QFont font = toQFont(model.font());
  const double scale = autoScaleOf(&model);
  if (scale != 1.0 && font.pixelSize() > 0)
    font.setPixelSize(scaledLength(font.pixelSize(), scale));
  client->setFont(font);
  QPalette pal = client->palette();
  pal.setColor(QPalette::Window, toQColor(model.colour(), QApplication::palette()));
  pal.setColor(QPalette::WindowText, toQColor(model.font().colour, QApplication::palette()));
  client->setPalette(pal);
  client->setAutoFillBackground(true);
  if (auto shape = toCursorShape(model.cursor()))
    client->setCursor(*shape);
  else
    client->unsetCursor();
}

bool fixedBorder(BorderStyle b) {
  return b == BorderStyle::Single || b == BorderStyle::Dialog || b == BorderStyle::ToolWindow;
}

Qt::WindowFlags windowFlagsFor(const WindowModel& model) {
  Qt::WindowFlags f = Qt::Window;
  const BorderStyle border = model.borderStyle();
  if (border == BorderStyle::ToolWindow || border == BorderStyle::SizeToolWin) f = Qt::Tool;
  if (border == BorderStyle::None)
    return f | Qt::FramelessWindowHint |
           (model.stayOnTop() ? Qt::WindowStaysOnTopHint : Qt::WindowFlags());
  f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  const BorderIcons& icons = model.borderIcons();
  // Minimize, maximize and help boxes only exist next to the system menu.
  if (icons.systemMenu) {
    f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (icons.minimize) f |= Qt::WindowMinimizeButtonHint;
    if (icons.maximize) f |= Qt::WindowMaximizeButtonHint;
    if (icons.help) f |= Qt::WindowContextHelpButtonHint;
  }
  if (model.stayOnTop()) f |= Qt::WindowStaysOnTopHint;
  return f;
}

void WindowMirror::applyAll() {
  applying_ = true;
  applyCaption(top_, model_);
  applyClientLook(client_, model_);
  applyFrame();
  applyBounds();
  applying_ = false;
  top_->setVisible(model_.visible());
}

void WindowMirror::modelChanged(Attr what) {
  if (detached_) return;
  applying_ = true;
  switch (what) {
    case Attr::Caption:
    case Attr::Picture:
      applyCaption(top_, model_);
      break;
    case Attr::Font:
    case Attr::Colour:
    case Attr::Cursor:
      applyClientLook(client_, model_);
      if (what == Attr::Colour) windowColourChanged(client_);
      break;
    case Attr::Bounds:
      if (!reporting_) applyBounds();
      break;
    case Attr::Style:
    case Attr::Parent:
      applyFrame();
      applyBounds();
      break;
    case Attr::Visible:
      break;
    default:
      applying_ = false;
      applyAll();
      return;
  }
  applying_ = false;
  if (what == Attr::Visible) top_->setVisible(model_.visible());
}

void WindowMirror::afterEvent(const QEvent& event) {
  switch (event.type()) {
    case QEvent::WindowActivate:
      if (!detached_) userActivated(model_);
      break;
    case QEvent::Hide:
      if (!event.spontaneous()) hiddenByProgram();
      break;
    case QEvent::Move:
    case QEvent::Resize:
      if (event.spontaneous()) reportBounds();
      break;
    default:
      break;
  }
}

void userActivated(WindowModel& window) {
  // The runtime knows which window is active: the focus coming back from a dialog, or a
  // window that a script has just shown, is no new activation.
  if (!scriptedInput())
    deliverInput({UserActionKind::Activate, &window}, [&window] { window.fire(); });
}

}  // namespace qav::qt
