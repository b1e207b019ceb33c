// "Ausschneiden", "Kopieren" and "Einsetzen" of the main menu in the substitute choices: they act
// on the remark field that has the window's focus, and a paste takes one line shorter than a
// remark. The remark fields keep out what the school file cannot hold, typed or pasted, and their
// own paste is checked as "Einsetzen" checks it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <functional>
#include <string>

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
#include "storage/mactext.h"
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

  // The clipboard as the program reads it and as the field's own paste would read it.
  void Ablage(const QString& text) {
    ablage.SetzeText(text);
    QGuiApplication::clipboard()->setText(text);
  }
  // Typed key by key, as the keyboard sends characters beyond Latin-1 too.
  static void Tippe(QLineEdit& feld, const QString& text) {
    for (const QChar z : text) QTest::sendKeyEvent(QTest::Click, &feld, Qt::Key_unknown, QString(z), {});
  }
  // The field's context menu, opened by the right button, and its "Einfügen" clicked.
  static void KontextEinsetzen(QLineEdit& feld) {
    const QPoint ort = feld.rect().center();
    QContextMenuEvent e(QContextMenuEvent::Mouse, ort, feld.mapToGlobal(ort));
    QApplication::sendEvent(&feld, &e);
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    QAction* einsetzen = nullptr;
    const QString text = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* a : menue->actions())
      if (a->text().section(QLatin1Char('\t'), 0, 0) == text) einsetzen = a;
    ASSERT_NE(einsetzen, nullptr);
    ASSERT_TRUE(einsetzen->isEnabled());
    QTest::mouseClick(menue, Qt::LeftButton, {}, menue->actionGeometry(einsetzen).center());
    EXPECT_FALSE(menue->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Typing keeps what the file holds and drops the rest; every way of pasting refuses a text with
  // a character the file cannot hold, a tab or a second line, with the notice, and takes one good
  // line.
  void PruefeBemerkung(QLineEdit& feld, const std::function<std::string()>& bemerkung) {
    feld.setFocus();
    feld.selectAll();
    Tippe(feld, QStringLiteral("Weg → Halle Łódź"));
    EXPECT_EQ(bemerkung(), "Weg  Halle ód");
    EXPECT_EQ(feld.text(), QString::fromStdString(bemerkung()));
    EXPECT_TRUE(MacDarstellbar(bemerkung()));

    const std::function<void()> wege[] = {
        [&] { QTest::keyClick(&feld, Qt::Key_V, Qt::ControlModifier); },
        [&] { KontextEinsetzen(feld); },
        [&] { Menue(MenuePfad::Einsetzen); },
    };
    const QString schlecht[] = {QStringLiteral("Weg → Halle"), QStringLiteral("Mo 1. De 5a\nMo 2. Ma 5a"),
                                QStringLiteral("MUE\tR1"), QStringLiteral("Ł")};
    for (std::size_t w = 0; w < std::size(wege); ++w)
      for (const QString& text : schlecht) {
        SCOPED_TRACE(::testing::Message() << "Weg " << w << ": " << text.toStdString());
        feld.selectAll();
        Ablage(text);
        ErwarteHinweis();
        wege[w]();
        EXPECT_TRUE(dialoge.AllesBeantwortet());
        EXPECT_EQ(bemerkung(), "Weg  Halle ód");
        EXPECT_EQ(feld.text(), QString::fromStdString(bemerkung()));
      }
    // One line a remark can hold goes in by each way, its line break dropped.
    for (std::size_t w = 0; w < std::size(wege); ++w) {
      feld.selectAll();
      Ablage(QStringLiteral("Raum ") + QString::number(w) + QStringLiteral("\r\n"));
      wege[w]();
      EXPECT_EQ(bemerkung(), "Raum " + std::to_string(w));
    }
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

TEST_F(WahlAblageTest, TeacherChoiceRemarksHoldOnlyWhatTheFileHolds) {
  auto* w = Waehle<TVLeWahlForm>(1, FensterArt::VLeWahl);
  ASSERT_NE(w, nullptr);
  TVertretung* v = w->Vertretung();
  ASSERT_NE(v, nullptr);
  PruefeBemerkung(*w->InfoFeldL, [v] { return v->LehrerBem(); });
  PruefeBemerkung(*w->InfoFeldS, [v] { return v->SchuelerBem(); });
  EXPECT_EQ(v->LehrerBem(), "Raum 2");
}

TEST_F(WahlAblageTest, RoomChoiceRemarksHoldOnlyWhatTheFileHolds) {
  auto* w = Waehle<TVRaWahlForm>(2, FensterArt::VRaWahl);
  ASSERT_NE(w, nullptr);
  TVertretung* v = w->Vertretung();
  ASSERT_NE(v, nullptr);
  PruefeBemerkung(*w->LBemFeld, [v] { return v->LehrerBem(); });
  PruefeBemerkung(*w->SBemFeld, [v] { return v->SchuelerBem(); });
}

}  // namespace
}  // namespace kolvar
