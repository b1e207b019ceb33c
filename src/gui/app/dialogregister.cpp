#include "app/dialogregister.h"

#include "platform/dialogdienst.h"

namespace kolvar {

void TDialogRegister::Registriere(const QString& name, TOeffner oeffner) {
  oeffner_.insert(name, std::move(oeffner));
}

bool TDialogRegister::Hat(const QString& name) const {
  const auto it = oeffner_.find(name);
  return it != oeffner_.end() && static_cast<bool>(it.value());
}

int TDialogRegister::Oeffne(const QString& name) const {
  const auto it = oeffner_.find(name);
  if (it == oeffner_.end() || !it.value()) return mrKeins;
  return it.value()();
}

}  // namespace kolvar
