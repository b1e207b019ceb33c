// Text measures of a real font: the widths the printouts and grids lay their columns out by.
#pragma once

#include <QFont>
#include <QString>

#include "model/itextmass.h"

namespace kolvar {

class TQtTextMass : public ITextMass {
 public:
  explicit TQtTextMass(const QFont& schrift);
  // A font by family name and point size, as the settings keep it.
  TQtTextMass(const QString& name, int groesse);

  int TextBreite(std::string_view text) const override;
  // The line height of the font, whatever the text.
  int TextHoehe(std::string_view text) const override;

 private:
  QFont schrift_;
};

}  // namespace kolvar
