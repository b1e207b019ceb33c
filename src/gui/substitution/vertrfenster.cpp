#include "substitution/vertrfenster.h"

#include <functional>
#include <utility>

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "app/textfeldbefehle.h"
#include "engine/ablage.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/druckauftraege.h"
#include "platform/fensterartregister.h"
#include "platform/fensteroeffnen.h"
#include "platform/ipalette.h"
#include "substitution/fehlzeiten.h"
#include "substitution/vertrdatform.h"
#include "substitution/vertretung.h"
#include "substitution/vertrform.h"
#include "substitution/vertrstandardform.h"
#include "substitution/vertrvorschlag.h"
#include "substitution/vlewahlform.h"
#include "substitution/vrawahlform.h"

namespace kolvar {

namespace {

// The choice window of the kind, bound to the record and brought to the front.
template <class Form>
Form* OeffneWahlFenster(IInstallation& inst, int art, TVertretung* v) {
  bool neu = false;
  auto* form = EinzelFensterDerArt<Form>(inst.FensterArten(), inst.Schule(), art, neu);
  if (form == nullptr) return nullptr;
  if (neu) form->Oeffne();
  form->SetzeVertretung(v);
  // In front and active at once: its pop-ups act only while it is.
  form->NachVorn();
  return form;
}

// A choice window kind: opened for a record, never on its own; its clipboard is the remark field
// that has the focus; it prints the substitution plan of its record's day.
template <class Form>
void RegistriereWahlFenster(IInstallation& inst, int art, const char* name,
                            std::function<QLineEdit*(Form&)> bemerkungsfeld) {
  TFensterArtRegister& arten = inst.FensterArten();
  arten.Registriere(art, name, [&inst] {
    auto* form = new Form(inst.Schule(), &inst.Palette(), inst.Hauptfenster());
    form->WahlZuruecksetzen = [&inst](TElementArt e) { inst.SetzeWahl(e, nullptr); };
    return form;
  });
  SetzeTextfeldBefehle<Form>(arten, art, inst.Palette(), std::move(bemerkungsfeld), &AblageIstBemerkung);
  arten.SetzeBefehl<Form>(art, TFensterBefehl::Drucken, [&inst](Form& wahl) {
    if (const TVertretung* v = wahl.Vertretung(); v != nullptr && inst.Druckauftraege().Vertretungsplan)
      inst.Druckauftraege().Vertretungsplan(v->Datum());
  });
}

void OeffneWahl(IInstallation& inst, TVertretung* v) {
  if (!v) return;
  if (v->Art() == VertrArt::Raum)
    OeffneVRaWahl(inst, v);
  else
    OeffneVLeWahl(inst, v);
}

// The day list with its links to the choice windows, the absence entry and the printout.
TVertrForm* NeuerVertretungsplan(IInstallation& inst) {
  auto* form = new TVertrForm(inst.Schule(), &inst.Palette(), inst.Hauptfenster());
  form->WahlOeffner = [&inst](TVertretung* v) { OeffneWahl(inst, v); };
  form->FehlEingabe = [&inst, form] {
    const TFehlAnfrage a = form->FehlAnfrage();
    const TElementArt art = a.Art == 0   ? TElementArt::Lehrer
                            : a.Art == 1 ? TElementArt::Klasse
                                         : TElementArt::Raum;
    ZeigeFehlForm(inst, art, a.Fehl, a.Datum);
  };
  form->Drucken = [&inst, form] {
    if (inst.Druckauftraege().Vertretungsplan) inst.Druckauftraege().Vertretungsplan(form->VertrDatum());
  };
  return form;
}

}  // namespace

TVertrForm* OeffneVertretungsplan(IInstallation& inst, int32_t datum) {
  TSchule& schule = inst.Schule();
  if (!IstVertretungsTag(schule, datum)) {
    TDienste::Dialoge().Hinweis(QStringLiteral("Vertretung unnötig"),
                                QStringLiteral("Vertretung nicht nötig für\n") + LangesTagesDatum(datum));
    return nullptr;
  }
  bool neu = false;
  auto* form = EinzelFensterDerArt<TVertrForm>(inst.FensterArten(), schule, FensterArt::Vertr, neu);
  if (form == nullptr) return nullptr;
  if (neu) form->Oeffne();
  form->SetzeVertrDatum(datum);
  // In front and active at once: its pop-ups act only while it is.
  form->NachVorn();
  return form;
}

TVLeWahlForm* OeffneVLeWahl(IInstallation& inst, TVertretung* v) {
  return OeffneWahlFenster<TVLeWahlForm>(inst, FensterArt::VLeWahl, v);
}

TVRaWahlForm* OeffneVRaWahl(IInstallation& inst, TVertretung* v) {
  return OeffneWahlFenster<TVRaWahlForm>(inst, FensterArt::VRaWahl, v);
}

void InstalliereVertretung(IInstallation& inst) {
  auto heute = [&inst] { return inst.Schule().Zeit().Heute(); };
  inst.Menues().SetzeBefehl(MenuePfad::VertretungHeute, [&inst, heute] {
    if (inst.DateiOffen()) OeffneVertretungsplan(inst, heute());
  });
  inst.Menues().SetzeBefehl(MenuePfad::VertretungMorgen, [&inst, heute] {
    if (inst.DateiOffen()) OeffneVertretungsplan(inst, heute() + 1);
  });
  inst.Menues().SetzeBefehl(MenuePfad::VertretungAndererTag, [&inst, heute] {
    if (!inst.DateiOffen()) return;
    TVertrDatForm form(inst.Standard(), heute(), inst.Hauptfenster());
    if (form.Zeige() != mrOk) return;
    OeffneVertretungsplan(inst, form.GetDatum());
  });
  inst.RegistriereDialog(
      QStringLiteral("Vertretung"),
      [&inst] {
        TVertrStandardForm form(inst.Standard(), inst.Hauptfenster());
        return form.Zeige();
      },
      MenuePfad::VorVertretung);
  TFensterArtRegister& arten = inst.FensterArten();
  // A saved day list comes back on today's date when that is a school day.
  arten.Registriere(
      FensterArt::Vertr, "TVertrForm", [&inst] { return NeuerVertretungsplan(inst); },
      [&inst, heute](TElement*, uint8_t) {
        if (IstVertretungsTag(inst.Schule(), heute())) OeffneVertretungsplan(inst, heute());
      });
  arten.SetzeBefehl<TVertrForm>(FensterArt::Vertr, TFensterBefehl::Drucken,
                                [](TVertrForm& f) { f.Drucke(); });
  RegistriereWahlFenster<TVLeWahlForm>(inst, FensterArt::VLeWahl, "TVLeWahlForm", [](TVLeWahlForm& wahl) {
    return FokusFeld(wahl, {wahl.InfoFeldL, wahl.InfoFeldS});
  });
  RegistriereWahlFenster<TVRaWahlForm>(inst, FensterArt::VRaWahl, "TVRaWahlForm", [](TVRaWahlForm& wahl) {
    return FokusFeld(wahl, {wahl.LBemFeld, wahl.SBemFeld});
  });
}

}  // namespace kolvar
