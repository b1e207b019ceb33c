// TGrForm: the frame of the master-data editors ("Grunddaten"). It shows one element, takes the
// element's editor slot, registers under the caption "Grunddaten " + abbreviation in the
// "Fenster" menu, edits the name in "Info" and, for elements with a timetable, the lock grid.
// The arrow keys go to the palette's "Voriger" / "Nächster" unless a text field has the focus.
// Every change goes into the school at once; the variants add their fields and lists.
#pragma once

#include <QPoint>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/kindfenster.h"

class QBoxLayout;
class QLineEdit;
class QPainter;

namespace kolvar {

class IPalette;
class TElement;
class TGitter;
class TSperrung;

class TGrForm : public TKindFenster {
  Q_OBJECT

 public:
  TGrForm(int tag, TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TGrForm() override;

  QLineEdit* InfoFeld = nullptr;
  // The lock grid of classes, teachers and rooms; null for the others.
  TSperrung* Sperrung() const { return sperrung_; }

  TElement* Element() const override { return element_; }
  // Shows the element: its editor slot, the caption, the lock grid, the lists and values.
  void Vorbereiten(TElement* element);
  void Aktualisiere() override;
  void ZeigeWerte() override { Zeige(); }
  void NeuZeichnen() override;
  virtual void Zeige();
  void SperrungNeuZeichnen() { NeuZeichnen(); }
  // Over the lists that a double click deletes from: the eraser in "Löschen", else the arrow.
  void SetzeCursorNachModus(int modus, std::uint8_t tasten) override;

 protected:
  // The variants fill their lists here; Vorbereiten calls it before Zeige.
  virtual void Fuelle() {}
  // The lock grid below the rest, for elements with a timetable.
  void BaueSperrung();
  // Arrow keys of the widget go to the palette.
  void LeiteTastenWeiter(QWidget* w);
  bool IstAktiv() const;
  int Modus() const;
  std::uint8_t Tasten() const;

  // A list of one column whose rows hold elements or courses; the drawer gets the row, its
  // rectangle and whether it is selected.
  TGitter* BaueListe(std::function<void(QPainter&, int zeile, const QRect&, bool)> zeichner);
  // A list whose rows "Löschen" takes out by a double click; it shows the mode's cursor.
  void LoeschbareListe(TGitter* liste);
  // Selects the row and scrolls it into view.
  static void ZeigeZeile(TGitter& liste, int zeile);
  // A row: hours right-aligned within the width of "0000", the abbreviation from "00000" on.
  static void ZeichneZeile(QPainter& p, const QRect& r, bool ausgewaehlt, const QString& stunden,
                           const QString& text, bool rot = false, bool hervorheben = false);
  // Where the pop-up of a row opens: the cell's top-left corner, half a row lower.
  static QPoint MenueOrt(const TGitter& liste, int zeile);

  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;

  QBoxLayout* Inhalt() const { return inhalt_; }

  IPalette* palette_;
  TElement* element_ = nullptr;

 private:
  bool Pfeil(int taste);
  void InfoGeaendert(const QString& text);

  QBoxLayout* inhalt_ = nullptr;
  TSperrung* sperrung_ = nullptr;
  std::vector<TGitter*> listen_;
  std::vector<TGitter*> loeschbar_;
};

}  // namespace kolvar
