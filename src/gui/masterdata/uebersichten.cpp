#include "masterdata/uebersichten.h"

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "masterdata/statform.h"
#include "masterdata/svform.h"
#include "masterdata/uvform.h"
#include "model/schule.h"
#include "model/uvtab.h"
#include "platform/fensterartregister.h"

namespace kolvar {

namespace {

void NachVorn(QWidget* fenster) {
  fenster->show();
  fenster->raise();
  fenster->activateWindow();
}

// The statistics kinds: their window class, as the kind table names it, how one is built and
// the menu entry that opens it.
struct TStatArt {
  int art;
  const char* form;
  TStatForm* (*neu)(TSchule&, IPalette*, QWidget*);
  const QString* pfad;
};
const TStatArt kStatArten[] = {
    {FensterArt::LeStat, "TLeStatForm", &NeuesFenster<TStatForm, TLeStatForm>, &MenuePfad::StatLehrer},
    {FensterArt::KlStat, "TKlStatForm", &NeuesFenster<TStatForm, TKlStatForm>, &MenuePfad::StatKlassen},
    {FensterArt::FaStat, "TFaStatForm", &NeuesFenster<TStatForm, TFaStatForm>, &MenuePfad::StatFaecher},
    {FensterArt::KoStat, "TKoStatForm", &NeuesFenster<TStatForm, TKoStatForm>, &MenuePfad::StatKopplungen},
    {FensterArt::RaStat, "TRaStatForm", &NeuesFenster<TStatForm, TRaStatForm>, &MenuePfad::StatRaeume},
    {FensterArt::UVStat, "TUVStatForm", &NeuesFenster<TStatForm, TUVStatForm>, &MenuePfad::StatUVTabellen},
};

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

TStatForm* OeffneStatistik(IInstallation& inst, int art) {
  TSchule& schule = inst.Schule();
  if (auto* offen = dynamic_cast<TStatForm*>(schule.EinzelFenster(art))) {
    NachVorn(offen);
    return offen;
  }
  auto* fenster = inst.FensterArten().Baue<TStatForm>(art);
  if (fenster == nullptr) return nullptr;
  fenster->StatistikFuellen();
  fenster->Oeffne();
  NachVorn(fenster);
  return fenster;
}

TSVForm* OeffneSVFenster(IInstallation& inst) {
  TSchule& schule = inst.Schule();
  if (auto* offen = dynamic_cast<TSVForm*>(schule.EinzelFenster(FensterArt::SV))) {
    NachVorn(offen);
    return offen;
  }
  auto* fenster = inst.FensterArten().Baue<TSVForm>(FensterArt::SV);
  if (fenster == nullptr) return nullptr;
  fenster->Vorbereiten();
  fenster->Oeffne();
  NachVorn(fenster);
  return fenster;
}

void InstalliereUebersichten(IInstallation& inst) {
  TFensterArtRegister& arten = inst.FensterArten();
  arten.Registriere(
      FensterArt::UV, "TUVForm",
      [&inst] { return new TUVForm(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
      [&inst](TElement* element, uint8_t tasten) {
        OeffneUVFenster(inst.Schule(), dynamic_cast<TUVTab*>(element), tasten != 0, &inst.Palette(),
                        inst.Hauptfenster());
      });
  arten.SetzeBefehl<TUVForm>(FensterArt::UV, TFensterBefehl::Kopieren, [](TUVForm& f) { f.Kopieren(); });
  arten.SetzeBefehl<TUVForm>(FensterArt::UV, TFensterBefehl::AllesAuswaehlen,
                             [](TUVForm& f) { f.AllesAuswaehlen(); });
  arten.SetzeBefehl<TUVForm>(FensterArt::UV, TFensterBefehl::Drucken, [](TUVForm& f) { f.FensterDrucken(); });
  TMenueBaum& menues = inst.Menues();
  for (const TStatArt& a : kStatArten) {
    const int art = a.art;
    menues.SetzeBefehl(*a.pfad, [&inst, art] {
      if (inst.DateiOffen()) OeffneStatistik(inst, art);
    });
    arten.Registriere(
        art, a.form,
        [&inst, neu = a.neu] { return neu(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
        [&inst, art](TElement*, uint8_t) { OeffneStatistik(inst, art); });
    arten.SetzeBefehl<TStatForm>(art, TFensterBefehl::Kopieren, [](TStatForm& f) { f.Kopieren(); });
    arten.SetzeBefehl<TStatForm>(art, TFensterBefehl::AllesAuswaehlen,
                                 [](TStatForm& f) { f.AllesAuswaehlen(); });
  }
  menues.SetzeBefehl(MenuePfad::Stundenverteilung, [&inst] {
    if (inst.DateiOffen()) OeffneSVFenster(inst);
  });
  arten.Registriere(
      FensterArt::SV, "TSVForm",
      [&inst] { return new TSVForm(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
      [&inst](TElement*, uint8_t) { OeffneSVFenster(inst); });
}

}  // namespace kolvar
