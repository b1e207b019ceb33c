// TUVForm: a lesson-distribution table as a grid of courses, classes by subjects ("UV") or
// teachers by classes ("LK"), where courses are made by clicking, given a teacher, subject or
// hours from a pop-up, opened, and deleted by selection. The grid's layout is the core's
// (TUVLayout); the window draws it and routes the mouse by the tool mode.
#pragma once

#include <QPoint>
#include <QStringList>
#include <vector>

#include "ansicht/uvlayout.h"
#include "model/imenue.h"
#include "platform/kindfenster.h"

class QToolButton;

namespace kolvar {

class IPalette;
class TFach;
class TGitter;
class TLehrer;
class TUVTab;

class TUVForm : public TKindFenster {
  Q_OBJECT

 public:
  TUVForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TUVForm() override;

  TGitter* UVGrid = nullptr;
  QToolButton* UVWechselKnopf = nullptr;
  const TUVLayout& Layout() const { return layout_; }
  TUVTab* Tabelle() const { return tab_; }
  // "o": couplings are shown for coupled courses.
  bool ZeigtKopplung() const;

  // Shows the table: caption, font, the grid built and laid out, the window sized.
  void Vorbereiten(TUVTab* tab);
  TElement* Element() const override;

  // IFenster
  void Aktualisiere() override { Vorbereiten(tab_); }
  void Aenderungen(const TAenderungen& a) override;
  void KursWirdGeloescht(TKurs* kurs) override { KursEntfernen(kurs); }
  void LoescheMarkierteKurse() override { MarkierteKurseLoeschen(); }
  std::vector<TKurs*> MarkierteKurse() const override;
  void SetzeCursorNachModus(int modus, uint8_t tasten) override;

  void KursEntfernen(TKurs* kurs);
  void KursEintragen(TKurs* kurs);
  void MarkierteKurseLoeschen();
  // The lines TabelleKopieren puts on the clipboard.
  QStringList TabellenText() const;
  void TabelleKopieren();
  // Selects the whole body of the table ("Alles auswählen").
  void WaehleAlles();
  // The table as laid out here, through the palette's print requests ("Fenster drucken...").
  void Drucke();

  // The handlers of the grid (public so that tests reach them directly); ort in the viewport.
  void UVGridMouseDown(int spalte, int zeile, QPoint ort);
  void UVGridMouseUp(int spalte, int zeile, Qt::MouseButton knopf, QPoint ort);
  // A single click that no second one followed: the coupling pop-up of "Zeigen".
  void UVGridKlick(int spalte, int zeile);
  void UVGridDblClick(int spalte, int zeile);
  void WechselKnopfClick();

 protected:
  void keyPressEvent(QKeyEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  // The grid's size, headers and cell texts from the layout.
  void GitterFuellen();
  void Einpassen();
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool ausgewaehlt) const;
  QPoint MenueOrt(int spalte, int zeile, bool halbeZeile) const;
  bool ZeigeMenue(const std::vector<TMenueEintrag>& eintraege, QPoint ort);
  uint8_t Tasten() const;
  bool IstAktiv() const;
  // A new course in the empty cell (with teacher or subject, either may be missing).
  TKurs* NeuerKurs(int spalte, int zeile, TLehrer* lehrer, TFach* fach);
  void Setzen(int spalte, int zeile, QPoint ort);
  void Loeschen(int spalte, int zeile);
  void OeffneKopf(TElement* element);
  void OeffneKursEditor(int spalte, int zeile);
  int WertBreite() const;

  IPalette* palette_;
  TUVTab* tab_ = nullptr;
  TUVLayout layout_;
  QPoint maus_{-1, -1};
};

}  // namespace kolvar
