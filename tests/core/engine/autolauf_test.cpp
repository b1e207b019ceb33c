// Automatic placement of one course: blocks, single hours, the pattern check and its exact
// take-back, coupling hours with their joint room search, the run's counters.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "core/engine/planhilfe.h"
#include "engine/autolauf.h"
#include "model/setzung.h"
#include "support/generator.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

// Table 2 in day-major order (Monday 1..16, Tuesday 1..16, ...); with alleVerbunden every
// period is linked with the next, else only the cells given.
TAutomatikTabelle TagesTabelle(bool alleVerbunden, std::vector<std::pair<int, int>> links = {}) {
  TAutomatikTabelle t{};
  for (int d = 1; d <= 7; ++d)
    for (int p = 1; p <= 16; ++p) {
      int rang = (d - 1) * 16 + p;
      bool link = alleVerbunden && p < 16;
      for (auto [ld, lp] : links) link = link || (ld == d && lp == p);
      t[static_cast<std::size_t>((p - 1) * 7 + d - 1)] = link ? -rang : rang;
    }
  return t;
}

struct TFall {
  std::unique_ptr<TKleineSchule> s;
  TKurs* kurs;
};

// An empty five-day school; the course is BER's German 6a (no room, no partners).
TFall Fall(int stunden, int proTag, int einzeln, bool aei, const TAutomatikTabelle& tabelle) {
  TFall f{BaueKleineSchule(1), nullptr};
  TStandard& st = f.s->standard;
  st.mtn = 5;
  st.aei = aei;
  st.ara = true;
  TAutomatikTabellen tabellen = TStandard::StandardTabellen();
  tabellen[1] = tabelle;
  EXPECT_TRUE(st.SetAutomatikTabellen(tabellen));
  f.kurs = f.s->deutsch6a;
  f.kurs->SetzeStunden(1, stunden);
  f.kurs->SetzeStundenProTag(proTag);
  f.kurs->SetzeEinzelstunden(einzeln);
  f.kurs->SetzeTabelle(2);
  return f;
}

std::vector<int> TagesZahlen(const TKurs& k) {
  std::vector<int> n(8, 0);
  for (const TSetzung* s : k.Setzungen()) ++n[static_cast<std::size_t>(s->Tag())];
  return n;
}

int Setze(TFall& f) {
  TAutoLauf lauf(f.s->standard);
  f.kurs->BerechneSperrbereich(true);
  const int offen = f.kurs->OffeneStunden(1);
  lauf.NochZuSetzen = offen;
  const int rest = AutoKursSetzen(lauf, *f.kurs, 1, offen);
  EXPECT_EQ(lauf.NochZuSetzen, f.kurs->OffeneStunden(1));
  EXPECT_EQ(lauf.Verweigert, 0);
  return rest;
}

// Patterns of one course in an empty week: what stays open, how many hours each day gets, the
// slots it must hold; a course that cannot fit its pattern leaves the plan as it was.
TEST(AutoKursSetzen, MusterDerStunden) {
  struct TMuster {
    int stunden, proTag, einzeln;
    bool aei;
    std::vector<std::pair<int, int>> links;  // none: every period linked with the next
    int rest;
    std::vector<int> tage;  // hours on days 0..7; empty: not checked
    std::vector<std::pair<int, int>> stellen;
  };
  const TMuster muster[] = {
      {4, 2, 0, false, {}, 0, {0, 2, 0, 2, 0, 0, 0, 0}, {{1, 1}, {1, 2}}},  // blocks on days apart
      {3, 1, 3, false, {}, 0, {0, 1, 1, 1, 0, 0, 0, 0}, {}},                // single hours, three days
      {3, 2, 3, false, {}, 3, {}, {}},                        // no day can hold exactly 2: taken back
      {3, 2, 3, true, {}, 0, {}, {}},                         // with "aei" the hours may stay
      {14, 2, 0, true, {}, 4, {0, 2, 2, 2, 2, 2, 0, 0}, {}},  // at most one block a day
      {2, 2, 0, false, {{2, 3}}, 0, {}, {{2, 3}, {2, 4}}},    // blocks only over linked periods
  };
  for (std::size_t i = 0; i < std::size(muster); ++i) {
    SCOPED_TRACE(i);
    const TMuster& m = muster[i];
    TFall f = Fall(m.stunden, m.proTag, m.einzeln, m.aei, TagesTabelle(m.links.empty(), m.links));
    const std::string vorher = Planstand(*f.s->schule);
    EXPECT_EQ(Setze(f), m.rest);
    if (!m.tage.empty()) {
      EXPECT_EQ(TagesZahlen(*f.kurs), m.tage);
    }
    for (auto [d, p] : m.stellen) EXPECT_NE(f.kurs->FindeSetzung(1, d, p), nullptr) << d << "/" << p;
    if (m.rest == m.stunden) {
      EXPECT_EQ(Planstand(*f.s->schule), vorher);
    }
    for (const std::string& fehler : PruefeModell(*f.s->schule)) ADD_FAILURE() << fehler;
  }
}

