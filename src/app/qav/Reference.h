#pragma once
// The references for application authors, made from the player's own tables so that they
// cannot drift from it: the script language, the kinds of items with their event scripts and
// property words, the value words and the settings (Markdown), and a JSON Schema of the
// project form for editors.
#include <string>
#include <vector>

namespace qav::tool {

// What the player makes of a record of each registered class, found by loading one.
struct ItemKind {
  std::string recordClass;
  std::string baseKind;      // of the stream ("label", "panel", ...); empty for plain objects
  std::string runtimeClass;  // of the placed window or item; empty when never placed
  int scriptSlot = 0;        // the IventN whose script the bound action runs; 0 for none
  std::string action;        // what runs it
  std::vector<int> slots;    // every IventN the record carries
};
std::vector<ItemKind> itemKinds();

std::string referenceMarkdown();
std::string projectSchema();

}  // namespace qav::tool
