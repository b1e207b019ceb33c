// "Voreinstellungen für Eckdaten": school days, the number format of hours, plan versions, the
// save reminder, how long substitutions are kept, the palette layout and the screen backdrop.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/einstellungsdialog.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QSpinBox;

namespace kolvar {

class TSchule;

class TEckStandardForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  // hintergrund shows a colour on the backdrop at once (without storing it).
  TEckStandardForm(TSchule& schule, std::function<void(uint32_t)> hintergrund, QWidget* eltern = nullptr);

  QButtonGroup* WochenGruppe() const { return wochen_; }
  QSpinBox* VorSpin() const { return vor_; }
  QSpinBox* NachSpin() const { return nach_; }
  QSpinBox* ZeitSpin() const { return zeit_; }
  QSpinBox* VersionsSpin() const { return versionen_; }
  QSpinBox* SpeicherSpin() const { return speicher_; }
  QSpinBox* VertrSpin() const { return vertr_; }
  QButtonGroup* PaletteGruppe() const { return palette_; }
  QCheckBox* HgAnCheck() const { return hgAn_; }
  QFrame* FarbFeld() const { return farbFeld_; }
  QPushButton* FarbKnopf() const { return farbKnopf_; }
  uint32_t Farbe() const { return farbe_; }

  void FarbKnopfClick();

 protected:
  void Laden(const TStandard& standard) override;
  void Speichern(TStandard& standard) override;

 private:
  void ZeigeFarbe();

  TSchule& schule_;
  std::function<void(uint32_t)> hintergrund_;
  QButtonGroup* wochen_;
  QSpinBox* vor_;
  QSpinBox* nach_;
  QSpinBox* zeit_;
  QSpinBox* versionen_;
  QSpinBox* speicher_;
  QSpinBox* vertr_;
  QButtonGroup* palette_;
  QCheckBox* hgAn_;
  QFrame* farbFeld_;
  QPushButton* farbKnopf_;
  uint32_t farbe_ = 0xFFFFFF;
};

}  // namespace kolvar
