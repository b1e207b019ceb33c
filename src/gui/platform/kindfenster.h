// Base of every child window with a kind: registered with the school's window list and the
// palette while open (the school puts it into the slot its kind fills), the school's active
// window when activated, refreshed by the change sets the core hands it (IFenster). Closing unlinks
// everything at once; the core's Schliesse closes without asking, since the data shown is about to go.
#pragma once

#include <QPoint>
#include <optional>
#include <string>
#include <vector>

#include "model/ifenster.h"
#include "model/imenue.h"
#include "platform/kvform.h"

class QKeyEvent;

namespace kolvar {

class IFensterListe;
class IPalette;
class TSchule;

class TKindFenster : public TKvForm, public IFenster {
  Q_OBJECT

 public:
  // A window of the palette: it registers with the palette's window list and reaches the
  // palette through Palette(); without a palette (tests) it is listed nowhere.
  TKindFenster(int tag, TSchule& schule, IPalette* palette, TElement* element = nullptr,
               QWidget* eltern = nullptr);
  // A window of the program itself, listed in the list given.
  TKindFenster(int tag, TSchule& schule, IFensterListe* liste, TElement* element = nullptr,
               QWidget* eltern = nullptr);
  ~TKindFenster() override;

  TSchule& Schule() const { return *schule_; }
  IPalette* Palette() const { return palette_; }
  int Tag() const override { return TKvForm::Tag(); }
  std::string Titel() const override { return Caption().toStdString(); }
  TElement* Element() const override { return element_; }
  void SetzeCaption(const QString& caption);
  // A caption of a lead and the element's abbreviation, cut to laenge characters (0: uncut); it
  // follows the element when it is renamed.
  void SetzeElementCaption(const QString& vorsatz, int laenge = 0);
  // The caption follows the element first, then the window takes the changes.
  void Aenderungen(const TAenderungen& a) override;

  // Registers with the school and the palette, links the element and shows the window in front.
  void Oeffne();
  // Brings the window to the front and makes it the active one at once: the window system's word
  // comes later, if at all, and meanwhile the palette's keys and commands act on the active
  // window, which must be the one the user sees.
  void NachVorn();
  bool IstAngemeldet() const { return angemeldet_; }

  void Aktualisiere() override {}
  // The core closes windows whose data goes away: no question is asked.
  void Schliesse() override { SchliesseErzwungen(); }
  // Closes as the user does; the window may refuse.
  bool SchliesseFrage() { return TKvForm::Schliesse(); }
  // What the window asks the user before it closes, also when it goes with its school; false
  // when the user keeps it open.
  virtual bool FrageVorDemSchliessen() { return true; }

  // "Kopieren", "Alles auswählen" and "Fenster drucken..." of the main menu, for a window whose
  // kind has no entry for them in the kind registry. Nothing by default: every form of the
  // program that copies, selects or prints has its kind's entries instead.
  virtual void Kopieren() {}
  virtual void AllesAuswaehlen() {}
  virtual void FensterDrucken() {}
  // The palette's arrows for a window that steps through a list of its own rather than its
  // element's: true when it took the step.
  virtual bool Blaettere(bool /*vorwaerts*/) { return false; }

 protected:
  // Shows entries the core filled as a pop-up at the point (columns of spaltenHoehe entries,
  // sub-items as submenus) and runs the chosen active entry as one user action. False when none
  // ran, also when the window closed while its pop-up was open. With beschaeftigt the palette
  // waits while the pop-up is open.
  bool ZeigeKernMenue(const std::vector<TMenueEintrag>& eintraege, QPoint global, int spaltenHoehe,
                      bool beschaeftigt = false);
  void Aktiviere() override;
  // Left and right step as the palette's arrows do, for the windows that pass their arrow keys on;
  // true when the key was one of them and a palette took it.
  bool TasteLinksRechts(QKeyEvent* ereignis);
  // Unlinks and frees the window. Windows that override it call this one.
  void FormClose(TCloseAction& aktion) override;
  // Refused while the palette waits for a choice (busy).
  void FormCloseQuery(bool& erlaubt) override;

 private:
  void Abmelden();

  void CaptionNachfuehren();

  TSchule* schule_;
  IPalette* palette_ = nullptr;
  IFensterListe* liste_;
  QString captionVorsatz_;
  int captionLaenge_ = 0;
  // The abbreviation and the caption built from it last.
  std::optional<std::string> captionKuerzel_;
  QString captionText_;
  TElement* element_;
  bool angemeldet_ = false;
};

}  // namespace kolvar
