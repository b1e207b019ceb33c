#include "views/manuellfenster.h"

#include <QAction>
#include <QToolButton>

#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "engine/manuellplanung.h"
#include "model/schule.h"
#include "views/manuellform.h"

namespace kolvar {

namespace {

void UndoEintraegeBenennen(TKolvarPalette& palette, bool protokoll) {
  TMenueBaum& menues = palette.Menues();
  menues.Aktion(MenuePfad::Widerrufen)
      ->setText(protokoll ? QStringLiteral("Widerrufen Protokoll") : QStringLiteral("Widerrufen"));
  menues.Aktion(MenuePfad::UndoLoeschen)
      ->setText(protokoll ? QStringLiteral("Löschen Protokoll") : QStringLiteral("Löschen"));
  menues.SetzeWiderrufenAktiv(false);
}

}  // namespace

TManuellForm* OeffneManuell(TKolvarPalette& palette) {
  TSchule& schule = palette.Schule();
  if (auto* offen = dynamic_cast<TManuellForm*>(schule.ManuellFenster())) {
    offen->show();
    offen->raise();
    offen->activateWindow();
    return offen;
  }
  IFenster* aktiv = schule.AktivesFenster();
  const std::vector<TKurs*> kurse =
      ManuellKurse(aktiv != nullptr ? aktiv->MarkierteKurse() : std::vector<TKurs*>{});
  if (kurse.empty()) return nullptr;
  auto* form = new TManuellForm(schule, &palette, &palette);
  QObject::connect(form, &TManuellForm::Geschlossen, &palette,
                   [&palette] { UndoEintraegeBenennen(palette, false); });
  form->MitKursliste(kurse, palette.Tasten() & Taste::Strg);
  form->Oeffne();
  form->activateWindow();
  UndoEintraegeBenennen(palette, true);
  return form;
}

void InstalliereManuellFenster(TKolvarPalette& palette) {
  QToolButton* knopf = palette.Knopf(QStringLiteral("Manuell"));
  palette.Menues().Verbinde(knopf, [&palette] { OeffneManuell(palette); });
  palette.Menues().SetzeBefehl(MenuePfad::WzManuell, [knopf] {
    if (knopf->isEnabled()) knopf->click();
  });
}

}  // namespace kolvar
