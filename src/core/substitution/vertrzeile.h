#pragma once
// The rows of the substitution day list: the records of one date in the order of the school's
// list, with the texts of the ten columns and how each is drawn. The window only paints them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kolvar {

class TSchule;
class TVertretung;

namespace VertrSpalte {
constexpr int T = 0, Stunde = 1, Lehrer = 2, Klasse = 3, Fach = 4, Kopplung = 5, Raum = 6, Bem = 7,
              Ersatz = 8, R = 9;
constexpr int Anzahl = 10;
}  // namespace VertrSpalte

struct TVertrZeile {
  TVertretung* Vertretung = nullptr;
  std::array<std::string, VertrSpalte::Anzahl> Text;
  // The link marker's colour (0x00BBGGRR); none without links.
  bool Marke = false;
  uint32_t MarkenFarbe = 0;
  bool RaumNoetig = false;  // the aqua box: a teacher substitution without room, not "frei"
  bool RotLehrer = false;   // the absent teacher
  bool RotRaum = false;     // the absent room
  bool RotBem = false;      // a remark is there
  bool Kursiv = false;      // not needed
  bool FettKlasse = false;  // more than one class

  // The colour of the column's text (0x00BBGGRR).
  uint32_t Farbe(int spalte) const;
};

// Every record of the date, in the school list's order.
std::vector<TVertrZeile> VertrZeilen(const TSchule& schule, int32_t datum);
// Every text the "Stunde" column may show on the date: the date's day with each period label of
// the version its week has. The column is as wide as the widest, whatever records there are.
std::vector<std::string> VertrStundenTexte(const TSchule& schule, int32_t datum);

}  // namespace kolvar
