// The palette: the menu state before a file is open, enabling by the active window's kind, the
// open-window registry, the version button, the element pop-ups and the busy flag.
#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>
#include <stdexcept>

#include "app/fensterordform.h"
#include "app/hintergrund.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "app/palettenknoepfe.h"
#include "appumgebung.h"
#include "gui/support/oeffnerstellvertreter.h"
#include "model/element.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "platform/kindfenster.h"
#include "platform/spaltenmenue.h"
#include "zwischenablage/zwischenform.h"

namespace kolvar {
namespace {

class TTestFenster : public TKindFenster {
 public:
  TTestFenster(int tag, TSchule& schule, IFensterListe* liste, const QString& caption, TElement* e = nullptr)
      : TKindFenster(tag, schule, liste, e) {
    SetzeCaption(caption);
  }
  void Aktualisiere() override { ++aufgebaut; }
  bool erlauben = true;
  int gefragt = 0;
  int aufgebaut = 0;

 protected:
  void FormCloseQuery(bool& erlaubt) override {
    ++gefragt;
    TKindFenster::FormCloseQuery(erlaubt);
    if (!erlauben) erlaubt = false;
  }
};

class PaletteTest : public AppTest {
 protected:
  PaletteTest() {
    nurPalette = true;
    mitZwischenablage = true;
  }
  // Windows are freed by their close action; the test keeps them alive through the event loop.
  TTestFenster* Fenster(int tag, const QString& caption, TElement* e = nullptr) {
    auto* f = new TTestFenster(tag, Palette().Schule(), &Palette().FensterListe(), caption, e);
    f->Oeffne();
    return f;
  }
  std::vector<QString> FensterTexte() {
    std::vector<QString> texte;
    for (QAction* a : Palette().Fenster().FensterAktionen()) texte.push_back(a->text());
    return texte;
  }
  bool KnopfAn(const char* name) { return Knopf(name)->isEnabled(); }
  void Schliesse(TKindFenster* f) { EXPECT_TRUE(f->SchliesseFrage()); }
};

TEST_F(PaletteTest, MenueVorDemOeffnenEinerDatei) {
  ErwarteOhneDatei();
  for (const char* k : {"GrDat", "Dep", "Plan", "Zeig", "Vers"}) EXPECT_TRUE(KnopfAn(k)) << k;
  for (const char* k : {"PfeilLinks", "PfeilRechts", "NeueUE", "UELoesch", "Setz", "Loesch", "Schieb", "Fix",
                        "Manuell", "Automat"})
    EXPECT_FALSE(KnopfAn(k)) << k;
  EXPECT_TRUE(Knopf("GrDat")->isChecked());
  EXPECT_TRUE(Knopf("Zeig")->isChecked());
}

TEST_F(PaletteTest, GefalteteMenusUndSpaltenlayout) {
  standard.pas = 5;
  Palette().PaletteAnordnen();
  ASSERT_EQ(Palette().menuBar()->actions().size(), 1);
  EXPECT_EQ(Palette().menuBar()->actions()[0]->text(), QStringLiteral("Menu"));
  EXPECT_EQ(Palette().Menues().Menue("Menu")->actions().size(), 11);
  // Two buttons a row, pitch 30: Fix alone in row 8.
  EXPECT_EQ(Knopf("Fix")->pos(), QPoint(5, 1 + 7 * 30));
  EXPECT_EQ(Palette().centralWidget()->width(), 5 + 30 + 25 + 3);
  standard.pas = 0;
  Palette().PaletteAnordnen();
  EXPECT_EQ(Palette().menuBar()->actions().size(), 11);
  EXPECT_EQ(Knopf("PfeilLinks")->pos(), QPoint(5, 1));
  EXPECT_EQ(Knopf("PfeilRechts")->pos(), QPoint(5 + 27 + 27, 1));
  EXPECT_EQ(Knopf("GrDat")->pos(), QPoint(59 + 30, 1));
}

TEST_F(PaletteTest, FensterGleicherUeberschriftWerdenBeideGefuehrt) {
  Palette().DateiBefehle().NeuItemClick();
  TLehrer* l = Palette().Schule().NeuerLehrer("AB");
  TKlasse* k = Palette().Schule().NeueKlasse("AB");
  TTestFenster* a = Fenster(FensterArt::LePln, QStringLiteral("Plan AB"), l);
  TTestFenster* b = Fenster(FensterArt::KlPln, QStringLiteral("Plan AB"), k);
  EXPECT_EQ(FensterTexte(), (std::vector<QString>{"Plan AB", "Plan AB"}));
  EXPECT_EQ(k->PlnForm(), b);

  // Closing the second removes its own entry, not the first one's.
  EXPECT_TRUE(b->SchliesseFrage());
  EXPECT_EQ(Palette().Schule().Fenster(), std::vector<IFenster*>{a});
  EXPECT_EQ(FensterTexte(), std::vector<QString>{"Plan AB"});
  EXPECT_EQ(k->PlnForm(), nullptr);
  EXPECT_EQ(l->PlnForm(), a);

  // Datei schließen closes what is left, even a window that would refuse.
  a->erlauben = false;
  EXPECT_FALSE(a->SchliesseFrage());
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrNein);
  EXPECT_TRUE(Palette().DateiBefehle().SchliessenItemClick());
  EXPECT_TRUE(FensterTexte().empty());
}

TEST_F(PaletteTest, AktivierungSchaltetNachFensterart) {
  Palette().DateiBefehle().NeuItemClick();
  TKlasse* k = Palette().Schule().NeueKlasse("5a");
  Palette().ModusKnopfClick(Modus::Setzen);
  TTestFenster* gr = Fenster(FensterArt::KlGr, QStringLiteral("Klasse 5a"), k);
  Palette().Fenster().FensterAktiviert(*gr);  // what activation does
  Palette().Schule().SetzeAktivesFenster(gr);
  Palette().MenusAnpassen();
  EXPECT_EQ(Palette().Schule().Werkzeugmodus(), Modus::Zeigen) << "Setzen falls back in a class editor";
  EXPECT_TRUE(Knopf("Zeig")->isChecked());
  Palette().ModusKnopfClick(Modus::Loeschen);
  Palette().MenusAnpassen();
  EXPECT_EQ(Palette().Schule().Werkzeugmodus(), Modus::Loeschen) << "Löschen stays";
  EXPECT_TRUE(KnopfAn("PfeilLinks"));
  EXPECT_TRUE(KnopfAn("NeueUE"));
  EXPECT_FALSE(KnopfAn("Setz"));
  EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Fenster schließen")));
  EXPECT_FALSE(Aktiv(QStringLiteral("Bearbeiten/Alles auswählen")));
  EXPECT_TRUE(Knopf("GrDat")->isChecked());
  EXPECT_EQ(Palette().Schule().Ansichtsgruppe(), 0);
  EXPECT_TRUE(Palette().Fenster().FensterAktionen()[0]->isChecked());

  TTestFenster* plan = Fenster(FensterArt::KlPln, QStringLiteral("Plan 5a"), k);
  Palette().Schule().SetzeAktivesFenster(plan);
  Palette().MenusAnpassen();
  EXPECT_TRUE(Knopf("Plan")->isChecked());
  EXPECT_EQ(Palette().Schule().Ansichtsgruppe(), 2);
  EXPECT_TRUE(KnopfAn("Fix"));
  EXPECT_FALSE(Aktiv(QStringLiteral("Bearbeiten/Werkzeuge/Manuell"))) << "only the button in plans";
  EXPECT_FALSE(Palette().Fenster().FensterAktionen()[0]->isChecked());
  EXPECT_TRUE(Palette().Fenster().FensterAktionen()[1]->isChecked());

  // "Fenster schließen" closes the active one; with Shift every window once.
  Palette().Fenster().FensterSchliessenItemClick();
  EXPECT_EQ(Palette().Schule().Fenster(), std::vector<IFenster*>{gr});
  EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Fenster schließen"))) << "no active window left";
  EXPECT_FALSE(KnopfAn("PfeilLinks"));
  TTestFenster* zaeh = Fenster(FensterArt::LeStat, QStringLiteral("Statistik"));
  zaeh->erlauben = false;
  Palette().ShiftMerken(Taste::Shift);
  Palette().Fenster().FensterSchliessenItemClick();
  EXPECT_EQ(Palette().Schule().Fenster(), std::vector<IFenster*>{zaeh}) << "the refusing one stays, no loop";
  EXPECT_EQ(zaeh->gefragt, 1);
  Palette().ShiftMerken(0);
  zaeh->erlauben = true;
  Schliesse(zaeh);
}

TEST_F(PaletteTest, BeschaeftigtVerhindertSchliessenUndWirdImmerZurueckgesetzt) {
  Palette().DateiBefehle().NeuItemClick();
  Palette().Schule().NeuerLehrer("AB");
  Palette().KuerzelMenusAnlegen();
  TTestFenster* f = Fenster(FensterArt::LeStat, QStringLiteral("Statistik"));

  popups.WaehleNichts();
  EXPECT_FALSE(Palette().WaehleElement(TElementArt::Lehrer, true, {}));
  EXPECT_FALSE(Palette().Beschaeftigt());
  popups.WaehleText(QStringLiteral("ohne"));
  EXPECT_TRUE(Palette().WaehleElement(TElementArt::Lehrer, true, {}));
  EXPECT_EQ(Palette().Wahl(TElementArt::Lehrer), nullptr);
  popups.WaehleText(QStringLiteral("AB"));
  EXPECT_TRUE(Palette().WaehleElement(TElementArt::Lehrer, false, {}));
  ASSERT_NE(Palette().Wahl(TElementArt::Lehrer), nullptr);
  EXPECT_EQ(Palette().Wahl(TElementArt::Lehrer)->Kuerzel(), "AB");
  EXPECT_EQ(popups.Angebote()[0].texte, (QStringList{"ohne", "AB"}));
  EXPECT_EQ(popups.Angebote()[2].texte, QStringList{"AB"});

  // While a pop-up choice is pending nothing closes; the flag goes also when the choice throws.
  class TWerfendePopups : public IPopupDienst {
   public:
    TKolvarPalette* palette = nullptr;
    TTestFenster* fenster = nullptr;
    bool geschlossen = true;
    TPopupWahl Zeige(const std::vector<TPopupEintrag>&, const QPoint&, int) override {
      geschlossen = fenster->SchliesseFrage() || palette->FormCloseQuery();
      throw std::runtime_error("kaputt");
    }
  } werfend;
  werfend.palette = &Palette();
  werfend.fenster = f;
  TDienste::SetzePopups(&werfend);
  EXPECT_THROW(Palette().WaehleElement(TElementArt::Lehrer, false, {}), std::runtime_error);
  EXPECT_FALSE(werfend.geschlossen);
  EXPECT_FALSE(Palette().Beschaeftigt());
  EXPECT_TRUE(f->SchliesseFrage());
  KeineFehler();
}

TEST_F(PaletteTest, KuerzelMenusInSpalten) {
  Palette().DateiBefehle().NeuItemClick();
  for (int i = 0; i < 100; ++i) Palette().Schule().NeuerLehrer("L" + std::to_string(i));
  for (int i = 0; i < 20; ++i) Palette().Schule().NeueKlasse("K" + std::to_string(i));
  Palette().KuerzelMenusAnlegen();
  EXPECT_EQ(Palette().Menues().KuerzelSpaltenHoehe(TElementArt::Lehrer), 17);
  EXPECT_EQ(Palette().Menues().KuerzelSpaltenHoehe(TElementArt::Klasse), 16);
  EXPECT_EQ(Palette().Menues().KuerzelTexte(TElementArt::Klasse).size(), 20u);
  EXPECT_TRUE(MenueAn("Le"));
  EXPECT_FALSE(MenueAn("Ko")) << "no couplings";

  std::vector<std::string> geoeffnet;
  SetzeElementFensterOeffner(Palette(), 0, [&](TElement* e, uint8_t) { geoeffnet.push_back(e->Kuerzel()); });
  auto* le = static_cast<TSpaltenMenue*>(Palette().Menues().Menue("Le"));
  EXPECT_EQ(le->Spaltenzahl(), 6);
  le->Waehle(41);
  EXPECT_EQ(geoeffnet, std::vector<std::string>{"L41"});
}

TEST_F(PaletteTest, BlaetternLaeuftUmUndAendertNichts) {
  Palette().DateiBefehle().NeuItemClick();
  for (const char* l : {"A", "B"}) Palette().Schule().NeuerLehrer(l);
  TLehrer* c = Palette().Schule().NeuerLehrer("C");
  Palette().Schule().SetzeGeaendert(false);
  std::vector<std::string> geoeffnet;
  SetzeElementFensterOeffner(Palette(), 1, [&](TElement* e, uint8_t) { geoeffnet.push_back(e->Kuerzel()); });
  TTestFenster* f = Fenster(FensterArt::LeDep, QStringLiteral("Deputat C"), c);
  Palette().Schule().SetzeAktivesFenster(f);
  Palette().MenusAnpassen();
  Palette().ClickRechts();
  Palette().ClickLinks();
  EXPECT_EQ(geoeffnet, (std::vector<std::string>{"A", "B"}));
  EXPECT_FALSE(Palette().Schule().Geaendert());
  Schliesse(f);
}

// A menu command is one user action: an open window rebuilds once at its end, however often
// the command changed the model; a command that replaces the school leaves the old one alone.
TEST_F(PaletteTest, EinBefehlEineAktion) {
  Palette().DateiBefehle().NeuItemClick();
  TLehrer* a = Palette().Schule().NeuerLehrer("A");
  TTestFenster* f = Fenster(FensterArt::LeDep, QStringLiteral("Deputat A"), a);
  Palette().Menues().SetzeBefehl(MenuePfad::Kopieren, [&] {
    for (int i = 0; i < 3; ++i) a->Aktualisiere();
    EXPECT_EQ(f->aufgebaut, 0) << "nothing is delivered while the command runs";
  });
  Palette().Menues().Aktion(MenuePfad::Kopieren)->trigger();
  EXPECT_EQ(f->aufgebaut, 1);
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrNein);
  Palette().Menues().Aktion(MenuePfad::DateiSchliessen)->trigger();
  EXPECT_FALSE(Palette().DateiOffen());
  Palette().Schule().NeuerLehrer("B");  // the new school still delivers at once
}

