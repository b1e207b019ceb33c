// The day list and the teacher choice with the mouse and keys as the user works them: the
// coupling pop-ups of a week in another plan version, the absence entry's element button, the
// empty day's row and the empty teacher list, a double click on a teacher who could give the hour
// "statt" his own, the choice window's height once a substitute is chosen, and long period labels.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "ansicht/wahlfenstermass.h"
#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "app/menuform.h"
#include "einstellungen/zeitform.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/datum.h"
#include "model/fach.h"
#include "model/fehl.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "substitution/fehlform.h"
#include "substitution/fehlzeit.h"
#include "substitution/tagesplan.h"
#include "substitution/vertretung.h"
#include "substitution/vertrform.h"
#include "substitution/vlewahlform.h"
#include "support/modellpruefung.h"
#include "support/vertretungspruefung.h"

namespace kolvar {
namespace {

constexpr int32_t kMontag = TagesNummer(2026, 3, 2);
constexpr int32_t kNaechsterMontag = kMontag + 7;

// Two plan versions; the week after kMontag's is in version 2. Monday, in both versions: MUE De
// 5a R1 (1), SCH Ma 5a R1 (2, the end of 5a's day), and the coupling K1 of MUE Re 5b and SCH Et
// 5b in 4, in R1 and R2 in version 1 but R3 and R4 in version 2. MUE is absent in 1 on kMontag
// and in 4 on the next Monday.
void BaueTag(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  TLehrer* sch = s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TKlasse* b = s.NeueKlasse("5b");
  TRaum* r1 = s.NeuerRaum("R1");
  TRaum* r2 = s.NeuerRaum("R2");
  TRaum* r3 = s.NeuerRaum("R3");
  TRaum* r4 = s.NeuerRaum("R4");
  TFach* de = s.NeuesFach("De");
  TFach* ma = s.NeuesFach("Ma");
  TFach* re = s.NeuesFach("Re");
  TFach* et = s.NeuesFach("Et");
  TKopplung* k1 = s.NeueKopplung("K1");
  TKurs* de5a = s.ErzeugeKurs(mue, a, nullptr, de, r1, 1);
  TKurs* ma5a = s.ErzeugeKurs(sch, a, nullptr, ma, r1, 1);
  TKurs* re5b = s.ErzeugeKurs(mue, b, k1, re, r1, 1);
  TKurs* et5b = s.ErzeugeKurs(sch, b, k1, et, r2, 1);
  for (TKurs* k : {de5a, ma5a, re5b, et5b}) k->SetzeStunden(0, 1);  // one hour in each version
  for (int v = 1; v <= 2; ++v) {
    de5a->Setze(v, 1, r1, 1);
    ma5a->Setze(v, 1, r1, 2);
  }
  re5b->Setze(1, 1, r1, 4);
  et5b->Setze(1, 1, r2, 4);
  re5b->Setze(2, 1, r3, 4);
  et5b->Setze(2, 1, r4, 4);
  s.SetzeWochenVersion(WochenIndex(kNaechsterMontag) + 1, 2);
  for (int v = 0; v < 2; ++v)
    for (int p = 1; p <= 16; ++p)
      s.Standard().sp[static_cast<std::size_t>(v)][static_cast<std::size_t>(p - 1)] = std::to_string(p) + ".";
  SetzeFehltStunde(*mue, kMontag, 1, true);
  SetzeFehltStunde(*mue, kNaechsterMontag, 4, true);
}

class WahlFensterTest : public GuiTest {
 protected:
  WahlFensterTest() {
    uhr.Setze(int64_t{kMontag} * 86400 + 8 * 3600);
    dateien.versionen = 2;
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/wahlfenster.kvr")));
  }
  ~WahlFensterTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(popups.Fehler().isEmpty()) << popups.Fehler().join(QLatin1Char('\n')).toStdString();
    const auto modell = PruefeModell(S());
    EXPECT_TRUE(modell.empty()) << ::testing::PrintToString(modell);
    const auto vertretungen = PruefeVertretungen(S());
    EXPECT_TRUE(vertretungen.empty()) << ::testing::PrintToString(vertretungen);
    palette.reset();
  }
  TSchule& S() { return palette->Schule(); }
  void Heute(int32_t tag) {
    uhr.Setze(int64_t{tag} * 86400 + 8 * 3600);
    palette->Menues().Aktion(MenuePfad::VertretungHeute)->trigger();
  }
  TVertrForm* Liste() { return dynamic_cast<TVertrForm*>(S().EinzelFenster(FensterArt::Vertr)); }
  TVLeWahlForm* LeWahl() { return dynamic_cast<TVLeWahlForm*>(S().EinzelFenster(FensterArt::VLeWahl)); }
  TLehrer* Lehrer(const char* k) {
    for (TLehrer* l : S().Lehrer())
      if (l->Kuerzel() == k) return l;
    return nullptr;
  }
  // A real double click on the day list's only record row: press, release, press, double click,
  // release, as the window system sends them.
  static void DoppelKlick(TGitter& g, QPoint ort) {
    QTest::mousePress(g.viewport(), Qt::LeftButton, {}, ort);
    QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, ort);
    QTest::mousePress(g.viewport(), Qt::LeftButton, {}, ort);
    QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, ort);
    QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, ort);
  }
  // The day list of the date with its one record's teacher choice open.
  TVLeWahlForm* OeffneWahl(int32_t tag) {
    Heute(tag);
    TVertrForm* f = Liste();
    if (f == nullptr || f->GetZeilenzahl() != 2) return nullptr;
    DoppelKlick(*f->VertrGrid, f->VertrGrid->ZellRechteck(VertrSpalte::Stunde, 1).center());
    return LeWahl();
  }
  // "Zeiten": the labels typed into periods 1 and 2 of the version shown, then "Ok".
  void Zeiten(const QString& erste, const QString& zweite) {
    dialoge.Bediene(QStringLiteral("ZeitForm"), [&](TKvDialog& d) {
      auto& zeiten = dynamic_cast<TZeitForm&>(d);
      zeiten.SetzeZelle(false, 1, erste);
      zeiten.SetzeZelle(false, 2, zweite);
      d.Knopf(QStringLiteral("Ok"))->click();
    });
    palette->Menues().Aktion(MenuePfad::VorZeiten)->trigger();
  }
  // The column shows the text whole, drawn `links` pixels into the cell.
  static void ErwarteGanz(const TGitter& g, int spalte, int links, const QString& text) {
    EXPECT_GE(g.SpaltenBreite(spalte) - links, QFontMetrics(g.font()).horizontalAdvance(text))
        << text.toStdString();
  }
  // The pixel of the row's cell in the column, inside its lines and beside any text.
  static QColor Ecke(TGitter& g, int spalte, int zeile) {
    QApplication::processEvents();
    return g.viewport()->grab().toImage().pixelColor(g.ZellRechteck(spalte, zeile).bottomRight() -
                                                     QPoint(3, 3));
  }
  QStringList LetztesAngebot() const {
    return popups.Angebote().empty() ? QStringList() : popups.Angebote().back().texte;
  }

  TGebauteSchule dateien{BaueTag};
};

