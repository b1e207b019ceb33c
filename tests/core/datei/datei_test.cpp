#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "model/fehl.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/parliste.h"
#include "model/raum.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/uvtab.h"
#include "storage/buffer.h"
#include "storage/ifortschritt.h"
#include "storage/leser.h"
#include "storage/macdatum.h"
#include "storage/schreiber.h"
#include "storage/vertretungsablage.h"
#include "substitution/vertretung.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

using TBytes = std::vector<uint8_t>;

// Bytes assembled by hand, independent of the stream.
struct TBau {
  TBytes d;
  TBau& I(int v) {
    d.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    d.push_back(static_cast<uint8_t>(v & 0xFF));
    return *this;
  }
  TBau& L(int32_t v) {
    for (int s = 24; s >= 0; s -= 8)
      d.push_back(static_cast<uint8_t>((static_cast<uint32_t>(v) >> s) & 0xFF));
    return *this;
  }
  TBau& B(uint8_t v, int n = 1) {
    d.insert(d.end(), static_cast<std::size_t>(n), v);
    return *this;
  }
  // A string field of ASCII text.
  TBau& S(const std::string& t, int kapazitaet) {
    d.push_back(static_cast<uint8_t>(t.size()));
    d.insert(d.end(), t.begin(), t.end());
    return B(0, kapazitaet - static_cast<int>(t.size()));
  }
};

// Version word, block 1 with every week on version 1 and empty school grids.
TBau Kopf(int n) {
  TBau b;
  b.I(0xFF2D).B(1, kWochen).I(n).B(0, 28 * n);
  return b;
}

// A file with nothing in it, as the layout gives it.
TBytes LeereDatei(int n) {
  TBau b = Kopf(n);
  b.B(0, 12);         // six abbreviation counts
  b.B(0, 12);         // blocks 3 to 8
  b.I(0);             // lessons
  b.B(0, 6);          // three absence blocks
  b.I(1).I(1).I(-1);  // the fresh parallel table: one empty cell
  b.I(0);             // windows
  return b.d;
}

struct TUmfeld {
  TStandard standard;
  TFakeDialoge dialoge;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400 + 10 * 3600};
  TUmgebung Umgebung() { return {&dialoge, nullptr, &uhr}; }
};

struct TLesung {
  TUmfeld umfeld;
  TLeser leser{umfeld.standard, umfeld.Umgebung()};
  std::unique_ptr<TSchule> schule;
  explicit TLesung(const TBytes& d, int64_t jetzt = 0) {
    if (jetzt) umfeld.uhr.jetzt = jetzt;
    schule = leser.LiesDaten(d);
  }
  TBytes Schreibe() {
    TSchreiber w;
    w.SetzeFenster(leser.Fenster());
    return w.Baue(*schule);
  }
};

// The fingerprint with every course named by its place in the school's list rather than by its
// creation number, which a loaded school gives anew.
std::string Abbild(const TSchule& s) {
  std::map<std::string, std::string> platz;
  int i = 0;
  for (const TKurs* k : s.Kurse()) platz[std::to_string(k->Erstellnummer())] = "#" + std::to_string(++i);
  std::istringstream ein(Fingerabdruck(s));
  std::string zeile, aus;
  while (std::getline(ein, zeile)) {
    if (zeile.rfind("C ", 0) == 0) {
      const std::size_t ende = zeile.find(' ', 2);
      zeile = "C " + platz[zeile.substr(2, ende - 2)] + zeile.substr(ende);
    }
    const std::size_t auf = zeile.rfind(" {");
    if (auf != std::string::npos && zeile.back() == '}') {
      std::string liste = " {", nummer;
      for (std::size_t j = auf + 2; j + 1 < zeile.size(); ++j) {
        if (zeile[j] == ',') {
          liste += platz[nummer] + ",";
          nummer.clear();
        } else {
          nummer += zeile[j];
        }
      }
      zeile = zeile.substr(0, auf) + liste + "}";
    }
    aus += zeile + "\n";
  }
  return aus;
}

// The substitution records in list order: fields, placement (by lesson position and placement
// position), links (by list position); also checks the links run both ways.
std::string Vertretungsbild(const TSchule& s) {
  std::map<const TKurs*, int> kurs;
  for (const TKurs* k : s.Kurse()) kurs.emplace(k, static_cast<int>(kurs.size()) + 1);
  std::ostringstream o;
  const TListe<TVertretung>& liste = s.Vertretungen();
  for (const TVertretung* v : liste) {
    EXPECT_TRUE(v->Setzung() && v->Setzung()->Vertretungen().Position(v) > 0);
    EXPECT_TRUE(!v->Statt() || v->Statt()->VerlegtAuf() == v);
    EXPECT_TRUE(!v->VerlegtAuf() || v->VerlegtAuf()->Statt() == v);
    o << v->Datum() << ' ' << kurs[v->Kurs()] << '.' << v->Kurs()->Setzungen().Position(v->Setzung()) << ' '
      << (v->Vertreter() ? v->Vertreter()->Kuerzel() : "-") << ' '
      << (v->Ersatzraum() ? v->Ersatzraum()->Kuerzel() : "-") << ' ' << v->LehrerBem() << '|'
      << v->SchuelerBem() << ' ' << int{v->Art()} << v->Frei() << v->Noetig() << v->Anrechnen() << ' '
      << liste.Position(v->Statt()) << ' ' << liste.Position(v->VerlegtAuf()) << '\n';
  }
  return o.str();
}

