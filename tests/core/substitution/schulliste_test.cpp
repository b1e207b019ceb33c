// The school's record list while many lessons go at once: records leave it in one pass at its
// next use, so whatever is looked at between (or after) must be exactly the list that taking
// each record out at once gives: the survivors in their order, nothing freed, still sorted.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <tuple>
#include <utility>
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

TEST(TListe, MischeEinGleichtEinzelnemEinfuegen) {
  // Sorted lists with repeated keys, batches with keys equal to the list's and to each other: the
  // same items in the same order as inserting each in turn, equal ones after the older.
  std::vector<int> werte(60);
  uint32_t zufall = 12345;
  auto naechste = [&] { return static_cast<int>((zufall = zufall * 1103515245u + 12345u) >> 16); };
  for (int& w : werte) w = naechste() % 9 - 1;
  auto vergleiche = [](const int* a, const int* b) { return *a < *b ? -1 : (*a > *b ? 1 : 0); };
  auto vor = [&](const int* a, const int* b) { return vergleiche(a, b) < 0; };
  for (int laenge : {0, 1, 2, 7, 30})
    for (int neue : {0, 1, 3, 30}) {
      TListe<int> liste, einzeln;
      for (int i = 0; i < laenge; ++i) {
        liste.FuegeSortiertEin(&werte[static_cast<std::size_t>(i)], vergleiche);
        einzeln.FuegeSortiertEin(&werte[static_cast<std::size_t>(i)], vergleiche);
      }
      std::vector<int*> stapel;
      for (int i = 0; i < neue; ++i) {
        int* w = &werte[static_cast<std::size_t>(30 + i)];
        stapel.push_back(w);
        einzeln.FuegeSortiertEin(w, vergleiche);
      }
      std::stable_sort(stapel.begin(), stapel.end(), vor);
      const uint64_t stand = liste.Stand();
      liste.MischeEin(stapel, vor);
      ASSERT_EQ(liste.Elemente(), einzeln.Elemente()) << laenge << " " << neue;
      EXPECT_EQ(liste.Stand() != stand, neue > 0);
    }
}

// What a record is, apart from its number: course, slot, date and kind.
std::vector<std::tuple<int, int, int, int, int32_t, int>> Merkmale(const TSchule& s) {
  std::vector<std::tuple<int, int, int, int, int32_t, int>> m;
  for (const TVertretung* v : s.Vertretungen()) {
    const TSetzung* z = v->Setzung();
    m.emplace_back(v->Kurs() ? v->Kurs()->Erstellnummer() : -1, z ? z->Version() : 0, z ? z->Tag() : 0,
                   z ? z->Stunde() : 0, v->Datum(), static_cast<int>(v->Art()));
  }
  return m;
}

TEST(VertretungsListe, NeueWartenBisZurNaechstenNutzung) {
  // Records are made in bulk while lessons move and some end again before the list is next
  // used: the list is the one that looking at it after every single step gives, and sorted.
  auto ablauf = [](bool jedesMal) {
    TStandard standard;
    TFesteUhr uhr(int64_t{kGeneratorHeute} * 86400);
    auto s = ErzeugeSchule(standard, Profil::Typisch, 17, {nullptr, nullptr, &uhr});
    std::vector<TKurs*> kurse;
    for (TKurs* k : s->Kurse())
      if (!k->Setzungen().Leer()) kurse.push_back(k);
    // Every lesson of a course put back where it was (its records end and come anew); now and
    // then a lesson made a moment ago goes again at once (its records end while waiting).
    int schritt = 0;
    auto legeNeu = [&](TKurs* k) {
      const std::vector<TSetzung*> setzungen = k->Setzungen().Elemente();
      for (TSetzung* z : setzungen) {
        const int v = z->Version(), d = z->Tag(), p = z->Stunde();
        TRaum* r = z->Raum();
        const bool fest = z->Fixiert();
        k->EntferneSetzung(z);
        TSetzung* neu = k->NeueSetzung(v, d, p, r, fest);
        if (++schritt % 13 == 0) {
          k->EntferneSetzung(neu);
          k->NeueSetzung(v, d, p, r, fest);
        }
        if (jedesMal) {
          EXPECT_GE(s->Vertretungen().Anzahl(), 0);
        }
      }
    };
    for (std::size_t i = 0; i < kurse.size(); ++i) {
      legeNeu(kurse[i]);
      if (i % 5 == 4) ErwarteListeGesund(*s);
    }
    auto zwischen = Merkmale(*s);
    // The same list as sorting it afresh gives.
    const std::vector<TVertretung*> liste = s->Vertretungen().Elemente();
    SortiereVertretungen(*s);
    EXPECT_EQ(s->Vertretungen().Elemente(), liste);
    // Many made, then every second course cleared before anyone looks.
    for (TKurs* k : kurse) legeNeu(k);
    for (std::size_t i = 0; i < kurse.size(); i += 2) kurse[i]->EntferneAlleSetzungen();
    ErwarteGesund(*s);
    return std::make_pair(zwischen, Merkmale(*s));
  };
  const auto jedesMal = ablauf(true);
  const auto selten = ablauf(false);
  EXPECT_GT(jedesMal.first.size(), 100u);
  EXPECT_EQ(selten.first, jedesMal.first);
  EXPECT_EQ(selten.second, jedesMal.second);
}

}  // namespace
}  // namespace kolvar
