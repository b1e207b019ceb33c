// Columns moved by dragging their header, and rows filled through TGitterZeilen: cells, objects
// and widths travel with their column, what is filled later still reaches it, and what is read
// back comes in the order shown.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "platform/gitter.h"
#include "platform/gitterzeilen.h"

namespace kolvar {
namespace {

// Four columns 30, 40, 50, 60 pixels wide, a header row and two body rows, no fixed column.
class GitterSpaltenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gitter.SetzeRollbalken(false);
    gitter.setFrameShape(QFrame::NoFrame);
    gitter.SetzeSpalten(4);
    gitter.SetzeZeilen(3);
    gitter.SetzeFesteSpalten(0);
    gitter.SetzeFesteZeilen(1);
    gitter.SetzeStandardHoehe(20);
    gitter.SetzeOptionen(gitter.Optionen() | TGitter::goSpaltenVerschieben | TGitter::goZeilenauswahl);
    for (int s = 0; s < 4; ++s) {
      gitter.SetzeSpaltenBreite(s, 30 + 10 * s);
      for (int z = 0; z < 3; ++z) gitter.SetzeText(s, z, QStringLiteral("%1/%2").arg(s).arg(z));
      gitter.SetzeObjekt(s, 1, &objekte[s]);
    }
    gitter.resize(300, 100);
    gitter.show();
    QCoreApplication::sendPostedEvents();
  }
  QPoint Kopf(int spalte) const { return gitter.ZellRechteck(spalte, 0).center(); }
  void ZieheKopf(int von, int nach) {
    QTest::mousePress(gitter.viewport(), Qt::LeftButton, {}, Kopf(von));
    QTest::mouseMove(gitter.viewport(), Kopf(nach));
    QTest::mouseRelease(gitter.viewport(), Qt::LeftButton, {}, Kopf(nach));
  }
  QStringList Zeile(int z) const {
    QStringList texte;
    for (int s = 0; s < gitter.Spalten(); ++s) texte << gitter.Text(s, z);
    return texte;
  }

  int objekte[4] = {};
  TGitter gitter;
};

TEST_F(GitterSpaltenTest, KopfZiehenVerschiebtZellenObjekteUndBreiten) {
  QSignalSpy verschoben(&gitter, &TGitter::SpalteVerschoben);
  ZieheKopf(0, 2);
  ASSERT_EQ(verschoben.count(), 1);
  EXPECT_EQ(verschoben[0][0].toInt(), 0);
  EXPECT_EQ(verschoben[0][1].toInt(), 2);
  EXPECT_EQ(Zeile(0), (QStringList{"1/0", "2/0", "0/0", "3/0"}));
  EXPECT_EQ(Zeile(2), (QStringList{"1/2", "2/2", "0/2", "3/2"}));
  EXPECT_EQ(gitter.Objekt(2, 1), &objekte[0]);
  EXPECT_EQ(gitter.Objekt(0, 1), &objekte[1]);
  EXPECT_EQ(gitter.SpaltenBreite(2), 30);
  EXPECT_EQ(gitter.SpaltenBreite(0), 40);
  EXPECT_EQ(gitter.SpaltenUrsprung(2), 0);
  EXPECT_EQ(gitter.SpaltenPosition(0), 2);
  EXPECT_EQ(gitter.SpaltenPosition(3), 3);
  // Leftwards: the last column to the front; the origins follow every move.
  ZieheKopf(3, 0);
  EXPECT_EQ(Zeile(1), (QStringList{"3/1", "1/1", "2/1", "0/1"}));
  EXPECT_EQ(gitter.SpaltenPosition(0), 3);
  EXPECT_EQ(gitter.SpaltenUrsprung(0), 3);
  EXPECT_EQ(gitter.SpaltenBreite(0), 60);
  EXPECT_EQ(gitter.VerschobeneSpalte(), -1);
  // A header clicked where it is stays, and is a click.
  QSignalSpy klick(&gitter, &TGitter::Klick);
  ZieheKopf(1, 1);
  EXPECT_EQ(verschoben.count(), 2);
  EXPECT_EQ(klick.count(), 1);
}

