// Conflict collection, checked placing and moving, and the two plain placing predicates.

#include <algorithm>
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

// The placement of a course at the slot, looked up only where its own grid has the slot.
const TSetzung* SetzungAn(const TKurs& k, int v, int d, int p) {
  return k.Belegung().Belegt(v, d, p) ? k.FindeSetzung(v, d, p) : nullptr;
}

}  // namespace

void TKurs::SammleVersion(int v, int d, int p, const TRaum* r, const TKurs* ausser, const TKopplung* ko,
                          TKonfliktListe& liste, int& schwere) const {
  TKurs* selbst = const_cast<TKurs*>(this);
  auto fuege = [&](int art, TKurs* kurs, const TElement* e) {
    if (liste.Fuege(TKonflikt(art, KonfliktSchwere(art), kurs, const_cast<TElement*>(e), v)))
      schwere = std::max(schwere, KonfliktSchwere(art));
  };
  // The course's own hour at the target refuses like a lock: it is never offered for displacement.
  if (sperrung_.Belegt(v, d, p) || belegung_.Belegt(v, d, p))
    fuege(KonfliktArt::KursGesperrt, selbst, nullptr);

  if (lehrer_ != nullptr) {
    if (lehrer_->Sperrung().Belegt(v, d, p)) fuege(KonfliktArt::LehrerGesperrt, nullptr, lehrer_);
    if (lehrer_->Belegung().Belegt(v, d, p)) {
      for (TKurs* k : lehrer_->Kurse()) {
        if (k == this) continue;
        if (const TSetzung* s = SetzungAn(*k, v, d, p))
          fuege(s->Fixiert() ? KonfliktArt::LehrerFixiert : KonfliktArt::LehrerBesetzt, k, lehrer_);
      }
    }
  }
  for (const TKlasse* kl : klassen_) {
    if (kl->Sperrung().Belegt(v, d, p)) fuege(KonfliktArt::KlasseGesperrt, nullptr, kl);
    if (!kl->Belegung().Belegt(v, d, p)) continue;
    for (TKurs* k : kl->Kurse()) {
      if (k == this || k == ausser || (ko != nullptr && k->Kopplung() == ko)) continue;
      if (const TSetzung* s = SetzungAn(*k, v, d, p))
        fuege(s->Fixiert() ? KonfliktArt::KlasseFixiert : KonfliktArt::KlasseBesetzt, k, kl);
    }
  }
  if (r != nullptr) {
    if (r->Sperrung().Belegt(v, d, p)) fuege(KonfliktArt::RaumGesperrt, nullptr, r);
    if (r->Belegung().Belegt(v, d, p)) {
      // A placement may use a room outside its course's room list (data from a file): when
      // the room's own courses do not explain the bit, every course is asked.
      bool gefunden = false;
      auto pruefe = [&](const TListe<TKurs>& kurse) {
        for (TKurs* k : kurse) {
          const TSetzung* s = SetzungAn(*k, v, d, p);
          if (s == nullptr || s->Raum() != r) continue;
          gefunden = true;
          if (k != this) fuege(s->Fixiert() ? KonfliktArt::RaumFixiert : KonfliktArt::RaumBesetzt, k, r);
        }
      };
      pruefe(r->Kurse());
      if (!gefunden) pruefe(Schule().Kurse());
    }
  }
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
  for (int v = von; v <= bis; ++v) SammleVersion(v, zuTag, zuStunde, r, ausser, ko, liste, schwere);
  return schwere;
}

int TKurs::SammleSperrgruende(int d, int p, TRaum* r, TKonfliktListe& liste) const {
  int schwere = 0;
  int von, bis;
  Versionen(*this, -1, von, bis);
  for (int v = von; v <= bis; ++v) SammleVersion(v, d, p, r, this, kopplung_, liste, schwere);
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
      // A partner that already holds the slot stays there: it is not an obstacle to itself.
      for (int v = von; v <= bis; ++v)
        if (!k->Belegung().Belegt(v, d, p)) k->SammleVersion(v, d, p, raum, k, kopplung_, liste, schwere);
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
