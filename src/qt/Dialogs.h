#pragma once
// The player's modal dialogs: a message box whose buttons always stand in the order
// Yes, No, Ok, Cancel, Abort, Retry, Ignore, All, and the input box.
#include <QDialog>
#include <QString>

#include "platform/Platform.h"

class QKeyEvent;
class QLineEdit;

namespace qav::qt {

class MessageDialog : public QDialog {
  Q_OBJECT
 public:
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
  InputDialog(const QString& caption, const QString& prompt, const QString& initial,
              QWidget* parent = nullptr);
  QString text() const;

 private:
  QLineEdit* edit_;
};

// The button a key press answers with: the button's letter (Y, N, O, C, A, R, I) with or
// without Alt, or the jamo the same key types in the Korean keyboard layout; kNoButton for
// other keys or a button the box lacks.
Button keyButton(const QKeyEvent& event, Buttons buttons);

// The words on the buttons, in the toolkit's language.
QString buttonCaption(Button b);

}  // namespace qav::qt
