// Workload windows reached through the palette: the view button and element menus open and
// reuse them, "Kurse" opens all courses once, saved windows come back, and copy, cut and
// paste of the main menu act on the active window.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/ablage.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "platform/spaltenmenue.h"
#include "views/depform.h"
#include "views/deputatfenster.h"

namespace kolvar {
namespace {

void BaueZweiLehrer(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TFach* de = s.NeuesFach("De");
  TFach* ma = s.NeuesFach("Ma");
  s.ErzeugeKurs(mue, a, nullptr, de, nullptr, 3);
  s.ErzeugeKurs(mue, a, nullptr, ma, nullptr, 4);
}

class PalettenDepTest : public GuiTest {
 protected:
  PalettenDepTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~PalettenDepTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    palette.reset();
  }
  TLeDepForm* Deputat(int lehrer) {
    palette->Knopf(QStringLiteral("Dep"))->click();
    auto* menue = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Le")));
    if (menue == nullptr) return nullptr;
    menue->Waehle(lehrer);
    auto* f = dynamic_cast<TLeDepForm*>(palette->Schule().Lehrer().Hole(lehrer + 1)->DepForm());
    if (f != nullptr) Aktiviere(f);
    return f;
  }
  // As the window manager's activation does: the menus follow the active window.
  void Aktiviere(IFenster* f) {
    palette->Schule().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
  }
  void Menue(const char* pfad) { palette->Menues().Aktion(QString::fromUtf8(pfad))->trigger(); }

  TGebauteSchule dateien{BaueZweiLehrer};
};

TEST_F(PalettenDepTest, MenusOpenWorkloadsAndAllCoursesOnce) {
  TSchule& s = palette->Schule();
  TLeDepForm* mue = Deputat(0);
  ASSERT_NE(mue, nullptr);
  EXPECT_EQ(mue->Caption(), QStringLiteral("Deputat MUE"));
  EXPECT_EQ(mue->Zeilen().Anzahl(), 2);
  // The active workload is taken over by the next teacher.
  TLeDepForm* sch = Deputat(1);
  EXPECT_EQ(sch, mue);
  EXPECT_EQ(s.Lehrer().Hole(1)->DepForm(), nullptr);
  Menue("Daten/Kurse");
  IFenster* alle = s.EinzelFenster(FensterArt::KursDep);
  ASSERT_NE(alle, nullptr);
  Menue("Daten/Kurse");
  EXPECT_EQ(s.EinzelFenster(FensterArt::KursDep), alle);
  alle->Schliesse();
  palette->FensterWiederOeffnen(TFensterSatz{.Art = FensterArt::KursDep, .Titel = "alle Kurse"});
  EXPECT_NE(s.EinzelFenster(FensterArt::KursDep), nullptr);
  EXPECT_FALSE(s.Geaendert());
}

TEST_F(PalettenDepTest, CopiedLinesPasteIntoAllCoursesAndNowhereElse) {
  TSchule& s = palette->Schule();
  TLeDepForm* mue = Deputat(0);
  ASSERT_NE(mue, nullptr);
  Menue("Bearbeiten/Alles auswählen");
  Menue("Bearbeiten/Kopieren");
  EXPECT_EQ(ablage.Text().count(QLatin1Char('\n')), 2);
  // A teacher's workload takes no paste.
  dialoge.Bediene(QStringLiteral("Einsetzen"), [](TKvDialog& d) { d.Knopf(QStringLiteral("Ok"))->click(); });
  Menue("Bearbeiten/Einsetzen");
  EXPECT_EQ(s.Kurse().Anzahl(), 2);
  Menue("Daten/Kurse");
  Aktiviere(s.EinzelFenster(FensterArt::KursDep));
  Menue("Bearbeiten/Einsetzen");
  EXPECT_EQ(s.Kurse().Anzahl(), 4);
  EXPECT_EQ(s.Lehrer().Hole(1)->Kurse().Anzahl(), 4);
  // Cut from the teacher's workload.
  Aktiviere(mue);
  Menue("Bearbeiten/Alles auswählen");
  dialoge.Bediene(QStringLiteral("Kures löschen?"),
                  [](TKvDialog& d) { d.Knopf(QStringLiteral("Ja"))->click(); });
  Menue("Bearbeiten/Ausschneiden");
  EXPECT_EQ(s.Kurse().Anzahl(), 0);
  EXPECT_EQ(mue->Zeilen().Anzahl(), 0);
}

}  // namespace
}  // namespace kolvar
