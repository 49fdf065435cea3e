#include "qt/Dialogs.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <array>

#include "lang/Texts.h"
#include "qt/Mapping.h"

namespace qav::qt {

namespace {

// The buttons in the order a message box shows them, with the words a Korean desktop puts on
// them and their access keys.
struct ButtonText {
  Button button;
  const char* caption;
};
constexpr std::array<ButtonText, 8> kButtons{{{kYes, "예(&Y)"},
                                              {kNo, "아니요(&N)"},
                                              {kOk, "확인"},
                                              {kCancel, "취소"},
                                              {kAbort, "중단(&A)"},
                                              {kRetry, "다시 시도(&R)"},
                                              {kIgnore, "무시(&I)"},
                                              {kAll, "모두(&A)"}}};

QIcon iconFor(DialogKind kind, QStyle* style) {
  switch (kind) {
    case DialogKind::Warning:
      return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case DialogKind::Error:
      return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case DialogKind::Information:
      return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case DialogKind::Message:
      break;
  }
  return {};
}

QString captionOr(const QString& caption) {
  if (!caption.isEmpty()) return caption;
  QString title = QApplication::applicationDisplayName();
  return title.isEmpty() ? qs(msg::kAppTitle) : title;
}

}  // namespace

QString buttonCaption(Button b) {
  for (const ButtonText& t : kButtons)
    if (t.button == b) return QString::fromUtf8(t.caption);
  return {};
}

MessageDialog::MessageDialog(DialogKind kind, const QString& caption, const QString& text,
                             Buttons buttons, QWidget* parent)
    : QDialog(parent), buttons_(buttons) {
  setWindowTitle(captionOr(caption));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* top = new QHBoxLayout;
  QIcon icon = iconFor(kind, style());
  if (!icon.isNull()) {
    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("icon"));
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    iconLabel->setPixmap(icon.pixmap(side, side));
    iconLabel->setAlignment(Qt::AlignTop);
    top->addWidget(iconLabel);
  }
  auto* label = new QLabel(this);
  label->setObjectName(QStringLiteral("text"));
  // Script texts are shown as they are, never interpreted as markup.
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  top->addWidget(label, 1);

  // An own row of buttons: QDialogButtonBox would reorder them by role and platform.
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  QPushButton* first = nullptr;
  for (const ButtonText& t : kButtons) {
    const Button b = t.button;
    if (!(buttons & b)) continue;
    auto* button = new QPushButton(buttonCaption(b), this);
    button->setObjectName(QString::fromLatin1(buttonWord(b)));
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, b] { choose(b); });
    row->addWidget(button);
    if (!first) first = button;
  }
  row->addStretch(1);
  if (first) {
    first->setDefault(true);
    first->setFocus();
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MessageDialog::choose(Button b) {
  choice_ = b;
  accept();
}

Button keyButton(const QKeyEvent& event, Buttons buttons) {
  // The letter of each button, and the jamo the same key types in the Korean layout.
  struct Key {
    Qt::Key key;
    char16_t jamo;
    Button button;
  };
  static constexpr Key kKeys[] = {
      {Qt::Key_Y, u'ㅛ', kYes},    {Qt::Key_N, u'ㅜ', kNo},    {Qt::Key_O, u'ㅐ', kOk},
      {Qt::Key_C, u'ㅊ', kCancel}, {Qt::Key_A, u'ㅁ', kAbort}, {Qt::Key_R, u'ㄱ', kRetry},
      {Qt::Key_I, u'ㅑ', kIgnore}, {Qt::Key_A, u'ㅁ', kAll},
  };
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  if (mods != Qt::NoModifier && mods != Qt::AltModifier && mods != Qt::ShiftModifier)
    return kNoButton;
  const QString text = event.text();
  for (const Key& k : kKeys) {
    if (!(buttons & k.button)) continue;
    if (event.key() == k.key || (text.size() == 1 && text[0] == QChar(k.jamo))) return k.button;
  }
  return kNoButton;
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
  // Escape answers Cancel or No when the box has one, or OK when that is its only button.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (buttons_ & kCancel) return choose(kCancel);
    if (buttons_ & kNo) return choose(kNo);
    if (buttons_ == kOk) return choose(kOk);
    event->accept();
    return;
  }
  // A button's letter, with or without Alt, answers with that button.
  if (Button b = keyButton(*event, buttons_); b != kNoButton) return choose(b);
  QDialog::keyPressEvent(event);
}

Button MessageDialog::ask(DialogKind kind, const QString& caption, const QString& text,
                          Buttons buttons, QWidget* parent) {
  if (!parent) parent = QApplication::activeWindow();
  MessageDialog box(kind, caption, text, buttons ? buttons : Buttons{kOk}, parent);
  box.exec();
  return box.choice();
}

InputDialog::InputDialog(const QString& caption, const QString& prompt, const QString& initial,
                         QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(captionOr(caption));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* label = new QLabel(this);
  label->setObjectName(QStringLiteral("prompt"));
  label->setTextFormat(Qt::PlainText);
  label->setText(prompt);
  edit_ = new QLineEdit(initial, this);
  edit_->setObjectName(QStringLiteral("edit"));
  edit_->selectAll();

  auto* ok = new QPushButton(buttonCaption(kOk), this);
  ok->setObjectName(QString::fromLatin1(buttonWord(kOk)));
  ok->setDefault(true);
  auto* cancel = new QPushButton(buttonCaption(kCancel), this);
  cancel->setObjectName(QString::fromLatin1(buttonWord(kCancel)));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(ok);
  row->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(edit_);
  layout->addLayout(row);
  setMinimumWidth(360);
  edit_->setFocus();
}

QString InputDialog::text() const {
  return edit_->text();
}

}  // namespace qav::qt