TEST(AutoKursSetzen, RuecknahmeStelltHandgesetzteStundenWiederHer) {
  // Two hours placed by hand on Monday; the single-hour step takes one of them away to make a
  // single-hour day, then the pattern does not fit. Everything must come back, room included.
  TFall f = Fall(4, 2, 1, false, TagesTabelle(true));
  f.kurs->FuegeRaumHinzu(f.s->th, false);
  f.kurs->Setze(1, 1, f.s->th, 1);
  f.kurs->Setze(1, 1, f.s->th, 2);
  const std::string vorher = Planstand(*f.s->schule);
  EXPECT_EQ(Setze(f), 2);
  EXPECT_EQ(Planstand(*f.s->schule), vorher);
  EXPECT_EQ(f.kurs->FindeSetzung(1, 1, 1)->Raum(), f.s->th);
  EXPECT_TRUE(PruefeModell(*f.s->schule).empty());
}

TEST(AutoKursSetzen, GesperrterPlatzBleibtOffen) {
  TFall f = Fall(2, 1, 0, true, TagesTabelle(true));
  for (int d = 1; d <= 7; ++d) f.kurs->Sperrung().SetzeBereich(1, d, 0, true);
  EXPECT_EQ(Setze(f), 2);
  EXPECT_TRUE(f.kurs->Setzungen().Leer());
  // Placing into a slot the result grid marks is refused: nothing is double-booked.
  TAutoLauf lauf(f.s->standard);
  EXPECT_FALSE(AutoStundeSetzen(lauf, *f.kurs, 1, 1, 1));
  EXPECT_EQ(lauf.Verweigert, 1);
  EXPECT_TRUE(f.kurs->Setzungen().Leer());
}

TEST(AutoKursSetzen, KopplungsstundenMitGemeinsamerRaumsuche) {
  TFall f = Fall(1, 1, 0, true, TagesTabelle(true));
  TKleineSchule& s = *f.s;
  s.standard.ara = false;
  // Rooms [R101, R102], [R101], [TH]: the joint search must leave R101 to the second course.
  TKopplung* ko = s.schule->NeueKopplung("K3");
  TKurs* a = s.schule->ErzeugeKurs(s.mue, s.k6a, ko, s.de, s.r101, 2);
  a->FuegeRaumHinzu(s.r102, false);
  TKurs* b = s.schule->ErzeugeKurs(s.sch, s.k6a, ko, s.ma, s.r101, 2);
  TKurs* c = s.schule->ErzeugeKurs(s.ber, s.k6a, ko, s.sp, s.th, 2);
  for (TKurs* k : {a, b, c}) {
    k->SetzeStundenProTag(1);
    k->SetzeEinzelstunden(0);
    k->SetzeTabelle(2);
  }
  TAutoLauf lauf(s.standard);
  lauf.Ast = 4;
  lauf.NochZuSetzen = 6;
  a->BerechneSperrbereich(true);
  // BER's German 6a is busy on Monday 1st, so the coupling starts later.
  s.deutsch6a->Setze(1, 1, nullptr, 1);
  a->BerechneSperrbereich(true);
  a->SetzePrioritaet(0);
  EXPECT_EQ(AutoKursSetzen(lauf, *a, 1, 2), 0);
  EXPECT_EQ(lauf.NochZuSetzen, 0);
  EXPECT_TRUE(lauf.NeuBewerten);
  for (TKurs* k : {a, b, c}) EXPECT_EQ(k->Setzungen().Anzahl(), 2);
  const TSetzung* sa = a->Setzungen().Hole(1);
  EXPECT_EQ(sa->Raum(), s.r102);
  EXPECT_EQ(b->FindeSetzung(1, sa->Tag(), sa->Stunde())->Raum(), s.r101);
  EXPECT_EQ(c->FindeSetzung(1, sa->Tag(), sa->Stunde())->Raum(), s.th);
  EXPECT_FALSE(a->FindeSetzung(1, 1, 1));
  EXPECT_TRUE(PruefeModell(*s.schule).empty());
}

