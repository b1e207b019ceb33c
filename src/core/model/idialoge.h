#pragma once
// Every question and notice the core asks goes through IDialoge; the GUI shows the dialog,
// tests answer from a script. Answers are the modal results 1 Ok, 2 Abbrechen, 6 Ja, 7 Nein.

#include <string>
#include <vector>

namespace kolvar {

namespace Modal {
constexpr int Ok = 1;
constexpr int Abbrechen = 2;
constexpr int Ja = 6;
constexpr int Nein = 7;
}  // namespace Modal

// The dialogs of the core. Texts given with a request are the pieces the dialog shows.
enum class TDialog {
  // --- Placement checks (planning engine) ---
  Setzungsverbot,  // notice "Setzungsverbot": time text, then one text per conflict
  Verdraengen,     // "Verdrängen": time text, conflict texts; Ja = "Trotzdem setzen"
  KursLoeschen,    // "gekoppelten Kurs löschen": slot text, course, the coupled courses there;
                   // Ja = "Dieser Kurs", Ok = "Kopplung", Abbrechen
  Raumtausch,      // "Raumtausch": first course, second course, time text; Ok swaps
  // --- end of the placement checks ---
  VersionenLoeschen,  // "In den zu löschenden Planversionen sind Stunden verplant. Trotzdem löschen?"
  FachEntfernen,      // error box "Erst müssen die zugehörigen Kurse gelöscht werden!"
  LehrerDoppelt,      // stop box "Lehrer doppelt in Kopplung": teacher, coupling
  KursVerplant,       // "Kurs ist verplant": course text; Ja deletes its placed hours
  KursImRaumplan,     // "Kurs im Raumplan": course text, room; Ja takes the room off the hours
  VersionZuAlt,       // error box "Die Version der Daten ist zu alt!"
  VersionZuNeu,       // error box "Die Version der Daten ist zu neu!"
  LehrerFehlt,        // "Lehrer fehlt": "Lehrer " + abbreviation + reason, "Trotzdem einsetzen?"
  RaumBesetzt,        // "Raum ist besetzt": "Raum " + abbreviation + reason, "Trotzdem einsetzen?"
  UnbekannteKuerzel,  // "Unbekannte Kürzel": Ja imports all the same and creates the elements
  FalschesFormat,     // notice "Falsches Format": the import file is not a course file
  StundenLoeschen,    // "Stunden löschen": the days that go ("Sonntag" / "Samstag oder Sonntag"); Ja
                      // deletes the lessons on them
};

class IDialoge {
 public:
  virtual ~IDialoge() = default;
  // A modal question; returns the modal result.
  virtual int Frage(TDialog art, const std::vector<std::string>& texte) = 0;
  // A modal notice with only an Ok button.
  virtual void Melde(TDialog art, const std::vector<std::string>& texte) = 0;
};

// The text of a dialog as the user reads it.
std::string DialogText(TDialog art);

}  // namespace kolvar
