// "Drucke Vertretungsübersicht": the overview rows of the chosen teachers for a range of dates.
// A double click in the left list appends its teacher to the right one, a double click there
// takes the row away.
#pragma once

#include <cstdint>

#include "print/druckdialog.h"

class QTableWidget;

namespace kolvar {

class TDatumsSpins;
class TLehrer;

class TDruckVUebForm : public TDruckDialog {
  Q_OBJECT

 public:
  TDruckVUebForm(TSchule& schule, QWidget* eltern = nullptr);

  void LadeEinstellungen(int32_t von, int32_t bis);
  QTableWidget* LinksGrid() const { return links_; }
  QTableWidget* RechtsGrid() const { return rechts_; }
  TDatumsSpins* VonDatum() const { return von_; }
  TDatumsSpins* BisDatum() const { return bis_; }
  void LinksDoppelklick(int zeile);
  void RechtsDoppelklick(int zeile);
  void AlleLehrerClick();
  std::vector<const TLehrer*> Gewaehlte() const;

 protected:
  void LadeOptionen() override {}
  void SpeichereOptionen() override {}
  bool HatInhalt() const override { return !Gewaehlte().empty(); }
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  void Haenge(QTableWidget* grid, const TLehrer* l);
  const TLehrer* LehrerIn(const QTableWidget* grid, int zeile) const;

  int ungenutzt_[3] = {0, 0, 0};
  TDatumsSpins *von_, *bis_;
  QTableWidget *links_, *rechts_;
};

}  // namespace kolvar
