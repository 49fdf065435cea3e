#include "qt/MainWindowView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

#include "lang/Texts.h"
#include "qt/Dialogs.h"
#include "qt/ItemView.h"
#include "qt/Mapping.h"
#include "qt/WindowView.h"

namespace qav::qt {

namespace {

QAction* addEntry(QMenu* menu, const char* name, std::string_view caption,
                  const QKeySequence& key = {}) {
  QAction* a = menu->addAction(qs(caption));
  a->setObjectName(QString::fromLatin1(name));
  if (!key.isEmpty()) a->setShortcut(key);
  return a;
}

}  // namespace

MainWindowView::MainWindowView(WindowModel& model) : QMainWindow(nullptr), model_(model) {
  setObjectName(QStringLiteral("Main"));
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  setCentralWidget(client_);
  buildMenus();
  model_.setObserver(this);
  applyAll();
}

MainWindowView::~MainWindowView() {
  detach();
}

void MainWindowView::detach() {
  if (detached_) return;
  detached_ = true;
  if (model_.observer() == this) model_.setObserver(nullptr);
}

void MainWindowView::buildMenus() {
  auto entry = [this](QMenu* menu, const char* name, std::string_view caption,
                      const QKeySequence& key = {}) {
    QAction* a = addEntry(menu, name, caption, key);
    connect(a, &QAction::triggered, this, [this, name] {
      if (commands_.menuCommand) commands_.menuCommand(name);
    });
  };
  QMenu* menu = menuBar()->addMenu(qs(texts::kMenuMain));
  menu->setObjectName(QStringLiteral("N1"));
  entry(menu, "QavMaker1", texts::kMenuSplash, QKeySequence(Qt::Key_F1));
  entry(menu, "N2", texts::kMenuProgram, QKeySequence(Qt::Key_F2));
  menu->addSeparator()->setObjectName(QStringLiteral("N3"));
  entry(menu, "N4", texts::kMenuQuit, QKeySequence(Qt::ALT | Qt::Key_X));
  QMenu* data = menuBar()->addMenu(qs(texts::kMenuData));
  data->setObjectName(QStringLiteral("N5"));
  entry(data, "N6", texts::kMenuDataLoad);
  entry(data, "N7", texts::kMenuDataSave);
}

QAction* MainWindowView::menuEntry(const QString& name) const {
  return findChild<QAction*>(name);
}

void MainWindowView::setCommands(ShellCommands commands) {
  commands_ = std::move(commands);
}

void MainWindowView::setProgramEntryCaption(const std::string& text) {
  QString caption = qs(text);
  // An ampersand in the name is shown, not taken as a mnemonic.
  caption.replace(QLatin1Char('&'), QLatin1String("&&"));
  if (QAction* a = menuEntry(QStringLiteral("N2"))) a->setText(caption);
}

void MainWindowView::applyAll() {
  applying_ = true;
  applyCaption(this, model_);
  applyClientLook(client_, model_);
  applyStyle();
  applyBounds();
  applying_ = false;
  setVisible(model_.visible());
}

void MainWindowView::applyStyle() {
  const Qt::WindowFlags flags = windowFlagsFor(model_);
  if (windowFlags() != flags) {
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible) show();
  }
}

// The client area below the menu bar shows the design panel at its designed place and size.
void MainWindowView::applyBounds() {
  const QRect design = scaledRect(
      boundedRect(model_.left(), model_.top(), model_.width(), model_.height(), kMaxWindowSide),
      autoScaleOf(&model_), false);
  const int menuHeight = menuBar()->sizeHint().height();
  const QRect area = availableArea(this);
  QRect r = fitToScreen(
      QRect(design.left(), design.top() - menuHeight, design.width(), design.height() + menuHeight),
      area);
  if (model_.centred() && !shownOnce_ && !area.isEmpty()) r.moveCenter(area.center());
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setGeometry(r);
  const BorderStyle b = model_.borderStyle();
  if (b == BorderStyle::Single || b == BorderStyle::Dialog || b == BorderStyle::ToolWindow)
    setFixedSize(r.size());
}

void MainWindowView::modelChanged(Attr what) {
  if (detached_) return;
  applying_ = true;
  switch (what) {
    case Attr::Caption:
    case Attr::Picture:
      applyCaption(this, model_);
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
      applyStyle();
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
  if (what == Attr::Visible) setVisible(model_.visible());
}

bool MainWindowView::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate && !detached_) userActivated(model_);
  return handled;
}

// Closing by any way (the quit entry, the system menu, the close button) asks first.
void MainWindowView::closeEvent(QCloseEvent* event) {
  if (commands_.closeQuery && !commands_.closeQuery()) {
    event->ignore();
    return;
  }
  event->accept();
}

void MainWindowView::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  orderTabs(client_);
  if (!shownOnce_ && model_.centred()) {
    applying_ = true;
    applyBounds();
    applying_ = false;
  }
  shownOnce_ = true;
}

void MainWindowView::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (!event->spontaneous()) emit closed();
}

void MainWindowView::reportBounds() {
  if (applying_ || detached_) return;
  const QRect g = geometry();
  const int menuHeight = menuBar()->height();
  const double back = 1.0 / autoScaleOf(&model_);
  reporting_ = true;
  model_.setBounds(g.x(), g.y() + menuHeight, scaledLength(g.width(), back),
                   scaledLength(g.height() - menuHeight, back));
  reporting_ = false;
}

void MainWindowView::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (event->spontaneous()) reportBounds();
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (event->spontaneous()) reportBounds();
}

}  // namespace qav::qt