// The record of the next Monday belongs to version 2 while version 1 is the current one: the
// coupling's pop-ups, in the day list and in the choice window's day plan, show version 2's rooms.
TEST_F(WahlFensterTest, KopplungDerVertretungZeigtDieVersionIhrerWoche) {
  ASSERT_EQ(S().Standard().AktuelleVersion(), 1);
  ASSERT_EQ(S().VersionDerWoche(kNaechsterMontag), 2);
  TVLeWahlForm* w = OeffneWahl(kNaechsterMontag);
  ASSERT_NE(w, nullptr);
  ASSERT_NE(w->Vertretung()->Setzung(), nullptr);
  EXPECT_EQ(w->Vertretung()->Setzung()->Version(), 2);
  TVertrForm* f = Liste();
  EXPECT_EQ(f->VertrGrid->Text(VertrSpalte::Raum, 1), QStringLiteral("R3"));
  const auto pruefe = [](const QStringList& texte) {
    ASSERT_EQ(texte.size(), 2) << texte.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(texte[0].trimmed().startsWith(QStringLiteral("1,0 (1) MUE"))) << texte[0].toStdString();
    EXPECT_TRUE(texte[0].endsWith(QStringLiteral(" K1 R3"))) << texte[0].toStdString();
    EXPECT_TRUE(texte[1].endsWith(QStringLiteral(" K1 R4"))) << texte[1].toStdString();
  };

  // The day plan of the choice window: MUE's Monday, the coupled lesson in 4.
  ASSERT_EQ(S().AktivesFenster(), w);
  TGitter& plan = *w->Tagesplan->PlanGrid;
  ASSERT_GE(plan.Zeilen(), 4);
  popups.WaehleNichts();
  QTest::mouseClick(plan.viewport(), Qt::LeftButton, {}, plan.ZellRechteck(1, 3).center());
  pruefe(LetztesAngebot());

  // The day list's "Koppl." column. Its pop-up waits the double-click time: the choice window's
  // own activation, still on its way, must not take the day list's turn meanwhile.
  QApplication::processEvents();
  S().SetzeAktivesFenster(f);
  popups.WaehleNichts();
  QTest::mouseClick(f->VertrGrid->viewport(), Qt::LeftButton, {},
                    f->VertrGrid->ZellRechteck(VertrSpalte::Kopplung, 1).center());
  // The row's pop-up comes once no second click can follow.
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  ASSERT_EQ(popups.Angebote().size(), 2u);
  pruefe(LetztesAngebot());
}

