// The master-data editors reached through the palette: opened from a plan by the view button,
// stepped with "Nächster" and the arrow keys, locks dragged, courses stepped and deleted, class
// teachers, home room and take-over through their dialogs, tables and subjects.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/fensterverwaltung.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuform.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "masterdata/fagrform.h"
#include "masterdata/grfenster.h"
#include "masterdata/klgrform.h"
#include "masterdata/kogrform.h"
#include "masterdata/legrform.h"
#include "masterdata/ragrform.h"
#include "masterdata/sperrung.h"
#include "masterdata/uebernahmeform.h"
#include "masterdata/uvgrform.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uvtab.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "platform/spaltenmenue.h"
#include "support/modellpruefung.h"
#include "views/planfenster.h"
#include "views/plnform.h"

namespace kolvar {
namespace {

// MUE and SCH; 5a (room R1) and 5b; De and Ma; MUE De 5a (3, one hour placed), SCH Ma 5a (2),
// MUE Ma 5b (4); a table over 5a and De.
void Baue(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  TLehrer* sch = s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TKlasse* b = s.NeueKlasse("5b");
  TRaum* r1 = s.NeuerRaum("R1");
  s.NeuerRaum("R2");
  TFach* de = s.NeuesFach("De");
  TFach* ma = s.NeuesFach("Ma");
  s.NeuesFach("En");
  s.NeueKopplung("KO");
  a->SetzeRaum(r1);
  mue->FuegeFachHinzu(de);
  TKurs* k = s.ErzeugeKurs(mue, a, nullptr, de, r1, 3);
  k->Setze(1, 2, r1, 2);
  s.ErzeugeKurs(sch, a, nullptr, ma, r1, 2);
  s.ErzeugeKurs(mue, b, nullptr, ma, nullptr, 4);
  TUVTab* uv = s.NeueUVTab("UV");
  uv->FuegeKlasseHinzu(a);
  uv->FuegeFachHinzu(de);
}

void Maus(QWidget* w, QEvent::Type typ, QPoint punkt, Qt::MouseButton knopf, Qt::MouseButtons gehalten) {
  QMouseEvent e(typ, punkt, w->mapToGlobal(punkt), knopf, gehalten, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

void Taste(QWidget* w, int taste) {
  QKeyEvent e(QEvent::KeyPress, taste, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

class GrunddatenTest : public GuiTest {
 protected:
  GrunddatenTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~GrunddatenTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(PruefeModell(S()).empty());
    palette.reset();
  }
  TSchule& S() const { return palette->Schule(); }
  // The element's editor through the palette's opener, made the active window.
  template <class Form>
  Form* Oeffne(TElement* e) {
    palette->Oeffner().OeffneElement(0, e, 0);
    auto* f = dynamic_cast<Form*>(e->GrForm());
    if (f != nullptr) Aktiviere(f);
    return f;
  }
  void Aktiviere(IFenster* f) {
    S().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
  }
  TKlasse* Klasse(int i) const { return S().Klassen().Hole(i); }
  TLehrer* Lehrer(int i) const { return S().Lehrer().Hole(i); }

  TGebauteSchule dateien{Baue};
};

TEST_F(GrunddatenTest, AusDemPlanOeffnenUndBlaettern) {
  palette->Knopf(QStringLiteral("Plan"))->click();
  auto* kl = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Kl")));
  ASSERT_NE(kl, nullptr);
  kl->Waehle(0);
  ASSERT_NE(Klasse(1)->PlnForm(), nullptr);
  Aktiviere(Klasse(1)->PlnForm());
  palette->Knopf(QStringLiteral("GrDat"))->click();
  EXPECT_EQ(Klasse(1)->PlnForm(), nullptr);
  auto* f = dynamic_cast<TKlGrForm*>(Klasse(1)->GrForm());
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->Caption(), QStringLiteral("Grunddaten 5a"));
  EXPECT_EQ(f->RaumFeld->text(), QStringLiteral("R1"));
  EXPECT_EQ(f->IstEinfachFeld->text(), QStringLiteral("( 5 )"));
  EXPECT_EQ(f->FaecherGrid->Zeilen(), 2);
  Aktiviere(f);
  // "Nächster", then the right arrow key in the lock grid: the same window goes on.
  palette->ClickRechts();
  EXPECT_EQ(Klasse(2)->GrForm(), f);
  EXPECT_EQ(Klasse(1)->GrForm(), nullptr);
  EXPECT_EQ(f->Caption(), QStringLiteral("Grunddaten 5b"));
  Taste(f->Sperrung()->Gitter(), Qt::Key_Right);
  EXPECT_EQ(Klasse(1)->GrForm(), f);
  // In the name field the arrows move the cursor.
  Taste(f->InfoFeld, Qt::Key_Right);
  EXPECT_EQ(Klasse(1)->GrForm(), f);
  QStringList eintraege;
  for (QAction* a : palette->Fenster().FensterAktionen()) eintraege << a->text();
  EXPECT_TRUE(eintraege.contains(QStringLiteral("Grunddaten 5a"))) << eintraege.join(',').toStdString();
  // A window the school file saved comes back beside the open one.
  palette->FensterWiederOeffnen(TFenster{.Art = FensterArt::RaGr, .Titel = "Grunddaten R2"});
  EXPECT_NE(dynamic_cast<TRaGrForm*>(S().Raeume().Hole(2)->GrForm()), nullptr);
  EXPECT_EQ(Klasse(1)->GrForm(), f);
  EXPECT_FALSE(S().Geaendert());
}

TEST_F(GrunddatenTest, SperreAufziehenUndNamen) {
  auto* f = Oeffne<TLeGrForm>(Lehrer(1));
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->FaecherGrid->Zeilen(), 2);  // De and Ma, the subjects of his courses
  QWidget* g = f->Sperrung()->Gitter();
  // Monday, periods 1 to 4; MUE's placed hour is on Tuesday.
  Maus(g, QEvent::MouseButtonPress, f->Sperrung()->ZellRechteck(1, 1).center(), Qt::LeftButton,
       Qt::LeftButton);
  Maus(g, QEvent::MouseMove, f->Sperrung()->ZellRechteck(1, 4).center(), Qt::NoButton, Qt::LeftButton);
  Maus(g, QEvent::MouseButtonRelease, f->Sperrung()->ZellRechteck(1, 4).center(), Qt::LeftButton,
       Qt::NoButton);
  for (int p = 1; p <= 5; ++p) EXPECT_EQ(Lehrer(1)->Sperrung().Belegt(1, 1, p), p <= 4) << p;
  EXPECT_TRUE(S().Geaendert());
  // The name takes only what the file holds, at most 21 characters.
  f->InfoFeld->setFocus();
  for (const QString& t : {QStringLiteral("Müller ☺"), QStringLiteral("Müller, Hans-Jürgen von Berg")}) {
    f->InfoFeld->clear();
    for (const QChar z : t) {
      QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(z));
      QApplication::sendEvent(f->InfoFeld, &e);
    }
  }
  EXPECT_EQ(Lehrer(1)->Name(), "Müller, Hans-Jürgen v");
}

TEST_F(GrunddatenTest, StundenSchrittBisZuDenGesetztenStunden) {
  auto* f = Oeffne<TKlGrForm>(Klasse(1));
  ASSERT_NE(f, nullptr);
  TKurs* de = f->KursIn(0)->Fach()->Kuerzel() == "De" ? f->KursIn(0) : f->KursIn(1);
  for (int z = 0; z < 2; ++z)
    if (f->KursIn(z) == de) f->FaecherGrid->SetzeZelle(0, z);
  f->StdSpinButton.Runter->click();
  f->StdSpinButton.Runter->click();
  EXPECT_EQ(de->Stunden(1), 1);
  f->StdSpinButton.Runter->click();
  EXPECT_EQ(de->Stunden(1), 1);
  f->StdSpinButton.Hoch->click();
  EXPECT_EQ(de->Stunden(1), 2);
  // The selection stays with the course through the rebuilds.
  EXPECT_EQ(f->KursIn(f->FaecherGrid->Zeile()), de);
  const int32_t soll = Klasse(1)->Soll(1);
  f->SollSpin.Hoch->click();
  EXPECT_EQ(Klasse(1)->Soll(1), soll + 1);
  EXPECT_EQ(f->SollFeld->text(), QStringLiteral("%1,0").arg(soll + 1));
}

TEST_F(GrunddatenTest, KursLoeschenUndElementLoeschen) {
  auto* f = Oeffne<TKlGrForm>(Klasse(1));
  ASSERT_NE(f, nullptr);
  palette->ModusSetzen(Modus::Loeschen);
  int zeile = f->KursIn(0)->Setzungen().Leer() ? 1 : 0;
  TKurs* verplant = f->KursIn(zeile);
  // A placed course asks first; "Nein" keeps it.
  dialoge.Antworte({}, mrNein);
  f->FaecherGridDblClick(zeile);
  EXPECT_EQ(Klasse(1)->Kurse().Anzahl(), 2);
  dialoge.Antworte({}, mrJa);
  f->FaecherGridDblClick(zeile);
  EXPECT_EQ(Klasse(1)->Kurse().Anzahl(), 1);
  EXPECT_FALSE(S().Kurse().Position(verplant));
  EXPECT_EQ(f->FaecherGrid->Zeilen(), 1);
  // The class goes with its last course: its editor closes.
  S().LoescheElement(Klasse(1));
  EXPECT_FALSE(S().IstAngemeldet(f));
  EXPECT_EQ(S().Klassen().Anzahl(), 1);
}

TEST_F(GrunddatenTest, KlassenlehrerNurMitWahl) {
  auto* f = Oeffne<TKlGrForm>(Klasse(1));
  ASSERT_NE(f, nullptr);
  popups.WaehleText(QStringLiteral("SCH"));
  f->Lehrer1Knopf->click();
  EXPECT_EQ(Klasse(1)->Lehrer1(), Lehrer(2));
  EXPECT_EQ(f->Lehrer1Feld->text(), QStringLiteral("SCH"));
  // Dismissed: unchanged; "ohne": none.
  popups.WaehleNichts();
  f->Lehrer1Knopf->click();
  EXPECT_EQ(Klasse(1)->Lehrer1(), Lehrer(2));
  popups.WaehleText(QStringLiteral("ohne"));
  f->Lehrer1Knopf->click();
  EXPECT_EQ(Klasse(1)->Lehrer1(), nullptr);
  EXPECT_EQ(f->Lehrer1Feld->text(), QStringLiteral("ohne"));
}

TEST_F(GrunddatenTest, KlassenraumWechselFragt) {
  auto* f = Oeffne<TKlGrForm>(Klasse(1));
  ASSERT_NE(f, nullptr);
  TRaum* r1 = S().Raeume().Hole(1);
  TRaum* r2 = S().Raeume().Hole(2);
  popups.WaehleText(QStringLiteral("R2"));
  dialoge.Antworte(QStringLiteral("Klasssenraumwechsel"), mrAbbrechen);
  f->RaumKnopf->click();
  EXPECT_EQ(Klasse(1)->Raum(), r1);
  popups.WaehleText(QStringLiteral("R2"));
  dialoge.Antworte(QStringLiteral("Klasssenraumwechsel"), mrJa);
  f->RaumKnopf->click();
  EXPECT_EQ(Klasse(1)->Raum(), r2);
  EXPECT_EQ(f->RaumFeld->text(), QStringLiteral("R2"));
  // The placed German hour keeps R1 beside R2; Maths moved over.
  for (const TKurs* k : Klasse(1)->Kurse()) {
    EXPECT_TRUE(k->Raeume().Position(r2));
    EXPECT_EQ(k->Raeume().Position(r1) != 0, !k->Setzungen().Leer());
  }
}

TEST_F(GrunddatenTest, UebernahmeUndVerbot) {
  auto* f = Oeffne<TKlGrForm>(Klasse(2));
  ASSERT_NE(f, nullptr);
  dialoge.Bediene(QStringLiteral("Übernahme"), [this](TKvDialog& d) {
    auto& form = dynamic_cast<TUebernahmeForm&>(d);
    popups.WaehleText(QStringLiteral("5a"));
    form.KlassenFeld->click();
    form.raumCheck->setChecked(true);
    form.Knopf(QStringLiteral("Ok"))->click();
  });
  f->UebernahmeKnopf->click();
  EXPECT_EQ(Klasse(2)->Kurse().Anzahl(), 2);
  for (const TKurs* k : Klasse(2)->Kurse()) {
    EXPECT_EQ(k->Lehrer(), nullptr);
    EXPECT_EQ(k->Raeume().Anzahl(), 0);  // 5b has no class room to put in place of R1
  }
  EXPECT_EQ(f->FaecherGrid->Zeilen(), 2);
  // 5a has a placed course: the stop box, nothing else.
  auto* a = Oeffne<TKlGrForm>(Klasse(1));
  dialoge.Klicke(QStringLiteral("Stop"), QStringLiteral("Ok"));
  a->UebernahmeKnopf->click();
  EXPECT_EQ(Klasse(1)->Kurse().Anzahl(), 2);
}

TEST_F(GrunddatenTest, TabelleUndFachUndKopplung) {
  TUVTab* uv = S().UVTabellen().Hole(1);
  auto* t = Oeffne<TUVGrForm>(uv);
  ASSERT_NE(t, nullptr);
  EXPECT_FALSE(S().Geaendert());
  EXPECT_TRUE(t->UVRadio->isChecked());
  EXPECT_EQ(t->LinksGroup->title(), QStringLiteral("Klassen"));
  EXPECT_EQ(t->RechtsKnopf->text(), QStringLiteral("Neues Fach"));
  // Adding what the table has only selects it.
  popups.WaehleText(QStringLiteral("5a"));
  t->LinksKnopf->click();
  EXPECT_EQ(uv->Klassen().Anzahl(), 1);
  popups.WaehleText(QStringLiteral("5b"));
  t->LinksKnopf->click();
  EXPECT_EQ(uv->Klassen().Anzahl(), 2);
  EXPECT_EQ(t->ElementIn(*t->LinksGrid, t->LinksGrid->Zeile()), Klasse(2));
  t->LKRadio->click();
  EXPECT_EQ(uv->Ausrichtung(), 0);
  EXPECT_EQ(t->LinksGroup->title(), QStringLiteral("Lehrer"));
  EXPECT_EQ(t->ElementIn(*t->LinksGrid, 0), nullptr);
  EXPECT_EQ(t->ElementIn(*t->RechtsGrid, 1), Klasse(2));
  t->UVRadio->click();
  EXPECT_EQ(t->ElementIn(*t->RechtsGrid, 0)->Kuerzel(), "De");
  palette->ModusSetzen(Modus::Loeschen);
  t->ListeDblClick(false, 1);
  EXPECT_EQ(uv->Klassen().Anzahl(), 1);

  auto* fa = Oeffne<TFaGrForm>(S().Faecher().Hole(2));
  ASSERT_NE(fa, nullptr);
  EXPECT_EQ(fa->KlassenGrid->Zeilen(), 2);
  EXPECT_EQ(fa->KlassenIstEinfachFeld->text(), QStringLiteral("( 6 )"));
  // A double click on a class of the subject opens its editor beside the subject's.
  Aktiviere(fa);
  fa->ListeDblClick(*fa->KlassenGrid, 1);
  EXPECT_NE(dynamic_cast<TKlGrForm*>(Klasse(2)->GrForm()), nullptr);
  EXPECT_EQ(S().Faecher().Hole(2)->GrForm(), fa);
  // The subject editor shows the element it is given; a subject taken up in a teacher's editor
  // shows there at once.
  auto* fe = Oeffne<TFaGrForm>(S().Faecher().Hole(3));
  ASSERT_NE(fe, nullptr);
  EXPECT_EQ(fe->ElementIn(*fe->LehrerGrid, 0), nullptr);  // no teacher has En as his subject
  auto* le = Oeffne<TLeGrForm>(Lehrer(2));
  popups.WaehleText(QStringLiteral("En"));
  le->FachKnopfClick(false);
  EXPECT_EQ(fe->ElementIn(*fe->LehrerGrid, 0), Lehrer(2));
  EXPECT_EQ(le->FachIn(le->FaecherGrid->Zeile())->Kuerzel(), "En");

  auto* ko = Oeffne<TKoGrForm>(S().Kopplungen().Hole(1));
  ASSERT_NE(ko, nullptr);
  EXPECT_EQ(ko->Caption(), QStringLiteral("Grunddaten KO"));
  auto* ra = Oeffne<TRaGrForm>(S().Raeume().Hole(2));
  ASSERT_NE(ra, nullptr);
  EXPECT_NE(ra->Sperrung(), nullptr);
}

TEST_F(GrunddatenTest, NeuerKursEinzelnUndKursMenue) {
  auto* f = Oeffne<TKlGrForm>(Klasse(2));
  ASSERT_NE(f, nullptr);
  // A dismissed subject pop-up makes nothing.
  popups.WaehleNichts();
  f->FachKnopf->click();
  EXPECT_EQ(Klasse(2)->Kurse().Anzahl(), 1);
  popups.WaehleText(QStringLiteral("De"));
  f->FachKnopf->click();
  ASSERT_EQ(Klasse(2)->Kurse().Anzahl(), 2);
  const TKurs* neu = f->KursIn(f->FaecherGrid->Zeile());
  ASSERT_NE(neu, nullptr);
  EXPECT_EQ(neu->Fach()->Kuerzel(), "De");
  EXPECT_EQ(neu->Lehrer(), nullptr);
  EXPECT_EQ(neu->Stunden(1), standard.kst);
  f->EinzelCheck->click();
  EXPECT_TRUE(Klasse(2)->Einzeln());
  // The course pop-up only in "Zeigen" and only in the active window.
  const int vorher = static_cast<int>(popups.Angebote().size());
  f->FaecherGridMouseUp(0);
  EXPECT_EQ(static_cast<int>(popups.Angebote().size()), vorher + 1);
  palette->ModusSetzen(Modus::Loeschen);
  f->FaecherGridMouseUp(0);
  palette->ModusSetzen(Modus::Zeigen);
  Aktiviere(nullptr);
  f->FaecherGridMouseUp(0);
  EXPECT_EQ(static_cast<int>(popups.Angebote().size()), vorher + 1);
}

TEST_F(GrunddatenTest, SchliessenNichtWaehrendDiePaletteWartet) {
  auto* f = Oeffne<TRaGrForm>(S().Raeume().Hole(1));
  ASSERT_NE(f, nullptr);
  palette->SetzeBeschaeftigt(true);
  EXPECT_FALSE(f->SchliesseFrage());
  palette->SetzeBeschaeftigt(false);
  EXPECT_TRUE(f->SchliesseFrage());
  EXPECT_EQ(S().Raeume().Hole(1)->GrForm(), nullptr);
}

// A double click on a teacher or class of the subject opens its window of the view group; the
// course pop-up of a single click waits until no second click can follow, so that it cannot take
// the double click's second press.
TEST_F(GrunddatenTest, DoppelklickInDenListenDesFachsOeffnetDasFensterStattDesKursmenues) {
  auto* fa = Oeffne<TFaGrForm>(S().Faecher().Hole(1));  // De: MUE; 5a
  ASSERT_NE(fa, nullptr);
  ASSERT_EQ(fa->ElementIn(*fa->LehrerGrid, 0), Lehrer(1));
  ASSERT_EQ(fa->ElementIn(*fa->KlassenGrid, 0), Klasse(1));
  const std::size_t angebote = popups.Angebote().size();
  DoppelKlicke(*fa->LehrerGrid, 0, 0);
  EXPECT_EQ(popups.Angebote().size(), angebote) << "no pop-up within the double click";
  EXPECT_NE(dynamic_cast<TLeGrForm*>(Lehrer(1)->GrForm()), nullptr);
  Aktiviere(fa);
  DoppelKlicke(*fa->KlassenGrid, 0, 0);
  EXPECT_NE(dynamic_cast<TKlGrForm*>(Klasse(1)->GrForm()), nullptr);
  WarteAufEinzelKlick();
  EXPECT_EQ(popups.Angebote().size(), angebote) << "nor after it";

  // A single click: MUE's one course in De, once the double-click time has passed.
  Aktiviere(fa);
  popups.WaehleNichts();
  KlickeZelle(*fa->LehrerGrid, 0, 0);
  EXPECT_EQ(popups.Angebote().size(), angebote);
  WarteAufEinzelKlick();
  ASSERT_EQ(popups.Angebote().size(), angebote + 1);
  EXPECT_EQ(popups.Angebote().back().texte.size(), 1);
}

}  // namespace
}  // namespace kolvar

