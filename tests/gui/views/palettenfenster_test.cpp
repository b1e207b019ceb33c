// The shown palette with real key and mouse events: the modifiers it records follow the keyboard,
// windows open clear of it, saved places stay, and captions follow renamed elements.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/fensterverwaltung.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "engine/kuerzelliste.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/skriptdienste.h"
#include "model/fach.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/spaltenmenue.h"
#include "views/depform.h"
#include "views/deputatfenster.h"

namespace kolvar {
namespace {

// Two teachers; the first teaches 5a as many courses as asked.
void BaueSchule(TSchule& s, int kurse) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TFach* de = s.NeuesFach("De");
  for (int i = 0; i < kurse; ++i) s.ErzeugeKurs(mue, a, nullptr, de, nullptr, 2);
}

class PalettenFensterTest : public ::testing::Test {
 protected:
  explicit PalettenFensterTest(int kurse = 2) : dateien([kurse](TSchule& s) { BaueSchule(s, kurse); }) {
    TDienste::SetzeDialoge(&dialoge);
    TDienste::SetzePopups(&popups);
    TDienste::SetzeAblage(&ablage);
    palette = std::make_unique<TKolvarPalette>(standard, dateien);
    InstalliereDeputatFenster(*palette);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
    palette->move(0, 40);
    palette->show();
    palette->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(palette.get()));
  }
  ~PalettenFensterTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    palette.reset();
    TDienste::Zuruecksetzen();
  }
  TDepForm* AlleKurse() {
    return dynamic_cast<TDepForm*>(palette->Schule().EinzelFenster(FensterArt::KursDep));
  }
  TDepForm* Deputat(int lehrer) {
    palette->Knopf(QStringLiteral("Dep"))->click();
    auto* menue = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Le")));
    if (menue == nullptr) return nullptr;
    menue->Waehle(lehrer);
    return dynamic_cast<TDepForm*>(palette->Schule().Lehrer().Hole(lehrer + 1)->DepForm());
  }
  QStringList FensterMenue() const {
    QStringList texte;
    for (QAction* a : palette->Fenster().FensterAktionen()) texte << a->text();
    return texte;
  }

  TStandard standard;
  TGebauteSchule dateien;
  TSkriptDialogDienst dialoge;
  TSkriptPopupDienst popups;
  TSpeicherAblage ablage;
  std::unique_ptr<TKolvarPalette> palette;
};

class GrosseSchuleTest : public PalettenFensterTest {
 protected:
  GrosseSchuleTest() : PalettenFensterTest(120) {}
};

