#include "platform/kindfenster.h"

#include <QKeyEvent>

#include "model/element.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "model/text.h"
#include "platform/dienste.h"
#include "platform/fensterliste.h"
#include "platform/ipalette.h"
#include "platform/popupdienst.h"

namespace kolvar {

TKindFenster::TKindFenster(int tag, TSchule& schule, IPalette* palette, TElement* element, QWidget* eltern)
    : TKindFenster(tag, schule, palette != nullptr ? &palette->FensterListe() : nullptr, element, eltern) {
  palette_ = palette;
}

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

void TKindFenster::SetzeElementCaption(const QString& vorsatz, int laenge) {
  captionVorsatz_ = vorsatz;
  captionLaenge_ = laenge;
  captionKuerzel_.reset();
  CaptionNachfuehren();
}

void TKindFenster::CaptionNachfuehren() {
  const TElement* e = Element();
  if (captionVorsatz_.isEmpty() || e == nullptr) return;
  // Nearly every change leaves the abbreviation as it was: the caption is built again only when
  // it may read otherwise.
  if (captionKuerzel_ == e->Kuerzel() && Caption() == captionText_) return;
  std::string text = captionVorsatz_.toStdString() + e->Kuerzel();
  if (captionLaenge_ > 0) text = KuerzeText(text, captionLaenge_);
  const QString caption = QString::fromStdString(text);
  if (caption != Caption()) SetzeCaption(caption);
  captionKuerzel_ = e->Kuerzel();
  captionText_ = caption;
}

void TKindFenster::Aenderungen(const TAenderungen& a) {
  CaptionNachfuehren();
  IFenster::Aenderungen(a);
}

void TKindFenster::Oeffne() {
  if (!angemeldet_) {
    angemeldet_ = true;
    schule_->MeldeFensterAn(this);
    if (liste_ != nullptr) liste_->FensterAnmelden(*this);
  }
  NachVorn();
}

void TKindFenster::NachVorn() {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
  Aktiviere();
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

namespace {
std::vector<TPopupEintrag> PopupEintraege(const std::vector<TMenueEintrag>& eintraege) {
  std::vector<TPopupEintrag> popup;
  popup.reserve(eintraege.size());
  for (std::size_t i = 0; i < eintraege.size(); ++i) {
    TPopupEintrag e;
    e.text = QString::fromStdString(eintraege[i].Text);
    e.haken = eintraege[i].Haken;
    e.aktiv = eintraege[i].Aktiv;
    e.id = static_cast<int>(i);
    e.unter = PopupEintraege(eintraege[i].Unter);
    popup.push_back(std::move(e));
  }
  return popup;
}
}  // namespace

bool TKindFenster::ZeigeKernMenue(const std::vector<TMenueEintrag>& eintraege, QPoint global,
                                  int spaltenHoehe, bool beschaeftigt) {
  if (eintraege.empty()) return false;
  if (beschaeftigt) schule_->Palette().SetzeBeschaeftigt(true);
  const TPopupWahl wahl = TDienste::Popups().Zeige(PopupEintraege(eintraege), global, spaltenHoehe);
  if (beschaeftigt) schule_->Palette().SetzeBeschaeftigt(false);
  // The window may have closed while its pop-up was open (a shortcut, the school closed): its
  // entries act on what it showed.
  if (!IstAngemeldet()) return false;
  if (wahl.index < 0 || wahl.index >= static_cast<int>(eintraege.size())) return false;
  const TMenueEintrag* eintrag = &eintraege[static_cast<std::size_t>(wahl.index)];
  if (!eintrag->Unter.empty()) {
    if (wahl.unter < 0 || wahl.unter >= static_cast<int>(eintrag->Unter.size())) return false;
    eintrag = &eintrag->Unter[static_cast<std::size_t>(wahl.unter)];
  }
  if (!eintrag->Aktiv || !eintrag->Aktion) return false;
  // A copy: the action may rebuild this window and with it whatever filled the entries.
  const std::function<void()> aktion = eintrag->Aktion;
  TSchule::TAktion schritt(*schule_);
  aktion();
  return true;
}

bool TKindFenster::TasteLinksRechts(QKeyEvent* ereignis) {
  if (ereignis->key() != Qt::Key_Left && ereignis->key() != Qt::Key_Right) return false;
  if (palette_ == nullptr) return false;
  if (ereignis->key() == Qt::Key_Left)
    palette_->ClickLinks();
  else
    palette_->ClickRechts();
  return true;
}

}  // namespace kolvar
