// "Voreinstellung für Kurse": what a new course starts with (hours, factor, block length, single
// hours, slot table, counting and planning flags, colour, locks) and the order of courses in
// every list; "Kopieren" puts chosen values onto the courses selected in the active workload
// window at once.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "model/wochbereich.h"
#include "platform/einstellungsdialog.h"

class QButtonGroup;
class QCheckBox;
class QSpinBox;

namespace kolvar {

class TFarbFeld;
class TKurs;
class TSchule;
class TSperrung;

class TKursStandardForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  explicit TKursStandardForm(TSchule& schule, QWidget* eltern = nullptr);
  ~TKursStandardForm() override;

  // The copy boxes in their order: hours, factor, per day, single hours, table, locks, counting,
  // planning, colour.
  enum Kopie {
    KopStunden,
    KopFaktor,
    KopProTag,
    KopEinzel,
    KopTabelle,
    KopSperrung,
    KopZaehlen,
    KopPlan,
    KopFarbe
  };

  QSpinBox* StundenSpin() const { return stunden_; }
  QSpinBox* FaktorSpin() const { return faktor_; }
  QSpinBox* SpTSpin() const { return spt_; }
  QSpinBox* EinzelSpin() const { return einzel_; }
  QSpinBox* TabelleSpin() const { return tabelle_; }
  QCheckBox* NvpCheck() const { return nvp_; }
  QCheckBox* NzlCheck() const { return nzl_; }
  QCheckBox* NzkCheck() const { return nzk_; }
  TFarbFeld* FarbFeld() const { return farbFeld_; }
  QButtonGroup* SortRadio() const { return sort_; }  // 0 by classes, 1 by teachers
  QCheckBox* KopierCheck(Kopie k) const { return kopie_[k]; }
  QPushButton* KopierKnopf() const { return kopieren_; }
  TSperrung* Sperrung() const { return sperrung_; }
  const TWochBereich& Arbeitsraster() const { return arbeit_; }
  const std::vector<TKurs*>& Ziele() const { return ziele_; }

  void FarbKnopfClick();
  void KopierKnopfClick();

 protected:
  void Laden(const TStandard& standard) override;
  void Speichern(TStandard& standard) override;

 private:
  TSchule& schule_;
  TWochBereich arbeit_;
  TWochBereich leer_;
  std::vector<TKurs*> ziele_;
  QSpinBox* stunden_;
  QSpinBox* faktor_;
  QSpinBox* spt_;
  QSpinBox* einzel_;
  QSpinBox* tabelle_;
  QCheckBox* nvp_;
  QCheckBox* nzl_;
  QCheckBox* nzk_;
  TFarbFeld* farbFeld_;
  QButtonGroup* sort_;
  std::array<QCheckBox*, 9> kopie_{};
  QPushButton* kopieren_;
  TSperrung* sperrung_;
};

}  // namespace kolvar
