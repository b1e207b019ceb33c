// "Vertretene Stunden": both substitution-hour accounts of every teacher, each list with an
// up-down that sets the selected teacher's account and a "Rücksetzen".
#pragma once

#include <array>

#include "platform/kvdialog.h"

class QSpinBox;
class QTableWidget;

namespace kolvar {

class TLehrer;
class TSchule;

class TVStdForm : public TKvDialog {
  Q_OBJECT

 public:
  TVStdForm(TSchule& schule, QWidget* eltern = nullptr);

  // Table 1 or 2.
  QTableWidget* Tabelle(int tabelle) const { return tabellen_[Index(tabelle)]; }
  QSpinBox* UpDown(int tabelle) const { return updowns_[Index(tabelle)]; }
  TLehrer* Gewaehlt(int tabelle) const;

  void WaehleZeile(int tabelle, int zeile);
  // The up-down moved to wert: the selected teacher's account becomes it.
  void UpDownClick(int tabelle, int wert);
  // Asks "Rücksetzen" for the selected teacher.
  void RuecksetzenClick(int tabelle);

 private:
  static std::size_t Index(int tabelle) { return tabelle == 2 ? 1 : 0; }
  void Fuelle(int tabelle);
  void ZeigeKonto(int tabelle, int zeile);

  TSchule& schule_;
  std::array<QTableWidget*, 2> tabellen_{};
  std::array<QSpinBox*, 2> updowns_{};
};

}  // namespace kolvar
