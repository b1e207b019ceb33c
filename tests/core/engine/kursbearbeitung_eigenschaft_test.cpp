// Whatever the windows' course edits (course editor, workload views, tables, class editor, plan
// and manual windows) do to a generated school, in any order and with any answer to their
// questions: the model stays sound, the substitution records stay linked, no version is left
// with fewer hours than it has placed, and the school written reads back and writes the same bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "engine/kursbearbeitung.h"
#include "engine/sperrauswahl.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "storage/leser.h"
#include "storage/schreiber.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"
#include "support/vertretungspruefung.h"

namespace kolvar {
namespace {

struct TUmfeld {
  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400 + 10 * 3600};
  TUmgebung Umgebung() { return {&dialoge, &palette, &uhr}; }
};

class Zufall {
 public:
  explicit Zufall(uint32_t seed) : gen_(seed) {}
  int Bis(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(gen_); }
  int Zwischen(int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen_); }
  template <typename T>
  T* Aus(const TListe<T>& liste) {
    return liste.Leer() ? nullptr : liste.Hole(Bis(liste.Anzahl()) + 1);
  }

 private:
  std::mt19937 gen_;
};

bool StundenReichen(const TKurs& k) {
  if (k.NichtVerplanen()) return true;
  for (int v = 1; v <= k.StundenTabelle().Versionen(); ++v)
    if (k.StundenTabelle().Stunden(v) < k.GesetzteStunden(v)) return false;
  return true;
}

template <typename T>
T* OderNichts(Zufall& z, const TListe<T>& liste) {
  return z.Bis(4) == 0 ? nullptr : z.Aus(liste);
}

// A new course has the hours "kst" and its class's home room, else its teacher's.
void PruefeNeuenKurs(const TSchule& s, const TKurs& k, TLehrer* l, TKlasse* kl, TFach* f) {
  EXPECT_EQ(k.Lehrer(), l);
  EXPECT_EQ(k.Fach(), f);
  EXPECT_EQ(k.Kopplung(), nullptr);
  EXPECT_EQ(k.Klassen().Anzahl(), kl != nullptr ? 1 : 0);
  EXPECT_EQ(k.Stunden(s.Standard().AktuelleVersion()), s.Standard().kst);
  TRaum* raum = kl != nullptr && kl->Raum() != nullptr ? kl->Raum() : (l != nullptr ? l->Raum() : nullptr);
  EXPECT_EQ(k.Raeume().Anzahl(), raum != nullptr ? 1 : 0);
  if (raum != nullptr) {
    EXPECT_EQ(k.Raeume().Hole(1), raum);
  }
}

// The edits of the windows that make, delete or take lessons out: a new course, deleting
// courses (some twice in the marked set), a lesson of the current version taken out.
void Verwalte(TSchule& s, TKurs& k, Zufall& z, TFakeDialoge& dialoge) {
  switch (z.Bis(3)) {
    case 0: {
      TLehrer* l = OderNichts(z, s.Lehrer());
      TKlasse* kl = OderNichts(z, s.Klassen());
      TFach* f = OderNichts(z, s.Faecher());
      const int vorher = s.Kurse().Anzahl();
      TKurs* neu = NeuerKursMitVorgaben(s, l, kl, f);
      ASSERT_NE(neu, nullptr);
      EXPECT_EQ(s.Kurse().Anzahl(), vorher + 1);
      PruefeNeuenKurs(s, *neu, l, kl, f);
      break;
    }
    case 1: {
      if (s.Kurse().Anzahl() < 20) break;
      TKurs* anderer = z.Aus(s.Kurse());
      const int vorher = s.Kurse().Anzahl();
      const bool verplant = !k.Setzungen().Leer();
      const int weg = LoescheKurseNachFrage(s, {&k, anderer, &k});
      EXPECT_EQ(s.Kurse().Anzahl(), vorher - weg);
      // An unplaced course always goes; one the user keeps stays in every list.
      if (!verplant) {
        EXPECT_GE(weg, 1);
      }
      break;
    }
    case 2: {
      const int v = s.Standard().AktuelleVersion();
      std::vector<const TSetzung*> hier;
      for (const TSetzung* st : k.Setzungen())
        if (st->Version() == v) hier.push_back(st);
      if (hier.empty()) break;
      const TSetzung* st = hier[static_cast<std::size_t>(z.Bis(static_cast<int>(hier.size())))];
      const int d = st->Tag(), p = st->Stunde();
      // "Dieser Kurs", "Kopplung" or "Abbrechen" for a coupled course.
      const int antwort = std::array{Modal::Ja, Modal::Ok, Modal::Abbrechen}[z.Bis(3)];
      if (k.Kopplung() != nullptr) dialoge.Antworte(antwort);
      const bool weg = LoescheStundeNachFrage(k, d, p);
      EXPECT_EQ(weg, k.Kopplung() == nullptr || antwort != Modal::Abbrechen);
      EXPECT_EQ(weg, !k.Belegung().Belegt(v, d, p));
      break;
    }
  }
}

