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

MainWindowView::MainWindowView(WindowModel& model)
    : QMainWindow(nullptr), WindowMirror(model, this, new QWidget(this)) {
  setObjectName(QStringLiteral("Main"));
  client_->setObjectName(QStringLiteral("client"));
  setCentralWidget(client_);
  buildMenus();
  model_.setObserver(this);
  applyAll();
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

void MainWindowView::applyFrame() {
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
  if (fixedBorder(model_.borderStyle())) setFixedSize(r.size());
}

bool MainWindowView::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  afterEvent(*event);
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

}  // namespace qav::qt
