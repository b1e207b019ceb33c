#pragma once
// TKursText: courses as the clipboard carries them, one line of 14 TAB-separated fields per
// course (factor, hours, teacher, subject, class, coupling, room, info, hours per day, single
// hours, slot table, "nicht verplanen", "nicht zählen Le", "nicht zählen Kl"), each followed by
// continuation lines (empty first field) for its further classes and rooms.
//
// A paste is all or nothing: the whole text is read and checked before the first course is
// made, so a bad line leaves the school as it was.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

class TKurs;
class TSchule;

struct TKursZeile {
  bool Fortsetzung = false;  // adds its class and room to the course made last
  int32_t Faktor = 1;
  int32_t Stunden = 0;
  std::string Lehrer, Fach, Klasse, Kopplung, Raum, Info;
  int StundenProTag = 1, Einzelstunden = 0, Tabelle = 1;
  bool NichtVerplanen = false, NichtZaehlenLehrer = false, NichtZaehlenKlassen = false;
};

class TKursText {
 public:
  static constexpr int kFelder = 14;

  // The lines of the courses, each course followed by its continuation lines unless
  // ohneFortsetzung (Shift held).
  static std::vector<std::string> Zeilen(const std::vector<TKurs*>& kurse, bool ohneFortsetzung);

  // Reads the whole text; Gueltig() tells whether every line was a course line.
  static TKursText Lies(std::string_view text);
  bool Gueltig() const { return fehlerZeile_ == 0; }
  // The 1-based line that failed, 0 when none did.
  int FehlerZeile() const { return fehlerZeile_; }
  const std::vector<TKursZeile>& Eintraege() const { return zeilen_; }

  // Whether every abbreviation names an existing element.
  bool KuerzelPruefen(const TSchule& schule) const;
  // Makes the courses (unknown abbreviations become new elements at the end of their lists);
  // nothing for an invalid text. The new courses in order.
  std::vector<TKurs*> KurseEinfuegen(TSchule& schule) const;

 private:
  std::vector<TKursZeile> zeilen_;
  int fehlerZeile_ = 0;
};

}  // namespace kolvar
