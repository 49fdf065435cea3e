#include "runtime/Hub.h"

#include "base/Font.h"
#include "base/Text.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "runtime/InputPath.h"

namespace qav {
namespace {
constexpr char kMainWindowFont[] = "굴림체";
constexpr uint32_t kWindowText = 0x80000008;
}  // namespace

Hub::Hub(Platform& platform)
    : platform_(platform),
      main_(std::make_unique<WindowModel>(std::string(cls::kMain))),
      data_(platform),
      interpreter_(std::make_unique<script::Interpreter>(*this)),
      input_(std::make_unique<InputPath>(*this)) {
  platform_.setUserInput(input_.get());
  main_->setName("Main");
  main_->setCaption(std::string(msg::kAppTitle));
  Font f;
  f.name = kMainWindowFont;
  f.charset = kHangeulCharset;
  f.height = -13;
  f.colour = kWindowText;
  main_->setFont(f);
  BorderIcons icons;
  icons.systemMenu = true;
  icons.minimize = false;
  icons.maximize = true;
  main_->setBorderIcons(icons);
}

Hub::~Hub() {
  if (platform_.userInput() == input_.get()) platform_.setUserInput(nullptr);
}

Component* Hub::FindControl(std::string_view name) {
  if (text::equalsIgnoreAsciiCase(name, main_->name())) return main_.get();
  return list_.find(name);
}

}  // namespace qav
