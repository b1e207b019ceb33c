#include "platform/gitter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace kolvar {
namespace {

// A plan-like grid: 6 columns x 17 rows, one fixed row and column, cells 40 x 20 plus 1-pixel
// lines, a viewport of 150 x 106: the fixed row and four rows, the fixed column and two
// columns are fully in view.
class GitterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gitter.SetzeRollbalken(false);
    gitter.setFrameShape(QFrame::NoFrame);
    gitter.SetzeSpalten(6);
    gitter.SetzeZeilen(17);
    gitter.SetzeStandardBreite(40);
    gitter.SetzeStandardHoehe(20);
    gitter.resize(150, 106);
    gitter.show();
    QCoreApplication::sendPostedEvents();
    for (int z = 0; z < gitter.Zeilen(); ++z)
      for (int s = 0; s < gitter.Spalten(); ++s)
        gitter.SetzeText(s, z, QStringLiteral("%1/%2").arg(s).arg(z));
  }

  QPoint Mitte(int spalte, int zeile) const { return gitter.ZellRechteck(spalte, zeile).center(); }
  QWidget* Flaeche() { return gitter.viewport(); }
  void Ziehe(QPoint von, QPoint nach) {
    QTest::mousePress(Flaeche(), Qt::LeftButton, {}, von);
    QTest::mouseMove(Flaeche(), nach);
    QTest::mouseRelease(Flaeche(), Qt::LeftButton, {}, nach);
  }

  TGitter gitter;
};

TEST_F(GitterTest, RollbalkenScrollenUmGanzeZeilen) {
  gitter.SetzeRollbalken(true);
  QCoreApplication::sendPostedEvents();
  QSignalSpy bewegt(&gitter, &TGitter::ObenLinksGeaendert);
  QScrollBar* balken = gitter.verticalScrollBar();
  EXPECT_EQ(balken->minimum(), 1);
  EXPECT_EQ(balken->maximum(), gitter.Geometrie().MaxObersteZeile());
  balken->setValue(5);
  EXPECT_EQ(gitter.ObersteZeile(), 5);
  EXPECT_EQ(gitter.ZelleBei({50, 30}), QPoint(1, 5));
  EXPECT_EQ(bewegt.count(), 1);
  gitter.SetzeObersteZeile(100);
  EXPECT_EQ(gitter.ObersteZeile(), balken->maximum()) << "clamped so that the last row stays in view";
  EXPECT_EQ(balken->value(), gitter.ObersteZeile());
  EXPECT_EQ(gitter.ObersteZeile() + gitter.SichtbareZeilen(), gitter.Zeilen());

  // Sized to its hint the whole grid fits without a scroll bar.
  gitter.SetzeZeilen(9);
  gitter.resize(gitter.viewportSizeHint());
  QCoreApplication::sendPostedEvents();
  EXPECT_FALSE(balken->isVisible());
}

