// "Fehler": the error list of the data checks; one window at most, earlier lines stay.
#pragma once

#include "platform/kindfenster.h"

class QPlainTextEdit;

namespace kolvar {

class TFehlerForm : public TKindFenster {
  Q_OBJECT

 public:
  TFehlerForm(TSchule& schule, IFensterListe* liste);

  void ZeileAnfuegen(const QString& zeile);
  QStringList Zeilen() const;

 private:
  QPlainTextEdit* inhalt_;
};

}  // namespace kolvar
