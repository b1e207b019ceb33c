#pragma once
// One placed hour of a course. Owned by its course; period, day, version and room change only
// through the course, so the occupancy grids always agree with the placements.

#include <cstddef>
#include <cstdint>
#include <new>

#include "model/liste.h"

namespace kolvar {

class TKurs;
class TPlanElement;
class TRaum;
class TVertretung;

class TSetzung final {
 public:
  TSetzung(const TSetzung&) = delete;
  TSetzung& operator=(const TSetzung&) = delete;
  ~TSetzung();

  // A placement lives in its school's pool: new (kurs) TSetzung(kurs, ...).
  static void* operator new(std::size_t n, TKurs& kurs);
  static void operator delete(void* p, TKurs& kurs) noexcept;
  static void operator delete(TSetzung* s, std::destroying_delete_t) noexcept;

  TKurs& Kurs() const { return *kurs_; }
  int Stunde() const { return stunde_; }
  int Tag() const { return tag_; }
  int Version() const { return version_; }
  TRaum* Raum() const { return raum_; }
  bool Fixiert() const { return fixiert_; }
  void SetFixiert(bool an);  // marks the school modified

  // Substitutions of this hour on single dates; filled by the substitution planning.
  const TListe<TVertretung>& Vertretungen() const { return vertretungen_; }
  // "statt" options now offered that name this hour.
  int StattVerweise() const { return stattVerweise_; }

  // The hour is the first or the last of the element's day (in its version).
  bool IstRandstunde(const TPlanElement& element) const;
  // False exactly when the hour takes place on the date: its weekday and week version, no free
  // day, and no substitution of the hour on that date.
  bool FaelltAus(int32_t datum) const;

 private:
  friend class TKurs;
  friend class TStatt;
  friend class TVertretung;
  TSetzung(TKurs& kurs, int version, int tag, int stunde, TRaum* raum, bool fixiert);

  TKurs* kurs_;
  int stunde_;
  int tag_;
  int version_;
  TRaum* raum_;
  bool fixiert_;
  TListe<TVertretung> vertretungen_;
  int stattVerweise_ = 0;
};

}  // namespace kolvar
