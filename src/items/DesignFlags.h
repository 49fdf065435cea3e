#pragma once
// The design flags of an item whose stream record is itself the live item (the record-and-live
// controls and the drawn items): accessible, visible and read-only as designed, and the window
// it is placed on. Scripts read and write the flags through the item's table; the live state
// takes them once, at instantiation, through applyDesignFlags().
#include <string>

namespace qav {

class DesignFlags {
 public:
  virtual ~DesignFlags() = default;

  bool enabledCheck() const { return enabledCheck_; }
  void setEnabledCheck(bool v) { enabledCheck_ = v; }
  bool visibleCheck() const { return visibleCheck_; }
  void setVisibleCheck(bool v) { visibleCheck_ = v; }
  bool readCheck() const { return readCheck_; }
  void setReadCheck(bool v) { readCheck_ = v; }

  const std::string& parentName() const { return parentName_; }
  void setParentName(std::string n) { parentName_ = std::move(n); }

  // Gives the live state the flags, as instantiation does.
  virtual void applyDesignFlags() = 0;

  // A script's write of a flag: the live state follows at once, so that a script can disable,
  // hide or lock any item.
  void writeEnabledCheck(bool v) {
    enabledCheck_ = v;
    showEnabled(v);
  }
  void writeVisibleCheck(bool v) {
    visibleCheck_ = v;
    showVisible(v);
  }
  void writeReadCheck(bool v) {
    readCheck_ = v;
    applyDesignFlags();
  }

 protected:
  // designedOn: the accessible and visible flags of an item whose record does not say.
  explicit DesignFlags(bool designedOn) : enabledCheck_(designedOn), visibleCheck_(designedOn) {}
  // The item's live enabled and visible states.
  virtual void showEnabled(bool v) = 0;
  virtual void showVisible(bool v) = 0;

 private:
  bool enabledCheck_, visibleCheck_, readCheck_ = false;
  std::string parentName_;
};

}  // namespace qav
