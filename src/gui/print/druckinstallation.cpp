#include "print/druckinstallation.h"

#include <optional>
#include <span>
#include <vector>

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "druck/plandruck.h"
#include "model/element.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/ipalette.h"
#include "platform/kindfenster.h"
#include "print/anwendungsdrucker.h"
#include "print/druckplnform.h"
#include "print/druckuebform.h"
#include "print/listendruckinstallation.h"

namespace kolvar {

namespace {

TDruckDialog::TWaehler Waehler(IInstallation& inst) {
  return [&inst](const std::vector<TElement*>& liste, const QString& caption) {
    return inst.Palette().ZeigeMenuForm(liste, caption);
  };
}

// The plan printout of a plan window's element kind.
std::optional<TPlanDruckArt> PlanDruckArtDerArt(int tag) {
  TElementArt art;
  if (!ListeDerArt(tag, art)) return std::nullopt;
  switch (art) {
    case TElementArt::Lehrer:
      return TPlanDruckArt::Lehrer;
    case TElementArt::Klasse:
      return TPlanDruckArt::Klasse;
    case TElementArt::Raum:
      return TPlanDruckArt::Raum;
    default:
      return std::nullopt;
  }
}

void OeffneUebersichtDruck(IInstallation& inst, TUebersichtArt art) {
  if (!inst.DateiOffen()) return;
  TDruckUebForm form(inst.Schule(), art, Waehler(inst), inst.Hauptfenster());
  form.LadeEinstellungen();
  form.Zeige();
}

}  // namespace

void OeffnePlanDruck(IInstallation& inst, TPlanDruckArt art, TElement* element) {
  if (!inst.DateiOffen()) return;
  TDruckPlnForm form(inst.Schule(), art, Waehler(inst), inst.Hauptfenster());
  form.LadeEinstellungen();
  form.UebernimmElement(element);
  form.Zeige();
}

void InstalliereDruck(IInstallation& inst) {
  TMenueBaum& menues = inst.Menues();
  const std::array<std::pair<const QString*, TPlanDruckArt>, 4> plaene{
      {{&MenuePfad::DruckLehrerplaene, TPlanDruckArt::Lehrer},
       {&MenuePfad::DruckKlassenplaene, TPlanDruckArt::Klasse},
       {&MenuePfad::DruckRaumplaene, TPlanDruckArt::Raum},
       {&MenuePfad::DruckKopplungsplaene, TPlanDruckArt::Kopplung}}};
  for (const auto& [pfad, art] : plaene)
    menues.SetzeBefehl(*pfad, [&inst, art = art] { OeffnePlanDruck(inst, art, nullptr); });
  const std::array<std::pair<const QString*, TUebersichtArt>, 4> uebersichten{
      {{&MenuePfad::DruckUebLehrer, TUebersichtArt::Lehrer},
       {&MenuePfad::DruckUebKlassen, TUebersichtArt::Klasse},
       {&MenuePfad::DruckUebRaeume, TUebersichtArt::Raum},
       {&MenuePfad::DruckUebKombination, TUebersichtArt::Kombination}}};
  for (const auto& [pfad, art] : uebersichten)
    menues.SetzeBefehl(*pfad, [&inst, art = art] { OeffneUebersichtDruck(inst, art); });
  menues.SetzeBefehl(MenuePfad::Papierformat, [&inst] {
    TAnwendungsDrucker::Ablauf().Papierformat(TAnwendungsDrucker::Drucker(), inst.Hauptfenster());
  });
  // A plan window prints through its kind's plan printout with its element in the first row.
  TFensterArtRegister& arten = inst.FensterArten();
  for (int art : ArtenDerFamilie(TFamilie::Plan))
    if (const std::optional<TPlanDruckArt> druck = PlanDruckArtDerArt(art))
      arten.SetzeBefehl(art, TFensterBefehl::Drucken, [&inst, druck = *druck](TKindFenster& fenster) {
        OeffnePlanDruck(inst, druck, fenster.Element());
      });
  // The editors and the statistics without a printout of their own print what they show.
  const std::span<const int> editoren = ArtenDerFamilie(TFamilie::Grunddaten);
  std::vector<int> bilder(editoren.begin(), editoren.end());
  bilder.push_back(FensterArt::Kurs);
  for (int art : ArtenDerFamilie(TFamilie::Statistik))
    if (RestDruckArt(art) < 0) bilder.push_back(art);
  for (int art : bilder)
    arten.SetzeBefehl(art, TFensterBefehl::Drucken, [](TKindFenster& fenster) {
      // The print dialog opens over the window it prints.
      TAnwendungsDrucker::DruckeBild(fenster.grab().toImage(), &fenster);
    });
}

}  // namespace kolvar
