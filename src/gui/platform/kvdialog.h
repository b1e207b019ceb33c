// Base of every modal dialog: modal results 1/2/6/7, a default and a cancel button, and Zeige()
// in place of exec() so that tests can answer it. A dialog has a dialog's frame and a fixed size
// and opens in the middle of the screen unless it says otherwise.
#pragma once

#include <QDialog>

#include "platform/dialogdienst.h"

class QAbstractButton;
class QPushButton;

namespace kolvar {

class TSchule;

// A modal dialog that the window manager minimises (some draw a minimise box on every dialog)
// would leave every other window of the program blocked behind it and nothing on screen to
// click: it shows itself again at once, on top. Set up once for the application; every dialog
// sets it up, and so does the palette before any message box.
void ModaleDialogeSichtbarHalten();

class TKvDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TKvDialog(QWidget* eltern = nullptr);

  // Every caller shows the dialog through this; returns the modal result.
  int Zeige();
  // The real modal loop; only the Qt dialog service calls it.
  int ZeigeModal();

  int Tag() const { return 0; }  // dialogs are window kind 0
  int ModalResult() const { return result(); }

  // A click on the button ends the dialog with the result; handlers connected later run after it
  // and may still change the result.
  void KnopfErgebnis(QAbstractButton* knopf, int ergebnis);
  // Enter clicks the default button.
  void SetzeStandardKnopf(QPushButton* knopf);
  // Esc clicks the cancel button; a dialog without one ignores Esc.
  void SetzeAbbruchKnopf(QAbstractButton* knopf);
  QPushButton* StandardKnopf() const { return standard_; }
  QAbstractButton* AbbruchKnopf() const { return abbruch_; }

  // The dialog's button with this caption (without '&'), or null.
  QAbstractButton* Knopf(const QString& text) const;

  // The close box gives mrAbbrechen.
  void reject() override;

 protected:
  // Runs each time Zeige() is called, before the dialog shows.
  virtual void VorDemZeigen() {}
  // Places the dialog each time it shows, once its size is known.
  virtual void Platziere();
  // A dialog whose buttons edit the school while it stays open: the open windows show each edit
  // when it is done, not only when the dialog closes (TSchule::TPause).
  void BearbeitetSchule(TSchule& schule) { schule_ = &schule; }
  // A dialog whose user may resize it.
  void SetzeGroesseFest(bool fest) { groesseFest_ = fest; }
  bool GroesseFest() const { return groesseFest_; }
  void keyPressEvent(QKeyEvent* ereignis) override;

 private:
  QPushButton* standard_ = nullptr;
  QAbstractButton* abbruch_ = nullptr;
  bool groesseFest_ = true;
  TSchule* schule_ = nullptr;
};

}  // namespace kolvar
