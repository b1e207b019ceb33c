// The services every window reaches: dialogs, pop-ups, file dialogs, clipboard, clock, help and
// the receiver of the shift state. Qt implementations by default; tests put fakes in their place.
#pragma once

namespace kolvar {

class IAblage;
class IDateiDienst;
class IDialogDienst;
class IHilfe;
class IPopupDienst;
class IShiftEmpfaenger;
class IUhr;

class TDienste {
 public:
  static IDialogDienst& Dialoge();
  static IPopupDienst& Popups();
  static IDateiDienst& Dateien();
  static IAblage& Ablage();
  static IUhr& Uhr();
  static IHilfe& Hilfe();
  // The dialog service put in place (null: Qt's), for one that stands in front of it for a while.
  // Dialoge() itself forwards to it and forgets the modifiers a dialog may have swallowed.
  static IDialogDienst* GesetzteDialoge();
  // Null until the palette (or a test) takes the shift state.
  static IShiftEmpfaenger* Shift();

  // Not owned; null puts the Qt implementation back.
  static void SetzeDialoge(IDialogDienst* dienst);
  static void SetzePopups(IPopupDienst* dienst);
  static void SetzeDateien(IDateiDienst* dienst);
  static void SetzeAblage(IAblage* dienst);
  static void SetzeUhr(IUhr* dienst);
  static void SetzeHilfe(IHilfe* dienst);
  static void SetzeShift(IShiftEmpfaenger* empfaenger);

  // Back to the Qt implementations and no shift receiver.
  static void Zuruecksetzen();
};

}  // namespace kolvar
