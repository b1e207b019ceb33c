#pragma once
// The subject overview printout: for a range of subjects every placed hour of the current
// version as one row (day, period and the chosen columns), day by day, within a day in the
// subject's course order. Every page starts with the header of the subject it continues.

#include <string>

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TFach;
class TSchule;

struct TFachUebersichtSpalten {
  int Tag = 0, Stunde = 0, Klasse = 0, Kopplung = 0, Raum = 0, LehrerKuerzel = 0, LehrerName = 0;
};

class TFachUebersichtDruck {
 public:
  TFachUebersichtDruck(const TSchule& schule, const TFachUebersichtDruckOptionen& optionen)
      : schule_(schule), o_(optionen) {}

  // Records the subjects von .. bis (school order) onto a surface whose page 1 is current;
  // without von nothing is recorded.
  void Drucke(IZeichenflaeche& flaeche, const TFach* von, const TFach* bis);
  const TFachUebersichtSpalten& Spalten() const { return w_; }

  // "De Deutsch": the abbreviation and a blank in at most 8 characters, the whole in 29.
  static std::string TitelZeile(const TFach& fach);

 private:
  void BerechneSpalten(IZeichenflaeche& f);
  void DruckeKopf(IZeichenflaeche& f, const TFach& fach);
  void DruckeFach(IZeichenflaeche& f, const TFach& fach);

  const TSchule& schule_;
  TFachUebersichtDruckOptionen o_;
  TFachUebersichtSpalten w_;
  int l_ = 0, t_ = 0, h_ = 0, y_ = 0;
};

}  // namespace kolvar
