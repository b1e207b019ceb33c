// TPreviewForm, "Voransicht": the pages of a finished recording one at a time, fitted to the
// panel; a click zooms 2.5 times around the spot, another fits the page again. "Drucken"
// closes with 6 and the caller prints, "Abbrechen" and "nächste Seite" on the last page with 2.
#pragma once

#include <QWidget>

#include "platform/kvdialog.h"

class QFrame;
class QLabel;
class QPushButton;

namespace kolvar {

class TPrevPrinter;

class TPreviewFlaeche;

class TPreviewForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TPreviewForm(QWidget* eltern = nullptr);

  void SetzePrinter(TPrevPrinter* printer);
  void ZeigeSeite(int n);
  void GanzeSeite();
  void Vergroessern(int x, int y);
  void NextKnopfClick();

  int Seite() const;
  bool Vergroessert() const { return vergroessert_; }
  QWidget* PaintBox() const;
  QLabel* NrFeld() const { return nrFeld_; }

 private:
  friend class TPreviewFlaeche;
  void MausRunter(QPoint p);
  void MausZieht(QPoint p);
  void MausHoch(QPoint p);

  TPrevPrinter* printer_ = nullptr;
  QFrame* panel_;
  TPreviewFlaeche* paintBox_;
  QLabel* nrFeld_;
  QPoint rahmen_;
  bool vergroessert_ = false;
  bool ziehtRahmen_ = false;
};

}  // namespace kolvar
