#include "storage/leser.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/fach.h"
#include "model/fehl.h"
#include "model/idialoge.h"
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
#include "storage/buffer.h"
#include "storage/ifortschritt.h"
#include "storage/macdatum.h"
#include "storage/schreiber.h"
#include "storage/vertretungsablage.h"
#include "substitution/vertretung.h"

namespace kolvar {

namespace {

constexpr int64_t kTausendTage = int64_t{1000} * 86400;

// The smallest number of bytes a record can take, to refuse counts the file cannot hold before
// anything is built for them.
constexpr std::size_t kKuerzelBytes = 8, kNamenBytes = 22, kBemerkungBytes = 62, kTitelBytes = 256;
constexpr std::size_t kDatumBytes = 4, kRasterBytesJeVersion = 2 * kTage;

// Settings that reading changes, restored unless the school is handed out.
class TEinstellungsRetter {
 public:
  explicit TEinstellungsRetter(TStandard& s) : s_(s), alt_(s.Versionen()) {}
  ~TEinstellungsRetter() {
    if (behalten_) return;
    s_.SetVersionszahl(alt_.Versionen);
    s_.SetAktuelleVersion(alt_.AktuelleVersion);
    s_.SetNurAktuelleVersion(alt_.NurAktuelle);
  }
  void Behalte() { behalten_ = true; }

 private:
  TStandard& s_;
  TVersionsSicht alt_;
  bool behalten_ = false;
};

}  // namespace

class TLeser::TBlockLeser {
 public:
  TBlockLeser(TBuffer& b, TStandard& st, TUmgebung u, IFortschritt* f, std::vector<TFenster>& fenster)
      : b_(b), st_(st), u_(u), f_(f), fenster_(fenster) {}

  std::unique_ptr<TSchule> Lies() {
    Version();
    Wochen();
    s_ = std::make_unique<TSchule>(st_, u_);
    jetzt_ = s_->Zeit().Jetzt();
    heute_ = s_->Zeit().Heute();
    Raster(s_->SchulRaster1());
    Raster(s_->SchulRaster2());
    Kuerzel();
    Lehrer();
    Klassen();
    Status("Kopplungsdaten");
    Namen(s_->Kopplungen(), "Kopplungen");
    Status("Fachdaten");
    Namen(s_->Faecher(), "Fächer");
    Raeume();
    UVTabellen();
    Kurse();
    // The records in the order the school's lessons now have; those of one lesson stay as
    // written, in the order of its placements. The reader's school makes no other course, so
    // creation numbers count the lessons in reading order.
    std::vector<std::size_t> platz(static_cast<std::size_t>(s_->Kurse().Anzahl()));
    std::size_t p = 0;
    for (const TKurs* k : s_->Kurse())
      platz[static_cast<std::size_t>(k->Erstellnummer() - ersteNummer_)] = p++;
    std::vector<std::size_t> rang(satzKurs_.size());
    for (std::size_t i = 0; i < rang.size(); ++i) rang[i] = platz[satzKurs_[i]];
    ablage_.Ordne(rang);
    ablage_.Verknuepfe();
    ablage_.EntferneVeraltete(heute_, st_.vtm);
    UebernimmVertretungen();
    Fehlen(s_->LehrerFehlen(), s_->Lehrer(), "Lehrer");
    Fehlen(s_->KlassenFehlen(), s_->Klassen(), "Klassen");
    Fehlen(s_->RaumFehlen(), s_->Raeume(), "Räume");
    Parallelen();
    Fenster();
    st_.SetAktuelleVersion(s_->VersionDerWoche(heute_));
    s_->SetzeGeaendert(false);
    return std::move(s_);
  }

  // The latest day and period holding a placement (0 without any).
  int HoechsterTag() const { return hoechsterTag_; }
  int HoechsteStunde() const { return hoechsteStunde_; }

 private:
  [[noreturn]] void Fehler(const std::string& grund) const {
    throw TDateiFehler(
        "Die Datei ist beschädigt: " + grund + " (bei Byte " + std::to_string(b_.Position()) + ").",
        b_.Position());
  }

