#pragma once
// Views of the edit field and the memo. Every typed character goes through the model's key
// filter before the widget inserts it; every change of the text goes to the model, which
// applies case and length rules; the widget then shows the model's text.
#include <QLineEdit>
#include <QPlainTextEdit>

#include "items/controls/NewEdit.h"
#include "items/controls/NewMemo.h"
#include "qt/ItemView.h"

class QProxyStyle;

namespace qav::qt {

class EditView : public QLineEdit, public ItemView {
  Q_OBJECT
 public:
  EditView(TNewEdit& model, QWidget* parent);
  TNewEdit& edit() const { return edit_; }

 protected:
  void refresh(Attr what) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  TNewEdit& edit_;
  QProxyStyle* passwordStyle_ = nullptr;
};

class MemoView : public QPlainTextEdit, public ItemView {
  Q_OBJECT
 public:
  MemoView(TNewMemo& model, QWidget* parent);
  TNewMemo& memo() const { return memo_; }

 protected:
  void refresh(Attr what) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Appends what the model appended to the text shown; false when the widget shows no
  // earlier state of the model's text, so that only the whole text can do.
  bool showAppended();

  TNewMemo& memo_;
  std::size_t shownBytes_ = std::string::npos;  // the model text's length the widget shows
};

// The characters of a key press that a key filter judges: the typed text, or Backspace and
// Enter for those keys; empty for keys that type nothing (arrows, function keys).
std::u32string typedKeys(const QKeyEvent& event);

// Input-method settings for a mode: whether the method is on, and the hints.
void applyImeMode(QWidget* widget, ImeMode mode);

}  // namespace qav::qt
