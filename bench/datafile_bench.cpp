// Loading and saving a large data file: 50,000 rows of 100 fields (about 30 MB), rows mixing
// Korean and ASCII values, in a temporary directory.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
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
  DataQueue box;
  BenchPlatform platform;
  explicit Fixture(bool withStore = true) {
    if (withStore) box = makeStore();
    std::string tmpl = (std::filesystem::temp_directory_path() / "qavbenchXXXXXX").string();
    dir = ::mkdtemp(tmpl.data());
    path = dir + "/data.dat";
  }
  ~Fixture() { std::filesystem::remove_all(dir); }
};

// The usual save: the store was loaded from the file at start-up and a script changed a row
// since the last save (what saving after every change does).
void BM_DataSave(benchmark::State& state) {
  Fixture fx;
  std::string error;
  DataSave(fx.box, fx.path, fx.platform, error);
  auto box = std::make_unique<DataQueue>();
  DataLoad(box, fx.path, fx.platform);
  RowList& rows = box->rowList(1);
  std::size_t edit = 0;
  for (auto _ : state) {
    rows.set(edit, rows[edit + 1]);
    edit = (edit + 1) % (rows.size() - 1);
    if (!DataSave(*box, fx.path, fx.platform, error)) state.SkipWithError(error.c_str());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(fx.path));
}

// A save that converts every row: none was loaded or saved before.
void BM_DataSaveAllNew(benchmark::State& state) {
  Fixture fx;
  std::string error;
  std::vector<std::vector<std::string>> tables;
  for (int t = 1; t <= DataQueue::kTables; ++t)
    tables.emplace_back(fx.box.rowList(t).begin(), fx.box.rowList(t).end());
  for (auto _ : state) {
    state.PauseTiming();
    for (int t = 1; t <= DataQueue::kTables; ++t) fx.box.rowList(t) = tables[t - 1];
    state.ResumeTiming();
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
    benchmark::DoNotOptimize(&box->rowList(1));
  }
  std::size_t rows = 0;
  for (int t = 1; t <= DataQueue::kTables; ++t) rows += box->rowList(t).size();
  if (rows != kRows) state.SkipWithError("rows lost");
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(fx.path));
}

// The memory a load takes for a file of empty lines (two bytes each in the file): "rows"
// counts them all into table 1, "spare" puts them after nine empty tables, where no table
// takes them. Reports the growth of the peak resident size per byte of the file.
void loadEmptyLines(benchmark::State& state, bool counted) {
  constexpr std::size_t kLines = 4'000'000;
  Fixture fx(false);
  {
    // Written byte by byte: a list of parsed lines would itself take more than the load.
    auto shortText = [](std::string& out, std::string_view t) {
      out += static_cast<char>(t.size());
      out += t;
    };
    std::string file = "TPF0";
    shortText(file, "TDataQueue");
    shortText(file, "DataBox");
    shortText(file, "Data_Backup.Strings");
    file += '\x01';
    const std::string count = counted ? std::to_string(kLines) : "0";
    for (int t = 0; t < (counted ? 1 : 9); ++t) {
      file += '\x06';
      shortText(file, count);
    }
    for (std::size_t i = 0; i < kLines; ++i) file += std::string_view("\x06\x00", 2);
    file += std::string_view("\x00\x00\x00", 3);
    std::string error;
    if (!fx.platform.writeFileAtomic(fx.path, file, error)) state.SkipWithError(error.c_str());
  }
  auto peak = [] {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) * 1024;
  };
  const double before = peak();
  auto box = std::make_unique<DataQueue>();
  for (auto _ : state) DataLoad(box, fx.path, fx.platform);
  const double bytes = static_cast<double>(std::filesystem::file_size(fx.path));
  state.counters["bytes"] = bytes;
  state.counters["peak_growth_per_byte"] = (peak() - before) / bytes;
  if (box->rowList(1).size() != (counted ? kLines : 0)) state.SkipWithError("rows lost");
}
void BM_LoadEmptyRows(benchmark::State& state) {
  loadEmptyLines(state, true);
}
void BM_LoadSpareLines(benchmark::State& state) {
  loadEmptyLines(state, false);
}

BENCHMARK(BM_DataSave)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DataSaveAllNew)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DataLoad)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadSpareLines)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadEmptyRows)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
