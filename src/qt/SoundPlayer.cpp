#include "qt/SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace qav::qt {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() {
  stop();
}

bool SoundPlayer::play(const QString& path) {
  QFileInfo info(path);
  if (path.isEmpty() || !info.isFile() || !info.isReadable()) return false;
  // No output device: nothing can be heard, and the media back end is not worth starting.
  if (QMediaDevices::audioOutputs().isEmpty()) return false;
  if (!player_) {
    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(this);
    player_->setAudioOutput(output_);
    // Errors of the back end (codec, device) are silence; nothing is reported to the user.
    connect(player_, &QMediaPlayer::errorOccurred, player_, [this] { player_->stop(); });
  }
  player_->stop();
  player_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  player_->play();
  return true;
}

void SoundPlayer::stop() {
  if (player_) {
    player_->stop();
    player_->setSource(QUrl());
  }
}

bool SoundPlayer::playing() const {
  return player_ && player_->playbackState() == QMediaPlayer::PlayingState;
}

}  // namespace qav::qt
