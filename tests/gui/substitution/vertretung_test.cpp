// The substitution day list and the substitute choices reached through the palette: "Heute" and
// the date dialog, stepping over days without school, choosing a teacher and a room, deleting a
// record in the tool mode "Löschen", a room choice whose record goes while it works, and one
// with no free room.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include "ansicht/wahlfenstermass.h"
#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/datum.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "print/druckvertrform.h"
#include "print/vertrdruckinstallation.h"
#include "substitution/fehlzeit.h"
#include "substitution/tagesplan.h"
#include "substitution/vertrdatform.h"
#include "substitution/vertretung.h"
#include "substitution/vertrfenster.h"
#include "substitution/vertrkonten.h"
#include "substitution/vertrform.h"
#include "substitution/vertrstandardform.h"
#include "substitution/vlewahlform.h"
#include "substitution/vrawahlform.h"
#include "substitution/vstatform.h"
#include "substitution/vstdform.h"

namespace kolvar {
namespace {

constexpr int32_t kMontag = TagesNummer(2026, 3, 2);

// Monday: MUE De 5a R1 (1) and Ma 5b R2 (2); SCH Ma 5a R1 (2) and De 5b R2 (3). MUE is absent in
// 1 and 2, R2 in 3: three records, none chosen yet.
void BaueTag(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  TLehrer* sch = s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TKlasse* b = s.NeueKlasse("5b");
  TRaum* r1 = s.NeuerRaum("R1");
  TRaum* r2 = s.NeuerRaum("R2");
  s.NeuerRaum("R3");
  TFach* de = s.NeuesFach("De");
  TFach* ma = s.NeuesFach("Ma");
  s.ErzeugeKurs(mue, a, nullptr, de, r1, 2)->Setze(1, 1, r1, 1);
  s.ErzeugeKurs(mue, b, nullptr, ma, r2, 2)->Setze(1, 1, r2, 2);
  s.ErzeugeKurs(sch, a, nullptr, ma, r1, 2)->Setze(1, 1, r1, 2);
  TKurs* de5b = s.ErzeugeKurs(sch, b, nullptr, de, r2, 2);
  de5b->Setze(1, 1, r2, 3);
  de5b->SetFaktor(3);
  for (int p = 1; p <= 16; ++p) s.Standard().sp[0][static_cast<std::size_t>(p - 1)] = std::to_string(p) + ".";
  SetzeFehltStunde(*mue, kMontag, 1, true);
  SetzeFehltStunde(*mue, kMontag, 2, true);
  SetzeFehltStunde(*r2, kMontag, 3, true);
}

class VertretungFensterTest : public GuiTest {
 protected:
  VertretungFensterTest() {
    uhr.Setze(int64_t{kMontag} * 86400 + 8 * 3600);
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/vertretung.kvr")));
  }
  ~VertretungFensterTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(popups.Fehler().isEmpty());
    palette.reset();
  }
  TSchule& S() { return palette->Schule(); }
  void Heute(int32_t tag) {
    uhr.Setze(int64_t{tag} * 86400 + 8 * 3600);
    palette->Menues().Aktion(MenuePfad::VertretungHeute)->trigger();
  }
  TVertrForm* Liste() { return dynamic_cast<TVertrForm*>(S().EinzelFenster(FensterArt::Vertr)); }
  TVLeWahlForm* LeWahl() { return dynamic_cast<TVLeWahlForm*>(S().EinzelFenster(FensterArt::VLeWahl)); }
  TVRaWahlForm* RaWahl() { return dynamic_cast<TVRaWahlForm*>(S().EinzelFenster(FensterArt::VRaWahl)); }
  void Aktiviere(IFenster* f) {
    S().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
  }
  TLehrer* Lehrer(const char* k) {
    for (TLehrer* l : S().Lehrer())
      if (l->Kuerzel() == k) return l;
    return nullptr;
  }
  TRaum* Raum(const char* k) {
    for (TRaum* r : S().Raeume())
      if (r->Kuerzel() == k) return r;
    return nullptr;
  }
  // A real double click on the row's "Stunde" cell.
  void DoppelKlick(TVertrForm& f, int zeile) {
    const QRect r = f.VertrGrid->ZellRechteck(VertrSpalte::Stunde, zeile);
    // Clicks closer together than the double-click time would pair with the last ones.
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    QTest::mouseClick(f.VertrGrid->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(f.VertrGrid->viewport(), Qt::LeftButton, {}, r.center());
  }
  int ZeileVon(TVertrForm& f, const char* stunde) {
    for (int z = 1; z < f.GetZeilenzahl(); ++z)
      if (f.VertrGrid->Text(VertrSpalte::Stunde, z).endsWith(QString::fromUtf8(stunde))) return z;
    return 0;
  }

  TGebauteSchule dateien{BaueTag};
};

TEST_F(VertretungFensterTest, HeuteZeigtDieVertretungenDesTages) {
  Heute(kMontag);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->DatumLabel->text(), QStringLiteral("für Mo, 2. Mrz 2026"));
  EXPECT_EQ(f->VertrDatum(), kMontag);
  ASSERT_EQ(f->GetZeilenzahl(), 4);
  EXPECT_EQ(f->VertrGrid->Text(VertrSpalte::Lehrer, 1), QStringLiteral("MUE"));
  EXPECT_EQ(f->VertrGrid->Text(VertrSpalte::Ersatz, 1), QStringLiteral("?????"));
  EXPECT_EQ(f->VertrGrid->Text(VertrSpalte::Bem, 1), QStringLiteral("==>"));
  // Every sort choice shows its whole text.
  f->show();
  QApplication::processEvents();
  for (QAbstractButton* knopf : f->SortGroup->buttons())
    EXPECT_GE(knopf->width(), knopf->sizeHint().width()) << knopf->text().toStdString();
  // The sort group stores the order and sorts the school's list by it.
  f->SortGroup->button(3)->click();
  EXPECT_EQ(S().Standard().vsa, 3);
  EXPECT_EQ(f->GetZeilenzahl(), 4);
  // "Morgen" shows the empty Tuesday: the header and one empty row.
  palette->Menues().Aktion(MenuePfad::VertretungMorgen)->trigger();
  EXPECT_EQ(Liste(), f);
  EXPECT_EQ(f->VertrDatum(), kMontag + 1);
  EXPECT_EQ(f->GetZeilenzahl(), 2);
  EXPECT_TRUE(f->VertrGrid->Text(VertrSpalte::Lehrer, 1).isEmpty());
}

TEST_F(VertretungFensterTest, AmSamstagIstKeineVertretungNoetig) {
  dialoge.Antworte(QStringLiteral("Vertretung unnötig"), mrOk);
  Heute(kMontag + 5);
  EXPECT_EQ(Liste(), nullptr);
  ASSERT_FALSE(dialoge.Protokoll().isEmpty());
  EXPECT_TRUE(dialoge.Protokoll().last().endsWith(QStringLiteral("Samstag, 7. März 2026")))
      << dialoge.Protokoll().last().toStdString();
}

TEST_F(VertretungFensterTest, AndererTagSenktEinenUngueltigenTag) {
  dialoge.Bediene(QStringLiteral("Datum für den Vertretungsplan"), [this](TKvDialog& d) {
    auto& form = static_cast<TVertrDatForm&>(d);
    EXPECT_EQ(form.TagSpin->value(), 2);  // today
    form.TagSpin->setValue(31);
    form.MonatSpin->setValue(3);
    EXPECT_EQ(form.TagLabel->text().toStdString(), S().Standard().spn[1]);  // 31.3.2026 is a Tuesday
    form.MonatSpin->setValue(4);                                            // 31 April: the 30th, a Thursday
    d.done(mrOk);
  });
  palette->Menues().Aktion(MenuePfad::VertretungAndererTag)->trigger();
  ASSERT_NE(Liste(), nullptr);
  EXPECT_EQ(Liste()->VertrDatum(), TagesNummer(2026, 4, 30));
}

TEST_F(VertretungFensterTest, PfeileSchreitenUeberTageOhneSchule) {
  Heute(kMontag);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  Aktiviere(f);
  palette->ClickLinks();  // back over the weekend
  EXPECT_EQ(f->VertrDatum(), kMontag - 3);
  palette->ClickRechts();
  EXPECT_EQ(f->VertrDatum(), kMontag);
  // A free Tuesday is stepped over; an open choice window closes.
  S().Standard().FreieTage[static_cast<std::size_t>(WochenIndex(kMontag + 1))] |= 2;
  DoppelKlick(*f, 1);
  ASSERT_NE(LeWahl(), nullptr);
  Aktiviere(f);
  palette->ClickRechts();
  EXPECT_EQ(f->VertrDatum(), kMontag + 2);
  QApplication::processEvents();
  EXPECT_EQ(LeWahl(), nullptr);
  EXPECT_FALSE(S().Geaendert());
}

TEST_F(VertretungFensterTest, LehrerWaehlenUndImLoeschmodusLoeschen) {
  Heute(kMontag);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  Aktiviere(f);
  TLehrer* sch = Lehrer("SCH");
  // De 5a in 1: SCH is free then; a double click on his row chooses him.
  const int de = ZeileVon(*f, " 1.");
  ASSERT_GT(de, 0);
  DoppelKlick(*f, de);
  TVLeWahlForm* w = LeWahl();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Vertretung(), f->VertretungIn(de));
  const int zeile = w->ZeileVon(sch);
  ASSERT_GT(zeile, 0);
  w->LehrerGridDblClick(zeile);
  EXPECT_EQ(f->VertrGrid->Text(VertrSpalte::Ersatz, ZeileVon(*f, " 1.")), QStringLiteral("SCH"));
  EXPECT_EQ(w->LehrerLabel->text(), QStringLiteral("SCH"));
  EXPECT_EQ(sch->VStd1(), 1);
  // Ma 5b in 2: SCH teaches Ma 5a then, so he gives this hour instead (a follow-up).
  Aktiviere(f);
  DoppelKlick(*f, ZeileVon(*f, " 2."));
  ASSERT_NE(LeWahl(), nullptr);
  TVertretung* ma = LeWahl()->Vertretung();
  LeWahl()->FuelleLehrerListe();
  LeWahl()->FreieBox->setChecked(false);
  LeWahl()->FilterClick();
  ASSERT_GT(LeWahl()->ZeileVon(sch), 0);
  LeWahl()->LehrerGridDblClick(LeWahl()->ZeileVon(sch));
  ASSERT_NE(ma->Statt(), nullptr);
  EXPECT_EQ(f->GetZeilenzahl(), 5);
  // In the tool mode "Löschen" a double click deletes, after the question; the follow-up goes
  // too, and the first record's substitute loses his credit.
  S().SetzeModus(Modus::Loeschen);
  Aktiviere(f);
  dialoge.Antworte(QStringLiteral("Vertretung löschen"), mrNein);
  DoppelKlick(*f, ZeileVon(*f, " 1."));
  EXPECT_EQ(f->GetZeilenzahl(), 5);
  dialoge.Antworte(QStringLiteral("Vertretung löschen"), mrJa);
  DoppelKlick(*f, ZeileVon(*f, " 1."));
  EXPECT_EQ(sch->VStd1(), 0);
  EXPECT_EQ(sch->VStd2(), 0);
  QApplication::processEvents();
  EXPECT_EQ(f->GetZeilenzahl(), 4);
  dialoge.Antworte(QStringLiteral("Vertretung löschen"), mrJa);
  const int maZeile = [&] {
    for (int z = 1; z < f->GetZeilenzahl(); ++z)
      if (f->VertretungIn(z) == ma) return z;
    return 0;
  }();
  ASSERT_GT(maZeile, 0);
  DoppelKlick(*f, maZeile);
  EXPECT_EQ(f->GetZeilenzahl(), 2);  // R2's record of period 3 stays
  EXPECT_EQ(S().Vertretungen().Anzahl(), 1);
  EXPECT_TRUE(S().Geaendert());
}

