#include "masterdata/kursformfenster.h"

#include "app/frageform.h"
#include "app/guidialoge.h"
#include "app/kolvarpalette.h"
#include "masterdata/kursform.h"
#include "masterdata/sperrung.h"
#include "model/fensterart.h"
#include "model/idialoge.h"
#include "model/schule.h"
#include "platform/dialogdienst.h"

namespace kolvar {

TKursForm* OeffneKursForm(TSchule& schule, TKurs& kurs, const std::vector<TKurs*>& liste, IPalette* palette,
                          QWidget* eltern) {
  auto* fenster = dynamic_cast<TKursForm*>(schule.EinzelFenster(FensterArt::Kurs));
  if (fenster == nullptr) {
    fenster = new TKursForm(schule, palette, eltern);
    fenster->Vorbereiten(&kurs, liste);
    fenster->Oeffne();
  } else {
    fenster->Vorbereiten(&kurs, liste);
    fenster->show();
    fenster->raise();
  }
  fenster->activateWindow();
  fenster->Sperrung->Gitter()->setFocus();
  return fenster;
}

void InstalliereKursForm(TKolvarPalette& palette) {
  palette.SetzeKursFensterOeffner([&palette](TKurs& kurs, const std::vector<TKurs*>& liste) {
    OeffneKursForm(palette.Schule(), kurs, liste, &palette, &palette);
  });
  // "Kurs ist verplant": "Nein" is the default and the cancel button.
  palette.Fragen().Registriere(TDialog::KursVerplant, [](const std::vector<std::string>& texte) {
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
  palette.Fragen().Registriere(TDialog::LehrerDoppelt, [](const std::vector<std::string>& texte) {
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
