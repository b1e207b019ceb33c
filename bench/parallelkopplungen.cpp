// The parallel-couplings window on the generator's large school with a 40 x 10 table (its 200
// couplings, each in two columns): the free common slots of every row, in the current version
// and across all four, and the "Suche Lösung" search. The search does not end on such a table
// (it counts every arrangement), so it is measured over a fixed number of candidates and up to
// its first complete arrangement.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/parsuche.h"
#include "engine/partabelle.h"
#include "model/schule.h"
#include "model/standard.h"
#include "support/fakes.h"
#include "support/generator.h"

namespace kolvar {
namespace {

struct TGrosseTabelle {
  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400};
  std::unique_ptr<TSchule> schule;
  std::unique_ptr<TParTabelle> tabelle;

  TGrosseTabelle() {
    schule = ErzeugeSchule(standard, Profil::Gross, 7, {&dialoge, &palette, &uhr});
    tabelle = std::make_unique<TParTabelle>(*schule);
    tabelle->Baue(40, 10, false);
    const std::vector<TKopplung*>& ko = schule->Kopplungen().Elemente();
    for (int s = 1; s <= 10; ++s)
      for (int z = 1; z <= 40; ++z)
        tabelle->SetzeZelle(z, s, ko[static_cast<std::size_t>((s - 1) * 40 + z - 1) % ko.size()]);
  }
};

TGrosseTabelle& Tabelle() {
  static TGrosseTabelle t;
  return t;
}

void FreieGemeinsameStunden(benchmark::State& state, bool alleVersionen) {
  TGrosseTabelle& t = Tabelle();
  t.standard.SetNurAktuelleVersion(!alleVersionen);
  long frei = 0, zeilen = 0;
  for (auto _ : state) {
    for (int z = 1; z <= 40; ++z) {
      TWoElem w;
      if (!t.tabelle->FreieGemeinsameStunden(z, false, w)) continue;
      ++zeilen;
      for (int d = 1; d <= kTage; ++d)
        for (int p = 1; p <= kStunden; ++p) frei += w.Stunde(d, p);
    }
  }
  t.standard.SetNurAktuelleVersion(true);
  state.counters["zeilen_mit_offenen"] =
      benchmark::Counter(static_cast<double>(zeilen), benchmark::Counter::kAvgIterations);
  state.counters["freie_stunden"] =
      benchmark::Counter(static_cast<double>(frei), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(FreieGemeinsameStunden, alle_40_zeilen_aktuelle_version, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FreieGemeinsameStunden, alle_40_zeilen_4_versionen, true)->Unit(benchmark::kMicrosecond);

// bisErste: stops at the first complete arrangement (or after the limit).
void SucheLoesung(benchmark::State& state, int64_t grenze, bool bisErste) {
  TGrosseTabelle& t = Tabelle();
  double kandidaten = 0, kombinationen = 0;
  for (auto _ : state) {
    TParSuche suche(*t.tabelle);
    suche.Abbruch = [&suche, grenze] { return suche.Kandidaten() >= grenze; };
    if (bisErste) suche.Gefunden = [&suche](int64_t) { suche.Anhalten(); };
    suche.Suche();
    kandidaten += static_cast<double>(suche.Kandidaten());
    kombinationen += static_cast<double>(suche.Kombinationen());
  }
  state.counters["kandidaten"] = benchmark::Counter(kandidaten, benchmark::Counter::kAvgIterations);
  state.counters["kandidaten_pro_s"] = benchmark::Counter(kandidaten, benchmark::Counter::kIsRate);
  state.counters["kombinationen"] = benchmark::Counter(kombinationen, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(SucheLoesung, eine_million_kandidaten, 1000000, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SucheLoesung, bis_zur_ersten_kombination, 20000000, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar
