// "Voreinstellung für HTML-Farben": the page background, table and table heading colours of web
// output, stored on "Ok".
#pragma once

#include <array>
#include <cstdint>

#include "platform/einstellungsdialog.h"

namespace kolvar {

class TFarbFeld;

class THTMLStandardForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  explicit THTMLStandardForm(TStandard& standard, QWidget* eltern = nullptr);

  // 0 background, 1 table, 2 table heading.
  TFarbFeld* Feld(int i) const { return felder_[static_cast<std::size_t>(i)]; }
  QPushButton* FarbKnopf(int i) const { return knoepfe_[static_cast<std::size_t>(i)]; }
  void FarbKnopfClick(int i);

 protected:
  void Laden(const TStandard& standard) override;
  void Speichern(TStandard& standard) override;

 private:
  TStandard& standard_;
  std::array<TFarbFeld*, 3> felder_{};
  std::array<QPushButton*, 3> knoepfe_{};
};

}  // namespace kolvar
