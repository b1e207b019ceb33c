// The take-over of another class's courses ("Übernahme"): the source class, how coupled courses
// come over and whether the class room is replaced; and the stop box shown instead while the
// class has placed courses.
#pragma once

#include "engine/grunddaten.h"
#include "platform/kvdialog.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace kolvar {

class IPalette;
class TKlasse;

class TUebernahmeForm : public TKvDialog {
  Q_OBJECT

 public:
  // palette: where the class pop-up of the source field comes from.
  TUebernahmeForm(TKlasse* klasse, IPalette* palette, QWidget* eltern = nullptr);

  QPushButton* KlassenFeld = nullptr;
  QRadioButton* ohneRadio = nullptr;
  QRadioButton* ergaenzRadio = nullptr;
  QRadioButton* eigenRadio = nullptr;
  QCheckBox* raumCheck = nullptr;

  TKlasse* Quelle() const { return quelle_; }
  void SetzeQuelle(TKlasse* klasse);
  TKopplungsUebernahme Modus() const;
  void KlassenFeldClick();

 private:
  IPalette* palette_;
  TKlasse* quelle_;
};

// "Stop": the class already has placed courses.
void ZeigeUebernVerbot(const QString& kuerzel, QWidget* eltern);

}  // namespace kolvar
