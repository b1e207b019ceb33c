#include "model/raum.h"

#include <algorithm>
#include <cstdint>

#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/uhr.h"

namespace kolvar {

TRaum::TRaum(TSchule& schule) : TPlanElement(schule) {}

namespace {
constexpr std::size_t kJeVersion = kTage * kStunden;
constexpr std::size_t kKeinSlot = SIZE_MAX;

std::size_t SlotIndex(int v, int d, int p) {
  if (v < 1 || v > kMaxVersionen || d < 1 || d > kTage || p < 1 || p > kStunden) return kKeinSlot;
  return static_cast<std::size_t>(v - 1) * kJeVersion + static_cast<std::size_t>((d - 1) * kStunden + p - 1);
}
}  // namespace

void TRaum::ZaehleSetzung(int v, int d, int p, int schritt) {
  const std::size_t i = SlotIndex(v, d, p);
  if (i == kKeinSlot) return;
  if (i >= setzungen_.size()) {
    // Every version at once: growing a version at a time would copy the counts each time.
    const std::size_t versionen =
        std::max<std::size_t>(i / kJeVersion + 1, static_cast<std::size_t>(Belegung().Versionen()));
    setzungen_.resize(versionen * kJeVersion, 0);
  }
  if (schritt > 0)
    ++setzungen_[i];
  else if (setzungen_[i] > 0)
    --setzungen_[i];
}

bool TRaum::HatSetzung(int v, int d, int p) const {
  const std::size_t i = SlotIndex(v, d, p);
  return i < setzungen_.size() && setzungen_[i] > 0;
}

bool TRaum::ZaehltSetzung(const TSetzung& s) const {
  return s.Raum() == this;
}

bool TRaum::BelegtAm(int p, int32_t datum) const {
  const int v = Schule().VersionDerWoche(datum);
  const int d = Uhr::Wochentag(datum);
  for (const TKurs* k : Kurse()) {
    const TSetzung* s = k->FindeSetzung(v, d, p);
    if (!s || s->Raum() != this) continue;
    if (k->Klassen().Leer()) return true;
    for (const TKlasse* kl : k->Klassen())
      if (!kl->FehltAm(datum, p)) return true;
  }
  return false;
}

TKurs* TRaum::NeuerKurs() {
  return Schule().ErzeugeKurs(nullptr, nullptr, nullptr, nullptr, this, Schule().Standard().kst);
}

void TRaum::Loese() {
  while (!Kurse().Leer()) {
    TKurs* k = Kurse().Hole(1);
    if (k->RaumVerplant(this)) k->EntferneAlleSetzungen();
    k->EntferneRaum(this);
  }
  // An hour may use a room its course does not list (rooms swapped by hand, data from a file).
  for (TKurs* k : Schule().Kurse())
    if (k->RaumVerplant(this)) k->EntferneAlleSetzungen();
  for (TLehrer* l : Schule().Lehrer())
    if (l->Raum() == this) {
      l->SetzeRaum(nullptr);
      l->ZeigeWerte();
    }
  for (TKlasse* k : Schule().Klassen())
    if (k->Raum() == this) {
      k->SetzeRaum(nullptr);
      k->ZeigeWerte();
    }
}

}  // namespace kolvar
