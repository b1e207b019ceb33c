// Random sequences of creating, renaming, moving, sorting and deleting elements of every kind on
// a generated school: the model stays sound after every step, the consistency check finds
// nothing to repair, and the saved file reads back to the same school.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "engine/kuerzelliste.h"
#include "engine/pruefung.h"
#include "model/element.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "storage/leser.h"
#include "storage/schreiber.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

// The fingerprint with every course named by its place in the list: a loaded school numbers
// its courses anew.
std::string Abbild(const TSchule& s) {
  std::map<std::string, std::string> platz;
  int i = 0;
  for (const TKurs* k : s.Kurse()) platz[std::to_string(k->Erstellnummer())] = "#" + std::to_string(++i);
  std::istringstream ein(Fingerabdruck(s));
  std::string zeile, aus;
  std::getline(ein, zeile);  // the title: a school read from memory has none
  while (std::getline(ein, zeile)) {
    if (zeile.rfind("C ", 0) == 0) {
      const std::size_t ende = zeile.find(' ', 2);
      zeile = "C " + platz[zeile.substr(2, ende - 2)] + zeile.substr(ende);
    }
    const std::size_t auf = zeile.rfind(" {");
    if (auf != std::string::npos && zeile.back() == '}') {
      std::string liste = " {", nummer;
      for (std::size_t j = auf + 2; j + 1 < zeile.size(); ++j) {
        if (zeile[j] == ',') {
          liste += platz[nummer] + ",";
          nummer.clear();
        } else {
          nummer += zeile[j];
        }
      }
      zeile = zeile.substr(0, auf) + liste + "}";
    }
    aus += zeile + "\n";
  }
  return aus;
}

// Mostly short ASCII, sometimes German letters, blanks, too long or unstorable text.
std::string ZufallsKuerzel(std::mt19937& z) {
  static const char* const zeichen[] = {"A", "B", "M", "a", "5", " ", "Ä", "ß", "ü", "¥", "€", "-"};
  const int laenge = static_cast<int>(z() % 9);
  std::string text;
  for (int i = 0; i < laenge; ++i) text += zeichen[z() % (z() % 4 == 0 ? 12u : 4u)];
  return text;
}

int Binaer(const std::string& a, const std::string& b) {
  return a.compare(b);
}

TEST(KuerzelEigenschaft, ZufaelligeFolgenHaltenSchuleUndDateiGesund) {
  int angelegt = 0, umbenannt = 0, geloescht = 0, bewegt = 0;
  for (uint32_t saat = 1; saat <= 12; ++saat) {
    TStandard standard;
    TFakeDialoge dialoge;
    TFesteUhr uhr(int64_t{kGeneratorHeute} * 86400);
    const TUmgebung umgebung{&dialoge, nullptr, &uhr};
    auto schule = ErzeugeSchule(standard, Profil::Klein, saat, umgebung);
    ASSERT_EQ(TPruefung(*schule).PruefeKonsistenz().Reparaturen, 0);
    std::mt19937 z(saat);
    for (int schritt = 0; schritt < 120; ++schritt) {
      TKuerzelListe liste(*schule, static_cast<TElementArt>(z() % 6));
      const std::vector<TElement*> elemente = liste.Elemente();
      const int n = static_cast<int>(elemente.size());
      TElement* e = n > 0 ? elemente[z() % static_cast<unsigned>(n)] : nullptr;
      switch (z() % 8) {
        case 0:
        case 1:
          angelegt += liste.Neu(ZufallsKuerzel(z)) != nullptr;
          break;
        case 2:
        case 3:
          umbenannt += liste.Umbenenne(e, ZufallsKuerzel(z)) == TKuerzelListe::TUmbenennung::Umbenannt;
          break;
        case 4:
        case 5:
          if (n > 0)
            bewegt += liste.Verschiebe(static_cast<int>(z() % static_cast<unsigned>(n)),
                                       static_cast<int>(z() % static_cast<unsigned>(n)));
          break;
        case 6:
          if (z() % 3 == 0) bewegt += liste.KuerzelSortieren(Binaer);
          break;
        case 7:
          if (e && z() % 2) {
            liste.Loesche(e);
            ++geloescht;
            ASSERT_FALSE(HaeltZeiger(*schule, e)) << WoGehalten(*schule, e);
          }
          break;
      }
      const std::vector<std::string> fehler = PruefeModell(*schule);
      ASSERT_TRUE(fehler.empty()) << "seed " << saat << " step " << schritt << ": " << fehler.front();
    }
    // Nothing for the consistency check to repair.
    EXPECT_EQ(TPruefung(*schule).PruefeKonsistenz().Reparaturen, 0) << saat;

    const std::vector<uint8_t> datei = TSchreiber().Baue(*schule);
    TStandard standard2;
    TLeser leser(standard2, umgebung);
    const auto gelesen = leser.LiesDaten(datei);
    const std::string vorher = Abbild(*schule), nachher = Abbild(*gelesen);
    EXPECT_EQ(vorher, nachher) << "seed " << saat;
    EXPECT_TRUE(PruefeModell(*gelesen).empty()) << "seed " << saat;
    // What was read writes the same bytes again, substitution records included.
    EXPECT_TRUE(TSchreiber().Baue(*gelesen) == datei) << "seed " << saat;
  }
  // The sequences were not vacuous.
  EXPECT_GT(angelegt, 50);
  EXPECT_GT(umbenannt, 50);
  EXPECT_GT(geloescht, 50);
  EXPECT_GT(bewegt, 50);
}

}  // namespace
}  // namespace kolvar
