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
#include "platform/fensteroeffnen.h"

namespace kolvar {

namespace {

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

TUVForm* OeffneUVFenster(const TFensterArtRegister& arten, TSchule& schule, TUVTab* tab, bool neu) {
  if (tab == nullptr) return nullptr;
  return OeffneElementFensterDerArt<TUVForm>(arten, schule, FensterArt::UV, *tab, tab->DepForm(), neu,
                                             [tab](TUVForm& f, bool) {
                                               f.Vorbereiten(tab);
                                               // One taken over is open: it comes to the front.
                                               f.Oeffne();
                                             });
}

TStatForm* OeffneStatistik(IInstallation& inst, int art) {
  return OeffneEinzelFenster<TStatForm>(inst.FensterArten(), inst.Schule(), art, [](TStatForm& f) {
    f.StatistikFuellen();
    f.Oeffne();
  });
}

TSVForm* OeffneSVFenster(IInstallation& inst) {
  return OeffneEinzelFenster<TSVForm>(inst.FensterArten(), inst.Schule(), FensterArt::SV, [](TSVForm& f) {
    f.Vorbereiten();
    f.Oeffne();
  });
}

void InstalliereUebersichten(IInstallation& inst) {
  TFensterArtRegister& arten = inst.FensterArten();
  arten.Registriere(
      FensterArt::UV, "TUVForm",
      [&inst] { return new TUVForm(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
      [&inst](TElement* element, uint8_t tasten) {
        OeffneUVFenster(inst.FensterArten(), inst.Schule(), dynamic_cast<TUVTab*>(element), tasten != 0);
      });
  arten.SetzeBefehl<TUVForm>(FensterArt::UV, TFensterBefehl::Kopieren,
                             [](TUVForm& f) { f.TabelleKopieren(); });
  arten.SetzeBefehl<TUVForm>(FensterArt::UV, TFensterBefehl::AllesAuswaehlen,
                             [](TUVForm& f) { f.WaehleAlles(); });
  arten.SetzeBefehl<TUVForm>(FensterArt::UV, TFensterBefehl::Drucken, [](TUVForm& f) { f.Drucke(); });
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
    arten.SetzeBefehl<TStatForm>(art, TFensterBefehl::Kopieren, [](TStatForm& f) { f.StatistikKopieren(); });
    arten.SetzeBefehl<TStatForm>(art, TFensterBefehl::AllesAuswaehlen, [](TStatForm& f) { f.WaehleAlles(); });
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
