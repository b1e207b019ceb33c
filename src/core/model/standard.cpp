#include "model/standard.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/text.h"
#include "model/uhr.h"

namespace kolvar {

namespace {

std::string OhneDollar(std::string_view text, int laenge) {
  std::string ohne;
  for (char c : text)
    if (c != '$') ohne += c;
  return KuerzeText(ohne, laenge);
}

TAutomatikTabellen BaueStandardTabellen() {
  static constexpr int kTabelle1[6][kTage] = {{-7, -4, -1, -10, -13, -16, -37}, {25, 22, 19, 28, 31, 34, 38},
                                              {-15, -12, -9, -18, -3, -6, -39}, {33, 30, 27, 36, 21, 24, 40},
                                              {-2, -17, -14, -5, -8, -11, -41}, {20, 35, 32, 23, 26, 29, 42}};
  TAutomatikTabellen t{};
  for (int p = 1; p <= kStunden; ++p) {
    for (int d = 1; d <= kTage; ++d) {
      const int c = (p - 1) * kTage + d;
      const auto i = static_cast<std::size_t>(c - 1);
      if (p >= 7) {
        for (auto& tabelle : t) tabelle[i] = p <= 9 ? -c : c;
        continue;
      }
      t[0][i] = kTabelle1[p - 1][d - 1];
      t[1][i] = -((d - 1) * 6 + p);
      t[2][i] = p % 2 == 1 ? -c : c;
      t[3][i] = c;
    }
  }
  return t;
}

}  // namespace

TStandard::TStandard() {
  for (auto& version : sp)
    for (int p = 1; p <= kStunden; ++p)
      version[static_cast<std::size_t>(p - 1)] = (p < 10 ? " " : "") + std::to_string(p);
  spg = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  spn = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};
  cfa.fill(0xFFFFFF);
  wks = VerschluesseltesKennwort("");
  AutomatikTabellen = StandardTabellen();
  Kalenderwochen.fill(0);
  InitKalenderwochen();
  for (int i = 0; i < kVertrBemerkungen; ++i)
    StandardBemerkung[static_cast<std::size_t>(i)] = "Bemerkung" + std::to_string(i + 1);
}

void TStandard::SetVersionszahl(int n) {
  versionen_.Versionen = std::clamp(n, 1, kMaxVersionen);
  if (versionen_.AktuelleVersion > versionen_.Versionen) versionen_.AktuelleVersion = versionen_.Versionen;
}

void TStandard::SetAktuelleVersion(int v) {
  versionen_.AktuelleVersion = std::clamp(v, 1, versionen_.Versionen);
}

void TStandard::SetTageProWoche(int n) {
  mtn = std::clamp(n, 5, kTage);
}

void TStandard::SetVertrVerwahrTage(int n) {
  vtm = std::clamp(n, 1, 800);
}

void TStandard::SetPlLoeschArt(int art) {
  plr = std::clamp(art, 0, 5);
}

void TStandard::SetAutoNeuordnenNach(int stunden) {
  ast = std::clamp(stunden, 1, 5000);
}

void TStandard::SetAutoProzent(int prozent) {
  apr = std::clamp(prozent, 5, 100);
}

void TStandard::SetVersKopierArt(int art) {
  vku = std::clamp(art, 0, 5);
}

int TStandard::GetPlnKlKoBreite() const {
  return std::max(PlanFenster.pkb, PlanFenster.pob);
}
int TStandard::GetPlnLeKoBreite() const {
  return std::max(PlanFenster.plb, PlanFenster.pob);
}
int TStandard::GetPlnFaKoBreite() const {
  return std::max(PlanFenster.pfb, PlanFenster.pob);
}
int TStandard::GetPlnMaxBreite() const {
  const auto& f = PlanFenster;
  return std::max({f.plb, f.pkb, f.pob, f.pfb, f.prb});
}

