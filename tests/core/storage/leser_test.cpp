#include "storage/leser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "storage/schreiber.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

using TBytes = std::vector<uint8_t>;

struct TUmfeld {
  TStandard standard;
  TFakeDialoge dialoge;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400 + 10 * 3600};
  TUmgebung Umgebung() { return {&dialoge, nullptr, &uhr}; }
};

// The placements each element holds at each slot, counted from the placements themselves.
std::vector<int> Gezaehlt(const TSchule& s, const TPlanElement& e, int versionen) {
  std::vector<int> n;
  for (int v = 1; v <= versionen; ++v)
    for (int d = 1; d <= kTage; ++d)
      for (int p = 1; p <= kStunden; ++p) {
        int zahl = 0;
        for (const TKurs* k : s.Kurse())
          for (const TSetzung* z : k->Setzungen()) {
            if (z->Version() != v || z->Tag() != d || z->Stunde() != p) continue;
            const bool gehoert =
                &e == z->Raum() || &e == k->Lehrer() ||
                std::find(k->Klassen().begin(), k->Klassen().end(), &e) != k->Klassen().end();
            zahl += gehoert;
          }
        n.push_back(zahl);
      }
  return n;
}
std::vector<int> Gehalten(const TPlanElement& e, int versionen) {
  std::vector<int> n;
  for (int v = 1; v <= versionen; ++v)
    for (int d = 1; d <= kTage; ++d)
      for (int p = 1; p <= kStunden; ++p) n.push_back(e.SetzungenAn(v, d, p));
  return n;
}

// A school whose placements lie the hard ways: placed out of slot order, two lessons of a class
// and of a room at one slot, a room no lesson lists, a lesson without teacher, room or
// placements, the last version, day and period. Read back, every element counts what its
// placements say, each placement is found at its slot, and it writes the same bytes.
TEST(LeserRundreise, SetzungenZaehlenUndFindenWieGeschrieben) {
  TUmfeld u;
  u.standard.SetVersionszahl(3);
  TSchule s(u.standard, u.Umgebung());
  TLehrer* mue = s.NeuerLehrer("MUE");
  TLehrer* sch = s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TKlasse* b = s.NeueKlasse("5b");
  TRaum* r1 = s.NeuerRaum("R1");
  TRaum* r2 = s.NeuerRaum("R2");
  TRaum* fremd = s.NeuerRaum("AULA");
  TFach* de = s.NeuesFach("De");
  TFach* ma = s.NeuesFach("Ma");
  TKurs* eins = s.ErzeugeKurs(mue, a, nullptr, de, r1, 6);
  eins->FuegeKlasseHinzu(b);
  TKurs* zwei = s.ErzeugeKurs(sch, a, nullptr, ma, r2, 6);
  TKurs* ohne = s.ErzeugeKurs(nullptr, b, nullptr, nullptr, nullptr, 6);
  s.ErzeugeKurs(mue, b, nullptr, ma, nullptr, 2);  // never placed
  for (int v = 1; v <= 3; ++v) {
    eins->SetzeStunden(v, 6);
    zwei->SetzeStunden(v, 6);
    ohne->SetzeStunden(v, 6);
  }
  // Latest slots first, so the file holds them out of slot order.
  ASSERT_NE(eins->NeueSetzung(3, 7, kStunden, fremd, true), nullptr);
  ASSERT_NE(eins->NeueSetzung(2, 1, 1, r1, false), nullptr);
  ASSERT_NE(eins->NeueSetzung(1, 3, 4, r1, false), nullptr);
  ASSERT_NE(eins->NeueSetzung(1, 1, 2, nullptr, false), nullptr);
  ASSERT_NE(zwei->NeueSetzung(1, 3, 4, r1, false), nullptr);  // class 5a and room R1 twice
  ASSERT_NE(zwei->NeueSetzung(3, 7, kStunden, fremd, false), nullptr);
  ASSERT_NE(ohne->NeueSetzung(2, 1, 1, nullptr, false), nullptr);
  ASSERT_NE(ohne->NeueSetzung(1, 5, 9, r2, false), nullptr);
  ASSERT_TRUE(PruefeModell(s).empty());
  const TBytes datei = TSchreiber().Baue(s);

  TUmfeld u2;
  u2.standard.pst = 6;
  TLeser leser(u2.standard, u2.Umgebung());
  const auto gelesen = leser.LiesDaten(datei);
  for (const std::string& f : PruefeModell(*gelesen)) ADD_FAILURE() << f;
  EXPECT_EQ(u2.standard.mtn, 7);
  EXPECT_EQ(u2.standard.pst, kStunden);
  std::vector<const TPlanElement*> elemente;
  for (const TLehrer* l : gelesen->Lehrer()) elemente.push_back(l);
  for (const TKlasse* k : gelesen->Klassen()) elemente.push_back(k);
  for (const TRaum* r : gelesen->Raeume()) elemente.push_back(r);
  for (const TPlanElement* e : elemente) {
    SCOPED_TRACE(e->Kuerzel());
    EXPECT_EQ(Gehalten(*e, 3), Gezaehlt(*gelesen, *e, 3));
  }
  EXPECT_EQ(gelesen->Klassen().Hole(1)->SetzungenAn(1, 3, 4), 2);
  EXPECT_EQ(gelesen->Raeume().Hole(1)->SetzungenAn(1, 3, 4), 2);
  EXPECT_EQ(gelesen->Raeume().Hole(3)->SetzungenAn(3, 7, kStunden), 2) << "a room no lesson lists";
  int setzungen = 0;
  for (const TKurs* k : gelesen->Kurse())
    for (const TSetzung* z : k->Setzungen()) {
      EXPECT_EQ(k->FindeSetzung(z->Version(), z->Tag(), z->Stunde()), z);
      ++setzungen;
    }
  EXPECT_EQ(setzungen, 8);
  EXPECT_EQ(TSchreiber().Baue(*gelesen), datei);

  // Taking the placements away one by one, in slot order, leaves a sound school each time.
  TKurs* viele = nullptr;
  for (TKurs* k : gelesen->Kurse())
    if (k->Setzungen().Anzahl() == 4) viele = k;
  ASSERT_NE(viele, nullptr);
  std::vector<TSetzung*> folge(viele->Setzungen().begin(), viele->Setzungen().end());
  std::sort(folge.begin(), folge.end(), [](const TSetzung* x, const TSetzung* y) {
    return std::make_tuple(x->Version(), x->Tag(), x->Stunde()) <
           std::make_tuple(y->Version(), y->Tag(), y->Stunde());
  });
  for (TSetzung* z : folge) {
    viele->EntferneSetzung(z);
    for (const std::string& f : PruefeModell(*gelesen)) ADD_FAILURE() << f;
  }
  EXPECT_TRUE(viele->Setzungen().Leer());
}

