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
    ElementSlot(this);
    if (liste_ != nullptr) liste_->FensterAnmelden(*this);
  }
  show();
  raise();
}

void TKindFenster::ElementSlot(IFenster* wert) {
  if (element_ == nullptr) return;
  const int tag = Tag();
  auto setze = [&](IFenster* jetzt, auto setzer) {
    // Only the slot that holds this window is cleared.
    if (wert != nullptr || jetzt == this) setzer(wert);
  };
  if (tag >= FensterArt::LeGr && tag <= FensterArt::UVGr) {
    setze(element_->GrForm(), [&](IFenster* f) { element_->SetzeGrForm(f); });
  } else if ((tag >= FensterArt::LeDep && tag <= FensterArt::RaDep) || tag == FensterArt::UV) {
    setze(element_->DepForm(), [&](IFenster* f) { element_->SetzeDepForm(f); });
  } else if (tag >= FensterArt::LePln && tag <= FensterArt::RaPln) {
    if (auto* pe = dynamic_cast<TPlanElement*>(element_))
      setze(pe->PlnForm(), [&](IFenster* f) { pe->SetzePlnForm(f); });
  }
}

void TKindFenster::Abmelden() {
  if (!angemeldet_) return;
  angemeldet_ = false;
  ElementSlot(nullptr);
  // Also clears the active window and the single-window slot that held this one.
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
