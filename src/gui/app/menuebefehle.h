// The main menu's commands that act on the school or the active window: undo, the window
// commands sent to the active window, the clipboard window, the password page, the data checks.
#pragma once

namespace kolvar {

class TKindFenster;
class TKolvarPalette;

class TMenueBefehle {
 public:
  explicit TMenueBefehle(TKolvarPalette& palette);

  // With the manual planning window: takes back its steps; else "Noch nicht implementiert!".
  void WiderrufenItemClick();
  // "Bearbeiten > Löschen": empties the undo list.
  void UndoLoeschenItemClick();
  // Sent to the active window; "Kopieren" and "Ausschneiden" without one, or where the kind
  // cuts nothing, beep; "Einsetzen" there shows the paste notice.
  void AusschneidenItemClick();
  void KopierenItemClick();
  void EinsetzenItemClick();
  void AllesAuswaehlenItemClick();
  void FensterDruckenItemClick();
  void KennwortItemClick();

 private:
  TKindFenster* AktivesFenster() const;

  TKolvarPalette& palette_;
};

}  // namespace kolvar
