#pragma once
// What the substitute choices offer for one record: the teachers fit to substitute (six filters,
// school order, no ranking), the free rooms, each one's day drawn as a bar, the "statt" menu of
// the chosen substitute, the day plan beside the list and the standard remarks. The windows
// only draw what these return.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/versionssicht.h"

namespace kolvar {

class IFenster;
class IMenue;
class TKurs;
class TLehrer;
class TPlanElement;
class TRaum;
class TSchule;
class TSetzung;
class TVertretung;

// The teacher filters as the settings keep them ("vfc", "vrc", "vla").
struct TLehrerFilter {
  bool FreieLehrer = true;
  bool Randstunden = true;
  int Auswahl = 2;  // 0 "gleiche Klasse", 1 "gleiches Fach", 2 "alle Lehrer"
};

// One period of a day bar.
struct TBalkenStunde {
  char Zeichen = 'F';      // the day-pattern letter (F S E G K L U)
  bool Vertritt = false;   // substitutes (teacher) or is substitute room (room) then
  bool Entfaellt = false;  // all classes of the element's lesson there are absent
};

struct TTagesBalken {
  std::array<TBalkenStunde, kStunden> Stunden{};
  int Markiert = 0;  // the record's period
};

struct TLehrerVorschlag {
  TLehrer* Lehrer = nullptr;
  TTagesBalken Balken;
  std::string Konto;   // the shown account, formatted
  bool Statt = false;  // "statt" options can be offered (drawn underlined)
};

struct TRaumVorschlag {
  TRaum* Raum = nullptr;
  TTagesBalken Balken;
};

// One row of the day plan beside the lists.
struct TTagesplanZeile {
  std::string Bezeichnung;  // the period label
  char Zeichen = '-';       // '*' locked, '+' occupied, '-' free
  TKurs* Kurs = nullptr;    // the first lesson there
  TSetzung* Setzung = nullptr;
};

class TVertrVorschlag {
 public:
  // Whether the teacher passes the six filters for the record's slot.
  static bool LehrerPasst(const TVertretung& r, const TLehrer& t, const TLehrerFilter& filter);
  // The teachers of the school's list that pass, in list order; konto 0 "V-Std. 1", else "V-Std 2".
  static std::vector<TLehrerVorschlag> Lehrer(const TVertretung& r, const TLehrerFilter& filter, int konto);
  // Whether the room is free for the record: not taking place there, not locked, not absent.
  static bool RaumFrei(const TVertretung& r, const TRaum& raum);
  static std::vector<TRaumVorschlag> Raeume(const TVertretung& r);
  // The element's day at the record's version and day (teacher: substitutes; room: substitute room).
  static TTagesBalken Balken(const TVertretung& r, const TPlanElement& e);
  // The "statt" menu of the record's substitute: one disabled day item per school day, enabled
  // with one sub-item per occupied period whose lesson takes place on a date within 90 days of
  // the record's week. The options go to the record's options.
  static void BaueStattMenue(TVertretung& r, IMenue& menue);
  // The element's day plan at the record's version and day (16 rows); empty without element.
  static std::vector<TTagesplanZeile> Tagesplan(const TVertretung& r, const TPlanElement* e);
  // Whose day plan is shown: "Lehrerplan" (0) the substitute or the lesson's teacher;
  // "Klassenplan" (1) the lesson's first class.
  static TPlanElement* TagesplanElement(const TVertretung& r, int plan);
  // A standard remark into a remark field: replacing it, or appended after one blank and cut
  // from its end so the result stays below 61 characters.
  static std::string HaengeBemerkungAn(const std::string& alt, const std::string& standard, bool ersetzen);

 private:
  // The bar with the periods in which the element is substitute (bit p - 1) given.
  static TTagesBalken BalkenMit(const TVertretung& r, const TPlanElement& e, uint32_t eingesetzt);
};

// The day list's days: a weekday within the school days and not a free day.
bool IstVertretungsTag(const TSchule& schule, int32_t datum);
// The next (or previous) such day after the date, within the years the program plans in;
// the date itself when there is none.
int32_t NaechsterVertretungsTag(const TSchule& schule, int32_t datum, bool vorwaerts);

// The next (or previous) record of the same date in the school's list, going round, that a choice
// window steps to; null when there is none but the record itself.
TVertretung* NaechsteWahlVertretung(const TSchule& schule, const TVertretung& von, bool vorwaerts,
                                    const std::function<bool(const TVertretung&)>& passt);
// Binds a choice window to a record, one window per record: another window bound to it lets go.
void BindeWahlFenster(IFenster& fenster, TVertretung*& gebunden, TVertretung* neu);

}  // namespace kolvar
