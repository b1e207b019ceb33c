#include "app/seitenwahl.h"

#include "platform/dienste.h"
#include "platform/einstellungsdialog.h"

namespace kolvar {

TSeitenWahl::TSeitenWahl()
    : gesetzt_(TDienste::GesetzteDialoge()),
      vorher_(gesetzt_ != nullptr ? *gesetzt_ : TQtDialogDienst::Standard()) {
  TDienste::SetzeDialoge(this);
}

TSeitenWahl::~TSeitenWahl() {
  TDienste::SetzeDialoge(gesetzt_);
}

int TSeitenWahl::ZeigeDialog(TKvDialog& dialog) {
  ++tiefe_;
  const int ergebnis = vorher_.ZeigeDialog(dialog);
  --tiefe_;
  // Only the page itself counts, not a dialog it opens in turn.
  if (tiefe_ == 0)
    if (const auto* seite = qobject_cast<const TEinstellungsDialog*>(&dialog); seite != nullptr)
      seite_ = seite->GewaehlteSeite();
  return ergebnis;
}

int TSeitenWahl::Frage(const QString& titel, const QString& text, unsigned knoepfe, TMeldungsArt art,
                       TKnopf standard) {
  return vorher_.Frage(titel, text, knoepfe, art, standard);
}

}  // namespace kolvar
