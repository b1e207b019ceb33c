#pragma once
// The rest-hours printout: for a range of teachers, classes or subjects a line of required,
// assigned and remaining hours with the hours not counted and not to be placed, and a "Summe".

#include <array>
#include <string>
#include <vector>

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TElement;
class TSchule;

// The values of one line in units of 1/dvs hour, in the order of the kind's columns after the
// texts: teachers Soll, Ist, Rest, n.z.Le., n.verpl.; classes Soll, Ist, Rest, n.z.Kl., n.verpl.;
// subjects Soll, Ist, Rest, n.z.Le., n.z.Kl., n.verpl. The subject's teacher count apart.
struct TRestWerte {
  std::vector<int64_t> Stunden;
  int Lehrer = 0;
};

class TRestStundenDruck {
 public:
  // art: 0 teachers, 1 classes, 2 subjects.
  TRestStundenDruck(const TSchule& schule, int art, const TRestStundenDruckOptionen& optionen);

  // Records the lines onto a surface whose page 1 is current; without elements only the header.
  void Drucke(IZeichenflaeche& flaeche, const std::vector<TElement*>& elemente);

  TRestWerte Werte(const TElement& e) const;
  // An hour value as the columns show it: "vkm" + 1 + "nkm" characters with a decimal point.
  std::string Zahl(int64_t wert) const;

 private:
  void DruckeKopf(IZeichenflaeche& f);
  void DruckeZeile(IZeichenflaeche& f, const TElement& e);
  void DruckeSumme(IZeichenflaeche& f);
  // x of the value columns, the teacher count's for subjects first.
  int SpaltenX(int i) const;
  int Spalten() const { return art_ == 2 ? 7 : 5; }

  const TSchule& schule_;
  int art_;
  TRestStundenDruckOptionen o_;
  int version_;
  int links_ = 0, oben_ = 0, h_ = 0, y_ = 0, w_ = 0, n_ = 0;
  std::vector<int64_t> summen_;
  int lehrerSumme_ = 0;
};

}  // namespace kolvar
