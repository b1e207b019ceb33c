#include "views/automatik.h"

#include <QToolButton>

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "engine/automat.h"
#include "model/fensterart.h"
#include "model/ikursauswahl.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/ipalette.h"
#include "views/autabform.h"
#include "views/automatform.h"
#include "views/autostartform.h"

namespace kolvar {

void StarteAutomatik(IInstallation& inst) {
  if (!inst.DateiOffen()) return;
  TSchule& schule = inst.Schule();
  // A window with a search of its own (the parallel couplings) runs that instead.
  if (inst.FensterArten().FuehreAus(TFensterBefehl::Automat, schule.AktivesFenster())) return;
  const std::vector<TKurs*> auswahl = KurseDerAuswahl(schule.AktivesFenster());
  TAutoStartForm optionen(schule.Standard(), inst.Hauptfenster());
  if (optionen.Zeige() != mrOk) return;
  TAutomatForm lauf(
      schule, auswahl,
      [&inst](const std::vector<TKurs*>& kurse) {
        inst.FensterArten().Oeffne(FensterArt::KursDep, nullptr, 0);
        if (auto* liste = dynamic_cast<IKursListe*>(inst.Schule().EinzelFenster(FensterArt::KursDep)))
          liste->ZeigeKurse(kurse);
      },
      inst.Hauptfenster());
  lauf.Zeige();
}

void InstalliereAutomatik(IInstallation& inst) {
  inst.RegistriereDialog(
      QStringLiteral("Automatiktabelle"),
      [&inst] {
        TAuTabForm form(inst.Standard(), inst.Hauptfenster());
        return form.Zeige();
      },
      MenuePfad::VorAutomatik);
  inst.Menues().SetzeBefehl(MenuePfad::WzAutomatik, [&inst] { StarteAutomatik(inst); });
  inst.Menues().Verbinde(inst.Knopf(QStringLiteral("Automat")), [&inst] { StarteAutomatik(inst); });
}

}  // namespace kolvar
