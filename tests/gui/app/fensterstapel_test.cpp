// Which window is in front and takes the keys after the windows were re-stacked: the window
// worked in stays in front and active; one brought forward on purpose is the active one at once.
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <map>
#include <vector>

#include "app/fensterordform.h"
#include "app/hintergrund.h"
#include "appumgebung.h"
#include "model/fensterart.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "platform/spaltenmenue.h"

namespace kolvar {
namespace {

// The stacking the program asks for: a window shown or raised goes on top (the offscreen
// platform keeps no order of its own).
class TStapel : public QObject {
 public:
  TStapel() { QCoreApplication::instance()->installEventFilter(this); }
  ~TStapel() override { QCoreApplication::instance()->removeEventFilter(this); }
  TKindFenster* Vorn(const std::vector<TKindFenster*>& fenster) const {
    TKindFenster* vorn = nullptr;
    for (TKindFenster* f : fenster)
      if (reihe_.count(f) && (vorn == nullptr || reihe_.at(f) > reihe_.at(vorn))) vorn = f;
    return vorn;
  }

 protected:
  bool eventFilter(QObject* ziel, QEvent* e) override {
    if ((e->type() == QEvent::ZOrderChange || e->type() == QEvent::Show) && ziel->isWidgetType() &&
        static_cast<QWidget*>(ziel)->isWindow())
      reihe_[ziel] = ++zaehler_;
    return false;
  }

