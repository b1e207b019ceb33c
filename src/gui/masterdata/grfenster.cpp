#include "masterdata/grfenster.h"

#include "app/kolvarpalette.h"
#include "masterdata/fagrform.h"
#include "masterdata/klgrform.h"
#include "masterdata/kogrform.h"
#include "masterdata/legrform.h"
#include "masterdata/ragrform.h"
#include "masterdata/sperrung.h"
#include "masterdata/uvgrform.h"
#include "model/schule.h"

namespace kolvar {

namespace {

TGrForm* NeuesFenster(TSchule& schule, TElementArt art, IPalette* palette, QWidget* eltern) {
  switch (art) {
    case TElementArt::Lehrer:
      return new TLeGrForm(schule, palette, eltern);
    case TElementArt::Klasse:
      return new TKlGrForm(schule, palette, eltern);
    case TElementArt::Kopplung:
      return new TKoGrForm(schule, palette, eltern);
    case TElementArt::Fach:
      return new TFaGrForm(schule, palette, eltern);
    case TElementArt::Raum:
      return new TRaGrForm(schule, palette, eltern);
    case TElementArt::UVTab:
      return new TUVGrForm(schule, palette, eltern);
  }
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
      fenster = NeuesFenster(schule, element->Art(), palette, eltern);
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

void InstalliereGrunddaten(TKolvarPalette& palette) {
  palette.SetzeElementFensterOeffner(0, [&palette](TElement* element, uint8_t tasten) {
    TGrDienste dienste;
    dienste.MehrfachWahl = [&palette](const std::vector<TElement*>& elemente, const QString& caption) {
      return palette.ZeigeMenuForm(elemente, caption);
    };
    dienste.OeffneElement = [&palette](TElement* e, int gruppe, uint8_t t) {
      // The view button follows the group the window opens in.
      if (gruppe != palette.Schule().Ansichtsgruppe()) palette.AnsichtSetzen(gruppe);
      palette.Oeffner().OeffneElement(gruppe, e, t);
    };
    OeffneGrFenster(palette.Schule(), element, tasten != 0, &palette, dienste, &palette);
  });
}

}  // namespace kolvar
