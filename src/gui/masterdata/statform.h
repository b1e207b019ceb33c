// The statistics windows: one row per element of a kind with its target and actual hours or
// its basic data (TStatForm), in six thin variants by kind. What a row says is the core's
// (StatistikZeile); the window lists, refreshes single rows, copies and opens elements.
#pragma once

#include <QStringList>
#include <memory>
#include <vector>

#include "platform/kindfenster.h"

namespace kolvar {

class IPalette;
class TGitter;
class TGitterZeilen;

class TStatForm : public TKindFenster {
  Q_OBJECT

 public:
  TStatForm(int tag, const QString& caption, TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TStatForm() override;

  TGitter* StatGrid = nullptr;

  // Builds the whole grid and sizes the window.
  void StatistikFuellen();
  // Refills the row of the element at that list position; a position the grid does not have
  // yet (an element pasted or imported while open) rebuilds the whole grid.
  void StatistikZeileFuellen(int zeile);
  // The selected rows that hold an element, as tab-separated lines.
  QStringList KopierText() const;
  void StatistikKopieren();
  // Selects every row that holds an element ("Alles auswählen").
  void WaehleAlles();
  // The element a row shows, looked up in the school's list; nullptr outside.
  TElement* ElementIn(int zeile) const;

  // IFenster
  void Aktualisiere() override { StatistikFuellen(); }
  void Aenderungen(const TAenderungen& a) override;

  void StatGridDblClick(int spalte, int zeile);

 protected:
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  std::vector<TElement*> Liste() const;
  void ZeileFuellen(int zeile, const TElement& e);
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool fest, bool ausgewaehlt) const;

  IPalette* palette_;
  std::unique_ptr<TGitterZeilen> zeilen_;
};

class TLeStatForm : public TStatForm {
  Q_OBJECT
 public:
  TLeStatForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
};

class TKlStatForm : public TStatForm {
  Q_OBJECT
 public:
  TKlStatForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
};

class TFaStatForm : public TStatForm {
  Q_OBJECT
 public:
  TFaStatForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
};

class TKoStatForm : public TStatForm {
  Q_OBJECT
 public:
  TKoStatForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
};

class TRaStatForm : public TStatForm {
  Q_OBJECT
 public:
  TRaStatForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
};

class TUVStatForm : public TStatForm {
  Q_OBJECT
 public:
  TUVStatForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
};

}  // namespace kolvar
