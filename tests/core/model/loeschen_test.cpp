// Deleting elements and courses: everything that referred to them lets go first.

#include <gtest/gtest.h>

#include <memory>

#include "model/fehl.h"
#include "model/parliste.h"
#include "model/setzung.h"
#include "model/undoelement.h"
#include "modelltest.h"

namespace kolvar {
namespace {

using Loeschen = ModellTest;

TEST_F(Loeschen, RaumMitDreiKursenVonDenenZweiImRaumGesetztSind) {
  TKurs* dritter = Sch().ErzeugeKurs(s->ber, s->k6a, nullptr, s->ma, s->r101, 2);
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->mathe5a->Setze(1, 1, s->r101, 2);
  s->mathe5a->Setze(1, 4, nullptr, 2);  // an hour of that course without the room
  dritter->Setze(1, 5, nullptr, 6);     // placed, but not in the room
  ASSERT_EQ(s->r101->Kurse().Anzahl(), 3);
  TRaum* raum = s->r101;
  Sch().LoescheElement(raum);

  for (TKurs* k : {s->deutsch5a, s->mathe5a, dritter}) EXPECT_EQ(k->Raeume().Position(raum), 0);
  EXPECT_TRUE(s->deutsch5a->Setzungen().Leer());
  EXPECT_TRUE(s->mathe5a->Setzungen().Leer());
  EXPECT_EQ(dritter->Setzungen().Anzahl(), 1);
  EXPECT_EQ(s->mue->Raum(), nullptr);
  EXPECT_EQ(s->k5a->Raum(), nullptr);
  EXPECT_FALSE(HaeltZeiger(Sch(), raum));
}

TEST_F(Loeschen, LehrerAlsKlassenlehrerUndInFaechernUndTabellen) {
  s->k6a->SetzeLehrer2(s->mue);
  s->de->SetzeGewaehltenLehrer(s->mue);
  TFehl* fehlt = new TFehl;
  fehlt->SetzeElement(s->mue);
  Sch().LehrerFehlen().Haenge(fehlt);
  TLehrer* mue = s->mue;
  Sch().LoescheElement(mue);
  EXPECT_EQ(s->k5a->Lehrer1(), nullptr);
  EXPECT_EQ(s->k5a->Lehrer2(), s->sch);
  EXPECT_EQ(s->k6a->Lehrer2(), nullptr);
  EXPECT_EQ(s->de->GewaehlterLehrer(), nullptr);
  EXPECT_EQ(s->deutsch5a->Lehrer(), nullptr);
  EXPECT_TRUE(Sch().LehrerFehlen().Leer());
  EXPECT_EQ(s->uv->Lehrer().Anzahl(), 1);
  EXPECT_EQ(s->sch->Nummer(), 1);
  EXPECT_FALSE(HaeltZeiger(Sch(), mue));
}

TEST_F(Loeschen, KopplungLeertIhreZellenDerParallelliste) {
  SetzeEinigeStunden(*s);
  TKopplung* spo = s->spo;
  s->schule->LoescheElement(spo);
  const TParListe& par = s->schule->ParListe();
  EXPECT_EQ(par.Zeilen(), 2);
  EXPECT_EQ(par.Spalten(), 2);
  ASSERT_EQ(par.Zellen().Anzahl(), 4);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(par.Zellen().Hole(i), nullptr);
  EXPECT_TRUE(s->sportSch->Setzungen().Leer());
  EXPECT_EQ(s->sportSch->Kopplung(), nullptr);
  EXPECT_FALSE(HaeltZeiger(Sch(), spo));
}

TEST_F(Loeschen, FachVerschwindetAusAllenLehrernUndDerWahl) {
  s->mue->SetzeGewaehltesFach(s->ma);
  TFach* ma = s->ma;
  s->schule->LoescheElement(ma);
  EXPECT_EQ(s->mue->Faecher().Position(ma), 0);
  EXPECT_EQ(s->sch->Faecher().Position(ma), 0);
  EXPECT_EQ(s->mue->GewaehltesFach(), nullptr);
  EXPECT_EQ(s->mathe5b->Fach(), nullptr);
  EXPECT_EQ(s->sp->Nummer(), 2);
  EXPECT_FALSE(HaeltZeiger(Sch(), ma));
}

TEST_F(Loeschen, KlasseAuchAusFachlistenOhneKurs) {
  SetzeEinigeStunden(*s);
  s->sp->FuegeKlasseHinzu(s->k6a);  // listed by the subject without a course
  TKlasse* k5b = s->k5b;
  s->schule->LoescheElement(k5b);
  TKlasse* k6a = s->k6a;
  s->schule->LoescheElement(k6a);
  EXPECT_TRUE(s->sportSch->Setzungen().Leer());  // all hours of its courses go
  EXPECT_EQ(s->sportSch->Klassen().Anzahl(), 1);
  EXPECT_FALSE(HaeltZeiger(Sch(), k5b));
  EXPECT_FALSE(HaeltZeiger(Sch(), k6a));
}

TEST_F(Loeschen, FensterDesElementsSchliessen) {
  TFakeFenster plan(Sch(), FensterArt::LePln, s->mue);
  TFakeFenster editor(Sch(), FensterArt::LeGr, s->mue);
  TFakeFenster anderes(Sch(), FensterArt::LeGr, s->sch);
  plan.Anmelden();
  editor.Anmelden();
  anderes.Anmelden();
  s->schule->SetzeAktivesFenster(&plan);
  s->schule->LoescheElement(s->mue);
  EXPECT_TRUE(plan.geschlossen);
  EXPECT_TRUE(editor.geschlossen);
  EXPECT_FALSE(anderes.geschlossen);
  EXPECT_EQ(s->schule->AktivesFenster(), nullptr);
  EXPECT_EQ(s->schule->Fenster().size(), 1u);
}

// A window that closes (and frees) a sibling while closing must not leave the school calling
// the freed one.
TEST_F(Loeschen, FensterSchliesstBeimSchliessenEinAnderes) {
  auto plan = std::make_unique<TFakeFenster>(Sch(), FensterArt::KlPln, s->k6a);
  auto editor = std::make_unique<TFakeFenster>(Sch(), FensterArt::KlGr, s->k6a);
  plan->Anmelden();
  editor->Anmelden();
  struct Schliessend : TFakeFenster {
    using TFakeFenster::TFakeFenster;
    std::unique_ptr<TFakeFenster>* opfer = nullptr;
    void Schliesse() override {
      TFakeFenster::Schliesse();
      if (opfer && *opfer) {
        (*opfer)->Schliesse();
        opfer->reset();
      }
    }
  };
  Schliessend dep(Sch(), FensterArt::KlDep, s->k6a);
  dep.Anmelden();
  dep.opfer = &plan;
  s->schule->LoescheElement(s->k6a);
  EXPECT_TRUE(dep.geschlossen);
  EXPECT_TRUE(editor->geschlossen);
  EXPECT_TRUE(s->schule->Fenster().empty());
}

TEST_F(Loeschen, KursLaesstRueckgaengigSchritteUndFensterLos) {
  TFakeManuellFenster manuell(Sch());
  manuell.Anmelden();
  TFakeFenster editor(Sch(), FensterArt::Kurs, nullptr, s->deutsch5a);
  editor.Anmelden();
  s->palette.undo = true;
  TSetzung* st = s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->deutsch5a->EntferneSetzung(st);
  s->mathe5a->Setze(1, 2, s->r101, 1);
  ASSERT_EQ(manuell.kurse.Anzahl(), 1);
  ASSERT_EQ(Sch().UndoSchritte().Anzahl(), 3);

  TKurs* k = s->deutsch5a;
  Sch().LoescheKurs(k);
  EXPECT_TRUE(editor.geschlossen);
  EXPECT_EQ(Sch().UndoSchritte().Anzahl(), 1);
  EXPECT_TRUE(manuell.geschlossen);  // it held no other course
  EXPECT_EQ(Sch().EinzelFenster(FensterArt::Manuell), nullptr);
  EXPECT_FALSE(HaeltZeiger(Sch(), k));
}

TEST_F(Loeschen, RaumWirdAusRueckgaengigSchrittenGenommen) {
  s->palette.undo = true;
  TSetzung* st = s->mathe5b->Setze(1, 4, s->r102, 4);
  s->mathe5b->EntferneSetzung(st);
  TRaum* r102 = s->r102;
  Sch().LoescheElement(r102);
  EXPECT_FALSE(HaeltZeiger(Sch(), r102));
  s->palette.undo = false;
  Sch().Widerrufe();                               // the hour comes back, without the room
  EXPECT_EQ(s->mathe5b->Setzungen().Anzahl(), 0);  // the placed step undone last-first
}

TEST_F(Loeschen, FremdesOderDoppeltesLoeschenTutNichts) {
  auto andere = BaueKleineSchule();
  s->schule->LoescheElement(andere->mue);
  s->schule->LoescheKurs(andere->deutsch5a);
  s->schule->LoescheElement(nullptr);
  s->schule->LoescheKurs(nullptr);
  EXPECT_EQ(s->schule->Lehrer().Anzahl(), 3);
  EXPECT_EQ(andere->schule->Lehrer().Anzahl(), 3);
  EXPECT_EQ(s->schule->Kurse().Anzahl(), 6);
}

}  // namespace
}  // namespace kolvar
