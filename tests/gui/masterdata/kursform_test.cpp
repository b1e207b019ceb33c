// The course editor reached through the palette: a double click in a plan or a workload opens it
// (and reuses it), the teacher of a placed course changes only with its hours out of the plans,
// hours step by the plan versions and stop at what a version has placed, the lock grid redraws
// the manual window, rooms are added, reordered and removed by tool mode.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QValidator>

#include "ansicht/depzeilen.h"
#include "app/dateibefehle.h"
#include "app/fensterverwaltung.h"
#include "app/frageform.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "masterdata/kursform.h"
#include "masterdata/kursformfenster.h"
#include "masterdata/sperrung.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/ablage.h"
#include "platform/dienste.h"
#include "platform/fensterartregister.h"
#include "platform/gitter.h"
#include "platform/spaltenmenue.h"
#include "support/modellpruefung.h"
#include "views/depform.h"
#include "views/deputatfenster.h"
#include "views/manuellform.h"
#include "views/planfenster.h"
#include "views/plnform.h"

namespace kolvar {
namespace {

// MUE (no subject) 5a R101, 3 hours a version, placed Monday 1 and Tuesday 2 in version 1;
// SCH Ma 5b, placed Monday 1; BER De 5a and BER Ma 5b in coupling K1, not placed.
void BaueSchule(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  TLehrer* sch = s.NeuerLehrer("SCH");
  TLehrer* ber = s.NeuerLehrer("BER");
  TKlasse* a = s.NeueKlasse("5a");
  TKlasse* b = s.NeueKlasse("5b");
  TFach* ma = s.NeuesFach("Ma");
  TFach* de = s.NeuesFach("De");
  TRaum* r101 = s.NeuerRaum("R101");
  s.NeuerRaum("R102");
  s.NeuerRaum("TH");
  TKurs* k = s.ErzeugeKurs(mue, a, nullptr, nullptr, r101, 3);
  k->Setze(1, 1, r101, 1);
  k->Setze(1, 2, r101, 2);
  s.ErzeugeKurs(sch, b, nullptr, ma, nullptr, 3)->Setze(1, 1, nullptr, 1);
  s.ErzeugeKurs(ber, a, nullptr, de, nullptr, 2);
  s.ErzeugeKurs(ber, b, s.NeueKopplung("K1"), ma, nullptr, 2);
  s.SetzeGeaendert(false);
}

void Maus(QWidget* ziel, QEvent::Type art, QPoint ort, Qt::MouseButton knopf, Qt::MouseButtons knoepfe,
          Qt::KeyboardModifiers tasten = {}) {
  QMouseEvent e(art, QPointF(ort), QPointF(ziel->mapToGlobal(ort)), knopf, knoepfe, tasten);
  QApplication::sendEvent(ziel, &e);
}

void Doppelklick(TGitter* g, int spalte, int zeile, Qt::KeyboardModifiers tasten = {}) {
  const QPoint ort = g->ZellRechteck(spalte, zeile).center();
  Maus(g->viewport(), QEvent::MouseButtonPress, ort, Qt::LeftButton, Qt::LeftButton, tasten);
  Maus(g->viewport(), QEvent::MouseButtonRelease, ort, Qt::LeftButton, Qt::NoButton, tasten);
  Maus(g->viewport(), QEvent::MouseButtonDblClick, ort, Qt::LeftButton, Qt::LeftButton, tasten);
  Maus(g->viewport(), QEvent::MouseButtonRelease, ort, Qt::LeftButton, Qt::NoButton, tasten);
}

class KursFormTest : public GuiTest {
 protected:
  void Start(int versionen = 1) {
    dateien.versionen = versionen;
    BauePalette(dateien);
    ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~KursFormTest() override {
    if (palette) {
      const auto fehler = PruefeModell(palette->Schule());
      EXPECT_TRUE(fehler.empty()) << ::testing::PrintToString(fehler);
    }
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    palette.reset();
  }
  TSchule& Sch() { return palette->Schule(); }
  TKurs* Kurs(const char* lehrer) {
    for (TKurs* k : Sch().Kurse())
      if (k->Lehrer() != nullptr && k->Lehrer()->Kuerzel() == lehrer) return k;
    return nullptr;
  }
  TKursForm* Form() { return dynamic_cast<TKursForm*>(Sch().EinzelFenster(FensterArt::Kurs)); }
  TKursForm* Oeffne(TKurs* k) {
    return OeffneKursForm(palette->FensterArten(), Sch(), *k, {Sch().Kurse().begin(), Sch().Kurse().end()});
  }
  void Menue(const char* kuerzel, int index) {
    auto* menue = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QString::fromUtf8(kuerzel)));
    ASSERT_NE(menue, nullptr);
    menue->Waehle(index);
  }

