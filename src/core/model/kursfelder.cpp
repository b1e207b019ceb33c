// The pop-ups of a course's fields (hours, factor, classes, rooms, coupling) and the questions
// asked before a field loses what is planned.

#include <string>

#include "model/idialoge.h"
#include "model/imenue.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/stundentext.h"

namespace kolvar {

void TKurs::StundenMenueEintraege(IMenue& menue) {
  const TStandard& st = schule_->Standard();
  const int n = st.eaw() ? 1 : stunden_.Versionen();
  const int32_t jetzt = Stunden(-1);
  for (int k = 0; k <= 20; ++k)
    menue.Fuege({std::to_string(k * n), k * n == jetzt, true, false, [this, k] { StundenMenueClick(k); }});
}

void TKurs::StundenMenueClick(int k) {
  const TStandard& st = schule_->Standard();
  const int n = st.eaw() ? 1 : stunden_.Versionen();
  if (k * n == Stunden(-1)) return;
  int von, bis;
  VersionsBereich(st.Versionen(), stunden_.Versionen(), -1, von, bis);
  bool zuViel = false;
  for (int v = von; v <= bis; ++v) zuViel = zuViel || GesetzteStunden(v) > k;
  if (zuViel && !FrageVerplant()) return;
  SetzeStunden(-1, k);
  KursGeaendert();
}

void TKurs::FaktorMenueEintraege(IMenue& menue) {
  const TStandard& st = schule_->Standard();
  for (int j = 0; j <= 10; ++j)
    menue.Fuege({FormatiereStunden(int64_t{Stunden(-1)} * j, st), j == faktor_, true, false,
                 [this, j] { FaktorMenueClick(j); }});
}

void TKurs::FaktorMenueClick(int32_t f) {
  SetFaktor(f);
  KursGeaendert();
}

void TKurs::KlassenMenueEintraege(IMenue& menue) {
  for (TKlasse* k : klassen_)
    menue.Fuege({k->Kuerzel(), false, true, false, [this, k] {
                   if (schule_->Werkzeugmodus() == Modus::Loeschen) KlasseMenueClick(k);
                 }});
}

void TKurs::KlasseMenueClick(TKlasse* k) {
  if (klassen_.Position(k) != 0 && FrageVerplant()) EntferneKlasse(k);
}

void TKurs::RaumMenueEintraege(IMenue& menue) {
  for (TRaum* r : raeume_)
    menue.Fuege({r->Kuerzel(), RaumVerplant(r), true, false, [this, r] {
                   if (schule_->Werkzeugmodus() == Modus::Loeschen) RaumMenueClick(r);
                 }});
}

void TKurs::RaumMenueClick(TRaum* r) {
  if (raeume_.Position(r) != 0 && FrageRaumEntfernen(r)) EntferneRaum(r);
}

void TKurs::KopplungsMenueEintraege(IMenue& menue, bool mitInfo) const {
  if (!kopplung_) {
    menue.Fuege({StundenText(-1, 0, 0, Seite::Alle, mitInfo), false, true, false, {}});
    return;
  }
  for (const TKurs* k : kopplung_->Kurse())
    menue.Fuege({k->StundenText(-1, 0, 0, Seite::Alle, mitInfo), false, true, false, {}});
}

void TKurs::KopplungsMenueEintraegeAnStunde(IMenue& menue, int d, int p, bool mitInfo) const {
  if (!kopplung_) {
    menue.Fuege({StundenText(-1, d, p, Seite::Alle, mitInfo), false, true, false, {}});
    return;
  }
  for (const TKurs* k : kopplung_->Kurse())
    menue.Fuege({k->StundenText(-1, d, p, Seite::Alle, mitInfo), false, true, false, {}});
}

void TKurs::KopplungsMenueEintraegeInVersion(IMenue& menue, int v, int d, int p, bool mitInfo) const {
  if (!kopplung_) {
    menue.Fuege({StundenText(v, d, p, Seite::Alle, mitInfo), false, true, false, {}});
    return;
  }
  for (const TKurs* k : kopplung_->Kurse())
    if (k->HatSetzung(v, d, p))
      menue.Fuege({k->StundenText(v, d, p, Seite::Alle, mitInfo), false, true, false, {}});
}

bool TKurs::FrageVerplant() {
  if (setzungen_.Leer()) return true;
  if (schule_->Dialoge().Frage(TDialog::KursVerplant, {DialogText(TDialog::KursVerplant), Text()}) ==
      Modal::Ja)
    EntferneAlleSetzungen();
  return setzungen_.Leer();
}

bool TKurs::FrageRaumEntfernen(TRaum* r) {
  if (!RaumVerplant(r)) return true;
  if (schule_->Dialoge().Frage(TDialog::KursImRaumplan,
                               {DialogText(TDialog::KursImRaumplan), Text(), r->Kuerzel()}) == Modal::Ja) {
    const std::vector<TSetzung*> setzungen = setzungen_.Elemente();
    for (TSetzung* s : setzungen)
      if (s->Raum() == r) LoeseRaum(s);
  }
  return !RaumVerplant(r);
}

}  // namespace kolvar
