#pragma once
// The check box: a caption with a check mark. Checks is the stored state that scripts read
// and write; the live mark is what the user sees and toggles. Boxes with the same group number
// and the "unique" flag behave like radio buttons through the group rule of the dispatch.
#include <cstdint>
#include <string>

#include "items/controls/ControlModel.h"

namespace qav {

// Side of the box relative to the caption.
enum class BoxSide { Left, Right };

class TNewCheckBox : public RecordControl {
 public:
  TNewCheckBox();
  explicit TNewCheckBox(const Record& record);

  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);

  bool checks() const { return checks_; }
  // Stores Checks and sets the mark to the same value; a changed mark is reported like a
  // click to whatever handler is attached.
  void writeChecks(bool v);
  bool checked() const { return checked_; }
  // Sets the live mark without reporting anything.
  void setChecked(bool v);
  // The user clicked: the mark toggles, Checks stays, the click is reported.
  void userClick();

  BoxSide side() const { return side_; }
  void setSide(BoxSide s);
  bool only() const { return only_; }
  void setOnly(bool v) { only_ = v; }
  int32_t group() const { return group_; }
  void setGroup(int32_t g) { group_ = g; }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  std::string caption_;
  bool checks_ = false, checked_ = false, only_ = false;
  int32_t group_ = 0;
  BoxSide side_ = BoxSide::Left;
};

// The radio button: carried in projects, with no property table. The runtime may place it
// like a check box; a click marks it and is reported.
class TNewRadioButton : public RecordControl {
 public:
  TNewRadioButton();
  explicit TNewRadioButton(const Record& record);

  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  bool checks() const { return checks_; }
  void setChecks(bool v) { checks_ = v; }
  bool checked() const { return checked_; }
  void setChecked(bool v);
  int32_t groupIndex() const { return groupIndex_; }
  void setGroupIndex(int32_t g) { groupIndex_ = g; }
  // The user clicked: a radio button is marked, never cleared, by its own click.
  void userClick();

 private:
  std::string caption_;
  bool checks_ = false, checked_ = false;
  int32_t groupIndex_ = 0;
};

}  // namespace qav
