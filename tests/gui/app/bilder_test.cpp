// Renders the palette and the small windows as the user sees them. With KOLVAR_BILDER set to a
// folder the pictures are written there as PNG for a look by eye.
#include <QApplication>
#include <QDir>
#include <QLineEdit>

#include "app/fensterordform.h"
#include "app/fortschrittsform.h"
#include "app/frageform.h"
#include "app/kennwortform.h"
#include "app/kwform.h"
#include "app/meldungsform.h"
#include "app/menuform.h"
#include "app/savefrageform.h"
#include "app/startform.h"
#include "app/ueberdialog.h"
#include "appumgebung.h"
#include "model/lehrer.h"
#include "platform/gitter.h"
#include "pruefung/fehlerform.h"
#include "pruefung/keinfehlerform.h"
#include "zwischenablage/zwischenform.h"

namespace kolvar {
namespace {

void Ablegen(QWidget& w, const QString& name) {
  w.adjustSize();
  const QPixmap bild = w.grab();
  ASSERT_FALSE(bild.isNull()) << name.toStdString();
  EXPECT_GT(bild.width(), 50) << name.toStdString();
  const QByteArray ordner = qgetenv("KOLVAR_BILDER");
  if (ordner.isEmpty()) return;
  QDir().mkpath(QString::fromLocal8Bit(ordner));
  EXPECT_TRUE(bild.save(QDir(QString::fromLocal8Bit(ordner)).filePath(name + QStringLiteral(".png"))));
}

class BilderTest : public AppTest {};

TEST_F(BilderTest, PaletteUndIhreMenus) {
  dateien.dateien["/s/schule.kvr"] = {{"ABE", "BRA", "CZE"}, {"5a", "5b"}, 3, 2, {}};
  Palette().DateiBefehle().DateiOeffnen(QStringLiteral("/s/schule.kvr"));
  Palette().show();
  Ablegen(Palette(), QStringLiteral("palette"));
  for (const char* m : {"Datei", "Bearbeiten", "Daten", "Le", "Fenster"}) {
    QMenu* menue = Palette().Menues().Menue(QString::fromLatin1(m));
    Ablegen(*menue, QStringLiteral("menue_") + QString::fromLatin1(m));
  }
  standard.pas = 3;
  Palette().PaletteAnordnen();
  Ablegen(Palette(), QStringLiteral("palette_pas3"));
}

TEST_F(BilderTest, KleineFenster) {
  TStartForm start;
  Ablegen(start, QStringLiteral("start"));
  TKWForm kw(standard);
  kw.KWFeld()->setText(QStringLiteral("geheim"));
  Ablegen(kw, QStringLiteral("kennworteingabe"));
  TSaveFrageForm frage;
  Ablegen(frage, QStringLiteral("daten_sichern"));
  TMeldungsForm meldung;
  meldung.SetzeMeldung(QStringLiteral("Die Daten werden geprüft."));
  Ablegen(meldung, QStringLiteral("meldung"));
  TKeinFehlerForm ergebnis;
  ergebnis.SetzeErgebnis(1);
  Ablegen(ergebnis, QStringLiteral("pruefergebnis"));
  TFortschrittsForm lesen(TFortschrittsArt::Einlesen);
  lesen.Datei("schule.kvr", 1000);
  lesen.Status("Die Kurse werden gelesen.");
  lesen.Position(400);
  Ablegen(lesen, QStringLiteral("einlesen"));
  TUeberDialog ueber(QStringLiteral("schule.kvr"));
  Ablegen(ueber, QStringLiteral("ueber"));
  TKennwortForm kennwort(standard);
  Ablegen(kennwort, QStringLiteral("kennwortaenderung"));
  ablage.SetzeText(QStringLiteral("\tMo\tDi\n1\tABE De 5a\tBRA Ma 5b"));
  TZwischenForm zwischen(Palette().Schule(), &Palette().FensterListe());
  Ablegen(zwischen, QStringLiteral("zwischenablage"));

  TFensterOrdForm anordnung(standard);
  anordnung.BildClick(4);
  Ablegen(anordnung, QStringLiteral("fensteranordnung"));
  TFehlerForm fehler(Palette().Schule(), &Palette().FensterListe());
  fehler.ZeileAnfuegen(QStringLiteral("Der Kurs ABE De 5a hat {1} Mo eine Brücke."));
  fehler.ZeileAnfuegen(QStringLiteral("Lehrer ABE {1} Di 3. doppelt im Plan."));
  Ablegen(fehler, QStringLiteral("fehlerliste"));

  TFrageForm verdraengen(
      QStringLiteral("Verdrängen"), {QStringLiteral("Konflikt mit"), QStringLiteral("Mo 1.")},
      {{QStringLiteral("Trotzdem setzen"), mrJa}, {QStringLiteral("Abbrechen"), mrAbbrechen, true, true}});
  verdraengen.SetzeListe({QStringLiteral("ABE De 5a in R101"), QStringLiteral("Raum R101 belegt")});
  Ablegen(verdraengen, QStringLiteral("verdraengen"));
}

TEST_F(BilderTest, MehrfachauswahlInSpalten) {
  std::vector<TElement*> lehrer;
  for (int i = 0; i < 20; ++i) lehrer.push_back(Palette().Schule().NeuerLehrer("L" + std::to_string(i + 1)));
  TMenuForm form(lehrer, QStringLiteral("Lehrer wählen"));
  EXPECT_EQ(form.MenuGrid()->Zeilen(), 16);
  EXPECT_EQ(form.MenuGrid()->Spalten(), 2);
  EXPECT_EQ(form.MenuGrid()->Text(1, 0), QStringLiteral("L17")) << "column by column";
  form.ZelleGeklickt(1, 1, Qt::NoModifier);
  form.ZelleGeklickt(0, 2, Qt::NoModifier);
  EXPECT_EQ(form.Gewaehlt(), (std::vector<TElement*>{lehrer[17], lehrer[2]})) << "in the order chosen";
  form.ZelleGeklickt(1, 1, Qt::NoModifier);
  EXPECT_EQ(form.Gewaehlt(), std::vector<TElement*>{lehrer[2]});
  form.ZelleGeklickt(1, 9, Qt::NoModifier);  // an empty cell
  EXPECT_EQ(form.Gewaehlt().size(), 1u);

  // Through the mouse: Ctrl chooses all, Shift none.
  form.show();
  QWidget* flaeche = form.MenuGrid()->viewport();
  QTest::mouseClick(flaeche, Qt::LeftButton, Qt::ControlModifier,
                    form.MenuGrid()->ZellRechteck(0, 0).center());
  EXPECT_EQ(form.Gewaehlt(), lehrer);
  EXPECT_TRUE(form.IstGewaehlt(1, 3));
  Ablegen(form, QStringLiteral("mehrfachauswahl"));
  QTest::mouseClick(flaeche, Qt::LeftButton, Qt::ShiftModifier, form.MenuGrid()->ZellRechteck(0, 0).center());
  EXPECT_TRUE(form.Gewaehlt().empty());
  form.ZelleGeklickt(0, 0, Qt::NoModifier);
  form.Knopf(QStringLiteral("Abbrechen"))->click();
  EXPECT_TRUE(form.Gewaehlt().empty()) << "Abbrechen gives none";

  EXPECT_TRUE(Palette().ZeigeMenuForm({}, QStringLiteral("leer")).empty());
  EXPECT_TRUE(dialoge.Protokoll().isEmpty()) << "no dialog for an empty list";
  dialoge.Bediene(QStringLiteral("Lehrer"), [](TKvDialog& d) {
    static_cast<TMenuForm&>(d).ZelleGeklickt(0, 4, Qt::NoModifier);
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  EXPECT_EQ(Palette().ZeigeMenuForm(lehrer, QStringLiteral("Lehrer")), std::vector<TElement*>{lehrer[4]});
  KeineFehler();
}

TEST_F(BilderTest, MehrfachauswahlZeigtAlleSpaltenUndNimmtWasGeklicktWurde) {
  // 22 teachers of mixed widths: two columns, the second narrowly wider than it seems.
  std::vector<TElement*> lehrer;
  for (int i = 0; i < 22; ++i)
    lehrer.push_back(Palette().Schule().NeuerLehrer(i % 7 == 6 ? "WMWMWMW" : "L" + std::to_string(i + 1)));
  TMenuForm form(lehrer, QStringLiteral("Lehrer"));
  form.show();
  TGitter* grid = form.MenuGrid();
  const QRect sichtbar = grid->viewport()->rect();
  // Where the user sees each name before the first click.
  std::vector<QPoint> orte;
  for (int i = 0; i < 22; ++i) {
    const QRect zelle = grid->ZellRechteck(i / grid->Zeilen(), i % grid->Zeilen());
    EXPECT_TRUE(sichtbar.contains(zelle)) << "cell " << i << " lies outside the grid";
    orte.push_back(zelle.center());
  }
  for (const QPoint& ort : orte) QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, ort);
  EXPECT_EQ(grid->LinkeSpalte(), 0);
  EXPECT_EQ(grid->ObersteZeile(), 0);
  EXPECT_EQ(form.Gewaehlt(), lehrer) << "every click took the name under the mouse";
  for (int i = 0; i < 22; ++i) EXPECT_TRUE(form.IstGewaehlt(i / grid->Zeilen(), i % grid->Zeilen()));
  KeineFehler();
}

TEST_F(BilderTest, UeberDialogRolltUndHaeltAn) {
  TUeberDialog ueber(QStringLiteral("ohne Titel"));
  for (int i = 0; i < 799; ++i) ueber.TimerTick();
  EXPECT_EQ(ueber.Zaehler(), 799);
  ueber.TimerTick();
  EXPECT_EQ(ueber.Zaehler(), -200) << "a pause of 200 ticks after 800";
  EXPECT_TRUE(ueber.Laeuft());
  ueber.ZeilenClick();
  EXPECT_FALSE(ueber.Laeuft());
  ueber.ZeilenClick();
  EXPECT_TRUE(ueber.Laeuft());
  EXPECT_EQ(ueber.Zaehler(), 0);
  EXPECT_TRUE(FreierSpeicherText().endsWith(QStringLiteral(" Kilobytes")));
}

TEST_F(BilderTest, KennwortWechselnOhneEingabeBehaeltDasKennwort) {
  standard.SetKennwort("geheim");
  {
    TKennwortForm form(standard);
    popups.WaehleText(QStringLiteral("Zeiten"));
    form.WechselnKnopf()->click();
    EXPECT_EQ(form.GewaehlteSeite(), 7);
    EXPECT_TRUE(standard.KennwortStimmt("geheim")) << "passing through the page removes nothing";
  }
  {
    TKennwortForm form(standard);
    QTest::keyClicks(form.KWFeld(), QStringLiteral("neu"));
    form.OkKnopf()->click();
    EXPECT_TRUE(standard.KennwortStimmt("neu"));
  }
  {
    TKennwortForm form(standard);
    form.OkKnopf()->click();
    EXPECT_TRUE(KeinKennwort(standard)) << "an empty entry means no password";
  }
}

// Typed straight after the window opens, the entry reaches the field; the prompt masks it with "*".
TEST_F(BilderTest, KennwortFelderNehmenDieEingabeOhneKlick) {
  standard.SetKennwort("alt");
  TKennwortForm form(standard);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("neu"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(standard.KennwortStimmt("neu"));

  TKWForm kw(standard);
  kw.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&kw));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("neu"));
  EXPECT_EQ(kw.KWFeld()->displayText(), QStringLiteral("***"));
}

}  // namespace
}  // namespace kolvar