namespace {
// The widest text + 3, at least `start`.
int Breitenmass(const TTextBreite& breite, const TSchrift& schrift, bool fett, const std::string* texte,
                std::size_t anzahl, int start) {
  int mass = start;
  for (std::size_t i = 0; i < anzahl; ++i) mass = std::max(mass, breite(texte[i], schrift, fett) + 3);
  return mass;
}
// A width within the range the store keeps, so the column is the same after a restart.
int Spalte(int breite, int bis = kMaxSpalte) {
  return std::clamp(breite, kMinSpalte, bis);
}
}  // namespace

void TStandard::BerechneSpaltenbreiten(const TTextBreite& breite, const TKuerzelListen& kuerzel) {
  auto& f = PlanFenster;
  const TSchrift& schrift = f.Schrift;
  const bool fett = f.pkf;
  PlanZeilenHoehe = static_cast<int>(std::lround(std::abs(schrift.Groesse) * 1.65)) + 5;
  int* ziele[] = {&f.plb, &f.pkb, &f.pob, &f.pfb, &f.prb};
  for (std::size_t i = 0; i < kuerzel.size(); ++i)
    *ziele[i] =
        Spalte(Breitenmass(breite, schrift, fett, kuerzel[i].data(), kuerzel[i].size(), kMinKuerzelSpalte),
               kMaxKuerzelSpalte);
  f.ptb = Spalte(Breitenmass(breite, schrift, fett, spg.data(), spg.size(), 13));
  const auto& labels = sp[static_cast<std::size_t>(AktuelleVersion() - 1)];
  f.psb = Spalte(Breitenmass(breite, schrift, fett, labels.data(), labels.size(), 13));
  f.pwb = Spalte((vkm + nkm) * breite("9", schrift, fett) + 5);
}

int TStandard::StundenSpalte(const TTextBreite& breite) const {
  const auto& f = PlanFenster;
  const auto& labels = sp[static_cast<std::size_t>(AktuelleVersion() - 1)];
  return std::max(f.psb, Spalte(Breitenmass(breite, f.Schrift, f.pkf, labels.data(), labels.size(), 13)));
}

void TStandard::BerechneListenbreiten(const TTextBreite& breite, const TKuerzelListen& kuerzel) {
  auto& f = DeputatFenster;
  const TSchrift& schrift = f.Schrift;
  ListenZeilenHoehe = std::abs(schrift.Groesse) + 13;
  static const char* const kKoepfe[] = {"Lehrer", "Klasse", "Kopplung", "Fach", "Raum"};
  int* ziele[] = {&f.dlb, &f.dkb, &f.dob, &f.dfb, &f.drb};
  for (std::size_t i = 0; i < kuerzel.size(); ++i)
    *ziele[i] = Spalte(Breitenmass(breite, schrift, false, kuerzel[i].data(), kuerzel[i].size(),
                                   breite(kKoepfe[i], schrift, false)));
  f.dsb = Spalte(breite("999", schrift, false) + 3);
  f.dwb = Spalte(std::max(breite("9", schrift, false) * (vkm + nkm) + 5, breite("Wert", schrift, false)));
}

const TAutomatikTabellen& TStandard::StandardTabellen() {
  static const TAutomatikTabellen tabellen = BaueStandardTabellen();
  return tabellen;
}

bool TStandard::AutomatikTabellenGueltig(const TAutomatikTabellen& tabellen) {
  for (const auto& tabelle : tabellen) {
    std::array<bool, kSlotZellen + 1> gesehen{};
    for (int wert : tabelle) {
      // Range first: the magnitude of the smallest int does not exist.
      if (wert < -kSlotZellen || wert > kSlotZellen) return false;
      const int betrag = std::abs(wert);
      if (betrag < 1 || gesehen[static_cast<std::size_t>(betrag)]) return false;
      gesehen[static_cast<std::size_t>(betrag)] = true;
    }
  }
  return true;
}

bool TStandard::SetAutomatikTabellen(const TAutomatikTabellen& tabellen) {
  if (!AutomatikTabellenGueltig(tabellen)) return false;
  AutomatikTabellen = tabellen;
  return true;
}

