#include "model/liste.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace kolvar {
namespace {

struct Wert {
  int schluessel;
  int folge;
};

int NachSchluessel(const Wert* a, const Wert* b) {
  return a->schluessel - b->schluessel;
}

// Every sorted list of length 0..7 over keys 0..3 and every inserted key -1..4: the new item lands
// where std::upper_bound says, and the cursor is on it.
TEST(TListe, SortiertesEinfuegenGleichtUpperBound) {
  for (int laenge = 0; laenge <= 7; ++laenge) {
    std::vector<int> zaehler(static_cast<std::size_t>(laenge), 0);
    while (true) {
      std::vector<int> schluessel = zaehler;
      std::sort(schluessel.begin(), schluessel.end());
      for (int neu = -1; neu <= 4; ++neu) {
        std::vector<std::unique_ptr<Wert>> speicher;
        TListe<Wert> liste;
        for (int k : schluessel) {
          speicher.push_back(std::make_unique<Wert>(Wert{k, 0}));
          liste.Haenge(speicher.back().get());
        }
        Wert neuer{neu, 1};
        liste.FuegeSortiertEin(&neuer, NachSchluessel);
        const int erwartet = static_cast<int>(std::upper_bound(schluessel.begin(), schluessel.end(), neu) -
                                              schluessel.begin()) +
                             1;
        ASSERT_EQ(liste.Position(&neuer), erwartet) << "laenge " << laenge << " neu " << neu;
        ASSERT_EQ(liste.Aktuelles(), &neuer);
      }
      // next multiset of keys
      int i = 0;
      while (i < laenge && zaehler[static_cast<std::size_t>(i)] == 3)
        zaehler[static_cast<std::size_t>(i++)] = 0;
      if (i == laenge) break;
      ++zaehler[static_cast<std::size_t>(i)];
    }
  }
}

// Sortiere is stable, as the sorted insertion is; a null item is never inserted.
TEST(TListe, SortierenBehaeltGleicheInIhrerReihenfolge) {
  Wert a{1, 1}, b{1, 2}, c{1, 3}, d{0, 4}, e{1, 5};
  TListe<Wert> liste;
  liste.FuegeSortiertEin(&a, NachSchluessel);
  liste.FuegeSortiertEin(nullptr, NachSchluessel);
  EXPECT_EQ(liste.Anzahl(), 1);
  TListe<Wert> unsortiert;
  for (Wert* w : {&e, &a, &d, &b, &c}) unsortiert.Haenge(w);
  unsortiert.Sortiere(NachSchluessel);
  std::vector<int> folge;
  for (Wert* w : unsortiert) folge.push_back(w->folge);
  EXPECT_EQ(folge, (std::vector<int>{4, 5, 1, 2, 3}));
}

// Taking out a distinct item searched from both ends: whichever its place, in lists of odd and
// even length, it goes and the others keep their order; the stand grows only when something
// went; an absent item leaves the list as it was.
TEST(TListe, EntferneEinzigesFindetJedeStelle) {
  for (int laenge = 0; laenge <= 6; ++laenge) {
    std::vector<Wert> werte(static_cast<std::size_t>(laenge) + 1, Wert{0, 0});
    for (int weg = 0; weg <= laenge; ++weg) {
      TListe<Wert> liste;
      for (int i = 0; i < laenge; ++i) liste.Haenge(&werte[static_cast<std::size_t>(i)]);
      std::vector<Wert*> erwartet = liste.Elemente();
      const uint64_t stand = liste.Stand();
      Wert* item = &werte[static_cast<std::size_t>(weg)];  // weg == laenge: not in the list
      const bool drin = weg < laenge;
      EXPECT_EQ(liste.EntferneEinziges(item), drin);
      if (drin) erwartet.erase(erwartet.begin() + weg);
      EXPECT_EQ(liste.Elemente(), erwartet) << laenge << " " << weg;
      EXPECT_EQ(liste.Stand() > stand, drin);
    }
  }
  TListe<Wert> leer;
  EXPECT_FALSE(leer.EntferneEinziges(nullptr));
}

TEST(TListe, ZugriffAusserhalbIstSicher) {
  Wert a{1, 0}, b{2, 0}, fremd{9, 0};
  TListe<Wert> liste;
  EXPECT_EQ(liste.Aktuelles(), nullptr);
  liste.LoescheAktuelles(false);  // empty: nothing
  liste.Weiter();
  liste.Zurueck();
  EXPECT_TRUE(liste.AmEnde());
  liste.Haenge(&a);
  liste.Haenge(&b);
  EXPECT_EQ(liste.Hole(0), nullptr);
  EXPECT_EQ(liste.Hole(3), nullptr);
  EXPECT_EQ(liste.Position(&fremd), 0);

  // An item taken out behind the cursor's back leaves the cursor past the end.
  EXPECT_EQ(liste.Aktuelles(), &b);
  liste.Entferne(&b);
  EXPECT_EQ(liste.Aktuelles(), nullptr);
  liste.LoescheAktuelles(false);
  EXPECT_EQ(liste.Anzahl(), 1);
  liste.Weiter();
  EXPECT_EQ(liste.Aktuelles(), &a);
}

TEST(TListe, CursorWandertZyklisch) {
  Wert w[4] = {{1, 0}, {2, 0}, {3, 0}, {2, 1}};
  TListe<Wert> liste;
  for (Wert& x : w) liste.Haenge(&x);
  liste.ZumEnde();
  EXPECT_TRUE(liste.AmEnde());
  liste.Weiter();
  EXPECT_EQ(liste.Aktuelles(), &w[0]);
  liste.Zurueck();
  EXPECT_EQ(liste.Aktuelles(), &w[3]);

  auto gleich = [](int k, const Wert* x) { return x->schluessel == k; };
  // The hit at the cursor is found without moving; the search wraps around.
  liste.SetzeCursor(2);
  EXPECT_TRUE(liste.Suche(2, gleich));
  EXPECT_EQ(liste.CursorPosition(), 2);
  liste.SetzeCursor(3);
  EXPECT_TRUE(liste.Suche(1, gleich));
  EXPECT_EQ(liste.CursorPosition(), 1);
  // A miss leaves the cursor alone.
  liste.SetzeCursor(3);
  EXPECT_FALSE(liste.Suche(7, gleich));
  EXPECT_EQ(liste.CursorPosition(), 3);

  // Deleting every match by repeated Suche/LoescheAktuelles.
  while (liste.Suche(2, gleich)) liste.LoescheAktuelles(false);
  EXPECT_EQ(liste.Anzahl(), 2);
  liste.ZumEnde();
  liste.LoescheAktuelles(false);
  EXPECT_EQ(liste.CursorPosition(), 1);
  EXPECT_FALSE(liste.Finde(&w[2]));
  EXPECT_TRUE(liste.Finde(&w[0]));
}

TEST(TListe, VernichteGibtDieElementeFrei) {
  static int freigegeben = 0;
  struct Zaehler {
    ~Zaehler() { ++freigegeben; }
  };
  TListe<Zaehler> liste;
  for (int i = 0; i < 5; ++i) liste.Haenge(new Zaehler);
  liste.ZumAnfang();
  liste.LoescheAktuelles(true);
  EXPECT_EQ(freigegeben, 1);
  liste.Vernichte(true);
  EXPECT_EQ(freigegeben, 5);
  EXPECT_EQ(liste.Anzahl(), 0);
}

}  // namespace
}  // namespace kolvar
