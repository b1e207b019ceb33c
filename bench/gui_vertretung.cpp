// The substitution windows' refresh, which follows every change while they are open: the day list
// of a date with many records refilled, and the teacher choice's day plan shown again; beside
// them what measuring the period labels for their column costs, once and when nothing changed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/schule.h"
#include "model/standard.h"
#include "platform/gitter.h"
#include "platform/textspalte.h"
#include "qtanwendung.h"
#include "substitution/tagesplan.h"
#include "substitution/vertretung.h"
#include "substitution/vertrform.h"
#include "substitution/vertrzeile.h"
#include "support/fakes.h"
#include "support/generator.h"

namespace kolvar {
namespace {

// The typical school with long period labels; the record is a needed teacher substitution in the
// middle of the list, and its date the one with the most records around it.
struct TBank {
  QApplication& app = BenchAnwendung();
  TStandard standard;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400 + 8 * 3600};
  std::unique_ptr<TSchule> schule;
  TVertretung* vertretung = nullptr;
  TBank() {
    schule = ErzeugeSchule(standard, Profil::Typisch, 5, TUmgebung{nullptr, nullptr, &uhr});
    for (auto& version : standard.sp)
      for (std::size_t p = 0; p < version.size(); ++p)
        version[p] = std::to_string(7 + p) + ":45 - " + std::to_string(8 + p) + ":30";
    const auto& alle = schule->Vertretungen();
    for (int i = alle.Anzahl() / 2; i <= alle.Anzahl() && !vertretung; ++i) {
      TVertretung* v = alle.Hole(i);
      if (v->Art() == VertrArt::Lehrer && v->Noetig() && v->Setzung()) vertretung = v;
    }
  }
};

TBank& Bank() {
  static TBank bank;
  return bank;
}

void BM_TageslisteAktualisieren(benchmark::State& state) {
  TBank& bank = Bank();
  if (!bank.vertretung) {
    state.SkipWithError("kein Datensatz");
    return;
  }
  TVertrForm liste(*bank.schule, nullptr);
  liste.SetzeVertrDatum(bank.vertretung->Datum());
  for (auto _ : state) liste.Aktualisiere();
  state.SetLabel(std::to_string(liste.GetZeilenzahl() - 1) + " Zeilen");
}
BENCHMARK(BM_TageslisteAktualisieren)->Unit(benchmark::kMicrosecond);

void BM_TagesplanZeigen(benchmark::State& state) {
  TBank& bank = Bank();
  if (!bank.vertretung) {
    state.SkipWithError("kein Datensatz");
    return;
  }
  TTagesplan plan;
  for (auto _ : state) plan.Zeige(bank.vertretung, 16);
}
BENCHMARK(BM_TagesplanZeigen)->Unit(benchmark::kMicrosecond);

// The day list's sixteen "Stunde" texts measured afresh (a new column each time) and again
// unchanged (the column's last measure).
void BM_StundenSpalteMessen(benchmark::State& state) {
  TBank& bank = Bank();
  const std::vector<std::string> texte = VertrStundenTexte(*bank.schule, kGeneratorHeute);
  const QFont schrift = QApplication::font();
  const bool neu = state.range(0) != 0;
  TTextSpalte spalte(60, 8);
  for (auto _ : state) {
    if (neu) spalte = TTextSpalte(60, 8);
    benchmark::DoNotOptimize(spalte.Breite(schrift, texte));
  }
  state.SetLabel(neu ? "neu gemessen" : "unverändert");
}
BENCHMARK(BM_StundenSpalteMessen)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvar
