#include "platform/kindfenster.h"

#include "model/element.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "platform/fensterliste.h"

namespace kolvar {

TKindFenster::TKindFenster(int tag, TSchule& schule, IFensterListe* liste, TElement* element, QWidget* eltern)
    : TKvForm(tag, eltern), schule_(&schule), liste_(liste), element_(element) {
  setAttribute(Qt::WA_DeleteOnClose, false);  // the close action decides
}

TKindFenster::~TKindFenster() {
  // A window freed without closing (its owner went first) must not stay listed.
  Abmelden();
}

void TKindFenster::SetzeCaption(const QString& caption) {
  TKvForm::SetzeCaption(caption);
  if (angemeldet_ && liste_ != nullptr) liste_->FensterUmbenannt(*this);
}

void TKindFenster::Oeffne() {
  if (!angemeldet_) {
    angemeldet_ = true;
    schule_->MeldeFensterAn(this);
    if (liste_ != nullptr) liste_->FensterAnmelden(*this);
  }
  show();
  raise();
}

void TKindFenster::Abmelden() {
  if (!angemeldet_) return;
  angemeldet_ = false;
  // Also clears the active window and the slot that held this one.
  schule_->MeldeFensterAb(this);
  if (liste_ != nullptr) liste_->FensterAbmelden(*this);
}

void TKindFenster::Aktiviere() {
  if (!angemeldet_) return;
  schule_->SetzeAktivesFenster(this);
  if (liste_ != nullptr) liste_->FensterAktiviert(*this);
}

void TKindFenster::FormCloseQuery(bool& erlaubt) {
  if (schule_->Palette().Beschaeftigt()) erlaubt = false;
}

void TKindFenster::FormClose(TCloseAction& aktion) {
  Abmelden();
  aktion = TCloseAction::caFree;
}

}  // namespace kolvar
