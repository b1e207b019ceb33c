#pragma once
// The workload printouts: per chosen teacher, class, coupling, subject or room a title, its
// required and assigned hours and a table of its courses; or the courses of the whole school.

#include <string>
#include <vector>

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TElement;
class TKurs;
class TSchule;

// The table's columns in printing order; the last six only with "mit Zusatzinfo".
enum class TDepDruckSpalte { Wert, Std, Le, Fa, Kl, Ko, Ra, Fakt, SpT, Einz, Tab, Summe };

struct TDepDruckLayout {
  int Links = 0, Oben = 0, h = 0;
  std::vector<int> Rechts;  // the right edge of each column
  int InfoX = 0;
};

class TDeputatDruck {
 public:
  TDeputatDruck(const TSchule& schule, const TDeputatDruckOptionen& optionen);

  // Records a sheet per element (or, with "alle Kurse", every course) onto a surface whose
  // page 1 is current; nothing but the header without elements.
  void Drucke(IZeichenflaeche& flaeche, const std::vector<TElement*>& elemente);
  const TDepDruckLayout& Layout() const { return l_; }

  std::string TitelZeile(const TElement& e) const;
  // The hours line of teachers, classes and subjects; empty for the others.
  std::string StundenZeile(const TElement& e) const;
  // The lines a course takes: its classes or rooms, one a line, when listed.
  int Zeilen(const TKurs& kurs) const;
  // hours of the current version x factor as the "Wert" column shows it.
  std::string Wert(int64_t wert) const;

 private:
  void Kopf(IZeichenflaeche& f);
  void Breiten(IZeichenflaeche& f);
  void DruckeBlatt(IZeichenflaeche& f, const TElement& e, bool erstes);
  void Tabellenkopf(IZeichenflaeche& f);
  void DruckeKurs(IZeichenflaeche& f, const TKurs& kurs);
  void Rechtsbuendig(IZeichenflaeche& f, TDepDruckSpalte spalte, const std::string& text);
  int Spalten() const { return o_.dzu ? 12 : 7; }

  const TSchule& schule_;
  TDeputatDruckOptionen o_;
  int version_;
  TDepDruckLayout l_;
  int y_ = 0;
};

}  // namespace kolvar
