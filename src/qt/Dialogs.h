#pragma once
#include <QEvent>
// The player's modal dialogs: a message box whose buttons always stand in the order
// Yes, No, Ok, Cancel, Abort, Retry, Ignore, All, and the input box.
#include <QDialog>
#include <QString>

#include "platform/Platform.h"

class QLineEdit;

namespace qav::qt {

class MessageDialog : public QDialog {
  Q_OBJECT
 public:
  bool event(QEvent* event) override;
  MessageDialog(DialogKind kind, const QString& caption, const QString& text, Buttons buttons,
                QWidget* parent = nullptr);
  // The button that closed the box; kNoButton when it was closed another way.
  Button choice() const { return choice_; }

  // Shows the box modally and returns the choice.
  static Button ask(DialogKind kind, const QString& caption, const QString& text, Buttons buttons,
                    QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void choose(Button b);
  Button choice_ = kNoButton;
  Buttons buttons_;
};

class InputDialog : public QDialog {
  Q_OBJECT
 public:
  bool event(QEvent* event) override;
  InputDialog(const QString& caption, const QString& prompt, const QString& initial,
              QWidget* parent = nullptr);
  QString text() const;

 private:
  QLineEdit* edit_;
};

// The player's own dialogs (message and input boxes, splash, information window) note when they
// stop being active. A project window that becomes active right after that (within a second)
// has the focus back from the dialog, not from the user, and its activation script does not
// run again: a start window whose script shows a message would otherwise show it for ever.
void noteDialogLeft(QEvent* event);
// True, once, when the window active just before was one of the player's own dialogs.
bool returningFromDialog();

// Tells a window's activations by the user from the focus coming back from one of the
// player's dialogs. Windows pass it every event.
class ActivationWatch {
 public:
  // True when the event makes a window that was not active the active window, and the user
  // brought it there.
  bool userActivated(const QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) active_ = false;
    if (event->type() != QEvent::WindowActivate) return false;
    const bool wasActive = active_;
    active_ = true;
    return !wasActive && !returningFromDialog();
  }

 private:
  bool active_ = false;
};

// The words on the buttons, in the toolkit's language.
QString buttonCaption(Button b);

}  // namespace qav::qt
