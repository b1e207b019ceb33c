// The courses of every generated profile, written as import text and imported into an empty
// school, come back with the same links, values and placements.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "storage/kursimport.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/importtext.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

// Abbreviations are the elements' identity in the text: a generated school may give two
// teachers one abbreviation, and the import then knows one teacher.
std::string K(const TElement* e) {
  return e ? e->Kuerzel() : "-";
}

// Names come back for every abbreviation the source school uses once.
template <typename T>
void VergleicheNamen(const TListe<T>& quelle, const TListe<T>& ziel) {
  for (const T* e : ziel) {
    const auto gleich =
        std::count_if(quelle.begin(), quelle.end(), [e](const T* q) { return q->Kuerzel() == e->Kuerzel(); });
    ASSERT_GE(gleich, 1) << e->Kuerzel();
    if (gleich == 1) {
      EXPECT_EQ(e->Name(), TSchule::SucheKuerzel(quelle, e->Kuerzel())->Name());
    }
  }
}

// Everything of a course the import format carries, the hours of version 1 included.
std::string Beschreibung(const TKurs& k) {
  std::string s = K(k.Lehrer()) + " " + K(k.Fach()) + " " + K(k.Kopplung()) + " [";
  for (const TKlasse* kl : k.Klassen()) s += K(kl) + ",";
  s += "] " + k.Info() + " " + std::to_string(k.Faktor()) + " " + std::to_string(k.Stunden(1)) + " " +
       std::to_string(k.StundenProTag()) + " " + std::to_string(k.Einzelstunden()) + " " +
       std::to_string(k.Tabelle()) + " " + std::to_string(k.NichtVerplanen()) +
       std::to_string(k.NichtZaehlenLehrer()) + std::to_string(k.NichtZaehlenKlassen()) + " {";
  std::vector<std::tuple<int, int, int, std::string>> setzungen;
  for (const TSetzung* st : k.Setzungen())
    setzungen.emplace_back(st->Version(), st->Tag(), st->Stunde(), K(st->Raum()));
  std::sort(setzungen.begin(), setzungen.end());
  for (const auto& [v, d, p, r] : setzungen)
    s += std::to_string(v) + "." + std::to_string(d) + "." + std::to_string(p) + " " + r + ";";
  return s + "}";
}

class GeneratorImport : public ::testing::TestWithParam<Profil> {};

TEST_P(GeneratorImport, KurseUndSetzungenKommenZurueck) {
  TStandard quelleStandard;
  TFesteUhr uhr;
  auto quelle = ErzeugeSchule(quelleStandard, GetParam(), 7, TUmgebung{nullptr, nullptr, &uhr});
  const std::string text = KursImportText(*quelle);

  TStandard standard;
  standard.SetVersionszahl(quelleStandard.mwn());
  standard.SetNurAktuelleVersion(true);  // the text holds version 1's hours
  standard.SetTageProWoche(quelleStandard.mtn);
  TFakeDialoge dialoge;
  dialoge.standardAntwort = Modal::Ja;
  TFakePalette palette;
  TSchule ziel(standard, TUmgebung{&dialoge, &palette, &uhr});
  ASSERT_EQ(TKursImport(ziel).Importiere(std::vector<uint8_t>(text.begin(), text.end())),
            TImportErgebnis::Importiert);

  // Lessons are created in the order of the text: the source list order.
  std::vector<TKurs*> neu = ziel.Kurse().Elemente();
  std::sort(neu.begin(), neu.end(),
            [](const TKurs* a, const TKurs* b) { return a->Erstellnummer() < b->Erstellnummer(); });
  ASSERT_EQ(neu.size(), static_cast<std::size_t>(quelle->Kurse().Anzahl()));
  for (std::size_t i = 0; i < neu.size(); ++i)
    ASSERT_EQ(Beschreibung(*neu[i]), Beschreibung(*quelle->Kurse().Elemente()[i])) << "Kurs " << i + 1;
  VergleicheNamen(quelle->Lehrer(), ziel.Lehrer());
  VergleicheNamen(quelle->Klassen(), ziel.Klassen());
  VergleicheNamen(quelle->Kopplungen(), ziel.Kopplungen());
  VergleicheNamen(quelle->Faecher(), ziel.Faecher());
  VergleicheNamen(quelle->Raeume(), ziel.Raeume());
  EXPECT_EQ(PruefeModell(ziel), std::vector<std::string>{});
  EXPECT_EQ(ziel.Titel(), kOhneTitel);
}

INSTANTIATE_TEST_SUITE_P(Profile, GeneratorImport,
                         ::testing::Values(Profil::Klein, Profil::Typisch, Profil::Gross, Profil::Stress),
                         [](const auto& info) { return std::string(ProfilName(info.param)); });

}  // namespace
}  // namespace kolvar
