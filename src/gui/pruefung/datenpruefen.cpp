#include "pruefung/datenpruefen.h"

#include <QApplication>

#include "app/iinstallation.h"
#include "app/meldungsform.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "engine/pruefung.h"
#include "model/schule.h"
#include "platform/beschaeftigt.h"
#include "platform/druckauftraege.h"
#include "platform/fensterartregister.h"
#include "platform/fensteroeffnen.h"
#include "platform/ipalette.h"
#include "pruefung/fehlerform.h"
#include "pruefung/keinfehlerform.h"

namespace kolvar {

void DatenPruefen(TSchule& schule, const TFensterArtRegister& arten, int pruefung, QWidget* eltern) {
  TPruefErgebnis ergebnis;
  {
    TSanduhr sanduhr;
    TMeldungsForm meldung(eltern);
    meldung.SetzeMeldung(QStringLiteral("Die Daten werden geprüft."));
    meldung.ZeigeSofort();
    TPruefung pruefer(schule);
    switch (pruefung) {
      case 0:
        ergebnis = pruefer.PruefeKonsistenz();
        break;
      case 1:
        ergebnis = pruefer.PruefeBruecken();
        break;
      case 2:
        ergebnis = pruefer.PruefeFehlendeRaeume();
        break;
      case 3:
        ergebnis = pruefer.PruefeFehlendeStunden();
        break;
      case 4:
        ergebnis = pruefer.PruefeVersionen();
        break;
      case 5:
        ergebnis = pruefer.PruefeKopplungen();
        break;
      default:
        ergebnis = pruefer.PruefeEinzelstunden();
        break;
    }
    if (!ergebnis.Zeilen.empty()) {
      // An open list takes the new lines where it stands.
      bool neu = false;
      auto* fehler = EinzelFensterDerArt<TFehlerForm>(arten, schule, FensterArt::Fehler, neu);
      if (fehler != nullptr && neu) fehler->Oeffne();
      if (fehler != nullptr)
        for (const std::string& zeile : ergebnis.Zeilen) fehler->ZeileAnfuegen(QString::fromStdString(zeile));
    }
  }
  for (int i = 0; i < ergebnis.Reparaturen; ++i) QApplication::beep();
  if (ergebnis.Reparaturen > 0) schule.AktualisiereAlleFenster();
  TKeinFehlerForm dialog(eltern);
  dialog.SetzeErgebnis(ergebnis.Stufe);
  dialog.Zeige();
}

void InstallierePruefung(IInstallation& inst) {
  inst.FensterArten().Registriere(FensterArt::Fehler, "TFehlerForm", [&inst] {
    return new TFehlerForm(inst.Schule(), &inst.Palette().FensterListe());
  });
  inst.FensterArten().SetzeBefehl<TFehlerForm>(FensterArt::Fehler, TFensterBefehl::Drucken,
                                               [&inst](TFehlerForm& fehler) {
                                                 if (inst.Druckauftraege().Fehlerliste)
                                                   inst.Druckauftraege().Fehlerliste(fehler.Zeilen());
                                               });
  for (std::size_t i = 0; i < MenuePfad::Pruefungen.size(); ++i) {
    const int pruefung = static_cast<int>(i);
    inst.Menues().SetzeBefehl(MenuePfad::Pruefungen[i], [&inst, pruefung] {
      DatenPruefen(inst.Schule(), inst.FensterArten(), pruefung, inst.Hauptfenster());
    });
  }
}

}  // namespace kolvar
