// Conflict collection, checked placing and moving, and the two plain placing predicates.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "engine/konfliktliste.h"
#include "engine/zeitfeld.h"
#include "model/idialoge.h"
#include "model/ifenster.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

namespace {

void Versionen(const TKurs& k, int v, int& von, int& bis) {
  const TStandard& st = k.Schule().Standard();
  VersionsBereich(st.Versionen(), st.mwn(), v, von, bis);
}

static_assert(kMaxVersionen <= 64, "a version set is one 64-bit word");

// The versions of [von, bis] whose week in the grid has the slot, as bit v - von.
uint64_t Versionsmaske(const TWochBereich& b, int von, int bis, int d, int p) {
  if (d < 1 || d > kTage || p < 1 || p > kStunden) return 0;
  const int start = std::max(von, 1), ende = std::min(bis, b.Versionen());
  if (start > ende) return 0;
  // The weeks lie side by side: one look-up, then a stride, instead of a call per version.
  const TWoElem* erste = b.Woche(start);
  const bool folge = b.Woche(ende) == erste + (ende - start);
  uint64_t maske = 0;
  for (int v = start; v <= ende; ++v) {
    const TWoElem* w = folge ? erste + (v - start) : b.Woche(v);
    if ((w->Tag(d) >> (p - 1)) & 1u) maske |= uint64_t{1} << (v - von);
  }
  return maske;
}

// One placement at the slot that an element's list holds: its course and version.
struct TTreffer {
  int Version;
  TKurs* Kurs;
  const TSetzung* Setzung;
};

// The conflicts of one course at one slot, for a run of versions. Each element's courses are
// walked once for the whole run, and each course's placements at the slot come from one search
// over all versions; they are then filed by version, so a version reads only its own. A move
// over all versions then costs little more per version than its conflicts. The conflicts come in
// the order of a version-by-version walk: per version the course, its teacher, each class, the
// room, each in its list's order.
class TSammler {
 public:
  TSammler(const TKurs& kurs, int von, int bis, int d, int p, const TRaum* r, const TKurs* ausser,
           const TKopplung* ko)
      : kurs_(kurs), von_(von), bis_(bis), d_(d), p_(p), r_(r) {
    auto maske = [&](const TWochBereich& b) { return Versionsmaske(b, von, bis, d, p); };
    eigene_ = maske(kurs.Sperrung()) | maske(kurs.Belegung());
    if (const TLehrer* l = kurs.Lehrer()) {
      lehrer_.Sperrung = maske(l->Sperrung());
      lehrer_.Belegung = maske(l->Belegung());
      if (lehrer_.Belegung != 0) Fasse(lehrer_, l->Kurse(), [&](const TKurs* k) { return k == &kurs; });
    }
    klassen_.resize(static_cast<std::size_t>(kurs.Klassen().Anzahl()));
    for (int i = 0; i < kurs.Klassen().Anzahl(); ++i) {
      const TKlasse* kl = kurs.Klassen().Hole(i + 1);
      TElementSicht& sicht = klassen_[static_cast<std::size_t>(i)];
      sicht.Sperrung = maske(kl->Sperrung());
      sicht.Belegung = maske(kl->Belegung());
      if (sicht.Belegung != 0)
        Fasse(sicht, kl->Kurse(), [&](const TKurs* k) {
          return k == &kurs || k == ausser || (ko != nullptr && k->Kopplung() == ko);
        });
    }
    if (r != nullptr) {
      raum_.Sperrung = maske(r->Sperrung());
      raum_.Belegung = maske(r->Belegung());
      if (raum_.Belegung != 0) Fasse(raum_, r->Kurse(), [](const TKurs*) { return false; });
    }
  }

