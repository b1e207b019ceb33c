// TPlnForm: the timetable of one teacher, class or room for the current plan version, where
// lessons are placed, moved, swapped, fixed and removed with the mouse by the tool mode. The
// view edits nothing itself: every change goes through the course engine and the school, which
// refresh the open windows (Aktualisiere rebuilds, NeuZeichnen repaints).
//
// TLePlnForm, TKlPlnForm and TRaPlnForm only say which abbreviations a cell shows, how wide
// they are, and what the empty-cell pop-up offers.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

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

// Cell marks of the plan grid.
inline const QString kMarkeN = QStringLiteral("N");
inline const QString kMarkeR = QStringLiteral("R");
inline const QString kMarkeSperrung = QStringLiteral("*sperrung*");

// Part codes of TKurs::ZellenText.
namespace Teil {
constexpr int Keiner = -1, Lehrer = 0, Klasse = 1, Kopplung = 2, Fach = 3, Raum = 4;
}

// The three items a lesson cell shows, with the widths they take side by side.
struct TZellTeile {
  std::array<int, 3> teil{Teil::Keiner, Teil::Keiner, Teil::Keiner};
  std::array<int, 3> breite{0, 0, 0};
};

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

  // IFenster
  void Aktualisiere() override;
  void NeuZeichnen() override;
  void SetzeCursorNachModus(int modus, uint8_t tasten) override;
  // IPlanFenster
  void ZieleMarkieren(TKurs* kurs) override;
  void MarkierungenLoeschen() override;

  // Copies the plan as TAB-separated text (through the palette's memo).
  void PlanKopieren();
  // "Kopieren" of the main menu.
  void Kopieren() override { PlanKopieren(); }
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
  virtual TZellTeile Teile(const TKurs* kurs) const = 0;
  // The copy text of a lesson cell; by default the items the cell shows.
  virtual QString KopierText(const TKurs& kurs, int tag, int stunde) const;
  virtual void LeerzellenMenue(IMenue& menue, int tag, int stunde) = 0;
  // The element kind of the cell pop-up's items: 0 teacher, 1 class, 4 room.
  virtual int Seite() const = 0;
  virtual TRaum* PlanRaum() const { return nullptr; }
  // Extra copy lines of a class plan with Shift.
  virtual void KopierZeilen(int stunde, QStringList& zeilen) const;

  void ZellTextZeichnen(QPainter& p, const QRect& rechteck, int tag, const TKurs& kurs, int stunde) const;
  QString ZellText(const TKurs& kurs, int tag, int stunde, const TZellTeile& teile) const;
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
  void SchiebeKandidaten(int tag, int stunde);
  void Fixiere(int tag, int stunde);
  void Loesche(int tag, int stunde);
  void Tausche(int tagA, int stundeA, int tagB, int stundeB);
  // Broken into columns and shown at the point; the chosen entry's action runs.
  void ZeigeMenue(const std::vector<TMenueEintrag>& eintraege, QPoint global);
  // The element's placing entries for the slot (a room choice follows in teacher and class plans).
  std::vector<TMenueEintrag> SetzEintraege(int tag, int stunde);
  QPoint MenueOrt(int spalte, int zeile) const;
  bool TasteLinksRechts(QKeyEvent* ereignis);

  IPalette* palette_;
  TPlanElement* element_ = nullptr;
  QPoint maus_{-1, -1};
  QPoint quelle_{-1, -1};
  QSize eingepasstRaster_;
  QSize eingepassteZelle_;
};

class TLePlnForm : public TPlnForm {
  Q_OBJECT

 public:
  TLePlnForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  void Zeige(TLehrer* lehrer);
  TLehrer* Lehrer() const;
  void Aktualisiere() override;

 protected:
  TZellTeile Teile(const TKurs* kurs) const override;
  void LeerzellenMenue(IMenue& menue, int tag, int stunde) override;
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
  TZellTeile Teile(const TKurs* kurs) const override;
  void LeerzellenMenue(IMenue& menue, int tag, int stunde) override;
  int Seite() const override { return 1; }
  QString KopierText(const TKurs& kurs, int tag, int stunde) const override;
  void KopierZeilen(int stunde, QStringList& zeilen) const override;
};

class TRaPlnForm : public TPlnForm {
  Q_OBJECT

 public:
  TRaPlnForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  void Zeige(TRaum* raum);
  TRaum* Raum() const;
  void Aktualisiere() override;

 protected:
  TZellTeile Teile(const TKurs* kurs) const override;
  QString KopierText(const TKurs& kurs, int tag, int stunde) const override;
  void LeerzellenMenue(IMenue& menue, int tag, int stunde) override;
  int Seite() const override { return 4; }
  TRaum* PlanRaum() const override;
};

}  // namespace kolvar
