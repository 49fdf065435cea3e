#include "qt/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

#include "lang/Texts.h"
#include "qt/AboutWindow.h"
#include "qt/ControlViews.h"
#include "qt/Dialogs.h"
#include "qt/DrawnViews.h"
#include "qt/ListViews.h"
#include "qt/Mapping.h"
#include "qt/PageView.h"
#include "qt/SoundPlayer.h"
#include "qt/TextViews.h"
#include "qt/TimerDrivers.h"
#include "qt/TitleWindow.h"
#include "qt/WindowView.h"

namespace qav::qt {

// Stands in for the view of an item whose window has no view yet. A read of the item's size
// makes the window's views at once, so that an auto-size item on a hidden window reads the
// size it has on the screen.
class QtPlatform::PendingView : public ModelObserver {
 public:
  PendingView(QtPlatform& platform, ItemModel& item, WindowModel& window)
      : platform_(platform), item_(&item), window_(window) {
    item.setObserver(this);
  }
  ~PendingView() override { handOver(); }
  PendingView(const PendingView&) = delete;
  PendingView& operator=(const PendingView&) = delete;

  // The view, when it is made, reads the whole model.
  void modelChanged(Attr) override {}
  void modelGone() override { item_ = nullptr; }
  void measure() override {
    if (item_) platform_.windowView(window_);
  }
  // Stops standing in; the item, or null when it has gone.
  ItemModel* handOver() {
    ItemModel* item = item_;
    if (item && item->observer() == this) item->setObserver(nullptr);
    item_ = nullptr;
    return item;
  }

