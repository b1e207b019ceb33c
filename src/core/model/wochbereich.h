#pragma once
// Slot grids: one week of 7 days x 16 periods (TWoElem), such a week per plan version
// (TWochBereich), and an integer per plan version (TWochenStunden).
//
// Plan-version argument of every operation that takes one ("the version rule"):
//   1..N  that version;
//   -1    the current version when "eaw" is set, else like 0;
//   0     all versions: a test is true when any version has the slot, a value is the sum,
//         a write goes to every version.
// Versions, days and periods out of range never touch memory: reads answer false/0 and
// writes are ignored.

#include <array>
#include <cstdint>
#include <vector>

#include "model/versionssicht.h"

namespace kolvar {

// The set bits of a word of slots. Without the processor's own instruction (the build targets
// every x86-64) std::popcount is a library call; the placing counts day words by the million.
inline int ZaehleBits(uint64_t x) {
#if defined(__POPCNT__)
  return __builtin_popcountll(x);
#else
  x = x - ((x >> 1) & 0x5555555555555555ull);
  x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<int>((x * 0x0101010101010101ull) >> 56);
#endif
}

class TWoElem {
 public:
  void SetzeTag(int d, uint32_t wort) {
    if (d >= 1 && d <= kTage) tage_[static_cast<std::size_t>(d - 1)] = static_cast<uint16_t>(wort & 0xFFFFu);
  }
  uint32_t Tag(int d) const { return (d >= 1 && d <= kTage) ? tage_[static_cast<std::size_t>(d - 1)] : 0u; }
  void SetzeStunde(int d, int p, bool an);
  bool Stunde(int d, int p) const;
  bool Leer() const;
  bool operator==(const TWoElem& o) const = default;

 private:
  std::array<uint16_t, kTage> tage_{};
};

class TWochBereich {
 public:
  // Sized from the view's number of versions; the view must outlive the grid.
  explicit TWochBereich(const TVersionsSicht& sicht = TVersionsSicht::Standard());

  const TVersionsSicht& Sicht() const { return *sicht_; }
  void SetzeSicht(const TVersionsSicht& sicht) { sicht_ = &sicht; }

  int Versionen() const { return static_cast<int>(wochen_.size()); }
  void SetzeVersionen(int n);

  // Concrete versions 1..N only.
  const TWoElem* Woche(int v) const;
  TWoElem* Woche(int v);
  void SetzeWoche(int v, const TWoElem& woche);
  void SetzeTag(int v, int d, uint32_t wort);
  uint32_t Tag(int v, int d) const;

  // With the version rule; d = 0 means days 1..7, p = 0 means periods 1..16.
  void SetzeBereich(int v, int d, int p, bool an);
  bool Belegt(int v, int d, int p) const;

  void LoescheIn(TWochBereich& ziel) const;
  void Vereinige(const TWochBereich& quelle);
  void BeschraenkeAuf(const TWochBereich& a, const TWochBereich& b);
  // Every version's day words of days 1..mtn equal version 1's.
  bool VersionenGleich(int schultage) const;

  void Leere();
  bool Leer() const;
  bool operator==(const TWochBereich& o) const { return wochen_ == o.wochen_; }

  // The concrete versions an argument stands for: [von, bis], empty when von > bis.
  void Bereich(int v, int& von, int& bis) const;

 private:
  const TVersionsSicht* sicht_;
  std::vector<TWoElem> wochen_;
};

class TWochenStunden {
 public:
  explicit TWochenStunden(const TVersionsSicht& sicht = TVersionsSicht::Standard());

  const TVersionsSicht& Sicht() const { return *sicht_; }
  void SetzeSicht(const TVersionsSicht& sicht) { sicht_ = &sicht; }

  int Versionen() const { return static_cast<int>(werte_.size()); }
  void SetzeVersionen(int n);
  void SetzeStunden(int v, int32_t wert);
  int32_t Stunden(int v) const;
  bool VersionenGleich() const;
  bool operator==(const TWochenStunden& o) const { return werte_ == o.werte_; }

 private:
  const TVersionsSicht* sicht_;
  std::vector<int32_t> werte_;
};

// The concrete version range [von, bis] a version argument stands for, for n versions.
void VersionsBereich(const TVersionsSicht& sicht, int n, int v, int& von, int& bis);

}  // namespace kolvar
