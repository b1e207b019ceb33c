#include "storage/schreiber.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/fach.h"
#include "model/fehl.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/parliste.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/text.h"
#include "model/uvtab.h"
#include "storage/buffer.h"
#include "storage/ifortschritt.h"
#include "storage/vertretungsablage.h"
#include "substitution/vertretung.h"

namespace kolvar {

namespace {

constexpr int kKeinElement = 0x7FFF;  // "none" in the element blocks
constexpr int kKeinVerweis = -1;      // "none" in the lessons, absences and the parallel table
constexpr int kMaxAnzahl = 32767;
const std::string kLuecke(20, ' ');

// 1-based position of the element in its list; the element's number when it is right.
template <typename T>
int Index(const TListe<T>& liste, const T* e, int kein) {
  if (e == nullptr) return kein;
  if (liste.Hole(e->Nummer()) == e) return e->Nummer();
  const int pos = liste.Position(e);
  return pos > 0 ? pos : kein;
}

// The file's size, closely from above: the buffer is reserved once instead of growing (each
// growth copies the bytes so far and touches fresh pages).
std::size_t GeschaetzteGroesse(const TSchule& s, std::size_t fensterSaetze) {
  constexpr std::size_t kText = 1 + kNamenLaenge, kBemerkung = 1 + kBemerkungLaenge;
  const std::size_t n = static_cast<std::size_t>(std::max(s.Standard().mwn(), 1));
  const std::size_t raster = n * kTage * 2;
  auto anzahl = [](const auto& liste) { return static_cast<std::size_t>(liste.Anzahl()); };
  std::size_t g = 2 + kWochen + 2 + 2 * raster;
  g += 6 * 2 + (anzahl(s.Lehrer()) + anzahl(s.Klassen()) + anzahl(s.Kopplungen()) + anzahl(s.Faecher()) +
                anzahl(s.Raeume()) + anzahl(s.UVTabellen())) *
                   (1 + kKuerzelLaenge);
  g += 2 + anzahl(s.Lehrer()) * (kText + 2 * n + 4 + 2 * raster + 12);
  for (const TLehrer* l : s.Lehrer()) g += 2 * anzahl(l->Faecher());
  g += 2 + anzahl(s.Klassen()) * (kText + 2 * n + 6 + 2 * raster + 5);
  g += 4 + (anzahl(s.Kopplungen()) + anzahl(s.Faecher())) * kText;
  g += 2 + anzahl(s.Raeume()) * (kText + 2 * raster + 4);
  g += 2;
  for (const TUVTab* t : s.UVTabellen())
    g += 1 + kText + 4 + 2 * (std::max(anzahl(t->Faecher()), anzahl(t->Lehrer())) + anzahl(t->Klassen()));
  g += 2;
  for (const TKurs* k : s.Kurse()) {
    g += 8 + 6 + 2 * (anzahl(k->Klassen()) + anzahl(k->Raeume()) + anzahl(k->SpaeterRaeume())) + 2 * n + 2;
    g += kText + 7 + raster + 10;
    for (const TSetzung* z : k->Setzungen())
      g += 11 + anzahl(z->Vertretungen()) * (4 + 4 + 2 * kBemerkung + 4 + 6);
  }
  g += 6 + 8 * (anzahl(s.LehrerFehlen()) + anzahl(s.KlassenFehlen()) + anzahl(s.RaumFehlen()));
  g += 4 + 2 * anzahl(s.ParListe().Zellen());
  g += 2 + fensterSaetze * (2 + 1 + kTitelLaenge + 8);
  return g;
}

class TBlockSchreiber {
 public:
  TBlockSchreiber(const TSchule& s, IFortschritt* f) : s_(s), f_(f), n_(s.Standard().mwn()) {}

