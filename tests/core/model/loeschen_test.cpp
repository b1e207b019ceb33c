// Deleting elements and courses: everything that referred to them lets go first.

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "model/fehl.h"
#include "model/parliste.h"
#include "model/setzung.h"
#include "model/undoelement.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

#define EXPECT_GESUND(schule)                                        \
  do {                                                               \
    const auto fehler = PruefeModell(schule);                        \
    EXPECT_TRUE(fehler.empty()) << ::testing::PrintToString(fehler); \
  } while (0)

TEST(Loeschen, RaumMitDreiKursenVonDenenZweiImRaumGesetztSind) {
  auto s = BaueKleineSchule();
  TSchule& sch = *s->schule;
  TKurs* dritter = sch.ErzeugeKurs(s->ber, s->k6a, nullptr, s->ma, s->r101, 2);
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->mathe5a->Setze(1, 1, s->r101, 2);
  s->mathe5a->Setze(1, 4, nullptr, 2);  // an hour of that course without the room
  dritter->Setze(1, 5, nullptr, 6);     // placed, but not in the room
  ASSERT_EQ(s->r101->Kurse().Anzahl(), 3);
  TRaum* raum = s->r101;
  sch.LoescheElement(raum);

  for (TKurs* k : {s->deutsch5a, s->mathe5a, dritter}) EXPECT_EQ(k->Raeume().Position(raum), 0);
  EXPECT_TRUE(s->deutsch5a->Setzungen().Leer());
  EXPECT_TRUE(s->mathe5a->Setzungen().Leer());
  EXPECT_EQ(dritter->Setzungen().Anzahl(), 1);
  EXPECT_EQ(s->mue->Raum(), nullptr);
  EXPECT_EQ(s->k5a->Raum(), nullptr);
  EXPECT_FALSE(HaeltZeiger(sch, raum));
  EXPECT_GESUND(sch);
}

TEST(Loeschen, LehrerAlsKlassenlehrerUndInFaechernUndTabellen) {
  auto s = BaueKleineSchule();
  TSchule& sch = *s->schule;
  s->k6a->SetzeLehrer2(s->mue);
  s->de->SetzeGewaehltenLehrer(s->mue);
  TFehl* fehlt = new TFehl;
  fehlt->SetzeElement(s->mue);
  sch.LehrerFehlen().Haenge(fehlt);
  TLehrer* mue = s->mue;
  sch.LoescheElement(mue);
  EXPECT_EQ(s->k5a->Lehrer1(), nullptr);
  EXPECT_EQ(s->k5a->Lehrer2(), s->sch);
  EXPECT_EQ(s->k6a->Lehrer2(), nullptr);
  EXPECT_EQ(s->de->GewaehlterLehrer(), nullptr);
  EXPECT_EQ(s->deutsch5a->Lehrer(), nullptr);
  EXPECT_TRUE(sch.LehrerFehlen().Leer());
  EXPECT_EQ(s->uv->Lehrer().Anzahl(), 1);
  EXPECT_EQ(s->sch->Nummer(), 1);
  EXPECT_FALSE(HaeltZeiger(sch, mue));
  EXPECT_GESUND(sch);
}

TEST(Loeschen, KopplungLeertIhreZellenDerParallelliste) {
  auto s = BaueKleineSchule();
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
  EXPECT_FALSE(HaeltZeiger(*s->schule, spo));
  EXPECT_GESUND(*s->schule);
}

TEST(Loeschen, FachVerschwindetAusAllenLehrernUndDerWahl) {
  auto s = BaueKleineSchule();
  s->mue->SetzeGewaehltesFach(s->ma);
  TFach* ma = s->ma;
  s->schule->LoescheElement(ma);
  EXPECT_EQ(s->mue->Faecher().Position(ma), 0);
  EXPECT_EQ(s->sch->Faecher().Position(ma), 0);
  EXPECT_EQ(s->mue->GewaehltesFach(), nullptr);
  EXPECT_EQ(s->mathe5b->Fach(), nullptr);
  EXPECT_EQ(s->sp->Nummer(), 2);
  EXPECT_FALSE(HaeltZeiger(*s->schule, ma));
  EXPECT_GESUND(*s->schule);
}

TEST(Loeschen, KlasseAuchAusFachlistenOhneKurs) {
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);
  s->sp->FuegeKlasseHinzu(s->k6a);  // listed by the subject without a course
  TKlasse* k5b = s->k5b;
  s->schule->LoescheElement(k5b);
  TKlasse* k6a = s->k6a;
  s->schule->LoescheElement(k6a);
  EXPECT_TRUE(s->sportSch->Setzungen().Leer());  // all hours of its courses go
  EXPECT_EQ(s->sportSch->Klassen().Anzahl(), 1);
  EXPECT_FALSE(HaeltZeiger(*s->schule, k5b));
  EXPECT_FALSE(HaeltZeiger(*s->schule, k6a));
  EXPECT_GESUND(*s->schule);
}

