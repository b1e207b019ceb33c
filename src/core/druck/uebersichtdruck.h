#pragma once
// The overview printouts: one narrow column per element, one row per day and period of the
// range, a label column at the left of every page. Classes, teachers and rooms each have their
// own; the combination overview mixes them.

#include <array>
#include <string>
#include <vector>

#include "druck/druckkopf.h"
#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TKurs;
class TPlanElement;
class TSchule;
class TSetzung;

enum class TUebersichtArt { Lehrer, Klasse, Raum, Kombination };

struct TUebersichtLayout {
  TDruckRaender Raender;
  int h = 0;
  int Rand = 10;                 // the cells' inner blank left and right of their texts
  std::array<int, 4> Eintrag{};  // first, second, third and coupling entry
  int TitelBreite = 0, TagBreite = 0, StundenBreite = 0;
  int Slot = 0;  // the combination's text slot
  int ZellBreite = 0, ZellHoehe = 0;
  int Schritt = 0;      // from one column to the next
  int LabelBreite = 0;  // the label column
  int ProSeite = 1;     // columns per page
};

class TUebersichtDruck {
 public:
  TUebersichtDruck(const TSchule& schule, TUebersichtArt art, const TUebersichtDruckOptionen& optionen);

  // Records a column per element onto a surface whose page 1 is current.
  void Drucke(IZeichenflaeche& flaeche, const std::vector<TPlanElement*>& elemente);
  const TUebersichtLayout& Layout() const { return l_; }

 private:
  void BerechneBreiten(IZeichenflaeche& f);
  void BerechneLayout(IZeichenflaeche& f);
  void Kopf(IZeichenflaeche& f);
  void DruckeSpalte(IZeichenflaeche& f, const TPlanElement& e, int i);
  void DruckeKurs(IZeichenflaeche& f, const TPlanElement& e, const TKurs& kurs, int x, int y0);
  std::vector<std::pair<std::string, int>> Texte(const TPlanElement& e, const TKurs& kurs,
                                                 const TSetzung& s) const;
  std::array<bool, 4> Gezeigt() const;
  int Tage() const { return o_.bt - o_.vt + 1; }
  int Stunden() const { return o_.bs - o_.vs + 1; }
  int ZeilenY(int y0, int tag, int stunde) const;
  void Balken(IZeichenflaeche& f, int x, int breite, int y0);

  const TSchule& schule_;
  TUebersichtArt art_;
  TUebersichtDruckOptionen o_;
  int version_;
  TUebersichtLayout l_;
  std::array<std::array<bool, 16>, 7> belegt_{};
};

}  // namespace kolvar
