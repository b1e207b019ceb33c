// What a child window tells the main window: it opened, became active, or closed. The palette
// implements it (its "Fenster" menu and the enabling of menus and buttons); tests record it.
#pragma once

namespace kolvar {

class TKindFenster;

class IFensterListe {
 public:
  virtual ~IFensterListe() = default;
  virtual void FensterAnmelden(TKindFenster& fenster) = 0;
  virtual void FensterAbmelden(TKindFenster& fenster) = 0;
  virtual void FensterAktiviert(TKindFenster& fenster) = 0;
  // The window's caption changed (the "Fenster" menu shows it).
  virtual void FensterUmbenannt(TKindFenster& /*fenster*/) {}
};

}  // namespace kolvar
