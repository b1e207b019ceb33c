#include "views/planfenster.h"

#include "app/kolvarpalette.h"
#include "model/element.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/dialogdienst.h"
#include "platform/ipalette.h"
#include "views/plnform.h"
#include "views/setzdialoge.h"

namespace kolvar {

namespace {

TPlnForm* NeuesFenster(TSchule& schule, TElementArt art, IPalette* palette, QWidget* eltern) {
  switch (art) {
    case TElementArt::Lehrer:
      return new TLePlnForm(schule, palette, eltern);
    case TElementArt::Klasse:
      return new TKlPlnForm(schule, palette, eltern);
    case TElementArt::Raum:
      return new TRaPlnForm(schule, palette, eltern);
    default:
      return nullptr;
  }
}

}  // namespace

TPlnForm* OeffnePlanFenster(TSchule& schule, TPlanElement* element, bool neu, IPalette* palette,
                            QWidget* eltern) {
  if (element == nullptr) return nullptr;
  const int art = FensterArtFuer(element->Art(), 2);
  if (art == 0) return nullptr;
  // The active plan of this kind, when it shows another element.
  TPlnForm* aktiv = dynamic_cast<TPlnForm*>(schule.AktivesFenster());
  if (aktiv != nullptr && (aktiv->Tag() != art || aktiv->Element() == element)) aktiv = nullptr;

  TPlnForm* fenster = dynamic_cast<TPlnForm*>(element->PlnForm());
  if (fenster == nullptr) {
    if (!neu && aktiv != nullptr) {
      fenster = aktiv;
    } else {
      fenster = NeuesFenster(schule, element->Art(), palette, eltern);
      if (fenster == nullptr) return nullptr;
    }
    if (auto* le = dynamic_cast<TLePlnForm*>(fenster))
      le->Zeige(static_cast<TLehrer*>(element));
    else if (auto* kl = dynamic_cast<TKlPlnForm*>(fenster))
      kl->Zeige(static_cast<TKlasse*>(element));
    else if (auto* ra = dynamic_cast<TRaPlnForm*>(fenster))
      ra->Zeige(static_cast<TRaum*>(element));
    fenster->Oeffne();
    fenster->activateWindow();
  } else {
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    if (!neu && aktiv != nullptr && aktiv != fenster) aktiv->Schliesse();
  }
  return fenster;
}

void OeffneElementFenster(TKurs& kurs, int tag, int stunde, IPalette* palette, QWidget* eltern) {
  TSchule& schule = kurs.Schule();
  if (schule.Ansichtsgruppe() != 2) return;
  const TSetzung* s = kurs.FindeSetzung(schule.Standard().AktuelleVersion(), tag, stunde);
  const bool neu = palette == nullptr || palette->Tasten() != 0;
  if (s != nullptr && s->Raum() != nullptr) OeffnePlanFenster(schule, s->Raum(), neu, palette, eltern);
  if (TKlasse* k = kurs.Klassen().Hole(1)) OeffnePlanFenster(schule, k, neu, palette, eltern);
  if (kurs.Lehrer() != nullptr) OeffnePlanFenster(schule, kurs.Lehrer(), neu, palette, eltern);
}

void InstallierePlanDialoge(TGuiDialoge& dialoge) {
  for (TDialog art : {TDialog::Setzungsverbot, TDialog::Verdraengen, TDialog::KursLoeschen,
                      TDialog::Raumtausch, TDialog::KursImRaumplan})
    dialoge.Registriere(art, [art](const std::vector<std::string>& texte) {
      int ergebnis = mrAbbrechen;
      ZeigePlanungsDialog(art, texte, ergebnis);
      return ergebnis;
    });
}

void InstallierePlanFenster(TKolvarPalette& palette) {
  InstallierePlanDialoge(palette.Fragen());
  palette.SetzeElementFensterOeffner(2, [&palette](TElement* element, uint8_t tasten) {
    OeffnePlanFenster(palette.Schule(), dynamic_cast<TPlanElement*>(element), tasten != 0, &palette,
                      &palette);
  });
}

}  // namespace kolvar
