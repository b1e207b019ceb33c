// TDruckDialog: the frame of every print dialog. Options are edited in the controls and stored
// by "Ok" and "Ansehen", never by "Abbrechen"; "Ok" closes and shows the system print dialog,
// "Ansehen" records into the preview and prints when it closes with "Drucken"; "Papierformat"
// sets the printer up; "Ändern" picks the printout's font. Dialogs that choose elements get the
// grid with "Auswahl" (with nothing in it, "Ok" and "Ansehen" say where to choose and print
// nothing), and plans and overviews the day and period ranges.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "model/element.h"
#include "model/liste.h"
#include "platform/kvdialog.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QVBoxLayout;
class QWidget;

namespace kolvar {

class IZeichenflaeche;
class TDruckMeldung;
class TPrevPrinter;
class TSchule;
struct TSchrift;

template <typename T>
std::vector<TElement*> AlleElemente(const TListe<T>& liste) {
  std::vector<TElement*> elemente;
  for (T* e : liste) elemente.push_back(e);
  return elemente;
}

class TDruckDialog : public TKvDialog {
  Q_OBJECT

 public:
  // The palette's element chooser: the chosen ones of the list, shown under the caption.
  using TWaehler = std::function<std::vector<TElement*>(const std::vector<TElement*>&, const QString&)>;

  ~TDruckDialog() override;

  // Copies the stored options into the controls; called before the dialog shows.
  void LadeEinstellungen();
  void OkKnopfClick();
  void PreviewKnopfClick();
  void FormatKnopfClick();
  void SchriftButtonClick();
  void ZeigeSchrift();

  // The element grid: its elements top to bottom; an element goes first (opened from its window).
  std::vector<TElement*> Elemente() const;
  void UebernimmElement(TElement* element);
  void FuegeElementHinzu(TElement* element);
  // The first (or only) list's button.
  void AuswahlKnopfClick(int knopf = 0);
  // Double click: the row goes, the ones below move up.
  void EntferneZeile(int zeile);
  QTableWidget* KuerzelGrid() const { return kuerzelGrid_; }

  QLabel* SchriftFeld() const { return schriftFeld_; }
  QSpinBox* RandSpin(int i) const { return raender_[static_cast<std::size_t>(i)]; }
  QSpinBox* VonTag() const { return vonTag_; }
  QSpinBox* BisTag() const { return bisTag_; }
  QSpinBox* VonStunde() const { return vonStunde_; }
  QSpinBox* BisStunde() const { return bisStunde_; }

 protected:
  // schrift and the four margins (links, rechts, oben, unten) are the stored options'.
  TDruckDialog(TSchule& schule, const QString& caption, TSchrift& schrift, std::array<int*, 4> raender,
               QWidget* eltern);

  // Where the printout's own controls go, left of the common groups.
  QVBoxLayout* OptionenSpalte() const { return optionen_; }
  // A button that appends the elements chosen from a list to the grid.
  struct TWahlKnopf {
    QString text;        // "Auswahl", or the list's name where one grid takes several lists
    QString listenName;  // the chooser's caption
    std::function<std::vector<TElement*>()> liste;
  };
  // Adds the box "für ..." with the grid and a button per list.
  void BaueElementWahl(const QString& titel, std::vector<TWahlKnopf> knoepfe, TWaehler waehler);
  // The coupling-replaces box belongs to its entry's box and excludes "mit Kopplung".
  void KoppleBoxen(QCheckBox* eintrag, QCheckBox* kopplung, QCheckBox* statt);
  // Adds the day and period ranges.
  void BaueVonBis();
  void ZeigeVonBis();
  void SetzeVonBis(int vt, int bt, int vs, int bs);

  virtual void LadeOptionen() = 0;
  virtual void SpeichereOptionen() = 0;
  // Whether there is anything to record.
  virtual bool HatInhalt() const { return true; }
  // Whether the printout is of the grid's elements; false where an option prints without them.
  virtual bool BrauchtAuswahl() const { return true; }
  // Records the printout onto the open recording; page 1 is current.
  virtual void Drucke(IZeichenflaeche& flaeche) = 0;

  TSchule& schule_;

 private:
  struct TDruckLauf;
  void Speichere();
  // With an element grid but nothing in it, tells the user where to choose; false then.
  bool AuswahlPruefen();
  // The recording of one run with its status window; no recorder when the user stopped it.
  TDruckLauf Zeichne();

  TSchrift& schrift_;
  std::array<int*, 4> gespeicherteRaender_;
  QVBoxLayout* optionen_;
  QVBoxLayout* rechts_;
  QLabel* schriftFeld_;
  std::array<QSpinBox*, 4> raender_{};
  QTableWidget* kuerzelGrid_ = nullptr;
  int letzteZeile_ = -1;
  std::vector<std::function<void()>> auswahl_;
  QString keineAuswahl_;  // the notice of an empty grid, naming its box and buttons
  QSpinBox *vonTag_ = nullptr, *bisTag_ = nullptr, *vonStunde_ = nullptr, *bisStunde_ = nullptr;
  QLabel *vonTagText_ = nullptr, *bisTagText_ = nullptr, *vonStundeText_ = nullptr, *bisStundeText_ = nullptr;
};

}  // namespace kolvar