TEST_F(PaletteTest, VersionsknopfUndMenue) {
  standard.SetVersionszahl(3);
  standard.SetAktuelleVersion(1);
  Palette().VersionsMenuAufbauen();
  popups.WaehleText(QStringLiteral("2"));
  Palette().VersKnopfClick();
  EXPECT_EQ(standard.AktuelleVersion(), 2);
  EXPECT_EQ(Knopf("Vers")->text(), QStringLiteral("2"));
  ASSERT_EQ(popups.Angebote().size(), 1u);
  EXPECT_EQ(popups.Angebote()[0].texte, (QStringList{"1", "2", "3"}));
  EXPECT_EQ(popups.Angebote()[0].spaltenHoehe, 8);

  const bool vorher = standard.eaw();
  Palette().ShiftMerken(Taste::Strg);
  Palette().VersKnopfClick();
  EXPECT_NE(standard.eaw(), vorher) << "Ctrl toggles acting on the current version only";
  EXPECT_EQ(popups.Angebote().size(), 1u);
  const QColor panel =
      Palette().findChild<QWidget*>(QStringLiteral("VersPanel"))->palette().color(QPalette::Window);
  EXPECT_EQ(panel == QColor(255, 0, 0), !standard.eaw());
  KeineFehler();
}

TEST_F(PaletteTest, ZwischenablageFensterUndText) {
  ablage.SetzeText(QStringLiteral("alt"));
  Palette().Menues().Aktion(MenuePfad::Zwischenablage)->trigger();
  auto* z = dynamic_cast<TZwischenForm*>(Palette().Schule().EinzelFenster(FensterArt::Zwischen));
  ASSERT_NE(z, nullptr);
  EXPECT_EQ(z->Inhalt(), QStringLiteral("alt"));
  Palette().Menues().Aktion(MenuePfad::Zwischenablage)->trigger();
  EXPECT_EQ(Palette().Schule().Fenster().size(), 1u) << "one window at most";
  Palette().TextInZwischenablage(QStringLiteral("\tMo\tDi\n1\tAB\t"));
  EXPECT_EQ(ablage.Text(), QStringLiteral("\tMo\tDi\n1\tAB\t"));
  EXPECT_EQ(z->Inhalt(), ablage.Text());
  Schliesse(z);
  EXPECT_EQ(Palette().Schule().EinzelFenster(FensterArt::Zwischen), nullptr);
}

