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
#include "platform/ipalette.h"
#include "views/plnform.h"
#include "views/setzdialoge.h"

namespace kolvar {

namespace {

template <typename Form, typename Element>
TPlnForm* OeffnePlan(TSchule& schule, TPlanElement* element, int art, bool neu, IPalette* palette,
                     QWidget* eltern) {
  // The active plan of this kind, when it shows another element.
  auto* aktiv = dynamic_cast<Form*>(schule.AktivesFenster());
  if (aktiv != nullptr && (aktiv->Tag() != art || aktiv->Element() == element)) aktiv = nullptr;

  auto* fenster = dynamic_cast<Form*>(element->PlnForm());
  if (fenster == nullptr) {
    fenster = !neu && aktiv != nullptr ? aktiv : new Form(schule, palette, eltern);
    fenster->Zeige(static_cast<Element*>(element));
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

// The plan kinds: their window class, as the kind table names it, and how one is opened.
struct TPlanArt {
  int art;
  const char* form;
  TPlnForm* (*neu)(TSchule&, IPalette*, QWidget*);
  TPlnForm* (*oeffne)(TSchule&, TPlanElement*, int, bool, IPalette*, QWidget*);
};
constexpr TPlanArt kPlanArten[] = {
    {FensterArt::LePln, "TLePlnForm", &NeuesFenster<TPlnForm, TLePlnForm>, &OeffnePlan<TLePlnForm, TLehrer>},
    {FensterArt::KlPln, "TKlPlnForm", &NeuesFenster<TPlnForm, TKlPlnForm>, &OeffnePlan<TKlPlnForm, TKlasse>},
    {FensterArt::RaPln, "TRaPlnForm", &NeuesFenster<TPlnForm, TRaPlnForm>, &OeffnePlan<TRaPlnForm, TRaum>},
};

}  // namespace

TPlnForm* OeffnePlanFenster(TSchule& schule, TPlanElement* element, bool neu, IPalette* palette,
                            QWidget* eltern) {
  if (element == nullptr) return nullptr;
  const int art = FensterArtFuer(element->Art(), 2);
  for (const TPlanArt& a : kPlanArten)
    if (a.art == art) return a.oeffne(schule, element, art, neu, palette, eltern);
  return nullptr;
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

void InstallierePlanFenster(IInstallation& inst) {
  InstallierePlanDialoge(inst.Fragen());
  for (const TPlanArt& a : kPlanArten) {
    inst.FensterArten().Registriere(
        a.art, a.form,
        [&inst, neu = a.neu] { return neu(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
        [&inst](TElement* element, uint8_t tasten) {
          OeffnePlanFenster(inst.Schule(), dynamic_cast<TPlanElement*>(element), tasten != 0, &inst.Palette(),
                            inst.Hauptfenster());
        });
    // "Manuell" then takes every lesson of the plan.
    inst.FensterArten().SetzeBefehl<TPlnForm>(a.art, TFensterBefehl::AllesAuswaehlen,
                                              [](TPlnForm& plan) { plan.AlleZellenWaehlen(); });
    inst.FensterArten().SetzeBefehl<TPlnForm>(a.art, TFensterBefehl::Kopieren,
                                              [](TPlnForm& plan) { plan.Kopieren(); });
  }
}

}  // namespace kolvar
