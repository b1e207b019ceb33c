// The parallel-couplings window: building from the settings and the stored table, the pop-ups of
// cells, column and row headers, placing a row from the slot pop-up (rows past 9 too), the tool
// modes, dragging, and the search dialog with its stop.

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "engine/parsuche.h"
#include "model/parliste.h"
#include "planumgebung.h"
#include "platform/fensterliste.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "views/parform.h"
#include "views/parstartform.h"
#include "views/parsuchform.h"

namespace kolvar {
namespace {

// The palette as the window sees it: its element choice is scripted.
class TWahlPalette : public IPalette, public IFensterListe {
 public:
  IFensterListe& FensterListe() override { return *this; }
  uint8_t Tasten() const override { return tasten; }
  bool Beschaeftigt() const override { return false; }
  void ClickLinks() override {}
  void ClickRechts() override {}
  void TextInZwischenablage(const QString&) override {}
  bool WaehleElement(TElementArt, bool, const QPoint&) override { return gewaehlt; }
  TElement* Wahl(TElementArt) const override { return wahl; }
  void FensterAnmelden(TKindFenster&) override {}
  void FensterAbmelden(TKindFenster&) override {}
  void FensterAktiviert(TKindFenster&) override {}

  bool gewaehlt = true;
  TElement* wahl = nullptr;
  uint8_t tasten = 0;
};

class ParFormTest : public PlanTest {
 protected:
  ParFormTest() : PlanTest(2) {
    wpf = schule->NeueKopplung("WPF");
    rel = schule->NeueKopplung("REL");
    standard.SetNurAktuelleVersion(false);
    // WPF shares class 5a with SPO but no teacher; REL shares nothing with either.
    wpfKurs = schule->ErzeugeKurs(mue, k5a, wpf, de, nullptr, 2);
    relKurs = schule->ErzeugeKurs(mue, k5b, rel, de, r101, 2);
    standard.SetNurAktuelleVersion(true);
    standard.pue = false;
  }
  std::unique_ptr<TParForm> Oeffne(int zeilen = 10, int spalten = 3) {
    standard.pze = zeilen;
    standard.psp = spalten;
    auto form = std::make_unique<TParForm>(*schule, &wahlPalette);
    form->Oeffne();
    form->Baue();
    schule->SetzeAktivesFenster(form.get());
    return form;
  }
  void Setze(TParForm& f, int zeile, int spalte, TKopplung* k) {
    wahlPalette.wahl = k;
    f.GitterRechtsklick(spalte, zeile, {});
  }