TEST_F(VertretungFensterTest, RaumWaehlenUndDenEigenenRaumZuruecknehmen) {
  Heute(kMontag);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  Aktiviere(f);
  const int zeile = ZeileVon(*f, " 3.");
  ASSERT_GT(zeile, 0);
  DoppelKlick(*f, zeile);
  TVRaWahlForm* w = RaWahl();
  ASSERT_NE(w, nullptr);
  // Period 3 has only De 5b, in the absent R2: R1 and R3 are free.
  ASSERT_EQ(w->Vorschlaege().size(), 2u);
  w->RaumGridDblClick(w->ZeileVon(Raum("R3")));
  EXPECT_EQ(w->RaumLabel->text(), QStringLiteral("R3"));
  EXPECT_EQ(f->VertrGrid->Text(VertrSpalte::Ersatz, zeile), QStringLiteral("R3"));
  // R2 itself, answered "Ja": its absence is taken back, the record goes and the window with it.
  dialoge.Antworte(QStringLiteral("Raum ist besetzt"), mrJa);
  w->WaehleRaum(Raum("R2"));
  EXPECT_EQ(RaWahl(), nullptr);
  EXPECT_FALSE(Raum("R2")->FehltAm(kMontag, 3));
  QApplication::processEvents();
  EXPECT_EQ(f->GetZeilenzahl(), 3);
}

