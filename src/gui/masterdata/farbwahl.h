// The colour dialog of the course editor and the defaults dialogs, with the settings' 16 custom
// colours.
#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

namespace kolvar {

class TStandard;

// Offers farbe (0x00BBGGRR); true with the choice in farbe when confirmed. The custom colours the
// user defined are taken back into the settings also when the dialog is cancelled.
bool FarbDialogMitEigenenFarben(TStandard& standard, uint32_t& farbe, QWidget* eltern);

// A colour of the file and settings (0x00BBGGRR) as Qt's.
QColor AlsFarbe(uint32_t farbe);

}  // namespace kolvar
