// The player's own menu on the main window, and closing the main window.
#include "lang/Messages.h"
#include "platform/Platform.h"
#include "runtime/DataFile.h"
#include "runtime/TMain.h"

namespace qav {

void TMain::loadData() {
  DataLoad(dataBox_, dataPath_, platform_);
}

bool TMain::saveData(std::string& error) {
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
    loadData();
    platform_.messageBox(DialogKind::Message, msg::kAppTitle, msg::kDataLoaded, kOk);
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