  void Status(const std::string& text) {
    if (f_) f_->Status(text + std::string(20, ' '));
  }
  void Fortschritt() {
    if (!f_) return;
    f_->Position(b_.Position());
    if (f_->Abgebrochen()) throw TDateiFehler("Das Einlesen wurde abgebrochen.", b_.Position());
  }
  void Zaehle() {
    if (++zaehler_ % 10 == 0) Fortschritt();
  }

  // A count; below 1 means none. Refused when that many records cannot fit the bytes left.
  int Anzahl(std::size_t mindestens, const char* was) {
    const int n = b_.LiesInteger();
    if (n < 1) return 0;
    if (static_cast<std::size_t>(n) * mindestens > b_.Rest())
      Fehler(std::to_string(n) + " " + was + " passen nicht in den Rest der Datei");
    return n;
  }

  // An element index; anything outside 1..count is none.
  template <typename T>
  T* Element(const TListe<T>& liste) {
    return liste.Hole(b_.LiesInteger());
  }

  void Version() {
    const int version = b_.LiesInteger();
    if (version == kDateiVersion) return;
    const bool alt = version > kDateiVersion;
    if (u_.Dialoge) u_.Dialoge->Melde(alt ? TDialog::VersionZuAlt : TDialog::VersionZuNeu, {});
    throw TVersionsFehler(DialogText(alt ? TDialog::VersionZuAlt : TDialog::VersionZuNeu), 0);
  }

  void Wochen() {
    for (uint8_t& w : wochen_) w = b_.LiesByte();
    n_ = b_.LiesInteger();
    if (n_ < 1 || n_ > kMaxVersionen) Fehler("ungültige Zahl der Planversionen " + std::to_string(n_));
    // Weeks naming a version the file does not have fall back to version 1.
    for (uint8_t& w : wochen_)
      if (w < 1 || w > n_) w = 1;
    if (b_.Rest() < 2 * n_ * kRasterBytesJeVersion) Fehler("die Raster der Schule fehlen");
    st_.SetVersionszahl(n_);
    st_.SetAktuelleVersion(1);
  }

  // A grid's words as one block: the file holds several per element and lesson.
  void Raster(TWochBereich& w) {
    const uint8_t* p = b_.LiesBlock(RasterBytes());
    for (int v = 1; v <= n_; ++v) {
      TWoElem* woche = w.Woche(v);
      for (int d = 1; d <= kTage; ++d, p += 2)
        if (woche) woche->SetzeTag(d, static_cast<uint32_t>(p[0] << 8 | p[1]));
    }
  }
  void UeberspringeRaster() { b_.LiesBlock(RasterBytes()); }
  std::size_t RasterBytes() const { return static_cast<std::size_t>(n_) * kRasterBytesJeVersion; }

  void Kuerzel() {
    s_->SetzeWochenTabelle(wochen_);
    Status("Kürzel");
    const char* namen[] = {"Lehrerkürzel", "Klassenkürzel", "Kopplungskürzel",
                           "Fachkürzel",   "Raumkürzel",    "UV-Kürzel"};
    for (int art = 0; art < 6; ++art) {
      Fortschritt();
      const int n = Anzahl(kKuerzelBytes, namen[art]);
      anzahl_[art] = n;
      for (int i = 0; i < n; ++i) s_->NeuesElement(static_cast<TElementArt>(art), b_.LiesKuerzel());
    }
    Fortschritt();
  }

  // Blocks 3 to 8 hold one record per element of block 2.
  int Satzanzahl(TElementArt art, std::size_t mindestens, const char* was) {
    const int n = Anzahl(mindestens, was);
    const int erwartet = anzahl_[static_cast<int>(art)];
    if (n != erwartet)
      Fehler(std::to_string(n) + " " + was + ", aber " + std::to_string(erwartet) + " Kürzel");
    return n;
  }

  void Datum(TPlanElement& e) {
    int64_t datum = b_.LiesDatum();
    // Dates round to hundredths of a day: one stamped a moment ago may read a little ahead.
    // A date further ahead goes back by 1000 days, as often as it takes to lie in the past, so
    // that loading it again changes nothing.
    const int64_t grenze = jetzt_ + kMacHundertstelTag;
    if (datum > grenze) datum -= (datum - grenze + kTausendTage - 1) / kTausendTage * kTausendTage;
    e.StempleDatum(datum);
  }

