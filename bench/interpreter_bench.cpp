// Script speed: a loop of 1,000,000 passes whose body does arithmetic, compares a variable and
// reads a label's caption, on a project of 500 items. Reports the time per executed line.
#include <benchmark/benchmark.h>

#include "items/controls/NewButton.h"
#include "items/controls/NewLabel.h"
#include "platform/HeadlessPlatform.h"
#include "runtime/TMain.h"

namespace {

void BM_ScriptLoop(benchmark::State& state) {
  qav::HeadlessPlatform platform;
  qav::TMain hub(platform);
  for (int i = 1; i <= 500; ++i) {
    auto label = std::make_unique<qav::TNewLabel>();
    label->SetItemProperty("제목", "라벨" + std::to_string(i));
    qav::TNewLabel& ref = *label;
    hub.components().add(std::move(label));
    hub.components().rename(ref, "Label" + std::to_string(i));
  }
  auto button = std::make_unique<qav::TNewButton>();
  qav::TNewButton& run = *button;
  hub.components().add(std::move(button));
  hub.components().rename(run, "Run");
  const int passes = static_cast<int>(state.range(0));
  run.setIvent(2,
               {"선언 i a b", "반복 i = 1 to " + std::to_string(passes), "정의 a = :i * 3 % 7 + 1",
                "비교 :a > 0 이면", "정의 b = Label250:제목", "비교끝", "반복끝"});
  for (auto _ : state) hub.IventClick(run);
  // Per pass: the arithmetic, the comparison (always true), the label read, the block end and
  // the loop end; plus the declaration and the loop head once.
  const double lines = static_cast<double>(state.iterations()) * (2.0 + 5.0 * passes);
  state.counters["lines"] = lines / static_cast<double>(state.iterations());
  state.counters["per_line"] =
      benchmark::Counter(lines, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScriptLoop)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