TEST(Loeschen, FensterDesElementsSchliessen) {
  auto s = BaueKleineSchule();
  TFakeFenster plan(*s->schule, FensterArt::LePln, s->mue);
  TFakeFenster editor(*s->schule, FensterArt::LeGr, s->mue);
  TFakeFenster anderes(*s->schule, FensterArt::LeGr, s->sch);
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
TEST(Loeschen, FensterSchliesstBeimSchliessenEinAnderes) {
  auto s = BaueKleineSchule();
  auto plan = std::make_unique<TFakeFenster>(*s->schule, FensterArt::KlPln, s->k6a);
  auto editor = std::make_unique<TFakeFenster>(*s->schule, FensterArt::KlGr, s->k6a);
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
  Schliessend dep(*s->schule, FensterArt::KlDep, s->k6a);
  dep.Anmelden();
  dep.opfer = &plan;
  s->schule->LoescheElement(s->k6a);
  EXPECT_TRUE(dep.geschlossen);
  EXPECT_TRUE(editor->geschlossen);
  EXPECT_TRUE(s->schule->Fenster().empty());
}

TEST(Loeschen, KursLaesstRueckgaengigSchritteUndFensterLos) {
  auto s = BaueKleineSchule();
  TSchule& sch = *s->schule;
  TFakeManuellFenster manuell(sch);
  manuell.Anmelden();
  TFakeFenster editor(sch, FensterArt::Kurs, nullptr, s->deutsch5a);
  editor.Anmelden();
  s->palette.undo = true;
  TSetzung* st = s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->deutsch5a->EntferneSetzung(st);
  s->mathe5a->Setze(1, 2, s->r101, 1);
  ASSERT_EQ(manuell.kurse.Anzahl(), 1);
  ASSERT_EQ(sch.UndoSchritte().Anzahl(), 3);

  TKurs* k = s->deutsch5a;
  sch.LoescheKurs(k);
  EXPECT_TRUE(editor.geschlossen);
  EXPECT_EQ(sch.UndoSchritte().Anzahl(), 1);
  EXPECT_TRUE(manuell.geschlossen);  // it held no other course
  EXPECT_EQ(sch.EinzelFenster(FensterArt::Manuell), nullptr);
  EXPECT_FALSE(HaeltZeiger(sch, k));
  EXPECT_GESUND(sch);
}

TEST(Loeschen, RaumWirdAusRueckgaengigSchrittenGenommen) {
  auto s = BaueKleineSchule();
  TSchule& sch = *s->schule;
  s->palette.undo = true;
  TSetzung* st = s->mathe5b->Setze(1, 4, s->r102, 4);
  s->mathe5b->EntferneSetzung(st);
  TRaum* r102 = s->r102;
  sch.LoescheElement(r102);
  EXPECT_FALSE(HaeltZeiger(sch, r102));
  s->palette.undo = false;
  sch.Widerrufe();                                 // the hour comes back, without the room
  EXPECT_EQ(s->mathe5b->Setzungen().Anzahl(), 0);  // the placed step undone last-first
  EXPECT_GESUND(sch);
}

// Random placements, then every element and course deleted in a random order: after each step
// the school is sound and holds nothing of what went.
TEST(Loeschen, ZufaelligeReihenfolgeBisZurLeerenSchule) {
  for (unsigned saat = 1; saat <= 25; ++saat) {
    auto s = BaueKleineSchule(2);
    TSchule& sch = *s->schule;
    std::mt19937 zufall(saat);
    s->palette.undo = saat % 2 == 0;
    const std::vector<TKurs*> kurse = sch.Kurse().Elemente();
    for (int i = 0; i < 40; ++i) {
      TKurs* k = kurse[zufall() % kurse.size()];
      const int v = 1 + static_cast<int>(zufall() % 2), d = 1 + static_cast<int>(zufall() % 5),
                p = 1 + static_cast<int>(zufall() % 6);
      TRaum* r = k->Raeume().Hole(1 + static_cast<int>(zufall() % 2));
      if (zufall() % 3 == 0)
        k->EntferneStunde(v, d, p, zufall() % 2 == 0);
      else
        k->Setze(v, d, r, p);
    }
    ASSERT_TRUE(PruefeModell(sch).empty()) << ::testing::PrintToString(PruefeModell(sch));
    std::vector<std::pair<TElement*, TKurs*>> weg;
    for (TElement* e : sch.Lehrer()) weg.emplace_back(e, nullptr);
    for (TElement* e : sch.Klassen()) weg.emplace_back(e, nullptr);
    for (TElement* e : sch.Kopplungen()) weg.emplace_back(e, nullptr);
    for (TElement* e : sch.Faecher()) weg.emplace_back(e, nullptr);
    for (TElement* e : sch.Raeume()) weg.emplace_back(e, nullptr);
    for (TElement* e : sch.UVTabellen()) weg.emplace_back(e, nullptr);
    for (TKurs* k : kurse) weg.emplace_back(nullptr, k);
    std::shuffle(weg.begin(), weg.end(), zufall);
    for (auto [e, k] : weg) {
      const void* zeiger = e ? static_cast<const void*>(e) : static_cast<const void*>(k);
      if (e)
        sch.LoescheElement(e);
      else
        sch.LoescheKurs(k);
      ASSERT_FALSE(HaeltZeiger(sch, zeiger)) << "Saat " << saat;
      const auto fehler = PruefeModell(sch);
      ASSERT_TRUE(fehler.empty()) << "Saat " << saat << ": " << ::testing::PrintToString(fehler);
    }
    EXPECT_TRUE(sch.Kurse().Leer());
    EXPECT_TRUE(sch.Lehrer().Leer());
    EXPECT_TRUE(sch.UndoSchritte().Leer());
  }
}

TEST(Loeschen, FremdesOderDoppeltesLoeschenTutNichts) {
  auto s = BaueKleineSchule();
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