  void Soll(TSollElement& e) {
    for (int v = 1; v <= n_; ++v) e.SetzeSoll(v, b_.LiesInteger());
  }

  void Lehrer() {
    Status("Lehrerdaten");
    const int n =
        Satzanzahl(TElementArt::Lehrer, kNamenBytes + 16 + n_ * (2 + 2 * kRasterBytesJeVersion), "Lehrer");
    for (int i = 1; i <= n; ++i) {
      TLehrer* l = s_->Lehrer().Hole(i);
      l->SetzeName(b_.LiesName());
      Soll(*l);
      l->SetzeRaum(Element(s_->Raeume()));
      const int faecher = Anzahl(2, "Fächer eines Lehrers");
      for (int j = 0; j < faecher; ++j)
        if (TFach* f = Element(s_->Faecher())) l->FuegeFachHinzu(f);
      Raster(l->Sperrung());
      UeberspringeRaster();  // occupancy follows from the placements
      l->SetzeVStd1(b_.LiesLongint());
      l->SetzeVStd2(b_.LiesLongint());
      Datum(*l);
      Zaehle();
    }
  }

  void Klassen() {
    Status("Klassendaten");
    const int n =
        Satzanzahl(TElementArt::Klasse, kNamenBytes + 11 + n_ * (2 + 2 * kRasterBytesJeVersion), "Klassen");
    for (int i = 1; i <= n; ++i) {
      TKlasse* k = s_->Klassen().Hole(i);
      k->SetzeName(b_.LiesName());
      Soll(*k);
      k->SetzeRaum(Element(s_->Raeume()));
      k->SetzeLehrer1(Element(s_->Lehrer()));
      k->SetzeLehrer2(Element(s_->Lehrer()));
      Raster(k->Sperrung());
      UeberspringeRaster();
      k->SetzeEinzeln(b_.LiesBoolean());
      Datum(*k);
      Zaehle();
    }
  }

  template <typename T>
  void Namen(const TListe<T>& liste, const char* was) {
    const int n = Satzanzahl(liste.Anzahl() ? liste.Hole(1)->Art() : ArtVon<T>(), kNamenBytes, was);
    for (int i = 1; i <= n; ++i) {
      liste.Hole(i)->SetzeName(b_.LiesName());
      Zaehle();
    }
  }
  template <typename T>
  static TElementArt ArtVon() {
    if constexpr (std::is_same_v<T, TKopplung>) return TElementArt::Kopplung;
    return TElementArt::Fach;
  }

  void Raeume() {
    Status("Raumdaten");
    const int n =
        Satzanzahl(TElementArt::Raum, kNamenBytes + kDatumBytes + n_ * 2 * kRasterBytesJeVersion, "Räume");
    for (int i = 1; i <= n; ++i) {
      TRaum* r = s_->Raeume().Hole(i);
      r->SetzeName(b_.LiesName());
      Raster(r->Sperrung());
      UeberspringeRaster();
      Datum(*r);
      Zaehle();
    }
  }

  void UVTabellen() {
    Status("UV-Daten");
    const int n = Satzanzahl(TElementArt::UVTab, 1 + kNamenBytes + 4, "UV-Tabellen");
    for (int i = 1; i <= n; ++i) {
      TUVTab* t = s_->UVTabellen().Hole(i);
      const bool uv = b_.LiesBoolean();
      t->SetzeArt(uv ? 1 : 0);
      t->SetzeName(b_.LiesName());
      const int zeilen = Anzahl(2, "Zeilen einer UV-Tabelle");
      for (int j = 0; j < zeilen; ++j) {
        if (uv) {
          if (TFach* f = Element(s_->Faecher())) t->FuegeFachHinzu(f);
        } else if (TLehrer* l = Element(s_->Lehrer())) {
          t->FuegeLehrerHinzu(l);
        }
      }
      const int klassen = Anzahl(2, "Klassen einer UV-Tabelle");
      for (int j = 0; j < klassen; ++j)
        if (TKlasse* k = Element(s_->Klassen())) t->FuegeKlasseHinzu(k);
      Zaehle();
    }
  }

