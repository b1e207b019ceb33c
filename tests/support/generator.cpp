#include "generator.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "model/fach.h"
#include "model/fehl.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/parliste.h"
#include "model/raum.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "model/uvtab.h"
#include "storage/vertretungsablage.h"
#include "substitution/vertretung.h"

namespace kolvar {

namespace {

constexpr std::array<TProfilGroesse, 4> kGroessen{{
    {15, 10, 15, 15, 5, 150, 280, 1, 60},
    {80, 35, 60, 35, 60, 800, 1500, 2, 2000},
    {150, 60, 110, 60, 200, 1800, 3000, 4, 8000},
    {200, 80, 150, 80, 300, 3000, 4000, 54, 40000},
}};

constexpr int kSchultage = 5;
constexpr int kPerioden = 10;

// SplitMix64: small, fast and the same on every platform and standard library.
class TZufall {
 public:
  explicit TZufall(uint64_t seed) : zustand_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint64_t Naechste() {
    uint64_t z = (zustand_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0..n-1 (n >= 1).
  int Bis(int n) { return static_cast<int>(Naechste() % static_cast<uint64_t>(n)); }
  int Zwischen(int von, int bis) { return von + Bis(bis - von + 1); }
  bool Chance(int prozent) { return Bis(100) < prozent; }
  template <typename T>
  void Mische(std::vector<T>& v) {
    for (std::size_t i = v.size(); i > 1; --i)
      std::swap(v[i - 1], v[static_cast<std::size_t>(Bis(static_cast<int>(i)))]);
  }
  template <typename T>
  T& Eines(std::vector<T>& v) {
    return v[static_cast<std::size_t>(Bis(static_cast<int>(v.size())))];
  }

 private:
  uint64_t zustand_;
};

struct TFachVorlage {
  const char* kuerzel;
  const char* name;
  int stunden;  // usual weekly hours in a lower class; 0 = taught only in bands or upper school
};

// Religion first among the small school's fifteen, so every profile has its religion bands.
constexpr TFachVorlage kFaecher[] = {
    {"D", "Deutsch", 4},
    {"M", "Mathematik", 4},
    {"E", "Englisch", 4},
    {"F", "Französisch", 0},
    {"Bio", "Biologie", 2},
    {"Ch", "Chemie", 2},
    {"Ph", "Physik", 2},
    {"Ek", "Erdkunde", 2},
    {"G", "Geschichte", 2},
    {"Ku", "Kunst", 2},
    {"Mu", "Musik", 2},
    {"Sp", "Sport", 3},
    {"ev", "ev. Religion", 0},
    {"kat", "kath. Religion", 0},
    {"Eth", "Ethik", 0},
    {"L", "Latein", 0},
    {"Pol", "Politik", 2},
    {"If", "Informatik", 0},
    {"Pl", "Philosophie", 0},
    {"S", "Spanisch", 0},
    {"Sw", "Sozialwissenschaften", 0},
    {"Lit", "Literatur", 0},
    {"Gr", "Griechisch", 0},
    {"It", "Italienisch", 0},
    {"Ru", "Russisch", 0},
    {"Te", "Technik", 0},
    {"Hw", "Hauswirtschaft", 0},
    {"Ws", "Wirtschaft", 0},
    {"Ps", "Psychologie", 0},
    {"Ds", "Darstellendes Spiel", 0},
    {"Nw", "Naturwissenschaften", 0},
    {"Fö", "Förderunterricht", 1},
    {"Ag", "Arbeitsgemeinschaft", 0},
    {"Pj", "Projektkurs", 0},
    {"Sk", "Schülerzeitung", 0},
};

constexpr const char* kNamen[] = {
    "Müller",   "Schmidt",  "Schneider", "Fischer",    "Weber",   "Meyer",   "Wagner",   "Becker",
    "Schulz",   "Hoffmann", "Schäfer",   "Koch",       "Bauer",   "Richter", "Klein",    "Wolf",
    "Schröder", "Neumann",  "Schwarz",   "Zimmermann", "Braun",   "Krüger",  "Hofmann",  "Hartmann",
    "Lange",    "Schmitt",  "Werner",    "Schmitz",    "Krause",  "Meier",   "Lehmann",  "Schmid",
    "Schulze",  "Maier",    "Köhler",    "Herrmann",   "König",   "Walter",  "Mayer",    "Huber",
    "Kaiser",   "Fuchs",    "Peters",    "Lang",       "Scholz",  "Möller",  "Weiß",     "Jung",
    "Hahn",     "Schubert", "Vogel",     "Friedrich",  "Keller",  "Günther", "Frank",    "Berger",
    "Winkler",  "Roth",     "Beck",      "Lorenz",     "Baumann", "Franke",  "Albrecht", "Schuster",
};

constexpr uint32_t kFarben[] = {0xFFFFFF, 0xC0FFC0, 0xFFC0C0, 0xC0C0FF, 0x80FFFF, 0xFFFF80, 0xE0E0E0};

class TBau {
 public:
  TBau(TSchule& schule, Profil profil, uint32_t seed, int32_t heute)
      : s_(schule), g_(GroesseVon(profil)), z_(seed ^ (static_cast<uint64_t>(profil) << 40)), heute_(heute) {}

  void Baue() {
    s_.SetzeTitel("Gymnasium am Stadtpark");
    Wochentabelle();
    Raeume();
    Faecher();
    Lehrer();
    Klassen();
    Kopplungen();
    Einzelkurse();
    VerteileStunden();
    Versionsstunden();
    Sperrungen();
    for (int v = 1; v <= g_.versionen; ++v) Verplane(v);
    Fixiere();
    Aenderungsdaten();
    Fehlzeiten();
    Vertretungen();
    UVTabellen();
    Parallelen();
  }

 private:
  struct TEinheit {
    TKopplung* kopplung = nullptr;  // nullptr: a single course
    std::vector<TKurs*> kurse;
  };

  int32_t Stempel(int tageZurueck) {
    // Change dates on hundredths of a day, as the file keeps them.
    return heute_ - tageZurueck;
  }
  int64_t DatumZeit(int tageZurueck) {
    return int64_t{Stempel(tageZurueck)} * 86400 + int64_t{z_.Zwischen(20, 80)} * 864;
  }

  void Wochentabelle() {
    const int n = g_.versionen;
    const int laenge = n >= 20 ? 1 : 20 / n;
    for (int k = 1; k <= kWochen; ++k)
      s_.SetzeWochenVersion(k, static_cast<uint8_t>(1 + ((k - 1) / laenge) % n));
    for (int v = 1; v <= n; ++v) {
      for (int d = 1; d <= kSchultage; ++d) s_.SchulRaster1().SetzeBereich(v, d, 7, true);
      s_.SchulRaster2().SetzeBereich(v, 6, 0, true);
    }
  }

  void Raeume() {
    const std::array<const char*, 8> fach{"Ph1", "Ch1", "Bio1", "Ku1", "Mu1", "TH1", "TH2", "If1"};
    const int anzahlFach = std::min<int>(static_cast<int>(fach.size()), g_.raeume / 5);
    for (int i = 0; i < anzahlFach; ++i) {
      TRaum* r = s_.NeuerRaum(fach[static_cast<std::size_t>(i)]);
      r->SetzeName(std::string("Fachraum ") + fach[static_cast<std::size_t>(i)]);
      fachraum_.push_back(r);
    }
    for (int i = 0; static_cast<int>(raeume_.size()) + anzahlFach < g_.raeume; ++i) {
      const std::string k = std::string(1, static_cast<char>('A' + i / 30)) + std::to_string(101 + i % 30);
      TRaum* r = s_.NeuerRaum(k);
      r->SetzeName("Raum " + k);
      raeume_.push_back(r);
    }
  }

  TRaum* Fachraum(const std::string& fach) {
    const std::array<const char*, 8> zu{"Ph", "Ch", "Bio", "Ku", "Mu", "Sp", "Sp", "If"};
    for (std::size_t i = 0; i < fachraum_.size(); ++i)
      if (fach == zu[i]) return fachraum_[i];
    return nullptr;
  }

  void Faecher() {
    constexpr int vorlagen = static_cast<int>(std::size(kFaecher));
    for (int i = 0; i < g_.faecher; ++i) {
      TFach* f;
      if (i < vorlagen) {
        f = s_.NeuesFach(kFaecher[i].kuerzel);
        f->SetzeName(kFaecher[i].name);
        fachStunden_.push_back(kFaecher[i].stunden);
      } else {
        f = s_.NeuesFach("WP" + std::to_string(i - vorlagen + 1));
        f->SetzeName("Wahlpflicht " + std::to_string(i - vorlagen + 1));
        fachStunden_.push_back(0);
      }
      faecher_.push_back(f);
    }
    lehrerVonFach_.resize(faecher_.size());
  }

  TFach* FachMit(const char* kuerzel) {
    for (TFach* f : faecher_)
      if (f->Kuerzel() == kuerzel) return f;
    return nullptr;
  }
  int FachIndex(const TFach* f) const {
    return static_cast<int>(std::find(faecher_.begin(), faecher_.end(), f) - faecher_.begin());
  }

  void Lehrer() {
    const int namen = static_cast<int>(std::size(kNamen));
    for (int i = 0; i < g_.lehrer; ++i) {
      std::string name = kNamen[i % namen];
      std::string kuerzel = KuerzeText(name, 3);
      if (i >= namen) {
        name += " " + std::to_string(i / namen + 1);
        kuerzel += std::to_string(i / namen + 1);
      }
      // Abbreviations are unique within their list: Schulz and Schmidt must not both be "Sch".
      for (int n = 2; TSchule::SucheKuerzel(s_.Lehrer(), kuerzel); ++n)
        kuerzel = KuerzeText(name, 2) + std::to_string(n);
      TLehrer* l = s_.NeuerLehrer(kuerzel);
      l->SetzeName(name);
      // Every subject gets a teacher, then a usual second subject.
      TFach* erstes = faecher_[static_cast<std::size_t>(i) % faecher_.size()];
      TFach* zweites =
          faecher_[static_cast<std::size_t>(z_.Bis(std::min<int>(12, static_cast<int>(faecher_.size()))))];
      l->FuegeFachHinzu(erstes);
      lehrerVonFach_[static_cast<std::size_t>(FachIndex(erstes))].push_back(l);
      if (zweites != erstes) {
        l->FuegeFachHinzu(zweites);
        lehrerVonFach_[static_cast<std::size_t>(FachIndex(zweites))].push_back(l);
      }
      for (int v = 1; v <= g_.versionen; ++v) l->SetzeSoll(v, z_.Zwischen(18, 28) * s_.Standard().dvs);
      l->SetzeVStd1(z_.Zwischen(-5, 12));
      l->SetzeVStd2(z_.Zwischen(-5, 12));
      lehrer_.push_back(l);
    }
    for (TLehrer* l : lehrer_)
      if (z_.Chance(30) && !raeume_.empty()) l->SetzeRaum(z_.Eines(raeume_));
  }

  TLehrer* LehrerFuer(TFach* f, const std::vector<TLehrer*>& nicht = {}) {
    auto& kandidaten = lehrerVonFach_[static_cast<std::size_t>(FachIndex(f))];
    if (kandidaten.empty()) return z_.Eines(lehrer_);
    for (int versuch = 0; versuch < 8; ++versuch) {
      TLehrer* l = z_.Eines(kandidaten);
      if (std::find(nicht.begin(), nicht.end(), l) == nicht.end()) return l;
    }
    // Any teacher not yet in the band rather than a teacher twice in one slot.
    for (int versuch = 0; versuch < 32; ++versuch) {
      TLehrer* l = z_.Eines(lehrer_);
      if (std::find(nicht.begin(), nicht.end(), l) == nicht.end()) return l;
    }
    return z_.Eines(kandidaten);
  }

  void Klassen() {
    const int unten = g_.klassen - 2;
    const int zuege = (unten + 5) / 6;
    for (int i = 0; i < unten; ++i) {
      const int jahrgang = 5 + i / zuege;
      const std::string k = std::to_string(jahrgang) + static_cast<char>('a' + i % zuege);
      TKlasse* kl = s_.NeueKlasse(k);
      kl->SetzeName("Klasse " + k);
      jahrgang_.push_back(jahrgang);
      klassen_.push_back(kl);
    }
    for (const char* q : {"Q1", "Q2"}) {
      TKlasse* kl = s_.NeueKlasse(q);
      kl->SetzeName(std::string("Jahrgangsstufe ") + q);
      kl->SetzeEinzeln(true);
      jahrgang_.push_back(q[1] == '1' ? 11 : 12);
      klassen_.push_back(kl);
      oberstufe_.push_back(kl);
    }
    for (std::size_t i = 0; i < klassen_.size(); ++i) {
      TKlasse* kl = klassen_[i];
      kl->SetzeLehrer1(lehrer_[i % lehrer_.size()]);
      if (z_.Chance(50)) kl->SetzeLehrer2(lehrer_[(i * 7 + 3) % lehrer_.size()]);
      if (i < raeume_.size() && jahrgang_[i] <= 10) kl->SetzeRaum(raeume_[i]);
      for (int v = 1; v <= g_.versionen; ++v) kl->SetzeSoll(v, z_.Zwischen(28, 34) * s_.Standard().dvs);
    }
  }

  // Classes of a grade in pairs (a lone last class alone).
  std::vector<std::vector<TKlasse*>> Gruppen(int vonJahrgang) {
    std::vector<std::vector<TKlasse*>> gruppen;
    for (int j = vonJahrgang; j <= 10; ++j) {
      std::vector<TKlasse*> jg;
      for (std::size_t i = 0; i < klassen_.size(); ++i)
        if (jahrgang_[i] == j) jg.push_back(klassen_[i]);
      for (std::size_t i = 0; i < jg.size(); i += 2) {
        std::vector<TKlasse*> g{jg[i]};
        if (i + 1 < jg.size()) g.push_back(jg[i + 1]);
        gruppen.push_back(g);
      }
    }
    return gruppen;
  }

  std::vector<TRaum*> Pool(int groesse) {
    std::vector<TRaum*> pool;
    if (raeume_.empty()) return pool;
    const int start = z_.Bis(static_cast<int>(raeume_.size()));
    for (int i = 0; i < groesse && i < static_cast<int>(raeume_.size()); ++i)
      pool.push_back(raeume_[static_cast<std::size_t>(start + i) % raeume_.size()]);
    return pool;
  }

  TKurs* Kurs(TLehrer* l, const std::vector<TKlasse*>& kl, TKopplung* ko, TFach* f,
              const std::vector<TRaum*>& raeume) {
    TKurs* k = s_.ErzeugeKurs(l, kl.empty() ? nullptr : kl.front(), ko, f,
                              raeume.empty() ? nullptr : raeume.front(), 1);
    for (std::size_t i = 1; i < kl.size(); ++i) k->FuegeKlasseHinzu(kl[i]);
    for (std::size_t i = 1; i < raeume.size(); ++i) k->FuegeRaumHinzu(raeume[i], false);
    // A teacher teaches the subjects of his courses.
    if (l && f) l->FuegeFachHinzu(f);
    return k;
  }

  void Kopplungen() {
    std::vector<TFach*> religion, sprachen;
    for (const char* k : {"ev", "kat", "Eth"})
      if (TFach* f = FachMit(k)) religion.push_back(f);
    for (const char* k : {"F", "L", "S"})
      if (TFach* f = FachMit(k)) sprachen.push_back(f);
    const auto relGruppen = Gruppen(5);
    const auto sprGruppen = Gruppen(6);
    std::size_t ir = 0, is = 0;
    int nummer = 0;
    for (int i = 0; i < g_.kopplungen; ++i) {
      const int art = i % 3;
      TEinheit e;
      std::vector<TKlasse*> kl;
      std::vector<TFach*> faecher;
      std::string kuerzel;
      if (art == 0 && !relGruppen.empty() && religion.size() >= 2) {
        kl = relGruppen[ir++ % relGruppen.size()];
        faecher = religion;
        kuerzel = "Rel" + kl.front()->Kuerzel();
      } else if (art == 1 && !sprGruppen.empty() && sprachen.size() >= 2) {
        kl = sprGruppen[is++ % sprGruppen.size()];
        faecher = sprachen;
        kuerzel = "Spr" + kl.front()->Kuerzel();
      } else {
        kl = {oberstufe_[static_cast<std::size_t>(z_.Bis(2))]};
        std::vector<TFach*> alle = faecher_;
        z_.Mische(alle);
        const int groesse = std::min<int>(z_.Zwischen(5, 15), static_cast<int>(alle.size()));
        faecher.assign(alle.begin(), alle.begin() + groesse);
        kuerzel = kl.front()->Kuerzel() + "B";
      }
      kuerzel += std::to_string(++nummer);
      // Cut to 7 characters the names may meet; abbreviations are unique within their list.
      const std::string stamm = kuerzel;
      kuerzel = KuerzeText(stamm, kKuerzelLaenge);
      for (int n = 1; TSchule::SucheKuerzel(s_.Kopplungen(), kuerzel); ++n) {
        const std::string zusatz = std::to_string(n);
        kuerzel = KuerzeText(stamm, kKuerzelLaenge - static_cast<int>(zusatz.size())) + zusatz;
      }
      e.kopplung = s_.NeueKopplung(kuerzel);
      e.kopplung->SetzeName("Band " + kuerzel);
      const auto pool = Pool(static_cast<int>(faecher.size()) + 2);
      std::vector<TLehrer*> schon;
      for (TFach* f : faecher) {
        TLehrer* l = LehrerFuer(f, schon);
        schon.push_back(l);
        TKurs* k = Kurs(l, kl, e.kopplung, f, pool);
        k->SetzeInfo(art == 2 ? (z_.Chance(30) ? "LK" : "GK") : "");
        e.kurse.push_back(k);
      }
      einheiten_.push_back(e);
    }
  }

  void Einzelkurse() {
    int gekoppelt = 0;
    for (const TEinheit& e : einheiten_) gekoppelt += static_cast<int>(e.kurse.size());
    int rest = g_.kurse - gekoppelt;
    std::vector<TFach*> kern;
    for (std::size_t i = 0; i < faecher_.size(); ++i)
      if (fachStunden_[i] > 0) kern.push_back(faecher_[i]);
    std::size_t ki = 0;
    for (int n = 0; n < rest; ++n) {
      const std::size_t ci = static_cast<std::size_t>(n) % klassen_.size();
      TKlasse* kl = klassen_[ci];
      TFach* f = jahrgang_[ci] > 10 ? z_.Eines(faecher_) : kern[(ki++ + ci) % kern.size()];
      std::vector<TKlasse*> klassen{kl};
      if (f->Kuerzel() == "Sp" && ci + 1 < klassen_.size() && jahrgang_[ci + 1] == jahrgang_[ci] &&
          z_.Chance(20))
        klassen.push_back(klassen_[ci + 1]);
      if (z_.Chance(2)) klassen.clear();  // a working group without classes
      std::vector<TRaum*> raeume;
      if (TRaum* fr = Fachraum(f->Kuerzel())) raeume.push_back(fr);
      if (kl->Raum() && !klassen.empty()) raeume.push_back(kl->Raum());
      if (raeume.empty() && !raeume_.empty()) raeume.push_back(z_.Eines(raeume_));
      if (z_.Chance(3)) raeume.clear();
      TKurs* k = Kurs(LehrerFuer(f), klassen, nullptr, f, raeume);
      if (z_.Chance(4) && !raeume_.empty()) k->FuegeRaumHinzu(z_.Eines(raeume_), true);
      if (z_.Chance(1)) k->SetzeNichtVerplanen(true);
      if (z_.Chance(5)) k->SetzeNichtZaehlenLehrer(true);
      if (z_.Chance(3)) k->SetzeNichtZaehlenKlassen(true);
      if (z_.Chance(10)) k->SetzeInfo("Förder");
      if (z_.Chance(10)) k->SetFaktor(z_.Zwischen(2, 3));
      k->SetzeEinzelstunden(z_.Zwischen(0, 3));
      k->SetzeStundenProTag(z_.Zwischen(1, 2));
      k->SetzeTabelle(z_.Zwischen(1, 4));
      k->SetzeFarbe(kFarben[z_.Bis(static_cast<int>(std::size(kFarben)))]);
      const int usual = fachStunden_[static_cast<std::size_t>(FachIndex(f))];
      wunsch_.push_back(usual > 0 ? usual : 2);
      TEinheit e;
      e.kurse.push_back(k);
      einheiten_.push_back(e);
    }
  }

  // Hours of version 1 so that their sum is exactly the profile's weekly hours.
  void VerteileStunden() {
    std::vector<int> h(einheiten_.size(), 1);
    std::size_t w = 0;
    for (std::size_t i = 0; i < einheiten_.size(); ++i) {
      if (einheiten_[i].kopplung)
        h[i] = z_.Zwischen(2, 3);
      else
        h[i] = wunsch_[w++];
    }
    auto summe = [&] {
      long s = 0;
      for (std::size_t i = 0; i < h.size(); ++i)
        s += long{h[i]} * static_cast<long>(einheiten_[i].kurse.size());
      return s;
    };
    long diff = g_.wochenstunden - summe();
    for (int runde = 0; diff != 0 && runde < 200000; ++runde) {
      const std::size_t i = static_cast<std::size_t>(z_.Bis(static_cast<int>(h.size())));
      const long k = static_cast<long>(einheiten_[i].kurse.size());
      if (k > (diff < 0 ? -diff : diff)) continue;
      if (diff > 0 && h[i] < 6) {
        ++h[i];
        diff -= k;
      } else if (diff < 0 && h[i] > 1) {
        --h[i];
        diff += k;
      }
    }
    for (std::size_t i = 0; diff != 0 && i < h.size(); ++i) {
      if (einheiten_[i].kopplung) continue;
      while (diff > 0 && h[i] < 8) ++h[i], --diff;
      while (diff < 0 && h[i] > 1) --h[i], ++diff;
    }
    for (std::size_t i = 0; i < h.size(); ++i)
      for (TKurs* k : einheiten_[i].kurse)
        for (int v = 1; v <= g_.versionen; ++v) k->SetzeStunden(v, h[i]);
  }

  // Later versions move an hour here and there between single courses, keeping the sum.
  void Versionsstunden() {
    std::vector<TKurs*> einzeln;
    for (const TEinheit& e : einheiten_)
      if (!e.kopplung) einzeln.push_back(e.kurse.front());
    if (einzeln.size() < 2) return;
    for (int v = 2; v <= g_.versionen; ++v) {
      for (int n = 0; n < 1 + static_cast<int>(einzeln.size()) / 50; ++n) {
        TKurs* a = z_.Eines(einzeln);
        TKurs* b = z_.Eines(einzeln);
        if (a == b || b->Stunden(v) < 2) continue;
        a->SetzeStunden(v, a->Stunden(v) + 1);
        b->SetzeStunden(v, b->Stunden(v) - 1);
      }
    }
  }

  void Sperre(TWochBereich& raster, int d, int von, int bis) {
    for (int v = 1; v <= g_.versionen; ++v)
      for (int p = von; p <= bis; ++p) raster.SetzeBereich(v, d, p, true);
  }

  void Sperrungen() {
    for (TLehrer* l : lehrer_) {
      if (z_.Chance(15))
        Sperre(l->Sperrung(), z_.Zwischen(1, kSchultage), 1, kPerioden);  // part-time day off
      if (z_.Chance(10)) Sperre(l->Sperrung(), z_.Zwischen(1, kSchultage), 1, 2);
    }
    for (std::size_t i = 0; i < klassen_.size(); ++i)
      if (jahrgang_[i] <= 6)
        for (int d = 1; d <= kSchultage; ++d) Sperre(klassen_[i]->Sperrung(), d, 9, kPerioden);
    for (TRaum* r : fachraum_)
      if (z_.Chance(50)) Sperre(r->Sperrung(), z_.Zwischen(1, kSchultage), 8, kPerioden);
    for (TRaum* r : raeume_)
      if (z_.Chance(5)) Sperre(r->Sperrung(), z_.Zwischen(1, kSchultage), 1, kPerioden);
    for (const TEinheit& e : einheiten_)
      if (!e.kopplung && z_.Chance(5))
        Sperre(e.kurse.front()->Sperrung(), z_.Zwischen(1, kSchultage), 7, kPerioden);
  }

  static bool Frei(const TPlanElement* e, int v, int d, int p) {
    return e == nullptr || (!e->Belegung().Belegt(v, d, p) && !e->Sperrung().Belegt(v, d, p));
  }

  // Places one hour of the unit at the slot when every member, its teacher, its classes and a
  // distinct room of each are free there; true when placed.
  bool Versuche(const TEinheit& e, int v, int d, int p, bool einmalProTag) {
    std::vector<TLehrer*> lehrer;
    std::vector<TRaum*> raeume;
    raeume.reserve(e.kurse.size());
    for (TKurs* k : e.kurse) {
      if (k->Sperrung().Belegt(v, d, p) || k->Belegung().Belegt(v, d, p)) return false;
      if (einmalProTag && k->Belegung().Tag(v, d) != 0) return false;
      if (!Frei(k->Lehrer(), v, d, p)) return false;
      if (k->Lehrer()) {
        if (std::find(lehrer.begin(), lehrer.end(), k->Lehrer()) != lehrer.end()) return false;
        lehrer.push_back(k->Lehrer());
      }
      for (TKlasse* kl : k->Klassen())
        if (!Frei(kl, v, d, p)) return false;
      TRaum* gewaehlt = nullptr;
      bool brauchtRaum = !k->Raeume().Leer();
      for (TRaum* r : k->Raeume()) {
        if (Frei(r, v, d, p) && std::find(raeume.begin(), raeume.end(), r) == raeume.end()) {
          gewaehlt = r;
          break;
        }
      }
      if (brauchtRaum && gewaehlt == nullptr) return false;
      raeume.push_back(gewaehlt);
    }
    for (std::size_t i = 0; i < e.kurse.size(); ++i) e.kurse[i]->Setze(v, d, raeume[i], p);
    return true;
  }

  void Verplane(int v) {
    std::vector<std::size_t> reihe(einheiten_.size());
    for (std::size_t i = 0; i < reihe.size(); ++i) reihe[i] = i;
    z_.Mische(reihe);
    std::stable_sort(reihe.begin(), reihe.end(), [&](std::size_t a, std::size_t b) {
      return einheiten_[a].kurse.size() > einheiten_[b].kurse.size();
    });
    std::vector<std::pair<int, int>> plaetze;
    for (int d = 1; d <= kSchultage; ++d)
      for (int p = 1; p <= kPerioden; ++p) plaetze.emplace_back(d, p);
    for (std::size_t i : reihe) {
      const TEinheit& e = einheiten_[i];
      TKurs* erster = e.kurse.front();
      if (erster->NichtVerplanen()) continue;
      // A later version first keeps version 1's slots where they are still free.
      if (v > 1) {
        std::vector<std::pair<int, int>> alt;
        for (TSetzung* s : erster->Setzungen())
          if (s->Version() == 1) alt.emplace_back(s->Tag(), s->Stunde());
        for (auto [d, p] : alt)
          if (erster->OffeneStunden(v) > 0 && z_.Chance(95)) Versuche(e, v, d, p, false);
      }
      for (int pass = 0; pass < 2 && erster->OffeneStunden(v) > 0; ++pass) {
        z_.Mische(plaetze);
        for (auto [d, p] : plaetze) {
          if (erster->OffeneStunden(v) <= 0) break;
          Versuche(e, v, d, p, pass == 0);
        }
      }
    }
  }

  // Placing stamps the present; a plan was last changed some days ago, on the file's hundredths.
  void Aenderungsdaten() {
    for (TLehrer* l : lehrer_) l->StempleDatum(DatumZeit(1 + z_.Bis(300)));
    for (TKlasse* k : klassen_) k->StempleDatum(DatumZeit(1 + z_.Bis(300)));
    for (TRaum* r : fachraum_) r->StempleDatum(DatumZeit(1 + z_.Bis(300)));
    for (TRaum* r : raeume_) r->StempleDatum(DatumZeit(1 + z_.Bis(300)));
  }

  void Fixiere() {
    for (TKurs* k : s_.Kurse())
      for (TSetzung* s : k->Setzungen())
        if (z_.Chance(5)) s->SetFixiert(true);
  }

  void Fehlzeiten() {
    const int anzahl = g_.klassen / 2 + g_.raeume / 4;
    const int vtm = s_.Standard().vtm;
    struct TSchluessel {
      const TPlanElement* e;
      int32_t datum;
      bool operator==(const TSchluessel&) const = default;
    };
    std::vector<TSchluessel> schon;
    for (int n = 0; n < anzahl; ++n) {
      const int art = n % 2 == 0 ? 1 : 2;
      TPlanElement* e = art == 0   ? static_cast<TPlanElement*>(z_.Eines(lehrer_))
                        : art == 1 ? static_cast<TPlanElement*>(z_.Eines(klassen_))
                                   : static_cast<TPlanElement*>(z_.Eines(raeume_));
      int32_t datum = heute_ - (vtm - 1) + z_.Bis(vtm - 1 + 28);
      while (Uhr::Wochentag(datum) > kSchultage) ++datum;
      if (std::find(schon.begin(), schon.end(), TSchluessel{e, datum}) != schon.end()) continue;
      schon.push_back({e, datum});
      uint16_t maske = 0;
      const int von = z_.Zwischen(1, kPerioden),
                bis = z_.Chance(40) ? kPerioden : z_.Zwischen(von, kPerioden);
      for (int p = von; p <= bis; ++p) maske = static_cast<uint16_t>(maske | (1u << (16 - p)));
      auto* f = new TFehl();
      f->SetzeDatum(datum);
      f->SetzeElement(e);
      f->SetzeStunden(maske);
      f->SetzeNeueStunden(maske);
      TListe<TFehl>& liste = art == 0 ? s_.LehrerFehlen() : art == 1 ? s_.KlassenFehlen() : s_.RaumFehlen();
      liste.Haenge(f);
    }
  }

  // Whole days of absent teachers from the oldest day kept on, each with a record per lesson of
  // the day; most get a substitute, some are dropped ("frei"), and a substitute who had a lesson
  // then gives it up (a "statt" follow-up). Made with the plain setters, as a file brings them.
  void Vertretungen() {
    const int vtm = s_.Standard().vtm;
    std::vector<TVertretung*> alle;
    for (int32_t datum = heute_ - (vtm - 1);
         static_cast<int>(alle.size()) + s_.Vertretungen().Anzahl() < g_.vertretungen; ++datum) {
      if (Uhr::Wochentag(datum) > kSchultage) continue;
      const int v = s_.VersionDerWoche(datum), d = Uhr::Wochentag(datum);
      std::vector<TLehrer*> fehlend, anwesend;
      for (TLehrer* l : lehrer_) (z_.Chance(8) ? fehlend : anwesend).push_back(l);
      if (anwesend.empty()) continue;
      for (TLehrer* l : fehlend) {
        // Follow-ups join the school's list at once, the others at the end.
        if (static_cast<int>(alle.size()) + s_.Vertretungen().Anzahl() >= g_.vertretungen) break;
        auto* f = new TFehl();
        f->SetzeDatum(datum);
        f->SetzeElement(l);
        f->SetzeStunden(0xFFC0);
        f->SetzeNeueStunden(0xFFC0);
        s_.LehrerFehlen().Haenge(f);
        for (TKurs* k : l->Kurse())
          for (TSetzung* z : k->Setzungen())
            if (z->Version() == v && z->Tag() == d) alle.push_back(Vertretung(*z, datum, anwesend));
      }
    }
    for (TVertretung* r : alle) r->HaengeAn();
    // The school's list sorted by "vsa", equal records in the order of lessons and placements, as
    // a loaded file has them.
    std::vector<TVertretung*> liste;
    for (TKurs* k : s_.Kurse())
      for (TSetzung* z : k->Setzungen())
        for (TVertretung* r : z->Vertretungen()) liste.push_back(r);
    SortiereVertretungsliste(liste, s_.Standard().vsa);
    s_.Vertretungen().Leere();
    for (TVertretung* r : liste) s_.Vertretungen().Haenge(r);
  }

  TVertretung* Satz(TSetzung& z, int32_t datum) {
    auto* r = new (s_) TVertretung(s_);
    r->SetKurs(&z.Kurs());
    r->SetSetzung(&z);
    r->SetDatum(datum);
    r->SetArt(VertrArt::Lehrer);
    r->SetErsatzraum(z.Raum());
    return r;
  }

  TVertretung* Vertretung(TSetzung& z, int32_t datum, std::vector<TLehrer*>& anwesend) {
    TVertretung* r = Satz(z, datum);
    if (z_.Chance(15)) {
      r->SetFrei(true);
      r->BildeBemerkung();
      return r;
    }
    TLehrer* s = z_.Eines(anwesend);
    r->SetVertreter(s);
    r->SetAnrechnen(true);
    const TListe<TKurs> eigene = s->KurseAn(z.Version(), z.Tag(), z.Stunde());
    if (!eigene.Leer() && z_.Chance(50)) {
      if (TSetzung* sz = eigene.Hole(1)->FindeSetzung(z.Version(), z.Tag(), z.Stunde())) {
        TVertretung* f = Satz(*sz, datum);
        f->SetVerlegtAuf(r);
        r->SetStatt(f);
        r->SetAnrechnen(false);
        f->HaengeAn();
        f->BildeBemerkung();
      }
    }
    r->BildeBemerkung();
    return r;
  }

  void UVTabellen() {
    const int anzahl = 1 + g_.klassen / 12;
    for (int i = 0; i < anzahl; ++i) {
      TUVTab* t = s_.NeueUVTab("UV" + std::to_string(i + 1));
      t->SetzeName("Verteilung " + std::to_string(i + 1));
      const bool uv = i % 2 == 0;
      t->SetzeArt(uv ? 1 : 0);
      for (int n = 0; n < 6; ++n) {
        if (uv)
          t->FuegeFachHinzu(z_.Eines(faecher_));
        else
          t->FuegeLehrerHinzu(z_.Eines(lehrer_));
      }
      for (int n = 0; n < 4; ++n) t->FuegeKlasseHinzu(z_.Eines(klassen_));
    }
  }

  void Parallelen() {
    std::vector<TKopplung*> ko;
    for (const TEinheit& e : einheiten_)
      if (e.kopplung) ko.push_back(e.kopplung);
    TParListe& par = s_.ParListe();
    const int spalten = 3;
    const int zeilen = std::max(1, static_cast<int>(ko.size()) / 4);
    par.Leere();
    par.SetzeZeilen(zeilen);
    par.SetzeSpalten(spalten);
    for (int i = 0; i < zeilen * spalten; ++i)
      par.Zellen().Haenge(ko.empty() || z_.Chance(25) ? nullptr : z_.Eines(ko));
  }

  TSchule& s_;
  const TProfilGroesse& g_;
  TZufall z_;
  int32_t heute_;
  std::vector<TRaum*> raeume_, fachraum_;
  std::vector<TFach*> faecher_;
  std::vector<int> fachStunden_;
  std::vector<std::vector<TLehrer*>> lehrerVonFach_;
  std::vector<TLehrer*> lehrer_;
  std::vector<TKlasse*> klassen_, oberstufe_;
  std::vector<int> jahrgang_;
  std::vector<TEinheit> einheiten_;
  std::vector<int> wunsch_;
};

}  // namespace

const TProfilGroesse& GroesseVon(Profil profil) {
  return kGroessen[static_cast<std::size_t>(profil)];
}

const char* ProfilName(Profil profil) {
  switch (profil) {
    case Profil::Klein:
      return "klein";
    case Profil::Typisch:
      return "typisch";
    case Profil::Gross:
      return "gross";
    case Profil::Stress:
      return "stress";
  }
  return "";
}

std::unique_ptr<TSchule> ErzeugeSchule(TStandard& standard, Profil profil, uint32_t seed,
                                       TUmgebung umgebung) {
  standard.mtn = kSchultage;
  standard.pst = kPerioden;
  standard.SetVersionszahl(GroesseVon(profil).versionen);
  standard.SetAktuelleVersion(1);
  const int32_t heute = umgebung.Zeit ? umgebung.Zeit->Heute() : kGeneratorHeute;
  auto schule = std::make_unique<TSchule>(standard, umgebung);
  TBau(*schule, profil, seed, heute).Baue();
  schule->SetzeGeaendert(false);
  return schule;
}

}  // namespace kolvar
