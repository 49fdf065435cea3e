#pragma once
// The edit field: single-line text input with an optional numeric mode. Its key filter,
// character case and byte limit live here so that every view behaves the same. A change of
// the text, typed or written, runs its Ivent3 script; Ivent4 is only carried.
#include <cstdint>
#include <string>
#include <string_view>

#include "items/controls/EditText.h"
#include "items/controls/InputControl.h"

namespace qav {

enum class InputStyle { Number, Alpha };  // stored ordinals: isNumber, isAlpha

class TNewEdit : public InputControl {
 public:
  TNewEdit() : InputControl("TNewEdit") {}
  explicit TNewEdit(const Record& record);

  const std::string& text() const { return text_; }
  // A program write: case and byte limit applied; fires when the text changed.
  void setText(std::string_view t);
  // The user changed the text: the same rules as a program write.
  void userEdited(std::string_view t) { setText(t); }
  // The text as the field would hold it.
  std::string normalised(std::string_view t) const;
  // Whether a typed character (or Backspace / Enter) may reach the text.
  bool acceptKey(char32_t key) const;

  const std::string& backupText() const { return backupText_; }
  void setBackupText(std::string t) { backupText_ = std::move(t); }
  // The script write of the text: the text as the field holds it also becomes BackupText.
  void writeText(std::string_view t);

  InputStyle inputStyle() const { return inputStyle_; }
  void setInputStyle(InputStyle s) { inputStyle_ = s; }
  int32_t minValue() const { return minValue_; }
  void setMinValue(int32_t v) { minValue_ = v; }
  int32_t maxValue() const { return maxValue_; }
  void setMaxValue(int32_t v) { maxValue_ = v; }
  CharCase charCase() const { return charCase_; }
  // Changing the case converts the text the field holds.
  void setCharCase(CharCase c) {
    assign(charCase_, c, Attr::Style);
    setText(text_);
  }
  // Character shown for every character of the text; 0 shows the text plainly.
  char32_t passwordChar() const { return passwordChar_; }
  void setPasswordChar(char32_t c) { assign(passwordChar_, c, Attr::Style); }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  std::string text_, backupText_;
  InputStyle inputStyle_ = InputStyle::Alpha;
  int32_t minValue_ = 0, maxValue_ = 0;
  CharCase charCase_ = CharCase::Normal;
  char32_t passwordChar_ = 0;
};

}  // namespace qav
