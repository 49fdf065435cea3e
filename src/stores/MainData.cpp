#include "stores/MainData.h"

#include "base/Cp949.h"
#include "base/Text.h"
#include "stream/LoadError.h"
#include "stream/RecordProps.h"

namespace qav {
namespace {

// Schema entries keep at most this many CP949 bytes.
constexpr std::size_t kSchemaEntryBytes = 20;

}  // namespace

MainData MainData::fromRecord(const Record& record) {
  if (record.className != "TMainData")
    throw LoadError::ofRecord(record.name, record.className, msg::kFirstNotSettings,
                              "the project's first record is of class " + record.className +
                                  ", not the settings record TMainData");
  RecordProps props(record);
  MainData m;
  m.Pages_Name = props.lines("Pages_Name");
  m.Pages_Caption = props.lines("Pages_Caption");
  m.Data_Backup = props.lines("Data_Backup");
  m.ProgramName = props.text("ProgramName");
  m.ProgramMaker = props.text("ProgramMaker");
  m.ProgramVer = props.text("ProgramVer");
  m.DataFile = props.text("DataFile");

  const auto& lines = m.Data_Backup;
  if (lines.size() < static_cast<std::size_t>(kBackupLines))
    throw LoadError::ofRecord(record.name, record.className,
                              std::string(msg::kSettingsShort) + std::to_string(lines.size()),
                              "the settings record holds " + std::to_string(lines.size()) +
                                  " of the " + std::to_string(kBackupLines) +
                                  " lines of its tables");
  std::size_t k = 0;
  for (int n = 0; n < kOptions; ++n) m.options_[n] = lines[k++] == "Y";
  for (int n = 0; n < kRegisters; ++n) m.registers_[n] = lines[k++];
  for (int n = 0; n < kSystemValues; ++n) m.systemValues_[n] = lines[k++];
  for (auto& table : m.schemas_)
    for (auto& entry : table) entry = schemaEntry(lines[k++]);
  return m;
}

// The cut comes first: a character straddling the limit keeps its lead byte, and blanks that
// follow the cut are still removed.
std::string MainData::schemaEntry(std::string_view line) {
  return text::trimmed(text::cutCp949(line, kSchemaEntryBytes));
}

std::string MainData::startWindowName() const {
  return Pages_Name.empty() ? std::string() : Pages_Name.front();
}

}  // namespace qav
