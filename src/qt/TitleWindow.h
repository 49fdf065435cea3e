#pragma once
// The splash window: a borderless title card shown from the main menu. It plays the program's
// title sound and closes on any key, on a click on the picture, or by itself after 3.5 seconds
// (not in a scripted run, where time moves only by its events).
#include <QDialog>
#include <QImage>
#include <QTimer>

namespace qav {
class Platform;
}

namespace qav::qt {

class SoundPlayer;

class TitleWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 328, kClientHeight = 247;
  static constexpr int kPictureWidth = 320, kPictureHeight = 240;
  static constexpr int kShowMs = 3500;

  explicit TitleWindow(Platform& platform, QWidget* parent = nullptr);

  const QTimer& timer() const { return timer_; }
  QWidget* picture() const { return picture_; }

  // The title card, a 24-bit picture of 320 by 240.
  static QImage titlePicture();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  Platform& platform_;
  QTimer timer_;
  QWidget* picture_;
  SoundPlayer* sound_;
};

}  // namespace qav::qt
