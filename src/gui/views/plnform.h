// TPlnForm: the timetable of one teacher, class or room for the current plan version, where
// lessons are placed, moved, swapped, fixed and removed with the mouse by the tool mode. The
// view edits nothing itself: every change goes through the course engine and the school, which
// refresh the open windows (Aktualisiere rebuilds, NeuZeichnen repaints).
//
// The cells' lessons and marks, their items, fixing and the move candidates are the core's
// (TPlanZellen, ZellTeile, planzuege.h); TLePlnForm, TKlPlnForm and TRaPlnForm only say which
// element kind they show.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "ansicht/planzellen.h"
#include "ansicht/zellteile.h"
#include "model/ifenster.h"
#include "model/imenue.h"
#include "platform/kindfenster.h"

class QToolButton;

namespace kolvar {

class TGitter;
class TKlasse;
class IPalette;
class TKurs;
class TLehrer;
class TPlanElement;
class TRaum;
class TSetzung;

class TPlnForm : public TKindFenster, public IPlanFenster {
  Q_OBJECT

 public:
  // palette: the window list, clipboard memo and arrow buttons; none in tests of the view alone.
  TPlnForm(int tag, TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TPlnForm() override;

  TPlanElement* PlanElement() const { return element_; }
  TElement* Element() const override;
  TGitter* PlnGrid = nullptr;
  QToolButton* PlanWechselKnopf = nullptr;
  // "o": a coupled lesson shows its coupling; "x": its teacher or class.
  bool ZeigtKopplung() const;
  // The lessons and marks of the body cells (day, period).
  const TPlanZellen& Zellen() const { return zellen_; }
  // The items a lesson cell draws, in order; none for an empty cell.
  QStringList ZellTexte(int tag, int stunde) const;

  // IFenster
  void Aktualisiere() override;
  void NeuZeichnen() override;
  void SetzeCursorNachModus(int modus, uint8_t tasten) override;
  // IPlanFenster
  void ZieleMarkieren(TKurs* kurs) override;
  void MarkierungenLoeschen() override;
  // The lessons of the selected cells, row by row.
  std::vector<TKurs*> MarkierteKurse() const override;
  // Selects every day and period ("Alles auswählen").
  void AlleZellenWaehlen();

  // Copies the plan as TAB-separated text (through the palette's memo).
  void PlanKopieren();
  // The text PlanKopieren puts on the clipboard, one entry per line.
  QStringList PlanText() const;

  // The handlers of the grid (public so that tests and the palette reach them directly).
  void PlnGridMouseDown(int spalte, int zeile, Qt::MouseButton knopf, QPoint global);
  void PlnGridMouseUp(int spalte, int zeile, Qt::MouseButton knopf);
  void PlnGridDblClick(int spalte, int zeile);
  void PlnGridEndDrag(int quelleSpalte, int quelleZeile, int zielSpalte, int zielZeile);
  void PlanWechselKnopfClick();

  // The columns of a pop-up of n entries: entry c, 2c, ... begins a new column.
  static int MenueUmbrechen(int anzahl);

 protected:
  // Builds the grid and shows the element's plan; the variants' Zeige call it.
  void ZeigeElement(TPlanElement* element);
  // The items of a lesson cell; without a course only the widths count.
  TZellTeile Teile(const TKurs* kurs) const;
  // The placing entries of an empty cell.
  void LeerzellenMenue(IMenue& menue, int tag, int stunde);
  // The element kind of the cell pop-up's items: 0 teacher, 1 class, 4 room.
  virtual int Seite() const = 0;
  virtual TRaum* PlanRaum() const { return nullptr; }

  void ZellTextZeichnen(QPainter& p, const QRect& rechteck, int tag, const TKurs& kurs, int stunde) const;
  TKurs* KursIn(int spalte, int zeile) const;
  bool IstKoerper(int spalte, int zeile) const;
  int Version() const;
  uint8_t Tasten() const;
  bool IstAktiv() const;

  void FormClose(TCloseAction& aktion) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  void PlanVorbereiten();
  void Fuellen();
  void FensterEinpassen();
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& rechteck, bool ausgewaehlt) const;
  void MarkiereKurs(const TKurs* kurs);
  void Loesche(int tag, int stunde);
  // Broken into columns and shown at the point, sub-items as submenus; the chosen entry's
  // action runs.
  void ZeigeMenue(const std::vector<TMenueEintrag>& eintraege, QPoint global);
  // The element's placing entries for the slot (with the rooms as sub-items in teacher and
  // class plans).
  std::vector<TMenueEintrag> SetzEintraege(int tag, int stunde);
  QPoint MenueOrt(int spalte, int zeile) const;

  IPalette* palette_;
  TPlanElement* element_ = nullptr;
  TPlanZellen zellen_;
  QPoint maus_{-1, -1};
  QPoint quelle_{-1, -1};
  QSize eingepasstRaster_;
  QSize eingepassteZelle_;
  int eingepassteStundenSpalte_ = 0;
};

class TLePlnForm : public TPlnForm {
  Q_OBJECT

 public:
  TLePlnForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  void Zeige(TLehrer* lehrer);
  TLehrer* Lehrer() const;
  void Aktualisiere() override;

 protected:
  int Seite() const override { return 0; }
};

class TKlPlnForm : public TPlnForm {
  Q_OBJECT

 public:
  TKlPlnForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  void Zeige(TKlasse* klasse);
  TKlasse* Klasse() const;
  void Aktualisiere() override;

 protected:
  int Seite() const override { return 1; }
};

class TRaPlnForm : public TPlnForm {
  Q_OBJECT

 public:
  TRaPlnForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  void Zeige(TRaum* raum);
  TRaum* Raum() const;
  void Aktualisiere() override;

 protected:
  int Seite() const override { return 4; }
  TRaum* PlanRaum() const override;
};

}  // namespace kolvar
