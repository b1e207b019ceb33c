#include "model/lehrer.h"

#include <algorithm>

#include "model/fach.h"
#include "model/idialoge.h"
#include "model/ifenster.h"
#include "model/imenue.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

TLehrer::TLehrer(TSchule& schule) : TSollElement(schule) {}

void TLehrer::SetzeRaum(TRaum* raum) {
  raum_ = raum;
  Schule().SetzeGeaendert(true);
}

void TLehrer::SetzeVStd1(int32_t wert) {
  vstd1_ = wert;
  Schule().SetzeGeaendert(true);
}

void TLehrer::SetzeVStd2(int32_t wert) {
  vstd2_ = wert;
  Schule().SetzeGeaendert(true);
}

void TLehrer::FuegeFachHinzu(TFach* fach) {
  if (!fach || faecher_.Position(fach) != 0) return;
  faecher_.FuegeSortiertEin(fach, VergleicheFaecher);
  Schule().MerkeFenster(GrForm(), Aenderung::Daten);
  fach->FuegeLehrerHinzu(this);
  Schule().SetzeGeaendert(true);
}

bool TLehrer::EntferneFach(TFach* fach) {
  if (!fach || faecher_.Position(fach) == 0) return false;
  // Every version counts, whatever version the user works on.
  for (const TKurs* k : Kurse()) {
    if (k->Fach() != fach) continue;
    for (int v = 1; v <= k->StundenTabelle().Versionen(); ++v)
      if (k->Stunden(v) != 0) {
        Schule().Dialoge().Melde(TDialog::FachEntfernen, {DialogText(TDialog::FachEntfernen)});
        return false;
      }
  }
  faecher_.Entferne(fach);
  Schule().MerkeFenster(GrForm(), Aenderung::Daten);
  fach->EntferneLehrer(this);
  Schule().SetzeGeaendert(true);
  return true;
}

int32_t TLehrer::StundenImFach(const TFach* fach) const {
  int32_t summe = 0;
  for (const TKurs* k : Kurse())
    if (k->Fach() == fach) summe += k->Stunden(-1);
  return summe;
}

bool TLehrer::UnterrichtetKlasse(const TKlasse* klasse) const {
  return std::any_of(Kurse().begin(), Kurse().end(), [&](const TKurs* k) {
    return k->Klassen().Anzahl() == 1 && k->Klassen().Hole(1) == klasse;
  });
}

bool TLehrer::HatRandstundeInKlasse(const TKlasse* klasse) const {
  for (const TKurs* k : Kurse()) {
    if (k->Kopplung() || k->Klassen().Anzahl() != 1 || k->Klassen().Hole(1) != klasse) continue;
    for (const TSetzung* s : k->Setzungen())
      if (s->IstRandstunde(*klasse)) return true;
  }
  return false;
}

bool TLehrer::HatNichtGezaehlteKurse() const {
  return std::any_of(Kurse().begin(), Kurse().end(), [](const TKurs* k) { return k->NichtZaehlenLehrer(); });
}

void TLehrer::SetzeRaumInKursen(TRaum* neu) {
  VerschiebeRaumInKursen(raum_, neu);
}

TKurs* TLehrer::NeuerKurs() {
  return Schule().ErzeugeKurs(this, nullptr, nullptr, nullptr, raum_, Schule().Standard().kst);
}

void TLehrer::FuelleKursMenue(IMenue& menue, const TFach* fach, bool mitInfo) const {
  for (const TKurs* k : Kurse())
    if (k->Fach() == fach)
      menue.Fuege({k->StundenText(-1, 0, 0, Seite::Lehrer, mitInfo), false, true, false, {}});
}

void TLehrer::FuelleFachMenue(IMenue& menue) {
  menue.Leere();
  const int n = MenueSpaltenLaenge(Schule().Klassen().Anzahl());
  int i = 0;
  for (TFach* f : faecher_) {
    ++i;
    menue.Fuege(
        {f->StundenText(this), false, true, i >= 2 && i % n == 1, [this, f] { SetzeGewaehltesFach(f); }});
  }
}

void TLehrer::Loese() {
  while (!Kurse().Leer()) {
    TKurs* k = Kurse().Hole(1);
    k->EntferneAlleSetzungen();
    k->LoeseLehrer();
  }
  for (TKlasse* k : Schule().Klassen()) {
    if (k->Lehrer1() == this) k->SetzeLehrer1(nullptr);
    if (k->Lehrer2() == this) k->SetzeLehrer2(nullptr);
    k->ZeigeWerte();
  }
  const std::vector<TFach*> faecher = faecher_.Elemente();
  for (TFach* f : faecher) {
    f->EntferneLehrer(this);
    f->Aktualisiere();
  }
  faecher_.Leere();
}

}  // namespace kolvar
