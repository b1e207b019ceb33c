#include "platform/dialogdienst.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include "platform/kvdialog.h"

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

QString ArtText(TMeldungsArt art) {
  switch (art) {
    case TMeldungsArt::Warnung:
      return QStringLiteral("Warnung");
    case TMeldungsArt::Fehler:
      return QStringLiteral("Fehler");
    case TMeldungsArt::Frage:
      return QStringLiteral("Frage");
    case TMeldungsArt::Information:
      break;
  }
  return QStringLiteral("Information");
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

int TQtDialogDienst::ZeigeDialog(TKvDialog& dialog) {
  return dialog.ZeigeModal();
}

int TQtDialogDienst::Frage(const QString& titel, const QString& text, unsigned knoepfe, TMeldungsArt art,
                           TKnopf standard) {
  QMessageBox box(Symbol(art), titel, text);
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
  box.exec();
  QAbstractButton* geklickt = box.clickedButton();
  return geklickt != nullptr ? geklickt->property("kvErgebnis").toInt() : mrAbbrechen;
}

bool TSkriptDialogDienst::NaechsterSchritt(const QStringList& namen, Schritt& schritt) {
  if (schritte_.empty()) {
    fehler_ << QStringLiteral("unerwartet: %1").arg(namen.value(0));
    return false;
  }
  schritt = std::move(schritte_.front());
  schritte_.pop_front();
  if (!schritt.erwartet.isEmpty() && !namen.contains(schritt.erwartet)) {
    fehler_ << QStringLiteral("erwartet %1, gezeigt %2").arg(schritt.erwartet, namen.value(0));
    return false;
  }
  return true;
}

int TSkriptDialogDienst::ZeigeDialog(TKvDialog& dialog) {
  protokoll_ << dialog.windowTitle();
  Schritt schritt;
  const QStringList namen{dialog.windowTitle(), dialog.objectName(),
                          QString::fromLatin1(dialog.metaObject()->className())};
  if (!NaechsterSchritt(namen, schritt)) return mrAbbrechen;
  if (schritt.handlung) {
    schritt.handlung(dialog);
  } else if (!schritt.knopf.isEmpty()) {
    QAbstractButton* knopf = dialog.Knopf(schritt.knopf);
    if (knopf == nullptr || !knopf->isEnabled()) {
      fehler_ << QStringLiteral("%1: kein Knopf %2").arg(dialog.windowTitle(), schritt.knopf);
      return mrAbbrechen;
    }
    knopf->click();
  } else {
    dialog.done(schritt.ergebnis);
  }
  // A dialog that was left without a result counts as closed by its close box.
  return dialog.result() == mrKeins ? mrAbbrechen : dialog.result();
}

int TSkriptDialogDienst::Frage(const QString& titel, const QString& text, unsigned knoepfe, TMeldungsArt art,
                               TKnopf) {
  protokoll_ << QStringLiteral("%1: %2").arg(titel, text);
  Schritt schritt;
  if (!NaechsterSchritt({titel, text, ArtText(art)}, schritt)) return mrAbbrechen;
  int ergebnis = schritt.ergebnis;
  if (!schritt.knopf.isEmpty()) {
    ergebnis = -1;
    for (TKnopf k : kAlleKnoepfe)
      if (KnopfText(k) == schritt.knopf) ergebnis = ErgebnisVonKnopf(k);
  }
  // Closing the box answers mrAbbrechen only where the Qt box lets it close: with "Abbrechen"
  // or on a plain notice.
  bool angeboten = ergebnis == mrAbbrechen && (knoepfe == knOk || (knoepfe & knAbbrechen));
  for (TKnopf k : kAlleKnoepfe)
    if ((knoepfe & k) && ErgebnisVonKnopf(k) == ergebnis) angeboten = true;
  if (!angeboten) {
    fehler_ << QStringLiteral("%1: Antwort %2 nicht angeboten").arg(titel).arg(ergebnis);
    return mrAbbrechen;
  }
  return ergebnis;
}

}  // namespace kolvar
