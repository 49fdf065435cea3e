#include "qt/SoundPlayer.h"

#include <dlfcn.h>

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <type_traits>

namespace qav::qt {
namespace {

// Qt Multimedia and the two dozen libraries under it (audio server, codecs, network) would
// take a share of every start-up, though most programs never play a sound. The player is
// therefore not linked with it: the library is opened when the first sound plays, and the few
// entry points playing needs are found by their symbol names, which Qt keeps stable within a
// major version. The headers give the sizes and enumerations only. When the library or an
// entry point is missing, sounds are silence, as for any other failure to play.
struct Media {
  void (*newPlayer)(void* self, QObject* parent) = nullptr;
  void (*newOutput)(void* self, QObject* parent) = nullptr;
  void (*setAudioOutput)(QMediaPlayer*, QAudioOutput*) = nullptr;
  void (*setSource)(QMediaPlayer*, const QUrl&) = nullptr;
  void (*play)(QMediaPlayer*) = nullptr;
  void (*stop)(QMediaPlayer*) = nullptr;
  QMediaPlayer::PlaybackState (*state)(const QMediaPlayer*) = nullptr;
  // QMediaDevices::defaultAudioOutput(), which returns its QAudioDevice through the storage
  // its caller passes; the device's isNull() and destructor.
  void* (*defaultOutput)(void* result) = nullptr;
  bool (*isNull)(const void* device) = nullptr;
  void (*endDevice)(void* device) = nullptr;
  bool ready = false;

  // Is there a device to play on at all.
  bool hasOutput() const {
    alignas(QAudioDevice) unsigned char device[sizeof(QAudioDevice)];
    defaultOutput(device);
    const bool none = isNull(device);
    endDevice(device);
    return !none;
  }
};

const Media& media() {
  static const Media m = [] {
    Media found;
    void* lib = ::dlopen("libQt6Multimedia.so.6", RTLD_NOW | RTLD_GLOBAL);
    if (!lib) return found;
    auto get = [lib](auto& entry, const char* symbol) {
      entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(::dlsym(lib, symbol));
      return entry != nullptr;
    };
    found.ready = get(found.newPlayer, "_ZN12QMediaPlayerC1EP7QObject") &&
                  get(found.newOutput, "_ZN12QAudioOutputC1EP7QObject") &&
                  get(found.setAudioOutput, "_ZN12QMediaPlayer14setAudioOutputEP12QAudioOutput") &&
                  get(found.setSource, "_ZN12QMediaPlayer9setSourceERK4QUrl") &&
                  get(found.play, "_ZN12QMediaPlayer4playEv") &&
                  get(found.stop, "_ZN12QMediaPlayer4stopEv") &&
                  get(found.state, "_ZNK12QMediaPlayer13playbackStateEv") &&
                  get(found.defaultOutput, "_ZN13QMediaDevices18defaultAudioOutputEv") &&
                  get(found.isNull, "_ZNK12QAudioDevice6isNullEv") &&
                  get(found.endDevice, "_ZN12QAudioDeviceD1Ev");
    return found;
  }();
  return m;
}

// An object of a class of the library, made in storage of its size; its virtual destructor
// (reached through the QObject base) ends it, as the parent does for its children.
template <class T>
T* make(void (*construct)(void*, QObject*), QObject* parent) {
  void* storage = ::operator new(sizeof(T));
  try {
    construct(storage, parent);
  } catch (...) {
    ::operator delete(storage);
    throw;
  }
  return static_cast<T*>(storage);
}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() {
  stop();
}

bool SoundPlayer::play(const QString& path) {
  QFileInfo info(path);
  if (path.isEmpty() || !info.isFile() || !info.isReadable()) return false;
  const Media& m = media();
  // No output device: nothing can be heard, and the media back end is not worth starting.
  if (!m.ready || !m.hasOutput()) return false;
  if (!player_) {
    player_ = make<QMediaPlayer>(m.newPlayer, this);
    output_ = make<QAudioOutput>(m.newOutput, this);
    m.setAudioOutput(player_, output_);
    // Errors of the back end (codec, no device) are silence; nothing is reported to the user.
    connect(reinterpret_cast<QObject*>(player_),
            SIGNAL(errorOccurred(QMediaPlayer::Error, QString)), this, SLOT(stopOnError()));
  }
  m.stop(player_);
  m.setSource(player_, QUrl::fromLocalFile(info.absoluteFilePath()));
  m.play(player_);
  return true;
}

bool SoundPlayer::mediaAvailable() {
  return media().ready;
}

void SoundPlayer::stopOnError() {
  if (player_) media().stop(player_);
}

void SoundPlayer::stop() {
  if (player_) {
    media().stop(player_);
    media().setSource(player_, QUrl());
  }
}

bool SoundPlayer::playing() const {
  return player_ && media().state(player_) == QMediaPlayer::PlayingState;
}

}  // namespace qav::qt