  TGebauteSchule dateien{BaueSchule};
};

TEST_F(KursFormTest, DoppelklickInPlanUndDeputatOeffnetUndNimmtDenEditorWieder) {
  Start();
  palette->Knopf(QStringLiteral("Plan"))->click();
  Menue("Kl", 0);
  auto* plan = dynamic_cast<TPlnForm*>(Sch().Klassen().Hole(1)->PlnForm());
  ASSERT_NE(plan, nullptr);
  Sch().SetzeAktivesFenster(plan);
  // Ctrl opens the element windows, not the editor.
  Doppelklick(plan->PlnGrid, 2, 2, Qt::ControlModifier);
  EXPECT_EQ(Form(), nullptr);
  Doppelklick(plan->PlnGrid, 2, 2);
  TKursForm* form = Form();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Kurs(), Kurs("MUE"));
  EXPECT_EQ(form->Caption(), QStringLiteral("Kurs"));
  EXPECT_EQ(form->LehrerFeld->text(), QStringLiteral("MUE"));
  EXPECT_EQ(form->VerplantFeld->text(), QStringLiteral("2"));
  EXPECT_EQ(form->RaGrid->Text(0, 0), QStringLiteral("R101"));
  EXPECT_FALSE(Sch().Geaendert()) << "opening fills every control without changing the course";

  // The workload of 5a: its second row (BER De) in the same window; the arrows step through
  // 5a's courses.
  palette->Knopf(QStringLiteral("Dep"))->click();
  Menue("Kl", 0);
  auto* dep = dynamic_cast<TDepForm*>(Sch().Klassen().Hole(1)->DepForm());
  ASSERT_NE(dep, nullptr);
  int zeile = 1;
  while (zeile <= dep->Zeilen().Anzahl() && dep->KursIn(zeile) != Kurs("BER")) ++zeile;
  ASSERT_LE(zeile, dep->Zeilen().Anzahl());
  Doppelklick(dep->DepGrid, 0, zeile);
  EXPECT_EQ(Form(), form);
  EXPECT_EQ(form->Kurs(), Kurs("BER"));
  EXPECT_EQ(form->FachFeld->text(), QStringLiteral("De"));
  Sch().SetzeAktivesFenster(form);
  palette->ClickRechts();
  EXPECT_EQ(form->Kurs(), Kurs("MUE"));
  palette->ClickRechts();
  EXPECT_EQ(form->Kurs(), Kurs("BER"));
  EXPECT_FALSE(Sch().Geaendert());

  // The course goes: its editor closes.
  Sch().LoescheKurs(Kurs("BER"));
  EXPECT_EQ(Form(), nullptr);
}

// "+K" in a teacher's plan makes a course for him and shows it in the editor.
TEST_F(KursFormTest, NeuerKursOeffnetSichImEditor) {
  Start();
  palette->Knopf(QStringLiteral("Plan"))->click();
  Menue("Le", 0);
  TLehrer* mue = Sch().Lehrer().Hole(1);
  auto* plan = dynamic_cast<TPlnForm*>(mue->PlnForm());
  ASSERT_NE(plan, nullptr);
  Sch().SetzeAktivesFenster(plan);
  palette->MenusAnpassen();
  const int vorher = Sch().Kurse().Anzahl();
  palette->Knopf(QStringLiteral("NeueUE"))->click();
  ASSERT_EQ(Sch().Kurse().Anzahl(), vorher + 1);
  TKursForm* form = Form();
  ASSERT_NE(form, nullptr);
  ASSERT_NE(form->Kurs(), nullptr);
  EXPECT_EQ(form->Kurs()->Lehrer(), mue);
  EXPECT_EQ(form->Kurs()->Setzungen().Anzahl(), 0);
  EXPECT_EQ(form->LehrerFeld->text(), QStringLiteral("MUE"));
}

