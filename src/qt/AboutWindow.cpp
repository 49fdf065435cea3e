#include "qt/AboutWindow.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "lang/Texts.h"
#include "qt/BevelPanel.h"
#include "qt/Dialogs.h"
#include "qt/Mapping.h"

namespace qav::qt {

namespace {

QFont gulimche(int pixels, bool bold = false) {
  return koreanFont("굴림체", pixels, bold);
}

}  // namespace

AboutWindow::AboutWindow(AboutLines lines, QWidget* parent)
    : QDialog(parent), lines_(std::move(lines)) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(qs(msg::kAboutCaption));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  setFont(gulimche(12));
  setFixedSize(kOuterWidth - kFrameWidth, kOuterHeight - kFrameHeight);

  banner_ = new BevelPanel(this);
  banner_->setObjectName(QStringLiteral("Panel1"));
  banner_->setGeometry(8, 8, 353, 33);
  banner_->setBevels(Bevel::Lowered, Bevel::None);
  banner_->setBackground(QColor(0, 128, 128));
  banner_->setCaptionColour(Qt::white);
  banner_->setFont(gulimche(19, true));
  banner_->setCaption(qs(texts::kAboutBanner));

  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("Memo1"));
  text_->setGeometry(24, 56, 321, 57);
  text_->setReadOnly(true);
  text_->setFrameShape(QFrame::NoFrame);
  text_->setFont(gulimche(15));
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_->setFocusPolicy(Qt::NoFocus);
  text_->document()->setDocumentMargin(0);
  // The button face the window was designed on: white text stays legible on it, unlike on the
  // near-white faces of current themes.
  QPalette pal = text_->palette();
  pal.setColor(QPalette::Base, kDesignedFace);
  pal.setColor(QPalette::Text, Qt::white);
  text_->setPalette(pal);
  text_->viewport()->setAutoFillBackground(true);

  ok_ = new QPushButton(qs(texts::kAboutOk), this);
  ok_->setObjectName(QStringLiteral("Button1"));
  ok_->setGeometry(286, 128, 75, 25);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::refresh() {
  text_->clear();
  if (!lines_) return;
  for (const std::string& line : lines_()) text_->appendPlainText(qs(line));
}

bool AboutWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) refresh();
  return QDialog::event(event);
}

}  // namespace qav::qt
