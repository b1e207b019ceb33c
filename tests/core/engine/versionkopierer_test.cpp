// Copying between plan versions: hours and targets, locks, the collision check with its refusal
// and its one question, couplings, and what a copy may never do (lose data, move fixed lessons,
// place over locks).

#include <gtest/gtest.h>

#include "core/engine/planhilfe.h"
#include "engine/versionkopierer.h"
#include "model/fensterart.h"
#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

using TArt = TVersionKopierer::TArt;

// The slots (day, period, room) of the course's hours in a version, sorted.
std::vector<std::tuple<int, int, const TRaum*>> Slots(const TKurs* k, int v) {
  std::vector<std::tuple<int, int, const TRaum*>> m;
  for (const TSetzung* s : k->Setzungen())
    if (s->Version() == v) m.emplace_back(s->Tag(), s->Stunde(), s->Raum());
  std::sort(m.begin(), m.end());
  return m;
}

struct TKopie {
  std::unique_ptr<TKleineSchule> s;
  int verbote = 0, fragen = 0;
  int antwort = Modal::Ja;
  explicit TKopie(int versionen = 2) : s(BaueKleineSchule(versionen)) {
    s->standard.SetNurAktuelleVersion(true);
    // Version 1 only: version 2 starts empty.
    for (TKurs* k : s->schule->Kurse().Elemente()) k->EntferneAlleSetzungen();
    s->deutsch5a->Setze(1, 1, s->r101, 1);
    s->deutsch5a->Setze(1, 2, s->r101, 2);
    s->mathe5b->Setze(1, 1, s->r102, 2);
    s->mathe5a->Setze(1, 1, s->r101, 3);
    s->sportSch->Setze(1, 3, s->th, 5);
    s->sportBer->Setze(1, 3, s->r102, 5);
    s->deutsch6a->Setze(1, 2, nullptr, 1);
  }
  bool Kopiere(TArt art, std::vector<TElement*> elemente, bool auchPlaene, int von = 1, int zu = 2) {
    TVersionKopierer k(*s->schule, von, zu, auchPlaene);
    k.Verbot = [this] { ++verbote; };
    k.Problem = [this] {
      ++fragen;
      return antwort;
    };
    return k.Kopiere(art, elemente);
  }
};

TEST(VersionKopierer, NurDeputateGleichtStundenUndSollAnUndLeertZiel) {
  TKopie f;
  f.s->deutsch5a->SetzeStunden(1, 5);
  f.s->mue->SetzeSoll(1, 7 * f.s->standard.dvs);
  f.s->deutsch5a->Setze(2, 4, nullptr, 4);
  f.s->mathe5b->Setze(2, 5, nullptr, 5)->SetFixiert(true);
  ASSERT_TRUE(f.Kopiere(TArt::Lehrer, {f.s->mue}, false));
  EXPECT_EQ(f.s->deutsch5a->Stunden(2), 5);
  EXPECT_EQ(f.s->mue->Soll(2), f.s->mue->Soll(1));
  EXPECT_TRUE(Slots(f.s->deutsch5a, 2).empty());
  // A fixed hour is never removed by a copy.
  EXPECT_EQ(Slots(f.s->mathe5b, 2).size(), 1u);
  EXPECT_EQ(f.fragen + f.verbote, 0);
  EXPECT_TRUE(PruefeModell(*f.s->schule).empty());
}

TEST(VersionKopierer, LeereAuswahlKopiertNichts) {
  TKopie f;
  const std::string vorher = Planstand(*f.s->schule);
  EXPECT_TRUE(f.Kopiere(TArt::Klassen, {}, true));
  EXPECT_EQ(Planstand(*f.s->schule), vorher);
}

TEST(VersionKopierer, GleicheOderUngueltigeVersionWirdVerweigert) {
  for (const auto& [von, zu] : {std::pair{1, 1}, std::pair{2, 2}, std::pair{0, 2}, std::pair{1, 3}}) {
    TKopie f;
    const std::string vorher = Planstand(*f.s->schule);
    EXPECT_FALSE(f.Kopiere(TArt::AlleKurse, {}, true, von, zu)) << von << "->" << zu;
    EXPECT_EQ(Planstand(*f.s->schule), vorher);
  }
}

TEST(VersionKopierer, AlleKurseInLeereVersionOhneFrage) {
  for (int versionen : {2, kMaxVersionen}) {
    TKopie f(versionen);
    f.s->k5a->Sperrung().SetzeBereich(1, 5, 6, true);
    ASSERT_TRUE(f.Kopiere(TArt::AlleKurse, {}, true, 1, versionen));
    EXPECT_EQ(f.fragen + f.verbote, 0);
    for (const TKurs* k : f.s->schule->Kurse()) EXPECT_EQ(Slots(k, versionen), Slots(k, 1)) << k->Text();
    EXPECT_TRUE(f.s->k5a->Sperrung().Belegt(versionen, 5, 6));
    for (const std::string& fehler : PruefeModell(*f.s->schule)) ADD_FAILURE() << fehler;
  }
}

