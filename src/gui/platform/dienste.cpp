#include "platform/dienste.h"

#include "platform/ablage.h"
#include "platform/dateidienst.h"
#include "platform/dialogdienst.h"
#include "platform/hilfe.h"
#include "platform/popupdienst.h"
#include "platform/shiftempfaenger.h"
#include "platform/uhr.h"

namespace kolvar {

namespace {
struct Belegung {
  IDialogDienst* dialoge = nullptr;
  IPopupDienst* popups = nullptr;
  IDateiDienst* dateien = nullptr;
  IAblage* ablage = nullptr;
  IUhr* uhr = nullptr;
  IHilfe* hilfe = nullptr;
  IShiftEmpfaenger* shift = nullptr;
};

Belegung& Aktuell() {
  static Belegung belegung;
  return belegung;
}

template <class Standard, class Schnittstelle>
Schnittstelle& Oder(Schnittstelle* gesetzt) {
  static Standard standard;
  return gesetzt != nullptr ? *gesetzt : standard;
}

IDialogDienst& Dahinter() {
  return Aktuell().dialoge != nullptr ? *Aktuell().dialoge : TQtDialogDienst::Standard();
}

// A key released while a dialog, pop-up or file dialog had the keyboard never reached a window
// of ours: the modifiers recorded before it opened are stale once it closes.
void ShiftVergessen() {
  if (IShiftEmpfaenger* empfaenger = Aktuell().shift) empfaenger->ShiftMerken(0);
}

class TDialogeOhneAltlast : public IDialogDienst {
 public:
  int ZeigeDialog(TKvDialog& dialog) override {
    const int ergebnis = Dahinter().ZeigeDialog(dialog);
    ShiftVergessen();
    return ergebnis;
  }
  int Frage(const QString& titel, const QString& text, unsigned knoepfe, TMeldungsArt art,
            TKnopf standard) override {
    const int ergebnis = Dahinter().Frage(titel, text, knoepfe, art, standard);
    ShiftVergessen();
    return ergebnis;
  }
};

class TPopupsOhneAltlast : public IPopupDienst {
 public:
  TPopupWahl Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global,
                   int spaltenHoehe) override {
    const TPopupWahl wahl = Oder<TQtPopupDienst>(Aktuell().popups).Zeige(eintraege, global, spaltenHoehe);
    ShiftVergessen();
    return wahl;
  }
};

class TDateienOhneAltlast : public IDateiDienst {
 public:
  QString Oeffnen(const TDateiAuswahl& auswahl) override {
    const QString pfad = Oder<TQtDateiDienst>(Aktuell().dateien).Oeffnen(auswahl);
    ShiftVergessen();
    return pfad;
  }
  QString Sichern(const TDateiAuswahl& auswahl) override {
    const QString pfad = Oder<TQtDateiDienst>(Aktuell().dateien).Sichern(auswahl);
    ShiftVergessen();
    return pfad;
  }
};
}  // namespace

IDialogDienst& TDienste::Dialoge() {
  static TDialogeOhneAltlast dienst;
  return dienst;
}
IDialogDienst* TDienste::GesetzteDialoge() {
  return Aktuell().dialoge;
}
IPopupDienst& TDienste::Popups() {
  static TPopupsOhneAltlast dienst;
  return dienst;
}
IDateiDienst& TDienste::Dateien() {
  static TDateienOhneAltlast dienst;
  return dienst;
}
IAblage& TDienste::Ablage() {
  return Oder<TQtAblage>(Aktuell().ablage);
}
IUhr& TDienste::Uhr() {
  return Oder<TQtUhr>(Aktuell().uhr);
}
IHilfe& TDienste::Hilfe() {
  return Oder<TQtHilfe>(Aktuell().hilfe);
}
IShiftEmpfaenger* TDienste::Shift() {
  return Aktuell().shift;
}

void TDienste::SetzeDialoge(IDialogDienst* dienst) {
  // The forwarding service itself would forward to itself.
  Aktuell().dialoge = dienst == &Dialoge() ? nullptr : dienst;
}
void TDienste::SetzePopups(IPopupDienst* dienst) {
  Aktuell().popups = dienst;
}
void TDienste::SetzeDateien(IDateiDienst* dienst) {
  Aktuell().dateien = dienst;
}
void TDienste::SetzeAblage(IAblage* dienst) {
  Aktuell().ablage = dienst;
}
void TDienste::SetzeUhr(IUhr* dienst) {
  Aktuell().uhr = dienst;
}
void TDienste::SetzeHilfe(IHilfe* dienst) {
  Aktuell().hilfe = dienst;
}
void TDienste::SetzeShift(IShiftEmpfaenger* empfaenger) {
  Aktuell().shift = empfaenger;
}

void TDienste::Zuruecksetzen() {
  Aktuell() = Belegung{};
}

}  // namespace kolvar