TEST_F(PaletteTest, GespeicherteFensterOeffnenWieder) {
  dateien.dateien["/s/a.kvr"] = {{"AB", "CD"}, {"AB"}, 1, 1, {}};
  dateien.gespeicherteFenster = {{FensterArt::LePln, "Plan AB", 100, 50, 900, 200},
                                 {FensterArt::KlPln, "Plan AB", 10000, -500, 300, 900},
                                 {FensterArt::LeGr, "Lehrer XX", 0, 0, 10, 10},
                                 {FensterArt::LeStat, "Statistik Lehrer", 30, 40, 100, 100},
                                 {FensterArt::Zwischen, "Zwischenablage", 0, 0, 10, 10}};
  std::vector<std::pair<std::string, uint8_t>> geoeffnet;
  auto oeffner = [&](TElement* e, uint8_t tasten) {
    geoeffnet.emplace_back(e->Kuerzel(), tasten);
    const int art = Palette().Schule().Ansichtsgruppe() == 2 ? (dynamic_cast<TLehrer*>(e) ? 9 : 10) : 61;
    auto* f = new TTestFenster(art, Palette().Schule(), &Palette().FensterListe(), QStringLiteral("x"), e);
    f->resize(400, 300);
    f->move(5, 5);
    f->Oeffne();
  };
  SetzeElementFensterOeffner(Palette(), 0, oeffner);
  SetzeElementFensterOeffner(Palette(), 2, oeffner);
  int statistik = 0;
  SetzeFensterArtOeffner(Palette(), FensterArt::LeStat, [&] {
    ++statistik;
    auto* f = new TTestFenster(FensterArt::LeStat, Palette().Schule(), &Palette().FensterListe(),
                               QStringLiteral("Statistik"));
    f->resize(400, 300);
    f->Oeffne();
  });
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(QStringLiteral("/s/a.kvr")));
  ASSERT_EQ(geoeffnet.size(), 2u) << "the teacher XX no longer exists";
  EXPECT_EQ(geoeffnet[0].first, "AB");
  EXPECT_EQ(geoeffnet[0].second & Taste::Shift, Taste::Shift) << "reopening never replaces a window";
  EXPECT_EQ(Palette().Tasten(), 0);
  EXPECT_EQ(statistik, 1);
  const std::vector<IFenster*> fenster = Palette().Schule().Fenster();
  ASSERT_EQ(fenster.size(), 3u);
  auto* lePlan = dynamic_cast<TTestFenster*>(fenster[0]);
  auto* klPlan = dynamic_cast<TTestFenster*>(fenster[1]);
  EXPECT_EQ(lePlan->Tag(), FensterArt::LePln);
  EXPECT_EQ(lePlan->geometry().topLeft(), QPoint(100, 50))
      << "a saved place is the inside's, not the frame's";
  EXPECT_EQ(lePlan->size(), QSize(400, 200)) << "only what is smaller than the default";
  EXPECT_EQ(klPlan->Tag(), FensterArt::KlPln);
  EXPECT_EQ(klPlan->pos().x(), 30) << "too little screen to its right: its place in the cascade";
  EXPECT_GE(klPlan->pos().y(), 0) << "above the screen: its place in the cascade";
  EXPECT_EQ(klPlan->size(), QSize(300, 300));
  EXPECT_FALSE(Palette().Schule().Geaendert());

  // Saving keeps the open windows in the list order of the school.
  Palette().Schule().SetzeGeaendert(true);
  Palette().DateiBefehle().SichernItemClick();
  ASSERT_EQ(dateien.geschriebeneFenster.size(), 3u);
  EXPECT_EQ(dateien.geschriebeneFenster[0].Art, FensterArt::LePln);
  EXPECT_EQ(dateien.geschriebeneFenster[2].Titel, "Statistik");
  const TFenster& le = dateien.geschriebeneFenster[0];
  EXPECT_EQ(QRect(le.Links, le.Oben, le.Breite, le.Hoehe), QRect(100, 50, 400, 200))
      << "saved again just as it came back, however thick the frame";
  EXPECT_TRUE(Palette().DateiBefehle().SchliessenItemClick());
}