  void Version(int v, TKonfliktListe& liste, int& schwere) const {
    const uint64_t bit = uint64_t{1} << (v - von_);
    TKurs* selbst = const_cast<TKurs*>(&kurs_);
    auto fuege = [&](int art, TKurs* kurs, const TElement* e) {
      if (liste.Fuege(TKonflikt(art, KonfliktSchwere(art), kurs, const_cast<TElement*>(e), v)))
        schwere = std::max(schwere, KonfliktSchwere(art));
    };
    // A conflict with a course the list already reports in this version would be dropped: its
    // placement is not looked up.
    auto besetzt = [&](const TElementSicht& sicht, const TElement* e, int fixiert, int besetzt) {
      if (!(sicht.Belegung & bit)) return;
      for (const TTreffer& t : Treffer(sicht, v))
        if (!liste.Gemeldet(t.Kurs, v)) fuege(t.Setzung->Fixiert() ? fixiert : besetzt, t.Kurs, e);
    };
    // The course's own hour at the target refuses like a lock: it is never offered for displacement.
    if (eigene_ & bit) fuege(KonfliktArt::KursGesperrt, selbst, nullptr);

    if (const TLehrer* l = kurs_.Lehrer()) {
      if (lehrer_.Sperrung & bit) fuege(KonfliktArt::LehrerGesperrt, nullptr, l);
      besetzt(lehrer_, l, KonfliktArt::LehrerFixiert, KonfliktArt::LehrerBesetzt);
    }
    for (int i = 0; i < kurs_.Klassen().Anzahl(); ++i) {
      const TKlasse* kl = kurs_.Klassen().Hole(i + 1);
      const TElementSicht& sicht = klassen_[static_cast<std::size_t>(i)];
      if (sicht.Sperrung & bit) fuege(KonfliktArt::KlasseGesperrt, nullptr, kl);
      besetzt(sicht, kl, KonfliktArt::KlasseFixiert, KonfliktArt::KlasseBesetzt);
    }
    if (r_ == nullptr) return;
    if (raum_.Sperrung & bit) fuege(KonfliktArt::RaumGesperrt, nullptr, r_);
    if (!(raum_.Belegung & bit)) return;
    // The room's count of placements in it ends the walk once all are met; a count of 0 under
    // a set bit never ends it early.
    int offen = r_->SetzungenAn(v, d_, p_);
    const bool zaehlt = offen > 0;
    bool gefunden = false;
    for (const TTreffer& t : Treffer(raum_, v)) {
      if (t.Setzung->Raum() != r_) continue;
      gefunden = true;
      if (t.Kurs != &kurs_)
        fuege(t.Setzung->Fixiert() ? KonfliktArt::RaumFixiert : KonfliktArt::RaumBesetzt, t.Kurs, r_);
      if (zaehlt && --offen <= 0) break;
    }
    if (gefunden) return;
    // A placement may use a room outside its course's room list (data from a file): when the
    // room's own courses do not explain the bit, every course is asked.
    for (TKurs* k : kurs_.Schule().Kurse()) {
      const TSetzung* s = k->Belegung().Belegt(v, d_, p_) ? k->FindeSetzung(v, d_, p_) : nullptr;
      if (s == nullptr || s->Raum() != r_) continue;
      if (k != &kurs_) fuege(s->Fixiert() ? KonfliktArt::RaumFixiert : KonfliktArt::RaumBesetzt, k, r_);
    }
  }

 private:
  struct TElementSicht {
    uint64_t Sperrung = 0;
    uint64_t Belegung = 0;
    // The placements by version, each version's in the element's list order; version v's
    // begin at Anfang[v - von].
    std::vector<TTreffer> Treffer;
    std::vector<uint32_t> Anfang;
  };

  struct TBereich {
    const TTreffer* Erster;
    const TTreffer* Ende;
    const TTreffer* begin() const { return Erster; }
    const TTreffer* end() const { return Ende; }
  };

  TBereich Treffer(const TElementSicht& sicht, int v) const {
    // Without bounds all placements are of the one version collected.
    if (sicht.Anfang.empty()) return {sicht.Treffer.data(), sicht.Treffer.data() + sicht.Treffer.size()};
    const std::size_t i = static_cast<std::size_t>(v - von_);
    return {sicht.Treffer.data() + sicht.Anfang[i], sicht.Treffer.data() + sicht.Anfang[i + 1]};
  }