// One edit of a window on the course; the school's questions get the answer given.
void Bearbeite(TSchule& s, TKurs& k, Zufall& z, TFakeDialoge& dialoge) {
  TSchule::TAktion aktion(s);
  constexpr std::array kElementFelder{TKursFeld::Lehrer, TKursFeld::Klassen, TKursFeld::Kopplung,
                                      TKursFeld::Fach, TKursFeld::Raeume};
  const TKursFeld feld = kElementFelder[static_cast<std::size_t>(z.Bis(5))];
  auto element = [&]() -> TElement* {
    switch (feld) {
      case TKursFeld::Lehrer:
        return z.Aus(s.Lehrer());
      case TKursFeld::Klassen:
        return z.Aus(s.Klassen());
      case TKursFeld::Kopplung:
        return z.Aus(s.Kopplungen());
      case TKursFeld::Fach:
        return z.Aus(s.Faecher());
      case TKursFeld::Raeume:
        return z.Aus(s.Raeume());
      default:
        return nullptr;
    }
  };
  switch (z.Bis(14)) {
    case 0: {
      const bool reichte = StundenReichen(k);
      const TStundenSpin spin = StundenSpin(k);
      const int32_t wert = spin.Wert + spin.Schritt * z.Zwischen(-3, 3);
      if (SetzeSpinStunden(k, wert) && reichte) {
        EXPECT_TRUE(StundenReichen(k)) << k.Text();
      }
      break;
    }
    case 1:
      SetzeBlockLaenge(k, z.Zwischen(0, 17));
      SetzeEinzelne(k, z.Zwischen(-1, 8));
      break;
    case 2:
      SetzeKursTabelle(k, z.Zwischen(0, 5));
      SetzeKursFaktor(k, z.Zwischen(-1, 12) * s.Standard().dvs);
      break;
    case 3:
      EXPECT_EQ(SetzeNichtVerplanenFlag(k, !k.NichtVerplanen()), k.Setzungen().Leer());
      break;
    case 4:
      k.SetzeNichtZaehlenLehrer(z.Bis(2));
      k.SetzeNichtZaehlenKlassen(z.Bis(2));
      k.SetzeInfo(z.Bis(2) ? "Förderkurs über 21 Zeichen lang" : "");
      break;
    case 5:
    case 6:
    case 7:
      UebernimmElement(k, feld, element());
      break;
    case 8: {
      TElement* e = feld == TKursFeld::Klassen ? static_cast<TElement*>(z.Aus(k.Klassen()))
                                               : static_cast<TElement*>(z.Aus(k.Raeume()));
      EntferneAusKurs(k, feld, e);
      break;
    }
    case 9:
      TauscheRaumZeilen(k, z.Zwischen(1, 3), z.Zwischen(1, 3));
      break;
    case 10: {
      TSperrQuelle q = TSperrQuelle::VonKurs(k);
      const int d = z.Zwischen(1, 5), p = z.Zwischen(1, 8);
      SperreAuswahl(s, q, s.Standard().AktuelleVersion(), d, z.Zwischen(1, 5), p, z.Zwischen(1, 8), d, p);
      break;
    }
    case 11: {
      // Ctrl in "Löschen": every class or every room, as the workload and table windows do.
      const bool klassen = z.Bis(2);
      const int vorher = klassen ? k.Klassen().Anzahl() : k.Raeume().Anzahl();
      if (EntferneAlle(k, klassen ? TKursFeld::Klassen : TKursFeld::Raeume) && klassen) {
        EXPECT_TRUE(k.Klassen().Leer());
      }
      EXPECT_LE(klassen ? k.Klassen().Anzahl() : k.Raeume().Anzahl(), vorher);
      break;
    }
    case 12: {
      // A class or room cell dragged onto another row.
      const TKurs* quelle = z.Aus(s.Kurse());
      const TKursFeld f = z.Bis(2) ? TKursFeld::Klassen : TKursFeld::Raeume;
      if (ErgaenzeAus(k, *quelle, f) && f == TKursFeld::Raeume) {
        for (const TRaum* r : quelle->Raeume()) EXPECT_NE(k.Raeume().Position(r), 0);
      }
      break;
    }
    case 13:
      Verwalte(s, k, z, dialoge);
      break;
  }
}

