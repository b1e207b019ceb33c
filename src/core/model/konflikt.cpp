#include "model/konflikt.h"

#include "model/element.h"
#include "model/kurs.h"

namespace kolvar {

void TKonflikt::Setze(int art, int schwere, TKurs* kurs, TElement* element, int version) {
  art_ = art;
  schwere_ = schwere;
  kurs_ = kurs;
  element_ = element;
  version_ = version;
}

std::string TKonflikt::Text() const {
  const std::string v = "{" + std::to_string(version_) + "}";
  const std::string k = element_ ? element_->Kuerzel() : std::string();
  const std::string c = kurs_ ? kurs_->Text() : std::string();
  static const char* const kArt[] = {"Lehrer", "Klasse", "Raum"};
  switch (art_) {
    case KonfliktArt::KursGesperrt:
      return v + " Kurs " + c + " gesperrt.";
    case KonfliktArt::LehrerGesperrt:
    case KonfliktArt::KlasseGesperrt:
    case KonfliktArt::RaumGesperrt:
      return v + " " + kArt[art_ - 1] + " " + k + " gesperrt. ";
    case KonfliktArt::LehrerFixiert:
    case KonfliktArt::KlasseFixiert:
    case KonfliktArt::RaumFixiert:
      return v + " " + kArt[art_ - 4] + " " + k + " fixiert durch " + c + ".";
    case KonfliktArt::LehrerBesetzt:
    case KonfliktArt::KlasseBesetzt:
    case KonfliktArt::RaumBesetzt:
      return v + " " + kArt[art_ - 7] + " " + k + " besetzt durch " + c + ".";
    default:
      return {};
  }
}

int VergleicheKonflikte(const TKonflikt* a, const TKonflikt* b) {
  if (a->Art() == b->Art()) return 0;
  return a->Art() < b->Art() ? -1 : 1;
}

bool GleicherKonflikt(const TKonflikt* a, const TKonflikt* b) {
  return a->Kurs() == b->Kurs() && a->Version() == b->Version();
}

}  // namespace kolvar
