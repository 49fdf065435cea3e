#include "qt/TitleWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include "lang/Texts.h"
#include "platform/Platform.h"
#include "qt/BevelPanel.h"
#include "qt/Dialogs.h"
#include "qt/ItemView.h"
#include "qt/Mapping.h"
#include "qt/SoundPlayer.h"

namespace qav::qt {

TitleWindow::TitleWindow(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), platform_(platform) {
  setObjectName(QStringLiteral("Title"));
  setModal(true);
  setFixedSize(kClientWidth, kClientHeight);

  auto* outer = new BevelPanel(this);
  outer->setObjectName(QStringLiteral("Panel1"));
  outer->setBevels(Bevel::Raised, Bevel::None);
  outer->setGeometry(0, 0, kClientWidth, kClientHeight);

  auto* inner = new BevelPanel(outer);
  inner->setObjectName(QStringLiteral("Panel2"));
  inner->setBevels(Bevel::Raised, Bevel::Lowered);
  inner->setGeometry(2, 2, kClientWidth - 4, kClientHeight - 4);

  // The picture sizes itself to the title card.
  auto* image = new QLabel(inner);
  image->setObjectName(QStringLiteral("Image1"));
  QPixmap card = QPixmap::fromImage(titlePicture());
  image->setPixmap(card);
  image->setGeometry(inner->frameWidth(), inner->frameWidth(), card.width(), card.height());
  image->installEventFilter(this);
  picture_ = image;

  sound_ = new SoundPlayer(this);
  timer_.setSingleShot(true);
  timer_.setInterval(kShowMs);
  connect(&timer_, &QTimer::timeout, this, &QDialog::accept);
}

bool TitleWindow::event(QEvent* event) {
  return QDialog::event(event);
}

void TitleWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* screen = this->screen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  // A scripted run moves time only by its events, so the card waits for them to close it.
  if (!scriptedInput()) timer_.start();
  sound_->play(QString::fromStdString(platform_.resolvePath(std::string(texts::kSplashSound))));
  setFocus();
}

void TitleWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  accept();
}

bool TitleWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ && event->type() == QEvent::MouseButtonPress) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TitleWindow::done(int result) {
  timer_.stop();
  sound_->stop();
  QDialog::done(result);
}

QImage TitleWindow::titlePicture() {
  QImage img(kPictureWidth, kPictureHeight, QImage::Format_RGB888);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient sky(0, 0, 0, kPictureHeight);
  sky.setColorAt(0, QColor(0x16, 0x2a, 0x47));
  sky.setColorAt(1, QColor(0x06, 0x10, 0x1e));
  p.fillRect(img.rect(), sky);

  // A faint layout grid, the builder's design surface.
  p.setPen(QColor(255, 255, 255, 18));
  for (int x = 0; x < kPictureWidth; x += 16) p.drawLine(x, 0, x, kPictureHeight);
  for (int y = 0; y < kPictureHeight; y += 16) p.drawLine(0, y, kPictureWidth, y);

  // A small window with a few items, as an emblem.
  const QRect win(28, 46, 84, 64);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xe8, 0xec, 0xf1));
  p.drawRoundedRect(win, 4, 4);
  p.setBrush(QColor(0x00, 0x80, 0x80));
  p.drawRoundedRect(QRect(win.left(), win.top(), win.width(), 12), 4, 4);
  p.drawRect(QRect(win.left(), win.top() + 6, win.width(), 6));
  p.setBrush(QColor(0xb8, 0xc4, 0xd2));
  p.drawRect(QRect(win.left() + 8, win.top() + 20, 46, 8));
  p.drawRect(QRect(win.left() + 8, win.top() + 34, 68, 8));
  p.setBrush(QColor(0xf2, 0x9e, 0x38));
  p.drawRoundedRect(QRect(win.left() + 50, win.top() + 48, 26, 10), 2, 2);

  QFont big(QStringLiteral("NanumGothic"));
  big.setPixelSize(54);
  big.setBold(true);
  p.setFont(big);
  p.setPen(Qt::white);
  p.drawText(QRect(126, 40, 190, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QAV"));
  QFont mid(big);
  mid.setPixelSize(30);
  mid.setBold(false);
  p.setFont(mid);
  p.setPen(QColor(0x4f, 0xd1, 0xc5));
  p.drawText(QRect(128, 92, 190, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Maker"));

  p.setPen(QColor(0x4f, 0xd1, 0xc5));
  p.drawLine(28, 150, 292, 150);
  QFont small(big);
  small.setPixelSize(13);
  small.setBold(false);
  p.setFont(small);
  p.setPen(QColor(0xc8, 0xd3, 0xe0));
  p.drawText(QRect(28, 158, 264, 20), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Visual application builder"));
  p.drawText(QRect(28, 200, 264, 20), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Run-time player"));
  p.end();
  return img;
}

}  // namespace qav::qt