TEST_F(GitterSpaltenTest, NurKoepfeBeweglicherSpaltenZiehen) {
  // Dragging in the body selects; no column moves.
  QTest::mousePress(gitter.viewport(), Qt::LeftButton, {}, gitter.ZellRechteck(0, 1).center());
  QTest::mouseRelease(gitter.viewport(), Qt::LeftButton, {}, gitter.ZellRechteck(2, 1).center());
  EXPECT_EQ(gitter.Text(0, 0), QStringLiteral("0/0"));
  // Without the option the header is a fixed cell like any other.
  gitter.SetzeOptionen(gitter.Optionen() & ~TGitter::goSpaltenVerschieben);
  ZieheKopf(0, 3);
  EXPECT_EQ(gitter.Text(0, 0), QStringLiteral("0/0"));
  // A fixed column neither moves nor takes another's place; nor does a column beyond the grid.
  gitter.SetzeOptionen(gitter.Optionen() | TGitter::goSpaltenVerschieben);
  gitter.SetzeFesteSpalten(1);
  ZieheKopf(0, 2);
  gitter.VerschiebeSpalte(2, 0);
  gitter.VerschiebeSpalte(1, 4);
  gitter.VerschiebeSpalte(-1, 2);
  EXPECT_EQ(Zeile(0), (QStringList{"0/0", "1/0", "2/0", "3/0"}));
  gitter.VerschiebeSpalte(3, 1);
  EXPECT_EQ(Zeile(0), (QStringList{"0/0", "3/0", "1/0", "2/0"}));
  // The same count keeps the order; another count starts from the filled order.
  gitter.SetzeSpalten(4);
  EXPECT_EQ(gitter.SpaltenPosition(3), 1);
  gitter.SetzeSpalten(5);
  EXPECT_EQ(gitter.SpaltenPosition(3), 3);
  EXPECT_EQ(gitter.SpaltenUrsprung(4), 4);
  EXPECT_EQ(gitter.SpaltenUrsprung(5), -1);
  EXPECT_EQ(gitter.SpaltenPosition(7), -1);
}

TEST_F(GitterSpaltenTest, ZeilenFindenIhreSpaltenUndLesenSichWieGezeigt) {
  TGitterZeilen zeilen(gitter);
  int a = 0, b = 0;
  zeilen.Beginne({"Kürzel", "Soll", "Ist"}, 2);
  zeilen.SetzeZeile(1, {"MUE", "24", "26"}, &a);
  zeilen.SetzeZeile(2, {"SCH", "3", "4"}, &b);
  zeilen.SetzeZeile(3, {"X"}, &a);  // beyond the body: ignored
  EXPECT_EQ(gitter.Zeilen(), 3);
  EXPECT_EQ(gitter.Spalten(), 3);
  ZieheKopf(0, 2);
  EXPECT_EQ(Zeile(1), (QStringList{"24", "26", "MUE"}));
  EXPECT_EQ(zeilen.Text(0, 2), "SCH");
  EXPECT_EQ(zeilen.Element(2), &b);
  EXPECT_EQ(gitter.Objekt(2, 2), &b) << "the element column moved along";
  // Filled again with the same columns: every text reaches its moved column.
  zeilen.Beginne({"Kürzel", "Soll", "Ist"}, 1);
  zeilen.SetzeZeile(1, {"NEU", "1", "2"}, nullptr);
  EXPECT_EQ(Zeile(0), (QStringList{"Soll", "Ist", "Kürzel"}));
  EXPECT_EQ(Zeile(1), (QStringList{"1", "2", "NEU"}));
  EXPECT_EQ(zeilen.Element(1), nullptr);
  EXPECT_EQ(zeilen.Element(0), nullptr) << "the header has no element";
  EXPECT_EQ(zeilen.Element(2), nullptr);
  // Reading back: as shown, rows without an element only when asked for.
  zeilen.NeueZeilen(2);
  EXPECT_EQ(gitter.Text(2, 0), QStringLiteral("Kürzel")) << "the header stays";
  EXPECT_EQ(gitter.Text(2, 1), QString());
  zeilen.SetzeZeile(1, {"MUE", "24", "26"}, &a);
  zeilen.SetzeText(0, 2, "OHNE");
  const auto alle = zeilen.Texte(0, 9, false);
  ASSERT_EQ(alle.size(), 2u);
  EXPECT_EQ(alle[0], (std::vector<std::string>{"24", "26", "MUE"}));
  EXPECT_EQ(alle[1], (std::vector<std::string>{"", "", "OHNE"}));
  EXPECT_EQ(zeilen.Texte(1, 2, true).size(), 1u);
  gitter.SetzeAuswahl(TGitterAuswahl{0, 2, 2, 2});
  EXPECT_TRUE(zeilen.AusgewaehlteTexte(true).empty());
  EXPECT_EQ(zeilen.AusgewaehlteTexte(false).size(), 1u);
  // Widths from the widest text of each column, header included, at least the minimum.
  const QFontMetrics mass(gitter.font());
  const int summe = zeilen.BreitenNachText(mass, 8, 10);
  EXPECT_EQ(gitter.SpaltenBreite(2), mass.horizontalAdvance(QStringLiteral("Kürzel")) + 8);
  EXPECT_EQ(gitter.SpaltenBreite(0), std::max(10, mass.horizontalAdvance(QStringLiteral("Soll")) + 8));
  EXPECT_EQ(summe, gitter.SpaltenBreite(0) + gitter.SpaltenBreite(1) + gitter.SpaltenBreite(2));
}

}  // namespace
}  // namespace kolvar
