#include "model/kopplung.h"

#include "model/idialoge.h"
#include "model/imenue.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/parliste.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

TKopplung::TKopplung(TSchule& schule) : TElement(schule) {}

TKurs* TKopplung::GroessterKurs(int v, bool gewichtet) const {
  TKurs* bester = nullptr;
  int64_t maximum = -2147483647;
  for (TKurs* k : Kurse()) {
    const int64_t groesse = int64_t{k->Stunden(v)} * (gewichtet ? k->Faktor() : 1);
    if (groesse > maximum) {
      maximum = groesse;
      bester = k;
    }
  }
  return bester;
}

bool TKopplung::VollVerplant() const {
  for (const TKurs* k : Kurse())
    if (!k->NichtVerplanen() && k->GesetzteStunden(-1) < k->Stunden(-1)) return false;
  return true;
}

void TKopplung::PruefeLehrerDoppelt(const TLehrer* l) const {
  if (!l) return;
  int anzahl = 0;
  for (const TKurs* k : Kurse())
    if (k->Lehrer() == l) ++anzahl;
  if (anzahl > 1) Schule().Dialoge().Melde(TDialog::LehrerDoppelt, {l->Kuerzel(), Kuerzel()});
}

TKurs* TKopplung::NeuerKurs() {
  return Schule().ErzeugeKurs(nullptr, nullptr, this, nullptr, nullptr, Schule().Standard().kst);
}

void TKopplung::FuelleKursMenue(IMenue& menue, bool mitInfo) const {
  for (const TKurs* k : Kurse())
    menue.Fuege({k->StundenText(-1, 0, 0, Seite::Alle, mitInfo), false, true, false, {}});
}

void TKopplung::Loese() {
  while (!Kurse().Leer()) {
    TKurs* k = Kurse().Hole(1);
    k->EntferneAlleSetzungen();
    k->LoeseKopplung();
  }
  Schule().ParListe().EntferneElement(this);
}

}  // namespace kolvar