// A fixed lesson or a lock in the target refuses; nothing after the refusing course is copied.
TEST(VersionKopierer, FixierteStundeOderSperreVerweigert) {
  struct TFall {
    const char* name;
    std::function<void(TKleineSchule&)> vorbereiten;
  };
  const std::vector<TFall> faelle{
      {"fixierte Stunde des Lehrers",
       [](TKleineSchule& s) { s.mathe5b->Setze(2, 1, s.r102, 1)->SetFixiert(true); }},
      {"fixierte Stunde im Raum",
       [](TKleineSchule& s) { s.deutsch6a->Setze(2, 1, s.r101, 1)->SetFixiert(true); }},
      {"Klasse gesperrt", [](TKleineSchule& s) { s.k5a->Sperrung().SetzeBereich(2, 1, 1, true); }},
      {"Kurs gesperrt", [](TKleineSchule& s) { s.deutsch5a->Sperrung().SetzeBereich(2, 1, 1, true); }},
  };
  for (const TFall& fall : faelle) {
    TKopie f;
    fall.vorbereiten(*f.s);
    const auto fixiert = Slots(f.s->mathe5b, 2);
    // Subjects have no plan of their own: the check runs all the same.
    ASSERT_TRUE(f.Kopiere(TArt::Faecher, {f.s->de, f.s->ma}, true));
    EXPECT_EQ(f.verbote, 1) << fall.name;
    EXPECT_TRUE(Slots(f.s->deutsch5a, 2).empty()) << fall.name;
    EXPECT_TRUE(Slots(f.s->mathe5a, 2).empty()) << fall.name;
    EXPECT_EQ(Slots(f.s->mathe5b, 2), fixiert) << fall.name;
    EXPECT_TRUE(PruefeModell(*f.s->schule).empty()) << fall.name;
  }
}

TEST(VersionKopierer, AntwortAufDieEineFrage) {
  struct TFall {
    int antwort;
    bool verdraengt;  // the foreign lessons in version 2 went
    bool kopiert;     // the colliding hours arrived
  };
  for (const TFall fall : {TFall{Modal::Ja, true, true}, TFall{Modal::Nein, false, false},
                           TFall{Modal::Abbrechen, false, false}}) {
    TKopie f;
    f.antwort = fall.antwort;
    f.s->mathe5a->Setze(1, 4, f.s->r101, 4);
    // Two unfixed foreign lessons in the way of two courses: one holds the room, one a class.
    f.s->deutsch6a->Setze(2, 1, f.s->r101, 3);
    f.s->mathe5b->Setze(2, 3, f.s->r102, 5);
    f.Kopiere(TArt::Lehrer, {f.s->sch}, true);
    EXPECT_EQ(f.fragen, 1) << fall.antwort;
    EXPECT_EQ(f.verbote, 0);
    EXPECT_EQ(f.s->deutsch6a->FindeSetzung(2, 1, 3) == nullptr, fall.verdraengt) << fall.antwort;
    EXPECT_EQ(f.s->mathe5b->FindeSetzung(2, 3, 5) == nullptr, fall.verdraengt) << fall.antwort;
    EXPECT_EQ(f.s->mathe5a->FindeSetzung(2, 1, 3) != nullptr, fall.kopiert) << fall.antwort;
    EXPECT_EQ(f.s->sportSch->FindeSetzung(2, 3, 5) != nullptr, fall.kopiert) << fall.antwort;
    // An hour without a collision is copied unless the copy was stopped.
    EXPECT_EQ(f.s->mathe5a->FindeSetzung(2, 4, 4) != nullptr, fall.antwort != Modal::Abbrechen);
    EXPECT_TRUE(PruefeModell(*f.s->schule).empty());
  }
}

// A course's own fixed hour in the target refuses nothing where the copy would put it anyway.
TEST(VersionKopierer, EigeneFixierteStundeAmSelbenPlatzBleibt) {
  TKopie f;
  f.Kopiere(TArt::AlleKurse, {}, true);
  f.s->deutsch5a->FindeSetzung(2, 1, 1)->SetFixiert(true);
  f.s->deutsch5a->Setze(2, 4, nullptr, 4)->SetFixiert(true);
  f.s->deutsch5a->Setze(1, 5, nullptr, 5);
  ASSERT_TRUE(f.Kopiere(TArt::AlleKurse, {}, true));
  EXPECT_EQ(f.verbote, 0);
  EXPECT_TRUE(f.s->deutsch5a->IstFixiert(2, 1, 1));
  EXPECT_TRUE(f.s->deutsch5a->IstFixiert(2, 4, 4));
  EXPECT_NE(f.s->deutsch5a->FindeSetzung(2, 5, 5), nullptr);
  for (const TKurs* k : f.s->schule->Kurse())
    if (k != f.s->deutsch5a) {
      EXPECT_EQ(Slots(k, 2), Slots(k, 1)) << k->Text();
    }
  EXPECT_TRUE(PruefeModell(*f.s->schule).empty());
}

