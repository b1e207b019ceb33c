#include "app/fensterartregel.h"

#include <initializer_list>

#include "model/ifenster.h"

namespace kolvar {

namespace {

constexpr unsigned Modi(std::initializer_list<int> modi) {
  unsigned bits = 0;
  for (int m : modi) bits |= 1u << m;
  return bits;
}

}  // namespace

const TArtRegel* RegelFuer(int tag) {
  static const TArtRegel plan{1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 2, 0, false};
  static const TArtRegel uv{1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, Modi({3, 4})};
  static const TArtRegel zwischen{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Modi({1, 2, 3, 4})};
  static const TArtRegel fehler{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0};
  static const TArtRegel dep{1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, Modi({4})};
  static const TArtRegel kursDep{1, 0, 1, 1, 1, 0, 1, 1, 1, 1, 1, Modi({4})};
  static const TArtRegel par{0, 0, 1, 1, 1, 1, 0, 0, 0, 1, -1, 0};
  static const TArtRegel grLeKl{0, 1, 0, 1, 0, 0, 1, 0, 0, 0, 0, Modi({1, 3, 4})};
  static const TArtRegel grUV{0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, Modi({1, 3, 4})};
  static const TArtRegel grAndere{0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, Modi({1, 2, 3, 4})};
  static const TArtRegel kurs{0, 1, 0, 1, 1, 0, 0, 0, 0, 0, -1, 0};
  static const TArtRegel manuell{1, 1, 1, 1, 1, 1, 0, 0, 0, 0, -1, 0};
  static const TArtRegel vertr{0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 2, Modi({3, 4})};
  static const TArtRegel stat{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0};
  static const TArtRegel wahl{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, Modi({1, 2, 3, 4})};
  switch (tag) {
    case FensterArt::LePln:
    case FensterArt::KlPln:
    case FensterArt::RaPln:
      return &plan;
    case FensterArt::UV:
      return &uv;
    case FensterArt::Zwischen:
      return &zwischen;
    case FensterArt::Fehler:
    case FensterArt::SV:
      return &fehler;
    case FensterArt::KursDep:
      return &kursDep;
    case FensterArt::Par:
      return &par;
    case FensterArt::LeGr:
    case FensterArt::KlGr:
      return &grLeKl;
    case FensterArt::UVGr:
      return &grUV;
    case FensterArt::KoGr:
    case FensterArt::FaGr:
    case FensterArt::RaGr:
      return &grAndere;
    case FensterArt::Kurs:
      return &kurs;
    case FensterArt::Manuell:
      return &manuell;
    case FensterArt::Vertr:
      return &vertr;
    case FensterArt::VLeWahl:
    case FensterArt::VRaWahl:
      return &wahl;
    case FensterArt::VStat:
      return &stat;
    default:
      if (tag >= FensterArt::LeDep && tag <= FensterArt::RaDep) return &dep;
      if (tag >= FensterArt::LeStat && tag <= FensterArt::UVStat) return &stat;
      return nullptr;
  }
}

bool ListeDerArt(int tag, TElementArt& art) {
  switch (tag) {
    case FensterArt::LePln:
    case FensterArt::LeDep:
    case FensterArt::LeGr:
      art = TElementArt::Lehrer;
      return true;
    case FensterArt::KlPln:
    case FensterArt::KlDep:
    case FensterArt::KlGr:
      art = TElementArt::Klasse;
      return true;
    case FensterArt::KoDep:
    case FensterArt::KoGr:
      art = TElementArt::Kopplung;
      return true;
    case FensterArt::FaDep:
    case FensterArt::FaGr:
      art = TElementArt::Fach;
      return true;
    case FensterArt::RaPln:
    case FensterArt::RaDep:
    case FensterArt::RaGr:
      art = TElementArt::Raum;
      return true;
    case FensterArt::UV:
    case FensterArt::UVGr:
      art = TElementArt::UVTab;
      return true;
    default:
      return false;
  }
}

}  // namespace kolvar