// The first line where two fingerprints differ.
std::string Unterschied(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  const std::size_t anfang = a.rfind('\n', i) == std::string::npos ? 0 : a.rfind('\n', i) + 1;
  return "vorher: " + a.substr(anfang, a.find('\n', i) - anfang) +
         "\nnachher: " + b.substr(anfang, b.find('\n', i) - anfang);
}

// Equal bytes, or where they part.
::testing::AssertionResult GleicheBytes(const TBytes& eins, const TBytes& zwei) {
  if (eins == zwei) return ::testing::AssertionSuccess();
  const auto [a, b] = std::mismatch(eins.begin(), eins.end(), zwei.begin(), zwei.end());
  return ::testing::AssertionFailure()
         << "first difference at byte " << (a - eins.begin()) << " of " << eins.size() << "/" << zwei.size();
}

std::string Fehlertext(const TBytes& d) {
  TUmfeld u;
  try {
    TLeser(u.standard, u.Umgebung()).LiesDaten(d);
  } catch (const TDateiFehler& f) {
    return f.what();
  }
  return {};
}

TEST(DateiLayout, LeereSchuleHat932Plus28NBytesWieVonHand) {
  for (int n : {1, 2, 7, 54}) {
    TUmfeld u;
    u.standard.SetVersionszahl(n);
    TSchule s(u.standard, u.Umgebung());
    const TBytes datei = TSchreiber().Baue(s);
    EXPECT_EQ(datei.size(), static_cast<std::size_t>(932 + 28 * n));
    EXPECT_EQ(datei, LeereDatei(n)) << "N = " << n;
    TLesung l(datei);
    EXPECT_EQ(l.umfeld.standard.mwn(), n);
    EXPECT_EQ(l.Schreibe(), datei);
  }
}

// What the reader takes from a hand-made file, and how it writes it again.
TEST(DateiLayout, HandgemachteDateiMitLehrerKursUndSetzung) {
  const int32_t heute = kGeneratorHeute;
  TBau b = Kopf(1);
  b.I(1).S("M\x9Fl", 7);                        // one teacher
  b.I(1).S("5a", 7);                            // one class
  b.I(0).I(1).S("D", 7).I(1).S("101", 7).I(0);  // no coupling, one subject, one room, no table
  // Teacher: name, target, room 0x7FFF, one subject, locks (period 16 on Monday), occupancy, accounts, date.
  b.I(1).S("M\x9Fller", 21).I(24).I(0x7FFF).I(1).I(1).I(0x8000).B(0, 12).B(0, 14).L(3).L(-2);
  b.L(static_cast<int32_t>(uint32_t((heute + 2 - 1462) * 86400u)));  // two days ahead
  b.I(1).S("Klasse 5a", 21).I(30).I(1).I(1).I(0x7FFF).B(0, 14).B(0, 14).B(1);
  b.L(static_cast<int32_t>(uint32_t((heute - 3 - 1462) * 86400u)));
  b.I(0).I(1).S("Deutsch", 21);
  b.I(1).S("Raum", 21).B(0, 28).L(0);
  b.I(0);
  // One lesson: 4 hours, teacher 1, no coupling, subject 1, class 1 and an unknown class 9,
  // room 1, no later room, one fixed placement Tuesday period 3 in room 1.
  b.I(1).I(4).I(1).I(-1).I(1).I(2).I(1).I(9).I(1).I(1).I(0);
  b.I(1).I(1).I(3).I(2).I(1).B(2).I(0);
  b.S("Info", 21).I(2).I(1).B(0).B(0).B(1).B(0, 14).I(2).I(3).I(0xFFFF).I(0x80FF).I(0x0000);
  // Absences: teacher 1 today periods 1 and 16 (mask 0x8001), one of nobody, one too old.
  b.I(3);
  b.L(static_cast<int32_t>(uint32_t((heute - 1462) * 86400u))).I(1).I(0x8001);
  b.L(static_cast<int32_t>(uint32_t((heute - 1462) * 86400u))).I(0x7FFF).I(0x4000);
  b.L(static_cast<int32_t>(uint32_t((heute - 10 - 1462) * 86400u))).I(1).I(0x4000);
  b.I(0).I(0);
  b.I(2).I(1).I(-1).I(0);  // a 2 x 1 table of one empty cell and one index 0
  b.I(1).I(10).S("Plan M\x9Fller", 255).I(10).I(20).I(300).I(200);

  TLesung l(b.d);
  TSchule& s = *l.schule;
  ASSERT_EQ(s.Lehrer().Anzahl(), 1);
  TLehrer* mue = s.Lehrer().Hole(1);
  EXPECT_EQ(mue->Kuerzel(), "Mül");
  EXPECT_EQ(mue->Name(), "Müller");
  EXPECT_EQ(mue->Raum(), nullptr);
  EXPECT_EQ(mue->Sperrung().Tag(1, 1), 0x8000u) << "a day word is unsigned";
  EXPECT_EQ(mue->VStd1(), 3);
  EXPECT_EQ(mue->VStd2(), -2);
  EXPECT_EQ(mue->Datum(), int64_t{heute - 998} * 86400) << "a future date moves back 1000 days";
  ASSERT_EQ(s.Kurse().Anzahl(), 1);
  TKurs* k = s.Kurse().Hole(1);
  EXPECT_EQ(k->Klassen().Anzahl(), 1) << "an index outside the list is none";
  ASSERT_EQ(k->Setzungen().Anzahl(), 1);
  const TSetzung* z = k->Setzungen().Hole(1);
  EXPECT_EQ(z->Version(), 1);
  EXPECT_EQ(z->Tag(), 2);
  EXPECT_EQ(z->Stunde(), 3);
  EXPECT_TRUE(z->Fixiert());
  EXPECT_EQ(z->Raum(), s.Raeume().Hole(1));
  EXPECT_TRUE(mue->Belegung().Belegt(1, 2, 3));
  EXPECT_TRUE(s.Klassen().Hole(1)->Belegung().Belegt(1, 2, 3));
  EXPECT_EQ(k->Faktor(), 2);
  EXPECT_TRUE(k->NichtZaehlenLehrer());
  EXPECT_FALSE(k->NichtZaehlenKlassen());
  EXPECT_EQ(k->Farbe(), 0x0080FFu) << "the low bytes of the components are dropped";
  EXPECT_EQ(mue->Faecher().Anzahl(), 1);
  ASSERT_EQ(s.LehrerFehlen().Anzahl(), 1) << "absences of nobody and old ones are dropped";
  EXPECT_EQ(s.LehrerFehlen().Hole(1)->Stunden(), 0x8001u);
  EXPECT_EQ(s.ParListe().Zeilen(), 2);
  ASSERT_EQ(s.ParListe().Zellen().Anzahl(), 2);
  EXPECT_EQ(s.ParListe().Zellen().Hole(1), nullptr);
  ASSERT_EQ(l.leser.Fenster().size(), 1u);
  EXPECT_EQ(l.leser.Fenster()[0], (TFenster{10, "Plan Müller", 10, 20, 300, 200}));
  EXPECT_FALSE(s.Geaendert());
  for (const std::string& f : PruefeModell(s)) ADD_FAILURE() << f;

  // Written again: canonical markers, the occupancy from the placements, the repairs kept.
  const TBytes neu = l.Schreibe();
  TLesung zwei(neu);
  EXPECT_EQ(zwei.Schreibe(), neu);
  const std::size_t lehrer = 2 + kWochen + 2 + 28 + 6 * 2 + 4 * 8 + 2;
  EXPECT_EQ(neu[lehrer + 22 + 2], 0x7F);
  EXPECT_EQ(neu[lehrer + 22 + 3], 0xFF);
}

