#include "storage/einstellungsspeicher.h"

#include "model/einstellungsformen.h"

namespace kolvar {

std::string IEinstellungsSpeicher::LiesString(const std::string& abschnitt, const std::string& name,
                                              const std::string& standard) const {
  auto wert = Lies(abschnitt, name);
  return wert ? *wert : standard;
}

int IEinstellungsSpeicher::LiesInteger(const std::string& abschnitt, const std::string& name,
                                       int standard) const {
  const auto text = Lies(abschnitt, name);
  if (!text) return standard;
  return LiesGanzzahl(*text).value_or(standard);
}

bool IEinstellungsSpeicher::LiesBool(const std::string& abschnitt, const std::string& name,
                                     bool standard) const {
  return LiesInteger(abschnitt, name, standard ? 1 : 0) != 0;
}

void IEinstellungsSpeicher::SchreibeString(const std::string& abschnitt, const std::string& name,
                                           const std::string& wert) {
  Schreibe(abschnitt, name, wert);
}

void IEinstellungsSpeicher::SchreibeInteger(const std::string& abschnitt, const std::string& name, int wert) {
  Schreibe(abschnitt, name, std::to_string(wert));
}

void IEinstellungsSpeicher::SchreibeBool(const std::string& abschnitt, const std::string& name, bool wert) {
  Schreibe(abschnitt, name, wert ? "1" : "0");
}

}  // namespace kolvar