TEST(PalettenKnoepfe, JedesLayoutStelltAlleFuenfzehnOhneUeberlappung) {
  for (int pas = 0; pas <= 6; ++pas) {
    QSize flaeche;
    const std::vector<TKnopfOrt> orte = KnopfOrte(pas, flaeche);
    ASSERT_EQ(orte.size(), 15u) << pas;
    QStringList namen;
    for (std::size_t i = 0; i < orte.size(); ++i) {
      namen << orte[i].name;
      const QRect a(orte[i].ort, QSize(kKnopfGroesse, kKnopfGroesse));
      EXPECT_TRUE(QRect(QPoint(0, 0), flaeche).contains(a)) << pas;
      for (std::size_t j = i + 1; j < orte.size(); ++j)
        EXPECT_FALSE(a.intersects(QRect(orte[j].ort, QSize(kKnopfGroesse, kKnopfGroesse))))
            << pas << " " << orte[i].name.toStdString() << " " << orte[j].name.toStdString();
    }
    namen.sort();
    QStringList alle = KnopfReihe();
    alle.sort();
    EXPECT_EQ(namen, alle) << pas;
  }
  QSize reihe, spalte;
  KnopfOrte(0, reihe);
  KnopfOrte(6, spalte);
  // 15 buttons, gaps 2 + 2 + 4 x 5 + 8 x 1 = 32: the last one at 5 + 14 x 25 + 32.
  EXPECT_EQ(reihe, QSize(5 + 14 * 25 + 32 + 25 + 3, 1 + 25 + 3));
  EXPECT_EQ(spalte.width(), 5 + 25 + 3);
}

