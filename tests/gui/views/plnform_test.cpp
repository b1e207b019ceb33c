// What a plan view shows: which lessons fill which cells, locks, row heights, drawing, the copy
// as text, and opening and reusing plan windows.

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include "planumgebung.h"
#include "platform/fensterartregister.h"
#include "platform/fensterliste.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "views/planfenster.h"

namespace kolvar {
namespace {

// A copied cell: each abbreviation padded to 8 characters, the last character dropped.
QString Z(std::initializer_list<const char*> teile) {
  QString text;
  for (const char* t : teile) text += QString::fromUtf8(t).leftJustified(8);
  text.chop(1);
  return text;
}

class AnzeigeTest : public PlanTest {
 protected:
  AnzeigeTest() : PlanTest(2) {}
};

TEST_F(AnzeigeTest, OnlyTheCurrentVersionAndThePeriodsShownFillTheGrid) {
  standard.SetAktuelleVersion(1);
  deutsch5a->Setze(1, 1, r101, 1);
  deutsch5a->Setze(2, 2, r101, 2);  // another version
  deutsch5a->Setze(1, 3, r101, 7);  // beyond "pst"
  mathe5a->Setze(1, 1, r102, 2);
  auto klasse = Oeffne<TKlPlnForm>(k5a);
  EXPECT_EQ(klasse->PlnGrid->Zeilen(), 7);
  EXPECT_EQ(klasse->PlnGrid->Spalten(), 6);
  EXPECT_EQ(klasse->Zellen().Kurs(1, 1), deutsch5a);
  EXPECT_EQ(klasse->Zellen().Kurs(2, 2), nullptr);
  EXPECT_EQ(klasse->Zellen().Kurs(1, 2), mathe5a);
  // Version 2 shows its own week.
  standard.SetAktuelleVersion(2);
  klasse->Aktualisiere();
  EXPECT_EQ(klasse->Zellen().Kurs(1, 1), nullptr);
  EXPECT_EQ(klasse->Zellen().Kurs(2, 2), deutsch5a);
}

TEST_F(AnzeigeTest, ALessonInALockedSlotIsDrawnAsALesson) {
  deutsch5a->Setze(1, 1, r101, 1);
  k5a->Sperrung().SetzeBereich(1, 1, 1, true);
  k5a->Sperrung().SetzeBereich(1, 2, 1, true);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  plan->PlnGrid->SetzeZelle(5, 6);  // the selection is drawn highlighted
  plan->MarkierungenLoeschen();
  QImage bild(plan->PlnGrid->viewport()->size(), QImage::Format_RGB32);
  bild.fill(Qt::black);
  QPainter maler(&bild);
  plan->PlnGrid->Male(maler, bild.rect());
  maler.end();
  auto farbe = [&](int d, int p) {
    const QRect r = plan->PlnGrid->ZellRechteck(d, p);
    return bild.pixelColor(r.right() - 1, r.bottom() - 1);
  };
  EXPECT_EQ(farbe(1, 1), QColor(0x99, 0xCC, 0xFF));  // the course colour
  EXPECT_EQ(farbe(2, 1), QColor(128, 128, 128));     // locked and empty
  EXPECT_EQ(farbe(3, 1), QColor(Qt::white));
}

TEST_F(AnzeigeTest, RowHeightFollowsSideBySideAndRooms) {
  standard.PlanZeilenHoehe = 18;
  standard.PlanFenster.neb = true;
  auto plan = Oeffne<TLePlnForm>(mue);
  EXPECT_EQ(plan->PlnGrid->StandardHoehe(), 18);
  standard.PlanFenster.neb = false;
  standard.PlanFenster.mra = true;
  plan->Aktualisiere();
  EXPECT_EQ(plan->PlnGrid->StandardHoehe(), 54);
  standard.PlanFenster.mra = false;
  plan->Aktualisiere();
  EXPECT_EQ(plan->PlnGrid->StandardHoehe(), 36);
}

TEST_F(AnzeigeTest, SideBySideColumnsAreAsWideAsTheirItems) {
  auto& f = standard.PlanFenster;
  f.neb = true;
  f.mra = true;
  f.plb = 30, f.pkb = 25, f.pob = 35, f.pfb = 20, f.prb = 28;
  auto lehrer = Oeffne<TLePlnForm>(ber);  // no courses needed
  EXPECT_EQ(lehrer->PlnGrid->StandardBreite(), 35 + 20 + 28);
  auto raum = Oeffne<TRaPlnForm>(th);
  EXPECT_EQ(raum->PlnGrid->StandardBreite(), 30 + 35 + 20);
  f.mra = false;
  raum->Aktualisiere();
  EXPECT_EQ(raum->PlnGrid->StandardBreite(), 30 + 35);
  f.neb = false;
  raum->Aktualisiere();
  EXPECT_EQ(raum->PlnGrid->StandardBreite(), 35);  // the widest abbreviation
}

TEST_F(AnzeigeTest, TheButtonSwitchesBetweenCouplingAndClass) {
  sportSch->Setze(1, 1, th, 1);
  auto plan = Oeffne<TLePlnForm>(sch);
  EXPECT_EQ(plan->PlanWechselKnopf->text(), QStringLiteral("o"));
  EXPECT_EQ(plan->PlanText().value(1), " 1\t" + Z({"SPO", "Sp", "TH"}) + "\t---\t---\t---\t---");
  plan->PlanWechselKnopf->click();
  EXPECT_EQ(plan->PlanWechselKnopf->text(), QStringLiteral("x"));
  EXPECT_EQ(plan->PlanText().value(1), " 1\t" + Z({"5a", "Sp", "TH"}) + "\t---\t---\t---\t---");
}

TEST_F(AnzeigeTest, CopyOfAFullPlanPerVariant) {
  standard.PlanFenster.mra = true;
  for (int d = 1; d <= 5; ++d)
    for (int p = 1; p <= 6; ++p) {
      TKurs* k = (d + p) % 2 == 0 ? deutsch5a : mathe5a;
      TSetzung* s = k->Setze(1, d, r101, p);
      if (s == nullptr) {
        k->SetzeStunden(1, k->Stunden(1) + 1);
        k->Setze(1, d, r101, p);
      }
    }
  auto klasse = Oeffne<TKlPlnForm>(k5a);
  const QStringList zeilen = klasse->PlanText();
  ASSERT_EQ(zeilen.size(), 7);
  const QString de = Z({"MUE", "De", "R101"}), ma = Z({"SCH", "Ma", "R101"});
  EXPECT_EQ(zeilen[1], " 1\t" + de + "\t" + ma + "\t" + de + "\t" + ma + "\t" + de);
  for (const QString& z : zeilen.mid(1)) EXPECT_FALSE(z.contains(QStringLiteral("---")));
  auto raum = Oeffne<TRaPlnForm>(r101);
  // The room plan never adds the room: teacher, class and subject.
  EXPECT_TRUE(raum->PlanText().value(1).startsWith(" 1\t" + Z({"MUE", "5a", "De"}) + "\t"));
}

TEST_F(AnzeigeTest, ClassPlanCopyWithShiftListsTheCoursesOfACoupling) {
  standard.PlanFenster.mra = false;
  sportSch->Setze(1, 2, th, 1);
  sportBer->Setze(1, 2, r102, 1);
  deutsch5a->Setze(1, 1, r101, 1);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  palette.tasten = Taste::Shift;
  QStringList zeilen = plan->PlanText();
  ASSERT_EQ(zeilen.size(), 7 + 2);
  EXPECT_EQ(zeilen[1], " 1\t" + Z({"MUE", "De"}) + "\t" + Z({"SPO"}) + "\t---\t---\t---");
  EXPECT_EQ(zeilen[2], "\t\t" + Z({"SCH", "Sp"}) + "\t\t\t");
  EXPECT_EQ(zeilen[3], "\t\t" + Z({"BER", "Sp"}) + "\t\t\t");
  plan->PlanWechselKnopfClick();
  zeilen = plan->PlanText();
  // "x": the first course in the main line, one extra line per further course.
  EXPECT_EQ(zeilen[1], " 1\t" + Z({"MUE", "De"}) + "\t" + Z({"SPO", "Sp"}) + "\t---\t---\t---");
  EXPECT_EQ(zeilen[2], "\t\t" + Z({"SPO", "Sp"}) + "\t\t\t");
  EXPECT_EQ(zeilen.size(), 7 + 1);
  palette.tasten = 0;
}

TEST_F(AnzeigeTest, ZieleMarkierenMarksTheSlotsTheCourseCanTake) {
  deutsch5a->Setze(1, 1, r101, 1);
  mue->Sperrung().SetzeBereich(1, 2, 2, true);
  auto plan = Oeffne<TLePlnForm>(mue);
  deutsch5a->ZeigeMoeglicheStunden(nullptr);
  EXPECT_EQ(plan->Zellen().Marke(1, 1), TMarke::Keine);     // held by the course itself
  EXPECT_EQ(plan->Zellen().Marke(2, 2), TMarke::Gesperrt);  // locked
  EXPECT_EQ(plan->Zellen().Marke(3, 3), TMarke::Markiert);
  plan->MarkierungenLoeschen();
  EXPECT_EQ(plan->Zellen().Marke(3, 3), TMarke::Keine);
}

TEST_F(AnzeigeTest, OpeningReusesTheActivePlanOfTheKindUnlessANewOneIsWanted) {
  TFensterArtRegister arten;
  arten.Registriere(FensterArt::LePln, "TLePlnForm", [this] { return new TLePlnForm(*schule, nullptr); });
  arten.Registriere(FensterArt::KlPln, "TKlPlnForm", [this] { return new TKlPlnForm(*schule, nullptr); });
  arten.Registriere(FensterArt::RaPln, "TRaPlnForm", [this] { return new TRaPlnForm(*schule, nullptr); });
  schule->SetzeAnsichtsgruppe(2);
  const bool geaendert = schule->Geaendert();
  TPlnForm* a = OeffnePlanFenster(arten, *schule, mue, false);
  ASSERT_NE(a, nullptr);
  schule->SetzeAktivesFenster(a);
  EXPECT_EQ(mue->PlnForm(), a);
  TPlnForm* b = OeffnePlanFenster(arten, *schule, sch, false);
  EXPECT_EQ(b, a);  // taken over
  EXPECT_EQ(a->Element(), sch);
  EXPECT_EQ(mue->PlnForm(), nullptr);
  EXPECT_EQ(sch->PlnForm(), a);
  EXPECT_EQ(a->Caption(), QStringLiteral("Plan SCH"));
  TPlnForm* c = OeffnePlanFenster(arten, *schule, mue, true);
  EXPECT_NE(c, a);
  EXPECT_EQ(mue->PlnForm(), c);
  // A class opens a class plan beside them; opening never marks the school modified.
  TPlnForm* d = OeffnePlanFenster(arten, *schule, k5a, false);
  EXPECT_EQ(d->Tag(), FensterArt::KlPln);
  EXPECT_EQ(schule->Geaendert(), geaendert);
  EXPECT_EQ(OeffnePlanFenster(arten, *schule, nullptr, false), nullptr);
  // Deleting an element closes its plan.
  schule->LoescheElement(k5b);
  for (TPlnForm* f : {a, c, d}) {
    f->Schliesse();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_EQ(mue->PlnForm(), nullptr);
  EXPECT_TRUE(schule->Fenster().empty());
  // A plan built and freed without ever opening holds no slot.
  {
    TLePlnForm nieOffen(*schule, nullptr);
    nieOffen.Zeige(ber);
  }
  EXPECT_EQ(ber->PlnForm(), nullptr);
}

// All a plan window sees of the palette, recorded.
class TProtokollPalette : public IPalette, public IFensterListe {
 public:
  IFensterListe& FensterListe() override { return *this; }
  uint8_t Tasten() const override { return 0; }
  bool Beschaeftigt() const override { return false; }
  void ClickLinks() override { protokoll << QStringLiteral("links"); }
  void ClickRechts() override { protokoll << QStringLiteral("rechts"); }
  void TextInZwischenablage(const QString& text) override { memo = text; }
  bool WaehleElement(TElementArt, bool, const QPoint&) override { return false; }
  TElement* Wahl(TElementArt) const override { return nullptr; }
  void FensterAnmelden(TKindFenster& f) override { protokoll << "an " + f.Caption(); }
  void FensterAbmelden(TKindFenster& f) override { protokoll << "ab " + f.Caption(); }
  void FensterAktiviert(TKindFenster&) override {}

  QStringList protokoll;
  QString memo;
};

TEST_F(AnzeigeTest, APlanNeedsOnlyThePalettesInterface) {
  TProtokollPalette p;
  {
    TKlPlnForm plan(*schule, &p);
    plan.Zeige(k5a);
    plan.Oeffne();
    for (Qt::Key taste : {Qt::Key_Right, Qt::Key_Left}) {
      QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier);
      QCoreApplication::sendEvent(plan.PlnGrid, &druck);
    }
    // The plan's copy (the main menu's "Kopieren") needs no more than the palette.
    plan.PlanKopieren();
    EXPECT_EQ(p.memo, plan.PlanText().join(QLatin1Char('\n')));
    EXPECT_TRUE(ablage.Text().isEmpty()) << "the palette's memo, not the clipboard directly";
  }
  EXPECT_EQ(p.protokoll, (QStringList{"an Plan 5a", "rechts", "links", "ab Plan 5a"}));
}

}  // namespace
}  // namespace kolvar