// The teacher choice's "Raum" menu: the chosen room and the remark it makes show at once, with
// nothing but the record telling the window.
TEST_F(VertretungFensterTest, DerRaumAusDemMenueDerLehrerwahlZeigtSichSofort) {
  Heute(kMontag);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  Aktiviere(f);
  DoppelKlick(*f, ZeileVon(*f, " 1."));
  TVLeWahlForm* w = LeWahl();
  ASSERT_NE(w, nullptr);
  Aktiviere(w);
  popups.WaehleText(QStringLiteral("R3"));
  w->RaumKnopfClick();
  ASSERT_FALSE(popups.Angebote().empty());
  EXPECT_EQ(w->Vertretung()->Ersatzraum(), Raum("R3"));
  EXPECT_EQ(w->RaumLabel->text(), QStringLiteral("R3"));
  EXPECT_EQ(w->InfoFeldL->text(), QString::fromStdString(w->Vertretung()->LehrerBem()));
  EXPECT_TRUE(w->InfoFeldL->text().contains(QStringLiteral("R3")));
  EXPECT_TRUE(S().Geaendert());
}

TEST_F(VertretungFensterTest, StandardBemerkungen) {
  S().Standard().StandardBemerkung[0] = "Aufgaben";
  dialoge.Bediene(QStringLiteral("Vertretungen"), [](TKvDialog& d) {
    auto& form = static_cast<TVertrStandardForm&>(d);
    EXPECT_EQ(form.BemGrid->Text(1, 0), QStringLiteral("Aufgaben"));
    form.BemerkungBearbeitet(1, QStringLiteral("Buch S. 12   "));
    form.BemerkungBearbeitet(0, QString());  // refused: the first character is required
    static_cast<TEinstellungsDialog&>(d).OkKnopf()->click();
  });
  palette->Menues().Aktion(MenuePfad::VorVertretung)->trigger();
  EXPECT_EQ(S().Standard().StandardBemerkung[0], "Aufgaben");
  EXPECT_EQ(S().Standard().StandardBemerkung[1], "Buch S. 12");
  // In the teacher choice "LBem" appends it to the remark.
  Heute(kMontag);
  Aktiviere(Liste());
  DoppelKlick(*Liste(), 1);
  ASSERT_NE(LeWahl(), nullptr);
  popups.WaehleText(QStringLiteral("Buch S. 12"));
  LeWahl()->BemKnopfClick(true, false);
  EXPECT_EQ(LeWahl()->Vertretung()->LehrerBem(), "Buch S. 12");
  EXPECT_EQ(LeWahl()->InfoFeldL->text(), QStringLiteral("Buch S. 12"));
}