int TStandard::AutomatikZelle(int t, int tag, int stunde) const {
  if (t < 1 || t > kAutomatikTabellen || tag < 1 || tag > kTage || stunde < 1 || stunde > kStunden) return 0;
  return AutomatikTabellen[static_cast<std::size_t>(t - 1)]
                          [static_cast<std::size_t>((stunde - 1) * kTage + tag - 1)];
}

void TStandard::InitStandardTabellen() {
  if (!AutomatikTabellenGueltig(AutomatikTabellen)) AutomatikTabellen = StandardTabellen();
}

void TStandard::SetFreieTage(const TWochenTabelle& tage) {
  for (std::size_t i = 0; i < tage.size(); ++i) FreieTage[i] = static_cast<uint8_t>(tage[i] & 0x7F);
}

void TStandard::InitKalenderwochen() {
  const bool gueltig =
      std::all_of(Kalenderwochen.begin(), Kalenderwochen.end(), [](uint8_t w) { return w >= 1 && w <= 53; });
  if (gueltig) return;
  for (int i = 0; i < kKalenderWochen; ++i)
    Kalenderwochen[static_cast<std::size_t>(i)] =
        static_cast<uint8_t>(Kalenderwoche(kKalenderBeginn + 7 * i));
}

bool TStandard::IstFreierTag(int32_t tag) const {
  const uint8_t woche = FreieTage[static_cast<std::size_t>(WochenIndex(tag))];
  return (woche >> (Wochentag(tag) - 1)) & 1u;
}

void TStandard::SetStundenBezeichnungen(int version, const std::array<std::string, kStunden>& labels) {
  if (version < 1 || version > kMaxVersionen) return;
  auto& ziel = sp[static_cast<std::size_t>(version - 1)];
  for (std::size_t p = 0; p < ziel.size(); ++p) ziel[p] = OhneDollar(labels[p], kStundenLabelLaenge);
}

void TStandard::SetTagKuerzel(const std::array<std::string, kTage>& kuerzel) {
  for (std::size_t d = 0; d < spg.size(); ++d) spg[d] = OhneDollar(kuerzel[d], kKuerzelLaenge);
}

void TStandard::SetTagNamen(const std::array<std::string, kTage>& namen) {
  for (std::size_t d = 0; d < spn.size(); ++d) spn[d] = OhneDollar(namen[d], kNamenLaenge);
}

void TStandard::SetDruckVertrEinstellungen(const std::array<TVertrDruckEinstellung, 4>& vorgaben,
                                           const std::array<bool, 4>& drucken) {
  VertretungsDruck.vc = drucken;
  VertretungsDruck.Vorgaben = vorgaben;
  for (auto& v : VertretungsDruck.Vorgaben) {
    v.vvs = std::clamp(v.vvs, 0, 3);
    v.ves = std::clamp(v.ves, 0, 3);
    v.vlb = std::clamp(v.vlb, 0, 1);
    v.vba = std::clamp(v.vba, 0, 1);
  }
}

void TStandard::SetVertrBemerkungen(const std::array<std::string, kVertrBemerkungen>& bemerkungen) {
  for (std::size_t i = 0; i < StandardBemerkung.size(); ++i)
    StandardBemerkung[i] = KuerzeText(bemerkungen[i], kBemerkungLaenge);
}

void TStandard::SetzeStartZeit(const Uhr& uhr) {
  const int64_t tageszeit = uhr.Jetzt() - int64_t{uhr.Heute()} * 86400;
  StartZeit = tageszeit;
  LetzteSicherungsZeit = tageszeit;
}

std::string TStandard::VerschluesseltesKennwort(std::string_view eingabe) {
  std::string text = KuerzeText(eingabe, kKennwortLaenge);
  text.append(static_cast<std::size_t>(kKennwortLaenge - TextLaenge(text)), ' ');
  return Verschluessele(text);
}

}  // namespace kolvar
