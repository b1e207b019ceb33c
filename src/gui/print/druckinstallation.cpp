#include "print/druckinstallation.h"

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "druck/plandruck.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/ipalette.h"
#include "platform/kindfenster.h"
#include "print/anwendungsdrucker.h"
#include "print/druckplnform.h"
#include "print/druckuebform.h"

namespace kolvar {

namespace {

TDruckDialog::TWaehler Waehler(IInstallation& inst) {
  return [&inst](const std::vector<TElement*>& liste, const QString& caption) {
    return inst.Palette().ZeigeMenuForm(liste, caption);
  };
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
  const std::array<std::pair<int, TPlanDruckArt>, 3> planFenster{{{FensterArt::LePln, TPlanDruckArt::Lehrer},
                                                                  {FensterArt::KlPln, TPlanDruckArt::Klasse},
                                                                  {FensterArt::RaPln, TPlanDruckArt::Raum}}};
  for (const auto& [fensterArt, druck] : planFenster)
    inst.FensterArten().SetzeBefehl(
        fensterArt, TFensterBefehl::Drucken,
        [&inst, druck = druck](TKindFenster& fenster) { OeffnePlanDruck(inst, druck, fenster.Element()); });
  // The editors and the statistics without a printout of their own print what they show.
  namespace A = FensterArt;
  for (int art :
       {A::LeGr, A::KlGr, A::KoGr, A::FaGr, A::RaGr, A::UVGr, A::Kurs, A::KoStat, A::RaStat, A::UVStat})
    inst.FensterArten().SetzeBefehl(art, TFensterBefehl::Drucken, [](TKindFenster& fenster) {
      // The print dialog opens over the window it prints.
      TAnwendungsDrucker::DruckeBild(fenster.grab().toImage(), &fenster);
    });
}

}  // namespace kolvar
