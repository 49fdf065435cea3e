#include "runtime/Menu.h"

#include "base/Text.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "runtime/Hub.h"

namespace qav {

ShellMenu::ShellMenu(Hub& hub)
    : hub_(hub), programInfoCaption_(std::string(msg::kProgramInfoDesign)) {
  splash_.setName("Title");
  about_.setName("About");
  about_.setCaption(std::string(msg::kAboutCaption));
}

bool ShellMenu::CloseQuery() {
  Platform& platform = hub_.platform();
  Button b = platform.messageBox(DialogKind::Warning, msg::kWarningCaption, msg::kQuitQuestion,
                                 kYes | kNo);
  if (b != kYes) return false;
  platform.quit(0);
  return true;
}

std::vector<std::string> ShellMenu::aboutLines() const {
  const MainData* s = hub_.settings();
  auto field = [&](const std::string MainData::*f) { return s ? s->*f : std::string(); };
  return {std::string(msg::kAboutProgram) + field(&MainData::ProgramName),
          std::string(msg::kAboutMaker) + field(&MainData::ProgramMaker),
          std::string(msg::kAboutVersion) + field(&MainData::ProgramVer)};
}

bool ShellMenu::MenuCommand(std::string_view entry) {
  Platform& platform = hub_.platform();
  DataFiles& data = hub_.data();
  if (entry == "QavMaker1") {
    platform.showWindowModal(splash_);
  } else if (entry == "N2") {
    platform.showWindowModal(about_);
  } else if (entry == "N4") {
    CloseQuery();
  } else if (entry == "N6") {
    // Success is claimed only when a data file was read.
    if (data.path().empty()) {
      platform.messageBox(DialogKind::Error, msg::kAppTitle,
                          data.refusal().empty() ? msg::kDataNotLoadedNoProgram : data.refusal(),
                          kOk);
    } else if (DataFileState state = data.load(); state == DataFileState::Loaded) {
      platform.messageBox(DialogKind::Message, msg::kAppTitle, msg::kDataLoaded, kOk);
    } else if (state == DataFileState::Missing) {
      platform.messageBox(DialogKind::Message, msg::kAppTitle,
                          std::string(msg::kDataFileMissing) + text::printable(data.path()), kOk);
    }  // an unreadable file was warned of by the load itself
  } else if (entry == "N7") {
    std::string error;
    if (!data.save(error))
      platform.messageBox(DialogKind::Error, msg::kAppTitle, error, kOk);
    else
      platform.messageBox(DialogKind::Message, msg::kAppTitle, msg::kDataSaved, kOk);
  } else {
    return false;
  }
  return true;
}

}  // namespace qav
