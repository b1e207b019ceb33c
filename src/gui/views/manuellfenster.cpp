#include "views/manuellfenster.h"

#include <QAction>
#include <QToolButton>

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "engine/manuellplanung.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/ipalette.h"
#include "views/manuellform.h"

namespace kolvar {

namespace {

void UndoEintraegeBenennen(IInstallation& inst, bool protokoll) {
  TMenueBaum& menues = inst.Menues();
  menues.Aktion(MenuePfad::Widerrufen)
      ->setText(protokoll ? QStringLiteral("Widerrufen Protokoll") : QStringLiteral("Widerrufen"));
  menues.Aktion(MenuePfad::UndoLoeschen)
      ->setText(protokoll ? QStringLiteral("Löschen Protokoll") : QStringLiteral("Löschen"));
  menues.SetzeWiderrufenAktiv(false);
}

}  // namespace

TManuellForm* OeffneManuell(IInstallation& inst) {
  TSchule& schule = inst.Schule();
  if (auto* offen = dynamic_cast<TManuellForm*>(schule.ManuellFenster())) {
    offen->NachVorn();
    return offen;
  }
  IFenster* aktiv = schule.AktivesFenster();
  const std::vector<TKurs*> kurse =
      ManuellKurse(aktiv != nullptr ? aktiv->MarkierteKurse() : std::vector<TKurs*>{});
  if (kurse.empty()) return nullptr;
  auto* form = inst.FensterArten().Baue<TManuellForm>(FensterArt::Manuell);
  if (form == nullptr) return nullptr;
  QObject::connect(form, &TManuellForm::Geschlossen, inst.Hauptfenster(),
                   [&inst] { UndoEintraegeBenennen(inst, false); });
  form->MitKursliste(kurse, inst.Palette().Tasten() & Taste::Strg);
  form->Oeffne();
  UndoEintraegeBenennen(inst, true);
  return form;
}

void InstalliereManuellFenster(IInstallation& inst) {
  // Opened on the selection of the active window, never on its own.
  inst.FensterArten().Registriere(FensterArt::Manuell, "TManuellForm", [&inst] {
    return new TManuellForm(inst.Schule(), &inst.Palette(), inst.Hauptfenster());
  });
  QToolButton* knopf = inst.Knopf(QStringLiteral("Manuell"));
  inst.Menues().Verbinde(knopf, [&inst] { OeffneManuell(inst); });
  inst.Menues().SetzeBefehl(MenuePfad::WzManuell, [knopf] {
    if (knopf->isEnabled()) knopf->click();
  });
}

}  // namespace kolvar
