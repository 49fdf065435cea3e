// Script speed: four event scripts run through the hub, each reporting the time per executed
// script line ("per_line", CPU time) and the number of lines one run executes ("lines").
// bench/compare.sh runs them beside their Python twins (bench/interpreter_twins.py), which
// count lines the same way.
//   ScriptLoop: 1,000,000 passes of arithmetic, a comparison and a label read, 500 items.
//   TextJoin:   10,000 passes that lengthen one text with "~".
//   DataSearch: 1,000 passes that find a row of a 200-row table and read two of its fields.
//   ListFill:   10,000 lines appended to a list box.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "items/controls/NewButton.h"
#include "items/controls/NewLabel.h"
#include "items/controls/RunListBox.h"
#include "platform/HeadlessPlatform.h"
#include "runtime/Hub.h"
#include "stores/DataQueue.h"
#include "stores/MainData.h"

namespace {

using namespace qav;

// A hub with a button whose click script is the workload.
struct Bench {
  HeadlessPlatform platform;
  qav::Hub hub{platform};
  TNewButton* run = nullptr;

  Bench() {
    run = &add<TNewButton>("Run");
    // The clock is read as the player reads it, but no run counts as long: on a loaded
    // machine the question whether to go on would otherwise end a workload.
    hub.interpreter().setClock([] { return script::steadyMillis() * 0; });
  }
  template <class T>
  T& add(const std::string& name) {
    auto item = std::make_unique<T>();
    item->setName(name);
    T& ref = *item;
    hub.components().add(std::move(item));
    return ref;
  }
  void measure(benchmark::State& state, const Lines& script, double lines) {
    run->setIvent(2, script);
    for (auto _ : state) hub.IventClick(*run);
    state.counters["lines"] = lines;
    state.counters["per_line"] =
        benchmark::Counter(lines * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (!platform.log().empty()) state.SkipWithError("the script reported an error");
  }
};

void BM_ScriptLoop(benchmark::State& state) {
  Bench h;
  for (int i = 1; i <= 500; ++i)
    h.add<TNewLabel>("Label" + std::to_string(i))
        .SetItemProperty("제목", "라벨" + std::to_string(i));
  const int passes = static_cast<int>(state.range(0));
  // Per pass: the arithmetic, the comparison (always true), the label read, the block end and
  // the loop end; plus the declaration and the loop head once.
  h.measure(state,
            {"선언 i a b", "반복 i = 1 to " + std::to_string(passes), "정의 a = :i * 3 % 7 + 1",
             "비교 :a > 0 이면", "정의 b = Label250:제목", "비교끝", "반복끝"},
            2.0 + 5.0 * passes);
}
BENCHMARK(BM_ScriptLoop)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TextJoin(benchmark::State& state) {
  Bench h;
  const int passes = static_cast<int>(state.range(0));
  // Per pass: the join and the loop end; plus the declaration and the loop head.
  h.measure(
      state,
      {"선언 i s", "반복 i = 1 to " + std::to_string(passes), "정의 s = :s ~ 가 ~ :i", "반복끝"},
      2.0 + 2.0 * passes);
}
BENCHMARK(BM_TextJoin)->Arg(10000)->Unit(benchmark::kMillisecond);

constexpr int kSearchRows = 200;

void BM_DataSearch(benchmark::State& state) {
  Bench h;
  auto settings = std::make_unique<MainData>();
  settings->setSchemaEntry(1, 0, "회원");
  settings->setSchemaEntry(1, 1, "번호");
  settings->setSchemaEntry(1, 2, "이름");
  settings->setSchemaEntry(1, 3, "나이");
  h.hub.setSettings(std::move(settings));
  auto& rows = h.hub.DataBox().rowList(1);
  for (int r = 0; r < kSearchRows; ++r) {
    std::string row = std::to_string(r) + DataQueue::kFieldEnd + "회원" + std::to_string(r) +
                      DataQueue::kFieldEnd + std::to_string(20 + r % 50) + DataQueue::kFieldEnd;
    row.append(DataQueue::kFieldsPerRow - 3, DataQueue::kFieldEnd);
    rows.push_back(std::move(row));
  }
  const int passes = static_cast<int>(state.range(0));
  // Per pass: the key, the search, the field read and the loop end; plus two lines once.
  h.measure(state,
            {"선언 i n a", "반복 i = 1 to " + std::to_string(passes),
             "정의 n = :i % " + std::to_string(kSearchRows), "데이타검색 회원 번호 :n",
             "정의 a = 데이타:이름 ~ 데이타:나이", "반복끝"},
            2.0 + 4.0 * passes);
  if (h.hub.currentRecord().row != passes % kSearchRows)
    state.SkipWithError("the last search did not find its row");
}
BENCHMARK(BM_DataSearch)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ListFill(benchmark::State& state) {
  Bench h;
  auto& list = h.add<TRunListBox>("목록1");
  const int passes = static_cast<int>(state.range(0));
  // Per pass: the append and the loop end; plus the declaration, the clearing and the loop head.
  h.measure(state,
            {"선언 i", "문자열모두삭제 목록1", "반복 i = 1 to " + std::to_string(passes),
             "문자열추가 목록1 항목 ~ :i", "반복끝"},
            3.0 + 2.0 * passes);
  if (list.lineCount() != passes) state.SkipWithError("the list box did not receive every line");
}
BENCHMARK(BM_ListFill)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
