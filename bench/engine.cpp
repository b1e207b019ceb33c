// The planning engine on the generator's schools: what a user waits for while dragging a lesson
// (conflicts of one move), one rating pass of the automatic run (blocked slots of every course),
// the coupling room search at its worst, clearing the plan and placing every course
// automatically. Where a benchmark takes the profile, it is its last argument (0 small .. 3 stress).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "engine/autolauf.h"
#include "engine/automat.h"
#include "engine/konfliktliste.h"
#include "engine/raumsuche.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
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

// The profile in the benchmark's last argument, named in its label.
Profil ProfilDes(benchmark::State& state, int argument) {
  const auto profil = static_cast<Profil>(state.range(argument));
  state.SetLabel(ProfilName(profil));
  return profil;
}

// Courses with a placement to drag: (course, source slot), a spread over the school.
std::vector<const TSetzung*> Quellen(const TSchule& s) {
  std::vector<const TSetzung*> q;
  int i = 0;
  for (const TKurs* k : s.Kurse())
    if (!k->Setzungen().Leer() && i++ % 7 == 0) q.push_back(k->Setzungen().Hole(1));
  return q;
}

void KonflikteEinesZugs(benchmark::State& state, bool alleVersionen) {
  TGrosseSchule g(ProfilDes(state, 0));
  g.standard.SetNurAktuelleVersion(!alleVersionen);
  const std::vector<const TSetzung*> quellen = Quellen(*g.schule);
  std::size_t i = 0;
  long konflikte = 0;
  for (auto _ : state) {
    const TSetzung* s = quellen[i++ % quellen.size()];
    const int zuTag = 1 + static_cast<int>(i % 5), zuStunde = 1 + static_cast<int>(i % 8);
    TKonfliktListe liste;
    s->Kurs().SammleKonflikte(zuTag, zuStunde, &s->Kurs(), s->Kurs().Kopplung(), liste, s->Tag(),
                              s->Stunde());
    konflikte += liste.Anzahl();
    benchmark::DoNotOptimize(liste);
  }
  state.counters["Konflikte/Zug"] = static_cast<double>(konflikte) / static_cast<double>(state.iterations());
}
void BM_KonflikteAktuelleVersion(benchmark::State& state) {
  KonflikteEinesZugs(state, false);
}
void BM_KonflikteAlleVersionen(benchmark::State& state) {
  KonflikteEinesZugs(state, true);
}
BENCHMARK(BM_KonflikteAktuelleVersion)->DenseRange(0, 3);
BENCHMARK(BM_KonflikteAlleVersionen)->DenseRange(0, 3);

// The manual planning window's reasons for one course at every slot of the week.
void BM_SperrgruendeAllerFelder(benchmark::State& state) {
  TGrosseSchule g;
  const std::vector<const TSetzung*> quellen = Quellen(*g.schule);
  std::size_t i = 0;
  for (auto _ : state) {
    const TKurs& k = quellen[i++ % quellen.size()]->Kurs();
    TKonfliktListe liste;
    for (int d = 1; d <= 7; ++d)
      for (int p = 1; p <= 16; ++p) {
        liste.Leere();
        benchmark::DoNotOptimize(k.SammleSperrgruende(d, p, k.Raeume().Hole(1), liste));
      }
  }
}
BENCHMARK(BM_SperrgruendeAllerFelder)->Unit(benchmark::kMicrosecond);

// One rating pass: the blocked-slot grid of every course, couplings as a whole, with and
// without the room test.
void BM_SperrbereichAllerKurse(benchmark::State& state) {
  TGrosseSchule g;
  g.standard.ara = state.range(0) != 0;
  for (auto _ : state) {
    for (TKurs* k : g.schule->Kurse()) k->SetzePrioritaet(0);
    for (TKurs* k : g.schule->Kurse()) {
      k->BerechneSperrbereich(true);
      if (k->Kopplung() != nullptr)
        for (TKurs* partner : k->Kopplung()->Kurse()) partner->SetzePrioritaet(1);
    }
  }
  state.counters["Kurse"] = g.schule->Kurse().Anzahl();
}
BENCHMARK(BM_SperrbereichAllerKurse)->Arg(0)->Arg(1)->ArgName("ara")->Unit(benchmark::kMillisecond);

