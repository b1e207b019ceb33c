// The automatic run: collecting, the percent cut, the order, the loop and its counters, and what a
// run may never do to a school (occupancy off the placements, fixed hours moved, locks ignored).

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "core/engine/planhilfe.h"
#include "engine/automat.h"
#include "model/setzung.h"
#include "support/generator.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

using TSlot = std::tuple<uint64_t, int, int, int>;  // course, version, day, period

std::set<TSlot> Setzungen(const TSchule& s, bool nurFixierte) {
  std::set<TSlot> m;
  for (const TKurs* k : s.Kurse())
    for (const TSetzung* st : k->Setzungen())
      if (!nurFixierte || st->Fixiert())
        m.emplace(k->Erstellnummer(), st->Version(), st->Tag(), st->Stunde());
  return m;
}

// Runs to the end and checks what every run must keep: the grids are the union of the
// placements, fixed hours stay, no new hour sits in a locked slot, the counters add up.
void LaufeUndPruefe(TSchule& s, const std::vector<TKurs*>& auswahl) {
  const std::set<TSlot> fixiert = Setzungen(s, true);
  const std::set<TSlot> vorher = Setzungen(s, false);
  TAutomat a(s);
  a.AutomatVorbereiten(auswahl);
  int schritte = 0;
  while (a.Schritt()) ++schritte;
  for (const std::string& f : PruefeModell(s)) ADD_FAILURE() << f;
  const std::set<TSlot> nachher = Setzungen(s, false);
  EXPECT_TRUE(std::includes(nachher.begin(), nachher.end(), fixiert.begin(), fixiert.end()));
  for (const TKurs* k : s.Kurse())
    for (const TSetzung* st : k->Setzungen())
      if (!vorher.contains({k->Erstellnummer(), st->Version(), st->Tag(), st->Stunde()})) {
        EXPECT_FALSE(k->IstGesperrt(st->Version(), st->Tag(), st->Stunde(), st->Raum())) << k->Text();
      }
  int offen = 0;
  for (const TKurs* k : a.NichtVerplanbar()) offen += std::max(0, k->OffeneStunden(-1));
  EXPECT_EQ(a.NichtVerplanbareStunden(), offen);
  EXPECT_EQ(a.NochZuSetzen(), 0);
  EXPECT_EQ(a.Fortschritt(), a.Gesamt());
  EXPECT_TRUE(a.Laufliste().empty());
  EXPECT_LE(static_cast<int>(a.NichtVerplanbar().size()), schritte + 1);
}

std::vector<TKurs*> Alle(const TSchule& s) {
  return s.Kurse().Elemente();
}

// Four uncoupled courses of four open hours each, in the order given.
struct TVierKurse {
  std::unique_ptr<TKleineSchule> s = BaueKleineSchule(1);
  std::vector<TKurs*> kurse;
  TVierKurse() {
    for (TKurs* k : {s->deutsch5a, s->mathe5b, s->mathe5a, s->deutsch6a}) {
      k->SetzeStunden(1, 4);
      kurse.push_back(k);
    }
  }
};

TEST(Automat, ProzentSchnitt) {
  struct TFall {
    int apr;
    std::size_t bleiben;
    int gesamt;
  };
  for (const TFall f :
       {TFall{100, 4, 16}, TFall{50, 3, 12}, TFall{5, 2, 8}, TFall{30, 3, 12}, TFall{80, 4, 16}}) {
    TVierKurse v;
    v.s->standard.apr = f.apr;
    TAutomat a(*v.s->schule);
    a.AutomatVorbereiten(v.kurse);
    EXPECT_EQ(a.Laufliste().size(), f.bleiben) << f.apr;
    EXPECT_EQ(a.Gesamt(), f.gesamt) << f.apr;
    EXPECT_EQ(a.NochZuSetzen(), f.gesamt) << f.apr;
  }
}

// A selection without open hours (empty, all placed, only "nicht verplanen") runs no step.
TEST(Automat, OhneOffeneStundenKeinSchritt) {
  for (int fall = 0; fall < 3; ++fall) {
    TVierKurse v;
    v.s->standard.apr = 50;
    std::vector<TKurs*> auswahl = v.kurse;
    if (fall == 0) auswahl.clear();
    if (fall == 1)
      for (TKurs* k : v.kurse) {
        k->SetzeStunden(1, 1);
        k->NeueSetzung(1, 2, 1 + static_cast<int>(k->Erstellnummer()), nullptr, true);
      }
    if (fall == 2)
      for (TKurs* k : v.kurse) k->SetzeNichtVerplanen(true);
    const std::string vorher = Planstand(*v.s->schule);
    TAutomat a(*v.s->schule);
    a.AutomatVorbereiten(auswahl);
    EXPECT_EQ(a.Gesamt(), 0) << fall;
    EXPECT_FALSE(a.Schritt()) << fall;
    EXPECT_EQ(a.NochZuSetzen(), 0);
    EXPECT_EQ(a.NichtVerplanbareStunden(), 0);
    EXPECT_EQ(Planstand(*v.s->schule), vorher) << fall;
  }
}

