#pragma once
// Small record builders and a do-nothing platform for the tests of records, stores and loading.
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "stream/Record.h"

namespace qav::testing {

inline Record makeRecord(std::string className, std::string name,
                         std::vector<Property> properties = {}) {
  Record r;
  r.className = std::move(className);
  r.name = std::move(name);
  r.properties = std::move(properties);
  return r;
}

inline Property prop(std::string name, Value v) {
  return Property{std::move(name), std::move(v)};
}

// A platform whose dialogs and windows do nothing; files use the real file system.
class FilePlatform : public Platform {
 public:
  Button messageBox(DialogKind, std::string_view, std::string_view, Buttons) override {
    return kOk;
  }
  std::optional<std::string> inputBox(std::string_view, std::string_view,
                                      std::string_view) override {
    return std::nullopt;
  }
  void showWindow(WindowModel&) override {}
  void showWindowModal(WindowModel&) override {}
  void hideWindow(WindowModel&) override {}
  void closeWindow(WindowModel&) override {}
  void quit(int) override {}
  text::DateTime now() override { return {2024, 1, 2, 3, 4, 5, 0}; }
  bool playSound(const ItemModel&, const std::string&, std::string&) override { return true; }
  std::string programPath() override { return programPath_; }

  std::string programPath_ = "/nonexistent/program";
};

}  // namespace qav::testing
