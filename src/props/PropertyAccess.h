#pragma once
// Reading and writing values by reference text: "qualifier:name" where the qualifier is
// "데이타" (the data record), "시스템" (system values), "레지스터" (registers, read),
// "*레지스터" (registers, write), a window or item name, or nothing (a script variable).
#include <string>
#include <string_view>

#include "props/Reference.h"

namespace qav {

class Component;
class MainData;
class Platform;
namespace script {
class VariableTable;
struct DataRecord;
}  // namespace script

// What the property layer reaches: the runtime hub provides it.
class PropertyContext {
 public:
  virtual ~PropertyContext() = default;
  virtual Component* FindControl(std::string_view name) = 0;
  virtual MainData* settings() = 0;  // null when the program has no settings record
  virtual Platform& platform() = 0;
  virtual script::VariableTable& variables() = 0;
  virtual script::DataRecord& currentRecord() = 0;
};

// The value a reference names; a reference that names nothing yields itself (the empty text
// in the three namespaces). Never raises a script error.
std::string Propertys(PropertyContext& ctx, std::string_view ref);

// Stores a value where a reference names; names that match nothing are ignored. Item tables
// may throw ItemError (an alarm date that is no date, a picture file that cannot be read).
void PropertySet(PropertyContext& ctx, std::string_view ref, std::string_view value);

// The same two for a reference already split, with c the component its qualifier names
// (FindControl), for callers that keep both while the components stay the same. A blank
// reference is the caller's to handle.
std::string readReference(PropertyContext& ctx, std::string_view ref, const Reference& r,
                          Component* c);
void writeReference(PropertyContext& ctx, const Reference& r, Component* c, std::string_view value);

// Does the class answer the item property tables (label, line, box, button, image, edit,
// memo, list box, combo box, check box, timer, alarm, page control, sound, gauge, data item).
bool hasPropertyTable(std::string_view className);

}  // namespace qav
