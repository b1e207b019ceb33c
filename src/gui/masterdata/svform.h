// TSVForm "Stundenverteilung": the day patterns of every teacher, class or room of the current
// plan version as small symbols, one row per element and one column per school day, and its
// gaps. The patterns and gaps are the core's (SVZeile).
#pragma once

#include <memory>
#include <vector>

#include "platform/kindfenster.h"

class QButtonGroup;
class QGroupBox;

namespace kolvar {

class IPalette;
class TGitter;
class TGitterZeilen;
class TPlanElement;

class TSVForm : public TKindFenster {
  Q_OBJECT

 public:
  TSVForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TSVForm() override;

  TGitter* SVGrid = nullptr;
  QGroupBox* KueGroup = nullptr;
  // 0 teachers, 1 classes, 2 rooms.
  int Liste() const;
  void SetzeListe(int liste);

  // Columns, the choice back to teachers, the header and the rows.
  void Vorbereiten();
  // The rows of the chosen list.
  void SVFuellen();
  void DatenGeaendert() { Vorbereiten(); }
  TPlanElement* ElementIn(int zeile) const;

  // IFenster
  void Aktualisiere() override { Vorbereiten(); }
  void Aenderungen(const TAenderungen& a) override;

  void SVGridDblClick(int spalte, int zeile);

 protected:
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool fest, bool ausgewaehlt) const;
  std::vector<TPlanElement*> Elemente() const;

  IPalette* palette_;
  QButtonGroup* knoepfe_ = nullptr;
  std::unique_ptr<TGitterZeilen> zeilen_;
  int tage_ = 0;
};

}  // namespace kolvar
