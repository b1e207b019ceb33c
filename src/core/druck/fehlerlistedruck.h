#pragma once
// The error list printout: the dated header, then the list's lines one under the other; a line
// that would start less than three line heights above the sheet's lower edge opens a new page.

#include <string>
#include <vector>

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TSchule;

class TFehlerListeDruck {
 public:
  TFehlerListeDruck(const TSchule& schule, const TFehlerListeDruckOptionen& optionen)
      : schule_(schule), o_(optionen) {}

  // Records onto a surface whose page 1 is current; an empty list gives the header only.
  void Drucke(IZeichenflaeche& flaeche, const std::vector<std::string>& zeilen);

 private:
  void Kopf(IZeichenflaeche& f);

  const TSchule& schule_;
  TFehlerListeDruckOptionen o_;
  int l_ = 0, t_ = 0, h_ = 0, y_ = 0;
};

}  // namespace kolvar
