// "Voreinstellungen für Deputate": the workload font and abbreviation widths (stored at once) and
// what the rows show, with the statistics period (stored on "Ok", which rebuilds every workload
// window).
#pragma once

#include <cstdint>

#include "platform/einstellungsdialog.h"

class QCheckBox;
class QLineEdit;

namespace kolvar {

class TKuerzelBreiten;
class TSchule;

class TDepStandardForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  explicit TDepStandardForm(TSchule& schule, QWidget* eltern = nullptr);

  QLineEdit* SchriftFeld() const { return schriftFeld_; }
  QPushButton* SchriftButton() const { return schriftKnopf_; }
  TKuerzelBreiten* Breiten() const { return breiten_; }
  QCheckBox* NullCheck() const { return null_; }
  QCheckBox* InfoCheck() const { return info_; }
  QCheckBox* StatistikCheck() const { return statistik_; }
  QCheckBox* ZusatzCheck() const { return zusatz_; }
  int32_t Von() const { return von_; }
  int32_t Bis() const { return bis_; }

  void SchriftButtonClick();
  // The box became ticked by the user: the period is asked.
  void StatistikCheckClick();

 protected:
  void Laden(const TStandard& standard) override;
  void Speichern(TStandard& standard) override;

 private:
  void ZeigeSchrift();

  TSchule& schule_;
  QLineEdit* schriftFeld_;
  QPushButton* schriftKnopf_;
  TKuerzelBreiten* breiten_;
  QCheckBox* null_;
  QCheckBox* info_;
  QCheckBox* statistik_;
  QCheckBox* zusatz_;
  int32_t von_ = 0;
  int32_t bis_ = 0;
};

}  // namespace kolvar