class DateiRundreise : public ::testing::TestWithParam<Profil> {};

// write -> read -> write gives the same bytes and the same school.
TEST_P(DateiRundreise, SchreibenLesenSchreibenGibtDieselbenBytes) {
  TUmfeld u;
  const auto s = ErzeugeSchule(u.standard, GetParam(), 3, u.Umgebung());
  ASSERT_GE(s->Vertretungen().Anzahl(), GroesseVon(GetParam()).vertretungen);
  TSchreiber w;
  w.SetzeFenster({{9, "Plan Müller", 1, 2, 640, 480}, {67, std::string(300, 'x'), 5, 5, 100, 100}});
  const TBytes eins = w.Baue(*s);

  TLesung l(eins);
  EXPECT_EQ(l.umfeld.standard.mwn(), GroesseVon(GetParam()).versionen);
  l.schule->SetzeTitel(s->Titel());
  const std::string vorher = Abbild(*s), nachher = Abbild(*l.schule);
  EXPECT_TRUE(vorher == nachher) << Unterschied(vorher, nachher);
  for (const std::string& f : PruefeModell(*l.schule)) ADD_FAILURE() << f;
  const std::string vorherV = Vertretungsbild(*s), nachherV = Vertretungsbild(*l.schule);
  EXPECT_TRUE(vorherV == nachherV) << Unterschied(vorherV, nachherV);
  ASSERT_EQ(l.leser.Fenster().size(), 2u);
  EXPECT_EQ(l.leser.Fenster()[1].Titel.size(), 255u) << "a caption is cut to 255 characters";
  EXPECT_TRUE(GleicheBytes(eins, l.Schreibe()));
}

// A plan changed at an odd second of the day saves, reads back and saves to the same bytes.
TEST(DateiRundreiseNachAenderung, AenderungsdatumPasstZurDatei) {
  TUmfeld u;
  u.uhr.jetzt += 7;
  TSchule s(u.standard, u.Umgebung());
  TLehrer* l = s.NeuerLehrer("MUE");
  TKlasse* k = s.NeueKlasse("5a");
  TRaum* r = s.NeuerRaum("R101");
  TFach* f = s.NeuesFach("De");
  l->FuegeFachHinzu(f);  // as the reader repairs it
  TKurs* kurs = s.ErzeugeKurs(l, k, nullptr, f, r, 2);
  ASSERT_NE(kurs->Setze(1, 1, r, 1), nullptr);
  const TBytes eins = TSchreiber().Baue(s);
  EXPECT_TRUE(GleicheBytes(eins, TLesung(eins, u.uhr.jetzt).Schreibe()));
}

// The stress profile takes minutes under the sanitizers; the normal build covers it.
#ifdef KOLVAR_SANITIZE
#define KOLVAR_RUNDREISE_PROFILE Profil::Klein, Profil::Typisch, Profil::Gross
#else
#define KOLVAR_RUNDREISE_PROFILE Profil::Klein, Profil::Typisch, Profil::Gross, Profil::Stress
#endif
INSTANTIATE_TEST_SUITE_P(Profile, DateiRundreise, ::testing::Values(KOLVAR_RUNDREISE_PROFILE),
                         [](const auto& info) { return std::string(ProfilName(info.param)); });