  void Kurse() {
    const std::size_t mindestens = 53 + 16 * static_cast<std::size_t>(n_);
    const int n = Anzahl(mindestens, "Kurse");
    for (int i = 0; i < n; ++i) {
      kursIndex_ = static_cast<std::size_t>(i);
      Kurs();
      Zaehle();
    }
    kursAnfang_.push_back(slots_.size());
    // Every course list in its order once, instead of each course sorted in as it comes.
    s_->OrdneKurseNeu();
    ZaehleSetzungen();
  }

  // The elements' per-slot counts, element by element over the slots kept while reading: each
  // element's counts stay in the cache, and no placement is visited again.
  void ZaehleSetzungen() {
    auto zaehle = [this](TPlanElement& e, std::size_t kurs) {
      for (std::size_t i = kursAnfang_[kurs]; i < kursAnfang_[kurs + 1]; ++i) {
        const int code = slots_[i];
        e.ZaehleSetzung(code / kSlotsJeVersion + 1, code % kSlotsJeVersion / kStunden + 1,
                        code % kStunden + 1, 1);
      }
    };
    auto index = [this](const TKurs* k) {
      return static_cast<std::size_t>(k->Erstellnummer() - ersteNummer_);
    };
    for (TLehrer* l : s_->Lehrer())
      for (const TKurs* k : l->Kurse())
        if (k->Lehrer() == l) zaehle(*l, index(k));
    for (TKlasse* kl : s_->Klassen())
      for (const TKurs* k : kl->Kurse()) zaehle(*kl, index(k));
    // Rooms by their placements, gathered room by room first (a placement's room need not be
    // one of its lesson's).
    const std::size_t raeume = static_cast<std::size_t>(s_->Raeume().Anzahl());
    std::vector<std::size_t> anfang(raeume + 2, 0);
    for (const auto& [raum, code] : raumSlots_) ++anfang[raum + 1];
    for (std::size_t r = 1; r < anfang.size(); ++r) anfang[r] += anfang[r - 1];
    std::vector<uint16_t> nachRaum(raumSlots_.size());
    for (const auto& [raum, code] : raumSlots_) nachRaum[anfang[raum]++] = code;
    for (std::size_t r = 0, i = 0; r < raeume; ++r) {
      TRaum* raum = s_->Raeume().Hole(static_cast<int>(r) + 1);
      for (; i < anfang[r]; ++i) {
        const int code = nachRaum[i];
        raum->ZaehleSetzung(code / kSlotsJeVersion + 1, code % kSlotsJeVersion / kStunden + 1,
                            code % kStunden + 1, 1);
      }
    }
  }

  void KursStatus(const TKurs& k) {
    if (!f_) return;
    if (!st_.nks) {
      if (k.Lehrer() && k.Lehrer() != letzterLehrer_) {
        letzterLehrer_ = k.Lehrer();
        f_->Status(KuerzeText("\rKurse Lehrer " + k.Lehrer()->Kuerzel(), 20) + std::string(20, ' '));
      }
    } else if (!k.Klassen().Leer() && k.Klassen().Hole(1) != letzteKlasse_) {
      letzteKlasse_ = k.Klassen().Hole(1);
      f_->Status(KuerzeText("\rKurse Klasse " + letzteKlasse_->Kuerzel(), 20) + std::string(20, ' '));
    }
  }

