// "Ausschneiden", "Kopieren" and "Einsetzen" of the main menu in the substitute choices: they act
// on the remark field that has the window's focus, and a paste takes one line shorter than a
// remark.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "model/datum.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "substitution/fehlzeit.h"
#include "substitution/vertretung.h"
#include "substitution/vertrform.h"
#include "substitution/vertrzeile.h"
#include "substitution/vlewahlform.h"
#include "substitution/vrawahlform.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

constexpr int32_t kMontag = TagesNummer(2026, 3, 2);

// Monday: MUE 5a R1 in period 1, SCH 5b R2 in period 2; MUE is absent in 1, R2 in 2.
void BaueTag(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  TLehrer* sch = s.NeuerLehrer("SCH");
  TRaum* r1 = s.NeuerRaum("R1");
  TRaum* r2 = s.NeuerRaum("R2");
  s.NeuerRaum("R3");
  s.ErzeugeKurs(mue, s.NeueKlasse("5a"), nullptr, nullptr, r1, 2)->Setze(1, 1, r1, 1);
  s.ErzeugeKurs(sch, s.NeueKlasse("5b"), nullptr, nullptr, r2, 2)->Setze(1, 1, r2, 2);
  SetzeFehltStunde(*mue, kMontag, 1, true);
  SetzeFehltStunde(*r2, kMontag, 2, true);
}

class WahlAblageTest : public GuiTest {
 protected:
  WahlAblageTest() {
    uhr.Setze(int64_t{kMontag} * 86400 + 8 * 3600);
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/vertretung.kvr")));
    palette->Menues().Aktion(MenuePfad::VertretungHeute)->trigger();
  }
  ~WahlAblageTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(PruefeModell(S()).empty());
    palette.reset();
  }
  TSchule& S() { return palette->Schule(); }
  TVertrForm* Liste() { return dynamic_cast<TVertrForm*>(S().EinzelFenster(FensterArt::Vertr)); }
  void Aktiviere(IFenster* f) {
    S().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
  }
  // The record of the period opened by a real double click on its row, its window made active.
  template <class Form>
  Form* Waehle(int stunde, int art) {
    TVertrForm* f = Liste();
    if (f == nullptr) return nullptr;
    Aktiviere(f);
    for (int z = 1; z < f->GetZeilenzahl(); ++z) {
      const TVertretung* v = f->VertretungIn(z);
      if (v == nullptr || v->Stunde() != stunde) continue;
      const QRect r = f->VertrGrid->ZellRechteck(VertrSpalte::Stunde, z);
      QTest::qWait(QApplication::doubleClickInterval() + 20);
      QTest::mouseClick(f->VertrGrid->viewport(), Qt::LeftButton, {}, r.center());
      QTest::mouseDClick(f->VertrGrid->viewport(), Qt::LeftButton, {}, r.center());
      break;
    }
    auto* wahl = dynamic_cast<Form*>(S().EinzelFenster(art));
    if (wahl != nullptr) Aktiviere(wahl);
    return wahl;
  }
  void Menue(const QString& pfad) { palette->Menues().Aktion(pfad)->trigger(); }
  void ErwarteHinweis() {
    dialoge.Bediene(QStringLiteral("Einsetzen"),
                    [](TKvDialog& d) { d.Knopf(QStringLiteral("Ok"))->click(); });
  }

  TGebauteSchule dateien{BaueTag};
};

TEST_F(WahlAblageTest, TeacherChoiceRemarks) {
  auto* w = Waehle<TVLeWahlForm>(1, FensterArt::VLeWahl);
  ASSERT_NE(w, nullptr);
  TVertretung* v = w->Vertretung();
  ASSERT_NE(v, nullptr);
  // 61 characters fit a remark, one more does not.
  const QString lang(61, QLatin1Char('b'));
  ablage.SetzeText(lang + QStringLiteral("\n"));
  w->InfoFeldS->setFocus();
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(v->SchuelerBem(), lang.toStdString());
  EXPECT_EQ(v->LehrerBem(), "");
  w->InfoFeldL->setFocus();
  ablage.SetzeText(lang + QStringLiteral("b"));
  ErwarteHinweis();
  Menue(MenuePfad::Einsetzen);
  EXPECT_TRUE(dialoge.AllesBeantwortet());
  EXPECT_EQ(v->LehrerBem(), "");
  // Cut from the students' remark, paste into the teachers'.
  w->InfoFeldS->setFocus();
  w->InfoFeldS->setSelection(0, 60);
  Menue(MenuePfad::Ausschneiden);
  EXPECT_EQ(ablage.Text(), QString(60, QLatin1Char('b')));
  EXPECT_EQ(v->SchuelerBem(), "b");
  w->InfoFeldL->setFocus();
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(v->LehrerBem(), std::string(60, 'b'));
  w->InfoFeldL->setSelection(0, 3);
  Menue(MenuePfad::Kopieren);
  EXPECT_EQ(ablage.Text(), QStringLiteral("bbb"));
  // With the list focused there is no field: nothing is pasted and no notice comes.
  w->LehrerGrid->setFocus();
  ablage.SetzeText(QStringLiteral("x\ny"));
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(v->LehrerBem(), std::string(60, 'b'));
}

TEST_F(WahlAblageTest, RoomChoiceRemarks) {
  auto* w = Waehle<TVRaWahlForm>(2, FensterArt::VRaWahl);
  ASSERT_NE(w, nullptr);
  TVertretung* v = w->Vertretung();
  ASSERT_NE(v, nullptr);
  ablage.SetzeText(QStringLiteral("Raum 3 nehmen"));
  w->LBemFeld->setFocus();
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(v->LehrerBem(), "Raum 3 nehmen");
  w->LBemFeld->setSelection(0, 4);
  Menue(MenuePfad::Ausschneiden);
  EXPECT_EQ(ablage.Text(), QStringLiteral("Raum"));
  EXPECT_EQ(v->LehrerBem(), " 3 nehmen");
  w->SBemFeld->setFocus();
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(v->SchuelerBem(), "Raum");
  w->SBemFeld->selectAll();
  Menue(MenuePfad::Kopieren);
  EXPECT_EQ(ablage.Text(), QStringLiteral("Raum"));
  ablage.SetzeText(QStringLiteral("zwei\r\nZeilen"));
  ErwarteHinweis();
  Menue(MenuePfad::Einsetzen);
  EXPECT_EQ(v->SchuelerBem(), "Raum");
}

}  // namespace
}  // namespace kolvar
