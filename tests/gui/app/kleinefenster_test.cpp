// The small windows as a user meets them: where they open, their frame, their texts, the
// palette's disabled buttons and the clipboard window's columns.
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QTextBlock>

#include "app/fortschrittsform.h"
#include "app/meldungsform.h"
#include "app/palettenknoepfe.h"
#include "appumgebung.h"
#include "platform/kvdialog.h"
#include "pruefung/datenpruefen.h"
#include "zwischenablage/zwischenform.h"

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

TEST_F(KleineFensterTest, DialogsAndProgressWindowsOpenCentredWithADialogFrame) {
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
  DatenPruefen(Palette().Schule(), Palette().FensterArten(), 0, &Palette());
  EXPECT_EQ(gesehen, 2);
  KeineFehler();

  TMeldungsForm meldung(&Palette());
  meldung.SetzeMeldung(QStringLiteral("Die Daten werden geprüft."));
  meldung.ZeigeSofort();
  ErwarteDialog(meldung, true);
  // The progress windows close themselves when their work is done.
  for (TFortschrittsArt art :
       {TFortschrittsArt::Einlesen, TFortschrittsArt::Speichern, TFortschrittsArt::Importieren}) {
    TFortschrittsForm fortschritt(art, &Palette());
    fortschritt.Datei("schule.kvr", 5000);
    fortschritt.ZeigeSofort();
    ErwarteDialog(fortschritt, false);
  }
}

TEST_F(KleineFensterTest, EachProgressWindowShowsWhatItsFileCommandDoes) {
  const struct {
    TFortschrittsArt art;
    const char* caption;
    const char* kopf;  // label or group title
    const char* kiloBytes;
  } faelle[] = {
      {TFortschrittsArt::Einlesen, "Einlesen", "Einlesen der Datei", "4"},
      {TFortschrittsArt::Speichern, "Speichern", "Speichern der Datei", ""},
      {TFortschrittsArt::Importieren, "Importieren", "Importien der Datei", "4"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.caption);
    TFortschrittsForm fenster(f.art);
    fenster.Datei("schule.kvr", 5000);
    fenster.Status("Lehrerdaten");
    fenster.Position(2500);
    EXPECT_EQ(fenster.windowTitle(), QString::fromUtf8(f.caption));
    QStringList texte;
    for (const QLabel* l : fenster.findChildren<QLabel*>()) texte << l->text();
    for (const QGroupBox* g : fenster.findChildren<QGroupBox*>()) texte << g->title();
    EXPECT_TRUE(texte.contains(QString::fromUtf8(f.kopf))) << texte.join('|').toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("schule.kvr")));
    EXPECT_TRUE(texte.contains(QStringLiteral("Lehrerdaten")));
    const bool liest = *f.kiloBytes != '\0';
    EXPECT_EQ(texte.contains(QStringLiteral("KiloBytes")), liest);
    EXPECT_EQ(fenster.KiloBytes(), QString::fromUtf8(f.kiloBytes));
    ASSERT_EQ(fenster.Balken() != nullptr, liest);
    if (liest) {
      EXPECT_EQ(fenster.Balken()->value() * 2, fenster.Balken()->maximum());
    }
  }
}

TEST_F(KleineFensterTest, DisabledButtonsLoseTheirDarkStrokes) {
  QWidget flaeche;
  const auto knoepfe = BaueKnoepfe(&flaeche);
  for (auto it = knoepfe.begin(); it != knoepfe.end(); ++it) {
    SCOPED_TRACE(it.key().toStdString());
    it.value()->setEnabled(false);
    const QImage bild = it.value()
                            ->icon()
                            .pixmap(QSize(20, 20), QIcon::Disabled)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    int deckend = 0;
    int dunkelste = 255;
    for (int y = 0; y < bild.height(); ++y)
      for (int x = 0; x < bild.width(); ++x) {
        const QRgb p = bild.pixel(x, y);
        if (qAlpha(p) < 128) continue;
        ++deckend;
        dunkelste = std::min(dunkelste, qGray(p));
      }
    EXPECT_GT(deckend, 10) << "the shape stays recognisable";
    EXPECT_GE(dunkelste, 160) << "nothing darker than the grey of disabled text";
  }
}

TEST_F(KleineFensterTest, ClipboardColumnsLineUp) {
  ablage.SetzeText(QStringLiteral("\tMo\tDi\nein langer Lehrername\tABE De 5a\tx\n1\tBRA\tMa 5b"));
  TZwischenForm zwischen(Palette().Schule(), &Palette().FensterListe());
  zwischen.resize(700, 300);
  zwischen.show();
  auto* inhalt = zwischen.findChild<QPlainTextEdit*>(QStringLiteral("Inhalt"));
  ASSERT_NE(inhalt, nullptr);
  // The left edge of column k in each line.
  std::vector<std::vector<int>> kanten;
  for (QTextBlock b = inhalt->document()->begin(); b.isValid(); b = b.next()) {
    std::vector<int> zeile;
    for (int i = 0; i <= b.text().size(); ++i)
      if (i == 0 || b.text()[i - 1] == QLatin1Char('\t')) {
        QTextCursor c(b);
        c.setPosition(b.position() + i);
        zeile.push_back(inhalt->cursorRect(c).left());
      }
    kanten.push_back(zeile);
  }
  ASSERT_EQ(kanten.size(), 3u);
  for (std::size_t z = 1; z < kanten.size(); ++z) EXPECT_EQ(kanten[z], kanten[0]) << "line " << z;
  const int langer = inhalt->fontMetrics().horizontalAdvance(QStringLiteral("ein langer Lehrername"));
  EXPECT_GT(kanten[0][1] - kanten[0][0], langer);
}

}  // namespace
}  // namespace kolvar
