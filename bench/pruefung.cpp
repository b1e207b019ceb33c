// What the user waits for in the "Daten" menu: the consistency check and the other data checks
// of a generated school, and the course import of a school's text (and of one lesson for many
// classes, with the file it gives read back).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/pruefung.h"
#include "model/idialoge.h"
#include "model/schule.h"
#include "model/standard.h"
#include "storage/kursimport.h"
#include "storage/leser.h"
#include "storage/schreiber.h"
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
BENCHMARK(Konsistenz)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

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

// One lesson whose first record is followed by n - 1 records naming one more class each.
std::vector<uint8_t> VieleKlassenText(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i)
    text += "1\t1\t2\t\tMUE\t\tDe\t\tK" + std::to_string(i) + "\t\t\t\t\t\t\t\t\t1\t0\t1\t0\t0\t0\r\n";
  return {text.begin(), text.end()};
}

std::unique_ptr<TSchule> ImportiereVieleKlassen(TStandard& st, TFakeDialoge& dialoge, const TFesteUhr& uhr,
                                                const std::vector<uint8_t>& bytes) {
  dialoge.standardAntwort = Modal::Ja;
  auto schule = std::make_unique<TSchule>(st, TUmgebung{&dialoge, nullptr, &uhr});
  if (TKursImport(*schule).Importiere(bytes) != TImportErgebnis::Importiert) std::abort();
  return schule;
}

void ImportVieleKlassen(benchmark::State& state) {
  const std::vector<uint8_t> bytes = VieleKlassenText(static_cast<int>(state.range(0)));
  TFesteUhr uhr;
  for (auto _ : state) {
    TStandard st;
    TFakeDialoge dialoge;
    benchmark::DoNotOptimize(ImportiereVieleKlassen(st, dialoge, uhr, bytes));
  }
  state.SetLabel(std::to_string(state.range(0)) + " Klassen");
}
BENCHMARK(ImportVieleKlassen)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

void LesenVieleKlassen(benchmark::State& state) {
  TFesteUhr uhr;
  TStandard quelleStandard;
  TFakeDialoge dialoge;
  const auto quelle = ImportiereVieleKlassen(quelleStandard, dialoge, uhr,
                                             VieleKlassenText(static_cast<int>(state.range(0))));
  const std::vector<uint8_t> datei = TSchreiber().Baue(*quelle);
  for (auto _ : state) {
    TStandard st;
    TLeser leser(st, {nullptr, nullptr, &uhr});
    benchmark::DoNotOptimize(leser.LiesDaten(datei));
  }
  state.SetLabel(std::to_string(state.range(0)) + " Klassen");
}
BENCHMARK(LesenVieleKlassen)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar
