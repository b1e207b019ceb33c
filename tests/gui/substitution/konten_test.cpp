// The accounts dialog, its reset question, the overview's range and window, and the
// substitution plan's print dialog, offscreen.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "platform/datumsspins.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "print/druckveinstform.h"
#include "print/druckvertrform.h"
#include "print/druckvuebform.h"
#include "substitution/fehlzeit.h"
#include "substitution/vertruebzeit.h"
#include "substitution/vstatform.h"
#include "substitution/vstdform.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

constexpr int32_t kMontag = TagesNummer(2026, 3, 2);

class KontenTest : public GuiTest {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    s->uhr.jetzt = int64_t{kMontag} * 86400 + 8 * 3600;
    SetzeEinigeStunden(*s);
  }
  void TearDown() override {
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
  }
  static QString Zelle(const TVStdForm& f, int tabelle, int zeile) {
    return f.Tabelle(tabelle)->item(zeile, 1)->text();
  }

  std::unique_ptr<TKleineSchule> s;
};

TEST_F(KontenTest, UpDownsShowAnyAccountAndStepFromIt) {
  s->mue->SetzeVStd1(40000);
  s->sch->SetzeVStd2(-50000);
  s->schule->SetzeGeaendert(false);
  TVStdForm f(*s->schule);
  EXPECT_EQ(f.UpDown(1)->value(), 40000);
  EXPECT_EQ(s->mue->VStd1(), 40000) << "showing an account never rewrites it";
  f.WaehleZeile(2, 1);
  EXPECT_EQ(f.UpDown(2)->value(), -50000);
  EXPECT_EQ(s->sch->VStd2(), -50000);
  EXPECT_FALSE(s->schule->Geaendert());
  f.UpDown(1)->stepUp();
  EXPECT_EQ(s->mue->VStd1(), 40001);
  EXPECT_EQ(s->mue->VStd2(), 0) << "table 1 moves V-Std 1 only";
  f.UpDown(2)->stepDown();
  EXPECT_EQ(s->sch->VStd2(), -50001);
  EXPECT_EQ(Zelle(f, 2, 1), QString::fromStdString(FormatiereStunden(-50001, s->standard)).trimmed());
  EXPECT_TRUE(s->schule->Geaendert());
}

TEST_F(KontenTest, ResetAsksAndActsOnOneAllOrNone) {
  struct Fall {
    int antwort;
    int32_t mue, sch;
  };
  for (const Fall& fall : std::vector<Fall>{{mrAbbrechen, 5, 7}, {mrJa, 0, 7}, {mrOk, 0, 0}}) {
    s->mue->SetzeVStd1(5);
    s->sch->SetzeVStd1(7);
    s->sch->SetzeVStd2(9);
    TVStdForm f(*s->schule);
    dialoge.Bediene(QStringLiteral("Rücksetzen"), [&](TKvDialog& d) {
      EXPECT_TRUE(d.findChildren<QLabel*>().size() >= 3u);
      d.done(fall.antwort);
    });
    f.RuecksetzenClick(1);
    EXPECT_EQ(s->mue->VStd1(), fall.mue) << fall.antwort;
    EXPECT_EQ(s->sch->VStd1(), fall.sch) << fall.antwort;
    EXPECT_EQ(s->sch->VStd2(), 9) << "the other table stays";
    EXPECT_EQ(Zelle(f, 1, 1), QString::fromStdString(FormatiereStunden(fall.sch, s->standard)).trimmed());
  }
}

TEST_F(KontenTest, RangeDialogLowersInvalidDaysAndKeepsTheEndAfterTheStart) {
  TVertrUebZeit zeit;
  zeit.SetzeHeute(kMontag);
  EXPECT_EQ(zeit.Von(), kMontag);
  zeit.VonDatum()->TagSpin()->setValue(31);
  zeit.VonDatum()->MonatSpin()->setValue(2);
  EXPECT_EQ(zeit.Von(), TagesNummer(2026, 2, 28));
  zeit.BisDatum()->SetzeDatum(TagesNummer(2026, 1, 5));
  EXPECT_EQ(zeit.Bis(), zeit.Von());
  EXPECT_EQ(zeit.VonDatum()->JahrSpin()->maximum(), kLetztesJahr);
}

