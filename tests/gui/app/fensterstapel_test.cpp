// Which window is in front and takes the keys after the windows were re-stacked: "Eckdaten" with
// the backdrop on or off, "Anordnung...", the "Fenster" menu and saved windows reopened. The
// window the user worked in stays in front and active; a window brought forward on purpose
// becomes the active one at once.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <map>
#include <vector>

#include "app/fensterordform.h"
#include "app/hintergrund.h"
#include "appumgebung.h"
#include "model/fensterart.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "platform/kindfenster.h"
#include "platform/kvdialog.h"
#include "platform/spaltenmenue.h"

namespace kolvar {
namespace {

// The stacking the program asks the window system for: a top-level window shown or raised goes on
// top of the others (the offscreen platform keeps no order of its own).
class TStapel : public QObject {
 public:
  TStapel() { QCoreApplication::instance()->installEventFilter(this); }
  ~TStapel() override { QCoreApplication::instance()->removeEventFilter(this); }

  // Of the windows given, the one shown or raised last.
  TKindFenster* Vorn(const std::vector<TKindFenster*>& fenster) const {
    TKindFenster* vorn = nullptr;
    int zuletzt = -1;
    for (TKindFenster* f : fenster) {
      const auto it = reihe_.find(f);
      if (it != reihe_.end() && it->second > zuletzt) {
        zuletzt = it->second;
        vorn = f;
      }
    }
    return vorn;
  }

 protected:
  bool eventFilter(QObject* ziel, QEvent* ereignis) override {
    const bool gestapelt = ereignis->type() == QEvent::ZOrderChange || ereignis->type() == QEvent::Show;
    if (gestapelt && ziel->isWidgetType() && static_cast<QWidget*>(ziel)->isWindow())
      reihe_[ziel] = ++zaehler_;
    return false;
  }

 private:
  std::map<QObject*, int> reihe_;
  int zaehler_ = 0;
};

// The window system has activated the window, and the widgets know it.
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

  // An entry of an element menu, as the user chooses it: the element's plan.
  TKindFenster* Plan(const char* menue, int index) {
    auto* m = qobject_cast<TSpaltenMenue*>(Palette().Menues().Menue(QString::fromLatin1(menue)));
    if (m == nullptr) return nullptr;
    m->Waehle(index);
    TSchule& s = Palette().Schule();
    TPlanElement* e = QByteArray(menue) == "Kl" ? static_cast<TPlanElement*>(s.Klassen().Hole(index + 1))
                                                : static_cast<TPlanElement*>(s.Lehrer().Hole(index + 1));
    auto* plan = dynamic_cast<TKindFenster*>(e->PlnForm());
    // The window system's answer to the new window comes before the user's next step.
    if (plan != nullptr && !Aktiviert(plan)) return nullptr;
    return plan;
  }
  // A click into the window: the window manager raises and activates it.
  static bool Klicke(TKindFenster* fenster) {
    QCoreApplication::processEvents();
    fenster->raise();
    fenster->activateWindow();
    return Aktiviert(fenster);
  }
  // "Kl > 5a", "Le > BEC", the user works in "Plan 5a"; with drei also "Le > MUE", and back to 5a.
  bool ZweiOderDreiPlaene(bool drei) {
    plan5a = Plan("Kl", 0);
    planBec = Plan("Le", 0);
    if (plan5a == nullptr || planBec == nullptr || !Klicke(plan5a)) return false;
    plaene = {plan5a, planBec};
    if (drei) {
      planMue = Plan("Le", 1);
      if (planMue == nullptr || !Klicke(plan5a)) return false;
      plaene.push_back(planMue);
    }
    return true;
  }
  // The worked-in window is in front, active for the school and for the window system, and the
  // palette's arrow typed into it steps that window on to 5b.
  void ErwarteVornUndAktiv(TKindFenster* fenster, const char* wo) {
    SCOPED_TRACE(wo);
    EXPECT_EQ(Palette().Schule().AktivesFenster(), fenster) << "at once, before the window system answers";
    EXPECT_EQ(stapel.Vorn(plaene), fenster);
    EXPECT_TRUE(Aktiviert(fenster)) << QApplication::activeWindow();
    EXPECT_EQ(Palette().Schule().AktivesFenster(), fenster);
  }

