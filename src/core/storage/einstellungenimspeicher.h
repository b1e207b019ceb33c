#pragma once
// A settings store held in memory: for tests and for tools that run with the defaults.

#include <map>
#include <string>
#include <utility>

#include "storage/einstellungsspeicher.h"

namespace kolvar {

class TEinstellungenImSpeicher : public IEinstellungsSpeicher {
 public:
  using TSchluessel = std::pair<std::string, std::string>;  // section, value name

  std::optional<std::string> Lies(const std::string& abschnitt, const std::string& name) const override;
  void Schreibe(const std::string& abschnitt, const std::string& name, const std::string& wert) override;

  void Entferne(const std::string& abschnitt, const std::string& name);
  const std::map<TSchluessel, std::string>& Werte() const { return werte_; }
  bool operator==(const TEinstellungenImSpeicher& o) const { return werte_ == o.werte_; }

 private:
  std::map<TSchluessel, std::string> werte_;
};

}  // namespace kolvar
