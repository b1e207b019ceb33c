// "Voreinstellungen für Pläne": periods shown, rooms, bold couplings, how abbreviations stand in
// a cell, the plan font, the abbreviation widths and the manual windows' layout. Widths and the
// font are stored at once; the rest on "Ok", which rebuilds every plan, table and manual window.
#pragma once

#include "platform/einstellungsdialog.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace kolvar {

class TKuerzelBreiten;
class TSchule;

class TPlnStandardForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  explicit TPlnStandardForm(TSchule& schule, QWidget* eltern = nullptr);

  static QStringList Anordnungen();

  QSpinBox* SPTSpin() const { return spt_; }
  QCheckBox* MitRaumCheck() const { return mitRaum_; }
  QCheckBox* KoppFettCheck() const { return koppFett_; }
  QButtonGroup* KuerzelRadio() const { return neben_; }  // 0 nebeneinander, 1 untereinander
  QLineEdit* SchriftFeld() const { return schriftFeld_; }
  QPushButton* SchriftButton() const { return schriftKnopf_; }
  TKuerzelBreiten* Breiten() const { return breiten_; }
  QLineEdit* ManFeld() const { return manFeld_; }
  QPushButton* ManWechselKnopf() const { return manKnopf_; }
  int Anordnung() const { return anordnung_; }

  void SchriftButtonClick();
  void ManWechselKnopfClick();
  // The layout menu's items "1" .. "4" (layouts 0 to 5).
  void AnordnungClick(int anordnung);

 protected:
  void Laden(const TStandard& standard) override;
  void Speichern(TStandard& standard) override;

 private:
  void ZeigeSchrift();

  TSchule& schule_;
  QSpinBox* spt_;
  QCheckBox* mitRaum_;
  QCheckBox* koppFett_;
  QButtonGroup* neben_;
  QLineEdit* schriftFeld_;
  QPushButton* schriftKnopf_;
  TKuerzelBreiten* breiten_;
  QLineEdit* manFeld_;
  QPushButton* manKnopf_;
  int anordnung_ = 0;
};

}  // namespace kolvar
