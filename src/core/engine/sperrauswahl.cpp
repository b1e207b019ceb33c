#include "engine/sperrauswahl.h"

#include <algorithm>

#include "model/aenderungen.h"
#include "model/element.h"
#include "model/fensterart.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"

namespace kolvar {

TSperrQuelle TSperrQuelle::VonElement(TPlanElement& e) {
  TSperrQuelle q;
  q.Sperre = &e.Sperrung();
  q.Belegung = &e.Belegung();
  q.Element = &e;
  q.Stunde = [&e](int v, int d, int p) -> const TKurs* {
    const TListe<TKurs> kurse = e.KurseAn(v, d, p);
    return kurse.Hole(1);
  };
  return q;
}

TSperrQuelle TSperrQuelle::VonKurs(TKurs& k) {
  TSperrQuelle q;
  q.Sperre = &k.Sperrung();
  q.Belegung = &k.Belegung();
  q.Kurs = &k;
  q.Stunde = [&k](int, int, int) -> const TKurs* { return &k; };
  return q;
}

TSperrQuelle TSperrQuelle::VonVorlage(TWochBereich& vorlage, const TWochBereich& leer) {
  TSperrQuelle q;
  q.Sperre = &vorlage;
  q.Belegung = &leer;
  return q;
}

TWochenZelle ZeichneWochenZelle(const TSperrQuelle& q, int v, int d, int p) {
  TWochenZelle z;
  if (q.Belegung != nullptr && q.Belegung->Belegt(v, d, p)) {
    z.Art = TWochenZelle::TArt::Gesetzt;
    const TKurs* kurs = q.Stunde ? q.Stunde(v, d, p) : nullptr;
    if (kurs != nullptr) {
      const TSetzung* s = kurs->FindeSetzung(v, d, p);
      z.Fixiert = s != nullptr && s->Fixiert();
      z.Gekoppelt = kurs->Kopplung() != nullptr;
    }
  } else if (q.Sperre != nullptr && q.Sperre->Belegt(v, d, p)) {
    z.Art = TWochenZelle::TArt::Gesperrt;
  }
  return z;
}

bool SperreAuswahl(TSperrQuelle& q, int v, int tagVon, int tagBis, int stdVon, int stdBis, int startTag,
                   int startStd) {
  // Only a concrete version: the grid always edits the current version, never "all".
  if (q.Sperre == nullptr || v < 1 || v > q.Sperre->Versionen()) return false;
  if (tagVon > tagBis) std::swap(tagVon, tagBis);
  if (stdVon > stdBis) std::swap(stdVon, stdBis);
  tagVon = std::max(tagVon, 1);
  tagBis = std::min(tagBis, kTage);
  stdVon = std::max(stdVon, 1);
  stdBis = std::min(stdBis, kStunden);
  const bool neu = !q.Sperre->Belegt(v, startTag, startStd);
  bool geaendert = false;
  for (int d = tagVon; d <= tagBis; ++d) {
    for (int p = stdVon; p <= stdBis; ++p) {
      if (q.Belegung != nullptr && q.Belegung->Belegt(v, d, p)) continue;
      if (q.Sperre->Belegt(v, d, p) == neu) continue;
      q.Sperre->SetzeBereich(v, d, p, neu);
      geaendert = true;
    }
  }
  return geaendert;
}

bool SperreAuswahl(TSchule& schule, TSperrQuelle& q, int v, int tagVon, int tagBis, int stdVon, int stdBis,
                   int startTag, int startStd) {
  TSchule::TAktion aktion(schule);
  if (!SperreAuswahl(q, v, tagVon, tagBis, stdVon, stdBis, startTag, startStd)) return false;
  schule.SetzeGeaendert(true);
  if (q.Element != nullptr) {
    schule.MerkeElement(q.Element, Aenderung::Zeichnen | Aenderung::Daten);
    // An element's lock rebuilds the hour distribution, which starts again on the teachers.
    schule.MerkeArt(FensterArt::SV, Aenderung::Daten);
  }
  if (q.Kurs != nullptr) schule.MerkeKurs(q.Kurs, Aenderung::Zeichnen);
  return true;
}

}  // namespace kolvar
