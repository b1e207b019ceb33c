#include "substitution/kalender.h"

#include <algorithm>
#include <array>

#include "model/aenderungen.h"
#include "model/datum.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "substitution/vertretung.h"

namespace kolvar {

std::string MonatsTitel(int jahr, int monat) {
  return std::string(MonatsName(monat)) + " " + std::to_string(jahr);
}

TKalender::TKalender(const TSchule& schule)
    : wochen_(schule.WochenTabelle()),
      frei_(schule.Standard().FreieTage),
      versionen_(schule.Standard().mwn()) {
  const TKalenderDatum heute = KalenderDatum(schule.Zeit().Heute());
  ZeigeMonat(heute.Jahr, heute.Monat);
}

void TKalender::ZeigeMonat(int jahr, int monat) {
  if (jahr < kErstesJahr) {
    jahr = kErstesJahr;
    monat = 1;
  } else if (jahr > kLetztesJahr) {
    jahr = kLetztesJahr;
    monat = 12;
  }
  jahr_ = jahr;
  monat_ = std::clamp(monat, 1, 12);
}

void TKalender::Blaettere(int schritt) {
  const int n = jahr_ * 12 + (monat_ - 1) + schritt;
  ZeigeMonat(n / 12, n % 12 + 1);
}

int32_t TKalender::Montag(int spalte) const {
  const int32_t erster = TagesNummer(jahr_, monat_, 1);
  return erster - (kolvar::Wochentag(erster) - 1) + 7 * (spalte - 1);
}

int TKalender::Version(int spalte) const {
  const int v = wochen_[static_cast<std::size_t>(WochenIndex(Montag(spalte)))];
  return v >= 1 && v <= versionen_ ? v : 1;
}

int TKalender::Kalenderwoche(int spalte) const {
  return kolvar::Kalenderwoche(Montag(spalte));
}

int32_t TKalender::Datum(int spalte, int zeile) const {
  if (spalte < 1 || spalte > kWochenSpalten || zeile < kErsteTagZeile || zeile >= kErsteTagZeile + 7)
    return 0;
  const int32_t datum = Montag(spalte) + (zeile - kErsteTagZeile);
  const TKalenderDatum k = KalenderDatum(datum);
  return k.Jahr == jahr_ && k.Monat == monat_ ? datum : 0;
}

bool TKalender::IstFrei(int32_t datum) const {
  return (frei_[static_cast<std::size_t>(WochenIndex(datum))] >> (kolvar::Wochentag(datum) - 1)) & 1u;
}

int TKalender::Tag(int spalte, int zeile) const {
  const int32_t datum = Datum(spalte, zeile);
  if (datum == 0) return 0;
  const int tag = KalenderDatum(datum).Tag;
  return IstFrei(datum) ? -tag : tag;
}

void TKalender::SetzeVersion(int spalte, int version) {
  if (spalte < 1 || spalte > kWochenSpalten || version < 1 || version > versionen_) return;
  wochen_[static_cast<std::size_t>(WochenIndex(Montag(spalte)))] = static_cast<uint8_t>(version);
}

bool TKalender::MarkiereBereich(int spalte1, int zeile1, int spalte2, int zeile2) {
  const int32_t start = Datum(spalte1, zeile1);
  if (start == 0) return false;
  const bool frei = !IstFrei(start);
  bool geaendert = false;
  for (int s = std::min(spalte1, spalte2); s <= std::max(spalte1, spalte2); ++s)
    for (int z = std::min(zeile1, zeile2); z <= std::max(zeile1, zeile2); ++z) {
      const int32_t datum = Datum(s, z);
      if (datum == 0 || IstFrei(datum) == frei) continue;
      uint8_t& woche = frei_[static_cast<std::size_t>(WochenIndex(datum))];
      woche = static_cast<uint8_t>(woche ^ (1u << (kolvar::Wochentag(datum) - 1)));
      geaendert = true;
    }
  return geaendert;
}

void TKalender::Uebernimm(TSchule& schule) const {
  schule.SetzeWochenTabelle(wochen_);
  schule.Standard().SetFreieTage(frei_);
  EntferneUnpassendeVertretungen(schule);
  // The day list shows whether its date is a school day.
  schule.MerkeArt(FensterArt::Vertr, Aenderung::Daten);
  schule.SetzeGeaendert(true);
}

}  // namespace kolvar
