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

 protected:
  // designedOn: the accessible and visible flags of an item whose record does not say.
  explicit DesignFlags(bool designedOn) : enabledCheck_(designedOn), visibleCheck_(designedOn) {}

 private:
  bool enabledCheck_, visibleCheck_, readCheck_ = false;
  std::string parentName_;
};

}  // namespace qav