TEST_F(KontenTest, OverviewWindowListsCopiesAndRebuildsForItsRange) {
  SetzeFehltStunde(*s->mue, kMontag, 1, true);
  TVStatForm f(*s->schule, nullptr);
  f.BildeVertrUebersicht(kMontag - 3, kMontag);  // an end before the start: the start only
  EXPECT_EQ(f.GetVon(), kMontag);
  EXPECT_EQ(f.GetBis(), kMontag);
  ASSERT_EQ(f.StatGrid->Zeilen(), 2);
  EXPECT_EQ(f.StatGrid->Text(0, 0), QStringLiteral("Lehrer"));
  EXPECT_EQ(f.StatGrid->Text(3, 1), QStringLiteral("fehlt"));
  EXPECT_NE(f.StatGrid->Objekt(0, 1), nullptr);
  f.WaehleAlles();
  const QStringList text = f.KopierText();
  ASSERT_EQ(text.size(), 1);
  EXPECT_TRUE(text[0].startsWith(QStringLiteral("MUE\t02.03.2026\t"))) << text[0].toStdString();
  SetzeFehltStunde(*s->mue, kMontag, 2, true);
  f.Aktualisiere();
  EXPECT_EQ(f.StatGrid->Zeilen(), 3);
}

TEST_F(KontenTest, PlanDialogStepsOverFreeDaysKeepsPresetsAndRemarksAndCopies) {
  QString ablage;
  s->standard.AllgBemerkung[1] = {"Zeile 1", "Zeile 2"};
  s->standard.mtn = 5;
  TDruckVertrForm f(*s->schule, [&](const QString& t) { ablage = t; });
  f.LadeEinstellungen(kMontag + 4);  // Friday
  f.DatumKnopfClick(1);
  EXPECT_EQ(f.Datum(), kMontag + 7) << "the weekend is skipped";
  f.DatumKnopfClick(-1);
  EXPECT_EQ(f.Datum(), kMontag + 4);
  f.BemSpin()->setValue(2);
  EXPECT_EQ(f.Memo()->toPlainText(), QStringLiteral("Zeile 1\nZeile 2"));
  f.Memo()->setPlainText(QStringLiteral("Heute Wandertag"));
  EXPECT_EQ(s->standard.AllgBemerkung[1], (std::vector<std::string>{"Heute Wandertag"}));

  // A preset changed and cancelled stays; changed and confirmed is kept.
  const TVertrDruckEinstellung vorher = s->standard.VertretungsDruck.Vorgaben[1];
  for (int ergebnis : {mrAbbrechen, mrOk})
    dialoge.Bediene(QStringLiteral("Einstellung für den Druck des Vertretungsplans"),
                    [ergebnis](TKvDialog& d) {
                      auto& e = static_cast<TDruckVEinstForm&>(d);
                      e.Box(QStringLiteral("mit Datum"))->setChecked(false);
                      e.EPSortRadio->button(2)->setChecked(true);
                      d.done(ergebnis);
                    });
  f.EinstellungClick(2);
  EXPECT_EQ(s->standard.VertretungsDruck.Vorgaben[1], vorher);
  f.EinstellungClick(2);
  EXPECT_FALSE(s->standard.VertretungsDruck.Vorgaben[1].vmd);
  EXPECT_EQ(s->standard.VertretungsDruck.Vorgaben[1].ves, 2);

  f.LadeEinstellungen(kMontag);
  for (int n = 2; n <= 4; ++n) f.EinstellungBox(n)->setChecked(false);
  f.ZwischenablageClick();
  EXPECT_EQ(f.result(), mrOk);
  EXPECT_TRUE(
      ablage.startsWith(QStringLiteral("Vertretungsplan für\tMontag, 2. Mrz 2026\r\nHeute Wandertag\r\n")))
      << ablage.toStdString();
  EXPECT_EQ(s->standard.VertretungsDruck.vc, (std::array<bool, 4>{true, false, false, false}));
}

TEST_F(KontenTest, OverviewPrintDialogChoosesTeachersByDoubleClick) {
  TDruckVUebForm f(*s->schule);
  f.LadeEinstellungen(kMontag, kMontag - 1);
  EXPECT_EQ(f.LinksGrid()->rowCount(), s->schule->Lehrer().Anzahl());
  EXPECT_TRUE(f.Gewaehlte().empty());
  f.LinksDoppelklick(2);
  f.LinksDoppelklick(0);
  f.LinksDoppelklick(7);  // no such row
  EXPECT_EQ(f.Gewaehlte(), (std::vector<const TLehrer*>{s->ber, s->mue}));
  f.RechtsDoppelklick(0);
  EXPECT_EQ(f.Gewaehlte(), (std::vector<const TLehrer*>{s->mue}));
  f.AlleLehrerClick();
  EXPECT_EQ(f.Gewaehlte(), (std::vector<const TLehrer*>{s->mue, s->sch, s->ber}));
  EXPECT_EQ(f.VonDatum()->Datum(), kMontag);
}

}  // namespace
}  // namespace kolvar