// Fixed hours kept in the target never end up above the course's hours: hours copied below them
// refuse the course ("Kollision") and change nothing of it, and a plan copy stops placing when the
// kept fixed hours and the copied lessons reach the hours.
TEST(VersionKopierer, NieMehrGesetztAlsStunden) {
  for (const bool auchPlaene : {false, true}) {
    TKopie f;
    f.s->deutsch5a->SetzeStunden(1, 1);
    f.s->deutsch5a->EntferneAlleSetzungen();
    f.s->deutsch5a->Setze(1, 1, f.s->r101, 1);
    f.s->deutsch5a->SetzeStunden(2, 3);
    f.s->deutsch5a->Setze(2, 4, nullptr, 4)->SetFixiert(true);
    f.s->deutsch5a->Setze(2, 5, nullptr, 5)->SetFixiert(true);
    f.Kopiere(TArt::Lehrer, {f.s->mue}, auchPlaene);
    EXPECT_EQ(f.verbote, 1) << auchPlaene;
    EXPECT_EQ(f.s->deutsch5a->Stunden(2), 3) << auchPlaene;
    EXPECT_EQ(Slots(f.s->deutsch5a, 2).size(), 2u) << auchPlaene;
    EXPECT_TRUE(PruefeModellMitStunden(*f.s->schule).empty()) << auchPlaene;

    // Two hours over one fixed hour elsewhere: the fixed one and one copied lesson.
    TKopie g;
    g.s->deutsch5a->SetzeStunden(1, 2);
    g.s->deutsch5a->Setze(2, 4, nullptr, 4)->SetFixiert(true);
    ASSERT_TRUE(g.Kopiere(TArt::Lehrer, {g.s->mue}, auchPlaene));
    EXPECT_EQ(g.verbote, 0);
    EXPECT_EQ(g.s->deutsch5a->Stunden(2), 2);
    EXPECT_EQ(Slots(g.s->deutsch5a, 2).size(), auchPlaene ? 2u : 1u);
    EXPECT_TRUE(g.s->deutsch5a->IstFixiert(2, 4, 4));
    EXPECT_TRUE(PruefeModellMitStunden(*g.s->schule).empty()) << auchPlaene;
  }
}

// The model check itself sees a course with more lessons than hours in a version.
TEST(VersionKopierer, ModellpruefungSiehtZuVieleSetzungen) {
  TKopie f;
  f.s->deutsch5a->SetzeStunden(2, 2);
  ASSERT_NE(f.s->deutsch5a->Setze(2, 4, nullptr, 4), nullptr);
  ASSERT_NE(f.s->deutsch5a->Setze(2, 5, nullptr, 5), nullptr);
  EXPECT_TRUE(PruefeModellMitStunden(*f.s->schule).empty());
  f.s->deutsch5a->SetzeStunden(2, 1);
  const std::vector<std::string> befund = PruefeModellMitStunden(*f.s->schule);
  ASSERT_EQ(befund.size(), 1u);
  EXPECT_NE(befund[0].find("Version 2"), std::string::npos);
}

TEST(VersionKopierer, EigeneKopplungIstKeineKollision) {
  TKopie f;
  f.s->sportBer->Setze(2, 3, f.s->r102, 5);
  f.Kopiere(TArt::Lehrer, {f.s->sch}, true);
  EXPECT_EQ(f.fragen + f.verbote, 0);
  EXPECT_NE(f.s->sportSch->FindeSetzung(2, 3, 5), nullptr);
  EXPECT_NE(f.s->sportBer->FindeSetzung(2, 3, 5), nullptr);
}

// Raising or lowering the number of versions refreshes every open window once.
TEST(VersionKopierer, VersionszahlAendernAktualisiertFenster) {
  auto s = BaueKleineSchule(2);
  TFakeFenster plan(*s->schule, FensterArt::LePln, s->mue);
  plan.Anmelden();
  s->schule->ErweiterePlanversionen(4);
  EXPECT_EQ(plan.aktualisiert, 1);
  s->dialoge.Antworte(Modal::Ja);
  ASSERT_TRUE(s->schule->LoeschePlanversionen(3));
  EXPECT_EQ(plan.aktualisiert, 2);
  plan.Schliesse();
}

}  // namespace
}  // namespace kolvar
