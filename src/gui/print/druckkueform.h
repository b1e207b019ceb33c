// TDruckKueForm ("Kürzel drucken"): the abbreviation lists of the kinds ticked under "Kürzelart".
#pragma once

#include <array>

#include "print/listendruckdialog.h"

class QCheckBox;

namespace kolvar {

struct TKuerzelDruckOptionen;

class TDruckKueForm : public TListenDruckDialog {
  Q_OBJECT

 public:
  explicit TDruckKueForm(TSchule& schule, QWidget* eltern = nullptr);

  // LeCheck, KlCheck, KoCheck, FaCheck, RaCheck, UVCheck.
  QCheckBox* Check(int art) const { return checks_[static_cast<std::size_t>(art)]; }

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  std::array<bool*, 6> Werte() const;

  TKuerzelDruckOptionen& o_;
  std::array<QCheckBox*, 6> checks_{};
};

}  // namespace kolvar