  // The element's courses' placements at the slot, in list order (a room's still in any room).
  // They are fetched ahead: on a large school they lie far apart in memory, and reading one
  // after the other waits for each in turn.
  template <typename Ohne>
  void Fasse(TElementSicht& sicht, const TListe<TKurs>& kurse, Ohne ohne) {
    roh_.clear();
    for (TKurs* k : kurse) {
      // A course with no placement at the slot in any version needs no search.
      if (k->SetzungenImSlot(d_, p_) == 0 || ohne(k)) continue;
      // An hour being dragged has its occupancy switched off: it is no obstacle.
      const TWochBereich& belegung = k->Belegung();
      const bool alleBelegt = k->AlleStundenBelegt();
      auto nimm = [&](const TSetzung* s, int v) {
        if (!((sicht.Belegung >> (v - von_)) & 1u) || (!alleBelegt && !belegung.Belegt(v, d_, p_))) return;
        __builtin_prefetch(s);
        roh_.push_back({v, k, s});
      };
      // One version: the course's grid answers most courses without a search.
      if (von_ == bis_) {
        if (Versionsmaske(belegung, von_, von_, d_, p_) != 0)
          if (const TSetzung* s = k->FindeSetzung(von_, d_, p_)) nimm(s, von_);
      } else {
        k->JeSetzungImSlot(d_, p_, von_, bis_, nimm);
      }
    }
    if (roh_.empty()) return;
    if (von_ == bis_) {
      sicht.Treffer.swap(roh_);
      return;
    }
    // Filed by version with a stable counting sort: each version keeps the list order.
    const std::size_t n = static_cast<std::size_t>(bis_ - von_ + 1);
    sicht.Anfang.assign(n + 1, 0);
    for (const TTreffer& t : roh_) ++sicht.Anfang[static_cast<std::size_t>(t.Version - von_ + 1)];
    for (std::size_t i = 1; i <= n; ++i) sicht.Anfang[i] += sicht.Anfang[i - 1];
    sicht.Treffer.resize(roh_.size());
    std::vector<uint32_t> stelle(sicht.Anfang.begin(), sicht.Anfang.end() - 1);
    for (const TTreffer& t : roh_) sicht.Treffer[stelle[static_cast<std::size_t>(t.Version - von_)]++] = t;
  }

  const TKurs& kurs_;
  int von_, bis_, d_, p_;
  const TRaum* r_;
  uint64_t eigene_ = 0;
  TElementSicht lehrer_, raum_;
  std::vector<TElementSicht> klassen_;
  std::vector<TTreffer> roh_;
};

}  // namespace

void TKurs::SammleVersion(int v, int d, int p, const TRaum* r, const TKurs* ausser, const TKopplung* ko,
                          TKonfliktListe& liste, int& schwere) const {
  TSammler(*this, v, v, d, p, r, ausser, ko).Version(v, liste, schwere);
}

int TKurs::SammleKonflikte(int zuTag, int zuStunde, const TKurs* ausser, const TKopplung* ko,
                           TKonfliktListe& liste, int vonTag, int vonStunde) const {
  TRaum* r = RaumAnStunde(Schule().Standard().AktuelleVersion(), vonTag, vonStunde);
  return SammleKonflikteMitRaum(zuTag, zuStunde, r, ausser, ko, liste, vonTag, vonStunde);
}

int TKurs::SammleKonflikteMitRaum(int zuTag, int zuStunde, TRaum* r, const TKurs* ausser, const TKopplung* ko,
                                  TKonfliktListe& liste, int /*vonTag*/, int /*vonStunde*/) const {
  int schwere = 0;
  int von, bis;
  Versionen(*this, -1, von, bis);
  if (von > bis) return schwere;
  const TSammler sammler(*this, von, bis, zuTag, zuStunde, r, ausser, ko);
  for (int v = von; v <= bis; ++v) sammler.Version(v, liste, schwere);
  return schwere;
}

int TKurs::SammleSperrgruende(int d, int p, TRaum* r, TKonfliktListe& liste) const {
  int schwere = 0;
  int von, bis;
  Versionen(*this, -1, von, bis);
  if (von > bis) return schwere;
  const TSammler sammler(*this, von, bis, d, p, r, this, kopplung_);
  for (int v = von; v <= bis; ++v) sammler.Version(v, liste, schwere);
  return schwere;
}