  TWahlPalette wahlPalette;
  TKopplung *wpf = nullptr, *rel = nullptr;
  TKurs *wpfKurs = nullptr, *relKurs = nullptr;
};

TEST_F(ParFormTest, OptionenUndAufbau) {
  TParListe& par = schule->ParListe();
  par.Leere();
  par.SetzeZeilen(4);
  par.SetzeSpalten(3);
  for (int i = 0; i < 12; ++i) par.Zellen().Haenge(i == 4 ? spo : nullptr);
  for (bool pue : {false, true}) {
    standard.pue = pue;
    TParStartForm start(standard, par);
    EXPECT_EQ(start.ZeilenFeld()->value(), pue ? 4 : 10);
    EXPECT_EQ(start.SpaltenFeld()->value(), 3);
    start.ZeilenFeld()->setValue(99);  // clamped to 40
    start.OkKnopfClick();
    EXPECT_EQ(standard.pze, 40);
  }
  standard.pue = false;
  auto leer = Oeffne();
  EXPECT_EQ(leer->Gitter()->Spalten(), 4);
  EXPECT_EQ(leer->Gitter()->Zeilen(), 11);
  EXPECT_EQ(leer->Gitter()->Text(0, 0), QStringLiteral("Konfl."));
  EXPECT_EQ(leer->Gitter()->Text(3, 0), QStringLiteral("Spalte 3"));
  EXPECT_EQ(leer->Gitter()->Text(0, 1), QStringLiteral("0"));
  EXPECT_LE(leer->width(), 529);
  EXPECT_LE(leer->height(), 348);
  leer.release()->close();
  // Closing stored the empty 10 x 3 table.
  EXPECT_EQ(par.Zeilen(), 10);
  EXPECT_EQ(par.Zelle(2, 2), nullptr);
  par.Zellen().SetzeBei(5, spo);  // row 2, column 2
  standard.pue = true;
  auto voll = Oeffne(4, 3);
  EXPECT_EQ(voll->Gitter()->ObjektAls<TKopplung>(2, 2), spo);
  EXPECT_EQ(voll->Gitter()->Text(2, 2), QStringLiteral("K"));
}

TEST_F(ParFormTest, ZellenKopfUndModi) {
  auto f = Oeffne();
  Setze(*f, 1, 1, spo);
  Setze(*f, 1, 2, spo);
  // SCH and BER twice each.
  EXPECT_EQ(f->Gitter()->Text(0, 1), QStringLiteral("2"));
  EXPECT_EQ(schule->ParListe().Zelle(1, 2), spo);
  popups.WaehleNichts();
  f->GitterRechtsklick(0, 1, {});
  EXPECT_EQ(popups.Angebote().back().texte, (QStringList{"SCH [SPO, SPO]", "BER [SPO, SPO]"}));
  Setze(*f, 1, 2, nullptr);  // "ohne"
  EXPECT_EQ(f->Gitter()->Text(0, 1), QStringLiteral("0"));
  // The class pop-up of a column header fills its empty rows, in the class's course order.
  wahlPalette.wahl = k5a;
  f->GitterRechtsklick(3, 0, {});
  const int spoZeile = f->Tabelle().Zelle(1, 3).Kopplung == spo ? 1 : 2, wpfZeile = 3 - spoZeile;
  EXPECT_EQ(f->Tabelle().Zelle(spoZeile, 3).Kopplung, spo);
  EXPECT_EQ(f->Tabelle().Zelle(wpfZeile, 3).Kopplung, wpf);
  // Fixing toggles, deleting empties; in "Zeigen" a double click does nothing.
  Modus(Modus::Fixieren);
  f->GitterDoppelklick(3, wpfZeile);
  EXPECT_EQ(f->Gitter()->Text(3, wpfZeile), QStringLiteral("F"));
  f->GitterDoppelklick(3, wpfZeile);
  EXPECT_EQ(f->Gitter()->Text(3, wpfZeile), QStringLiteral("K"));
  Modus(Modus::Zeigen);
  f->GitterDoppelklick(3, wpfZeile);
  Modus(Modus::Loeschen);
  f->GitterDoppelklick(3, wpfZeile);
  EXPECT_EQ(f->Tabelle().Zelle(wpfZeile, 3).Kopplung, nullptr);
  // Dragging moves; with Shift it copies, and the counts follow.
  f->GitterZiehenEnde(3, spoZeile, 2, 4);
  EXPECT_EQ(f->Tabelle().Zelle(spoZeile, 3).Kopplung, nullptr);
  EXPECT_EQ(f->Tabelle().Zelle(4, 2).Kopplung, spo);
  EXPECT_EQ(f->Gitter()->Text(0, 1), QStringLiteral("0"));
  wahlPalette.tasten = Taste::Shift;
  f->GitterZiehenEnde(2, 4, 3, 1);
  EXPECT_EQ(f->Tabelle().Zelle(4, 2).Kopplung, spo);
  EXPECT_EQ(f->Tabelle().Zelle(1, 3).Kopplung, spo);
  EXPECT_EQ(f->Gitter()->Text(0, 1), QStringLiteral("2"));
  // The row header's left click lists the subjects.
  Modus(Modus::Zeigen);
  popups.WaehleNichts();
  f->GitterKlick(0, 1);
  EXPECT_EQ(popups.Angebote().back().texte, (QStringList{"Sp [4]"}));
}

// The slot pop-up places the row it was opened for, also past row 9, and says what it skipped.
TEST_F(ParFormTest, ZeilePlatzierenAusDemStundenMenue) {
  auto f = Oeffne(15, 2);
  Setze(*f, 12, 1, spo);
  Setze(*f, 12, 2, wpf);
  Setze(*f, 3, 1, rel);
  sportSch->Setze(1, 2, th, 3);  // Tuesday 3 is taken for the row in version 1
  popups.WaehleUnter(QStringLiteral("Montag"), QString::fromStdString(standard.sp[0][3]));
  dialoge.Antworte(QStringLiteral("Parallele Kopplungen"), mrOk);
  f->GitterRechtsklick(0, 12, {});
  const auto& angebot = popups.Angebote().back();
  EXPECT_EQ(angebot.texte.size(), 5);
  EXPECT_EQ(angebot.unter[1].size(), 6);
  EXPECT_TRUE(Hat(sportSch, 1, 1, 4));
  EXPECT_TRUE(Hat(sportBer, 1, 1, 4));
  // WPF shares class 5a: its hour is skipped and said so; row 3 stays where it was.
  EXPECT_FALSE(Hat(wpfKurs, 1, 1, 4));
  EXPECT_FALSE(Hat(relKurs, 1, 1, 4));
  EXPECT_FALSE(Hat(sportSch, 2, 1, 4));
  EXPECT_EQ(f->LetztePlatzierung().Gesetzt, 2);
  EXPECT_EQ(f->LetztePlatzierung().Uebersprungen, 1);
  ASSERT_FALSE(dialoge.Protokoll().isEmpty());
  EXPECT_TRUE(dialoge.Protokoll().back().contains(QStringLiteral("1 Stunde(n) nicht gesetzt")));
  // Tuesday 3 is closed for the row now, Monday 4 too.
  const std::vector<TMenueEintrag> menue = f->StundenMenue(12, false);
  EXPECT_FALSE(menue[1].Unter[2].Aktiv);
  EXPECT_FALSE(menue[0].Unter[3].Aktiv);
  EXPECT_TRUE(menue[0].Unter[4].Aktiv);
}

TEST_F(ParFormTest, SucheLoesungUndAnhalten) {
  auto f = Oeffne(3, 2);
  Setze(*f, 1, 1, spo);
  Setze(*f, 2, 1, rel);
  Setze(*f, 1, 2, wpf);
  Setze(*f, 3, 2, spo);
  Modus(Modus::Fixieren);
  f->GitterDoppelklick(1, 1);
  dialoge.Bediene(QStringLiteral("Suche Lösung"),
                  [](TKvDialog& d) { static_cast<TParSuchForm&>(d).StartKnopfClick(); });
  f->SucheLoesung();
  // SPO stays fixed in row 1; SPO in column 2 must leave row 1 (SCH, BER twice).
  EXPECT_EQ(f->Tabelle().Zelle(1, 1), (TParZelle{spo, true}));
  EXPECT_NE(f->Tabelle().Zelle(1, 2).Kopplung, spo);
  for (int z = 1; z <= 3; ++z) EXPECT_EQ(f->Gitter()->Text(0, z), QStringLiteral("0")) << z;
  EXPECT_TRUE(schule->Geaendert());

  // A table whose search runs for ages: "Anhalten" while it runs stops it, and the dialog
  // closes only when the search has returned, with the last arrangement found.
  f.release()->close();
  auto g = Oeffne(10, 3);
  for (int i = 0; i < 30; ++i) {
    TKopplung* k = schule->NeueKopplung("P" + std::to_string(i));
    Setze(*g, i % 10 + 1, i / 10 + 1, k);
  }
  bool lief = false;
  dialoge.Bediene(QStringLiteral("Suche Lösung"), [&lief](TKvDialog& d) {
    auto& s = static_cast<TParSuchForm&>(d);
    s.ImTakt = [&s, &lief] {
      if (lief) return;
      lief = true;
      s.AnhaltenKnopfClick();
      EXPECT_TRUE(s.Laeuft());
    };
    s.StartKnopfClick();
    EXPECT_FALSE(s.Laeuft());
    EXPECT_GT(s.ZaehlerFeld()->text().toLongLong(), 0);
  });
  g->SucheLoesung();
  EXPECT_TRUE(lief);
}

TEST_F(ParFormTest, GeloeschteKopplungVerlaesstDieTabelle) {
  auto f = Oeffne();
  Setze(*f, 1, 1, wpf);
  Setze(*f, 2, 3, wpf);
  {
    TSchule::TAktion aktion(*schule);
    schule->LoescheElement(wpf);
  }
  EXPECT_EQ(f->Tabelle().Zelle(1, 1).Kopplung, nullptr);
  EXPECT_EQ(f->Gitter()->Objekt(3, 2), nullptr);
  EXPECT_EQ(schule->ParListe().Zelle(1, 1), nullptr);
  EXPECT_FALSE(f->Gitter()->grab().isNull());
}

}  // namespace
}  // namespace kolvar