  std::vector<uint8_t> Schreibe(const std::vector<TFenster>& fenster) {
    b_.Reserviere(GeschaetzteGroesse(s_, fenster.size()));
    b_.SchreibeInteger(kDateiVersion);
    Wochen();
    Status("Kürzel");
    Kuerzel(s_.Lehrer());
    Kuerzel(s_.Klassen());
    Kuerzel(s_.Kopplungen());
    Kuerzel(s_.Faecher());
    Kuerzel(s_.Raeume());
    Kuerzel(s_.UVTabellen());
    Lehrer();
    Klassen();
    Status("Kopplungsdaten");
    Namen(s_.Kopplungen());
    Status("Fachdaten");
    Namen(s_.Faecher());
    Raeume();
    UVTabellen();
    Kurse();
    Fehlen(s_.LehrerFehlen(), s_.Lehrer());
    Fehlen(s_.KlassenFehlen(), s_.Klassen());
    Fehlen(s_.RaumFehlen(), s_.Raeume());
    Parallelen();
    Anzahl(static_cast<int>(fenster.size()));
    for (const TFenster& w : fenster) {
      b_.SchreibeInteger(w.Art);
      b_.SchreibeTitel(w.Titel);
      b_.SchreibeInteger(w.Links);
      b_.SchreibeInteger(w.Oben);
      b_.SchreibeInteger(w.Breite);
      b_.SchreibeInteger(w.Hoehe);
    }
    if (f_) f_->Position(b_.Groesse());
    return b_.NimmDaten();
  }

 private:
  void Status(const std::string& text) {
    if (f_) f_->Status(text + kLuecke);
  }

  void Anzahl(int n) {
    if (n > kMaxAnzahl)
      throw TDateiFehler("Die Datei kann nicht gesichert werden: " + std::to_string(n) +
                         " Einträge in einer Liste, höchstens 32767 passen in die Datei.");
    b_.SchreibeInteger(n);
  }

  // A grid's words as one block: the file holds several per element and lesson.
  void Raster(const TWochBereich& w) {
    uint8_t* p = b_.SchreibeBlock(static_cast<std::size_t>(n_) * kTage * 2);
    for (int v = 1; v <= n_; ++v) {
      const TWoElem* woche = w.Woche(v);
      for (int d = 1; d <= kTage; ++d, p += 2) {
        const uint32_t wort = woche ? woche->Tag(d) : 0;
        p[0] = static_cast<uint8_t>(wort >> 8);
        p[1] = static_cast<uint8_t>(wort);
      }
    }
  }

  void Wochen() {
    for (int k = 1; k <= kWochen; ++k) b_.SchreibeByte(s_.WochenVersion(k));
    b_.SchreibeInteger(n_);
    Raster(s_.SchulRaster1());
    Raster(s_.SchulRaster2());
  }

  template <typename T>
  void Kuerzel(const TListe<T>& liste) {
    Anzahl(liste.Anzahl());
    for (const T* e : liste) b_.SchreibeKuerzel(e->Kuerzel());
  }

  template <typename T>
  void Namen(const TListe<T>& liste) {
    Anzahl(liste.Anzahl());
    for (const T* e : liste) b_.SchreibeName(e->Name());
  }

  void Soll(const TSollElement& e) {
    for (int v = 1; v <= n_; ++v) b_.SchreibeInteger(e.Soll(v));
  }

  void Lehrer() {
    Status("Lehrerdaten");
    Anzahl(s_.Lehrer().Anzahl());
    for (const TLehrer* l : s_.Lehrer()) {
      b_.SchreibeName(l->Name());
      Soll(*l);
      b_.SchreibeInteger(Index(s_.Raeume(), l->Raum(), kKeinElement));
      Anzahl(l->Faecher().Anzahl());
      for (const TFach* f : l->Faecher()) b_.SchreibeInteger(Index(s_.Faecher(), f, kKeinElement));
      Raster(l->Sperrung());
      Raster(l->Belegung());
      b_.SchreibeLongint(l->VStd1());
      b_.SchreibeLongint(l->VStd2());
      b_.SchreibeDatum(l->Datum());
    }
  }

  void Klassen() {
    Status("Klassendaten");
    Anzahl(s_.Klassen().Anzahl());
    for (const TKlasse* k : s_.Klassen()) {
      b_.SchreibeName(k->Name());
      Soll(*k);
      b_.SchreibeInteger(Index(s_.Raeume(), k->Raum(), kKeinElement));
      b_.SchreibeInteger(Index(s_.Lehrer(), k->Lehrer1(), kKeinElement));
      b_.SchreibeInteger(Index(s_.Lehrer(), k->Lehrer2(), kKeinElement));
      Raster(k->Sperrung());
      Raster(k->Belegung());
      b_.SchreibeBoolean(k->Einzeln());
      b_.SchreibeDatum(k->Datum());
    }
  }