// A coupling of 15 courses whose rooms all come from one pool: 16 rooms, some locked at some
// slots (a room for everyone exists), or 14 rooms (no slot has an assignment: the plain search
// would walk about 14! branches per slot).
struct TKopplungsSchule {
  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr;
  std::unique_ptr<TSchule> schule;
  TKurs* erster = nullptr;

  explicit TKopplungsSchule(int raeume) {
    standard.mtn = 5;
    standard.ara = false;
    standard.gds = TWoElem{};
    standard.kus = TWoElem{};
    schule = std::make_unique<TSchule>(standard, TUmgebung{&dialoge, &palette, &uhr});
    TKopplung* ko = schule->NeueKopplung("Q1RE");
    TKlasse* q1 = schule->NeueKlasse("Q1");
    TFach* fach = schule->NeuesFach("Re");
    std::vector<TRaum*> pool;
    for (int r = 0; r < raeume; ++r) {
      pool.push_back(schule->NeuerRaum("R" + std::to_string(100 + r)));
      if (r % 4 == 0)  // some rooms locked at some slots
        for (int d = 1; d <= 5; ++d) pool.back()->Sperrung().SetzeBereich(1, d, 1 + (r + d) % 8, true);
    }
    for (int i = 0; i < 15; ++i) {
      TLehrer* l = schule->NeuerLehrer("L" + std::to_string(i));
      TKurs* k = schule->ErzeugeKurs(l, q1, ko, fach, pool[static_cast<std::size_t>(i % raeume)], 2);
      for (int r = 1; r < raeume; ++r)
        k->FuegeRaumHinzu(pool[static_cast<std::size_t>((i + r) % raeume)], false);
      if (erster == nullptr) erster = k;
    }
  }
};

void BM_KopplungsRaumsuche(benchmark::State& state) {
  TKopplungsSchule s(static_cast<int>(state.range(0)));
  int gesperrt = 0;
  for (auto _ : state) {
    s.erster->BerechneSperrbereich(true);
    gesperrt = 0;
    for (int d = 1; d <= 5; ++d)
      for (int p = 1; p <= 16; ++p) gesperrt += s.erster->Ergebnis().Belegt(1, d, p);
  }
  state.counters["gesperrte Felder"] = gesperrt;
}
BENCHMARK(BM_KopplungsRaumsuche)->Arg(16)->Arg(14)->ArgName("Raeume")->Unit(benchmark::kMicrosecond);

// The search alone at one slot.
void BM_RaumsucheEinFeld(benchmark::State& state) {
  const int raeume = static_cast<int>(state.range(0));
  std::vector<TRaumSuche::TWunsch> w(15);
  for (std::size_t i = 0; i < w.size(); ++i)
    for (int r = 0; r < raeume; ++r) w[i].Raeume.push_back((r + static_cast<int>(i)) % raeume);
  TRaumSuche suche;
  std::vector<int> wahl;
  for (auto _ : state) benchmark::DoNotOptimize(suche.VerteileRaeume(w, wahl));
}
BENCHMARK(BM_RaumsucheEinFeld)->Arg(16)->Arg(14)->ArgName("Raeume");

// Clearing the whole plan: every placement of every course removed, one after another.
void BM_PlanLeeren(benchmark::State& state) {
  const Profil profil = ProfilDes(state, 0);
  long setzungen = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto g = std::make_unique<TGrosseSchule>(profil);
    setzungen = 0;
    for (const TKurs* k : g->schule->Kurse()) setzungen += k->Setzungen().Anzahl();
    state.ResumeTiming();
    for (TKurs* k : g->schule->Kurse()) k->EntferneAlleSetzungen();
    // The ended records leave the school list at its next use: that use belongs to the clearing.
    benchmark::DoNotOptimize(g->schule->Vertretungen().Anzahl());
    state.PauseTiming();
    g.reset();
    state.ResumeTiming();
  }
  state.counters["Setzungen"] = static_cast<double>(setzungen);
}
BENCHMARK(BM_PlanLeeren)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(5);

