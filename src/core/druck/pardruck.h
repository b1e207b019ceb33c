#pragma once
// The parallel-couplings printout: the table as boxes (the row's conflict count, then each
// coupling, optionally with its courses' teachers and subjects), in vertical strips of as many
// columns as fit the sheet, each strip continued over pages; then, optionally, the teachers
// every row needs more than once.

#include <string>
#include <vector>

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TKopplung;
class TLehrer;
class TParTabelle;
class TSchule;

struct TParMasse {
  int Links = 0, Oben = 0, h = 0;
  int a = 0;                // the width of "A"
  int T = 0, K = 0, F = 0;  // teacher, coupling and subject widths
  int L = 0;                // row label
  int W = 0;                // box width
  int P = 1;                // boxes per strip
  int Streifen = 1;
};

// A teacher of a row's couplings who is needed more than once, with the cells' couplings that
// hold a course of him (a coupling put twice into the row is listed twice).
struct TDoppelterLehrer {
  const TLehrer* Lehrer = nullptr;
  std::vector<const TKopplung*> Kopplungen;
};
std::vector<TDoppelterLehrer> DoppelteLehrer(const TParTabelle& tabelle, int zeile);

class TParDruck {
 public:
  TParDruck(const TSchule& schule, const TParallelDruckOptionen& optionen) : schule_(schule), o_(optionen) {}

  // Records onto a surface whose page 1 is current.
  void Drucke(IZeichenflaeche& flaeche, const TParTabelle& tabelle);
  const TParMasse& Masse() const { return m_; }

 private:
  void BerechneBreiten(IZeichenflaeche& f, const TParTabelle& tabelle);
  void Kopf(IZeichenflaeche& f);
  void NeueSeite(IZeichenflaeche& f);
  void DruckeTabelle(IZeichenflaeche& f, const TParTabelle& tabelle, int streifen);
  void DruckeBox(IZeichenflaeche& f, const TParTabelle& tabelle, int zeile, int spalte, int x, int hoehe);
  void DruckeKonflikte(IZeichenflaeche& f, const TParTabelle& tabelle);
  int ZeilenHoehe(const TParTabelle& tabelle, int zeile) const;

  const TSchule& schule_;
  TParallelDruckOptionen o_;
  TParMasse m_;
  int y_ = 0;
};

}  // namespace kolvar