  void Kurs() {
    const int stunden1 = b_.LiesInteger();
    TLehrer* l = Element(s_->Lehrer());
    TKopplung* ko = Element(s_->Kopplungen());
    TFach* f = Element(s_->Faecher());
    const int klassen = Anzahl(2, "Klassen eines Kurses");
    std::vector<TKlasse*> kl;
    for (int j = 0; j < klassen; ++j)
      if (TKlasse* k = Element(s_->Klassen())) kl.push_back(k);
    kursAnfang_.push_back(slots_.size());
    TKurs* k = TKurs::ErzeugeUngeordnet(*s_, l, kl, ko, f);
    if (kursIndex_ == 0) ersteNummer_ = k->Erstellnummer();
    KursStatus(*k);
    if (l && f) l->FuegeFachHinzu(f);
    const int raeume = Anzahl(2, "Räume eines Kurses");
    for (int j = 0; j < raeume; ++j) k->HaengeRaumAn(Element(s_->Raeume()), false);
    const int spaeter = Anzahl(2, "spätere Räume eines Kurses");
    for (int j = 0; j < spaeter; ++j) k->HaengeRaumAn(Element(s_->Raeume()), true);
    k->stunden_.SetzeStunden(1, stunden1);
    for (int v = 2; v <= n_; ++v) k->stunden_.SetzeStunden(v, b_.LiesInteger());
    const int setzungen = Anzahl(11, "Setzungen eines Kurses");
    k->setzungen_.Reserviere(setzungen);
    for (int j = 0; j < setzungen; ++j) Setzung(*k);
    k->OrdneGeleseneSetzungen();
    k->SetzeInfo(b_.LiesName());
    k->SetFaktor(b_.LiesInteger());
    k->SetzeEinzelstunden(b_.LiesInteger());
    k->SetzeNichtVerplanen(b_.LiesBoolean());
    k->SetzeNichtZaehlenKlassen(b_.LiesBoolean());
    k->SetzeNichtZaehlenLehrer(b_.LiesBoolean());
    Raster(k->Sperrung());
    k->SetzeStundenProTag(b_.LiesInteger());
    k->SetzeTabelle(b_.LiesInteger());
    k->SetzeFarbe(b_.LiesFarbe());
  }

  void Setzung(TKurs& k) {
    const int raum = b_.LiesInteger();
    TRaum* r = s_->Raeume().Hole(raum);
    const int p = b_.LiesInteger();
    const int d = b_.LiesInteger();
    const int v = b_.LiesInteger();
    const bool fixiert = b_.LiesBoolean();
    if (v < 1 || v > n_ || d < 1 || d > kTage || p < 1 || p > kStunden)
      Fehler("Setzung an Version " + std::to_string(v) + ", Tag " + std::to_string(d) + ", Stunde " +
             std::to_string(p));
    TSetzung* z = k.HaengeSetzungAn(v, d, p, r, fixiert);
    if (!z) Fehler("zwei Setzungen eines Kurses an derselben Stunde");
    const auto code = static_cast<uint16_t>((v - 1) * kSlotsJeVersion + (d - 1) * kStunden + p - 1);
    slots_.push_back(code);
    if (r) raumSlots_.emplace_back(static_cast<uint16_t>(raum - 1), code);
    hoechsterTag_ = std::max(hoechsterTag_, d);
    hoechsteStunde_ = std::max(hoechsteStunde_, p);
    Vertretungen(*z);
  }

  // --- Substitution records ---
  void Vertretungen(TSetzung& z) {
    const int n = Anzahl(kDatumBytes + 4 + 2 * kBemerkungBytes + 4 + 6, "Vertretungen einer Setzung");
    for (int i = 0; i < n; ++i) {
      TVertretungsSatz v;
      v.Setzung = &z;
      v.Datum = b_.LiesDatum();
      v.Vertreter = Element(s_->Lehrer());
      v.Ersatzraum = Element(s_->Raeume());
      v.LehrerBem = b_.LiesBemerkung();
      v.SchuelerBem = b_.LiesBemerkung();
      v.Art = b_.LiesArt();
      v.Frei = b_.LiesBoolean();
      v.Noetig = b_.LiesBoolean();
      v.Anrechnen = b_.LiesBoolean();
      v.Nummer = b_.LiesInteger();
      v.VerlegtAufNr = b_.LiesInteger();
      v.StattNr = b_.LiesInteger();
      ablage_.Saetze().push_back(std::move(v));
      satzKurs_.push_back(kursIndex_);
    }
  }