TEST_F(VertretungFensterTest, KnoepfeUndStattDerLehrerwahl) {
  Heute(kMontag);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  Aktiviere(f);
  TLehrer* sch = Lehrer("SCH");
  DoppelKlick(*f, ZeileVon(*f, " 1."));
  TVLeWahlForm* w = LeWahl();
  ASSERT_NE(w, nullptr);
  TVertretung* de = w->Vertretung();
  EXPECT_TRUE(w->StattMenueKnopf->isHidden());  // no substitute yet
  // SCH ends 5a's Monday with Ma in 2: he is underlined, and a click offers his "statt" dates.
  const int zeile = w->ZeileVon(sch);
  ASSERT_GT(zeile, 0);
  EXPECT_TRUE(w->Vorschlaege()[static_cast<std::size_t>(zeile - 1)].Statt);
  popups.WaehleIndex(2);  // the first date forward
  w->LehrerGridKlick(0, zeile, QPoint());
  ASSERT_FALSE(popups.Angebote().empty());
  ASSERT_NE(de->Statt(), nullptr);
  EXPECT_EQ(de->Statt()->Datum(), kMontag + 7);
  EXPECT_EQ(sch->VStd1(), 0);  // he gives this hour instead of his own: nothing counted
  EXPECT_FALSE(w->StattLabel->text().isEmpty());
  EXPECT_TRUE(w->StattMenueKnopf->isHidden());
  // "Löschen" takes him and the follow-up back; a plain choice counts and shows the menu button.
  w->LoeschKnopfClick();
  EXPECT_EQ(de->Statt(), nullptr);
  EXPECT_EQ(w->LehrerLabel->text(), QStringLiteral("?????"));
  w->LehrerGridDblClick(w->ZeileVon(sch));
  EXPECT_EQ(sch->VStd1(), 1);
  EXPECT_FALSE(w->StattMenueKnopf->isHidden());
  w->AnrechnenClick(false);
  EXPECT_EQ(sch->VStd1(), 0);
  EXPECT_FALSE(w->AnrechnenBox->isChecked());
  w->AnrechnenClick(true);
  EXPECT_EQ(sch->VStd2(), 1);
  // The "statt" menu: today's Ma 5a of SCH in 2, checked as the same class.
  popups.WaehleUnter(QString::fromStdString(S().Standard().spn[0]), QStringLiteral("2."));
  w->StattMenueKnopfClick();
  ASSERT_FALSE(popups.Angebote().empty());
  ASSERT_NE(de->Statt(), nullptr);
  EXPECT_EQ(de->Statt()->Datum(), kMontag);
  EXPECT_EQ(sch->VStd1(), 0);
  // "Frei": no substitute, the follow-up gone, "-----" in the day list.
  w->FreiKnopfClick();
  EXPECT_TRUE(de->Frei());
  EXPECT_EQ(de->Statt(), nullptr);
  EXPECT_EQ(w->LehrerLabel->text(), QStringLiteral("-----"));
  EXPECT_EQ(f->VertrGrid->Text(VertrSpalte::Ersatz, ZeileVon(*f, " 1.")), QStringLiteral("-----"));
  EXPECT_EQ(sch->VStd1(), 0);
  // "Lehrer" chooses from the palette's teacher menu, whose choice is cleared afterwards.
  popups.WaehleText(QStringLiteral("SCH"));
  w->LehrerKnopfClick();
  EXPECT_EQ(de->Vertreter(), sch);
  EXPECT_FALSE(de->Frei());
  EXPECT_EQ(palette->Wahl(TElementArt::Lehrer), nullptr);
  // The palette's arrows step the choice to the day's next needed teacher substitution, and the
  // day list selects its row.
  Aktiviere(w);
  palette->ClickRechts();
  ASSERT_NE(w->Vertretung(), de);
  EXPECT_EQ(w->Vertretung()->Art(), VertrArt::Lehrer);
  const TGitterAuswahl a = f->VertrGrid->Auswahl();
  EXPECT_EQ(f->VertretungIn(a.oben), w->Vertretung());
}

