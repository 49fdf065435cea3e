// The data statements on a table of 50,000 rows of 100 filled fields (about 30 MB), run as
// event scripts through the hub: a search that matches only the last row (on the last field),
// one that matches no row (every row is scanned to its end), a listing of one field into a list
// box, and an append with automatic saving on, which writes the whole data file once per statement.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "items/controls/NewButton.h"
#include "items/controls/RunListBox.h"
#include "platform/HeadlessPlatform.h"
#include "runtime/Hub.h"
#include "stores/DataQueue.h"
#include "stores/MainData.h"

namespace {

using namespace qav;

constexpr int kRows = 50000;
constexpr int kAutoSaveOption = 5;

// Field values of a few bytes: names, numbers, codes and states; the last field is the
// row's unique number.
std::string field(int r, int f) {
  static const char* const kWords[] = {"홍길동", "서울", "김", "부산시", "대리", "합계"};
  if (f == DataQueue::kFieldsPerRow) return std::to_string(r);
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

struct Fixture {
  HeadlessPlatform platform;
  Hub hub{platform};
  TNewButton* button = nullptr;
  TRunListBox* list = nullptr;
  std::string dir;

  Fixture() {
    auto settings = std::make_unique<MainData>();
    settings->setSchemaEntry(1, 0, "회원");
    for (int f = 1; f <= MainData::kFields; ++f)
      settings->setSchemaEntry(1, f, "필드" + std::to_string(f));
    hub.setSettings(std::move(settings));
    auto& rows = hub.DataBox().rowList(1);
    rows.reserve(kRows);
    for (int r = 0; r < kRows; ++r) {
      std::string row;
      for (int f = 1; f <= DataQueue::kFieldsPerRow; ++f) {
        row += field(r, f);
        row += DataQueue::kFieldEnd;
      }
      rows.push_back(std::move(row));
    }
    auto b = std::make_unique<TNewButton>();
    b->setName("Button1");
    button = b.get();
    hub.components().add(std::move(b));
    auto l = std::make_unique<TRunListBox>();
    l->setName("목록1");
    list = l.get();
    hub.components().add(std::move(l));

    std::string tmpl = (std::filesystem::temp_directory_path() / "qavbench.XXXXXX").string();
    if (::mkdtemp(tmpl.data())) dir = tmpl;
    hub.setDataPath(dir + "/data.dat");
  }
  ~Fixture() {
    if (!dir.empty()) std::filesystem::remove_all(dir);
  }

  void run(const Lines& lines) {
    button->setIvent(2, lines);
    hub.IventClick(*button);
  }
  // Any dialog means a statement reported an error.
  bool clean() const { return platform.log().empty(); }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_SearchLastRow(benchmark::State& state) {
  Fixture& f = fixture();
  const Lines script = {"데이타검색 회원 필드100 " + std::to_string(kRows - 1)};
  for (auto _ : state) f.run(script);
  if (f.hub.currentRecord().row != kRows - 1 || !f.clean())
    state.SkipWithError("the search did not select the last row");
}
BENCHMARK(BM_SearchLastRow)->Unit(benchmark::kMillisecond);

// The same search for a value no row has: every row is scanned to its last field.
void BM_SearchNoMatch(benchmark::State& state) {
  Fixture& f = fixture();
  const Lines script = {"데이타검색 회원 필드100 없음"};
  for (auto _ : state) f.run(script);
  if (f.hub.currentRecord().row != -1 || !f.clean())
    state.SkipWithError("the search selected a row");
}
BENCHMARK(BM_SearchNoMatch)->Unit(benchmark::kMillisecond);

void BM_ListIntoListBox(benchmark::State& state) {
  Fixture& f = fixture();
  const Lines script = {"데이타목록 회원 필드1 목록1"};
  for (auto _ : state) f.run(script);
  if (f.list->lineCount() != kRows || !f.clean())
    state.SkipWithError("the list box did not receive every row");
}
BENCHMARK(BM_ListIntoListBox)->Unit(benchmark::kMillisecond);

void BM_AppendWithAutoSave(benchmark::State& state) {
  Fixture& f = fixture();
  f.hub.settings()->setOption(kAutoSaveOption, true);
  f.run({"데이타제작 회원", "정의 데이타:필드1 = 새회원"});
  const Lines script = {"데이타추가"};
  for (auto _ : state) f.run(script);
  f.hub.settings()->setOption(kAutoSaveOption, false);
  std::error_code ec;
  if (!f.clean() || std::filesystem::file_size(f.hub.DataPath(), ec) < 1000000)
    state.SkipWithError("the data file was not saved");
  f.hub.DataBox().rowList(1).resize(kRows);
}
BENCHMARK(BM_AppendWithAutoSave)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