// The Ctrl of a shortcut, a Ctrl released where no form saw it, a Ctrl whose release a dialog or
// pop-up took: none of them still counts afterwards.
TEST_F(PalettenFensterTest, ModifiersFollowTheKeyboard) {
  // Ctrl+U opens all courses unfiltered: the Ctrl belongs to the key, not to the window.
  QTest::keyClick(palette.get(), Qt::Key_U, Qt::ControlModifier);
  ASSERT_NE(AlleKurse(), nullptr);
  EXPECT_FALSE(AlleKurse()->Filter().NurOffen);
  EXPECT_EQ(AlleKurse()->Zeilen().Anzahl(), 2);

  // Pressed over the palette, released in a dialog: released.
  QTest::keyPress(palette.get(), Qt::Key_Control);
  EXPECT_EQ(palette->Tasten(), Taste::Strg);
  QDialog fremd;
  QTest::keyRelease(&fremd, Qt::Key_Control);
  EXPECT_EQ(palette->Tasten(), 0);

  // Whatever a modal question or a pop-up swallowed is gone once it closes.
  QTest::keyPress(palette.get(), Qt::Key_Control);
  dialoge.Antworte(QStringLiteral("Frage"), mrOk);
  TDienste::Dialoge().Frage(QStringLiteral("Frage"), QStringLiteral("?"), knOk, TMeldungsArt::Information,
                            knOk);
  EXPECT_EQ(palette->Tasten(), 0);
  QTest::keyPress(palette.get(), Qt::Key_Shift);
  popups.WaehleNichts();
  std::vector<TPopupEintrag> eintrag(1);
  eintrag[0].text = QStringLiteral("x");
  TDienste::Popups().Waehle(eintrag, QPoint(), 0);
  EXPECT_EQ(palette->Tasten(), 0);

  // A Ctrl whose release was lost: a plain click on the version button opens the version menu
  // and leaves acting on all versions alone.
  QTest::keyPress(palette.get(), Qt::Key_Control);
  const bool eaw = standard.eaw();
  popups.WaehleNichts();
  QTest::mouseClick(palette->Knopf(QStringLiteral("Vers")), Qt::LeftButton, Qt::NoModifier);
  EXPECT_EQ(standard.eaw(), eaw);
  EXPECT_EQ(popups.Angebote().size(), 2u) << "the version menu opened";
  // With Ctrl really held the click toggles.
  QTest::mouseClick(palette->Knopf(QStringLiteral("Vers")), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_NE(standard.eaw(), eaw);
}

// A window opens below the palette, also when the palette is not at the screen's very top and
// when the window is taller than the room left: it is made to fit instead of pushed under it.
TEST_F(GrosseSchuleTest, WindowsOpenBelowThePalette) {
  const int unten = palette->frameGeometry().bottom();
  palette->Menues().Aktion(QStringLiteral("Daten/Kurse"))->trigger();
  ASSERT_NE(AlleKurse(), nullptr);
  const QRect alle = AlleKurse()->frameGeometry();
  EXPECT_GT(alle.top(), unten) << alle.top();
  const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(alle.bottom(), schirm.bottom()) << "fitted to the screen";
  TDepForm* mue = Deputat(0);
  ASSERT_NE(mue, nullptr);
  EXPECT_GT(mue->frameGeometry().top(), unten);
  EXPECT_LE(mue->frameGeometry().bottom(), schirm.bottom());
}

// A saved window comes back where it was saved, and the cascade's late correction leaves it there.
TEST_F(PalettenFensterTest, SavedPlaceOutlastsTheCascade) {
  palette->FensterWiederOeffnen(TFenster{
      .Art = FensterArt::LeDep, .Titel = "Deputat MUE", .Links = 301, .Oben = 250, .Breite = 0, .Hoehe = 0});
  TDepForm* mue = dynamic_cast<TDepForm*>(palette->Schule().Lehrer().Hole(1)->DepForm());
  ASSERT_NE(mue, nullptr);
  EXPECT_EQ(mue->geometry().topLeft(), QPoint(301, 250));
  QTest::qWait(400);
  EXPECT_EQ(mue->geometry().topLeft(), QPoint(301, 250));
}

// Renamed in "Kürzel", an element's window and its "Fenster" entry take the new name, and the
// window saved under it comes back.
TEST_F(PalettenFensterTest, CaptionsFollowRenamedElements) {
  TDepForm* mue = Deputat(0);
  ASSERT_NE(mue, nullptr);
  EXPECT_EQ(FensterMenue(), QStringList{QStringLiteral("Deputat MUE")});
  TKuerzelListe liste(palette->Schule(), TElementArt::Lehrer);
  ASSERT_EQ(liste.Umbenenne(palette->Schule().Lehrer().Hole(1), "FIS"),
            TKuerzelListe::TUmbenennung::Umbenannt);
  EXPECT_EQ(mue->Caption(), QStringLiteral("Deputat FIS"));
  EXPECT_EQ(FensterMenue(), QStringList{QStringLiteral("Deputat FIS")});
  const std::vector<TFenster> gesichert = palette->Fenster().OffeneFenster();
  ASSERT_EQ(gesichert.size(), 1u);
  EXPECT_EQ(gesichert[0].Titel, "Deputat FIS");
  mue->Schliesse();
  EXPECT_EQ(palette->Schule().Lehrer().Hole(1)->DepForm(), nullptr);
  palette->FensterWiederOeffnen(gesichert[0]);
  EXPECT_NE(palette->Schule().Lehrer().Hole(1)->DepForm(), nullptr) << "restored under its new name";
  EXPECT_EQ(FensterMenue(), QStringList{QStringLiteral("Deputat FIS")});
}

}  // namespace
}  // namespace kolvar