// "Vertretungsplan..." starts on the active day list's date, else on the date of the record an
// open choice window shows, and only otherwise today.
TEST_F(VertretungFensterTest, VertretungsplanDruckBeginntAmTagDerListeOderDerWahl) {
  Heute(kMontag);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  Aktiviere(f);
  uhr.Setze(int64_t{kMontag + 2} * 86400 + 8 * 3600);
  auto druckDatum = [&] {
    int32_t datum = 0;
    dialoge.Bediene(QStringLiteral("Drucke Vertretungsplan"), [&](TKvDialog& d) {
      datum = dynamic_cast<TDruckVertrForm&>(d).Datum();
      d.Knopf(QStringLiteral("Abbrechen"))->click();
    });
    palette->Menues().Aktion(MenuePfad::DruckVertretungsplan)->trigger();
    return datum;
  };
  EXPECT_EQ(druckDatum(), kMontag);
  // The choice window of Monday's record, with no window active.
  DoppelKlick(*f, ZeileVon(*f, " 1."));
  ASSERT_NE(LeWahl(), nullptr);
  Aktiviere(nullptr);
  EXPECT_EQ(druckDatum(), kMontag);
  LeWahl()->close();
  QApplication::processEvents();
  ASSERT_EQ(LeWahl(), nullptr);
  Aktiviere(nullptr);
  EXPECT_EQ(druckDatum(), kMontag + 2);
}

