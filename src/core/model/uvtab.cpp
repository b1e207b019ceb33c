#include "model/uvtab.h"

#include "model/fach.h"
#include "model/ifenster.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "model/schule.h"

namespace kolvar {

namespace {
template <typename T>
bool FuegeEin(TListe<T>& liste, T* e) {
  if (!e || liste.Position(e) != 0) return false;
  liste.FuegeSortiertEin(e, VergleicheElemente);
  return true;
}
}  // namespace

TUVTab::TUVTab(TSchule& schule) : TElement(schule) {}

void TUVTab::SetzeArt(uint8_t art) {
  art_ = art;
  Schule().SetzeGeaendert(true);
}

static void Auffrischen(TUVTab& t) {
  t.Schule().MerkeFenster(t.GrForm(), Aenderung::Daten);
  t.Schule().MerkeFenster(t.DepForm(), Aenderung::Daten);
  t.Schule().SetzeGeaendert(true);
}

void TUVTab::FuegeLehrerHinzu(TLehrer* l) {
  if (FuegeEin(lehrer_, l)) Auffrischen(*this);
}
void TUVTab::FuegeKlasseHinzu(TKlasse* k) {
  if (FuegeEin(klassen_, k)) Auffrischen(*this);
}
void TUVTab::FuegeFachHinzu(TFach* f) {
  if (FuegeEin(faecher_, f)) Auffrischen(*this);
}
void TUVTab::EntferneLehrer(TLehrer* l) {
  if (lehrer_.Entferne(l)) Auffrischen(*this);
}
void TUVTab::EntferneKlasse(TKlasse* k) {
  if (klassen_.Entferne(k)) Auffrischen(*this);
}
void TUVTab::EntferneFach(TFach* f) {
  if (faecher_.Entferne(f)) Auffrischen(*this);
}

void TUVTab::Sortiere() {
  lehrer_.Sortiere(VergleicheElemente);
  klassen_.Sortiere(VergleicheElemente);
  faecher_.Sortiere(VergleicheElemente);
}

}  // namespace kolvar