// Every cut of a file is a clean error, and nothing of it stays behind.
TEST(DateiBeschaedigt, JederAbschnittGibtEinenSauberenFehler) {
  TUmfeld u;
  const auto s = ErzeugeSchule(u.standard, Profil::Klein, 9, u.Umgebung());
  TSchreiber w;
  w.SetzeFenster({{10, "Klasse 5a", 0, 0, 10, 10}});
  const TBytes datei = w.Baue(*s);
  TStandard standard;
  standard.SetVersionszahl(3);
  standard.SetAktuelleVersion(2);
  TFesteUhr uhr(u.uhr.jetzt);
  for (std::size_t laenge = 0; laenge < datei.size(); ++laenge) {
    TLeser leser(standard, {nullptr, nullptr, &uhr});
    try {
      leser.LiesDaten(TBytes(datei.begin(), datei.begin() + static_cast<std::ptrdiff_t>(laenge)));
      ADD_FAILURE() << "read a file cut at " << laenge;
    } catch (const TDateiFehler& f) {
      EXPECT_FALSE(std::string(f.what()).empty());
    }
    ASSERT_EQ(standard.mwn(), 3) << laenge;
    ASSERT_EQ(standard.AktuelleVersion(), 2);
    ASSERT_TRUE(leser.Fenster().empty());
  }
}

TEST(DateiBeschaedigt, FalscheVersionMeldetUndLiestNichts) {
  for (auto [wort, dialog] :
       {std::pair{0xFF2E, TDialog::VersionZuAlt}, std::pair{0xFF2C, TDialog::VersionZuNeu}}) {
    TBytes d = LeereDatei(1);
    d[0] = static_cast<uint8_t>(wort >> 8);
    d[1] = static_cast<uint8_t>(wort & 0xFF);
    TUmfeld u;
    u.standard.SetVersionszahl(4);
    EXPECT_THROW(TLeser(u.standard, u.Umgebung()).LiesDaten(d), TVersionsFehler);
    EXPECT_EQ(u.dialoge.Anzahl(dialog), 1);
    EXPECT_EQ(u.standard.mwn(), 4);
  }
  EXPECT_EQ(Fehlertext({0xFF, 0x2E}), "Die Version der Daten ist zu alt!");
  EXPECT_EQ(Fehlertext({0xFF, 0x2C}), "Die Version der Daten ist zu neu!");
}

TEST(DateiBeschaedigt, UngueltigeZahlenWerdenAbgewiesen) {
  std::vector<std::pair<TBytes, const char*>> faelle;  // the file and a word of its error
  // N outside 1..54.
  for (int n : {0, 55, -1}) {
    TBytes d = LeereDatei(1);
    d[2 + kWochen] = static_cast<uint8_t>((n >> 8) & 0xFF);
    d[3 + kWochen] = static_cast<uint8_t>(n & 0xFF);
    faelle.emplace_back(d, "Planversionen");
  }
  // A record count that differs from the abbreviation block.
  TBau zaehler = Kopf(1);
  zaehler.I(1).S("ABC", 7).B(0, 10).I(2).B(0, 200);
  faelle.emplace_back(zaehler.d, "Kürzel");
  // More records than bytes left.
  faelle.emplace_back(Kopf(1).I(0x7FFF).d, "passen nicht");
  // A placement on day 8 and one twice in a slot.
  for (int tag : {8, 2}) {
    TBau b = Kopf(1);
    b.B(0, 12).B(0, 12);
    b.I(1).I(2).I(-1).I(-1).I(-1).I(0).I(0).I(0);
    b.I(2).I(-1).I(1).I(2).I(1).B(0).I(0).I(-1).I(1).I(tag).I(1).B(0).I(0);
    b.S("", 21).I(1).I(0).B(0, 3).B(0, 14).I(1).I(1).B(0, 6);
    b.B(0, 6).I(1).I(1).I(-1).I(0);
    faelle.emplace_back(b.d, "Setzung");
  }
  // A parallel table larger than the file.
  TBytes gross = LeereDatei(1);
  gross.resize(gross.size() - 8);
  for (uint8_t byte : {0x00, 0xC8, 0x00, 0xC8}) gross.push_back(byte);
  faelle.emplace_back(gross, "Parallelkopplungen");

  for (std::size_t i = 0; i < faelle.size(); ++i)
    EXPECT_NE(Fehlertext(faelle[i].first).find(faelle[i].second), std::string::npos)
        << i << " " << faelle[i].second;
}

TEST(DateiLesen, WochenAusserhalbDerVersionenUndHeutigeVersion) {
  TBytes d = LeereDatei(3);
  // Today's week: index ((today - 34330) div 7) mod 888.
  const std::size_t woche = static_cast<std::size_t>(((kGeneratorHeute - 34330) / 7) % 888);
  d[2 + woche] = 3;
  d[2] = 0;
  d[3] = 9;
  TLesung l(d);
  EXPECT_EQ(l.schule->WochenVersion(1), 1);
  EXPECT_EQ(l.schule->WochenVersion(2), 1);
  EXPECT_EQ(l.schule->WochenVersion(static_cast<int>(woche) + 1), 3);
  EXPECT_EQ(l.umfeld.standard.AktuelleVersion(), 3);
}

