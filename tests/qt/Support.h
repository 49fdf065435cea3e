#pragma once
// Drives modal dialogs from inside their own event loop.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace qavtest {

// Calls act with the next modal widget once it is up. If none appears within about two
// seconds, or act leaves it open, every modal widget is closed so that the test fails
// instead of hanging.
inline void whenModal(std::function<void(QWidget*)> act, QWidget* notThis = nullptr) {
  auto* timer = new QTimer;
  auto polls = std::make_shared<int>(0);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, polls, act, notThis] {
    QWidget* w = QApplication::activeModalWidget();
    if (w && w != notThis && w->isVisible()) {
      timer->stop();
      timer->deleteLater();
      act(w);
      return;
    }
    if (++*polls > 400) {
      timer->stop();
      timer->deleteLater();
      while (QWidget* m = QApplication::activeModalWidget()) m->close();
    }
  });
  timer->start();
}

// Presses the button of the modal widget that has this object name.
inline void pressWhenModal(const QString& button, QWidget* notThis = nullptr) {
  whenModal(
      [button](QWidget* w) {
        if (auto* b = w->findChild<QPushButton*>(button))
          b->click();
        else
          w->close();
      },
      notThis);
}

}  // namespace qavtest