  TStapel stapel;
  TKindFenster* plan5a = nullptr;
  TKindFenster* planBec = nullptr;
  TKindFenster* planMue = nullptr;
  std::vector<TKindFenster*> plaene;
};

// The dialog as the user meets it: shown and active, then Esc, or "Ok" after the backdrop box.
void Bedienen(TKvDialog& d, bool esc, bool hintergrundUmschalten) {
  d.show();
  ASSERT_TRUE(Aktiviert(&d));
  if (esc) {
    QTest::keyClick(&d, Qt::Key_Escape);
    return;
  }
  if (hintergrundUmschalten) {
    auto* box = d.findChild<QCheckBox*>(QStringLiteral("HgAnCheck"));
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
  }
  auto* ok = qobject_cast<QPushButton*>(d.Knopf(QStringLiteral("Ok")));
  ASSERT_NE(ok, nullptr);
  QTest::mouseClick(ok, Qt::LeftButton);
}

// "Eckdaten" ends with Ok or Esc, with the backdrop on, off or switched, over two and three plans:
// the plan worked in stays in front and takes the keys; the arrow steps the plan the user sees.
TEST_F(FensterStapelTest, NachEckdatenBleibtDasFensterDerArbeitVorn) {
  struct TFall {
    bool hga;
    bool esc;
    bool umschalten;
    bool drei;
  };
  const TFall faelle[] = {{true, true, false, false}, {true, false, false, false},
                          {true, true, false, true},  {false, true, false, false},
                          {false, false, true, true}, {true, false, true, false}};
  for (const TFall& fall : faelle) {
    SCOPED_TRACE(testing::Message() << "hga " << fall.hga << " esc " << fall.esc << " umschalten "
                                    << fall.umschalten << " drei " << fall.drei);
    standard.hga = fall.hga;
    Palette().HintergrundAnpassen();
    ASSERT_TRUE(ZweiOderDreiPlaene(fall.drei));
    dialoge.Bediene(QStringLiteral("EckStandardForm"),
                    [&fall](TKvDialog& d) { Bedienen(d, fall.esc, fall.umschalten); });
    Palette().Menues().Aktion(MenuePfad::VorEckdaten)->trigger();
    EXPECT_EQ(standard.hga, fall.hga != fall.umschalten);
    EXPECT_EQ(Palette().Hintergrund()->isVisible(), standard.hga);
    ErwarteVornUndAktiv(plan5a, "Eckdaten");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(plan5a->Caption(), QStringLiteral("Plan 5b")) << "the window in front went on";
    EXPECT_EQ(planBec->Caption(), QStringLiteral("Plan BEC")) << "the hidden one stays";
    EXPECT_EQ(stapel.Vorn(plaene), plan5a);
    KeineFehler();
    Palette().Fenster().SchliesseAlleFenster();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// "Anordnung..." places every window anew and raises each in turn; the active one ends in front.
TEST_F(FensterStapelTest, AnordnungLaesstDasAktiveVorn) {
  standard.FensterAnordnung = 2;
  ASSERT_TRUE(ZweiOderDreiPlaene(true));
  dialoge.Bediene(QStringLiteral("Fensteranordnung"), [](TKvDialog& d) {
    static_cast<TFensterOrdForm&>(d).BildClick(1);
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  Palette().Menues().Aktion(MenuePfad::Anordnung)->trigger();
  EXPECT_EQ(standard.FensterAnordnung, 1);
  ErwarteVornUndAktiv(plan5a, "Anordnung");
  KeineFehler();
}

// A window chosen in the "Fenster" menu comes to the front and is the active one at once: the
// palette's next command acts on it even before the window system has activated it.
TEST_F(FensterStapelTest, FensterMenueMachtDasGewaehlteZumAktiven) {
  ASSERT_TRUE(ZweiOderDreiPlaene(false));
  const std::vector<QAction*> eintraege = Palette().Fenster().FensterAktionen();
  ASSERT_EQ(eintraege.size(), 2u);
  ASSERT_EQ(eintraege[1]->text(), QStringLiteral("Plan BEC"));
  eintraege[1]->trigger();
  EXPECT_TRUE(eintraege[1]->isChecked());
  ErwarteVornUndAktiv(planBec, "Fenster");
  Palette().ClickRechts();
  EXPECT_EQ(planBec->Caption(), QStringLiteral("Plan MUE")) << "the window chosen went on";
  EXPECT_EQ(plan5a->Caption(), QStringLiteral("Plan 5a"));
  KeineFehler();
}

// Saved windows reopen in their order: the last is in front and the active one.
TEST_F(FensterStapelTest, WiederGeoeffneteFensterDasLetzteIstAktiv) {
  Palette().DateiBefehle().SchliessenItemClick();
  dateien.gespeicherteFenster = {{FensterArt::KlPln, "Plan 5b", 40, 40, 0, 0},
                                 {FensterArt::LePln, "Plan MUE", 80, 80, 0, 0}};
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/stapel.kvr")));
  TSchule& s = Palette().Schule();
  auto* plan5b = dynamic_cast<TKindFenster*>(s.Klassen().Hole(2)->PlnForm());
  planMue = dynamic_cast<TKindFenster*>(s.Lehrer().Hole(2)->PlnForm());
  ASSERT_NE(plan5b, nullptr);
  ASSERT_NE(planMue, nullptr);
  plaene = {plan5b, planMue};
  ErwarteVornUndAktiv(planMue, "reopened");
  EXPECT_FALSE(s.Geaendert());
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
