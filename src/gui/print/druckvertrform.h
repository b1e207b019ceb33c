// "Drucke Vertretungsplan": the substitution plans of one date by up to four presets, printed,
// previewed or sent to the clipboard as tab-separated text; with the ten general remarks.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "model/optionen.h"
#include "print/druckdialog.h"

class QPlainTextEdit;

namespace kolvar {

class TDruckVertrForm : public TDruckDialog {
  Q_OBJECT

 public:
  using TAblage = std::function<void(const QString&)>;
  TDruckVertrForm(TSchule& schule, TAblage zwischenablage, QWidget* eltern = nullptr);

  void LadeEinstellungen(int32_t datum);
  int32_t Datum() const { return datum_; }
  // One school day back or forth (free days and days beyond the school week are skipped).
  void DatumKnopfClick(int richtung);
  void BemSpinChange(int nummer);
  void MemoChange();
  // Opens the preset on a working copy of all four; "Ok" keeps the copy.
  void EinstellungClick(int nummer);
  void ZwischenablageClick();

  QLabel* DatumFeld() const { return datumFeld_; }
  QSpinBox* BemSpin() const { return bemSpin_; }
  QPlainTextEdit* Memo() const { return memo_; }
  QCheckBox* EinstellungBox(int nummer) const { return boxen_[static_cast<std::size_t>(nummer - 1)]; }
  // The tab-separated text of the chosen presets.
  QString Text();

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  std::vector<std::string> Bemerkungen() const;

  TAblage zwischenablage_;
  int32_t datum_ = 0;
  int ungenutzt_[3] = {0, 0, 0};
  QLabel* datumFeld_;
  QSpinBox* bemSpin_;
  QPlainTextEdit* memo_;
  std::array<QCheckBox*, 4> boxen_{};
  bool laedt_ = false;
};

}  // namespace kolvar
