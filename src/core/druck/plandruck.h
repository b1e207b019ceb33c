#pragma once
// The plan printouts: one day x period grid per element of the current plan version. Teacher,
// class and room plans tile as many plans on a sheet as fit; the coupling plan gives every
// class a page and lists each parallel lesson of a slot on a line of its own.

#include <array>
#include <cstdint>
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

enum class TPlanDruckArt { Lehrer, Klasse, Raum, Kopplung };

// The measures of one run, in printer pixels.
struct TPlanDruckLayout {
  TDruckRaender Raender;
  int h = 0;                     // line height
  int Rand = 10;                 // the cells' inner blank left and right of their texts
  std::array<int, 4> Eintrag{};  // widths of the first, second, third and coupling entry
  int TagBreite = 0, StundenBreite = 0;
  int ZellBreite = 0, ZellHoehe = 0;
  int KopfBreite = 0;  // the row headers' column
  int KopfHoehe = 0;   // the column headers' row
  int PlanBreite = 0, PlanHoehe = 0;
  int ProZeile = 1, ProSpalte = 1;
};

class TPlanDruck {
 public:
  TPlanDruck(const TSchule& schule, TPlanDruckArt art, const TPlanDruckOptionen& optionen);

  // The moment the changed-plans filter compares with (seconds from 30.12.1899).
  int64_t FilterMoment() const;
  // Printed: every plan with "alle ...", else only those changed strictly after the moment.
  bool WirdGedruckt(const TPlanElement& element) const;

  // Records the plans onto a surface whose page 1 is current; the caller begins and ends the
  // recording. Nothing is drawn without elements.
  void Drucke(IZeichenflaeche& flaeche, const std::vector<TPlanElement*>& elemente);

  const TPlanDruckLayout& Layout() const { return l_; }

 private:
  void BerechneBreiten(IZeichenflaeche& f);
  void BerechneLayout(IZeichenflaeche& f);
  void Kopf(IZeichenflaeche& f);
  std::string PlanTitel(const TPlanElement& e) const;
  void DruckePlan(IZeichenflaeche& f, const TPlanElement& e, int i);
  void DruckeKurs(IZeichenflaeche& f, const TPlanElement& e, const TKurs& kurs, int gx, int gy);
  std::array<std::string, 4> Texte(const TKurs& kurs, const TSetzung& s) const;
  std::array<bool, 4> Gezeigt() const;
  // Column and row of a slot in the grid.
  int Spalte(int tag, int stunde) const;
  int Zeile(int tag, int stunde) const;
  int Spalten() const;
  int Zeilen() const;
  bool Gesperrt(const TPlanElement& e, int tag, int stunde) const;
  void Raster(IZeichenflaeche& f, const TPlanElement& e, int x, int y, const std::vector<int>& zeilenHoehe);

  // The coupling plan: a class per page, rows as high as their fullest slot.
  void DruckeKopplungsPlan(IZeichenflaeche& f, const TPlanElement& e, int i);
  std::vector<int> ZaehleKurse(const TPlanElement& e) const;

  const TSchule& schule_;
  TPlanDruckArt art_;
  TPlanDruckOptionen o_;
  int version_;
  TPlanDruckLayout l_;
  std::array<std::array<bool, 16>, 7> belegt_{};  // the class plan's first lesson per slot
};

}  // namespace kolvar
