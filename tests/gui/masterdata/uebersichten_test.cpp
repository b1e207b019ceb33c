// The table window, the statistics and the hour distribution reached through the palette: the
// workload view group opens tables beside workloads, courses are made, changed and deleted in
// the table by the tool mode, statistics and table copy to the clipboard, saved windows return.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "masterdata/kursform.h"
#include "masterdata/statform.h"
#include "masterdata/svform.h"
#include "masterdata/uebersichten.h"
#include "masterdata/uvform.h"
#include "masterdata/uvgrform.h"
#include "model/fach.h"
#include "model/fensterart.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "model/uvtab.h"
#include "platform/ablage.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/popupdienst.h"
#include "support/modellpruefung.h"
#include "views/depform.h"
#include "views/deputatfenster.h"
#include "views/planfenster.h"

namespace kolvar {
namespace {

// MUE and SCH teach De and Ma; 5a has MUE De and SCH Ma, 5b MUE Ma; the coupling REL holds a
// course of 5a+5b; the table UV5 shows 5a and 5b by De, Ma and Rel.
void BaueTabelle(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  TLehrer* sch = s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TKlasse* b = s.NeueKlasse("5b");
  TRaum* r = s.NeuerRaum("R1");
  a->SetzeRaum(r);
  TFach* de = s.NeuesFach("De");
  TFach* ma = s.NeuesFach("Ma");
  TFach* rel = s.NeuesFach("Rel");
  mue->FuegeFachHinzu(de);
  mue->FuegeFachHinzu(ma);
  sch->FuegeFachHinzu(ma);
  sch->FuegeFachHinzu(de);
  TKopplung* ko = s.NeueKopplung("REL");
  s.ErzeugeKurs(mue, a, nullptr, de, nullptr, 3);
  s.ErzeugeKurs(sch, a, nullptr, ma, nullptr, 4);
  s.ErzeugeKurs(mue, b, nullptr, ma, nullptr, 4);
  TKurs* relKurs = s.ErzeugeKurs(sch, a, ko, rel, nullptr, 2);
  relKurs->FuegeKlasseHinzu(b);
  TUVTab* uv = s.NeueUVTab("UV5");
  for (TKlasse* k : {a, b}) uv->FuegeKlasseHinzu(k);
  for (TFach* f : {de, ma, rel}) uv->FuegeFachHinzu(f);
  for (TLehrer* l : {mue, sch}) uv->FuegeLehrerHinzu(l);
  mue->SetzeSoll(-1, 24);
  sch->SetzeSoll(-1, 3);
}

class UebersichtenTest : public GuiTest {
 protected:
  UebersichtenTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~UebersichtenTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(popups.Fehler().isEmpty()) << popups.Fehler().join(QLatin1Char('\n')).toStdString();
    palette.reset();
  }
  TSchule& S() { return palette->Schule(); }
  TUVTab* Tab() { return S().UVTabellen().Hole(1); }
  template <class T>
  static T* Suche(const TListe<T>& liste, const char* kuerzel) {
    for (T* e : liste)
      if (e->Kuerzel() == kuerzel) return e;
    return nullptr;
  }
  TFach* Fach(const char* k) { return Suche(S().Faecher(), k); }
  TKlasse* Klasse(const char* k) { return Suche(S().Klassen(), k); }
  TUVForm* Tabelle() {
    palette->AnsichtSetzen(1);
    palette->Oeffner().OeffneElement(1, Tab(), 0);
    auto* f = dynamic_cast<TUVForm*>(Tab()->DepForm());
    if (f != nullptr) Aktiviere(f);
    return f;
  }
  void Aktiviere(IFenster* f) {
    S().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
  }
  void Menue(const QString& pfad) { palette->Menues().Aktion(pfad)->trigger(); }
  void Modus(int m) { S().SetzeModus(static_cast<uint8_t>(m)); }
  // A release on the cell, left of or right of its middle.
  static void LasseLos(TUVForm& f, int spalte, int zeile, bool rechts) {
    const QRect r = f.UVGrid->ZellRechteck(spalte, zeile);
    f.UVGridMouseUp(spalte, zeile, Qt::LeftButton,
                    QPoint(rechts ? r.right() - 2 : r.left() + 2, r.center().y()));
  }
  static std::vector<std::pair<int, int>> Zellen(const TUVForm& f, const TKurs* k) {
    std::vector<std::pair<int, int>> z;
    for (int r = 1; r < f.Layout().Zeilen(); ++r)
      for (int c = 1; c < f.Layout().Spalten(); ++c)
        if (f.Layout().Kurs(c, r) == k) z.emplace_back(c, r);
    return z;
  }

