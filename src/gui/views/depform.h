// TDepForm: the workload view, one row per course of an element (or of a course list) with
// its value, hours and links, where courses are edited with the mouse by the tool mode, copied,
// cut, deleted and (in the all-courses window) pasted. What the rows say is the core's
// (TDepZeilen, TKursText); TLeDepForm ... TRaDepForm only say which element they show, and
// TKursDepForm shows a list of courses of its own.
#pragma once

#include <QPoint>
#include <QStringList>
#include <optional>
#include <vector>

#include "ansicht/depzeilen.h"
#include "model/ikursauswahl.h"
#include "model/imenue.h"
#include "platform/kindfenster.h"

namespace kolvar {

class IPalette;
class TFach;
class TGitter;
class TKlasse;
class TKopplung;
class TKurs;
class TLehrer;
class TRaum;

class TDepForm : public TKindFenster {
  Q_OBJECT

 public:
  // palette: the window list, shift state, element pop-ups and clipboard; none in tests of the
  // view alone.
  TDepForm(int tag, TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TDepForm() override;

  TGitter* DepGrid = nullptr;
  const TDepZeilen& Zeilen() const { return zeilen_; }
  TDepFilter Filter() const { return filter_; }
  // The course of a grid row (from 1), or nullptr.
  TKurs* KursIn(int zeile) const { return zeilen_.Kurs(zeile); }
  TElement* Element() const override;

  // IFenster
  // Shows the element again, its rows filtered by the keys held now, as opening does.
  void Aktualisiere() override;
  // The school's refreshes: the rows keep the filters the window was opened with.
  void Aenderungen(const TAenderungen& a) override;
  void Auffrischen() { Aktualisiere(); }
  void SetzeCursorNachModus(int modus, uint8_t tasten) override;
  void KursWirdGeloescht(TKurs* kurs) override;
  void LoescheMarkierteKurse() override { KurseLoeschen(); }
  // The height fits the rows between the window's top and the screen's bottom (again once the
  // window has its place).
  void FensterEinpassen();
  // Refills the rows that hold the course.
  void KursZeileAktualisieren(TKurs* kurs);

  // The selected rows' courses as text to the clipboard; with ausschneiden, asked, deleted.
  void KurseKopieren(bool ausschneiden);
  // The text KurseKopieren puts on the clipboard.
  QStringList KursText() const;
  void KurseLoeschen();
  // The selected rows' courses, top to bottom.
  std::vector<TKurs*> MarkierteKurse() const override;
  // Selects every course row ("Alles auswählen").
  void WaehleAlles();

  // The handlers of the grid (public so that tests and the palette reach them directly).
  void DepGridMouseDown(int spalte, int zeile, Qt::MouseButton knopf);
  void DepGridMouseUp(int spalte, int zeile, Qt::MouseButton knopf);
  void DepGridDblClick(int spalte, int zeile);
  void DepGridEndDrag(int quelleSpalte, int quelleZeile, int zielSpalte, int zielZeile);

 protected:
  // The courses the window lists, in order: the element's.
  virtual std::vector<TKurs*> Liste() const;
  // Shows the element's courses; the variants' Zeige call it.
  void ZeigeElement(TElement* element);
  // Builds the columns and rows (filters from the palette's shift state unless given or kept).
  void Zeige(std::optional<TDepFilter> filter = std::nullopt);
  uint8_t Tasten() const;
  bool IstAktiv() const;

  void FormClose(TCloseAction& aktion) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;

  IPalette* palette_;

 private:
  void SpaltenAnlegen();
  void ZeilenZeigen();
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& rechteck, bool ausgewaehlt) const;
  TKursFeld FeldVon(int spalte) const;
  QPoint MenueOrt(int spalte, int zeile, bool halbeZeile) const;
  // Broken into columns, shown; the chosen entry's action runs. False when nothing was chosen.
  bool ZeigeMenue(const std::vector<TMenueEintrag>& eintraege, QPoint ort);
  void Zeigen(TKurs& kurs, TKursFeld feld, int spalte, int zeile);
  void Setzen(TKurs& kurs, TKursFeld feld, int spalte, int zeile);
  void Loeschen(TKurs& kurs, TKursFeld feld, int spalte, int zeile);
  // Selects the row that holds the course after a refresh, else the row at the same place.
  void WaehleKursZeile(const TKurs* kurs, int spalte, int zeile);

  TElement* element_ = nullptr;
  TDepZeilen zeilen_;
  TDepFilter filter_;
  // Set while the school refreshes the window.
  bool filterBehalten_ = false;
  QPoint maus_{-1, -1};
  bool strgBeimDruecken_ = false;
};

// The five element variants.
class TLeDepForm : public TDepForm {
  Q_OBJECT
 public:
  TLeDepForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  void Zeige(TLehrer* e);
};

class TKlDepForm : public TDepForm {
  Q_OBJECT
 public:
  TKlDepForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  void Zeige(TKlasse* e);
};

class TKoDepForm : public TDepForm {
  Q_OBJECT
 public:
  TKoDepForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  void Zeige(TKopplung* e);
};

class TFaDepForm : public TDepForm {
  Q_OBJECT
 public:
  TFaDepForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  void Zeige(TFach* e);
};

class TRaDepForm : public TDepForm {
  Q_OBJECT
 public:
  TRaDepForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  void Zeige(TRaum* e);
};

// "alle Kurse": the school's course list, or a list of courses of its own (a copy: the list it
// was given may go, and a course deleted anywhere leaves it at once).
class TKursDepForm : public TDepForm, public IKursListe {
  Q_OBJECT
 public:
  TKursDepForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  // The school's whole course list, followed as it changes.
  void ZeigeAlle();
  void Zeige(const std::vector<TKurs*>& kurse);
  void ZeigeKurse(const std::vector<TKurs*>& kurse) override { Zeige(kurse); }
  void Aktualisiere() override;
  void KursWirdGeloescht(TKurs* kurs) override;
  // Pastes the courses of the palette's clipboard text; false when nothing was pasted.
  bool Einsetzen();
  bool FuegtEin() const { return einsetzen_; }

 protected:
  std::vector<TKurs*> Liste() const override;

 private:
  std::optional<std::vector<TKurs*>> eigene_;
  bool einsetzen_ = false;
};

}  // namespace kolvar