  // The records that passed join the school: linked, in both lists, the school's sorted by "vsa"
  // (equal records in the order of their lessons and placements).
  void UebernimmVertretungen() {
    auto& saetze = ablage_.Saetze();
    const std::size_t n = saetze.size();
    std::vector<TVertretung*> neu(n);
    std::vector<TVertrSchluessel> schluessel(n);
    // One pass does everything a record needs of its placement (lesson, period, its list),
    // while the placement is in the cache: the placements were read long before and lie
    // scattered, so each is fetched a few records ahead.
    constexpr std::size_t kVoraus = 16;
    std::vector<TVertretung*> gruppe;
    for (std::size_t i = 0; i < n; ++i) {
      if (i + kVoraus < n) __builtin_prefetch(saetze[i + kVoraus].Setzung);
      // The lesson behind a placement that has arrived by now.
      if (i + kVoraus / 2 < n) __builtin_prefetch(&saetze[i + kVoraus / 2].Setzung->Kurs());
      TVertretungsSatz& satz = saetze[i];
      TVertretung* v = neu[i] = new (*s_) TVertretung(*s_);
      const int64_t zeit = satz.Datum;
      v->SetDatum(static_cast<int32_t>(zeit >= 0 ? zeit / 86400 : (zeit - 86399) / 86400));
      v->SetKurs(&satz.Setzung->Kurs());
      v->SetSetzung(satz.Setzung);
      v->SetVertreter(satz.Vertreter);
      v->SetErsatzraum(satz.Ersatzraum);
      v->SetLehrerBem(std::move(satz.LehrerBem));
      v->SetSchuelerBem(std::move(satz.SchuelerBem));
      v->SetArt(satz.Art);
      v->SetFrei(satz.Frei);
      v->SetNoetig(satz.Noetig);
      v->SetAnrechnen(satz.Anrechnen);
      v->SetNummer(satz.Nummer);
      v->SetVerlegtAufNr(satz.VerlegtAufNr);
      v->SetStattNr(satz.StattNr);
      schluessel[i] = VertrSchluessel(v, st_.vsa);
      // A placement's records come together: its list takes them at once, in file order.
      if (!gruppe.empty() && gruppe.front()->Setzung() != satz.Setzung) {
        TVertretung::HaengeAn(gruppe, {});
        gruppe.clear();
      }
      gruppe.push_back(v);
    }
    if (!gruppe.empty()) TVertretung::HaengeAn(gruppe, {});
    for (std::size_t i = 0; i < n; ++i) {
      if (saetze[i].Statt >= 0) neu[i]->SetStatt(neu[static_cast<std::size_t>(saetze[i].Statt)]);
      if (saetze[i].VerlegtAuf >= 0)
        neu[i]->SetVerlegtAuf(neu[static_cast<std::size_t>(saetze[i].VerlegtAuf)]);
    }
    const std::vector<std::size_t> vermutung = Vermutung();
    SortiereNachSchluesseln(neu, schluessel, vermutung);
    // The school's list in that order.
    s_->Vertretungen().Leere();
    TVertretung::HaengeAn({}, neu);
    saetze.clear();
  }

  // A file we saved numbers its records by their place in the school's list: 1 to n once each
  // gives the sorted order at once. Otherwise no guess: the records are sorted.
  std::vector<std::size_t> Vermutung() const {
    const auto& saetze = ablage_.Saetze();
    const std::size_t n = saetze.size();
    std::vector<std::size_t> vermutung(n, n);
    for (std::size_t i = 0; i < n; ++i) {
      const int nummer = saetze[i].Nummer;
      if (nummer < 1 || static_cast<std::size_t>(nummer) > n ||
          vermutung[static_cast<std::size_t>(nummer - 1)] != n)
        return {};
      vermutung[static_cast<std::size_t>(nummer - 1)] = i;
    }
    return vermutung;
  }

  template <typename T>
  void Fehlen(TListe<TFehl>& fehlen, const TListe<T>& elemente, const char* was) {
    const int n = Anzahl(kDatumBytes + 4, (std::string("Fehlzeiten der ") + was).c_str());
    for (int i = 0; i < n; ++i) {
      const int64_t zeit = b_.LiesDatum();
      T* e = Element(elemente);
      const uint16_t maske = b_.LiesWort();
      const int64_t tag = zeit >= 0 ? zeit / 86400 : (zeit - 86399) / 86400;
      // A record of nobody, or one too old to keep, is dropped.
      if (!e || heute_ - tag >= st_.vtm) continue;
      auto* f = new TFehl();
      f->SetzeDatum(static_cast<int32_t>(tag));
      f->SetzeElement(e);
      f->SetzeStunden(maske);
      f->SetzeNeueStunden(maske);
      fehlen.Haenge(f);
    }
  }