namespace kolvar {

// The registry's builder is the only one: an editor it builds (as a saved window is reopened)
// offers the "Fächer" choice with Ctrl and opens the elements of its lists.
TEST_F(GrunddatenTest, EditorsBuiltByTheRegistryChooseAndOpenThroughThePalette) {
  auto* le = palette->FensterArten().Baue<TLeGrForm>(FensterArt::LeGr);
  ASSERT_NE(le, nullptr);
  le->Vorbereiten(Lehrer(2));
  le->Oeffne();
  Aktiviere(le);
  const int vorher = Lehrer(2)->Faecher().Anzahl();
  TFach* erstes = S().Faecher().Hole(1);
  const bool hatte = (Lehrer(2)->Faecher().Position(erstes) != 0);
  dialoge.Bediene(QStringLiteral("Fächer"), [](TKvDialog& d) {
    static_cast<TMenuForm&>(d).ZelleGeklickt(0, 0, Qt::NoModifier);
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  le->FachKnopfClick(true);
  EXPECT_TRUE((Lehrer(2)->Faecher().Position(erstes) != 0));
  EXPECT_EQ(Lehrer(2)->Faecher().Anzahl(), vorher + (hatte ? 0 : 1));

  auto* fa = palette->FensterArten().Baue<TFaGrForm>(FensterArt::FaGr);
  ASSERT_NE(fa, nullptr);
  fa->Vorbereiten(S().Faecher().Hole(2));
  fa->Oeffne();
  Aktiviere(fa);
  ASSERT_GE(fa->KlassenGrid->Zeilen(), 2);
  TElement* klasse = fa->ElementIn(*fa->KlassenGrid, 1);
  ASSERT_NE(klasse, nullptr);
  fa->ListeDblClick(*fa->KlassenGrid, 1);
  EXPECT_NE(dynamic_cast<TKlGrForm*>(klasse->GrForm()), nullptr);
}

}  // namespace kolvar
