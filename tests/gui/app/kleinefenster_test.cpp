// The small windows as a user meets them: where they open and their frame.
#include <QScreen>

#include "app/datenpruefen.h"
#include "app/meldungsform.h"
#include "appumgebung.h"
#include "platform/kvdialog.h"

namespace kolvar {
namespace {

class KleineFensterTest : public AppTest {
 protected:
  // The palette where it stands by default, at the screen's top left corner.
  void PaletteObenLinks() {
    Palette().move(0, 0);
    Palette().show();
  }
};

// A dialog's frame, a fixed size, the middle of the screen.
void ErwarteDialog(const QWidget& w, bool schliessfeld) {
  SCOPED_TRACE(w.windowTitle().toStdString());
  const Qt::WindowFlags rahmen = w.windowFlags();
  EXPECT_EQ(rahmen & Qt::WindowType_Mask, Qt::Dialog);
  EXPECT_FALSE(rahmen & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(static_cast<bool>(rahmen & Qt::WindowCloseButtonHint), schliessfeld);
  EXPECT_TRUE(rahmen & Qt::WindowStaysOnTopHint) << "the palette stays on top and would hide it";
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  const QPoint abstand = w.frameGeometry().center() - w.screen()->availableGeometry().center();
  // Before it shows, the frame is only a guess.
  EXPECT_LE(abstand.manhattanLength(), 8) << abstand.x() << "," << abstand.y();
}

TEST_F(KleineFensterTest, DialogsOpenCentredWithADialogFrame) {
  PaletteObenLinks();
  dateien.dateien["/s/a.kvr"] = {{"AB"}, {"5a"}, 1, 1, {}};
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(QStringLiteral("/s/a.kvr")));
  Palette().Schule().SetzeGeaendert(true);
  int gesehen = 0;
  auto pruefe = [&gesehen](TKvDialog& d) {
    ErwarteDialog(d, true);
    ++gesehen;
  };
  dialoge.Bediene(QStringLiteral("Daten sichern?"), pruefe);
  EXPECT_FALSE(Palette().DateiBefehle().SchliessenItemClick());
  dialoge.Bediene(QStringLiteral("Prüfergebnis"), pruefe);
  DatenPruefen(Palette().Schule(), Palette().FensterListe(), 0, &Palette());
  EXPECT_EQ(gesehen, 2);
  KeineFehler();

  TMeldungsForm meldung(&Palette());
  meldung.SetzeMeldung(QStringLiteral("Die Daten werden geprüft."));
  meldung.ZeigeSofort();
  ErwarteDialog(meldung, true);
}

}  // namespace
}  // namespace kolvar
