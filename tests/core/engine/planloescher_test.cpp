// Deleting plans and cleaning up rooms: the choice of courses, slots and versions, fixed and
// coupled hours, and the room lists.

#include <gtest/gtest.h>

#include "core/engine/planhilfe.h"
#include "engine/planloescher.h"
#include "model/fensterart.h"
#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

using TArt = TPlanLoescher::TArt;

TWoElem Alles() {
  TWoElem w;
  for (int d = 1; d <= kTage; ++d) w.SetzeTag(d, 0xFFFF);
  return w;
}

int Anzahl(const TSchule& s) {
  int n = 0;
  for (const TKurs* k : s.Kurse()) n += k->Setzungen().Anzahl();
  return n;
}

TEST(PlanLoescher, WahlDerKurseUndStunden) {
  struct TFall {
    const char* name;
    TArt art;
    int von, bis;
    bool mitKopplungen, ohneFixierte;
    int nurTag;   // 0: every slot selected
    int bleiben;  // placements left of 8
  };
  // Version 1: De5a Mo1 Tu2, Ma5b Mo2, Ma5a Mo3 + Tu3 fixed, sport We5 (two coupled), De6a Tu1.
  const std::vector<TFall> faelle{
      {"alle", TArt::AllePlaene, 0, 0, true, false, 0, 0},
      {"ohne fixierte", TArt::AllePlaene, 0, 0, true, true, 0, 1},
      {"ohne Kopplungen", TArt::AllePlaene, 0, 0, false, true, 0, 3},
      {"nur Dienstag", TArt::AllePlaene, 0, 0, true, false, 2, 5},
      {"keine Stunde gewaehlt", TArt::AllePlaene, 0, 0, true, false, -1, 8},
      {"Lehrer MUE", TArt::Lehrer, 1, 1, true, false, 0, 5},
      {"Klassen 5a bis 5b", TArt::Klassen, 1, 2, true, true, 0, 2},
      {"von nach bis", TArt::Klassen, 3, 1, true, false, 0, 8},
      {"Raum TH", TArt::Raeume, 3, 3, true, false, 0, 7},
      {"Kopplung ohne Kopplungen", TArt::Kopplungen, 1, 1, false, false, 0, 8},
      {"Fach Sp bis jenseits der Liste", TArt::Faecher, 3, 99, true, false, 0, 6},
  };
  for (const TFall& f : faelle) {
    auto s = BaueKleineSchule(1);
    SetzeEinigeStunden(*s);
    ASSERT_EQ(Anzahl(*s->schule), 8);
    TWoElem auswahl;
    if (f.nurTag > 0)
      auswahl.SetzeTag(f.nurTag, 0xFFFF);
    else if (f.nurTag == 0)
      auswahl = Alles();
    TPlanLoescher(*s->schule).LoeschePlaene(f.art, f.von, f.bis, auswahl, f.mitKopplungen, f.ohneFixierte);
    EXPECT_EQ(Anzahl(*s->schule), f.bleiben) << f.name;
    for (const std::string& fehler : PruefeModell(*s->schule)) ADD_FAILURE() << f.name << ": " << fehler;
  }
}

// Acting on all versions, a fixed hour of one version survives beside an unfixed one of another;
// acting on the current version only, the other versions keep everything.
TEST(PlanLoescher, VersionenUndFixierteStunden) {
  for (const int n : {3, kMaxVersionen})
    for (const bool nurAktuelle : {false, true}) {
      auto s = BaueKleineSchule(n);
      SetzeEinigeStunden(*s);
      s->standard.SetNurAktuelleVersion(nurAktuelle);
      s->standard.SetAktuelleVersion(2);
      s->deutsch5a->FindeSetzung(n, 1, 1)->SetFixiert(true);
      TPlanLoescher(*s->schule).LoeschePlaene(TArt::Lehrer, 1, 1, Alles(), true, true);
      for (int v = 1; v <= n; ++v) {
        const bool geloescht = !nurAktuelle || v == 2;
        EXPECT_EQ(s->deutsch5a->FindeSetzung(v, 2, 2) == nullptr, geloescht) << nurAktuelle << v;
        EXPECT_EQ(s->deutsch5a->FindeSetzung(v, 1, 1) == nullptr, geloescht && v != n) << nurAktuelle << v;
      }
      EXPECT_TRUE(PruefeModell(*s->schule).empty());
    }
}

TEST(PlanLoescher, JedeStundeFixiert) {
  for (const bool ohneFixierte : {true, false}) {
    auto s = BaueKleineSchule(1);
    SetzeEinigeStunden(*s);
    for (TKurs* k : s->schule->Kurse())
      for (TSetzung* st : k->Setzungen()) st->SetFixiert(true);
    TPlanLoescher(*s->schule).LoeschePlaene(TArt::AllePlaene, 0, 0, Alles(), true, ohneFixierte);
    EXPECT_EQ(Anzahl(*s->schule), ohneFixierte ? 8 : 0);
  }
}

