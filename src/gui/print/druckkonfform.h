// The conference print dialogs: TDruckFaKonfForm "Drucke Fachkonferenzen" and TDruckKlKonfForm
// "Drucke Klassenkonferenzen", twins over TDruckKonfForm. A double click in LinksGrid takes a
// subject (class) into RechtsGrid, which stays in the school's order; a double click in
// RechtsGrid drops it again. The choice is not stored.
#pragma once

#include <vector>

#include "print/einranddialog.h"

class QCheckBox;
class QTableWidget;

namespace kolvar {

struct TFachKonferenzDruckOptionen;
struct TKlassenKonferenzDruckOptionen;

class TDruckKonfForm : public TEinRandDialog {
  Q_OBJECT

 public:
  QTableWidget* LinksGrid() const { return links_; }
  QTableWidget* RechtsGrid() const { return rechts_; }
  QCheckBox* EinzelnCheck() const { return einzeln_; }
  // The double clicks at the row of the last mouse-down.
  void LinksGridDblClick(int zeile);
  void RechtsGridDblClick(int zeile);
  const std::vector<TElement*>& Gewaehlt() const { return gewaehlt_; }

 protected:
  TDruckKonfForm(TSchule& schule, const QString& caption, TSchrift& schrift, int& rand,
                 const QString& listenTitel, std::vector<TElement*> alle, QWidget* eltern);
  // Fills LinksGrid with every element and empties RechtsGrid.
  void LadeListen();

  QCheckBox* einzeln_;

 private:
  void ZeigeRechts();

  std::vector<TElement*> alle_;
  std::vector<TElement*> gewaehlt_;
  QTableWidget *links_, *rechts_;
  int linksZeile_ = -1, rechtsZeile_ = -1;
};

class TDruckFaKonfForm : public TDruckKonfForm {
  Q_OBJECT

 public:
  explicit TDruckFaKonfForm(TSchule& schule, QWidget* eltern = nullptr);
  QCheckBox* EinsatzCheck() const { return einsatz_; }

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  TFachKonferenzDruckOptionen& o_;
  QCheckBox* einsatz_;
};

class TDruckKlKonfForm : public TDruckKonfForm {
  Q_OBJECT

 public:
  explicit TDruckKlKonfForm(TSchule& schule, QWidget* eltern = nullptr);

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  TKlassenKonferenzDruckOptionen& o_;
};

}  // namespace kolvar
