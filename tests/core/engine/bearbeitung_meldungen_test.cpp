// The edits of the course windows tell the windows and mark the school modified themselves, so
// every window calling them gets the same refreshes.

#include <gtest/gtest.h>

#include <memory>

#include "engine/kursbearbeitung.h"
#include "engine/kursfeld.h"
#include "engine/parsuche.h"
#include "engine/partabelle.h"
#include "model/fensterart.h"
#include "model/kurs.h"
#include "model/parliste.h"
#include "model/schule.h"
#include "support/fakes.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class BearbeitungMeldungen : public testing::Test {
 protected:
  void SetUp() override {
    mue.Anmelden();
    sch.Anmelden();
    ber.Anmelden();
  }

  void Zuruecksetzen() {
    for (TFakeFenster* f : {&mue, &sch, &ber}) f->aktualisiert = 0;
    s->schule->SetzeGeaendert(false);
  }

  std::unique_ptr<TKleineSchule> s = BaueKleineSchule();
  TFakeFenster mue{*s->schule, FensterArt::LePln, s->mue};
  TFakeFenster sch{*s->schule, FensterArt::LePln, s->sch};
  TFakeFenster ber{*s->schule, FensterArt::LePln, s->ber};
};

TEST_F(BearbeitungMeldungen, ADraggedFieldTellsTheTargetsWindowsEvenWithNothingMissing) {
  Zuruecksetzen();
  // MUE's German 5a has the class of SCH's maths 5a already.
  EXPECT_TRUE(UebernimmFeldAus(*s->deutsch5a, *s->mathe5a, TKursFeld::Klassen));
  EXPECT_GE(mue.aktualisiert, 1);
  EXPECT_EQ(sch.aktualisiert, 0);
  EXPECT_EQ(ber.aktualisiert, 0);

  Zuruecksetzen();
  s->mathe5a->SetzeInfo("Ausflug");
  Zuruecksetzen();
  EXPECT_TRUE(UebernimmFeldAus(*s->deutsch5a, *s->mathe5a, TKursFeld::Info));
  EXPECT_EQ(s->deutsch5a->Info(), "Ausflug");
  EXPECT_TRUE(s->schule->Geaendert());
  EXPECT_GE(mue.aktualisiert, 1);
  EXPECT_EQ(sch.aktualisiert, 0);
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST_F(BearbeitungMeldungen, OtherDraggedFieldsChangeNothing) {
  Zuruecksetzen();
  for (TKursFeld feld : {TKursFeld::Lehrer, TKursFeld::Fach, TKursFeld::Kopplung}) {
    EXPECT_FALSE(UebernimmFeldAus(*s->deutsch5a, *s->mathe5a, feld));
  }
  EXPECT_EQ(s->deutsch5a->Lehrer(), s->mue);
  EXPECT_FALSE(s->schule->Geaendert());
  EXPECT_EQ(mue.aktualisiert, 0);
}

TEST_F(BearbeitungMeldungen, TakingEveryRoomOffTellsTheCoursesWindows) {
  Zuruecksetzen();
  EXPECT_TRUE(EntferneAlle(*s->mathe5a, TKursFeld::Raeume));
  EXPECT_TRUE(s->mathe5a->Raeume().Leer());
  EXPECT_TRUE(s->schule->Geaendert());
  EXPECT_GE(sch.aktualisiert, 1);
  EXPECT_EQ(mue.aktualisiert, 0);

  Zuruecksetzen();
  EXPECT_TRUE(EntferneAusKurs(*s->deutsch6a, TKursFeld::Lehrer, nullptr));
  EXPECT_TRUE(s->schule->Geaendert());
  EXPECT_GE(ber.aktualisiert, 1);
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST_F(BearbeitungMeldungen, ATakenCouplingSearchStoresTheTableAndMarksTheSchool) {
  TParTabelle t(*s->schule);
  t.Baue(1, 1, false);
  t.SetzeZelle(1, 1, s->spo);
  t.ParTabelleSpeichern();
  TParSuche suche(t);
  suche.Suche();
  ASSERT_FALSE(suche.Loesung().empty());
  s->schule->SetzeGeaendert(false);
  // The arrangement is the one the school holds already: modified all the same.
  EXPECT_TRUE(suche.UebernimmLoesung(t));
  EXPECT_TRUE(s->schule->Geaendert());
  EXPECT_EQ(s->schule->ParListe().Zellen().Hole(1), s->spo);

  TParTabelle leer(*s->schule);
  leer.Baue(1, 1, false);
  TParSuche ohne(leer);
  s->schule->SetzeGeaendert(false);
  EXPECT_FALSE(ohne.UebernimmLoesung(leer));
  EXPECT_FALSE(s->schule->Geaendert());
}

}  // namespace
}  // namespace kolvar
