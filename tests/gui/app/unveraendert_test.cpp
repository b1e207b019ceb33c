// Looking is not changing: opening any window through the palette, and stepping through the
// elements with its arrows, leaves an unmodified school unmodified.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/uvtab.h"
#include "platform/kvdialog.h"
#include "platform/spaltenmenue.h"

namespace kolvar {
namespace {

// Two of every kind; MUE teaches De in 5a in R1 in the coupling KO, placed once; the table UV
// shows both classes by both subjects.
void BaueVonJedem(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  TLehrer* sch = s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TKlasse* b = s.NeueKlasse("5b");
  TKopplung* ko = s.NeueKopplung("KO");
  s.NeueKopplung("KP");
  TFach* de = s.NeuesFach("De");
  TFach* ma = s.NeuesFach("Ma");
  TRaum* r1 = s.NeuerRaum("R1");
  s.NeuerRaum("R2");
  s.ErzeugeKurs(mue, a, ko, de, r1, 2)->Setze(1, 1, r1, 1);
  s.ErzeugeKurs(sch, b, nullptr, ma, nullptr, 3);
  for (const char* name : {"UV", "UW"}) {
    TUVTab* uv = s.NeueUVTab(name);
    for (TKlasse* k : {a, b}) uv->FuegeKlasseHinzu(k);
    for (TFach* f : {de, ma}) uv->FuegeFachHinzu(f);
  }
}

class UnveraendertTest : public GuiTest {
 protected:
  UnveraendertTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~UnveraendertTest() override {
    ErwarteKeineSkriptFehler();
    palette.reset();
  }
  void Menue(const QString& pfad) {
    QAction* a = palette->Menues().Aktion(pfad);
    ASSERT_NE(a, nullptr) << pfad.toStdString();
    a->trigger();
  }
  // The first element of a menu in a view group, then the palette's arrows on its window.
  void ElementUndPfeile(const char* knopf, const char* menue) {
    palette->Knopf(QString::fromLatin1(knopf))->click();
    auto* liste = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QString::fromLatin1(menue)));
    ASSERT_NE(liste, nullptr) << menue;
    liste->Waehle(0);
    EXPECT_FALSE(palette->Schule().Geaendert()) << knopf << " " << menue;
    IFenster* fenster = nullptr;
    for (IFenster* f : palette->Schule().Fenster()) fenster = f;
    ASSERT_NE(fenster, nullptr) << knopf << " " << menue << ": nothing opened";
    palette->Schule().SetzeAktivesFenster(fenster);
    palette->MenusAnpassen();
    palette->Knopf(QStringLiteral("PfeilRechts"))->click();
    EXPECT_FALSE(palette->Schule().Geaendert()) << knopf << " " << menue << " forward";
    palette->Knopf(QStringLiteral("PfeilLinks"))->click();
    EXPECT_FALSE(palette->Schule().Geaendert()) << knopf << " " << menue << " back";
  }

  TGebauteSchule dateien{BaueVonJedem};
};

TEST_F(UnveraendertTest, ElementFensterInJederAnsicht) {
  ASSERT_FALSE(palette->Schule().Geaendert());
  for (const char* knopf : {"GrDat", "Dep", "Plan"})
    for (const char* menue : {"Le", "Kl", "Ko", "Fa", "Ra", "UV"}) {
      ElementUndPfeile(knopf, menue);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(UnveraendertTest, ListenStatistikenUndUebersichten) {
  for (const QString* pfad :
       {&MenuePfad::StatLehrer, &MenuePfad::StatKlassen, &MenuePfad::StatKopplungen, &MenuePfad::StatFaecher,
        &MenuePfad::StatRaeume, &MenuePfad::StatUVTabellen, &MenuePfad::Stundenverteilung}) {
    Menue(*pfad);
    EXPECT_FALSE(palette->Schule().Geaendert()) << pfad->toStdString();
  }
  Menue(QStringLiteral("Daten/Kurse"));
  EXPECT_FALSE(palette->Schule().Geaendert()) << "Kurse";
  dialoge.Antworte(QStringLiteral("Vertretungsübersicht"), mrOk);
  Menue(MenuePfad::Vertretungsuebersicht);
  EXPECT_FALSE(palette->Schule().Geaendert()) << "Vertretungsübersicht";
}

TEST_F(UnveraendertTest, KurseditorUndSeinBlaettern) {
  TSchule& s = palette->Schule();
  std::vector<TKurs*> kurse(s.Kurse().begin(), s.Kurse().end());
  ASSERT_TRUE(palette->Oeffner().OeffneKurs(*kurse.front(), kurse));
  EXPECT_FALSE(s.Geaendert());
  IFenster* editor = s.EinzelFenster(FensterArt::Kurs);
  ASSERT_NE(editor, nullptr);
  s.SetzeAktivesFenster(editor);
  palette->MenusAnpassen();
  palette->Knopf(QStringLiteral("PfeilRechts"))->click();
  EXPECT_FALSE(s.Geaendert()) << "forward";
}

}  // namespace
}  // namespace kolvar
