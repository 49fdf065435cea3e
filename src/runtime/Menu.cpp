// The player's own menu on the main window, and closing the main window.
#include "base/Text.h"
#include "lang/Messages.h"
#include "platform/Platform.h"
#include "runtime/DataFile.h"
#include "runtime/TMain.h"

namespace qav {

void TMain::loadData() {
  (void)loadDataFile();
}

DataFileState TMain::loadDataFile() {
  const DataFileState state = DataLoad(dataBox_, dataPath_, platform_);
  if (state != DataFileState::Unreadable) {
    keepUnreadableData_ = false;
    return state;
  }
  keepUnreadableData_ = true;
  const std::string shown = text::printable(dataPath_);
  platform_.messageBox(DialogKind::Warning, msg::kWarningCaption,
                       std::string(msg::kDataFileUnreadable) + shown +
                           std::string(msg::kDataFileUnreadableKept) + shown +
                           std::string(msg::kBackupSuffix),
                       kOk);
  return state;
}

bool TMain::saveData(std::string& error) {
  if (dataPath_.empty()) {
    error = dataRefusal_.empty() ? std::string(msg::kNoDataFile) : dataRefusal_;
    return false;
  }
  // Checked again at every save: a link may have been put in the file's place meanwhile. (A
  // hub given its data path directly, without a program, has no folder to keep it in.)
  error.clear();
  if (!programPath_.empty()) error = refuseDataSave(platform_, programPath_, dataPath_);
  if (!error.empty()) return false;
  // A file that could not be read is kept aside, never overwritten.
  if (keepUnreadableData_ && platform_.exists(dataPath_)) {
    if (!platform_.renameFile(dataPath_, dataPath_ + std::string(msg::kBackupSuffix))) {
      error = std::string(msg::kBackupFailed) + text::printable(dataPath_);
      return false;
    }
  }
  keepUnreadableData_ = false;
  return DataSave(*dataBox_, dataPath_, platform_, error);
}

bool TMain::CloseQuery() {
  Button b = platform_.messageBox(DialogKind::Warning, msg::kWarningCaption, msg::kQuitQuestion,
                                  kYes | kNo);
  if (b != kYes) return false;
  platform_.quit(0);
  return true;
}

std::vector<std::string> TMain::aboutLines() const {
  const MainData* s = settings_.get();
  auto field = [&](const std::string MainData::*f) { return s ? s->*f : std::string(); };
  return {std::string(msg::kAboutProgram) + field(&MainData::ProgramName),
          std::string(msg::kAboutMaker) + field(&MainData::ProgramMaker),
          std::string(msg::kAboutVersion) + field(&MainData::ProgramVer)};
}

bool TMain::MenuCommand(std::string_view entry) {
  if (entry == "QavMaker1") {
    platform_.showWindowModal(*splash_);
  } else if (entry == "N2") {
    platform_.showWindowModal(*about_);
  } else if (entry == "N4") {
    CloseQuery();
  } else if (entry == "N6") {
    // Success is claimed only when a data file was read.
    if (dataPath_.empty()) {
      platform_.messageBox(DialogKind::Error, msg::kAppTitle,
                           dataRefusal_.empty() ? msg::kDataNotLoadedNoProgram : dataRefusal_, kOk);
    } else if (DataFileState state = loadDataFile(); state == DataFileState::Loaded) {
      platform_.messageBox(DialogKind::Message, msg::kAppTitle, msg::kDataLoaded, kOk);
    } else if (state == DataFileState::Missing) {
      platform_.messageBox(DialogKind::Message, msg::kAppTitle,
                           std::string(msg::kDataFileMissing) + text::printable(dataPath_), kOk);
    }  // an unreadable file was warned of by the load itself
  } else if (entry == "N7") {
    std::string error;
    if (!saveData(error))
      platform_.messageBox(DialogKind::Error, msg::kAppTitle, error, kOk);
    else
      platform_.messageBox(DialogKind::Message, msg::kAppTitle, msg::kDataSaved, kOk);
  } else {
    return false;
  }
  return true;
}

}  // namespace qav