// The teacher choice: its height follows the list (at least "pst" - 1 rows) and never passes the
// screen, where the list scrolls; its pop-ups act only while it is the active window; and Ctrl
// of "LBem" counts as it was when the button went down.
TEST_F(VertretungFensterTest, LehrerwahlHoeheAktivUndStrgBeimDruecken) {
  S().Standard().StandardBemerkung[0] = "Aufgaben";
  Heute(kMontag);
  Aktiviere(Liste());
  DoppelKlick(*Liste(), ZeileVon(*Liste(), " 1."));
  TVLeWahlForm* w = LeWahl();
  ASSERT_NE(w, nullptr);
  const int zh = w->LehrerGrid->StandardHoehe();
  const int verfuegbar = w->screen()->availableGeometry().height();
  TWahlFensterMass mass = LehrerWahlMass(static_cast<int>(w->Vorschlaege().size()), S().Standard().pst, zh,
                                         w->Vertretung()->Stunde());
  // The list shows the rows the rule asks for, the rest of the window as laid out here.
  EXPECT_GE(w->LehrerGrid->viewport()->height(), mass.Zeilen * (zh + 1));
  EXPECT_LT(w->LehrerGrid->viewport()->height(), (mass.Zeilen + 1) * (zh + 1));
  EXPECT_EQ(w->Tagesplan->PlanGrid->Zeilen(), mass.PlanZeilen);
  // Sixty more teachers: the rule asks for more than the screen has; the list scrolls.
  for (int i = 0; i < 60; ++i) S().NeuerLehrer("L" + std::to_string(i));
  w->RandBox->setChecked(false);
  w->FilterClick();
  mass = LehrerWahlMass(static_cast<int>(w->Vorschlaege().size()), S().Standard().pst, zh, 1);
  ASSERT_GT(mass.Hoehe, verfuegbar);
  EXPECT_LE(w->frameGeometry().height(), verfuegbar);
  EXPECT_EQ(w->Tagesplan->PlanGrid->Zeilen(), 16);
  QApplication::processEvents();
  EXPECT_GT(w->LehrerGrid->verticalScrollBar()->maximum(), 0);

  // The day list active: "Wie am" and "LBem" offer nothing.
  Aktiviere(Liste());
  const std::size_t angebote = popups.Angebote().size();
  w->WieAmKnopfClick();
  w->BemKnopfClick(true, false);
  EXPECT_EQ(popups.Angebote().size(), angebote);
  // Active again: Ctrl held at the press and let go before the release replaces the remark.
  Aktiviere(w);
  w->InfoFeldL->setText(QStringLiteral("alt"));
  w->Vertretung()->SetLehrerBem("alt");
  popups.WaehleText(QStringLiteral("Aufgaben"));
  QTest::mousePress(w->LBemKnopf, Qt::LeftButton, Qt::ControlModifier);
  QTest::mouseRelease(w->LBemKnopf, Qt::LeftButton, Qt::NoModifier);
  EXPECT_EQ(w->Vertretung()->LehrerBem(), "Aufgaben");
  // Without Ctrl at the press it is appended, whatever the release says.
  popups.WaehleText(QStringLiteral("Aufgaben"));
  QTest::mousePress(w->LBemKnopf, Qt::LeftButton, Qt::NoModifier);
  QTest::mouseRelease(w->LBemKnopf, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(w->Vertretung()->LehrerBem(), "Aufgaben Aufgaben");
}

// The room choice: at least "pst" + 5 rows, its day plan min(rows - 5, 16) periods.
TEST_F(VertretungFensterTest, RaumwahlHoeheNachDenRegeln) {
  Heute(kMontag);
  Aktiviere(Liste());
  const int zeile = ZeileVon(*Liste(), " 3.");
  ASSERT_GT(zeile, 0);
  DoppelKlick(*Liste(), zeile);
  TVRaWahlForm* r = RaWahl();
  ASSERT_NE(r, nullptr);
  const TWahlFensterMass mass = RaumWahlMass(static_cast<int>(r->Vorschlaege().size()), S().Standard().pst,
                                             r->RaumGrid->StandardHoehe(), r->Vertretung()->Stunde());
  EXPECT_EQ(mass.Zeilen, S().Standard().pst + 5);
  const int zh = r->RaumGrid->StandardHoehe();
  EXPECT_GE(r->RaumGrid->viewport()->height(), mass.Zeilen * (zh + 1));
  EXPECT_LT(r->RaumGrid->viewport()->height(), (mass.Zeilen + 1) * (zh + 1));
  EXPECT_EQ(r->Tagesplan->PlanGrid->Zeilen(), mass.PlanZeilen);
}

// With R1 and R3 locked in period 3 no room is free for De 5b: the list's one empty row is not
// drawn selected, also once clicked.
TEST_F(VertretungFensterTest, LeereRaumlisteIstNichtAusgewaehlt) {
  for (const char* k : {"R1", "R3"}) Raum(k)->Sperrung().SetzeBereich(1, 1, 3, true);
  Heute(kMontag);
  Aktiviere(Liste());
  const int zeile = ZeileVon(*Liste(), " 3.");
  ASSERT_GT(zeile, 0);
  DoppelKlick(*Liste(), zeile);
  TVRaWahlForm* r = RaWahl();
  ASSERT_NE(r, nullptr);
  ASSERT_TRUE(r->Vorschlaege().empty());
  TGitter& g = *r->RaumGrid;
  r->show();
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.ZellRechteck(0, 0).center());
  ASSERT_TRUE(g.Auswahl().Enthaelt(0, 0));
  QApplication::processEvents();
  const QPoint ecke = g.ZellRechteck(0, 0).bottomRight() - QPoint(3, 3);
  EXPECT_EQ(g.viewport()->grab().toImage().pixelColor(ecke), g.palette().color(QPalette::Base));
}

