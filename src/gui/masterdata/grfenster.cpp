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
#include "platform/fensteroeffnen.h"
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

}  // namespace

TGrForm* OeffneGrFenster(const TFensterArtRegister& arten, TSchule& schule, TElement* element, bool neu) {
  if (element == nullptr) return nullptr;
  const int art = FensterArtFuer(element->Art(), 0);
  if (art == 0) return nullptr;
  return OeffneElementFensterDerArt<TGrForm>(arten, schule, art, *element, element->GrForm(), neu,
                                             [element](TGrForm& f, bool) {
                                               f.Vorbereiten(element);
                                               f.Oeffne();
                                               // The lock grid has the focus first, so the arrow
                                               // keys step at once.
                                               if (f.Sperrung() != nullptr)
                                                 f.Sperrung()->Gitter()->setFocus();
                                             });
}

void InstalliereGrunddaten(IInstallation& inst) {
  for (const TGrArt& a : kGrArten) {
    inst.FensterArten().Registriere(
        a.art, a.form,
        [&inst, neu = a.neu] { return neu(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
        [&inst](TElement* element, uint8_t tasten) {
          OeffneGrFenster(inst.FensterArten(), inst.Schule(), element, tasten != 0);
        });
    // The clipboard of an editor is its name field.
    SetzeTextfeldBefehle<TGrForm>(
        inst.FensterArten(), a.art, inst.Palette(),
        [](TGrForm& form) { return FokusFeld(form, {form.InfoFeld}); }, &AblageIstName);
  }
}

}  // namespace kolvar