  TGebauteSchule dateien{BaueTabelle};
};

TEST_F(UebersichtenTest, TheWorkloadGroupOpensTablesBesideWorkloads) {
  TUVForm* f = Tabelle();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->Caption(), QStringLiteral("UV-Tabelle UV5"));
  EXPECT_EQ(f->UVGrid->Text(0, 0), QStringLiteral("UV"));
  // 5a, 5b by De, Ma, Rel; the coupled course once in each class.
  EXPECT_EQ(f->UVGrid->Zeilen(), 3);
  EXPECT_EQ(f->UVGrid->Spalten(), 4);
  EXPECT_EQ(Zellen(*f, Fach("Rel")->Kurse().Hole(1)).size(), 2u);
  // A teacher still opens his workload.
  palette->Oeffner().OeffneElement(1, S().Lehrer().Hole(1), 0);
  EXPECT_NE(dynamic_cast<TDepForm*>(S().Lehrer().Hole(1)->DepForm()), nullptr);
  // The saved table window returns by its caption.
  f->Schliesse();
  palette->FensterWiederOeffnen(TFenster{.Art = FensterArt::UV, .Titel = "UV-Tabelle UV5"});
  EXPECT_NE(dynamic_cast<TUVForm*>(Tab()->DepForm()), nullptr);
  EXPECT_FALSE(S().Geaendert());
}

TEST_F(UebersichtenTest, SetzenMakesACourseInAnEmptyCellAndChangesTeachersAndHours) {
  TUVForm* f = Tabelle();
  ASSERT_NE(f, nullptr);
  Modus(Modus::Setzen);
  const int kurse = S().Kurse().Anzahl();
  // 5b has no De: the subject's teachers pop up, SCH is chosen.
  ASSERT_EQ(f->Layout().Kurs(1, 2), nullptr);
  popups.WaehleIndex(1);  // SCH
  LasseLos(*f, 1, 2, true);
  ASSERT_EQ(S().Kurse().Anzahl(), kurse + 1);
  TKurs* neu = f->Layout().Kurs(1, 2);
  ASSERT_NE(neu, nullptr);
  EXPECT_EQ(neu->Lehrer(), S().Lehrer().Hole(2));
  EXPECT_EQ(neu->Fach(), Fach("De"));
  EXPECT_EQ(neu->Klassen().Hole(1), Klasse("5b"));
  EXPECT_EQ(neu->Stunden(-1), standard.kst);
  EXPECT_TRUE(neu->Raeume().Leer());  // 5b and SCH have no room
  // Right half again: another teacher; left half: the hours.
  popups.WaehleIndex(0);  // MUE
  LasseLos(*f, 1, 2, true);
  EXPECT_EQ(neu->Lehrer(), S().Lehrer().Hole(1));
  EXPECT_EQ(f->Layout().Kurs(1, 2), neu);
  popups.WaehleText(QStringLiteral("5"));
  LasseLos(*f, 1, 2, false);
  EXPECT_EQ(neu->Stunden(-1), 5);
  // A placed course offers no teachers.
  neu->Setze(1, 1, nullptr, 1);
  const std::size_t angebote = popups.Angebote().size();
  LasseLos(*f, 1, 2, true);
  EXPECT_EQ(popups.Angebote().size(), angebote);
}