  void Parallelen() {
    const int zeilen = b_.LiesInteger();
    const int spalten = b_.LiesInteger();
    if (zeilen < 1 || spalten < 1) return;  // the fresh 1 x 1 table stays
    const std::size_t zellen = static_cast<std::size_t>(zeilen) * static_cast<std::size_t>(spalten);
    if (zellen * 2 > b_.Rest())
      Fehler("die Tabelle der Parallelkopplungen passt nicht in den Rest der Datei");
    TParListe& p = s_->ParListe();
    p.Leere();
    p.SetzeZeilen(zeilen);
    p.SetzeSpalten(spalten);
    for (std::size_t i = 0; i < zellen; ++i) p.Zellen().Haenge(Element(s_->Kopplungen()));
  }

  void Fenster() {
    const int n = Anzahl(2 + kTitelBytes + 8, "Fenster");
    for (int i = 0; i < n; ++i) {
      TFenster w;
      w.Art = b_.LiesInteger();
      w.Titel = b_.LiesTitel();
      w.Links = b_.LiesInteger();
      w.Oben = b_.LiesInteger();
      w.Breite = b_.LiesInteger();
      w.Hoehe = b_.LiesInteger();
      fenster_.push_back(std::move(w));
    }
  }

  TBuffer& b_;
  TStandard& st_;
  TUmgebung u_;
  IFortschritt* f_;
  std::vector<TFenster>& fenster_;
  TVertretungsAblage ablage_;
  // Per record the reading index of its lesson; the first lesson's creation number.
  std::vector<std::size_t> satzKurs_;
  std::size_t kursIndex_ = 0;
  // Every placement's slot as (v - 1) * kSlotsJeVersion + (d - 1) * kStunden + p - 1, lesson by
  // lesson (kursAnfang_: the first of each lesson, and the end); those with a room also by room
  // (its index from 0).
  static constexpr int kSlotsJeVersion = kTage * kStunden;
  std::vector<uint16_t> slots_;
  std::vector<std::size_t> kursAnfang_;
  std::vector<std::pair<uint16_t, uint16_t>> raumSlots_;
  uint64_t ersteNummer_ = 0;
  std::unique_ptr<TSchule> s_;
  std::array<uint8_t, kWochen> wochen_{};
  int n_ = 1;
  int anzahl_[6] = {};
  int64_t jetzt_ = 0;
  int32_t heute_ = 0;
  int zaehler_ = 0;
  int hoechsterTag_ = 0;
  int hoechsteStunde_ = 0;
  const TLehrer* letzterLehrer_ = nullptr;
  const TKlasse* letzteKlasse_ = nullptr;
};

std::unique_ptr<TSchule> TLeser::LiesDaten(std::vector<uint8_t> daten) {
  fenster_.clear();
  TBuffer b(std::move(daten));
  if (fortschritt_) fortschritt_->Position(0);
  TEinstellungsRetter retter(standard_);
  std::vector<TFenster> fenster;
  std::unique_ptr<TSchule> schule;
  TBlockLeser leser(b, standard_, umgebung_, fortschritt_, fenster);
  try {
    schule = leser.Lies();
  } catch (const TVersionsFehler&) {
    throw;
  } catch (const TDateiFehler& fehler) {
    if (std::string(fehler.what()) != kStreamLesefehler) throw;
    throw TDateiFehler("Die Datei ist unvollständig: sie endet bei Byte " + std::to_string(b.Groesse()) +
                           " mitten in den Daten.",
                       b.Position());
  }
  retter.Behalte();
  schule->ZeigeSetzungenBis(leser.HoechsterTag(), leser.HoechsteStunde());
  fenster_ = std::move(fenster);
  return schule;
}

std::unique_ptr<TSchule> TLeser::LiesDatei(const std::filesystem::path& datei) {
  TBuffer b = TBuffer::Oeffne(datei);
  if (fortschritt_) fortschritt_->Datei(datei.filename().string(), b.Groesse());
  auto schule = LiesDaten(b.NimmDaten());
  schule->SetzeTitel(datei.filename().string());
  schule->SetzePfad(std::filesystem::absolute(datei).string());
  schule->SetzeGeaendert(false);
  return schule;
}

}  // namespace kolvar
