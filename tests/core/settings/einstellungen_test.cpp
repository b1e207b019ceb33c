// Defaults, save-then-load and damaged values of the settings store.

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <set>
#include <sstream>

#include "model/einstellungsbinder.h"
#include "model/einstellungsformen.h"
#include "model/standard.h"
#include "storage/einstellungenimspeicher.h"
#include "support/fakes.h"

namespace kolvar {
namespace {

using TWerte = std::map<TEinstellungenImSpeicher::TSchluessel, std::string>;

TEinstellungenImSpeicher Gespeichert(const TStandard& s) {
  TEinstellungenImSpeicher speicher;
  EXPECT_TRUE(s.SpeichereEinstellungen(speicher));
  return speicher;
}

// The settings loaded from a store that holds only these values.
TStandard Geladen(std::initializer_list<std::array<const char*, 3>> werte) {
  TEinstellungenImSpeicher speicher;
  for (const auto& w : werte) speicher.Schreibe(w[0], w[1], w[2]);
  TStandard s;
  s.LadeEinstellungen(speicher);
  return s;
}

// "name=text name=text ..." of one section.
void Erwarte(TWerte& werte, const std::string& abschnitt, const std::string& liste) {
  std::istringstream in(liste);
  std::string paar;
  while (in >> paar) {
    const auto gleich = paar.find('=');
    werte[{abschnitt, paar.substr(0, gleich)}] = paar.substr(gleich + 1);
  }
}

// The plan printouts share one block under their prefix.
std::string PlanDruck(const std::string& x, const std::string& elemente, bool kopplung) {
  std::string s = x + "fn=Arial " + x + "fs=8 " + x + "vt=1 " + x + "vs=1 " + x + "bt=5 " + x + "bs=9 " + x +
                  "li=0 " + x + "bm=Bemerkung " + x + "sp=1 " + x + "fe=0 " + x + "al=1 " + x + "da=1 " + x +
                  "rl=1 " + x + "rr=0 " + x + "ro=1 " + x + "ru=0 " + x + "ad=01.01.94 " + x +
                  "at=00:00:00 " + x + "co=0 ";
  if (kopplung) return s + x + "mk=1";
  for (std::size_t i = 0; i < elemente.size(); i += 2) s += x + elemente.substr(i, 2) + "=1 ";
  return s + x + "ne=0 " + x + "ko=0 " + x + "st=1 d1s=0";
}

std::string Uebersicht(const std::string& x, const std::string& elemente, bool kopplung) {
  std::string s = x + "fn=Arial " + x + "fs=8 " + x + "vt=1 " + x + "vs=1 " + x + "bt=5 " + x + "bs=9 " + x +
                  "bm=Bemerkung " + x + "sp=1 " + x + "fe=0 " + x + "rl=1 " + x + "rr=0 " + x + "ro=1 " + x +
                  "ru=0 " + x + "co=0 " + x + "un=0 ";
  if (kopplung) return s + x + "da=1";
  for (std::size_t i = 0; i < elemente.size(); i += 2) s += x + elemente.substr(i, 2) + "=1 ";
  return s + x + "ko=0 " + x + "st=1";
}

// Every value of a first start, in the text the store holds.
TWerte StandardWerte() {
  TWerte w;
  Erwarte(w, "Urbo0",
          "eaw=1 pal=0 pat=0 pas=0 for=1 spg=$Mo$Di$Mi$Do$Fr$Sa$So$ "
          "spn=$Montag$Dienstag$Mittwoch$Donnerstag$Freitag$Samstag$Sonntag$ "
          "wks=41595F5149576741374F693F77312F594F494957 cfa=" +
              std::string(96, 'F'));
  for (int v = 1; v <= 54; ++v)
    w[{"Urbo0", "sp" + std::to_string(v)}] = "$ 1$ 2$ 3$ 4$ 5$ 6$ 7$ 8$ 9$10$11$12$13$14$15$16$";
  for (const char* n : {"opf", "ipf", "hpf"}) w[{"Urbo0", n}] = "";
  Erwarte(w, "Urbo1", "dvs=1 vkm=2 nkm=1 mwn=1 mtn=7 vtm=10 spz=0 efa=16777215 hga=1");
  Erwarte(w, "Urbo2",
          "pst=6 neb=1 mra=1 pkf=1 pfn=Arial pfs=8 plb=40 pkb=40 pob=40 pfb=40 prb=40 ptb=40 psb=40 pwb=40 "
          "pma=0 pzk=1");
  Erwarte(w, "Urbo3",
          "dfn=Arial dfs=8 dlb=40 dkb=40 dob=40 dfb=40 drb=40 dwb=40 dsb=40 mns=1 mki=0 mzi=0 mst=0 "
          "dvo=01.01.94 dbi=01.01.94");
  Erwarte(w, "Urbo4", "gds=" + std::string(28, '0') + " les=24 kls=30");
  Erwarte(
      w, "Urbo5",
      "kus=" + std::string(28, '0') + " kst=3 spt=1 ezs=3 tbn=1 fkt=1 nvp=0 nzl=0 nzk=0 kfa=16777215 nks=1");
  Erwarte(w, "Urbo6", "plr=0 plm=1 plf=1");
  Erwarte(w, "Urbo7",
          "T101=-7$-4$-1$-10$-13$-16$-37$ T102=25$22$19$28$31$34$38$ T106=20$35$32$23$26$29$42$ "
          "T107=-43$-44$-45$-46$-47$-48$-49$ T116=106$107$108$109$110$111$112$ "
          "T201=-1$-7$-13$-19$-25$-31$-37$ T206=-6$-12$-18$-24$-30$-36$-42$ T301=-1$-2$-3$-4$-5$-6$-7$ "
          "T302=8$9$10$11$12$13$14$ T401=1$2$3$4$5$6$7$ T409=-57$-58$-59$-60$-61$-62$-63$ "
          "T410=64$65$66$67$68$69$70$ "
          "ast=1000 apr=100 ara=1 aei=1");
  Erwarte(w, "Urbo8", "pze=10 psp=3 pue=0 pmf=0");
  Erwarte(w, "Urbo9", "kfn=Arial kfs=8 kle=1 kkl=1 kko=1 kfa=1 kra=1 kuv=1 ran=1");
  Erwarte(w, "Urbo10", "K1=3401020304050607 K7=3031323334010203 K111=2D2E2F3031323334");
  for (int g = 1; g <= 111; ++g) w[{"Urbo10", "F" + std::to_string(g)}] = std::string(16, '0');
  Erwarte(w, "Urbo11", "vku=5 vap=1");
  Erwarte(w, "Urbo12", "dfn=Arial dfs=8 dda=0 dkl=0 drl=0 d1s=0 dzu=0 dra=1 dco=0");
  Erwarte(w, "Urbo13", PlanDruck("l", "klfara", false));
  Erwarte(w, "Urbo14", PlanDruck("k", "lefara", false));
  Erwarte(w, "Urbo15", PlanDruck("r", "klfale", false));
  Erwarte(w, "Urbo16", PlanDruck("o", "", true));
  Erwarte(w, "Urbo17", Uebersicht("lu", "klfara", false));
  Erwarte(w, "Urbo18", Uebersicht("ku", "lefara", false));
  Erwarte(w, "Urbo19", Uebersicht("ru", "klfale", false));
  Erwarte(w, "Urbo20", Uebersicht("ou", "", true));
  Erwarte(w, "Urbo21", "fkfn=Arial fkfs=8 fksp=1 fkfe=0 fkrd=1");
  Erwarte(w, "Urbo22", "kkfn=Arial kkfs=8 kksp=1 kkrd=1");
  Erwarte(w, "Urbo23", "rfn=Arial rfs=8 rda=0 rra=1");
  Erwarte(w, "Urbo24", "svfn=Arial svfs=8 svda=0 svsr=0 svsg=0 svfa=0 svra=1");
  Erwarte(w, "Urbo25", "uvfn=Arial uvfs=8 uvft=0 uvra=1 uvco=0");
  Erwarte(w, "Urbo26", "fefn=Arial fefs=8 fera=1");
  Erwarte(w, "Urbo27", "pfn=Arial pfs=8 pml=0 pmf=0 pmk=0 pra=1");
  Erwarte(w, "Urbo28", "vsa=0 vla=2 vll=10 vlt=50 vrl=10 vrt=50 vle=100 vto=50 vva=1 vpl=0 vfc=1 vrc=1");
  Erwarte(w, "Urbo29",
          "vfn=Arial vfs=8 vra=1 sfn=Arial sfs=8 sra=1 vmc=0 vmd=0 vme=0 vmf=0 vmg=0 vmh=0 vmi=0 vmj=0 vmk=0 "
          "vml=0");
  for (int i = 1; i <= 4; ++i) {
    const std::string n = std::to_string(i);
    Erwarte(w, "Urbo29",
            "vc" + n + "=1 vdv" + n + "=1 vvs" + n + "=0 vde" + n + "=1 ves" + n + "=0 vmk" + n + "=1 vmd" +
                n + "=1 vma" + n + "=1 vfl" + n + "=1 vfk" + n + "=1 vfr" + n + "=1 vlb" + n + "=0 vba" + n +
                "=0");
  }
  Erwarte(w, "Urbo30", "fufn=Arial fufs=8 fubm= fuku=1 funa=1 fukl=1 fura=1 fuko=0 fust=1 fuda=1 furd=1");
  Erwarte(w, "Urbo31", "vufn=Arial vufs=8 vura=1");
  for (int i = 1; i <= 12; ++i) w[{"Urbo32", "bem" + std::to_string(i)}] = "Bemerkung" + std::to_string(i);
  Erwarte(w, "Urbo33", "kmpm=0 kmpb=0");
  Erwarte(w, "Urbo34", "hin=14020808 tab=9829872 ueb=14869218");
  // Every printout's font also keeps its style bits and colour beside its name.
  const TWerte bisher = w;
  for (const auto& [schluessel, text] : bisher) {
    const auto& [abschnitt, name] = schluessel;
    if (abschnitt == "Urbo2" || abschnitt == "Urbo3" || name.size() < 3 || !name.ends_with("fn")) continue;
    const std::string stamm = name.substr(0, name.size() - 1);
    w[{abschnitt, stamm + "st"}] = "0";
    w[{abschnitt, stamm + "fa"}] = "0";
  }
  return w;
}

// A first start (empty store) gives every default, under exactly these names and no others.
TEST(Einstellungen, ErsterStartGibtJedenStandardwert) {
  TStandard s;
  s.LadeEinstellungen(TEinstellungenImSpeicher());
  const TWerte gespeichert = Gespeichert(s).Werte();
  const TWerte erwartet = StandardWerte();
  for (const auto& [schluessel, text] : erwartet) {
    const auto it = gespeichert.find(schluessel);
    ASSERT_NE(it, gespeichert.end()) << schluessel.first << "/" << schluessel.second;
    EXPECT_EQ(it->second, text) << schluessel.first << "/" << schluessel.second;
  }
  // Names not listed above: the slot-table rows and calendar groups checked by sample.
  std::set<std::string> abschnitte;
  int tabellenZeilen = 0, kalender = 0;
  for (const auto& [schluessel, text] : gespeichert) {
    abschnitte.insert(schluessel.first);
    if (erwartet.count(schluessel)) continue;
    if (schluessel.first == "Urbo7" && schluessel.second[0] == 'T')
      ++tabellenZeilen;
    else if (schluessel.first == "Urbo10" && schluessel.second[0] == 'K')
      ++kalender;
    else
      ADD_FAILURE() << "unexpected value " << schluessel.first << "/" << schluessel.second;
  }
  EXPECT_EQ(tabellenZeilen + 12, 64);
  EXPECT_EQ(kalender + 3, 111);
  EXPECT_EQ(abschnitte.size(), 35u);
  EXPECT_EQ(s.AktuelleVersion(), 1);
  EXPECT_EQ(s.AutomatikTabellen, TStandard::StandardTabellen());
}

// Default slot tables: each a permutation; periods 7-9 linked (-c), 10-16 +c; the shape of
// tables 2 to 4 in periods 1-6.
TEST(Einstellungen, StandardTabellen) {
  const auto& t = TStandard::StandardTabellen();
  EXPECT_TRUE(TStandard::AutomatikTabellenGueltig(t));
  for (int p = 7; p <= 16; ++p)
    for (int d = 1; d <= 7; ++d) {
      const int c = (p - 1) * 7 + d;
      for (const auto& tabelle : t) EXPECT_EQ(tabelle[static_cast<std::size_t>(c - 1)], p <= 9 ? -c : c);
    }
  TStandard s;
  for (int p = 1; p <= 6; ++p)
    for (int d = 1; d <= 7; ++d) {
      const int c = (p - 1) * 7 + d;
      EXPECT_EQ(s.AutomatikZelle(2, d, p), -((d - 1) * 6 + p));
      EXPECT_EQ(s.AutomatikZelle(3, d, p), p % 2 ? -c : c);
      EXPECT_EQ(s.AutomatikZelle(4, d, p), c);
      EXPECT_LE(std::abs(s.AutomatikZelle(1, d, p)), 42);
    }
  EXPECT_EQ(s.AutomatikZelle(0, 1, 1), 0);
  EXPECT_EQ(s.AutomatikZelle(1, 8, 1), 0);
  EXPECT_EQ(s.AutomatikZelle(1, 1, 17), 0);
}

// Moves every plain value off its default, within its range.
class TVerstellen : public TEinstellungsBinder {
 public:
  void Zahl(const std::string&, const std::string&, int& wert, int min, int max) override {
    wert = wert != max ? max : min;
  }
  void Schalter(const std::string&, const std::string&, bool& wert) override { wert = !wert; }
  void Farbe(const std::string&, const std::string&, uint32_t& wert) override { wert ^= 0x5A3C1Eu; }
  void Text(const std::string&, const std::string& name, std::string& wert, int maxZeichen) override {
    wert = " Wert äöß, ; = # \"x\" " + name;
    if (maxZeichen > 0) wert = wert.substr(0, 12);  // ASCII prefix only: a valid cut
  }
  void Schrift(const std::string&, const std::string&, const std::string&, TSchrift& wert) override {
    wert = {"Liberation Sans", 11};
  }
  void Datum(const std::string&, const std::string&, int32_t& tag) override {
    tag = TagesNummer(2026, 2, 28);
  }
  void Uhrzeit(const std::string&, const std::string&, int32_t& sekunden) override { sekunden = 45296; }
  void Form(const std::string&, const std::string&, std::string&) override {}
};

TStandard VerstellterStandard() {
  TStandard s;
  TVerstellen verstellen;
  s.Binde(verstellen);
  s.SetAktuelleVersion(3);
  s.SetKennwort("Geheim ä");
  for (int v = 1; v <= 54; ++v) {
    std::array<std::string, 16> labels;
    for (int p = 1; p <= 16; ++p)
      labels[static_cast<std::size_t>(p - 1)] = std::to_string(v) + "." + std::to_string(p) + " Std";
    s.SetStundenBezeichnungen(v, labels);
  }
  s.SetTagKuerzel({"Mon", "Die", "Mit", "Don", "Fre", "Sam", "Son"});
  s.SetTagNamen({"Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"});
  s.gds.SetzeStunde(1, 1, true);
  s.gds.SetzeStunde(7, 16, true);
  s.kus.SetzeTag(3, 0xABCD);
  s.cfa[0] = 0x123456;
  s.cfa[15] = 0;
  auto tabellen = s.AutomatikTabellen;
  std::swap(tabellen[1][0], tabellen[1][111]);
  tabellen[3][5] = -tabellen[3][5];
  EXPECT_TRUE(s.SetAutomatikTabellen(tabellen));
  s.Kalenderwochen[500] = 17;
  TWochenTabelle frei{};
  for (std::size_t i = 0; i < frei.size(); ++i) frei[i] = static_cast<uint8_t>((i * 37) & 0x7F);
  s.SetFreieTage(frei);
  s.AllgBemerkung[0] = {"erste Zeile", "zweite, mit Komma"};
  s.AllgBemerkung[9] = {"letzte"};
  return s;
}

TEST(Einstellungen, SpeichernUndLadenGibtJedenWertZurueck) {
  const TStandard a = VerstellterStandard();
  const TEinstellungenImSpeicher speicher = Gespeichert(a);
  // Every value left its default, so a value that is not read back shows below.
  const TWerte standard = StandardWerte();
  for (const auto& [schluessel, text] : standard) {
    const char art = schluessel.second[0];
    if ((schluessel.first == "Urbo7" && art == 'T') || (schluessel.first == "Urbo10" && art == 'K')) continue;
    EXPECT_NE(speicher.Werte().at(schluessel), text) << schluessel.first << "/" << schluessel.second;
  }

  TStandard b;
  b.LadeEinstellungen(speicher);
  EXPECT_EQ(Gespeichert(b).Werte(), speicher.Werte());
  EXPECT_EQ(b.sp, a.sp);
  EXPECT_EQ(b.spn, a.spn);
  EXPECT_EQ(b.wks, a.wks);
  EXPECT_TRUE(b.KennwortStimmt("Geheim ä"));
  EXPECT_EQ(b.AutomatikTabellen, a.AutomatikTabellen);
  EXPECT_EQ(b.Kalenderwochen, a.Kalenderwochen);
  EXPECT_EQ(b.FreieTage, a.FreieTage);
  EXPECT_EQ(b.gds, a.gds);
  EXPECT_EQ(b.kus, a.kus);
  EXPECT_EQ(b.cfa, a.cfa);
  EXPECT_EQ(b.LehrerPlanDruck, a.LehrerPlanDruck);
  EXPECT_EQ(b.KopplungsUebersichtDruck, a.KopplungsUebersichtDruck);
  EXPECT_EQ(b.VertretungsDruck, a.VertretungsDruck);
  EXPECT_EQ(b.DeputatFenster, a.DeputatFenster);
  EXPECT_EQ(b.AllgBemerkung, a.AllgBemerkung);
  EXPECT_EQ(b.StandardBemerkung, a.StandardBemerkung);
  EXPECT_EQ(b.mwn(), 54);
  EXPECT_FALSE(b.eaw());
}

// The subject overview starts without a remark; a stored remark, the old default among them,
// is read and written back as it is.
TEST(Einstellungen, FaecherUebersichtBeginntOhneBemerkung) {
  TStandard erst;
  erst.LadeEinstellungen(TEinstellungenImSpeicher());
  EXPECT_EQ(erst.FachUebersichtDruck.fubm, "");
  EXPECT_EQ(Gespeichert(erst).Werte().at({"Urbo30", "fubm"}), "");
  EXPECT_EQ(erst.LehrerPlanDruck.bm, "Bemerkung") << "the plans keep theirs";
  for (const char* text : {"Bemerkung", "Klausurwoche"}) {
    const TStandard s = Geladen({{"Urbo30", "fubm", text}});
    EXPECT_EQ(s.FachUebersichtDruck.fubm, text);
    EXPECT_EQ(Gespeichert(s).Werte().at({"Urbo30", "fubm"}), text);
  }
}

// Values that share a name in different sections stay apart.
TEST(Einstellungen, GleicheNamenInVerschiedenenAbschnitten) {
  const TStandard s = Geladen({{"Urbo2", "pfn", "Plan"},
                               {"Urbo27", "pfn", "Parallel"},
                               {"Urbo5", "kfa", "255"},
                               {"Urbo9", "kfa", "0"},
                               {"Urbo13", "d1s", "1"},
                               {"Urbo21", "fksp", "0"},
                               {"Urbo19", "ruru", "4"}});
  EXPECT_EQ(s.PlanFenster.Schrift.Name, "Plan");
  EXPECT_EQ(s.ParallelDruck.Schrift.Name, "Parallel");
  EXPECT_EQ(s.kfa, 255u);
  EXPECT_FALSE(s.KuerzelDruck.kfa);
  EXPECT_TRUE(s.LehrerPlanDruck.d1s);
  EXPECT_FALSE(s.KlassenPlanDruck.d1s);
  EXPECT_FALSE(s.DeputatDruck.d1s);
  EXPECT_FALSE(s.FachKonferenzDruck.fksp);
  EXPECT_EQ(s.RaumUebersichtDruck.ru, 4);
  const auto wieder = Gespeichert(s);
  EXPECT_EQ(*wieder.Lies("Urbo21", "fksp"), "0");
  EXPECT_EQ(*wieder.Lies("Urbo19", "ruru"), "4");
  EXPECT_EQ(*wieder.Lies("Urbo27", "pfn"), "Parallel");
}

TEST(BeschaedigteEinstellungen, ZahlenWerdenBegrenztOderStandard) {
  const TStandard s = Geladen({{"Urbo1", "dvs", "0"},
                               {"Urbo7", "ast", "0"},
                               {"Urbo7", "apr", "abc"},
                               {"Urbo1", "mwn", "99"},
                               {"Urbo1", "mtn", "3"},
                               {"Urbo1", "vkm", ""},
                               {"Urbo1", "nkm", "-4"},
                               {"Urbo2", "pst", "-5"},
                               {"Urbo2", "plb", "500"},
                               {"Urbo5", "tbn", "9"},
                               {"Urbo5", "kst", "2147483648"},
                               {"Urbo4", "les", "12x"},
                               {"Urbo13", "lbs", "40"},
                               {"Urbo13", "lrl", "-1"},
                               {"Urbo29", "vvs2", "17"},
                               {"Urbo0", "eaw", "ja"},
                               {"Urbo0", "pas", " 4 "}});
  EXPECT_EQ(s.dvs, 1);
  EXPECT_EQ(s.ast, 1);
  EXPECT_EQ(s.apr, 100);
  EXPECT_EQ(s.mwn(), 54);
  EXPECT_EQ(s.mtn, 5);
  EXPECT_EQ(s.vkm, 2);
  EXPECT_EQ(s.nkm, 0);
  EXPECT_EQ(s.pst, 1);
  EXPECT_EQ(s.PlanFenster.plb, 69);
  EXPECT_EQ(s.tbn, 4);
  EXPECT_EQ(s.kst, 3);
  EXPECT_EQ(s.les, 24);
  EXPECT_EQ(s.LehrerPlanDruck.bs, 16);
  EXPECT_EQ(s.LehrerPlanDruck.rl, 0);
  EXPECT_EQ(s.VertretungsDruck.Vorgaben[1].vvs, 3);
  EXPECT_TRUE(s.eaw());
  EXPECT_EQ(s.pas, 4);
}

TEST(BeschaedigteEinstellungen, FarbenSchriftenDatenUndTexte) {
  const std::string lang(100, 'x');
  const TStandard s = Geladen({{"Urbo5", "kfa", "-1"},
                               {"Urbo1", "efa", "16777216"},
                               {"Urbo34", "hin", "grün"},
                               {"Urbo34", "tab", "255"},
                               {"Urbo2", "pfn", "  "},
                               {"Urbo2", "pfs", "0"},
                               {"Urbo3", "dfs", "x"},
                               {"Urbo3", "dvo", "31.02.95"},
                               {"Urbo3", "dbi", "1.1.1980"},
                               {"Urbo13", "lad", "2026-03-01"},
                               {"Urbo14", "kad", "15.08.2031"},
                               {"Urbo13", "lat", "25:00:00"},
                               {"Urbo14", "kat", "07:30"},
                               {"Urbo32", "bem1", lang.c_str()},
                               {"Urbo13", "lbm", lang.c_str()}});
  EXPECT_EQ(s.kfa, 0xFFFFFFu);
  EXPECT_EQ(s.efa, 0xFFFFFFu);
  EXPECT_EQ(s.hin, 0xD5F0C8u);
  EXPECT_EQ(s.tab, 255u);
  EXPECT_EQ(s.PlanFenster.Schrift, (TSchrift{"Arial", 4}));
  EXPECT_EQ(s.DeputatFenster.Schrift.Groesse, 8);
  EXPECT_EQ(s.DeputatFenster.dvo, TagesNummer(1994, 1, 1));
  EXPECT_EQ(s.DeputatFenster.dbi, TagesNummer(1994, 1, 1));  // clamped into the program's years
  EXPECT_EQ(s.LehrerPlanDruck.ad, TagesNummer(2026, 3, 1));
  EXPECT_EQ(s.KlassenPlanDruck.ad, TagesNummer(2031, 8, 15));
  EXPECT_EQ(s.LehrerPlanDruck.at, 0);
  EXPECT_EQ(s.KlassenPlanDruck.at, 7 * 3600 + 30 * 60);
  EXPECT_EQ(s.StandardBemerkung[0], std::string(61, 'x'));
  EXPECT_EQ(s.LehrerPlanDruck.bm, std::string(61, 'x'));
}

TEST(BeschaedigteEinstellungen, ListenUndFormen) {
  const TStandard s = Geladen({{"Urbo0", "spg", "Mo$Di"},
                               {"Urbo0", "spn", "$A$B$C$"},
                               {"Urbo0", "sp2", "$eine sehr lange Bezeichnung$$"},
                               {"Urbo0", "sp3", "kaputt"},
                               {"Urbo0", "cfa", "FFFFFG"},
                               {"Urbo4", "gds", "000000000000000000000000000"},
                               {"Urbo5", "kus", "0001000200030004000500060007"},
                               {"Urbo29", "vmc", "-3"},
                               {"Urbo29", "vmd", "5"},
                               {"Urbo29", "M100", "nur eine"},
                               {"Urbo29", "M102", ""},
                               {"Urbo29", "vme", "1000"}});
  const TStandard standard;
  EXPECT_EQ(s.spg, standard.spg);
  EXPECT_EQ(s.spn[0], "A");
  EXPECT_EQ(s.spn[2], "C");
  EXPECT_EQ(s.spn[3], "Donnerstag");
  EXPECT_EQ(s.sp[1][0], "eine sehr lange");
  EXPECT_EQ(s.sp[1][1], "");
  EXPECT_EQ(s.sp[1][2], " 3");
  EXPECT_EQ(s.sp[2], standard.sp[2]);
  EXPECT_EQ(s.cfa, standard.cfa);
  EXPECT_TRUE(s.gds.Leer());
  EXPECT_EQ(s.kus.Tag(7), 7u);
  EXPECT_TRUE(s.AllgBemerkung[0].empty());
  EXPECT_EQ(s.AllgBemerkung[1], std::vector<std::string>{"nur eine"});
  EXPECT_TRUE(s.AllgBemerkung[2].empty());  // count clamped to 100, every line missing
}

// Slot tables: any 0 or any table that is not a permutation of 1..112 restores all four.
TEST(BeschaedigteEinstellungen, AutomatikTabellen) {
  struct Fall {
    const char* name;
    const char* zeile;
  };
  for (const Fall& f :
       {Fall{"T205", "-1$-2$-3$-4$-5$-6$-7$"}, Fall{"T101", "0$0$0$0$0$0$0$"},
        Fall{"T301", "-1$-2$-3$-4$-5$-6$"}, Fall{"T416", "106$107$108$109$110$111$113$"},
        Fall{"T416", "106$107$108$109$110$111$x$"}, Fall{"T416", "106$107$108$109$110$111$112$9$"},
        Fall{"T101", "-2147483648$-2$-3$-4$-5$-6$-7$"}, Fall{"T416", "106$107$108$109$110$111$2147483647$"},
        Fall{"T416", "106$107$108$109$110$111$-113$"},
        Fall{"T416", "106$107$108$109$110$111$-2147483649$"}}) {
    const TStandard s = Geladen({{"Urbo7", f.name, f.zeile}});
    EXPECT_EQ(s.AutomatikTabellen, TStandard::StandardTabellen()) << f.name << " " << f.zeile;
  }
  // A row that keeps its table a permutation is taken: periods 1 and 5 of table 2 swapped.
  const TStandard s = Geladen(
      {{"Urbo7", "T205", "-1$-7$-13$-19$-25$-31$-37$"}, {"Urbo7", "T201", "-5$-11$-17$-23$-29$-35$-41$"}});
  EXPECT_EQ(s.AutomatikZelle(2, 1, 5), -1);
  EXPECT_EQ(s.AutomatikZelle(2, 7, 5), -37);
  EXPECT_EQ(s.AutomatikZelle(2, 1, 1), -5);
  TStandard t;
  auto kaputt = t.AutomatikTabellen;
  for (int falsch : {0, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), -113}) {
    kaputt[0][0] = falsch;
    EXPECT_FALSE(t.SetAutomatikTabellen(kaputt)) << falsch;
    EXPECT_EQ(t.AutomatikTabellen, TStandard::StandardTabellen());
  }
}

TEST(BeschaedigteEinstellungen, Kalenderwochen) {
  // The start of the table as stored.
  TStandard s = Geladen({{"Urbo10", "K1", "3401020304050607"}});
  EXPECT_EQ(s.Kalenderwochen[0], 52);
  EXPECT_EQ(s.Kalenderwochen[7], 7);
  // A single 0 or 54 rebuilds the whole table.
  for (const char* gruppe : {"0001020304050607", "3601020304050607"}) {
    s = Geladen({{"Urbo10", "K1", gruppe}, {"Urbo10", "K60", "0101010101010101"}});
    EXPECT_EQ(s.Kalenderwochen, TStandard().Kalenderwochen);  // the table checked in full below
  }
  // A group that is not 16 hex digits keeps its entries; free days keep only weekday bits.
  s = Geladen({{"Urbo10", "K2", "zz"}, {"Urbo10", "F1", "FF01000000000000"}, {"Urbo10", "F2", "1"}});
  EXPECT_EQ(s.Kalenderwochen, TStandard().Kalenderwochen);
  EXPECT_EQ(s.FreieTage[0], 0x7F);
  EXPECT_EQ(s.FreieTage[1], 0x01);
  EXPECT_EQ(s.FreieTage[8], 0);
}

// The table the program built for its 888 weeks: 52, then the years 1994..2010 with 53 weeks in
// 1998, 2004 and 2009.
TEST(Einstellungen, KalenderwochenWieDasAlteJahresSchema) {
  std::vector<int> alt{52};
  for (int jahr = 1994; jahr <= 2010; ++jahr) {
    const int wochen = (jahr == 1998 || jahr == 2004 || jahr == 2009) ? 53 : 52;
    for (int w = 1; w <= wochen; ++w) alt.push_back(w);
  }
  ASSERT_EQ(alt.size(), 888u);
  const TStandard s;
  for (std::size_t i = 0; i < alt.size(); ++i) EXPECT_EQ(s.Kalenderwochen[i], alt[i]) << i;
}

TEST(Kennwort, VerschluesselungUndPruefung) {
  EXPECT_EQ(TStandard::Verschluessele(""), "");
  EXPECT_EQ(TStandard::Verschluessele(std::string(20, ' ')), "AY_QIWgA7Oi?w1/YOIIW");
  EXPECT_EQ(ZuHex({'R', 'F', 'O', '>'}), "52464F3E");
  EXPECT_EQ(TStandard::VerschluesseltesKennwort("geheim").substr(0, 4), "RFO>");

  TStandard s;
  EXPECT_TRUE(s.KeinKennwort());
  EXPECT_TRUE(s.KennwortStimmt(""));
  EXPECT_TRUE(s.KennwortStimmt("     "));
  s.SetKennwort("geheim");
  EXPECT_FALSE(s.KeinKennwort());
  for (const auto& [versuch, stimmt] :
       {std::pair{"geheim", true}, {"geheim   ", true}, {" geheim", false}, {"Geheim", false}, {"", false}})
    EXPECT_EQ(s.KennwortStimmt(versuch), stimmt) << "'" << versuch << "'";
  EXPECT_EQ(s.wks.size(), 20u);
  // An entry is at most 20 characters.
  s.SetKennwort("abcdefghijklmnopqrstuvwxyz");
  EXPECT_TRUE(s.KennwortStimmt("abcdefghijklmnopqrst"));
  // Characters beyond ASCII still give 20 scrambled characters 40..127.
  s.SetKennwort("Öl über Ärger €");
  EXPECT_EQ(s.wks.size(), 20u);
  for (char c : s.wks) EXPECT_TRUE(c >= 40 && static_cast<unsigned char>(c) <= 127);
  EXPECT_TRUE(s.KennwortStimmt("Öl über Ärger €  "));
  EXPECT_FALSE(s.KennwortStimmt("Ol uber Arger E"));
}

// The scrambler works on the bytes the school file gives the characters.
TEST(Kennwort, VerschluesseltDieBytesDerDatei) {
  for (const auto& [text, verschluesselt] : {std::pair<const char*, const char*>{"ÄÖÜ§¥", "9fm}e"},
                                             {"äöüß", "/{.("},
                                             {"café", "VBMj"},
                                             {"€uro", "zVYH"},  // the file cannot hold "€": it counts as "?"
                                             {"?uro", "zVYH"}})
    EXPECT_EQ(TStandard::Verschluessele(text), verschluesselt) << text;
}

// A damaged password never locks the user out: it loads as "no password".
TEST(Kennwort, BeschaedigtGibtKeinKennwort) {
  TStandard mit;
  mit.SetKennwort("geheim");
  const std::string gut = *Gespeichert(mit).Lies("Urbo0", "wks");
  for (const std::string& text : {gut.substr(0, 39), gut + "00", std::string(40, '0'),
                                  gut.substr(0, 38) + "XY", std::string("kfuwopzanmbgtrevhxlq")})
    EXPECT_TRUE(Geladen({{"Urbo0", "wks", text.c_str()}}).KeinKennwort()) << text;
  EXPECT_TRUE(Geladen({{"Urbo0", "wks", gut.c_str()}}).KennwortStimmt("geheim "));
}

TEST(Einstellungen, VersionenUndSetter) {
  TStandard s;
  s.SetVersionszahl(8);
  s.SetAktuelleVersion(5);
  s.SetVersionszahl(3);
  EXPECT_EQ(s.AktuelleVersion(), 3);
  s.SetVersionszahl(0);
  EXPECT_EQ(s.mwn(), 1);
  s.SetVersionszahl(60);
  EXPECT_EQ(s.mwn(), 54);
  s.SetAktuelleVersion(99);
  EXPECT_EQ(s.AktuelleVersion(), 54);
  s.SetTageProWoche(9);
  EXPECT_EQ(s.mtn, 7);
  s.SetTageProWoche(1);
  EXPECT_EQ(s.mtn, 5);
  s.SetVertrVerwahrTage(0);
  EXPECT_EQ(s.vtm, 1);
  s.SetVertrVerwahrTage(5000);
  EXPECT_EQ(s.vtm, 800);
  // Labels are cut to their length and lose the "$" that separates them in the store.
  s.SetStundenBezeichnungen(2, {"1$ Stunde", "eine Stunde mit langem Namen"});
  EXPECT_EQ(s.sp[1][0], "1 Stunde");
  EXPECT_EQ(s.sp[1][1], "eine Stunde mit");
  s.SetStundenBezeichnungen(55, {"x"});  // no such version: nothing happens
  s.SetTagKuerzel({"Montags", "Dienstag"});
  EXPECT_EQ(s.spg[1], "Diensta");
  s.SetVertrBemerkungen({std::string(70, 'y')});
  EXPECT_EQ(s.StandardBemerkung[0].size(), 61u);
  EXPECT_EQ(s.StandardBemerkung[1], "");
  TVertrDruckEinstellung v;
  v.vvs = 7;
  v.vlb = -1;
  s.SetDruckVertrEinstellungen({v, v, v, v}, {true, false, true, false});
  EXPECT_EQ(s.VertretungsDruck.Vorgaben[0].vvs, 3);
  EXPECT_EQ(s.VertretungsDruck.Vorgaben[3].vlb, 0);
  EXPECT_FALSE(s.VertretungsDruck.vc[1]);
  s.PlanFenster.plb = 20;
  s.PlanFenster.pob = 50;
  s.PlanFenster.prb = 60;
  EXPECT_EQ(s.GetPlnLeKoBreite(), 50);
  EXPECT_EQ(s.GetPlnKlKoBreite(), 50);
  EXPECT_EQ(s.GetPlnMaxBreite(), 60);
}

// The planning tools' setters keep what loading keeps: a value out of range set through a setter
// reads back from the store unchanged, and the setters reach the fields the tools read.
TEST(Einstellungen, WerkzeugSetterBegrenzenWieDasLaden) {
  struct Fall {
    const char* name;
    void (*setze)(TStandard&, int);
    int (*lies)(const TStandard&);
    int wert, erwartet;
  };
  const Fall faelle[] = {
      {"plr", [](TStandard& s, int w) { s.SetPlLoeschArt(w); }, [](const TStandard& s) { return s.plr; }, 9,
       5},
      {"plr", [](TStandard& s, int w) { s.SetPlLoeschArt(w); }, [](const TStandard& s) { return s.plr; }, -3,
       0},
      {"ast", [](TStandard& s, int w) { s.SetAutoNeuordnenNach(w); },
       [](const TStandard& s) { return s.ast; }, 0, 1},
      {"ast", [](TStandard& s, int w) { s.SetAutoNeuordnenNach(w); },
       [](const TStandard& s) { return s.ast; }, 9000, 5000},
      {"apr", [](TStandard& s, int w) { s.SetAutoProzent(w); }, [](const TStandard& s) { return s.apr; }, 1,
       5},
      {"apr", [](TStandard& s, int w) { s.SetAutoProzent(w); }, [](const TStandard& s) { return s.apr; }, 150,
       100},
      {"vku", [](TStandard& s, int w) { s.SetVersKopierArt(w); }, [](const TStandard& s) { return s.vku; }, 6,
       5},
      {"vku", [](TStandard& s, int w) { s.SetVersKopierArt(w); }, [](const TStandard& s) { return s.vku; }, 2,
       2},
  };
  for (const Fall& f : faelle) {
    TStandard s;
    f.setze(s, f.wert);
    EXPECT_EQ(f.lies(s), f.erwartet) << f.name << " " << f.wert;
    TStandard zurueck;
    zurueck.LadeEinstellungen(Gespeichert(s));
    EXPECT_EQ(f.lies(zurueck), f.erwartet) << f.name << " " << f.wert;
  }
  TStandard s;
  s.SetPlLoeschMitKopplungen(false);
  s.SetPlLoeschOhneFixierte(false);
  s.SetAutoAuchOhneRaum(false);
  s.SetAutoAuchOhneEinzelstunden(false);
  s.SetVersAuchPlaene(false);
  s.SetKompMehrfach(true);
  s.SetKompBruecken(true);
  s.SetManuellZeigeKopplung(false);
  s.SetDruckVertrEinstWahl({false, true, false, true});
  TStandard zurueck;
  zurueck.LadeEinstellungen(Gespeichert(s));
  for (const TStandard* t : {&s, &zurueck}) {
    EXPECT_FALSE(t->plm || t->plf || t->ara || t->aei || t->vap || t->PlanFenster.pzk);
    EXPECT_TRUE(t->kmpm && t->kmpb);
    EXPECT_EQ(t->VertretungsDruck.vc, (std::array<bool, 4>{false, true, false, true}));
  }
}

// The save reminder counts from the start: both times are the time of day, and loading keeps them.
TEST(Einstellungen, StartZeitIstDieTageszeit) {
  constexpr int64_t kTag = 45000 * int64_t{86400};
  for (const auto& [jetzt, tageszeit] :
       {std::pair<int64_t, int64_t>{kTag + 13 * 3600 + 61, 13 * 3600 + 61}, {kTag, 0}, {kTag - 1, 86399}}) {
    TStandard s;
    s.SetzeStartZeit(TFesteUhr(jetzt));
    s.LadeEinstellungen(TEinstellungenImSpeicher());
    EXPECT_EQ(s.StartZeit, tageszeit) << jetzt;
    EXPECT_EQ(s.LetzteSicherungsZeit, tageszeit) << jetzt;
  }
}

// Grids read versions and "eaw" from the settings, also after loading them.
TEST(Einstellungen, GitterFolgenDenEinstellungen) {
  TStandard s;
  TWochBereich gitter(s.Versionen());
  s.SetVersionszahl(3);
  gitter.SetzeVersionen(s.mwn());
  s.SetAktuelleVersion(2);
  gitter.SetzeBereich(-1, 1, 1, true);
  EXPECT_FALSE(gitter.Belegt(1, 1, 1));
  EXPECT_TRUE(gitter.Belegt(2, 1, 1));
  TEinstellungenImSpeicher speicher;
  speicher.Schreibe("Urbo0", "eaw", "0");
  speicher.Schreibe("Urbo1", "mwn", "3");
  s.LadeEinstellungen(speicher);
  EXPECT_EQ(s.AktuelleVersion(), 2);  // not a stored value: loading keeps it
  gitter.SetzeBereich(-1, 2, 1, true);
  for (int v = 1; v <= 3; ++v) EXPECT_TRUE(gitter.Belegt(v, 2, 1));
}

}  // namespace
}  // namespace kolvar