TEST_F(UebersichtenTest, DoubleClicksAddLinesDeleteTeachersAndRooms) {
  TUVForm* f = Tabelle();
  ASSERT_NE(f, nullptr);
  // Ctrl on a class header: a further row of that class.
  palette->SetzeTasten(Taste::Strg);
  f->UVGridDblClick(0, 1);
  EXPECT_EQ(f->UVGrid->Zeilen(), 4);
  EXPECT_EQ(f->Layout().ZeilenKopf(2), Klasse("5a"));
  // Ctrl in "Löschen": the rooms go; without, the teacher.
  Modus(Modus::Loeschen);
  TKurs* de5a = f->Layout().Kurs(1, 1);
  ASSERT_NE(de5a, nullptr);
  de5a->FuegeRaumHinzu(S().Raeume().Hole(1), false);
  f->UVGridDblClick(1, 1);
  EXPECT_TRUE(de5a->Raeume().Leer());
  EXPECT_NE(de5a->Lehrer(), nullptr);
  palette->SetzeTasten(0);
  f->UVGridDblClick(1, 1);
  EXPECT_EQ(de5a->Lehrer(), nullptr);
  EXPECT_EQ(f->Layout().Kurs(1, 1), de5a);
  EXPECT_EQ(f->Layout().ZweiterText(*de5a, false), "");
}