// A placed course's teacher. "Nein" keeps everything; "Ja" takes its hours
// out of the plans and gives it the new teacher, whose plan gets nothing it did not have.
TEST_F(KursFormTest, LehrerWechselnWaehrendVerplant) {
  Start();
  TKurs* k = Kurs("MUE");
  TLehrer* mue = k->Lehrer();
  TLehrer* sch = Sch().Lehrer().Hole(2);
  TKursForm* form = Oeffne(k);
  form->WaehleFeld(TKursFeld::Lehrer);
  popups.WaehleText(QStringLiteral("SCH"));
  dialoge.Antworte(QStringLiteral("Kurs ist verplant"), mrNein);
  form->KueKnopfClick();
  EXPECT_EQ(k->Lehrer(), mue);
  EXPECT_EQ(k->Setzungen().Anzahl(), 2);
  EXPECT_TRUE(mue->Belegung().Belegt(1, 1, 1));
  EXPECT_FALSE(Sch().Geaendert());

  popups.WaehleText(QStringLiteral("SCH"));
  dialoge.Antworte(QStringLiteral("Kurs ist verplant"), mrJa);
  form->KueKnopfClick();
  EXPECT_EQ(k->Lehrer(), sch);
  EXPECT_TRUE(k->Setzungen().Leer());
  EXPECT_FALSE(mue->Belegung().Belegt(1, 1, 1));
  EXPECT_FALSE(mue->Belegung().Belegt(1, 2, 2));
  EXPECT_TRUE(sch->Belegung().Belegt(1, 1, 1)) << "SCH keeps his own lesson";
  EXPECT_FALSE(sch->Belegung().Belegt(1, 2, 2));
  EXPECT_EQ(form->LehrerFeld->text(), QStringLiteral("SCH"));
  EXPECT_EQ(form->VerplantFeld->text(), QStringLiteral("0"));
  EXPECT_TRUE(form->nvpCheck->isEnabled());
  EXPECT_TRUE(Sch().Geaendert());

  // A double click on the field takes the teacher off, in "Löschen" mode only.
  auto doppelt = [&] {
    const QPoint mitte = form->LehrerFeld->rect().center();
    Maus(form->LehrerFeld, QEvent::MouseButtonDblClick, mitte, Qt::LeftButton, Qt::LeftButton);
  };
  doppelt();
  EXPECT_EQ(k->Lehrer(), sch);
  Sch().SetzeModus(Modus::Loeschen);
  doppelt();
  EXPECT_EQ(k->Lehrer(), nullptr);
  EXPECT_TRUE(form->LehrerFeld->text().isEmpty());
  Sch().SetzeModus(Modus::Zeigen);
}

// Coupling a course whose teacher the coupling has already tells so, then couples it.
TEST_F(KursFormTest, KopplungMitDoppeltemLehrer) {
  Start();
  TKurs* k = Kurs("BER");
  ASSERT_EQ(k->Kopplung(), nullptr);
  TKursForm* form = Oeffne(k);
  form->WaehleFeld(TKursFeld::Kopplung);
  popups.WaehleText(QStringLiteral("K1"));
  dialoge.Bediene(QStringLiteral("Lehrer doppelt in Kopplung"), [](TKvDialog& d) {
    EXPECT_EQ(dynamic_cast<TFrageForm&>(d).Zeilen(),
              (QStringList{"Lehrer", "BER", "ist mehrfach in", "Kopplung", "K1"}));
  });
  form->KueKnopfClick();
  ASSERT_NE(k->Kopplung(), nullptr);
  EXPECT_EQ(form->Kopplfeld->text(), QStringLiteral("K1"));
}