TEST(AutoKursSetzen, NeuBewertenBeimVielfachenVonAst) {
  TFall f = Fall(3, 1, 0, true, TagesTabelle(true));
  TAutoLauf lauf(f.s->standard);
  lauf.Ast = 5;
  lauf.NochZuSetzen = 7;
  int gemeldet = 0;
  lauf.Gesetzt = [&] {
    ++gemeldet;
    EXPECT_EQ(lauf.NeuBewerten, lauf.NochZuSetzen <= 5);
  };
  f.kurs->BerechneSperrbereich(true);
  AutoKursSetzen(lauf, *f.kurs, 1, 3);
  EXPECT_EQ(gemeldet, 3);
  EXPECT_EQ(lauf.Fortschritt, 3);
  EXPECT_EQ(lauf.NochZuSetzen, 4);
}

TEST(AutoKursSetzen, GleicheEingabeGleichesErgebnis) {
  std::string erster;
  for (int i = 0; i < 2; ++i) {
    TFall f = Fall(5, 2, 1, false, TagesTabelle(true));
    SetzeEinigeStunden(*f.s);
    for (TKurs* k : f.s->schule->Kurse()) {
      k->SetzeTabelle(2);
      k->BerechneSperrbereich(true);
      TAutoLauf lauf(f.s->standard);
      AutoKursSetzen(lauf, *k, 1, k->OffeneStunden(1));
    }
    EXPECT_TRUE(PruefeModell(*f.s->schule).empty());
    if (i == 0)
      erster = Planstand(*f.s->schule);
    else
      EXPECT_EQ(Planstand(*f.s->schule), erster);
  }
}

TEST(AutoKursSetzen, GanzeSchuleVerliertKeineStunde) {
  for (bool aei : {false, true}) {
    TStandard standard;
    TFakeDialoge dialoge;
    TFakePalette palette;
    TFesteUhr uhr(int64_t{kGeneratorHeute} * 86400);
    auto schule = ErzeugeSchule(standard, Profil::Klein, 3, {&dialoge, &palette, &uhr});
    standard.aei = aei;
    standard.ara = false;
    // Half the plan cleared: the run places into a plan that is partly made by hand.
    int i = 0;
    for (TKurs* k : schule->Kurse())
      if (i++ % 2 == 0) k->EntferneAlleSetzungen();
    std::map<const TKurs*, int> vorher;
    for (const TKurs* k : schule->Kurse()) vorher[k] = k->Setzungen().Anzahl();
    TAutoLauf lauf(standard);
    for (int v = 1; v <= standard.mwn(); ++v) {
      standard.SetAktuelleVersion(v);
      for (TKurs* k : schule->Kurse()) {
        const int n = k->OffeneStunden(v);
        if (n < 1) continue;
        k->SetzePrioritaet(0);
        k->BerechneSperrbereich(true);
        AutoKursSetzen(lauf, *k, v, n);
      }
    }
    for (const std::string& fehler : PruefeModell(*schule)) ADD_FAILURE() << fehler;
    int neu = 0;
    for (const TKurs* k : schule->Kurse()) {
      EXPECT_GE(k->Setzungen().Anzahl(), vorher[k]) << k->Text();
      neu += k->Setzungen().Anzahl() - vorher[k];
    }
    EXPECT_GT(neu, aei ? 50 : 0) << "aei " << aei;
    EXPECT_EQ(lauf.Fortschritt >= neu, true);
  }
}

}  // namespace
}  // namespace kolvar
