#include "items/controls/MediaPlayer.h"

#include "items/PropTable.h"
#include "lang/Texts.h"

namespace qav {

const PropertyTable* TMediaPlayer::propertyTable() const {
  using T = TMediaPlayer;
  static const PropTable<T> table{
      rows::text<T>(prop::kFileName, &T::fileName, &T::setFileName),
  };
  return &table;
}

}  // namespace qav
