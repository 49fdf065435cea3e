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
#include "platform/HeadlessPlatform.h"
#include "shell/MainData.h"
#include "shell/TMain.h"

namespace qav::testing {

// An item with a property table of named text rows. A row named "실패" throws when written,
// as a model does for a value it cannot take.
class FakeItem : public ItemModel {
 public:
  FakeItem(std::string cls, std::string name, std::set<std::string> rows = {})
      : ItemModel(std::move(cls)), rows_(std::move(rows)) {
    setName(std::move(name));
  }
  void SetItemProperty(std::string_view name, std::string_view value) override {
    std::string n(name);
    if (n == "실패") throw ItemError("'" + std::string(value) + "' is not a valid date");
    if (rows_.count(n)) values[n] = std::string(value);
    ++writes;
  }
  void GetItemProperty(std::string_view name, std::string& result) const override {
    auto it = values.find(std::string(name));
    if (rows_.count(std::string(name))) result = it == values.end() ? "" : it->second;
  }
  bool getLines(std::vector<std::string>& out) const override {
    if (!carriesLines) return false;
    out = lines;
    return true;
  }
  bool setLines(const std::vector<std::string>& in) override {
    if (!carriesLines) return false;
    lines = in;
    return true;
  }
  bool getPicture(Picture& p) const override {
    p = picture;
    return true;
  }
  bool setPicture(const Picture& p) override {
    picture = p;
    return true;
  }

  std::map<std::string, std::string> values;
  std::vector<std::string> lines;
  bool carriesLines = false;
  Picture picture;
  int writes = 0;

 private:
  std::set<std::string> rows_;
};

// Schema rows for the classes the tests use.
inline const std::vector<std::string>* testSchema(std::string_view cls) {
  static const std::vector<std::string> edit = {
      "COC접근:참,거짓:아이템에 접근이 가능한지 설정합니다.", "OOF글자모양::글자 모양",
      "EXX이름::이름", "EOS문자열::문자열", "COC읽기전용:참, 거짓 :읽기"};
  static const std::vector<std::string> button = {"IOI그림::그림", "EOS제목::제목",
                                                  "OOF글자모양::글자 모양"};
  static const std::vector<std::string> list = {"SOT아이템::목록", "OOF글자모양::글자 모양"};
  static const std::vector<std::string> check = {"COC표시:참,거짓:표시", "EOS그룹번호::그룹"};
  static const std::vector<std::string> form = {"EOS제목::제목",
                                                "COC창상태:없음,크기고정,크기조절:"};
  if (cls == "TNewEdit") return &edit;
  if (cls == "TNewButton" || cls == "TNewImage" || cls == "TNewLabel") return &button;
  if (cls == "TRunListBox" || cls == "TNewMemo") return &list;
  if (cls == "TNewCheckBox") return &check;
  if (cls == "TForm" || cls == "TMain") return &form;
  return nullptr;
}

class ScriptTest : public ::testing::Test {
 protected:
  ScriptTest() {
    platform.setClock({2024, 3, 5, 9, 30, 0, 0});
    hub.setSchemaLookup(testSchema);
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
  TMain hub{platform};
  FakeItem* button = nullptr;
};

}  // namespace qav::testing
