// The data model's own costs: placing and removing hours (every move ends in them), deleting
// an element (the abbreviation lists), reordering every course list (after a renumbering).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {
namespace {

// A school of a typical size: 80 teachers, 40 classes, 60 rooms, 20 subjects, 1000 courses of
// 3 hours, most of them placed, in 2 plan versions.
struct Schule {
  TStandard standard;
  std::unique_ptr<TSchule> schule;
  Schule() {
    standard.SetVersionszahl(2);
    standard.mtn = 5;
    schule = std::make_unique<TSchule>(standard);
    for (int i = 0; i < 80; ++i) schule->NeuerLehrer("L" + std::to_string(i));
    for (int i = 0; i < 40; ++i) schule->NeueKlasse("K" + std::to_string(i));
    for (int i = 0; i < 60; ++i) schule->NeuerRaum("R" + std::to_string(i));
    for (int i = 0; i < 20; ++i) schule->NeuesFach("F" + std::to_string(i));
    for (int i = 0; i < 1000; ++i) {
      TKurs* k =
          schule->ErzeugeKurs(schule->Lehrer().Hole(1 + i % 80), schule->Klassen().Hole(1 + i % 40), nullptr,
                              schule->Faecher().Hole(1 + i % 20), schule->Raeume().Hole(1 + i % 60), 3);
      for (int h = 0; h < 3; ++h)
        k->Setze(1 + h % 2, 1 + (i + h) % 5, k->Raeume().Hole(1), 1 + (i / 5 + h) % 8);
    }
  }
};

void SetzenUndEntfernen(benchmark::State& state) {
  Schule s;
  TKurs* k = s.schule->Kurse().Hole(500);
  k->EntferneAlleSetzungen();
  for (auto _ : state) {
    TSetzung* st = k->Setze(1, 3, k->Raeume().Hole(1), 12);
    k->EntferneSetzung(st);
  }
}
BENCHMARK(SetzenUndEntfernen);

void LehrerLoeschen(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Schule s;
    TLehrer* l = s.schule->Lehrer().Hole(40);
    state.ResumeTiming();
    s.schule->LoescheElement(l);
  }
}
BENCHMARK(LehrerLoeschen)->Unit(benchmark::kMillisecond);

void KurseNeuOrdnen(benchmark::State& state) {
  Schule s;
  for (auto _ : state) {
    s.standard.nks = !s.standard.nks;
    s.schule->OrdneKurseNeu();
  }
}
BENCHMARK(KurseNeuOrdnen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar
