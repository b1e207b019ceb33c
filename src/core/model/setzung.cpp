#include "model/setzung.h"

#include "model/element.h"
#include "model/kurs.h"
#include "model/schule.h"

namespace kolvar {

static_assert(alignof(TSetzung) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);

void* TSetzung::operator new(std::size_t n, TKurs& kurs) {
  return kurs.Schule().SetzungsPool().Neu(n);
}

void TSetzung::operator delete(void* p, TKurs& kurs) noexcept {
  kurs.Schule().SetzungsPool().Weg(p);
}

void TSetzung::operator delete(TSetzung* s, std::destroying_delete_t) noexcept {
  TBlockPool& pool = s->kurs_->Schule().SetzungsPool();
  s->~TSetzung();
  pool.Weg(s);
}

TSetzung::TSetzung(TKurs& kurs, int version, int tag, int stunde, TRaum* raum, bool fixiert)
    : kurs_(&kurs), stunde_(stunde), tag_(tag), version_(version), raum_(raum), fixiert_(fixiert) {}

void TSetzung::SetFixiert(bool an) {
  fixiert_ = an;
  kurs_->Schule().SetzeGeaendert(true);
}

bool TSetzung::IstRandstunde(const TPlanElement& element) const {
  const TWochBereich& b = element.Belegung();
  bool danach = false, davor = false;
  for (int p = stunde_ + 1; p <= 16 && !danach; ++p) danach = b.Belegt(version_, tag_, p);
  for (int p = 1; p < stunde_ && !davor; ++p) davor = b.Belegt(version_, tag_, p);
  return !danach || !davor;
}

}  // namespace kolvar
