#include "items/NewData.h"

#include "base/Text.h"
#include "stream/LoadError.h"
#include "stream/RecordProps.h"

namespace qav {

TNewData::TNewData(const Record& record) : ItemModel("TNewData") {
  if (record.className != "TNewData")
    throw LoadError("record " + record.name + " of class " + record.className +
                    " is no named-value item");
  RecordProps props(record);
  setName(record.name);
  setBounds(props.integer("Left"), props.integer("Top"), props.integer("Width"),
            props.integer("Height"));
  setVisible(false);
  MaxLine = props.integer("MaxLine");
  ParentName = props.text("ParentName");
  Backup_Names = props.lines("Backup_Names");
  Backup_Value = props.lines("Backup_Value");
}

void TNewData::unpackSlots() {
  if (Backup_Names.size() < kSlots || Backup_Value.size() < kSlots)
    throw LoadError::ofRecord(name(), className(), msg::kValueListsShort,
                              "it holds " + std::to_string(Backup_Names.size()) + " names and " +
                                  std::to_string(Backup_Value.size()) + " values; it needs " +
                                  std::to_string(kSlots) + " of each");
  for (int i = 0; i < kSlots; ++i) {
    names_[i] = Backup_Names[i];
    values_[i] = Backup_Value[i];
  }
}

void TNewData::setOwnProperty(std::string_view name, std::string_view value) {
  const std::string_view key = text::trim(name);
  for (int i = 0; i < kSlots; ++i)
    if (text::trim(names_[i]) == key) values_[i] = std::string(value);
}

void TNewData::getOwnProperty(std::string_view name, std::string& result) const {
  const std::string_view key = text::trim(name);
  for (int i = 0; i < kSlots; ++i)
    if (text::trim(names_[i]) == key) result = values_[i];
}

}  // namespace qav