// A coupled course brings its partners (not a "nicht verplanen" one), which is then never the
// course that leads the placing, and its hours are never counted.
TEST(Automat, KopplungsPartnerOhneNichtVerplanen) {
  auto s = BaueKleineSchule(1);
  TKurs* dritter = s->schule->ErzeugeKurs(s->mue, s->k5a, s->spo, s->sp, nullptr, 6);
  dritter->SetzeNichtVerplanen(true);
  TAutomat a(*s->schule);
  a.AutomatVorbereiten({s->sportSch});
  ASSERT_EQ(a.Laufliste().size(), 2u);
  EXPECT_EQ(a.Gesamt(), 4);
  EXPECT_TRUE(a.Schritt());
  EXPECT_FALSE(a.Schritt());
  EXPECT_TRUE(dritter->Setzungen().Leer());
  EXPECT_EQ(s->sportSch->Setzungen().Anzahl(), 2);
  EXPECT_EQ(s->sportBer->Setzungen().Anzahl(), 2);
  for (const TSetzung* st : s->sportSch->Setzungen())
    EXPECT_NE(s->sportBer->FindeSetzung(1, st->Tag(), st->Stunde()), nullptr);
  EXPECT_EQ(a.NochZuSetzen() + a.NichtVerplanbareStunden(), 0);
}

// The coupling rates above plain courses; equal priorities keep the collection order.
TEST(Automat, ReihenfolgeNachPrioritaet) {
  auto s = BaueKleineSchule(1);
  TAutomat a(*s->schule);
  a.AutomatVorbereiten({s->deutsch6a, s->mathe5b, s->sportBer});
  const std::vector<TKurs*>& l = a.Laufliste();
  ASSERT_EQ(l.size(), 4u);
  EXPECT_NE(l[0]->Kopplung(), nullptr);
  EXPECT_NE(l[1]->Kopplung(), nullptr);
  for (std::size_t i = 1; i < l.size(); ++i) EXPECT_GE(l[i - 1]->Prioritaet(), l[i]->Prioritaet());
  // Same hours, same grid: the same priority, so the order of the selection stays.
  auto t = BaueKleineSchule(1);
  t->mathe5b->SetzeStunden(1, 3);
  t->deutsch6a->SetzeStunden(1, 3);
  TAutomat b(*t->schule);
  b.AutomatVorbereiten({t->deutsch6a, t->mathe5b});
  ASSERT_EQ(b.Laufliste().size(), 2u);
  EXPECT_EQ(b.Laufliste()[0]->Prioritaet(), b.Laufliste()[1]->Prioritaet());
  EXPECT_EQ(b.Laufliste()[0], t->deutsch6a);
}

TEST(Automat, AstEinsBewertetVorJedemKurs) {
  for (int ast : {1, 5000}) {
    auto s = BaueKleineSchule(1);
    s->standard.ast = ast;
    TAutomat a(*s->schule);
    a.AutomatVorbereiten(Alle(*s->schule));
    int schritte = 0;
    while (a.Schritt()) ++schritte;
    EXPECT_EQ(a.Bewertungen(), ast == 1 ? schritte : 1) << ast;
  }
}