// "fehlender Lehrer": the element button counts Ctrl as it was at the press, and the palette's
// choice is cleared as soon as the pop-up's element is taken, while the dialog is still open.
TEST_F(WahlFensterTest, FehlendeLehrerStrgBeimDrueckenUndWahlZurueck) {
  Heute(kMontag);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  TLehrer* sch = Lehrer("SCH");
  TLehrer* mue = Lehrer("MUE");
  bool liste = false;
  dialoge.Bediene(QStringLiteral("Fehlende Lehrer"), [&](TKvDialog& d) {
    auto& form = static_cast<TFehlForm&>(d);
    QPushButton* knopf = form.ElementKnopf();
    // Pressed without Ctrl, let go with it: the palette's pop-up.
    popups.WaehleText(QStringLiteral("SCH"));
    QTest::mousePress(knopf, Qt::LeftButton, Qt::NoModifier);
    QTest::mouseRelease(knopf, Qt::LeftButton, Qt::ControlModifier);
    ASSERT_EQ(form.Eingabe().Zeilen().size(), 2u);  // MUE's absence of the day and SCH
    EXPECT_EQ(form.Eingabe().Zeilen()[1].Element, sch);
    EXPECT_EQ(palette->Wahl(TElementArt::Lehrer), nullptr);
    // Pressed with Ctrl, let go without: the list of all teachers.
    dialoge.Bediene(QStringLiteral("Lehrer"), [&](TKvDialog& m) {
      liste = true;
      auto& menue = static_cast<TMenuForm&>(m);
      menue.ZelleGeklickt(0, 0, Qt::ControlModifier);  // all
      m.Knopf(QStringLiteral("Ok"))->click();
    });
    const std::size_t angebote = popups.Angebote().size();
    QTest::mousePress(knopf, Qt::LeftButton, Qt::ControlModifier);
    QTest::mouseRelease(knopf, Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(liste);
    EXPECT_EQ(popups.Angebote().size(), angebote);
    EXPECT_EQ(form.Eingabe().Zeilen().size(), 2u);  // both had their rows already
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  f->LehrerKnopf->click();
  EXPECT_TRUE(liste);
  // "Ok" stored SCH's new absence in periods 1 to "pst": his Ma 5a in 2 and his Et 5b in 4 need
  // a substitute.
  ASSERT_NE(FehlzeitAm(*sch, kMontag), nullptr);
  EXPECT_NE(FehlzeitAm(*mue, kMontag), nullptr);
  EXPECT_EQ(f->GetZeilenzahl(), 4);
}

// A day without records shows the header and one empty row, which is not drawn selected; a
// record's row is.
TEST_F(WahlFensterTest, LeereZeileDesTagesIstNichtAusgewaehlt) {
  Heute(kMontag + 1);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(f->GetZeilenzahl(), 2);
  f->show();
  QApplication::processEvents();
  TGitter& g = *f->VertrGrid;
  ASSERT_TRUE(g.Auswahl().Enthaelt(VertrSpalte::Lehrer, 1));
  const QColor markiert = g.palette().color(QPalette::Highlight);
  // Beside the text, inside the cell's lines.
  const QPoint mitte = g.ZellRechteck(VertrSpalte::Lehrer, 1).bottomRight() - QPoint(3, 3);
  EXPECT_NE(g.viewport()->grab().toImage().pixelColor(mitte), markiert);
  EXPECT_EQ(g.viewport()->grab().toImage().pixelColor(mitte), g.palette().color(QPalette::Base));

  Heute(kMontag);  // one record
  ASSERT_EQ(f->VertrDatum(), kMontag);
  ASSERT_EQ(f->GetZeilenzahl(), 2);
  ASSERT_NE(f->VertretungIn(1), nullptr);
  g.SetzeAuswahl({0, 1, VertrSpalte::Anzahl - 1, 1});
  QApplication::processEvents();
  EXPECT_EQ(g.viewport()->grab().toImage().pixelColor(mitte), markiert);
}

// SCH ends 5a's Monday: he is underlined and a click offers the dates he could give instead. A
// double click on him chooses him without that pop-up; a single click offers it once the
// double-click time has passed.
TEST_F(WahlFensterTest, DoppelklickAufUnterstrichenenLehrerWaehltIhn) {
  TVLeWahlForm* w = OeffneWahl(kMontag);
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(S().AktivesFenster(), w);
  TVertretung* de = w->Vertretung();
  TLehrer* sch = Lehrer("SCH");
  const int zeile = w->ZeileVon(sch);
  ASSERT_GT(zeile, 0);
  ASSERT_TRUE(w->Vorschlaege()[static_cast<std::size_t>(zeile - 1)].Statt);
  TGitter& g = *w->LehrerGrid;
  const QPoint ort = g.ZellRechteck(0, zeile - 1).center();
  const std::size_t angebote = popups.Angebote().size();

  QTest::mousePress(g.viewport(), Qt::LeftButton, {}, ort);
  QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, ort);
  EXPECT_EQ(popups.Angebote().size(), angebote) << "the first click's pop-up waits";
  QTest::mousePress(g.viewport(), Qt::LeftButton, {}, ort);
  QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, ort);
  QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, ort);
  EXPECT_EQ(de->Vertreter(), sch);
  EXPECT_EQ(de->Statt(), nullptr);
  EXPECT_EQ(sch->VStd1(), 1);
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  EXPECT_EQ(popups.Angebote().size(), angebote) << "no pop-up after the double click";

  // A single click: the "statt" dates after the wait; the first one forward is taken.
  const int neu = w->ZeileVon(sch);
  ASSERT_GT(neu, 0);
  const QPoint ort2 = g.ZellRechteck(0, neu - 1).center();
  popups.WaehleIndex(2);
  QTest::mousePress(g.viewport(), Qt::LeftButton, {}, ort2);
  QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, ort2);
  EXPECT_EQ(popups.Angebote().size(), angebote);
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  ASSERT_EQ(popups.Angebote().size(), angebote + 1);
  EXPECT_EQ(de->Vertreter(), sch);
  ASSERT_NE(de->Statt(), nullptr);
  EXPECT_EQ(sch->VStd1(), 0);  // he gives this hour instead of his own
}

