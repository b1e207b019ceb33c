#pragma once
// The hour-distribution printout: a line per teacher, class or room with a strip of symbols per
// day (free, locked, placed, coupled, fixed, gap), per-slot totals at the end; couplings and
// subjects get a block with a line per course instead.

#include <array>
#include <string>
#include <vector>

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TElement;
class TKurs;
class TSchule;

struct TSVLayout {
  int Links = 0, Oben = 0, h = 0;
  int s = 0;     // a symbol's step: the width of "o"
  int c1 = 0;    // the abbreviation column
  int c2 = 0;    // the second column of coupling and subject blocks
  int Tage = 0;  // school days printed
};

class TSVDruck {
 public:
  // art: 0 teachers, 1 classes, 2 couplings, 3 subjects, 4 rooms.
  TSVDruck(const TSchule& schule, int art, const TStundenVerteilungDruckOptionen& optionen);

  // Records the range onto a surface whose page 1 is current; without elements only the header.
  void Drucke(IZeichenflaeche& flaeche, const std::vector<TElement*>& elemente);
  const TSVLayout& Layout() const { return l_; }

  // The digits a total prints, top to bottom: units first, at most three, at least one.
  static std::vector<char> SummenZiffern(int zaehler);
  // Where day d's block starts.
  int TagX(int tag) const;
  // The left edge of symbol p (1..16) of day d.
  int SymbolX(int tag, int stunde) const;

 private:
  bool MitSummen() const { return art_ == 0 || art_ == 1 || art_ == 4; }
  void Kopf(IZeichenflaeche& f);
  void TageZeile(IZeichenflaeche& f, int y);
  void Umbruch(IZeichenflaeche& f, bool blockKopf);
  void Muster(IZeichenflaeche& f, int tag, const std::string& muster);
  void Symbol(IZeichenflaeche& f, char zeichen, int x);
  void DruckeZeile(IZeichenflaeche& f, const TElement& e);
  void DruckeBlock(IZeichenflaeche& f, const TElement& e);
  void DruckeKurs(IZeichenflaeche& f, const TElement& block, const TKurs& kurs);
  void DruckeSummen(IZeichenflaeche& f);
  int Ende() const;

  const TSchule& schule_;
  int art_;
  TStundenVerteilungDruckOptionen o_;
  int version_;
  TSVLayout l_;
  int y_ = 0;
  std::array<std::array<int, 16>, 7> summen_{};
};

}  // namespace kolvar
