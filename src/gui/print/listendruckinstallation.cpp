#include "print/listendruckinstallation.h"

#include <utility>

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
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

// The kind a window presets in the workload and rest-hour printouts.
constexpr std::pair<int, int> kDepVorgaben[] = {{FensterArt::LeDep, 0},
                                                {FensterArt::KlDep, 1},
                                                {FensterArt::KoDep, 2},
                                                {FensterArt::FaDep, 3},
                                                {FensterArt::RaDep, 4}};
constexpr std::pair<int, int> kRestVorgaben[] = {
    {FensterArt::LeStat, 0}, {FensterArt::KlStat, 1}, {FensterArt::FaStat, 2}};

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
  const int art = aufrufer != nullptr ? aufrufer->Tag() : 0;
  for (const auto& [fensterArt, vorgabe] : kDepVorgaben)
    if (fensterArt == art) {
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
  const auto deputat = [&inst](TKindFenster& fenster) { OeffneDeputatDruck(inst, &fenster); };
  for (const auto& [fensterArt, vorgabe] : kDepVorgaben)
    arten.SetzeBefehl(fensterArt, TFensterBefehl::Drucken, deputat);
  arten.SetzeBefehl(FensterArt::KursDep, TFensterBefehl::Drucken, deputat);
  arten.SetzeBefehl(FensterArt::SV, TFensterBefehl::Drucken, [&inst](TKindFenster&) { OeffneSVDruck(inst); });
  for (const auto& [fensterArt, vorgabe] : kRestVorgaben)
    arten.SetzeBefehl(fensterArt, TFensterBefehl::Drucken,
                      [&inst, vorgabe = vorgabe](TKindFenster&) { OeffneRestDruck(inst, vorgabe); });
}

}  // namespace kolvar
