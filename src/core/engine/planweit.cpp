#include "engine/planweit.h"

#include "model/ipalettezustand.h"
#include "model/schule.h"

namespace kolvar {

TPlanweit::TPlanweit(TSchule& schule) : schule_(schule), aufzeichnen_(schule.Palette().UndoAufzeichnen()) {
  if (!schule_.UndoSchritte().Leer()) schule_.VerwerfeUndo();
  schule_.Palette().SetzeUndoAufzeichnen(false);
}

TPlanweit::~TPlanweit() {
  schule_.Palette().SetzeUndoAufzeichnen(aufzeichnen_);
}

}  // namespace kolvar
