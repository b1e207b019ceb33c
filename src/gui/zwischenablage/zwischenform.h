// "Zwischenablage": the clipboard's text, read-only, its TAB-separated columns lined up; one
// window at most.
#pragma once

#include "platform/kindfenster.h"

class QPlainTextEdit;

namespace kolvar {

class TZwischenForm : public TKindFenster {
  Q_OBJECT

 public:
  TZwischenForm(TSchule& schule, IFensterListe* liste);

  // Reloads from the clipboard when it holds text; otherwise the contents stay.
  void Aktualisiere() override;
  QString Inhalt() const;

 private:
  QPlainTextEdit* inhalt_;
};

}  // namespace kolvar