// Stopped after the first course: that one is placed or listed, the rest waits untouched.
TEST(Automat, AnhaltenNachErstemKurs) {
  auto s = BaueKleineSchule(1);
  TAutomat a(*s->schule);
  a.AutomatVorbereiten(Alle(*s->schule));
  const std::vector<TKurs*> liste = a.Laufliste();
  ASSERT_TRUE(a.Schritt());
  a.Anhalten();
  EXPECT_FALSE(a.Schritt());
  const std::vector<TKurs*>& rest = a.Laufliste();
  for (const TKurs* k : rest) EXPECT_TRUE(k->Setzungen().Leer()) << k->Text();
  EXPECT_EQ(a.NochZuSetzen(), [&] {
    int n = 0;
    for (const TKurs* k : rest) n += k->OffeneStunden(-1);
    return n;
  }());
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

// Whole schools from an empty plan (fixed hours kept): one version, all of 54 versions, with and
// without the single-hour pattern and rooms, the generated school with its locks.
TEST(Automat, LaufHaeltDieSchuleGesund) {
  struct TFall {
    int versionen;
    bool ara, aei;
  };
  for (const TFall f : {TFall{1, true, true}, TFall{1, false, false}, TFall{54, false, true}}) {
    auto s = BaueKleineSchule(f.versionen);
    s->standard.ara = f.ara;
    s->standard.aei = f.aei;
    s->standard.SetNurAktuelleVersion(f.versionen == 1);
    SetzeEinigeStunden(*s);
    s->deutsch5a->Setzungen().Hole(1)->SetFixiert(true);
    for (TKurs* k : Alle(*s->schule))
      for (TSetzung* st : std::vector<TSetzung*>(k->Setzungen().Elemente()))
        if (!st->Fixiert()) k->EntferneSetzung(st);
    s->mue->Sperrung().SetzeBereich(0, 1, 0, true);
    LaufeUndPruefe(*s->schule, Alle(*s->schule));
  }
  for (bool aei : {true, false}) {
    TStandard standard;
    auto schule = ErzeugeSchule(standard, Profil::Klein, 3);
    standard.aei = aei;
    LaufeUndPruefe(*schule, Alle(*schule));
  }
}

TEST(Automat, GleicheSchuleGleichesErgebnis) {
  std::string erster;
  for (int lauf = 0; lauf < 2; ++lauf) {
    TStandard standard;
    auto schule = ErzeugeSchule(standard, Profil::Klein, 5);
    for (TKurs* k : schule->Kurse())
      for (TSetzung* st : std::vector<TSetzung*>(k->Setzungen().Elemente()))
        if (!st->Fixiert()) k->EntferneSetzung(st);
    TAutomat a(*schule);
    a.AutomatVorbereiten(schule->Kurse().Elemente());
    while (a.Schritt()) {
    }
    if (lauf == 0)
      erster = Planstand(*schule);
    else
      EXPECT_EQ(Planstand(*schule), erster);
  }
}

// Re-rating after placed hours touches only the courses near them: at every rating the order and
// the priorities are those a rating of the whole list gives, on generated schools of one and of
// several versions, with couplings, rooms and the pattern check.
TEST(Automat, TeilBewertungGleichGanzerBewertung) {
  for (const auto& [profil, seed, ara] :
       {std::tuple{Profil::Klein, 3u, false}, std::tuple{Profil::Klein, 8u, true},
        std::tuple{Profil::Typisch, 4u, false}}) {
    TStandard standard;
    auto schule = ErzeugeSchule(standard, profil, seed);
    standard.ast = 1;
    standard.ara = ara;
    standard.aei = seed % 2 == 0;
    for (TKurs* k : schule->Kurse())
      for (TSetzung* st : std::vector<TSetzung*>(k->Setzungen().Elemente()))
        if (!st->Fixiert()) k->EntferneSetzung(st);
    TAutomat a(*schule);
    bool innen = false;
    int verglichen = 0;
    a.Bewertung = [&](bool vorher) {
      if (vorher || innen) return;
      innen = true;
      const std::vector<TKurs*> teil = a.Laufliste();
      std::vector<int32_t> teilPrio;
      for (const TKurs* k : teil) teilPrio.push_back(k->Prioritaet());
      a.SetzReihenfolgeBerechnen();
      ASSERT_EQ(a.Laufliste(), teil) << ProfilName(profil) << " Bewertung " << a.Bewertungen();
      for (std::size_t i = 0; i < teil.size(); ++i)
        ASSERT_EQ(teil[i]->Prioritaet(), teilPrio[i]) << teil[i]->Text();
      ++verglichen;
      innen = false;
    };
    a.AutomatVorbereiten(schule->Kurse().Elemente());
    while (a.Schritt()) {
    }
    EXPECT_GT(verglichen, 10) << ProfilName(profil);
    for (const std::string& f : PruefeModell(*schule)) ADD_FAILURE() << f;
  }
}

// Periods after the last one given stay free.
TEST(Automat, LetzteStundeBegrenzt) {
  auto s = BaueKleineSchule(1);
  TAutomat a(*s->schule);
  a.SetzeLetzteStunde(2);
  a.AutomatVorbereiten(Alle(*s->schule));
  while (a.Schritt()) {
  }
  for (const TKurs* k : s->schule->Kurse())
    for (const TSetzung* st : k->Setzungen()) EXPECT_LE(st->Stunde(), 2) << k->Text();
}

}  // namespace
}  // namespace kolvar
