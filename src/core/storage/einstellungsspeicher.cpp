#include "storage/einstellungsspeicher.h"

#include <charconv>

namespace kolvar {

std::optional<int> LiesGanzzahl(const std::string& text) {
  std::size_t a = text.find_first_not_of(" \t");
  if (a == std::string::npos) return std::nullopt;
  std::size_t b = text.find_last_not_of(" \t") + 1;
  if (text[a] == '+' && a + 1 < b && text[a + 1] != '-') ++a;  // from_chars takes no plus sign
  if (a >= b) return std::nullopt;
  int wert = 0;
  const char* anfang = text.data() + a;
  const char* ende = text.data() + b;
  const auto [p, fehler] = std::from_chars(anfang, ende, wert);
  if (fehler != std::errc() || p != ende) return std::nullopt;
  return wert;
}

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
