#pragma once
// What the interpreter moves between items without passing through text: fonts, pictures
// and lists of lines, and which items carry them.
#include <string>
#include <vector>

#include "base/Picture.h"
#include "items/Component.h"

namespace qav {
class ItemModel;
class LineList;
}  // namespace qav

namespace qav::script {

// Windows, labels, buttons, edit fields, memos, list and combo boxes, check boxes, page
// controls and gauges take part in font transfers.
bool carriesFont(const Component& c);

// The picture of an image item or the glyph of a button; false for other items.
bool getPicture(const ItemModel& item, Picture& out);
bool setPicture(ItemModel& item, const Picture& p);

// The lines of a memo or the entries of a list or combo box; false for other items.
bool getLines(const ItemModel& item, std::vector<std::string>& out);
bool setLines(ItemModel& item, const std::vector<std::string>& lines);

// The line operations of a memo, list box or combo box; null for any other component.
LineList* lineListOf(Component* c);

}  // namespace qav::script