TEST_F(PaletteTest, FensteranordnungNurBeiAenderung) {
  standard.FensterAnordnung = 2;
  TTestFenster* a = Fenster(FensterArt::LeStat, QStringLiteral("A"));
  TTestFenster* b = Fenster(FensterArt::KlStat, QStringLiteral("B"));
  a->move(700, 700);
  dialoge.Klicke(QStringLiteral("Fensteranordnung"), QStringLiteral("Ok"));
  Palette().Fenster().AnordnungItemClick();
  EXPECT_EQ(a->pos(), QPoint(700, 700)) << "no change, nothing rearranged";
  dialoge.Bediene(QStringLiteral("Fensteranordnung"), [](TKvDialog& d) {
    auto& form = static_cast<TFensterOrdForm&>(d);
    form.BildClick(1);
    EXPECT_EQ(form.findChild<QFrame*>(QStringLiteral("Panel1"))->palette().color(QPalette::Window),
              QColor(255, 0, 0));
    form.Knopf(QStringLiteral("Ok"))->click();
  });
  Palette().Fenster().AnordnungItemClick();
  EXPECT_EQ(standard.FensterAnordnung, 1);
  EXPECT_EQ(b->pos() - a->pos(), QPoint(30, 30)) << "a cascade";

  KeineFehler();
  Schliesse(a);
  Schliesse(b);
}