 private:
  std::map<QObject*, int> reihe_;
  int zaehler_ = 0;
};

bool Aktiviert(QWidget* fenster) {
  return QTest::qWaitFor([fenster] { return QApplication::activeWindow() == fenster; }, 1000);
}

class FensterStapelTest : public AppTest {
 protected:
  FensterStapelTest() {
    dateien.dateien["/tmp/stapel.kvr"] = {{"BEC", "MUE"}, {"5a", "5b"}, 1, 1, {}};
    Palette().show();
    EXPECT_TRUE(Palette().DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/stapel.kvr")));
    Knopf("Plan")->click();
  }
  // "Kl" or "Le" and an entry, as the user chooses it; the plan opened is active before the next step.
  TKindFenster* Plan(const char* menue, int index) {
    qobject_cast<TSpaltenMenue*>(Palette().Menues().Menue(QString::fromLatin1(menue)))->Waehle(index);
    TSchule& s = Palette().Schule();
    TPlanElement* e = *menue == 'K' ? static_cast<TPlanElement*>(s.Klassen().Hole(index + 1))
                                    : static_cast<TPlanElement*>(s.Lehrer().Hole(index + 1));
    auto* plan = dynamic_cast<TKindFenster*>(e->PlnForm());
    return plan != nullptr && Aktiviert(plan) ? plan : nullptr;
  }
  // A click into the window: the window manager raises and activates it.
  static bool Klicke(TKindFenster* fenster) {
    QCoreApplication::processEvents();
    fenster->raise();
    fenster->activateWindow();
    return Aktiviert(fenster);
  }
  // "Kl > 5a", "Le > BEC" (with drei also "Le > MUE"), then the user works in "Plan 5a".
  void Plaene(bool drei) {
    plaene = {Plan("Kl", 0), Plan("Le", 0)};
    ASSERT_TRUE(plaene[0] != nullptr && plaene[1] != nullptr && Klicke(plaene[0]));
    if (!drei) return;
    plaene.push_back(Plan("Le", 1));
    ASSERT_TRUE(plaene[2] != nullptr && Klicke(plaene[0]));
  }
  // In front, the school's active window at once, then the window system's too.
  void ErwarteVornUndAktiv(TKindFenster* fenster) {
    EXPECT_EQ(Palette().Schule().AktivesFenster(), fenster) << "at once";
    EXPECT_EQ(stapel.Vorn(plaene), fenster);
    EXPECT_TRUE(Aktiviert(fenster)) << QApplication::activeWindow();
    EXPECT_EQ(Palette().Schule().AktivesFenster(), fenster);
  }

  TStapel stapel;
  std::vector<TKindFenster*> plaene;
};

// "Eckdaten" shown and ended with Esc or Ok, the backdrop on, off or switched, over two and three
// plans: the plan worked in stays in front, and the palette's arrow typed steps that plan.
TEST_F(FensterStapelTest, NachEckdatenBleibtDasFensterDerArbeitVorn) {
  struct TFall {
    bool hga, esc, umschalten, drei;
  };
  for (const TFall& f :
       {TFall{true, true, false, false}, TFall{true, false, false, false}, TFall{true, true, false, true},
        TFall{false, true, false, false}, TFall{false, false, true, true}, TFall{true, false, true, false},
        TFall{true, true, true, true}}) {
    SCOPED_TRACE(testing::Message() << f.hga << f.esc << f.umschalten << f.drei);
    standard.hga = f.hga;
    Palette().HintergrundAnpassen();
    ASSERT_NO_FATAL_FAILURE(Plaene(f.drei));
    dialoge.Bediene(QStringLiteral("EckStandardForm"), [&f](TKvDialog& d) {
      d.show();
      ASSERT_TRUE(Aktiviert(&d));
      auto* box = d.findChild<QCheckBox*>(QStringLiteral("HgAnCheck"));
      if (f.umschalten) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
      if (f.esc)
        QTest::keyClick(&d, Qt::Key_Escape);
      else
        QTest::mouseClick(d.Knopf(QStringLiteral("Ok")), Qt::LeftButton);
    });
    Palette().Menues().Aktion(MenuePfad::VorEckdaten)->trigger();
    EXPECT_EQ(Palette().Hintergrund()->isVisible(), f.hga != (f.umschalten && !f.esc));
    ErwarteVornUndAktiv(plaene[0]);
    QWidget* fokus = QApplication::focusWidget();
    ASSERT_NE(fokus, nullptr) << "no window takes the keys";
    QTest::keyClick(fokus, Qt::Key_Right);
    EXPECT_EQ(plaene[0]->Caption(), QStringLiteral("Plan 5b"));
    EXPECT_EQ(plaene[1]->Caption(), QStringLiteral("Plan BEC")) << "the window behind stays";
    KeineFehler();
    Palette().Fenster().SchliesseAlleFenster();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// "Anordnung..." raises every window in turn: the active one ends in front. A window chosen in
// the "Fenster" menu comes to the front and is the one the palette acts on at once.
TEST_F(FensterStapelTest, AnordnungUndFenstermenue) {
  standard.FensterAnordnung = 2;
  ASSERT_NO_FATAL_FAILURE(Plaene(true));
  dialoge.Bediene(QStringLiteral("Fensteranordnung"), [](TKvDialog& d) {
    static_cast<TFensterOrdForm&>(d).BildClick(1);
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  Palette().Menues().Aktion(MenuePfad::Anordnung)->trigger();
  EXPECT_EQ(standard.FensterAnordnung, 1);
  ErwarteVornUndAktiv(plaene[0]);

  QAction* bec = Palette().Fenster().FensterAktionen().at(1);
  ASSERT_EQ(bec->text(), QStringLiteral("Plan BEC"));
  bec->trigger();
  ErwarteVornUndAktiv(plaene[1]);
  KeineFehler();
}

// Saved windows reopen in their order: the last is in front and the active one.
TEST_F(FensterStapelTest, VonDenWiederGeoeffnetenIstDasLetzteAktiv) {
  Palette().DateiBefehle().SchliessenItemClick();
  dateien.gespeicherteFenster = {{FensterArt::KlPln, "Plan 5b", 40, 40, 0, 0},
                                 {FensterArt::LePln, "Plan MUE", 80, 80, 0, 0}};
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/stapel.kvr")));
  TSchule& s = Palette().Schule();
  plaene = {dynamic_cast<TKindFenster*>(s.Klassen().Hole(2)->PlnForm()),
            dynamic_cast<TKindFenster*>(s.Lehrer().Hole(2)->PlnForm())};
  ASSERT_NE(plaene[0], nullptr);
  ASSERT_NE(plaene[1], nullptr);
  ErwarteVornUndAktiv(plaene[1]);
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
