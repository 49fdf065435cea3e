#pragma once
// The table of item kinds: for every class of item record the loader knows, how its loaded
// object is made from the record, how instantiation places it, and the class its run-time
// object has. The loader and the hub consult it instead of testing class names one by one;
// the Qt platform keeps its own table of views by run-time class. Adding a kind of item means
// its model, a row here and, when it shows, a row in the Qt view table.
#include <memory>
#include <string_view>

#include "items/Component.h"
#include "stream/Record.h"

namespace qav {

class ItemModel;

// How instantiation turns the loaded object into what scripts address.
enum class Placement {
  Listed,     // stays listed under its stream name and unplaced
  Live,       // the loaded object is the live item, placed on its window
  LiveBound,  // the same, with its action bound to the event dispatch
  Control,    // a run-time control made from the design record, placed and bound
  Driver,     // a timer or alarm made from the design record, bound, not placed
  Sound,      // a hidden media player made from the design record
  Data,       // a named-value store: renamed and unpacked, not placed
  Page,       // a page control made from the design record, with its tab windows
};

struct ItemKind {
  std::string_view recordClass;
  Placement placement = Placement::Listed;
  // Whether the record names the window it belongs on (ParentName).
  bool hasParent = false;
  // The loaded object: the live item or the data item; null makes a listed record.
  std::unique_ptr<Component> (*load)(const Record&) = nullptr;
  // The run-time object of a design record (Control, Driver, Sound and Page placements).
  std::unique_ptr<ItemModel> (*runtime)(const Record&) = nullptr;
};

// The kind of a record class, or null for a class that is no item (settings, windows,
// stores the loader lists as they are).
const ItemKind* itemKind(std::string_view recordClass);

// The event slot whose script the bound action of a run-time class runs (Ivent2 for labels
// and buttons, Ivent3 for edits, memos, lists, combo boxes, check and radio boxes and pages,
// Ivent5 for timers and alarms); 0 for a class that runs no script.
int eventSlot(std::string_view runtimeClass);

// The loaded object of a record: what its kind makes, or the record itself, listed.
std::unique_ptr<Component> loadComponent(const Record& record);

}  // namespace qav