TEST_F(VertretungFensterTest, OverviewColumnsMoveByTheirHeaderAndCopyAsShown) {
  dialoge.Antworte(QStringLiteral("Vertretungsübersicht"), mrOk);
  palette->Menues().Aktion(MenuePfad::Vertretungsuebersicht)->trigger();
  auto* f = dynamic_cast<TVStatForm*>(S().EinzelFenster(FensterArt::VStat));
  ASSERT_NE(f, nullptr);
  Aktiviere(f);
  ASSERT_EQ(f->StatGrid->Zeilen(), 3);
  // "Text" dragged in front of "Lehrer".
  ZieheKopf(*f->StatGrid, 3, 0);
  EXPECT_EQ(f->StatGrid->Text(0, 0), QStringLiteral("Text"));
  EXPECT_EQ(f->StatGrid->Text(1, 0), QStringLiteral("Lehrer"));
  // A new absence rebuilds the rows into the moved columns.
  SetzeFehltStunde(*Lehrer("SCH"), kMontag, 3, true);
  f->Aktualisiere();
  ASSERT_EQ(f->StatGrid->Zeilen(), 4);
  EXPECT_EQ(f->StatGrid->Text(0, 1), QStringLiteral("fehlt"));
  EXPECT_EQ(f->StatGrid->Text(1, 1), QStringLiteral("MUE"));
  palette->Menues().Aktion(MenuePfad::AllesAuswaehlen)->trigger();
  palette->Menues().Aktion(MenuePfad::Kopieren)->trigger();
  const QStringList zeilen = ablage.Text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_EQ(zeilen.size(), 3);
  EXPECT_TRUE(zeilen[0].startsWith(QStringLiteral("fehlt\tMUE\t02.03.2026\t"))) << zeilen[0].toStdString();
}

// A double click on a cell with a pop-up of its own ("Bem" of a record with a remark) opens the
// teacher choice as on any other cell; the remark pop-up of a single click waits until no second
// click can follow, so that it cannot take the double click's second press.
TEST_F(VertretungFensterTest, DoppelklickAufEineZelleMitPopupOeffnetDieWahl) {
  Heute(kMontag);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  const int zeile = ZeileVon(*f, "1.");
  ASSERT_GT(zeile, 0);
  TVertretung* v = f->VertretungIn(zeile);
  ASSERT_NE(v, nullptr);
  v->SetLehrerBem("Aula");
  Aktiviere(f);
  const std::size_t angebote = popups.Angebote().size();
  DoppelKlicke(*f->VertrGrid, VertrSpalte::Bem, zeile);
  EXPECT_EQ(popups.Angebote().size(), angebote) << "no pop-up within the double click";
  ASSERT_NE(LeWahl(), nullptr);
  EXPECT_EQ(LeWahl()->Vertretung(), v);
  WarteAufEinzelKlick();
  EXPECT_EQ(popups.Angebote().size(), angebote) << "nor after it";

  // A single click: the remark, once the double-click time has passed.
  Aktiviere(f);
  popups.WaehleNichts();
  KlickeZelle(*f->VertrGrid, VertrSpalte::Bem, zeile);
  EXPECT_EQ(popups.Angebote().size(), angebote);
  WarteAufEinzelKlick();
  ASSERT_EQ(popups.Angebote().size(), angebote + 1);
  EXPECT_EQ(popups.Angebote().back().texte, QStringList{QStringLiteral("Aula")});
}

// "Vertretungsstunden" stays open while accounts change: the open teacher choice shows the new
// account at once, not only when the dialog closes.
TEST_F(VertretungFensterTest, KontenZeigenSichBeiOffenemDialogInDerLehrerwahl) {
  Heute(kMontag);
  TVertrForm* f = Liste();
  ASSERT_NE(f, nullptr);
  Aktiviere(f);
  DoppelKlicke(*f->VertrGrid, VertrSpalte::Stunde, ZeileVon(*f, "1."));
  TVLeWahlForm* w = LeWahl();
  ASSERT_NE(w, nullptr);
  TLehrer* sch = Lehrer("SCH");
  auto konto = [w, sch] { return w->LehrerGrid->Text(2, w->ZeileVon(sch) - 1).trimmed(); };
  ASSERT_GT(w->ZeileVon(sch), 0);
  ASSERT_EQ(S().Standard().vva, 1);  // the list shows V-Std 2
  const QString neu = QString::fromStdString(VStdText(7, S().Standard()));
  ASSERT_NE(konto(), neu);
  QString waehrend;
  dialoge.Bediene(QStringLiteral("Vertretene Stunden"), [&](TKvDialog& d) {
    auto& v = static_cast<TVStdForm&>(d);
    v.WaehleZeile(2, 1);
    ASSERT_EQ(v.Gewaehlt(2), sch);
    v.UpDown(2)->setValue(7);
    waehrend = konto();
    d.reject();
  });
  palette->Menues().Aktion(MenuePfad::Vertretungsstunden)->trigger();
  EXPECT_EQ(sch->VStd2(), 7);
  EXPECT_EQ(waehrend, neu) << "the teacher choice waited for the dialog to close";
  EXPECT_EQ(konto(), neu);
}

}  // namespace
}  // namespace kolvar
