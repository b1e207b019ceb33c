#include "model/undoelement.h"

#include "model/ifenster.h"
#include "model/ipalettezustand.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"

namespace kolvar {

void TUndoElement::Merke(TKurs& kurs, const TSetzung& setzung, uint8_t art) {
  TSchule& schule = kurs.Schule();
  auto* schritt = new TUndoElement;
  schritt->art_ = art;
  schritt->version_ = setzung.Version();
  schritt->tag_ = setzung.Tag();
  schritt->stunde_ = setzung.Stunde();
  schritt->raum_ = setzung.Raum();
  schritt->kurs_ = &kurs;
  schule.undo_.Haenge(schritt);
  if (art == Entfernt)
    if (IManuellFenster* m = schule.ManuellFenster()) m->NimmKursAuf(&kurs);
  schule.Palette().SetzeWiderrufenAktiv(true);
}

void TUndoElement::Ausfuehren() const {
  if (!kurs_) return;
  IPaletteZustand& palette = kurs_->Schule().Palette();
  const bool vorher = palette.UndoAufzeichnen();
  palette.SetzeUndoAufzeichnen(false);
  if (art_ == Entfernt) {
    // Not the guarded Setze: it would refuse the hour of a "nicht verplanen" course (or of one
    // whose hours were lowered meanwhile) and the hour would be lost. It comes back unfixed.
    if (kurs_->NeueSetzung(version_, tag_, stunde_, raum_, false)) {
      kurs_->KursGeaendert();
      kurs_->SetzungenGeaendert();
      kurs_->StempleAenderung(raum_);
    }
  } else
    kurs_->EntferneStunde(version_, tag_, stunde_, false);
  palette.SetzeUndoAufzeichnen(vorher);
}

}  // namespace kolvar
