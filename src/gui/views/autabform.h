// "Automatiktabelle": edits the four slot tables of the automatic placer. Each cell shows its
// order number with two arrows for the links to the period above and below; a click on an arrow
// links or parts two periods, dragging a cell onto another exchanges their order numbers.
#pragma once

#include <memory>

#include "ansicht/tabellenbearbeitung.h"
#include "platform/einstellungsdialog.h"

class QSpinBox;

namespace kolvar {

class TGitter;

class TAuTabForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  explicit TAuTabForm(TStandard& standard, QWidget* eltern = nullptr);
  ~TAuTabForm() override;

  TGitter* TabGrid() const { return gitter_; }
  QSpinBox* TabSpin() const { return spin_; }
  const TTabellenBearbeitung& Bearbeitung() const { return *arbeit_; }

 protected:
  void Laden(const TStandard& standard) override;
  void Speichern(TStandard& standard) override;

 private:
  void ZeigeTabelle();
  void Gedrueckt(int spalte, int zeile, QPoint ort);
  void Zeichne(QPainter& p, int spalte, int zeile, const QRect& r, bool fest, bool ausgewaehlt) const;

  TStandard& standard_;
  std::unique_ptr<TTabellenBearbeitung> arbeit_;
  TGitter* gitter_;
  QSpinBox* spin_;
};

}  // namespace kolvar
