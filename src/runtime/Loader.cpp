// The load of a program file, in the fixed order the rest of the player relies on: settings,
// windows, items, the program-information caption, the data file.
#include <exception>

#include "lang/Messages.h"
#include "platform/Platform.h"
#include "runtime/DataFile.h"
#include "runtime/ProjectLoader.h"
#include "runtime/TMain.h"
#include "stream/LoadError.h"

namespace qav {
namespace {

class HubSink : public ProjectSink {
 public:
  explicit HubSink(TMain& hub) : hub_(hub) {}
  void settings(std::unique_ptr<MainData> s) override {
    hub_.setStartWindowName(s->startWindowName());
    hub_.setSettings(std::move(s));
  }
  void windowRecord(Record record) override { hub_.CreateWindowRecord(std::move(record)); }
  void itemRecord(Record record) override { hub_.PlaceItemRecord(std::move(record)); }

 private:
  TMain& hub_;
};

}  // namespace

void TMain::LoadPayload(std::string_view payload) {
  HubSink sink(*this);
  loadProject(payload, sink);
}

bool TMain::FormCreate(const std::string& programPath) {
  scriptRunning_ = false;
  scriptList_.clear();
  programPath_ = programPath;
  bool tooShort = false;
  std::string error;
  auto payload = readPayload(platform_, programPath, tooShort, error);
  if (tooShort) {
    platform_.messageBox(DialogKind::Warning, msg::kWarningCaption, kDamagedProgramMessage, kOk);
    platform_.quit(0);
    return false;
  }
  try {
    if (!payload) throw LoadError(error);
    LoadPayload(*payload);
    programInfoCaption_ =
        (settings_ ? settings_->ProgramName : std::string()) + std::string(msg::kEllipsis);
    if (settings_) {
      DataLocation where = locateDataFile(platform_, programPath, settings_->DataFile);
      dataPath_ = std::move(where.path);
      dataRefusal_ = std::move(where.refusal);
      if (!dataPath_.empty()) loadData();
    }
  } catch (const LoadError& e) {
    // One message with the failure's own text; the program runs with what was built.
    platform_.messageBox(DialogKind::Error, msg::kAppTitle,
                         std::string(msg::kLoadHeading) + e.userText(), kOk);
  } catch (const std::exception& e) {
    platform_.messageBox(DialogKind::Error, msg::kAppTitle,
                         std::string(msg::kLoadHeading) + e.what(), kOk);
  }
  platform_.createWindowView(*main_);
  return true;
}

}  // namespace qav
