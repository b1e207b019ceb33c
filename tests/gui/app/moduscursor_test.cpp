// The tool modes chosen with the palette's buttons give the windows' lists the mode's cursor:
// the parallel couplings, the editors' lists a double click deletes from, the course editor's
// fields and grids and the substitution day list.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "masterdata/klgrform.h"
#include "masterdata/kursform.h"
#include "masterdata/legrform.h"
#include "masterdata/uvgrform.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/uvtab.h"
#include "platform/cursoren.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "substitution/vertrform.h"
#include "support/modellpruefung.h"
#include "views/parform.h"

namespace kolvar {
namespace {

// MUE teaches De in 5a, coupled in REL, in R1; a table over 5a and De.
void Baue(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  TKlasse* a = s.NeueKlasse("5a");
  TFach* de = s.NeuesFach("De");
  mue->FuegeFachHinzu(de);
  s.ErzeugeKurs(mue, a, s.NeueKopplung("REL"), de, s.NeuerRaum("R1"), 2);
  TUVTab* uv = s.NeueUVTab("UV");
  uv->FuegeKlasseHinzu(a);
  uv->FuegeFachHinzu(de);
  s.SetzeGeaendert(false);
}

// The name of the program's cursor the widget shows, "Pfeil" for the arrow.
QString CursorVon(const QWidget* w) {
  const QCursor c = w->cursor();
  if (c.shape() == Qt::ArrowCursor) return QStringLiteral("Pfeil");
  if (c.shape() != Qt::BitmapCursor) return QStringLiteral("?");
  const QImage bild = c.pixmap().toImage();
  for (const QString& name : KolvarCursorNamen())
    if (KolvarCursorBild(name).toImage() == bild) return name;
  return QStringLiteral("?");
}

class ModusCursorTest : public GuiTest {
 protected:
  ModusCursorTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~ModusCursorTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(PruefeModell(S()).empty());
    palette.reset();
  }
  TSchule& S() const { return palette->Schule(); }
  void Aktiviere(IFenster* f) {
    S().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
  }
  template <class Form>
  Form* Editor(TElement* e) {
    palette->Oeffner().OeffneElement(0, e, Taste::Shift);
    auto* f = dynamic_cast<Form*>(e->GrForm());
    if (f != nullptr) Aktiviere(f);
    return f;
  }
  // The palette's mode button, as the user clicks it; it must be enabled for the active window.
  void Modus(const char* knopf) {
    QToolButton* k = palette->Knopf(QString::fromLatin1(knopf));
    ASSERT_NE(k, nullptr);
    ASSERT_TRUE(k->isEnabled()) << knopf;
    k->click();
  }

  TGebauteSchule dateien{Baue};
};

TEST_F(ModusCursorTest, EditorListsShowTheEraserWhileDeleting) {
  auto* le = Editor<TLeGrForm>(S().Lehrer().Hole(1));
  auto* kl = Editor<TKlGrForm>(S().Klassen().Hole(1));
  auto* uv = Editor<TUVGrForm>(S().UVTabellen().Hole(1));
  ASSERT_TRUE(le && kl && uv);
  const std::vector<QWidget*> listen{le->FaecherGrid->viewport(), kl->FaecherGrid->viewport(),
                                     uv->LinksGrid->viewport(), uv->RechtsGrid->viewport()};
  for (QWidget* w : listen) EXPECT_EQ(CursorVon(w), QStringLiteral("Pfeil"));
  Modus("Loesch");
  for (QWidget* w : listen) EXPECT_EQ(CursorVon(w), QStringLiteral("GUMMI"));
  Modus("Zeig");
  for (QWidget* w : listen) EXPECT_EQ(CursorVon(w), QStringLiteral("Pfeil"));
}

TEST_F(ModusCursorTest, CourseEditorFieldsAndRooms) {
  // Opened while a teacher's editor deletes: the eraser from the start.
  ASSERT_NE(Editor<TLeGrForm>(S().Lehrer().Hole(1)), nullptr);
  Modus("Loesch");
  TKurs* kurs = S().Kurse().Hole(1);
  palette->OeffneKursForm(*kurs, {kurs});
  auto* f = dynamic_cast<TKursForm*>(S().EinzelFenster(FensterArt::Kurs));
  ASSERT_NE(f, nullptr);
  const std::vector<QWidget*> felder{f->LehrerFeld, f->FachFeld, f->Kopplfeld, f->KlGrid->viewport()};
  for (QWidget* w : felder) EXPECT_EQ(CursorVon(w), QStringLiteral("GUMMI"));
  EXPECT_EQ(CursorVon(f->RaGrid->viewport()), QStringLiteral("GUMMI"));
  Aktiviere(f);
  Modus("Schieb");
  for (QWidget* w : felder) EXPECT_EQ(CursorVon(w), QStringLiteral("Pfeil"));
  EXPECT_EQ(CursorVon(f->RaGrid->viewport()), QStringLiteral("HAND"));
  Modus("Loesch");
  for (QWidget* w : felder) EXPECT_EQ(CursorVon(w), QStringLiteral("GUMMI"));
  EXPECT_EQ(CursorVon(f->RaGrid->viewport()), QStringLiteral("GUMMI"));
  Modus("Zeig");
  for (QWidget* w : felder) EXPECT_EQ(CursorVon(w), QStringLiteral("Pfeil"));
  EXPECT_EQ(CursorVon(f->RaGrid->viewport()), QStringLiteral("Pfeil"));
}

TEST_F(ModusCursorTest, ParallelCouplingsHaveACursorPerMode) {
  dialoge.Antworte(QStringLiteral("ParStartForm"), mrOk);
  palette->Menues().Aktion(QStringLiteral("Daten/Parallele Kopplungen"))->trigger();
  auto* f = dynamic_cast<TParForm*>(S().EinzelFenster(FensterArt::Par));
  ASSERT_NE(f, nullptr);
  Aktiviere(f);
  QWidget* w = f->Gitter()->viewport();
  EXPECT_EQ(CursorVon(w), QStringLiteral("Pfeil"));
  const std::vector<std::pair<const char*, QString>> modi{{"Setz", QStringLiteral("SETZER")},
                                                          {"Loesch", QStringLiteral("GUMMI")},
                                                          {"Schieb", QStringLiteral("HAND")},
                                                          {"Fix", QStringLiteral("HAMMER")}};
  for (const auto& [knopf, cursor] : modi) {
    Modus(knopf);
    EXPECT_EQ(CursorVon(w), cursor) << knopf;
  }
  // Ctrl and Shift change nothing here.
  palette->ShiftMerken(Taste::Strg | Taste::Shift);
  EXPECT_EQ(CursorVon(w), QStringLiteral("HAMMER"));
  palette->ShiftMerken(0);
}

TEST_F(ModusCursorTest, DayListPlacesAndDeletes) {
  palette->Menues().Aktion(MenuePfad::VertretungHeute)->trigger();
  auto* f = dynamic_cast<TVertrForm*>(S().EinzelFenster(FensterArt::Vertr));
  ASSERT_NE(f, nullptr);
  Aktiviere(f);
  QWidget* w = f->VertrGrid->viewport();
  Modus("Setz");
  EXPECT_EQ(CursorVon(w), QStringLiteral("SETZER"));
  Modus("Loesch");
  EXPECT_EQ(CursorVon(w), QStringLiteral("GUMMI"));
  Modus("Zeig");
  EXPECT_EQ(CursorVon(w), QStringLiteral("Pfeil"));
}

}  // namespace
}  // namespace kolvar
