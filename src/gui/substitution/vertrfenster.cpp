#include "substitution/vertrfenster.h"

#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/fensterliste.h"
#include "print/vertrdruckinstallation.h"
#include "substitution/fehlzeiten.h"
#include "substitution/vertrdatform.h"
#include "substitution/vertretung.h"
#include "substitution/vertrstandardform.h"
#include "substitution/vertrvorschlag.h"
#include "substitution/vlewahlform.h"
#include "substitution/vrawahlform.h"

namespace kolvar {

namespace {

template <class F>
F* Zeige(TKolvarPalette& palette, F* form) {
  form->show();
  form->raise();
  form->activateWindow();
  // In front is active, also before (or without) the window system's word: its pop-ups act
  // only while it is.
  if (form->IstAngemeldet()) {
    palette.Schule().SetzeAktivesFenster(form);
    palette.FensterListe().FensterAktiviert(*form);
  }
  return form;
}

void OeffneWahl(TKolvarPalette& palette, TVertretung* v) {
  if (!v) return;
  if (v->Art() == VertrArt::Raum)
    OeffneVRaWahl(palette, v);
  else
    OeffneVLeWahl(palette, v);
}

}  // namespace

TVertrForm* OeffneVertretungsplan(TKolvarPalette& palette, int32_t datum) {
  TSchule& schule = palette.Schule();
  if (!IstVertretungsTag(schule, datum)) {
    TDienste::Dialoge().Hinweis(QStringLiteral("Vertretung unnötig"),
                                QStringLiteral("Vertretung nicht nötig für\n") + LangesTagesDatum(datum));
    return nullptr;
  }
  auto* form = dynamic_cast<TVertrForm*>(schule.EinzelFenster(FensterArt::Vertr));
  if (form == nullptr) {
    form = new TVertrForm(schule, &palette, &palette);
    form->WahlOeffner = [&palette](TVertretung* v) { OeffneWahl(palette, v); };
    form->FehlEingabe = [&palette, form] {
      const TFehlAnfrage a = form->FehlAnfrage();
      const TElementArt art = a.Art == 0   ? TElementArt::Lehrer
                              : a.Art == 1 ? TElementArt::Klasse
                                           : TElementArt::Raum;
      ZeigeFehlForm(palette, art, a.Fehl, a.Datum);
    };
    form->Drucken = [&palette, form] { OeffneVertrDruck(palette, form->VertrDatum()); };
    form->Oeffne();
  }
  form->SetzeVertrDatum(datum);
  return Zeige(palette, form);
}

TVLeWahlForm* OeffneVLeWahl(TKolvarPalette& palette, TVertretung* v) {
  TSchule& schule = palette.Schule();
  auto* form = dynamic_cast<TVLeWahlForm*>(schule.EinzelFenster(FensterArt::VLeWahl));
  if (form == nullptr) {
    form = new TVLeWahlForm(schule, &palette, &palette);
    form->WahlZuruecksetzen = [&palette](TElementArt art) { palette.SetzeWahl(art, nullptr); };
    form->Oeffne();
  }
  form->SetzeVertretung(v);
  return Zeige(palette, form);
}

TVRaWahlForm* OeffneVRaWahl(TKolvarPalette& palette, TVertretung* v) {
  TSchule& schule = palette.Schule();
  auto* form = dynamic_cast<TVRaWahlForm*>(schule.EinzelFenster(FensterArt::VRaWahl));
  if (form == nullptr) {
    form = new TVRaWahlForm(schule, &palette, &palette);
    form->WahlZuruecksetzen = [&palette](TElementArt art) { palette.SetzeWahl(art, nullptr); };
    form->Oeffne();
  }
  form->SetzeVertretung(v);
  return Zeige(palette, form);
}

void InstalliereVertretung(TKolvarPalette& palette) {
  auto heute = [&palette] { return palette.Schule().Zeit().Heute(); };
  palette.Menues().SetzeBefehl(MenuePfad::VertretungHeute, [&palette, heute] {
    if (palette.DateiOffen()) OeffneVertretungsplan(palette, heute());
  });
  palette.Menues().SetzeBefehl(MenuePfad::VertretungMorgen, [&palette, heute] {
    if (palette.DateiOffen()) OeffneVertretungsplan(palette, heute() + 1);
  });
  palette.Menues().SetzeBefehl(MenuePfad::VertretungAndererTag, [&palette, heute] {
    if (!palette.DateiOffen()) return;
    TVertrDatForm form(palette.Standard(), heute(), &palette);
    if (form.Zeige() != mrOk) return;
    OeffneVertretungsplan(palette, form.GetDatum());
  });
  palette.RegistriereDialog(
      QStringLiteral("Vertretung"),
      [&palette] {
        TVertrStandardForm form(palette.Standard(), &palette);
        return form.Zeige();
      },
      MenuePfad::VorVertretung);
  // A saved day list comes back on today's date when that is a school day.
  palette.SetzeFensterArtOeffner(FensterArt::Vertr, [&palette, heute] {
    if (IstVertretungsTag(palette.Schule(), heute())) OeffneVertretungsplan(palette, heute());
  });
}

}  // namespace kolvar
