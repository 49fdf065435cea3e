#pragma once
// The rows most item tables share: design or live access and existence, the four geometry
// rows, cursor, background colour, the parent switches, tab settings and the hint; and the
// rows two controls share.
#include <cstdint>

#include "items/DesignFlags.h"
#include "items/ItemModel.h"
#include "items/PropTable.h"
#include "items/controls/InputControl.h"
#include "lang/Texts.h"

namespace qav::rows {

// Record-and-live items and drawn items store the design flags, and the live state follows.
template <class T>
typename PropTable<T>::Row designAccess() {
  return truth<T>(prop::kAccess, &DesignFlags::enabledCheck, &DesignFlags::writeEnabledCheck);
}
template <class T>
typename PropTable<T>::Row designExists() {
  return truth<T>(prop::kExists, &DesignFlags::visibleCheck, &DesignFlags::writeVisibleCheck);
}
template <class T>
typename PropTable<T>::Row designReadOnly() {
  return truth<T>(prop::kReadOnly, &DesignFlags::readCheck, &DesignFlags::writeReadCheck);
}
// "접근" and "존재" as designed.
template <class T>
typename PropTable<T>::Rows designFlags() {
  return {designAccess<T>(), designExists<T>()};
}

// Run-time items act on the live state at once.
template <class T>
typename PropTable<T>::Row liveAccess() {
  return truth<T>(prop::kAccess, &ItemModel::enabled, &ItemModel::setEnabled);
}
template <class T>
typename PropTable<T>::Row liveExists() {
  return truth<T>(prop::kExists, &ItemModel::visible, &ItemModel::setVisible);
}

template <class T>
typename PropTable<T>::Row left() {
  return number<T>(prop::kLeft, &ItemModel::left, &ItemModel::setLeft);
}
template <class T>
typename PropTable<T>::Row top() {
  return number<T>(prop::kTop, &ItemModel::top, &ItemModel::setTop);
}
template <class T>
typename PropTable<T>::Row width() {
  return number<T>(prop::kWidth, &ItemModel::width, &ItemModel::setWidth);
}
template <class T>
typename PropTable<T>::Row height() {
  return number<T>(prop::kHeight, &ItemModel::height, &ItemModel::setHeight);
}

// The four geometry rows, in table order.
template <class T>
typename PropTable<T>::Rows geometry() {
  return {left<T>(), top<T>(), width<T>(), height<T>()};
}

template <class T>
typename PropTable<T>::Row cursorRow() {
  return cursor<T>(prop::kCursor, &ItemModel::cursor, &ItemModel::setCursor);
}
template <class T>
typename PropTable<T>::Row colourRow() {
  return colour<T>(prop::kColour, &ItemModel::colour, &ItemModel::setColour);
}
template <class T>
typename PropTable<T>::Row parentColour() {
  return truth<T>(prop::kParentColour, &ItemModel::parentColour, &ItemModel::setParentColour);
}
template <class T>
typename PropTable<T>::Row parentFont() {
  return truth<T>(prop::kParentFont, &ItemModel::parentFont, &ItemModel::setParentFont);
}
template <class T>
typename PropTable<T>::Row tabStop() {
  return truth<T>(prop::kTabStop, &ItemModel::tabStop, &ItemModel::setTabStop);
}
// Read back as a signed 16-bit value, the width the toolkit keeps it in.
template <class T>
typename PropTable<T>::Row tabOrder() {
  return number<T>(
      prop::kTabOrder, [](const T& m) { return static_cast<int16_t>(m.tabOrder()); },
      &ItemModel::setTabOrder);
}
template <class T>
typename PropTable<T>::Row hint() {
  return text<T>(prop::kHint, &ItemModel::hint, &ItemModel::setHint);
}

// The rows a placed item's table starts with: "접근" and "존재" as designed (record-and-live
// and drawn items) or live (run-time controls), the four geometry rows and the cursor.
template <class T>
typename PropTable<T>::Rows designPlaced() {
  return {designAccess<T>(), designExists<T>(), left<T>(),     top<T>(),
          width<T>(),        height<T>(),       cursorRow<T>()};
}
template <class T>
typename PropTable<T>::Rows livePlaced() {
  return {liveAccess<T>(), liveExists<T>(), left<T>(),     top<T>(),
          width<T>(),      height<T>(),     cursorRow<T>()};
}
// The parent switches, "부모바탕색" and "부모글자모양".
template <class T>
typename PropTable<T>::Rows parents() {
  return {parentColour<T>(), parentFont<T>()};
}
// The rows a focusable control's table ends with: tab stop, tab order and the hint.
template <class T>
typename PropTable<T>::Rows tabsAndHint() {
  return {tabStop<T>(), tabOrder<T>(), hint<T>()};
}

// The input-method mode of the edit field and the memo: the three modes scripts can name.
template <class T>
typename PropTable<T>::Row imeMode() {
  return choice<T, ImeMode>(prop::kImeMode,
                            {{words::kImeCurrent, ImeMode::DontCare},
                             {words::kImeAlpha, ImeMode::SAlpha},
                             {words::kImeHangul, ImeMode::Hanguel}},
                            &InputControl::imeMode, &InputControl::setImeMode);
}

}  // namespace qav::rows