void TKurs::SammleRaumKonflikte(int d, int p, TKonfliktListe& liste) const {
  if (raeume_.Leer()) return;
  int von, bis;
  Versionen(*this, -1, von, bis);
  for (int v = von; v <= bis; ++v) {
    const bool frei = std::any_of(raeume_.begin(), raeume_.end(), [&](const TRaum* r) {
      return !r->Sperrung().Belegt(v, d, p) && !r->Belegung().Belegt(v, d, p);
    });
    if (!frei)
      liste.Fuege(TKonflikt(KonfliktArt::KeinRaumFrei, KonfliktSchwere(KonfliktArt::KeinRaumFrei),
                            const_cast<TKurs*>(this), nullptr, v));
  }
}

bool TKurs::DialogSchritt(int d, int p, TKonfliktListe& liste, bool manuell) {
  const int schwere = liste.Schwere();
  if (schwere == 0) return liste.Leer();
  const TStandard& st = Schule().Standard();
  std::vector<std::string> texte{ZeitFeldText(st, d, p)};
  for (std::string& t : liste.Texte()) texte.push_back(std::move(t));
  IDialoge& dialoge = Schule().Dialoge();
  if (schwere >= 2) {
    dialoge.Melde(TDialog::Setzungsverbot, texte);
    return false;
  }
  if (dialoge.Frage(TDialog::Verdraengen, texte) != Modal::Ja) return false;

  // Every question is asked first; the hours go only when no answer was "Abbrechen", so a
  // cancelled displacement leaves the plans as they were.
  struct TEntfernung {
    TKurs* Kurs;
    int Version;
    bool MitKopplung;
  };
  std::vector<TEntfernung> plan;
  const TKonfliktListe vorher = liste;
  const int aktuell = st.AktuelleVersion();
  while (!liste.Leer()) {
    const TKonflikt k = liste.Hole(1);
    TKurs* kurs = k.Kurs();
    // A lesson whose hour in that version already goes (by itself or with its coupling) is
    // not asked about again.
    const bool schonGeplant = std::any_of(plan.begin(), plan.end(), [&](const TEntfernung& e) {
      return e.Version == k.Version() &&
             (e.Kurs == kurs || (e.MitKopplung && kurs != nullptr && kurs->Kopplung() != nullptr &&
                                 e.Kurs->Kopplung() == kurs->Kopplung()));
    });
    if (kurs != nullptr && kurs != this && !schonGeplant) {
      if (kurs->Kopplung() != nullptr) {
        std::vector<std::string> frage{ZeitFeldText(st, d, p), kurs->TextMitRaum(aktuell, d, p)};
        for (TKurs* partner : kurs->Kopplung()->Kurse())
          if (partner->Belegung().Belegt(aktuell, d, p)) frage.push_back(partner->TextMitRaum(aktuell, d, p));
        const int antwort = dialoge.Frage(TDialog::KursLoeschen, frage);
        if (antwort != Modal::Ja && antwort != Modal::Ok) {
          liste = vorher;
          return false;
        }
        plan.push_back({kurs, k.Version(), antwort == Modal::Ok});
      } else {
        plan.push_back({kurs, k.Version(), false});
      }
    }
    liste.EntferneErstes();
  }
  IManuellFenster* fenster = manuell ? Schule().ManuellFenster() : nullptr;
  for (const TEntfernung& e : plan) {
    e.Kurs->EntferneStunde(e.Version, d, p, e.MitKopplung);
    if (fenster != nullptr && !e.MitKopplung && e.Kurs->Kopplung() != nullptr) fenster->NimmKursAuf(e.Kurs);
  }
  return true;
}

bool TKurs::PruefeVerschieben(int zuTag, int zuStunde, bool mitKopplung, TKonfliktListe& liste, int vonStunde,
                              int vonTag) {
  if (mitKopplung && kopplung_ != nullptr) {
    for (TKurs* k : kopplung_->Kurse().Elemente())
      if (k->Belegung().Belegt(-1, vonTag, vonStunde))
        k->SammleKonflikte(zuTag, zuStunde, k, kopplung_, liste, vonTag, vonStunde);
  } else {
    SammleKonflikte(zuTag, zuStunde, this, kopplung_, liste, vonTag, vonStunde);
  }
  return DialogSchritt(zuTag, zuStunde, liste, false);
}

