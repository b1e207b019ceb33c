// The plan-wide clean-ups on the generator's schools, each on a fresh copy: copying every course
// with its lessons from version 1 into an empty and into an equal version 2 (large school),
// deleting every unfixed lesson of every plan, and compressing every class (the profile as the
// last argument, 0 small .. 3 stress).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "engine/komprimierer.h"
#include "engine/planloescher.h"
#include "engine/versionkopierer.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "support/fakes.h"
#include "support/generator.h"

namespace kolvar {
namespace {

struct TGrosseSchule {
  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400};
  std::unique_ptr<TSchule> schule;

  explicit TGrosseSchule(Profil profil = Profil::Gross) {
    schule = ErzeugeSchule(standard, profil, 7, {&dialoge, &palette, &uhr});
  }
};

Profil ProfilDes(benchmark::State& state) {
  const auto profil = static_cast<Profil>(state.range(0));
  state.SetLabel(ProfilName(profil));
  return profil;
}

void VersionKopieren(benchmark::State& state, bool zielLeer) {
  long gesetzt = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto g = std::make_unique<TGrosseSchule>();
    for (TKurs* k : g->schule->Kurse()) {
      const std::vector<TSetzung*> setzungen = k->Setzungen().Elemente();
      for (TSetzung* s : setzungen)
        if (s->Version() == 2) {
          if (zielLeer)
            k->EntferneSetzung(s);
          else
            s->SetFixiert(false);
        }
    }
    state.ResumeTiming();
    TVersionKopierer kopierer(*g->schule, 1, 2, true);
    kopierer.Problem = [] { return 6; };
    kopierer.Kopiere(TVersionKopierer::AlleKurse, {});
    state.PauseTiming();
    for (const TKurs* k : g->schule->Kurse()) gesetzt += k->GesetzteStunden(2);
    g.reset();
    state.ResumeTiming();
  }
  state.counters["stunden_v2"] =
      benchmark::Counter(static_cast<double>(gesetzt), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(VersionKopieren, in_leere_version, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VersionKopieren, in_gleiche_version, false)->Unit(benchmark::kMillisecond);

void PlaeneLoeschen(benchmark::State& state) {
  TWoElem alles;
  for (int d = 1; d <= kTage; ++d) alles.SetzeTag(d, 0xFFFF);
  const Profil profil = ProfilDes(state);
  long geloescht = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto g = std::make_unique<TGrosseSchule>(profil);
    g->standard.SetNurAktuelleVersion(false);
    state.ResumeTiming();
    geloescht += TPlanLoescher(*g->schule).LoeschePlaene(TPlanLoescher::AllePlaene, 0, 0, alles, true, true);
    // The ended records leave the school list at its next use: that use belongs to the clearing.
    benchmark::DoNotOptimize(g->schule->Vertretungen().Anzahl());
    state.PauseTiming();
    g.reset();
    state.ResumeTiming();
  }
  state.counters["geloescht"] =
      benchmark::Counter(static_cast<double>(geloescht), benchmark::Counter::kAvgIterations);
}
BENCHMARK(PlaeneLoeschen)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every class in every version, the way one pass of the window goes, with the moves allowed or not;
// schritte > 0 presses "nächste Klasse" after that many source slots of a class and version.
void Komprimieren(benchmark::State& state, bool erlaubt, int schritte) {
  const Profil profil = ProfilDes(state);
  long verschoben = 0, luecken = 0, aufgegeben = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto g = std::make_unique<TGrosseSchule>(profil);
    g->standard.SetNurAktuelleVersion(false);
    g->standard.kmpb = g->standard.kmpm = erlaubt;
    state.ResumeTiming();
    TKomprimierer komp(*g->schule);
    int n = 0;
    if (schritte > 0)
      komp.Abbruch = [&] {
        if (++n % schritte == 0) komp.NaechsteKlasse();
        return false;
      };
    for (TKlasse* k : g->schule->Klassen()) {
      komp.Zeige(k, komp.StartVersion());
      komp.KomprimiereKlasse(*k);
      luecken += komp.Luecken();
    }
    verschoben += komp.Verschiebungen();
    aufgegeben += komp.Aufgegeben();
    state.PauseTiming();
    g.reset();
    state.ResumeTiming();
  }
  state.counters["verschoben"] =
      benchmark::Counter(static_cast<double>(verschoben), benchmark::Counter::kAvgIterations);
  state.counters["luecken_danach"] =
      benchmark::Counter(static_cast<double>(luecken), benchmark::Counter::kAvgIterations);
  state.counters["aufgegeben"] =
      benchmark::Counter(static_cast<double>(aufgegeben), benchmark::Counter::kAvgIterations);
}
// Unlimited, the seven-deep search would not finish on this school in hours (it is exponential
// in the movable lessons of a class); each gap's search has its budget of source slots.
// Without "nächste Klasse" the stress school takes minutes: those two stop at the large one.
BENCHMARK_CAPTURE(Komprimieren, streng, false, 0)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Komprimieren, erlaubt, true, 0)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Komprimieren, erlaubt_naechste_nach_10000, true, 10000)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace kolvar
