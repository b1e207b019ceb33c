// The core's questions and notices, shown through the dialog service (so tests answer them).
#pragma once

#include "model/idialoge.h"

namespace kolvar {

class TGuiDialoge : public IDialoge {
 public:
  int Frage(TDialog art, const std::vector<std::string>& texte) override;
  void Melde(TDialog art, const std::vector<std::string>& texte) override;
};

}  // namespace kolvar