TEST_F(UebersichtenTest, AClickOnMinusKWhileACellPopUpIsOpenStillDeletesTheSelection) {
  // The real pop-up: in "Zeigen" a release on a course cell shows its coupling menu, and the
  // user's next click, on the palette's "-K", closes it. That click must still delete.
  TQtPopupDienst echt;
  TDienste::SetzePopups(&echt);
  palette->show();
  TUVForm* f = Tabelle();
  ASSERT_NE(f, nullptr);
  Modus(Modus::Zeigen);
  QToolButton* minusK = palette->Knopf(QStringLiteral("UELoesch"));
  ASSERT_TRUE(minusK->isEnabled());
  TKurs* de5a = f->Layout().Kurs(1, 1);
  ASSERT_NE(de5a, nullptr);
  const int kurse = S().Kurse().Anzahl();
  bool offen = false;
  // The pop-up of a single click comes once the double-click time has passed.
  QTimer warten;
  warten.start(10);
  QObject::connect(&warten, &QTimer::timeout, [&] {
    QWidget* popup = QApplication::activePopupWidget();
    offen = popup != nullptr;
    if (!offen) return;
    warten.stop();
    // Under the pop-up's grab the press reaches the pop-up; the release then the button.
    const QPoint global = minusK->mapToGlobal(minusK->rect().center());
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(popup->mapFromGlobal(global)), QPointF(global),
                      Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(popup, &druck);
    QMouseEvent los(QEvent::MouseButtonRelease, QPointF(minusK->rect().center()), QPointF(global),
                    Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(minusK, &los);
  });
  QWidget* flaeche = f->UVGrid->viewport();
  const QPoint zelle = f->UVGrid->ZellRechteck(1, 1).center();
  for (const auto art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(art, QPointF(zelle), QPointF(flaeche->mapToGlobal(zelle)), Qt::LeftButton,
                  art == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
    QApplication::sendEvent(flaeche, &e);
  }
  static_cast<void>(QTest::qWaitFor([&] { return offen; }, 3000));
  ASSERT_TRUE(offen) << "the cell's pop-up was shown";
  QCoreApplication::processEvents();
  EXPECT_EQ(S().Kurse().Anzahl(), kurse - 1);
  EXPECT_EQ(S().Kurse().Position(de5a), 0);
  TDienste::SetzePopups(&popups);
}

// A double click on a course cell in "Zeigen" opens the course editor; the one-item coupling
// pop-up of a single click waits until no second click can follow, so it cannot take the
// second press. An empty cell's double click makes a course and opens it.
TEST_F(UebersichtenTest, EinDoppelklickAufDieZelleOeffnetDenKursUndKeinPopup) {
  TUVForm* f = Tabelle();
  ASSERT_NE(f, nullptr);
  Modus(Modus::Zeigen);
  TKurs* de5a = f->Layout().Kurs(1, 1);
  ASSERT_NE(de5a, nullptr);
  const std::size_t angebote = popups.Angebote().size();
  auto kursForm = [&] { return dynamic_cast<TKursForm*>(S().EinzelFenster(FensterArt::Kurs)); };

  DoppelKlicke(*f->UVGrid, 1, 1);
  EXPECT_EQ(popups.Angebote().size(), angebote) << "no pop-up within the double click";
  ASSERT_NE(kursForm(), nullptr);
  EXPECT_EQ(kursForm()->Kurs(), de5a);
  WarteAufEinzelKlick();
  EXPECT_EQ(popups.Angebote().size(), angebote) << "nor after it";

  // A single click still shows the pop-up, once the double-click time has passed.
  Aktiviere(f);
  popups.WaehleNichts();
  KlickeZelle(*f->UVGrid, 1, 1);
  EXPECT_EQ(popups.Angebote().size(), angebote);
  WarteAufEinzelKlick();
  ASSERT_EQ(popups.Angebote().size(), angebote + 1);
  EXPECT_EQ(popups.Angebote().back().texte.size(), 1);

  // An empty cell: a new course of 5b in De, in the editor at once.
  const int kurse = S().Kurse().Anzahl();
  int zeile5b = -1;
  for (int r = 1; r < f->Layout().Zeilen(); ++r)
    if (f->Layout().KlasseBei(1, r) == Klasse("5b") && f->Layout().Kurs(1, r) == nullptr) zeile5b = r;
  ASSERT_GT(zeile5b, 0);
  Aktiviere(f);
  DoppelKlicke(*f->UVGrid, 1, zeile5b);
  EXPECT_EQ(S().Kurse().Anzahl(), kurse + 1);
  ASSERT_NE(kursForm(), nullptr);
  EXPECT_NE(kursForm()->Kurs(), de5a);
  WarteAufEinzelKlick();
  EXPECT_EQ(popups.Angebote().size(), angebote + 1);
  EXPECT_TRUE(PruefeModell(S()).empty());
}

TEST_F(UebersichtenTest, CtrlLoeschenTakesRoomsAsTheCourseEditorDoesAndKeepsTheLessons) {
  TUVForm* f = Tabelle();
  ASSERT_NE(f, nullptr);
  TKurs* de5a = f->Layout().Kurs(1, 1);
  ASSERT_NE(de5a, nullptr);
  TRaum* r1 = S().Raeume().Hole(1);
  de5a->FuegeRaumHinzu(r1, false);
  ASSERT_NE(de5a->Setze(1, 1, r1, 1), nullptr);
  // Only the room a lesson uses is asked for; "Ja" takes it off the lesson, which stays.
  dialoge.Antworte(QStringLiteral("Kurs im Raumplan"), mrJa);
  Modus(Modus::Loeschen);
  palette->SetzeTasten(Taste::Strg);
  f->UVGridDblClick(1, 1);
  palette->SetzeTasten(0);
  EXPECT_TRUE(de5a->Raeume().Leer());
  EXPECT_EQ(de5a->Setzungen().Anzahl(), 1);
  EXPECT_FALSE(r1->Belegung().Belegt(1, 1, 1));
}

TEST_F(UebersichtenTest, ASelectionDeletesACoupledCourseOnceAndFeedsTheAutomaticRun) {
  TUVForm* f = Tabelle();
  ASSERT_NE(f, nullptr);
  TKurs* rel = Fach("Rel")->Kurse().Hole(1);
  f->UVGrid->SetzeAuswahl(TGitterAuswahl{3, 1, 3, 2});
  EXPECT_EQ(f->MarkierteKurse(), std::vector<TKurs*>{rel});
  const int kurse = S().Kurse().Anzahl();
  f->MarkierteKurseLoeschen();
  EXPECT_EQ(S().Kurse().Anzahl(), kurse - 1);
  EXPECT_EQ(f->Layout().Kurs(3, 1), nullptr);
  EXPECT_EQ(f->Layout().Kurs(3, 2), nullptr);
}

TEST_F(UebersichtenTest, TheTableCopiesAsTextAndShowsCouplingsByItsButton) {
  TUVForm* f = Tabelle();
  ASSERT_NE(f, nullptr);
  Menue(MenuePfad::Kopieren);
  QStringList zeilen = ablage.Text().split(QStringLiteral("\r\n"));
  ASSERT_GE(zeilen.size(), 3);
  EXPECT_EQ(zeilen[0], QStringLiteral("\t\tDe\t\tMa\t\tRel"));
  EXPECT_TRUE(zeilen[2].startsWith(QStringLiteral("5b\t0\t\t"))) << zeilen[2].toStdString();
  EXPECT_TRUE(zeilen[2].endsWith(QStringLiteral("\tSCH")));
  f->UVWechselKnopf->click();
  EXPECT_TRUE(f->ZeigtKopplung());
  Menue(MenuePfad::Kopieren);
  EXPECT_TRUE(ablage.Text().split(QStringLiteral("\r\n"))[2].endsWith(QStringLiteral("\tREL")));
}

TEST_F(UebersichtenTest, ByTeachersTheRowsShowTeachersAndCourseChangesFollow) {
  Tab()->SetzeArt(0);
  TUVForm* f = Tabelle();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->UVGrid->Text(0, 0), QStringLiteral("LK"));
  EXPECT_FALSE(f->grab().isNull());  // the teachers' rest hours are drawn
  EXPECT_EQ(f->Layout().ZeilenKopf(1), S().Lehrer().Hole(1));
  // SCH teaches Ma and Rel in 5a: 5a takes two columns.
  EXPECT_EQ(f->Layout().SpaltenKopf(2), Klasse("5a"));
  // A course made elsewhere appears; one whose teacher changes moves rows.
  TKurs* neu = nullptr;
  {
    TSchule::TAktion aktion(S());
    neu = S().ErzeugeKurs(S().Lehrer().Hole(1), Klasse("5b"), nullptr, Fach("De"), nullptr, 1);
  }
  ASSERT_EQ(Zellen(*f, neu).size(), 1u);
  EXPECT_EQ(Zellen(*f, neu)[0].second, 1);
  {
    TSchule::TAktion aktion(S());
    neu->SetzeLehrer(S().Lehrer().Hole(2));
  }
  ASSERT_EQ(Zellen(*f, neu).size(), 1u);
  EXPECT_EQ(Zellen(*f, neu)[0].second, 2);
  S().LoescheKurs(neu);
  EXPECT_TRUE(Zellen(*f, neu).empty());
}

TEST_F(UebersichtenTest, StatisticsOpenOnceCopyAndFollowNewElements) {
  Menue(MenuePfad::StatLehrer);
  auto* f = dynamic_cast<TStatForm*>(S().EinzelFenster(FensterArt::LeStat));
  ASSERT_NE(f, nullptr);
  Menue(MenuePfad::StatLehrer);
  EXPECT_EQ(S().EinzelFenster(FensterArt::LeStat), f);
  Aktiviere(f);
  EXPECT_EQ(f->Caption(), QStringLiteral("Lehrerstatistik"));
  ASSERT_EQ(f->StatGrid->Zeilen(), 3);
  EXPECT_EQ(f->StatGrid->Text(4, 1), QStringLiteral("MUE"));
  // SCH: Soll 3, Ist 4 + 2: the rest is negative.
  EXPECT_EQ(f->StatGrid->Text(3, 2), QString::fromStdString(FormatiereStunden(-3, standard)));
  Menue(MenuePfad::AllesAuswaehlen);
  Menue(MenuePfad::Kopieren);
  const QStringList zeilen = ablage.Text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_EQ(zeilen.size(), 2);
  EXPECT_EQ(zeilen[1].split(QLatin1Char('\t')).size(), 6);
  // A teacher made while it is open: a row beyond the grid rebuilds it.
  {
    TSchule::TAktion aktion(S());
    S().NeuerLehrer("NEU");
    f->StatistikZeileFuellen(3);
  }
  EXPECT_EQ(f->StatGrid->Zeilen(), 4);
  EXPECT_EQ(f->StatGrid->Text(4, 3), QStringLiteral("NEU"));
  // A course change refills the teacher's row.
  {
    TSchule::TAktion aktion(S());
    S().ErzeugeKurs(S().Lehrer().Hole(3), Klasse("5a"), nullptr, Fach("De"), nullptr, 2);
  }
  EXPECT_EQ(f->StatGrid->Text(2, 3), QStringLiteral("2"));
  // Shift + double click: the teacher's workload.
  palette->SetzeTasten(Taste::Shift);
  f->StatGridDblClick(0, 1);
  EXPECT_NE(dynamic_cast<TDepForm*>(S().Lehrer().Hole(1)->DepForm()), nullptr);
  palette->SetzeTasten(0);
  // Every kind opens; the closed ones return as saved.
  for (int art = FensterArt::LeStat; art <= FensterArt::UVStat; ++art) {
    if (IFenster* offen = S().EinzelFenster(art)) offen->Schliesse();
    palette->FensterWiederOeffnen(TFenster{.Art = art, .Titel = ""});
    EXPECT_NE(S().EinzelFenster(art), nullptr) << art;
  }
}

TEST_F(UebersichtenTest, WithoutElementsTheStatisticsCopyAnEmptyText) {
  Menue(MenuePfad::StatRaeume);
  auto* f = dynamic_cast<TStatForm*>(S().EinzelFenster(FensterArt::RaStat));
  ASSERT_NE(f, nullptr);
  S().LoescheElement(S().Raeume().Hole(1));
  ASSERT_EQ(f->StatGrid->Zeilen(), 2);
  EXPECT_EQ(f->StatGrid->Text(0, 1), QString());
  EXPECT_EQ(f->ElementIn(1), nullptr);
  ablage.SetzeText(QStringLiteral("alt"));
  f->StatGrid->SetzeAuswahl(TGitterAuswahl{0, 0, 1, 1});
  f->StatistikKopieren();
  EXPECT_EQ(ablage.Text(), QString());
}

TEST_F(UebersichtenTest, TheHourDistributionShowsPatternsAndOpensPlans) {
  standard.pst = 6;
  TKurs* de5a = Klasse("5a")->Kurse().Hole(1);
  de5a->Setze(1, 1, nullptr, 1);
  de5a->Setze(1, 1, nullptr, 4);
  Menue(MenuePfad::Stundenverteilung);
  auto* f = dynamic_cast<TSVForm*>(S().EinzelFenster(FensterArt::SV));
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->SVGrid->Spalten(), standard.mtn + 2);
  EXPECT_EQ(f->SVGrid->Text(1, 1), QStringLiteral("EUUEFF"));
  EXPECT_EQ(f->SVGrid->Text(standard.mtn + 1, 1), QStringLiteral("2"));
  // Classes, then a refresh shows the teachers again.
  f->KueGroup->findChildren<QRadioButton*>()[1]->click();
  EXPECT_EQ(f->SVGrid->Text(0, 1), QStringLiteral("5a"));
  S().AktualisiereAlleFenster();
  EXPECT_EQ(f->Liste(), 0);
  // A double click opens the teacher's plan.
  f->SVGridDblClick(1, 1);
  EXPECT_NE(S().Lehrer().Hole(1)->PlnForm(), nullptr);
  EXPECT_EQ(S().Ansichtsgruppe(), 2);
  f->grab();
}

