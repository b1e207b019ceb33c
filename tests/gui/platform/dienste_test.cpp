#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "gui/support/skriptdienste.h"
#include "platform/ablage.h"
#include "platform/dateidienst.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/hilfe.h"
#include "platform/popupdienst.h"
#include "platform/spaltenmenue.h"
#include "platform/uhr.h"

namespace kolvar {
namespace {

std::vector<TPopupEintrag> Eintraege(int anzahl) {
  std::vector<TPopupEintrag> liste;
  for (int i = 0; i < anzahl; ++i) {
    TPopupEintrag e;
    e.text = QStringLiteral("L%1").arg(i + 1);
    e.id = 100 + i;
    liste.push_back(e);
  }
  return liste;
}

std::vector<int> Spaltenanfaenge(int anzahl, int hoehe) {
  std::vector<int> anfaenge;
  for (int i = 0; i < anzahl; ++i)
    if (BeginntSpalte(i, hoehe)) anfaenge.push_back(i);
  return anfaenge;
}

TEST(SpaltenMenue, SpaltenHoeheUndUmbruch) {
  EXPECT_EQ(SpaltenHoehe(17, 16), 16);
  EXPECT_EQ(Spaltenanfaenge(17, SpaltenHoehe(17, 16)), std::vector<int>{16})
      << "17 items break after the 16th";
  EXPECT_EQ(SpaltenHoehe(100, 16), 17);
  EXPECT_EQ(Spaltenanfaenge(100, 17), (std::vector<int>{17, 34, 51, 68, 85}));
  EXPECT_TRUE(Spaltenanfaenge(16, SpaltenHoehe(16, 16)).empty());
  // The plan-version menu: 54 versions in columns of 13, one version in one column of at least 8.
  EXPECT_EQ(SpaltenHoehe(54, 8), 13);
  EXPECT_EQ(SpaltenHoehe(1, 8), 8);
  // An element pop-up with "ohne" counts it: 20 teachers + "ohne" still fit 16 per column.
  EXPECT_EQ(Spaltenanfaenge(21, SpaltenHoehe(21, 16)), std::vector<int>{16});
  EXPECT_EQ(SpaltenHoehe(0, 16), 16);
  EXPECT_EQ(SpaltenHoehe(-5, 0), 0);
  EXPECT_FALSE(BeginntSpalte(0, 16));
  EXPECT_FALSE(BeginntSpalte(5, 0)) << "no height, no break";
}

TEST(SpaltenMenue, LangeMenuesStehenInSpalten) {
  TSpaltenMenue kurz;
  kurz.SetzeEintraege(Eintraege(10), 16);
  EXPECT_EQ(kurz.Spaltenzahl(), 1);
  EXPECT_EQ(kurz.actions().size(), 10);

  std::vector<TPopupEintrag> eintraege = Eintraege(40);
  eintraege[3].aktiv = false;
  eintraege[5].haken = true;
  TSpaltenMenue menue;
  menue.SetzeEintraege(eintraege, SpaltenHoehe(40, 16));
  EXPECT_EQ(menue.Spaltenzahl(), 3);
  const QRect erster = menue.EintragsRechteck(0);
  const QRect zweiteSpalte = menue.EintragsRechteck(16);
  const QRect dritteSpalte = menue.EintragsRechteck(32);
  EXPECT_EQ(zweiteSpalte.top(), erster.top());
  EXPECT_GE(zweiteSpalte.left(), erster.right());
  EXPECT_GE(dritteSpalte.left(), zweiteSpalte.right());
  EXPECT_GT(menue.EintragsRechteck(15).top(), erster.top());
  EXPECT_TRUE(menue.EintragsRechteck(40).isEmpty());

  ASSERT_NE(menue.SpaltenFlaeche(), nullptr);
  QTest::mouseClick(menue.SpaltenFlaeche(), Qt::LeftButton, {}, menue.EintragsRechteck(3).center());
  EXPECT_EQ(menue.Gewaehlt(), -1) << "a disabled entry cannot be chosen";
  QTest::mouseClick(menue.SpaltenFlaeche(), Qt::LeftButton, {}, menue.EintragsRechteck(20).center());
  EXPECT_EQ(menue.Gewaehlt(), 20);
  QTest::mouseClick(menue.SpaltenFlaeche(), Qt::LeftButton, {},
                    menue.EintragsRechteck(39).bottomRight() + QPoint(0, 30));
  EXPECT_EQ(menue.Gewaehlt(), 20) << "a click beside the entries chooses nothing";
}

TEST(PopupDienst, SkriptWaehltUndAktionLaeuft) {
  TSkriptPopupDienst popups;
  int gelaufen = -1;
  std::vector<TPopupEintrag> eintraege = Eintraege(3);
  for (TPopupEintrag& e : eintraege) e.aktion = [&gelaufen, id = e.id] { gelaufen = id; };
  eintraege[2].aktiv = false;
  popups.WaehleText(QStringLiteral("L2"));
  popups.WaehleText(QStringLiteral("L3"));
  popups.WaehleNichts();
  EXPECT_EQ(popups.Waehle(eintraege, {10, 20}, 0), 101);
  EXPECT_EQ(gelaufen, 101);
  gelaufen = -1;
  EXPECT_EQ(popups.Waehle(eintraege, {10, 20}, 0), -1) << "disabled";
  EXPECT_EQ(popups.Waehle(eintraege, {10, 20}, 0), -1);
  EXPECT_EQ(gelaufen, -1);
  EXPECT_EQ(popups.Fehler().size(), 1);
  EXPECT_EQ(popups.Waehle(eintraege, {}, 0), -1) << "nothing scripted";
  EXPECT_EQ(popups.Fehler().size(), 2);
  ASSERT_EQ(popups.Angebote().size(), 4u);
  EXPECT_EQ(popups.Angebote()[0].ort, QPoint(10, 20));
  EXPECT_FALSE(popups.Angebote()[0].aktiv[2]);

  popups.WaehleIndex(0);
  EXPECT_EQ(popups.WaehleUmbrochen(Eintraege(100), {}), 100);
  EXPECT_EQ(popups.Angebote().back().spaltenHoehe, 17);
}

TEST(DateiDienst, FilterUndEndung) {
  EXPECT_EQ(QtFilter(kKolvarFilter), QStringList{QStringLiteral("Kolvar-Dateien (*.KVR *.kvr)")});
  EXPECT_EQ(QtFilter(QStringLiteral("Textdateien (*.TXT)|*.txt|Alle Dateien|*.*")),
            (QStringList{QStringLiteral("Textdateien (*.TXT *.txt)"), QStringLiteral("Alle Dateien (*.*)")}));
  EXPECT_TRUE(QtFilter(QString()).isEmpty());
  EXPECT_TRUE(QtFilter(QStringLiteral("nur eine Hälfte")).isEmpty());
  EXPECT_EQ(MitEndung(QStringLiteral("/tmp/schule"), kKolvarEndung), QStringLiteral("/tmp/schule.kvr"));
  EXPECT_EQ(MitEndung(QStringLiteral("/tmp/schule.KVR"), kKolvarEndung), QStringLiteral("/tmp/schule.KVR"));
  EXPECT_EQ(MitEndung(QStringLiteral("/tmp/a.b/schule"), kKolvarEndung),
            QStringLiteral("/tmp/a.b/schule.kvr"));
  EXPECT_EQ(MitEndung(QString(), kKolvarEndung), QString()) << "a cancelled dialog stays cancelled";

  TSkriptDateiDienst dateien;
  dateien.Antworte(QStringLiteral("/daten/schule"));
  dateien.Antworte(QString());
  const TDateiAuswahl auswahl{QStringLiteral("Sichern unter"), kKolvarFilter, kKolvarEndung, {}, {}};
  EXPECT_EQ(dateien.Sichern(auswahl), QStringLiteral("/daten/schule.kvr"));
  EXPECT_EQ(dateien.Oeffnen(auswahl), QString());
  EXPECT_EQ(dateien.Oeffnen(auswahl), QString());
  EXPECT_EQ(dateien.Anfragen().size(), 3u);
}

TEST(Uhr, TagesnummernUndZeitpunkte) {
  EXPECT_EQ(TagesNummer(QDate(1993, 12, 27)), 34330);
  EXPECT_EQ(DatumAusTagesNummer(34330).dayOfWeek(), 1);
  EXPECT_EQ(TagesNummer(QDate(1899, 12, 30)), 0);
  EXPECT_EQ(TagesNummer(QDate(1899, 12, 29)), -1);
  EXPECT_EQ(DatumAusTagesNummer(TagesNummer(QDate(2039, 12, 31))), QDate(2039, 12, 31));
  const QDateTime mittag(QDate(2026, 12, 7), QTime(12, 0, 30));
  EXPECT_EQ(Sekunden(mittag), std::int64_t{TagesNummer(QDate(2026, 12, 7))} * 86400 + 43230);
  EXPECT_EQ(ZeitpunktAusSekunden(Sekunden(mittag)), mittag);
  EXPECT_EQ(ZeitpunktAusSekunden(-1), QDateTime(QDate(1899, 12, 29), QTime(23, 59, 59)));

  TFesteQtUhr uhr(std::int64_t{34330} * 86400 + 86399);
  EXPECT_EQ(uhr.Heute(), 34330);
  uhr.Vorruecken(1500);
  EXPECT_EQ(uhr.Heute(), 34331);
  EXPECT_EQ(uhr.Monoton(), 1500);
  uhr.Setze(0);  // the wall clock jumps back, the interval clock does not
  EXPECT_EQ(uhr.Monoton(), 1500);
  TFesteQtUhr vorher(-10);
  EXPECT_EQ(vorher.Heute(), -1);

  TQtUhr system;
  EXPECT_EQ(system.Heute(), TagesNummer(QDate::currentDate()));
  const std::int64_t a = system.Monoton();
  EXPECT_GE(system.Monoton(), a);
}

TEST(Ablage, SpeicherUndQtAblage) {
  TSpeicherAblage speicher;
  EXPECT_FALSE(speicher.HatText());
  speicher.SetzeText(QStringLiteral("\tMo\tDi\n 1\t---\t---"));
  EXPECT_TRUE(speicher.HatText());
  EXPECT_EQ(speicher.Text(), QStringLiteral("\tMo\tDi\n 1\t---\t---"));
  TQtAblage qt;
  qt.SetzeText(QStringLiteral("Größe"));
  EXPECT_TRUE(qt.HatText());
  EXPECT_EQ(qt.Text(), QStringLiteral("Größe"));
}

TEST(Hilfe, OhneDateiSagtSieEsDemBenutzer) {
  TSkriptDialogDienst dialoge;
  TDienste::SetzeDialoge(&dialoge);
  QTemporaryDir leer;
  TQtHilfe hilfe(QStringList{leer.path()});
  EXPECT_EQ(hilfe.Datei(), QString());
  dialoge.Antworte(QStringLiteral("Hilfe"), mrOk);
  hilfe.Themen();
  EXPECT_EQ(dialoge.Protokoll(), QStringList{QStringLiteral("Hilfe: ") + kKeineHilfeText});
  EXPECT_TRUE(dialoge.Fehler().isEmpty());
  EXPECT_EQ(hilfe.Anzeige(), nullptr);

  QFile datei(leer.filePath(kHilfeDateiName));
  ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
  datei.write("<html><body><h1>Hilfethemen</h1></body></html>");
  datei.close();
  hilfe.Themen();
  ASSERT_NE(hilfe.Anzeige(), nullptr);
  EXPECT_TRUE(hilfe.Anzeige()->isVisible());
  EXPECT_TRUE(hilfe.Anzeige()->toPlainText().contains(QStringLiteral("Hilfethemen")));
  EXPECT_EQ(dialoge.Protokoll().size(), 1) << "no message when the file is there";
  hilfe.Schliesse();
  EXPECT_EQ(hilfe.Anzeige(), nullptr);
  TDienste::Zuruecksetzen();
}

TEST(Dienste, FakesErsetzenUndZuruecksetzen) {
  IDialogDienst* qt = &TDienste::Dialoge();
  TSkriptDialogDienst dialoge;
  TDienste::SetzeDialoge(&dialoge);
  EXPECT_EQ(&TDienste::Dialoge(), &dialoge);
  TDienste::Zuruecksetzen();
  EXPECT_EQ(&TDienste::Dialoge(), qt);
  EXPECT_EQ(TDienste::Shift(), nullptr);
  EXPECT_NE(dynamic_cast<TQtPopupDienst*>(&TDienste::Popups()), nullptr);
  EXPECT_NE(dynamic_cast<TQtDateiDienst*>(&TDienste::Dateien()), nullptr);
  EXPECT_NE(dynamic_cast<TQtAblage*>(&TDienste::Ablage()), nullptr);
  EXPECT_NE(dynamic_cast<TQtUhr*>(&TDienste::Uhr()), nullptr);
  EXPECT_NE(dynamic_cast<TQtHilfe*>(&TDienste::Hilfe()), nullptr);
}

}  // namespace
}  // namespace kolvar
