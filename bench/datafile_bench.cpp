// Loading and saving a large data file: 50,000 rows of 100 fields (about 30 MB), rows mixing
// Korean and ASCII values, in a temporary directory.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/Platform.h"
#include "runtime/DataFile.h"
#include "stores/DataQueue.h"

namespace {

using namespace qav;

class BenchPlatform : public Platform {
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
  text::DateTime now() override { return {}; }
  bool playSound(const ItemModel&, const std::string&, std::string&) override { return true; }
  std::string programPath() override { return "/"; }
};

constexpr int kRows = 50000;

// Field values of five to six bytes in the file: names, numbers, codes and states.
std::string field(int r, int f) {
  static const char* const kWords[] = {"홍길동", "서울", "김", "부산시", "대리", "합계"};
  switch (f % 4) {
    case 0:
      return kWords[(r + f) % 6];
    case 1:
      return std::to_string((r * 7 + f) % 1000000);
    case 2:
      return "A" + std::to_string(f) + std::to_string(r % 10);
    default:
      return r % 3 ? "완료" : "2024-01";
  }
}

DataQueue makeStore() {
  DataQueue box;
  for (int r = 0; r < kRows; ++r) {
    std::string row;
    for (int f = 0; f < DataQueue::kFieldsPerRow; ++f) {
      row += field(r, f);
      row += DataQueue::kFieldEnd;
    }
    box.rowList(1 + r % DataQueue::kTables).push_back(std::move(row));
  }
  return box;
}

struct Fixture {
  std::string dir, path;
  DataQueue box = makeStore();
  BenchPlatform platform;
  Fixture() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "qavbenchXXXXXX").string();
    dir = ::mkdtemp(tmpl.data());
    path = dir + "/data.dat";
  }
  ~Fixture() { std::filesystem::remove_all(dir); }
};

void BM_DataSave(benchmark::State& state) {
  Fixture fx;
  std::string error;
  for (auto _ : state) {
    if (!DataSave(fx.box, fx.path, fx.platform, error)) state.SkipWithError(error.c_str());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(fx.path));
}

void BM_DataLoad(benchmark::State& state) {
  Fixture fx;
  std::string error;
  DataSave(fx.box, fx.path, fx.platform, error);
  auto box = std::make_unique<DataQueue>();
  for (auto _ : state) {
    DataLoad(box, fx.path, fx.platform);
    benchmark::DoNotOptimize(box->rowList(1).data());
  }
  std::size_t rows = 0;
  for (int t = 1; t <= DataQueue::kTables; ++t) rows += box->rowList(t).size();
  if (rows != kRows) state.SkipWithError("rows lost");
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(fx.path));
}

BENCHMARK(BM_DataSave)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DataLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
