#include "qt/TextViews.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QScrollBar>

#include "qt/Mapping.h"

namespace qav::qt {

namespace {

// Shows the model's password character instead of the style's own.
class PasswordStyle : public QProxyStyle {
 public:
  explicit PasswordStyle(char32_t c) : c_(c) {}
  void setCharacter(char32_t c) { c_ = c; }
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* ret) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return static_cast<int>(c_);
    return QProxyStyle::styleHint(hint, option, widget, ret);
  }

 private:
  char32_t c_;
};

// Keeps the committed characters that the filter accepts.
QString filtered(const QString& text, const std::function<bool(char32_t)>& accept) {
  QString kept;
  for (char32_t c : text.toUcs4())
    if (accept(c)) kept += QString::fromUcs4(&c, 1);
  return kept;
}

}  // namespace

std::u32string typedKeys(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      return std::u32string(1, kKeyBackspace);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return std::u32string(1, kKeyEnter);
    default:
      break;
  }
  // Shortcuts with Control or Alt type nothing.
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return {};
  std::u32string keys;
  for (char32_t c : event.text().toUcs4())
    if (c >= 32 && c != 127) keys += c;
  return keys;
}

void applyImeMode(QWidget* widget, ImeMode mode) {
  widget->setAttribute(Qt::WA_InputMethodEnabled, mode != ImeMode::Disable);
  switch (mode) {
    case ImeMode::Close:
    case ImeMode::SAlpha:
    case ImeMode::Alpha:
      widget->setInputMethodHints(Qt::ImhPreferLatin);
      break;
    default:
      widget->setInputMethodHints(Qt::ImhNone);
      break;
  }
}

// --- Edit field ---------------------------------------------------------------------------

EditView::EditView(TNewEdit& model, QWidget* parent)
    : QLineEdit(parent), ItemView(model, this, QPalette::Base), edit_(model) {
  connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!applying() && !detached()) edit_.userEdited(t.toStdString());
    // The model may have changed case or cut the text: show what it holds.
    if (!detached()) refresh(Attr::Text);
  });
  refreshAll();
}

void EditView::refresh(Attr what) {
  if (what == Attr::All || what == Attr::Text) {
    const QString t = qs(edit_.text());
    if (text() != t) {
      const int pos = cursorPosition();
      setText(t);
      setCursorPosition(std::min<int>(pos, static_cast<int>(t.size())));
    }
  }
  if (what == Attr::All || what == Attr::ReadOnly) setReadOnly(edit_.readOnly());
  if (what == Attr::All || what == Attr::Style) {
    setFrame(edit_.border());
    applyImeMode(this, edit_.imeMode());
    const char32_t pw = edit_.passwordChar();
    if (pw) {
      if (!passwordStyle_) {
        passwordStyle_ = new PasswordStyle(pw);
        passwordStyle_->setParent(this);
        setStyle(passwordStyle_);
      }
      static_cast<PasswordStyle*>(passwordStyle_)->setCharacter(pw);
      setEchoMode(QLineEdit::Normal);  // re-reads the character
      setEchoMode(QLineEdit::Password);
    } else {
      setEchoMode(QLineEdit::Normal);
    }
  }
}

// Whether the runtime's rules let the user type the keys into the item.
bool mayType(ItemModel& item, const std::u32string& keys) {
  for (char32_t k : keys)
    if (checkInput({UserActionKind::Type, &item, 0, k}) != Refusal::None) return false;
  return true;
}

void EditView::keyPressEvent(QKeyEvent* event) {
  if (!detached() && !isReadOnly()) {
    const std::u32string keys = typedKeys(*event);
    if (!mayType(edit_, keys)) {
      event->accept();
      return;
    }
    for (char32_t k : keys)
      if (!edit_.acceptKey(k)) {
        event->accept();
        return;
      }
  }
  QLineEdit::keyPressEvent(event);
}

void EditView::inputMethodEvent(QInputMethodEvent* event) {
  if (detached() || event->commitString().isEmpty()) return QLineEdit::inputMethodEvent(event);
  QInputMethodEvent kept(event->preeditString(), event->attributes());
  kept.setCommitString(
      filtered(event->commitString(), [this](char32_t c) { return edit_.acceptKey(c); }),
      event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&kept);
}

// --- Memo ----------------------------------------------------------------------------------

MemoView::MemoView(TNewMemo& model, QWidget* parent)
    : QPlainTextEdit(parent), ItemView(model, this, QPalette::Base), memo_(model) {
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (applying() || detached()) return;
    memo_.userEdited(toPlainText().toStdString());
    refresh(Attr::Lines);
  });
  refreshAll();
}

bool MemoView::showAppended() {
  const std::size_t from = memo_.appendedFrom();
  if (from == std::string::npos || from != shownBytes_) return false;
  QSignalBlocker block(this);
  const int pos = textCursor().position();
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  // The text comes from the model, not the user: the user cannot undo it, as after a text
  // set as a whole.
  document()->setUndoRedoEnabled(false);
  end.insertText(toDisplayText(std::string_view(memo_.text()).substr(from)));
  document()->setUndoRedoEnabled(true);
  if (textCursor().position() != pos) {
    QTextCursor c = textCursor();
    c.setPosition(pos);
    setTextCursor(c);
  }
  shownBytes_ = memo_.text().size();
  return true;
}

void MemoView::refresh(Attr what) {
  if (what == Attr::Lines && showAppended()) return;
  if (what == Attr::All || what == Attr::Lines || what == Attr::Text) {
    shownBytes_ = memo_.text().size();
    const QString t = toDisplayText(memo_.text());
    if (toPlainText() != t) {
      // Setting the text from the model is no user edit.
      QSignalBlocker block(this);
      const int pos = textCursor().position();
      setPlainText(t);
      QTextCursor c = textCursor();
      c.setPosition(std::min<int>(pos, static_cast<int>(t.size())));
      setTextCursor(c);
    }
  }
  if (what == Attr::All || what == Attr::ReadOnly) setReadOnly(memo_.readOnly());
  if (what == Attr::All || what == Attr::Style) {
    setFrameShape(memo_.border() ? QFrame::StyledPanel : QFrame::NoFrame);
    const ScrollBars s = memo_.scrollBars();
    const bool h = s == ScrollBars::Horizontal || s == ScrollBars::Both;
    const bool v = s == ScrollBars::Vertical || s == ScrollBars::Both;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // A horizontal scroll bar means long lines stay whole.
    setLineWrapMode(memo_.wordWrap() && !h ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    applyImeMode(this, memo_.imeMode());
  }
}

void MemoView::keyPressEvent(QKeyEvent* event) {
  if (!detached() && !isReadOnly()) {
    if (!mayType(memo_, typedKeys(*event))) {
      event->accept();
      return;
    }
    for (char32_t k : typedKeys(*event))
      if (!memo_.acceptKey(k)) {
        event->accept();
        return;
      }
  }
  QPlainTextEdit::keyPressEvent(event);
}

void MemoView::inputMethodEvent(QInputMethodEvent* event) {
  if (detached() || event->commitString().isEmpty()) return QPlainTextEdit::inputMethodEvent(event);
  QInputMethodEvent kept(event->preeditString(), event->attributes());
  kept.setCommitString(
      filtered(event->commitString(), [this](char32_t c) { return memo_.acceptKey(c); }),
      event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&kept);
}

}  // namespace qav::qt
