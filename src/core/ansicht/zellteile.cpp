#include "ansicht/zellteile.h"

#include <algorithm>

#include "ansicht/planzellen.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/raum.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

namespace {

std::string Text(const TKurs& kurs, int v, int d, int p, const std::array<int, 3>& teil) {
  return kurs.ZellenText(v, d, p, teil[0], teil[1], teil[2]);
}

// A class plan's copy with Shift: a coupled lesson shows the coupling alone ("o") or its first
// course as coupling, subject (, room).
std::string EinzelnText(const TStandard& st, const TKurs& kurs, int d, int p, bool kopplung) {
  const int v = st.AktuelleVersion();
  const int raum = st.PlanFenster.mra ? Teil::Raum : Teil::Keiner;
  const TKopplung* ko = kurs.Kopplung();
  if (ko == nullptr) return Text(kurs, v, d, p, {Teil::Lehrer, Teil::Fach, raum});
  if (kopplung) return Text(kurs, v, d, p, {Teil::Kopplung, Teil::Keiner, Teil::Keiner});
  const TKurs* erster = ko->Kurse().Hole(1);
  return Text(erster != nullptr ? *erster : kurs, v, d, p, {Teil::Kopplung, Teil::Fach, raum});
}

// The extra lines of a class plan's copy with Shift: one per course of the largest coupling of
// the period; with "x" the first course stands in the main line already.
void EinzelnZeilen(const TPlanZellen& zellen, const TStandard& st, int p, bool kopplung,
                   std::vector<std::string>& zeilen) {
  const int v = st.AktuelleVersion();
  const int raum = st.PlanFenster.mra ? Teil::Raum : Teil::Keiner;
  int m = kopplung ? 0 : 1;
  for (int d = 1; d <= zellen.Tage(); ++d)
    if (const TKurs* k = zellen.Kurs(d, p); k != nullptr && k->Kopplung() != nullptr)
      m = std::max(m, k->Kopplung()->Kurse().Anzahl());
  for (int i = kopplung ? 1 : 2; i <= m; ++i) {
    std::string zeile;
    for (int d = 1; d <= zellen.Tage(); ++d) {
      zeile += '\t';
      const TKurs* k = zellen.Kurs(d, p);
      const TKurs* iter = k != nullptr && k->Kopplung() != nullptr ? k->Kopplung()->Kurse().Hole(i) : nullptr;
      if (iter != nullptr)
        zeile += Text(*iter, v, d, p, {kopplung ? Teil::Lehrer : Teil::Kopplung, Teil::Fach, raum});
    }
    zeilen.push_back(std::move(zeile));
  }
}

}  // namespace

std::string ZellTeilText(const TKurs& kurs, int v, int d, int p, int teil) {
  if (teil == Teil::Raum) {
    const TSetzung* s = kurs.FindeSetzung(v, d, p);
    return s != nullptr && s->Raum() != nullptr ? s->Raum()->Kuerzel() : std::string();
  }
  std::string text = kurs.ZellenText(v, d, p, teil, Teil::Keiner, Teil::Keiner);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

TZellTeile ZellTeile(const TStandard& st, TElementArt plan, const TKurs* kurs, bool kopplung) {
  const auto& f = st.PlanFenster;
  const bool zeigtKopplung = kurs != nullptr && kurs->Kopplung() != nullptr && kopplung;
  const int raum = f.mra ? Teil::Raum : Teil::Keiner;
  const int raumBreite = f.mra ? f.prb : 0;
  TZellTeile t;
  switch (plan) {
    case TElementArt::Klasse:
      t.teil = {zeigtKopplung ? Teil::Kopplung : Teil::Lehrer, Teil::Fach, raum};
      t.breite = {st.GetPlnLeKoBreite(), f.pfb, raumBreite};
      break;
    case TElementArt::Raum:
      t.teil = {Teil::Lehrer, zeigtKopplung ? Teil::Kopplung : Teil::Klasse,
                f.mra ? Teil::Fach : Teil::Keiner};
      t.breite = {f.plb, st.GetPlnKlKoBreite(), f.mra ? f.pfb : 0};
      break;
    default:
      t.teil = {zeigtKopplung ? Teil::Kopplung : Teil::Klasse, Teil::Fach, raum};
      t.breite = {st.GetPlnKlKoBreite(), f.pfb, raumBreite};
      break;
  }
  return t;
}

namespace {

// The copy shows what the cell shows, but a room plan always adds the subject and never the
// room, which is the plan's own.
std::array<int, 3> KopierTeile(const TStandard& st, TElementArt plan, const TKurs& kurs, bool kopplung) {
  std::array<int, 3> teil = ZellTeile(st, plan, &kurs, kopplung).teil;
  if (plan == TElementArt::Raum) teil[2] = Teil::Fach;
  return teil;
}

}  // namespace

std::vector<std::string> PlanKopie(const TPlanZellen& zellen, const TStandard& st, TElementArt plan,
                                   bool kopplung, bool einzeln) {
  const int v = st.AktuelleVersion();
  einzeln = einzeln && plan == TElementArt::Klasse;
  std::vector<std::string> zeilen;
  std::string kopf;
  for (int d = 1; d <= zellen.Tage(); ++d) kopf += '\t' + st.spg[static_cast<std::size_t>(d - 1)];
  zeilen.push_back(std::move(kopf));
  for (int p = 1; p <= zellen.Stunden(); ++p) {
    std::string zeile = st.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p - 1)];
    for (int d = 1; d <= zellen.Tage(); ++d) {
      zeile += '\t';
      const TKurs* k = zellen.Kurs(d, p);
      if (k == nullptr)
        zeile += "---";
      else if (einzeln)
        zeile += EinzelnText(st, *k, d, p, kopplung);
      else
        zeile += Text(*k, v, d, p, KopierTeile(st, plan, *k, kopplung));
    }
    zeilen.push_back(std::move(zeile));
    if (einzeln) EinzelnZeilen(zellen, st, p, kopplung, zeilen);
  }
  return zeilen;
}

}  // namespace kolvar
