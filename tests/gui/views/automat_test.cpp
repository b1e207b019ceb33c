// The automatic run's windows: the options stored on "Ok" only, the run window's buttons and
// counters through a whole run and a stopped one, and the slot-table editor's arrows and drags.

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <cstdlib>

#include "planumgebung.h"
#include "platform/gitter.h"
#include "views/autabform.h"
#include "views/automatform.h"
#include "views/autostartform.h"

namespace kolvar {
namespace {

class AutomatTest : public PlanTest {
 protected:
  std::vector<TKurs*> Alle() const { return schule->Kurse().Elemente(); }
  int Offen() const {
    int n = 0;
    for (const TKurs* k : schule->Kurse()) n += std::max(0, k->OffeneStunden(-1));
    return n;
  }
};

TEST_F(AutomatTest, OptionenNurMitOk) {
  for (bool ok : {false, true}) {
    standard.ast = 1000;
    standard.apr = 100;
    dialoge.Bediene(QStringLiteral("Automatisches Rechnen"), [ok](TKvDialog& d) {
      auto& f = static_cast<TAutoStartForm&>(d);
      EXPECT_EQ(f.AstFeld()->value(), 1000);
      EXPECT_TRUE(f.AraFeld()->isChecked());
      f.AstFeld()->setValue(10);
      f.AprFeld()->setValue(50);
      f.AraFeld()->setChecked(false);
      f.Knopf(ok ? QStringLiteral("Ok") : QStringLiteral("Abbrechen"))->click();
    });
    TAutoStartForm form(standard);
    EXPECT_EQ(form.Zeige(), ok ? mrOk : mrAbbrechen);
    EXPECT_EQ(standard.ast, ok ? 10 : 1000);
    EXPECT_EQ(standard.apr, ok ? 50 : 100);
    EXPECT_EQ(standard.ara, !ok);
    standard.ara = true;
  }
}

TEST_F(AutomatTest, LaufBisZumEnde) {
  const int offen = Offen();
  std::vector<TKurs*> gezeigt;
  TAutomatForm form(*schule, Alle(), [&](const std::vector<TKurs*>& k) { gezeigt = k; });
  EXPECT_EQ(form.NochFeld()->text(), QString::number(offen));
  EXPECT_EQ(form.NichtFeld()->text(), QStringLiteral("0"));
  EXPECT_FALSE(form.OkKnopf()->isEnabled());
  EXPECT_FALSE(form.ZeigenKnopf()->isEnabled());
  // MUE may not teach at all: none of his lessons fits, so the list is not empty.
  mue->Sperrung().SetzeBereich(0, 0, 0, true);
  form.StartKnopfClick();
  EXPECT_TRUE(form.OkKnopf()->isEnabled());
  EXPECT_FALSE(form.AbbrechenKnopf()->isEnabled());
  EXPECT_EQ(form.NochFeld()->text(), QStringLiteral("0"));
  EXPECT_EQ(form.NichtFeld()->text(), QString::number(Offen()));
  EXPECT_EQ(form.Balken()->value(), form.Balken()->maximum());
  ASSERT_TRUE(form.ZeigenKnopf()->isEnabled());
  form.ZeigenKnopf()->click();
  EXPECT_EQ(form.result(), mrOk);
  EXPECT_EQ(gezeigt, form.Automat().NichtVerplanbar());
  for (const TKurs* k : gezeigt) EXPECT_EQ(k->Lehrer(), mue);
  Gesund();
}

// "Abbrechen" while the loop runs only stops it: the window closes after the current course.
TEST_F(AutomatTest, AbbrechenImLauf) {
  TAutomatForm form(*schule, Alle(), {});
  int kurse = 0;
  form.NachKurs = [&] {
    ++kurse;
    EXPECT_TRUE(form.Laeuft());
    form.AbbrechenKnopf()->click();
    EXPECT_EQ(form.result(), 0);
  };
  form.StartKnopfClick();
  EXPECT_EQ(kurse, 1);
  EXPECT_FALSE(form.Laeuft());
  EXPECT_EQ(form.result(), mrAbbrechen);
  EXPECT_FALSE(form.Automat().Laufliste().empty());
  EXPECT_EQ(form.NochFeld()->text().toInt(), Offen());
  Gesund();
}

// An empty selection: nothing to do, the bar does not spin, "Ok" after "Start".
TEST_F(AutomatTest, LeereAuswahl) {
  TAutomatForm form(*schule, {}, {});
  EXPECT_EQ(form.NochFeld()->text(), QStringLiteral("0"));
  EXPECT_EQ(form.Balken()->maximum(), 1);
  form.StartKnopfClick();
  EXPECT_TRUE(form.OkKnopf()->isEnabled());
  EXPECT_FALSE(form.ZeigenKnopf()->isEnabled());
  form.StartKnopfClick();  // after the run "Start" closes
  EXPECT_EQ(form.result(), mrOk);
}

class AuTabTest : public PlanTest {
 protected:
  // Presses at the offset inside the cell of day d, period p.
  static void Druecke(TGitter& g, int d, int p, int dx, int dy) {
    const QRect r = g.ZellRechteck(d, p);
    QTest::mousePress(g.viewport(), Qt::LeftButton, {}, r.topLeft() + QPoint(dx, dy));
    QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, r.topLeft() + QPoint(dx, dy));
  }
  static int Eintrag(const TAuTabForm& f, int d, int p) { return f.Bearbeitung().Eintrag(1, d, p); }
};

TEST_F(AuTabTest, PfeileUndZiehen) {
  const TAutomatikTabellen vorher = standard.AutomatikTabellen;
  for (bool ok : {false, true}) {
    dialoge.Bediene(QStringLiteral("Automatiktabelle"), [&](TKvDialog& d) {
      auto& f = static_cast<TAuTabForm&>(d);
      f.show();
      QCoreApplication::processEvents();
      TGitter& g = *f.TabGrid();
      EXPECT_EQ(g.Text(1, 0), QStringLiteral("Mo"));
      EXPECT_EQ(g.Text(3, 1), QStringLiteral("-1"));
      const int w = g.ZellRechteck(3, 2).width();
      Druecke(g, 3, 2, w - 3, 3);  // upper arrow of period 2: the link 1-2
      EXPECT_EQ(Eintrag(f, 3, 1), 1);
      Druecke(g, 3, 2, w - 3, 12);  // lower arrow: the link 2-3
      EXPECT_EQ(Eintrag(f, 3, 2), -19);
      const int rand = Eintrag(f, 4, 16);
      Druecke(g, 4, 16, w - 3, 12);  // period 16 has no lower arrow
      Druecke(g, 4, 1, w - 3, 3);    // period 1 no upper one
      EXPECT_EQ(Eintrag(f, 4, 16), rand);
      EXPECT_EQ(Eintrag(f, 4, 1), vorher[0][3]);
      // Dragging order 1 (Wednesday 1) onto Monday 1 (order 7): the numbers change places.
      const QPoint von = g.ZellRechteck(3, 1).center() - QPoint(4, 0);
      const QPoint nach = g.ZellRechteck(1, 1).center() - QPoint(4, 0);
      QTest::mousePress(g.viewport(), Qt::LeftButton, {}, von);
      QTest::mouseMove(g.viewport(), nach);
      QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, nach);
      EXPECT_EQ(Eintrag(f, 1, 1), -1);
      EXPECT_EQ(Eintrag(f, 3, 1), 7);
      EXPECT_TRUE(TStandard::AutomatikTabellenGueltig(f.Bearbeitung().Tabellen()));
      f.TabSpin()->setValue(4);
      EXPECT_EQ(g.Text(1, 1), QStringLiteral("1"));
      f.Knopf(ok ? QStringLiteral("Ok") : QStringLiteral("Abbrechen"))->click();
    });
    TAuTabForm form(standard);
    form.Zeige();
    if (!ok) {
      EXPECT_EQ(standard.AutomatikTabellen, vorher);
    }
  }
  EXPECT_EQ(std::abs(standard.AutomatikTabellen[0][0]), 1);
  EXPECT_EQ(standard.AutomatikTabellen[0][2], 7);
}

}  // namespace
}  // namespace kolvar
