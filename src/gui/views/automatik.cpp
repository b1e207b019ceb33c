#include "views/automatik.h"

#include <QToolButton>

#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "engine/automat.h"
#include "model/fensterart.h"
#include "model/ikursauswahl.h"
#include "model/schule.h"
#include "views/autabform.h"
#include "views/automatform.h"
#include "views/autostartform.h"
#include "views/parform.h"

namespace kolvar {

void StarteAutomatik(TKolvarPalette& palette) {
  if (!palette.DateiOffen()) return;
  TSchule& schule = palette.Schule();
  // In the parallel-couplings window the button searches its table instead.
  if (auto* par = dynamic_cast<TParForm*>(schule.AktivesFenster())) {
    par->SucheLoesung();
    return;
  }
  const std::vector<TKurs*> auswahl = KurseDerAuswahl(schule.AktivesFenster());
  TAutoStartForm optionen(schule.Standard(), &palette);
  if (optionen.Zeige() != mrOk) return;
  TAutomatForm lauf(
      schule, auswahl,
      [&palette](const std::vector<TKurs*>& kurse) {
        palette.Oeffner().OeffneArt(FensterArt::KursDep);
        if (auto* liste = dynamic_cast<IKursListe*>(palette.Schule().EinzelFenster(FensterArt::KursDep)))
          liste->ZeigeKurse(kurse);
      },
      &palette);
  lauf.Zeige();
}

void InstalliereAutomatik(TKolvarPalette& palette) {
  palette.RegistriereDialog(
      QStringLiteral("Automatiktabelle"),
      [&palette] {
        TAuTabForm form(palette.Standard(), &palette);
        return form.Zeige();
      },
      MenuePfad::VorAutomatik);
  palette.Menues().SetzeBefehl(MenuePfad::WzAutomatik, [&palette] { StarteAutomatik(palette); });
  palette.Menues().Verbinde(palette.Knopf(QStringLiteral("Automat")),
                            [&palette] { StarteAutomatik(palette); });
}

}  // namespace kolvar