// Windows wider than their quadrant stay on the screen; a new window never covers another exactly.
TEST_F(PaletteTest, FensterBleibenImBildschirmUndDeckenKeinesGenau) {
  const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
  standard.FensterAnordnung = 4;
  std::vector<TTestFenster*> fenster;
  for (int i = 0; i < 4; ++i) {
    auto* f = new TTestFenster(FensterArt::LeStat + i, Palette().Schule(), &Palette().FensterListe(),
                               QStringLiteral("F%1").arg(i));
    f->resize(schirm.width() * 2 / 3, schirm.height() / 3);
    f->Oeffne();
    fenster.push_back(f);
  }
  Palette().Fenster().OrdneFensterAn();
  for (TTestFenster* f : fenster)
    EXPECT_TRUE(schirm.contains(f->frameGeometry())) << f->Caption().toStdString();
  // In a cascade of four, the first closes: the next window's number is the fourth's place.
  standard.FensterAnordnung = 1;
  Palette().Fenster().OrdneFensterAn();
  Schliesse(fenster[0]);
  TTestFenster* neu = Fenster(FensterArt::SV, QStringLiteral("neu"));
  for (std::size_t i = 1; i < fenster.size(); ++i) EXPECT_NE(neu->pos(), fenster[i]->pos()) << i;
  KeineFehler();
  for (std::size_t i = 1; i < fenster.size(); ++i) Schliesse(fenster[i]);
  Schliesse(neu);
}

