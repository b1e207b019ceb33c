#include "model/raum.h"

#include <algorithm>
#include <cstdint>

#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/uhr.h"

namespace kolvar {

TRaum::TRaum(TSchule& schule) : TPlanElement(schule) {}

bool TRaum::ZaehltSetzung(const TSetzung& s) const {
  return s.Raum() == this;
}

bool TRaum::BelegtAm(int p, int32_t datum) const {
  const int v = Schule().VersionDerWoche(datum);
  const int d = Uhr::Wochentag(datum);
  if (SetzungenAn(v, d, p) == 0) return false;
  for (const TKurs* k : Kurse()) {
    const TSetzung* s = k->FindeSetzung(v, d, p);
    if (!s || s->Raum() != this) continue;
    if (k->Klassen().Leer()) return true;
    for (const TKlasse* kl : k->Klassen())
      if (!kl->FehltAm(datum, p)) return true;
  }
  return false;
}

TKurs* TRaum::NeuerKurs() {
  return Schule().ErzeugeKurs(nullptr, nullptr, nullptr, nullptr, this, Schule().Standard().kst);
}

void TRaum::Loese() {
  while (!Kurse().Leer()) {
    TKurs* k = Kurse().Hole(1);
    if (k->RaumVerplant(this)) k->EntferneAlleSetzungen();
    k->EntferneRaum(this);
  }
  // An hour may use a room its course does not list (rooms swapped by hand, data from a file).
  for (TKurs* k : Schule().Kurse())
    if (k->RaumVerplant(this)) k->EntferneAlleSetzungen();
  for (TLehrer* l : Schule().Lehrer())
    if (l->Raum() == this) {
      l->SetzeRaum(nullptr);
      l->ZeigeWerte();
    }
  for (TKlasse* k : Schule().Klassen())
    if (k->Raum() == this) {
      k->SetzeRaum(nullptr);
      k->ZeigeWerte();
    }
}

}  // namespace kolvar
