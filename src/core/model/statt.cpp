#include "model/statt.h"

#include "model/setzung.h"

namespace kolvar {

TStatt::~TStatt() {
  SetzeSetzung(nullptr);
}

void TStatt::SetzeSetzung(TSetzung* s) {
  if (setzung_) --setzung_->stattVerweise_;
  setzung_ = s;
  if (setzung_) ++setzung_->stattVerweise_;
}

}  // namespace kolvar
