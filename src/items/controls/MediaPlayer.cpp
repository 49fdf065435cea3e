#include "items/controls/MediaPlayer.h"

#include "items/PropTable.h"
#include "lang/Texts.h"

namespace qav {
namespace {

const PropTable<TMediaPlayer>& table() {
  using T = TMediaPlayer;
  static const PropTable<T> t{
      rows::text<T>(prop::kFileName, &T::fileName, &T::setFileName),
  };
  return t;
}

}  // namespace

TMediaPlayer::TMediaPlayer() : ItemModel("TMediaPlayer") {
  setVisible(false);
}

const PropertyTable* TMediaPlayer::propertyTable() const {
  return &table();
}

}  // namespace qav
