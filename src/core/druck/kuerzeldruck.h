#pragma once
// The abbreviation lists: for each chosen kind a title, then abbreviation and name pairs in as
// many columns as fit the sheet's width, running down the first column, then the next.

#include <string>
#include <vector>

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TElement;
class TSchule;

class TKuerzelDruck {
 public:
  TKuerzelDruck(const TSchule& schule, const TKuerzelDruckOptionen& optionen);

  // Records the lists onto a surface whose page 1 is current.
  void Drucke(IZeichenflaeche& flaeche);

  // Column pairs across a sheet: at least one, however wide the pair or the margin.
  static int Spalten(int blattBreite, int links, int paarBreite);
  // The title of the kind 0..5.
  static const char* Titel(int art);

 private:
  void DruckeKopf(IZeichenflaeche& f);
  void DruckeListe(IZeichenflaeche& f, int art, const std::vector<TElement*>& liste);
  void NaechsteZeile(IZeichenflaeche& f);

  const TSchule& schule_;
  TKuerzelDruckOptionen o_;
  int links_ = 0, oben_ = 0, h_ = 0, y_ = 0;
};

}  // namespace kolvar
