#include "views/planfenster.h"

#include "app/guidialoge.h"
#include "app/iinstallation.h"
#include "model/element.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/dialogdienst.h"
#include "platform/fensterartregister.h"
#include "platform/fensteroeffnen.h"
#include "platform/ipalette.h"
#include "views/plnform.h"
#include "views/setzdialoge.h"

namespace kolvar {

namespace {

template <typename Form, typename Element>
TPlnForm* OeffnePlan(const TFensterArtRegister& arten, TSchule& schule, TPlanElement& element, int art,
                     bool neu) {
  return OeffneElementFensterDerArt<Form>(arten, schule, art, element, element.PlnForm(), neu,
                                          [&](Form& f, bool) {
                                            f.Zeige(static_cast<Element*>(&element));
                                            f.Oeffne();
                                          });
}

// The plan kinds: their window class, as the kind table names it, and how one is opened.
struct TPlanArt {
  int art;
  const char* form;
  TPlnForm* (*neu)(TSchule&, IPalette*, QWidget*);
  TPlnForm* (*oeffne)(const TFensterArtRegister&, TSchule&, TPlanElement&, int, bool);
};
constexpr TPlanArt kPlanArten[] = {
    {FensterArt::LePln, "TLePlnForm", &NeuesFenster<TPlnForm, TLePlnForm>, &OeffnePlan<TLePlnForm, TLehrer>},
    {FensterArt::KlPln, "TKlPlnForm", &NeuesFenster<TPlnForm, TKlPlnForm>, &OeffnePlan<TKlPlnForm, TKlasse>},
    {FensterArt::RaPln, "TRaPlnForm", &NeuesFenster<TPlnForm, TRaPlnForm>, &OeffnePlan<TRaPlnForm, TRaum>},
};

}  // namespace

TPlnForm* OeffnePlanFenster(const TFensterArtRegister& arten, TSchule& schule, TPlanElement* element,
                            bool neu) {
  if (element == nullptr) return nullptr;
  const int art = FensterArtFuer(element->Art(), 2);
  for (const TPlanArt& a : kPlanArten)
    if (a.art == art) return a.oeffne(arten, schule, *element, art, neu);
  return nullptr;
}

void OeffneElementFenster(TKurs& kurs, int tag, int stunde, IPalette& palette) {
  TSchule& schule = kurs.Schule();
  if (schule.Ansichtsgruppe() != 2) return;
  const auto oeffne = [&palette](TPlanElement* e) { palette.OeffneElementFenster(e, 2, palette.Tasten()); };
  const TSetzung* s = kurs.FindeSetzung(schule.Standard().AktuelleVersion(), tag, stunde);
  if (s != nullptr && s->Raum() != nullptr) oeffne(s->Raum());
  if (TKlasse* k = kurs.Klassen().Hole(1)) oeffne(k);
  if (kurs.Lehrer() != nullptr) oeffne(kurs.Lehrer());
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

void InstallierePlanFenster(IInstallation& inst) {
  InstallierePlanDialoge(inst.Fragen());
  for (const TPlanArt& a : kPlanArten) {
    inst.FensterArten().Registriere(
        a.art, a.form,
        [&inst, neu = a.neu] { return neu(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
        [&inst](TElement* element, uint8_t tasten) {
          OeffnePlanFenster(inst.FensterArten(), inst.Schule(), dynamic_cast<TPlanElement*>(element),
                            tasten != 0);
        });
    // "Manuell" then takes every lesson of the plan.
    inst.FensterArten().SetzeBefehl<TPlnForm>(a.art, TFensterBefehl::AllesAuswaehlen,
                                              [](TPlnForm& plan) { plan.AlleZellenWaehlen(); });
    inst.FensterArten().SetzeBefehl<TPlnForm>(a.art, TFensterBefehl::Kopieren,
                                              [](TPlnForm& plan) { plan.PlanKopieren(); });
  }
}

}  // namespace kolvar
