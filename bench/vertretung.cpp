// What the deputy head waits for in the substitute choice: the teacher proposals of one record
// (six filters, day bars, accounts) and the free rooms, on generated schools up to the stress
// profile's 40,000 records; and the day list's rows of one date.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/schule.h"
#include "model/standard.h"
#include "substitution/vertretung.h"
#include "substitution/vertrvorschlag.h"
#include "substitution/vertrzeile.h"
#include "support/fakes.h"
#include "support/generator.h"

namespace kolvar {
namespace {

struct TBank {
  TStandard standard;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400 + 8 * 3600};
  std::unique_ptr<TSchule> schule;
  TVertretung* vertretung = nullptr;
};

// One school per profile, built once; the record is a needed teacher substitution in the
// middle of the list.
TBank& Bank(Profil profil) {
  static std::unique_ptr<TBank> banken[4];
  auto& bank = banken[static_cast<int>(profil)];
  if (!bank) {
    bank = std::make_unique<TBank>();
    bank->schule = ErzeugeSchule(bank->standard, profil, 5, TUmgebung{nullptr, nullptr, &bank->uhr});
    const auto& alle = bank->schule->Vertretungen();
    for (int i = alle.Anzahl() / 2; i <= alle.Anzahl() && !bank->vertretung; ++i) {
      TVertretung* v = alle.Hole(i);
      if (v->Art() == VertrArt::Lehrer && v->Noetig() && v->Setzung()) bank->vertretung = v;
    }
  }
  return *bank;
}

void LehrerVorschlaege(benchmark::State& state) {
  const auto profil = static_cast<Profil>(state.range(0));
  TBank& bank = Bank(profil);
  if (!bank.vertretung) {
    state.SkipWithError("kein Datensatz");
    return;
  }
  const TLehrerFilter filter{true, true, 2};
  std::size_t n = 0;
  for (auto _ : state) {
    const auto liste = TVertrVorschlag::Lehrer(*bank.vertretung, filter, 1);
    n = liste.size();
    benchmark::DoNotOptimize(liste.data());
  }
  state.SetLabel(std::string(ProfilName(profil)) + ", " +
                 std::to_string(bank.schule->Vertretungen().Anzahl()) + " Vertretungen, " +
                 std::to_string(n) + " Lehrer");
}
BENCHMARK(LehrerVorschlaege)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void RaumVorschlaege(benchmark::State& state) {
  const auto profil = static_cast<Profil>(state.range(0));
  TBank& bank = Bank(profil);
  if (!bank.vertretung) {
    state.SkipWithError("kein Datensatz");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(TVertrVorschlag::Raeume(*bank.vertretung).size());
  state.SetLabel(ProfilName(profil));
}
BENCHMARK(RaumVorschlaege)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// The day list's rows of the record's date, as the list window asks for them on every refresh.
void TageslisteZeilen(benchmark::State& state) {
  const auto profil = static_cast<Profil>(state.range(0));
  TBank& bank = Bank(profil);
  if (!bank.vertretung) {
    state.SkipWithError("kein Datensatz");
    return;
  }
  const int32_t datum = bank.vertretung->Datum();
  std::size_t n = 0;
  for (auto _ : state) {
    const std::vector<TVertrZeile> zeilen = VertrZeilen(*bank.schule, datum);
    n = zeilen.size();
    benchmark::DoNotOptimize(zeilen.data());
  }
  state.SetLabel(std::string(ProfilName(profil)) + ", " + std::to_string(n) + " Zeilen");
}
BENCHMARK(TageslisteZeilen)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvar
