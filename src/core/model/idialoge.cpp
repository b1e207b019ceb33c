#include "model/idialoge.h"

namespace kolvar {

std::string DialogText(TDialog art) {
  switch (art) {
    case TDialog::VersionenLoeschen:
      return "In den zu löschenden Planversionen sind Stunden verplant. Trotzdem löschen?";
    case TDialog::FachEntfernen:
      return "Erst müssen die zugehörigen Kurse gelöscht werden!";
    case TDialog::LehrerDoppelt:
      return "Lehrer doppelt in Kopplung";
    case TDialog::KursVerplant:
      return "Kurs ist verplant";
    case TDialog::KursImRaumplan:
      return "Kurs im Raumplan";
    case TDialog::VersionZuAlt:
      return "Die Version der Daten ist zu alt!";
    case TDialog::VersionZuNeu:
      return "Die Version der Daten ist zu neu!";
    case TDialog::LehrerFehlt:
      return "Lehrer fehlt";
    case TDialog::RaumBesetzt:
      return "Raum ist besetzt";
  }
  return {};
}

}  // namespace kolvar
