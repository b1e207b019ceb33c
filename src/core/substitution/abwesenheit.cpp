// The substitution side of the model: absences of teachers, classes and rooms turn into
// substitution records and back, the course's follow-up record, and what a placement knows
// of its substitutions. The record's account rules are in vertretung.h.

#include <set>
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

}  // namespace

// ---------------------------------------------------------------------------------------------
// Teacher

void TLehrer::SetzeFehlt(int p, int32_t datum) {
  HebeFehltAuf(p, datum);
  TSchule& schule = Schule();
  const int v = schule.VersionDerWoche(datum);
  const int d = Uhr::Wochentag(datum);
  const TListe<TKurs> kurse = KurseAn(v, d, p);
  for (TKurs* c : kurse) {
    TSetzung* s = c->FindeSetzung(v, d, p);
    if (!s) continue;
    auto* r = new TVertretung(schule);
    r->kurs_ = c;
    r->setzung_ = s;
    r->datum_ = datum;
    r->art_ = VertrArt::Lehrer;
    r->ersatzraum_ = s->Raum();
    r->noetig_ = !c->KlassenAbwesend(datum, p, nullptr);
    if (!r->noetig_) {
      // The class absence charged him for this hour; absent himself, he gets it back.
      BucheVStd(this, r->Wert());
      r->anrechnen_ = true;
      LehrerListeNeu(schule);
    }
    r->FuegeEin();
  }
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
  for (TKurs* c : kurse) {
    TSetzung* s = c->FindeSetzung(v, d, p);
    if (!s || s->Raum() != this) continue;
    // Marking the same hour twice gives no second record.
    if (ErsteVertretungDerSetzung(
            *s, [datum](const TVertretung* x) { return x->Art() == VertrArt::Raum && x->Datum() == datum; }))
      continue;
    auto* r = new TVertretung(schule);
    r->kurs_ = c;
    r->setzung_ = s;
    r->datum_ = datum;
    r->art_ = VertrArt::Raum;
    r->noetig_ = !c->KlassenAbwesend(datum, p, nullptr);
    r->FuegeEin();
  }
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
  auto* f = new TVertretung(*schule_);
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
  if (TLehrer* l = kurs_->Lehrer(); l && !kurs_->Klassen().Leer()) {
    std::set<int32_t> tage;
    for (const TFehl* f : schule.KlassenFehlen())
      if (f->Element() == kurs_->Klassen().Hole(1) && f->Fehlt(stunde_) &&
          Uhr::Wochentag(f->Datum()) == tag_ && schule.VersionDerWoche(f->Datum()) == version_)
        tage.insert(f->Datum());
    for (int32_t t : tage)
      if (kurs_->KlassenAbwesend(t, stunde_, nullptr)) BucheVStd(l, kurs_->Faktor());
  }
  // "statt" options offered for this hour would point nowhere.
  for (TVertretung* v : schule.Vertretungen()) {
    const std::vector<TStatt*> optionen = v->stattOptionen_.Elemente();
    for (TStatt* o : optionen)
      if (o->Setzung() == this) {
        v->stattOptionen_.Entferne(o);
        delete o;
      }
  }
  while (!vertretungen_.Leer()) TVertretung::Vernichte(vertretungen_.Hole(1));
}

}  // namespace kolvar
