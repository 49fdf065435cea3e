#include "runtime/ComponentList.h"

#include <algorithm>

#include "base/Text.h"
#include "lang/Texts.h"
#include "stream/LoadError.h"

namespace qav {

bool isPlainWindow(const Component* c) {
  return c && c->className() == cls::kForm;
}

std::string CutName(std::string_view streamName) {
  // Characters, not bytes: names are ASCII by the naming rule, but a cut must never split a
  // multi-byte character of a name that is not.
  auto charStart = [&](std::size_t n) {
    std::size_t i = 0;
    while (n > 0 && i < streamName.size()) {
      ++i;
      while (i < streamName.size() && (static_cast<unsigned char>(streamName[i]) & 0xC0) == 0x80)
        ++i;
      --n;
    }
    return i;
  };
  std::size_t from = charStart(5);
  std::string_view rest = streamName.substr(from);
  std::size_t i = 0, n = 0;
  while (n < 100 && i < rest.size()) {
    ++i;
    while (i < rest.size() && (static_cast<unsigned char>(rest[i]) & 0xC0) == 0x80) ++i;
    ++n;
  }
  return std::string(rest.substr(0, i));
}

bool isIdentifier(std::string_view name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (char c : name)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
      return false;
  return true;
}

std::string ComponentList::key(std::string_view name) {
  return text::upperAscii(name);
}

std::size_t ComponentList::FoldedHash::operator()(std::string_view s) const noexcept {
  // FNV-1a over the upper-cased bytes.
  std::size_t h = 14695981039346656037ull;
  for (char c : s) h = (h ^ static_cast<unsigned char>(text::upperAsciiChar(c))) * 1099511628211ull;
  return h;
}

bool ComponentList::FoldedEqual::operator()(std::string_view a, std::string_view b) const noexcept {
  return text::equalsIgnoreAsciiCase(a, b);
}

void ComponentList::index(std::size_t pos) {
  auto& v = byName_[key(order_[pos]->name())];
  v.insert(std::upper_bound(v.begin(), v.end(), pos), pos);
}

void ComponentList::unindex(std::size_t pos) {
  auto it = byName_.find(std::string_view(order_[pos]->name()));
  if (it == byName_.end()) return;
  auto& v = it->second;
  v.erase(std::remove(v.begin(), v.end(), pos), v.end());
  if (v.empty()) byName_.erase(it);
}

Component& ComponentList::add(std::unique_ptr<Component> c) {
  Component& ref = *c;
  owned_.push_back(std::move(c));
  order_.push_back(&ref);
  position_[&ref] = order_.size() - 1;
  index(order_.size() - 1);
  return ref;
}

Component& ComponentList::addNamed(std::unique_ptr<Component> c) {
  checkName(c->name(), nullptr);
  return add(std::move(c));
}

void ComponentList::checkName(std::string_view name, const Component* self) const {
  if (!isIdentifier(name))
    throw LoadError("\"" + std::string(name) + "\" is not a valid component name");
  auto it = byName_.find(name);
  if (it == byName_.end()) return;
  for (std::size_t pos : it->second)
    if (order_[pos] != self)
      throw LoadError("A component named " + std::string(name) + " already exists");
}

void ComponentList::rename(Component& c, std::string name) {
  checkName(name, &c);
  auto it = position_.find(&c);
  if (it == position_.end()) {
    c.setName(std::move(name));
    return;
  }
  unindex(it->second);
  c.setName(std::move(name));
  index(it->second);
}

Component* ComponentList::find(std::string_view name) const {
  auto it = byName_.find(name);
  if (it == byName_.end() || it->second.empty()) return nullptr;
  return order_[it->second.back()];
}

}  // namespace qav
