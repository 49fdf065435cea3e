// Cost of the schema lookups the interpreter makes for every reference it evaluates.
#include <benchmark/benchmark.h>

#include "props/Schema.h"

namespace {

void BM_TypeLetter(benchmark::State& state) {
  for (auto _ : state) {
    const qav::SchemaTable* t = qav::schemaForClass("TNewEdit");
    benchmark::DoNotOptimize(t->typeLetter("풍선도움말"));
  }
}
BENCHMARK(BM_TypeLetter);

void BM_TypeLetterUnknown(benchmark::State& state) {
  const qav::SchemaTable* t = qav::schemaForClass("TNewEdit");
  for (auto _ : state) benchmark::DoNotOptimize(t->typeLetter("없는속성"));
}
BENCHMARK(BM_TypeLetterUnknown);

void BM_HasChoiceColour(benchmark::State& state) {
  const qav::SchemaTable* t = qav::schemaForClass("TNewEdit");
  for (auto _ : state) benchmark::DoNotOptimize(t->hasChoice("바탕색", "기본윈도우색"));
}
BENCHMARK(BM_HasChoiceColour);

}  // namespace

BENCHMARK_MAIN();
