// Writing and reading the data file's primitives: the floor under loading and saving a school.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "storage/buffer.h"

namespace kolvar {
namespace {

constexpr int kSaetze = 100000;

// One record of mixed values, roughly the mix of a lesson with one placement and a substitution.
void SchreibeSatz(TBuffer& b, int i) {
  static const std::string kuerzel[] = {"Mü", "5a", "ÄÖÜßx", "Sp-Hal"};
  static const std::string namen[] = {"Müller-Lüdenscheidt", "Physik", "Größenwahn & Co.", ""};
  b.SchreibeInteger(i & 0x7FFF);
  b.SchreibeLongint(i * 7919);
  b.SchreibeBoolean((i & 1) != 0);
  b.SchreibeArt(static_cast<uint8_t>(i & 4));
  b.SchreibeDatum((40000 + i % 9000) * int64_t{86400} + 43200);
  b.SchreibeFarbe(static_cast<uint32_t>(i) * 2654435761u & 0xFFFFFF);
  b.SchreibeKuerzel(kuerzel[i & 3]);
  b.SchreibeName(namen[i & 3]);
  if (i % 16 == 0) b.SchreibeBemerkung("Vertretung übernimmt Frau Schäfer, Raum 117");
}

void LiesSatz(TBuffer& b, int i) {
  benchmark::DoNotOptimize(b.LiesInteger());
  benchmark::DoNotOptimize(b.LiesLongint());
  benchmark::DoNotOptimize(b.LiesBoolean());
  benchmark::DoNotOptimize(b.LiesArt());
  benchmark::DoNotOptimize(b.LiesDatum());
  benchmark::DoNotOptimize(b.LiesFarbe());
  benchmark::DoNotOptimize(b.LiesKuerzel());
  benchmark::DoNotOptimize(b.LiesName());
  if (i % 16 == 0) benchmark::DoNotOptimize(b.LiesBemerkung());
}

std::vector<uint8_t> Datei() {
  TBuffer b;
  for (int i = 0; i < kSaetze; ++i) SchreibeSatz(b, i);
  return b.NimmDaten();
}

void BM_SchreibeGemischt(benchmark::State& state) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    TBuffer b;
    for (int i = 0; i < kSaetze; ++i) SchreibeSatz(b, i);
    bytes = b.Groesse();
    benchmark::DoNotOptimize(b.Daten().data());
  }
  state.SetItemsProcessed(state.iterations() * kSaetze);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SchreibeGemischt)->Unit(benchmark::kMillisecond);

void BM_LiesGemischt(benchmark::State& state) {
  const std::vector<uint8_t> daten = Datei();
  for (auto _ : state) {
    TBuffer b(daten);
    for (int i = 0; i < kSaetze; ++i) LiesSatz(b, i);
    if (!b.AmEnde()) state.SkipWithError("not all bytes read");
  }
  state.SetItemsProcessed(state.iterations() * kSaetze);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * daten.size()));
}
BENCHMARK(BM_LiesGemischt)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar
