// The room a caption needs in the title bar: the title font is asked for once and each caption
// measured once, yet every width is the one a fresh measure gives, also after the application's
// fonts change.
#include "platform/fensterrahmen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QWidget>

namespace kolvar {
namespace {

int FrischGemessen(const QString& caption) {
  QFont schrift = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  schrift.setBold(true);
  const QFontMetrics mass(schrift);
  return mass.horizontalAdvance(caption) * 5 / 4 + 4 * (mass.height() + 8);
}

void WieFrisch(const char* wann) {
  for (const QString& caption : {QStringLiteral("Plan MUE"), QStringLiteral("Deputat MUE"), QString(),
                                 QStringLiteral("Voreinstellung für Kurse"), QStringLiteral("Plan MUE")}) {
    EXPECT_EQ(TitelBreite(caption), FrischGemessen(caption)) << wann << ": " << caption.toStdString();
    EXPECT_EQ(TitelBreite(caption), TitelBreite(QString(caption))) << "asked again";
  }
}

TEST(FensterRahmen, TitelBreiteWieFrischGemessen) {
  WieFrisch("zuerst");
  EXPECT_LT(TitelBreite(QStringLiteral("Plan")), TitelBreite(QStringLiteral("Plan MUE")));
  const QFont vorher = QApplication::font();
  QFont gross = vorher;
  gross.setPointSize(std::max(1, vorher.pointSize()) + 9);
  QApplication::setFont(gross);
  WieFrisch("neue Schrift der Anwendung");
  QApplication::setFont(vorher);
  WieFrisch("alte Schrift der Anwendung");
  const int id = QFontDatabase::addApplicationFont(
      QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"));
  WieFrisch("Schrift hinzugefügt");
  if (id >= 0) QFontDatabase::removeApplicationFont(id);
  WieFrisch("Schrift entfernt");
}

// A window keeps room for its caption, measured or taken from what was measured before.
TEST(FensterRahmen, PlatzFuerDieCaption) {
  for (int mal = 0; mal < 2; ++mal) {
    QWidget fenster;
    fenster.resize(10, 10);
    fenster.setWindowTitle(QStringLiteral("Vertretungslehrerwahl"));
    TitelPlatzLassen(fenster);
    EXPECT_EQ(fenster.width(), FrischGemessen(fenster.windowTitle())) << mal;
    EXPECT_EQ(fenster.minimumWidth(), FrischGemessen(fenster.windowTitle())) << mal;
    fenster.setFixedSize(20, 30);
    TitelPlatzLassen(fenster);
    EXPECT_EQ(fenster.size(), QSize(FrischGemessen(fenster.windowTitle()), 30)) << mal;
  }
}

}  // namespace
}  // namespace kolvar
