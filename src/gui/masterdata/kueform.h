// "Kürzel": the abbreviation lists of the six element kinds. Elements are made, renamed,
// deleted, sorted and moved with Ctrl-drag here; every change goes into the school's list at
// once, and the grid is always refilled from that list.
#pragma once

#include "engine/kuerzelliste.h"
#include "platform/kvdialog.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace kolvar {

class TElement;
class TGitter;
class TSchule;

class TKueForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TKueForm(TSchule& schule, QWidget* eltern = nullptr);

  // Kind 0..5 in radio order: teachers, classes, couplings, subjects, rooms, tables.
  void KuerzelListeZeigen(int art);
  void KueFeldChange();
  void NeuKnopfClick();
  void AendernKnopfClick();
  void LoeschKnopfClick();
  void SortKnopfClick();
  void OkKnopfClick();

  int Art() const { return art_; }
  TElement* Gewaehlt() const { return gewaehlt_; }
  QButtonGroup* ArtGruppe() const { return artGruppe_; }
  TGitter* KueGrid() const { return kueGrid_; }
  QLineEdit* KueFeld() const { return kueFeld_; }
  QPushButton* NeuKnopf() const { return neuKnopf_; }
  QPushButton* AendernKnopf() const { return aendernKnopf_; }
  QPushButton* LoeschKnopf() const { return loeschKnopf_; }
  QPushButton* SortKnopf() const { return sortKnopf_; }
  QPushButton* OkKnopf() const { return okKnopf_; }

 protected:
  void VorDemZeigen() override;
  void showEvent(QShowEvent* ereignis) override;

 private:
  // Rows from the school's list; the chosen element's row is the selection, else none.
  void FuelleGrid();
  void ZeigeAuswahl();
  void FeldFokus();
  void Knoepfe(bool neu, bool aendern);
  void GridGedrueckt(int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers modifier);
  void GridLosgelassen(int zeile);
  void ZiehenUeber(int zeile);

  TKuerzelListe liste_;
  int art_ = 6;  // none yet, so that the first choice loads
  TElement* gewaehlt_ = nullptr;
  int ziehZeile_ = -1;

  QButtonGroup* artGruppe_;
  TGitter* kueGrid_;
  QLineEdit* kueFeld_;
  QPushButton* neuKnopf_;
  QPushButton* aendernKnopf_;
  QPushButton* loeschKnopf_;
  QPushButton* sortKnopf_;
  QPushButton* okKnopf_;
};

}  // namespace kolvar