// A placed hour outside the days and periods the plans show widens them; nothing narrows them.
TEST(DateiLesen, SetzungenAusserhalbDerPlaeneErweiternTageUndStunden) {
  struct TFall {
    int tag, stunde, mtnVorher, pstVorher, mtn, pst;
  };
  for (const TFall& f : {TFall{3, 8, 5, 6, 5, 8}, TFall{6, 2, 5, 6, 6, 6}, TFall{7, 16, 5, 6, 7, 16},
                         TFall{2, 4, 7, 10, 7, 10}, TFall{5, 6, 5, 6, 5, 6}}) {
    const auto k = BaueKleineSchule();
    k->deutsch5a->NeueSetzung(1, f.tag, f.stunde, nullptr, false);
    const TBytes d = TSchreiber().Baue(*k->schule);
    TUmfeld u;
    u.standard.mtn = f.mtnVorher;
    u.standard.pst = f.pstVorher;
    TLeser(u.standard, u.Umgebung()).LiesDaten(d);
    EXPECT_EQ(u.standard.mtn, f.mtn) << f.tag << "/" << f.stunde;
    EXPECT_EQ(u.standard.pst, f.pst) << f.tag << "/" << f.stunde;
  }
}

// Links from a file are taken only when consistent; old records go with their follow-ups.
TEST(DateiVertretungen, VerknuepfungenUndVeraltete) {
  TVertretungsAblage a;
  auto satz = [&](int nummer, int verlegt, int statt, int32_t tag) {
    TVertretungsSatz v;
    v.Nummer = nummer, v.VerlegtAufNr = verlegt, v.StattNr = statt, v.Datum = int64_t{tag} * 86400;
    a.Saetze().push_back(v);
  };
  const int32_t heute = 50000;
  satz(1, 0, 2, heute);        // 0: statt 2, mutual
  satz(2, 1, 0, heute);        // 1
  satz(3, 4, 4, heute);        // 2: a cycle with 3
  satz(4, 3, 3, heute);        // 3
  satz(5, 0, 6, heute);        // 4: statt 6, but 6 says verlegt auf 7
  satz(6, 7, 0, heute);        // 5
  satz(7, 0, 6, heute);        // 6: claims 6 too, mutual: wins
  satz(8, 0, 8, heute);        // 7: itself
  satz(9, 0, 10, heute - 10);  // 8: old, owns 9
  satz(10, 9, 0, heute);       // 9
  satz(11, 0, 0, heute - 9);   // 10: kept
  a.Verknuepfe();
  const auto& s = a.Saetze();
  EXPECT_EQ(s[0].Statt, 1);
  EXPECT_EQ(s[1].VerlegtAuf, 0);
  EXPECT_EQ((s[2].Statt >= 0) + (s[3].Statt >= 0), 1) << "one link of the cycle stays, never both";
  EXPECT_EQ(s[4].Statt, -1);
  EXPECT_EQ(s[6].Statt, 5);
  EXPECT_EQ(s[7].Statt, -1);
  EXPECT_TRUE(a.Stimmig());
  a.EntferneVeraltete(heute, 10);
  EXPECT_EQ(a.Saetze().size(), 9u);
  EXPECT_TRUE(a.Stimmig());
  EXPECT_EQ(a.Saetze().back().Nummer, 11);
}

// Reading takes the records' order from the file's numbers only where that is the order the sort
// gives: with any guess, good or bad, the school's list is the sorted one.
TEST(DateiVertretungen, VermuteteReihenfolgeNurWennSieStimmt) {
  TStandard st;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400};
  const auto schule = ErzeugeSchule(st, Profil::Typisch, 2, {nullptr, nullptr, &uhr});
  std::vector<TVertretung*> roh;  // in their lessons' order, as the reader finds them
  for (const TKurs* k : schule->Kurse())
    for (const TSetzung* z : k->Setzungen())
      for (TVertretung* v : z->Vertretungen()) roh.push_back(v);
  ASSERT_GT(roh.size(), 100u);
  for (int vsa = 0; vsa < 4; ++vsa) {
    SCOPED_TRACE("vsa " + std::to_string(vsa));
    std::vector<TVertretung*> erwartet = roh;
    SortiereVertretungsliste(erwartet, vsa);
    std::map<const TVertretung*, std::size_t> platz;
    for (std::size_t i = 0; i < roh.size(); ++i) platz[roh[i]] = i;
    std::vector<std::size_t> richtig;
    for (const TVertretung* v : erwartet) richtig.push_back(platz[v]);
    // Two neighbours the order ranks alike (sorting them the other way round keeps them so),
    // swapped: still in order, but no longer stable.
    std::vector<std::size_t> gleichVertauscht = richtig;
    for (std::size_t i = 0; i + 1 < erwartet.size(); ++i) {
      std::vector<TVertretung*> paar = {erwartet[i + 1], erwartet[i]};
      SortiereVertretungsliste(paar, vsa);
      if (paar.front() != erwartet[i + 1]) continue;
      std::swap(gleichVertauscht[i], gleichVertauscht[i + 1]);
      break;
    }
    std::vector<std::size_t> umgekehrt(richtig.rbegin(), richtig.rend());
    std::vector<std::size_t> doppelt = richtig;
    doppelt[1] = doppelt[0];
    std::vector<std::size_t> ausserhalb = richtig;
    ausserhalb.back() = roh.size();
    std::vector<std::size_t> kurz(richtig.begin(), richtig.end() - 1);
    std::vector<std::size_t> dateiFolge(roh.size());
    std::iota(dateiFolge.begin(), dateiFolge.end(), std::size_t{0});
    for (const auto& vermutung :
         {richtig, gleichVertauscht, umgekehrt, doppelt, ausserhalb, kurz, dateiFolge}) {
      std::vector<TVertretung*> liste = roh;
      SortiereVertretungsliste(liste, vsa, vermutung);
      EXPECT_TRUE(liste == erwartet);
    }
  }
}

