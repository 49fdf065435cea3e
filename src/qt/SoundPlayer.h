#pragma once
// Plays one sound file at a time without waiting for it. A missing file, an unknown format or
// an absent audio device only means silence.
#include <QObject>
#include <QString>

class QMediaPlayer;
class QAudioOutput;

namespace qav::qt {

class SoundPlayer : public QObject {
  Q_OBJECT
 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  // Starts playing path from its beginning; false when there is nothing to play.
  bool play(const QString& path);
  void stop();
  bool playing() const;
  // Whether the media library and every entry point that playing needs were found (opens
  // the library on first use).
  static bool mediaAvailable();

 private slots:
  void stopOnError();

 private:
  QMediaPlayer* player_ = nullptr;
  QAudioOutput* output_ = nullptr;
};

}  // namespace qav::qt