  void Raeume() {
    Status("Raumdaten");
    Anzahl(s_.Raeume().Anzahl());
    for (const TRaum* r : s_.Raeume()) {
      b_.SchreibeName(r->Name());
      Raster(r->Sperrung());
      Raster(r->Belegung());
      b_.SchreibeDatum(r->Datum());
    }
  }

  void UVTabellen() {
    Status("UV-Daten");
    Anzahl(s_.UVTabellen().Anzahl());
    for (const TUVTab* t : s_.UVTabellen()) {
      const bool uv = t->Ausrichtung() != 0;
      b_.SchreibeBoolean(uv);
      b_.SchreibeName(t->Name());
      if (uv) {
        Anzahl(t->Faecher().Anzahl());
        for (const TFach* f : t->Faecher()) b_.SchreibeInteger(Index(s_.Faecher(), f, kKeinElement));
      } else {
        Anzahl(t->Lehrer().Anzahl());
        for (const TLehrer* l : t->Lehrer()) b_.SchreibeInteger(Index(s_.Lehrer(), l, kKeinElement));
      }
      Anzahl(t->Klassen().Anzahl());
      for (const TKlasse* k : t->Klassen()) b_.SchreibeInteger(Index(s_.Klassen(), k, kKeinElement));
    }
  }

  // The status follows the teacher or the classes of the lessons, as they are sorted.
  void KursStatus(const TKurs& k) {
    if (!f_) return;
    if (!s_.Standard().nks) {
      if (k.Lehrer() && k.Lehrer() != letzterLehrer_) {
        letzterLehrer_ = k.Lehrer();
        f_->Status(KuerzeText("\rKurse Lehrer " + k.Lehrer()->Kuerzel(), 20) + kLuecke);
      }
      return;
    }
    for (const TKlasse* kl : k.Klassen()) {
      if (kl == letzteKlasse_) continue;
      letzteKlasse_ = kl;
      f_->Status(KuerzeText("\rKurse Klasse " + kl->Kuerzel(), 20) + kLuecke);
    }
  }

  // The placements in writing order, fetched ahead of the writing: they and their records lie
  // scattered in memory, and waiting for each in turn would cost more than the writing.
  class TVoraus {
   public:
    explicit TVoraus(const TListe<TKurs>& kurse) {
      std::size_t n = 0;
      for (const TKurs* k : kurse) n += static_cast<std::size_t>(k->Setzungen().Anzahl());
      setzungen_.reserve(n);
      for (const TKurs* k : kurse)
        setzungen_.insert(setzungen_.end(), k->Setzungen().begin(), k->Setzungen().end());
    }
    // Before the next placement is written: the one far ahead, the record list of a nearer one
    // (its placement has arrived by then), the records of a still nearer one, and what those
    // records point to (their remarks' characters, their linked records) of the nearest.
    void Naechste() {
      const std::size_t i = naechste_++;
      if (i + kSetzung < setzungen_.size()) __builtin_prefetch(setzungen_[i + kSetzung]);
      if (i + kListe < setzungen_.size())
        if (const auto& liste = setzungen_[i + kListe]->Vertretungen(); !liste.Leer())
          __builtin_prefetch(liste.Elemente().data());
      if (i + kSaetze < setzungen_.size())
        for (const TVertretung* v : setzungen_[i + kSaetze]->Vertretungen()) __builtin_prefetch(v);
      if (i + kVerweise < setzungen_.size())
        for (const TVertretung* v : setzungen_[i + kVerweise]->Vertretungen()) {
          __builtin_prefetch(v->LehrerBem().data());
          __builtin_prefetch(v->SchuelerBem().data());
          if (v->VerlegtAuf()) __builtin_prefetch(v->VerlegtAuf());
          if (v->Statt()) __builtin_prefetch(v->Statt());
        }
    }

   private:
    static constexpr std::size_t kSetzung = 24, kListe = 12, kSaetze = 6, kVerweise = 3;
    std::vector<const TSetzung*> setzungen_;
    std::size_t naechste_ = 0;
  };