// The orientation buttons of the table's editor: its row in the open table statistics and the
// open table window follow at once, and back again.
TEST_F(UebersichtenTest, DieAusrichtungZeigtSichSofortInStatistikUndTabelle) {
  TUVForm* tabelle = Tabelle();
  ASSERT_NE(tabelle, nullptr);
  Menue(MenuePfad::StatUVTabellen);
  auto* stat = dynamic_cast<TStatForm*>(S().EinzelFenster(FensterArt::UVStat));
  ASSERT_NE(stat, nullptr);
  int art = -1;  // the orientation's column
  for (int c = 0; c < stat->StatGrid->Spalten(); ++c)
    if (stat->StatGrid->Text(c, 1) == QStringLiteral("F")) art = c;
  ASSERT_GE(art, 0);
  palette->AnsichtSetzen(0);
  palette->Oeffner().OeffneElement(0, Tab(), 0);
  auto* editor = dynamic_cast<TUVGrForm*>(Tab()->GrForm());
  ASSERT_NE(editor, nullptr);
  Aktiviere(editor);
  S().SetzeGeaendert(false);
  editor->LKRadio->click();
  EXPECT_EQ(Tab()->Ausrichtung(), 0);
  EXPECT_EQ(stat->StatGrid->Text(art, 1), QStringLiteral("L"));
  EXPECT_EQ(tabelle->UVGrid->Text(0, 0), QStringLiteral("LK"));
  EXPECT_TRUE(S().Geaendert());
  editor->UVRadio->click();
  EXPECT_EQ(stat->StatGrid->Text(art, 1), QStringLiteral("F"));
  EXPECT_EQ(tabelle->UVGrid->Text(0, 0), QStringLiteral("UV"));
  EXPECT_TRUE(S().Geaendert());
}