class KursBearbeitungEigenschaft : public ::testing::TestWithParam<uint32_t> {};

TEST_P(KursBearbeitungEigenschaft, JedeFolgeHaeltModellUndDatei) {
  const uint32_t seed = GetParam();
  TUmfeld u;
  auto schule = ErzeugeSchule(u.standard, Profil::Klein, seed, u.Umgebung());
  Zufall z(seed * 7919u);
  for (int schritt = 0; schritt < 400; ++schritt) {
    // Half of the steps act on every version at once.
    u.standard.SetNurAktuelleVersion(z.Bis(2));
    u.standard.SetAktuelleVersion(z.Zwischen(1, u.standard.mwn()));
    u.dialoge.standardAntwort = z.Bis(2) ? Modal::Ja : Modal::Nein;
    TKurs* k = z.Aus(schule->Kurse());
    ASSERT_NE(k, nullptr);
    Bearbeite(*schule, *k, z, u.dialoge);
    if (schritt % 40 == 0 || HasFailure()) {
      const auto fehler = PruefeModell(*schule);
      ASSERT_TRUE(fehler.empty()) << "Schritt " << schritt << ::testing::PrintToString(fehler);
    }
  }
  EXPECT_TRUE(PruefeModell(*schule).empty());
  const auto vertretungen = PruefeVertretungen(*schule);
  EXPECT_TRUE(vertretungen.empty()) << ::testing::PrintToString(vertretungen);
  EXPECT_GT(u.dialoge.Anzahl(TDialog::KursVerplant), 0) << "the sequence reached placed courses";

  const std::vector<uint8_t> datei = TSchreiber().Baue(*schule);
  TUmfeld zurueck;
  auto gelesen = TLeser(zurueck.standard, zurueck.Umgebung()).LiesDaten(datei);
  ASSERT_NE(gelesen, nullptr);
  // Bytes in memory bring no title; the file's own is the school's.
  gelesen->SetzeTitel(schule->Titel());
  const auto fehler = PruefeModell(*gelesen);
  EXPECT_TRUE(fehler.empty()) << ::testing::PrintToString(fehler);
  EXPECT_EQ(gelesen->Kurse().Anzahl(), schule->Kurse().Anzahl());
  for (int i = 1; i <= schule->Kurse().Anzahl(); ++i) {
    const TKurs* a = schule->Kurse().Hole(i);
    const TKurs* b = gelesen->Kurse().Hole(i);
    EXPECT_EQ(a->Text(), b->Text());
    EXPECT_EQ(a->StundenTabelle(), b->StundenTabelle());
    EXPECT_EQ(a->Info(), b->Info());
    EXPECT_EQ(a->Raeume().Anzahl(), b->Raeume().Anzahl());
    if (a->Raeume().Anzahl() > 0) {
      EXPECT_EQ(a->Raeume().Hole(1)->Kuerzel(), b->Raeume().Hole(1)->Kuerzel());
    }
  }
  const std::vector<uint8_t> wieder = TSchreiber().Baue(*gelesen);
  const auto [a, b] = std::mismatch(datei.begin(), datei.end(), wieder.begin(), wieder.end());
  EXPECT_TRUE(a == datei.end() && b == wieder.end())
      << "byte " << (a - datei.begin()) << " of " << datei.size() << " / " << wieder.size();
}

INSTANTIATE_TEST_SUITE_P(Seeds, KursBearbeitungEigenschaft, ::testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace kolvar