// Deleting plans is one action: every open window hears of it once, after the last placement
// went, and only a window whose element or course lost placements rebuilds.
TEST(PlanLoescher, FensterHoerenEinmalNachDemLoeschen) {
  auto s = BaueKleineSchule(3);
  SetzeEinigeStunden(*s);
  s->standard.SetNurAktuelleVersion(false);
  // SCH keeps every hour: his lessons are fixed.
  for (TKurs* k : {s->mathe5a, s->sportSch})
    for (TSetzung* st : k->Setzungen()) st->SetFixiert(true);
  auto unfixiert = [&s] {
    int n = 0;
    for (const TKurs* k : s->schule->Kurse())
      for (const TSetzung* st : k->Setzungen()) n += !st->Fixiert();
    return n;
  };
  TFakeFenster muePlan(*s->schule, FensterArt::LePln, s->mue), schPlan(*s->schule, FensterArt::LePln, s->sch);
  TFakeFenster plan6a(*s->schule, FensterArt::KlPln, s->k6a), kurse(*s->schule, FensterArt::KursDep);
  TFakeFenster kurs(*s->schule, FensterArt::Kurs, nullptr, s->deutsch5a);
  const std::vector<TFakeFenster*> fenster{&muePlan, &plan6a, &kurse, &kurs, &schPlan};
  for (TFakeFenster* f : fenster) {
    f->Anmelden();
    f->beimAktualisieren = [&unfixiert] { EXPECT_EQ(unfixiert(), 0); };
  }
  ASSERT_GT(unfixiert(), 6);
  TPlanLoescher(*s->schule).LoeschePlaene(TArt::AllePlaene, 0, 0, Alles(), true, true);
  EXPECT_EQ(unfixiert(), 0);
  for (std::size_t i = 0; i < fenster.size(); ++i) {
    EXPECT_EQ(fenster[i]->saetze, 1) << i;
    EXPECT_EQ(fenster[i]->aktualisiert, fenster[i] == &schPlan ? 0 : 1) << i;
  }
  EXPECT_EQ(schPlan.neuGezeichnet, 0);
}

TEST(PlanLoescher, RaeumeAufraeumen) {
  auto s = BaueKleineSchule(1);
  SetzeEinigeStunden(*s);
  // A room added later and used by a lesson; a room listed but never used.
  s->deutsch5a->FuegeRaumHinzu(s->th, true);
  s->deutsch5a->SetzeRaum(s->deutsch5a->FindeSetzung(1, 1, 1), s->th);
  s->mathe5b->FuegeRaumHinzu(s->r101, false);
  s->deutsch6a->FuegeRaumHinzu(s->r102, false);
  s->deutsch6a->EntferneAlleSetzungen();
  TPlanLoescher loescher(*s->schule);
  loescher.LoescheSpaeterErgaenzteRaeume();
  EXPECT_EQ(s->deutsch5a->Raeume().Position(s->th), 0);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 1)->Raum(), nullptr);
  EXPECT_TRUE(s->deutsch5a->SpaeterRaeume().Leer());
  loescher.LoescheUnbenutzteRaeume();
  EXPECT_TRUE(s->deutsch6a->Raeume().Leer());
  EXPECT_EQ(s->mathe5b->Raeume().Position(s->r101), 0);
  EXPECT_NE(s->mathe5b->Raeume().Position(s->r102), 0);
  EXPECT_NE(s->deutsch5a->Raeume().Position(s->r101), 0);
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST(PlanLoescher, TageNachDemLetzten) {
  auto s = BaueKleineSchule(2);
  SetzeEinigeStunden(*s);
  TPlanLoescher loescher(*s->schule);
  EXPECT_EQ(loescher.LetzterBelegterTag(), 3);
  loescher.LoescheTageNach(2);
  EXPECT_EQ(loescher.LetzterBelegterTag(), 2);
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST(PlanLoescher, AuswahlWechseln) {
  struct TFall {
    int d1, p1, d2, p2;
    int zellen;  // cells switched
  };
  for (const TFall f :
       {TFall{1, 1, 1, 1, 1}, TFall{2, 3, 4, 5, 9}, TFall{4, 5, 2, 3, 9}, TFall{1, 1, 7, 16, 112}}) {
    TWoElem w = Alles();
    TPlanLoescher::WechsleAuswahl(w, f.d1, f.p1, f.d2, f.p2);
    int aus = 0;
    for (int d = 1; d <= kTage; ++d)
      for (int p = 1; p <= kStunden; ++p) aus += !w.Stunde(d, p);
    EXPECT_EQ(aus, f.zellen);
    // Starting on a switched-off cell switches the rectangle on again.
    TPlanLoescher::WechsleAuswahl(w, f.d1, f.p1, f.d2, f.p2);
    EXPECT_EQ(w, Alles());
  }
}

}  // namespace
}  // namespace kolvar