TEST_F(UebersichtenTest, ColumnsMoveByTheirHeaderAndTheRowsFollow) {
  // The table statistics: "UV-Tab." dragged to the front.
  Menue(MenuePfad::StatUVTabellen);
  auto* uv = dynamic_cast<TStatForm*>(S().EinzelFenster(FensterArt::UVStat));
  ASSERT_NE(uv, nullptr);
  Aktiviere(uv);
  ZieheKopf(*uv->StatGrid, 1, 0);
  EXPECT_EQ(uv->StatGrid->Text(0, 0), QStringLiteral("UV-Tab."));
  EXPECT_EQ(uv->StatGrid->Text(0, 1), QStringLiteral("UV5"));
  EXPECT_EQ(uv->StatGrid->Text(1, 1), QStringLiteral("F"));
  // A change of the table refills its row into the moved columns; copying reads what is shown.
  Tab()->SetzeName("Unterstufe");
  uv->StatistikZeileFuellen(1);
  EXPECT_EQ(uv->StatGrid->Text(2, 1), QStringLiteral("Unterstufe"));
  Menue(MenuePfad::AllesAuswaehlen);
  Menue(MenuePfad::Kopieren);
  EXPECT_EQ(ablage.Text(), QStringLiteral("UV5\tF\tUnterstufe\r\n"));
  // The row still stands for its table: a double click opens the table's editor.
  DoppelKlicke(*uv->StatGrid, 1, 1);
  EXPECT_NE(Tab()->GrForm(), nullptr);
  // The other statistics keep their columns where they are: a dragged header moves none.
  Menue(MenuePfad::StatLehrer);
  auto* le = dynamic_cast<TStatForm*>(S().EinzelFenster(FensterArt::LeStat));
  ASSERT_NE(le, nullptr);
  ZieheKopf(*le->StatGrid, 4, 0);
  EXPECT_EQ(le->StatGrid->Text(4, 0), QStringLiteral("Lehrer"));

  // The hour distribution: the gaps to the front; the day columns keep their symbols and widths
  // through a refresh, which rebuilds the rows.
  standard.pst = 6;
  Klasse("5a")->Kurse().Hole(1)->Setze(1, 1, nullptr, 1);
  Klasse("5a")->Kurse().Hole(1)->Setze(1, 1, nullptr, 4);
  Menue(MenuePfad::Stundenverteilung);
  auto* sv = dynamic_cast<TSVForm*>(S().EinzelFenster(FensterArt::SV));
  ASSERT_NE(sv, nullptr);
  const int luecken = standard.mtn + 1;
  const int tagBreite = sv->SVGrid->SpaltenBreite(1);
  ZieheKopf(*sv->SVGrid, luecken, 0);
  S().AktualisiereAlleFenster();
  EXPECT_EQ(sv->SVGrid->Text(0, 0), QStringLiteral("Sprstd."));
  EXPECT_EQ(sv->SVGrid->Text(0, 1), QStringLiteral("2"));
  EXPECT_EQ(sv->SVGrid->Text(1, 1), QStringLiteral("MUE"));
  EXPECT_EQ(sv->SVGrid->Text(2, 1), QStringLiteral("EUUEFF"));
  EXPECT_EQ(sv->SVGrid->SpaltenBreite(2), tagBreite);
  EXPECT_EQ(sv->SVGrid->SpaltenUrsprung(2), 1);
  sv->SVGrid->grab();
  DoppelKlicke(*sv->SVGrid, 0, 1);
  EXPECT_NE(S().Lehrer().Hole(1)->PlnForm(), nullptr);
}

}  // namespace
}  // namespace kolvar
