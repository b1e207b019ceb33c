// Placing, moving and removing hours: every occupancy grid stays the union of the placements
// through any sequence of operations, and undo gives back the exact earlier plan.

#include <gtest/gtest.h>

#include <random>

#include "core/engine/planhilfe.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

// The small school with two versions, more hours and a third coupled course that shares the
// sport teacher's room pool; plenty of double bookings arise from unchecked placing.
std::unique_ptr<TKleineSchule> Schule() {
  auto s = BaueKleineSchule(2);
  TSchule& sch = *s->schule;
  TKurs* dritter = sch.ErzeugeKurs(s->mue, s->k6a, s->spo, s->sp, s->th, 2);
  dritter->FuegeRaumHinzu(s->r102, false);
  for (TKurs* k : sch.Kurse()) {
    k->SetzeStunden(1, 9);
    k->SetzeStunden(2, 7);
  }
  s->sportSch->FuegeRaumHinzu(s->r101, false);
  return s;
}

struct TZufall {
  std::mt19937 gen;
  int Bis(int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); }
  bool Ja() { return gen() & 1u; }
};

// One random step; with nurUndo only steps that undo records.
void Schritt(TKleineSchule& s, TZufall& z, bool nurUndo) {
  TSchule& sch = *s.schule;
  TKurs* k = sch.Kurse().Hole(1 + z.Bis(sch.Kurse().Anzahl()));
  const int d = 1 + z.Bis(4), p = 1 + z.Bis(5);
  const int d2 = 1 + z.Bis(4), p2 = 1 + z.Bis(5);
  const int versionen[] = {-1, 0, 1, 2};
  const int v = versionen[z.Bis(4)];
  TRaum* r = z.Bis(4) == 0 ? nullptr : sch.Raeume().Hole(1 + z.Bis(sch.Raeume().Anzahl()));
  s.standard.SetNurAktuelleVersion(z.Ja());
  s.standard.SetAktuelleVersion(1 + z.Bis(2));
  switch (z.Bis(nurUndo ? 6 : 11)) {
    case 0:
    case 1:
      k->Setze(1 + z.Bis(2), d, r, p);
      break;
    case 2:
      k->EntferneStunde(v, d, p, z.Ja());
      break;
    case 3:
      k->Verschiebe(d2, p2, z.Ja(), d, p);
      break;
    case 4:
      k->VerschiebeMitRaum(d2, p2, r, z.Ja(), d, p);
      break;
    case 5:
      if (!k->Setzungen().Leer()) k->EntferneSetzung(k->Setzungen().Hole(1 + z.Bis(k->Setzungen().Anzahl())));
      break;
    case 6:
      if (r) {
        s.dialoge.Antworte(Modal::Ok);
        k->TauscheRaumAnStunde(r, 1 + z.Bis(2), d, p);
      }
      break;
    case 7:
      if (!k->Setzungen().Leer()) k->SetzeRaum(k->Setzungen().Hole(1 + z.Bis(k->Setzungen().Anzahl())), r);
      break;
    case 8:
      k->LoeseRaumAnStunde(v, d, p);
      break;
    case 9: {
      const bool kopplung = z.Ja();
      k->SchalteBelegung(v, d, p, kopplung, false);
      k->SchalteBelegung(v, d, p, kopplung, true);
      break;
    }
    case 10:
      k->VereinheitlicheRaeume();
      break;
  }
  s.dialoge.antworten.clear();
}

TEST(Setzen, RasterBleibenVereinigungDerSetzungen) {
  for (unsigned seed : {1u, 2u, 3u}) {
    auto s = Schule();
    TZufall z{std::mt19937(seed)};
    for (int i = 0; i < 3000; ++i) {
      Schritt(*s, z, false);
      const auto fehler = PruefeModell(*s->schule);
      ASSERT_TRUE(fehler.empty()) << "Seed " << seed << ", Schritt " << i << ": " << fehler.front();
    }
    int setzungen = 0;
    for (const TKurs* k : s->schule->Kurse()) setzungen += k->Setzungen().Anzahl();
    EXPECT_GT(setzungen, 30);  // the walk kept a well-filled plan, double bookings included
  }
}

TEST(Setzen, WiderrufenStelltDenPlanGenauWiederHer) {
  auto s = Schule();
  TZufall z{std::mt19937(11)};
  for (int runde = 0; runde < 20; ++runde) {
    // Some unrecorded history first, then a recorded stretch that undo must take back exactly.
    for (int i = 0; i < 50; ++i) Schritt(*s, z, false);
    for (TKurs* k : s->schule->Kurse())
      for (TSetzung* st : k->Setzungen()) st->SetFixiert(false);
    const std::string vorher = Planstand(*s->schule);
    s->palette.undo = true;
    for (int i = 0; i < 150; ++i) Schritt(*s, z, true);
    s->palette.undo = false;
    ASSERT_GT(s->schule->UndoSchritte().Anzahl(), 20);
    s->schule->Widerrufe();
    ASSERT_EQ(Planstand(*s->schule), vorher) << "Runde " << runde;
    ASSERT_TRUE(PruefeModell(*s->schule).empty());
    EXPECT_TRUE(s->schule->UndoSchritte().Leer());
  }
}

