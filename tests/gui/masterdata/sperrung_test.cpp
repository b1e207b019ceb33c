// The lock grid widget: a drag with the left button applies the rule, any other button or a
// release without a press changes nothing, and the grid is as wide as the school week.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "masterdata/sperrung.h"
#include "model/standard.h"

namespace kolvar {
namespace {

void Maus(QWidget* w, QEvent::Type typ, QPoint punkt, Qt::MouseButton knopf, Qt::MouseButtons gehalten) {
  QMouseEvent e(typ, punkt, w->mapToGlobal(punkt), knopf, gehalten, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

struct TSperrTest : ::testing::Test {
  TStandard standard;
  TWochBereich sperre, leer;
  TSperrung sperrung;
  TSperrTest() {
    standard.mtn = 5;
    sperrung.Vorbereiten(standard);
    sperrung.SetzeQuelle(TSperrQuelle::VonVorlage(sperre, leer), nullptr);
  }
  QPoint Mitte(int d, int p) const { return sperrung.ZellRechteck(d, p).center(); }
  int Gesperrt() const {
    int n = 0;
    for (int d = 1; d <= kTage; ++d)
      for (int p = 1; p <= kStunden; ++p) n += sperre.Belegt(1, d, p);
    return n;
  }
};

TEST_F(TSperrTest, ZiehenMitDerLinkenTaste) {
  int signale = 0;
  QObject::connect(&sperrung, &TSperrung::Gesperrt, [&] { ++signale; });
  QWidget* g = sperrung.Gitter();
  Maus(g, QEvent::MouseButtonPress, Mitte(1, 1), Qt::LeftButton, Qt::LeftButton);
  Maus(g, QEvent::MouseMove, Mitte(2, 3), Qt::NoButton, Qt::LeftButton);
  Maus(g, QEvent::MouseButtonRelease, Mitte(2, 3), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(Gesperrt(), 6);
  EXPECT_TRUE(sperre.Belegt(1, 2, 3));
  EXPECT_EQ(signale, 1);
  // Dragged beyond the fifth day: the weekend stays out of reach.
  Maus(g, QEvent::MouseButtonPress, Mitte(5, 16), Qt::LeftButton, Qt::LeftButton);
  Maus(g, QEvent::MouseButtonRelease, QPoint(g->width() + 40, g->height() + 40), Qt::LeftButton,
       Qt::NoButton);
  EXPECT_EQ(Gesperrt(), 7);
  EXPECT_FALSE(sperre.Belegt(1, 6, 16));
}

TEST_F(TSperrTest, AndereTastenAendernNichts) {
  QWidget* g = sperrung.Gitter();
  // The right button neither starts nor ends a drag.
  Maus(g, QEvent::MouseButtonPress, Mitte(1, 1), Qt::RightButton, Qt::RightButton);
  Maus(g, QEvent::MouseButtonRelease, Mitte(1, 1), Qt::RightButton, Qt::NoButton);
  // A left press ended by a right release clears the drag; the later left release finds none.
  Maus(g, QEvent::MouseButtonPress, Mitte(2, 2), Qt::LeftButton, Qt::LeftButton);
  Maus(g, QEvent::MouseButtonRelease, Mitte(2, 2), Qt::RightButton, Qt::LeftButton);
  Maus(g, QEvent::MouseButtonRelease, Mitte(2, 2), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(Gesperrt(), 0);
}

TEST_F(TSperrTest, BreiteFolgtDenSchultagen) {
  for (auto [tage, breite] : {std::pair{5, 79}, {6, 94}, {7, 109}}) {
    standard.mtn = tage;
    sperrung.Vorbereiten(standard);
    EXPECT_EQ(sperrung.Tage(), tage);
    EXPECT_EQ(sperrung.Gitter()->width(), breite);
  }
}

}  // namespace
}  // namespace kolvar
