// The settings dialogs reached through the palette: each stores its values on "Ok" and none on
// "Abbrechen", "Neu" leads through them to an empty school, and fewer school days drop the lessons
// on the days that go without leaving their slots taken.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "einstellungen/eckstandardform.h"
#include "einstellungen/zeitform.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "installation.h"
#include "masterdata/farbfeld.h"
#include "masterdata/grdatstandardform.h"
#include "masterdata/htmlstandardform.h"
#include "masterdata/kursstandardform.h"
#include "masterdata/legrform.h"
#include "masterdata/statform.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/spaltenmenue.h"
#include "platform/wahldialoge.h"
#include "storage/einstellungenimspeicher.h"
#include "support/modellpruefung.h"
#include "views/depform.h"
#include "views/depstandardform.h"
#include "views/kuerzelbreiten.h"
#include "views/plnstandardform.h"
#include "views/statzeitform.h"

namespace kolvar {
namespace {

// Colour and font choices answered by the test; every colour dialog also changes the first
// custom colour, as a user defining one would.
class TSkriptWahl : public IWahlDialoge {
 public:
  bool WaehleFarbe(std::uint32_t& f, TEigeneFarben& eigene, QWidget*) override {
    eigene[0] = 0x010203;
    if (!bestaetigen) return false;
    f = farbe;
    return true;
  }
  bool WaehleSchrift(TSchrift& s, QWidget*) override {
    if (!bestaetigen) return false;
    s = schrift;
    return true;
  }
  bool bestaetigen = true;
  std::uint32_t farbe = 0x00FF00;
  TSchrift schrift{"Liberation Serif", 14};
};

// MUE De 5a in R1 with three hours: Monday, Saturday and Sunday.
void BaueSchule(TSchule& s) {
  s.Standard().SetTageProWoche(7);
  TKurs* k = s.ErzeugeKurs(s.NeuerLehrer("MUE"), s.NeueKlasse("5a"), nullptr, s.NeuesFach("De"),
                           s.NeuerRaum("R1"), 3);
  for (const int tag : {1, 6, 7}) k->Setze(1, tag, s.Raeume().Hole(1), 2);
}

class VorgabenTest : public GuiTest {
 protected:
  VorgabenTest() {
    uhr.Setze(int64_t{45000} * 86400 + 36000);
    TWahlDialoge::SetzeDienst(&wahl);
    BauePalette(dateien);
  }
  ~VorgabenTest() override {
    palette.reset();
    TWahlDialoge::SetzeDienst(nullptr);
  }
  TEinstellungenImSpeicher Einstellungen() const {
    TEinstellungenImSpeicher s;
    standard.SpeichereEinstellungen(s);
    return s;
  }
  void Oeffne() { ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr"))); }
  void Menue(const QString& pfad) {
    QAction* a = palette->Menues().Aktion(pfad);
    ASSERT_TRUE(a->isEnabled()) << pfad.toStdString();
    a->trigger();
  }
  void KeineFehler() {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    for (const QString& f : dialoge.Fehler()) ADD_FAILURE() << f.toStdString();
  }
  TDepForm* AlleKurse() const {
    return dynamic_cast<TDepForm*>(palette->Schule().EinzelFenster(FensterArt::KursDep));
  }
  static int ZeileVon(const TDepForm& f, const TKurs* kurs) {
    for (int z = 1; z < f.DepGrid->Zeilen(); ++z)
      if (f.KursIn(z) == kurs) return z;
    return -1;
  }
  // A course never placed, with "nicht verplanen" and -3 hours, selected in the open "alle Kurse",
  // which is the active window.
  TKurs* NegativerKursInAllenKursen() {
    TSchule& schule = palette->Schule();
    TKurs* k =
        schule.ErzeugeKurs(schule.Lehrer().Hole(1), nullptr, nullptr, schule.Faecher().Hole(1), nullptr, 1);
    k->SetzeNichtVerplanen(true);
    k->SetzeStunden(1, -3);
    Menue(MenuePfad::Kurse);
    if (TDepForm* f = AlleKurse()) {
      schule.SetzeAktivesFenster(f);
      const int z = ZeileVon(*f, k);
      if (z > 0) f->DepGrid->SetzeAuswahl({0, z, 0, z});
    }
    return k;
  }

  TGebauteSchule dateien{BaueSchule};
  TSkriptWahl wahl;
};

template <class T>
T& Als(TKvDialog& d) {
  return dynamic_cast<T&>(d);
}

// Every page: a change, then "Abbrechen" stores nothing; the same change with "Ok" stores it.
TEST_F(VorgabenTest, OkSpeichertAbbrechenNicht) {
  struct TFall {
    QString pfad;
    const char* name;
    std::function<void(TKvDialog&)> aendere;
    std::function<bool(const TStandard&)> gespeichert;
  };
  const std::vector<TFall> faelle{
      {MenuePfad::VorEckdaten, "EckStandardForm",
       [](TKvDialog& d) {
         auto& f = Als<TEckStandardForm>(d);
         f.VorSpin()->setValue(3);
         f.VertrSpin()->setValue(99);
         f.PaletteGruppe()->button(4)->click();
         f.FarbKnopfClick();
       },
       [](const TStandard& s) { return s.vkm == 3 && s.vtm == 99 && s.pas == 4 && s.efa == 0x00FF00; }},
      {MenuePfad::VorZeiten, "ZeitForm",
       [](TKvDialog& d) { Als<TZeitForm>(d).SetzeZelle(true, 2, QStringLiteral("14:00  ")); },
       [](const TStandard& s) { return s.sp[0][9] == "14:00"; }},
      {MenuePfad::VorPlaene, "PlnStandardForm",
       [this](TKvDialog& d) {
         auto& f = Als<TPlnStandardForm>(d);
         f.SPTSpin()->stepBy(3);
         f.KoppFettCheck()->click();
         popups.WaehleText(QStringLiteral("3 quer"));
         f.ManWechselKnopfClick();
         EXPECT_EQ(f.ManFeld()->text(), QStringLiteral("3 quer"));
       },
       [](const TStandard& s) { return s.pst == 9 && !s.PlanFenster.pkf && s.PlanFenster.pma == 4; }},
      {MenuePfad::VorDeputate, "DepStandardForm",
       [](TKvDialog& d) {
         auto& f = Als<TDepStandardForm>(d);
         f.NullCheck()->click();
         f.ZusatzCheck()->click();
       },
       [](const TStandard& s) { return !s.DeputatFenster.mns && s.DeputatFenster.mzi; }},
      {MenuePfad::VorGrunddaten, "GrDatStandardForm",
       [](TKvDialog& d) {
         auto& f = Als<TGrDatStandardForm>(d);
         f.LeUpDown()->setValue(20);
         f.KlUpDown()->stepBy(-100);
       },
       [](const TStandard& s) { return s.les == 20 && s.kls == 1; }},
      {MenuePfad::VorKurse, "KursStandardForm",
       [](TKvDialog& d) {
         auto& f = Als<TKursStandardForm>(d);
         f.StundenSpin()->setValue(5);
         f.SpTSpin()->setValue(2);  // single hours follow: 5 mod 2
         f.SortRadio()->button(1)->click();
         f.FarbKnopfClick();
       },
       [](const TStandard& s) {
         return s.kst == 5 && s.spt == 2 && s.ezs == 1 && !s.nks && s.kfa == 0x00FF00;
       }},
      {MenuePfad::VorHtmlFarben, "HTMLStandardForm",
       [](TKvDialog& d) { Als<THTMLStandardForm>(d).FarbKnopfClick(1); },
       [](const TStandard& s) { return s.tab == 0x00FF00; }},
  };
  Oeffne();
  for (const TFall& f : faelle) {
    for (const bool ok : {false, true}) {
      standard.cfa[0] = 0;
      const TEinstellungenImSpeicher vorher = Einstellungen();
      dialoge.Bediene(QString::fromLatin1(f.name), [&](TKvDialog& d) {
        f.aendere(d);
        d.Knopf(ok ? QStringLiteral("Ok") : QStringLiteral("Abbrechen"))->click();
      });
      Menue(f.pfad);
      KeineFehler();
      EXPECT_EQ(f.gespeichert(standard), ok) << f.name << " " << ok;
      // The custom colours are taken over from the colour dialog however it ends.
      standard.cfa[0] = 0;
      if (!ok) {
        EXPECT_TRUE(Einstellungen() == vorher) << f.name;
      }
    }
  }
  for (const std::string& fehler : PruefeModell(palette->Schule())) ADD_FAILURE() << fehler;
}

// Widths and fonts are stored at once: "Abbrechen" keeps them, and a new font measures the
// widths anew.
TEST_F(VorgabenTest, BreitenUndSchriftSofort) {
  Oeffne();
  dialoge.Bediene(QStringLiteral("PlnStandardForm"), [&](TKvDialog& d) {
    auto& f = Als<TPlnStandardForm>(d);
    f.Breiten()->TrackBar(2)->setValue(55);
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Menue(MenuePfad::VorPlaene);
  EXPECT_EQ(standard.PlanFenster.pob, 55);
  dialoge.Bediene(QStringLiteral("DepStandardForm"), [&](TKvDialog& d) {
    auto& f = Als<TDepStandardForm>(d);
    f.SchriftButtonClick();
    EXPECT_EQ(f.SchriftFeld()->text(), QStringLiteral("Liberation Serif 14"));
    EXPECT_EQ(f.Breiten()->TrackBar(0)->value(), std::clamp(standard.DeputatFenster.dlb, 13, 69));
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  const int vorher = standard.DeputatFenster.dlb;
  Menue(MenuePfad::VorDeputate);
  EXPECT_EQ(standard.DeputatFenster.Schrift, (TSchrift{"Liberation Serif", 14}));
  // Measured from the header "Lehrer" in a larger font, no longer the fixed default.
  EXPECT_NE(standard.DeputatFenster.dlb, vorher);
  EXPECT_GT(standard.DeputatFenster.dlb, 40);
  KeineFehler();
}

// "Std/Tag" takes no typing and looks so; its arrows and the arrow keys change it, within 1 and
// the most periods, and "Ok" stores it.
TEST_F(VorgabenTest, StdTagNurMitPfeilen) {
  Oeffne();
  const int vorher = standard.pst;
  dialoge.Bediene(QStringLiteral("PlnStandardForm"), [&](TKvDialog& d) {
    d.show();
    QSpinBox* spin = Als<TPlnStandardForm>(d).SPTSpin();
    auto* feld = spin->findChild<QLineEdit*>();
    ASSERT_NE(feld, nullptr);
    EXPECT_EQ(spin->palette().color(QPalette::Base), d.palette().color(QPalette::Window))
        << "shown as a field that is read, not typed into";
    EXPECT_EQ(feld->cursor().shape(), Qt::ArrowCursor);
    feld->setFocus();
    QTest::keyClicks(feld, QStringLiteral("3"));
    EXPECT_EQ(spin->value(), vorher);
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect hoch = spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin);
    QTest::mouseClick(spin, Qt::LeftButton, {}, hoch.center());
    EXPECT_EQ(spin->value(), vorher + 1);
    QTest::keyClick(feld, Qt::Key_Up);
    EXPECT_EQ(spin->value(), vorher + 2);
    for (int i = 0; i < 40; ++i) QTest::keyClick(feld, Qt::Key_Up);
    EXPECT_EQ(spin->value(), kStunden);
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  Menue(MenuePfad::VorPlaene);
  EXPECT_EQ(standard.pst, kStunden);
  KeineFehler();
  for (const std::string& fehler : PruefeModell(palette->Schule())) ADD_FAILURE() << fehler;
}

// Ticking "mit Statistik" asks for the period, and an impossible day becomes the month's last;
// unticking asks nothing.
TEST_F(VorgabenTest, StatistikZeitraum) {
  Oeffne();
  dialoge.Bediene(QStringLiteral("DepStandardForm"), [&](TKvDialog& d) {
    auto& f = Als<TDepStandardForm>(d);
    dialoge.Bediene(QStringLiteral("StatZeitForm"), [](TKvDialog& z) {
      auto& s = Als<TStatZeitForm>(z);
      s.VTagSpin()->setValue(31);
      s.VMonatSpin()->setValue(2);
      s.VJahrSpin()->setValue(2001);
      z.Knopf(QStringLiteral("Ok"))->click();
      EXPECT_EQ(s.VTagSpin()->value(), 28);
    });
    f.StatistikCheck()->click();
    EXPECT_EQ(f.Von(), TagesNummer(2001, 2, 28));
    EXPECT_EQ(f.Bis(), uhr.Heute());
    f.StatistikCheck()->click();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    // Closed by its box, the period is what its fields show: today.
    dialoge.Antworte(QStringLiteral("StatZeitForm"), mrAbbrechen);
    f.StatistikCheck()->click();
    EXPECT_EQ(f.Von(), uhr.Heute());
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  Menue(MenuePfad::VorDeputate);
  EXPECT_TRUE(standard.DeputatFenster.mst);
  EXPECT_EQ(standard.DeputatFenster.dvo, uhr.Heute());
  EXPECT_EQ(standard.DeputatFenster.dbi, uhr.Heute());
  // Opened with the box ticked, nothing is asked.
  dialoge.Klicke(QStringLiteral("DepStandardForm"), QStringLiteral("Abbrechen"));
  Menue(MenuePfad::VorDeputate);
  KeineFehler();
}

// "Kopieren" reaches the courses selected in the active workload window: hours never below the
// placed ones, "nicht verplanen" not onto a placed course.
TEST_F(VorgabenTest, KopierenAufDieAuswahl) {
  Oeffne();
  Menue(MenuePfad::Kurse);
  auto* fenster = dynamic_cast<TDepForm*>(palette->Schule().EinzelFenster(FensterArt::KursDep));
  ASSERT_NE(fenster, nullptr);
  palette->Schule().SetzeAktivesFenster(fenster);
  fenster->DepGrid->SetzeAuswahl({0, 1, 0, 1});
  dialoge.Bediene(QStringLiteral("KursStandardForm"), [](TKvDialog& d) {
    auto& f = Als<TKursStandardForm>(d);
    ASSERT_EQ(f.Ziele().size(), 1u);
    f.StundenSpin()->setValue(2);
    f.NvpCheck()->click();
    f.KopierCheck(TKursStandardForm::KopStunden)->click();
    f.KopierCheck(TKursStandardForm::KopPlan)->click();
    f.KopierKnopf()->click();
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Menue(MenuePfad::VorKurse);
  const TKurs* k = palette->Schule().Kurse().Hole(1);
  EXPECT_EQ(k->Stunden(1), 3);
  EXPECT_FALSE(k->NichtVerplanen());
  EXPECT_EQ(standard.kst, 3) << "Kopieren stores no default";
  fenster->Schliesse();
  KeineFehler();
}

// "Verplaneinstellung" copied onto a never-placed course with negative hours clears the flag as the
// course editor's box does: the negative hours become 0, and the workload window shows them.
TEST_F(VorgabenTest, VerplanenKopierenNimmtNegativeStunden) {
  Oeffne();
  TSchule& schule = palette->Schule();
  TKurs* k = NegativerKursInAllenKursen();
  TDepForm* fenster = AlleKurse();
  ASSERT_NE(fenster, nullptr);
  auto zeileVon = [fenster](const TKurs* kurs) { return ZeileVon(*fenster, kurs); };
  int zeile = zeileVon(k);
  ASSERT_GT(zeile, 0);
  dialoge.Bediene(QStringLiteral("KursStandardForm"), [k](TKvDialog& d) {
    auto& f = Als<TKursStandardForm>(d);
    ASSERT_EQ(f.Ziele(), std::vector<TKurs*>{k});
    if (f.NvpCheck()->isChecked()) f.NvpCheck()->click();
    f.KopierCheck(TKursStandardForm::KopPlan)->click();
    f.KopierKnopf()->click();
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Menue(MenuePfad::VorKurse);
  EXPECT_FALSE(k->NichtVerplanen());
  EXPECT_EQ(k->Stunden(1), 0);
  zeile = zeileVon(k);
  ASSERT_GT(zeile, 0);
  for (int sp = 0; sp < fenster->DepGrid->Spalten(); ++sp)
    EXPECT_NE(fenster->DepGrid->Text(sp, zeile), QStringLiteral("-3")) << "the row still shows the old hours";
  for (const std::string& fehler : PruefeModell(schule)) ADD_FAILURE() << fehler;
  fenster->Schliesse();
  KeineFehler();
}

// The period labels of each version are kept apart; with one version the spin stays at 1.
TEST_F(VorgabenTest, StundenbezeichnungenJeVersion) {
  for (const int versionen : {1, 2}) {
    standard.SetVersionszahl(versionen);
    dialoge.Bediene(QStringLiteral("ZeitForm"), [versionen](TKvDialog& d) {
      auto& f = Als<TZeitForm>(d);
      f.SetzeZelle(false, 1, QStringLiteral("A "));
      f.VersionsSpin()->setValue(2);
      EXPECT_EQ(f.VersionsSpin()->value(), versionen);
      f.SetzeZelle(false, 1, QStringLiteral("B"));
      f.VersionsSpin()->setValue(1);
      EXPECT_EQ(f.LinksGrid()->Text(1, 1), versionen == 2 ? QStringLiteral("A") : QStringLiteral("B"));
      d.Knopf(QStringLiteral("Ok"))->click();
    });
    Menue(MenuePfad::VorZeiten);
    EXPECT_EQ(standard.sp[0][0], versionen == 2 ? "A" : "B");
    if (versionen == 2) {
      EXPECT_EQ(standard.sp[1][0], "B");
    }
  }
  KeineFehler();
}

// A cancelled colour dialog changes no panel but keeps the custom colours defined in it.
TEST_F(VorgabenTest, FarbdialogAbgebrochen) {
  wahl.bestaetigen = false;
  const uint32_t tabelle = standard.tab;
  dialoge.Bediene(QStringLiteral("HTMLStandardForm"), [&](TKvDialog& d) {
    Als<THTMLStandardForm>(d).FarbKnopfClick(1);
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  Menue(MenuePfad::VorHtmlFarben);
  EXPECT_EQ(standard.tab, tabelle);
  EXPECT_EQ(standard.cfa[0], 0x010203u);
  KeineFehler();
}

// "Neu": basic data, master-data and course defaults and the abbreviation lists in turn, to an empty school
// with five days and eight periods shown.
TEST_F(VorgabenTest, NeuDurchDieDialoge) {
  dialoge.Bediene(QStringLiteral("EckStandardForm"), [](TKvDialog& d) {
    auto& f = Als<TEckStandardForm>(d);
    f.WochenGruppe()->button(0)->click();
    f.VersionsSpin()->setValue(2);
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  dialoge.Klicke(QStringLiteral("GrDatStandardForm"), QStringLiteral("Ok"));
  dialoge.Klicke(QStringLiteral("KursStandardForm"), QStringLiteral("Ok"));
  dialoge.Klicke(QStringLiteral("Kürzel"), QStringLiteral("Ok"));
  Menue(MenuePfad::Neu);
  KeineFehler();
  EXPECT_EQ(dialoge.Protokoll(),
            (QStringList{QStringLiteral("Voreinstellungen für Eckdaten"),
                         QStringLiteral("Voreinstellungen für Grunddaten"),
                         QStringLiteral("Voreinstellung für Kurse"), QStringLiteral("Kürzel")}));
  EXPECT_TRUE(palette->DateiOffen());
  EXPECT_TRUE(palette->Schule().Kurse().Leer());
  EXPECT_TRUE(palette->Schule().Lehrer().Leer());
  EXPECT_EQ(standard.mtn, 5);
  EXPECT_EQ(standard.mwn(), 2);
  EXPECT_TRUE(palette->Menues().Aktion(MenuePfad::VorPlanversionen)->isEnabled());
  dialoge.Bediene(QStringLiteral("PlnStandardForm"), [](TKvDialog& d) {
    Als<TPlnStandardForm>(d).SPTSpin()->setValue(8);
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  Menue(MenuePfad::VorPlaene);
  EXPECT_EQ(standard.pst, 8);
  KeineFehler();
}

// Five school days on a school with lessons on Saturday and Sunday: "Nein" keeps seven days,
// "Ja" drops the two lessons and no grid keeps their slots.
TEST_F(VorgabenTest, StundenLoeschen) {
  for (const int antwort : {mrNein, mrJa}) {
    Oeffne();
    standard.SetTageProWoche(7);
    dialoge.Bediene(QStringLiteral("EckStandardForm"), [](TKvDialog& d) {
      Als<TEckStandardForm>(d).WochenGruppe()->button(0)->click();
      d.Knopf(QStringLiteral("Ok"))->click();
    });
    dialoge.Antworte(QStringLiteral("Stunden löschen"), antwort);
    Menue(MenuePfad::VorEckdaten);
    KeineFehler();
    const TKurs* k = palette->Schule().Kurse().Hole(1);
    EXPECT_EQ(standard.mtn, antwort == mrJa ? 5 : 7);
    EXPECT_EQ(k->Setzungen().Anzahl(), antwort == mrJa ? 1 : 3);
    EXPECT_EQ(palette->Schule().Lehrer().Hole(1)->Belegung().Tag(1, 6) != 0, antwort != mrJa);
    for (const std::string& fehler : PruefeModell(palette->Schule())) ADD_FAILURE() << fehler;
    palette->Schule().SetzeGeaendert(false);
    palette->DateiBefehle().SchliessenItemClick();
  }
}

// "Kopieren" of the course defaults reaches nothing without an active workload window, and the
// master-data defaults copy the target hours onto the chosen teacher.
TEST_F(VorgabenTest, KopierenOhneZieleUndAufLehrer) {
  Oeffne();
  const std::string vorher = Fingerabdruck(palette->Schule());
  dialoge.Bediene(QStringLiteral("KursStandardForm"), [](TKvDialog& d) {
    auto& f = Als<TKursStandardForm>(d);
    EXPECT_FALSE(f.KopierKnopf()->isEnabled());
    f.KopierCheck(TKursStandardForm::KopFaktor)->click();
    EXPECT_TRUE(f.KopierKnopf()->isEnabled());
    f.FaktorSpin()->setValue(9);
    f.KopierKnopf()->click();
    EXPECT_TRUE(f.Ziele().empty());
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Menue(MenuePfad::VorKurse);
  EXPECT_EQ(Fingerabdruck(palette->Schule()), vorher);
  dialoge.Bediene(QStringLiteral("GrDatStandardForm"), [](TKvDialog& d) {
    auto& f = Als<TGrDatStandardForm>(d);
    EXPECT_FALSE(f.KopierenKnopf()->isEnabled());
    f.KuerzelRadio()->button(2)->click();
    EXPECT_FALSE(f.SollCheck()->isEnabled());
    f.KuerzelRadio()->button(0)->click();
    f.SollCheck()->click();
    EXPECT_TRUE(f.KopierenKnopf()->isEnabled());
    f.LeUpDown()->setValue(17);
    f.KuerzelGrid()->SetzeAuswahl({0, 0, 0, 0});
    f.KopierenKnopf()->click();
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Menue(MenuePfad::VorGrunddaten);
  EXPECT_EQ(palette->Schule().Lehrer().Hole(1)->Soll(1), 17);
  KeineFehler();
}

// "Zeiten" stores the period labels and nothing else: the widths the user gave the views stay.
TEST_F(VorgabenTest, ZeitenLaesstDieBreitenStehen) {
  Oeffne();
  standard.DeputatFenster.dlb = 90;
  standard.DeputatFenster.dob = 88;
  standard.PlanFenster.plb = 77;
  standard.PlanFenster.psb = 66;
  const auto vorher = standard.DeputatFenster;
  for (const char* knopf : {"Ok", "Ok", "Abbrechen"}) {
    dialoge.Bediene(QStringLiteral("ZeitForm"), [knopf](TKvDialog& d) {
      Als<TZeitForm>(d).SetzeZelle(false, 3, QStringLiteral("9:50"));
      d.Knopf(QString::fromLatin1(knopf))->click();
    });
    Menue(MenuePfad::VorZeiten);
    EXPECT_EQ(standard.DeputatFenster.dlb, 90);
    EXPECT_EQ(standard.DeputatFenster.dob, 88);
    EXPECT_EQ(standard.DeputatFenster.dkb, vorher.dkb);
    EXPECT_EQ(standard.DeputatFenster.dwb, vorher.dwb);
    EXPECT_EQ(standard.PlanFenster.plb, 77);
    EXPECT_EQ(standard.PlanFenster.psb, 66);
  }
  EXPECT_EQ(standard.sp[0][2], "9:50");
  KeineFehler();
}

// "Kopieren" of "Soll" shows at once in the open editor and the statistics of the teacher.
TEST_F(VorgabenTest, SollKopierenErneuertOffeneFenster) {
  Oeffne();
  palette->Knopf(QStringLiteral("GrDat"))->click();
  auto* le = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Le")));
  ASSERT_NE(le, nullptr);
  le->Waehle(0);
  auto* editor = dynamic_cast<TLeGrForm*>(palette->Schule().Lehrer().Hole(1)->GrForm());
  ASSERT_NE(editor, nullptr);
  Menue(QStringLiteral("Daten/UV-Statistik/Lehrer"));
  auto* stat = dynamic_cast<TStatForm*>(palette->Schule().EinzelFenster(FensterArt::LeStat));
  ASSERT_NE(stat, nullptr);
  const QString neu = QString::fromStdString(FormatiereStunden(37, standard));
  auto zeileZeigt = [stat, neu] {
    for (int sp = 0; sp < stat->StatGrid->Spalten(); ++sp)
      if (stat->StatGrid->Text(sp, 1) == neu) return true;
    return false;
  };
  EXPECT_NE(editor->SollFeld->text(), neu);
  EXPECT_FALSE(zeileZeigt());
  dialoge.Bediene(QStringLiteral("GrDatStandardForm"), [](TKvDialog& d) {
    auto& f = Als<TGrDatStandardForm>(d);
    f.SollCheck()->click();
    f.LeUpDown()->setValue(37);
    f.KuerzelGrid()->SetzeAuswahl({0, 0, 0, 0});
    f.KopierenKnopf()->click();
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Menue(MenuePfad::VorGrunddaten);
  EXPECT_EQ(editor->SollFeld->text(), neu);
  EXPECT_TRUE(zeileZeigt());
  KeineFehler();
}

// The defaults dialogs stay open after "Kopieren": the open windows show the copy at once, not
// only when the dialog closes, and the command's other windows stay as they are until then.
TEST_F(VorgabenTest, KopierenZeigtSichBeiOffenemDialog) {
  Oeffne();
  TSchule& schule = palette->Schule();
  TKurs* k = NegativerKursInAllenKursen();
  TDepForm* fenster = AlleKurse();
  ASSERT_NE(fenster, nullptr);
  auto zeigt = [fenster, k](const QString& text) {
    const int z = ZeileVon(*fenster, k);
    for (int sp = 0; z > 0 && sp < fenster->DepGrid->Spalten(); ++sp)
      if (fenster->DepGrid->Text(sp, z) == text) return true;
    return false;
  };
  ASSERT_TRUE(zeigt(QStringLiteral("-3")));
  bool gesehen = false;
  dialoge.Bediene(QStringLiteral("KursStandardForm"), [&](TKvDialog& d) {
    auto& f = Als<TKursStandardForm>(d);
    if (f.NvpCheck()->isChecked()) f.NvpCheck()->click();
    f.KopierCheck(TKursStandardForm::KopPlan)->click();
    f.KopierKnopf()->click();
    gesehen = !zeigt(QStringLiteral("-3"));
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Menue(MenuePfad::VorKurse);
  EXPECT_TRUE(gesehen) << "the workload window showed -3 while the dialog was open";
  EXPECT_FALSE(k->NichtVerplanen());
  EXPECT_FALSE(zeigt(QStringLiteral("-3")));

  // The master-data defaults: "Soll" copied onto the first teacher shows in his open statistics row.
  Menue(QStringLiteral("Daten/UV-Statistik/Lehrer"));
  auto* stat = dynamic_cast<TStatForm*>(schule.EinzelFenster(FensterArt::LeStat));
  ASSERT_NE(stat, nullptr);
  const QString neu = QString::fromStdString(FormatiereStunden(37, standard));
  auto zeileZeigt = [stat, neu] {
    for (int sp = 0; sp < stat->StatGrid->Spalten(); ++sp)
      if (stat->StatGrid->Text(sp, 1) == neu) return true;
    return false;
  };
  ASSERT_FALSE(zeileZeigt());
  gesehen = false;
  dialoge.Bediene(QStringLiteral("GrDatStandardForm"), [&](TKvDialog& d) {
    auto& f = Als<TGrDatStandardForm>(d);
    f.SollCheck()->click();
    f.LeUpDown()->setValue(37);
    f.KuerzelGrid()->SetzeAuswahl({0, 0, 0, 0});
    f.KopierenKnopf()->click();
    gesehen = zeileZeigt();
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Menue(MenuePfad::VorGrunddaten);
  EXPECT_TRUE(gesehen) << "the statistics row waited for the dialog to close";
  EXPECT_TRUE(zeileZeigt());
  for (const std::string& fehler : PruefeModell(schule)) ADD_FAILURE() << fehler;
  fenster->Schliesse();
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
