// The manual planning window over one course of the large generated school, its four grids
// showing the course's class, teacher and room: opening it, and one placement by double click
// with the refresh that follows, without and with painting the grids (the hour is taken off
// again outside the timing).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "model/klasse.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/gitter.h"
#include "qtanwendung.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "views/manuellform.h"

namespace kolvar {
namespace {

struct TManuellSchule {
  QApplication& app = kolvar::BenchAnwendung();
  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400};
  std::unique_ptr<TSchule> schule;
  TKurs* kurs = nullptr;

  TManuellSchule() {
    schule = ErzeugeSchule(standard, Profil::Gross, 7, {&dialoge, &palette, &uhr});
    standard.pst = 10;
    standard.PlanFenster.pma = 5;
    // The first course with a class, a teacher and a room, its hours all open.
    for (TKurs* k : schule->Kurse()) {
      if (k->Klassen().Anzahl() > 0 && k->Lehrer() != nullptr && k->Raeume().Anzahl() > 0 &&
          !k->NichtVerplanen()) {
        kurs = k;
        break;
      }
    }
    kurs->EntferneAlleSetzungen();
  }
};

void BM_ManuellOeffnen(benchmark::State& state) {
  TManuellSchule s;
  for (auto _ : state) {
    auto form = std::make_unique<TManuellForm>(*s.schule, nullptr);
    form->MitKursliste({s.kurs}, false);
    form->Oeffne();
    form->Schliesse();
    s.schule->VerwerfeUndo();
  }
}
BENCHMARK(BM_ManuellOeffnen)->Unit(benchmark::kMillisecond);

void BM_ManuellSetzenUndZeichnen(benchmark::State& state) {
  TManuellSchule s;
  TManuellForm form(*s.schule, nullptr);
  form.MitKursliste({s.kurs}, false);
  form.Oeffne();
  s.schule->SetzeModus(Modus::Setzen);
  // A slot the course may take without a question.
  int tag = 0, stunde = 0;
  for (int d = 1; d <= s.standard.mtn && tag == 0; ++d)
    for (int p = 1; p <= s.standard.pst && tag == 0; ++p)
      if (form.Planung().Gruende(d, p).Leer() && form.Zellen(0).Kurs(d, p) == nullptr) tag = d, stunde = p;
  if (tag == 0) {
    state.SkipWithError("kein freier Platz");
    return;
  }
  for (auto _ : state) {
    form.GridDblClick(0, tag, stunde);
    // Grabbing paints every cell, as the screen would; offscreen a repaint may paint nothing.
    if (state.range(0) != 0)
      for (int i = 0; i < form.Gitterzahl(); ++i)
        benchmark::DoNotOptimize(form.Gitter(i)->viewport()->grab());
    state.PauseTiming();
    if (s.kurs->GesetzteStunden(-1) != 1) state.SkipWithError("nicht gesetzt");
    s.kurs->EntferneStunde(-1, tag, stunde, false);
    s.schule->VerwerfeUndo();
    form.NeuZeichnen();
    state.ResumeTiming();
  }
  form.Schliesse();
}
BENCHMARK(BM_ManuellSetzenUndZeichnen)->ArgName("zeichnen")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar
