// The checks on generated schools: a sound one has no double bookings, and every double
// booking put in deliberately is reported.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/pruefung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

std::vector<std::string> Mit(const std::vector<std::string>& zeilen, const std::string& anfang) {
  std::vector<std::string> r;
  for (const std::string& z : zeilen)
    if (z.rfind(anfang, 0) == 0) r.push_back(z);
  std::sort(r.begin(), r.end());
  return r;
}

class GeneratorPruefung : public ::testing::TestWithParam<Profil> {};

TEST_P(GeneratorPruefung, JedeDoppelbelegungWirdGemeldet) {
  TStandard st;
  TFesteUhr uhr;
  auto schule = ErzeugeSchule(st, GetParam(), 11, TUmgebung{nullptr, nullptr, &uhr});
  TPruefung pruefung(*schule);
  TPruefErgebnis vorher = pruefung.PruefeKonsistenz();
  EXPECT_EQ(vorher.Stufe, 0) << (vorher.Zeilen.empty() ? std::string() : vorher.Zeilen.front());
  EXPECT_EQ(vorher.Zeilen, std::vector<std::string>{});

  // Put a second lesson of the same teacher, and then one in the same room, on placed hours.
  std::vector<std::string> lehrerZeilen, raumZeilen;
  const std::vector<TKurs*> kurse = schule->Kurse().Elemente();
  for (std::size_t i = 0; i < kurse.size() && lehrerZeilen.size() < 25; i += 7) {
    TKurs* a = kurse[i];
    if (!a->Lehrer() || a->Setzungen().Leer()) continue;
    const TSetzung* s = a->Setzungen().Hole(1);
    for (TKurs* b : a->Lehrer()->Kurse()) {
      if (b == a || b->Lehrer() != a->Lehrer() || b->Kopplung()) continue;
      if (b->NeueSetzung(s->Version(), s->Tag(), s->Stunde(), nullptr, false)) {
        lehrerZeilen.push_back("Lehrer " + a->Lehrer()->Kuerzel() + " " +
                               ZeitText(st, s->Version(), s->Tag(), s->Stunde()) + " doppelt im Plan.");
        break;
      }
    }
  }
  for (std::size_t i = 3; i < kurse.size() && raumZeilen.size() < 25; i += 11) {
    TKurs* a = kurse[i];
    if (a->Setzungen().Leer() || !a->Setzungen().Hole(1)->Raum()) continue;
    const TSetzung* s = a->Setzungen().Hole(1);
    TKurs* b = kurse[(i + kurse.size() / 2) % kurse.size()];
    if (b->Lehrer() == a->Lehrer()) continue;
    if (b->NeueSetzung(s->Version(), s->Tag(), s->Stunde(), s->Raum(), false))
      raumZeilen.push_back("Raum " + s->Raum()->Kuerzel() + " " +
                           ZeitText(st, s->Version(), s->Tag(), s->Stunde()) + " doppelt im Plan.");
  }
  ASSERT_FALSE(lehrerZeilen.empty());
  ASSERT_FALSE(raumZeilen.empty());

  TPruefErgebnis e = pruefung.PruefeKonsistenz();
  EXPECT_EQ(e.Stufe, 2);
  std::vector<std::string> lehrer = Mit(e.Zeilen, "Lehrer "), raum = Mit(e.Zeilen, "Raum ");
  std::sort(lehrerZeilen.begin(), lehrerZeilen.end());
  std::sort(raumZeilen.begin(), raumZeilen.end());
  // The room hours add their teachers' lines where those teachers were busy too.
  for (const std::string& z : lehrerZeilen)
    EXPECT_NE(std::find(lehrer.begin(), lehrer.end(), z), lehrer.end()) << z;
  EXPECT_EQ(raum, raumZeilen);
  EXPECT_EQ(PruefeModell(*schule), std::vector<std::string>{});
}

TEST_P(GeneratorPruefung, ReparaturHebtDieStundenAllerKurse) {
  TStandard st;
  TFesteUhr uhr;
  auto schule = ErzeugeSchule(st, GetParam(), 5, TUmgebung{nullptr, nullptr, &uhr});
  st.SetNurAktuelleVersion(false);
  int gesenkt = 0;
  const std::vector<TKurs*> kurse = schule->Kurse().Elemente();
  for (TKurs* k : kurse)
    if (!k->Setzungen().Leer()) {
      k->SetzeStunden(0, 0);  // re-sorts the course in every list
      ++gesenkt;
    }
  ASSERT_GT(gesenkt, 0);
  const TPruefErgebnis e = TPruefung(*schule).PruefeKonsistenz();
  EXPECT_EQ(e.Stufe, 1);
  EXPECT_GE(e.Reparaturen, gesenkt);
  for (const TKurs* k : schule->Kurse())
    for (int v = 1; v <= st.mwn(); ++v) {
      int gesetzt = 0;
      for (const TSetzung* s : k->Setzungen()) gesetzt += s->Version() == v;
      EXPECT_GE(k->Stunden(v), gesetzt) << k->Text();
    }
  EXPECT_EQ(PruefeModell(*schule), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Profile, GeneratorPruefung,
                         ::testing::Values(Profil::Klein, Profil::Typisch, Profil::Gross),
                         [](const auto& info) { return std::string(ProfilName(info.param)); });

// Random school-wide swaps keep every grid in step with the placements and lose no hour.
TEST(GeneratorTausch, ZufaelligeTauscheVerlierenNichts) {
  TStandard st;
  TFesteUhr uhr;
  TFakePalette palette;
  auto schule = ErzeugeSchule(st, Profil::Typisch, 9, TUmgebung{nullptr, &palette, &uhr});
  st.SetNurAktuelleVersion(false);
  auto anzahl = [&] {
    long n = 0;
    for (const TKurs* k : schule->Kurse()) n += k->Setzungen().Anzahl();
    return n;
  };
  const long vorher = anzahl();
  uint32_t z = 99;
  auto zufall = [&z](int n) {
    z = z * 1664525u + 1013904223u;
    return static_cast<int>((z >> 16) % static_cast<uint32_t>(n)) + 1;
  };
  for (int i = 0; i < 40; ++i) {
    if (i == 20) st.SetNurAktuelleVersion(true);
    schule->TauscheStunden(zufall(5), zufall(8), zufall(5), zufall(8));
  }
  EXPECT_EQ(anzahl(), vorher);
  EXPECT_EQ(PruefeModell(*schule), std::vector<std::string>{});
  EXPECT_EQ(Mit(TPruefung(*schule).PruefeKonsistenz().Zeilen, "Lehrer "), std::vector<std::string>{});
}

}  // namespace
}  // namespace kolvar
