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
}  // namespace

IDialogDienst& TDienste::Dialoge() {
  return Oder<TQtDialogDienst>(Aktuell().dialoge);
}
IPopupDienst& TDienste::Popups() {
  return Oder<TQtPopupDienst>(Aktuell().popups);
}
IDateiDienst& TDienste::Dateien() {
  return Oder<TQtDateiDienst>(Aktuell().dateien);
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
  Aktuell().dialoge = dienst;
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
