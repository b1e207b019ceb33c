#include "print/tabellendruckinstallation.h"

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "platform/druckauftraege.h"
#include "platform/fensterartregister.h"
#include "print/druckfehlform.h"
#include "print/druckfuebform.h"
#include "print/druckkonfform.h"
#include "print/druckparform.h"
#include "print/druckuvform.h"
#include "print/listendruckinstallation.h"

namespace kolvar {

namespace {

template <typename Form, typename... Args>
void Oeffne(IInstallation& inst, Args&&... args) {
  if (!inst.DateiOffen()) return;
  Form form(inst.Schule(), std::forward<Args>(args)..., inst.Hauptfenster());
  form.LadeEinstellungen();
  form.Zeige();
}

}  // namespace

void InstalliereTabellenDruck(IInstallation& inst) {
  TMenueBaum& menues = inst.Menues();
  menues.SetzeBefehl(MenuePfad::DruckFachkonferenzen, [&inst] { Oeffne<TDruckFaKonfForm>(inst); });
  menues.SetzeBefehl(MenuePfad::DruckKlassenkonferenzen, [&inst] { Oeffne<TDruckKlKonfForm>(inst); });
  menues.SetzeBefehl(MenuePfad::DruckUebFaecher,
                     [&inst] { Oeffne<TDruckFUebForm>(inst, PalettenPicker(inst)); });
  TDruckAuftraege& auftraege = inst.Druckauftraege();
  auftraege.DruckeUVFenster = [&inst](const TUVTab& tabelle, const TUVLayout& layout, bool mitKopplung) {
    Oeffne<TDruckUVForm>(inst, tabelle, layout, mitKopplung);
  };
  auftraege.DruckeParTabelle = [&inst](const TParTabelle& tabelle) { Oeffne<TDruckParForm>(inst, tabelle); };
  auftraege.Fehlerliste = [&inst](const QStringList& zeilen) { Oeffne<TDruckFehlForm>(inst, zeilen); };
}

}  // namespace kolvar
