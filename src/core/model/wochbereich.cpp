#include "model/wochbereich.h"

#include <algorithm>

namespace kolvar {

namespace {
bool TagGueltig(int d) { return d >= 1 && d <= kTage; }
bool StundeGueltig(int p) { return p >= 1 && p <= kStunden; }
}  // namespace

void VersionsBereich(const TVersionsSicht& sicht, int n, int v, int& von, int& bis) {
  von = 1;
  bis = 0;
  if (v == -1) {
    if (sicht.NurAktuelle) {
      v = sicht.AktuelleVersion;
      if (v < 1 || v > n) return;  // a current version beyond the grid: nothing
    } else {
      v = 0;
    }
  }
  if (v == 0) {
    bis = n;
  } else if (v >= 1 && v <= n) {
    von = bis = v;
  }
}

void TWoElem::SetzeStunde(int d, int p, bool an) {
  if (!TagGueltig(d) || !StundeGueltig(p)) return;
  uint16_t& wort = tage_[static_cast<std::size_t>(d - 1)];
  const uint16_t bit = static_cast<uint16_t>(1u << (p - 1));
  wort = an ? static_cast<uint16_t>(wort | bit) : static_cast<uint16_t>(wort & ~bit);
}

bool TWoElem::Stunde(int d, int p) const {
  if (!TagGueltig(d) || !StundeGueltig(p)) return false;
  return (tage_[static_cast<std::size_t>(d - 1)] >> (p - 1)) & 1u;
}

bool TWoElem::Leer() const {
  return std::all_of(tage_.begin(), tage_.end(), [](uint16_t w) { return w == 0; });
}

TWochBereich::TWochBereich(const TVersionsSicht& sicht) : sicht_(&sicht) { SetzeVersionen(sicht.Versionen); }

void TWochBereich::SetzeVersionen(int n) { wochen_.resize(static_cast<std::size_t>(std::clamp(n, 0, kMaxVersionen))); }

const TWoElem* TWochBereich::Woche(int v) const {
  return (v >= 1 && v <= Versionen()) ? &wochen_[static_cast<std::size_t>(v - 1)] : nullptr;
}
TWoElem* TWochBereich::Woche(int v) {
  return (v >= 1 && v <= Versionen()) ? &wochen_[static_cast<std::size_t>(v - 1)] : nullptr;
}

void TWochBereich::SetzeWoche(int v, const TWoElem& woche) {
  if (TWoElem* w = Woche(v)) *w = woche;
}

void TWochBereich::SetzeTag(int v, int d, uint32_t wort) {
  if (TWoElem* w = Woche(v)) w->SetzeTag(d, wort);
}

uint32_t TWochBereich::Tag(int v, int d) const {
  const TWoElem* w = Woche(v);
  return w ? w->Tag(d) : 0u;
}

void TWochBereich::Bereich(int v, int& von, int& bis) const { VersionsBereich(*sicht_, Versionen(), v, von, bis); }

void TWochBereich::SetzeBereich(int v, int d, int p, bool an) {
  if (d != 0 && !TagGueltig(d)) return;
  if (p != 0 && !StundeGueltig(p)) return;
  int von, bis;
  Bereich(v, von, bis);
  const uint16_t maske = p == 0 ? uint16_t{0xFFFF} : static_cast<uint16_t>(1u << (p - 1));
  for (int ver = von; ver <= bis; ++ver) {
    TWoElem& w = wochen_[static_cast<std::size_t>(ver - 1)];
    for (int tag = (d == 0 ? 1 : d); tag <= (d == 0 ? kTage : d); ++tag) {
      const uint32_t alt = w.Tag(tag);
      w.SetzeTag(tag, an ? (alt | maske) : (alt & ~uint32_t{maske}));
    }
  }
}

bool TWochBereich::Belegt(int v, int d, int p) const {
  if (!TagGueltig(d) || !StundeGueltig(p)) return false;
  int von, bis;
  Bereich(v, von, bis);
  for (int ver = von; ver <= bis; ++ver)
    if (wochen_[static_cast<std::size_t>(ver - 1)].Stunde(d, p)) return true;
  return false;
}

void TWochBereich::LoescheIn(TWochBereich& ziel) const {
  const int n = std::min(Versionen(), ziel.Versionen());
  for (int v = 1; v <= n; ++v)
    for (int d = 1; d <= kTage; ++d) ziel.SetzeTag(v, d, ziel.Tag(v, d) & ~Tag(v, d));
}

void TWochBereich::Vereinige(const TWochBereich& quelle) {
  const int n = std::min(Versionen(), quelle.Versionen());
  for (int v = 1; v <= n; ++v)
    for (int d = 1; d <= kTage; ++d) SetzeTag(v, d, Tag(v, d) | quelle.Tag(v, d));
}

void TWochBereich::BeschraenkeAuf(const TWochBereich& a, const TWochBereich& b) {
  for (int v = 1; v <= Versionen(); ++v)
    for (int d = 1; d <= kTage; ++d) SetzeTag(v, d, Tag(v, d) & (a.Tag(v, d) | b.Tag(v, d)));
}

bool TWochBereich::VersionenGleich(int schultage) const {
  if (schultage < 1) return true;
  const int tage = std::min(schultage, kTage);
  for (int v = 2; v <= Versionen(); ++v)
    for (int d = 1; d <= tage; ++d)
      if (Tag(v, d) != Tag(1, d)) return false;
  return true;
}

void TWochBereich::Leere() {
  for (TWoElem& w : wochen_) w = TWoElem{};
}

bool TWochBereich::Leer() const {
  return std::all_of(wochen_.begin(), wochen_.end(), [](const TWoElem& w) { return w.Leer(); });
}

TWochenStunden::TWochenStunden(const TVersionsSicht& sicht) : sicht_(&sicht) { SetzeVersionen(sicht.Versionen); }

void TWochenStunden::SetzeVersionen(int n) { werte_.resize(static_cast<std::size_t>(std::clamp(n, 0, kMaxVersionen)), 0); }

void TWochenStunden::SetzeStunden(int v, int32_t wert) {
  int von, bis;
  VersionsBereich(*sicht_, Versionen(), v, von, bis);
  for (int ver = von; ver <= bis; ++ver) werte_[static_cast<std::size_t>(ver - 1)] = wert;
}

int32_t TWochenStunden::Stunden(int v) const {
  int von, bis;
  VersionsBereich(*sicht_, Versionen(), v, von, bis);
  int64_t summe = 0;
  for (int ver = von; ver <= bis; ++ver) summe += werte_[static_cast<std::size_t>(ver - 1)];
  return static_cast<int32_t>(std::clamp<int64_t>(summe, INT32_MIN, INT32_MAX));
}

bool TWochenStunden::VersionenGleich() const {
  for (std::size_t i = 1; i < werte_.size(); ++i)
    if (werte_[i] != werte_[0]) return false;
  return true;
}

}  // namespace kolvar
