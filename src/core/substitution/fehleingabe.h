#pragma once
// What the absence entry decides, without a window: the rows of one date and element kind with
// their 16-character masks ("+" absent, "-" present, period 1 first), the period range new rows
// start with, the clicks on a row's day bar, storing the rows, and repeating one row's mask on
// the following school days up to an end date.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

class TFehl;
class TPlanElement;
class TSchule;
enum class TElementArt;

// The mask of a mask text: period p is bit 16 - p; anything but "+" is present, and characters
// beyond the sixteenth are ignored.
uint16_t FehlMaske(std::string_view text);
std::string MaskenText(uint16_t maske);
// Absent in von..bis (1..16), present elsewhere.
std::string NeueMaske(int von, int bis);
// "Montag, 7. Dezember, 2026".
std::string LangesDatum(int32_t datum);

// Pixel width of one period in a row's day bar.
constexpr int kFehlStundenBreite = 9;

struct TFehlZeile {
  TPlanElement* Element = nullptr;
  TFehl* Fehl = nullptr;  // the stored absence the row shows, none for a new row
  std::string Maske;      // 16 characters
};

class TFehlEingabe {
 public:
  // The rows of every absence of the kind (teacher, class or room) on the date.
  TFehlEingabe(TSchule& schule, TElementArt art, int32_t datum);

  TSchule& Schule() const { return schule_; }
  TElementArt Art() const { return art_; }
  int32_t Datum() const { return datum_; }
  int Wochentag() const;
  int Version() const;  // the plan version of the date's week
  const std::vector<TFehlZeile>& Zeilen() const { return zeilen_; }
  // The row of the record (or of its element), -1 when none.
  int ZeileVon(const TFehl* f) const;
  int ZeileVon(const TPlanElement* e) const;
  // The element's day pattern in the date's version and weekday (16 letters).
  std::string Tagesmuster(int zeile) const;

  int Von() const { return von_; }
  int Bis() const { return bis_; }
  // The range moves the other end along so that von <= bis.
  void SetzeVon(int p);
  void SetzeBis(int p);

  // The row of the element: its existing one, or a new one absent in von..bis; -1 for an
  // element of another kind.
  int FuegeHinzu(TPlanElement* e);
  // A click at x pixels from the left of the row's day bar: Shift clears the row, Ctrl marks
  // every period, otherwise the period under the mouse toggles. A click beyond the sixteenth
  // period does nothing. False when nothing changed.
  bool Klick(int zeile, int x, bool shift, bool strg);

  // "Ok": every row's mask becomes the element's absence of the date; a row without any absent
  // period takes the absence back. The substitution windows are told.
  void Speichere();

 private:
  TSchule& schule_;
  TElementArt art_;
  int32_t datum_;
  int von_ = 1;
  int bis_;
  std::vector<TFehlZeile> zeilen_;
};

// The longer absence: the mask on every day after start up to ende that is a school day (not
// free, not beyond the school days per week), replacing what that day had. Returns the number
// of days written. The substitution windows are told.
int TrageFehlzeitenEin(TPlanElement& e, std::string_view maske, int32_t start, int32_t ende);
// The end date of the spins: an invalid day is lowered to the month's last, the year kept in
// the planning years, and a date before start becomes start.
int32_t FehlEndDatum(int jahr, int monat, int tag, int32_t start);

}  // namespace kolvar