// Beyond 32767 records only the linked ones get numbers; the links survive.
TEST(DateiVertretungen, MehrAls32767Vertretungen) {
  std::vector<char> verknuepft(32767, 0);
  const std::vector<int> passt = VertretungsNummern(verknuepft);
  EXPECT_EQ(passt.front(), 1);
  EXPECT_EQ(passt.back(), 32767);
  verknuepft.resize(40000, 0);
  verknuepft[0] = verknuepft[10] = verknuepft[39990] = 1;
  const std::vector<int> n = VertretungsNummern(verknuepft);
  EXPECT_EQ(n[0], 1);
  EXPECT_EQ(n[10], 2);
  EXPECT_EQ(n[39990], 3);
  EXPECT_EQ(n[5], 0);
  EXPECT_THROW(VertretungsNummern(std::vector<char>(40000, 1)), TDateiFehler);
}

TEST(DateiSpeichern, FehlschlagLaesstAlteDateiUndGeaendertStehen) {
  const auto ordner = std::filesystem::temp_directory_path() / ("kolvar_datei_" + std::to_string(::getpid()));
  std::filesystem::create_directories(ordner);
  TUmfeld u;
  auto s = ErzeugeSchule(u.standard, Profil::Klein, 1, u.Umgebung());
  const auto datei = ordner / "schule.kv";
  TSchreiber().SchreibeDatei(*s, datei);
  EXPECT_EQ(s->Titel(), "schule.kv");
  EXPECT_EQ(s->Pfad(), std::filesystem::absolute(datei).string());
  EXPECT_FALSE(s->Geaendert());
  const TBytes alt = TBuffer::Oeffne(datei).Daten();

  s->SetzeTitel("Anders");
  s->SetzeGeaendert(true);
  std::filesystem::permissions(ordner,
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const bool schreibgeschuetzt = ::access(ordner.c_str(), W_OK) != 0;  // root writes anyway
  if (schreibgeschuetzt) {
    EXPECT_THROW(TSchreiber().SchreibeDatei(*s, datei), TDateiFehler);
    EXPECT_TRUE(s->Geaendert());
    EXPECT_EQ(s->Titel(), "Anders");
    EXPECT_EQ(TBuffer::Oeffne(datei).Daten(), alt);
  }
  std::filesystem::permissions(ordner, std::filesystem::perms::owner_all);
  EXPECT_THROW(TSchreiber().SchreibeDatei(*s, ordner / "fehlt" / "x.kv"), TDateiFehler);
  EXPECT_TRUE(s->Geaendert());

  // Reading the saved file gives the school its file; a damaged one leaves nothing behind.
  TStandard st;
  TLeser leser(st, u.Umgebung());
  auto neu = leser.LiesDatei(datei);
  EXPECT_EQ(neu->Titel(), "schule.kv");
  EXPECT_EQ(neu->Pfad(), s->Pfad());
  EXPECT_FALSE(neu->Geaendert());
  std::filesystem::remove_all(ordner);
}

class TFortschrittProtokoll : public IFortschritt {
 public:
  void Datei(const std::string& name, std::size_t bytes) override { datei = name, groesse = bytes; }
  void Status(const std::string& text) override { status.push_back(text); }
  void Position(std::size_t bytes) override { positionen.push_back(bytes); }
  bool Abgebrochen() const override { return abbrechen && positionen.size() > 3; }
  std::string datei;
  std::size_t groesse = 0;
  std::vector<std::string> status;
  std::vector<std::size_t> positionen;
  bool abbrechen = false;
};

TEST(DateiFortschritt, StatusPositionUndAbbruch) {
  TUmfeld u;
  auto s = ErzeugeSchule(u.standard, Profil::Typisch, 2, u.Umgebung());
  TFortschrittProtokoll schreiben;
  const TBytes d = TSchreiber(&schreiben).Baue(*s);
  ASSERT_GE(schreiben.status.size(), 8u);
  EXPECT_EQ(schreiben.status[0], "Kürzel" + std::string(20, ' '));
  EXPECT_EQ(schreiben.status[1], "Lehrerdaten" + std::string(20, ' '));
  EXPECT_EQ(schreiben.status[7].substr(0, 14), "\rKurse Klasse ");

  TFortschrittProtokoll lesen;
  TStandard st;
  TLeser(st, u.Umgebung(), &lesen).LiesDaten(d);
  EXPECT_GT(lesen.positionen.size(), 10u);
  EXPECT_TRUE(std::is_sorted(lesen.positionen.begin(), lesen.positionen.end()));
  EXPECT_LE(lesen.positionen.back(), d.size());

  TFortschrittProtokoll abbruch;
  abbruch.abbrechen = true;
  st.SetVersionszahl(5);
  EXPECT_THROW(TLeser(st, u.Umgebung(), &abbruch).LiesDaten(d), TDateiFehler);
  EXPECT_EQ(st.mwn(), 5);
}

// The fuzz target's seeds (and the inputs it once failed on): each reads, and what was read
// writes the same bytes after another round.
TEST(DateiKorpus, JedeSaatLiestUndBleibtBeimZweitenSchreibenGleich) {
  const auto ordner = std::filesystem::path(KOLVAR_QUELLEN) / "fuzz" / "korpus";
  int dateien = 0;
  for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
    ++dateien;
    const int64_t jetzt = int64_t{45000} * 86400 + 10 * 3600;
    const TBytes eins = TLesung(TBuffer::Oeffne(eintrag.path()).Daten(), jetzt).Schreibe();
    EXPECT_TRUE(GleicheBytes(eins, TLesung(eins, jetzt).Schreibe())) << eintrag.path().filename();
  }
  EXPECT_GE(dateien, 4);
}

