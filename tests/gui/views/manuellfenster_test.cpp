// The manual planning window among the palette's commands: Shift passes over the courses complete
// in the version shown, the window stays where the user put it when the views are refreshed,
// "Datei schließen" asks what closing it asks, its panels follow the course when an element
// goes, and the arrow keys step through the courses from the start.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "masterdata/kueform.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/gitter.h"
#include "platform/kindfenster.h"
#include "platform/kvdialog.h"
#include "support/modellpruefung.h"
#include "views/manuellform.h"
#include "views/plnstandardform.h"

namespace kolvar {
namespace {

// De (2, MUE, R1) placed on Monday 1 and 2 of version 1, Ma (2, SCH, R2) and En (1, BER, R1)
// open; all of class 5a, with the same hours in both plan versions. MUE is locked on Tuesday 3.
void BaueSchule(TSchule& s) {
  TKlasse* k = s.NeueKlasse("5a");
  TRaum* r1 = s.NeuerRaum("R1");
  TLehrer* mue = s.NeuerLehrer("MUE");
  TKurs* de = s.ErzeugeKurs(mue, k, nullptr, s.NeuesFach("De"), r1, 2);
  s.ErzeugeKurs(s.NeuerLehrer("SCH"), k, nullptr, s.NeuesFach("Ma"), s.NeuerRaum("R2"), 2);
  s.ErzeugeKurs(s.NeuerLehrer("BER"), k, nullptr, s.NeuesFach("En"), r1, 1);
  for (TKurs* kurs : s.Kurse().Elemente()) kurs->SetzeStunden(2, kurs->Stunden(1));
  de->Setze(1, 1, r1, 1);
  de->Setze(1, 1, r1, 2);
  mue->Sperrung().SetzeBereich(0, 2, 3, true);
}

class TAuswahlFenster : public TKindFenster {
 public:
  TAuswahlFenster(TSchule& schule, IFensterListe& liste)
      : TKindFenster(FensterArt::KursDep, schule, &liste) {}
  std::vector<TKurs*> MarkierteKurse() const override { return Schule().Kurse().Elemente(); }
};

class ManuellFensterTest : public GuiTest {
 protected:
  ManuellFensterTest() {
    dateien.versionen = 2;
    standard.PlanFenster.pma = 0;
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
    palette->show();
  }
  ~ManuellFensterTest() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    palette.reset();
  }
  void TearDown() override {
    ErwarteKeineSkriptFehler();
    if (palette->DateiOffen())
      for (const std::string& f : PruefeModell(Schule())) ADD_FAILURE() << f;
  }

  TSchule& Schule() const { return palette->Schule(); }
  TKurs* Kurs(int i) const { return Schule().Kurse().Hole(i); }
  void Menue(const QString& pfad) const { palette->Menues().Aktion(pfad)->trigger(); }

  // The manual window over every course, opened by the palette's button; the active window.
  TManuellForm* OeffneManuell() {
    auto* auswahl = new TAuswahlFenster(Schule(), palette->FensterListe());
    auswahl->Oeffne();
    Schule().SetzeAktivesFenster(auswahl);
    palette->MenusAnpassen();
    QAbstractButton* knopf = palette->Knopf(QStringLiteral("Manuell"));
    EXPECT_TRUE(knopf->isEnabled());
    knopf->click();
    auto* form = dynamic_cast<TManuellForm*>(Schule().ManuellFenster());
    if (form != nullptr) Aktiviere(*form);
    return form;
  }
  void Aktiviere(TManuellForm& form) {
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    Schule().SetzeAktivesFenster(static_cast<TKindFenster*>(&form));
  }
  // A key pressed where the window has its focus.
  void Taste(TManuellForm& form, Qt::Key taste, Qt::KeyboardModifiers m = {}) {
    Aktiviere(form);
    QWidget* fokus = QApplication::focusWidget();
    ASSERT_NE(fokus, nullptr);
    ASSERT_EQ(fokus->window(), &form);
    QTest::keyClick(fokus, taste, m);
  }
  void Version(int v) {
    popups.WaehleText(QString::number(v));
    palette->VersKnopfClick();
    ASSERT_EQ(standard.AktuelleVersion(), v);
  }
  // "Voreinstellungen" > "Pläne": the manual windows' layout chosen, then "Ok".
  void Layout(const QString& text) {
    dialoge.Bediene(QStringLiteral("PlnStandardForm"), [this, text](TKvDialog& d) {
      popups.WaehleText(text);
      dynamic_cast<TPlnStandardForm&>(d).ManWechselKnopf()->click();
      d.Knopf(QStringLiteral("Ok"))->click();
    });
    Menue(MenuePfad::VorPlaene);
  }
  void Schliesse(TManuellForm* form) {
    dialoge.Antworte(QStringLiteral("Manuellfenster schließen"), mrJa);
    EXPECT_TRUE(form->SchliesseFrage());
  }