TEST(Setzen, VerschiebenEinerFixiertenUndEinerGekoppeltenStunde) {
  auto s = BaueKleineSchule(1);
  SetzeEinigeStunden(*s);
  // mathe5a is fixed at Tuesday 3rd in room R101: it moves unfixed, with its room.
  ASSERT_TRUE(s->mathe5a->IstFixiert(1, 2, 3));
  s->mathe5a->Verschiebe(4, 6, false, 2, 3);
  const TSetzung* neu = s->mathe5a->FindeSetzung(1, 4, 6);
  ASSERT_NE(neu, nullptr);
  EXPECT_FALSE(neu->Fixiert());
  EXPECT_EQ(neu->Raum(), s->r101);
  EXPECT_EQ(s->mathe5a->FindeSetzung(1, 2, 3), nullptr);
  // With the coupling the partners come along.
  s->sportSch->Verschiebe(5, 1, true, 3, 5);
  EXPECT_NE(s->sportSch->FindeSetzung(1, 5, 1), nullptr);
  ASSERT_NE(s->sportBer->FindeSetzung(1, 5, 1), nullptr);
  EXPECT_EQ(s->sportBer->FindeSetzung(1, 5, 1)->Raum(), s->r102);
  EXPECT_FALSE(s->k5a->Belegung().Belegt(1, 3, 5));
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST(Setzen, RaumAnStundeUeberAlleVersionen) {
  auto s = BaueKleineSchule(3);
  s->standard.SetNurAktuelleVersion(false);
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->deutsch5a->Setze(2, 1, nullptr, 1);
  s->deutsch5a->Setze(3, 1, s->r101, 1);
  EXPECT_EQ(s->deutsch5a->RaumAnStunde(-1, 1, 1), s->r101);
  s->deutsch5a->SetzeRaum(s->deutsch5a->FindeSetzung(2, 1, 1), s->r102);
  EXPECT_EQ(s->deutsch5a->RaumAnStunde(-1, 1, 1), nullptr);
  EXPECT_EQ(s->deutsch5a->RaumAnStunde(2, 1, 1), s->r102);
}

TEST(Setzen, AbschaltenLaesstAndereStundenStehen) {
  // Two lessons of one teacher in one slot (placed unchecked): switching one off while it is
  // dragged must leave the teacher held by the other.
  auto s = BaueKleineSchule(1);
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->mathe5b->Setze(1, 1, s->r101, 1);
  s->deutsch5a->SchalteBelegung(1, 1, 1, false, false);
  EXPECT_TRUE(s->mue->Belegung().Belegt(1, 1, 1));
  EXPECT_TRUE(s->r101->Belegung().Belegt(1, 1, 1));
  EXPECT_FALSE(s->k5a->Belegung().Belegt(1, 1, 1));
  EXPECT_FALSE(s->deutsch5a->Belegung().Belegt(1, 1, 1));
  s->deutsch5a->SchalteBelegung(1, 1, 1, false, true);
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
  // The coupling switched off as a whole frees the shared classes.
  s->sportSch->Setze(1, 2, s->th, 2);
  s->sportBer->Setze(1, 2, s->r102, 2);
  s->sportSch->SchalteBelegung(1, 2, 2, true, false);
  EXPECT_FALSE(s->k5b->Belegung().Belegt(1, 2, 2));
  EXPECT_FALSE(s->r102->Belegung().Belegt(1, 2, 2));
  s->sportSch->SchalteBelegung(1, 2, 2, true, true);
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST(Setzen, UngueltigeUndDoppelteSetzungenWerdenAbgelehnt) {
  auto s = BaueKleineSchule(2);
  TKurs* k = s->deutsch5a;
  ASSERT_NE(k->Setze(1, 1, s->r101, 1), nullptr);
  EXPECT_EQ(k->Setze(1, 1, s->r102, 1), nullptr);  // the course holds the slot already
  EXPECT_EQ(k->Setze(0, 1, nullptr, 2), nullptr);
  EXPECT_EQ(k->Setze(3, 1, nullptr, 2), nullptr);
  EXPECT_EQ(k->Setze(1, 8, nullptr, 2), nullptr);
  EXPECT_EQ(k->Setze(1, 1, nullptr, 17), nullptr);
  EXPECT_EQ(k->Setze(1, 0, nullptr, 0), nullptr);
  EXPECT_EQ(k->Setzungen().Anzahl(), 1);
  EXPECT_FALSE(s->r102->Belegung().Belegt(1, 1, 1));
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST(Setzen, VerschiebenAufDieEigeneStundeVerliertNichts) {
  auto s = BaueKleineSchule(2);
  s->standard.SetNurAktuelleVersion(false);
  TKurs* k = s->deutsch5a;
  k->Setze(1, 1, s->r101, 1);
  k->Setze(2, 1, s->r101, 1);
  k->Setze(2, 2, nullptr, 2)->SetFixiert(true);
  k->Verschiebe(2, 2, false, 1, 1);
  EXPECT_NE(k->FindeSetzung(1, 2, 2), nullptr);
  EXPECT_EQ(k->FindeSetzung(1, 1, 1), nullptr);
  // Version 2 keeps both its hours; the fixed one stays fixed.
  EXPECT_NE(k->FindeSetzung(2, 1, 1), nullptr);
  EXPECT_TRUE(k->IstFixiert(2, 2, 2));
  EXPECT_EQ(k->Setzungen().Anzahl(), 3);
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

}  // namespace
}  // namespace kolvar
