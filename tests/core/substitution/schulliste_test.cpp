// The school's record list while many lessons go at once: records leave it in one pass at its
// next use, so whatever is looked at between (or after) must be exactly the list that taking
// each record out at once gives: the survivors in their order, nothing freed, still sorted.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "model/kurs.h"
#include "model/liste.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "substitution/vertretung.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

std::vector<uint64_t> Folgen(const TSchule& s) {
  std::vector<uint64_t> folgen;
  for (const TVertretung* v : s.Vertretungen()) folgen.push_back(v->Folge());
  return folgen;
}

// Each placement's records are in the list, once; the list keeps its strict order.
void ErwarteListeGesund(const TSchule& s) {
  std::set<uint64_t> inListe;
  for (const TVertretung* v : s.Vertretungen()) EXPECT_TRUE(inListe.insert(v->Folge()).second);
  std::set<uint64_t> anSetzungen;
  for (const TKurs* k : s.Kurse())
    for (const TSetzung* z : k->Setzungen())
      for (const TVertretung* v : z->Vertretungen()) anSetzungen.insert(v->Folge());
  for (uint64_t f : anSetzungen) EXPECT_TRUE(inListe.count(f)) << f;
  const TVertrVergleich vergleiche = VertrVergleich(s.Standard().vsa);
  const std::vector<TVertretung*>& liste = s.Vertretungen().Elemente();
  for (std::size_t i = 1; i < liste.size(); ++i) EXPECT_LT(vergleiche(liste[i - 1], liste[i]), 0) << i;
}

void ErwarteGesund(const TSchule& s) {
  ErwarteListeGesund(s);
  for (const std::string& fehler : PruefeModell(s)) ADD_FAILURE() << fehler;
}

TEST(VertretungsListe, VieleStundenGehenUndDieListeBleibtWieEinzelnGenommen) {
  TStandard standard;
  TFesteUhr uhr(int64_t{kGeneratorHeute} * 86400);
  auto s = ErzeugeSchule(standard, Profil::Typisch, 11, {nullptr, nullptr, &uhr});
  ASSERT_GT(s->Vertretungen().Anzahl(), 100);
  const std::vector<uint64_t> vorher = Folgen(*s);

  // Every other course loses its lessons; now and then the list is used on the way (as the
  // windows and the accounts do), and a few lessons are placed again in between.
  int schritt = 0;
  for (TKurs* k : s->Kurse().Elemente()) {
    if (++schritt % 2 == 0) continue;
    if (schritt % 7 == 1) {
      EXPECT_GE(s->Vertretungen().Anzahl(), 0);
    }
    if (schritt % 11 == 1 && !k->Setzungen().Leer()) {
      TSetzung* z = k->Setzungen().Hole(1);
      const int v = z->Version(), d = z->Tag(), p = z->Stunde();
      TRaum* r = z->Raum();
      k->EntferneSetzung(z);
      k->NeueSetzung(v, d, p, r, false);
    }
    k->EntferneAlleSetzungen();
  }
  const std::vector<uint64_t> nachher = Folgen(*s);
  ASSERT_LT(nachher.size(), vorher.size());
  // The records made again on the way are new (higher numbers) and went again with their course,
  // so what is left is the old list with gaps, in its old order.
  std::size_t i = 0;
  for (uint64_t f : nachher) {
    while (i < vorher.size() && vorher[i] != f) ++i;
    ASSERT_LT(i, vorher.size()) << "record " << f << " out of order or unknown";
  }
  ErwarteGesund(*s);
}