TEST(DateiLesen, AenderungsdatumUndFehlzeitenAmRand) {
  const int32_t heute = kGeneratorHeute;
  const int64_t jetzt = int64_t{heute} * 86400 + 10 * 3600;
  auto datei = [&](int64_t lehrerDatum, int32_t fehlTag) {
    TBau b = Kopf(1);
    b.I(1).S("ABC", 7).B(0, 10);
    b.I(1).S("", 21).I(24).I(0x7FFF).I(0).B(0, 28).L(0).L(0).L(
        static_cast<int32_t>(uint32_t(lehrerDatum - 1462 * 86400)));
    b.B(0, 10).I(0);
    b.I(1).L(static_cast<int32_t>(uint32_t(fehlTag - 1462) * 86400u)).I(1).I(0x8000);
    b.I(0).I(0).I(1).I(1).I(-1).I(0);
    return b.d;
  };
  // Stamped a moment ago, read back a few minutes ahead by the rounding: not in the future.
  auto gerundet = [](int64_t t) { return MacZeitZuDatum(DatumZuMacZeit(t)); };
  ASSERT_GT(gerundet(jetzt), jetzt);
  TLesung eben(datei(jetzt, heute - 9));
  EXPECT_EQ(eben.schule->Lehrer().Hole(1)->Datum(), gerundet(jetzt));
  ASSERT_EQ(eben.schule->LehrerFehlen().Anzahl(), 1) << "nine days back is kept with vtm 10";
  EXPECT_EQ(eben.schule->LehrerFehlen().Hole(1)->Stunden(), 0x8000u);
  TLesung morgen(datei(jetzt + 86400, heute - 10));
  EXPECT_EQ(morgen.schule->Lehrer().Hole(1)->Datum(), gerundet(jetzt + 86400) - int64_t{1000} * 86400);
  // Far ahead: back by thousands of days until it lies in the past, so a second load keeps it.
  TLesung weit(datei(jetzt + int64_t{2500} * 86400, heute));
  EXPECT_EQ(weit.schule->Lehrer().Hole(1)->Datum(),
            gerundet(jetzt + int64_t{2500} * 86400) - int64_t{3000} * 86400);
  EXPECT_EQ(morgen.schule->LehrerFehlen().Anzahl(), 0) << "ten days back is dropped";
}

