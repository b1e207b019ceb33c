#include "gui/support/guitest.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include "installation.h"
#include "platform/dienste.h"
#include "platform/gitter.h"

namespace kolvar {

GuiTest::GuiTest() {
  TDienste::SetzeDialoge(&dialoge);
  TDienste::SetzePopups(&popups);
  TDienste::SetzeDateien(&dateiDienst);
  TDienste::SetzeAblage(&ablage);
  TDienste::SetzeUhr(&uhr);
  TDienste::SetzeHilfe(&hilfe);
}

GuiTest::~GuiTest() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  palette.reset();
  TDienste::Zuruecksetzen();
}

TKolvarPalette& GuiTest::BauePalette(ISchulDateien& dateien, IEinstellungsSpeicher* speicher,
                                     bool funktionen) {
  palette = std::make_unique<TKolvarPalette>(standard, dateien, speicher);
  if (funktionen) InstalliereFunktionen(*palette);
  return *palette;
}

void GuiTest::ErwarteKeineSkriptFehler() const {
  EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(dialoge.AllesBeantwortet());
  EXPECT_TRUE(popups.Fehler().isEmpty()) << popups.Fehler().join(QLatin1Char('\n')).toStdString();
}

void GuiTest::ZieheKopf(TGitter& gitter, int von, int nach) {
  const QPoint start = gitter.ZellRechteck(von, 0).center();
  const QPoint ziel = gitter.ZellRechteck(nach, 0).center();
  QTest::mousePress(gitter.viewport(), Qt::LeftButton, {}, start);
  QTest::mouseMove(gitter.viewport(), (start + ziel) / 2);
  QTest::mouseMove(gitter.viewport(), ziel);
  QTest::mouseRelease(gitter.viewport(), Qt::LeftButton, {}, ziel);
}

void GuiTest::DoppelKlicke(TGitter& gitter, int spalte, int zeile, Qt::KeyboardModifiers tasten) {
  const QPoint ort = gitter.ZellRechteck(spalte, zeile).center();
  // Clicks closer together than the double-click time would pair with earlier ones.
  QTest::qWait(QApplication::doubleClickInterval() + 20);
  QTest::mousePress(gitter.viewport(), Qt::LeftButton, tasten, ort);
  QTest::mouseRelease(gitter.viewport(), Qt::LeftButton, tasten, ort);
  QTest::mousePress(gitter.viewport(), Qt::LeftButton, tasten, ort);
  QTest::mouseDClick(gitter.viewport(), Qt::LeftButton, tasten, ort);
  QTest::mouseRelease(gitter.viewport(), Qt::LeftButton, tasten, ort);
}

void GuiTest::KlickeZelle(TGitter& gitter, int spalte, int zeile, QPoint ort) {
  if (ort.x() < 0) ort = gitter.ZellRechteck(spalte, zeile).center();
  QTest::qWait(QApplication::doubleClickInterval() + 20);
  QTest::mousePress(gitter.viewport(), Qt::LeftButton, {}, ort);
  QTest::mouseRelease(gitter.viewport(), Qt::LeftButton, {}, ort);
}

void GuiTest::WarteAufEinzelKlick() {
  QTest::qWait(QApplication::doubleClickInterval() + 50);
}

}  // namespace kolvar
