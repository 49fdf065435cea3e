#pragma once
// Instantiation: turns the records the loader hands over into what scripts address, each
// placed on its window, named and given its view.
#include <string>

namespace qav {

class Component;
class Hub;
class ItemModel;
class WindowModel;
struct Record;

class Instantiation {
 public:
  explicit Instantiation(Hub& hub) : hub_(hub) {}

  // The window a record belongs on: its ParentName for item classes that carry one, else "".
  static std::string EventCreate(const Record& record);
  // Turns a window record (window == null) or an item record into what scripts address.
  // Throws LoadError.
  void CreateComponent(Component& loaded, const Record& record, WindowModel* window);
  // The placement step: parent window, run-time name, designed bounds.
  void Setting(ItemModel& control, const Record& record, WindowModel& window);
  // Places an item record (the loader's item hand-over).
  void PlaceItemRecord(Record record);
  // Makes a window from a window record (the loader's window hand-over).
  void CreateWindowRecord(Record record);

 private:
  Hub& hub_;
};

}  // namespace qav
