#include "views/deputatfenster.h"

#include <QApplication>

#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "engine/ablage.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "platform/dialogdienst.h"
#include "views/depform.h"

namespace kolvar {

namespace {

TDepForm* NeuesFenster(TSchule& schule, TElementArt art, IPalette* palette, QWidget* eltern) {
  switch (art) {
    case TElementArt::Lehrer:
      return new TLeDepForm(schule, palette, eltern);
    case TElementArt::Klasse:
      return new TKlDepForm(schule, palette, eltern);
    case TElementArt::Kopplung:
      return new TKoDepForm(schule, palette, eltern);
    case TElementArt::Fach:
      return new TFaDepForm(schule, palette, eltern);
    case TElementArt::Raum:
      return new TRaDepForm(schule, palette, eltern);
    default:
      return nullptr;
  }
}

void ZeigeIn(TDepForm& fenster, TElement* element) {
  if (auto* f = dynamic_cast<TLeDepForm*>(&fenster))
    f->Zeige(static_cast<TLehrer*>(element));
  else if (auto* f = dynamic_cast<TKlDepForm*>(&fenster))
    f->Zeige(static_cast<TKlasse*>(element));
  else if (auto* f = dynamic_cast<TKoDepForm*>(&fenster))
    f->Zeige(static_cast<TKopplung*>(element));
  else if (auto* f = dynamic_cast<TFaDepForm*>(&fenster))
    f->Zeige(static_cast<TFach*>(element));
  else if (auto* f = dynamic_cast<TRaDepForm*>(&fenster))
    f->Zeige(static_cast<TRaum*>(element));
}

}  // namespace

TDepForm* OeffneDepFenster(TSchule& schule, TElement* element, bool neu, IPalette* palette, QWidget* eltern) {
  if (element == nullptr) return nullptr;
  const int art = FensterArtFuer(element->Art(), 1);
  if (art < FensterArt::LeDep || art > FensterArt::RaDep) return nullptr;
  // The active workload of this kind, when it shows another element.
  TDepForm* aktiv = dynamic_cast<TDepForm*>(schule.AktivesFenster());
  if (aktiv != nullptr && (aktiv->Tag() != art || aktiv->Element() == element)) aktiv = nullptr;

  TDepForm* fenster = dynamic_cast<TDepForm*>(element->DepForm());
  if (fenster == nullptr) {
    if (!neu && aktiv != nullptr) {
      fenster = aktiv;
    } else {
      fenster = NeuesFenster(schule, element->Art(), palette, eltern);
      if (fenster == nullptr) return nullptr;
    }
    ZeigeIn(*fenster, element);
    fenster->Oeffne();
    fenster->FensterEinpassen();
    fenster->activateWindow();
  } else {
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    if (!neu && aktiv != nullptr && aktiv != fenster) aktiv->Schliesse();
  }
  return fenster;
}

TKursDepForm* OeffneKursDepFenster(TSchule& schule, IPalette* palette, QWidget* eltern) {
  if (auto* offen = dynamic_cast<TKursDepForm*>(schule.EinzelFenster(FensterArt::KursDep))) {
    offen->show();
    offen->raise();
    offen->activateWindow();
    return offen;
  }
  auto* fenster = new TKursDepForm(schule, palette, eltern);
  fenster->ZeigeAlle();
  fenster->Oeffne();
  fenster->FensterEinpassen();
  fenster->activateWindow();
  return fenster;
}

void AusschneidenAktiv(TSchule& schule) {
  IFenster* aktiv = schule.AktivesFenster();
  if (auto* dep = dynamic_cast<TDepForm*>(aktiv)) {
    dep->KurseKopieren(true);
    return;
  }
  QApplication::beep();
}

void EinsetzenAktiv(TSchule& schule) {
  if (auto* kurse = dynamic_cast<TKursDepForm*>(schule.AktivesFenster())) {
    if (AblageIstKursliste(schule.Palette().AblageText()))
      kurse->Einsetzen();
    else
      ZeigeEinfuegeFehler();
    return;
  }
  ZeigeEinfuegeFehler();
}

void InstalliereDeputatFenster(TKolvarPalette& palette) {
  palette.SetzeElementFensterOeffner(1, [&palette](TElement* element, uint8_t tasten) {
    OeffneDepFenster(palette.Schule(), element, tasten != 0, &palette, &palette);
  });
  palette.SetzeFensterArtOeffner(FensterArt::KursDep,
                                 [&palette] { OeffneKursDepFenster(palette.Schule(), &palette, &palette); });
  TMenueBaum& menues = palette.Menues();
  menues.SetzeBefehl(MenuePfad::Kurse,
                     [&palette] { OeffneKursDepFenster(palette.Schule(), &palette, &palette); });
  menues.SetzeBefehl(MenuePfad::Ausschneiden, [&palette] { AusschneidenAktiv(palette.Schule()); });
  menues.SetzeBefehl(MenuePfad::Einsetzen, [&palette] { EinsetzenAktiv(palette.Schule()); });
}

}  // namespace kolvar
