// Moving hours, switching their occupancy while dragged, and the rooms of hours.

#include <vector>

#include "model/element.h"
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

// The coupling's courses as they are now: the calls below may not change the list, but a
// snapshot keeps the loop safe whatever a refresh does.
std::vector<TKurs*> Partner(const TKurs& k) {
  return k.Kopplung()->Kurse().Elemente();
}

}  // namespace

void TKurs::Verschiebe(int zuTag, int zuStunde, bool mitKopplung, int vonTag, int vonStunde) {
  if (mitKopplung && kopplung_ != nullptr) {
    for (TKurs* k : Partner(*this))
      if (k->Belegung().Belegt(-1, vonTag, vonStunde))
        k->Verschiebe(zuTag, zuStunde, false, vonTag, vonStunde);
    return;
  }
  int von, bis;
  Versionen(*this, -1, von, bis);
  for (int v = von; v <= bis; ++v) {
    // Where the course already holds the target the hour stays: placing there would be refused
    // after the source hour had gone.
    if (FindeSetzung(v, zuTag, zuStunde) != nullptr) continue;
    TRaum* r = RaumAnStunde(v, vonTag, vonStunde);
    EntferneStunde(v, vonTag, vonStunde, false);
    Setze(v, zuTag, r, zuStunde);
  }
}

void TKurs::VerschiebeMitRaum(int zuTag, int zuStunde, TRaum* r, bool mitKopplung, int vonTag,
                              int vonStunde) {
  if (mitKopplung && kopplung_ != nullptr) {
    for (TKurs* k : Partner(*this))
      if (k != this && k->Belegung().Belegt(-1, vonTag, vonStunde))
        k->Verschiebe(zuTag, zuStunde, false, vonTag, vonStunde);
  }
  int von, bis;
  Versionen(*this, -1, von, bis);
  for (int v = von; v <= bis; ++v) {
    if (FindeSetzung(v, zuTag, zuStunde) != nullptr) continue;
    EntferneStunde(v, vonTag, vonStunde, false);
    Setze(v, zuTag, r, zuStunde);
  }
}

void TKurs::SchalteBelegung(int v, int d, int p, bool mitKopplung, bool an) {
  if (mitKopplung && kopplung_ != nullptr) {
    for (TKurs* k : Partner(*this)) k->SchalteBelegung(v, d, p, false, an);
    return;
  }
  int von, bis;
  Versionen(*this, v, von, bis);
  for (int ver = von; ver <= bis; ++ver) {
    TSetzung* s = FindeSetzung(ver, d, p);
    if (s == nullptr) continue;
    const bool war = belegung_.Belegt(ver, d, p);
    if (war && !an) ++ausgeschaltet_;
    if (!war && an && ausgeschaltet_ > 0) --ausgeschaltet_;
    belegung_.SetzeBereich(ver, d, p, an);
    // Switching off keeps an element set where another lesson still holds it by its own grid
    // (a switched-off lesson no longer counts, though its placement stays).
    auto schalte = [&](TPlanElement* e) {
      if (e == nullptr) return;
      bool belegt = an;
      if (!an) {
        const bool raum = e->Art() == TElementArt::Raum;
        const TListe<TKurs>& kurse = raum ? Schule().Kurse() : e->Kurse();
        for (const TKurs* k : kurse) {
          if (!k->belegung_.Belegt(ver, d, p)) continue;
          const TSetzung* andere = raum ? k->FindeSetzung(ver, d, p) : nullptr;
          if (!raum || (andere != nullptr && andere->Raum() == e)) {
            belegt = true;
            break;
          }
        }
      }
      SetzeBit(e, ver, d, p, belegt);
    };
    schalte(lehrer_);
    for (TKlasse* k : klassen_) schalte(k);
    schalte(s->Raum());
  }
  SetzungenGeaendert();
}

TRaum* TKurs::RaumAnStunde(int v, int d, int p) const {
  int von, bis;
  Versionen(*this, v, von, bis);
  if (von == bis) {
    const TSetzung* s = FindeSetzung(von, d, p);
    return s != nullptr ? s->Raum() : nullptr;
  }
  TRaum* gemeinsam = nullptr;
  for (int ver = von; ver <= bis; ++ver) {
    const TSetzung* s = FindeSetzung(ver, d, p);
    if (s == nullptr || s->Raum() == nullptr) continue;
    if (gemeinsam == nullptr)
      gemeinsam = s->Raum();
    else if (gemeinsam != s->Raum())
      return nullptr;
  }
  return gemeinsam;
}

void TKurs::LoeseRaumAnStunde(int v, int d, int p) {
  int von, bis;
  Versionen(*this, v, von, bis);
  for (int ver = von; ver <= bis; ++ver) {
    TSetzung* s = FindeSetzung(ver, d, p);
    if (s != nullptr && s->Raum() != nullptr) LoeseRaum(s);
  }
}

}  // namespace kolvar
