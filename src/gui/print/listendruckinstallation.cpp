#include "print/listendruckinstallation.h"

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/element.h"
#include "model/fensterart.h"
#include "model/ifenster.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/ipalette.h"
#include "platform/kindfenster.h"
#include "print/druckdepform.h"
#include "print/druckkueform.h"
#include "print/druckrestform.h"
#include "print/drucksvform.h"

namespace kolvar {

namespace {

// The element kind a workload window presets in the workload printout (0 teachers .. 4 rooms,
// the numbering of the element kinds); -1 for all courses, which presets nothing.
int DepVorgabe(int tag) {
  TElementArt art;
  if (FamilieDerArt(tag) != TFamilie::Deputat || !ListeDerArt(tag, art)) return -1;
  return static_cast<int>(art);
}

void OeffneKuerzelDruck(IInstallation& inst) {
  if (!inst.DateiOffen()) return;
  TDruckKueForm form(inst.Schule(), inst.Hauptfenster());
  form.LadeEinstellungen();
  form.Zeige();
}

// art: the kind to preset, or -1 for the stored one.
void OeffneRestDruck(IInstallation& inst, int art) {
  if (!inst.DateiOffen()) return;
  TDruckRestForm form(inst.Schule(), PalettenPicker(inst), inst.Hauptfenster());
  form.LadeEinstellungen();
  if (art >= 0) form.SetzeArt(art);
  form.Zeige();
}

void OeffneSVDruck(IInstallation& inst) {
  if (!inst.DateiOffen()) return;
  TDruckSVForm form(inst.Schule(), PalettenPicker(inst), inst.Hauptfenster());
  form.LadeEinstellungen();
  form.Zeige();
}

}  // namespace

int RestDruckArt(int tag) {
  const TFensterArtInfo* info = FensterArtInfo(tag);
  if (info == nullptr || info->Familie != TFamilie::Statistik || !info->Liste) return -1;
  switch (*info->Liste) {
    case TElementArt::Lehrer:
      return 0;
    case TElementArt::Klasse:
      return 1;
    case TElementArt::Fach:
      return 2;
    default:
      return -1;
  }
}

TListenDruckDialog::TPicker PalettenPicker(IInstallation& inst) {
  return [&inst](TElementArt art, const QPoint& ort) -> TElement* {
    if (!inst.Palette().WaehleElement(art, false, ort)) return nullptr;
    TElement* e = inst.Palette().Wahl(art);
    inst.SetzeWahl(art, nullptr);
    return e;
  };
}

void OeffneDeputatDruck(IInstallation& inst, IFenster* aufrufer) {
  if (!inst.DateiOffen()) return;
  TDruckDepForm form(
      inst.Schule(),
      [&inst](const std::vector<TElement*>& liste, const QString& caption) {
        return inst.Palette().ZeigeMenuForm(liste, caption);
      },
      inst.Hauptfenster());
  form.LadeEinstellungen();
  if (const int vorgabe = aufrufer != nullptr ? DepVorgabe(aufrufer->Tag()) : -1; vorgabe >= 0) {
    form.SetzeArt(vorgabe);
    form.UebernimmElement(aufrufer->Element());
  }
  form.Zeige();
}

void InstalliereListenDruck(IInstallation& inst) {
  TMenueBaum& menues = inst.Menues();
  menues.SetzeBefehl(MenuePfad::DruckKuerzel, [&inst] { OeffneKuerzelDruck(inst); });
  menues.SetzeBefehl(MenuePfad::DruckDeputate,
                     [&inst] { OeffneDeputatDruck(inst, inst.Schule().AktivesFenster()); });
  menues.SetzeBefehl(MenuePfad::DruckReststunden, [&inst] { OeffneRestDruck(inst, -1); });
  menues.SetzeBefehl(MenuePfad::DruckStundenverteilung, [&inst] { OeffneSVDruck(inst); });

  // "Fenster drucken...": a workload window prints its sheet (all courses every course), the
  // hour distribution its printout, a statistics window the rest hours of its kind.
  TFensterArtRegister& arten = inst.FensterArten();
  for (int art : ArtenDerFamilie(TFamilie::Deputat))
    arten.SetzeBefehl(art, TFensterBefehl::Drucken,
                      [&inst](TKindFenster& fenster) { OeffneDeputatDruck(inst, &fenster); });
  arten.SetzeBefehl(FensterArt::SV, TFensterBefehl::Drucken, [&inst](TKindFenster&) { OeffneSVDruck(inst); });
  for (int art : ArtenDerFamilie(TFamilie::Statistik))
    if (const int vorgabe = RestDruckArt(art); vorgabe >= 0)
      arten.SetzeBefehl(art, TFensterBefehl::Drucken,
                        [&inst, vorgabe](TKindFenster&) { OeffneRestDruck(inst, vorgabe); });
}

}  // namespace kolvar