  void Kurse() {
    NummeriereVertretungen();
    Anzahl(s_.Kurse().Anzahl());
    TVoraus voraus(s_.Kurse());
    int zaehler = 0;
    for (const TKurs* k : s_.Kurse()) {
      KursStatus(*k);
      b_.SchreibeInteger(k->Stunden(1));
      b_.SchreibeInteger(Index(s_.Lehrer(), k->Lehrer(), kKeinVerweis));
      b_.SchreibeInteger(Index(s_.Kopplungen(), k->Kopplung(), kKeinVerweis));
      b_.SchreibeInteger(Index(s_.Faecher(), k->Fach(), kKeinVerweis));
      Anzahl(k->Klassen().Anzahl());
      for (const TKlasse* kl : k->Klassen()) b_.SchreibeInteger(Index(s_.Klassen(), kl, kKeinVerweis));
      Anzahl(k->Raeume().Anzahl());
      for (const TRaum* r : k->Raeume()) b_.SchreibeInteger(Index(s_.Raeume(), r, kKeinVerweis));
      Anzahl(k->SpaeterRaeume().Anzahl());
      for (const TRaum* r : k->SpaeterRaeume()) b_.SchreibeInteger(Index(s_.Raeume(), r, kKeinVerweis));
      for (int v = 2; v <= n_; ++v) b_.SchreibeInteger(k->Stunden(v));
      Anzahl(k->Setzungen().Anzahl());
      for (const TSetzung* z : k->Setzungen()) {
        voraus.Naechste();
        b_.SchreibeInteger(Index(s_.Raeume(), z->Raum(), kKeinVerweis));
        b_.SchreibeInteger(z->Stunde());
        b_.SchreibeInteger(z->Tag());
        b_.SchreibeInteger(z->Version());
        b_.SchreibeBoolean(z->Fixiert());
        Vertretungen(*z);
      }
      b_.SchreibeName(k->Info());
      b_.SchreibeInteger(k->Faktor());
      b_.SchreibeInteger(k->Einzelstunden());
      b_.SchreibeBoolean(k->NichtVerplanen());
      b_.SchreibeBoolean(k->NichtZaehlenKlassen());
      b_.SchreibeBoolean(k->NichtZaehlenLehrer());
      Raster(k->Sperrung());
      b_.SchreibeInteger(k->StundenProTag());
      b_.SchreibeInteger(k->Tabelle());
      b_.SchreibeFarbe(k->Farbe());
      if (f_ && ++zaehler % 10 == 0) f_->Position(b_.Groesse());
    }
  }

  // Every record is numbered by its place in the school's list, and its links by those numbers.
  void NummeriereVertretungen() {
    const TListe<TVertretung>& liste = s_.Vertretungen();
    std::vector<char> verknuepft(static_cast<std::size_t>(liste.Anzahl()));
    for (int i = 1; i <= liste.Anzahl(); ++i)
      verknuepft[static_cast<std::size_t>(i - 1)] = liste.Hole(i)->Statt() || liste.Hole(i)->VerlegtAuf();
    const std::vector<int> nummern = VertretungsNummern(verknuepft);
    // Records are made with rising order numbers, so a school's numbers lie close together: an
    // array over their range finds a record's number without hashing.
    if (liste.Leer()) return;
    uint64_t min = UINT64_MAX, max = 0;
    for (const TVertretung* v : liste) {
      min = std::min(min, v->Folge());
      max = std::max(max, v->Folge());
    }
    const uint64_t n = static_cast<uint64_t>(liste.Anzahl());
    if (max - min < 4 * n + 1024) {
      folgeBasis_ = min;
      nachFolge_.assign(static_cast<std::size_t>(max - min + 1), 0);
      for (int i = 1; i <= liste.Anzahl(); ++i)
        nachFolge_[static_cast<std::size_t>(liste.Hole(i)->Folge() - min)] =
            nummern[static_cast<std::size_t>(i - 1)];
      return;
    }
    nachZeiger_.reserve(nummern.size());
    for (int i = 1; i <= liste.Anzahl(); ++i)
      nachZeiger_.emplace_back(liste.Hole(i), nummern[static_cast<std::size_t>(i - 1)]);
    std::sort(nachZeiger_.begin(), nachZeiger_.end(), VorZeiger);
  }
  static bool VorZeiger(const std::pair<const TVertretung*, int>& a,
                        const std::pair<const TVertretung*, int>& b) {
    return std::less<const TVertretung*>()(a.first, b.first);
  }
  int Nummer(const TVertretung* v) const {
    if (!v) return 0;
    if (!nachFolge_.empty()) {
      const uint64_t i = v->Folge() - folgeBasis_;
      // A record outside the school's list (never expected) has no number.
      if (v->Folge() < folgeBasis_ || i >= nachFolge_.size()) return 0;
      return nachFolge_[static_cast<std::size_t>(i)];
    }
    const auto it = std::lower_bound(nachZeiger_.begin(), nachZeiger_.end(),
                                     std::pair<const TVertretung*, int>(v, 0), VorZeiger);
    return it != nachZeiger_.end() && it->first == v ? it->second : 0;
  }

