#include "qt/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

#include "qt/Dialogs.h"
#include "qt/Mapping.h"
#include "qt/SoundPlayer.h"
#include "qt/WindowView.h"

namespace qav::qt {

QtPlatform::QtPlatform() : sound_(std::make_unique<SoundPlayer>()) {
  QApplication::setQuitOnLastWindowClosed(false);
}

QtPlatform::~QtPlatform() {
  releaseViews();
}

Button QtPlatform::messageBox(DialogKind kind, std::string_view caption, std::string_view text,
                              Buttons buttons) {
  return MessageDialog::ask(kind, qs(caption), toDisplayText(text), buttons);
}

std::optional<std::string> QtPlatform::inputBox(std::string_view caption, std::string_view prompt,
                                                std::string_view initial) {
  InputDialog box(qs(caption), toDisplayText(prompt), qs(initial), QApplication::activeWindow());
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.text().toStdString();
}

void QtPlatform::createWindowView(WindowModel& window) {
  windowView(window);
}

void QtPlatform::createItemView(ItemModel& item) {
  (void)item;
}

QWidget* QtPlatform::windowView(WindowModel& window) {
  if (window.isMain()) {
    if (!main_) main_ = new MainWindowView(window, *this);
    return main_;
  }
  auto& view = windows_[&window];
  if (!view) view = new WindowView(window, [this](ItemModel* page) { return pageAreaOf(page); });
  return view;
}

QWidget* QtPlatform::itemView(const ItemModel& item) const {
  auto it = items_.find(&item);
  return it == items_.end() ? nullptr : it->second.data();
}

void QtPlatform::addItemView(const ItemModel& item, QWidget* view) {
  items_[&item] = view;
}

QWidget* QtPlatform::clientAreaOf(WindowModel& window) {
  QWidget* view = windowView(window);
  if (auto* m = qobject_cast<MainWindowView*>(view)) return m->clientArea();
  return view;
}

QWidget* QtPlatform::pageAreaOf(ItemModel* page) const {
  if (!page) return nullptr;
  auto* host = dynamic_cast<PageAreaHost*>(itemView(*page));
  return host ? host->pageArea() : nullptr;
}

void QtPlatform::showWindow(WindowModel& window) {
  QWidget* view = windowView(window);
  window.setVisible(true);
  const bool wasVisible = view->isVisible();
  view->show();
  if (view->isWindow()) {
    if (wasVisible) view->raise();
    view->activateWindow();
  }
}

void QtPlatform::showWindowModal(WindowModel& window) {
  QWidget* view = windowView(window);
  // A window inside a page control cannot be closed by the user: waiting for it would hang.
  if (!view->isWindow()) {
    showWindow(window);
    return;
  }
  const bool wasVisible = view->isVisible();
  if (wasVisible) view->hide();  // modality is set on a hidden window
  view->setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  QPointer<QWidget> guard(view);
  auto ends = [&loop] { loop.quit(); };
  QMetaObject::Connection c;
  if (auto* w = qobject_cast<WindowView*>(view))
    c = QObject::connect(w, &WindowView::closed, &loop, ends);
  else if (auto* m = qobject_cast<MainWindowView*>(view))
    c = QObject::connect(m, &MainWindowView::closed, &loop, ends);
  QObject::connect(view, &QObject::destroyed, &loop, ends);
  showWindow(window);
  if (view->isVisible() && !quitRequested_) loop.exec();
  QObject::disconnect(c);
  if (guard) guard->setWindowModality(Qt::NonModal);
}

void QtPlatform::hideWindow(WindowModel& window) {
  window.setVisible(false);
  windowView(window)->hide();
}

void QtPlatform::closeWindow(WindowModel& window) {
  windowView(window)->close();
}

void QtPlatform::quit(int exitCode) {
  quitRequested_ = true;
  exitCode_ = exitCode;
  if (quitAction_) return quitAction_(exitCode);
  QTimer::singleShot(0, qApp, [exitCode] { QCoreApplication::exit(exitCode); });
}

text::DateTime QtPlatform::now() {
  const QDateTime t = QDateTime::currentDateTime();
  const QDate d = t.date();
  const QTime tm = t.time();
  return {d.year(), d.month(), d.day(), tm.hour(), tm.minute(), tm.second(), tm.msec()};
}

void QtPlatform::playSound(const std::string& path) {
  sound_->play(QString::fromStdString(resolvePath(path)));
}

std::string QtPlatform::programPath() {
  if (!programPath_.empty()) return programPath_;
  return QCoreApplication::applicationFilePath().toStdString();
}

void QtPlatform::releaseViews() {
  for (auto& [model, view] : items_) delete view.data();
  items_.clear();
  for (auto& [model, view] : windows_) {
    if (view) view->detach();
    delete view.data();
  }
  windows_.clear();
  if (main_) {
    main_->detach();
    delete main_.data();
  }
}

}  // namespace qav::qt
