// The core's questions and notices, shown through the dialog service (so tests answer them).
// A feature may bring its own dialog for a request (the placing dialogs of the plan views);
// every other request gets a question form built from its texts.
#pragma once

#include <functional>
#include <map>

#include "model/idialoge.h"

namespace kolvar {

class TGuiDialoge : public IDialoge {
 public:
  // Shows the feature's dialog for the request and returns its modal result.
  using TAntwort = std::function<int(const std::vector<std::string>& texte)>;

  void Registriere(TDialog art, TAntwort antwort);

  int Frage(TDialog art, const std::vector<std::string>& texte) override;
  void Melde(TDialog art, const std::vector<std::string>& texte) override;

 private:
  std::map<TDialog, TAntwort> eigene_;
};

}  // namespace kolvar
