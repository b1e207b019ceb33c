#include "masterdata/grfenster.h"

#include "app/iinstallation.h"
#include "app/textfeldbefehle.h"
#include "engine/ablage.h"
#include "masterdata/fagrform.h"
#include "masterdata/klgrform.h"
#include "masterdata/kogrform.h"
#include "masterdata/legrform.h"
#include "masterdata/ragrform.h"
#include "masterdata/sperrung.h"
#include "masterdata/uvgrform.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/ipalette.h"

namespace kolvar {

namespace {

// The editor kinds: their window class, as the kind table names it, and how one is built.
struct TGrArt {
  int art;
  const char* form;
  TGrForm* (*neu)(TSchule&, IPalette*, QWidget*);
};
constexpr TGrArt kGrArten[] = {
    {FensterArt::LeGr, "TLeGrForm", &NeuesFenster<TGrForm, TLeGrForm>},
    {FensterArt::KlGr, "TKlGrForm", &NeuesFenster<TGrForm, TKlGrForm>},
    {FensterArt::KoGr, "TKoGrForm", &NeuesFenster<TGrForm, TKoGrForm>},
    {FensterArt::FaGr, "TFaGrForm", &NeuesFenster<TGrForm, TFaGrForm>},
    {FensterArt::RaGr, "TRaGrForm", &NeuesFenster<TGrForm, TRaGrForm>},
    {FensterArt::UVGr, "TUVGrForm", &NeuesFenster<TGrForm, TUVGrForm>},
};

TGrForm* NeuesFenster(TSchule& schule, int art, IPalette* palette, QWidget* eltern) {
  for (const TGrArt& a : kGrArten)
    if (a.art == art) return a.neu(schule, palette, eltern);
  return nullptr;
}

}  // namespace

TGrForm* OeffneGrFenster(TSchule& schule, TElement* element, bool neu, IPalette* palette,
                         const TGrDienste& dienste, QWidget* eltern) {
  if (element == nullptr) return nullptr;
  const int art = FensterArtFuer(element->Art(), 0);
  if (art == 0) return nullptr;
  TGrForm* aktiv = dynamic_cast<TGrForm*>(schule.AktivesFenster());
  if (aktiv != nullptr && (aktiv->Tag() != art || aktiv->Element() == element)) aktiv = nullptr;

  TGrForm* fenster = dynamic_cast<TGrForm*>(element->GrForm());
  if (fenster == nullptr) {
    if (!neu && aktiv != nullptr) {
      fenster = aktiv;
    } else {
      fenster = NeuesFenster(schule, art, palette, eltern);
      if (fenster == nullptr) return nullptr;
      fenster->SetzeDienste(dienste);
    }
    fenster->Vorbereiten(element);
    fenster->Oeffne();
    fenster->activateWindow();
    // The lock grid has the focus first, so the arrow keys step at once.
    if (fenster->Sperrung() != nullptr) fenster->Sperrung()->Gitter()->setFocus();
  } else {
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    if (!neu && aktiv != nullptr && aktiv != fenster) aktiv->Schliesse();
  }
  return fenster;
}

void InstalliereGrunddaten(IInstallation& inst) {
  for (const TGrArt& a : kGrArten) {
    inst.FensterArten().Registriere(
        a.art, a.form,
        [&inst, neu = a.neu] { return neu(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
        [&inst](TElement* element, uint8_t tasten) {
          IPalette& palette = inst.Palette();
          TGrDienste dienste;
          dienste.MehrfachWahl = [&palette](const std::vector<TElement*>& elemente, const QString& caption) {
            return palette.ZeigeMenuForm(elemente, caption);
          };
          dienste.OeffneElement = [&palette](TElement* e, int gruppe, uint8_t t) {
            palette.OeffneElementFenster(e, gruppe, t);
          };
          OeffneGrFenster(inst.Schule(), element, tasten != 0, &palette, dienste, inst.Hauptfenster());
        });
    // The clipboard of an editor is its name field.
    SetzeTextfeldBefehle<TGrForm>(
        inst.FensterArten(), a.art, inst.Palette(),
        [](TGrForm& form) { return FokusFeld(form, {form.InfoFeld}); }, &AblageIstName);
  }
}

}  // namespace kolvar