bool TKurs::PruefeVerschiebenMitRaum(int zuTag, int zuStunde, TRaum* r, bool mitKopplung,
                                     TKonfliktListe& liste, int vonStunde, int vonTag) {
  SammleKonflikteMitRaum(zuTag, zuStunde, r, this, kopplung_, liste, vonTag, vonStunde);
  if (mitKopplung && kopplung_ != nullptr) {
    for (TKurs* k : kopplung_->Kurse().Elemente())
      if (k != this && k->Belegung().Belegt(-1, vonTag, vonStunde))
        k->SammleKonflikte(zuTag, zuStunde, k, kopplung_, liste, vonTag, vonStunde);
  }
  return DialogSchritt(zuTag, zuStunde, liste, false);
}

bool TKurs::PruefeSetzenMitRaum(int d, int p, TRaum* r, bool mitKopplung, TKonfliktListe& liste) {
  SammleSperrgruende(d, p, r, liste);
  if (mitKopplung && kopplung_ != nullptr) {
    const int aktuell = Schule().Standard().AktuelleVersion();
    int von, bis;
    Versionen(*this, -1, von, bis);
    for (TKurs* k : kopplung_->Kurse().Elemente()) {
      if (k == this) continue;
      TRaum* raum = k->FindeFreienRaum(aktuell, d, p);
      int schwere = 0;
      if (von > bis) continue;
      const TSammler sammler(*k, von, bis, d, p, raum, k, kopplung_);
      // A partner that already holds the slot stays there: it is not an obstacle to itself.
      for (int v = von; v <= bis; ++v)
        if (!k->Belegung().Belegt(v, d, p)) sammler.Version(v, liste, schwere);
    }
  }
  return DialogSchritt(d, p, liste, false);
}

bool TKurs::PruefeKonfliktliste(int d, int p, TKonfliktListe& liste) {
  return DialogSchritt(d, p, liste, true);
}

bool TKurs::KannSetzen(int v, int d, const TRaum* r, int p) const {
  int von, bis;
  Versionen(*this, v, von, bis);
  for (int w = von; w <= bis; ++w) {
    if (belegung_.Belegt(w, d, p) || sperrung_.Belegt(w, d, p)) return false;
    if (lehrer_ != nullptr && (lehrer_->Belegung().Belegt(w, d, p) || lehrer_->Sperrung().Belegt(w, d, p)))
      return false;
    for (const TKlasse* kl : klassen_) {
      if (kl->Sperrung().Belegt(w, d, p)) return false;
      if (!kl->Belegung().Belegt(w, d, p)) continue;
      if (kopplung_ == nullptr) return false;
      for (const TKurs* k : kl->Kurse())
        if (k->Kopplung() != kopplung_ && k->Belegung().Belegt(w, d, p)) return false;
    }
    if (r != nullptr && (r->Belegung().Belegt(w, d, p) || r->Sperrung().Belegt(w, d, p))) return false;
  }
  return true;
}

bool TKurs::StundeFrei(int v, int d, const TKopplung* ko, int p) const {
  if (OffeneStunden(v) < 1) return true;
  int von, bis;
  Versionen(*this, v, von, bis);
  for (int w = von; w <= bis; ++w) {
    if (belegung_.Belegt(w, d, p) || sperrung_.Belegt(w, d, p)) return false;
    if (lehrer_ != nullptr && (lehrer_->Belegung().Belegt(w, d, p) || lehrer_->Sperrung().Belegt(w, d, p)))
      return false;
    for (const TKlasse* kl : klassen_) {
      if (kl->Sperrung().Belegt(w, d, p)) return false;
      for (const TKurs* k : kl->Kurse()) {
        if (!k->Belegung().Belegt(w, d, p)) continue;
        if (ko == nullptr || k->Kopplung() != ko) return false;
        break;  // the first lesson found decides
      }
    }
  }
  return true;
}

}  // namespace kolvar
