#include "print/vertrdruckinstallation.h"

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/schule.h"
#include "model/uhr.h"
#include "platform/druckauftraege.h"
#include "platform/ipalette.h"
#include "print/druckvertrform.h"
#include "print/druckvstdform.h"
#include "print/druckvuebform.h"
#include "substitution/ivertrfenster.h"

namespace kolvar {

void OeffneVertrDruck(IInstallation& inst, int32_t datum) {
  if (!inst.DateiOffen()) return;
  TDruckVertrForm form(
      inst.Schule(), [&inst](const QString& text) { inst.Palette().TextInZwischenablage(text); },
      inst.Hauptfenster());
  form.LadeEinstellungen(datum);
  form.Zeige();
}

void OeffneVertrUebDruck(IInstallation& inst, int32_t von, int32_t bis) {
  if (!inst.DateiOffen()) return;
  TDruckVUebForm form(inst.Schule(), inst.Hauptfenster());
  form.LadeEinstellungen(von, bis);
  form.Zeige();
}

void InstalliereVertretungsDruck(IInstallation& inst) {
  inst.Druckauftraege().Vertretungsplan = [&inst](int32_t datum) { OeffneVertrDruck(inst, datum); };
  inst.Druckauftraege().VertretungsUebersicht = [&inst](int32_t von, int32_t bis) {
    OeffneVertrUebDruck(inst, von, bis);
  };
  TMenueBaum& menues = inst.Menues();
  menues.SetzeBefehl(MenuePfad::DruckVertretungsplan, [&inst] {
    OeffneVertrDruck(inst, VertretungsplanStartDatum(inst.Schule(), inst.Schule().Zeit().Heute()));
  });
  menues.SetzeBefehl(MenuePfad::DruckVertretungsuebersicht, [&inst] {
    const int32_t heute = inst.Schule().Zeit().Heute();
    OeffneVertrUebDruck(inst, heute, heute);
  });
  menues.SetzeBefehl(MenuePfad::DruckVertretungsstunden, [&inst] {
    if (!inst.DateiOffen()) return;
    TDruckVStdForm form(inst.Schule(), inst.Hauptfenster());
    form.LadeEinstellungen();
    form.Zeige();
  });
}

}  // namespace kolvar
