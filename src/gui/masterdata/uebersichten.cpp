#include "masterdata/uebersichten.h"

#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "masterdata/statform.h"
#include "masterdata/svform.h"
#include "masterdata/uvform.h"
#include "model/schule.h"
#include "model/uvtab.h"

namespace kolvar {

namespace {

void NachVorn(QWidget* fenster) {
  fenster->show();
  fenster->raise();
  fenster->activateWindow();
}

TStatForm* NeueStatistik(TKolvarPalette& palette, int art) {
  TSchule& schule = palette.Schule();
  switch (art) {
    case FensterArt::LeStat:
      return new TLeStatForm(schule, &palette, &palette);
    case FensterArt::KlStat:
      return new TKlStatForm(schule, &palette, &palette);
    case FensterArt::FaStat:
      return new TFaStatForm(schule, &palette, &palette);
    case FensterArt::KoStat:
      return new TKoStatForm(schule, &palette, &palette);
    case FensterArt::RaStat:
      return new TRaStatForm(schule, &palette, &palette);
    case FensterArt::UVStat:
      return new TUVStatForm(schule, &palette, &palette);
    default:
      return nullptr;
  }
}

}  // namespace

TUVForm* OeffneUVFenster(TSchule& schule, TUVTab* tab, bool neu, IPalette* palette, QWidget* eltern) {
  if (tab == nullptr) return nullptr;
  // The active table window, when it shows another table.
  auto* aktiv = dynamic_cast<TUVForm*>(schule.AktivesFenster());
  if (aktiv != nullptr && aktiv->Tabelle() == tab) aktiv = nullptr;
  auto* fenster = dynamic_cast<TUVForm*>(tab->DepForm());
  if (fenster == nullptr) {
    const bool uebernehmen = !neu && aktiv != nullptr;
    fenster = uebernehmen ? aktiv : new TUVForm(schule, palette, eltern);
    fenster->Vorbereiten(tab);
    if (!uebernehmen) fenster->Oeffne();
    NachVorn(fenster);
  } else {
    NachVorn(fenster);
    if (!neu && aktiv != nullptr && aktiv != fenster) aktiv->Schliesse();
  }
  return fenster;
}

TStatForm* OeffneStatistik(TKolvarPalette& palette, int art) {
  TSchule& schule = palette.Schule();
  if (auto* offen = dynamic_cast<TStatForm*>(schule.EinzelFenster(art))) {
    NachVorn(offen);
    return offen;
  }
  TStatForm* fenster = NeueStatistik(palette, art);
  if (fenster == nullptr) return nullptr;
  fenster->StatistikFuellen();
  fenster->Oeffne();
  NachVorn(fenster);
  return fenster;
}

TSVForm* OeffneSVFenster(TKolvarPalette& palette) {
  TSchule& schule = palette.Schule();
  if (auto* offen = dynamic_cast<TSVForm*>(schule.EinzelFenster(FensterArt::SV))) {
    NachVorn(offen);
    return offen;
  }
  auto* fenster = new TSVForm(schule, &palette, &palette);
  fenster->Vorbereiten();
  fenster->Oeffne();
  NachVorn(fenster);
  return fenster;
}

void InstalliereUebersichten(TKolvarPalette& palette) {
  // Tables open their table window; every other element what opened it before.
  TFensterOeffner::TElementOeffner bisher = palette.Oeffner().ElementOeffner(1);
  palette.SetzeElementFensterOeffner(1, [&palette, bisher](TElement* element, uint8_t tasten) {
    if (element != nullptr && element->Art() == TElementArt::UVTab) {
      OeffneUVFenster(palette.Schule(), static_cast<TUVTab*>(element), tasten != 0, &palette, &palette);
      return;
    }
    if (bisher) bisher(element, tasten);
  });
  TMenueBaum& menues = palette.Menues();
  const std::pair<const QString*, int> statistiken[] = {
      {&MenuePfad::StatLehrer, FensterArt::LeStat},  {&MenuePfad::StatKlassen, FensterArt::KlStat},
      {&MenuePfad::StatFaecher, FensterArt::FaStat}, {&MenuePfad::StatKopplungen, FensterArt::KoStat},
      {&MenuePfad::StatRaeume, FensterArt::RaStat},  {&MenuePfad::StatUVTabellen, FensterArt::UVStat}};
  for (auto [pfad, art] : statistiken) {
    menues.SetzeBefehl(*pfad, [&palette, art] {
      if (palette.DateiOffen()) OeffneStatistik(palette, art);
    });
    palette.SetzeFensterArtOeffner(art, [&palette, art] { OeffneStatistik(palette, art); });
  }
  menues.SetzeBefehl(MenuePfad::Stundenverteilung, [&palette] {
    if (palette.DateiOffen()) OeffneSVFenster(palette);
  });
  palette.SetzeFensterArtOeffner(FensterArt::SV, [&palette] { OeffneSVFenster(palette); });
}

}  // namespace kolvar
