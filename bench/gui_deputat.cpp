// What the workload windows cost on the large generated school: opening the workload of every
// teacher, opening and refreshing the largest one, and refreshing every open workload after one
// moved lesson.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <memory>
#include <vector>

#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "qtanwendung.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "views/depform.h"

namespace kolvar {
namespace {

struct TGrosseSchule {
  QApplication& app = kolvar::BenchAnwendung();
  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400};
  std::unique_ptr<TSchule> schule;
  std::vector<std::unique_ptr<TLeDepForm>> fenster;

  TGrosseSchule() { schule = ErzeugeSchule(standard, Profil::Gross, 7, {&dialoge, &palette, &uhr}); }
  ~TGrosseSchule() { Schliesse(); }
  void OeffneAlle() {
    for (TLehrer* l : schule->Lehrer()) {
      auto f = std::make_unique<TLeDepForm>(*schule, nullptr);
      f->Zeige(l);
      f->Oeffne();
      fenster.push_back(std::move(f));
    }
  }
  void Schliesse() {
    for (auto& f : fenster) f->Schliesse();
    fenster.clear();
  }
  TLehrer* GroessterLehrer() const {
    std::vector<TLehrer*> lehrer = schule->Lehrer().Elemente();
    return *std::max_element(lehrer.begin(), lehrer.end(), [](const TLehrer* a, const TLehrer* b) {
      return a->Kurse().Anzahl() < b->Kurse().Anzahl();
    });
  }
};

// Every teacher's workload window opened (and closed again, untimed).
void BM_DeputatJedesLehrersOeffnen(benchmark::State& state) {
  TGrosseSchule s;
  for (auto _ : state) {
    s.OeffneAlle();
    state.PauseTiming();
    s.Schliesse();
    state.ResumeTiming();
  }
  state.counters["Fenster"] = static_cast<double>(s.schule->Lehrer().Anzahl());
  state.counters["Zeit/Fenster"] =
      benchmark::Counter(static_cast<double>(s.schule->Lehrer().Anzahl()),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DeputatJedesLehrersOeffnen)->Unit(benchmark::kMillisecond);

// The workload of the teacher with the most courses: opened, and refreshed.
void BM_GroesstesDeputatOeffnen(benchmark::State& state) {
  TGrosseSchule s;
  TLehrer* lehrer = s.GroessterLehrer();
  for (auto _ : state) {
    TLeDepForm f(*s.schule, nullptr);
    f.Zeige(lehrer);
    f.Oeffne();
    state.PauseTiming();
    f.Schliesse();
    state.ResumeTiming();
  }
  state.counters["Kurse"] = static_cast<double>(lehrer->Kurse().Anzahl());
}
BENCHMARK(BM_GroesstesDeputatOeffnen)->Unit(benchmark::kMicrosecond);

void BM_GroesstesDeputatAktualisieren(benchmark::State& state) {
  TGrosseSchule s;
  TLeDepForm f(*s.schule, nullptr);
  f.Zeige(s.GroessterLehrer());
  f.Oeffne();
  for (auto _ : state) f.Aktualisiere();
  f.Schliesse();
}
BENCHMARK(BM_GroesstesDeputatAktualisieren)->Unit(benchmark::kMicrosecond);

// One lesson moved there and back (two user actions) with every teacher's workload open: the
// windows the change concerns rebuild. Then every open workload rebuilt, as after a new version.
void BM_ZugMitAllenDeputaten(benchmark::State& state) {
  TGrosseSchule s;
  s.OeffneAlle();
  TSetzung* setzung = nullptr;
  TKurs* kurs = nullptr;
  for (TKurs* k : s.schule->Kurse())
    if (k->Kopplung() == nullptr && !k->Setzungen().Leer()) {
      kurs = k;
      setzung = k->Setzungen().Hole(1);
      break;
    }
  if (kurs == nullptr) {
    state.SkipWithError("keine gesetzte Stunde");
    return;
  }
  const int tag = setzung->Tag(), stunde = setzung->Stunde();
  int zuTag = 0, zuStunde = 0;
  for (int d = 1; d <= 5 && zuTag == 0; ++d)
    for (int p = 1; p <= 8; ++p)
      if (kurs->StundeFrei(-1, d, nullptr, p)) {
        zuTag = d;
        zuStunde = p;
        break;
      }
  if (zuTag == 0) {
    state.SkipWithError("kein freier Platz");
    return;
  }
  for (auto _ : state) {
    {
      TSchule::TAktion aktion(*s.schule);
      kurs->Verschiebe(zuTag, zuStunde, false, tag, stunde);
    }
    TSchule::TAktion aktion(*s.schule);
    kurs->Verschiebe(tag, stunde, false, zuTag, zuStunde);
  }
  state.counters["Fenster"] = static_cast<double>(s.fenster.size());
}
BENCHMARK(BM_ZugMitAllenDeputaten)->Unit(benchmark::kMicrosecond);

void BM_AlleDeputateAktualisieren(benchmark::State& state) {
  TGrosseSchule s;
  s.OeffneAlle();
  for (auto _ : state) {
    TSchule::TAktion aktion(*s.schule);
    s.schule->AktualisiereAlleFenster();
  }
  state.counters["Fenster"] = static_cast<double>(s.fenster.size());
  state.counters["Zeit/Fenster"] =
      benchmark::Counter(static_cast<double>(s.fenster.size()),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_AlleDeputateAktualisieren)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar
