// What the substitute choices offer on a hand-made Monday: the six teacher filters, the room
// filters, the day bars, the "statt" menu and options, the standard remarks and the school days
// the day list steps over; and that choosing, re-choosing and clearing substitutes and rooms
// from these offers, with every absence taken back at the end, leaves every account as it was.

#include <algorithm>
#include <random>

#include "model/imenue.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/statt.h"
#include "model/stundentext.h"
#include "substitution/vertrvorschlag.h"
#include "substitution/vertrzeile.h"
#include "vertretungsschule.h"

namespace kolvar {
namespace {

class VorschlagTest : public VertretungsTest {
 protected:
  void SetUp() override {
    VertretungsTest::SetUp();
    TSchule& sch = Schule();
    // ABW teaches 6a Ma in TH in periods 1 to 8 on Monday; the records probe these hours.
    abw = sch.NeuerLehrer("ABW");
    abw->FuegeFachHinzu(s->ma);
    probe = sch.ErzeugeKurs(abw, s->k6a, nullptr, s->ma, s->th, 8);
    for (int p = 1; p <= 8; ++p) ASSERT_TRUE(probe->Setze(1, 1, s->th, p)) << p;
    // RAN is free in periods 1 to 3 and teaches 5b from period 4.
    ran = sch.NeuerLehrer("RAN");
    ASSERT_TRUE(sch.ErzeugeKurs(ran, s->k5b, nullptr, s->sp, s->r102, 1)->Setze(1, 1, s->r102, 4));
    // BES teaches 5b in period 1; GES is locked then.
    bes = sch.NeuerLehrer("BES");
    ASSERT_TRUE(sch.ErzeugeKurs(bes, s->k5b, nullptr, s->sp, nullptr, 1)->Setze(1, 1, nullptr, 1));
    ges = sch.NeuerLehrer("GES");
    ges->Sperrung().SetzeBereich(1, 1, 1, true);
    frei = sch.NeuerRaum("FREI");
  }

  // A record of the probe lesson at the period, in no list (the filters read its slot only).
  std::unique_ptr<TVertretung> Probe(int p, uint8_t art = VertrArt::Lehrer) {
    std::unique_ptr<TVertretung> r(new (Schule()) TVertretung(Schule()));
    r->SetKurs(probe);
    for (TSetzung* z : probe->Setzungen())
      if (z->Stunde() == p) r->SetSetzung(z);
    r->SetDatum(kMontag);
    r->SetArt(art);
    return r;
  }

  TLehrer *abw = nullptr, *ran = nullptr, *bes = nullptr, *ges = nullptr;
  TRaum* frei = nullptr;
  TKurs* probe = nullptr;
};

TEST_F(VorschlagTest, SechsLehrerFilter) {
  Fehlt(s->sch, kMontag, 1);  // absent, no lesson then
  struct Fall {
    TLehrer* wer;
    int stunde;
    TLehrerFilter filter;
    bool gelistet;
  };
  const TLehrerFilter aus{false, false, 2};
  const Fall faelle[] = {
      {bes, 1, {true, false, 2}, false},  // busy and his class is there
      {bes, 1, aus, true},
      {ges, 1, aus, false},               // locked
      {s->sch, 1, aus, false},            // absent
      {ran, 3, {false, true, 2}, true},   // period 4 is a lesson
      {ran, 2, {false, true, 2}, false},  // both neighbours free
      {ran, 2, aus, true},
      {s->ber, 4, {false, true, 2}, false},   // BER has no lesson on Monday
      {s->ber, 1, {false, false, 0}, true},   // teaches 6a alone
      {s->sch, 2, {false, false, 0}, false},  // never teaches 6a
      {s->mue, 4, {false, false, 1}, true},   // has Ma
      {s->ber, 4, {false, false, 1}, false},
      {ran, 4, {true, false, 2}, false},  // own lesson then
  };
  for (const Fall& f : faelle) {
    auto r = Probe(f.stunde);
    EXPECT_EQ(TVertrVorschlag::LehrerPasst(*r, *f.wer, f.filter), f.gelistet)
        << f.wer->Kuerzel() << " Stunde " << f.stunde << " vfc " << f.filter.FreieLehrer << " vrc "
        << f.filter.Randstunden << " vla " << f.filter.Auswahl;
  }
}

TEST_F(VorschlagTest, FreieLehrerMitAbwesenderKlasseUndOhneKlasse) {
  auto r = Probe(1);
  const TLehrerFilter filter{true, false, 2};
  EXPECT_FALSE(TVertrVorschlag::LehrerPasst(*r, *bes, filter));
  Fehlt(s->k5b, kMontag, 1);  // BES's lesson drops: he is free
  EXPECT_TRUE(TVertrVorschlag::LehrerPasst(*r, *bes, filter));
  // "gleiche Klasse" for a lesson without class offers nobody.
  TKurs* ohne = Schule().ErzeugeKurs(abw, nullptr, nullptr, s->ma, nullptr, 1);
  ASSERT_TRUE(ohne->Setze(1, 4, nullptr, 1));
  TVertretung o(Schule());
  o.SetKurs(ohne);
  o.SetSetzung(ohne->Setzungen().Hole(1));
  o.SetDatum(kMontag + 3);
  EXPECT_TRUE(TVertrVorschlag::Lehrer(o, {false, false, 0}, 1).empty());
  EXPECT_FALSE(TVertrVorschlag::Lehrer(o, {false, false, 2}, 1).empty());
}

TEST_F(VorschlagTest, ListeInSchulOrdnungMitKontoUndBalken) {
  s->ber->SetzeVStd1(30);
  s->ber->SetzeVStd2(50);
  auto r = Probe(4);
  const auto liste = TVertrVorschlag::Lehrer(*r, {true, false, 2}, 0);
  std::vector<std::string> namen;
  for (const auto& z : liste) namen.push_back(z.Lehrer->Kuerzel());
  EXPECT_EQ(namen, (std::vector<std::string>{"MUE", "SCH", "BER", "BES", "GES"}));
  const auto& ber = liste[2];
  EXPECT_EQ(ber.Konto, FormatiereStunden(30, Schule().Standard()));
  EXPECT_EQ(TVertrVorschlag::Lehrer(*r, {true, false, 2}, 1)[2].Konto,
            FormatiereStunden(50, Schule().Standard()));
  EXPECT_EQ(ber.Balken.Markiert, 4);
  // MUE: De 5a in 1, Ma 5b in 2; the bar follows his day pattern.
  const auto& mue = liste[0].Balken;
  EXPECT_NE(mue.Stunden[0].Zeichen, 'F');
  EXPECT_EQ(mue.Stunden[3].Zeichen, 'F');
}

TEST_F(VorschlagTest, BalkenZeigtVertretungUndAusfall) {
  TVertretung* r = FehltFuer(abw, kMontag, 5, probe);
  ASSERT_NE(r, nullptr);
  ASSERT_TRUE(r->SetzeVertreter(s->ber));
  auto andere = Probe(6);
  EXPECT_TRUE(TVertrVorschlag::Balken(*andere, *s->ber).Stunden[4].Vertritt);
  // The list's bars say what VertrittAm says, for every teacher and period.
  for (const TLehrerVorschlag& z : TVertrVorschlag::Lehrer(*andere, {false, false, 2}, 1))
    for (int p = 1; p <= kStunden; ++p)
      EXPECT_EQ(z.Balken.Stunden[static_cast<std::size_t>(p - 1)].Vertritt, z.Lehrer->VertrittAm(kMontag, p))
          << z.Lehrer->Kuerzel() << " " << p;
  Fehlt(s->k5b, kMontag, 1);
  const TTagesBalken bes1 = TVertrVorschlag::Balken(*andere, *bes);
  EXPECT_TRUE(bes1.Stunden[0].Entfaellt);
  EXPECT_FALSE(bes1.Stunden[0].Vertritt);
}

TEST_F(VorschlagTest, RaumFilter) {
  struct Fall {
    TRaum* raum;
    bool frei;
  };
  auto r = Probe(1, VertrArt::Raum);
  frei->Sperrung().SetzeBereich(1, 1, 2, true);
  Fehlt(s->r102, kMontag, 1);
  // Monday 1: R101 holds De 5a, TH the probe lesson itself, R102 is absent, FREI is locked in 2.
  const Fall vorher[] = {{s->r101, false}, {s->r102, false}, {s->th, false}, {frei, true}};
  for (const Fall& f : vorher) EXPECT_EQ(TVertrVorschlag::RaumFrei(*r, *f.raum), f.frei) << f.raum->Kuerzel();
  Fehlt(s->k5a, kMontag, 1);  // the lesson in R101 drops
  EXPECT_TRUE(TVertrVorschlag::RaumFrei(*r, *s->r101));
  auto r2 = Probe(2, VertrArt::Raum);
  EXPECT_FALSE(TVertrVorschlag::RaumFrei(*r2, *frei));  // locked
  std::vector<std::string> namen;
  for (const auto& z : TVertrVorschlag::Raeume(*r)) namen.push_back(z.Raum->Kuerzel());
  EXPECT_EQ(namen, (std::vector<std::string>{"R101", "FREI"}));
}

TEST_F(VorschlagTest, RaumMenueBehaeltDenEigenenRaum) {
  TVertretung* r = FehltFuer(abw, kMontag, 3, probe);
  ASSERT_NE(r, nullptr);
  TMenueDaten menue;
  r->BaueRaumMenu(menue);
  std::vector<std::string> namen;
  for (const auto& e : menue.Eintraege()) namen.push_back(e.Text);
  // TH holds the lesson itself; R101 holds Ma 5a then.
  EXPECT_EQ(namen, (std::vector<std::string>{"R102", "TH", "FREI"}));
}

TEST_F(VorschlagTest, StattMenueFindetDenNaechstenTag) {
  // MUE is absent on Monday in 1: SCH substitutes De 5a; his own lessons are Ma 5a on Monday in
  // 2 and 3 and on Tuesday in 3, and sport of 5a+5b on Wednesday in 5.
  Schule().Standard().mtn = 5;
  TVertretung* r = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_NE(r, nullptr);
  ASSERT_TRUE(r->SetzeVertreter(s->sch));
  TMenueDaten menue;
  TVertrVorschlag::BaueStattMenue(*r, menue);
  ASSERT_EQ(menue.Anzahl(), Schule().Standard().mtn);
  std::vector<bool> aktiv;
  for (const auto& e : menue.Eintraege()) aktiv.push_back(e.Aktiv);
  EXPECT_EQ(aktiv, (std::vector<bool>{true, true, true, false, false}));
  ASSERT_EQ(menue[0].Unter.size(), 2u);
  EXPECT_TRUE(menue[0].Unter[0].Haken);   // the same single class
  EXPECT_FALSE(menue[2].Unter[0].Haken);  // two classes
  std::vector<int32_t> daten;
  for (const TStatt* o : r->StattOptionen()) daten.push_back(o->Datum());
  EXPECT_EQ(daten, (std::vector<int32_t>{kMontag, kMontag, kDienstag, kMittwoch}));
}

TEST_F(VorschlagTest, StattMenueUeberspringtBelegteTage) {
  TVertretung* r = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_NE(r, nullptr);
  ASSERT_TRUE(r->SetzeVertreter(s->sch));
  // Tomorrow's Ma 5a of SCH is substituted already: the next Tuesday is offered.
  ASSERT_NE(FehltFuer(s->sch, kDienstag, 3, s->mathe5a), nullptr);
  TMenueDaten menue;
  TVertrVorschlag::BaueStattMenue(*r, menue);
  std::vector<int32_t> dienstags;
  for (const TStatt* o : r->StattOptionen())
    if (o->Setzung()->Tag() == 2) dienstags.push_back(o->Datum());
  EXPECT_EQ(dienstags, (std::vector<int32_t>{kDienstag + 7}));
  // Choosing an option makes the follow-up on that date.
  menue[1].Unter[0].Aktion();
  ASSERT_NE(r->Statt(), nullptr);
  EXPECT_EQ(r->Statt()->Datum(), kDienstag + 7);
  EXPECT_EQ(r->Statt()->Kurs(), s->mathe5a);
}

TEST_F(VorschlagTest, StattOptionenAmRandDesKalenders) {
  // The searches reach 89 days either way; at the end of the years planned they stay defined.
  for (int32_t datum : {kErsterTag + 2, kLetzterTag - 3}) {
    TVertretung r(Schule());
    r.SetKurs(s->deutsch5a);
    r.SetSetzung(s->deutsch5a->Setzungen().Hole(1));
    r.SetDatum(datum);
    TMenueDaten menue;
    r.BildeStattListe(s->mue, menue);
    EXPECT_EQ(menue.Anzahl(), 8);  // De 5a on Monday in 1 and Tuesday in 2: two back, two forward each
    for (const TStatt* o : r.StattOptionen()) {
      EXPECT_LE(std::abs(o->Datum() - datum), 89);
      EXPECT_EQ(Uhr::Wochentag(o->Datum()), o->Setzung()->Tag());
    }
  }
}

TEST_F(VorschlagTest, StandardBemerkungAnhaengen) {
  const std::string lang(70, 'x');
  struct Fall {
    std::string alt, standard;
    bool ersetzen;
    std::string ergebnis;
  };
  const Fall faelle[] = {
      {"", "Aufgaben", false, "Aufgaben"},
      {"Buch", "Aufgaben", false, "Buch Aufgaben"},
      {"Buch", "Aufgaben", true, "Aufgaben"},
      {std::string(55, 'a'), "Aufgaben", false, std::string(55, 'a') + " Aufga"},
      {std::string(60, 'a'), "Aufgaben", false, std::string(60, 'a')},
      {"", lang, true, std::string(61, 'x')},
  };
  for (const Fall& f : faelle) {
    const std::string neu = TVertrVorschlag::HaengeBemerkungAn(f.alt, f.standard, f.ersetzen);
    EXPECT_EQ(neu, f.ergebnis);
    EXPECT_LE(neu.size(), 61u);
  }
}

TEST_F(VorschlagTest, VertretungsTageUndSchritte) {
  Schule().Standard().mtn = 5;
  const int32_t samstag = kMontag + 5;
  EXPECT_FALSE(IstVertretungsTag(Schule(), samstag));
  EXPECT_TRUE(IstVertretungsTag(Schule(), kMontag));
  EXPECT_EQ(NaechsterVertretungsTag(Schule(), kMontag - 3, true), kMontag);  // Friday to Monday
  EXPECT_EQ(NaechsterVertretungsTag(Schule(), kMontag, false), kMontag - 3);
  // A free Tuesday is stepped over.
  Schule().Standard().FreieTage[static_cast<std::size_t>(WochenIndex(kDienstag))] |= 2;
  EXPECT_FALSE(IstVertretungsTag(Schule(), kDienstag));
  EXPECT_EQ(NaechsterVertretungsTag(Schule(), kMontag, true), kMittwoch);
  // Never beyond the years planned: the date stays.
  EXPECT_EQ(NaechsterVertretungsTag(Schule(), kLetzterTag, true), kLetzterTag);
  EXPECT_EQ(NaechsterVertretungsTag(Schule(), kErsterTag, false), kErsterTag);
}

// The day list of a hand-made Monday: order, texts, colours and markers.
TEST_F(VorschlagTest, TageslisteZeilen) {
  TVertretung* de = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_NE(de, nullptr);
  Fehlt(s->r101, kMontag, 3);               // Ma 5a of SCH loses its room
  ASSERT_TRUE(de->SetzeVertreter(s->sch));  // free in 1: no follow-up
  const auto zeilen = VertrZeilen(Schule(), kMontag);
  ASSERT_EQ(zeilen.size(), 2u);
  const TVertrZeile& a = zeilen[0];
  EXPECT_EQ(a.Vertretung, de);
  EXPECT_EQ(a.Text[VertrSpalte::Stunde], Schule().Standard().spg[0] + " 1.");
  EXPECT_EQ(a.Text[VertrSpalte::Lehrer], "MUE");
  EXPECT_EQ(a.Text[VertrSpalte::Klasse], "5a");
  EXPECT_EQ(a.Text[VertrSpalte::Raum], "R101");
  EXPECT_EQ(a.Text[VertrSpalte::Ersatz], "SCH");
  EXPECT_EQ(a.Farbe(VertrSpalte::Lehrer), 0x0000FFu);
  EXPECT_FALSE(a.RaumNoetig);  // it keeps its room
  const TVertrZeile& b = zeilen[1];
  EXPECT_EQ(b.Text[VertrSpalte::Ersatz], "?????");
  EXPECT_EQ(b.Farbe(VertrSpalte::Raum), 0x0000FFu);
  EXPECT_EQ(b.Farbe(VertrSpalte::Lehrer), 0u);
  EXPECT_FALSE(b.RaumNoetig);
  // "frei", the dropped lesson in italics, several classes in bold.
  de->MacheFrei();
  Fehlt(s->k5a, kMontag, 1);
  const auto danach = VertrZeilen(Schule(), kMontag);
  EXPECT_EQ(danach[0].Text[VertrSpalte::Ersatz], "-----");
  EXPECT_TRUE(danach[0].Kursiv);
  EXPECT_FALSE(danach[0].RaumNoetig);
  // Sport of 5a+5b on Wednesday.
  Fehlt(s->sch, kMittwoch, 5);
  const auto sport = VertrZeilen(Schule(), kMittwoch);
  ASSERT_EQ(sport.size(), 1u);
  EXPECT_TRUE(sport[0].FettKlasse);
  EXPECT_EQ(sport[0].Text[VertrSpalte::Kopplung], "SPO");
  // BER's De 6a has no room: it needs one.
  EXPECT_TRUE(VertrZeilen(Schule(), kDienstag).empty());
  Fehlt(s->ber, kDienstag, 1);
  const auto ohneRaum = VertrZeilen(Schule(), kDienstag);
  ASSERT_EQ(ohneRaum.size(), 1u);
  EXPECT_TRUE(ohneRaum[0].RaumNoetig);
  EXPECT_EQ(ohneRaum[0].Text[VertrSpalte::Raum], "");
}

TEST_F(VorschlagTest, MarkenDerVerbindungen) {
  // SCH substitutes MUE's Ma 5b in 2 while teaching Ma 5a then: a "statt" follow-up.
  TVertretung* r = FehltFuer(s->mue, kMontag, 2, s->mathe5b);
  ASSERT_NE(r, nullptr);
  ASSERT_TRUE(r->SetzeVertreter(s->sch));
  ASSERT_NE(r->Statt(), nullptr);
  const auto zeilen = VertrZeilen(Schule(), kMontag);
  ASSERT_EQ(zeilen.size(), 2u);
  for (const TVertrZeile& z : zeilen) {
    ASSERT_TRUE(z.Marke);
    EXPECT_EQ(z.MarkenFarbe, z.Vertretung == r ? 0xFF0000u : 0x0000FFu);
  }
  EXPECT_TRUE(zeilen[0].RotBem || zeilen[1].RotBem);
}

// Choosing, re-choosing and clearing substitutes and rooms from what the choices offer, in any
// order, with every absence taken back at the end, leaves every account where it started.
class VorschlagEigenschaft : public VorschlagTest, public ::testing::WithParamInterface<int> {};

TEST_P(VorschlagEigenschaft, KontenKehrenZurueck) {
  std::mt19937 zufall(static_cast<uint32_t>(GetParam()));
  auto wuerfel = [&zufall](int n) { return static_cast<int>(zufall() % static_cast<uint32_t>(n)); };
  std::map<std::string, std::pair<int32_t, int32_t>> start = Konten();
  const std::array<int32_t, 4> tage = {kMontag, kDienstag, kMittwoch, kMontag + 7};
  std::vector<TPlanElement*> fehlende;
  bool bewegt = false;  // the sequence did move an account
  // A few hours to cover from the start, so that every sequence has choices to make.
  for (auto [e, tag, p] : {std::tuple<TPlanElement*, int32_t, int>{s->mue, kMontag, 1},
                           {s->mue, kMontag, 2},
                           {s->sch, kDienstag, 3},
                           {abw, kMontag + 7, 4},
                           {s->r101, kMontag, 3}}) {
    Fehlt(e, tag, p);
    fehlende.push_back(e);
  }
  auto irgendeine = [&]() -> TVertretung* {
    const int n = Schule().Vertretungen().Anzahl();
    return n ? Schule().Vertretungen().Hole(1 + wuerfel(n)) : nullptr;
  };
  for (int schritt = 0; schritt < 150; ++schritt) {
    SCOPED_TRACE("Schritt " + std::to_string(schritt));
    s->dialoge.standardAntwort = wuerfel(5) == 0 ? Modal::Nein : Modal::Ja;
    switch (wuerfel(9)) {
      case 0: {
        TPlanElement* e =
            wuerfel(3) == 0
                ? static_cast<TPlanElement*>(Schule().Raeume().Hole(1 + wuerfel(Schule().Raeume().Anzahl())))
                : Schule().Lehrer().Hole(1 + wuerfel(Schule().Lehrer().Anzahl()));
        Fehlt(e, tage[static_cast<std::size_t>(wuerfel(4))], 1 + wuerfel(6));
        fehlende.push_back(e);
        break;
      }
      case 1:
      case 2:
        if (TVertretung* r = irgendeine(); r && r->Noetig() && r->Art() == VertrArt::Lehrer) {
          const TLehrerFilter f{wuerfel(2) == 0, wuerfel(2) == 0, wuerfel(3)};
          const auto liste = TVertrVorschlag::Lehrer(*r, f, 1);
          if (!liste.empty())
            r->SetzeVertreter(
                liste[static_cast<std::size_t>(wuerfel(static_cast<int>(liste.size())))].Lehrer);
        }
        break;
      case 3:
        if (TVertretung* r = irgendeine(); r && r->Noetig() && r->Vertreter()) {
          TMenueDaten menue;
          TVertrVorschlag::BaueStattMenue(*r, menue);
          std::vector<std::function<void()>> aktionen;
          for (const auto& tag : menue.Eintraege())
            for (const auto& u : tag.Unter) aktionen.push_back(u.Aktion);
          if (!aktionen.empty())
            aktionen[static_cast<std::size_t>(wuerfel(static_cast<int>(aktionen.size())))]();
        }
        break;
      case 4:
        if (TVertretung* r = irgendeine(); r && r->Noetig()) {
          const auto liste = TVertrVorschlag::Lehrer(*r, {false, false, 2}, 0);
          for (const auto& z : liste)
            if (z.Statt) {
              TMenueDaten menue;
              r->BildeStattListe(z.Lehrer, menue);
              if (menue.Anzahl() > 0 && menue[0].Aktiv) menue[wuerfel(menue.Anzahl())].Aktion();
              break;
            }
        }
        break;
      case 5:
        if (TVertretung* r = irgendeine()) {
          if (r->Art() == VertrArt::Raum) {
            const auto raeume = TVertrVorschlag::Raeume(*r);
            if (!raeume.empty())
              r->SetzeErsatzraum(
                  raeume[static_cast<std::size_t>(wuerfel(static_cast<int>(raeume.size())))].Raum);
          } else {
            TMenueDaten menue;
            r->BaueRaumMenu(menue);
            if (menue.Anzahl() > 0) menue[wuerfel(menue.Anzahl())].Aktion();
          }
        }
        break;
      case 6:
        if (TVertretung* r = irgendeine()) wuerfel(2) ? r->LoescheVertreter() : r->LoescheErsatzraum();
        break;
      case 7:
        if (TVertretung* r = irgendeine()) r->AendereAnrechnen(wuerfel(2) == 0);
        break;
      case 8:
        if (TVertretung* r = irgendeine(); r && wuerfel(3) == 0) TVertretung::Loesche(r);
        break;
    }
    bewegt = bewegt || Konten() != start;
    // The day list's index follows every record made, deleted and re-sorted: each date's rows
    // are the records of that date in the list's order.
    if (schritt % 10 == 0 && wuerfel(2) == 0) {
      s->standard.vsa = wuerfel(4);
      SortiereVertretungen(Schule());
    }
    for (int32_t tag : tage) {
      std::vector<const TVertretung*> erwartet, gezeigt;
      for (const TVertretung* v : Schule().Vertretungen())
        if (v->Datum() == tag) erwartet.push_back(v);
      // The "Stunde" column is measured from the date's texts: every row shows one of them.
      const std::vector<std::string> stunden = VertrStundenTexte(Schule(), tag);
      for (const TVertrZeile& z : VertrZeilen(Schule(), tag)) {
        gezeigt.push_back(z.Vertretung);
        ASSERT_NE(std::find(stunden.begin(), stunden.end(), z.Text[VertrSpalte::Stunde]), stunden.end())
            << tag << " " << z.Text[VertrSpalte::Stunde];
      }
      ASSERT_EQ(gezeigt, erwartet) << tag;
    }
  }
  EXPECT_TRUE(bewegt);
  for (TPlanElement* e : fehlende)
    while (!e->Fehlzeiten().empty()) SetzeFehlzeit(*e, e->Fehlzeiten().front()->Datum(), 0);
  EXPECT_EQ(Schule().Vertretungen().Anzahl(), 0);
  EXPECT_EQ(Konten(), start);
}

INSTANTIATE_TEST_SUITE_P(Folgen, VorschlagEigenschaft, ::testing::Range(1, 25));

}  // namespace
}  // namespace kolvar
