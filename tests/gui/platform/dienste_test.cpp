#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

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
  // Items, least height, column height, where columns begin.
  const std::tuple<int, int, int, std::vector<int>> faelle[] = {
      {17, 16, 16, {16}},  // 17 items break after the 16th
      {100, 16, 17, {17, 34, 51, 68, 85}},
      {16, 16, 16, {}},
      {54, 8, 13, {13, 26, 39, 52}},  // the plan-version menu
      {1, 8, 8, {}},
      {21, 16, 16, {16}},  // 20 teachers and "ohne" still fit 16 per column
      {0, 16, 16, {}},
      {-5, 0, 0, {}},
  };
  for (const auto& [anzahl, mindestens, hoehe, anfaenge] : faelle) {
    SCOPED_TRACE(anzahl);
    EXPECT_EQ(SpaltenHoehe(anzahl, mindestens), hoehe);
    EXPECT_EQ(Spaltenanfaenge(anzahl, hoehe), anfaenge);
  }
  EXPECT_FALSE(BeginntSpalte(5, 0)) << "no height, no break";
}

TEST(SpaltenMenue, LangeMenuesStehenInSpalten) {
  TSpaltenMenue kurz;
  kurz.SetzeEintraege(Eintraege(10), 16);
  EXPECT_EQ(kurz.Spaltenzahl(), 1);

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

// Entries with three sub-items each ("ohne Raum" and rooms); sub-item 1 of every entry is disabled.
std::vector<TPopupEintrag> MitUnter(int anzahl, int* gelaufen) {
  std::vector<TPopupEintrag> liste = Eintraege(anzahl);
  for (TPopupEintrag& e : liste)
    for (int j = 0; j < 3; ++j) {
      TPopupEintrag u;
      u.text = e.text + QStringLiteral("/R%1").arg(j);
      u.id = e.id * 10 + j;
      u.aktiv = j != 1;
      u.aktion = [gelaufen, id = u.id] { *gelaufen = id; };
      e.unter.push_back(u);
    }
  return liste;
}

TEST(SpaltenMenue, UntereintraegeSindUntermenues) {
  int gelaufen = -1;
  // A plain menu and one in columns: the sub-items are a submenu either way.
  for (const int anzahl : {3, 40}) {
    SCOPED_TRACE(anzahl);
    TSpaltenMenue menue;
    menue.SetzeEintraege(MitUnter(anzahl, &gelaufen), SpaltenHoehe(anzahl, 16));
    EXPECT_EQ(menue.Spaltenzahl(), anzahl > 16 ? 3 : 1);
    TSpaltenMenue* unter = menue.Untermenue(2);
    ASSERT_NE(unter, nullptr);
    ASSERT_EQ(unter->actions().size(), 3);
    EXPECT_EQ(unter->actions()[0]->text(), QStringLiteral("L3/R0"));
    EXPECT_FALSE(unter->actions()[1]->isEnabled());
    if (menue.SpaltenFlaeche() == nullptr) {
      EXPECT_EQ(menue.actions()[2]->menu(), unter);
    } else {
      // A click on the entry opens its submenu and chooses nothing yet.
      QTest::mouseClick(menue.SpaltenFlaeche(), Qt::LeftButton, {}, menue.EintragsRechteck(2).center());
      EXPECT_EQ(menue.Gewaehlt(), -1);
      EXPECT_TRUE(unter->isVisible());
      menue.Waehle(2);
      EXPECT_EQ(menue.Gewaehlt(), -1) << "an entry with sub-items is not chosen itself";
    }
    unter->actions()[2]->trigger();
    EXPECT_EQ(menue.Gewaehlt(), 2);
    EXPECT_EQ(menue.GewaehltUnter(), 2);
    EXPECT_FALSE(unter->isVisible());
  }
  // The service runs the chosen sub-item's action; the entry itself or a disabled sub-item runs
  // nothing.
  TSkriptPopupDienst popups;
  popups.WaehleUnter(QStringLiteral("L2"), QStringLiteral("L2/R2"));
  EXPECT_EQ(popups.Waehle(MitUnter(3, &gelaufen), {}, 0), 1012);
  EXPECT_EQ(gelaufen, 1012);
  EXPECT_EQ(popups.Angebote()[0].unter[1], (QStringList{"L2/R0", "L2/R1", "L2/R2"}));
  gelaufen = -1;
  popups.WaehleText(QStringLiteral("L2"));
  popups.WaehleUnter(QStringLiteral("L2"), QStringLiteral("L2/R1"));
  EXPECT_EQ(popups.Waehle(MitUnter(3, &gelaufen), {}, 0), -1);
  EXPECT_EQ(popups.Waehle(MitUnter(3, &gelaufen), {}, 0), -1);
  EXPECT_EQ(gelaufen, -1);
  EXPECT_EQ(popups.Fehler().size(), 2);
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
}

TEST(Ablage, QtAblageBehaeltUmlaute) {
  TQtAblage qt;
  qt.SetzeText(QStringLiteral("\tGröße\n 1\t---"));
  EXPECT_TRUE(qt.HatText());
  EXPECT_EQ(qt.Text(), QStringLiteral("\tGröße\n 1\t---"));
}

TEST(Hilfe, OhneDateiSagtSieEsDemBenutzer) {
  IDialogDienst* qt = &TDienste::Dialoge();
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
  EXPECT_EQ(&TDienste::Dialoge(), qt) << "the fake is gone again";
}

}  // namespace
}  // namespace kolvar
