// The absence dialog and the calendar offscreen: mouse presses on their grids, their pop-ups
// and buttons, down to the records and tables they leave in the school.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/fehl.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "substitution/fehlform.h"
#include "substitution/fehltlangform.h"
#include "substitution/fehlzeit.h"
#include "substitution/kalenderform.h"
#include "substitution/vertretung.h"
#include "support/schulbauer.h"
#include "support/vertretungspruefung.h"

namespace kolvar {
namespace {

constexpr int32_t kMontag = TagesNummer(2026, 3, 2);

class FehlzeitenFenster : public GuiTest {
 protected:
  FehlzeitenFenster() {
    s = BaueKleineSchule();
    s->uhr.jetzt = int64_t{kMontag} * 86400 + 8 * 3600;
    SetzeEinigeStunden(*s);
    for (int p = 1; p <= 16; ++p)
      s->standard.sp[0][static_cast<std::size_t>(p - 1)] = std::to_string(p) + ".";
  }
  void TearDown() override {
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(popups.Fehler().isEmpty()) << popups.Fehler().join(QLatin1Char('\n')).toStdString();
    const auto fehler = PruefeVertretungen(*s->schule);
    EXPECT_TRUE(fehler.empty()) << ::testing::PrintToString(fehler);
  }

  static void Druecke(TGitter& g, int spalte, int zeile, int x, Qt::KeyboardModifiers m = {}) {
    const QRect r = g.ZellRechteck(spalte, zeile);
    QTest::mousePress(g.viewport(), Qt::LeftButton, m, QPoint(r.left() + x, r.center().y()));
    QTest::mouseRelease(g.viewport(), Qt::LeftButton, m, QPoint(r.left() + x, r.center().y()));
  }
  static void Ziehe(TGitter& g, QPoint von, QPoint zu) {
    const QPoint a = g.ZellRechteck(von.x(), von.y()).center();
    const QPoint b = g.ZellRechteck(zu.x(), zu.y()).center();
    QTest::mousePress(g.viewport(), Qt::LeftButton, {}, a);
    QTest::mouseMove(g.viewport(), b);
    QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, b);
  }

