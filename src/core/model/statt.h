#pragma once
// One "statt" option offered while a substitute is chosen: the substitute's own lesson that
// would be given up. The placement counts the options that name it, so it finds them only
// when there are any.

#include <cstdint>

namespace kolvar {

class TKurs;
class TLehrer;
class TSetzung;

class TStatt {
 public:
  TStatt() = default;
  TStatt(const TStatt&) = delete;
  TStatt& operator=(const TStatt&) = delete;
  ~TStatt();

  TLehrer* Lehrer() const { return lehrer_; }
  void SetzeLehrer(TLehrer* l) { lehrer_ = l; }
  TKurs* Kurs() const { return kurs_; }
  void SetzeKurs(TKurs* k) { kurs_ = k; }
  TSetzung* Setzung() const { return setzung_; }
  void SetzeSetzung(TSetzung* s);
  int32_t Datum() const { return datum_; }
  void SetzeDatum(int32_t d) { datum_ = d; }

 private:
  TLehrer* lehrer_ = nullptr;
  TKurs* kurs_ = nullptr;
  TSetzung* setzung_ = nullptr;
  int32_t datum_ = 0;
};

}  // namespace kolvar
