#include "substitution/fehleingabe.h"

#include <algorithm>
#include <array>

#include "model/aenderungen.h"
#include "model/datum.h"
#include "model/element.h"
#include "model/fehl.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "model/standard.h"
#include "substitution/fehlzeit.h"

namespace kolvar {

namespace {
constexpr int kPerioden = 16;
}  // namespace

uint16_t FehlMaske(std::string_view text) {
  unsigned maske = 0;
  for (int p = 0; p < kPerioden; ++p) {
    const bool fehlt = p < static_cast<int>(text.size()) && text[static_cast<std::size_t>(p)] == '+';
    maske = maske * 2 + (fehlt ? 1u : 0u);
  }
  return static_cast<uint16_t>(maske);
}

std::string MaskenText(uint16_t maske) {
  std::string text(kPerioden, '-');
  for (int p = 1; p <= kPerioden; ++p)
    if ((maske >> (kPerioden - p)) & 1u) text[static_cast<std::size_t>(p - 1)] = '+';
  return text;
}

std::string NeueMaske(int von, int bis) {
  std::string text(kPerioden, '-');
  for (int p = std::max(von, 1); p <= std::min(bis, kPerioden); ++p)
    text[static_cast<std::size_t>(p - 1)] = '+';
  return text;
}

std::string LangesDatum(int32_t datum) {
  const TKalenderDatum k = KalenderDatum(datum);
  return std::string(TagName(Wochentag(datum))) + ", " + std::to_string(k.Tag) + ". " + MonatsName(k.Monat) +
         ", " + std::to_string(k.Jahr);
}

TFehlEingabe::TFehlEingabe(TSchule& schule, TElementArt art, int32_t datum)
    : schule_(schule), art_(art), datum_(datum), bis_(std::clamp(schule.Standard().pst, 1, kPerioden)) {
  const TListe<TFehl>* liste = nullptr;
  switch (art) {
    case TElementArt::Lehrer:
      liste = &schule.LehrerFehlen();
      break;
    case TElementArt::Klasse:
      liste = &schule.KlassenFehlen();
      break;
    case TElementArt::Raum:
      liste = &schule.RaumFehlen();
      break;
    default:
      return;
  }
  for (TFehl* f : *liste)
    if (f->Datum() == datum && f->Element()) zeilen_.push_back({f->Element(), f, MaskenText(f->Stunden())});
}

int TFehlEingabe::Wochentag() const {
  return kolvar::Wochentag(datum_);
}

int TFehlEingabe::Version() const {
  return schule_.VersionDerWoche(datum_);
}

int TFehlEingabe::ZeileVon(const TFehl* f) const {
  for (std::size_t i = 0; i < zeilen_.size(); ++i)
    if (f && zeilen_[i].Fehl == f) return static_cast<int>(i);
  return -1;
}

int TFehlEingabe::ZeileVon(const TPlanElement* e) const {
  for (std::size_t i = 0; i < zeilen_.size(); ++i)
    if (e && zeilen_[i].Element == e) return static_cast<int>(i);
  return -1;
}

std::string TFehlEingabe::Tagesmuster(int zeile) const {
  if (zeile < 0 || zeile >= static_cast<int>(zeilen_.size())) return {};
  return zeilen_[static_cast<std::size_t>(zeile)].Element->Tagesmuster(Version(), Wochentag());
}

void TFehlEingabe::SetzeVon(int p) {
  von_ = std::clamp(p, 1, kPerioden);
  bis_ = std::max(bis_, von_);
}

void TFehlEingabe::SetzeBis(int p) {
  bis_ = std::clamp(p, 1, kPerioden);
  von_ = std::min(von_, bis_);
}

int TFehlEingabe::FuegeHinzu(TPlanElement* e) {
  if (!e || e->Art() != art_) return -1;
  if (const int z = ZeileVon(e); z >= 0) return z;
  zeilen_.push_back({e, nullptr, NeueMaske(von_, bis_)});
  return static_cast<int>(zeilen_.size()) - 1;
}

bool TFehlEingabe::Klick(int zeile, int x, bool shift, bool strg) {
  if (zeile < 0 || zeile >= static_cast<int>(zeilen_.size())) return false;
  std::string& maske = zeilen_[static_cast<std::size_t>(zeile)].Maske;
  if (shift) {
    maske = std::string(kPerioden, '-');
    return true;
  }
  if (strg) {
    maske = std::string(kPerioden, '+');
    return true;
  }
  // The bar is a little wider than its sixteen periods.
  if (x < 0) return false;
  const int p = x / kFehlStundenBreite + 1;
  if (p > kPerioden) return false;
  char& c = maske[static_cast<std::size_t>(p - 1)];
  c = c == '+' ? '-' : '+';
  return true;
}

void TFehlEingabe::Speichere() {
  TSchule::TAktion aktion(schule_);
  for (const TFehlZeile& z : zeilen_) SetzeFehlzeit(*z.Element, datum_, FehlMaske(z.Maske));
  schule_.SetzeGeaendert(true);
  schule_.MerkeArt(FensterArt::Vertr, Aenderung::Daten);
}

int TrageFehlzeitenEin(TPlanElement& e, std::string_view maske, int32_t start, int32_t ende) {
  TSchule::TAktion aktion(e.Schule());
  const TStandard& st = e.Schule().Standard();
  const uint16_t m = FehlMaske(maske);
  int tage = 0;
  for (int32_t tag = start + 1; tag <= std::min(ende, kLetzterTag); ++tag) {
    if (st.IstFreierTag(tag) || st.AusserhalbSchultage(tag)) continue;
    SetzeFehlzeit(e, tag, m);
    ++tage;
  }
  e.Schule().MerkeArt(FensterArt::Vertr, Aenderung::Daten);
  return tage;
}

int32_t FehlEndDatum(int jahr, int monat, int tag, int32_t start) {
  jahr = std::clamp(jahr, kErstesJahr, kLetztesJahr);
  monat = std::clamp(monat, 1, 12);
  tag = std::clamp(tag, 1, 31);
  while (tag > 28 && !DatumGueltig(jahr, monat, tag)) --tag;
  return std::max(TagesNummer(jahr, monat, tag), start);
}

}  // namespace kolvar
