#pragma once
// The three settings every per-version grid and hour table needs to resolve a plan-version
// argument. The settings object owns one and keeps it current; tests make their own.

namespace kolvar {

constexpr int kMaxVersionen = 54;
constexpr int kTage = 7;
constexpr int kStunden = 16;

struct TVersionsSicht {
  int Versionen = 1;         // "mwn": plan versions in use, 1..54
  int AktuelleVersion = 1;   // current plan version, 1..Versionen
  bool NurAktuelle = true;   // "eaw": act on the current version only

  // The one default view: one version, acting on it only.
  static const TVersionsSicht& Standard() {
    static const TVersionsSicht sicht;
    return sicht;
  }
};

}  // namespace kolvar