TEST_F(KursFormTest, FarbeUndInfo) {
  Start();
  TKurs* k = Kurs("BER");
  TKursForm* form = Oeffne(k);
  form->SetzeFarbWahl([](uint32_t& farbe) {
    farbe = 0x0000FF;
    return true;
  });
  form->FarbKnopf->click();
  EXPECT_EQ(k->Farbe(), 0x0000FFu);
  EXPECT_EQ(form->FarbFeld->palette().color(QPalette::Window), QColor(255, 0, 0));
  form->SetzeFarbWahl([](uint32_t&) { return false; });
  form->FarbKnopf->click();
  EXPECT_EQ(k->Farbe(), 0x0000FFu) << "cancelled";
  // What the school file cannot hold is never typed; more than 21 characters neither.
  QString text = QStringLiteral("Förder\u4e2d");
  int pos = 0;
  EXPECT_EQ(form->InfoFeld->validator()->validate(text, pos), QValidator::Invalid);
  form->InfoFeld->setFocus();
  QTest::keyClicks(form->InfoFeld, QStringLiteral("Foerderkurs fuer alle Klassen"));
  EXPECT_EQ(k->Info(), "Foerderkurs fuer alle");
  form->InfoFeld->setSelection(0, 11);
  palette->FensterArten().FuehreAus(TFensterBefehl::Kopieren, *form);
  EXPECT_EQ(ablage.Text(), QStringLiteral("Foerderkurs"));
}

// Whatever field of the editor changes, the open workload of the course's class shows it at once:
// the edits tell the windows, the editor adds nothing of its own.
TEST_F(KursFormTest, EveryFieldShowsAtOnceInTheOpenWorkload) {
  standard.DeputatFenster.mzi = true;
  Start();
  palette->Knopf(QStringLiteral("Dep"))->click();
  Menue("Kl", 0);
  auto* dep = dynamic_cast<TDepForm*>(Sch().Klassen().Hole(1)->DepForm());
  ASSERT_NE(dep, nullptr);
  TKurs* k = Kurs("BER");
  TKursForm* form = Oeffne(k);
  const auto gezeigt = [&](TKursFeld feld) {
    const TDepZeilen& z = dep->Zeilen();
    for (int zeile = 1; zeile <= z.Anzahl(); ++zeile)
      if (z.Kurs(zeile) == k && z.SpalteVon(feld) >= 0)
        return z.Texte(zeile).at(static_cast<std::size_t>(z.SpalteVon(feld)));
    return std::string("?");
  };
  const auto erwarte = [&](std::initializer_list<TKursFeld> felder, const char* was) {
    for (TKursFeld feld : felder)
      EXPECT_EQ(gezeigt(feld), TDepZeilen::Zelle(*k, feld, standard)) << was << " " << static_cast<int>(feld);
  };
  form->FaktorSpin->setValue(3);
  erwarte({TKursFeld::Faktor, TKursFeld::Wert}, "Faktor");
  form->StdSpin->setValue(5);
  erwarte({TKursFeld::Std, TKursFeld::Wert}, "Stunden");
  form->SpTSpin->setValue(2);
  erwarte({TKursFeld::SproT, TKursFeld::Ez}, "Std/Tag");
  form->EinzelSpin->setValue(3);
  erwarte({TKursFeld::Ez}, "Einzelne");
  form->TabelleSpin->setValue(3);
  erwarte({TKursFeld::Tab}, "Tabelle");
  EXPECT_EQ(gezeigt(TKursFeld::Tab), "3");
  // A room taken by "Kürzel" shows too; the course has none yet.
  form->WaehleFeld(TKursFeld::Raeume);
  popups.WaehleText(QStringLiteral("TH"));
  form->KueKnopfClick();
  EXPECT_EQ(gezeigt(TKursFeld::Raeume), "TH");
  EXPECT_TRUE(Sch().Geaendert());
}

TEST_F(KursFormTest, StundenSchrittMitAllenVersionen) {
  standard.SetNurAktuelleVersion(false);
  Start(3);
  standard.SetNurAktuelleVersion(false);
  TKurs* k = Kurs("MUE");
  TKursForm* form = Oeffne(k);
  EXPECT_EQ(form->StdSpin->value(), 9);
  EXPECT_EQ(form->StdSpin->singleStep(), 3);
  EXPECT_EQ(form->StdSpin->maximum(), 336);
  form->StdSpin->stepUp();
  EXPECT_EQ(k->StundenTabelle().Stunden(2), 4);
  EXPECT_EQ(form->StdSpin->value(), 12);
  EXPECT_EQ(form->WertFeld->text().trimmed(), QString::fromStdString(KursWertText(*k)));
  // Version 1 has two placed hours: down to 6 (2 each) is fine, 3 (1 each) is refused though
  // the sum of placed hours (2) would fit.
  form->StdSpin->stepDown();
  form->StdSpin->stepDown();
  EXPECT_EQ(form->StdSpin->value(), 6);
  form->StdSpin->setValue(3);
  EXPECT_EQ(form->StdSpin->value(), 6);
  EXPECT_EQ(k->StundenTabelle().Stunden(1), 2);
  EXPECT_EQ(k->StundenTabelle().Stunden(3), 2);
  // "Std/Tag" 2 with 2 hours a version leaves no single hour.
  form->SpTSpin->setValue(2);
  EXPECT_EQ(k->StundenProTag(), 2);
  EXPECT_EQ(form->EinzelSpin->value(), 0);
  EXPECT_FALSE(form->nvpCheck->isEnabled());
}