// Choosing a substitute keeps the window's height: the list and the day plan keep the rows their
// rules give them, the plan without a scroll bar.
TEST_F(WahlFensterTest, LehrerwahlBehaeltIhreHoeheNachDerWahl) {
  S().Standard().pst = 10;
  TVLeWahlForm* w = OeffneWahl(kMontag);
  ASSERT_NE(w, nullptr);
  QApplication::processEvents();
  const int zh = w->LehrerGrid->StandardHoehe();
  const auto pruefe = [&](const char* wann) {
    const TWahlFensterMass mass =
        LehrerWahlMass(static_cast<int>(w->Vorschlaege().size()), S().Standard().pst, zh, 1);
    EXPECT_GE(w->LehrerGrid->viewport()->height(), mass.Zeilen * (zh + 1)) << wann;
    TGitter& plan = *w->Tagesplan->PlanGrid;
    EXPECT_EQ(plan.Zeilen(), mass.PlanZeilen) << wann;
    EXPECT_GE(plan.viewport()->height(), mass.PlanZeilen * (plan.StandardHoehe() + 1)) << wann;
    EXPECT_EQ(plan.verticalScrollBar()->maximum(), 0) << wann;
  };
  pruefe("offen");
  const int hoehe = w->height();
  w->LehrerGridDblClick(w->ZeileVon(Lehrer("SCH")));
  ASSERT_EQ(w->Vertretung()->Vertreter(), Lehrer("SCH"));
  QApplication::processEvents();
  EXPECT_EQ(w->height(), hoehe);
  pruefe("gewaehlt");
}

