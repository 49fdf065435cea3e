// `qav run FILE --event ...` on the display: the program plays on the real widgets, each event
// performed as the user's mouse or keyboard would, the dialogs answered from the answers; the
// lines printed are those of the headless run. Timers and the clock move only by events.
#ifdef QAV_HAVE_QT
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <iostream>

#include "app/player/Player.h"
#include "app/qav/Events.h"
#include "items/controls/NewEdit.h"
#include "lang/Texts.h"
#include "platform/HeadlessPlatform.h"
#include "qt/ItemView.h"
#include "qt/Mapping.h"
#include "qt/PageView.h"
#include "qt/QtPlatform.h"
#include "qt/WindowView.h"
#include "runtime/Hub.h"
#include "runtime/InputPath.h"

namespace qav::tool {
namespace {

// The Qt platform with the headless run's dialogs, clock, sound and record: the windows and
// items are real widgets, and everything the program shows is printed as the headless run
// prints it.
class ScriptedQtPlatform : public qt::QtPlatform {
 public:
  explicit ScriptedQtPlatform(HeadlessPlatform& recorder) : recorder_(recorder) {}

  Button messageBox(DialogKind kind, std::string_view caption, std::string_view text,
                    Buttons buttons) override {
    return recorder_.messageBox(kind, caption, text, buttons);
  }
  Button messageBoxWithDefault(DialogKind kind, std::string_view caption, std::string_view text,
                               Buttons buttons, Button defaultButton) override {
    return recorder_.messageBoxWithDefault(kind, caption, text, buttons, defaultButton);
  }
  std::optional<std::string> inputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view initial) override {
    return recorder_.inputBox(caption, prompt, initial);
  }
  void showWindow(WindowModel& window) override {
    recorder_.showWindow(window);
    QtPlatform::showWindow(window);
  }
  // The wait of a modal window performs the next events, as the headless run does.
  void showWindowModal(WindowModel& window) override {
    QWidget* view = windowView(window);
    view->show();
    recorder_.showWindowModal(window);
    if (view->isVisible()) view->hide();
  }
  void hideWindow(WindowModel& window) override {
    recorder_.hideWindow(window);
    QtPlatform::hideWindow(window);
  }
  void closeWindow(WindowModel& window) override {
    recorder_.closeWindow(window);
    QtPlatform::closeWindow(window);
  }
  void quit(int exitCode) override { recorder_.quit(exitCode); }
  bool quitRequested() const override { return recorder_.quitRequested(); }
  text::DateTime now() override { return recorder_.now(); }
  bool playSound(const ItemModel& player, const std::string& path, std::string& error) override {
    return recorder_.playSound(player, path, error);
  }

 private:
  HeadlessPlatform& recorder_;
};

void sendMouseClick(QWidget* w, QPoint at) {
  const QPointF local(at), global(w->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

void sendKey(QWidget* w, char32_t key) {
  int code = Qt::Key_unknown;
  QString text = QString::fromUcs4(&key, 1);
  if (key == kKeyBackspace) code = Qt::Key_Backspace, text = QString(QChar(8));
  if (key == kKeyEnter) code = Qt::Key_Return, text = QStringLiteral("\r");
  QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

// Performs each user action on the widget that shows its target.
class QtRunner : public EventPlayer {
 public:
  QtRunner(std::deque<Event> events, HeadlessPlatform& recorder, Hub& hub,
           ScriptedQtPlatform& platform)
      : EventPlayer(std::move(events), recorder, hub), platform_(platform) {}

 protected:
  void deliver(const Event& e, const UserAction& a) override {
    perform(e, a);
    QCoreApplication::processEvents();
  }

 private:
  void perform(const Event& e, const UserAction& a) {
    using K = UserActionKind;
    if (a.kind == K::Menu) {
      qt::MainWindowView* main = platform_.mainWindow();
      QAction* entry = main ? main->menuEntry(QString::fromStdString(a.entry)) : nullptr;
      if (entry) return entry->trigger();
      return (void)hub_.input().perform(a);
    }
    if (a.kind == K::Activate || a.kind == K::Close) {
      auto& window = static_cast<WindowModel&>(*a.target);
      QWidget* view = platform_.windowView(window);
      if (a.kind == K::Activate) {
        view->activateWindow();
        return (void)hub_.input().perform(a);
      }
      // The close box of a project window; the player's own dialogs close themselves.
      if (qobject_cast<qt::WindowView*>(view) || view == platform_.mainWindow()) {
        view->close();
        return;
      }
      return (void)hub_.input().perform(a);
    }
    auto& item = static_cast<ItemModel&>(*a.target);
    QWidget* w = platform_.itemView(item);
    if (!w) return (void)hub_.input().perform(a);
    switch (a.kind) {
      case K::Click:
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->click();
        if (auto* list = qobject_cast<QAbstractScrollArea*>(w)) w = list->viewport();
        return sendMouseClick(w, w->rect().center());
      case K::Select:
        if (auto* list = qobject_cast<QListWidget*>(w)) {
          QListWidgetItem* entry = list->item(a.index);
          list->scrollToItem(entry);
          return sendMouseClick(list->viewport(), list->visualItemRect(entry).center());
        }
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
          combo->setCurrentIndex(a.index);
          emit combo->activated(a.index);
          return;
        }
        break;
      case K::Page:
        if (auto* pages = qobject_cast<qt::PageView*>(w)) return pages->clickTab(a.index);
        break;
      case K::Type: {
        // Typed at the end of the text, where a click at the end of the field puts the caret.
        QWidget* target = w;
        if (auto* combo = qobject_cast<QComboBox*>(w)) target = combo->lineEdit();
        if (!target) break;
        target->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(target)) line->end(false);
        if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) memo->moveCursor(QTextCursor::End);
        return sendKey(target, a.key);
      }
      default:
        break;
    }
    fail("\"" + e.name + "\" shows no widget for \"" + e.text + "\"");
  }

  ScriptedQtPlatform& platform_;
};

}  // namespace

int runOnDisplay(const std::string& file, std::deque<Event> events,
                 const std::vector<std::string>& answers, bool trace) {
  int argc = 1;
  char name[] = "qav";
  char* argv[] = {name, nullptr};
  if (!qt::displayAvailable()) {
    std::cerr << qt::kNoDisplayMessage << "\n";
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(qt::qs(msg::kAppTitle));
  qt::setScriptedInput(true);

  HeadlessPlatform recorder;
  recorder.setProgramPath(file);
  for (const auto& a : answers) recorder.queueAnswer(a);
  recorder.setListener(printLine);
  ScriptedQtPlatform platform(recorder);
  platform.setProgramPath(file);
  int code = 0;
  {
    Hub hub(platform);
    if (trace) traceTo(hub);
    recorder.setUserInput(&hub.input());
    qt::connectShell(platform, hub);
    QtRunner runner(std::move(events), recorder, hub, platform);
    hub.setDropListener([&](const std::string& source) { runner.reportDrop(source); });
    recorder.setEventPump([&] {
      const bool more = runner.performNext();
      QCoreApplication::processEvents();
      return more;
    });
    if (hub.FormCreate(file)) {
      qt::showMainWindow(hub, platform);
      QCoreApplication::processEvents();
      while (!runner.failed() && runner.performNext()) QCoreApplication::processEvents();
      if (!runner.failed() && !recorder.quitRequested()) recorder.quit(0);
    }
    code = runner.failed() ? 2 : recorder.exitCode();
    recorder.setUserInput(nullptr);
    platform.releaseViews();
  }
  qt::setScriptedInput(false);
  return code;
}

}  // namespace qav::tool
#endif
