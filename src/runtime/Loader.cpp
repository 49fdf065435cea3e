// The load of a program file, in the fixed order the rest of the player relies on: settings,
// windows, items, the program-information caption, the data file.
#include <exception>

#include "lang/Texts.h"
#include "platform/Platform.h"
#include "runtime/DataFile.h"
#include "runtime/Hub.h"
#include "runtime/ProjectLoader.h"
#include "stream/LoadError.h"

namespace qav {
namespace {

class HubSink : public ProjectSink {
 public:
  explicit HubSink(Hub& hub) : hub_(hub) {}
  void settings(std::unique_ptr<MainData> s) override {
    hub_.setStartWindowName(s->startWindowName());
    hub_.setSettings(std::move(s));
  }
  void windowRecord(Record record) override {
    hub_.instantiation().CreateWindowRecord(std::move(record));
  }
  void itemRecord(Record record) override {
    hub_.instantiation().PlaceItemRecord(std::move(record));
  }

 private:
  Hub& hub_;
};

}  // namespace

void Hub::LoadPayload(std::string_view payload) {
  HubSink sink(*this);
  loadProject(payload, sink);
}

bool Hub::FormCreate(const std::string& programPath) {
  return FormCreate(programPath, ProgramRead(programPath));
}

bool Hub::FormCreate(const std::string& programPath, ProgramRead&& read) {
  dispatch_.reset();
  data_.setProgramPath(programPath);
  if (read.tooShort) {
    platform_.messageBox(DialogKind::Warning, msg::kWarningCaption, kDamagedProgramMessage, kOk);
    platform_.quit(0);
    return false;
  }
  try {
    if (!read.error.empty()) throw LoadError(read.error);
    HubSink sink(*this);
    loadProject(std::move(read.records), sink);
    menu_.setProgramInfoCaption((settings_ ? settings_->ProgramName : std::string()) +
                                std::string(msg::kEllipsis));
    if (settings_) data_.open(settings_->DataFile);
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
