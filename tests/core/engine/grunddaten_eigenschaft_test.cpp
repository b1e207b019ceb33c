// Whatever the editors do to a generated school in any order (hours steps, take-overs, class
// teachers, home rooms, table lists, names), the model check stays clean, a step down never
// leaves a version below its placed hours, and the school writes a file that reads back the same.

#include <gtest/gtest.h>

#include <random>

#include "engine/grunddaten.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/standard.h"
#include "model/uvtab.h"
#include "storage/leser.h"
#include "storage/schreiber.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

template <class T>
T* Zufall(const TListe<T>& l, std::mt19937& z) {
  if (l.Leer()) return nullptr;
  return l.Hole(std::uniform_int_distribution<int>(1, l.Anzahl())(z));
}

class GrunddatenEigenschaft : public ::testing::TestWithParam<uint32_t> {};

TEST_P(GrunddatenEigenschaft, SchritteHaltenDasModellGesund) {
  TStandard standard;
  TFakeDialoge dialoge;
  // One clock for building and reading: the change stamps are relative to today.
  TFesteUhr uhr(int64_t{kGeneratorHeute} * 86400 + 8 * 3600);
  auto schule = ErzeugeSchule(standard, Profil::Klein, GetParam(), {&dialoge, nullptr, &uhr});
  TSchule& s = *schule;
  std::mt19937 z(GetParam());
  for (int i = 0; i < 300; ++i) {
    const int art = std::uniform_int_distribution<int>(0, 6)(z);
    std::string was;
    switch (art) {
      case 0: {
        TKurs* k = Zufall(s.Kurse(), z);
        if (k == nullptr) break;
        standard.SetNurAktuelleVersion(z() % 2 == 0);
        const bool hoch = z() % 3 == 0;
        was = "Schritt " + k->Text();
        if (SchritteKursStunden(*k, hoch) && !hoch && !k->NichtVerplanen()) {
          int von, bis;
          VersionsBereich(standard.Versionen(), k->StundenTabelle().Versionen(), -1, von, bis);
          for (int v = von; v <= bis; ++v) EXPECT_GE(k->Stunden(v), k->GesetzteStunden(v)) << was;
        }
        break;
      }
      case 1: {
        TKlasse* ziel = Zufall(s.Klassen(), z);
        TKlasse* quelle = Zufall(s.Klassen(), z);
        if (ziel == nullptr) break;
        // Sometimes the target's plan is cleared first, so that the take-over runs.
        if (z() % 2 == 0)
          for (TKurs* k : ziel->Kurse().Elemente()) k->EntferneAlleSetzungen();
        was = "Übernahme " + ziel->Kuerzel() + " von " + quelle->Kuerzel();
        EXPECT_EQ(UebernimmKurse(*ziel, *quelle, static_cast<TKopplungsUebernahme>(z() % 3), z() % 2 == 0),
                  ziel != quelle && UebernahmeErlaubt(*ziel))
            << was;
        break;
      }
      case 2:
        if (TKlasse* k = Zufall(s.Klassen(), z))
          WaehleKlassenlehrer(*k, 1 + static_cast<int>(z() % 2), z() % 4 != 0,
                              z() % 5 == 0 ? nullptr : Zufall(s.Lehrer(), z));
        break;
      case 3: {
        const auto antwort = static_cast<TRaumAntwort>(z() % 3);
        TRaum* r = z() % 5 == 0 ? nullptr : Zufall(s.Raeume(), z);
        if (z() % 2 == 0) {
          if (TKlasse* k = Zufall(s.Klassen(), z)) WechsleHeimraum(*k, r, antwort);
        } else if (TLehrer* l = Zufall(s.Lehrer(), z)) {
          WechsleHeimraum(*l, r, antwort);
        }
        break;
      }
      case 4:
        if (TUVTab* t = Zufall(s.UVTabellen(), z)) {
          TElement* e = z() % 2 ? static_cast<TElement*>(Zufall(s.Klassen(), z)) : Zufall(s.Lehrer(), z);
          if (z() % 2 == 0)
            UVFuegeHinzu(*t, e);
          else
            UVEntferne(*t, e);
        }
        break;
      case 5:
        if (TKlasse* k = Zufall(s.Klassen(), z)) k->SetzeName("Klasse " + std::to_string(i) + " äöü");
        break;
      default:
        if (TKlasse* k = Zufall(s.Klassen(), z)) {
          TSchule::TAktion aktion(s);
          k->AendereSoll(z() % 2 ? 1 : -1);
        }
        break;
    }
    const std::vector<std::string> fehler = PruefeModell(s);
    ASSERT_TRUE(fehler.empty()) << "step " << i << " " << was << ": " << fehler.front();
  }
  const std::vector<uint8_t> eins = TSchreiber().Baue(s);
  TStandard gelesenStandard;
  TLeser leser(gelesenStandard, {&dialoge, nullptr, &uhr});
  const auto gelesen = leser.LiesDaten(eins);
  ASSERT_NE(gelesen, nullptr);
  EXPECT_TRUE(PruefeModell(*gelesen).empty());
  EXPECT_TRUE(TSchreiber().Baue(*gelesen) == eins);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GrunddatenEigenschaft, ::testing::Values(1u, 2u, 7u));

}  // namespace
}  // namespace kolvar
