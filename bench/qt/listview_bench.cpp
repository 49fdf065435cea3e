// Lines added one by one to a list box, a combo box and a memo that are shown on a window, as a
// script fills them in the player: the cost of the model and its view per added line. Run
// with QT_QPA_PLATFORM=offscreen. The time per line should not grow with the list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "items/WindowModel.h"
#include "items/controls/NewMemo.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "qt/QtPlatform.h"

namespace {

using namespace qav;

template <class Model>
void fill(benchmark::State& state) {
  qt::QtPlatform platform;
  WindowModel window{"TForm"};
  window.setBounds(0, 0, 400, 300);
  platform.showWindow(window);
  Model list;
  list.setParentWindow(&window);
  list.setBounds(10, 10, 200, 200);
  platform.createItemView(list);
  const int lines = static_cast<int>(state.range(0));
  for (auto _ : state) {
    list.clearLines();
    for (int i = 1; i <= lines; ++i) list.addLine("항목" + std::to_string(i));
    QApplication::processEvents();
  }
  state.counters["per_line"] =
      benchmark::Counter(static_cast<double>(lines) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  platform.releaseViews();
}

void BM_ListBoxFill(benchmark::State& state) {
  fill<TRunListBox>(state);
}
void BM_ComboBoxFill(benchmark::State& state) {
  fill<TRunComboBox>(state);
}
void BM_MemoFill(benchmark::State& state) {
  fill<TNewMemo>(state);
}
BENCHMARK(BM_ListBoxFill)->Arg(1000)->Arg(4000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComboBoxFill)->Arg(1000)->Arg(4000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoFill)->Arg(1000)->Arg(4000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
