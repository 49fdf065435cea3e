#pragma once
// The main window's flat list of components (windows, items, event holders, unplaced
// records) with the lookup by name: ASCII letters compared without regard to case, the
// last matching component in list order wins. An index keeps lookups from scanning.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "items/Component.h"

namespace qav {

// The run-time name of a stream name: characters 6 to 105 (the first five are a prefix).
std::string CutName(std::string_view streamName);

// ASCII letters, digits and underscore, not starting with a digit.
bool isIdentifier(std::string_view name);

// A window made from a window record other than the start window's ("TForm").
bool isPlainWindow(const Component* c);

class ComponentList {
 public:
  // Appends a component, owned by the list, without any check of its name.
  Component& add(std::unique_ptr<Component> c);
  // Appends a component after checking its name (see checkName). Throws LoadError.
  Component& addNamed(std::unique_ptr<Component> c);
  // Gives a listed component a new name after checking it. Throws LoadError. Names of
  // listed components change only through here, so the index stays true.
  void rename(Component& c, std::string name);
  // The naming rule: an identifier (never empty) that no other listed component uses
  // (without regard to ASCII case). Throws LoadError naming the name.
  void checkName(std::string_view name, const Component* self) const;

  // The last component whose name equals name without regard to ASCII case, or null.
  Component* find(std::string_view name) const;

  const std::vector<Component*>& items() const { return order_; }
  std::size_t size() const { return order_.size(); }

 private:
  void index(std::size_t pos);
  void unindex(std::size_t pos);
  static std::string key(std::string_view name);
  // Hash and equality with ASCII letters folded, so that a lookup takes the name as given.
  struct FoldedHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept;
  };
  struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
  };

  std::vector<std::unique_ptr<Component>> owned_;
  std::vector<Component*> order_;
  std::unordered_map<const Component*, std::size_t> position_;
  // Upper-cased name -> positions in the list, ascending.
  std::unordered_map<std::string, std::vector<std::size_t>, FoldedHash, FoldedEqual> byName_;
};

}  // namespace qav
