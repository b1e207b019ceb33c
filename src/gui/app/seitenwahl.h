// The page a settings dialog's "Wechseln" chose. While one settings page is open it stands in
// front of the dialog service and notes the choice of the settings dialog it shows; every dialog
// still goes through the service that was in place before.
#pragma once

#include "platform/dialogdienst.h"

namespace kolvar {

class TSeitenWahl : public IDialogDienst {
 public:
  TSeitenWahl();
  ~TSeitenWahl() override;
  TSeitenWahl(const TSeitenWahl&) = delete;
  TSeitenWahl& operator=(const TSeitenWahl&) = delete;

  // The page to open next, -1 when none was chosen.
  int Seite() const { return seite_; }

  int ZeigeDialog(TKvDialog& dialog) override;
  int Frage(const QString& titel, const QString& text, unsigned knoepfe, TMeldungsArt art,
            TKnopf standard) override;

 private:
  IDialogDienst* gesetzt_;  // what was put in place before, restored at the end
  IDialogDienst& vorher_;
  int seite_ = -1;
  int tiefe_ = 0;
};

}  // namespace kolvar
