// The hour distribution after locks are drawn in an editor: a teacher's, class's or room's lock
// grid rebuilds it on the teachers, whatever list was chosen; the course editor's leaves it be.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "masterdata/kursform.h"
#include "masterdata/ragrform.h"
#include "masterdata/sperrung.h"
#include "masterdata/svform.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/gitter.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

// MUE teaches 5a in R1, placed Monday 1; R2 is free.
void Baue(TSchule& s) {
  TRaum* r1 = s.NeuerRaum("R1");
  s.NeuerRaum("R2");
  s.ErzeugeKurs(s.NeuerLehrer("MUE"), s.NeueKlasse("5a"), nullptr, nullptr, r1, 2)->Setze(1, 1, r1, 1);
  s.SetzeGeaendert(false);
}

// A click on the lock grid's cell, as the user makes it.
void Klicke(TSperrung& sperrung, int tag, int stunde) {
  QWidget* g = sperrung.Gitter();
  const QPoint ort = sperrung.ZellRechteck(tag, stunde).center();
  for (QEvent::Type typ : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(typ, QPointF(ort), QPointF(g->mapToGlobal(ort)), Qt::LeftButton,
                  typ == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(g, &e);
  }
}

class SVSperreTest : public GuiTest {
 protected:
  SVSperreTest() {
    standard.pst = 4;
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
    palette->Menues().Aktion(MenuePfad::Stundenverteilung)->trigger();
  }
  ~SVSperreTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(PruefeModell(S()).empty());
    palette.reset();
  }
  TSchule& S() const { return palette->Schule(); }
  TSVForm* SV() const { return dynamic_cast<TSVForm*>(S().EinzelFenster(FensterArt::SV)); }
  void WaehleListe(int liste) { SV()->KueGroup->findChildren<QRadioButton*>()[liste]->click(); }

  TGebauteSchule dateien{Baue};
};

TEST_F(SVSperreTest, LockInARoomEditorShowsTheTeachersAgain) {
  ASSERT_NE(SV(), nullptr);
  WaehleListe(2);
  ASSERT_EQ(SV()->Liste(), 2);
  EXPECT_EQ(SV()->SVGrid->Text(0, 2), QStringLiteral("R2"));
  TRaum* r2 = S().Raeume().Hole(2);
  palette->Oeffner().OeffneElement(0, r2, 0);
  auto* ra = dynamic_cast<TRaGrForm*>(r2->GrForm());
  ASSERT_NE(ra, nullptr);
  S().SetzeAktivesFenster(ra);
  Klicke(*ra->Sperrung(), 1, 2);
  ASSERT_TRUE(r2->Sperrung().Belegt(1, 1, 2));
  EXPECT_EQ(SV()->Liste(), 0);
  EXPECT_EQ(SV()->SVGrid->Zeilen(), 2);
  EXPECT_EQ(SV()->SVGrid->Text(0, 1), QStringLiteral("MUE"));
  EXPECT_EQ(SV()->SVGrid->Text(1, 1), QStringLiteral("EFFF"));
  // The rooms chosen again show the new lock.
  WaehleListe(2);
  EXPECT_EQ(SV()->SVGrid->Text(1, 2), QStringLiteral("FSFF"));
  // A click that changes no lock (a placed slot) leaves the choice.
  TRaum* r1 = S().Raeume().Hole(1);
  palette->Oeffner().OeffneElement(0, r1, Taste::Shift);
  auto* ra1 = dynamic_cast<TRaGrForm*>(r1->GrForm());
  ASSERT_NE(ra1, nullptr);
  Klicke(*ra1->Sperrung(), 1, 1);
  EXPECT_EQ(SV()->Liste(), 2);
}

TEST_F(SVSperreTest, LockInTheCourseEditorKeepsTheChoice) {
  ASSERT_NE(SV(), nullptr);
  WaehleListe(1);
  TKurs* kurs = S().Kurse().Hole(1);
  palette->OeffneKursForm(*kurs, {kurs});
  auto* form = dynamic_cast<TKursForm*>(S().EinzelFenster(FensterArt::Kurs));
  ASSERT_NE(form, nullptr);
  Klicke(*form->Sperrung, 2, 3);
  ASSERT_TRUE(kurs->Sperrung().Belegt(1, 2, 3));
  EXPECT_EQ(SV()->Liste(), 1);
  EXPECT_EQ(SV()->SVGrid->Text(0, 1), QStringLiteral("5a"));
}

}  // namespace
}  // namespace kolvar
