// Random sequences of everything the data model offers, on the small school, then every element
// and course deleted: after every step the invariants hold (links both ways, sorted lists,
// occupancy equal to the placements, grid sizes), and nothing refers to a deleted object.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

template <typename T>
T* Irgendeins(const TListe<T>& liste, std::mt19937& z) {
  if (liste.Leer() || z() % 5 == 0) return nullptr;
  return liste.Hole(1 + static_cast<int>(z() % static_cast<unsigned>(liste.Anzahl())));
}

TEST(Eigenschaft, ZufaelligeFolgenHaltenDasModellGesund) {
  for (unsigned saat = 1; saat <= 60; ++saat) {
    auto s = BaueKleineSchule(2);
    TSchule& sch = *s->schule;
    SetzeEinigeStunden(*s);
    std::mt19937 z(saat);
    s->palette.undo = saat % 3 == 0;
    s->standard.SetNurAktuelleVersion(saat % 2 == 0);
    for (int schritt = 0; schritt < 300; ++schritt) {
      const int n = s->standard.mwn();
      const int v = 1 + static_cast<int>(z() % static_cast<unsigned>(n));
      const int d = 1 + static_cast<int>(z() % 6), p = 1 + static_cast<int>(z() % 8);
      TKurs* k = Irgendeins(sch.Kurse(), z);
      const void* weg = nullptr;
      switch (z() % 16) {
        case 0:
        case 1:
        case 2:
          if (k) k->Setze(v, d, Irgendeins(sch.Raeume(), z), p);
          break;
        case 3:
          if (k) k->EntferneStunde(z() % 2 ? v : -1, d, p, z() % 2);
          break;
        case 4:
          if (TSetzung* st = k ? Irgendeins(k->Setzungen(), z) : nullptr) {
            if (z() % 3)
              k->SetzeRaum(st, Irgendeins(sch.Raeume(), z));
            else
              k->EntferneSetzung(st);
          }
          break;
        case 5:
          if (k) k->SetzeLehrer(Irgendeins(sch.Lehrer(), z));
          break;
        case 6:
          if (k) {
            if (z() % 2)
              k->FuegeKlasseHinzu(Irgendeins(sch.Klassen(), z));
            else
              k->EntferneKlasse(Irgendeins(k->Klassen(), z));
          }
          break;
        case 7:
          if (k && z() % 2)
            k->SetzeFach(Irgendeins(sch.Faecher(), z));
          else if (k)
            k->SetzeKopplung(Irgendeins(sch.Kopplungen(), z));
          break;
        case 8:
          if (k) {
            if (z() % 2)
              k->FuegeRaumHinzu(Irgendeins(sch.Raeume(), z), z() % 2);
            else
              k->EntferneRaum(Irgendeins(k->Raeume(), z));
          }
          break;
        case 9:
          if (k) k->SetzeStunden(z() % 2 ? v : 0, static_cast<int32_t>(z() % 7) - 1);
          break;
        case 10:
          sch.ErzeugeKurs(Irgendeins(sch.Lehrer(), z), Irgendeins(sch.Klassen(), z),
                          Irgendeins(sch.Kopplungen(), z), Irgendeins(sch.Faecher(), z),
                          Irgendeins(sch.Raeume(), z), 1 + static_cast<int32_t>(z() % 4));
          break;
        case 11:
          if (k && z() % 3 == 0) {
            weg = k;
            sch.LoescheKurs(k);
          }
          break;
        case 12:
          if (z() % 4 == 0) {
            TElement* e = nullptr;
            switch (z() % 6) {
              case 0:
                e = Irgendeins(sch.Lehrer(), z);
                break;
              case 1:
                e = Irgendeins(sch.Klassen(), z);
                break;
              case 2:
                e = Irgendeins(sch.Kopplungen(), z);
                break;
              case 3:
                e = Irgendeins(sch.Faecher(), z);
                break;
              case 4:
                e = Irgendeins(sch.Raeume(), z);
                break;
              default:
                e = Irgendeins(sch.UVTabellen(), z);
                break;
            }
            if (e) {
              weg = e;
              sch.LoescheElement(e);
            }
          }
          break;
        case 13:
          if (z() % 2)
            sch.ErweiterePlanversionen(n + 1 + static_cast<int>(z() % 2));
          else if (n > 1) {
            s->dialoge.Antworte(z() % 2 ? Modal::Ja : Modal::Nein);
            sch.LoeschePlanversionen(n - 1);
          }
          break;
        case 14:
          if (z() % 2)
            sch.NeuerRaum("N" + std::to_string(schritt));
          else
            sch.NeueKlasse("K" + std::to_string(schritt));
          break;
        case 15:
          if (s->palette.undo && z() % 4 == 0) sch.Widerrufe();
          if (TElement* e = Irgendeins(sch.Lehrer(), z); e && z() % 3 == 0) sch.VerschiebeElement(e, 1);
          break;
      }
      if (weg) {
        ASSERT_EQ(WoGehalten(sch, weg), "") << "Saat " << saat << " Schritt " << schritt;
      }
      const auto fehler = PruefeModell(sch);
      ASSERT_TRUE(fehler.empty()) << "Saat " << saat << " Schritt " << schritt << ": "
                                  << ::testing::PrintToString(fehler);
    }
    // Then every element and course goes, in a random order, down to the empty school.
    std::vector<std::pair<TElement*, TKurs*>> weg;
    for (TElement* e : sch.Lehrer()) weg.emplace_back(e, nullptr);
    for (TElement* e : sch.Klassen()) weg.emplace_back(e, nullptr);
    for (TElement* e : sch.Kopplungen()) weg.emplace_back(e, nullptr);
    for (TElement* e : sch.Faecher()) weg.emplace_back(e, nullptr);
    for (TElement* e : sch.Raeume()) weg.emplace_back(e, nullptr);
    for (TElement* e : sch.UVTabellen()) weg.emplace_back(e, nullptr);
    for (TKurs* k : sch.Kurse()) weg.emplace_back(nullptr, k);
    std::shuffle(weg.begin(), weg.end(), z);
    for (auto [e, k] : weg) {
      const void* zeiger = e ? static_cast<const void*>(e) : static_cast<const void*>(k);
      if (e)
        sch.LoescheElement(e);
      else
        sch.LoescheKurs(k);
      ASSERT_EQ(WoGehalten(sch, zeiger), "") << "Saat " << saat;
      const auto fehler = PruefeModell(sch);
      ASSERT_TRUE(fehler.empty()) << "Saat " << saat << ": " << ::testing::PrintToString(fehler);
    }
    EXPECT_TRUE(sch.Kurse().Leer());
    EXPECT_TRUE(sch.Lehrer().Leer());
    EXPECT_TRUE(sch.UndoSchritte().Leer());
  }
}

}  // namespace
}  // namespace kolvar