// A file with every block filled, assembled by hand from the layout: the reader takes each field
// where the layout puts it, and the writer gives back exactly these bytes.
TEST(DateiLayout, JederBlockVonHandGelesenUndGenauSoGeschrieben) {
  const int32_t heute = kGeneratorHeute;
  auto datum = [](int32_t tag) { return static_cast<int32_t>(uint32_t(tag - 1462) * 86400u); };
  auto raster = [](TBau& b, std::initializer_list<std::pair<int, int>> worte) {
    std::vector<int> w(14, 0);  // N = 2: versions 1 and 2, days 1..7
    for (auto [stelle, wort] : worte) w[static_cast<std::size_t>(stelle)] = wort;
    for (int x : w) b.I(x);
  };
  const std::size_t woche = static_cast<std::size_t>(((heute - 34330) / 7) % 888);
  TBau b;
  b.I(0xFF2D);
  for (std::size_t k = 0; k < kWochen; ++k) b.B(k == woche ? 2 : 1);
  b.I(2);
  raster(b, {{0, 0x0040}});
  raster(b, {{7 + 6, 0xFFFF}});
  b.I(1).S("MUE", 7).I(1).S("5a", 7).I(1).S("SPO", 7).I(1).S("D", 7).I(2).S("R1", 7).S("R2", 7).I(1).S("UV1",
                                                                                                       7);
  // Teacher: room R1, subject D, locked Monday period 1 in version 1, placed Tuesday period 3
  // (version 1) and Monday period 1 (version 2).
  b.I(1).S("Mueller", 21).I(24).I(22).I(1).I(1).I(1);
  raster(b, {{0, 0x0001}});
  raster(b, {{1, 0x0004}, {7, 0x0001}});
  b.L(5).L(-3).L(datum(heute - 5));
  b.I(1).S("Klasse 5a", 21).I(30).I(31).I(2).I(1).I(0x7FFF);
  raster(b, {});
  raster(b, {{1, 0x0004}, {7, 0x0001}});
  b.B(1).L(datum(heute - 6));
  b.I(1).S("Sport", 21);
  b.I(1).S("Deutsch", 21);
  b.I(2).S("Raum 1", 21);
  raster(b, {});
  raster(b, {{1, 0x0004}});
  b.L(datum(heute - 7)).S("Raum 2", 21);
  raster(b, {});
  raster(b, {{7, 0x0001}});
  b.L(datum(heute - 7));
  b.I(1).B(0).S("Verteilung", 21).I(1).I(1).I(1).I(1);
  // The lesson: 3 hours (2 in version 2), teacher, coupling, subject, class 5a, rooms R1 and R2,
  // R2 added later; a fixed hour with two linked substitutions and an hour in version 2.
  b.I(1).I(3).I(1).I(1).I(1).I(1).I(1).I(2).I(1).I(2).I(1).I(2).I(2).I(2);
  b.I(1).I(3).I(2).I(1).B(1).I(2);
  b.L(datum(heute + 1)).I(-1).I(1).S("statt", 61).S("", 61).B(0).B(0).B(1).B(1).I(1).I(0).I(2);
  b.L(datum(heute + 1)).I(-1).I(-1).S("", 61).S("frei", 61).B(4).B(1).B(0).B(0).I(2).I(1).I(0);
  b.I(2).I(1).I(1).I(2).B(0).I(0);
  b.S("LK", 21).I(2).I(1).B(0).B(1).B(0);
  raster(b, {{7 + 4, 0x0300}});
  b.I(2).I(3).I(0x1200).I(0x3400).I(0x5600);
  b.I(1).L(datum(heute)).I(1).I(0xFFC0);
  b.I(1).L(datum(heute - 9)).I(1).I(0x8000);
  b.I(1).L(datum(heute + 3)).I(2).I(0x0001);
  b.I(2).I(2).I(1).I(-1).I(-1).I(1);
  b.I(1).I(9).S("Plan MUE", 255).I(10).I(20).I(640).I(480);

  TLesung l(b.d);
  const TSchule& s = *l.schule;
  EXPECT_EQ(l.umfeld.standard.mwn(), 2);
  EXPECT_EQ(l.umfeld.standard.AktuelleVersion(), 2) << "today's week is on version 2";
  EXPECT_EQ(s.SchulRaster2().Tag(2, 7), 0xFFFFu);
  const TLehrer* mue = s.Lehrer().Hole(1);
  EXPECT_EQ(mue->Soll(2), 22);
  EXPECT_EQ(mue->Raum(), s.Raeume().Hole(1));
  const TKlasse* k5a = s.Klassen().Hole(1);
  EXPECT_EQ(k5a->Raum(), s.Raeume().Hole(2));
  EXPECT_EQ(k5a->Lehrer1(), mue);
  EXPECT_EQ(k5a->Lehrer2(), nullptr);
  EXPECT_TRUE(k5a->Einzeln());
  const TUVTab* uv = s.UVTabellen().Hole(1);
  EXPECT_EQ(uv->Ausrichtung(), 0);
  EXPECT_EQ(uv->Lehrer().Anzahl(), 1) << "an LK table's rows are teachers";
  EXPECT_EQ(uv->Faecher().Anzahl(), 0);
  const TKurs* k = s.Kurse().Hole(1);
  EXPECT_EQ(k->Kopplung(), s.Kopplungen().Hole(1));
  EXPECT_EQ(k->Stunden(1), 3);
  EXPECT_EQ(k->Stunden(2), 2);
  EXPECT_EQ(k->Raeume().Anzahl(), 2);
  EXPECT_EQ(k->SpaeterRaeume().Hole(1), s.Raeume().Hole(2));
  EXPECT_EQ(k->Info(), "LK");
  EXPECT_EQ(k->Einzelstunden(), 1);
  EXPECT_TRUE(k->NichtZaehlenKlassen());
  EXPECT_EQ(k->StundenProTag(), 2);
  EXPECT_EQ(k->Tabelle(), 3);
  EXPECT_EQ(k->Farbe(), 0x563412u);
  EXPECT_TRUE(k->Sperrung().Belegt(2, 5, 9));
  ASSERT_EQ(k->Setzungen().Anzahl(), 2);
  const TSetzung* z = k->Setzungen().Hole(1);
  EXPECT_TRUE(z->Fixiert());
  ASSERT_EQ(s.Vertretungen().Anzahl(), 2);
  const TVertretung* r = s.Vertretungen().Hole(1);
  const TVertretung* f = s.Vertretungen().Hole(2);
  EXPECT_EQ(r->Statt(), f);
  EXPECT_EQ(f->VerlegtAuf(), r);
  EXPECT_EQ(r->Setzung(), z);
  EXPECT_EQ(z->Vertretungen().Anzahl(), 2);
  EXPECT_EQ(r->Datum(), heute + 1);
  EXPECT_EQ(r->Ersatzraum(), s.Raeume().Hole(1));
  EXPECT_EQ(r->LehrerBem(), "statt");
  EXPECT_EQ(f->Art(), 4);
  EXPECT_TRUE(f->Frei());
  EXPECT_FALSE(f->Noetig());
  EXPECT_EQ(s.LehrerFehlen().Hole(1)->Stunden(), 0xFFC0u);
  EXPECT_EQ(s.KlassenFehlen().Anzahl(), 1);
  EXPECT_EQ(s.RaumFehlen().Hole(1)->Element(), s.Raeume().Hole(2));
  ASSERT_EQ(s.ParListe().Zellen().Anzahl(), 4);
  EXPECT_EQ(s.ParListe().Zelle(2, 2), s.Kopplungen().Hole(1));
  EXPECT_EQ(s.ParListe().Zelle(1, 2), nullptr);
  for (const std::string& fehler : PruefeModell(s)) ADD_FAILURE() << fehler;

  EXPECT_TRUE(GleicheBytes(b.d, l.Schreibe()));
}

}  // namespace
}  // namespace kolvar
