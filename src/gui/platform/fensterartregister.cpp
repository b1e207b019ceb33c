#include "platform/fensterartregister.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "model/element.h"

namespace kolvar {

namespace {

const TFensterArtInfo& Zeile(int art) {
  const TFensterArtInfo* info = FensterArtInfo(art);
  if (info == nullptr) throw std::logic_error("Fensterart " + std::to_string(art) + " gibt es nicht");
  return *info;
}

}  // namespace

void TFensterArtRegister::Registriere(int art, const char* form, TBauer bauer, TOeffner oeffner) {
  const TFensterArtInfo& info = Zeile(art);
  if (form == nullptr || std::strcmp(form, info.Form) != 0)
    throw std::logic_error("Fensterart " + std::to_string(art) + " baut " + info.Form + ", nicht " +
                           (form ? form : "nichts"));
  TEintrag& e = eintraege_[static_cast<std::size_t>(art)];
  if (e.bauer) throw std::logic_error(std::string("zweiter Bauer für ") + info.Form);
  if (!bauer) throw std::logic_error(std::string("kein Bauer für ") + info.Form);
  e.bauer = std::move(bauer);
  e.oeffner = std::move(oeffner);
  if (e.oeffner && BeiNeuemOeffner) BeiNeuemOeffner(art);
}

void TFensterArtRegister::Setze(int art, TFensterBefehl befehl, TBefehl ausfuehren, TFormPruefung form) {
  const TFensterArtInfo& info = Zeile(art);
  TEintrag& e = eintraege_[static_cast<std::size_t>(art)];
  const auto b = static_cast<std::size_t>(befehl);
  if (e.befehle[b])
    throw std::logic_error(std::string("zweiter Befehl ") + std::to_string(static_cast<int>(befehl)) +
                           " für " + info.Form);
  if (!ausfuehren) throw std::logic_error(std::string("leerer Befehl für ") + info.Form);
  e.befehle[b] = std::move(ausfuehren);
  e.formen[b] = form;
}

bool TFensterArtRegister::HatBefehl(int art, TFensterBefehl befehl) const {
  const TEintrag* e = Eintrag(art);
  return e != nullptr && static_cast<bool>(e->befehle[static_cast<std::size_t>(befehl)]);
}

bool TFensterArtRegister::NimmtFenster(int art, TFensterBefehl befehl, const TKindFenster& fenster) const {
  if (!HatBefehl(art, befehl)) return false;
  const TFormPruefung form = Eintrag(art)->formen[static_cast<std::size_t>(befehl)];
  return form == nullptr || form(fenster);
}

const TFensterArtRegister::TEintrag* TFensterArtRegister::Eintrag(int art) const {
  if (art < 0 || art >= FensterArt::Grenze) return nullptr;
  return &eintraege_[static_cast<std::size_t>(art)];
}

bool TFensterArtRegister::HatBauer(int art) const {
  const TEintrag* e = Eintrag(art);
  return e != nullptr && static_cast<bool>(e->bauer);
}

bool TFensterArtRegister::HatOeffner(int art) const {
  const TEintrag* e = Eintrag(art);
  return e != nullptr && static_cast<bool>(e->oeffner);
}

bool TFensterArtRegister::HatElementOeffner(int gruppe) const {
  for (const TFensterArtInfo& info : FensterArten())
    if (info.Gruppe == gruppe && info.Liste && IstElementFenster(info.Tag) && HatOeffner(info.Tag))
      return true;
  return false;
}

TKindFenster* TFensterArtRegister::Baue(int art) const {
  return HatBauer(art) ? Eintrag(art)->bauer() : nullptr;
}

bool TFensterArtRegister::Oeffne(int art, TElement* element, std::uint8_t tasten) const {
  if (!HatOeffner(art)) return false;
  Eintrag(art)->oeffner(element, tasten);
  return true;
}

bool TFensterArtRegister::OeffneElement(TElement* element, int gruppe, std::uint8_t tasten) const {
  if (element == nullptr) return false;
  return Oeffne(FensterArtFuer(element->Art(), gruppe), element, tasten);
}

bool TFensterArtRegister::FuehreAus(TFensterBefehl befehl, IFenster* aktiv) const {
  auto* fenster = dynamic_cast<TKindFenster*>(aktiv);
  return fenster != nullptr && FuehreAus(befehl, *fenster);
}

bool TFensterArtRegister::FuehreAus(TFensterBefehl befehl, TKindFenster& fenster) const {
  const TEintrag* e = Eintrag(fenster.Tag());
  const TBefehl* eigen = e != nullptr ? &e->befehle[static_cast<std::size_t>(befehl)] : nullptr;
  if (eigen != nullptr && *eigen) {
    (*eigen)(fenster);
    return true;
  }
  switch (befehl) {
    case TFensterBefehl::Drucken:
      fenster.FensterDrucken();
      return true;
    case TFensterBefehl::Kopieren:
      fenster.Kopieren();
      return true;
    case TFensterBefehl::AllesAuswaehlen:
      fenster.AllesAuswaehlen();
      return true;
    case TFensterBefehl::Ausschneiden:
    case TFensterBefehl::Einsetzen:
    case TFensterBefehl::Automat:
      break;
  }
  return false;
}

}  // namespace kolvar