TEST_F(GitterTest, KlickWaehltZelleUndBereich) {
  QSignalSpy rechts(&gitter, &TGitter::Rechtsklick);
  QTest::mouseClick(Flaeche(), Qt::RightButton, {}, Mitte(2, 2));
  ASSERT_EQ(rechts.count(), 1);
  EXPECT_EQ(rechts[0][0].toInt(), 2);
  EXPECT_EQ(rechts[0][2].toPoint(), Flaeche()->mapToGlobal(Mitte(2, 2)));
  EXPECT_EQ(gitter.Auswahl(), (TGitterAuswahl{1, 1, 1, 1})) << "the right button does not select";

  QSignalSpy gedrueckt(&gitter, &TGitter::ZelleGedrueckt);
  QSignalSpy klick(&gitter, &TGitter::Klick);
  QTest::mouseClick(Flaeche(), Qt::LeftButton, {}, Mitte(2, 3));
  EXPECT_EQ(gitter.Spalte(), 2);
  EXPECT_EQ(gitter.Zeile(), 3);
  EXPECT_EQ(gitter.Auswahl(), (TGitterAuswahl{2, 3, 2, 3}));
  ASSERT_EQ(gedrueckt.count(), 1);
  EXPECT_EQ(gedrueckt[0][0].toInt(), 2);
  EXPECT_EQ(klick.count(), 1);

  // Without range selection Shift selects a single cell.
  QTest::mouseClick(Flaeche(), Qt::LeftButton, Qt::ShiftModifier, Mitte(1, 1));
  EXPECT_EQ(gitter.Auswahl(), (TGitterAuswahl{1, 1, 1, 1}));

  gitter.SetzeOptionen(gitter.Optionen() | TGitter::goBereichsauswahl);
  QTest::mouseClick(Flaeche(), Qt::LeftButton, Qt::ShiftModifier, Mitte(2, 4));
  EXPECT_EQ(gitter.Auswahl(), (TGitterAuswahl{1, 1, 2, 4}));
  EXPECT_EQ(gitter.Spalte(), 1) << "the anchor stays";

  // Dragging with the button held extends the rectangle and scrolls at the lower edge.
  QTest::mousePress(Flaeche(), Qt::LeftButton, {}, Mitte(1, 2));
  QTest::mouseMove(Flaeche(), QPoint(Mitte(2, 4).x(), 105));
  EXPECT_EQ(gitter.ObersteZeile(), 2);
  QTest::mouseRelease(Flaeche(), Qt::LeftButton, {}, QPoint(Mitte(2, 4).x(), 105));
  EXPECT_EQ(gitter.Auswahl(), (TGitterAuswahl{1, 2, 2, 5}));

  // Clicks on fixed cells and beyond the grid select nothing but are reported.
  const TGitterAuswahl vorher = gitter.Auswahl();
  QTest::mouseClick(Flaeche(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(gitter.Auswahl(), vorher);
  EXPECT_EQ(gedrueckt.last()[0].toInt(), 0);
  EXPECT_EQ(gedrueckt.last()[1].toInt(), 0);
}

TEST_F(GitterTest, ZeilenauswahlUndTastatur) {
  gitter.SetzeOptionen(TGitter::goZeilenauswahl | TGitter::goBereichsauswahl);
  gitter.SetzeZelle(2, 3);
  EXPECT_EQ(gitter.Auswahl(), (TGitterAuswahl{1, 3, 5, 3}));
  gitter.setFocus();
  QTest::keyClick(&gitter, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(&gitter, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(gitter.Auswahl(), (TGitterAuswahl{1, 3, 5, 5}));
  QTest::keyClick(&gitter, Qt::Key_PageDown);
  EXPECT_EQ(gitter.Zeile(), 7);
  EXPECT_EQ(gitter.ObersteZeile() + gitter.SichtbareZeilen() - 1, 7) << "scrolled so that it is the last row";
  for (int i = 0; i < 4; ++i) QTest::keyClick(&gitter, Qt::Key_Up);
  EXPECT_EQ(gitter.ObersteZeile(), 3) << "a row above becomes the top row";

  // A window that takes the key keeps the grid from acting on it.
  QObject::connect(&gitter, &TGitter::TasteGedrueckt, &gitter, [](QKeyEvent* e) {
    if (e->key() == Qt::Key_Left) e->accept();
  });
  gitter.SetzeOptionen(0);
  gitter.SetzeZelle(3, 3);
  QTest::keyClick(&gitter, Qt::Key_Left);
  EXPECT_EQ(gitter.Spalte(), 3);
  QTest::keyClick(&gitter, Qt::Key_Up);
  EXPECT_EQ(gitter.Zeile(), 2);
}

TEST_F(GitterTest, ZiehenUndAblegen) {
  gitter.SetzeAutoZiehen(true);
  QSignalSpy beginn(&gitter, &TGitter::ZiehenBeginnt);
  QSignalSpy ueber(&gitter, &TGitter::ZiehenUeber);
  QSignalSpy ende(&gitter, &TGitter::ZiehenEnde);
  QTest::mousePress(Flaeche(), Qt::LeftButton, {}, Mitte(1, 1));
  ASSERT_TRUE(gitter.Zieht());
  EXPECT_EQ(beginn.count(), 1);
  QTest::mouseMove(Flaeche(), Mitte(2, 3));
  EXPECT_EQ(gitter.ZiehZiel(), QPoint(2, 3));
  EXPECT_EQ(gitter.Auswahl(), (TGitterAuswahl{2, 3, 2, 3})) << "the target is shown as the selection";
  ASSERT_EQ(ueber.count(), 1);
  QTest::mouseMove(Flaeche(), Mitte(2, 3) + QPoint(3, 3));
  EXPECT_EQ(ueber.count(), 1) << "only a change of target is reported";
  // Released over a fixed cell: cancelled, nothing is dropped.
  QSignalSpy abbruch(&gitter, &TGitter::ZiehenAbgebrochen);
  QTest::mouseRelease(Flaeche(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(gitter.Zieht());
  EXPECT_EQ(ende.count(), 0);
  EXPECT_EQ(abbruch.count(), 1);
  // Released over the target: dropped there.
  Ziehe(Mitte(1, 1), Mitte(2, 3));
  ASSERT_EQ(ende.count(), 1);
  EXPECT_EQ(ende[0], (QList<QVariant>{1, 1, 2, 3}));

  // Dragging along a column stays in it.
  gitter.SetzeZiehenNurZeilen(true);
  Ziehe(Mitte(2, 1), Mitte(1, 3));
  ASSERT_EQ(ende.count(), 2);
  EXPECT_EQ(ende[1], (QList<QVariant>{2, 1, 2, 3}));
}

TEST_F(GitterTest, ZiehenAmRandScrolltEineZelleJeBewegung) {
  QObject::connect(
      &gitter, &TGitter::ZelleGedrueckt, &gitter,
      [this](int s, int z, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { gitter.BeginneZiehen(s, z); });
  QTest::mousePress(Flaeche(), Qt::LeftButton, {}, Mitte(1, 2));
  ASSERT_TRUE(gitter.Zieht());
  const QPoint unten(Mitte(1, 1).x(), 105);  // below the fourth row, in the cut fifth row
  QTest::mouseMove(Flaeche(), unten);
  EXPECT_EQ(gitter.ObersteZeile(), 2);
  EXPECT_EQ(gitter.ZiehZiel(), QPoint(1, 5)) << "the last fully visible row";
  QTest::mouseMove(Flaeche(), unten + QPoint(0, 1));
  QTest::mouseMove(Flaeche(), unten + QPoint(0, 50));  // outside the grid: still scrolls
  EXPECT_EQ(gitter.ObersteZeile(), 4);
  EXPECT_EQ(gitter.ZiehZiel(), QPoint(1, 7));
  for (int i = 0; i < 30; ++i) QTest::mouseMove(Flaeche(), unten + QPoint(0, i % 2));
  EXPECT_EQ(gitter.ObersteZeile(), gitter.Geometrie().MaxObersteZeile()) << "stops at the end";
  EXPECT_EQ(gitter.ZiehZiel(), QPoint(1, 16));

  // Over the fixed row it scrolls up and the target is the new top row.
  QTest::mouseMove(Flaeche(), QPoint(Mitte(1, 0).x(), 5));
  EXPECT_EQ(gitter.ObersteZeile(), gitter.Geometrie().MaxObersteZeile() - 1);
  EXPECT_EQ(gitter.ZiehZiel(), QPoint(1, gitter.ObersteZeile()));

  // Columns: beyond the visible part to the right, and back over the fixed column.
  QTest::mouseMove(Flaeche(), QPoint(150, 50));
  EXPECT_EQ(gitter.LinkeSpalte(), 2);
  EXPECT_EQ(gitter.ZiehZiel().x(), 3);
  QTest::mouseMove(Flaeche(), QPoint(-10, 50));
  EXPECT_EQ(gitter.LinkeSpalte(), 1);
  EXPECT_EQ(gitter.ZiehZiel().x(), 1);
  QTest::mouseMove(Flaeche(), QPoint(-10, 50));
  EXPECT_EQ(gitter.LinkeSpalte(), 1) << "nothing left to scroll";
  QTest::mouseRelease(Flaeche(), Qt::LeftButton, {}, QPoint(-10, 50));
  EXPECT_FALSE(gitter.Zieht());
}

TEST_F(GitterTest, VerlorenesZiehenLegtNichtsAb) {
  gitter.SetzeAutoZiehen(true);
  gitter.viewport()->setCursor(Qt::CrossCursor);
  gitter.SetzeZiehCursor(Qt::ClosedHandCursor);
  QSignalSpy ende(&gitter, &TGitter::ZiehenEnde);
  QSignalSpy abgebrochen(&gitter, &TGitter::ZiehenAbgebrochen);
  QTest::mousePress(Flaeche(), Qt::LeftButton, {}, Mitte(1, 1));
  EXPECT_EQ(gitter.viewport()->cursor().shape(), Qt::ClosedHandCursor);
  QTest::mouseMove(Flaeche(), Mitte(2, 2));
  gitter.hide();
  EXPECT_FALSE(gitter.Zieht());
  EXPECT_EQ(abgebrochen.count(), 1);
  EXPECT_EQ(gitter.viewport()->cursor().shape(), Qt::CrossCursor) << "the grid's own cursor is back";
  gitter.show();
  QTest::mouseRelease(Flaeche(), Qt::LeftButton, {}, Mitte(2, 2));
  EXPECT_EQ(ende.count(), 0);

  // A second press while a drag runs (its release went elsewhere) starts afresh.
  QTest::mousePress(Flaeche(), Qt::LeftButton, {}, Mitte(1, 1));
  QTest::mousePress(Flaeche(), Qt::LeftButton, {}, Mitte(2, 3));
  EXPECT_EQ(abgebrochen.count(), 2);
  EXPECT_EQ(gitter.ZiehQuelle(), QPoint(2, 3));
  QTest::mouseRelease(Flaeche(), Qt::LeftButton, {}, Mitte(2, 3));
  ASSERT_EQ(ende.count(), 1);
  EXPECT_EQ(ende[0], (QList<QVariant>{2, 3, 2, 3}));
}

TEST_F(GitterTest, EditorUebernimmtUndVerwirft) {
  gitter.SetzeOptionen(gitter.Optionen() | TGitter::goBearbeiten);
  gitter.SetzeEditorLaenge(5);
  QSignalSpy bearbeitet(&gitter, &TGitter::TextBearbeitet);
  gitter.SetzeZelle(2, 2);
  ASSERT_TRUE(gitter.BeginneBearbeiten());
  ASSERT_TRUE(gitter.Editor()->isVisible());
  EXPECT_EQ(gitter.Editor()->geometry(), gitter.ZellRechteck(2, 2));
  gitter.Editor()->setText(QStringLiteral("8:00"));
  QTest::keyClick(gitter.Editor(), Qt::Key_Escape);
  EXPECT_FALSE(gitter.Bearbeitet());
  EXPECT_EQ(gitter.Text(2, 2), QStringLiteral("2/2"));
  EXPECT_EQ(bearbeitet.count(), 0);

  ASSERT_TRUE(gitter.BeginneBearbeiten());
  QTest::keyClicks(gitter.Editor(), QStringLiteral("8:00-9:30"));
  EXPECT_EQ(gitter.Editor()->text(), QStringLiteral("8:00-")) << "the length limit holds";
  QTest::keyClick(gitter.Editor(), Qt::Key_Return);
  EXPECT_EQ(gitter.Text(2, 2), QStringLiteral("8:00-"));
  ASSERT_EQ(bearbeitet.count(), 1);
  EXPECT_EQ(bearbeitet[0][2].toString(), QStringLiteral("8:00-"));

  // Typing on the grid starts the editor with that character; scrolling commits.
  gitter.setFocus();
  QTest::keyClick(&gitter, Qt::Key_X);
  ASSERT_TRUE(gitter.Bearbeitet());
  EXPECT_EQ(gitter.Editor()->text(), QStringLiteral("x"));
  gitter.SetzeObersteZeile(5);
  EXPECT_FALSE(gitter.Bearbeitet());
  EXPECT_EQ(gitter.Text(2, 2), QStringLiteral("x"));

  // A validator that the input does not satisfy keeps the editor open on Enter.
  QRegularExpressionValidator erstesZeichen(QRegularExpression(QStringLiteral("\\S.*")));
  gitter.SetzeEditorValidator(&erstesZeichen);
  gitter.SetzeZelle(1, 6);
  ASSERT_TRUE(gitter.BeginneBearbeiten());
  gitter.Editor()->setText(QString());
  QTest::keyClick(gitter.Editor(), Qt::Key_Return);
  EXPECT_TRUE(gitter.Bearbeitet());
  gitter.BeendeBearbeiten(false);
  EXPECT_EQ(gitter.Text(1, 6), QStringLiteral("1/6"));

  // Fixed cells are never edited; the option must be on.
  gitter.SetzeZelle(0, 0);
  EXPECT_FALSE(gitter.BeginneBearbeiten());
  gitter.SetzeOptionen(0);
  gitter.SetzeZelle(1, 7);
  EXPECT_FALSE(gitter.BeginneBearbeiten());
}

TEST_F(GitterTest, ZeichnerBekommtZustandUndMaltDieZelle) {
  std::vector<std::pair<QPoint, TZellZustand>> gemalt;
  gitter.SetzeZeichner([&](QPainter& p, int s, int z, const QRect& r, TZellZustand zustand) {
    gemalt.push_back({QPoint(s, z), zustand});
    p.fillRect(r, zustand.ausgewaehlt ? Qt::red : (zustand.fest ? Qt::gray : Qt::white));
  });
  gitter.SetzeZelle(2, 2);
  QImage bild(gitter.viewport()->size(), QImage::Format_RGB32);
  QPainter p(&bild);
  gitter.Male(p, bild.rect());
  p.end();
  EXPECT_EQ(bild.pixelColor(Mitte(2, 2)), QColor(Qt::red));
  EXPECT_EQ(bild.pixelColor(Mitte(1, 1)), QColor(Qt::white));
  EXPECT_EQ(bild.pixelColor(Mitte(0, 2)), QColor(Qt::gray));
  // Only cells at least partly in view are drawn: 4 columns x 6 rows.
  EXPECT_EQ(gemalt.size(), 24u);
  int feste = 0;
  for (const auto& [zelle, zustand] : gemalt) feste += zustand.fest;
  EXPECT_EQ(feste, 4 + 6 - 1);
}

TEST_F(GitterTest, GroesseAendernBehaeltInhalt) {
  gitter.SetzeObjekt(3, 4, &gitter);
  gitter.SetzeZelle(5, 16);
  gitter.SetzeZeilen(5);
  gitter.SetzeSpalten(4);
  EXPECT_EQ(gitter.Text(3, 4), QStringLiteral("3/4"));
  EXPECT_EQ(gitter.ObjektAls<TGitter>(3, 4), &gitter);
  EXPECT_EQ(gitter.Text(5, 16), QString()) << "out of range reads empty";
  EXPECT_EQ(gitter.Objekt(-1, 2), nullptr);
  gitter.SetzeText(9, 9, QStringLiteral("nirgends"));  // ignored
  EXPECT_TRUE(gitter.Spalte() < 4 && gitter.Zeile() < 5) << "the current cell moved into the grid";
  gitter.Leeren();
  EXPECT_EQ(gitter.Objekt(3, 4), nullptr);

  gitter.SetzeOptionen(gitter.Optionen() | TGitter::goBereichsauswahl);
  gitter.SetzeZelle(2, 2);
  QTest::mouseClick(Flaeche(), Qt::LeftButton, Qt::ShiftModifier, Mitte(3, 4));
  gitter.SetzeSpalten(3);
  EXPECT_EQ(gitter.Auswahl(), (TGitterAuswahl{2, 2, 2, 4})) << "the selection is cut to the grid";
}

TEST_F(GitterTest, SpaltenbreiteZiehen) {
  gitter.SetzeOptionen(gitter.Optionen() | TGitter::goSpaltenbreite);
  QSignalSpy breite(&gitter, &TGitter::SpaltenBreiteGeaendert);
  const QPoint kante(gitter.ZellRechteck(1, 0).right() + 1, 10);
  Ziehe(kante, kante + QPoint(25, 0));
  EXPECT_EQ(gitter.SpaltenBreite(1), 65);
  ASSERT_EQ(breite.count(), 1);
  EXPECT_EQ(breite[0][0].toInt(), 1);
}

// A pop-up at the release would take the second press of a double click: the single click is
// told only once no further press followed within the double-click time.
TEST_F(GitterTest, EinzelKlickWartetUndDerDoppelklickNimmtIhn) {
  QSignalSpy einzeln(&gitter, &TGitter::EinzelKlick);
  QSignalSpy doppelt(&gitter, &TGitter::Doppelklick);
  const int warte = QApplication::doubleClickInterval() + 50;
  const auto sende = [&](QEvent::Type art, QPoint ort) {
    const Qt::MouseButtons knoepfe = art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(art, QPointF(ort), QPointF(Flaeche()->mapToGlobal(ort)), Qt::LeftButton, knoepfe, {});
    QApplication::sendEvent(Flaeche(), &e);
  };

  // A single click: told once, after the wait, with the cell of the release.
  sende(QEvent::MouseButtonPress, Mitte(2, 3));
  sende(QEvent::MouseButtonRelease, Mitte(2, 3));
  EXPECT_EQ(einzeln.count(), 0);
  QTest::qWait(warte);
  ASSERT_EQ(einzeln.count(), 1);
  EXPECT_EQ(einzeln[0][0].toInt(), 2);
  EXPECT_EQ(einzeln[0][1].toInt(), 3);

  // A double click as the window system sends it: no single click, before or after.
  for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                           QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
    sende(art, Mitte(1, 2));
  QTest::qWait(warte);
  EXPECT_EQ(doppelt.count(), 1);
  EXPECT_EQ(einzeln.count(), 1);

  // A modal dialog opened within the wait (a shortcut's) keeps the pop-up away.
  {
    QDialog dialog;
    dialog.setModal(true);
    sende(QEvent::MouseButtonPress, Mitte(1, 1));
    sende(QEvent::MouseButtonRelease, Mitte(1, 1));
    dialog.show();
    QTest::qWait(warte);
    EXPECT_EQ(einzeln.count(), 1);
  }

  // The end of a drag is no click, and a grid hidden meanwhile tells nothing.
  gitter.SetzeAutoZiehen(true);
  Ziehe(Mitte(1, 1), Mitte(2, 2));
  gitter.SetzeAutoZiehen(false);
  sende(QEvent::MouseButtonPress, Mitte(1, 1));
  sende(QEvent::MouseButtonRelease, Mitte(1, 1));
  gitter.hide();
  QTest::qWait(warte);
  EXPECT_EQ(einzeln.count(), 1);
}

}  // namespace
}  // namespace kolvar