  void Vertretungen(const TSetzung& z) {
    Anzahl(z.Vertretungen().Anzahl());
    for (const TVertretung* v : z.Vertretungen()) {
      b_.SchreibeDatum(int64_t{v->Datum()} * 86400);
      b_.SchreibeInteger(Index(s_.Lehrer(), v->Vertreter(), kKeinVerweis));
      b_.SchreibeInteger(Index(s_.Raeume(), v->Ersatzraum(), kKeinVerweis));
      b_.SchreibeBemerkung(v->LehrerBem());
      b_.SchreibeBemerkung(v->SchuelerBem());
      b_.SchreibeArt(v->Art());
      b_.SchreibeBoolean(v->Frei());
      b_.SchreibeBoolean(v->Noetig());
      b_.SchreibeBoolean(v->Anrechnen());
      b_.SchreibeInteger(Nummer(v));
      b_.SchreibeInteger(v->VerlegtAuf() ? Nummer(v->VerlegtAuf()) : 0);
      b_.SchreibeInteger(v->Statt() ? Nummer(v->Statt()) : 0);
    }
  }

  template <typename T>
  void Fehlen(const TListe<TFehl>& fehlen, const TListe<T>& elemente) {
    Anzahl(fehlen.Anzahl());
    for (const TFehl* f : fehlen) {
      b_.SchreibeDatum(int64_t{f->Datum()} * 86400);
      b_.SchreibeInteger(Index(elemente, dynamic_cast<const T*>(f->Element()), kKeinVerweis));
      b_.SchreibeWort(f->Stunden());
    }
  }

  void Parallelen() {
    const TParListe& p = s_.ParListe();
    const int zeilen = p.Zeilen(), spalten = p.Spalten();
    const int64_t zellen = zeilen > 0 && spalten > 0 ? int64_t{zeilen} * spalten : 0;
    if (zeilen > kMaxAnzahl || spalten > kMaxAnzahl || zellen > kMaxAnzahl)
      throw TDateiFehler(
          "Die Datei kann nicht gesichert werden: die Tabelle der Parallelkopplungen ist zu groß.");
    b_.SchreibeInteger(zeilen);
    b_.SchreibeInteger(spalten);
    for (int i = 1; i <= zellen; ++i)
      b_.SchreibeInteger(Index(s_.Kopplungen(), p.Zellen().Hole(i), kKeinVerweis));
  }

  const TSchule& s_;
  IFortschritt* f_;
  const int n_;
  TBuffer b_;
  // A record's number by its order number (from folgeBasis_), or by its address where the
  // order numbers spread too far.
  std::vector<int> nachFolge_;
  uint64_t folgeBasis_ = 0;
  std::vector<std::pair<const TVertretung*, int>> nachZeiger_;
  const TLehrer* letzterLehrer_ = nullptr;
  const TKlasse* letzteKlasse_ = nullptr;
};

}  // namespace

std::vector<uint8_t> TSchreiber::Baue(const TSchule& schule) const {
  return TBlockSchreiber(schule, fortschritt_).Schreibe(fenster_);
}

void TSchreiber::SchreibeDatei(TSchule& schule, const std::filesystem::path& datei) const {
  if (fortschritt_) fortschritt_->Datei(datei.filename().string(), 0);
  TBuffer(Baue(schule)).Speichere(datei);
  schule.SetzeTitel(datei.filename().string());
  schule.SetzePfad(std::filesystem::absolute(datei).string());
  schule.SetzeGeaendert(false);
}

}  // namespace kolvar
