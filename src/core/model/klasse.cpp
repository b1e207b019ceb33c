#include "model/klasse.h"

#include <algorithm>

#include "model/fach.h"
#include "model/ifenster.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

TKlasse::TKlasse(TSchule& schule) : TSollElement(schule) {
  for (int v = 1; v <= SollTabelle().Versionen(); ++v) SollIntern().SetzeStunden(v, schule.Standard().kls);
}

void TKlasse::SetzeLehrer1(TLehrer* l) {
  lehrer1_ = l;
  Schule().MerkeFenster(GrForm(), Aenderung::Werte);
  Schule().SetzeGeaendert(true);
}

void TKlasse::SetzeLehrer2(TLehrer* l) {
  lehrer2_ = l;
  Schule().MerkeFenster(GrForm(), Aenderung::Werte);
  Schule().SetzeGeaendert(true);
}

void TKlasse::SetzeRaum(TRaum* raum) {
  raum_ = raum;
  Schule().SetzeGeaendert(true);
}

void TKlasse::SetzeEinzeln(bool an) {
  einzeln_ = an;
  Schule().SetzeGeaendert(true);
}

void TKlasse::SetzeRaumInKursen(TRaum* neu) {
  VerschiebeRaumInKursen(raum_, neu);
}

TKurs* TKlasse::NeuerKurs() {
  return Schule().ErzeugeKurs(nullptr, this, nullptr, nullptr, raum_, Schule().Standard().kst);
}

int TKlasse::ZaehleLuecken(int v, std::array<int, 8>& letzte, int& maximum) const {
  letzte.fill(0);
  maximum = 0;
  int luecken = 0;
  const int tage = std::clamp(Schule().Standard().mtn, 0, kTage);
  for (int d = 1; d <= tage; ++d) {
    int ende = 0;
    for (int p = kStunden; p >= 1 && !ende; --p)
      if (Belegung().Belegt(v, d, p) && SetzungAn(v, d, p, true)) ende = p;
    letzte[static_cast<std::size_t>(d)] = ende;
    maximum = std::max(maximum, ende);
    for (int p = 1; p < ende; ++p)
      if (!Belegung().Belegt(v, d, p) && !Sperrung().Belegt(v, d, p)) ++luecken;
  }
  return luecken;
}

void TKlasse::Loese() {
  while (!Kurse().Leer()) {
    TKurs* k = Kurse().Hole(1);
    k->EntferneAlleSetzungen();
    k->EntferneKlasse(this);
  }
  // A subject may list the class without a course of it (added in the subject's editor).
  for (TFach* f : Schule().Faecher()) f->EntferneKlasse(this);
}

}  // namespace kolvar
