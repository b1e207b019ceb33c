// "Ausschneiden", "Kopieren" and "Einsetzen" of the main menu in the master-data editors and the
// course editor: they act on the name field when it has the window's focus, a paste takes one
// short line only, and elsewhere the paste notice comes.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "masterdata/klgrform.h"
#include "masterdata/kursform.h"
#include "masterdata/legrform.h"
#include "masterdata/ragrform.h"
#include "masterdata/sperrung.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

// MUE "Fuchs Hans" and SCH; 5a with R1; MUE teaches 5a in R1.
void Baue(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  mue->SetzeName("Fuchs Hans");
  s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TRaum* r1 = s.NeuerRaum("R1");
  s.ErzeugeKurs(mue, a, nullptr, nullptr, r1, 2);
  s.SetzeGeaendert(false);
}

class ZwischenablageTest : public GuiTest {
 protected:
  ZwischenablageTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~ZwischenablageTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(PruefeModell(S()).empty());
    palette.reset();
  }
  TSchule& S() const { return palette->Schule(); }
  // With neu a window of its own, else the active editor of the kind takes the element over.
  template <class Form>
  Form* Oeffne(TElement* e, bool neu = false) {
    palette->Oeffner().OeffneElement(0, e, neu ? Taste::Shift : 0);
    auto* f = dynamic_cast<Form*>(e->GrForm());
    if (f != nullptr) Aktiviere(f);
    return f;
  }
  void Aktiviere(IFenster* f) {
    S().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
  }
  void Menue(const QString& pfad) {
    QAction* a = palette->Menues().Aktion(pfad);
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->isEnabled()) << pfad.toStdString();
    a->trigger();
  }
  // The paste notice comes once and is closed with "Ok".
  void ErwarteHinweis() {
    dialoge.Bediene(QStringLiteral("Einsetzen"), [](TKvDialog& d) {
      ASSERT_NE(d.Knopf(QStringLiteral("Ok")), nullptr);
      d.Knopf(QStringLiteral("Ok"))->click();
    });
  }
  TLehrer* Lehrer(int i) const { return S().Lehrer().Hole(i); }

  TGebauteSchule dateien{Baue};
};

TEST_F(ZwischenablageTest, NameFieldCopiesCutsAndPastesThroughTheMenu) {
  auto* le = Oeffne<TLeGrForm>(Lehrer(1));
  ASSERT_NE(le, nullptr);
  le->InfoFeld->setFocus();
  le->InfoFeld->setSelection(0, 5);
  Menue(MenuePfad::Kopieren);
  EXPECT_EQ(ablage.Text(), QStringLiteral("Fuchs"));
  EXPECT_EQ(Lehrer(1)->Name(), "Fuchs Hans");
  EXPECT_FALSE(S().Geaendert()) << "copying changes nothing";

  // Into another editor's name: the one line replaces its selection and becomes the name.
  auto* sch = Oeffne<TLeGrForm>(Lehrer(2), true);
  ASSERT_NE(sch, nullptr);
  ASSERT_NE(sch, le);
  sch->InfoFeld->setFocus();
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(sch->InfoFeld->text(), QStringLiteral("Fuchs"));
  EXPECT_EQ(Lehrer(2)->Name(), "Fuchs");
  EXPECT_TRUE(S().Geaendert());

  // A cut takes the selected text out of the name.
  Aktiviere(le);
  le->InfoFeld->setSelection(5, 5);
  Menue(MenuePfad::Ausschneiden);
  EXPECT_EQ(ablage.Text(), QStringLiteral(" Hans"));
  EXPECT_EQ(Lehrer(1)->Name(), "Fuchs");
  EXPECT_EQ(le->InfoFeld->text(), QStringLiteral("Fuchs"));
  // Nothing selected: neither the clipboard nor the name changes.
  le->InfoFeld->deselect();
  Menue(MenuePfad::Ausschneiden);
  Menue(MenuePfad::Kopieren);
  EXPECT_EQ(ablage.Text(), QStringLiteral(" Hans"));
  EXPECT_EQ(Lehrer(1)->Name(), "Fuchs");
}

TEST_F(ZwischenablageTest, PasteTakesOneLineShorterThanTheName) {
  auto* kl = Oeffne<TKlGrForm>(S().Klassen().Hole(1));
  ASSERT_NE(kl, nullptr);
  kl->InfoFeld->setFocus();
  // A line break at the end is no second line; 21 characters fit.
  ablage.SetzeText(QString(21, QLatin1Char('x')) + QStringLiteral("\r\n"));
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(S().Klassen().Hole(1)->Name(), std::string(21, 'x'));
  for (const QString& text : {QString(22, QLatin1Char('y')), QStringLiteral("eins\nzwei"), QString()}) {
    kl->InfoFeld->selectAll();
    ablage.SetzeText(text);
    ErwarteHinweis();
    Menue(MenuePfad::Einsetzen);
    EXPECT_TRUE(dialoge.AllesBeantwortet()) << text.toStdString();
    EXPECT_EQ(S().Klassen().Hole(1)->Name(), std::string(21, 'x')) << text.toStdString();
  }
  // With the lock grid focused the editor has nothing to paste into, and nothing to copy.
  kl->Sperrung()->Gitter()->setFocus();
  ablage.SetzeText(QStringLiteral("Neu"));
  Menue(MenuePfad::Einsetzen);
  Menue(MenuePfad::Kopieren);
  Menue(MenuePfad::Ausschneiden);
  EXPECT_EQ(ablage.Text(), QStringLiteral("Neu"));
  EXPECT_EQ(S().Klassen().Hole(1)->Name(), std::string(21, 'x'));
}

TEST_F(ZwischenablageTest, RoomAndCourseEditorsTakeTheName) {
  auto* ra = Oeffne<TRaGrForm>(S().Raeume().Hole(1));
  ASSERT_NE(ra, nullptr);
  ra->InfoFeld->setFocus();
  ablage.SetzeText(QStringLiteral("Physiksaal\n"));
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(S().Raeume().Hole(1)->Name(), "Physiksaal");

  TKurs* kurs = S().Kurse().Hole(1);
  palette->OeffneKursForm(*kurs, {kurs});
  auto* form = dynamic_cast<TKursForm*>(S().EinzelFenster(FensterArt::Kurs));
  ASSERT_NE(form, nullptr);
  Aktiviere(form);
  form->InfoFeld->setFocus();
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(kurs->Info(), "Physiksaal");
  form->InfoFeld->setSelection(0, 6);
  Menue(MenuePfad::Ausschneiden);
  EXPECT_EQ(ablage.Text(), QStringLiteral("Physik"));
  EXPECT_EQ(kurs->Info(), "saal");
  // Two lines are refused here too.
  ablage.SetzeText(QStringLiteral("a\nb"));
  ErwarteHinweis();
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(kurs->Info(), "saal");
}

TEST_F(ZwischenablageTest, WithoutAnActiveWindowPasteShowsTheNotice) {
  ablage.SetzeText(QStringLiteral("Fuchs"));
  ASSERT_EQ(S().AktivesFenster(), nullptr);
  ErwarteHinweis();
  Menue(MenuePfad::Einsetzen);
  EXPECT_TRUE(dialoge.AllesBeantwortet());
  EXPECT_EQ(ablage.Text(), QStringLiteral("Fuchs"));
}

}  // namespace
}  // namespace kolvar
