// The palette's list of open child windows: the "Fenster" menu with one entry per window, the
// arrangement on the screen, closing, reopening the windows a school file saved, stepping to
// the previous or next element and switching an element between its windows.
#pragma once

#include <QRect>
#include <cstdint>
#include <vector>

#include "platform/fensterliste.h"
#include "storage/fenster.h"

class QAction;
class QMenu;

namespace kolvar {

class TFensterOeffner;
class TKindFenster;
class TKolvarPalette;

class TFensterVerwaltung : public IFensterListe {
 public:
  // menue: the "Fenster" menu; the window entries follow its fixed entries.
  TFensterVerwaltung(TKolvarPalette& palette, QMenu& menue, const TFensterOeffner& oeffner);

  // --- IFensterListe ---
  void FensterAnmelden(TKindFenster& fenster) override;
  void FensterAbmelden(TKindFenster& fenster) override;
  void FensterAktiviert(TKindFenster& fenster) override;
  void FensterUmbenannt(TKindFenster& fenster) override;

  // The "Fenster" menu's window entries in order (after the four fixed ones).
  std::vector<QAction*> FensterAktionen() const;
  // Checks the window's entry and clears the others (all of them for none).
  void FensterMenuMarkieren(const TKindFenster* fenster);
  // The open windows as the school file keeps them.
  std::vector<TFenster> OffeneFenster() const;

  // Held around whatever re-stacks the windows: arranging them, showing or hiding the backdrop,
  // the palette made anew. When the outermost ends, the active window is in front again and takes
  // the keys, so that nothing acts on a window hidden behind another; a window brought to the
  // front on purpose meanwhile became the active one then. Nestable: each command of the palette
  // holds one (umgestapelt false), so whatever it re-stacks settles once, at its end.
  class TUmordnung {
   public:
    explicit TUmordnung(TFensterVerwaltung& verwaltung, bool umgestapelt = true);
    ~TUmordnung();
    TUmordnung(const TUmordnung&) = delete;
    TUmordnung& operator=(const TUmordnung&) = delete;

   private:
    TFensterVerwaltung& verwaltung_;
  };

  // Places a window in the arrangement by its number among the open windows, inside the screen;
  // a new window skips places where another window already stands.
  void PlatziereFenster(TKindFenster& fenster, int nummer, bool neu = false);
  // "Anordnung...": the arrangement dialog, and every window placed anew after a change.
  void AnordnungItemClick();
  void OrdneFensterAn();
  // "Fenster schließen": the active window; with Shift every window once (a refusing one stays).
  void FensterSchliessenItemClick();
  // Closes every window of the school without asking (the school goes away).
  void SchliesseAlleFenster();
  // Every open window's close query, as closing it would ask; false at the first refusal.
  bool DuerfenAlleSchliessen();

  // Reopens a saved window by its kind, at its place where the screen allows it. The caller
  // holds Shift so that no other window is replaced. Saved places and sizes are those of the
  // window's inside (without the frame the window manager adds), so they come back exactly.
  void WiederOeffnen(const TFenster& satz);
  // The previous or next element of the active element window, in its group's window.
  void Blaettern(bool vorwaerts);
  // The active window's element in its window of the group (a view button); unless Shift is
  // held the active window closes.
  void ElementFensterWechseln(int gruppe);

 private:
  struct TEintrag {
    TKindFenster* fenster;
    QAction* aktion;
  };

  // The active window raised and activated.
  void AktivesNachVorn();

  TKolvarPalette& palette_;
  QMenu& menue_;
  const TFensterOeffner& oeffner_;
  std::vector<TEintrag> eintraege_;
  int umordnungen_ = 0;
  bool umgestapelt_ = false;
};

}  // namespace kolvar
