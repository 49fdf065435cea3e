#pragma once
// The operand form of scripts: a reference text split at its last colon into a qualifier
// (an item or window name, a namespace word, or nothing) and a property name.
#include <string_view>

namespace qav {

// A reference split at its last colon. Without a colon the qualifier is empty and the whole
// text is the name. The name is cut to 1000 characters.
struct Reference {
  std::string_view qualifier;
  std::string_view name;
  bool hasColon = false;
};
Reference splitReference(std::string_view ref);

}  // namespace qav
