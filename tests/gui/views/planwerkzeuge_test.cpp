// The plan-wide tools' dialogs: deleting plans by kind, range and dragged slots, and the plan
// versions dialog with its copy and its two "Kollision" dialogs.

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "planumgebung.h"
#include "views/maxtagloeform.h"
#include "views/plloeschform.h"
#include "views/versstandardform.h"
#include "views/wochenwahl.h"

namespace kolvar {
namespace {

class PlanWerkzeugeTest : public PlanTest {
 protected:
  PlanWerkzeugeTest() : PlanTest(2) {}
};

void ZieheWoche(TWochenWahl& w, int vonTag, int vonStunde, int zuTag, int zuStunde,
                Qt::MouseButton knopf = Qt::LeftButton) {
  QTest::mousePress(&w, knopf, {}, w.Mitte(vonTag, vonStunde));
  QTest::mouseMove(&w, w.Mitte(zuTag, zuStunde));
  QTest::mouseRelease(&w, knopf, {}, w.Mitte(zuTag, zuStunde));
}

TEST_F(PlanWerkzeugeTest, PlaeneLoeschenNachKlasseUndGezogenenStunden) {
  deutsch5a->Setze(1, 1, r101, 1);
  deutsch5a->Setze(1, 5, r101, 2);
  mathe5b->Setze(1, 5, r102, 3);
  mathe5a->Setze(1, 5, r101, 4)->SetFixiert(true);
  standard.plr = 0;
  TPlLoeschForm form(*schule);
  EXPECT_FALSE(form.VonKnopf()->isEnabled());
  form.ArtGruppe()->button(2)->click();
  EXPECT_EQ(standard.plr, 2);
  EXPECT_EQ(form.VonFeld()->text(), QStringLiteral("5a"));
  EXPECT_EQ(form.BisFeld()->text(), QStringLiteral("5b"));
  popups.WaehleText(QStringLiteral("5a"));
  form.BisKnopf()->click();
  EXPECT_EQ(form.BisFeld()->text(), QStringLiteral("5a"));
  // A right-button drag changes nothing; a left one switches Monday to Thursday off.
  TWochenWahl& woche = *form.Woche();
  const TWoElem alles = woche.Auswahl();
  ZieheWoche(woche, 1, 1, 4, 16, Qt::RightButton);
  EXPECT_EQ(woche.Auswahl(), alles);
  ZieheWoche(woche, 4, 16, 1, 1);
  for (int d = 1; d <= 5; ++d) EXPECT_EQ(woche.Auswahl().Stunde(d, 7), d == 5) << d;
  form.FixierteFeld()->click();
  form.FixierteFeld()->click();
  EXPECT_TRUE(standard.plf);
  form.OkKnopfClick();
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_FALSE(Hat(deutsch5a, 1, 5, 2));
  EXPECT_TRUE(Hat(mathe5a, 1, 5, 4));
  EXPECT_TRUE(Hat(mathe5b, 1, 5, 3));
}

TEST_F(PlanWerkzeugeTest, VersionenDialogFuelltUndSpeichert) {
  standard.SetNurAktuelleVersion(true);
  for (bool aendern : {false, true}) {
    standard.vku = 0;
    dialoge.Bediene(QStringLiteral("Planversionen"), [aendern](TKvDialog& d) {
      auto& f = static_cast<TVersStandardForm&>(d);
      EXPECT_EQ(f.VersGrid()->count(), 3);
      f.KuRadio()->button(5)->click();
      EXPECT_EQ(f.VersGrid()->count(), 0);
      f.KuRadio()->button(1)->click();
      EXPECT_EQ(f.VersGrid()->count(), 2);
      // Source and target alike: nothing to copy.
      EXPECT_FALSE(f.KopierenKnopf()->isEnabled());
      f.ZuFeld()->setValue(2);
      EXPECT_TRUE(f.KopierenKnopf()->isEnabled());
      if (aendern) f.GleichCheck()->click();
      f.OkKnopf()->click();
    });
    TVersStandardForm form(*schule);
    EXPECT_EQ(form.Zeige(), aendern ? mrOk : mrAbbrechen);
    EXPECT_EQ(standard.vku, 1);
    EXPECT_EQ(standard.eaw(), !aendern);
  }
}

TEST_F(PlanWerkzeugeTest, KopierenFragtEinmalUndVerweigertFixierte) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5a->Setze(1, 2, r101, 2);
  for (int antwort : {mrJa, mrNein}) {
    // A foreign lesson in version 2 in the way of each course of 5a.
    deutsch5b->Setze(2, 1, r101, 1);
    mathe5b->Setze(2, 2, r101, 2);
    TVersStandardForm form(*schule);
    form.KuRadio()->button(1)->click();
    form.VersGrid()->item(0)->setSelected(true);
    form.AuchRadio()->button(1)->click();
    form.VonFeld()->setValue(1);
    form.ZuFeld()->setValue(2);
    dialoge.Antworte(QStringLiteral("VersProblemForm"), antwort);
    form.KopierenKnopfClick();
    EXPECT_EQ(Hat(deutsch5a, 2, 1, 1), antwort == mrJa);
    EXPECT_EQ(Hat(deutsch5b, 2, 1, 1), antwort == mrNein);
    EXPECT_EQ(Hat(mathe5a, 2, 2, 2), antwort == mrJa);
    Gesund();
  }
  // A fixed lesson refuses.
  deutsch5a->EntferneStunde(2, 1, 1, false);
  deutsch5b->EntferneStunde(2, 1, 1, false);
  deutsch5b->Setze(2, 1, r101, 1)->SetFixiert(true);
  TVersStandardForm form(*schule);
  form.KuRadio()->button(1)->click();
  form.VersGrid()->item(0)->setSelected(true);
  form.ZuFeld()->setValue(2);
  dialoge.Antworte(QStringLiteral("VersVerbotsForm"), mrOk);
  form.KopierenKnopfClick();
  EXPECT_FALSE(Hat(deutsch5a, 2, 1, 1));
  EXPECT_TRUE(Hat(deutsch5b, 2, 1, 1));
}

TEST_F(PlanWerkzeugeTest, StundenLoeschenNenntDieWegfallendenTage) {
  for (const auto& [tage, text] : {std::pair{6, "Sonntag"}, std::pair{5, "Samstag oder Sonntag"}}) {
    TMaxTagLoeForm form(tage);
    EXPECT_EQ(form.Zeilen().value(0), QStringLiteral("Es sind für ") + QString::fromUtf8(text) +
                                          QStringLiteral(" Stunden in den Plänen  eingetragen."));
  }
}

}  // namespace
}  // namespace kolvar