// A drag on the lock grid locks the course there and redraws the manual window showing it.
TEST_F(KursFormTest, SperrungZeichnetDasManuelleFensterNeu) {
  Start();
  struct TZaehler : TManuellForm {
    using TManuellForm::TManuellForm;
    int n = 0;
    void NeuZeichnen() override {
      ++n;
      TManuellForm::NeuZeichnen();
    }
  };
  TKurs* k = Kurs("BER");
  auto* manuell = new TZaehler(Sch(), palette.get(), palette.get());
  manuell->MitKursliste({k}, false);
  manuell->Oeffne();
  TKursForm* form = Oeffne(k);
  const int vorher = manuell->n;
  QWidget* g = form->Sperrung->Gitter();
  Maus(g, QEvent::MouseButtonPress, form->Sperrung->ZellRechteck(3, 1).center(), Qt::LeftButton,
       Qt::LeftButton);
  Maus(g, QEvent::MouseButtonRelease, form->Sperrung->ZellRechteck(3, 2).center(), Qt::LeftButton,
       Qt::NoButton);
  EXPECT_TRUE(k->Sperrung().Belegt(1, 3, 1));
  EXPECT_TRUE(k->Sperrung().Belegt(1, 3, 2));
  EXPECT_TRUE(Sch().Geaendert());
  EXPECT_GT(manuell->n, vorher);
  manuell->Schliesse();
}

TEST_F(KursFormTest, RaeumeHinzufuegenOrdnenUndEntfernenNachModus) {
  Start();
  TKurs* k = Kurs("MUE");
  TKursForm* form = Oeffne(k);
  form->WaehleFeld(TKursFeld::Raeume);
  popups.WaehleText(QStringLiteral("TH"));
  form->KueKnopfClick();
  ASSERT_EQ(k->Raeume().Anzahl(), 2);
  EXPECT_EQ(k->Raeume().Hole(2)->Kuerzel(), "TH");
  EXPECT_EQ(form->RaGrid->Text(0, 1), QStringLiteral("TH"));

  // Dragging in "Zeigen" mode does nothing; in "Schieben" mode the rows change places.
  TGitter* g = form->RaGrid;
  auto ziehe = [&] {
    Maus(g->viewport(), QEvent::MouseButtonPress, g->ZellRechteck(0, 0).center(), Qt::LeftButton,
         Qt::LeftButton);
    Maus(g->viewport(), QEvent::MouseMove, g->ZellRechteck(0, 1).center(), Qt::NoButton, Qt::LeftButton);
    Maus(g->viewport(), QEvent::MouseButtonRelease, g->ZellRechteck(0, 1).center(), Qt::LeftButton,
         Qt::NoButton);
  };
  ziehe();
  EXPECT_EQ(k->Raeume().Hole(1)->Kuerzel(), "R101");
  Sch().SetzeModus(Modus::Schieben);
  ziehe();
  EXPECT_EQ(k->Raeume().Hole(1)->Kuerzel(), "TH");
  EXPECT_EQ(form->RaGrid->Text(0, 0), QStringLiteral("TH"));

  // A double click removes only in "Löschen" mode; R101 holds placements, so it asks.
  Sch().SetzeModus(Modus::Zeigen);
  Doppelklick(g, 0, 0);
  EXPECT_EQ(k->Raeume().Anzahl(), 2);
  Sch().SetzeModus(Modus::Loeschen);
  Doppelklick(g, 0, 0);
  EXPECT_EQ(k->Raeume().Anzahl(), 1);
  Sch().SetzeModus(Modus::Zeigen);
}

}  // namespace
}  // namespace kolvar
