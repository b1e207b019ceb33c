// What a user action costs with windows open: ten teacher plans of a generated school (the swap and
// deleting plans: every profile, their last argument) stay open while a school-wide swap of two
// slots, deleting every plan, or the automatic placement of every course, runs. The counters give
// the refreshes each window received (rebuilds and repaints, averaged over the ten) for one action.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <memory>
#include <vector>

#include "engine/autolauf.h"
#include "engine/planloescher.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "qtanwendung.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "views/plnform.h"

namespace kolvar {
namespace {

// A teacher plan that counts what it is asked to do.
class TZaehlPlan : public TLePlnForm {
 public:
  using TLePlnForm::TLePlnForm;
  void Aktualisiere() override {
    ++neuAufgebaut;
    TLePlnForm::Aktualisiere();
  }
  void NeuZeichnen() override {
    ++neuGezeichnet;
    TLePlnForm::NeuZeichnen();
  }
  long neuAufgebaut = 0;
  long neuGezeichnet = 0;
};

struct TOffeneSchule {
  QApplication& app = kolvar::BenchAnwendung();
  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400};
  std::unique_ptr<TSchule> schule;
  std::vector<std::unique_ptr<TZaehlPlan>> plaene;

  explicit TOffeneSchule(Profil profil = Profil::Gross) {
    schule = ErzeugeSchule(standard, profil, 7, {&dialoge, &palette, &uhr});
    standard.pst = 10;
    // The ten teachers with the most courses: the plans a swap touches most.
    std::vector<TLehrer*> lehrer = schule->Lehrer().Elemente();
    std::stable_sort(lehrer.begin(), lehrer.end(), [](const TLehrer* a, const TLehrer* b) {
      return a->Kurse().Anzahl() > b->Kurse().Anzahl();
    });
    for (std::size_t i = 0; i < 10 && i < lehrer.size(); ++i) {
      auto plan = std::make_unique<TZaehlPlan>(*schule, nullptr);
      plan->Zeige(lehrer[i]);
      plan->Oeffne();
      plaene.push_back(std::move(plan));
    }
    for (auto& p : plaene) p->neuAufgebaut = p->neuGezeichnet = 0;
  }
  ~TOffeneSchule() {
    for (auto& p : plaene) p->Schliesse();
  }
  void Zaehle(benchmark::State& state, long aktionen) const {
    long auf = 0, gezeichnet = 0;
    for (const auto& p : plaene) {
      auf += p->neuAufgebaut;
      gezeichnet += p->neuGezeichnet;
    }
    const double n = static_cast<double>(plaene.size()) * static_cast<double>(std::max(1L, aktionen));
    state.counters["Aufbau/Fenster"] = static_cast<double>(auf) / n;
    state.counters["Zeichnen/Fenster"] = static_cast<double>(gezeichnet) / n;
  }
};

// One user action: the school-wide swap of Monday 1 with Tuesday 2, in every version.
void BM_SchulTauschMitZehnPlaenen(benchmark::State& state) {
  const auto profil = static_cast<Profil>(state.range(0));
  state.SetLabel(ProfilName(profil));
  TOffeneSchule s(profil);
  s.standard.SetNurAktuelleVersion(false);
  long aktionen = 0;
  for (auto _ : state) {
    s.schule->TauscheStunden(1, 1, 2, 2);
    ++aktionen;
  }
  s.Zaehle(state, aktionen);
}
BENCHMARK(BM_SchulTauschMitZehnPlaenen)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// One user action: "Pläne löschen" of every unfixed hour in every version, as its form runs it.
void BM_PlaeneLoeschenMitZehnPlaenen(benchmark::State& state) {
  const auto profil = static_cast<Profil>(state.range(0));
  state.SetLabel(ProfilName(profil));
  TWoElem alles;
  for (int d = 1; d <= kTage; ++d) alles.SetzeTag(d, 0xFFFF);
  std::unique_ptr<TOffeneSchule> s;
  for (auto _ : state) {
    state.PauseTiming();
    s.reset();
    s = std::make_unique<TOffeneSchule>(profil);
    s->standard.SetNurAktuelleVersion(false);
    state.ResumeTiming();
    {
      TSchule::TAktion aktion(*s->schule);
      TPlanLoescher(*s->schule).LoeschePlaene(TPlanLoescher::AllePlaene, 0, 0, alles, true, true);
      s->schule->AktualisiereAlleFenster();
    }
  }
  s->Zaehle(state, 1);
}
BENCHMARK(BM_PlaeneLoeschenMitZehnPlaenen)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);

// One user action: every course of the emptied plan placed automatically in the current version.
void BM_AutomatikMitZehnPlaenen(benchmark::State& state) {
  long aktionen = 0;
  std::unique_ptr<TOffeneSchule> s;
  for (auto _ : state) {
    state.PauseTiming();
    s.reset();
    s = std::make_unique<TOffeneSchule>();
    s->standard.ara = false;
    for (TKurs* k : s->schule->Kurse()) k->EntferneAlleSetzungen();
    for (auto& p : s->plaene) p->neuAufgebaut = p->neuGezeichnet = 0;
    state.ResumeTiming();
    TSchule::TAktion aktion(*s->schule);
    TAutoLauf lauf(s->standard);
    const int v = s->standard.AktuelleVersion();
    for (TKurs* k : s->schule->Kurse()) lauf.NochZuSetzen += std::max(0, k->OffeneStunden(v));
    for (TKurs* k : s->schule->Kurse()) {
      const int n = k->OffeneStunden(v);
      if (n < 1 || k->NichtVerplanen()) continue;
      k->SetzePrioritaet(0);
      k->BerechneSperrbereich(true);
      AutoKursSetzen(lauf, *k, v, n);
    }
    ++aktionen;
  }
  s->Zaehle(state, 1);
}
BENCHMARK(BM_AutomatikMitZehnPlaenen)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace kolvar
