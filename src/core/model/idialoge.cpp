#include "model/idialoge.h"

namespace kolvar {

std::string DialogText(TDialog art) {
  switch (art) {
    case TDialog::Setzungsverbot:
      return "Setzungsverbot";
    case TDialog::Verdraengen:
      return "Verdrängen";
    case TDialog::KursLoeschen:
      return "gekoppelten Kurs löschen";
    case TDialog::Raumtausch:
      return "Raumtausch";
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
    case TDialog::UnbekannteKuerzel:
      return "Die Importdatei enthält unbekannte Kürzel. Wollen sie trotzdem importieren?";
    case TDialog::FalschesFormat:
      return "Der Inhalt der Importdatei hat nicht das geeignete Format für Kurse.";
    case TDialog::StundenLoeschen:
      return "Stunden löschen";
  }
  return {};
}

}  // namespace kolvar
