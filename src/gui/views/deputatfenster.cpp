#include "views/deputatfenster.h"

#include "app/frageform.h"
#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "engine/ablage.h"
#include "model/fach.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "platform/dialogdienst.h"
#include "platform/fensterartregister.h"
#include "platform/fensteroeffnen.h"
#include "views/depform.h"

namespace kolvar {

namespace {

template <typename Form, typename Element>
TDepForm* OeffneDep(const TFensterArtRegister& arten, TSchule& schule, TElement& element, int art, bool neu) {
  return OeffneElementFensterDerArt<Form>(arten, schule, art, element, element.DepForm(), neu,
                                          [&](Form& f, bool) {
                                            f.Zeige(static_cast<Element*>(&element));
                                            f.Oeffne();
                                            f.FensterEinpassen();
                                          });
}

// The workload kinds of an element: their window class, as the kind table names it, and how one
// is opened.
struct TDepArt {
  int art;
  const char* form;
  TDepForm* (*neu)(TSchule&, IPalette*, QWidget*);
  TDepForm* (*oeffne)(const TFensterArtRegister&, TSchule&, TElement&, int, bool);
};
constexpr TDepArt kDepArten[] = {
    {FensterArt::LeDep, "TLeDepForm", &NeuesFenster<TDepForm, TLeDepForm>, &OeffneDep<TLeDepForm, TLehrer>},
    {FensterArt::KlDep, "TKlDepForm", &NeuesFenster<TDepForm, TKlDepForm>, &OeffneDep<TKlDepForm, TKlasse>},
    {FensterArt::KoDep, "TKoDepForm", &NeuesFenster<TDepForm, TKoDepForm>, &OeffneDep<TKoDepForm, TKopplung>},
    {FensterArt::FaDep, "TFaDepForm", &NeuesFenster<TDepForm, TFaDepForm>, &OeffneDep<TFaDepForm, TFach>},
    {FensterArt::RaDep, "TRaDepForm", &NeuesFenster<TDepForm, TRaDepForm>, &OeffneDep<TRaDepForm, TRaum>},
};

}  // namespace

TDepForm* OeffneDepFenster(const TFensterArtRegister& arten, TSchule& schule, TElement* element, bool neu) {
  if (element == nullptr) return nullptr;
  const int art = FensterArtFuer(element->Art(), 1);
  for (const TDepArt& a : kDepArten)
    if (a.art == art) return a.oeffne(arten, schule, *element, art, neu);
  return nullptr;
}

TKursDepForm* OeffneKursDepFenster(const TFensterArtRegister& arten, TSchule& schule) {
  return OeffneEinzelFenster<TKursDepForm>(arten, schule, FensterArt::KursDep, [](TKursDepForm& f) {
    f.ZeigeAlle();
    f.Oeffne();
    f.FensterEinpassen();
  });
}

void InstalliereDeputatFenster(IInstallation& inst) {
  TFensterArtRegister& arten = inst.FensterArten();
  for (const TDepArt& a : kDepArten)
    arten.Registriere(
        a.art, a.form,
        [&inst, neu = a.neu] { return neu(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
        [&inst](TElement* element, uint8_t tasten) {
          OeffneDepFenster(inst.FensterArten(), inst.Schule(), element, tasten != 0);
        });
  const auto alleKurse = [&inst] { OeffneKursDepFenster(inst.FensterArten(), inst.Schule()); };
  arten.Registriere(
      FensterArt::KursDep, "TKursDepForm",
      [&inst] { return new TKursDepForm(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
      [alleKurse](TElement*, uint8_t) { alleKurse(); });
  inst.Menues().SetzeBefehl(MenuePfad::Kurse, alleKurse);
  // Every workload cuts its selected courses; only "alle Kurse" takes a pasted course list.
  const std::function<void(TDepForm&)> ausschneiden = [](TDepForm& dep) { dep.KurseKopieren(true); };
  const std::function<void(TDepForm&)> kopieren = [](TDepForm& dep) { dep.KurseKopieren(false); };
  const std::function<void(TDepForm&)> allesAuswaehlen = [](TDepForm& dep) { dep.WaehleAlles(); };
  for (const TDepArt& a : kDepArten) {
    arten.SetzeBefehl(a.art, TFensterBefehl::Ausschneiden, ausschneiden);
    arten.SetzeBefehl(a.art, TFensterBefehl::Kopieren, kopieren);
    arten.SetzeBefehl(a.art, TFensterBefehl::AllesAuswaehlen, allesAuswaehlen);
  }
  arten.SetzeBefehl(FensterArt::KursDep, TFensterBefehl::Ausschneiden, ausschneiden);
  arten.SetzeBefehl(FensterArt::KursDep, TFensterBefehl::Kopieren, kopieren);
  arten.SetzeBefehl(FensterArt::KursDep, TFensterBefehl::AllesAuswaehlen, allesAuswaehlen);
  arten.SetzeBefehl<TKursDepForm>(FensterArt::KursDep, TFensterBefehl::Einsetzen, [](TKursDepForm& kurse) {
    if (AblageIstKursliste(kurse.Schule().Palette().AblageText()))
      kurse.Einsetzen();
    else
      ZeigeEinfuegeFehler();
  });
}

}  // namespace kolvar
