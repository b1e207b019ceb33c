#include "engine/vorgaberegeln.h"

#include <array>
#include <span>
#include <vector>

#include "model/aenderungen.h"
#include "model/datum.h"
#include "model/element.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "model/text.h"

namespace kolvar {

int32_t KorrigiereDatum(int& tag, int monat, int jahr) {
  for (int versuch = 0; versuch < 3 && !DatumGueltig(jahr, monat, tag); ++versuch) --tag;
  return TagesNummer(jahr, monat, tag);
}

std::string StundenBezeichnung(std::string_view text) {
  std::string t = KuerzeText(text, kStundenLabelLaenge);
  while (t.size() > 1 && t.back() == ' ') t.pop_back();
  return t;
}

int EinzelstundenVorschlag(int stunden, int proTag) {
  if (stunden <= 0) return -1;
  return proTag <= 1 ? stunden : stunden % proTag;
}

std::string FarbeNachHTML(uint32_t farbe) {
  static const char kZiffern[] = "0123456789ABCDEF";
  std::string text = "\"#";
  for (const int verschiebung : {0, 8, 16}) {
    const uint32_t byte = (farbe >> verschiebung) & 0xFFu;
    text += kZiffern[byte >> 4];
    text += kZiffern[byte & 0xFu];
  }
  text += '"';
  return text;
}

TKuerzelListen KuerzelListen(const TSchule& schule) {
  TKuerzelListen listen;
  static constexpr std::array<TElementArt, 5> kArten{
      TElementArt::Lehrer, TElementArt::Klasse, TElementArt::Kopplung, TElementArt::Fach, TElementArt::Raum};
  for (std::size_t i = 0; i < kArten.size(); ++i)
    for (const TElement* e : schule.Elemente(kArten[i])) listen[i].push_back(e->Kuerzel());
  return listen;
}

namespace {

void Baue(TSchule& schule, std::span<const int> arten) {
  TSchule::TAktion aktion(schule);
  for (const int art : arten) schule.MerkeArt(art, Aenderung::Daten);
}

}  // namespace

void PlanFensterNeuAufbauen(TSchule& schule) {
  // The plans, and the table and manual windows that draw week grids beside them.
  const std::span<const int> plaene = ArtenDerFamilie(TFamilie::Plan);
  std::vector<int> arten(plaene.begin(), plaene.end());
  arten.push_back(FensterArt::UV);
  arten.push_back(FensterArt::Manuell);
  Baue(schule, arten);
}

void DeputatFensterNeuAufbauen(TSchule& schule) {
  Baue(schule, ArtenDerFamilie(TFamilie::Deputat));
}

void GrunddatenFensterNeuAufbauen(TSchule& schule) {
  // The editors of the elements that have a plan: those with a lock grid.
  std::vector<int> arten;
  for (const int plan : ArtenDerFamilie(TFamilie::Plan))
    if (const TFensterArtInfo* info = FensterArtInfo(plan); info != nullptr && info->Liste)
      if (const int editor = FensterArtFuer(*info->Liste, 0); editor != 0) arten.push_back(editor);
  Baue(schule, arten);
}

}  // namespace kolvar
