#pragma once
// The check box: a caption with a check mark. Checks is the stored state that scripts read
// and write; the live mark is what the user sees and toggles. Boxes with the same group number
// and the "unique" flag behave like radio buttons through the group rule of the dispatch.
#include <cstdint>
#include <string>

#include "items/controls/ControlModel.h"

namespace qav {

// What the check box and the radio button share: the caption, Checks (the stored state that
// scripts read and write) and the live mark.
class CheckControl : public CaptionControl {
 public:
  explicit CheckControl(std::string className);

  bool checks() const { return checks_; }
  bool checked() const { return checked_; }
  // Sets the live mark without reporting anything.
  void setChecked(bool v) { change(checked_, v, Attr::Checked); }

 protected:
  // The caption record, Checks and the mark.
  void loadCheckRecord(const RecordProps& rp);

  bool checks_ = false;

 private:
  bool checked_ = false;
};

// Side of the box relative to the caption.
enum class BoxSide { Left, Right };

class TNewCheckBox : public CheckControl {
 public:
  TNewCheckBox() : CheckControl("TNewCheckBox") {}
  explicit TNewCheckBox(const Record& record);

  // Stores Checks and sets the mark to the same value; a changed mark is reported like a
  // click to whatever handler is attached.
  void writeChecks(bool v);
  // The user clicked: the mark toggles, Checks stays, the click is reported.
  void userClick();

  BoxSide side() const { return side_; }
  void setSide(BoxSide s) { assign(side_, s, Attr::Style); }
  bool only() const { return only_; }
  void setOnly(bool v) { only_ = v; }
  int32_t group() const { return group_; }
  void setGroup(int32_t g) { group_ = g; }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  bool only_ = false;
  int32_t group_ = 0;
  BoxSide side_ = BoxSide::Left;
};

// The radio button: carried in projects, with no property table. The runtime may place it
// like a check box; a click marks it and is reported.
class TNewRadioButton : public CheckControl {
 public:
  TNewRadioButton() : CheckControl("TNewRadioButton") {}
  explicit TNewRadioButton(const Record& record);

  void setChecks(bool v) { checks_ = v; }
  int32_t groupIndex() const { return groupIndex_; }
  void setGroupIndex(int32_t g) { groupIndex_ = g; }
  // The user clicked: a radio button is marked, never cleared, by its own click.
  void userClick();

 private:
  int32_t groupIndex_ = 0;
};

}  // namespace qav