// "gleiches Fach" leaves nobody for MUE's De: the list's one empty row is not drawn selected,
// a teacher's row is.
TEST_F(WahlFensterTest, LeereLehrerListeIstNichtAusgewaehlt) {
  TVLeWahlForm* w = OeffneWahl(kMontag);
  ASSERT_NE(w, nullptr);
  ASSERT_FALSE(w->Vorschlaege().empty());
  popups.WaehleText(QStringLiteral("gleiches Fach"));
  QTest::mouseClick(w->AuswahlKnopf, Qt::LeftButton);
  ASSERT_EQ(S().Standard().vla, 1);
  ASSERT_TRUE(w->Vorschlaege().empty());
  TGitter& g = *w->LehrerGrid;
  ASSERT_EQ(g.Zeilen(), 1);
  w->show();
  // A click on the empty row selects it as a row of the grid.
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.ZellRechteck(0, 0).center());
  ASSERT_TRUE(g.Auswahl().Enthaelt(0, 0));
  const QColor markiert = g.palette().color(QPalette::Highlight);
  for (int spalte : {0, 2}) {
    EXPECT_NE(Ecke(g, spalte, 0), markiert) << spalte;
    EXPECT_EQ(Ecke(g, spalte, 0), g.palette().color(QPalette::Base)) << spalte;
  }

  popups.WaehleText(QStringLiteral("alle Lehrer"));
  QTest::mouseClick(w->AuswahlKnopf, Qt::LeftButton);
  ASSERT_FALSE(w->Vorschlaege().empty());
  g.SetzeAuswahl({0, 0, 2, 0});
  EXPECT_EQ(Ecke(g, 0, 0), markiert);
}

// Long labels from "Zeiten" read whole at once in the open day list's "Stunde" column and the
// choice's day plan, which grows beside the list rather than scroll; short ones give both columns
// their widths back. The day list measures the labels of its date's version.
TEST_F(WahlFensterTest, LangeStundenLabelsGanzInListeUndTagesplan) {
  TVLeWahlForm* w = OeffneWahl(kMontag);
  ASSERT_NE(w, nullptr);
  TVertrForm* f = Liste();
  TGitter& liste = *f->VertrGrid;
  TGitter& plan = *w->Tagesplan->PlanGrid;
  const int listenBreite = liste.SpaltenBreite(VertrSpalte::Stunde);
  const int planBreite = plan.SpaltenBreite(0);
  EXPECT_EQ(listenBreite, 60);
  EXPECT_EQ(planBreite, 50);
  const QString tag = QString::fromStdString(S().Standard().spg[0]) + QLatin1Char(' ');

  Zeiten(QStringLiteral("7:45 Uhr"), QStringLiteral("8:35 - 9:20"));
  ASSERT_EQ(liste.Text(VertrSpalte::Stunde, 1), tag + QStringLiteral("7:45 Uhr"));
  ASSERT_EQ(plan.Text(0, 1), QStringLiteral("8:35 - 9:20"));
  for (const QString& label : {QStringLiteral("7:45 Uhr"), QStringLiteral("8:35 - 9:20")}) {
    ErwarteGanz(liste, VertrSpalte::Stunde, 1, tag + label);
    ErwarteGanz(plan, 0, 2, label);
  }
  w->show();
  w->layout()->activate();
  EXPECT_GE(plan.viewport()->width(), plan.Geometrie().GanzeGroesse().width());

  Zeiten(QStringLiteral("1."), QStringLiteral("2."));
  EXPECT_EQ(liste.SpaltenBreite(VertrSpalte::Stunde), listenBreite);
  EXPECT_EQ(plan.SpaltenBreite(0), planBreite);

  // The next Monday is in version 2: its labels count there, version 1's do not.
  S().Standard().sp[1][3] = "11:25 - 12:10";
  Heute(kNaechsterMontag);
  ASSERT_EQ(f->VertrDatum(), kNaechsterMontag);
  ErwarteGanz(liste, VertrSpalte::Stunde, 1, tag + QStringLiteral("11:25 - 12:10"));
  S().Standard().sp[1][3] = "4.";
  S().Standard().sp[0][3] = "11:25 - 12:10";
  S().AktualisiereAlleFenster();
  EXPECT_EQ(liste.SpaltenBreite(VertrSpalte::Stunde), listenBreite);
}

}  // namespace
}  // namespace kolvar
