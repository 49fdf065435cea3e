#include "qt/MainWindowView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStyleOptionMenuItem>

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
  menuSpace_ = new QWidget(this);
  menuSpace_->setFont(QApplication::font("QMenuBar"));
  menuSpace_->setFixedHeight(
      menuBarHeight(*menuSpace_, {qs(texts::kMenuMain), qs(texts::kMenuData)}));
  setMenuWidget(menuSpace_);
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

int menuBarHeight(const QWidget& bar, const QStringList& captions) {
  const QStyle* style = bar.style();
  const QFontMetrics fm(bar.font());
  QStyleOptionMenuItem option;
  option.initFrom(&bar);
  option.menuItemType = QStyleOptionMenuItem::Normal;
  option.checkType = QStyleOptionMenuItem::NotCheckable;
  // The tallest item, the captions' text with the style's room around it.
  int item = 0;
  for (const QString& caption : captions) {
    option.text = caption;
    const QSize text = fm.size(Qt::TextShowMnemonic, caption);
    item = std::max(item,
                    style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, &bar).height());
  }
  // Then the bar's frame and margins above and below, and the style's say on the whole bar.
  const int frame = style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, &bar) +
                    style->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, &bar);
  option.text.clear();
  return style->sizeFromContents(QStyle::CT_MenuBar, &option, QSize(0, item + 2 * frame), &bar)
      .height();
}

void MainWindowView::makeMenus() {
  if (!menuSpace_) return;
  const int reserved = menuHeight();
  menuSpace_ = nullptr;  // the menu bar takes its place (and deletes it)
  buildMenus();
  menuBar()->show();
  if (!programEntryCaption_.isNull())
    menuEntry(QStringLiteral("N2"))->setText(programEntryCaption_);
  // A bar of another height than the one kept: the client area stays as designed.
  if (menuHeight() != reserved) {
    applying_ = true;
    applyBounds();
    applying_ = false;
  }
}

void MainWindowView::setVisible(bool visible) {
  QMainWindow::setVisible(visible);
  if (visible) makeMenus();
}

int MainWindowView::menuHeight() const {
  return menuSpace_ ? menuSpace_->height() : menuBar()->sizeHint().height();
}

QAction* MainWindowView::menuEntry(const QString& name) {
  makeMenus();
  return findChild<QAction*>(name);
}

void MainWindowView::setCommands(ShellCommands commands) {
  commands_ = std::move(commands);
}

void MainWindowView::setProgramEntryCaption(const std::string& text) {
  programEntryCaption_ = qs(text);
  // An ampersand in the name is shown, not taken as a mnemonic.
  programEntryCaption_.replace(QLatin1Char('&'), QLatin1String("&&"));
  if (menuSpace_) return;  // the entry takes it when the menus are made
  if (QAction* a = findChild<QAction*>(QStringLiteral("N2"))) a->setText(programEntryCaption_);
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
  const int menu = menuHeight();
  const QRect area = availableArea(this);
  QRect r = fitToScreen(
      QRect(design.left(), design.top() - menu, design.width(), design.height() + menu), area);
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
  const int menu = menuWidget() ? menuWidget()->height() : 0;
  const double back = 1.0 / autoScaleOf(&model_);
  reporting_ = true;
  model_.setBounds(g.x(), g.y() + menu, scaledLength(g.width(), back),
                   scaledLength(g.height() - menu, back));
  reporting_ = false;
}

}  // namespace qav::qt
