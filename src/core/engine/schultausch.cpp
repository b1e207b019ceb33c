// Exchanging two time slots for the whole school.

#include <string>
#include <vector>

#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

namespace {

void Versionen(const TSchule& schule, int& von, int& bis) {
  const TStandard& st = schule.Standard();
  VersionsBereich(st.Versionen(), st.mwn(), -1, von, bis);
}

// The course's hour at (v, d, p) is in the way of going to (zuD, zuP).
bool Hindernis(const TKurs& k, int v, int d, int p, int zuD, int zuP) {
  const TSetzung* s = k.FindeSetzung(v, d, p);
  return s != nullptr && (k.IstGesperrt(v, zuD, zuP, s->Raum()) || s->Fixiert());
}

}  // namespace

bool TSchule::TauschKonflikt(int d1, int p1, int d2, int p2) const {
  int von, bis;
  Versionen(*this, von, bis);
  for (int v = von; v <= bis; ++v)
    for (const TKurs* k : kurse_)
      if (Hindernis(*k, v, d1, p1, d2, p2) || Hindernis(*k, v, d2, p2, d1, p1)) return true;
  return false;
}

std::vector<std::string> TSchule::TauschKonflikte(int dA, int pA, int dB, int pB) const {
  std::vector<std::string> zeilen;
  int von, bis;
  Versionen(*this, von, bis);
  auto pruefe = [&](const TKurs& k, int v, int d, int p, int zuD, int zuP) {
    const TSetzung* s = k.FindeSetzung(v, d, p);
    if (s == nullptr) return;
    if (k.IstGesperrt(v, zuD, zuP, s->Raum()))
      zeilen.push_back("gesperrt " + k.VersionsText(v, zuD, zuP, nullptr, false));
    if (s->Fixiert()) zeilen.push_back("fixiert " + k.VersionsText(v, d, p, nullptr, false));
  };
  for (const TKurs* k : kurse_) {
    for (int v = von; v <= bis; ++v) {
      pruefe(*k, v, dA, pA, dB, pB);
      pruefe(*k, v, dB, pB, dA, pA);
    }
  }
  return zeilen;
}

void TSchule::TauscheStunden(int d1, int p1, int d2, int p2) {
  if (d1 == d2 && p1 == p2) return;
  struct TStunde {
    TKurs* kurs;
    TRaum* raum;
    int zuD, zuP;
  };
  int von, bis;
  Versionen(*this, von, bis);
  for (int v = von; v <= bis; ++v) {
    // Every hour leaves first, so that no hour arrives while another still holds the slot.
    std::vector<TStunde> wandern;
    const std::vector<TKurs*> kurse = kurse_.Elemente();
    for (TKurs* k : kurse) {
      TSetzung* s1 = k->FindeSetzung(v, d1, p1);
      TSetzung* s2 = k->FindeSetzung(v, d2, p2);
      if (s1 != nullptr) {
        wandern.push_back({k, s1->Raum(), d2, p2});
        k->LoeseSperrungen(v, d2, p2, s1->Raum());
      }
      if (s2 != nullptr) {
        wandern.push_back({k, s2->Raum(), d1, p1});
        k->LoeseSperrungen(v, d1, p1, s2->Raum());
      }
      if (s1 != nullptr) k->EntferneSetzung(s1);
      if (s2 != nullptr) k->EntferneSetzung(s2);
    }
    for (const TStunde& h : wandern) h.kurs->Setze(v, h.zuD, h.raum, h.zuP);
  }
}

}  // namespace kolvar
