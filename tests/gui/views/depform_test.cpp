// The workload views: rows and sums of every kind, the pasting window's all-or-nothing paste,
// its own course list, copy and cut, and the mouse by tool mode.

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <algorithm>

#include "planumgebung.h"
#include "platform/gitter.h"
#include "views/depform.h"

namespace kolvar {
namespace {

class DepTest : public PlanTest {
 protected:
  template <class Form, class Element>
  std::unique_ptr<Form> OeffneDep(Element* e, int modus = Modus::Zeigen) {
    auto form = std::make_unique<Form>(*schule, nullptr);
    form->Zeige(e);
    form->Oeffne();
    QCoreApplication::processEvents();
    schule->SetzeAktivesFenster(form.get());
    Modus(modus);
    return form;
  }
  std::unique_ptr<TKursDepForm> OeffneKurse(const std::vector<TKurs*>* liste = nullptr) {
    auto form = std::make_unique<TKursDepForm>(*schule, nullptr);
    if (liste != nullptr)
      form->Zeige(*liste);
    else
      form->ZeigeAlle();
    form->Oeffne();
    schule->SetzeAktivesFenster(form.get());
    return form;
  }
  static void Maus(TDepForm& f, QEvent::Type art, int spalte, int zeile, Qt::MouseButtons knoepfe) {
    QWidget* ziel = f.DepGrid->viewport();
    const QPoint ort = f.DepGrid->ZellRechteck(spalte, zeile).center();
    QMouseEvent e(art, QPointF(ort), QPointF(ziel->mapToGlobal(ort)), Qt::LeftButton, knoepfe, {});
    QApplication::sendEvent(ziel, &e);
  }
  static void Klicke(TDepForm& f, int spalte, int zeile) {
    Maus(f, QEvent::MouseButtonPress, spalte, zeile, Qt::LeftButton);
    Maus(f, QEvent::MouseButtonRelease, spalte, zeile, Qt::NoButton);
  }
  static int Spalte(const TDepForm& f, TKursFeld feld) { return f.Zeilen().SpalteVon(feld); }
  static void Markiere(TDepForm& f, int von, int bis) {
    f.DepGrid->SetzeAuswahl(TGitterAuswahl{0, von, f.DepGrid->Spalten() - 1, bis});
  }
  // The sum of the "Std" column and the number of rows.
  static std::pair<int, int> Summe(const TDepForm& f) {
    int summe = 0;
    for (int r = 1; r <= f.Zeilen().Anzahl(); ++r) summe += f.DepGrid->Text(1, r).toInt();
    return {summe, f.Zeilen().Anzahl()};
  }
  static constexpr const char* kGut = "2\t3\tMUE\tSp\t5b\t\tTH\tHalle\t1\t0\t1\tFALSE\tTRUE\tFALSE";
};

TEST_F(DepTest, EveryKindListsItsElementsCoursesWithTheirHourSums) {
  struct Fall {
    TElement* e;
    std::function<std::unique_ptr<TDepForm>()> oeffne;
  };
  const Fall faelle[] = {
      {mue, [&] { return OeffneDep<TLeDepForm>(mue); }},   {k5b, [&] { return OeffneDep<TKlDepForm>(k5b); }},
      {spo, [&] { return OeffneDep<TKoDepForm>(spo); }},   {de, [&] { return OeffneDep<TFaDepForm>(de); }},
      {r102, [&] { return OeffneDep<TRaDepForm>(r102); }},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.e->Kuerzel());
    auto form = f.oeffne();
    EXPECT_EQ(form->Caption(), QString::fromStdString("Deputat " + f.e->Kuerzel()));
    EXPECT_EQ(f.e->DepForm(), form.get());
    EXPECT_EQ(Summe(*form),
              std::make_pair(int{f.e->IstEinfach(-1, true, Seite::Alle)}, f.e->Kurse().Anzahl()));
    for (int r = 1; r <= form->Zeilen().Anzahl(); ++r)
      EXPECT_EQ(form->DepGrid->Objekt(0, r), f.e->Kurse().Hole(r));
    form->SchliesseFrage();
    EXPECT_EQ(f.e->DepForm(), nullptr);
  }
  auto alle = OeffneKurse();
  EXPECT_EQ(alle->Caption(), QStringLiteral("alle Kurse"));
  EXPECT_EQ(Summe(*alle), std::make_pair(17, 6));
  EXPECT_EQ(schule->EinzelFenster(FensterArt::KursDep), alle.get());
}

TEST_F(DepTest, ChangesReachTheOpenWindowsAndCtrlFiltersOnlyWhileHeld) {
  auto form = OeffneDep<TLeDepForm>(mue);
  {
    TSchule::TAktion aktion(*schule);
    deutsch5a->SetzeStunden(-1, 6);
    deutsch5a->KursGeaendert();
  }
  EXPECT_EQ(form->DepGrid->Text(1, 1), QStringLiteral("6"));
  ASSERT_NE(mathe5b->Setze(1, 1, r102, 1), nullptr);
  mathe5b->SetzeStunden(-1, 1);  // fully placed
  palette.tasten = Taste::Strg;
  form->Aktualisiere();
  EXPECT_EQ(form->Zeilen().Kurse(), std::vector<TKurs*>{deutsch5a});
  palette.tasten = 0;
  form->Aktualisiere();
  EXPECT_EQ(form->Zeilen().Anzahl(), 2);
}

TEST_F(DepTest, PasteCreatesAllCoursesOrNone) {
  auto alle = OeffneKurse();
  const int vorher = schule->Kurse().Anzahl();
  const std::vector<TKurs*> alt = schule->Kurse().Elemente();
  // The third line's hours are no number: nothing is made, the notice is shown.
  palette.ablage = std::string(kGut) + "\r\n" + kGut + "\r\n" +
                   "1\tzwei\tBER\tDe\t5a\t\t\t\t1\t0\t1\tFALSE\tFALSE\tFALSE\r\n";
  Antworte(QStringLiteral("Einsetzen"), QStringLiteral("Ok"));
  EXPECT_FALSE(alle->Einsetzen());
  EXPECT_EQ(schule->Kurse().Anzahl(), vorher);
  EXPECT_FALSE(alle->FuegtEin());
  // Good lines with a continuation; Ctrl of Ctrl+V does not filter the refresh.
  palette.ablage = std::string(kGut) + "\r\n\t\t\t\t5a\t\tR101\t\t\t\t\t\t\t\r\n" + kGut + "\r\n";
  palette.tasten = Taste::Strg;
  EXPECT_TRUE(alle->Einsetzen());
  palette.tasten = 0;
  ASSERT_EQ(schule->Kurse().Anzahl(), vorher + 2);
  EXPECT_EQ(alle->Zeilen().Anzahl(), vorher + 2);
  EXPECT_FALSE(alle->FuegtEin());
  std::vector<const TKurs*> neu;
  for (const TKurs* k : schule->Kurse())
    if (std::find(alt.begin(), alt.end(), k) == alt.end()) neu.push_back(k);
  ASSERT_EQ(neu.size(), 2u);
  std::sort(neu.begin(), neu.end(), [](auto a, auto b) { return a->Erstellnummer() < b->Erstellnummer(); });
  // The continuation went to the course before it.
  EXPECT_EQ(neu[0]->Klassen().Elemente(), (std::vector<TKlasse*>{k5a, k5b}));
  EXPECT_EQ(neu[0]->Raeume().Elemente(), (std::vector<TRaum*>{th, r101}));
  EXPECT_EQ(neu[1]->Klassen().Anzahl(), 1);
  EXPECT_EQ(neu[1]->Faktor(), 2);
  EXPECT_TRUE(neu[1]->NichtZaehlenLehrer());
  // Unknown abbreviations: "Nein" pastes nothing.
  palette.ablage = "1\t1\tNEU\t\t\t\t\t\t1\t0\t1\tFALSE\tFALSE\tFALSE";
  Antworte(QStringLiteral("Unbekannte Kürzel"), QStringLiteral("Nein"));
  EXPECT_FALSE(alle->Einsetzen());
  EXPECT_EQ(schule->Lehrer().Anzahl(), 3);
}

TEST_F(DepTest, ACourseListWindowKeepsItsOwnCopyAndDropsADeletedCourse) {
  auto liste = std::make_unique<std::vector<TKurs*>>(std::vector<TKurs*>{mathe5a, deutsch5b, sportBer});
  auto fenster = OeffneKurse(liste.get());
  liste.reset();  // the list it was given goes
  schule->LoescheKurs(deutsch5b);
  // The row is gone before any refresh.
  EXPECT_EQ(fenster->Zeilen().Kurse(), (std::vector<TKurs*>{mathe5a, sportBer}));
  EXPECT_EQ(fenster->DepGrid->Objekt(0, 2), sportBer);
  fenster->Aktualisiere();
  EXPECT_EQ(fenster->Zeilen().Kurse(), (std::vector<TKurs*>{mathe5a, sportBer}));
  // Deleting through the window's own selection.
  Markiere(*fenster, 1, 1);
  fenster->KurseLoeschen();
  EXPECT_EQ(fenster->Zeilen().Kurse(), std::vector<TKurs*>{sportBer});
}

TEST_F(DepTest, CopyGivesTheSelectedLinesAndCutAsksBeforeDeleting) {
  auto form = OeffneDep<TKlDepForm>(k5b);
  form->KurseKopieren(false);
  EXPECT_TRUE(ablage.Text().isEmpty());  // nothing selected
  // A placed course asks before it goes (placed first: a change rebuilds the rows).
  ASSERT_NE(sportBer->Setze(1, 2, r102, 1), nullptr);
  const int sport = form->Zeilen().Anzahl() - 1;
  ASSERT_EQ(form->KursIn(sport), sportSch);
  Markiere(*form, sport, sport + 1);
  EXPECT_EQ(form->KursText().size(), 4);  // two courses with two classes each
  palette.tasten = Taste::Shift;
  EXPECT_EQ(form->KursText().size(), 2);
  palette.tasten = 0;
  const int vorher = schule->Kurse().Anzahl();
  Antworte(QStringLiteral("Kures löschen?"), QStringLiteral("Ja"));
  Antworte(QStringLiteral("Kurs ist verplant"), QStringLiteral("Nein"));
  form->KurseKopieren(true);
  EXPECT_EQ(ablage.Text().count(QLatin1Char('\n')), 4);
  // The placed course stays, the other goes.
  EXPECT_EQ(schule->Kurse().Anzahl(), vorher - 1);
  EXPECT_EQ(schule->Kurse().Position(sportSch), 0);
  EXPECT_EQ(form->Zeilen().Kurse().back(), sportBer);
}

TEST_F(DepTest, TheMouseSetsAndRemovesByToolMode) {
  auto form = OeffneDep<TLeDepForm>(ber, Modus::Setzen);
  ASSERT_EQ(form->KursIn(2), deutsch5b);
  // Setzen on "Lehrer": the subject's teachers; the course moves to the chosen one.
  de->FuegeLehrerHinzu(mue);
  de->FuegeLehrerHinzu(ber);
  popups.WaehleIndex(0);
  Klicke(*form, Spalte(*form, TKursFeld::Lehrer), 2);
  EXPECT_EQ(deutsch5b->Lehrer(), mue);
  EXPECT_EQ(form->Zeilen().Anzahl(), 1);
  // Setzen on "Std": the hours pop-up.
  popups.WaehleText(QStringLiteral("5"));
  Klicke(*form, Spalte(*form, TKursFeld::Std), 1);
  EXPECT_EQ(sportBer->Stunden(-1), 5);
  // Löschen on "Kopplung".
  Modus(Modus::Loeschen);
  Klicke(*form, Spalte(*form, TKursFeld::Kopplung), 1);
  EXPECT_EQ(sportBer->Kopplung(), nullptr);
  // A click on the header does nothing.
  Klicke(*form, Spalte(*form, TKursFeld::Fach), 0);
  EXPECT_EQ(sportBer->Fach(), sp);
}

TEST_F(DepTest, AfterAChoiceInACellPopUpItsRowIsSelectedAgain) {
  auto form = OeffneDep<TKlDepForm>(k5a, Modus::Setzen);
  const int std = Spalte(*form, TKursFeld::Std);
  const int zeile = 2;
  TKurs* kurs = form->KursIn(zeile);
  ASSERT_NE(kurs, nullptr);
  // The hours pop-up: the refresh at the end of the click rebuilt the rows.
  popups.WaehleText(QStringLiteral("7"));
  Klicke(*form, std, zeile);
  ASSERT_EQ(kurs->Stunden(-1), 7);
  TGitterAuswahl a = form->DepGrid->Auswahl();
  EXPECT_FALSE(a.Leer());
  EXPECT_EQ(form->KursIn(a.oben), kurs);
  EXPECT_EQ(a.oben, a.unten);
  // Another teacher from the subject's teachers (MUE, BER): the course's row, wherever it is now.
  const int lehrer = Spalte(*form, TKursFeld::Lehrer);
  const int deutsch = [&] {
    for (int r = 1; r <= form->Zeilen().Anzahl(); ++r)
      if (form->KursIn(r) == deutsch5a) return r;
    return 0;
  }();
  ASSERT_GT(deutsch, 0);
  popups.WaehleIndex(1);
  Klicke(*form, lehrer, deutsch);
  ASSERT_EQ(deutsch5a->Lehrer(), ber);
  a = form->DepGrid->Auswahl();
  EXPECT_FALSE(a.Leer());
  EXPECT_EQ(form->KursIn(a.oben), deutsch5a);
}

TEST_F(DepTest, TakingTheSubjectOffAPlacedCourseAsksNothingAndKeepsItsLessons) {
  // The subject is in no plan's occupancy: as in the course editor, no "Kurs ist verplant".
  ASSERT_NE(mathe5b->Setze(1, 1, r102, 1), nullptr);
  auto form = OeffneDep<TLeDepForm>(mue, Modus::Loeschen);
  int zeile = 0;
  for (int r = 1; r <= form->Zeilen().Anzahl(); ++r)
    if (form->KursIn(r) == mathe5b) zeile = r;
  ASSERT_GT(zeile, 0);
  Klicke(*form, Spalte(*form, TKursFeld::Fach), zeile);
  EXPECT_EQ(mathe5b->Fach(), nullptr);
  EXPECT_EQ(mathe5b->Setzungen().Anzahl(), 1);
}

TEST_F(DepTest, DraggingRoomsAndInfoOntoAnotherRow) {
  standard.DeputatFenster.mki = true;
  auto form = OeffneDep<TLeDepForm>(mue, Modus::Schieben);
  ASSERT_EQ(form->KursIn(1), deutsch5a);
  const int raum = Spalte(*form, TKursFeld::Raeume), info = Spalte(*form, TKursFeld::Info);
  deutsch5a->SetzeInfo("Förder");
  form->DepGridEndDrag(raum, 1, raum, 1);  // onto its own row
  EXPECT_EQ(deutsch5a->Raeume().Anzahl(), 1);
  form->DepGridEndDrag(raum, 1, raum, 2);
  EXPECT_EQ(mathe5b->Raeume().Elemente(), (std::vector<TRaum*>{r102, r101}));
  form->DepGridEndDrag(info, 1, info, 2);
  EXPECT_EQ(mathe5b->Info(), "Förder");
  EXPECT_EQ(form->DepGrid->Text(info, 2), QStringLiteral("Förder"));
}

}  // namespace
}  // namespace kolvar
