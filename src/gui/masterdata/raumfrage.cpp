#include "masterdata/raumfrage.h"

#include "app/frageform.h"

namespace kolvar {

TRaumAntwort FrageHeimraum(bool klasse, const QString& kuerzel, const QString& alt, const QString& neu,
                           QWidget* eltern) {
  const bool wechsel = !alt.isEmpty();
  QString caption;
  QString name;
  if (klasse) {
    caption = wechsel ? QStringLiteral("Klasssenraumwechsel") : QStringLiteral("Neuer Klassenraum");
    name = wechsel ? QStringLiteral("KlaRaExcForm") : QStringLiteral("KlaRaErwForm");
  } else {
    caption = wechsel ? QStringLiteral("Lehrerraumwechsel") : QStringLiteral("Neuer Lehrerraum");
    name = wechsel ? QStringLiteral("LeRaExcForm") : QStringLiteral("LeRaErwForm");
  }
  QStringList zeilen{QStringLiteral("Soll in allen Kursen"),
                     (klasse ? QStringLiteral("der Klasse ") : QStringLiteral("des Lehrers ")) + kuerzel};
  if (wechsel)
    zeilen << QStringLiteral("der Raum ") + alt << QStringLiteral("durch Raum ") + neu
           << QStringLiteral("ersetzt werden?");
  else
    zeilen << QStringLiteral("der Raum ") + neu << QStringLiteral("ergänzt werden?");
  TFrageForm form(caption, zeilen,
                  {{QStringLiteral("Ja"), mrJa, true, false},
                   {QStringLiteral("Nein"), mrNein, false, false},
                   {QStringLiteral("Abbrechen"), mrAbbrechen, false, true}},
                  false, eltern);
  form.setObjectName(name);
  switch (form.Zeige()) {
    case mrJa:
      return TRaumAntwort::Ja;
    case mrNein:
      return TRaumAntwort::Nein;
    default:
      return TRaumAntwort::Abbrechen;
  }
}

}  // namespace kolvar
