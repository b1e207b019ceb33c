// The substitution side of the model: absences of teachers, classes and rooms turn into
// substitution records and back, the course's follow-up record, and what a placement knows
// of its substitutions. The record's account rules are in vertretung.h.

#include <algorithm>
#include <vector>

#include "model/fehl.h"
#include "model/ifenster.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/statt.h"
#include "model/uhr.h"
#include "model/vertretungshaken.h"
#include "substitution/vertretung.h"

namespace kolvar {

namespace {

void LehrerListeNeu(TSchule& schule) {
  schule.MerkeArt(FensterArt::VLeWahl, Aenderung::Daten);
}

// The first record of the school list that fits; the callers change or free it and look again,
// since freeing one record may free its follow-up too.
template <typename Praedikat>
TVertretung* ErsteVertretung(const TSchule& schule, Praedikat passt) {
  for (TVertretung* v : schule.Vertretungen())
    if (passt(v)) return v;
  return nullptr;
}

template <typename Praedikat>
TVertretung* ErsteVertretungDerSetzung(const TSetzung& s, Praedikat passt) {
  for (TVertretung* v : s.Vertretungen())
    if (passt(v)) return v;
  return nullptr;
}

// The absent teacher's own record of the placement on the date (not a follow-up).
TVertretung* EigeneVertretung(const TSetzung& s, int32_t datum) {
  return ErsteVertretungDerSetzung(
      s, [datum](const TVertretung* v) { return v->Datum() == datum && v->IstEigeneVertretung(); });
}

// The dates of the element's absences that fall on the placement's slot.
void SammleFehlTage(const TSetzung& s, const TPlanElement* e, std::vector<int32_t>& tage) {
  if (e) e->FehlDatenImSlot(s.Version(), s.Tag(), s.Stunde(), tage);
}

// The dates on which every class of the placement's lesson is absent at its slot: the dates
// its teacher is charged for it.
std::vector<int32_t> KlassenFehlTage(const TSetzung& s) {
  const TKurs& c = s.Kurs();
  std::vector<int32_t> tage;
  if (c.Klassen().Leer()) return tage;
  SammleFehlTage(s, c.Klassen().Hole(1), tage);
  std::sort(tage.begin(), tage.end());
  tage.erase(std::unique(tage.begin(), tage.end()), tage.end());
  std::erase_if(tage, [&](int32_t t) { return !c.KlassenAbwesend(t, s.Stunde(), nullptr); });
  return tage;
}

}  // namespace

// The record of an absent teacher's lesson; while the lesson drops anyway, he gets back what
// its absent classes charged him.
void TVertretung::FuerFehlendenLehrer(TLehrer& lehrer, TSetzung& s, int32_t datum) {
  TKurs& c = s.Kurs();
  auto* r = new (c.Schule()) TVertretung(c.Schule());
  r->kurs_ = &c;
  r->setzung_ = &s;
  r->datum_ = datum;
  r->art_ = VertrArt::Lehrer;
  r->ersatzraum_ = s.Raum();
  r->noetig_ = !c.KlassenAbwesend(datum, s.Stunde(), nullptr);
  if (!r->noetig_) {
    BucheVStd(&lehrer, r->Wert());
    r->anrechnen_ = true;
    LehrerListeNeu(c.Schule());
  }
  r->FuegeEin();
}

void TVertretung::FuerFehlendenRaum(TSetzung& s, int32_t datum) {
  // Marking the same hour twice gives no second record.
  if (ErsteVertretungDerSetzung(
          s, [datum](const TVertretung* x) { return x->Art() == VertrArt::Raum && x->Datum() == datum; }))
    return;
  TKurs& c = s.Kurs();
  auto* r = new (c.Schule()) TVertretung(c.Schule());
  r->kurs_ = &c;
  r->setzung_ = &s;
  r->datum_ = datum;
  r->art_ = VertrArt::Raum;
  r->noetig_ = !c.KlassenAbwesend(datum, s.Stunde(), nullptr);
  r->FuegeEin();
}

// ---------------------------------------------------------------------------------------------
// Teacher

void TLehrer::SetzeFehlt(int p, int32_t datum) {
  HebeFehltAuf(p, datum);
  TSchule& schule = Schule();
  const int v = schule.VersionDerWoche(datum);
  const int d = Uhr::Wochentag(datum);
  const TListe<TKurs> kurse = KurseAn(v, d, p);
  for (TKurs* c : kurse)
    if (TSetzung* s = c->FindeSetzung(v, d, p)) TVertretung::FuerFehlendenLehrer(*this, *s, datum);
  schule.SetzeGeaendert(true);
}

void TLehrer::HebeFehltAuf(int p, int32_t datum) {
  TSchule& schule = Schule();
  // His records of that hour go; each takes off what it holds.
  while (TVertretung* r = ErsteVertretung(schule, [&](const TVertretung* x) {
           return x->Art() == VertrArt::Lehrer && x->Datum() == datum && x->Stunde() == p && x->Kurs() &&
                  x->Kurs()->Lehrer() == this;
         })) {
    if (!r->Noetig()) LehrerListeNeu(schule);
    TVertretung::Vernichte(r);
  }
  // Nor is he anyone's substitute then.
  while (TVertretung* r = ErsteVertretung(schule, [&](const TVertretung* x) {
           return x->Art() == VertrArt::Lehrer && x->Datum() == datum && x->Stunde() == p &&
                  x->Vertreter() == this;
         })) {
    r->EntferneVertreter();
    r->BildeBemerkung();
  }
  schule.SetzeGeaendert(true);
}

bool TLehrer::VertrittAm(int32_t datum, int p) const {
  return ErsteVertretung(Schule(), [&](const TVertretung* x) {
           return x->Art() == VertrArt::Lehrer && x->Noetig() && x->Datum() == datum && x->Stunde() == p &&
                  x->Vertreter() == this;
         }) != nullptr;
}

// ---------------------------------------------------------------------------------------------
// Class

void TKlasse::SetzeFehlt(int p, int32_t datum) {
  TSchule& schule = Schule();
  const int v = schule.VersionDerWoche(datum);
  const int d = Uhr::Wochentag(datum);
  const TListe<TKurs> kurse = KurseAn(v, d, p);
  for (TKurs* c : kurse) {
    TSetzung* s = c->FindeSetzung(v, d, p);
    if (!s || !c->KlassenAbwesend(datum, p, this)) continue;
    // The lesson drops. Its teacher is charged unless he is absent himself, which his own
    // record of the hour says (a deleted record leaves him charged like a present teacher).
    if (c->Lehrer() && !EigeneVertretung(*s, datum)) {
      BucheVStd(c->Lehrer(), -c->Faktor());
      LehrerListeNeu(schule);
    }
    while (TVertretung* r = ErsteVertretungDerSetzung(
               *s, [datum](const TVertretung* x) { return x->Datum() == datum && x->Noetig(); }))
      r->SetzeUnnoetig();
  }
  schule.SetzeGeaendert(true);
}

void TKlasse::HebeFehltAuf(int p, int32_t datum) {
  TSchule& schule = Schule();
  const int v = schule.VersionDerWoche(datum);
  const int d = Uhr::Wochentag(datum);
  const TListe<TKurs> kurse = KurseAn(v, d, p);
  for (TKurs* c : kurse) {
    TSetzung* s = c->FindeSetzung(v, d, p);
    if (!s || !c->KlassenAbwesend(datum, p, this)) continue;
    // The lesson takes place again: the charge goes back, or the absent teacher's record stops
    // holding the give-back.
    const TVertretung* eigene = EigeneVertretung(*s, datum);
    if (c->Lehrer() && !(eigene && !eigene->Noetig() && eigene->Anrechnen()))
      BucheVStd(c->Lehrer(), c->Faktor());
    // Its room is taken again: records of other lessons moved into it lose it.
    if (TRaum* raum = s->Raum())
      for (TVertretung* x : schule.Vertretungen())
        if (x->Datum() == datum && x->Stunde() == p && x->Ersatzraum() == raum && x->Setzung() &&
            x->Setzung()->Raum() != raum) {
          x->ersatzraum_ = nullptr;
          if (x->Kurs() && !x->Kurs()->KlassenAbwesend(datum, p, nullptr)) x->SetzeNoetig();
        }
    LehrerListeNeu(schule);
    while (TVertretung* r = ErsteVertretungDerSetzung(
               *s, [datum](const TVertretung* x) { return x->Datum() == datum && !x->Noetig(); }))
      r->SetzeNoetig();
  }
  schule.SetzeGeaendert(true);
}

// ---------------------------------------------------------------------------------------------
// Room

void TRaum::SetzeFehlt(int p, int32_t datum) {
  TSchule& schule = Schule();
  const int v = schule.VersionDerWoche(datum);
  const int d = Uhr::Wochentag(datum);
  const TListe<TKurs> kurse = KurseAn(v, d, p);
  for (TKurs* c : kurse)
    if (TSetzung* s = c->FindeSetzung(v, d, p); s && s->Raum() == this)
      TVertretung::FuerFehlendenRaum(*s, datum);
  schule.SetzeGeaendert(true);
}

void TRaum::HebeFehltAuf(int p, int32_t datum) {
  TSchule& schule = Schule();
  while (TVertretung* r = ErsteVertretung(schule, [&](const TVertretung* x) {
           return x->Art() == VertrArt::Raum && x->Datum() == datum && x->Stunde() == p && x->Setzung() &&
                  x->Setzung()->Raum() == this;
         }))
    TVertretung::Vernichte(r);
  // Records moved into it lose it; a lesson held in it keeps its own room.
  for (TVertretung* x : schule.Vertretungen())
    if (x->Datum() == datum && x->Stunde() == p && x->Ersatzraum() == this && x->Setzung() &&
        x->Setzung()->Raum() != this)
      x->ersatzraum_ = nullptr;
  schule.SetzeGeaendert(true);
}

bool TRaum::ErsatzraumAm(int32_t datum, int p) const {
  return ErsteVertretung(Schule(), [&](const TVertretung* x) {
           return x->Noetig() && x->Datum() == datum && x->Stunde() == p && x->Ersatzraum() == this;
         }) != nullptr;
}

// ---------------------------------------------------------------------------------------------
// Course and placement

TVertretung* TKurs::ErzeugeStattVertretung(TVertretung* r) {
  if (!r || !r->Setzung()) return nullptr;
  const TSetzung& rs = *r->Setzung();
  TSetzung* s = FindeSetzung(rs.Version(), rs.Tag(), rs.Stunde());
  if (!s) return nullptr;
  auto* f = new (*schule_) TVertretung(*schule_);
  f->kurs_ = this;
  f->setzung_ = s;
  f->datum_ = r->Datum();
  f->art_ = VertrArt::Lehrer;
  f->noetig_ = !KlassenAbwesend(r->Datum(), s->Stunde(), nullptr);
  f->ersatzraum_ = s->Raum();
  f->verlegtAuf_ = r;
  r->statt_ = f;
  f->BildeBemerkung();
  f->FuegeEin();
  schule_->SetzeGeaendert(true);
  return f;
}

bool TSetzung::FaelltAus(int32_t datum) const {
  const TSchule& schule = kurs_->Schule();
  if (Uhr::Wochentag(datum) != tag_) return true;
  if (schule.VersionDerWoche(datum) != version_) return true;
  if (schule.Standard().IstFreierTag(datum)) return true;
  for (const TVertretung* v : vertretungen_)
    if (v->Datum() == datum) return true;
  return false;
}

TSetzung::~TSetzung() {
  TSchule& schule = kurs_->Schule();
  // The lesson is gone, and with it the charge its absent classes made on its teacher (a
  // record of his own absence gives back its share as it goes below).
  if (TLehrer* l = kurs_->Lehrer())
    for (std::size_t n = KlassenFehlTage(*this).size(); n > 0; --n) BucheVStd(l, kurs_->Faktor());
  // "statt" options offered for this hour would point nowhere.
  if (stattVerweise_ > 0)
    for (TVertretung* v : schule.Vertretungen()) {
      const std::vector<TStatt*> optionen = v->stattOptionen_.Elemente();
      for (TStatt* o : optionen)
        if (o->Setzung() == this) {
          v->stattOptionen_.Entferne(o);
          delete o;
        }
    }
  while (!vertretungen_.Leer())
    TVertretung::Ende(vertretungen_.Hole(1), TVertretung::TKonten::VergangeneBleiben);
}

// ---------------------------------------------------------------------------------------------
// Hooks of the model

void VertretungenNachSetzen(TSetzung& s) {
  TKurs& c = s.Kurs();
  TSchule& schule = c.Schule();
  if (schule.LehrerFehlen().Leer() && schule.KlassenFehlen().Leer() && schule.RaumFehlen().Leer()) return;
  std::vector<int32_t> tage;
  SammleFehlTage(s, c.Lehrer(), tage);
  for (const TKlasse* k : c.Klassen()) SammleFehlTage(s, k, tage);
  SammleFehlTage(s, s.Raum(), tage);
  if (tage.empty()) return;
  std::sort(tage.begin(), tage.end());
  tage.erase(std::unique(tage.begin(), tage.end()), tage.end());
  const int32_t heute = schule.Zeit().Heute();
  const int p = s.Stunde();
  for (int32_t datum : tage) {
    // As entering the absences would have done with the lesson there: the class charge first,
    // then the records, whose give-back answers the charge while the teacher is absent.
    TLehrer* l = c.Lehrer();
    if (l && c.KlassenAbwesend(datum, p, nullptr)) {
      BucheVStd(l, -c.Faktor());
      LehrerListeNeu(schule);
    }
    if (datum < heute) continue;  // past days need no cover any more
    if (l && l->FehltAm(datum, p)) TVertretung::FuerFehlendenLehrer(*l, s, datum);
    if (s.Raum() && s.Raum()->FehltAm(datum, p)) TVertretung::FuerFehlendenRaum(s, datum);
    schule.MerkeVertretungsTag(datum);
  }
}

void VertretungenRaumGeaendert(TSetzung& s, const TElement* alt) {
  if (alt == s.Raum()) return;
  TSchule& schule = s.Kurs().Schule();
  if (schule.RaumFehlen().Leer()) return;
  const int32_t heute = schule.Zeit().Heute();
  // Room records carry no account; a past day's record stays as history.
  while (TVertretung* r = ErsteVertretungDerSetzung(
             s, [&](const TVertretung* x) { return x->Art() == VertrArt::Raum && x->Datum() >= heute; })) {
    schule.MerkeVertretungsTag(r->Datum());
    TVertretung::Vernichte(r);
  }
  std::vector<int32_t> tage;
  SammleFehlTage(s, s.Raum(), tage);
  for (int32_t datum : tage) {
    if (datum < heute) continue;
    TVertretung::FuerFehlendenRaum(s, datum);
    schule.MerkeVertretungsTag(datum);
  }
}

void VertretungenFaktorGeaendert(TKurs& k, int32_t alt) {
  const int32_t mehr = k.Faktor() - alt;
  if (mehr == 0) return;
  for (const TSetzung* s : k.Setzungen()) {
    for (std::size_t n = KlassenFehlTage(*s).size(); n > 0; --n) BucheVStd(k.Lehrer(), -mehr);
    for (const TVertretung* r : s->Vertretungen()) {
      if (!r->Anrechnen()) continue;
      if (r->Noetig())
        BucheVStd(r->Vertreter(), mehr);
      else
        BucheVStd(k.Lehrer(), mehr);
    }
  }
  LehrerListeNeu(k.Schule());
}

}  // namespace kolvar
