// A school file service whose file is a school built in code: every read builds it anew (five
// school days, the given number of versions, unmodified, with the path read); writing and
// importing fail.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/schuldateien.h"

namespace kolvar {

class TGebauteSchule : public ISchulDateien {
 public:
  explicit TGebauteSchule(std::function<void(TSchule&)> bau) : bau_(std::move(bau)) {}

  std::unique_ptr<TSchule> Lies(const std::string& pfad, TStandard& standard, TUmgebung umgebung,
                                IFortschritt& fortschritt, std::vector<TFenster>& fenster,
                                std::string& fehler) override;
  bool Schreibe(TSchule&, const std::string&, const std::vector<TFenster>&, IFortschritt&,
                std::string&) override {
    return false;
  }
  bool Importiere(TSchule&, const std::string&, IFortschritt&, std::string&) override { return false; }

  int versionen = 1;

 private:
  std::function<void(TSchule&)> bau_;
};

}  // namespace kolvar
