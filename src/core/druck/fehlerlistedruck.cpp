#include "druck/fehlerlistedruck.h"

#include "druck/druckkopf.h"
#include "druck/izeichenflaeche.h"

namespace kolvar {

void TFehlerListeDruck::Kopf(IZeichenflaeche& f) {
  f.SetFont(DruckSchrift(o_.Schrift));
  DruckeKopfPlan(f, schule_, l_, t_, h_, true);
  y_ = t_ + 3 * h_;
}

void TFehlerListeDruck::Drucke(IZeichenflaeche& f, const std::vector<std::string>& zeilen) {
  l_ = RandInPixel(f, o_.fera);
  t_ = RandInPixel(f, 1);
  f.SetFont(DruckSchrift(o_.Schrift));
  h_ = f.TextHeight();
  Kopf(f);
  for (const std::string& zeile : zeilen) {
    if (f.Abgebrochen()) break;
    if (f.GetPhysPageSize().y - y_ < 3 * h_) {
      f.NewPage();
      Kopf(f);
    }
    f.TextOut(l_, y_, zeile);
    y_ += h_;
  }
}

}  // namespace kolvar
