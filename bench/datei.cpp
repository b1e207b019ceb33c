// Loading and saving a whole school file: what the user waits for when opening and saving.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <memory>
#include <vector>

#include "model/standard.h"
#include "storage/buffer.h"
#include "storage/leser.h"
#include "storage/schreiber.h"
#include "support/fakes.h"
#include "support/generator.h"

namespace kolvar {
namespace {

struct TVorlage {
  TStandard standard;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400 + 10 * 3600};
  std::unique_ptr<TSchule> schule;
  std::vector<uint8_t> datei;

  explicit TVorlage(Profil p) {
    schule = ErzeugeSchule(standard, p, 1, {nullptr, nullptr, &uhr});
    datei = TSchreiber().Baue(*schule);
  }
};

TVorlage& Vorlage(Profil p) {
  static std::unique_ptr<TVorlage> vorlagen[4];
  auto& v = vorlagen[static_cast<int>(p)];
  if (!v) v = std::make_unique<TVorlage>(p);
  return *v;
}

void Schreiben(benchmark::State& state) {
  TVorlage& v = Vorlage(static_cast<Profil>(state.range(0)));
  TSchreiber w;
  for (auto _ : state) benchmark::DoNotOptimize(w.Baue(*v.schule));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(v.datei.size()));
  state.SetLabel(ProfilName(static_cast<Profil>(state.range(0))) + std::string(", ") +
                 std::to_string(v.datei.size() / 1024) + " KB");
}

void Lesen(benchmark::State& state) {
  TVorlage& v = Vorlage(static_cast<Profil>(state.range(0)));
  for (auto _ : state) {
    // The bytes as the file gives them: the copy is the disk's part, not the reader's.
    state.PauseTiming();
    std::vector<uint8_t> bytes = v.datei;
    state.ResumeTiming();
    TStandard st;
    TLeser leser(st, {nullptr, nullptr, &v.uhr});
    auto schule = leser.LiesDaten(std::move(bytes));
    benchmark::DoNotOptimize(schule.get());
    // Freeing the school is not part of reading it.
    state.PauseTiming();
    schule.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(v.datei.size()));
  state.SetLabel(ProfilName(static_cast<Profil>(state.range(0))));
}

// Saving as the user does it: build, write a temporary file, flush it to the disk, rename.
void SpeichernAufPlatte(benchmark::State& state) {
  TVorlage& v = Vorlage(static_cast<Profil>(state.range(0)));
  const auto datei =
      std::filesystem::temp_directory_path() / ("kolvar_bench_" + std::to_string(::getpid()) + ".kv");
  TSchreiber w;
  for (auto _ : state) TBuffer(w.Baue(*v.schule)).Speichere(datei);
  std::filesystem::remove(datei);
  state.SetLabel(ProfilName(static_cast<Profil>(state.range(0))));
}

BENCHMARK(Schreiben)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(Lesen)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(SpeichernAufPlatte)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar
