// The program's string grid: cells with text and an object, fixed rows and columns, scrolling by
// whole cells, owner drawing, a selection rectangle, a drag inside the grid with scrolling at the
// edges, and an editor in the cell.
#pragma once

#include <QAbstractScrollArea>
#include <QCursor>
#include <QPixmap>
#include <functional>
#include <vector>

#include "platform/gittergeometrie.h"

class QLineEdit;
class QTimer;
class QValidator;

namespace kolvar {

// Columns links..rechts, rows oben..unten; empty when links > rechts.
struct TGitterAuswahl {
  int links = 0;
  int oben = 0;
  int rechts = -1;
  int unten = -1;

  bool Leer() const { return links > rechts || oben > unten; }
  bool Enthaelt(int spalte, int zeile) const {
    return spalte >= links && spalte <= rechts && zeile >= oben && zeile <= unten;
  }
  bool operator==(const TGitterAuswahl&) const = default;
};

struct TZellZustand {
  bool fest = false;
  bool ausgewaehlt = false;
  bool fokussiert = false;
};

class TGitter : public QAbstractScrollArea {
  Q_OBJECT

 public:
  enum Option : unsigned {
    goFesteLinien = 1,          // grid lines between fixed cells
    goLinien = 2,               // grid lines between body cells
    goBereichsauswahl = 4,      // Shift-click and dragging select a rectangle
    goZeilenauswahl = 8,        // the selection spans whole rows
    goSpaltenbreite = 16,       // columns are sized by dragging their edge in a fixed row
    goBearbeiten = 32,          // cells are edited in place
    goSpaltenVerschieben = 64,  // a column moves, cells and width, by dragging its cell in a fixed row
  };
  using Zeichner = std::function<void(QPainter&, int spalte, int zeile, const QRect&, TZellZustand)>;

  explicit TGitter(QWidget* eltern = nullptr);

  // Size and layout.
  int Spalten() const { return geo_.Spalten(); }
  int Zeilen() const { return geo_.Zeilen(); }
  void SetzeSpalten(int anzahl);
  void SetzeZeilen(int anzahl);
  int FesteSpalten() const { return geo_.FesteSpalten(); }
  int FesteZeilen() const { return geo_.FesteZeilen(); }
  void SetzeFesteSpalten(int anzahl);
  void SetzeFesteZeilen(int anzahl);
  int StandardBreite() const { return geo_.StandardBreite(); }
  int StandardHoehe() const { return geo_.StandardHoehe(); }
  void SetzeStandardBreite(int breite);
  void SetzeStandardHoehe(int hoehe);
  int SpaltenBreite(int spalte) const { return geo_.SpaltenBreite(spalte); }
  int ZeilenHoehe(int zeile) const { return geo_.ZeilenHoehe(zeile); }
  void SetzeSpaltenBreite(int spalte, int breite);
  void SetzeZeilenHoehe(int zeile, int hoehe);
  void SetzeLinienBreite(int breite);
  unsigned Optionen() const { return optionen_; }
  void SetzeOptionen(unsigned optionen);
  void SetzeRollbalken(bool anzeigen);

  // Moved columns. The columns keep the number they were filled under (their origin); a moved
  // column takes its cells and width along. Reset to the filled order when the count changes.
  int SpaltenUrsprung(int spalte) const;
  int SpaltenPosition(int ursprung) const;
  // Moves the column at von to the place nach, the columns between close up (as a header drag).
  void VerschiebeSpalte(int von, int nach);
  // The column under a header drag; -1 while none runs.
  int VerschobeneSpalte() const { return zugSpalte_; }

  // Cells. Out-of-range cells read as empty and ignore writes.
  QString Text(int spalte, int zeile) const;
  void SetzeText(int spalte, int zeile, const QString& text);
  void* Objekt(int spalte, int zeile) const;
  void SetzeObjekt(int spalte, int zeile, void* objekt);
  template <class T>
  T* ObjektAls(int spalte, int zeile) const {
    return static_cast<T*>(Objekt(spalte, zeile));
  }
  // Every text and object cleared.
  void Leeren();

  // Selection and the current cell (the selection's anchor).
  TGitterAuswahl Auswahl() const { return auswahl_; }
  void SetzeAuswahl(const TGitterAuswahl& auswahl);
  int Spalte() const { return spalte_; }
  int Zeile() const { return zeile_; }
  // Makes the cell current and the only selected one, and scrolls it into view.
  void SetzeZelle(int spalte, int zeile);

  // Scrolling by whole cells.
  int ObersteZeile() const { return geo_.ObersteZeile(); }
  int LinkeSpalte() const { return geo_.LinkeSpalte(); }
  void SetzeObersteZeile(int zeile);
  void SetzeLinkeSpalte(int spalte);
  int SichtbareZeilen() const { return geo_.SichtbareZeilen(); }
  int SichtbareSpalten() const { return geo_.SichtbareSpalten(); }
  void ZeigeZelle(int spalte, int zeile);

  // Geometry in viewport coordinates.
  QRect ZellRechteck(int spalte, int zeile) const { return geo_.ZellRechteck(spalte, zeile); }
  QPoint ZelleBei(QPoint punkt) const { return geo_.ZelleBei(punkt); }
  const TGitterGeometrie& Geometrie() const { return geo_; }

  // Drawing. With a Zeichner the owner draws every cell itself (ZeichneStandard is there to
  // borrow); without one the standard look is used.
  void SetzeZeichner(Zeichner zeichner);
  void ZeichneStandard(QPainter& p, int spalte, int zeile, const QRect& rechteck, TZellZustand zustand) const;
  // Paints the visible cells that meet the area (the viewport's paint, also for pictures).
  void Male(QPainter& p, const QRect& bereich) const;
  // Repaints one cell.
  void ZeichneZelleNeu(int spalte, int zeile);

  // Dragging inside the grid. A press on a body cell starts it when AutoZiehen is on, or the
  // press handler calls BeginneZiehen. While it runs the hovered body cell becomes the target
  // and the selection; at the edges the grid scrolls one cell per mouse move. A release over a
  // body cell drops there (in the source column when dragging between rows); a release anywhere
  // else, or Esc, cancels it.
  void BeginneZiehen(int spalte, int zeile);
  // Ends a drag without a drop (the grid is hidden, or the release never came).
  void BrecheZiehenAb();
  bool Zieht() const { return zieht_; }
  QPoint ZiehQuelle() const { return quelle_; }
  QPoint ZiehZiel() const { return ziel_; }
  void SetzeAutoZiehen(bool an) { autoZiehen_ = an; }
  // The target stays in the source column (dragging a value between rows).
  void SetzeZiehenNurZeilen(bool an) { nurZeilen_ = an; }
  void SetzeZiehCursor(const QCursor& cursor) { ziehCursor_ = cursor; }

  // The editor in the cell.
  bool BeginneBearbeiten();
  // Ends editing; with uebernehmen the text goes into the cell and TextBearbeitet is sent.
  void BeendeBearbeiten(bool uebernehmen);
  bool Bearbeitet() const { return bearbeitet_; }
  QLineEdit* Editor() const { return editor_; }
  void SetzeEditorLaenge(int laenge);
  void SetzeEditorValidator(const QValidator* validator);

  QSize viewportSizeHint() const override;

 signals:
  // Cells are (-1, -1) outside the grid. The pressed cell is already selected.
  void ZelleGedrueckt(int spalte, int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers modifier,
                      QPoint ort);
  void ZelleLosgelassen(int spalte, int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers modifier,
                        QPoint ort);
  // Left button pressed and released on the same cell.
  void Klick(int spalte, int zeile);
  void Doppelklick(int spalte, int zeile, Qt::KeyboardModifiers modifier);
  // A left release that no further press follows within the double-click time: the place for a
  // pop-up. One opened at the release itself would take the second press of a double click, and
  // the double click would never reach the grid. Cell and position are those of the release.
  void EinzelKlick(int spalte, int zeile, QPoint ort);
  // Right button pressed: the place for a pop-up, in screen coordinates.
  void Rechtsklick(int spalte, int zeile, QPoint global);
  void ZiehenBeginnt(int spalte, int zeile);
  void ZiehenUeber(int spalte, int zeile);
  void ZiehenEnde(int quelleSpalte, int quelleZeile, int zielSpalte, int zielZeile);
  void ZiehenAbgebrochen();
  // Sent before the grid's own handling; accept the event to keep the grid from acting on it.
  void TasteGedrueckt(QKeyEvent* ereignis);
  void TasteLosgelassen(QKeyEvent* ereignis);
  void AuswahlGeaendert();
  void ObenLinksGeaendert();
  void TextBearbeitet(int spalte, int zeile, const QString& text);
  void SpaltenBreiteGeaendert(int spalte);
  void SpalteVerschoben(int von, int nach);

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;
  void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void keyReleaseEvent(QKeyEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void focusInEvent(QFocusEvent* ereignis) override;
  void focusOutEvent(QFocusEvent* ereignis) override;
  void hideEvent(QHideEvent* ereignis) override;

 private:
  struct Zelle {
    QString text;
    void* objekt = nullptr;
  };

  bool Gueltig(int spalte, int zeile) const;
  bool Koerper(int spalte, int zeile) const;
  void NeuVerteilen(int spalten, int zeilen);
  void Geaendert(bool obenLinksBewegt);
  void Rollbalken();
  void WaehleBis(int spalte, int zeile);
  void AuswahlBegrenzen();
  TGitterAuswahl Normiert(int s1, int z1, int s2, int z2) const;
  QPoint Randziel(QPoint ort, QPoint bisher);
  void ZiehenUeberPunkt(QPoint ort);
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& rechteck) const;
  void ZiehenBeenden(bool ablegen);
  int SpaltenKante(QPoint ort) const;
  void EditorAnlegen();
  void EditorPlatzieren();
  // The header drag of a movable column (gitterspalten.cpp).
  bool SpaltenZugBeginnt(QPoint ort, QPoint zelle);
  int SpaltenZugZiel(QPoint ort) const;
  void SpaltenZugMale(QPainter& p) const;
  bool SpaltenZugEnde(QPoint ort);

  TGitterGeometrie geo_;
  std::vector<Zelle> zellen_;
  unsigned optionen_ = goFesteLinien | goLinien;
  Zeichner zeichner_;
  TGitterAuswahl auswahl_{1, 1, 1, 1};
  int spalte_ = 1;
  int zeile_ = 1;
  bool rollbalkenAktualisierung_ = false;

  // Mouse.
  QPoint gedrueckt_{-1, -1};
  QTimer* einzelKlick_ = nullptr;
  bool doppelklickLoslassen_ = false;  // the release that ends a double click is no single click
  bool waehlt_ = false;
  QPoint ecke_{1, 1};  // the moving corner of a range selection
  int groessenSpalte_ = -1;
  bool kantenCursor_ = false;
  QCursor vorKante_;

  // Moved columns: the origin of each column, and the header drag.
  std::vector<int> ursprung_;
  int zugSpalte_ = -1;
  QPoint zugOrt_;

  // Drag.
  bool zieht_ = false;
  bool loslassenSchlucken_ = false;  // the release of a drag cancelled with Esc
  bool autoZiehen_ = false;
  bool nurZeilen_ = false;
  QPoint quelle_{-1, -1};
  QPoint ziel_{-1, -1};
  QPoint mausOrt_;
  QPixmap ziehBild_;
  QCursor ziehCursor_{Qt::DragMoveCursor};
  QCursor alterCursor_;

  // Editor.
  QLineEdit* editor_ = nullptr;
  bool bearbeitet_ = false;
  QPoint editZelle_{-1, -1};
};

}  // namespace kolvar