TEST_F(PaletteTest, HintergrundFolgtDenEinstellungen) {
  standard.hga = true;
  standard.efa = 0x0000FF;  // red in the settings' byte order
  ASSERT_NE(Palette().Hintergrund(), nullptr);
  EXPECT_TRUE(Palette().Hintergrund()->isVisible());
  EXPECT_EQ(Palette().Hintergrund()->Farbe(), QColor(255, 0, 0));
  EXPECT_FALSE(Palette().Hintergrund()->isEnabled()) << "takes no input";
  standard.hga = false;
  Palette().HintergrundAnpassen();
  EXPECT_FALSE(Palette().Hintergrund()->isVisible());
}

TEST_F(PaletteTest, EchteAktivierungMachtDasFensterZumAktiven) {
  Palette().DateiBefehle().NeuItemClick();
  TKlasse* k = Palette().Schule().NeueKlasse("5a");
  TTestFenster* f = Fenster(FensterArt::KlDep, QStringLiteral("Deputat 5a"), k);
  f->activateWindow();
  if (!QTest::qWaitForWindowActive(f, 1000)) GTEST_SKIP() << "this platform does not activate windows";
  EXPECT_EQ(Palette().Schule().AktivesFenster(), f);
  EXPECT_TRUE(Knopf("Dep")->isChecked());
  EXPECT_EQ(k->DepForm(), f);
  Schliesse(f);
  EXPECT_EQ(Palette().Schule().AktivesFenster(), nullptr);
  EXPECT_EQ(k->DepForm(), nullptr);
}

// When the active window goes and no window is active, the palette takes the focus, even with
// another window still open.
TEST_F(PaletteTest, OhneAktivesFensterNimmtDiePaletteDenFokus) {
  Palette().DateiBefehle().NeuItemClick();
  Palette().show();
  TKlasse* k = Palette().Schule().NeueKlasse("5a");
  TTestFenster* andere = Fenster(FensterArt::KlPln, QStringLiteral("Plan 5a"), k);
  TTestFenster* f = Fenster(FensterArt::KlDep, QStringLiteral("Deputat 5a"), k);
  f->activateWindow();
  if (!QTest::qWaitForWindowActive(f, 1000)) GTEST_SKIP() << "this platform does not activate windows";
  Schliesse(f);
  EXPECT_EQ(Palette().Schule().AktivesFenster(), nullptr);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&Palette(), 1000));
  EXPECT_EQ(QApplication::activeWindow(), &Palette());
  Schliesse(andere);
}

TEST_F(PaletteTest, WiderrufenOhneManuellesFenster) {
  dialoge.Antworte(QStringLiteral("WinKolvar"), mrOk);
  Palette().Befehle().WiderrufenItemClick();
  EXPECT_EQ(dialoge.Protokoll().last(), QStringLiteral("WinKolvar: Noch nicht implementiert!"));
  Palette().Menues().Aktion(QStringLiteral("Hilfe/Hilfethemen"))->trigger();
  EXPECT_EQ(hilfe.ThemenAufrufe(), 1);
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
