#include "platform/dialogdienst.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include "platform/kvdialog.h"
#include "platform/kvform.h"

namespace kolvar {

namespace {
constexpr TKnopf kAlleKnoepfe[] = {knOk, knJa, knNein, knAbbrechen};

QMessageBox::Icon Symbol(TMeldungsArt art) {
  switch (art) {
    case TMeldungsArt::Warnung:
      return QMessageBox::Warning;
    case TMeldungsArt::Fehler:
      return QMessageBox::Critical;
    case TMeldungsArt::Frage:
      return QMessageBox::Question;
    case TMeldungsArt::Information:
      break;
  }
  return QMessageBox::Information;
}
}  // namespace

int ErgebnisVonKnopf(TKnopf knopf) {
  switch (knopf) {
    case knOk:
      return mrOk;
    case knJa:
      return mrJa;
    case knNein:
      return mrNein;
    case knAbbrechen:
      break;
  }
  return mrAbbrechen;
}

QString KnopfText(TKnopf knopf) {
  switch (knopf) {
    case knOk:
      return QStringLiteral("OK");
    case knJa:
      return QStringLiteral("Ja");
    case knNein:
      return QStringLiteral("Nein");
    case knAbbrechen:
      break;
  }
  return QStringLiteral("Abbrechen");
}

TQtDialogDienst& TQtDialogDienst::Standard() {
  static TQtDialogDienst dienst;
  return dienst;
}

int TQtDialogDienst::ZeigeDialog(TKvDialog& dialog) {
  return dialog.ZeigeModal();
}

int TQtDialogDienst::Frage(const QString& titel, const QString& text, unsigned knoepfe, TMeldungsArt art,
                           TKnopf standard) {
  QMessageBox box(Symbol(art), titel, text);
  // Over the palette and the progress windows, which stay on top themselves.
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  QAbstractButton* flucht = nullptr;
  for (TKnopf k : kAlleKnoepfe) {
    if (!(knoepfe & k)) continue;
    QPushButton* knopf = box.addButton(KnopfText(k), QMessageBox::ActionRole);
    knopf->setProperty("kvErgebnis", ErgebnisVonKnopf(k));
    if (k == standard) box.setDefaultButton(knopf);
    if (k == knAbbrechen || (knoepfe == knOk && k == knOk)) flucht = knopf;
  }
  // Without a cancel button Esc does nothing; the close box still answers mrAbbrechen.
  box.setEscapeButton(flucht);
  const TFreigabeAufschub aufschub;
  box.exec();
  QAbstractButton* geklickt = box.clickedButton();
  return geklickt != nullptr ? geklickt->property("kvErgebnis").toInt() : mrAbbrechen;
}

}  // namespace kolvar
