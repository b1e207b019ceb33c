// TStandard's persisted values, section by section: the one walk that loading, saving and the
// tests share (the store side is in storage/standardspeicher.cpp).

#include <algorithm>

#include "model/einstellungsbinder.h"
#include "model/einstellungsformen.h"
#include "model/standard.h"
#include "model/text.h"

namespace kolvar {

namespace {

constexpr int kMinPos = -32768, kMaxPos = 32767;  // window positions
constexpr int kMaxRand = 6;                       // margins in cm
constexpr int kMaxSoll = 32767;                   // target hours

std::string Abschnitt(int n) {
  return "Urbo" + std::to_string(n);
}

// Labels in their "$" form and back; missing labels keep their value.
template <std::size_t N>
void BindeListe(TEinstellungsBinder& b, const std::string& a, const std::string& name,
                std::array<std::string, N>& texte, int laenge) {
  std::array<std::string, N> sauber;
  for (std::size_t i = 0; i < N; ++i) {
    std::string& s = sauber[i];
    for (char c : texte[i])
      if (c != '$') s += c;
  }
  std::string text = DollarListe(sauber.data(), N);
  b.Form(a, name, text);
  const auto teile = TeileDollarListe(text);
  for (std::size_t i = 0; i < N && i < teile.size(); ++i) texte[i] = KuerzeText(teile[i], laenge);
}

bool& ElementSchalter(TPlanDruckOptionen& o, const std::string& e) {
  return e == "kl" ? o.kl : e == "le" ? o.le : e == "fa" ? o.fa : o.ra;
}
bool& ElementSchalter(TUebersichtDruckOptionen& o, const std::string& e) {
  return e == "kl" ? o.kl : e == "le" ? o.le : e == "fa" ? o.fa : o.ra;
}

// The four plan printouts; the coupling plan has no element flags, ne, ko, st or d1s, and is
// the only one with mk.
// A printout's font: name and size, then the style bits (1 bold, 2 italic, 4 underlined) and
// the colour the font dialog chose, under the name value's stem with "st" and "fa".
void BindeDruckSchrift(TEinstellungsBinder& b, const std::string& a, const std::string& fn,
                       const std::string& fs, TSchrift& schrift) {
  b.Schrift(a, fn, fs, schrift);
  const std::string stamm = fn.substr(0, fn.size() - 1);
  int stil = (schrift.Fett ? 1 : 0) | (schrift.Kursiv ? 2 : 0) | (schrift.Unterstrichen ? 4 : 0);
  b.Zahl(a, stamm + "st", stil, 0, 7);
  schrift.Fett = (stil & 1) != 0;
  schrift.Kursiv = (stil & 2) != 0;
  schrift.Unterstrichen = (stil & 4) != 0;
  b.Farbe(a, stamm + "fa", schrift.Farbe);
}

void BindePlanDruck(TEinstellungsBinder& b, const std::string& a, const std::string& x, TPlanDruckOptionen& o,
                    const std::array<const char*, 3>* elemente) {
  const bool kopplung = elemente == nullptr;
  BindeDruckSchrift(b, a, x + "fn", x + "fs", o.Schrift);
  b.Zahl(a, x + "vt", o.vt, 1, kTage);
  b.Zahl(a, x + "vs", o.vs, 1, kStunden);
  b.Zahl(a, x + "bt", o.bt, 1, kTage);
  b.Zahl(a, x + "bs", o.bs, 1, kStunden);
  if (!kopplung) b.Zahl(a, x + "ne", o.ne, 0, 1);
  b.Zahl(a, x + "li", o.li, 0, 1);
  b.Text(a, x + "bm", o.bm, kBemerkungLaenge);
  if (!kopplung) {
    for (const char* e : *elemente) b.Schalter(a, x + e, ElementSchalter(o, e));
    b.Schalter(a, x + "ko", o.ko);
    b.Schalter(a, x + "st", o.st);
  }
  b.Schalter(a, x + "sp", o.sp);
  b.Schalter(a, x + "fe", o.fe);
  b.Schalter(a, x + "al", o.al);
  b.Schalter(a, x + "da", o.da);
  if (!kopplung) b.Schalter(a, "d1s", o.d1s);
  b.Zahl(a, x + "rl", o.rl, 0, kMaxRand);
  b.Zahl(a, x + "rr", o.rr, 0, kMaxRand);
  b.Zahl(a, x + "ro", o.ro, 0, kMaxRand);
  b.Zahl(a, x + "ru", o.ru, 0, kMaxRand);
  b.Datum(a, x + "ad", o.ad);
  b.Uhrzeit(a, x + "at", o.at);
  b.Schalter(a, x + "co", o.co);
  if (kopplung) b.Schalter(a, x + "mk", o.mk);
}

void BindeUebersicht(TEinstellungsBinder& b, const std::string& a, const std::string& x,
                     TUebersichtDruckOptionen& o, const std::array<const char*, 3>* elemente) {
  BindeDruckSchrift(b, a, x + "fn", x + "fs", o.Schrift);
  b.Zahl(a, x + "vt", o.vt, 1, kTage);
  b.Zahl(a, x + "vs", o.vs, 1, kStunden);
  b.Zahl(a, x + "bt", o.bt, 1, kTage);
  b.Zahl(a, x + "bs", o.bs, 1, kStunden);
  b.Text(a, x + "bm", o.bm, kBemerkungLaenge);
  if (elemente) {
    for (const char* e : *elemente) b.Schalter(a, x + e, ElementSchalter(o, e));
    b.Schalter(a, x + "ko", o.ko);
    b.Schalter(a, x + "st", o.st);
  }
  b.Schalter(a, x + "sp", o.sp);
  b.Schalter(a, x + "fe", o.fe);
  if (!elemente) b.Schalter(a, x + "da", o.da);
  b.Zahl(a, x + "rl", o.rl, 0, kMaxRand);
  b.Zahl(a, x + "rr", o.rr, 0, kMaxRand);
  b.Zahl(a, x + "ro", o.ro, 0, kMaxRand);
  b.Zahl(a, x + "ru", o.ru, 0, kMaxRand);
  b.Schalter(a, x + "co", o.co);
  b.Schalter(a, x + "un", o.un);
}

void BindeEinfach(TEinstellungsBinder& b, const std::string& a, const std::string& x, const std::string& rand,
                  TEinfacheDruckOptionen& o) {
  BindeDruckSchrift(b, a, x + "fn", x + "fs", o.Schrift);
  b.Zahl(a, rand, o.Rand, 0, kMaxRand);
}

}  // namespace

void TStandard::Binde(TEinstellungsBinder& b) {
  // General.
  std::string a = Abschnitt(0);
  bool nurAktuelle = eaw();
  b.Schalter(a, "eaw", nurAktuelle);
  SetNurAktuelleVersion(nurAktuelle);
  b.Zahl(a, "pal", pal, kMinPos, kMaxPos);
  b.Zahl(a, "pat", pat, kMinPos, kMaxPos);
  b.Zahl(a, "pas", pas, 0, 6);
  b.Zahl(a, "for", FensterAnordnung, 1, 4);
  for (int v = 1; v <= kMaxVersionen; ++v)
    BindeListe(b, a, "sp" + std::to_string(v), sp[static_cast<std::size_t>(v - 1)], kStundenLabelLaenge);
  BindeListe(b, a, "spg", spg, kKuerzelLaenge);
  BindeListe(b, a, "spn", spn, kNamenLaenge);
  {
    // Only a scrambled form can ever match an entry: anything else would lock the user out.
    std::string text = ZuHex(std::vector<uint8_t>(wks.begin(), wks.end()));
    b.Form(a, "wks", text);
    std::vector<uint8_t> bytes;
    if (VonHex(text, bytes, kKennwortLaenge) &&
        std::all_of(bytes.begin(), bytes.end(), [](uint8_t z) { return z >= 40 && z <= 127; }))
      wks.assign(bytes.begin(), bytes.end());
  }
  {
    std::string text = FarbenZuHex(cfa);
    b.Form(a, "cfa", text);
    HexZuFarben(text, cfa);
  }
  b.Text(a, "opf", opf, 0);
  b.Text(a, "ipf", ipf, 0);
  b.Text(a, "hpf", hpf, 0);

  // Basic data.
  a = Abschnitt(1);
  b.Zahl(a, "dvs", dvs, 1, 100);
  b.Zahl(a, "vkm", vkm, 1, 3);
  b.Zahl(a, "nkm", nkm, 0, 3);
  int versionen = mwn();
  b.Zahl(a, "mwn", versionen, 1, kMaxVersionen);
  SetVersionszahl(versionen);
  b.Zahl(a, "mtn", mtn, 5, kTage);
  b.Zahl(a, "vtm", vtm, 1, 800);
  b.Zahl(a, "spz", spz, 0, 60);
  b.Farbe(a, "efa", efa);
  b.Schalter(a, "hga", hga);

  // Plan windows.
  a = Abschnitt(2);
  auto& pf = PlanFenster;
  b.Zahl(a, "pst", pst, 1, kStunden);
  b.Schalter(a, "neb", pf.neb);
  b.Schalter(a, "mra", pf.mra);
  b.Schalter(a, "pkf", pf.pkf);
  b.Schrift(a, "pfn", "pfs", pf.Schrift);
  b.Zahl(a, "plb", pf.plb, kMinKuerzelSpalte, kMaxKuerzelSpalte);
  b.Zahl(a, "pkb", pf.pkb, kMinKuerzelSpalte, kMaxKuerzelSpalte);
  b.Zahl(a, "pob", pf.pob, kMinKuerzelSpalte, kMaxKuerzelSpalte);
  b.Zahl(a, "pfb", pf.pfb, kMinKuerzelSpalte, kMaxKuerzelSpalte);
  b.Zahl(a, "prb", pf.prb, kMinKuerzelSpalte, kMaxKuerzelSpalte);
  b.Zahl(a, "ptb", pf.ptb, kMinSpalte, kMaxSpalte);
  b.Zahl(a, "psb", pf.psb, kMinSpalte, kMaxSpalte);
  b.Zahl(a, "pwb", pf.pwb, kMinSpalte, kMaxSpalte);
  b.Zahl(a, "pma", pf.pma, 0, 5);
  b.Schalter(a, "pzk", pf.pzk);

  // Workload windows.
  a = Abschnitt(3);
  auto& df = DeputatFenster;
  b.Schrift(a, "dfn", "dfs", df.Schrift);
  b.Zahl(a, "dlb", df.dlb, kMinSpalte, kMaxSpalte);
  b.Zahl(a, "dkb", df.dkb, kMinSpalte, kMaxSpalte);
  b.Zahl(a, "dob", df.dob, kMinSpalte, kMaxSpalte);
  b.Zahl(a, "dfb", df.dfb, kMinSpalte, kMaxSpalte);
  b.Zahl(a, "drb", df.drb, kMinSpalte, kMaxSpalte);
  b.Zahl(a, "dwb", df.dwb, kMinSpalte, kMaxSpalte);
  b.Zahl(a, "dsb", df.dsb, kMinSpalte, kMaxSpalte);
  b.Schalter(a, "mns", df.mns);
  b.Schalter(a, "mki", df.mki);
  b.Schalter(a, "mzi", df.mzi);
  b.Schalter(a, "mst", df.mst);
  b.Datum(a, "dvo", df.dvo);
  b.Datum(a, "dbi", df.dbi);

  // Element and lesson defaults.
  a = Abschnitt(4);
  {
    std::string text = WoElemZuHex(gds);
    b.Form(a, "gds", text);
    HexZuWoElem(text, gds);
  }
  b.Zahl(a, "les", les, 0, kMaxSoll);
  b.Zahl(a, "kls", kls, 0, kMaxSoll);
  a = Abschnitt(5);
  {
    std::string text = WoElemZuHex(kus);
    b.Form(a, "kus", text);
    HexZuWoElem(text, kus);
  }
  b.Zahl(a, "kst", kst, 0, kSlotZellen);
  b.Zahl(a, "spt", spt, 1, kStunden);
  b.Zahl(a, "ezs", ezs, 0, kTage);
  b.Zahl(a, "tbn", tbn, 1, kAutomatikTabellen);
  b.Zahl(a, "fkt", fkt, 0, 10000);
  b.Schalter(a, "nvp", nvp);
  b.Schalter(a, "nzl", nzl);
  b.Schalter(a, "nzk", nzk);
  b.Farbe(a, "kfa", kfa);
  b.Schalter(a, "nks", nks);

  // Clearing plans, automatic run, parallel couplings.
  a = Abschnitt(6);
  b.Zahl(a, "plr", plr, 0, 5);
  b.Schalter(a, "plm", plm);
  b.Schalter(a, "plf", plf);
  a = Abschnitt(7);
  for (int t = 1; t <= kAutomatikTabellen; ++t) {
    for (int p = 1; p <= kStunden; ++p) {
      int* zeile =
          &AutomatikTabellen[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>((p - 1) * kTage)];
      std::string text = TabellenZeile(zeile);
      b.Form(a, "T" + std::to_string(t * 100 + p), text);
      // A damaged row, or a cell out of range, makes the tables invalid, so InitStandardTabellen
      // restores them.
      if (!LiesTabellenZeile(text, zeile) ||
          std::any_of(zeile, zeile + kTage, [](int z) { return z < -kSlotZellen || z > kSlotZellen; }))
        std::fill(zeile, zeile + kTage, 0);
    }
  }
  b.Zahl(a, "ast", ast, 1, 5000);
  b.Zahl(a, "apr", apr, 5, 100);
  b.Schalter(a, "ara", ara);
  b.Schalter(a, "aei", aei);
  a = Abschnitt(8);
  b.Zahl(a, "pze", pze, 2, 40);
  b.Zahl(a, "psp", psp, 2, 10);
  b.Schalter(a, "pue", pue);
  b.Schalter(a, "pmf", pmf);

  // Abbreviation-list printout.
  a = Abschnitt(9);
  auto& kd = KuerzelDruck;
  BindeDruckSchrift(b, a, "kfn", "kfs", kd.Schrift);
  b.Schalter(a, "kle", kd.kle);
  b.Schalter(a, "kkl", kd.kkl);
  b.Schalter(a, "kko", kd.kko);
  b.Schalter(a, "kfa", kd.kfa);
  b.Schalter(a, "kra", kd.kra);
  b.Schalter(a, "kuv", kd.kuv);
  b.Zahl(a, "ran", kd.ran, 0, kMaxRand);

  // Calendar.
  a = Abschnitt(10);
  for (int g = 1; g <= kHexGruppen; ++g) {
    std::string text = BytesZuHex(Kalenderwochen, g);
    b.Form(a, "K" + std::to_string(g), text);
    HexZuBytes(text, Kalenderwochen, g);
  }
  for (int g = 1; g <= kHexGruppen; ++g) {
    std::string text = BytesZuHex(FreieTage, g);
    b.Form(a, "F" + std::to_string(g), text);
    HexZuBytes(text, FreieTage, g);
  }

  // Copying plan versions.
  a = Abschnitt(11);
  b.Zahl(a, "vku", vku, 0, 5);
  b.Schalter(a, "vap", vap);

  // Deputat printout.
  a = Abschnitt(12);
  auto& dd = DeputatDruck;
  BindeDruckSchrift(b, a, "dfn", "dfs", dd.Schrift);
  b.Zahl(a, "dda", dd.dda, 0, 5);
  b.Schalter(a, "dkl", dd.dkl);
  b.Schalter(a, "drl", dd.drl);
  b.Schalter(a, "d1s", dd.d1s);
  b.Schalter(a, "dzu", dd.dzu);
  b.Zahl(a, "dra", dd.dra, 0, kMaxRand);
  b.Schalter(a, "dco", dd.dco);

  // Plan printouts and overviews.
  static const std::array<const char*, 3> kLehrer{"kl", "fa", "ra"};
  static const std::array<const char*, 3> kKlassen{"le", "fa", "ra"};
  static const std::array<const char*, 3> kRaeume{"kl", "fa", "le"};
  BindePlanDruck(b, Abschnitt(13), "l", LehrerPlanDruck, &kLehrer);
  BindePlanDruck(b, Abschnitt(14), "k", KlassenPlanDruck, &kKlassen);
  BindePlanDruck(b, Abschnitt(15), "r", RaumPlanDruck, &kRaeume);
  BindePlanDruck(b, Abschnitt(16), "o", KopplungsPlanDruck, nullptr);
  BindeUebersicht(b, Abschnitt(17), "lu", LehrerUebersichtDruck, &kLehrer);
  BindeUebersicht(b, Abschnitt(18), "ku", KlassenUebersichtDruck, &kKlassen);
  BindeUebersicht(b, Abschnitt(19), "ru", RaumUebersichtDruck, &kRaeume);
  BindeUebersicht(b, Abschnitt(20), "ou", KopplungsUebersichtDruck, nullptr);

  // Conferences, remaining hours, hour distribution, UV tables, error list, parallel couplings.
  a = Abschnitt(21);
  BindeDruckSchrift(b, a, "fkfn", "fkfs", FachKonferenzDruck.Schrift);
  b.Schalter(a, "fksp", FachKonferenzDruck.fksp);
  b.Schalter(a, "fkfe", FachKonferenzDruck.fkfe);
  b.Zahl(a, "fkrd", FachKonferenzDruck.fkrd, 0, kMaxRand);
  a = Abschnitt(22);
  BindeDruckSchrift(b, a, "kkfn", "kkfs", KlassenKonferenzDruck.Schrift);
  b.Schalter(a, "kksp", KlassenKonferenzDruck.kksp);
  b.Zahl(a, "kkrd", KlassenKonferenzDruck.kkrd, 0, kMaxRand);
  a = Abschnitt(23);
  BindeDruckSchrift(b, a, "rfn", "rfs", RestStundenDruck.Schrift);
  b.Zahl(a, "rda", RestStundenDruck.rda, 0, 2);
  b.Zahl(a, "rra", RestStundenDruck.rra, 0, kMaxRand);
  a = Abschnitt(24);
  auto& sv = StundenVerteilungDruck;
  BindeDruckSchrift(b, a, "svfn", "svfs", sv.Schrift);
  b.Zahl(a, "svda", sv.svda, 0, 4);
  b.Schalter(a, "svsr", sv.svsr);
  b.Schalter(a, "svsg", sv.svsg);
  b.Schalter(a, "svfa", sv.svfa);
  b.Zahl(a, "svra", sv.svra, 0, kMaxRand);
  a = Abschnitt(25);
  BindeDruckSchrift(b, a, "uvfn", "uvfs", UVTabDruck.Schrift);
  b.Schalter(a, "uvft", UVTabDruck.uvft);
  b.Zahl(a, "uvra", UVTabDruck.uvra, 0, kMaxRand);
  b.Schalter(a, "uvco", UVTabDruck.uvco);
  a = Abschnitt(26);
  BindeDruckSchrift(b, a, "fefn", "fefs", FehlerListeDruck.Schrift);
  b.Zahl(a, "fera", FehlerListeDruck.fera, 0, kMaxRand);
  a = Abschnitt(27);
  BindeDruckSchrift(b, a, "pfn", "pfs", ParallelDruck.Schrift);
  b.Schalter(a, "pml", ParallelDruck.pml);
  b.Schalter(a, "pmf", ParallelDruck.pmf);
  b.Schalter(a, "pmk", ParallelDruck.pmk);
  b.Zahl(a, "pra", ParallelDruck.pra, 0, kMaxRand);

  // Substitution planning.
  a = Abschnitt(28);
  b.Zahl(a, "vsa", vsa, 0, 3);
  b.Zahl(a, "vla", vla, 0, 2);
  b.Zahl(a, "vll", vll, kMinPos, kMaxPos);
  b.Zahl(a, "vlt", vlt, kMinPos, kMaxPos);
  b.Zahl(a, "vrl", vrl, kMinPos, kMaxPos);
  b.Zahl(a, "vrt", vrt, kMinPos, kMaxPos);
  b.Zahl(a, "vle", vle, kMinPos, kMaxPos);
  b.Zahl(a, "vto", vto, kMinPos, kMaxPos);
  b.Zahl(a, "vva", vva, 0, 1);
  b.Zahl(a, "vpl", vpl, 0, 1);
  b.Schalter(a, "vfc", vfc);
  b.Schalter(a, "vrc", vrc);

  a = Abschnitt(29);
  auto& vd = VertretungsDruck;
  BindeDruckSchrift(b, a, "vfn", "vfs", vd.Schrift);
  b.Zahl(a, "vra", vd.vra, 0, kMaxRand);
  for (int k = 0; k < kBemerkungsListen; ++k) {
    // List k: its line count under "vm" + the k-th letter from c, its lines under "M" + 100 k + j.
    auto& liste = AllgBemerkung[static_cast<std::size_t>(k)];
    int anzahl = std::min(static_cast<int>(liste.size()), kMaxListenZeilen);
    b.Zahl(a, std::string("vm") + static_cast<char>('c' + k), anzahl, 0, kMaxListenZeilen);
    std::vector<std::string> zeilen;
    for (int j = 0; j < anzahl; ++j) {
      std::string zeile =
          j < static_cast<int>(liste.size()) ? liste[static_cast<std::size_t>(j)] : std::string();
      b.Text(a, "M" + std::to_string(k * 100 + j), zeile, 0);
      if (!zeile.empty()) zeilen.push_back(zeile);
    }
    liste = std::move(zeilen);
  }
  for (int i = 1; i <= 4; ++i) {
    const std::string n = std::to_string(i);
    auto& v = vd.Vorgaben[static_cast<std::size_t>(i - 1)];
    bool drucken = vd.vc[static_cast<std::size_t>(i - 1)];
    b.Schalter(a, "vc" + n, drucken);
    vd.vc[static_cast<std::size_t>(i - 1)] = drucken;
    b.Schalter(a, "vdv" + n, v.vdv);
    b.Zahl(a, "vvs" + n, v.vvs, 0, 3);
    b.Schalter(a, "vde" + n, v.vde);
    b.Zahl(a, "ves" + n, v.ves, 0, 3);
    b.Schalter(a, "vmk" + n, v.vmk);
    b.Schalter(a, "vmd" + n, v.vmd);
    b.Schalter(a, "vma" + n, v.vma);
    b.Schalter(a, "vfl" + n, v.vfl);
    b.Schalter(a, "vfk" + n, v.vfk);
    b.Schalter(a, "vfr" + n, v.vfr);
    b.Zahl(a, "vlb" + n, v.vlb, 0, 1);
    b.Zahl(a, "vba" + n, v.vba, 0, 1);
  }
  BindeEinfach(b, a, "s", "sra", VertretungsStundenDruck);

  a = Abschnitt(30);
  auto& fu = FachUebersichtDruck;
  BindeDruckSchrift(b, a, "fufn", "fufs", fu.Schrift);
  b.Text(a, "fubm", fu.fubm, kBemerkungLaenge);
  b.Schalter(a, "fuku", fu.fuku);
  b.Schalter(a, "funa", fu.funa);
  b.Schalter(a, "fukl", fu.fukl);
  b.Schalter(a, "fura", fu.fura);
  b.Schalter(a, "fuko", fu.fuko);
  b.Schalter(a, "fust", fu.fust);
  b.Schalter(a, "fuda", fu.fuda);
  b.Zahl(a, "furd", fu.furd, 0, kMaxRand);
  BindeEinfach(b, Abschnitt(31), "vu", "vura", VertretungsUebersichtDruck);

  a = Abschnitt(32);
  for (int i = 1; i <= kVertrBemerkungen; ++i)
    b.Text(a, "bem" + std::to_string(i), StandardBemerkung[static_cast<std::size_t>(i - 1)],
           kBemerkungLaenge);

  // Compressing, HTML colours.
  a = Abschnitt(33);
  b.Schalter(a, "kmpm", kmpm);
  b.Schalter(a, "kmpb", kmpb);
  a = Abschnitt(34);
  b.Farbe(a, "hin", hin);
  b.Farbe(a, "tab", tab);
  b.Farbe(a, "ueb", ueb);
}

}  // namespace kolvar
