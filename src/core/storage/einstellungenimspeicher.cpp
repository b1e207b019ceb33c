#include "storage/einstellungenimspeicher.h"

namespace kolvar {

std::optional<std::string> TEinstellungenImSpeicher::Lies(const std::string& abschnitt,
                                                          const std::string& name) const {
  const auto it = werte_.find({abschnitt, name});
  if (it == werte_.end()) return std::nullopt;
  return it->second;
}

void TEinstellungenImSpeicher::Schreibe(const std::string& abschnitt, const std::string& name,
                                        const std::string& wert) {
  werte_[{abschnitt, name}] = wert;
}

void TEinstellungenImSpeicher::Entferne(const std::string& abschnitt, const std::string& name) {
  werte_.erase({abschnitt, name});
}

}  // namespace kolvar
