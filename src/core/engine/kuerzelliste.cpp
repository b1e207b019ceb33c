#include "engine/kuerzelliste.h"

#include <algorithm>
#include <optional>

#include "engine/planweit.h"
#include "model/element.h"
#include "model/schule.h"
#include "model/text.h"
#include "storage/mactext.h"

namespace kolvar {

std::vector<TElement*> TKuerzelListe::Elemente() const {
  return schule_.Elemente(art_);
}

bool TKuerzelListe::GueltigesKuerzel(std::string_view text) {
  return !text.empty() && text.front() != ' ' && TextLaenge(text) <= kKuerzelLaenge && MacDarstellbar(text);
}

int TKuerzelListe::Treffer(std::string_view text) const {
  if (text.empty()) return -1;
  const std::vector<TElement*> elemente = Elemente();
  for (int i = static_cast<int>(elemente.size()) - 1; i >= 0; --i)
    if (elemente[static_cast<std::size_t>(i)]->Kuerzel() == text) return i;
  return -1;
}

TElement* TKuerzelListe::Neu(std::string_view text) {
  if (!GueltigesKuerzel(text) || Treffer(text) >= 0) return nullptr;
  TSchule::TAktion aktion(schule_);
  TElement* e = schule_.NeuesElement(art_, text);
  schule_.SetzeGeaendert(true);
  schule_.AktualisiereAlleFenster();
  return e;
}

TKuerzelListe::TUmbenennung TKuerzelListe::Umbenenne(TElement* e, std::string_view text) {
  if (e == nullptr || e->Kuerzel() == text) return TUmbenennung::Gleich;
  if (!GueltigesKuerzel(text)) return TUmbenennung::Ungueltig;
  if (Treffer(text) >= 0) return TUmbenennung::Doppelt;
  TSchule::TAktion aktion(schule_);
  e->SetzeKuerzel(text);
  // Captions, course texts and every list that shows abbreviations.
  schule_.AktualisiereAlleFenster();
  return TUmbenennung::Umbenannt;
}

bool TKuerzelListe::HatDaten(const TElement& e) {
  return !e.Kurse().Leer();
}

void TKuerzelListe::Loesche(TElement* e) {
  if (e == nullptr || e->Art() != art_) return;
  TSchule::TAktion aktion(schule_);
  // An element with courses takes their lessons along; the manual window's steps must not
  // replay them onto courses that lost it.
  std::optional<TPlanweit> planweit;
  if (HatDaten(*e)) planweit.emplace(schule_);
  schule_.LoescheElement(e);
  schule_.AktualisiereAlleFenster();
}

bool TKuerzelListe::KuerzelSortieren(const TVergleich& vergleich) {
  const std::vector<TElement*> vorher = Elemente();
  std::vector<TElement*> sortiert = vorher;
  std::stable_sort(sortiert.begin(), sortiert.end(), [&vergleich](const TElement* a, const TElement* b) {
    return vergleich(a->Kuerzel(), b->Kuerzel()) < 0;
  });
  if (sortiert == vorher) return false;
  TSchule::TAktion aktion(schule_);
  for (std::size_t i = 0; i < sortiert.size(); ++i)
    if (Elemente()[i] != sortiert[i]) schule_.VerschiebeElement(sortiert[i], static_cast<int>(i) + 1);
  schule_.AktualisiereAlleFenster();
  return true;
}

bool TKuerzelListe::Verschiebe(int von, int nach) {
  const std::vector<TElement*> elemente = Elemente();
  const int n = static_cast<int>(elemente.size());
  if (von == nach || von < 0 || nach < 0 || von >= n || nach >= n) return false;
  TSchule::TAktion aktion(schule_);
  schule_.VerschiebeElement(elemente[static_cast<std::size_t>(von)], nach + 1);
  schule_.AktualisiereAlleFenster();
  return true;
}

}  // namespace kolvar
