// Arbitrary script lines run by the real interpreter in a fixed project that has one of every
// kind of window and item and two data tables with rows. The input is read as the code page
// 949 bytes of a project's scripts: lines end at "\n", and a form feed starts the next
// script (the button's click, the list's change, the timer's tick). A user then clicks,
// picks, types and ticks everything, so events also start from other items' scripts.
// Script work per input is bounded by a line budget.
#include <cstdint>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "../tests/support/EveryKindProject.h"
#include "FuzzSupport.h"
#include "base/Cp949.h"
#include "base/Text.h"
#include "props/Schema.h"
#include "runtime/DataFile.h"

namespace {

using namespace qav;
using namespace qav::testing;

constexpr long kLineBudget = 3000;
constexpr std::size_t kMaxLinesPerScript = 400;
const char* const kProgram = fuzz::MemoryPlatform::kProgram;
const char* const kDataPath = "/fuzz/script.dat";

// The fixed project, with the three fuzzed scripts in its event slots.
std::string buildPayload(const std::vector<std::vector<std::string>>& scripts) {
  return everyKindProject(scripts, "script.dat").payload();
}

// Rows already in the data file, so that searches, updates and deletes find something.
const std::string& dataFileBytes() {
  static const std::string bytes = [] {
    fuzz::MemoryPlatform platform;
    DataQueue box;
    auto row = [](std::vector<std::string> fields) {
      std::string r;
      for (int f = 0; f < DataQueue::kFieldsPerRow; ++f) {
        if (static_cast<std::size_t>(f) < fields.size()) r += fields[static_cast<std::size_t>(f)];
        r += DataQueue::kFieldEnd;
      }
      return r;
    };
    box.rowList(1) = {row({"홍길동", "30", "010"}), row({"김철수", "25", "011"})};
    box.rowList(2) = {row({"A1", "100"})};
    std::string error;
    DataSave(box, kDataPath, platform, error);
    return platform.files[kDataPath];
  }();
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string source =
      text::decodeCp949(std::string_view(reinterpret_cast<const char*>(data), size));
  std::vector<std::vector<std::string>> scripts(1);
  std::string line;
  for (char c : source) {
    if (c == '\f' && scripts.size() < 3) {
      scripts.back().push_back(line);
      line.clear();
      scripts.emplace_back();
    } else if (c == '\n') {
      scripts.back().push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  scripts.back().push_back(line);
  for (auto& s : scripts)
    if (s.size() > kMaxLinesPerScript) s.resize(kMaxLinesPerScript);

  fuzz::MemoryPlatform platform;
  platform.setClock(fuzz::fixedClock());
  fuzz::TraceAtEnd traceAtEnd{platform};
  platform.setProgram(buildPayload(scripts));
  platform.files[kDataPath] = dataFileBytes();

  Hub hub(platform);
  fuzz::LineBudget budget(kLineBudget);
  budget.attach(hub);
  if (!hub.FormCreate(kProgram)) return 0;
  for (const char* a : {"Yes", "text:12", "No", "text:가나", "Cancel", "Ok"})
    platform.queueAnswer(a);
  // While a script waits on a window it showed modally, the user reloads the data, picks
  // and clicks, and a timer ticks; all of it may land in the middle of the run.
  int pumped = 0;
  platform.setEventPump([&] {
    static const char* const kTargets[] = {"Names", "Run", "Tick", "Info", "Colour", "Male"};
    if (pumped >= 8) return false;
    int step = pumped++;
    if (step == 0) {
      hub.MenuCommand("N6");
    } else if (step == 1) {
      hub.MenuCommand("N7");
    } else if (Component* c = hub.FindControl(kTargets[step - 2])) {
      fuzz::actOn(hub, *c, "3");
    }
    return true;
  });
  platform.showWindow(hub.mainWindow());
  hub.mainWindow().fire();

  // The scripted item first, then everything a user can reach, twice (state carries over).
  for (int round = 0; round < 2; ++round) {
    if (Component* run = hub.FindControl("Run")) fuzz::actOn(hub, *run, "");
    for (std::size_t i = 0; i < hub.componentList().size() && i < 100; ++i) {
      Component* c = hub.componentList()[i];
      fuzz::actOn(hub, *c, "7나");
      if (platform.quitRequested()) return 0;
    }
  }
  for (std::size_t i = 0; i < hub.componentList().size() && i < 100; ++i)
    fuzz::readAllProperties(hub, *hub.componentList()[i]);
  hub.MenuCommand("N7");
  hub.MenuCommand("N6");
  return 0;
}

// --- Statement-aware mutation --------------------------------------------------------------
// Besides byte changes, whole lines are inserted, replaced, repeated or dropped; new lines are
// built from the statement keywords, the project's item names, every property name and value
// word of the schema tables, and references of every qualifier.

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

struct Vocabulary {
  std::vector<std::string> keywords{
      "선언",       "정의",       "비교",       "비교가틀리면", "비교끝",     "반복",
      "반복끝",     "위치",       "이동",       "이벤트실행",   "종료",       "작동",
      "입력",       "메세지",     "메세지버튼", "창보이기",     "창감추기",   "문자열모두삭제",
      "문자열추가", "문자열삭제", "문자열검색", "문자열줄수",   "현재아이템", "데이타제작",
      "데이타추가", "데이타검색", "데이타수정", "데이타삭제",   "데이타갯수", "데이타목록",
      "불러오기",   "저장하기"};
  std::vector<std::string> items{
      "Run",  "Other",  "Title", "Name", "Age",  "Note",   "Names", "Colour", "Male",   "Female",
      "One",  "Two",    "Info",  "Tick", "Wake", "Badge",  "Rule",  "Dial",   "Bar",    "Logo",
      "Beep", "Values", "Open",  "Save", "Main", "Second", "PageA", "PageB",  "Caption"};
  std::vector<std::string> properties,
      words{"참",    "거짓",  "0",      "1", "-1",  "100", "2147483647", "#0",   "#32",  "#13",
            "#DATE", "#TIME", "#Error", "Y", "yes", "no",  "회원",       "상품", "이름", "값"};
  std::vector<std::string> variables{"a", "i", "n", "s"};

  Vocabulary() {
    std::set<std::string> names, choices;
    for (const SchemaTable* table : schemaTables()) {
      for (const std::string& row : table->rows()) {
        names.insert(SchemaEntryName(row));
        auto first = row.find(':', 3);
        if (first == std::string::npos) continue;
        auto second = row.find(':', first + 1);
        std::string list = row.substr(
            first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
        for (std::size_t at = 0; at <= list.size();) {
          auto comma = list.find(',', at);
          std::string word = text::trimmed(list.substr(at, comma - at));
          if (!word.empty()) choices.insert(word);
          if (comma == std::string::npos) break;
          at = comma + 1;
        }
      }
    }
    properties.assign(names.begin(), names.end());
    words.insert(words.end(), choices.begin(), choices.end());
  }
};

template <class R>
const std::string& pick(const std::vector<std::string>& from, R& rng) {
  return from[rng() % from.size()];
}

template <class R>
std::string reference(const Vocabulary& v, R& rng) {
  switch (rng() % 6) {
    case 0:
      return ":" + pick(v.variables, rng);
    case 1:
      return "데이타:" + pick(v.words, rng);
    case 2:
      return "레지스터:" + std::to_string(static_cast<int>(rng() % 12));
    case 3:
      return "시스템:" + std::to_string(static_cast<int>(rng() % 52));
    default:
      return pick(v.items, rng) + ":" + pick(v.properties, rng);
  }
}

template <class R>
std::string expression(const Vocabulary& v, R& rng, int depth = 0) {
  switch (depth < 2 ? rng() % 5 : rng() % 3) {
    case 0:
      return pick(v.words, rng);
    case 1:
    case 2:
      return reference(v, rng);
    case 3:
      return "(" + expression(v, rng, depth + 1) + ")";
    default: {
      static const char* const ops[] = {" + ", " - ", " * ", " / ", " % ", " ~ "};
      return expression(v, rng, depth + 1) + ops[rng() % 6] + expression(v, rng, depth + 1);
    }
  }
}

template <class R>
std::string statement(const Vocabulary& v, R& rng) {
  const std::string& kw = pick(v.keywords, rng);
  if (kw == "정의") return kw + " " + reference(v, rng) + " = " + expression(v, rng);
  if (kw == "비교") {
    static const char* const cmp[] = {" = ", " > ", " < ", " >= ", " <= ", " <> "};
    std::string out = kw + " " + expression(v, rng) + cmp[rng() % 6] + expression(v, rng);
    if (rng() % 3 == 0) out += (rng() % 2 ? " 이고 " : " 이거나 ") + reference(v, rng) + " = 1";
    return out + " 이면";
  }
  if (kw == "반복")
    return kw + " " + pick(v.variables, rng) + " = " + expression(v, rng) + " ~ " +
           expression(v, rng);
  if (kw == "선언") return kw + " " + pick(v.variables, rng) + " " + pick(v.variables, rng);
  std::string out = kw;
  for (int n = static_cast<int>(rng() % 4); n > 0; --n)
    out += " " + (rng() % 3 == 0 ? expression(v, rng)
                  : rng() % 2    ? pick(v.items, rng)
                                 : pick(v.words, rng));
  return out;
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
  static const Vocabulary vocabulary;
  std::minstd_rand rng(seed);
  if (rng() % 3 == 0) return LLVMFuzzerMutate(data, size, maxSize);
  std::vector<std::string> lines;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  for (std::size_t at = 0;;) {
    auto nl = bytes.find('\n', at);
    lines.push_back(bytes.substr(at, nl - at));
    if (nl == std::string::npos) break;
    at = nl + 1;
  }
  std::size_t at = rng() % lines.size();
  switch (rng() % 5) {
    case 0:
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
      break;
    case 1:
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]);
      break;
    case 2:
      lines[at] = text::encodeCp949(statement(vocabulary, rng));
      break;
    default:
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                   text::encodeCp949(statement(vocabulary, rng)));
      break;
  }
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += '\n';
    out += lines[i];
  }
  if (out.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
  std::memcpy(data, out.data(), out.size());
  return out.size();
}