// The offset of the only occurrence of the bytes at or after von; fails when not exactly one.
std::size_t Einmal(const TBytes& d, const TBytes& muster, std::size_t von) {
  std::size_t gefunden = d.size(), anzahl = 0;
  for (auto it = d.begin() + static_cast<std::ptrdiff_t>(von);
       (it = std::search(it, d.end(), muster.begin(), muster.end())) != d.end(); ++it, ++anzahl)
    gefunden = static_cast<std::size_t>(it - d.begin());
  EXPECT_EQ(anzahl, 1u);
  return gefunden;
}

// A lesson holding two placements at one slot, or one at a slot outside the file's versions,
// days or periods, is a damaged file: a clear error, no school, the settings as they were.
TEST(LeserRundreise, SetzungenAnEinemFeldOderAusserhalbWerdenAbgewiesen) {
  TUmfeld u;
  u.standard.SetVersionszahl(2);
  TSchule s(u.standard, u.Umgebung());
  TKurs* k = s.ErzeugeKurs(s.NeuerLehrer("MUE"), s.NeueKlasse("5a"), nullptr, s.NeuesFach("De"), nullptr, 4);
  ASSERT_NE(k->NeueSetzung(1, 3, 5, nullptr, false), nullptr);
  ASSERT_NE(k->NeueSetzung(1, 3, 7, nullptr, false), nullptr);
  const TBytes datei = TSchreiber().Baue(s);
  // A placement: room, period, day, version, fixed, records.
  const std::size_t erste = Einmal(datei, {0xFF, 0xFF, 0, 5, 0, 3, 0, 1, 0, 0, 0}, 0);
  const std::size_t zweite = Einmal(datei, {0xFF, 0xFF, 0, 7, 0, 3, 0, 1, 0, 0, 0}, 0);
  ASSERT_LT(erste, zweite);
  struct TFall {
    std::size_t stelle;
    uint8_t wert;
    const char* text;
  };
  for (const TFall& f : {TFall{zweite + 3, 5, "zwei Setzungen eines Kurses an derselben Stunde"},
                         TFall{zweite + 7, 3, "Setzung an Version 3, Tag 3, Stunde 7"},
                         TFall{zweite + 5, 8, "Setzung an Version 1, Tag 8, Stunde 7"},
                         TFall{zweite + 3, kStunden + 1, "Setzung an Version 1, Tag 3, Stunde 17"},
                         TFall{erste + 3, 0, "Setzung an Version 1, Tag 3, Stunde 0"}}) {
    TBytes kaputt = datei;
    kaputt[f.stelle] = f.wert;
    TUmfeld l;
    l.standard.SetVersionszahl(5);
    try {
      TLeser(l.standard, l.Umgebung()).LiesDaten(kaputt);
      ADD_FAILURE() << "gelesen: " << f.text;
    } catch (const TDateiFehler& fehler) {
      EXPECT_NE(std::string(fehler.what()).find(f.text), std::string::npos) << fehler.what();
    }
    EXPECT_EQ(l.standard.mwn(), 5);
  }
}

}  // namespace
}  // namespace kolvar
