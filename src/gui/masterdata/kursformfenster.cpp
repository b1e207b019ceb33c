#include "masterdata/kursformfenster.h"

#include <functional>

#include "app/frageform.h"
#include "app/guidialoge.h"
#include "app/iinstallation.h"
#include "app/textfeldbefehle.h"
#include "engine/ablage.h"
#include "masterdata/kursform.h"
#include "masterdata/sperrung.h"
#include "model/fensterart.h"
#include "model/idialoge.h"
#include "model/schule.h"
#include "platform/dialogdienst.h"
#include "platform/fensterartregister.h"
#include "platform/fensteroeffnen.h"
#include "platform/ipalette.h"

namespace kolvar {

TKursForm* OeffneKursForm(const TFensterArtRegister& arten, TSchule& schule, TKurs& kurs,
                          const std::vector<TKurs*>& liste) {
  bool neu = false;
  auto* fenster = EinzelFensterDerArt<TKursForm>(arten, schule, FensterArt::Kurs, neu);
  if (fenster == nullptr) return nullptr;
  fenster->Vorbereiten(&kurs, liste);
  fenster->Oeffne();
  fenster->Sperrung->Gitter()->setFocus();
  return fenster;
}

void InstalliereKursForm(IInstallation& inst) {
  // Opened on a course with the list it steps through, never on its own.
  inst.FensterArten().Registriere(FensterArt::Kurs, "TKursForm", [&inst] {
    return new TKursForm(inst.Schule(), &inst.Palette(), inst.Hauptfenster());
  });
  SetzeTextfeldBefehle<TKursForm>(
      inst.FensterArten(), FensterArt::Kurs, inst.Palette(),
      [](TKursForm& form) { return FokusFeld(form, {form.InfoFeld}); }, &AblageIstName);
  inst.SetzeKursFensterOeffner([&inst](TKurs& kurs, const std::vector<TKurs*>& liste) {
    OeffneKursForm(inst.FensterArten(), inst.Schule(), kurs, liste);
  });
  // "Kurs ist verplant": "Nein" is the default and the cancel button.
  inst.Fragen().Registriere(TDialog::KursVerplant, [](const std::vector<std::string>& texte) {
    const QString kurs = texte.size() > 1 ? QString::fromStdString(texte[1]) : QString();
    TFrageForm frage(
        QStringLiteral("Kurs ist verplant"),
        {QStringLiteral("Der Kurs"), kurs, QStringLiteral("ist schon verplant und kann"),
         QStringLiteral("deshalb nicht verändert werden."), QStringLiteral("Sollen die verplanten Stunden "),
         QStringLiteral("in den Plänen gelöscht werden?")},
        {{QStringLiteral("Ja"), mrJa, false, false}, {QStringLiteral("Nein"), mrNein, true, true}});
    return frage.Zeige();
  });
  // "Lehrer doppelt in Kopplung": the teacher and the coupling.
  inst.Fragen().Registriere(TDialog::LehrerDoppelt, [](const std::vector<std::string>& texte) {
    auto teil = [&texte](std::size_t i) {
      return i < texte.size() ? QString::fromStdString(texte[i]) : QString();
    };
    TFrageForm meldung(QStringLiteral("Lehrer doppelt in Kopplung"),
                       {QStringLiteral("Lehrer"), teil(0), QStringLiteral("ist mehrfach in"),
                        QStringLiteral("Kopplung"), teil(1)},
                       {{QStringLiteral("Ok"), mrOk, true, true}});
    return meldung.Zeige();
  });
}

}  // namespace kolvar
