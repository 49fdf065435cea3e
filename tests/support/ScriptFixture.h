#pragma once
// A runtime hub on the headless platform with small stand-in items, for tests of the
// interpreter, the property layer and the dispatch.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "items/ItemModel.h"
#include "items/WindowModel.h"
#include "items/controls/ControlModel.h"
#include "platform/HeadlessPlatform.h"
#include "runtime/Hub.h"
#include "stores/MainData.h"

namespace qav::testing {

// An item with a property table of named text rows. A row named "실패" throws when written,
// as a model does for a value it cannot take.
class FakeItem : public ControlModel {
 public:
  FakeItem(std::string cls, std::string name, std::set<std::string> rows = {})
      : ControlModel(std::move(cls), {1, 2, 3, 4, 5}, 0), rows_(std::move(rows)) {
    setName(std::move(name));
  }
  void setOwnProperty(std::string_view name, std::string_view value) override {
    std::string n(name);
    if (n == "실패") throw ItemError("'" + std::string(value) + "' is not a valid date");
    if (rows_.count(n)) values[n] = std::string(value);
    ++writes;
  }
  void getOwnProperty(std::string_view name, std::string& result) const override {
    auto it = values.find(std::string(name));
    if (rows_.count(std::string(name))) result = it == values.end() ? "" : it->second;
  }
  void setEventSlot(int n, Lines lines) { setIvent(n, lines); }

  std::map<std::string, std::string> values;
  int writes = 0;

 private:
  std::set<std::string> rows_;
};

class ScriptTest : public ::testing::Test {
 protected:
  ScriptTest() {
    platform.setClock({2024, 3, 5, 9, 30, 0, 0});
    hub.interpreter().setClock([] { return int64_t{0}; });  // no event ever runs long
    auto s = std::make_unique<MainData>();
    hub.setSettings(std::move(s));
    button = &add<FakeItem>("TNewButton", "Button1", std::set<std::string>{"제목"});
  }

  template <class T, class... A>
  T& add(A&&... args) {
    auto p = std::make_unique<T>(std::forward<A>(args)...);
    T& ref = *p;
    hub.components().add(std::move(p));
    return ref;
  }
  // A real model under a name.
  template <class T>
  T& addNamed(std::string name) {
    auto p = std::make_unique<T>();
    p->setName(std::move(name));
    T& ref = *p;
    hub.components().add(std::move(p));
    return ref;
  }

  WindowModel& addWindow(std::string name) {
    auto w = std::make_unique<WindowModel>("TForm");
    w->setName(std::move(name));
    WindowModel& ref = *w;
    hub.components().add(std::move(w));
    return ref;
  }

  // Runs the lines as Button1's click script.
  void run(std::vector<std::string> lines) {
    button->setEventSlot(2, std::move(lines));
    hub.IventClick(*button);
  }
  std::string var(std::string_view name) {
    const std::string* v = hub.variables().find(name);
    return v ? *v : "<undeclared>";
  }
  std::vector<std::string> errorTexts() const {
    std::vector<std::string> out;
    for (const auto& e : platform.log())
      if (e.contains("dialog") && e["dialog"] == "error") out.push_back(e["text"]);
    return out;
  }
  // The message of each error report (the text after the last blank line).
  std::vector<std::string> errors() const {
    std::vector<std::string> out;
    for (const auto& t : errorTexts()) out.push_back(t.substr(t.rfind("\r\r") + 2));
    return out;
  }

  HeadlessPlatform platform;
  Hub hub{platform};
  FakeItem* button = nullptr;
};

}  // namespace qav::testing