 private:
  QtPlatform& platform_;
  ItemModel* item_;
  WindowModel& window_;
};

QtPlatform::QtPlatform() {
  QApplication::setQuitOnLastWindowClosed(false);
  // Also the font every text field lays out its empty text in when it is made, before it
  // takes its item's font: one font face fewer to load at start-up.
  QApplication::setFont(uiFont());
  setInputPlatform(this);
}

QtPlatform::~QtPlatform() {
  setInputPlatform(nullptr);
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
  // A plain window's view waits until the window is first shown.
  if (!viewWaits(window)) windowView(window);
}

namespace {

// The view of each kind of item, by run-time class: a widget on the item's window, or for
// timers and alarms a driver that ticks them. Items of classes not listed show nothing.
struct ViewKind {
  std::string_view runtimeClass;
  QWidget* (*widget)(QtPlatform&, ItemModel&, QWidget* parent) = nullptr;
  QObject* (*driver)(QtPlatform&, ItemModel&, QObject* home) = nullptr;
  // Made at once even on a window not shown yet: a clock's ticks run its scripts, and a page
  // control holds the windows embedded in it.
  bool atOnce = false;
};

template <class View, class Model>
QWidget* widget(QtPlatform&, ItemModel& item, QWidget* parent) {
  return new View(static_cast<Model&>(item), parent);
}

QWidget* clockView(QtPlatform& platform, ItemModel& item, QWidget* parent) {
  return new ClockView(static_cast<TClock&>(item), parent, [&platform] { return platform.now(); });
}
QObject* timerDriver(QtPlatform&, ItemModel& item, QObject* home) {
  return new TimerDriver(static_cast<TRunTimer&>(item), home);
}
QObject* alarmDriver(QtPlatform& platform, ItemModel& item, QObject* home) {
  return new AlarmDriver(
      static_cast<TRunAlarm&>(item), [&platform] { return platform.now(); }, home);
}

const ViewKind kViews[] = {
    {cls::kLabel, widget<LabelView, TNewLabel>},
    {cls::kButton, widget<ButtonView, TNewButton>},
    {cls::kImage, widget<ImageView, TNewImage>},
    {cls::kEdit, widget<EditView, TNewEdit>},
    {cls::kMemo, widget<MemoView, TNewMemo>},
    {cls::kListBox, widget<ListBoxView, TRunListBox>},
    {cls::kComboBox, widget<ComboBoxView, TRunComboBox>},
    {cls::kCheckBox, widget<CheckBoxView, TNewCheckBox>},
    {cls::kRadioButton, widget<RadioButtonView, TNewRadioButton>},
    {cls::kPage, widget<PageView, TRunPage>, nullptr, true},
    {cls::kBox, widget<ShapeView, TMultiShape>},
    {cls::kLine, widget<LineView, TLine>},
    {cls::kWatch, clockView, nullptr, true},
    {cls::kProgress, widget<GaugeView, TGauge>},
    {cls::kTimer, nullptr, timerDriver},
    {cls::kAlarm, nullptr, alarmDriver},
};

const ViewKind* viewKind(std::string_view runtimeClass) {
  for (const ViewKind& k : kViews)
    if (k.runtimeClass == runtimeClass) return &k;
  return nullptr;
}

}  // namespace

void QtPlatform::createItemView(ItemModel& item) {
  if (builtItemView(item) || drivers_.count(&item) || dynamic_cast<PendingView*>(item.observer()))
    return;
  const ViewKind* kind = viewKind(item.className());
  if (!kind) return;
  if (kind->driver) {
    // In a scripted run timers and alarms move only by the runner's ticks.
    if (scriptedInput()) return;
    drivers_[&item] = kind->driver(*this, item, &driverHome_);
    return;
  }
  WindowModel* window = item.parentWindow();
  if (!window) return;
  if (!kind->atOnce && viewWaits(*window)) {
    pending_[window].push_back(std::make_unique<PendingView>(*this, item, *window));
    return;
  }
  QWidget* view = kind->widget(*this, item, clientAreaOf(*window));
  addItemView(item, view);
  // A page control may have embedded its first window before it had a view: place it now.
  if (dynamic_cast<PageAreaHost*>(view))
    for (auto& [model, windowView] : windows_)
      if (windowView && model->pageHost() == &item) windowView->modelChanged(Attr::Parent);
}

TitleWindow* QtPlatform::titleWindow() {
  if (!title_) title_ = new TitleWindow(*this);
  return title_;
}

AboutWindow* QtPlatform::aboutWindow() {
  if (!about_)
    about_ = new AboutWindow(
        [this] { return shell_.aboutLines ? shell_.aboutLines() : std::vector<std::string>{}; });
  return about_;
}

void QtPlatform::setShellCommands(ShellCommands commands) {
  shell_ = std::move(commands);
  if (main_) main_->setCommands(shell_);
}

QWidget* QtPlatform::windowView(WindowModel& window) {
  if (window.isMain()) {
    if (!main_) {
      main_ = new MainWindowView(window);
      main_->setCommands(shell_);
    }
    return main_;
  }
  if (window.className() == "TTitle") return titleWindow();
  if (window.className() == "TAbout") return aboutWindow();
  auto& view = windows_[&window];
  if (view) return view;
  view = new WindowView(window, [this](ItemModel* page) { return pageAreaOf(page); });
  // The items that waited for this view, in the order they were placed.
  if (auto it = pending_.find(&window); it != pending_.end()) {
    const auto waiting = std::move(it->second);
    pending_.erase(it);
    for (const auto& p : waiting)
      if (ItemModel* item = p->handOver()) createItemView(*item);
  }
  return view;
}

bool QtPlatform::viewWaits(const WindowModel& window) const {
  if (window.isMain() || window.className() != cls::kForm) return false;
  auto it = windows_.find(&window);
  return it == windows_.end() || !it->second;
}

QWidget* QtPlatform::itemView(const ItemModel& item) {
  if (auto* pending = dynamic_cast<PendingView*>(item.observer())) pending->measure();
  return builtItemView(item);
}

QWidget* QtPlatform::builtItemView(const ItemModel& item) const {
  auto it = items_.find(&item);
  return it == items_.end() ? nullptr : it->second.data();
}

QObject* QtPlatform::itemDriver(const ItemModel& item) const {
  auto it = drivers_.find(&item);
  return it == drivers_.end() ? nullptr : it->second.data();
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
  auto* host = dynamic_cast<PageAreaHost*>(builtItemView(*page));
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
  windowShown(window);
}

void QtPlatform::showWindowModal(WindowModel& window) {
  QWidget* view = windowView(window);
  // The player's own dialogs run their own modal loop.
  if (auto* dialog = qobject_cast<QDialog*>(view)) {
    window.setVisible(true);
    dialog->exec();
    window.setVisible(false);
    return;
  }
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
  windowGone(window);
}

void QtPlatform::closeWindow(WindowModel& window) {
  QWidget* view = windowView(window);
  if (auto* w = qobject_cast<WindowView*>(view))
    w->closeByProgram();
  else
    view->close();
  windowGone(window);
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

bool QtPlatform::playSound(const ItemModel& player, const std::string& path, std::string& error) {
  if (!readable(path)) {
    error = cannotOpen(path);
    return false;
  }
  auto& sound = sounds_[&player];
  if (!sound) sound = std::make_unique<SoundPlayer>();
  sound->play(QString::fromStdString(path));
  return true;
}

std::string QtPlatform::programPath() {
  if (!programPath_.empty()) return programPath_;
  return QCoreApplication::applicationFilePath().toStdString();
}

void QtPlatform::releaseViews() {
  pending_.clear();
  for (auto& [model, driver] : drivers_) delete driver.data();
  drivers_.clear();
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
  delete title_.data();
  delete about_.data();
}

}  // namespace qav::qt
