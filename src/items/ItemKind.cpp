#include "items/ItemKind.h"

#include <array>

#include "items/NewData.h"
#include "items/RecordComponent.h"
#include "items/controls/MediaPlayer.h"
#include "items/controls/NewButton.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/NewEdit.h"
#include "items/controls/NewImage.h"
#include "items/controls/NewLabel.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunAlarm.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "items/controls/RunTimer.h"
#include "items/graphic/Box.h"
#include "items/graphic/Line.h"
#include "items/graphic/NewProgress.h"
#include "items/graphic/NewWatch.h"
#include "lang/Texts.h"

namespace qav {
namespace {

template <class T>
std::unique_ptr<Component> made(const Record& r) {
  return std::make_unique<T>(r);
}
template <class T>
std::unique_ptr<Component> fromRecord(const Record& r) {
  return T::fromRecord(r);
}
template <class T>
std::unique_ptr<ItemModel> runtime(const Record& r) {
  return std::make_unique<T>(r);
}

using P = Placement;
const std::array kKinds = {
    ItemKind{cls::kLabel, P::LiveBound, true, made<TNewLabel>},
    ItemKind{cls::kLine, P::Live, true, fromRecord<TLine>},
    ItemKind{cls::kBox, P::Live, true, fromRecord<TBox>},
    ItemKind{cls::kImage, P::Live, true, made<TNewImage>},
    ItemKind{cls::kButton, P::LiveBound, true, made<TNewButton>},
    ItemKind{cls::kEdit, P::LiveBound, true, made<TNewEdit>},
    ItemKind{cls::kMemo, P::LiveBound, true, made<TNewMemo>},
    ItemKind{cls::kListBoxRecord, P::Control, true, nullptr, runtime<TRunListBox>},
    ItemKind{cls::kComboBoxRecord, P::Control, true, nullptr, runtime<TRunComboBox>},
    ItemKind{cls::kCheckBox, P::LiveBound, true, made<TNewCheckBox>},
    // Radio buttons are placed like check boxes; their click runs their script.
    ItemKind{cls::kRadioButton, P::LiveBound, true, made<TNewRadioButton>},
    ItemKind{cls::kAlarmRecord, P::Driver, true, nullptr, runtime<TRunAlarm>},
    ItemKind{cls::kTimerRecord, P::Driver, true, nullptr, runtime<TRunTimer>},
    ItemKind{cls::kWatch, P::Live, true, fromRecord<TNewWatch>},
    ItemKind{cls::kPageRecord, P::Page, true, nullptr, runtime<TRunPage>},
    ItemKind{cls::kSoundRecord, P::Sound, true, nullptr, runtime<TMediaPlayer>},
    ItemKind{cls::kProgress, P::Live, true, fromRecord<TNewProgress>},
    ItemKind{cls::kLoadBox, P::Listed, true},
    ItemKind{cls::kSaveBox, P::Listed, true},
    ItemKind{cls::kData, P::Data, true, made<TNewData>},
};

struct SlotOf {
  std::string_view runtimeClass;
  int slot;
};
const std::array kEventSlots = {
    SlotOf{cls::kLabel, 2},    SlotOf{cls::kButton, 2},      SlotOf{cls::kEdit, 3},
    SlotOf{cls::kMemo, 3},     SlotOf{cls::kListBox, 3},     SlotOf{cls::kComboBox, 3},
    SlotOf{cls::kCheckBox, 3}, SlotOf{cls::kRadioButton, 3}, SlotOf{cls::kPage, 3},
    SlotOf{cls::kTimer, 5},    SlotOf{cls::kAlarm, 5},
};

}  // namespace

int eventSlot(std::string_view runtimeClass) {
  for (const SlotOf& s : kEventSlots)
    if (s.runtimeClass == runtimeClass) return s.slot;
  return 0;
}

const ItemKind* itemKind(std::string_view recordClass) {
  for (const ItemKind& k : kKinds)
    if (k.recordClass == recordClass) return &k;
  return nullptr;
}

std::unique_ptr<Component> loadComponent(const Record& record) {
  const ItemKind* kind = itemKind(record.className);
  if (kind && kind->load) return kind->load(record);
  return std::make_unique<RecordComponent>(record);
}

}  // namespace qav
