#include "items/controls/MediaPlayer.h"

#include "items/PropTable.h"
#include "lang/PropertyNames.h"

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

void TMediaPlayer::SetItemProperty(std::string_view name, std::string_view value) {
  table().set(*this, name, value);
}
void TMediaPlayer::GetItemProperty(std::string_view name, std::string& result) const {
  table().get(*this, name, result);
}

}  // namespace qav