  TGebauteSchule dateien{BaueSchule};
};

// Acting on every version, De is complete in version 1 only: Shift passes over it there, not in
// version 2.
TEST_F(ManuellFensterTest, ShiftUebergehtKurseDieInDerGezeigtenVersionVollSind) {
  standard.SetNurAktuelleVersion(false);
  TManuellForm* form = OeffneManuell();
  ASSERT_NE(form, nullptr);
  TKurs *de = Kurs(1), *ma = Kurs(2), *en = Kurs(3);
  ASSERT_EQ(form->AktKurs(), de);
  ASSERT_LT(de->GesetzteStunden(-1), de->Stunden(-1)) << "open over all versions";
  Schule().SetzeGeaendert(false);

  Taste(*form, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(form->AktKurs(), ma);
  Taste(*form, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(form->AktKurs(), en);
  Taste(*form, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(form->AktKurs(), ma) << "De has its hours in the version shown";
  Taste(*form, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(form->AktKurs(), en);
  // Without Shift every course comes in turn.
  Taste(*form, Qt::Key_Right);
  EXPECT_EQ(form->AktKurs(), de);

  Version(2);
  Taste(*form, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(form->AktKurs(), en);
  Taste(*form, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(form->AktKurs(), de) << "De is open in version 2";
  EXPECT_FALSE(Schule().Geaendert()) << "stepping changes nothing";
  Schliesse(form);
}

// Moved by the user, the window stays there when the views are refreshed ("Zeiten" Ok, another
// version, "Kürzel" Ok); a new layout changes its size, not its place.
TEST_F(ManuellFensterTest, AktualisierenLaesstDasFensterWoEsSteht) {
  TManuellForm* form = OeffneManuell();
  ASSERT_NE(form, nullptr);
  // The palette checks where a new window went once it is framed; then the user moves it.
  QTest::qWait(250);
  const QPoint ort(30, palette->frameGeometry().bottom() + 40);
  form->move(ort);
  ASSERT_EQ(form->frameGeometry().topLeft(), ort);
  const QSize groesse = form->size();

  dialoge.Bediene(QStringLiteral("ZeitForm"), [](TKvDialog& d) { d.Knopf(QStringLiteral("Ok"))->click(); });
  Menue(MenuePfad::VorZeiten);
  EXPECT_EQ(form->frameGeometry().topLeft(), ort) << "Zeiten";
  Version(2);
  EXPECT_EQ(form->frameGeometry().topLeft(), ort) << "version 2";
  EXPECT_EQ(form->size(), groesse);
  dialoge.Bediene(QStringLiteral("KueForm"),
                  [](TKvDialog& d) { dynamic_cast<TKueForm&>(d).OkKnopf()->click(); });
  Menue(MenuePfad::Kuerzel);
  EXPECT_EQ(form->frameGeometry().topLeft(), ort) << "Kürzel";

  Layout(QStringLiteral("3 quer"));
  ASSERT_EQ(form->Gitterzahl(), 3);
  EXPECT_EQ(form->frameGeometry().topLeft(), ort) << "3 quer";
  EXPECT_GT(form->height(), groesse.height());

  // Dragged with its title bar under the palette, which stays on top, a refresh leaves it there
  // and a new layout brings it out.
  const QRect pal = palette->frameGeometry();
  const QPoint unter(pal.left() + 20, pal.top() + pal.height() / 2);
  form->move(unter);
  dialoge.Bediene(QStringLiteral("ZeitForm"), [](TKvDialog& d) { d.Knopf(QStringLiteral("Ok"))->click(); });
  Menue(MenuePfad::VorZeiten);
  EXPECT_EQ(form->frameGeometry().topLeft(), unter);
  Layout(QStringLiteral("2 hoch"));
  ASSERT_EQ(form->Gitterzahl(), 2);
  EXPECT_EQ(form->frameGeometry().left(), pal.left() + 20);
  EXPECT_GT(form->frameGeometry().top(), pal.bottom());
  Schliesse(form);
}

// "Datei schließen" asks what closing the window asks: "Nein" keeps window and file, "Ja" closes
// both.
TEST_F(ManuellFensterTest, DateiSchliessenFragtWieDasSchliessenDesFensters) {
  TManuellForm* form = OeffneManuell();
  ASSERT_NE(form, nullptr);
  Schule().SetzeGeaendert(false);
  dialoge.Antworte(QStringLiteral("Manuellfenster schließen"), mrNein);
  Menue(MenuePfad::DateiSchliessen);
  EXPECT_TRUE(dialoge.AllesBeantwortet());
  EXPECT_TRUE(palette->DateiOffen());
  EXPECT_EQ(Schule().ManuellFenster(), static_cast<IManuellFenster*>(form));
  for (const std::string& f : PruefeModell(Schule())) ADD_FAILURE() << f;

  // A changed school: the window first, then the data.
  Schule().SetzeGeaendert(true);
  dialoge.Antworte(QStringLiteral("Manuellfenster schließen"), mrJa);
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrNein);
  Menue(MenuePfad::DateiSchliessen);
  EXPECT_FALSE(palette->DateiOffen());
  EXPECT_EQ(Schule().ManuellFenster(), nullptr);
}

// Deleting the current course's class in "Kürzel": the course shows its teacher in the first grid
// as a course without classes does, and a larger layout adds its room.
TEST_F(ManuellFensterTest, GeloeschteKlasseZeigtDenLehrerImErstenGitter) {
  TManuellForm* form = OeffneManuell();
  ASSERT_NE(form, nullptr);
  TKurs* de = Kurs(1);
  TPlanElement* mue = de->Lehrer();
  TPlanElement* r1 = de->Raeume().Hole(1);
  ASSERT_EQ(form->GitterElement(0), static_cast<TPlanElement*>(de->Klassen().Hole(1)));

  dialoge.Bediene(QStringLiteral("KueForm"), [this](TKvDialog& d) {
    auto& kuerzel = dynamic_cast<TKueForm&>(d);
    kuerzel.ArtGruppe()->button(1)->click();
    kuerzel.KueFeld()->clear();
    QTest::keyClicks(kuerzel.KueFeld(), QStringLiteral("5a"));
    dialoge.Antworte(QStringLiteral("Kürzel löschen"), mrJa);
    kuerzel.LoeschKnopf()->click();
    kuerzel.OkKnopf()->click();
  });
  Menue(MenuePfad::Kuerzel);
  ASSERT_TRUE(Schule().Klassen().Leer());
  ASSERT_EQ(form->AktKurs(), de);
  EXPECT_EQ(form->GitterElement(0), mue);
  EXPECT_EQ(form->Gitter(0)->Text(0, 0), QStringLiteral("L"));
  EXPECT_EQ(form->PanelTitel(0), QStringLiteral("MUE"));
  EXPECT_EQ(form->Zellen(0).Marke(2, 3), TMarke::Gesperrt) << "the teacher's plan is filled";

  Layout(QStringLiteral("3 quer"));
  EXPECT_EQ(form->GitterElement(0), mue);
  EXPECT_EQ(form->GitterElement(1), r1);
  EXPECT_EQ(form->GitterElement(2), nullptr);
  EXPECT_EQ(form->Gitter(1)->Text(0, 0), QStringLiteral("A"));
  EXPECT_EQ(form->Gitter(2)->Text(0, 0), QStringLiteral(" "));
  Schliesse(form);
}

// Freshly opened, the arrow keys step through the courses, also where a button of the left box
// has the focus; they never move the focus between the buttons.
TEST_F(ManuellFensterTest, PfeiltastenBlaetternVomOeffnenAn) {
  TManuellForm* form = OeffneManuell();
  ASSERT_NE(form, nullptr);
  TKurs *de = Kurs(1), *ma = Kurs(2), *en = Kurs(3);
  ASSERT_EQ(form->AktKurs(), de);
  Taste(*form, Qt::Key_Right);
  EXPECT_EQ(form->AktKurs(), ma);
  EXPECT_EQ(QApplication::focusWidget(), form->Gitter(0)) << "the window starts with its plan";

  form->FachKnopf->setFocus();
  Taste(*form, Qt::Key_Right);
  EXPECT_EQ(form->AktKurs(), en);
  EXPECT_EQ(QApplication::focusWidget(), form->FachKnopf);
  Taste(*form, Qt::Key_Left);
  EXPECT_EQ(form->AktKurs(), ma);
  EXPECT_EQ(QApplication::focusWidget(), form->FachKnopf);
  Schliesse(form);
}

}  // namespace
}  // namespace kolvar
