#pragma once
// Everything in the main window's component list: windows, items, event holders and the
// records that were read but never placed. Scripts find all of them by name.
#include <string>
#include <string_view>

namespace qav {

class LineList;

class Component {
 public:
  explicit Component(std::string className) : className_(std::move(className)) {}
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  // The run-time class name ("TNewLabel", "TRunListBox", "TForm", "TMain", "TIvent", ...).
  const std::string& className() const { return className_; }
  const std::string& name() const { return name_; }
  void setName(std::string n) { name_ = std::move(n); }

  virtual bool isWindow() const { return false; }
  virtual bool isItem() const { return false; }
  // The lines the list statements work on: those of memos, list boxes and combo boxes; null
  // for everything else. A virtual call, as a statement asks on every line it runs.
  virtual LineList* lineList() { return nullptr; }

 private:
  std::string className_;
  std::string name_;
};

}  // namespace qav
