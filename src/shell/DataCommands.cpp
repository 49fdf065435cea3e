#include "shell/DataCommands.h"

#include "platform/Platform.h"
#include "script/Messages.h"
#include "script/StatementMessages.h"
#include "shell/DataFile.h"
#include "shell/TMain.h"

namespace qav {

void loadDataFile(TMain& hub) {
  DataLoad(hub.dataBoxSlot(), hub.DataPath(), hub.platform());
}

bool saveDataFile(TMain& hub, std::string& error) {
  return DataSave(hub.DataBox(), hub.DataPath(), hub.platform(), error);
}

void menuLoadData(TMain& hub) {
  loadDataFile(hub);
  hub.platform().messageBox(DialogKind::Message, msg::kAppTitle, msg::kDataLoaded, kOk);
}

void menuSaveData(TMain& hub) {
  std::string error;
  if (saveDataFile(hub, error))
    hub.platform().messageBox(DialogKind::Message, msg::kAppTitle, msg::kDataSaved, kOk);
  else
    hub.platform().messageBox(DialogKind::Error, msg::kErrorCaption, error, kOk);
}

}  // namespace qav
