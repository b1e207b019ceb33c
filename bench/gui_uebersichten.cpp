// What the overview windows cost on the large generated school: the statistics of every kind
// filled, the hour distribution of every teacher (and class and room), and a
// lesson-distribution table over every class and subject built and copied.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "ansicht/uvlayout.h"
#include "masterdata/statform.h"
#include "masterdata/svform.h"
#include "masterdata/uvform.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uvtab.h"
#include "platform/gitter.h"
#include "qtanwendung.h"
#include "support/fakes.h"
#include "support/generator.h"

namespace kolvar {
namespace {

struct TGrosseSchule {
  QApplication& app = kolvar::BenchAnwendung();
  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400};
  std::unique_ptr<TSchule> schule;

  TGrosseSchule() { schule = ErzeugeSchule(standard, Profil::Gross, 7, {&dialoge, &palette, &uhr}); }
  TUVTab* GanzeTabelle() {
    TUVTab* t = schule->NeueUVTab("ALLE");
    for (TKlasse* k : schule->Klassen()) t->FuegeKlasseHinzu(k);
    for (TFach* f : schule->Faecher()) t->FuegeFachHinzu(f);
    return t;
  }
};

std::unique_ptr<TStatForm> NeueStatistik(int art, TSchule& s) {
  switch (art) {
    case FensterArt::LeStat:
      return std::make_unique<TLeStatForm>(s, nullptr);
    case FensterArt::KlStat:
      return std::make_unique<TKlStatForm>(s, nullptr);
    case FensterArt::FaStat:
      return std::make_unique<TFaStatForm>(s, nullptr);
    case FensterArt::KoStat:
      return std::make_unique<TKoStatForm>(s, nullptr);
    case FensterArt::RaStat:
      return std::make_unique<TRaStatForm>(s, nullptr);
    default:
      return std::make_unique<TUVStatForm>(s, nullptr);
  }
}

// One statistics window of the kind filled with every element of its list.
void BM_StatistikFuellen(benchmark::State& state) {
  TGrosseSchule s;
  s.GanzeTabelle();
  const int art = static_cast<int>(state.range(0));
  auto f = NeueStatistik(art, *s.schule);
  for (auto _ : state) f->StatistikFuellen();
  state.counters["Zeilen"] = f->StatGrid->Zeilen() - 1;
}
BENCHMARK(BM_StatistikFuellen)
    ->DenseRange(FensterArt::LeStat, FensterArt::UVStat)
    ->Unit(benchmark::kMillisecond);

// The hour distribution of every teacher (0), class (1) or room (2).
void BM_StundenverteilungFuellen(benchmark::State& state) {
  TGrosseSchule s;
  TSVForm f(*s.schule, nullptr);
  f.Vorbereiten();
  const int liste = static_cast<int>(state.range(0));
  for (auto _ : state) f.SetzeListe(liste);
  state.counters["Zeilen"] = f.SVGrid->Zeilen() - 1;
}
BENCHMARK(BM_StundenverteilungFuellen)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A table over every class and subject: the window prepared, and the layout copied as text.
void BM_UVTabelleVorbereiten(benchmark::State& state) {
  TGrosseSchule s;
  TUVTab* t = s.GanzeTabelle();
  TUVForm f(*s.schule, nullptr);
  for (auto _ : state) f.Vorbereiten(t);
  state.counters["Zellen"] = f.UVGrid->Zeilen() * f.UVGrid->Spalten();
}
BENCHMARK(BM_UVTabelleVorbereiten)->Unit(benchmark::kMillisecond);

void BM_UVTabelleKopiertext(benchmark::State& state) {
  TGrosseSchule s;
  TUVTab* t = s.GanzeTabelle();
  TUVLayout l;
  l.Aufbauen(*t);
  for (auto _ : state) benchmark::DoNotOptimize(l.Kopiertext(s.standard, false));
}
BENCHMARK(BM_UVTabelleKopiertext)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar
