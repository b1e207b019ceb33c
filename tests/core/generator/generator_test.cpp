#include "support/generator.h"
#include "support/fakes.h"
#include "support/modellpruefung.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "model/fehl.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/parliste.h"
#include "model/raum.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/uvtab.h"
#include "substitution/vertretung.h"

namespace kolvar {
namespace {

class GeneratorProfil : public ::testing::TestWithParam<Profil> {};

TEST_P(GeneratorProfil, HatDieGroessenDesProfils) {
  TStandard std;
  TFesteUhr uhr(int64_t{kGeneratorHeute} * 86400);
  const auto s = ErzeugeSchule(std, GetParam(), 7, {nullptr, nullptr, &uhr});
  const TProfilGroesse& g = GroesseVon(GetParam());
  EXPECT_EQ(s->Lehrer().Anzahl(), g.lehrer);
  EXPECT_EQ(s->Klassen().Anzahl(), g.klassen);
  EXPECT_EQ(s->Raeume().Anzahl(), g.raeume);
  EXPECT_EQ(s->Faecher().Anzahl(), g.faecher);
  EXPECT_EQ(s->Kopplungen().Anzahl(), g.kopplungen);
  EXPECT_EQ(s->Kurse().Anzahl(), g.kurse);
  EXPECT_EQ(std.mwn(), g.versionen);
  EXPECT_FALSE(s->Geaendert());
  // Every grid is the union of the placements.
  for (const std::string& fehler : PruefeModell(*s)) ADD_FAILURE() << fehler;

  long gesetzt = 0, fixiert = 0;
  for (int v = 1; v <= g.versionen; ++v) {
    long stunden = 0;
    for (TKurs* k : s->Kurse()) stunden += k->Stunden(v);
    EXPECT_EQ(stunden, g.wochenstunden) << "version " << v;
  }
  // No teacher or room is booked twice at one slot.
  std::map<std::tuple<const TPlanElement*, int, int, int>, int> belegt;
  for (TKurs* k : s->Kurse())
    for (TSetzung* z : k->Setzungen()) {
      ++gesetzt;
      fixiert += z->Fixiert();
      for (const TPlanElement* e : std::initializer_list<const TPlanElement*>{k->Lehrer(), z->Raum()})
        if (e) {
          EXPECT_EQ(++belegt[std::make_tuple(e, z->Version(), z->Tag(), z->Stunde())], 1) << e->Kuerzel();
        }
    }
  // Mostly placed, some of it fixed.
  EXPECT_GT(gesetzt, long{g.wochenstunden} * g.versionen * 8 / 10);
  EXPECT_GT(fixiert, 0);

  // Couplings of 2 to 15 courses, every member in the coupling's course list.
  for (TKopplung* ko : s->Kopplungen()) {
    EXPECT_GE(ko->Kurse().Anzahl(), 2);
    EXPECT_LE(ko->Kurse().Anzahl(), 15);
    for (TKurs* k : ko->Kurse()) EXPECT_EQ(k->Kopplung(), ko);
  }
  EXPECT_GE(s->Vertretungen().Anzahl(), g.vertretungen);
  EXPECT_LT(s->Vertretungen().Anzahl(), g.vertretungen + 50);
  EXPECT_GT(s->LehrerFehlen().Anzahl(), 0);
  EXPECT_GT(s->KlassenFehlen().Anzahl(), 0);
  EXPECT_GT(s->RaumFehlen().Anzahl(), 0);
  EXPECT_GT(s->ParListe().Zellen().Anzahl(), 1);
  EXPECT_EQ(s->ParListe().Zellen().Anzahl(), s->ParListe().Zeilen() * s->ParListe().Spalten());
}

INSTANTIATE_TEST_SUITE_P(Profile, GeneratorProfil,
                         ::testing::Values(Profil::Klein, Profil::Typisch, Profil::Gross, Profil::Stress),
                         [](const auto& info) { return std::string(ProfilName(info.param)); });

TEST(Generator, GleicherSeedGleicheSchuleAndererSeedAndere) {
  for (Profil p : {Profil::Klein, Profil::Typisch}) {
    TStandard a, b, c;
    const std::string eins = Fingerabdruck(*ErzeugeSchule(a, p, 42));
    EXPECT_EQ(eins, Fingerabdruck(*ErzeugeSchule(b, p, 42)));
    EXPECT_NE(eins, Fingerabdruck(*ErzeugeSchule(c, p, 43)));
  }
}

}  // namespace
}  // namespace kolvar