  std::unique_ptr<TKleineSchule> s;
};

TEST_F(FehlzeitenFenster, KlickInDieFehlzeitenUndOk) {
  SetzeFehltStunde(*s->sch, kMontag, 5, true);
  TFehlForm form(*s->schule, nullptr, [this](const std::vector<TElement*>& alle, const QString& caption) {
    EXPECT_EQ(caption, QStringLiteral("Lehrer"));
    EXPECT_EQ(alle.size(), 3u);
    return std::vector<TElement*>{s->mue, s->sch};
  });
  form.InitFehlForm(TElementArt::Lehrer, FehlzeitAm(*s->sch, kMontag), kMontag);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Fehlende Lehrer"));
  EXPECT_EQ(form.ElementKnopf()->text(), QStringLiteral("Lehrer"));
  EXPECT_EQ(form.DatumFeld()->text(), QStringLiteral("Montag, 2. März, 2026"));
  EXPECT_EQ(form.VonFeld()->text(), QStringLiteral("1."));
  EXPECT_EQ(form.BisFeld()->text(), QStringLiteral("6."));
  TGitter& g = *form.FehlGrid();
  EXPECT_EQ(g.Zeile(), 0);  // the given absence's row

  popups.WaehleText(QStringLiteral("2."));
  form.VonKnopf()->click();
  popups.WaehleText(QStringLiteral("4."));
  form.BisKnopf()->click();
  EXPECT_EQ(form.VonFeld()->text(), QStringLiteral("2."));
  EXPECT_EQ(form.BisFeld()->text(), QStringLiteral("4."));
  form.ElementKnopfClick(true);  // MUE new, SCH has its row already
  ASSERT_EQ(form.Eingabe().Zeilen().size(), 2u);
  EXPECT_EQ(g.Text(1, 1), QStringLiteral("MUE"));
  EXPECT_EQ(form.Eingabe().Zeilen()[1].Maske, "-+++------------");

  form.show();
  Druecke(g, 0, 1, 145);  // beyond the sixteenth period: nothing
  EXPECT_EQ(form.Eingabe().Zeilen()[1].Maske, "-+++------------");
  Druecke(g, 0, 1, 4);          // period 1
  Druecke(g, 0, 1, 9 * 3 + 4);  // period 4 off
  EXPECT_EQ(form.Eingabe().Zeilen()[1].Maske, "+++-------------");
  Druecke(g, 0, 0, 20, Qt::ShiftModifier);  // SCH's row cleared
  EXPECT_EQ(form.Eingabe().Zeilen()[0].Maske, "----------------");

  dialoge.Antworte(QStringLiteral("längere Fehlzeit"), mrAbbrechen);
  Druecke(g, 2, 1, 8);
  EXPECT_EQ(dialoge.Protokoll().last(), QStringLiteral("längere Fehlzeit"));
  EXPECT_EQ(s->schule->LehrerFehlen().Anzahl(), 1);

  form.Knopf(QStringLiteral("Ok"))->click();
  EXPECT_EQ(form.result(), mrOk);
  EXPECT_EQ(FehlzeitAm(*s->sch, kMontag), nullptr);
  ASSERT_NE(FehlzeitAm(*s->mue, kMontag), nullptr);
  EXPECT_EQ(FehlzeitAm(*s->mue, kMontag)->Stunden(), 0xE000);
  EXPECT_EQ(s->schule->Vertretungen().Anzahl(), 2);  // De 5a in 1, Ma 5b in 2
}

TEST_F(FehlzeitenFenster, LaengereFehlzeitUndAbbrechen) {
  TFehlForm form(*s->schule, nullptr, {});
  form.InitFehlForm(TElementArt::Klasse, nullptr, kMontag);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Fehlende Klassen"));
  form.FuegeElementHinzu(s->k5b);
  form.FuegeElementHinzu(s->mue);  // not a class
  form.FuegeElementHinzu(s->k5b);
  ASSERT_EQ(form.Eingabe().Zeilen().size(), 1u);
  dialoge.Bediene(QStringLiteral("längere Fehlzeit"), [](TKvDialog& d) {
    auto& lang = static_cast<TFehltLangForm&>(d);
    lang.TagFeld()->setValue(31);  // 31 February is lowered to the 28th
    lang.MonatFeld()->setValue(2);
    lang.JahrFeld()->setValue(2026);
    lang.Knopf(QStringLiteral("Ok"))->click();
    EXPECT_EQ(lang.TagFeld()->value(), 2);  // before the start: back to the start
    EXPECT_EQ(lang.MonatFeld()->value(), 3);
  });
  form.LangeFehlzeit(0);
  EXPECT_TRUE(s->schule->KlassenFehlen().Leer());
  dialoge.Bediene(QStringLiteral("längere Fehlzeit"), [](TKvDialog& d) {
    auto& lang = static_cast<TFehltLangForm&>(d);
    lang.TagFeld()->setValue(4);
    lang.Knopf(QStringLiteral("Ok"))->click();
  });
  form.LangeFehlzeit(0);
  // Written at once, kept when the dialog is cancelled; the dialog's own date is not.
  form.Knopf(QStringLiteral("Abbrechen"))->click();
  EXPECT_EQ(form.result(), mrAbbrechen);
  EXPECT_EQ(FehlzeitAm(*s->k5b, kMontag), nullptr);
  EXPECT_NE(FehlzeitAm(*s->k5b, kMontag + 1), nullptr);
  EXPECT_NE(FehlzeitAm(*s->k5b, kMontag + 2), nullptr);
  EXPECT_EQ(FehlzeitAm(*s->k5b, kMontag + 3), nullptr);
}

TEST_F(FehlzeitenFenster, KalenderMarkiertUndGibtErstBeiOkWeiter) {
  SetzeFehltStunde(*s->mue, kMontag + 1, 2, true);
  TVertretung* v = s->schule->Vertretungen().Hole(1);
  ASSERT_TRUE(v && v->SetzeVertreter(s->ber));
  ASSERT_EQ(s->ber->VStd1(), v->Wert());
  TKalenderForm form(*s->schule);
  form.LadeKalender();
  form.show();
  EXPECT_EQ(form.TitelFeld()->text(), QStringLiteral("März 2026"));
  TGitter& g = *form.KalenderGrid();
  EXPECT_EQ(g.Text(0, 0), QStringLiteral("Planversion"));
  EXPECT_EQ(g.Text(0, 3), QStringLiteral("Dienstag"));
  EXPECT_EQ(g.Text(2, 1), QStringLiteral("10"));
  // Monday to Wednesday of the second week dragged: free.
  Ziehe(g, {2, 2}, {2, 4});
  EXPECT_EQ(g.Text(2, 3), QStringLiteral("-3"));
  EXPECT_EQ(g.Text(2, 5), QStringLiteral("5"));
  EXPECT_FALSE(s->standard.IstFreierTag(kMontag + 1));
  // A click on a week's version offers the versions.
  popups.WaehleNichts();
  Druecke(g, 3, 0, 5);
  ASSERT_EQ(popups.Angebote().size(), 1u);
  EXPECT_EQ(popups.Angebote()[0].texte, QStringList{QStringLiteral("1")});
  EXPECT_EQ(popups.Angebote()[0].spaltenHoehe, 16);

  form.VorKnopf()->click();
  EXPECT_EQ(form.TitelFeld()->text(), QStringLiteral("April 2026"));
  form.OkKnopf()->click();
  EXPECT_EQ(form.result(), mrOk);
  EXPECT_TRUE(s->standard.IstFreierTag(kMontag + 1));
  EXPECT_TRUE(s->schule->Vertretungen().Leer());
  EXPECT_EQ(s->ber->VStd1(), 0);
}

TEST_F(FehlzeitenFenster, KalenderAbbrechenUndGrenzen) {
  TKalenderForm form(*s->schule);
  form.LadeKalender();
  form.Kalender().MarkiereBereich(2, 2, 2, 2);
  form.Kalender().ZeigeMonat(1994, 2);
  form.FuelleMonat();
  form.ZurueckKnopf()->click();
  EXPECT_EQ(form.TitelFeld()->text(), QStringLiteral("Januar 1994"));
  EXPECT_FALSE(form.ZurueckKnopf()->isEnabled());
  form.AbbrechenKnopf()->click();
  EXPECT_EQ(form.result(), mrAbbrechen);
  EXPECT_FALSE(s->standard.IstFreierTag(kMontag));
}

}  // namespace
}  // namespace kolvar
