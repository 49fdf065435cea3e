// Reading and writing a data file of many rows, and a project's worth of item records.
#include <benchmark/benchmark.h>

#include <string>

#include "stream/RecordReader.h"
#include "stream/RecordWriter.h"

namespace {

// A data file: nine tables, `rows` rows in table 1, each 100 Korean values.
std::string dataFile(int rows) {
  std::vector<std::string> lines{std::to_string(rows)};
  for (int r = 0; r < rows; ++r) {
    std::string row;
    for (int f = 0; f < 100; ++f) row += "홍길동" + std::to_string(f) + '\x01';
    lines.push_back(row);
  }
  for (int t = 2; t <= 9; ++t) lines.push_back("0");
  qav::Record box;
  box.className = "TDataQueue";
  box.name = "DataBox";
  box.set("Data_Backup.Strings", qav::Value::makeLines(lines));
  box.set("Left", qav::Value::makeInteger(8));
  box.set("Top", qav::Value::makeInteger(184));
  return qav::writeRecords({box});
}

void BM_ReadDataFile(benchmark::State& state) {
  std::string bytes = dataFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    qav::RecordReader reader(bytes);
    benchmark::DoNotOptimize(reader.read());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadDataFile)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WriteDataFile(benchmark::State& state) {
  std::string bytes = dataFile(static_cast<int>(state.range(0)));
  qav::Record box = qav::RecordReader(bytes).read();
  for (auto _ : state) benchmark::DoNotOptimize(qav::writeRecords({box}));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_WriteDataFile)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

// 500 label records as a project carries them, read back to back.
void BM_ReadProject(benchmark::State& state) {
  std::vector<qav::Record> records;
  for (int i = 0; i < 500; ++i) {
    qav::Record r;
    r.className = "TNewLabel";
    r.name = "Lbl01Label" + std::to_string(i);
    r.set("Left", qav::Value::makeInteger(i));
    r.set("Top", qav::Value::makeInteger(2 * i));
    r.set("Caption", qav::Value::makeText("안녕하세요"));
    r.set("ParentName", qav::Value::makeText("Frm01Main"));
    r.set("Ivent2.Strings", qav::Value::makeLines({"메세지 안녕", "끝"}));
    records.push_back(r);
  }
  std::string bytes = qav::writeRecords(records);
  for (auto _ : state) {
    qav::RecordReader reader(bytes);
    int n = 0;
    while (!reader.atEnd()) {
      reader.read();
      ++n;
    }
    benchmark::DoNotOptimize(n);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadProject)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