// Every course of the large school placed automatically, one after another, in every version,
// from the generated (partly placed) plan or from an empty one: rate, then place the open hours.
// As the automatic run does when it acts on every version, a course is placed in all of them
// before the next one comes (each version as the current one, so its coupling rooms count).
void BM_AutomatikAllerKurse(benchmark::State& state) {
  const Profil profil = ProfilDes(state, 2);
  long vorher = 0, gesetzt = 0, offen = 0, verweigert = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto g = std::make_unique<TGrosseSchule>(profil);
    g->standard.ara = false;
    g->standard.aei = state.range(1) != 0;  // on by default: hours stay when the pattern does not fit
    if (state.range(0) != 0)
      for (TKurs* k : g->schule->Kurse()) k->EntferneAlleSetzungen();
    vorher = 0;
    for (const TKurs* k : g->schule->Kurse()) vorher += k->Setzungen().Anzahl();
    state.ResumeTiming();
    TAutoLauf lauf(g->standard);
    const int versionen = g->standard.mwn();
    for (TKurs* k : g->schule->Kurse())
      for (int v = 1; v <= versionen; ++v) lauf.NochZuSetzen += std::max(0, k->OffeneStunden(v));
    for (TKurs* k : g->schule->Kurse()) {
      if (k->NichtVerplanen()) continue;
      for (int v = 1; v <= versionen; ++v) {
        const int n = k->OffeneStunden(v);
        if (n < 1) continue;
        g->standard.SetAktuelleVersion(v);
        k->SetzePrioritaet(0);
        k->BerechneSperrbereich(true);
        offen += AutoKursSetzen(lauf, *k, v, n);
      }
    }
    state.PauseTiming();
    gesetzt = 0;
    for (const TKurs* k : g->schule->Kurse()) gesetzt += k->Setzungen().Anzahl();
    state.ResumeTiming();
    verweigert = lauf.Verweigert;
    state.PauseTiming();
    g.reset();
    state.ResumeTiming();
  }
  state.counters["vorher"] = static_cast<double>(vorher);
  state.counters["Setzungen"] = static_cast<double>(gesetzt);
  state.counters["offen"] = static_cast<double>(offen) / static_cast<double>(state.iterations());
  state.counters["verweigert"] = static_cast<double>(verweigert);
}
// The stress school's 54 versions take a while: one pass of it.
const bool kAutomatikRegistriert = [] {
  for (int leer : {0, 1})
    for (int aei : {1, 0})
      for (int profil = 0; profil <= 3; ++profil)
        benchmark::RegisterBenchmark("BM_AutomatikAllerKurse", BM_AutomatikAllerKurse)
            ->Args({leer, aei, profil})
            ->ArgNames({"leer", "aei", ""})
            ->Unit(benchmark::kMillisecond)
            ->Iterations(profil == static_cast<int>(Profil::Stress) ? 1 : 3);
  return true;
}();

// The automatic run as the user starts it: every course of the school selected, rated,
// ordered and placed from an empty plan (fixed hours stay), with and without "aei".
void BM_AutomatischerLauf(benchmark::State& state) {
  const Profil profil = ProfilDes(state, 1);
  long offen = 0, gesetzt = 0, nicht = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto g = std::make_unique<TGrosseSchule>(profil);
    g->standard.ara = false;
    g->standard.aei = state.range(0) != 0;
    for (TKurs* k : g->schule->Kurse())
      for (TSetzung* s : std::vector<TSetzung*>(k->Setzungen().Elemente()))
        if (!s->Fixiert()) k->EntferneSetzung(s);
    long vorher = 0;
    for (const TKurs* k : g->schule->Kurse()) vorher += k->Setzungen().Anzahl();
    state.ResumeTiming();
    TAutomat automat(*g->schule);
    automat.AutomatVorbereiten(g->schule->Kurse().Elemente());
    while (automat.Schritt()) {
    }
    state.PauseTiming();
    offen = automat.Gesamt();
    nicht = automat.NichtVerplanbareStunden();
    gesetzt = -vorher;
    for (const TKurs* k : g->schule->Kurse()) gesetzt += k->Setzungen().Anzahl();
    g.reset();
    state.ResumeTiming();
  }
  state.counters["offen vorher"] = static_cast<double>(offen);
  state.counters["gesetzt"] = static_cast<double>(gesetzt);
  state.counters["nicht verplanbar"] = static_cast<double>(nicht);
  state.counters["Anteil gesetzt"] =
      offen > 0 ? static_cast<double>(gesetzt) / static_cast<double>(offen) : 1.0;
}
BENCHMARK(BM_AutomatischerLauf)
    ->ArgsProduct({{1, 0}, {0, 1, 2, 3}})
    ->ArgNames({"aei", ""})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace kolvar
