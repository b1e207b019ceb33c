// Period labels changed in "Zeiten" are read whole: the plans' period column and the compressing
// window's period column take the widest label, also after a restart, while every other width
// stays as it was.

#include <QAbstractButton>
#include <QAction>
#include <QFontMetrics>
#include <QTest>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "einstellungen/zeitform.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "platform/spaltenmenue.h"
#include "storage/einstellungenimspeicher.h"
#include "support/modellpruefung.h"
#include "views/kompform.h"
#include "views/plnform.h"

namespace kolvar {
namespace {

const QString kLang = QStringLiteral("8:35 - 9:20 ab");

void BaueSchule(TSchule& s) {
  TKlasse* a = s.NeueKlasse("5a");
  TKurs* de = s.ErzeugeKurs(s.NeuerLehrer("MUE"), a, nullptr, s.NeuesFach("De"), s.NeuerRaum("R1"), 2);
  de->Setze(1, 1, de->Raeume().Hole(1), 2);
}

class StundenLabelsTest : public GuiTest {
 protected:
  StundenLabelsTest() { Starte(); }
  ~StundenLabelsTest() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    palette.reset();
  }
  void TearDown() override {
    ErwarteKeineSkriptFehler();
    for (const std::string& f : PruefeModell(palette->Schule())) ADD_FAILURE() << f;
  }

  // The program as it starts: the settings read from the store, the school file opened.
  void Starte() {
    BauePalette(dateien, &speicher);
    ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }

  // "Zeiten": the labels typed into periods 1 and 2 of the version shown, then "Ok".
  void Zeiten(const QString& erste, const QString& zweite) {
    dialoge.Bediene(QStringLiteral("ZeitForm"), [&](TKvDialog& d) {
      auto& zeiten = dynamic_cast<TZeitForm&>(d);
      zeiten.SetzeZelle(false, 1, erste);
      zeiten.SetzeZelle(false, 2, zweite);
      d.Knopf(QStringLiteral("Ok"))->click();
    });
    palette->Menues().Aktion(MenuePfad::VorZeiten)->trigger();
  }

  TKlPlnForm* Plan5a() {
    palette->Knopf(QStringLiteral("Plan"))->click();
    auto* menue = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Kl")));
    if (menue == nullptr) return nullptr;
    menue->Waehle(0);
    return dynamic_cast<TKlPlnForm*>(palette->Schule().Klassen().Hole(1)->PlnForm());
  }

  // The period column shows the label whole: the header text starts 2 pixels into the cell.
  static void ErwarteGanz(const TPlnForm& plan, const QString& label) {
    const QFontMetrics mass(plan.PlnGrid->font());
    EXPECT_GE(plan.PlnGrid->SpaltenBreite(0) - 2, mass.horizontalAdvance(label)) << label.toStdString();
  }

  TEinstellungenImSpeicher speicher;
  TGebauteSchule dateien{BaueSchule};
};

TEST_F(StundenLabelsTest, DerPlanZeigtLangeLabelsGanzAuchNachDemNeustart) {
  TPlnForm* plan = Plan5a();
  ASSERT_NE(plan, nullptr);
  const int vorher = plan->PlnGrid->SpaltenBreite(0);
  const TPlanFensterOptionen breiten = standard.PlanFenster;
  const TDeputatFensterOptionen listen = standard.DeputatFenster;

  // The open plan follows at once.
  Zeiten(QStringLiteral("7:45 Uhr"), kLang);
  EXPECT_EQ(plan->PlnGrid->Text(0, 1), QStringLiteral("7:45 Uhr"));
  EXPECT_EQ(plan->PlnGrid->Text(0, 2), kLang);
  ErwarteGanz(*plan, QStringLiteral("7:45 Uhr"));
  ErwarteGanz(*plan, kLang);
  EXPECT_GT(plan->PlnGrid->SpaltenBreite(0), vorher);
  // No other width was measured again, and the labels' one is not stored.
  EXPECT_EQ(standard.PlanFenster.plb, breiten.plb);
  EXPECT_EQ(standard.PlanFenster.pkb, breiten.pkb);
  EXPECT_EQ(standard.PlanFenster.pfb, breiten.pfb);
  EXPECT_EQ(standard.PlanFenster.prb, breiten.prb);
  EXPECT_EQ(standard.PlanFenster.ptb, breiten.ptb);
  EXPECT_EQ(standard.PlanFenster.psb, breiten.psb);
  EXPECT_EQ(standard.DeputatFenster.dlb, listen.dlb);
  EXPECT_EQ(standard.DeputatFenster.dwb, listen.dwb);

  // Short labels again: the column goes back to its width.
  Zeiten(QStringLiteral("1"), QStringLiteral("2"));
  EXPECT_EQ(plan->PlnGrid->SpaltenBreite(0), vorher);

  Zeiten(QStringLiteral("7:45 Uhr"), QStringLiteral("07:55-08:40"));
  palette->Menues().Aktion(MenuePfad::Beenden)->trigger();
  ASSERT_TRUE(palette->IstBeendet());
  palette.reset();

  // A new start reads the labels from the store and shows them whole.
  standard = TStandard();
  standard.LadeEinstellungen(speicher);
  ASSERT_EQ(standard.sp[0][1], "07:55-08:40");
  Starte();
  plan = Plan5a();
  ASSERT_NE(plan, nullptr);
  EXPECT_EQ(plan->PlnGrid->Text(0, 2), QStringLiteral("07:55-08:40"));
  ErwarteGanz(*plan, QStringLiteral("07:55-08:40"));
  ErwarteGanz(*plan, QStringLiteral("7:45 Uhr"));
}

// "Komprimieren" shows the class plan with the same labels: its period column takes them whole.
TEST_F(StundenLabelsTest, KomprimierenZeigtLangeLabelsGanz) {
  Zeiten(QStringLiteral("7:45 Uhr"), kLang);
  int platz = -1, noetig = 0;
  dialoge.Antworte(QStringLiteral("KompWarnForm"), mrJa);
  dialoge.Bediene(QStringLiteral("KompForm"), [&](TKvDialog& d) {
    const QWidget* woche = dynamic_cast<TKompForm&>(d).Woche();
    // Seven day columns of 15 pixels and the border beside the period column.
    platz = woche->width() - 7 * 15 - 4;
    QFont schrift = woche->font();
    schrift.setPointSizeF(std::max(6.0, schrift.pointSizeF() - 3));
    noetig = QFontMetrics(schrift).horizontalAdvance(kLang);
    d.reject();
  });
  palette->Menues().Aktion(MenuePfad::Komprimieren)->trigger();
  EXPECT_GE(platz - 2, noetig);
  EXPECT_FALSE(palette->Schule().Geaendert()) << "nothing was compressed";
}

}  // namespace
}  // namespace kolvar
