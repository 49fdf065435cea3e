// Arbitrary bytes as the project appended to a program file: the hub loads them on a headless
// platform (a failure must become the one load message), then a user clicks, picks, types and
// ticks every placed item, switches pages, uses the data menu, and every property an item
// offers is read; drawn items compute what they would paint. Script work is bounded per input.
//
// The mutator understands the record stream: when the input parses as records it changes one
// field, line, name or record at a time, so that valid projects (seeds written by
// `qav pack examples/demo.json -o SEED --offset 0`) stay deep in the player.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "items/graphic/Clock.h"
#include "items/graphic/Line.h"
#include "items/graphic/LinePixels.h"
#include "items/graphic/MultiShape.h"
#include "items/graphic/NewProgress.h"
#include "items/graphic/ShapeGeometry.h"
#include "runtime/ProjectLoader.h"
#include "stream/RecordReader.h"
#include "stream/RecordWriter.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

using namespace qav;

constexpr long kLineBudget = 3000;
constexpr std::size_t kMaxActedItems = 300;
constexpr int kMaxFiguresPainted = 64;
const char* const kProgram = fuzz::MemoryPlatform::kProgram;

// What a view would compute to paint a drawn item, without a canvas.
void paint(Component& c, const text::DateTime& now) {
  const graphic::Rect visible{0, 0, 1024, 768};
  if (auto* shape = dynamic_cast<TMultiShape*>(&c)) {
    graphic::ShapeStyle style = shape->style();
    style.textWidth = static_cast<int32_t>(style.text.size()) * 8;
    style.textHeight = 16;
    const graphic::ShapeGrid grid = shape->grid();
    int painted = 0;
    for (int32_t r = 0; r < grid.rows && painted < kMaxFiguresPainted; ++r)
      for (int32_t col = 0; col < grid.columns && painted < kMaxFiguresPainted; ++col, ++painted)
        (void)graphic::figureOps(style, grid.origin(col, r));
  } else if (auto* clock = dynamic_cast<TClock*>(&c)) {
    (void)clock->face();
    for (const auto& hand : clock->hands(now)) (void)hand;
  } else if (auto* gauge = dynamic_cast<TGauge*>(&c)) {
    (void)gauge->paint();
  } else if (auto* line = dynamic_cast<TLine*>(&c)) {
    for (const graphic::Segment& s : line->strokes())
      (void)graphic::linePixels(s.from, s.to, visible);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::MemoryPlatform platform;
  platform.setClock(fuzz::fixedClock());
  fuzz::TraceAtEnd traceAtEnd{platform};
  platform.setProgram(std::string(reinterpret_cast<const char*>(data), size));

  Hub hub(platform);
  fuzz::LineBudget budget(kLineBudget);
  budget.attach(hub);
  if (!hub.FormCreate(kProgram)) return 0;
  // A failed load is shown once; nothing else speaks before the main window appears.
  std::size_t dialogs = 0;
  for (const auto& entry : platform.log()) dialogs += entry.contains("dialog") ? 1 : 0;
  if (dialogs > 1) {
    std::fprintf(stderr, "the load showed %zu messages\n", dialogs);
    std::abort();
  }
  platform.showWindow(hub.mainWindow());
  hub.mainWindow().fire();

  // The list may grow or be renamed while scripts run: walk it by position.
  const std::string typed = "12가a";
  for (std::size_t i = 0; i < hub.componentList().size() && i < kMaxActedItems; ++i) {
    Component* c = hub.componentList()[i];
    fuzz::actOn(hub, *c, typed);
    if (c->isWindow()) static_cast<ItemModel*>(c)->fire();
    fuzz::readAllProperties(hub, *c);
    paint(*c, fuzz::fixedClock());
    if (platform.quitRequested()) break;
  }
  hub.MenuCommand("N7");  // save the data tables
  hub.MenuCommand("N6");  // and load them back
  hub.MenuCommand("N2");
  hub.MenuCommand("QavMaker1");
  (void)hub.aboutLines();
  hub.CloseQuery();
  return 0;
}

// --- Structure-aware mutation ------------------------------------------------------------

namespace {

int32_t interestingInteger(std::mt19937& rng) {
  static const int32_t values[] = {0,
                                   1,
                                   -1,
                                   2,
                                   7,
                                   100,
                                   255,
                                   256,
                                   32767,
                                   -32768,
                                   65535,
                                   1000000,
                                   std::numeric_limits<int32_t>::max(),
                                   std::numeric_limits<int32_t>::min()};
  if (rng() % 4 == 0) return static_cast<int32_t>(rng());
  return values[rng() % std::size(values)];
}

// Byte-level mutation of one text through libFuzzer's own mutator.
std::string mutateText(const std::string& text, std::size_t maxGrowth) {
  std::string buf = text;
  buf.resize(text.size() + maxGrowth);
  std::size_t n = LLVMFuzzerMutate(reinterpret_cast<uint8_t*>(buf.data()), text.size(), buf.size());
  buf.resize(n);
  return buf;
}

// Pieces of scripts that make a mutated event line reach real statements.
const char* const kScriptPieces[] = {"비교 1 = 1 이면",
                                     "비교가틀리면",
                                     "비교끝",
                                     "반복 i = 1 ~ 3",
                                     "반복끝",
                                     "이동 처음",
                                     "위치 처음",
                                     "선언 a i",
                                     "정의 a = :a + 1",
                                     "메세지 :a",
                                     "종료",
                                     "데이타제작 ",
                                     "데이타추가",
                                     "저장하기",
                                     "불러오기",
                                     "창보이기 ",
                                     "창감추기 ",
                                     "이벤트실행 ",
                                     "문자열추가 ",
                                     "현재아이템 ",
                                     "정의 레지스터:1 = ",
                                     "정의 :a = 시스템:3 ~ "};

void mutateValue(Value& v, std::mt19937& rng, const std::vector<Record>& records) {
  switch (v.tag) {
    case Tag::Int8:
    case Tag::Int16:
    case Tag::Int32:
      v = Value::makeInteger(interestingInteger(rng));
      break;
    case Tag::String:
    case Tag::LString: {
      // Often another record's name, so that parents, pages and events point at real things.
      if (rng() % 3 == 0 && !records.empty())
        v = Value::makeText(records[rng() % records.size()].name);
      else
        v = Value::makeText(mutateText(v.text, 64));
      break;
    }
    case Tag::False:
    case Tag::True:
      v = Value::makeBool(v.tag == Tag::False);
      break;
    case Tag::List: {
      if (v.list.empty() || rng() % 4 == 0) {
        v.list.push_back(Value::makeText(
            kScriptPieces[rng() % std::size(kScriptPieces)] +
            (records.empty() ? std::string() : CutName(records[rng() % records.size()].name))));
        break;
      }
      std::size_t at = rng() % v.list.size();
      switch (rng() % 4) {
        case 0:
          v.list.erase(v.list.begin() + static_cast<std::ptrdiff_t>(at));
          break;
        case 1:
          v.list.insert(v.list.begin() + static_cast<std::ptrdiff_t>(at), v.list[at]);
          break;
        default:
          if (v.list[at].isText()) v.list[at] = Value::makeText(mutateText(v.list[at].text, 32));
          break;
      }
      break;
    }
    default:
      break;
  }
}

std::size_t mutateRecords(uint8_t* data, size_t size, size_t maxSize, unsigned seed) {
  std::vector<Record> records;
  try {
    RecordReader reader(std::string_view(reinterpret_cast<const char*>(data), size));
    while (!reader.atEnd()) records.push_back(reader.read());
  } catch (const std::exception&) {
    return 0;
  }
  if (records.empty()) return 0;
  std::mt19937 rng(seed);
  std::size_t r = rng() % records.size();
  switch (rng() % 8) {
    case 0:  // drop a record
      if (records.size() > 1) records.erase(records.begin() + static_cast<std::ptrdiff_t>(r));
      break;
    case 1:  // repeat one elsewhere
      records.insert(records.begin() + static_cast<std::ptrdiff_t>(rng() % records.size()),
                     records[r]);
      break;
    case 2:  // move a record
      std::swap(records[r], records[rng() % records.size()]);
      break;
    case 3:  // rename
      records[r].name = mutateText(records[r].name, 16);
      break;
    default: {
      auto& props = records[r].properties;
      if (props.empty()) break;
      mutateValue(props[rng() % props.size()].value, rng, records);
      break;
    }
  }
  std::string out;
  try {
    out = writeRecords(records);
  } catch (const std::exception&) {
    return 0;
  }
  if (out.size() > maxSize) return 0;
  std::memcpy(data, out.data(), out.size());
  return out.size();
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
  if (seed % 4 != 0) {
    if (std::size_t n = mutateRecords(data, size, maxSize, seed)) return n;
  }
  return LLVMFuzzerMutate(data, size, maxSize);
}
