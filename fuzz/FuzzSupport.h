#pragma once
// What the fuzz targets share: a headless platform whose files live in memory (nothing a
// fuzzed script names touches the disk), a budget of script lines per input, and the user
// actions a player performs on whatever a project placed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "items/ItemModel.h"
#include "items/WindowModel.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/NewEdit.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunAlarm.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "items/controls/RunPage.h"
#include "items/controls/RunTimer.h"
#include "platform/HeadlessPlatform.h"
#include "props/PropertyAccess.h"
#include "props/Schema.h"
#include "runtime/Hub.h"
#include "runtime/ProjectLoader.h"

namespace qav::fuzz {

// Files in memory; a write larger than the cap fails like a full disk.
class MemoryPlatform : public HeadlessPlatform {
 public:
  static constexpr std::size_t kMaxFileBytes = 8u << 20;
  static constexpr const char* kProgram = "/fuzz/program.exe";

  std::map<std::string, std::string> files;
  int writes = 0;

  // The program being played holds the project after a megabyte of its own; only the project
  // is kept, so that an input costs one copy of that megabyte (when the program is read)
  // rather than several.
  void setProgram(std::string project) {
    setProgramPath(kProgram);
    project_ = std::move(project);
    files.erase(kProgram);
  }

  bool readFile(const std::string& path, std::string& bytes,
                std::string_view signature = {}) override {
    if (path == kProgram && project_) {
      if (!signature.empty()) return false;
      bytes.reserve(kPayloadOffset + project_->size());
      bytes.assign(kPayloadOffset, '\0');
      bytes += *project_;
      return true;
    }
    auto it = files.find(path);
    if (it == files.end()) return false;
    if (!it->second.empty() && it->second.compare(0, signature.size(), signature) != 0)
      return false;
    bytes = it->second;
    return true;
  }
  bool exists(const std::string& path) override {
    return files.count(path) != 0 || (path == kProgram && project_);
  }
  bool renameFile(const std::string& from, const std::string& to) override {
    auto it = files.find(from);
    if (it == files.end()) return false;
    if (to == kProgram) project_.reset();
    files[to] = std::move(it->second);
    files.erase(from);
    return true;
  }
  std::string realPath(const std::string& path) override { return path; }
  bool writeFileAtomic(const std::string& path, std::string_view bytes,
                       std::string& error) override {
    ++writes;
    if (bytes.size() > kMaxFileBytes) {
      error = "Cannot write file \"" + path + "\". No space left on device";
      return false;
    }
    if (path == kProgram) project_.reset();
    files[path] = std::string(bytes);
    return true;
  }
  std::string resolvePath(const std::string& name) override {
    std::string p = name;
    for (char& c : p)
      if (c == '\\') c = '/';
    return p;
  }

 private:
  std::optional<std::string> project_;
};

// With QAV_FUZZ_TRACE set, prints what the input made the player show (for reproducing).
inline void trace(const HeadlessPlatform& platform) {
  if (!std::getenv("QAV_FUZZ_TRACE")) return;
  for (const auto& entry : platform.log())
    std::fprintf(stderr, "%s\n",
                 entry.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
}

struct TraceAtEnd {
  const HeadlessPlatform& platform;
  ~TraceAtEnd() { trace(platform); }
};

// Bounds the script lines one input may run in total; once spent, every run ends at once.
class LineBudget {
 public:
  explicit LineBudget(long lines) : left_(lines) {}
  void attach(Hub& hub) {
    hub.interpreter().setLineGate([this] { return left_-- > 0; });
  }
  bool spent() const { return left_ <= 0; }

 private:
  long left_;
};

// A fixed moment, so that clocks and alarms behave the same on every run.
inline text::DateTime fixedClock() {
  return {2024, 3, 5, 9, 30, 0, 0};
}

// What a user can do to one item: click it, pick its first entries, type into it, tick it.
inline void actOn(Hub& hub, Component& c, std::string_view typed) {
  if (!c.isItem()) return;
  auto& item = static_cast<ItemModel&>(c);
  if (auto* box = dynamic_cast<TNewCheckBox*>(&c)) {
    box->userClick();
  } else if (auto* radio = dynamic_cast<TNewRadioButton*>(&c)) {
    radio->userClick();
  } else if (auto* list = dynamic_cast<TRunListBox*>(&c)) {
    for (std::size_t i = 0; i < list->items().size() && i < 3; ++i)
      list->userSelect(static_cast<int>(i));
  } else if (auto* combo = dynamic_cast<TRunComboBox*>(&c)) {
    for (std::size_t i = 0; i < combo->items().size() && i < 3; ++i)
      combo->userSelect(static_cast<int>(i));
    combo->userEdited(typed);
  } else if (auto* page = dynamic_cast<TRunPage*>(&c)) {
    for (std::size_t i = 0; i < page->tabs().size() && i < 4; ++i)
      page->userSelectTab(static_cast<int>(i));
  } else if (auto* timer = dynamic_cast<TRunTimer*>(&c)) {
    timer->tick();
  } else if (auto* alarm = dynamic_cast<TRunAlarm*>(&c)) {
    hub.OnAlarm(*alarm);
  } else if (auto* edit = dynamic_cast<TNewEdit*>(&c)) {
    for (char ch : typed) edit->acceptKey(static_cast<unsigned char>(ch));
    edit->userEdited(typed);
  } else if (auto* memo = dynamic_cast<TNewMemo*>(&c)) {
    memo->userEdited(typed);
  } else {
    item.fire();
  }
}

// Reads every property an item's schema names, as a script reference would.
inline void readAllProperties(Hub& hub, Component& c) {
  const SchemaTable* table = schemaForClass(c.className());
  if (!table) return;
  for (const std::string& row : table->rows())
    (void)Propertys(hub, c.name() + ":" + SchemaEntryName(row));
}

}  // namespace qav::fuzz