TEST(VertretungsListe, EinzelneStundenHinUndHer) {
  TStandard standard;
  TFesteUhr uhr(int64_t{kGeneratorHeute} * 86400);
  auto s = ErzeugeSchule(standard, Profil::Klein, 5, {nullptr, nullptr, &uhr});
  // A lesson taken out and placed again alone, again and again, with the list used after each.
  for (TKurs* k : s->Kurse().Elemente()) {
    const std::vector<TSetzung*> setzungen = k->Setzungen().Elemente();
    for (TSetzung* z : setzungen) {
      const int v = z->Version(), d = z->Tag(), p = z->Stunde();
      TRaum* r = z->Raum();
      k->EntferneSetzung(z);
      TSetzung* neu = k->NeueSetzung(v, d, p, r, false);
      ASSERT_NE(neu, nullptr);
      ErwarteListeGesund(*s);
    }
  }
  ErwarteGesund(*s);
}

TEST(TListe, EntferneStellenGleichtEinzelnemEntfernen) {
  std::vector<int> werte(50);
  for (int i = 0; i < 50; ++i) werte[static_cast<std::size_t>(i)] = i;
  for (const std::vector<std::size_t>& stellen :
       {std::vector<std::size_t>{}, {0}, {49}, {0, 1, 2}, {3, 17, 18, 40, 49}, {10, 20, 30, 31, 32, 33}}) {
    TListe<int> liste, einzeln;
    for (int& w : werte) {
      liste.Haenge(&w);
      einzeln.Haenge(&w);
    }
    const uint64_t stand = liste.Stand();
    liste.EntferneStellen(stellen);
    for (auto it = stellen.rbegin(); it != stellen.rend(); ++it)
      einzeln.LoescheBei(static_cast<int>(*it) + 1);
    EXPECT_EQ(liste.Elemente(), einzeln.Elemente());
    EXPECT_EQ(liste.Stand() != stand, !stellen.empty());
  }
}

TEST(TListe, FuelleLochGleichtLoeschenUndEinfuegen) {
  // Sorted lists with repeated keys and unsorted ones (a key changed since), one hole or several:
  // the same items, order and cursor as taking the holes out and inserting after.
  std::vector<int> werte(40);
  uint32_t zufall = 12345;
  auto naechste = [&] { return static_cast<int>((zufall = zufall * 1103515245u + 12345u) >> 16); };
  for (int& w : werte) w = naechste() % 9;
  std::vector<int> neue = {-1, 4, 99};
  auto vergleiche = [](const int* a, const int* b) { return *a < *b ? -1 : (*a > *b ? 1 : 0); };
  for (bool sortiert : {true, false})
    for (int laenge : {1, 2, 7, 40})
      for (int runde = 0; runde < 12; ++runde)
        for (int& neu : neue) {
          TListe<int> liste, einzeln;
          for (int i = 0; i < laenge; ++i) {
            int* w = &werte[static_cast<std::size_t>(i)];
            if (sortiert) {
              liste.FuegeSortiertEin(w, vergleiche);
              einzeln.FuegeSortiertEin(w, vergleiche);
            } else {
              liste.Haenge(w);
              einzeln.Haenge(w);
            }
          }
          std::set<std::size_t> auswahl;
          const int anzahl = 1 + naechste() % std::min(laenge, 4);
          while (static_cast<int>(auswahl.size()) < anzahl)
            auswahl.insert(static_cast<std::size_t>(naechste() % laenge));
          std::vector<std::size_t> loecher(auswahl.begin(), auswahl.end());
          const std::size_t loch = liste.FuelleLoch(loecher, &neu, vergleiche);
          ASSERT_TRUE(auswahl.count(loch));
          loecher.erase(std::find(loecher.begin(), loecher.end(), loch));
          liste.EntferneStellen(loecher);
          einzeln.EntferneStellen(std::vector<std::size_t>(auswahl.begin(), auswahl.end()));
          einzeln.FuegeSortiertEin(&neu, vergleiche);
          ASSERT_EQ(liste.Elemente(), einzeln.Elemente()) << laenge << " " << runde << " " << neu;
          EXPECT_EQ(liste.CursorPosition(), einzeln.CursorPosition());
        }
}

}  // namespace
}  // namespace kolvar
