// What the user waits for in the "Daten" menu: the consistency check and the other data checks
// of a generated school, and the course import of a school's text.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/pruefung.h"
#include "model/idialoge.h"
#include "model/schule.h"
#include "model/standard.h"
#include "storage/kursimport.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/importtext.h"

namespace kolvar {
namespace {

void Konsistenz(benchmark::State& state) {
  TStandard st;
  TFesteUhr uhr;
  auto schule = ErzeugeSchule(st, static_cast<Profil>(state.range(0)), 3, TUmgebung{nullptr, nullptr, &uhr});
  TPruefung p(*schule);
  for (auto _ : state) benchmark::DoNotOptimize(p.PruefeKonsistenz().Stufe);
  state.SetLabel(ProfilName(static_cast<Profil>(state.range(0))));
}
BENCHMARK(Konsistenz)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void AlleAnderenPruefungen(benchmark::State& state) {
  TStandard st;
  TFesteUhr uhr;
  auto schule = ErzeugeSchule(st, static_cast<Profil>(state.range(0)), 3, TUmgebung{nullptr, nullptr, &uhr});
  const TPruefung p(*schule);
  for (auto _ : state) {
    int stufe = p.PruefeBruecken().Stufe + p.PruefeFehlendeRaeume().Stufe + p.PruefeFehlendeStunden().Stufe +
                p.PruefeKopplungen().Stufe + p.PruefeEinzelstunden().Stufe + p.PruefeVersionen().Stufe;
    benchmark::DoNotOptimize(stufe);
  }
  state.SetLabel(ProfilName(static_cast<Profil>(state.range(0))));
}
BENCHMARK(AlleAnderenPruefungen)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void Import(benchmark::State& state) {
  TStandard quelleStandard;
  TFesteUhr uhr;
  const Profil profil = static_cast<Profil>(state.range(0));
  auto quelle = ErzeugeSchule(quelleStandard, profil, 3, TUmgebung{nullptr, nullptr, &uhr});
  const std::string text = KursImportText(*quelle);
  const std::vector<uint8_t> bytes(text.begin(), text.end());
  for (auto _ : state) {
    TStandard st;
    st.SetVersionszahl(quelleStandard.mwn());
    TFakeDialoge dialoge;
    dialoge.standardAntwort = Modal::Ja;
    TSchule schule(st, TUmgebung{&dialoge, nullptr, &uhr});
    benchmark::DoNotOptimize(TKursImport(schule).Importiere(bytes));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
  state.SetLabel(ProfilName(profil));
}
BENCHMARK(Import)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar
