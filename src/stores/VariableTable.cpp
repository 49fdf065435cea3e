#include "stores/VariableTable.h"

namespace qav::script {

bool VariableTable::declare(std::string_view name) {
  if (full()) return false;
  Variable& v = vars_[static_cast<std::size_t>(count_)];
  v.name.assign(name);
  v.setText(std::string_view());
  ++count_;
  ++names_;
  return true;
}

bool VariableTable::declared(std::string_view name) const {
  for (int i = 0; i < count_; ++i)
    if (vars_[static_cast<std::size_t>(i)].name == name) return true;
  return false;
}

const std::string* VariableTable::find(std::string_view name) const {
  for (int i = count_ - 1; i >= 0; --i)
    if (vars_[static_cast<std::size_t>(i)].name == name)
      return &vars_[static_cast<std::size_t>(i)].text();
  return nullptr;
}

Variable* VariableTable::only(std::string_view name) {
  Variable* found = nullptr;
  for (int i = 0; i < count_; ++i) {
    Variable& v = vars_[static_cast<std::size_t>(i)];
    if (v.name != name) continue;
    if (found) return nullptr;
    found = &v;
  }
  return found;
}

bool VariableTable::assign(std::string_view name, std::string_view value) {
  bool any = false;
  for (int i = 0; i < count_; ++i) {
    Variable& v = vars_[static_cast<std::size_t>(i)];
    if (v.name == name) {
      v.setText(value);
      any = true;
    }
  }
  return any;
}

}  // namespace qav::script
