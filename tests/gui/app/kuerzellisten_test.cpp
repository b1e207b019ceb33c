// The abbreviation lists in the palette: "Neu" leads through them, "Daten > Kürzel..." opens them,
// and afterwards the element menus show the lists as they were left.

#include <QLineEdit>
#include <QPushButton>

#include "appumgebung.h"
#include "masterdata/kueform.h"
#include "masterdata/kuerzellisten.h"
#include "model/schule.h"

namespace kolvar {
namespace {

class KuerzelListenTest : public AppTest {
 protected:
  KuerzelListenTest() { nurPalette = true; }
};

// Makes the elements of one kind in the scripted dialog, then closes it with "Ok".
void Lege(TKvDialog& d, int art, const QStringList& kuerzel) {
  auto& form = static_cast<TKueForm&>(d);
  form.KuerzelListeZeigen(art);
  for (const QString& k : kuerzel) {
    form.KueFeld()->setText(k);
    form.NeuKnopf()->click();
  }
  form.OkKnopf()->click();
}

TEST_F(KuerzelListenTest, NeuUndMenueOeffnenDieListen) {
  InstalliereKuerzelListen(Palette());
  dialoge.Bediene(QStringLiteral("Kürzel"), [](TKvDialog& d) { Lege(d, 0, {"AB", "CD"}); });
  Palette().DateiBefehle().NeuItemClick();
  ASSERT_EQ(Palette().Schule().Lehrer().Anzahl(), 2);
  EXPECT_TRUE(MenueAn("Le"));
  EXPECT_FALSE(MenueAn("Ra"));
  EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Sichern")));
  EXPECT_TRUE(Aktiv(QStringLiteral("Daten/Kürzel...")));

  dialoge.Bediene(QStringLiteral("Kürzel"), [](TKvDialog& d) { Lege(d, 4, {"R1"}); });
  Palette().Menues().Aktion(MenuePfad::Kuerzel)->trigger();
  EXPECT_TRUE(MenueAn("Ra"));
  EXPECT_EQ(Palette().Menues().KuerzelTexte(TElementArt::Raum), std::vector<QString>{"R1"});
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
