#pragma once
// Which items carry a font, a picture or lines that the assignment statement moves whole.
#include "items/Component.h"
#include "shell/ClassNames.h"

namespace qav::script {

// Windows, labels, buttons, edit fields, memos, list and combo boxes, check boxes, page
// controls and gauges take part in font transfers.
inline bool carriesFont(const Component& c) {
  const auto& n = c.className();
  return c.isWindow() || n == cls::kLabel || n == cls::kButton || n == cls::kEdit ||
         n == cls::kMemo || n == cls::kListBox || n == cls::kComboBox || n == cls::kCheckBox ||
         n == cls::kPage || n == cls::kProgress;
}

// Buttons and image items take part in picture transfers.
inline bool carriesPicture(const Component& c) {
  return c.className() == cls::kButton || c.className() == cls::kImage;
}

// Memos, list boxes and combo boxes take part in line transfers.
inline bool carriesLines(const Component& c) {
  const auto& n = c.className();
  return n == cls::kMemo || n == cls::kListBox || n == cls::kComboBox;
}

}  // namespace qav::script
