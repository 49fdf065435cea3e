#pragma once
// What the edit field and the memo share: the byte limit, the border, the input-method mode
// and the read-only switch, which follows the read-only design flag. Both carry the Ivent3
// and Ivent4 scripts and run Ivent3 when their text changes.
#include <cstdint>
#include <string>

#include "items/controls/ControlModel.h"

namespace qav {

// Input-method mode taken when the control gets the focus (stored ordinals imDisable ...
// imHanguel).
enum class ImeMode {
  Disable,
  Close,
  Open,
  DontCare,
  SAlpha,
  Alpha,
  Hira,
  SKata,
  Kata,
  Chinese,
  SHanguel,
  Hanguel
};

inline constexpr char32_t kKeyBackspace = 8;
inline constexpr char32_t kKeyEnter = 13;
inline constexpr char32_t kKeyLineFeed = 10;

class InputControl : public RecordControl {
 public:
  explicit InputControl(std::string className) : RecordControl(std::move(className), {3, 4}, 3) {
    setCursor(-2);
  }

  void applyDesignFlags() override {
    RecordControl::applyDesignFlags();
    setReadOnly(readCheck());
  }

  // Largest text in code-page-949 bytes; 0 (or less) is no limit. Later input only.
  int32_t maxLength() const { return maxLength_; }
  void setMaxLength(int32_t v) { assign(maxLength_, v, Attr::Style); }
  bool border() const { return border_; }
  void setBorder(bool single) { assign(border_, single, Attr::Style); }
  ImeMode imeMode() const { return imeMode_; }
  void setImeMode(ImeMode m) { assign(imeMode_, m, Attr::Style); }
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool v) { assign(readOnly_, v, Attr::ReadOnly); }

 protected:
  // The control record and what the two share.
  void loadInputRecord(const RecordProps& rp);

 private:
  int32_t maxLength_ = 0;
  bool border_ = true, readOnly_ = false;
  ImeMode imeMode_ = ImeMode::DontCare;
};

}  // namespace qav
